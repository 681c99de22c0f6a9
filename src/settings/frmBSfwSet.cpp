#include "settings/frmBSfwSet.h"

#include <string>

#include "platform/ui/design.h"
#include "settings/common.h"

namespace pelk::settings {

namespace {

// The access level at which three of the panel's buttons are switched off.
constexpr std::string_view kLevelTwo = "Level 2";

const ui::FormDesign kDesign{
    {{"Caption", "Settings"}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 9960}, {"Height", 5640}},
    {
        {"ImgNet",
         {1080, 720, 1365, 1185},
         {{"Stretch", true},
          {"ToolTipText", "Network"},
          {"Picture", ui::picture("Network")},
          {"Font", ui::font::kDialogBold}}},
        // The pressed picture lies inside the button's area and shows while the button is held.
        {"ImgNet2",
         {1215, 840, 1095, 960},
         {{"Stretch", true}, {"Picture", ui::pressedPicture("Network")}, {"Font", ui::font::kDialogBold}}},
        {"imgPtr",
         {3240, 720, 1365, 1185},
         {{"Stretch", true},
          {"ToolTipText", "Printer Settings"},
          {"Picture", ui::picture("Printer Settings")},
          {"Font", ui::font::kDialogBold}}},
        {"Image2",
         {3375, 840, 1095, 960},
         {{"Stretch", true}, {"Picture", ui::pressedPicture("Printer Settings")}, {"Font", ui::font::kDialogBold}}},
        {"ImgInfor",
         {1080, 2400, 1365, 1185},
         {{"Stretch", true},
          {"ToolTipText", "Information"},
          {"Picture", ui::picture("Information")},
          {"Font", ui::font::kDialogBold}}},
        {"ImgInfor2",
         {1215, 2520, 1095, 960},
         {{"Stretch", true}, {"Picture", ui::pressedPicture("Information")}, {"Font", ui::font::kDialogBold}}},
        {"ImgDate",
         {3240, 2400, 1365, 1185},
         {{"Stretch", true},
          {"ToolTipText", "Set Date"},
          {"Picture", ui::picture("Set Date")},
          {"Font", ui::font::kDialogBold}}},
        {"ImgDate2",
         {3375, 2520, 1095, 960},
         {{"Stretch", true}, {"Picture", ui::pressedPicture("Set Date")}, {"Font", ui::font::kDialogBold}}},
        {"ImgReset",
         {5400, 2400, 1365, 1185},
         {{"Stretch", true},
          {"ToolTipText", "Reset"},
          {"Picture", ui::picture("Reset")},
          {"Font", ui::font::kDialogBold}}},
        {"ImgReset2",
         {5535, 2520, 1095, 960},
         {{"Stretch", true}, {"Picture", ui::pressedPicture("Reset")}, {"Font", ui::font::kDialogBold}}},
        {"ImgPassw",
         {7560, 2400, 1365, 1185},
         {{"Stretch", true},
          {"ToolTipText", "Security"},
          {"Picture", ui::picture("Security")},
          {"Font", ui::font::kDialogBold}}},
        {"ImgPassw2",
         {7695, 2520, 1095, 960},
         {{"Stretch", true}, {"Picture", ui::pressedPicture("Passwords")}, {"Font", ui::font::kDialogBold}}},
        {"cmdDI",
         {5400, 720, 1365, 1185},
         {{"Caption", "Add Rooms"}, {"BackColor", ui::color::kLightBlue}, {"Style", 1}}},
        {"cmdPopUp",
         {7560, 720, 1365, 1185},
         {{"Caption", "Screen Settin"}, {"BackColor", ui::color::kCyan}, {"Style", 1}}},
        {"cmdMain", {1080, 4320, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Main")}}},
        {"cmdClose", {240, 4320, 735, 735}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
    }};

}  // namespace

frmBSfwSet::frmBSfwSet() {
    ui::applyDesign(*this, kDesign);

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
