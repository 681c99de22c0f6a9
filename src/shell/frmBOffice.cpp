#include "shell/frmBOffice.h"

#include <string_view>

#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/frmBCEplop.h"
#include "shell/frmMainButn.h"

namespace pelk::shell {

namespace {

// The menu and report hubs belong to later subsystems, so every hub is reached by name.
void openHub(ui::Form& panel, std::string_view hub) {
    ui::forms().byName(hub).Show();
    panel.Unload();
}

// The buttons show pictures with their labels written in them.
const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"Width", 7200}, {"Height", 4800}},
    {
        {"cmdCustmr", {480, 480, 2880, 1005}, {{"Style", 1}, {"Picture", ui::picture("Customer Employee")}}},
        {"cmdMenuSettin", {3840, 480, 2880, 1005}, {{"Style", 1}, {"Picture", ui::picture("Menu Edit")}}},
        {"cmdSfwSettin", {480, 1800, 2880, 1005}, {{"Style", 1}, {"Picture", ui::picture("Settings")}}},
        {"cmdReports", {3840, 1800, 2880, 1005}, {{"Style", 1}, {"Picture", ui::picture("Reports")}}},
        {"cmdClose", {2760, 3360, 1635, 1005}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
    }};

}  // namespace

frmBOffice::frmBOffice() {
    ui::applyDesign(*this, kDesign);
    cmdCustmr.onClick([this] { cmdCustmr_Click(); });
    cmdMenuSettin.onClick([this] { cmdMenuSettin_Click(); });
    cmdSfwSettin.onClick([this] { cmdSfwSettin_Click(); });
    cmdReports.onClick([this] { cmdReports_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// Every user who reaches the panel sees all four buttons: the main panel keeps "Level 1" out.
void frmBOffice::Form_Load() { settings::CentreForm(*this, 5); }

void frmBOffice::cmdCustmr_Click() {
    ui::forms().get<frmBCEplop>().Show();
    Unload();
}

void frmBOffice::cmdMenuSettin_Click() { openHub(*this, "frmBMenuSet"); }
void frmBOffice::cmdSfwSettin_Click() { openHub(*this, "frmBSfwSet"); }
void frmBOffice::cmdReports_Click() { openHub(*this, "frmBMReport"); }

// The window's close box leads where Back does, so the main window is never left empty.
void frmBOffice::Form_QueryUnload(int&, ui::UnloadMode mode) {
    if (mode == ui::UnloadMode::FormControlMenu) ui::forms().get<frmMainButn>().Show();
}

void frmBOffice::cmdClose_Click() {
    Unload();
    ui::forms().get<frmMainButn>().Show();
}

}  // namespace pelk::shell
