#include "menu/frmBMenuSet.h"

#include "menu/frmEDes.h"
#include "menu/frmFrontDeskPicAd.h"
#include "menu/frmSetMenu.h"
#include "menu/frmSpl.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmMainButn.h"

namespace pelk::menu {

namespace {

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"BorderStyle", 0}, {"ControlBox", false}, {"Width", 7200}, {"Height", 4800}},
    {
        {"ImgMenu",
         {480, 480, 1935, 1575},
         {{"BorderStyle", 1}, {"Stretch", true}, {"ToolTipText", "Menu"}, {"Picture", ui::picture("Menu")}}},
        {"ImgMenu2",
         {615, 600, 1665, 1335},
         {{"Stretch", true}, {"ToolTipText", "Menus"}, {"Picture", ui::pressedPicture("Menus")}}},
        {"lblMenu", {480, 2100, 1935, 255}, {{"Caption", "Menu"}, {"Alignment", ui::kCenter}, {"BackStyle", 0}}},
        {"ImgDes",
         {2760, 480, 1935, 1575},
         {{"BorderStyle", 1},
          {"Stretch", true},
          {"ToolTipText", "Add/Edit Menu"},
          {"Picture", ui::picture("Add/Edit Menu")}}},
        {"ImgDes2",
         {2895, 600, 1665, 1335},
         {{"Stretch", true}, {"ToolTipText", "Description"}, {"Picture", ui::pressedPicture("Description")}}},
        {"lblDes",
         {2760, 2100, 1935, 255},
         {{"Caption", "Add/Edit Menu"}, {"Alignment", ui::kCenter}, {"BackStyle", 0}}},
        {"cmdDIPic", {5040, 480, 1695, 1575}, {{"Picture", ui::picture("Add Pic")}, {"Style", 1}}},
        // The special requests are reached from here, their hub on Close.
        {"cmdSpl", {2040, 3480, 3135, 735}, {{"Caption", "Special Request Editer"}}},
        {"cmdMain", {480, 3480, 1215, 735}, {{"Picture", ui::picture("Main")}, {"Style", 1}}},
        {"cmdClose", {5520, 3480, 1215, 735}, {{"Picture", ui::picture("Back")}, {"Style", 1}}},
    }};

}  // namespace

frmBMenuSet::frmBMenuSet() {
    ui::applyDesign(*this, kDesign);

    ImgMenu.onMouseDown([this] { ImgMenu_MouseDown(); });
    ImgMenu.onMouseUp([this] { ImgMenu_MouseUp(); });
    ImgDes.onMouseDown([this] { ImgDes_MouseDown(); });
    ImgDes.onMouseUp([this] { ImgDes_MouseUp(); });
    cmdDIPic.onClick([this] { cmdDIPic_Click(); });
    cmdSpl.onClick([this] { cmdSpl_Click(); });
    cmdMain.onClick([this] { cmdMain_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmBMenuSet::Form_Load() { settings::CentreForm(*this, 5); }

void frmBMenuSet::ImgMenu_MouseDown() { settings::PressImageButton::MouseDown(ImgMenu); }
void frmBMenuSet::ImgMenu_MouseUp() { settings::PressImageButton::MouseUp<frmSetMenu>(ImgMenu, *this); }
void frmBMenuSet::ImgDes_MouseDown() { settings::PressImageButton::MouseDown(ImgDes); }
void frmBMenuSet::ImgDes_MouseUp() { settings::PressImageButton::MouseUp<frmEDes>(ImgDes, *this); }

// The picture screen comes in front of the hub, which stays; an open one is brought forward.
void frmBMenuSet::cmdDIPic_Click() { ui::forms().get<frmFrontDeskPicAd>().Show(); }

void frmBMenuSet::cmdSpl_Click() {
    Unload();
    ui::forms().get<frmSpl>().Show();
}

void frmBMenuSet::cmdMain_Click() {
    Unload();
    ui::forms().get<shell::frmMainButn>().Show();
}

void frmBMenuSet::cmdClose_Click() {
    Unload();
    ui::forms().get<shell::frmBOffice>().Show();
}

}  // namespace pelk::menu
