#include "shell/frmCopyright.h"

#include <string>

#include "pelk/version.h"
#include "settings/common.h"

namespace pelk::shell {

frmCopyright::frmCopyright() {
    // A fixed dialog frame without title bar; the window system centres it.
    setBorderStyle(3);
    setCaption("");
    setControlBox(false);
    setMinButton(false);
    setMaxButton(false);
    setWidth(7635);
    setHeight(1245);
    setBackColor(0xC0FFC0);
    setKeyPreview(true);
    // The window system puts the banner in the middle of the screen.
    settings::CentreForm(*this, 2, false);

    Image1.Move(120, 60, 7395, 135);
    Line1.setX1(120);
    Line1.setY1(240);
    Line1.setX2(7515);
    Line1.setY2(240);
    Label2.setCaption("Pelk POS 4");
    Label2.setFont({"Arial", 14, true});
    Label2.Move(240, 300, 3600, 375);
    Label3.setCaption("Hotel Front Desk");
    Label3.setFont({"Arial", 9.75, true});
    Label3.Move(3960, 360, 3480, 255);
    Label5.setCaption("Reservations - Folios - Room Service");
    Label5.Move(240, 690, 3600, 195);
    Label7.setCaption("Restaurant and Time Clock");
    Label7.Move(3960, 690, 3480, 195);
    Line3.setX1(120);
    Line3.setY1(915);
    Line3.setX2(7515);
    Line3.setY2(915);
    lblDescription.setCaption("Pelk Software");
    lblDescription.Move(240, 960, 3600, 195);
    lblVersion.setCaption("Label3");
    lblVersion.setAlignment(ui::kRightJustify);
    lblVersion.Move(3960, 960, 3480, 195);
}

void frmCopyright::Form_Load() {
    lblVersion.setCaption("Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                          std::to_string(kVersionRevision));
}

void frmCopyright::Form_KeyPress(int& KeyAscii) { Unload(); }

}  // namespace pelk::shell
