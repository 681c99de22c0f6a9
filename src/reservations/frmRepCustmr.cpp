#include "reservations/frmRepCustmr.h"

#include <string>
#include <tuple>

#include "platform/os/paths.h"
#include "reservations/records.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::reservations {

namespace {

constexpr std::string_view kShowsCustomers = "Ref";  // the caption while the guest file is shown
constexpr std::string_view kShowsRef = "Customer";   // the caption while the second list is shown
constexpr ui::Color kGrey = 0xC0C0C0;
constexpr ui::Color kYellow = 0x00FFFF;
constexpr int kLightGreyDividers = 6;
constexpr int kVertical = 2;
constexpr double kGridLeft = 120;

}  // namespace

frmRepCustmr::frmRepCustmr() {
    setCaption("");
    setMdiChild(true);
    setWidth(11520);
    setHeight(7200);
    setBackColor(settings::kScreenGreen);

    lblCustmer.setCaption("Customer Reports");
    lblCustmer.setFont({"Comic Sans MS", 18, true});
    lblCustmer.setBackStyle(0);
    lblCustmer.Move(240, 120, 4215, 555);
    // The second-language pictures stand where the English texts they replace stand; their words
    // are not known, so they stay empty.
    imgCustmer.Move(lblCustmer.left(), lblCustmer.top(), lblCustmer.width(), lblCustmer.height());
    imgCustmer.setStretch(true);
    imgCustmer.setVisible(false);

    cmdCV.setCaption(std::string(kShowsCustomers));
    cmdCV.setFont({"Times New Roman", 12, true});
    cmdCV.setBackColor(kGrey);
    cmdCV.setStyle(1);
    cmdCV.Move(8640, 180, 1215, 435);
    cmdEtoC.setCaption("C");
    cmdEtoC.setFont({"Times New Roman", 12, true});
    cmdEtoC.setBackColor(kYellow);
    cmdEtoC.setStyle(1);
    cmdEtoC.Move(9960, 180, 495, 435);

    // Each heading over its columns: the phone, the first name, the address with city, state and
    // zip, and the notes.
    constexpr double kSelectors = 255;
    for (auto [heading, caption, left] : {std::tuple{&Label1, "ID:", kGridLeft + kSelectors},
                                          std::tuple{&Label2, "Name:", kGridLeft + kSelectors + 1455},
                                          std::tuple{&Label3, "Address:", kGridLeft + kSelectors + 2790},
                                          std::tuple{&Label4, "Notes:", kGridLeft + kSelectors + 7815}}) {
        heading->setCaption(caption);
        heading->setFontBold(true);
        heading->setBackStyle(0);
        heading->Move(left, 840, 1215, 255);
    }

    DBGrid1.setColumns({{"sPhone_no", "", 1455, ""},
                        {"sFirst_nm", "", 1335, ""},
                        {"szStreet_ad", "", 2655, ""},
                        {"szCity_nm", "", 1335, ""},
                        {"sState_cd", "", 495, ""},
                        {"sZip_cd", "", 735, ""},
                        {"szNotes_nm", "", 2415, ""}});
    DBGrid1.setColumnHeaders(false);
    DBGrid1.setRecordSelectors(true);
    DBGrid1.setAllowUpdate(true);
    DBGrid1.setAllowAddNew(true);
    DBGrid1.setAllowDelete(true);
    DBGrid1.setRowDividerStyle(kLightGreyDividers);
    DBGrid1.setScrollBars(kVertical);
    DBGrid1.Move(kGridLeft, 1140, 11160, 4455);
    DBGrid1.setDataSource(datCustmr);

    lblNotes.setCaption(
        "You can't delete an entire line of information . To replace an exiting customer with a new customer,  "
        "simply type the new information over the current information. The new customer's informtaion will be "
        "saved. ");
    lblNotes.setWordWrap(true);
    lblNotes.setBackStyle(0);
    lblNotes.Move(240, 5760, 8175, 735);
    imgNotes.Move(lblNotes.left(), lblNotes.top(), lblNotes.width(), lblNotes.height());
    imgNotes.setStretch(true);
    imgNotes.setVisible(false);

    imgExit.setToolTipText("Back");
    imgExit.setStretch(true);
    imgExit.setPicture(ui::Picture::design("Back"));
    imgExit.Move(9720, 5760, 1335, 855);

    datCustmr.setConnect("Access 2000;");
    datCustmr.setCaption("Custmr");
    datCustmr.setVisible(false);
    // Takes part in nothing.
    datRef.setConnect("Access 2000;");
    datRef.setVisible(false);

    cmdCV.onClick([this] { cmdCV_Click(); });
    cmdEtoC.onClick([this] { cmdEtoC_Click(); });
    imgExit.onClick([this] { imgExit_Click(); });
    Label1.onClick([this] { Label1_Click(); });
}

// The guest file lies where the reservation screen and the customer editor keep it, by the
// station's one rule; the second list always in the program folder. A file that cannot be opened
// is told once and leaves the grid empty.
void frmRepCustmr::Form_Load() {
    if (ui::forms().get<settings::frmInfor>().chkEtoC.value() == 0) cmdEtoC.setVisible(false);
    settings::CentreForm(*this, 5, false);
    if (cmdCV.caption() == kShowsCustomers)
        datCustmr.setDatabaseName(settings::ResolveDataPath(kCustomerStore));
    else if (cmdCV.caption() == kShowsRef)
        datCustmr.setDatabaseName(os::programPath(kCustomerListStore));
    else
        return;
    datCustmr.setRecordSource(std::string(kCustomerSource));
    if (db::Status opened = datCustmr.Refresh(); !opened) datCustmr.report(opened.error());
}

void frmRepCustmr::cmdCV_Click() {
    if (cmdCV.caption() == kShowsCustomers)
        cmdCV.setCaption(std::string(kShowsRef));
    else if (cmdCV.caption() == kShowsRef)
        cmdCV.setCaption(std::string(kShowsCustomers));
    Form_Load();
}

void frmRepCustmr::cmdEtoC_Click() {
    settings::ToggleSecondLanguage(cmdEtoC, {&lblCustmer, &lblNotes}, {&imgCustmer, &imgNotes});
}

void frmRepCustmr::imgExit_Click() { settings::CloseToHub(*this, "frmBCEplop"); }

void frmRepCustmr::Label1_Click() { Unload(); }

}  // namespace pelk::reservations
