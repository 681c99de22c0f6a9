#include "shell/frmBOffice.h"

#include <string_view>
#include <tuple>

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

}  // namespace

frmBOffice::frmBOffice() {
    setCaption("");
    setMdiChild(true);
    setWidth(7200);
    setHeight(4800);
    // The buttons show pictures with their labels written in them.
    for (auto [button, caption, left, top] : {
             std::tuple{&cmdCustmr, "Customer Employee", 480.0, 480.0},
             std::tuple{&cmdMenuSettin, "Menu Edit", 3840.0, 480.0},
             std::tuple{&cmdSfwSettin, "Settings", 480.0, 1800.0},
             std::tuple{&cmdReports, "Reports", 3840.0, 1800.0},
             std::tuple{&cmdClose, "Back", 2760.0, 3360.0},
         }) {
        button->setStyle(1);
        button->setPicture(ui::Picture::design(caption));
        button->Move(left, top, button == &cmdClose ? 1635 : 2880, 1005);
    }
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
