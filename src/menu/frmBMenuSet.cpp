#include "menu/frmBMenuSet.h"

#include "menu/frmSetMenu.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmMainButn.h"

namespace pelk::menu {

namespace {

// A screen the program does not have yet: the picture comes back up and the hub stays.
void release(ui::Image& picture, ui::Form& hub, std::string_view target) {
    if (ui::forms().isRegistered(target))
        settings::PressImageButton::MouseUp(picture, hub, target);
    else
        picture.setVisible(true);
}

}  // namespace

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
        b.pressed.Move(b.left + 135, 600, 1665, 1335);
        b.pressed.setStretch(true);
        b.pressed.setToolTipText(b.pressedReads);
        b.label.setCaption(b.reads);
        b.label.setAlignment(ui::kCenter);
        b.label.setBackStyle(0);
        b.label.Move(b.left, 2100, 1935, 255);
    }
    // The pictures of these buttons read as their captions until the pictures ship.
    cmdDIPic.setCaption("Add Pic");
    cmdDIPic.setStyle(1);
    cmdDIPic.Move(5040, 480, 1695, 1575);
    cmdMain.setCaption("Main");
    cmdMain.setStyle(1);
    cmdMain.Move(480, 3480, 1215, 735);
    cmdClose.setCaption("Back");
    cmdClose.setStyle(1);
    cmdClose.Move(5520, 3480, 1215, 735);

    ImgMenu.onMouseDown([this] { ImgMenu_MouseDown(); });
    ImgMenu.onMouseUp([this] { ImgMenu_MouseUp(); });
    ImgDes.onMouseDown([this] { ImgDes_MouseDown(); });
    ImgDes.onMouseUp([this] { ImgDes_MouseUp(); });
    cmdDIPic.onClick([this] { cmdDIPic_Click(); });
    cmdMain.onClick([this] { cmdMain_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmBMenuSet::Form_Load() { settings::CentreForm(*this, 5); }

void frmBMenuSet::ImgMenu_MouseDown() { settings::PressImageButton::MouseDown(ImgMenu); }
void frmBMenuSet::ImgMenu_MouseUp() { settings::PressImageButton::MouseUp<frmSetMenu>(ImgMenu, *this); }
void frmBMenuSet::ImgDes_MouseDown() { settings::PressImageButton::MouseDown(ImgDes); }
void frmBMenuSet::ImgDes_MouseUp() { release(ImgDes, *this, "frmEDes"); }

// The picture screen comes in front of the hub, which stays.
void frmBMenuSet::cmdDIPic_Click() {
    if (ui::forms().isRegistered("frmFrontDeskPicAd")) ui::forms().byName("frmFrontDeskPicAd").Show();
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
