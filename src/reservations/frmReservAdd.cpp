#include "reservations/frmReservAdd.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/core/text.h"
#include "platform/ui/design.h"
#include "reservations/frmMap.h"
#include "reservations/guests.h"
#include "reservations/lookups.h"
#include "reservations/records.h"
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "settings/stores.h"
#include "settings/tax.h"
#include "shell/frmEmploye.h"
#include "shell/frmMainButn.h"

namespace pelk::reservations {

namespace {

constexpr std::string_view kRoleForm = "Reservation Form";
constexpr std::string_view kRoleSearch = "Reservation Search";
constexpr std::string_view kUpdateMark = "Update";
// Update's own order, from the next reading of the reservations on.
constexpr std::string_view kByLastName = "SELECT * FROM tblReserv ORDER BY sLast_na ASC";
constexpr std::string_view kReservationNotFound = "Reservation not found!";
constexpr std::string_view kCustomerNotFound = "Customer not found !";
constexpr std::string_view kSwipePrompt = "Swipe Driver's License";
constexpr std::string_view kMoneyFormat = "#,##0.00";
constexpr std::string_view kPhoneMask = "@@@-@@@-@@@@";

void formatAmount(ui::TextBox& box) { box.setText(core::format(core::Value(box.text()), kMoneyFormat)); }

core::Money amountOf(const ui::TextBox& box) { return core::amountOrZero(box.text()); }

// Copies a field into its box; a field without a value empties it, one that cannot be read
// leaves it as it is.
void show(ui::DataRecordset& row, std::string_view field, ui::TextBox& box) {
    if (auto value = row.field(field)) box.setText(value->toText());
}

const std::initializer_list<ui::DesignProperty> kInGuest = {{"Container", "fraGuest"}};
const std::initializer_list<ui::DesignProperty> kInPayment = {{"Container", "fraPayment"}};
const std::initializer_list<ui::DesignProperty> kGuestFind = {
    {"Container", "fraGuest"}, {"Style", 1}, {"FontSize", 6.75}, {"Picture", ui::picture("Find")}};
// A required box is marked by a red star beside it.
const std::initializer_list<ui::DesignProperty> kGuestMark = {
    {"Container", "fraGuest"}, {"Caption", "*"}, {"BackStyle", 0}, {"ForeColor", ui::color::kRed}};
const std::initializer_list<ui::DesignProperty> kPaymentMark = {
    {"Container", "fraPayment"}, {"Caption", "*"}, {"BackStyle", 0}, {"ForeColor", ui::color::kRed}};

const ui::FormDesign kDesign{
    {{"MDIChild", true}, {"Caption", ""}, {"Width", 12360}, {"Height", 8700}, {"BackColor", ui::color::kLightGreen}},
    {
        // Title and role.
        {"lblForm",
         {3600, 120, 4800, 495},
         {{"Font", ui::FontRole{"Courier New", 18, true}},
          {"Alignment", ui::kCenter},
          {"BackColor", ui::color::kLightYellow}}},
        {"lblRequire",
         {9600, 240, 1215, 255},
         {{"Caption", "* Require"}, {"BackStyle", 0}, {"ForeColor", ui::color::kRed}}},
        // "Guest Information".
        {"fraGuest", {120, 720, 6135, 3975}, {{"Caption", "Guest Information"}, {"BackColor", ui::color::kLightGreen}}},
        {"lblLastN", {120, 330, 1035, 255}, {{"Container", "fraGuest"}, {"Caption", "Last Name"}, {"BackStyle", 0}}},
        {"txtLastN", {1200, 300, 2415, 315}, kInGuest},
        {"lblFirstN", {120, 730, 1035, 255}, {{"Container", "fraGuest"}, {"Caption", "First Name"}, {"BackStyle", 0}}},
        {"txtFirstN", {1200, 700, 2415, 315}, kInGuest},
        {"lblAdds", {120, 1130, 1035, 255}, {{"Container", "fraGuest"}, {"Caption", "Address"}, {"BackStyle", 0}}},
        {"txtAdds", {1200, 1100, 3615, 315}, kInGuest},
        {"lblCity", {120, 1530, 1035, 255}, {{"Container", "fraGuest"}, {"Caption", "City"}, {"BackStyle", 0}}},
        {"txtCity", {1200, 1500, 1755, 315}, kInGuest},
        {"lblState", {3120, 1530, 450, 255}, {{"Container", "fraGuest"}, {"Caption", "State"}, {"BackStyle", 0}}},
        {"txtState", {3600, 1500, 495, 315}, kInGuest},
        {"lblZip", {4200, 1530, 450, 255}, {{"Container", "fraGuest"}, {"Caption", "Zip"}, {"BackStyle", 0}}},
        {"txtZip", {4680, 1500, 1095, 315}, kInGuest},
        {"lblCountry", {120, 1930, 1035, 255}, {{"Container", "fraGuest"}, {"Caption", "Country"}, {"BackStyle", 0}}},
        {"txtCountry", {1200, 1900, 1800, 315}, kInGuest},
        {"lblBD", {3060, 1930, 450, 255}, {{"Container", "fraGuest"}, {"Caption", "DOB"}, {"BackStyle", 0}}},
        {"txtBD", {3540, 1900, 1335, 315}, kInGuest},
        {"lblPhone", {120, 2330, 1035, 255}, {{"Container", "fraGuest"}, {"Caption", "Phone"}, {"BackStyle", 0}}},
        {"txtPhone", {1200, 2300, 1800, 315}, kInGuest},
        {"lblFax", {3720, 2330, 450, 255}, {{"Container", "fraGuest"}, {"Caption", "Fax"}, {"BackStyle", 0}}},
        {"txtFax", {4200, 2300, 1575, 315}, kInGuest},
        {"lblEmail", {120, 2730, 1035, 255}, {{"Container", "fraGuest"}, {"Caption", "Email"}, {"BackStyle", 0}}},
        {"txtEmail", {1200, 2700, 4575, 315}, kInGuest},
        {"txtString", {1200, 3100, 4575, 315}, kInGuest},
        // The binoculars: find by name, by address, by phone.
        {"cmdFindName", {3960, 300, 375, 315}, kGuestFind},
        {"cmdFadd", {5040, 1100, 375, 315}, kGuestFind},
        {"cmdFName", {3300, 2300, 375, 315}, kGuestFind},
        // The required marks, beside last name, first name, address, city, state, zip and phone.
        {"Label16", {3660, 300, 135, 255}, kGuestMark},
        {"Label20", {3660, 700, 135, 255}, kGuestMark},
        {"Label21", {4845, 1100, 135, 255}, kGuestMark},
        {"Label22", {2970, 1500, 135, 255}, kGuestMark},
        {"Label23", {4100, 1500, 135, 255}, kGuestMark},
        {"Label24", {5820, 1500, 135, 255}, kGuestMark},
        {"Label25", {3030, 2300, 135, 255}, kGuestMark},
        // The stay.
        {"lblDateIn", {9240, 870, 795, 255}, {{"Caption", "Date In"}, {"BackStyle", 0}}},
        {"txtDateIn", {10080, 840, 1335, 315}},
        {"lblDateOut", {9240, 1270, 795, 255}, {{"Caption", "Date Out"}, {"BackStyle", 0}}},
        {"txtDateOut", {10080, 1240, 1335, 315}},
        {"fraRate", {6360, 720, 2775, 1575}, {{"Caption", "Rate Information"}, {"BackColor", ui::color::kLightGreen}}},
        {"cmbRate", {120, 300, 1335, 315}, {{"Container", "fraRate"}}},
        {"txtRate", {1560, 300, 495, 315}, {{"Container", "fraRate"}}},
        {"lblDay", {120, 750, 1335, 255}, {{"Container", "fraRate"}, {"Caption", "Nnmber of days"}, {"BackStyle", 0}}},
        {"txtDay", {1560, 720, 495, 315}, {{"Container", "fraRate"}, {"Text", "1"}}},
        // One night less, one night more.
        {"cmdLess", {2100, 1140, 555, 375}, {{"Container", "fraRate"}, {"Style", 1}, {"Picture", ui::picture("-1")}}},
        {"cmdMore", {2100, 720, 555, 375}, {{"Container", "fraRate"}, {"Style", 1}, {"Picture", ui::picture("+1")}}},
        {"fraRooms", {6360, 2400, 2895, 1095}, {{"Caption", "Room Numbers"}, {"BackColor", ui::color::kLightGreen}}},
        // The menu's rows are read here, never changed.
        {"DBGrid1", {6360, 3600, 5895, 1095}, {{"AllowUpdate", false}}},
        // "Rate/Period": the guests, then the amounts.
        {"fraAmounts", {120, 4800, 2895, 3555}, {{"Caption", "Rate/Period"}, {"BackColor", ui::color::kLightGreen}}},
        {"lblGuest", {120, 330, 1035, 255}, {{"Container", "fraAmounts"}, {"Caption", "Guest:"}, {"BackStyle", 0}}},
        {"txtGuest", {1200, 300, 1455, 315}, {{"Container", "fraAmounts"}}},
        // "Payment Information".
        {"fraPayment",
         {3120, 4800, 5415, 2775},
         {{"Caption", "Payment Information"}, {"BackColor", ui::color::kLightGreen}}},
        {"lblCardNu", {120, 330, 735, 255}, {{"Container", "fraPayment"}, {"Caption", "Card #"}, {"BackStyle", 0}}},
        {"txtCardNu", {900, 300, 2055, 315}, kInPayment},
        {"lblCardType", {3240, 330, 555, 255}, {{"Container", "fraPayment"}, {"Caption", "Type:"}, {"BackStyle", 0}}},
        {"txtCardType", {3840, 300, 1335, 315}, kInPayment},
        {"lblCardName", {120, 730, 735, 255}, {{"Container", "fraPayment"}, {"Caption", "Name:"}, {"BackStyle", 0}}},
        {"txtCardName", {900, 700, 2055, 315}, kInPayment},
        {"lblExp", {120, 1130, 735, 255}, {{"Container", "fraPayment"}, {"Caption", "Exp:"}, {"BackStyle", 0}}},
        {"txtExp", {900, 1100, 855, 315}, kInPayment},
        {"lblCVC", {1920, 1130, 555, 255}, {{"Container", "fraPayment"}, {"Caption", "CVC"}, {"BackStyle", 0}}},
        {"txtCVC", {2520, 1100, 615, 315}, kInPayment},
        {"lblCardAddrs",
         {120, 1930, 735, 255},
         {{"Container", "fraPayment"}, {"Caption", "Address:"}, {"BackStyle", 0}}},
        {"txtCardAddrs", {900, 1900, 2055, 315}, kInPayment},
        {"lblCardCity", {3000, 1930, 555, 255}, {{"Container", "fraPayment"}, {"Caption", "City:"}, {"BackStyle", 0}}},
        {"txtCardCity", {3600, 1900, 1575, 315}, kInPayment},
        {"txtCardState", {900, 2300, 495, 315}, kInPayment},
        {"txtCardZip", {1440, 2300, 1095, 315}, kInPayment},
        {"chkName",
         {3240, 700, 1095, 315},
         {{"Container", "fraPayment"}, {"Caption", "Same"}, {"BackColor", ui::color::kLightGreen}}},
        {"chkSame",
         {120, 1500, 3015, 315},
         {{"Container", "fraPayment"},
          {"Caption", "Same as Guest Information"},
          {"BackColor", ui::color::kLightGreen}}},
        {"cmdFcc",
         {3480, 1100, 375, 315},
         {{"Container", "fraPayment"},
          {"Style", 1},
          {"FontSize", 6.75},
          {"Picture", ui::picture("Find")},
          {"Visible", false}}},
        // The required marks beside the card's number, its name, its expiry and its check digits.
        {"Label26", {2985, 300, 135, 255}, kPaymentMark},
        {"Label37", {2985, 700, 135, 255}, kPaymentMark},
        {"Label39", {1785, 1100, 135, 255}, kPaymentMark},
        {"Label41", {3165, 1100, 135, 255}, kPaymentMark},
        {"fraRemark", {8640, 4800, 3615, 1455}, {{"Caption", "Remark"}, {"BackColor", ui::color::kLightGreen}}},
        {"txtRemark", {120, 300, 3375, 1035}, {{"Container", "fraRemark"}}},
        {"lblEmployee", {3120, 7740, 615, 255}, {{"Caption", "Clerk:"}, {"BackStyle", 0}, {"Visible", false}}},
        {"txtEmployee", {3780, 7680, 1335, 315}, {{"Visible", false}}},
        {"cmdSave", {}, {{"Enabled", false}}},
        {"cmdUpdate", {}, {{"Enabled", false}}},
        {"datReserv", {}, {{"Connect", "Access 2000;"}, {"Visible", false}, {"RecordSource", kReservationTable}}},
        {"datCustmr", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datList", {}, {{"Connect", "Access 2000;"}, {"Visible", false}, {"RecordSource", "tbDrink"}}},
    }};

}  // namespace

frmReservAdd::frmReservAdd() {
    ui::applyDesign(*this, kDesign);
    double roomLeft = 120;
    for (ui::TextBox* room : {&txtRoom1, &txtRoom2, &txtRoom3, &txtRoom4}) {
        room->setContainer(fraRooms);
        room->Move(roomLeft, 420, 615, 315);
        roomLeft += 690;
    }
    DBGrid1.setDataSource(datList);
    DBGrid1.setColumns({{"szMenu_Nm", "Room Type", 1695, ""},
                        {"szPriceS_amt", "Rate 1", 975, std::string(kMoneyFormat)},
                        {"szPriceM_amt", "Rate 2", 975, std::string(kMoneyFormat)},
                        {"szPrice_amt", "Rate 3", 975, std::string(kMoneyFormat)},
                        {"szPriceL_amt", "Rate 4", 975, std::string(kMoneyFormat)}});

    // The amounts stand in one column under the guests, right-justified.
    double top = 690;
    for (auto [caption, text, box] :
         {std::tuple{&lblCharge, "Rate:", &txtCharge}, std::tuple{&lblOther, "Others:", &txtOther},
          std::tuple{&lblLTax, "Local Tax:", &txtLTax}, std::tuple{&lblFTax, "State Tax:", &txtFTax},
          std::tuple{&lblTotal, "Total:", &txtTotal}, std::tuple{&lblPaid, "Paid:", &txtPaid},
          std::tuple{&lblBal, "Balance:", &txtBal}}) {
        caption->setContainer(fraAmounts);
        caption->setCaption(text);
        caption->setBackStyle(0);
        caption->Move(120, top + 30, 1035, 255);
        box->setContainer(fraAmounts);
        box->Move(1200, top, 1455, 315);
        box->setAlignment(ui::kRightJustify);
        top += 390;
    }

    // Two rows of three. The words stand in the buttons' pictures; until the pictures ship they are
    // the captions.
    int place = 0;
    for (auto [button, caption] :
         {std::pair{&cmdFind, "Find"}, std::pair{&cmdSave, "Save"}, std::pair{&cmdUpdate, "Update"},
          std::pair{&cmdNew, "New"}, std::pair{&cmdErase, "Del"}, std::pair{&cmdClose, "Back"}}) {
        button->setStyle(1);
        button->setCaption(caption);
        button->Move(8640 + (place % 3) * 1200, place < 3 ? 6360 : 7320, 1095, 855);
        ++place;
    }

    txtCharge.onLostFocus([this] { txtCharge_LostFocus(); });
    txtOther.onLostFocus([this] { txtOther_LostFocus(); });
    txtPaid.onLostFocus([this] { txtPaid_LostFocus(); });
    txtDay.onChange([this] { txtDay_Change(); });
    txtPhone.onChange([this] { txtPhone_Change(); });
    txtFax.onChange([this] { txtFax_Change(); });
    txtState.onChange([this] { txtState_Change(); });
    txtCardState.onChange([this] { txtCardState_Change(); });
    txtZip.onChange([this] { txtZip_Change(); });
    txtLastN.onChange([this] { txtLastN_Change(); });
    txtCardNu.onChange([this] { txtCardNu_Change(); });
    txtLastN.onClick([this] { txtLastN_Click(); });
    txtLastN.onKeyPress([this](int& KeyAscii) { txtLastN_KeyPress(KeyAscii); });
    txtString.onKeyPress([this](int& KeyAscii) { txtString_KeyPress(KeyAscii); });
    txtPhone.onKeyPress([this](int& KeyAscii) { txtPhone_KeyPress(KeyAscii); });
    txtFax.onKeyPress([this](int& KeyAscii) { txtFax_KeyPress(KeyAscii); });
    txtZip.onKeyPress([this](int& KeyAscii) { txtZip_KeyPress(KeyAscii); });

    chkName.onClick([this] { chkName_Click(); });
    chkSame.onClick([this] { chkSame_Click(); });
    cmbRate.onClick([this] { cmbRate_Click(); });
    cmdMore.onClick([this] { cmdMore_Click(); });
    cmdLess.onClick([this] { cmdLess_Click(); });
    cmdNew.onClick([this] { cmdNew_Click(); });
    cmdErase.onClick([this] { cmdErase_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdSave.onClick([this] { cmdSave_Click(); });
    cmdUpdate.onClick([this] { cmdUpdate_Click(); });
    cmdFind.onClick([this] { cmdFind_Click(); });
    cmdFName.onClick([this] { cmdFName_Click(); });
    cmdFindName.onClick([this] { cmdFindName_Click(); });
    cmdFadd.onClick([this] { cmdFadd_Click(); });
    cmdFcc.onClick([this] { cmdFcc_Click(); });
}

// ---- Opening ----

// The three stores lie by the station's one rule; each opens itself once loading is done.
void frmReservAdd::Form_Load() {
    settings::CentreForm(*this, 5, false);
    datList.setDatabaseName(settings::ResolveDataPath(settings::kMenuStore));
    datCustmr.setDatabaseName(settings::ResolveDataPath(kCustomerStore));
    datCustmr.setRecordSource(std::string(kCustomerSource));
    datReserv.setDatabaseName(settings::ResolveDataPath(kReservationStore));
    std::string today = core::shortDate(core::clock::today());
    txtDateIn.setText(today);
    txtDateOut.setText(today);
    cmbRate.setText("Daily");
    txtRate.setText("1");
    cmbRate.AddItem("Daily");
    cmbRate.AddItem("Weekly");
}

// Opened from the map the stay's nights follow the two dates; a date box that holds no date
// leaves the nights as they are. Reading the map's mode loads it, hidden and without a mode,
// when nobody opened it.
void frmReservAdd::Form_Activate() {
    if (ui::forms().get<frmMap>().lblMode.caption() == "Reserv") {
        auto in = core::parseDate(txtDateIn.text());
        auto out = core::parseDate(txtDateOut.text());
        if (in && out) txtDay.setText(std::to_string(core::daysBetween(*in, *out)));
    }
    if (lblForm.caption() == kRoleSearch) cmdFcc.setVisible(true);
}

// ---- Money ----

void frmReservAdd::txtCharge_LostFocus() { formatAmount(txtCharge); }

// Both taxes are taken on the charge and the others together; a tax box that its rate leaves
// alone still counts with what it shows.
void frmReservAdd::txtOther_LostFocus() {
    formatAmount(txtCharge);
    formatAmount(txtOther);
    core::Money base = amountOf(txtCharge) + amountOf(txtOther);
    txtTotal.setText(base.toPlainText());
    settings::frmInfor& store = ui::forms().get<settings::frmInfor>();
    if (auto rate = settings::estimateRateOf(store.txtTOTax1.text())) {
        txtLTax.setText((*rate * amountOf(txtTotal)).toPlainText());
        formatAmount(txtLTax);
    }
    if (auto rate = settings::estimateRateOf(store.txtTOTax2.text())) {
        txtFTax.setText((*rate * base).toPlainText());
        formatAmount(txtFTax);
    }
    txtTotal.setText((amountOf(txtTotal) + amountOf(txtLTax) + amountOf(txtFTax)).toPlainText());
    formatAmount(txtTotal);
}

void frmReservAdd::txtPaid_LostFocus() {
    txtBal.setText((amountOf(txtPaid) - amountOf(txtTotal)).toPlainText());
    formatAmount(txtBal);
    formatAmount(txtPaid);
}

// ---- Nights ----

// The rate class follows the nights; while the box holds no number the class stays.
void frmReservAdd::txtDay_Change() {
    auto nights = core::parseAmount(txtDay.text());
    if (!nights) return;
    if (*nights > core::Money::fromInt(6) && *nights < core::Money::fromInt(30)) {
        cmbRate.setText("Weekly");
        txtRate.setText("7");
    } else if (*nights >= core::Money::fromInt(30)) {
        cmbRate.setText("Monthly");
        txtRate.setText("30");
    } else {
        cmbRate.setText("Daily");
        txtRate.setText("1");
    }
}

// ---- Masks ----

void frmReservAdd::maskPhoneNumber(ui::TextBox& box, ui::Control& next) {
    if (core::text::len(box.text()) != 10) return;
    auto number = core::parseAmount(box.text());
    if (!number || *number <= core::Money::fromInt(1)) return;
    box.setText(core::format(core::Value(box.text()), kPhoneMask));
    next.SetFocus();
}

void frmReservAdd::txtPhone_Change() { maskPhoneNumber(txtPhone, txtFax); }
void frmReservAdd::txtFax_Change() { maskPhoneNumber(txtFax, txtEmail); }

void frmReservAdd::txtState_Change() { upperState(txtState, txtZip); }
void frmReservAdd::txtCardState_Change() { upperState(txtCardState, txtCardZip); }

void frmReservAdd::txtZip_Change() {
    auto zip = core::parseAmount(txtZip.text());
    if (zip && *zip > core::Money::fromInt(1) && cmdSave.tag().empty()) BeginGuestEdit();
}

void frmReservAdd::txtLastN_Change() { BeginGuestEdit(); }

void frmReservAdd::txtCardNu_Change() {
    std::string first = core::text::left(txtCardNu.text(), 1);
    if (first == "3")
        txtCardType.setText("AMEX");
    else if (first == "4")
        txtCardType.setText("VISA");
    else if (first == "5")
        txtCardType.setText("Master");
    else if (first == "6")
        txtCardType.setText("Discover");
    else
        txtCardType.setText("");
}

// ---- Key filters ----

bool frmReservAdd::KeyPressNumericValid(int KeyAscii) { return shell::frmEmploye::KeyPressNumericValid(KeyAscii); }

void frmReservAdd::txtPhone_KeyPress(int& KeyAscii) {
    if (!KeyPressNumericValid(KeyAscii)) KeyAscii = 0;
}
void frmReservAdd::txtFax_KeyPress(int& KeyAscii) {
    if (!KeyPressNumericValid(KeyAscii)) KeyAscii = 0;
}
void frmReservAdd::txtZip_KeyPress(int& KeyAscii) {
    if (!KeyPressNumericValid(KeyAscii)) KeyAscii = 0;
}

// ---- Licence swipes ----

// The next character typed or swiped replaces the prompt.
void frmReservAdd::txtLastN_Click() {
    txtLastN.setText(std::string(kSwipePrompt));
    txtLastN.setSelStart(0);
    txtLastN.setSelLength(static_cast<int>(kSwipePrompt.size()));
}

void frmReservAdd::txtLastN_KeyPress(int& KeyAscii) {
    if (KeyAscii == ui::kKeyReturn && core::text::instr(txtLastN.text(), "%") > 0) ParseLicenceSwipe();
}

void frmReservAdd::ParseLicenceSwipe() {
    if (core::text::instr(txtLastN.text(), "%") > 0) SplitLicenceTrack1(txtLastN.text());
}

// Track 1: "%", the state, the city, "^", last name "$" first name, "^", the street, two more
// characters and "?". A track that cannot be cut whole changes no box, so the raw swipe stays in
// the last-name box for the clerk to see.
void frmReservAdd::SplitLicenceTrack1(std::string_view track) {
    using core::text::instr;
    using core::text::mid;
    std::size_t p1 = instr(track, "^");
    std::size_t p2 = p1 ? instr(track, "^", p1 + 1) : 0;
    std::size_t p3 = instr(track, "?");
    if (p1 < 4 || p2 == 0 || p3 < p2 + 3) return;
    std::string name = mid(track, p1 + 1, p2 - p1 - 1);
    std::size_t dollar = instr(name, "$");
    if (dollar == 0) return;
    std::string state = mid(track, 2, 2);
    std::string city = mid(track, 4, p1 - 4);
    std::string address = mid(track, p2 + 1, p3 - 3 - p2);
    txtLastN.setText(mid(name, 1, dollar - 1));
    txtFirstN.setText(mid(name, dollar + 1));
    txtAdds.setText(address);
    txtCity.setText(city);
    txtState.setText(state);
    txtString.SetFocus();
}

// Track 2 ends in the birth date as YYMMDD and two more characters.
void frmReservAdd::txtString_KeyPress(int& KeyAscii) {
    if (KeyAscii != ui::kKeyReturn || core::text::instr(txtString.text(), ";") == 0) return;
    std::string born = core::text::left(core::text::right(txtString.text(), 8), 6);
    using core::text::mid;
    txtBD.setText(mid(born, 3, 2) + "/" + mid(born, 5, 2) + "/" + mid(born, 1, 2));
    txtZip.SetFocus();
}

// ---- Entry ----

void frmReservAdd::BeginGuestEdit() {
    cmdSave.setTag("True");
    cmdSave.setEnabled(true);
    cmdErase.setEnabled(false);
    cmdFind.setEnabled(true);
    cmdNew.setEnabled(false);
}

void frmReservAdd::ClearGuestFields() {
    for (ui::TextBox* box : {&txtPhone, &txtLastN, &txtFirstN, &txtAdds, &txtCity, &txtState, &txtZip, &txtCountry,
                             &txtBD, &txtEmail, &txtFax, &txtCardNu, &txtCardType, &txtCardName, &txtExp, &txtCVC})
        box->setText("");
    chkSame.setValue(0);
    for (ui::TextBox* box : {&txtCardAddrs, &txtCardCity, &txtCardState, &txtCardZip}) box->setText("");
    txtRemark.setText("");
}

// ---- Saving and updating ----

void frmReservAdd::cmdSave_Click() {
    struct Required {
        ui::TextBox& box;
        const char* message;
    };
    for (const Required& r : {
             Required{txtLastN, " Please Enter Guest's Last Name."},
             Required{txtFirstN, " Please Enter Guest's First Name."},
             Required{txtAdds, " Please Enter Guest's Address."},
             Required{txtCity, " Please Enter Guest's City."},
             Required{txtZip, " Please Enter Guest's Zip Code."},
             Required{txtPhone, " Please Enter Guest's Phone Number."},
             Required{txtCardNu, " Please Enter Guest's Credit Card Number."},
             Required{txtCardName, " Please Enter Guest's Name on the Credit Card."},
             Required{txtExp, " Please Enter Guest's Credit Card Exp. Date."},
             Required{txtCVC, " Please Enter 3 Digit PIN Number at the back of your Credit card."},
         }) {
        if (!r.box.text().empty()) continue;
        ui::MsgBox(r.message, ui::kCritical);
        r.box.SetFocus();
        return;
    }
    // A reservation is only taken with the card holder's address the guest's.
    if (chkSame.value() != 1) {
        ui::MsgBox(" Please Enter Credit Card Mailing Address.", ui::kCritical);
        txtCardAddrs.SetFocus();
        return;
    }
    // A stay without its dates would never show on the map or in the lists, and its room could
    // be sold again.
    for (auto [box, message] : {std::pair{&txtDateIn, "Please enter your Check in date. "},
                                std::pair{&txtDateOut, "Please enter your Check Out date. "}}) {
        if (core::parseDate(box->text())) continue;
        ui::MsgBox(message, ui::kCritical);
        box->SetFocus();
        return;
    }
    if (!WriteReservation()) return;
    cmdSave.setEnabled(false);
    cmdNew.setEnabled(true);
    if (ui::MsgBox("New Reservation been posted, Exit now?", ui::kYesNo) != ui::MsgBoxResult::Yes) return;
    Unload();
    ui::Unload<frmMap>();
    ui::forms().get<shell::frmMainButn>().Show();
}

// The reservation the last recall showed is written; without one, the first whose phone begins
// with the phone box.
void frmReservAdd::cmdUpdate_Click() {
    datReserv.setRecordSource(std::string(kByLastName));
    ui::DataRecordset& rows = datReserv.Recordset();
    if (recalled_) {
        if (db::Status st = rows.setBookmark(*recalled_); !st) {
            datReserv.report(st.error());
            return;
        }
    } else {
        auto found = findByPhone(rows, txtPhone.text());
        if (!found) {
            datReserv.report(found.error());
            return;
        }
        if (!*found) return;
    }
    cmdUpdate.setTag(std::string(kUpdateMark));
    (void)WriteReservation();
    cmdUpdate.setTag("");
}

bool frmReservAdd::WriteReservation() {
    if (txtLastN.text().empty()) {
        ui::MsgBox("You must fill in customer's Last Name", ui::kCritical);
        txtLastN.SetFocus();
        return false;
    }
    if (txtPhone.text().empty()) {
        ui::MsgBox("Yon must fill in customer's Phone Number", ui::kCritical);
        txtPhone.SetFocus();
        return false;
    }
    ui::DataRecordset& row = datReserv.Recordset();
    db::Status begun = cmdUpdate.tag() == kUpdateMark ? row.Edit() : row.AddNew();
    RowWriter w(row);
    if (begun) {
        core::DateTime now = core::clock::now();
        w.always("sLast_na", txtLastN.text());
        w.always("sFirst_nm", txtFirstN.text());
        w.always("sPhone_no", txtPhone.text());
        w.always("szReser_ti", core::longTime(now.time));
        w.always("szReser_day", core::shortDate(now.date));
        for (auto [field, box] :
             {std::pair{"szClerk_id", &txtEmployee}, std::pair{"szStreet_ad", &txtAdds},
              std::pair{"szCity_nm", &txtCity}, std::pair{"sState_cd", &txtState}, std::pair{"sZip_cd", &txtZip},
              std::pair{"szCountry", &txtCountry}, std::pair{"szbd_date", &txtBD}, std::pair{"szEmail", &txtEmail},
              std::pair{"szFax_nu", &txtFax}})
            w.ifText(field, box->text());
        w.ifText("szRemark", txtRemark.text());
        w.ifText("szDate_in", txtDateIn.text());
        w.ifText("szDate_Out", txtDateOut.text());
        w.always("szAction", "Reserved");
        for (auto [field, box] :
             {std::pair{"szRoom1", &txtRoom1}, std::pair{"szRoom2", &txtRoom2}, std::pair{"szRoom3", &txtRoom3},
              std::pair{"szRoom4", &txtRoom4}, std::pair{"szParty_nu", &txtGuest}})
            w.ifText(field, box->text());
        w.ifText("szRate", cmbRate.text());
        for (auto [field, box] : {std::pair{"szDay_nu", &txtDay}, std::pair{"szRate_curr", &txtCharge},
                                  std::pair{"szOther_curr", &txtOther}, std::pair{"szTotal_curr", &txtTotal},
                                  std::pair{"szPaid_curr", &txtPaid}, std::pair{"szBalance_curr", &txtBal}})
            w.ifText(field, box->text());
        if (chkSame.value() == 1) {
            w.always("szSame_Addr", true);
            for (auto [field, box] : {std::pair{"szCard_nu", &txtCardNu}, std::pair{"szCard_Name", &txtCardName},
                                      std::pair{"szCard_type", &txtCardType}, std::pair{"szCard_exp", &txtExp},
                                      std::pair{"szCard_cc", &txtCVC}, std::pair{"szCard_Addr", &txtCardAddrs},
                                      std::pair{"szCard_City", &txtCardCity}, std::pair{"szCard_state", &txtCardState},
                                      std::pair{"szCard_Zip", &txtCardZip}})
                w.ifText(field, box->text());
        }
    }
    if (!storeRow(datReserv, begun ? w.status() : begun)) return false;

    // The reservation stands; a guest the customer file does not know yet is added to it.
    if (db::Status read = datCustmr.Refresh(); !read) {
        datCustmr.report(read.error());
        return true;
    }
    auto known = findByName(datCustmr.Recordset(), txtLastN.text(), txtFirstN.text());
    if (!known)
        datCustmr.report(known.error());
    else if (!*known)
        (void)AddCustomerRecord();
    return true;
}

bool frmReservAdd::AddCustomerRecord() {
    ui::DataRecordset& row = datCustmr.Recordset();
    db::Status begun = row.AddNew();
    RowWriter w(row);
    if (begun) {
        w.always("sLast_na", txtLastN.text());
        w.always("sFirst_nm", txtFirstN.text());
        w.always("sPhone_no", txtPhone.text());
        for (auto [field, box] :
             {std::pair{"szStreet_ad", &txtAdds}, std::pair{"szCity_nm", &txtCity}, std::pair{"sState_cd", &txtState},
              std::pair{"sZip_cd", &txtZip}, std::pair{"szCountry", &txtCountry}, std::pair{"szbd_date", &txtBD},
              std::pair{"szEmail", &txtEmail}, std::pair{"szFax_nu", &txtFax}})
            w.ifText(field, box->text());
    }
    return storeRow(datCustmr, begun ? w.status() : begun);
}

// ---- Stay buttons, erasing and closing ----

void frmReservAdd::chkName_Click() {
    txtCardName.setText(chkName.value() == 1 ? txtFirstN.text() + " " + txtLastN.text() : std::string());
}

// The four boxes keep their text either way: ticked, the guest's address stands for them.
void frmReservAdd::chkSame_Click() {
    bool same = chkSame.value() == 1;
    for (ui::TextBox* box : {&txtCardAddrs, &txtCardCity, &txtCardState, &txtCardZip}) {
        box->setEnabled(!same);
        box->setBackColor(same ? ui::color::kBlue : settings::kWhite);
    }
}

void frmReservAdd::cmbRate_Click() {
    if (cmbRate.text() == "Daily") {
        txtRate.setText("1");
    } else if (cmbRate.text() == "Weekly") {
        txtRate.setText("7");
        txtDay.setText("7");
    }
}

// The nights and the departure move together, so neither moves when the departure is no date.
void frmReservAdd::cmdMore_Click() {
    auto out = core::parseDate(txtDateOut.text());
    if (!out) return;
    txtDay.setText(core::numberText(core::val(txtDay.text()) + 1));
    txtDateOut.setText(core::shortDate(core::addDays(*out, 1)));
}

void frmReservAdd::cmdLess_Click() {
    auto nights = core::parseAmount(txtDay.text());
    auto out = core::parseDate(txtDateOut.text());
    if (!nights || !out || *nights <= core::Money::fromInt(1)) return;
    txtDay.setText((*nights - core::Money::fromInt(1)).toPlainText());
    txtDateOut.setText(core::shortDate(core::addDays(*out, -1)));
}

void frmReservAdd::cmdNew_Click() { ClearGuestFields(); }

// Erases the customer whose phone begins with the phone box, from the customer file as last read;
// the guest's reservations stay.
void frmReservAdd::cmdErase_Click() {
    if (EraseCustomerByPhone(datCustmr, txtPhone.text())) ClearGuestFields();
}

void frmReservAdd::cmdClose_Click() { Unload(); }

// ---- Searches ----

void frmReservAdd::cmdFind_Click() {
    if (!txtPhone.text().empty())
        cmdFName_Click();
    else
        cmdFindName_Click();
}

void frmReservAdd::cmdFName_Click() {
    if (txtPhone.text().empty()) {
        ui::MsgBox("Please enter your phone number", ui::kCritical);
        txtPhone.SetFocus();
        return;
    }
    if (lblForm.caption() == kRoleSearch)
        FindReservationByPhone();
    else if (lblForm.caption() == kRoleForm)
        FindCustomerByPhone();
}

void frmReservAdd::cmdFindName_Click() {
    if (txtLastN.text().empty()) {
        ui::MsgBox(" Please Enter Your Guest Last Name");
        return;
    }
    if (txtFirstN.text().empty()) {
        ui::MsgBox(" Please Enter Your Guest First Name");
        return;
    }
    if (lblForm.caption() == kRoleSearch)
        FindReservationByName();
    else if (lblForm.caption() == kRoleForm)
        FindCustomerByName();
}

void frmReservAdd::cmdFadd_Click() {
    auto byStreet = [this](ui::DataRecordset& rows) { return findByStreet(rows, txtAdds.text()); };
    if (lblForm.caption() == kRoleSearch) {
        if (searchRows(datReserv, byStreet, kReservationNotFound)) ShowReservationRecord();
    } else if (lblForm.caption() == kRoleForm) {
        if (searchRows(datCustmr, byStreet, kCustomerNotFound)) ShowCustomerRecord();
    }
}

void frmReservAdd::cmdFcc_Click() {
    if (lblForm.caption() != kRoleSearch) return;
    auto byCard = [this](ui::DataRecordset& rows) { return findByCard(rows, txtCardNu.text()); };
    if (searchRows(datReserv, byCard, kReservationNotFound)) ShowReservationRecord();
}

void frmReservAdd::FindReservationByPhone() {
    auto byPhone = [this](ui::DataRecordset& rows) { return findByPhone(rows, txtPhone.text()); };
    if (searchRows(datReserv, byPhone, "Reservation not found !")) ShowReservationRecord();
}

void frmReservAdd::FindCustomerByPhone() {
    auto byPhone = [this](ui::DataRecordset& rows) { return findByPhone(rows, txtPhone.text()); };
    if (searchRows(datCustmr, byPhone, kCustomerNotFound)) ShowCustomerRecord();
}

// The name searches say the customer is not found in either role.
void frmReservAdd::FindReservationByName() {
    auto byName = [this](ui::DataRecordset& rows) { return findByName(rows, txtLastN.text(), txtFirstN.text()); };
    if (searchRows(datReserv, byName, kCustomerNotFound)) ShowReservationRecord();
}

void frmReservAdd::FindCustomerByName() {
    auto byName = [this](ui::DataRecordset& rows) { return findByName(rows, txtLastN.text(), txtFirstN.text()); };
    if (searchRows(datCustmr, byName, kCustomerNotFound)) ShowCustomerRecord();
}

// The stored total and balance give way to today's figures, worked out from the amounts; the
// remark is not recalled, so an update keeps the stored one unless the clerk types another.
void frmReservAdd::ShowReservationRecord() {
    ui::DataRecordset& row = datReserv.Recordset();
    for (auto [field, box] :
         {std::pair{"sLast_na", &txtLastN}, std::pair{"sFirst_nm", &txtFirstN}, std::pair{"szStreet_ad", &txtAdds},
          std::pair{"szCity_nm", &txtCity}, std::pair{"sState_cd", &txtState}, std::pair{"sZip_cd", &txtZip},
          std::pair{"szCountry", &txtCountry}, std::pair{"sPhone_no", &txtPhone}, std::pair{"szbd_date", &txtBD},
          std::pair{"szFax_nu", &txtFax}, std::pair{"szEmail", &txtEmail}, std::pair{"szCard_nu", &txtCardNu},
          std::pair{"szCard_type", &txtCardType}, std::pair{"szCard_Name", &txtCardName},
          std::pair{"szCard_exp", &txtExp}, std::pair{"szCard_cc", &txtCVC}})
        show(row, field, *box);
    auto same = row.field("szSame_Addr");
    bool ticked = same && !same->isNull() && same->toBool();
    chkSame.setValue(ticked ? 1 : 0);
    if (!ticked)
        for (auto [field, box] : {std::pair{"szCard_Addr", &txtCardAddrs}, std::pair{"szCard_City", &txtCardCity},
                                  std::pair{"szCard_state", &txtCardState}, std::pair{"szCard_Zip", &txtCardZip}})
            show(row, field, *box);
    for (auto [field, box] :
         {std::pair{"szDate_in", &txtDateIn}, std::pair{"szDate_Out", &txtDateOut}, std::pair{"szRoom1", &txtRoom1},
          std::pair{"szRoom2", &txtRoom2}, std::pair{"szRoom3", &txtRoom3}, std::pair{"szRoom4", &txtRoom4},
          std::pair{"szParty_nu", &txtGuest}, std::pair{"szRate_curr", &txtCharge},
          std::pair{"szOther_curr", &txtOther}, std::pair{"szPaid_curr", &txtPaid}})
        show(row, field, *box);
    txtOther_LostFocus();
    txtPaid_LostFocus();
    txtRemark.setText("");
    if (auto at = row.bookmark()) recalled_ = *at;
}

// Only the guest's own boxes: the stay, the amounts and the card stay as the map and the clerk
// left them.
void frmReservAdd::ShowCustomerRecord() {
    ui::DataRecordset& row = datCustmr.Recordset();
    for (auto [field, box] :
         {std::pair{"sLast_na", &txtLastN}, std::pair{"sFirst_nm", &txtFirstN}, std::pair{"szStreet_ad", &txtAdds},
          std::pair{"szCity_nm", &txtCity}, std::pair{"sState_cd", &txtState}, std::pair{"sZip_cd", &txtZip},
          std::pair{"szCountry", &txtCountry}, std::pair{"sPhone_no", &txtPhone}, std::pair{"szbd_date", &txtBD},
          std::pair{"szEmail", &txtEmail}, std::pair{"szFax_nu", &txtFax}})
        show(row, field, *box);
}

}  // namespace pelk::reservations
