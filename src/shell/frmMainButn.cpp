#include "shell/frmMainButn.h"

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmMain.h"
#include "shell/frmShutdown.h"
#include "shell/frmTimer.h"
#include "shell/handoff.h"

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
    // The buttons show their labels as pictures and have no caption.
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
        b.button.setPicture(ui::Picture::design(b.label));
        b.button.setFontName("Arial");
        b.button.setFontSize(14);
        b.button.setFontBold(true);
    }
    // Light text where the button is dark.
    for (ui::CommandButton* b : {&cmdDel, &cmdExit}) b->setForeColor(0xFFFFFF);

    cmdReserv.onClick([this] { cmdReserv_Click(); });
    cmdChkIn.onClick([this] { cmdChkIn_Click(); });
    cmkChkOut.onClick([this] { cmkChkOut_Click(); });
    cmdReserSearch.onClick([this] { cmdReserSearch_Click(); });
    cmdDel.onClick([this] { cmdDel_Click(); });
    cmdReports.onClick([this] { cmdReports_Click(); });
    cmdExit.onClick([this] { cmdExit_Click(); });
}

void frmMainButn::Form_Load() {
    setBackColor(0xC0FFC0);
    settings::CentreForm(*this, 5);
    // Every showing of the panel is a new load, so the rule holds on every return to it.
    if (ui::forms().get<frmMain>().tag() == "Level 1") cmdReports.setEnabled(false);
}

// The buttons that lead away unload the panel before they touch their screen; a return to the
// front desk makes a new panel.

void frmMainButn::cmdReserv_Click() {
    Unload();
    ui::forms().byName("frmChkDate").Show();
}

// The map takes its mode from lblMode and its day from the date box; the first write loads it.
void frmMainButn::cmdChkIn_Click() {
    Unload();
    ui::Form& map = ui::forms().byName("frmMap");
    map.setTag("Chk In");
    setOn(map, "lblMode", "Caption", "ChkI");
    setOn(map, "txtDateIn", "Text", core::shortDate(core::clock::today()));
    for (const char* c : {"lblDIn", "txtDateIn", "cmdLess", "cmdMore"}) setOn(map, c, "Visible", "True");
    map.Show();
}

void frmMainButn::cmkChkOut_Click() {
    Unload();
    ui::Form& map = ui::forms().byName("frmMap");
    map.setTag("Chk Out");
    setOn(map, "lblMode", "Caption", "ChkO");
    setOn(map, "txtDateOut", "Text", core::shortDate(core::clock::today()));
    for (const char* c : {"lblDOut", "txtDateOut", "cmdOLess", "cmdOMore"}) setOn(map, c, "Visible", "True");
    map.Show();
}

// The reservation screen in its search role, over the panel, which stays.
void frmMainButn::cmdReserSearch_Click() {
    ui::Form& reservation = ui::forms().byName("frmReservAdd");
    setOn(reservation, "lblForm", "Caption", "Reservation Search");
    setOn(reservation, "lblForm", "BackColor", "255");
    for (const char* c : {"cmdSave", "cmdNew", "cmdErase"}) setOn(reservation, c, "Visible", "False");
    setOn(reservation, "cmdUpdate", "Enabled", "True");
    for (const char* c : {"lblRequire", "Label16", "Label20", "Label21", "Label22", "Label23", "Label24", "Label25",
                          "Label26", "Label37", "Label39", "Label41"})
        setOn(reservation, c, "Visible", "False");
    reservation.Show();
}

void frmMainButn::cmdDel_Click() {
    Unload();
    ui::forms().get<frmTimer>().Show();
}

void frmMainButn::cmdReports_Click() {
    Unload();
    ui::forms().get<frmBOffice>().Show();
}

// The panel stays behind the exit dialog; what follows is the dialog's.
void frmMainButn::cmdExit_Click() { ui::forms().get<frmShutdown>().Show(ui::kModal); }

}  // namespace pelk::shell
