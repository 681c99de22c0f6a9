#include "reports/frmBMReport.h"

#include <tuple>

#include "platform/ui/design.h"
#include "reports/frmRepAccPayable.h"
#include "reports/frmRepDy.h"
#include "reports/frmRepRemv.h"
#include "reports/frmReports.h"
#include "reservations/frmCustmrTr.h"
#include "reservations/frmReserv.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmMainButn.h"
#include "shell/frmRepTSht.h"

namespace pelk::reports {

namespace {

// A display face in place of the designer's Cezanne.
constexpr ui::FontRole kColumnFont{"Times New Roman", 20.25, true, true};

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 10155}, {"Height", 6735}},
    {
        // The three columns' titles, and the thin lines between the columns.
        {"Label1",
         {840, 600, 1695, 465},
         {{"Caption", "Money In"}, {"Font", kColumnFont}, {"ForeColor", ui::color::kDarkGreen}, {"BackStyle", 0}}},
        {"Label2",
         {3840, 240, 1935, 495},
         {{"Caption", "Profit/loss"}, {"Font", kColumnFont}, {"ForeColor", ui::color::kDeepGreen}, {"BackStyle", 0}}},
        {"Label3",
         {7320, 480, 2055, 465},
         {{"Caption", "Money Out"}, {"Font", kColumnFont}, {"ForeColor", ui::color::kDarkGreen}, {"BackStyle", 0}}},
        {"Line1", {}, {{"X1", 3480}, {"X2", 3480}, {"Y1", 240}, {"Y2", 5640}}},
        {"Line2", {}, {{"X1", 6840}, {"X2", 6840}, {"Y1", 240}, {"Y2", 5640}}},
        {"cmdFreqBuyer",
         {4200, 4200, 1400, 1240},
         {{"Style", 1},
          {"Picture", ui::picture("Frequent Buyer")},
          {"BackColor", ui::color::kLightGreen},
          {"Visible", false}}},
        {"cmdRemv",
         {4200, 5400, 1400, 1240},
         {{"Style", 1},
          {"Picture", ui::picture("Removed Items")},
          {"BackColor", ui::color::kLightGreen},
          {"Visible", false}}},
        {"cmdMain",
         {240, 5880, 1380, 735},
         {{"Style", 1}, {"Picture", ui::picture("Main")}, {"BackColor", ui::color::kPaleGreen}}},
        {"cmdClose",
         {8280, 5880, 1635, 800},
         {{"Style", 1}, {"Picture", ui::picture("Back")}, {"BackColor", ui::color::kLightGrey}}},
    }};

}  // namespace

frmBMReport::frmBMReport() {
    ui::applyDesign(*this, kDesign);
    // The picture buttons of the columns: each picture carries its words, and its tip says them.
    for (auto [picture, words, at] : {
             std::tuple{&ImgSalesRep, "Sales", ui::DesignRect{960, 1080, 1230, 1035}},
             std::tuple{&imgChkO, "Chk Out Guest", ui::DesignRect{960, 2400, 1095, 1275}},
             std::tuple{&imgReservList, "Reservation List", ui::DesignRect{960, 3960, 1185, 1290}},
             std::tuple{&imgIncm, "Income Statement", ui::DesignRect{4320, 960, 1260, 1245}},
             std::tuple{&imgReport, "Expense", ui::DesignRect{7560, 960, 1260, 1185}},
             std::tuple{&imgTime, "Time Sheets", ui::DesignRect{7680, 2880, 1155, 1185}},
         })
        ui::applyDesign(
            *this,
            {{picture->name(), at, {{"Picture", ui::picture(words)}, {"Stretch", true}, {"ToolTipText", words}}}});

    ImgSalesRep.onClick([this] { ImgSalesRep_Click(); });
    imgChkO.onClick([this] { imgChkO_Click(); });
    imgReservList.onClick([this] { imgReservList_Click(); });
    imgIncm.onClick([this] { imgIncm_Click(); });
    imgReport.onClick([this] { imgReport_Click(); });
    imgTime.onClick([this] { imgTime_Click(); });
    cmdFreqBuyer.onClick([this] { cmdFreqBuyer_Click(); });
    cmdRemv.onClick([this] { cmdRemv_Click(); });
    cmdMain.onClick([this] { cmdMain_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// The level is read once per load: the panel keeps its gate until a command button unloads it.
void frmBMReport::Form_Load() {
    settings::CentreForm(*this, 5);
    ui::Form* main = ui::forms().find("frmMain");
    if (main && main->tag() == "Level 2") {
        imgIncm.setEnabled(false);
        imgReport.setEnabled(false);
    }
}

// ---- The picture buttons leave the panel open beneath the screen they show ----

void frmBMReport::ImgSalesRep_Click() { ui::forms().get<frmRepDy>().Show(); }

void frmBMReport::imgChkO_Click() {
    reservations::frmReserv& list = ui::forms().get<reservations::frmReserv>();
    list.setTag("Check Out");
    list.Label5.setCaption("Checked Out Guest");
    list.txtSTime.setEnabled(false);
    list.txtETime.setEnabled(false);
    list.Show();
}

// The list is put back into its reservation role: one left loaded as the checked-out list would
// otherwise go on showing checked-out stays under the reservations' title.
void frmBMReport::imgReservList_Click() {
    reservations::frmReserv& list = ui::forms().get<reservations::frmReserv>();
    list.setTag("");
    list.txtSTime.setEnabled(true);
    list.txtETime.setEnabled(true);
    list.Label5.setCaption("Reservation Lists");
    list.Show();
}

void frmBMReport::imgIncm_Click() { ui::forms().get<frmReports>().Show(); }

void frmBMReport::imgReport_Click() { ui::forms().get<frmRepAccPayable>().Show(); }

void frmBMReport::imgTime_Click() { ui::forms().get<shell::frmRepTSht>().Show(); }

// ---- The command buttons unload the panel first ----

void frmBMReport::cmdFreqBuyer_Click() {
    Unload();
    ui::forms().get<reservations::frmCustmrTr>().Show();
}

void frmBMReport::cmdRemv_Click() {
    Unload();
    ui::forms().get<frmRepRemv>().Show();
}

void frmBMReport::cmdMain_Click() {
    Unload();
    ui::forms().get<shell::frmMainButn>().Show();
}

void frmBMReport::cmdClose_Click() {
    Unload();
    ui::forms().get<shell::frmBOffice>().Show();
}

}  // namespace pelk::reports
