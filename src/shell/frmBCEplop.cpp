#include "shell/frmBCEplop.h"

#include <string_view>
#include <tuple>

#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmEmploye.h"
#include "shell/frmMainButn.h"

namespace pelk::shell {

namespace {

// The customer screens open over the hub, which stays loaded beneath them; they belong to the
// reservations, so they are reached by name.
void showOver(std::string_view screen) { ui::forms().byName(screen).Show(); }

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"Width", 7200}, {"Height", 4800}},
    {
        {"cmdMain", {1200, 3360, 1635, 800}, {{"Style", 1}, {"Picture", ui::picture("Main")}}},
        {"cmdClose", {4320, 3360, 1635, 800}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
    }};

}  // namespace

frmBCEplop::frmBCEplop() {
    ui::applyDesign(*this, kDesign);
    // The pictures carry their labels written in them, and their tips say them again.
    for (auto [picture, words, left] :
         {std::tuple{&ImgCList, "Customer List", 480.0}, std::tuple{&ImgCustmr, "Customers Vendors", 2880.0},
          std::tuple{&ImgEmplye, "Employees", 5280.0}})
        ui::applyDesign(*this, {{picture->name(),
                                 {left, 960, 1365, 1185},
                                 {{"ToolTipText", words},
                                  {"Stretch", true},
                                  {"Picture", ui::picture(words)},
                                  {"Font", ui::font::kDialogBold}}}});

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
