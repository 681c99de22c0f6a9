#include "settings/frmReset.h"

#include <string>

#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"
#include "settings/stores.h"

namespace pelk::settings {

namespace {

constexpr std::string_view kBusinessBook = "Check Book";
constexpr std::string_view kTrainingBook = "Training Check Book";

}  // namespace

frmReset::frmReset() {
    setCaption("Order Book");
    setMdiChild(true);
    setBorderStyle(0);
    setWidth(7200);
    setHeight(5400);

    Label1.setCaption("Using");
    Label1.setBackStyle(0);
    Label1.setFontSize(12);
    Label1.setFontBold(true);
    Label1.Move(480, 360, 975, 375);
    txtDisplay.Move(1560, 360, 3015, 405);
    txtDisplay.setFontSize(12);
    txtDisplay.setFontBold(true);
    txtDisplay.setLocked(true);
    txtDisplay.setTabStop(false);
    imgChk.Move(960, 1200, 1815, 1935);
    imgChk.setBorderStyle(1);
    imgChk.setStretch(true);
    // The pads' pictures, drawn as the program's own: the book each one chooses.
    imgChk.setPicture(ui::Picture::design("Guest Check"));
    imgChk.setFontBold(true);
    lbl1.setCaption("Business Use.");
    lbl1.setBackStyle(0);
    lbl1.setAlignment(ui::kCenter);
    lbl1.Move(960, 3240, 1815, 255);
    imgTrain.Move(4080, 1200, 1815, 1935);
    imgTrain.setBorderStyle(1);
    imgTrain.setStretch(true);
    imgTrain.setPicture(ui::Picture::design("Training Check"));
    imgTrain.setFontBold(true);
    lbl2.setCaption("Training Use Only");
    lbl2.setBackStyle(0);
    lbl2.setAlignment(ui::kCenter);
    lbl2.Move(4080, 3240, 1815, 255);
    // The marks beside the pads; an empty book reads as the training book until a row says otherwise.
    imgWchk.Move(600, 1200, 315, 315);
    imgWchk.setBorderStyle(1);
    imgWchk.setVisible(false);
    imgWchk.setStretch(true);
    imgWchk.setPicture(ui::Picture::design("\u2714"));
    imgWtrain.Move(3720, 1200, 315, 315);
    imgWtrain.setBorderStyle(1);
    imgWtrain.setStretch(true);
    imgWtrain.setPicture(ui::Picture::design("\u2714"));
    cmdReset.setCaption("Fresh");
    cmdReset.Move(4080, 3720, 1815, 495);
    cmdReset.setVisible(false);
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.Move(240, 4440, 1215, 735);

    datChkBook.setConnect("Access 2000;");
    datChkBook.setRecordSource("tbReset");
    datChkBook.setVisible(false);
    datChkBook.bind(txtDisplay, "Reset_txt");

    imgChk.onClick([this] { imgChk_Click(); });
    imgTrain.onClick([this] { imgTrain_Click(); });
    txtDisplay.onChange([this] { txtDisplay_Change(); });
    cmdReset.onClick([this] { cmdReset_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// The choice is this station's own, whatever the data location.
void frmReset::Form_Load() {
    CentreForm(*this, 4);
    datChkBook.setDatabaseName(os::programPath(kStationStore));
}

void frmReset::imgChk_Click() {
    txtDisplay.setText(std::string(kBusinessBook));
    imgWchk.setVisible(true);
    imgWtrain.setVisible(false);
}

void frmReset::imgTrain_Click() {
    txtDisplay.setText(std::string(kTrainingBook));
    imgWtrain.setVisible(true);
    imgWchk.setVisible(false);
}

// Only the exact business text is the business book; "Fresh" is offered only then, so the book in
// use is never the one emptied.
void frmReset::txtDisplay_Change() {
    bool business = txtDisplay.text() == kBusinessBook;
    imgWchk.setVisible(business);
    imgWtrain.setVisible(!business);
    cmdReset.setVisible(business);
}

void frmReset::cmdReset_Click() {
    cmdReset.setTag("");
    Renewal training{"VyOrdr.mdb", "TOrdr.mdb", "VYORDR File Missing, Training Invoices can not be delete.", nullptr};
    (void)RenewFromTemplate([this] { return AskChoiceBox("4", cmdReset); }, training);
}

void frmReset::cmdClose_Click() { CloseToHub<frmBSfwSet>(*this); }

}  // namespace pelk::settings
