#include "settings/frmBSfwSet.h"

#include <string>

#include "settings/common.h"

namespace pelk::settings {

namespace {

constexpr ui::Color kLightBlue = 0xFFC0C0;
constexpr ui::Color kCyan = 0xFFFF00;
// The access level at which three of the panel's buttons are switched off.
constexpr std::string_view kLevelTwo = "Level 2";

}  // namespace

frmBSfwSet::frmBSfwSet() {
    setCaption("Settings");
    setMdiChild(true);
    setBorderStyle(0);
    setWidth(9960);
    setHeight(5640);

    struct PictureButton {
        ui::Image& picture;
        ui::Image& pressed;
        double left, top;
        const char* reads;
        const char* pressedReads;
    };
    for (const PictureButton& b : {PictureButton{ImgNet, ImgNet2, 1080, 720, "Network", "Network"},
                                   PictureButton{imgPtr, Image2, 3240, 720, "Printer Settings", "Printer Settings"},
                                   PictureButton{ImgInfor, ImgInfor2, 1080, 2400, "Information", "Information"},
                                   PictureButton{ImgDate, ImgDate2, 3240, 2400, "Set Date", "Set Date"},
                                   PictureButton{ImgReset, ImgReset2, 5400, 2400, "Reset", "Reset"},
                                   PictureButton{ImgPassw, ImgPassw2, 7560, 2400, "Security", "Passwords"}}) {
        b.picture.Move(b.left, b.top, 1365, 1185);
        b.picture.setStretch(true);
        b.picture.setToolTipText(b.reads);
        b.picture.setPicture(ui::Picture::design(b.reads));
        b.picture.setFontBold(true);
        // The pressed picture lies inside the button's area and shows while the button is held.
        b.pressed.Move(b.left + 135, b.top + 120, 1095, 960);
        b.pressed.setStretch(true);
        b.pressed.setPicture(ui::Picture::design(b.pressedReads, true));
        b.pressed.setFontBold(true);
    }

    cmdDI.setCaption("Add Rooms");
    cmdDI.setBackColor(kLightBlue);
    cmdDI.setStyle(1);
    cmdDI.Move(5400, 720, 1365, 1185);
    cmdPopUp.setCaption("Screen Settin");
    cmdPopUp.setBackColor(kCyan);
    cmdPopUp.setStyle(1);
    cmdPopUp.Move(7560, 720, 1365, 1185);
    cmdMain.setStyle(1);
    cmdMain.setPicture(ui::Picture::design("Main"));
    cmdMain.Move(1080, 4320, 1215, 735);
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.Move(240, 4320, 735, 735);

    ImgNet.onMouseDown([this] { ImgNet_MouseDown(); });
    ImgNet.onMouseUp([this] { ImgNet_MouseUp(); });
    imgPtr.onMouseDown([this] { imgPtr_MouseDown(); });
    imgPtr.onMouseUp([this] { imgPtr_MouseUp(); });
    ImgInfor.onMouseDown([this] { ImgInfor_MouseDown(); });
    ImgInfor.onMouseUp([this] { ImgInfor_MouseUp(); });
    ImgDate.onMouseDown([this] { ImgDate_MouseDown(); });
    ImgDate.onMouseUp([this] { ImgDate_MouseUp(); });
    ImgReset.onMouseDown([this] { ImgReset_MouseDown(); });
    ImgReset.onMouseUp([this] { ImgReset_MouseUp(); });
    ImgPassw.onMouseDown([this] { ImgPassw_MouseDown(); });
    ImgPassw.onMouseUp([this] { ImgPassw_MouseUp(); });
    cmdDI.onClick([this] { cmdDI_Click(); });
    cmdPopUp.onClick([this] { cmdPopUp_Click(); });
    cmdMain.onClick([this] { cmdMain_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// The level is the main window's; a panel shown without a main window (no one logged in) has none
// to restrict by.
void frmBSfwSet::Form_Load() {
    CentreForm(*this, 5);
    // The main window is the shell's, a later part: it is found by name, never loaded by this look.
    ui::Form* main = ui::forms().find("frmMain");
    if (main && main->tag() == kLevelTwo)
        for (ui::Image* off : {&ImgPassw, &ImgInfor, &ImgReset}) off->setEnabled(false);
}

// Some targets are the shell's, a later part (the main panel, the back office, the security
// screen): every target is opened by name.
void frmBSfwSet::openInstead(std::string_view target) {
    if (!ui::forms().isRegistered(target)) return;
    Unload();
    ui::forms().byName(target).Show();
}

void frmBSfwSet::release(ui::Image& picture, std::string_view target) {
    if (ui::forms().isRegistered(target))
        PressImageButton::MouseUp(picture, *this, target);
    else
        picture.setVisible(true);
}

void frmBSfwSet::ImgNet_MouseDown() { PressImageButton::MouseDown(ImgNet); }
void frmBSfwSet::ImgNet_MouseUp() { release(ImgNet, "frmNWSetin"); }
void frmBSfwSet::imgPtr_MouseDown() { PressImageButton::MouseDown(imgPtr); }
void frmBSfwSet::imgPtr_MouseUp() { release(imgPtr, "frmSetPtr"); }
void frmBSfwSet::ImgInfor_MouseDown() { PressImageButton::MouseDown(ImgInfor); }
void frmBSfwSet::ImgInfor_MouseUp() { release(ImgInfor, "frmInfor"); }
void frmBSfwSet::ImgDate_MouseDown() { PressImageButton::MouseDown(ImgDate); }
void frmBSfwSet::ImgDate_MouseUp() { release(ImgDate, "frmSetdate"); }
void frmBSfwSet::ImgReset_MouseDown() { PressImageButton::MouseDown(ImgReset); }
void frmBSfwSet::ImgReset_MouseUp() { release(ImgReset, "frmReset"); }
void frmBSfwSet::ImgPassw_MouseDown() { PressImageButton::MouseDown(ImgPassw); }
void frmBSfwSet::ImgPassw_MouseUp() { release(ImgPassw, "frmSecurity"); }

void frmBSfwSet::cmdDI_Click() { openInstead("frmSetRooms"); }
void frmBSfwSet::cmdPopUp_Click() { openInstead("frmSetScreen"); }
void frmBSfwSet::cmdMain_Click() { openInstead("frmMainButn"); }
void frmBSfwSet::cmdClose_Click() { openInstead("frmBOffice"); }

}  // namespace pelk::settings
