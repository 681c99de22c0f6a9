#include "setup/frmRegister2b.h"

#include <string>

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmNWSetin.h"
#include "settings/stores.h"
#include "setup/frmExample.h"
#include "setup/road_end.h"

namespace pelk::setup {

namespace {

constexpr ui::FontRole kSans13{ui::font::kDialog.name, 13.5};
constexpr ui::FontRole kLinkFont{ui::font::kDialog.name, 12, true, false, true};

const std::initializer_list<ui::DesignProperty> kLink = {
    {"Caption", "View an example."}, {"Font", kLinkFont}, {"ForeColor", ui::color::kBlue}, {"BackStyle", 0}};

const ui::FormDesign kDesign{
    {},
    {
        {"lblPanel", {960, 1560, 9255, 3375}, {{"BackColor", ui::color::kWhite}}},
        {"Label3",
         {1200, 1680, 8895, 375},
         {{"Caption", "Select the statement that best describes this computer:"},
          {"Font", ui::font::kSans13Bold},
          {"BackStyle", 0}}},
        {"Option1",
         {1320, 2160, 8655, 735},
         {{"Caption",
           "I will use data directly from this computer.  Other computers in the network share data through this "
           "computer. "},
          {"Font", kSans13},
          {"BackColor", ui::color::kWhite},
          {"Value", true}}},
        {"Label1", {1800, 2940, 2295, 330}, kLink},
        {"Option2",
         {1320, 3600, 8655, 495},
         {{"Caption", "I will share datas through anothter computer on my network."},
          {"Font", kSans13},
          {"BackColor", ui::color::kWhite}}},
        {"Label2", {1800, 4140, 2295, 330}, kLink},
        {"txtNWsetin", {}, {{"Visible", false}}},
        {"DatSet", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
    }};

}  // namespace

frmRegister2b::frmRegister2b() : WizardStep(5) {
    ui::applyDesign(*this, kDesign);
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
