#include "setup/frmRegister1.h"

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/stores.h"

namespace pelk::setup {

namespace {

const ui::FormDesign kDesign{
    {},
    {
        {"datcmdSet", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSet"}, {"Visible", false}}},
        {"lblTax",
         {4200, 2520, 2295, 375},
         {{"Caption", " Tax Rate:"}, {"Font", ui::font::kSans13Bold}, {"BackStyle", 0}}},
        {"Text2", {4200, 2940, 2295, 420}, {{"Font", ui::font::kSans13Bold}}},
    }};

}  // namespace

frmRegister1::frmRegister1() : WizardStep(3) {
    ui::applyDesign(*this, kDesign);
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
