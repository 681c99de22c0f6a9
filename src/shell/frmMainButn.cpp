#include "shell/frmMainButn.h"

#include "shell/frmMain.h"

namespace pelk::shell {

frmMainButn::frmMainButn() {
    setMdiChild(true);
    setBorderStyle(0);
    setCaption("");
    setWidth(11310);
    setHeight(7050);
    setBackColor(0xC0FFC0);

    struct Button {
        ui::CommandButton& button;
        double left, top, width, height;
        ui::Color back;
        const char* label;
    };
    // The labels stand in the buttons' pictures; until the pictures ship, the buttons show them
    // as their captions.
    for (const Button& b : {
             Button{cmdReserv, 1320, 360, 3130, 951, 0xFFFFFF, "Reservations"},
             Button{cmdChkIn, 6000, 360, 3130, 951, 0xFFFFFF, "Check In"},
             Button{cmdReserSearch, 1320, 1800, 3130, 951, 0xFFFFFF, "Reservation Search"},
             Button{cmkChkOut, 6000, 1800, 3130, 951, 0x00C0C000, "Check Out"},
             Button{cmdDel, 3600, 3600, 3140, 960, 0x00000040, "Clock In Clock Out"},
             Button{cmdReports, 3600, 5520, 3135, 945, 0x00FFFF80, "Back Office"},
             Button{cmdExit, 9120, 5760, 1500, 1005, 0x00FF0000, "Exit"},
         }) {
        b.button.Move(b.left, b.top, b.width, b.height);
        b.button.setStyle(1);
        b.button.setBackColor(b.back);
        b.button.setCaption(b.label);
        b.button.setFontName("Arial");
        b.button.setFontSize(14);
        b.button.setFontBold(true);
    }
    // Light text where the button is dark.
    for (ui::CommandButton* b : {&cmdDel, &cmdExit}) b->setForeColor(0xFFFFFF);
}

void frmMainButn::Form_Load() {
    setBackColor(0xC0FFC0);
    if (ui::forms().get<frmMain>().tag() == "Level 1") cmdReports.setEnabled(false);
}

}  // namespace pelk::shell
