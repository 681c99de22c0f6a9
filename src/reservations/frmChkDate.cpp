#include "reservations/frmChkDate.h"

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/ui/design.h"
#include "reservations/frmMap.h"
#include "settings/common.h"
#include "shell/frmMainButn.h"

namespace pelk::reservations {

namespace {

const ui::FormDesign kDesign{
    {{"MDIChild", true}, {"Caption", ""}, {"Width", 6000}, {"Height", 6720}, {"BackColor", ui::color::kLightGreen}},
    {
        {"Label3",
         {240, 120, 5415, 375},
         {{"Caption", "Select reservation days"},
          {"Alignment", ui::kCenter},
          {"Font", ui::FontRole{"Arial", 14.25, true}},
          {"BackStyle", 0}}},
        // Tall enough for days a fingertip can hit; the buttons stand below it.
        {"Calendar1", {240, 600, 3495, 4620}},
        {"Label1", {3960, 720, 1695, 255}, {{"Caption", "Date In"}, {"BackStyle", 0}}},
        {"txtDateIn", {3960, 1020, 1695, 375}},
        {"Label2", {3960, 1620, 1695, 255}, {{"Caption", "Date Out"}, {"BackStyle", 0}}},
        {"txtDateOut", {3960, 1920, 1695, 375}},
        // The words stand in the buttons' pictures; until the pictures ship they are the captions.
        {"cmdNext", {3960, 5460, 1695, 855}, {{"Style", 1}, {"Caption", "Next"}}},
        {"cmdClose", {240, 5460, 1695, 855}, {{"Style", 1}, {"Caption", "Close"}}},
    }};

}  // namespace

frmChkDate::frmChkDate() {
    ui::applyDesign(*this, kDesign);

    Calendar1.onClick([this] { Calendar1_Click(); });
    txtDateOut.onChange([this] { txtDateOut_Change(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmChkDate::Form_Load() {
    settings::CentreForm(*this, 5, false);
    Calendar1.setValue(core::clock::today());
}

// A pick fills the first empty box; with both filled it changes nothing, so a date is changed
// by emptying its box and picking again.
void frmChkDate::Calendar1_Click() {
    std::string picked = core::shortDate(Calendar1.value());
    if (txtDateIn.text().empty())
        txtDateIn.setText(picked);
    else if (txtDateOut.text().empty())
        txtDateOut.setText(picked);
}

void frmChkDate::txtDateOut_Change() {
    if (txtDateIn.text().empty())
        ui::MsgBox("Please enter your Check in date. ", ui::kCritical);
    else if (txtDateOut.text().empty())
        ui::MsgBox("Please enter your Check Out date. ", ui::kCritical);
}

// The dates go over as they stand; the map's Tag stays empty, so its Close comes back here.
void frmChkDate::cmdNext_Click() {
    frmMap& map = ui::forms().get<frmMap>();
    map.txtDateIn.setText(txtDateIn.text());
    map.txtDateOut.setText(txtDateOut.text());
    map.lblMode.setCaption("Reserv");
    Unload();
    map.Show();
}

void frmChkDate::cmdClose_Click() {
    Unload();
    ui::forms().get<shell::frmMainButn>().Show();
}

}  // namespace pelk::reservations
