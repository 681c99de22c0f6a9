#include "shell/frmMainButn.h"

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmMain.h"
#include "shell/frmShutdown.h"
#include "shell/frmTimer.h"
#include "shell/handoff.h"

namespace pelk::shell {

namespace {

const ui::FormDesign kDesign{{{"MDIChild", true},
                              {"BorderStyle", 0},
                              {"Caption", ""},
                              {"Width", 11310},
                              {"Height", 7050},
                              {"BackColor", ui::color::kLightGreen}},
                             {
                                 // The buttons show their labels as pictures and have no caption; light text where the
                                 // button is dark.
                                 {"cmdReserv",
                                  {1320, 360, 3130, 951},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kWhite},
                                   {"Picture", ui::picture("Reservations")},
                                   {"Font", ui::font::kArial14Bold}}},
                                 {"cmdChkIn",
                                  {6000, 360, 3130, 951},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kWhite},
                                   {"Picture", ui::picture("Check In")},
                                   {"Font", ui::font::kArial14Bold}}},
                                 {"cmdReserSearch",
                                  {1320, 1800, 3130, 951},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kWhite},
                                   {"Picture", ui::picture("Reservation Search")},
                                   {"Font", ui::font::kArial14Bold}}},
                                 {"cmkChkOut",
                                  {6000, 1800, 3130, 951},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kTeal},
                                   {"Picture", ui::picture("Check Out")},
                                   {"Font", ui::font::kArial14Bold}}},
                                 {"cmdDel",
                                  {3600, 3600, 3140, 960},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kDeepRed},
                                   {"Picture", ui::picture("Clock In Clock Out")},
                                   {"Font", ui::font::kArial14Bold},
                                   {"ForeColor", ui::color::kWhite}}},
                                 {"cmdReports",
                                  {3600, 5520, 3135, 945},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kMidCyan},
                                   {"Picture", ui::picture("Back Office")},
                                   {"Font", ui::font::kArial14Bold}}},
                                 {"cmdExit",
                                  {9120, 5760, 1500, 1005},
                                  {{"Style", 1},
                                   {"BackColor", ui::color::kBlue},
                                   {"Picture", ui::picture("Exit")},
                                   {"Font", ui::font::kArial14Bold},
                                   {"ForeColor", ui::color::kWhite}}},
                             }};

}  // namespace

frmMainButn::frmMainButn() {
    ui::applyDesign(*this, kDesign);

    cmdReserv.onClick([this] { cmdReserv_Click(); });
    cmdChkIn.onClick([this] { cmdChkIn_Click(); });
    cmkChkOut.onClick([this] { cmkChkOut_Click(); });
    cmdReserSearch.onClick([this] { cmdReserSearch_Click(); });
    cmdDel.onClick([this] { cmdDel_Click(); });
    cmdReports.onClick([this] { cmdReports_Click(); });
    cmdExit.onClick([this] { cmdExit_Click(); });
}

void frmMainButn::Form_Load() {
    setBackColor(ui::color::kLightGreen);
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
