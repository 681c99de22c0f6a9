#include "reports/frmBMReport.h"

#include <tuple>

#include "reservations/frmCustmrTr.h"
#include "reservations/frmReserv.h"
#include "shell/frmMainButn.h"
#include "shell/frmRepTSht.h"

namespace pelk::reports {

frmBMReport::frmBMReport() {
    setCaption("");
    setMdiChild(true);
    setWidth(7200);
    setHeight(4800);
    imgTime.Move(480, 960, 1365, 1185);
    imgTime.setToolTipText("Time Sheets");
    imgIncm.Move(2880, 960, 1365, 1185);
    imgIncm.setToolTipText("Income Statement");
    imgReport.Move(5280, 960, 1365, 1185);
    imgReport.setToolTipText("Reports");
    for (auto [button, caption, left] : {std::tuple{&cmdMain, "Main", 1200.0}, std::tuple{&cmdClose, "Back", 4320.0}}) {
        button->setStyle(1);
        // The word stands in the button's picture; until the pictures ship it is the caption.
        button->setCaption(caption);
        button->Move(left, 3360, 1635, 800);
    }
    cmdFreqBuyer.setStyle(1);
    cmdFreqBuyer.setPicture(ui::Picture::design("Frequent Buyer"));
    cmdFreqBuyer.Move(2880, 2160, 1365, 1095);
    for (auto [picture, words, left] :
         {std::tuple{&imgReservList, "Reservation Lists", 480.0}, std::tuple{&imgChkO, "Checked Out Guest", 5280.0}}) {
        picture->Move(left, 2160, 1365, 1095);
        picture->setToolTipText(words);
        picture->setStretch(true);
        picture->setPicture(ui::Picture::design(words));
    }
    cmdFreqBuyer.setVisible(false);
    imgTime.onClick([this] { imgTime_Click(); });
    imgReservList.onClick([this] { imgReservList_Click(); });
    imgChkO.onClick([this] { imgChkO_Click(); });
    cmdMain.onClick([this] { cmdMain_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdFreqBuyer.onClick([this] { cmdFreqBuyer_Click(); });
}

void frmBMReport::Form_Load() {
    ui::Form* main = ui::forms().find("frmMain");
    if (main && main->tag() == "Level 2") {
        imgIncm.setEnabled(false);
        imgReport.setEnabled(false);
    }
}

// The hub stays open beneath the time sheets, which come back to it.
void frmBMReport::imgTime_Click() { ui::forms().get<shell::frmRepTSht>().Show(); }

// The lists open over the hub, which stays; the reservation list keeps the role it has.
void frmBMReport::imgReservList_Click() {
    reservations::frmReserv& list = ui::forms().get<reservations::frmReserv>();
    list.Label5.setCaption("Reservation Lists");
    list.Show();
}

void frmBMReport::imgChkO_Click() {
    reservations::frmReserv& list = ui::forms().get<reservations::frmReserv>();
    list.setTag("Check Out");
    list.Label5.setCaption("Checked Out Guest");
    list.txtSTime.setEnabled(false);
    list.txtETime.setEnabled(false);
    list.Show();
}

void frmBMReport::cmdFreqBuyer_Click() {
    Unload();
    ui::forms().get<reservations::frmCustmrTr>().Show();
}

void frmBMReport::cmdMain_Click() {
    Unload();
    ui::forms().get<shell::frmMainButn>().Show();
}

void frmBMReport::cmdClose_Click() {
    Unload();
    if (ui::forms().isRegistered("frmBOffice")) ui::forms().byName("frmBOffice").Show();
}

}  // namespace pelk::reports
