#include "reservations/frmReservAdd.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/core/text.h"
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
constexpr ui::Color kBlue = 0xFF0000;
constexpr std::string_view kSwipePrompt = "Swipe Driver's License";
constexpr std::string_view kMoneyFormat = "#,##0.00";
constexpr std::string_view kPhoneMask = "@@@-@@@-@@@@";
constexpr ui::Color kRed = 0x0000FF;

void formatAmount(ui::TextBox& box) { box.setText(core::format(core::Value(box.text()), kMoneyFormat)); }

core::Money amountOf(const ui::TextBox& box) { return core::amountOrZero(box.text()); }

// Copies a field into its box; a field without a value empties it, one that cannot be read
// leaves it as it is.
void show(ui::DataRecordset& row, std::string_view field, ui::TextBox& box) {
    if (auto value = row.field(field)) box.setText(value->toText());
}

void label(ui::Label& l, const char* caption, double left, double top, double width) {
    l.setCaption(caption);
    l.Move(left, top, width, 255);
    l.setBackStyle(0);
}

}  // namespace

frmReservAdd::frmReservAdd() {
    setMdiChild(true);
    setCaption("");
    setWidth(12360);
    setHeight(8700);
    setBackColor(settings::kScreenGreen);

    // Title and role.
    lblForm.Move(3600, 120, 4800, 495);
    lblForm.setFont({"Courier New", 18, true});
    lblForm.setAlignment(ui::kCenter);
    lblForm.setBackColor(0xC0FFFF);
    label(lblRequire, "* Require", 9600, 240, 1215);
    lblRequire.setForeColor(kRed);

    // "Guest Information".
    fraGuest.setCaption("Guest Information");
    fraGuest.Move(120, 720, 6135, 3975);
    struct Box {
        ui::Label* caption;
        const char* text;
        ui::TextBox* box;
        double left, top, width;
    };
    for (const Box& b : {
             Box{&lblLastN, "Last Name", &txtLastN, 1200, 300, 2415},
             Box{&lblFirstN, "First Name", &txtFirstN, 1200, 700, 2415},
             Box{&lblAdds, "Address", &txtAdds, 1200, 1100, 3615},
             Box{&lblCity, "City", &txtCity, 1200, 1500, 1755},
             Box{&lblState, "State", &txtState, 3600, 1500, 495},
             Box{&lblZip, "Zip", &txtZip, 4680, 1500, 1095},
             Box{&lblCountry, "Country", &txtCountry, 1200, 1900, 1800},
             Box{&lblBD, "DOB", &txtBD, 3540, 1900, 1335},
             Box{&lblPhone, "Phone", &txtPhone, 1200, 2300, 1800},
             Box{&lblFax, "Fax", &txtFax, 4200, 2300, 1575},
             Box{&lblEmail, "Email", &txtEmail, 1200, 2700, 4575},
         }) {
        double captionLeft = b.left == 1200 ? 120 : b.left - 480;
        label(*b.caption, b.text, captionLeft, b.top + 30, b.left == 1200 ? 1035 : 450);
        b.caption->setContainer(fraGuest);
        b.box->setContainer(fraGuest);
        b.box->Move(b.left, b.top, b.width, 315);
    }
    txtString.setContainer(fraGuest);
    txtString.Move(1200, 3100, 4575, 315);
    // The binoculars: find by name, by address, by phone.
    for (auto [button, left, top] : {std::tuple{&cmdFindName, 3960.0, 300.0}, std::tuple{&cmdFadd, 5040.0, 1100.0},
                                     std::tuple{&cmdFName, 3300.0, 2300.0}}) {
        button->setContainer(fraGuest);
        button->setStyle(1);
        button->Move(left, top, 375, 315);
        button->setFontSize(6.75);
        button->setPicture(ui::Picture::design("Find"));
    }

    // The required marks, beside last name, first name, address, city, state, zip, phone, and in
    // the card frame beside the number, the name, the expiry and the check digits.
    for (auto [mark, left, top] : {std::tuple{&Label16, 3660.0, 300.0}, std::tuple{&Label20, 3660.0, 700.0},
                                   std::tuple{&Label21, 4845.0, 1100.0}, std::tuple{&Label22, 2970.0, 1500.0},
                                   std::tuple{&Label23, 4100.0, 1500.0}, std::tuple{&Label24, 5820.0, 1500.0},
                                   std::tuple{&Label25, 3030.0, 2300.0}}) {
        mark->setContainer(fraGuest);
        label(*mark, "*", left, top, 135);
    }

    // The stay.
    label(lblDateIn, "Date In", 9240, 870, 795);
    txtDateIn.Move(10080, 840, 1335, 315);
    label(lblDateOut, "Date Out", 9240, 1270, 795);
    txtDateOut.Move(10080, 1240, 1335, 315);
    fraRate.setCaption("Rate Information");
    fraRate.Move(6360, 720, 2775, 1575);
    cmbRate.setContainer(fraRate);
    cmbRate.Move(120, 300, 1335, 315);
    txtRate.setContainer(fraRate);
    txtRate.Move(1560, 300, 495, 315);
    lblDay.setContainer(fraRate);
    label(lblDay, "Nnmber of days", 120, 750, 1335);
    txtDay.setContainer(fraRate);
    txtDay.Move(1560, 720, 495, 315);
    txtDay.setText("1");
    // One night less, one night more.
    for (auto [button, top, reads] : {std::tuple{&cmdLess, 1140.0, "-1"}, std::tuple{&cmdMore, 720.0, "+1"}}) {
        button->setContainer(fraRate);
        button->setStyle(1);
        button->Move(2100, top, 555, 375);
        button->setPicture(ui::Picture::design(reads));
    }
    fraRooms.setCaption("Room Numbers");
    fraRooms.Move(6360, 2400, 2895, 1095);
    double roomLeft = 120;
    for (ui::TextBox* room : {&txtRoom1, &txtRoom2, &txtRoom3, &txtRoom4}) {
        room->setContainer(fraRooms);
        room->Move(roomLeft, 420, 615, 315);
        roomLeft += 690;
    }
    DBGrid1.Move(6360, 3600, 5895, 1095);
    DBGrid1.setDataSource(datList);
    DBGrid1.setColumns({{"szMenu_Nm", "Room Type", 1695, ""},
                        {"szPriceS_amt", "Rate 1", 975, std::string(kMoneyFormat)},
                        {"szPriceM_amt", "Rate 2", 975, std::string(kMoneyFormat)},
                        {"szPrice_amt", "Rate 3", 975, std::string(kMoneyFormat)},
                        {"szPriceL_amt", "Rate 4", 975, std::string(kMoneyFormat)}});
    // The menu's rows are read here, never changed.
    DBGrid1.setAllowUpdate(false);

    // "Rate/Period".
    fraAmounts.setCaption("Rate/Period");
    fraAmounts.Move(120, 4800, 2895, 3555);
    double top = 300;
    for (auto [caption, text, box] :
         {std::tuple{&lblGuest, "Guest:", &txtGuest}, std::tuple{&lblCharge, "Rate:", &txtCharge},
          std::tuple{&lblOther, "Others:", &txtOther}, std::tuple{&lblLTax, "Local Tax:", &txtLTax},
          std::tuple{&lblFTax, "State Tax:", &txtFTax}, std::tuple{&lblTotal, "Total:", &txtTotal},
          std::tuple{&lblPaid, "Paid:", &txtPaid}, std::tuple{&lblBal, "Balance:", &txtBal}}) {
        caption->setContainer(fraAmounts);
        label(*caption, text, 120, top + 30, 1035);
        box->setContainer(fraAmounts);
        box->Move(1200, top, 1455, 315);
        box->setAlignment(ui::kRightJustify);
        top += 390;
    }
    txtGuest.setAlignment(ui::kLeftJustify);

    // "Payment Information".
    fraPayment.setCaption("Payment Information");
    fraPayment.Move(3120, 4800, 5415, 2775);
    for (const Box& b : {
             Box{&lblCardNu, "Card #", &txtCardNu, 900, 300, 2055},
             Box{&lblCardType, "Type:", &txtCardType, 3840, 300, 1335},
             Box{&lblCardName, "Name:", &txtCardName, 900, 700, 2055},
             Box{&lblExp, "Exp:", &txtExp, 900, 1100, 855},
             Box{&lblCVC, "CVC", &txtCVC, 2520, 1100, 615},
             Box{&lblCardAddrs, "Address:", &txtCardAddrs, 900, 1900, 2055},
             Box{&lblCardCity, "City:", &txtCardCity, 3600, 1900, 1575},
         }) {
        b.caption->setContainer(fraPayment);
        label(*b.caption, b.text, b.left == 900 ? 120 : b.left - 600, b.top + 30, b.left == 900 ? 735 : 555);
        b.box->setContainer(fraPayment);
        b.box->Move(b.left, b.top, b.width, 315);
    }
    txtCardState.setContainer(fraPayment);
    txtCardState.Move(900, 2300, 495, 315);
    txtCardZip.setContainer(fraPayment);
    txtCardZip.Move(1440, 2300, 1095, 315);
    chkName.setContainer(fraPayment);
    chkName.setCaption("Same");
    chkName.Move(3240, 700, 1095, 315);
    chkSame.setContainer(fraPayment);
    chkSame.setCaption("Same as Guest Information");
    chkSame.Move(120, 1500, 3015, 315);
    cmdFcc.setContainer(fraPayment);
    cmdFcc.setStyle(1);
    cmdFcc.Move(3480, 1100, 375, 315);
    cmdFcc.setFontSize(6.75);
    cmdFcc.setPicture(ui::Picture::design("Find"));
    cmdFcc.setVisible(false);
    for (auto [mark, left, top] : {std::tuple{&Label26, 2985.0, 300.0}, std::tuple{&Label37, 2985.0, 700.0},
                                   std::tuple{&Label39, 1785.0, 1100.0}, std::tuple{&Label41, 3165.0, 1100.0}}) {
        mark->setContainer(fraPayment);
        label(*mark, "*", left, top, 135);
    }
    for (ui::Label* mark : {&Label16, &Label20, &Label21, &Label22, &Label23, &Label24, &Label25, &Label26, &Label37,
                            &Label39, &Label41}) {
        mark->setForeColor(kRed);
        mark->setBackStyle(0);
    }

    for (ui::Control* c : std::initializer_list<ui::Control*>{&fraGuest, &fraRate, &fraRooms, &fraAmounts, &fraPayment,
                                                              &fraRemark, &chkName, &chkSame})
        c->setBackColor(settings::kScreenGreen);

    fraRemark.setCaption("Remark");
    fraRemark.Move(8640, 4800, 3615, 1455);
    txtRemark.setContainer(fraRemark);
    txtRemark.Move(120, 300, 3375, 1035);
    label(lblEmployee, "Clerk:", 3120, 7740, 615);
    txtEmployee.Move(3780, 7680, 1335, 315);
    lblEmployee.setVisible(false);
    txtEmployee.setVisible(false);

    // The words stand in the buttons' pictures; until the pictures ship they are the captions.
    double left = 8640;
    for (auto [button, caption] :
         {std::pair{&cmdFind, "Find"}, std::pair{&cmdSave, "Save"}, std::pair{&cmdUpdate, "Update"},
          std::pair{&cmdNew, "New"}, std::pair{&cmdErase, "Del"}, std::pair{&cmdClose, "Back"}}) {
        button->setStyle(1);
        button->setCaption(caption);
        button->Move(left, button == &cmdFind || button == &cmdSave || button == &cmdUpdate ? 6360 : 7320, 1095, 855);
        left = left >= 11040 ? 8640 : left + 1200;
    }
    cmdSave.setEnabled(false);
    cmdUpdate.setEnabled(false);

    for (ui::Data* data : {&datReserv, &datCustmr, &datList}) {
        data->setConnect("Access 2000;");
        data->setVisible(false);
    }
    datReserv.setRecordSource(std::string(kReservationTable));
    datList.setRecordSource("tbDrink");

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
        box->setBackColor(same ? kBlue : settings::kWhite);
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
