#include "menu/frmBMenuSet.h"

#include "menu/frmEDes.h"
#include "menu/frmFrontDeskPicAd.h"
#include "menu/frmSetMenu.h"
#include "menu/frmSpl.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmMainButn.h"

namespace pelk::menu {

frmBMenuSet::frmBMenuSet() {
    setCaption("");
    setMdiChild(true);
    setBorderStyle(0);
    setControlBox(false);
    setWidth(7200);
    setHeight(4800);

    struct PictureButton {
        ui::Image& picture;
        ui::Image& pressed;
        ui::Label& label;
        double left;
        const char* reads;
        const char* pressedReads;
    };
    for (const PictureButton& b : {PictureButton{ImgMenu, ImgMenu2, lblMenu, 480, "Menu", "Menus"},
                                   PictureButton{ImgDes, ImgDes2, lblDes, 2760, "Add/Edit Menu", "Description"}}) {
        b.picture.Move(b.left, 480, 1935, 1575);
        b.picture.setBorderStyle(1);
        b.picture.setStretch(true);
        b.picture.setToolTipText(b.reads);
        b.picture.setPicture(ui::Picture::design(b.reads));
        b.pressed.Move(b.left + 135, 600, 1665, 1335);
        b.pressed.setStretch(true);
        b.pressed.setToolTipText(b.pressedReads);
        b.pressed.setPicture(ui::Picture::design(b.pressedReads, true));
        b.label.setCaption(b.reads);
        b.label.setAlignment(ui::kCenter);
        b.label.setBackStyle(0);
        b.label.Move(b.left, 2100, 1935, 255);
    }
    cmdDIPic.setPicture(ui::Picture::design("Add Pic"));
    cmdDIPic.setStyle(1);
    cmdDIPic.Move(5040, 480, 1695, 1575);
    // The special requests are reached from here, their hub on Close.
    cmdSpl.setCaption("Special Request Editer");
    cmdSpl.Move(2040, 3480, 3135, 735);
    cmdMain.setPicture(ui::Picture::design("Main"));
    cmdMain.setStyle(1);
    cmdMain.Move(480, 3480, 1215, 735);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.setStyle(1);
    cmdClose.Move(5520, 3480, 1215, 735);

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
