#include "reservations/frmRepCustmr.h"

#include <string>

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "reservations/records.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::reservations {

namespace {

constexpr std::string_view kShowsCustomers = "Ref";  // the caption while the guest file is shown
constexpr std::string_view kShowsRef = "Customer";   // the caption while the second list is shown
constexpr int kLightGreyDividers = 6;
constexpr int kVertical = 2;
constexpr double kGridLeft = 120;
constexpr double kSelectors = 255;
// The second-language pictures stand where the English texts they replace stand; their words
// are not known, so they stay empty.
constexpr ui::DesignRect kTitleAt = {240, 120, 4215, 555};
constexpr ui::DesignRect kNotesAt = {240, 5760, 8175, 735};

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"Width", 11520}, {"Height", 7200}, {"BackColor", ui::color::kLightGreen}},
    {
        {"lblCustmer", kTitleAt, {{"Caption", "Customer Reports"}, {"Font", ui::font::kComic18Bold}, {"BackStyle", 0}}},
        {"imgCustmer", kTitleAt, {{"Stretch", true}, {"Visible", false}}},
        {"cmdCV",
         {8640, 180, 1215, 435},
         {{"Caption", kShowsCustomers},
          {"Font", ui::font::kTimes12Bold},
          {"BackColor", ui::color::kGrey},
          {"Style", 1}}},
        {"cmdEtoC",
         {9960, 180, 495, 435},
         {{"Caption", "C"}, {"Font", ui::font::kTimes12Bold}, {"BackColor", ui::color::kYellow}, {"Style", 1}}},
        // Each heading over its columns: the phone, the first name, the address with city, state and
        // zip, and the notes.
        {"Label1",
         {kGridLeft + kSelectors, 840, 1215, 255},
         {{"Caption", "ID:"}, {"FontBold", true}, {"BackStyle", 0}}},
        {"Label2",
         {kGridLeft + kSelectors + 1455, 840, 1215, 255},
         {{"Caption", "Name:"}, {"FontBold", true}, {"BackStyle", 0}}},
        {"Label3",
         {kGridLeft + kSelectors + 2790, 840, 1215, 255},
         {{"Caption", "Address:"}, {"FontBold", true}, {"BackStyle", 0}}},
        {"Label4",
         {kGridLeft + kSelectors + 7815, 840, 1215, 255},
         {{"Caption", "Notes:"}, {"FontBold", true}, {"BackStyle", 0}}},
        {"DBGrid1",
         {kGridLeft, 1140, 11160, 4455},
         {{"ColumnHeaders", false},
          {"RecordSelectors", true},
          {"AllowUpdate", true},
          {"AllowAddNew", true},
          {"AllowDelete", true},
          {"RowDividerStyle", kLightGreyDividers},
          {"ScrollBars", kVertical}}},
        {"lblNotes",
         kNotesAt,
         {{"Caption",
           "You can't delete an entire line of information . To replace an exiting customer with a new customer,  "
           "simply type the new information over the current information. The new customer's informtaion will be "
           "saved. "},
          {"WordWrap", true},
          {"BackStyle", 0}}},
        {"imgNotes", kNotesAt, {{"Stretch", true}, {"Visible", false}}},
        {"imgExit",
         {9720, 5760, 1335, 855},
         {{"ToolTipText", "Back"}, {"Stretch", true}, {"Picture", ui::picture("Back")}}},
        {"datCustmr", {}, {{"Connect", "Access 2000;"}, {"Caption", "Custmr"}, {"Visible", false}}},
        // Takes part in nothing.
        {"datRef", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
    }};

}  // namespace

frmRepCustmr::frmRepCustmr() {
    ui::applyDesign(*this, kDesign);
    DBGrid1.setColumns({{"sPhone_no", "", 1455, ""},
                        {"sFirst_nm", "", 1335, ""},
                        {"szStreet_ad", "", 2655, ""},
                        {"szCity_nm", "", 1335, ""},
                        {"sState_cd", "", 495, ""},
                        {"sZip_cd", "", 735, ""},
                        {"szNotes_nm", "", 2415, ""}});
    DBGrid1.setDataSource(datCustmr);

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
