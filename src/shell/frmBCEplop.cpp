#include "shell/frmBCEplop.h"

#include <string_view>

#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmEmploye.h"
#include "shell/frmMainButn.h"

namespace pelk::shell {

namespace {

// The customer screens open over the hub, which stays loaded beneath them; a screen another
// subsystem has not built yet opens nothing. They are the reservations', a later part: by name.
void showOver(std::string_view screen) {
    if (ui::forms().isRegistered(screen)) ui::forms().byName(screen).Show();
}

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"Width", 7200}, {"Height", 4800}},
    {
        {"ImgCList",
         {480, 960, 1365, 1185},
         {{"ToolTipText", "Customer List"},
          {"Stretch", true},
          {"Picture", ui::picture("Customer List")},
          {"Font", ui::font::kDialogBold}}},
        {"ImgCustmr",
         {2880, 960, 1365, 1185},
         {{"ToolTipText", "Customers Vendors"},
          {"Stretch", true},
          {"Picture", ui::picture("Customers Vendors")},
          {"Font", ui::font::kDialogBold}}},
        {"ImgEmplye",
         {5280, 960, 1365, 1185},
         {{"ToolTipText", "Employees"},
          {"Stretch", true},
          {"Picture", ui::picture("Employees")},
          {"Font", ui::font::kDialogBold}}},
        {"cmdMain", {1200, 3360, 1635, 800}, {{"Style", 1}, {"Picture", ui::picture("Main")}}},
        {"cmdClose", {4320, 3360, 1635, 800}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
    }};

}  // namespace

frmBCEplop::frmBCEplop() {
    ui::applyDesign(*this, kDesign);
    ImgCList.onClick([this] { ImgCList_Click(); });
    ImgCustmr.onClick([this] { ImgCustmr_Click(); });
    ImgEmplye.onMouseDown([this] { ImgEmplye_MouseDown(); });
    ImgEmplye.onMouseUp([this] { ImgEmplye_MouseUp(); });
    cmdMain.onClick([this] { cmdMain_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// The level rule runs at every load: log-off unloads the hub, so the next user's level applies.
void frmBCEplop::Form_Load() {
    settings::CentreForm(*this, 5);
    ui::Form* main = ui::forms().find("frmMain");
    if (main && main->tag() == "Level 2") ImgEmplye.setVisible(false);
}

void frmBCEplop::ImgCList_Click() { showOver("frmRepCustmr"); }
void frmBCEplop::ImgCustmr_Click() { showOver("frmCustmr"); }

// No pressed picture lies beneath: the picture vanishes while it is held.
void frmBCEplop::ImgEmplye_MouseDown() { settings::PressImageButton::MouseDown(ImgEmplye); }
void frmBCEplop::ImgEmplye_MouseUp() { settings::PressImageButton::MouseUp<frmEmploye>(ImgEmplye, *this); }

void frmBCEplop::cmdMain_Click() {
    Unload();
    ui::forms().get<frmMainButn>().Show();
}

// The window's close box leads where Back does, so the main window is never left empty.
void frmBCEplop::Form_QueryUnload(int&, ui::UnloadMode mode) {
    if (mode == ui::UnloadMode::FormControlMenu) ui::forms().get<frmBOffice>().Show();
}

void frmBCEplop::cmdClose_Click() {
    Unload();
    ui::forms().get<frmBOffice>().Show();
}

}  // namespace pelk::shell
