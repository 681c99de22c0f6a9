#include "setup/frmRegister1.h"

#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/stores.h"

namespace pelk::setup {

frmRegister1::frmRegister1() : WizardStep(3) {
    datcmdSet.setConnect("Access 2000;");
    datcmdSet.setRecordSource("tbSet");
    datcmdSet.setVisible(false);
    lblTax.setCaption(" Tax Rate:");
    lblTax.setFontName("MS Sans Serif");
    lblTax.setFontSize(13.5);
    lblTax.setFontBold(true);
    lblTax.setBackStyle(0);
    lblTax.Move(4200, 2520, 2295, 375);
    Text2.setFontName("MS Sans Serif");
    Text2.setFontSize(13.5);
    Text2.setFontBold(true);
    Text2.Move(4200, 2940, 2295, 420);
    datcmdSet.bind(Text2, "Tax1");

    datcmdSet.onReposition([this] { shownRate_ = Text2.text(); });
    // Closed another way than Back or Next (the program ending), a rate that is none is dropped.
    datcmdSet.onValidate([this](int&, int& Save) {
        if (Text2.text() != shownRate_ && !settings::isRate(Text2.text())) Save = 0;
    });
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
}

void frmRegister1::Form_Load() {
    WizardStep::Form_Load();
    datcmdSet.setDatabaseName(os::programPath(settings::kStationStore));
}

// The split check multiplies by this rate: "7.5" for 7.5 % would charge seven and a half times the
// amount, so the rate is held to the store settings screen's rule before anything is stored.
bool frmRegister1::rateValid() {
    if (Text2.text() == shownRate_) return true;
    std::string refusal = settings::rateRefusal("Tax Rate", Text2.text());
    if (refusal.empty()) return true;
    ui::MsgBox(refusal, ui::kCritical);
    Text2.SetFocus();
    return false;
}

void frmRegister1::cmdClose_Click() {
    if (rateValid()) goBack();
}

void frmRegister1::cmdNext_Click() {
    if (rateValid()) goNext();
}

}  // namespace pelk::setup
