#include "shell/frmSecurity.h"

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"

namespace pelk::shell {

namespace {
constexpr const char* kDisabled = "Disabled";
constexpr const char* kEnabled = "Enabled";
const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"Width", 6000}, {"Height", 3600}},
    {
        {"datPW", {}, {{"RecordSource", "tabPword"}, {"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datcmdSet", {}, {{"RecordSource", "tbSet"}, {"Connect", "Access 2000;"}, {"Visible", false}}},
        {"Label1",
         {600, 240, 4800, 495},
         {{"Caption", "Security Settings"},
          {"Font", ui::font::kArial18Bold},
          {"Alignment", ui::kCenter},
          {"BackStyle", 0}}},
        {"Label6",
         {240, 1080, 3495, 375},
         {{"Caption", "Delete orders with password:"},
          {"Font", ui::font::kArial12Bold},
          {"BackStyle", 0},
          {"Alignment", ui::kRightJustify}}},
        {"Label7",
         {240, 1680, 3495, 375},
         {{"Caption", "Open drawer with password:"},
          {"Font", ui::font::kArial12Bold},
          {"BackStyle", 0},
          {"Alignment", ui::kRightJustify}}},
        {"chkItmDelSec", {3840, 1080, 1575, 375}, {{"Caption", kDisabled}, {"Font", ui::font::kArial12Bold}}},
        {"chkecd", {3840, 1680, 1575, 375}, {{"Caption", kDisabled}, {"Font", ui::font::kArial12Bold}}},
        {"cmdClose", {2160, 2520, 1635, 735}, {{"Style", 1}, {"Picture", ui::picture("Close")}}},
    }};

}  // namespace

frmSecurity::frmSecurity() {
    ui::applyDesign(*this, kDesign);

    datPW.bind(chkItmDelSec, "ItmDeSecl");
    datcmdSet.bind(chkecd, "ecd");

    chkItmDelSec.onClick([this] { chkItmDelSec_Click(); });
    chkecd.onClick([this] { chkecd_Click(); });
    Label1.onClick([this] { Label1_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// Always the program folder's store, whatever the station's data location: the switches belong to
// this station. The data controls read their first rows once the load is over, and a stored tick
// runs the box's Click, which captions it.
void frmSecurity::Form_Load() {
    settings::CentreForm(*this, 4);
    datPW.setDatabaseName(os::programPath("DOZA98.mdb"));
    datcmdSet.setDatabaseName(os::programPath("DOZA98.mdb"));
}

void frmSecurity::chkItmDelSec_Click() {
    if (chkItmDelSec.caption() == kDisabled)
        chkItmDelSec.setCaption(kEnabled);
    else if (chkItmDelSec.caption() == kEnabled)
        chkItmDelSec.setCaption(kDisabled);
}

void frmSecurity::chkecd_Click() { chkecd.setCaption(chkecd.caption() == kDisabled ? kEnabled : kDisabled); }

// The title closes the screen and leaves the settings panel closed, whoever opened it.
void frmSecurity::Label1_Click() { Unload(); }

// The ticks are written by the data controls as the screen unloads.
void frmSecurity::cmdClose_Click() { settings::CloseToHub(*this, "frmBSfwSet"); }

}  // namespace pelk::shell
