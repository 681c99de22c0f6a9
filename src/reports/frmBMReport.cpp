#include "reports/frmBMReport.h"

#include <string_view>
#include <tuple>

#include "reports/frmRepAccPayable.h"
#include "settings/common.h"
#include "shell/frmBOffice.h"
#include "shell/frmMainButn.h"
#include "shell/frmRepTSht.h"
#include "shell/handoff.h"

namespace pelk::reports {

namespace {

constexpr ui::Color kGreen = 0x008000;
constexpr ui::Color kDarkGreen = 0x004000;
constexpr ui::Color kMainGreen = 0x80FF80;
constexpr ui::Color kLightGrey = 0xE0E0E0;

// A screen another part of the program builds is shown once it exists; until then its button
// does nothing.
void showLater(std::string_view name) {
    if (ui::Form* screen = shell::laterScreen(name)) screen->Show();
}

}  // namespace

// A screen not built yet leaves the panel where it is, rather than leaving the clerk with nothing.
void frmBMReport::leaveFor(std::string_view name) {
    if (!ui::forms().isRegistered(name)) return;
    Unload();
    showLater(name);
}

frmBMReport::frmBMReport() {
    setCaption("");
    setMdiChild(true);
    setBorderStyle(0);
    setWidth(10155);
    setHeight(6735);

    for (auto [label, caption, colour, left, top, width, height] : {
             std::tuple{&Label1, "Money In", kGreen, 840.0, 600.0, 1695.0, 465.0},
             std::tuple{&Label2, "Profit/loss", kDarkGreen, 3840.0, 240.0, 1935.0, 495.0},
             std::tuple{&Label3, "Money Out", kGreen, 7320.0, 480.0, 2055.0, 465.0},
         }) {
        label->setCaption(caption);
        // A display face in place of the designer's Cezanne.
        label->setFont({"Times New Roman", 20.25, true, true});
        label->setForeColor(colour);
        label->setBackStyle(0);
        label->Move(left, top, width, height);
    }
    // The thin lines between the three columns.
    for (auto [line, x] : {std::tuple{&Line1, 3480.0}, std::tuple{&Line2, 6840.0}}) {
        line->setX1(x);
        line->setX2(x);
        line->setY1(240);
        line->setY2(5640);
    }

    for (auto [picture, words, left, top, width, height] : {
             std::tuple{&ImgSalesRep, "Sales", 960.0, 1080.0, 1230.0, 1035.0},
             std::tuple{&imgChkO, "Chk Out Guest", 960.0, 2400.0, 1095.0, 1275.0},
             std::tuple{&imgReservList, "Reservation List", 960.0, 3960.0, 1185.0, 1290.0},
             std::tuple{&imgIncm, "Income Statement", 4320.0, 960.0, 1260.0, 1245.0},
             std::tuple{&imgReport, "Expense", 7560.0, 960.0, 1260.0, 1185.0},
             std::tuple{&imgTime, "Time Sheets", 7680.0, 2880.0, 1155.0, 1185.0},
         }) {
        picture->setPicture(ui::Picture::design(words));
        picture->setStretch(true);
        picture->setToolTipText(words);
        picture->Move(left, top, width, height);
    }
    for (auto [button, words, face, left, top, width, height, shown] : {
             std::tuple{&cmdFreqBuyer, "Frequent Buyer", settings::kScreenGreen, 4200.0, 4200.0, 1400.0, 1240.0, false},
             std::tuple{&cmdRemv, "Removed Items", settings::kScreenGreen, 4200.0, 5400.0, 1400.0, 1240.0, false},
             std::tuple{&cmdMain, "Main", kMainGreen, 240.0, 5880.0, 1380.0, 735.0, true},
             std::tuple{&cmdClose, "Back", kLightGrey, 8280.0, 5880.0, 1635.0, 800.0, true},
         }) {
        button->setStyle(1);
        button->setPicture(ui::Picture::design(words));
        button->setBackColor(face);
        button->Move(left, top, width, height);
        button->setVisible(shown);
    }

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

void frmBMReport::ImgSalesRep_Click() { showLater("frmRepDy"); }

void frmBMReport::imgChkO_Click() {
    ui::Form* list = shell::laterScreen("frmReserv");
    if (!list) return;
    list->setTag("Check Out");
    shell::setOn(*list, "Label5", "Caption", "Checked Out Guest");
    shell::setOn(*list, "txtSTime", "Enabled", "False");
    shell::setOn(*list, "txtETime", "Enabled", "False");
    list->Show();
}

// The list is put back into its reservation role: one left loaded as the checked-out list would
// otherwise go on showing checked-out stays under the reservations' title.
void frmBMReport::imgReservList_Click() {
    ui::Form* list = shell::laterScreen("frmReserv");
    if (!list) return;
    list->setTag("");
    shell::setOn(*list, "txtSTime", "Enabled", "True");
    shell::setOn(*list, "txtETime", "Enabled", "True");
    shell::setOn(*list, "Label5", "Caption", "Reservation Lists");
    list->Show();
}

void frmBMReport::imgIncm_Click() { showLater("frmReports"); }

void frmBMReport::imgReport_Click() { ui::forms().get<frmRepAccPayable>().Show(); }

void frmBMReport::imgTime_Click() { ui::forms().get<shell::frmRepTSht>().Show(); }

// ---- The command buttons unload the panel first ----

void frmBMReport::cmdFreqBuyer_Click() { leaveFor("frmCustmrTr"); }

void frmBMReport::cmdRemv_Click() { leaveFor("frmRepRemv"); }

void frmBMReport::cmdMain_Click() {
    Unload();
    ui::forms().get<shell::frmMainButn>().Show();
}

void frmBMReport::cmdClose_Click() {
    Unload();
    ui::forms().get<shell::frmBOffice>().Show();
}

}  // namespace pelk::reports
