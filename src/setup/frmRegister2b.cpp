#include "setup/frmRegister2b.h"

#include <string>

#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/frmNWSetin.h"
#include "settings/stores.h"
#include "setup/frmExample.h"
#include "setup/road_end.h"

namespace pelk::setup {

namespace {

constexpr ui::Color kLinkBlue = 0xFF0000;

void statement(ui::OptionButton& o, const char* text, double top, double height) {
    o.setCaption(text);
    o.setFontName("MS Sans Serif");
    o.setFontSize(13.5);
    o.setBackColor(settings::kWhite);
    o.Move(1320, top, 8655, height);
}

void link(ui::Label& l, double top) {
    l.setCaption("View an example.");
    l.setFontName("MS Sans Serif");
    l.setFontSize(12);
    l.setFontBold(true);
    l.setFontUnderline(true);
    l.setForeColor(kLinkBlue);
    l.setBackStyle(0);
    l.Move(1800, top, 2295, 330);
}

}  // namespace

frmRegister2b::frmRegister2b() : WizardStep(5) {
    lblPanel.setBackColor(settings::kWhite);
    lblPanel.Move(960, 1560, 9255, 3375);
    Label3.setCaption("Select the statement that best describes this computer:");
    Label3.setFontName("MS Sans Serif");
    Label3.setFontSize(13.5);
    Label3.setFontBold(true);
    Label3.setBackStyle(0);
    Label3.Move(1200, 1680, 8895, 375);
    statement(Option1,
              "I will use data directly from this computer.  Other computers in the network share data through "
              "this computer. ",
              2160, 735);
    Option1.setValue(true);
    link(Label1, 2940);
    statement(Option2, "I will share datas through anothter computer on my network.", 3600, 495);
    link(Label2, 4140);
    txtNWsetin.setVisible(false);

    DatSet.setConnect("Access 2000;");
    DatSet.setVisible(false);
    DatSet.bind(txtNWsetin, "SetC");

    cmdNext.onClick([this] { cmdNext_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    Label1.onClick([this] { Label1_Click(); });
    Label2.onClick([this] { Label2_Click(); });
}

void frmRegister2b::Form_Load() {
    WizardStep::Form_Load();
    DatSet.setDatabaseName(os::programPath(settings::kStationStore));
    DatSet.setRecordSource("SELECT * FROM tbSet ORDER BY ID ASC");
    if (db::Status read = DatSet.Refresh(); !read) DatSet.report(read.error());
}

void frmRegister2b::cmdNext_Click() {
    if (Option1.value()) {
        txtNWsetin.setText(std::string(settings::kModeSingle));
        if (!Unload()) return;
        // The running program works on this station's own folder from now on. The holder stores
        // the mode at once: left pending, it would overwrite at its unload what a later run of
        // the wizard stored. It reads the row afresh first, since this step has just written it.
        settings::frmNWSetin& holder = ui::forms().get<settings::frmNWSetin>();
        if (db::Status read = holder.DatSet.Refresh(); !read) holder.DatSet.report(read.error());
        holder.txtNWsetin.setText(std::string(settings::kModeSingle));
        if (db::Status written = holder.DatSet.UpdateRecord(); !written) holder.DatSet.report(written.error());
        showPrinterSettings();
    } else if (Option2.value()) {
        goNext();
    }
}

void frmRegister2b::cmdClose_Click() { goBack(); }

void frmRegister2b::Label1_Click() {
    frmExample& example = ui::forms().get<frmExample>();
    example.lbl1.setVisible(true);
    example.Show(ui::kModal);
}

void frmRegister2b::Label2_Click() {
    frmExample& example = ui::forms().get<frmExample>();
    example.lbl2.setVisible(true);
    example.Show(ui::kModal);
}

}  // namespace pelk::setup
