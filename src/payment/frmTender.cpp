#include "payment/frmTender.h"

#include <initializer_list>
#include <string>

#include "folio/frmRooms.h"
#include "folio/order_book.h"
#include "folio/stores.h"
#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/core/value.h"
#include "platform/db/quoting.h"
#include "platform/db/unit_of_work.h"
#include "platform/print/printer.h"
#include "platform/ui/design.h"
#include "settings/amounts.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::payment {

namespace {

constexpr std::string_view kKeypadFormat = "###0.00";
constexpr std::string_view kHandBackFormat = "#,##0.00";
constexpr std::string_view kByReceipt = "SELECT * FROM tblDy_Order ORDER BY Inv ASC";
// More keypad digits than this would no longer fit an amount: the key is ignored.
constexpr std::size_t kLongestEntry = 15;

// A box that reads as a number shows it formatted; any other text stays as it is.
void reformat(ui::TextBox& box) { box.setText(core::format(core::Value(box.text()), core::kAmountFormat)); }

}  // namespace

core::Money wholeAmount(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    std::string digits;
    bool point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9')
            digits += c;
        else if (c == ',')
            continue;
        else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else
            break;
    }
    auto amount = core::Money::parse(digits);
    if (!amount) return core::Money{};
    return negative ? -*amount : *amount;
}

namespace {

const std::initializer_list<ui::DesignProperty> kAmountBox = {{"Font", ui::font::kSans12},
                                                              {"Alignment", ui::kRightJustify}};

const ui::FormDesign kDesign{
    {{"Caption", "Tender"},
     {"Width", 12120},
     {"Height", 8280},
     {"BorderStyle", 3},
     {"BackColor", ui::color::kLightGreen}},
    {
        // The modes stand in a column on the left under their heading.
        {"lblTrans",
         {120, 120, 2295, 300},
         {{"Caption", "Credit Card Transactions"},
          {"BackStyle", 0},
          {"Font", ui::font::kSans10Bold},
          {"Alignment", ui::kCenter}}},
        // The card, in the frame that names the mode; its rows of boxes are laid out by the
        // constructor.
        {"frame", {2580, 60, 4695, 4875}, {{"BackColor", ui::color::kLightGreen}, {"Font", ui::font::kSans10Bold}}},
        {"cmdFind",
         {3660, 810, 900, 405},
         {{"Container", "frame"}, {"Caption", "Find"}, {"Font", ui::font::kSans10Bold}}},
        {"chkSame", {2100, 4170, 2460, 345}, {{"Container", "frame"}, {"BackColor", ui::color::kLightGreen}}},
        {"txtCardType", {}, {{"Visible", false}}},
        // Card processing, under the frame; the brand buttons (laid out by the constructor) share
        // one place.
        {"ImgXcharge", {2580, 5040, 1215, 900}, {{"BorderStyle", 1}, {"Visible", false}}},
        {"txtAnswer",
         {5220, 5040, 2055, 900},
         {{"MultiLine", true},
          {"BackColor", ui::color::kLightGreen},
          {"Font", ui::font::kDialogBold},
          {"Visible", false}}},
        {"txtString", {}, {{"Visible", false}}},
        {"Text1", {}, {{"Text", "C:\\Program Files\\X-Charge\\LocalTran"}, {"Visible", false}}},
        // The amounts on the right: the label, the Cash or Coupon button, the box, its Empty.
        {"lblPaid",
         {7440, 180, 1000, 300},
         {{"Caption", "Pre-Paid:"}, {"BackStyle", 0}, {"Font", ui::font::kSans10Bold}}},
        {"txtPaid", {9420, 120, 1500, 405}, kAmountBox},
        {"cmdPaid", {11010, 120, 900, 405}, {{"Caption", "Empty"}, {"Font", ui::font::kSans10Bold}}},
        {"lblEnding",
         {7440, 660, 1000, 300},
         {{"Caption", "Amount:"}, {"BackStyle", 0}, {"Font", ui::font::kSans10Bold}}},
        {"txtEnding", {9420, 600, 1500, 405}, kAmountBox},
        {"lblGet",
         {7440, 1140, 1000, 300},
         {{"Caption", "Tender:"}, {"BackStyle", 0}, {"Font", ui::font::kSans10Bold}}},
        {"cmdCash", {8460, 1080, 900, 405}, {{"Caption", "Cash"}, {"Font", ui::font::kSans10Bold}}},
        {"txtGet", {9420, 1080, 1500, 405}, kAmountBox},
        {"cmdEmpty", {11010, 1080, 900, 405}, {{"Caption", "Empty"}, {"Font", ui::font::kSans10Bold}}},
        {"cmdCoupon", {8460, 1560, 900, 405}, {{"Caption", "Coupon"}, {"Font", ui::font::kSans10Bold}}},
        {"txtCoupon", {9420, 1560, 1500, 405}, kAmountBox},
        {"cmdEmpty1", {11010, 1560, 900, 405}, {{"Caption", "Empty"}, {"Font", ui::font::kSans10Bold}}},
        {"lblReturn",
         {7440, 2100, 1000, 300},
         {{"Caption", "Change:"}, {"BackStyle", 0}, {"Font", ui::font::kSans10Bold}}},
        {"txtReturn",
         {9420, 2040, 1500, 405},
         {{"Font", ui::font::kSans12}, {"Locked", true}, {"Alignment", ui::kRightJustify}}},
        // The keypad on its backdrop: 1 2 3 / 4 5 6 / 7 8 9 (laid out by the constructor) over
        // (blank) 0 00.
        {"cmdKeypad", {8520, 2760, 2940, 2880}, {{"TabStop", false}}},
        {"cmdSp", {8640, 4860, 900, 660}, {{"Caption", ""}, {"Font", ui::font::kSans10Bold}}},
        {"comNumber(0)", {9540, 4860, 900, 660}, {{"Caption", "0"}, {"Font", ui::font::kSans13Bold}}},
        {"cmdBack", {10440, 4860, 900, 660}, {{"Caption", "00"}, {"Font", ui::font::kSans13Bold}}},
        {"txtFEntr", {}, {{"Visible", false}}},
        {"cmdNext", {2580, 6300, 2295, 1095}, {{"Caption", "Submit"}, {"Font", ui::font::kSans13Bold}}},
        {"cmdClose", {4980, 6300, 2295, 1095}, {{"Caption", "Close"}, {"Font", ui::font::kSans13Bold}}},
        {"datOrders", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
    }};

}  // namespace

frmTender::frmTender() {
    ui::applyDesign(*this, kDesign);

    // Every mode starts out as one not chosen.
    double modeTop = 480;
    for (auto [b, caption] :
         {std::pair{&cmdPurchase, "Purchase"}, std::pair{&cmdReturn, "Return"}, std::pair{&cmdForce, "Force"},
          std::pair{&cmdPre, "Pre-Authorization"}, std::pair{&cmdVoid, "Void"}}) {
        b->setCaption(caption);
        b->Move(120, modeTop, 2295, 795);
        b->setFont(ui::font::kSans10Bold.font());
        b->setStyle(1);
        b->setBackColor(ui::color::kLightGrey);
        modeTop += 900;
    }

    for (auto [b, caption] : {std::pair{&cmdAmEx, "AMEX"}, std::pair{&cmdVisa, "VISA"}, std::pair{&cmdMaster, "Master"},
                              std::pair{&cmdDiscover, "Discover"}}) {
        b->setCaption(caption);
        b->Move(3900, 5040, 1215, 900);
        b->setFont(ui::font::kSans10Bold.font());
        b->setVisible(false);
    }

    // The card's rows in the frame, each label before its box.
    struct Row {
        ui::Label& label;
        const char* caption;
        ui::TextBox& box;
        double boxWidth;
    };
    double rowTop = 330;
    for (const Row& r :
         {Row{lblEmply, "Clerk", txtEmply, 2460}, Row{lblInv, "* Receipt #", txtInv, 1500},
          Row{lblApproval, "Approval Code:", txtApproval, 2460}, Row{lblCardNu, "Credit Card #", txtCardNu, 2460},
          Row{lblExp, "Expiration (MMYY)", txtExp, 2460}, Row{lblZip, "* Zip Code", txtZip, 2460},
          Row{lblAddress, "* Address", txtAddress, 2460}, Row{lblCVC, "* CVV2/CVC2", txtCVC, 2460}}) {
        r.label.setContainer(frame);
        r.label.setCaption(r.caption);
        r.label.Move(120, rowTop + 60, 1935, 300);
        r.label.setBackStyle(0);
        r.label.setFont(ui::font::kSans10Bold.font());
        r.box.setContainer(frame);
        r.box.Move(2100, rowTop, r.boxWidth, 405);
        r.box.setFont(ui::font::kSans12.font());
        rowTop += 480;
    }

    // The keypad's digits 1 to 9, three to a row above its bottom row.
    for (int digit = 1; digit <= 9; ++digit) {
        int at = digit - 1;
        comNumber(digit).setCaption(std::to_string(digit));
        comNumber(digit).Move(8640 + (at % 3) * 900, 2880 + (at / 3) * 660, 900, 660);
        comNumber(digit).setFont(ui::font::kSans13Bold.font());
    }

    cmdPurchase.onClick([this] { cmdPurchase_Click(); });
    cmdReturn.onClick([this] { cmdReturn_Click(); });
    cmdForce.onClick([this] { cmdForce_Click(); });
    cmdPre.onClick([this] { cmdPre_Click(); });
    cmdVoid.onClick([this] { cmdVoid_Click(); });
    comNumber.onClick([this](int index) { comNumber_Click(index); });
    cmdBack.onClick([this] { cmdBack_Click(); });
    txtGet.onClick([this] { txtGet_Click(); });
    txtInv.onClick([this] { txtInv_Click(); });
    txtApproval.onClick([this] { txtApproval_Click(); });
    txtCoupon.onClick([this] { txtCoupon_Click(); });
    txtPaid.onClick([this] { txtPaid_Click(); });
    txtEnding.onClick([this] { txtEnding_Click(); });
    cmdCash.onClick([this] { cmdCash_Click(); });
    cmdCoupon.onClick([this] { cmdCoupon_Click(); });
    cmdEmpty.onClick([this] { cmdEmpty_Click(); });
    cmdEmpty1.onClick([this] { cmdEmpty1_Click(); });
    cmdPaid.onClick([this] { cmdPaid_Click(); });
    txtGet.onChange([this] { txtGet_Change(); });
    txtCoupon.onChange([this] { txtCoupon_Change(); });
    txtEnding.onChange([this] { txtEnding_Change(); });
    txtEnding.onKeyPress([this](int& key) { txtEnding_KeyPress(key); });
    txtEnding.onLostFocus([this] { txtEnding_LostFocus(); });
    txtReturn.onChange([this] { txtReturn_Change(); });
    cmdFind.onClick([this] { cmdFind_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    txtCardType.onChange([this] { txtCardType_Change(); });
    for (ui::CommandButton* b : {&cmdAmEx, &cmdVisa, &cmdMaster, &cmdDiscover})
        b->onClick([this] { ClearCardFields(); });
    txtCardNu.onClick([this] { txtCardNu_Click(); });
    txtCardNu.onKeyPress([this](int& key) { txtCardNu_KeyPress(key); });
}

// The room screen open now is the one whose folio this payment is for: the tender screen is only
// ever opened from it.
void frmTender::Form_Load() {
    settings::CentreForm(*this, 5);
    datOrders.setDatabaseName(folio::stationOrderBook());
    datOrders.setRecordSource(std::string(folio::kDeliveryTable));
    cmdPre_Click();
    cardRun().SwipeRead = false;
    if (folio::frmRooms* rooms = ui::forms().find<folio::frmRooms>()) opener_ = rooms->hWnd();
}

// ---- Modes ----

void frmTender::ResetModeButtons() {
    for (ui::CommandButton* b : {&cmdPurchase, &cmdReturn, &cmdForce, &cmdPre, &cmdVoid}) b->setBackColor(ui::color::kLightGrey);
}

// What each mode shows. The cash boxes stay as they were when a mode leaves them alone, so a
// Return or a Force keeps whatever the mode before it showed.
struct ModeLook {
    ui::CommandButton frmTender::*button;
    const char* caption;
    bool find;         // looking a receipt up, for a void
    bool approval;     // the approval code given for a forced sale
    bool cardEntry;    // the card number and expiry can be typed
    bool extras;       // address, zip, security code and coupon; the cash boxes too where set
    bool cashFollows;  // the cash boxes follow the extras
};

namespace {

constexpr ModeLook kPurchase{&frmTender::cmdPurchase, "Purchase", false, false, true, true, true};
constexpr ModeLook kReturn{&frmTender::cmdReturn, "Return", false, false, true, false, false};
constexpr ModeLook kForce{&frmTender::cmdForce, "Force", false, true, true, false, false};
constexpr ModeLook kPre{&frmTender::cmdPre, "Pre-Authorization", false, false, true, true, true};
constexpr ModeLook kVoid{&frmTender::cmdVoid, "Void", true, false, false, false, true};

}  // namespace

void frmTender::selectMode(const ModeLook& mode) {
    frame.setCaption(mode.caption);
    ResetModeButtons();
    (this->*mode.button).setBackColor(ui::color::kLightGreen);
    cmdFind.setVisible(mode.find);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&lblApproval, &txtApproval}) c->setVisible(mode.approval);
    txtCardNu.setEnabled(mode.cardEntry);
    txtExp.setEnabled(mode.cardEntry);
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&lblAddress, &txtAddress, &lblZip, &txtZip, &lblCVC, &txtCVC})
        c->setVisible(mode.extras);
    if (mode.cashFollows)
        for (ui::Control* c : std::initializer_list<ui::Control*>{&lblGet, &cmdCash, &txtGet, &cmdEmpty})
            c->setVisible(mode.extras);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&cmdCoupon, &cmdEmpty1, &txtCoupon})
        c->setVisible(mode.extras);
}

void frmTender::cmdPurchase_Click() { selectMode(kPurchase); }

void frmTender::cmdReturn_Click() { selectMode(kReturn); }

void frmTender::cmdForce_Click() { selectMode(kForce); }

void frmTender::cmdPre_Click() { selectMode(kPre); }

void frmTender::cmdVoid_Click() { selectMode(kVoid); }

// ---- Keypad ----

void frmTender::comNumber_Click(int index) { keypad(std::to_string(index)); }

void frmTender::cmdBack_Click() { keypad("00"); }

// Amount targets take the whole entry as cents, so the keys build the amount from the right;
// the receipt and approval boxes take each key's digits as they come.
void frmTender::keypad(const std::string& digits) {
    const std::string& target = cmdKeypad.tag();
    if (target.empty() || target == "InputCoupon" || target == "InputPaid") {
        std::string entry = txtFEntr.text() + digits;
        if (entry.size() > kLongestEntry) return;
        txtFEntr.setText(entry);
        core::Money amount = core::Money::fromInt(std::stoll(entry)).dividedBy(core::Money::fromInt(100)).value();
        ui::TextBox& box = target.empty() ? txtGet : target == "InputCoupon" ? txtCoupon : txtPaid;
        box.setText(core::format(amount, kKeypadFormat));
    } else if (target == "Inv" || target == "Appr") {
        txtFEntr.setText(txtFEntr.text() + digits);
        ui::TextBox& box = target == "Inv" ? txtInv : txtApproval;
        box.setText(box.text() + txtFEntr.text());
        txtFEntr.setText("");
    }
}

// ---- Box clicks and the amount buttons ----

void frmTender::txtGet_Click() {
    txtGet.setText("");
    txtFEntr.setText("");
    cmdKeypad.setTag("");
}

void frmTender::txtInv_Click() {
    for (ui::TextBox* box : {&txtInv, &txtFEntr, &txtCardNu, &txtExp, &txtEnding}) box->setText("");
    cmdKeypad.setTag("Inv");
}

void frmTender::txtApproval_Click() {
    txtApproval.setText("");
    txtFEntr.setText("");
    cmdKeypad.setTag("Appr");
}

void frmTender::txtCoupon_Click() {
    txtCoupon.setText("");
    txtFEntr.setText("");
    cmdKeypad.setTag("InputCoupon");
    txtCoupon.SetFocus();
}

void frmTender::txtPaid_Click() {
    txtPaid.setText("");
    txtFEntr.setText("");
    cmdKeypad.setTag("InputPaid");
    txtPaid.SetFocus();
}

void frmTender::txtEnding_Click() { txtEnding.setText(""); }

// Cash pays the amount due, and what is paid in cash is no card payment.
void frmTender::cmdCash_Click() {
    cmdNext.setCaption("Submit");
    txtCardNu.setText("");
    txtGet.setText(txtEnding.text());
    cmdNext.SetFocus();
}

void frmTender::cmdCoupon_Click() {
    cmdKeypad.setTag("InputCoupon");
    txtCoupon.setVisible(true);
    cmdEmpty1.setVisible(true);
    txtCoupon.SetFocus();
    txtFEntr.setText("");
}

void frmTender::cmdEmpty_Click() {
    txtGet.setText("");
    txtFEntr.setText("");
}

void frmTender::cmdEmpty1_Click() {
    txtCoupon.setText("");
    txtFEntr.setText("");
}

// As its twins beside the tender and coupon boxes: a button captioned "Empty" that left the box
// full would tell the clerk the wrong thing.
void frmTender::cmdPaid_Click() {
    txtPaid.setText("");
    txtFEntr.setText("");
}

// The pre-paid amount is already on the folio's side, so it takes no part in the change.
void frmTender::txtGet_Change() {
    core::Money change = wholeAmount(txtGet.text()) + wholeAmount(txtCoupon.text()) - wholeAmount(txtEnding.text());
    txtReturn.setText(change.toPlainText());
}

void frmTender::txtCoupon_Change() { txtGet_Change(); }

// Formatted when written by the program, and when the clerk leaves the box or presses Enter, never
// while the clerk is typing: a box rewritten at every key garbles what is being typed.
void frmTender::txtEnding_Change() {
    if (typingEnding_) {
        typingEnding_ = false;
        return;
    }
    reformat(txtEnding);
}

void frmTender::txtEnding_KeyPress(int& keyAscii) {
    if (keyAscii == 13) {
        reformat(txtEnding);
        return;
    }
    typingEnding_ = true;
}

void frmTender::txtEnding_LostFocus() {
    typingEnding_ = false;
    reformat(txtEnding);
}

void frmTender::txtReturn_Change() { reformat(txtReturn); }

// ---- Delivery-order look-up ----

// Each step on its own; a receipt that no order holds fills nothing and says nothing.
void frmTender::cmdFind_Click() {
    datOrders.setRecordSource(std::string(kByReceipt));
    if (db::Status opened = datOrders.Refresh(); !opened) return;
    ui::DataRecordset& orders = datOrders.Recordset();
    if (db::Status found = orders.FindFirst("Inv =" + db::quote(txtInv.text())); !found || orders.noMatch()) return;
    for (auto [field, box] :
         {std::pair{"szNumber_Card", &txtCardNu}, std::pair{"szExp_Card", &txtExp}, std::pair{"Total", &txtEnding}}) {
        auto value = orders.field(field);
        if (value && !value->isNull()) box->setText(value->toText());
    }
    auto received = orders.field("Receive");
    if (received && !received->isNull() && received->toText() != "0") txtGet.setText(received->toText());
}

// ---- Submit and Close ----

// A card that was declined or refused keeps the screen open with its boxes for another try; the
// drawer still opens by the caption the clerk pressed. A processor that cannot be reached opens
// nothing.
void frmTender::cmdNext_Click() {
    bool process = cmdNext.caption() != "Submit";
    if (!txtCardNu.text().empty()) {
        Outcome outcome = RunModeTransaction();
        if (outcome == Outcome::Failed) return;
        if (process) KickCashDrawer();
        if (outcome == Outcome::Declined || outcome == Outcome::Refused) return;
    } else if (!handBack()) {
        return;
    }
    Unload();
}

folio::frmRooms* frmTender::openerRoom() const {
    folio::frmRooms* rooms = ui::forms().find<folio::frmRooms>();
    if (!rooms || opener_ == 0 || rooms->hWnd() != opener_) return nullptr;
    return rooms;
}

// The amount tendered and what the received box holds are read as amounts, whole: "$50.00" is
// fifty, and a text that is not an amount hands nothing back.
bool frmTender::handBack() {
    folio::frmRooms* rooms = openerRoom();
    if (!rooms) {
        ui::MsgBox("The room screen was closed: the payment was not handed back.");
        return false;
    }
    auto tendered = settings::readAmountBox(txtGet.text(), "The tender amount");
    if (!tendered) return false;
    auto before = settings::readAmountBox(rooms->txtGet.text(), "The amount received");
    if (!before) return false;
    auto received = core::checkedAdd(*before, *tendered);
    if (!received) {
        settings::tellTooLarge("The amount received");
        return false;
    }
    rooms->txtGet.setText(core::format(*received, kHandBackFormat));
    return true;
}

void frmTender::cmdClose_Click() { Unload(); }

// ---- Brand display ----

void frmTender::txtCardType_Change() {
    HideBrandButtons();
    const std::string& type = txtCardType.text();
    ui::CommandButton* brand = type == "AMEX"       ? &cmdAmEx
                               : type == "VISA"     ? &cmdVisa
                               : type == "Master"   ? &cmdMaster
                               : type == "Discover" ? &cmdDiscover
                                                    : nullptr;
    if (brand) {
        brand->setVisible(true);
        ShowCardProcessing();
        return;
    }
    cmdNext.setCaption("Submit");
    txtAnswer.setVisible(false);
    ImgXcharge.setVisible(false);
}

void frmTender::HideBrandButtons() {
    for (ui::CommandButton* b : {&cmdAmEx, &cmdVisa, &cmdMaster, &cmdDiscover}) b->setVisible(false);
}

void frmTender::ShowCardProcessing() {
    cmdNext.setCaption("Process");
    txtAnswer.setVisible(true);
    ImgXcharge.setVisible(true);
}

void frmTender::ClearCardFields() {
    for (ui::TextBox* box : {&txtCardNu, &txtCardType, &txtExp, &txtCVC, &txtAddress, &txtZip}) box->setText("");
}

// ---- Card entry ----

CardRun& cardRun() {
    static CardRun run;
    return run;
}

void resetCardRun() { cardRun() = CardRun{}; }

void frmTender::txtCardNu_Click() {
    txtCardNu.setText("");
    txtExp.setText("");
    txtCardNu.setText("-- Swipe Credit Card --");
    txtCardNu.setSelStart(0);
    txtCardNu.setSelLength(23);
}

// The reader ends a swipe with Enter; a typed number has no "%".
void frmTender::txtCardNu_KeyPress(int& keyAscii) {
    if (keyAscii != 13) return;
    if (txtCardNu.text().find('%') == std::string::npos) return;
    ProcessCard();
}

void frmTender::ProcessCard() {
    if (txtEnding.text().empty()) {
        ui::MsgBox("Must provide a dollar amount.");
        return;
    }
    if (!ParseSwipe(txtCardNu.text())) return;
    const std::string& mode = frame.caption();
    auto askForAmount = [this](const char* message) {
        ui::MsgBox(message, ui::kCritical);
        txtGet.SetFocus();
    };
    if (mode == "Purchase") {
        if (txtGet.text().empty()) return;
        txtGet.setText(txtEnding.text());
        CardPurchase();
    } else if (mode == "Return") {
        if (txtGet.text().empty())
            askForAmount("Please Enter Your Return Amount For This Purchase!!!");
        else
            CardReturn();
    } else if (mode == "Force") {
        if (txtGet.text().empty())
            askForAmount("Please Enter Your Tender Amount For This Purchase!!!");
        else
            CardPostAuth();
    } else if (mode == "Pre-Authorization") {
        if (txtGet.text().empty())
            askForAmount("Please Enter Your Tender Amount For This Pre-Auth Purchase!!!");
        else
            CardPreAuth();
    }
}

// Track 1: "%B", the number, "^", the holder, "^", YYMM, further data, "?"; track 2 follows.
bool frmTender::ParseSwipe(const std::string& swipe) {
    CardRun& run = cardRun();
    txtString.setText(swipe);
    std::size_t p1 = swipe.find('^');
    if (p1 == std::string::npos) return false;
    run.HeldCardNumber = p1 > 2 ? swipe.substr(2, p1 - 2) : "";
    std::size_t p2 = swipe.find('^', p1 + 1);
    if (p2 == std::string::npos) return false;
    run.HeldHolderName = swipe.substr(p1 + 1, p2 - p1 - 1);
    run.HeldExpiry = swipe.substr(p2 + 1, 4);
    std::size_t q1 = swipe.find('?');
    run.HeldTrack1 = q1 == std::string::npos ? "" : swipe.substr(0, q1 + 1);
    if (q1 != std::string::npos) {
        std::size_t q2 = swipe.find('?', q1 + 1);
        if (q2 != std::string::npos) run.HeldTrack2 = swipe.substr(q1 + 1, q2 - q1 - 1);
    }
    run.SwipeRead = true;
    ShowSwipedCard();
    return true;
}

namespace {
// MMYY and YYMM are each other's halves swapped.
std::string swapHalves(const std::string& four) {
    if (four.size() < 4) return four.size() > 2 ? four.substr(2) + four.substr(0, 2) : four;
    return four.substr(2, 2) + four.substr(0, 2);
}
}  // namespace

void frmTender::ShowSwipedCard() {
    const CardRun& run = cardRun();
    if (!run.SwipeRead) return;
    txtCardNu.setText(run.HeldCardNumber);
    txtExp.setText(swapHalves(run.HeldExpiry));
}

frmTender::Outcome frmTender::RunModeTransaction() {
    const std::string& mode = frame.caption();
    if (mode == "Purchase") return CardPurchase();
    if (mode == "Force") return CardPostAuth();
    if (mode == "Pre-Authorization") return CardPreAuth();
    return Outcome::NotRun;
}

frmTender::Outcome frmTender::CardPurchase() {
    if (txtGet.text().empty()) {
        ui::MsgBox("Please enter your tender amount first.");
        txtGet.SetFocus();
        return Outcome::Refused;
    }
    return send(Operation::Purchase);
}

frmTender::Outcome frmTender::CardPostAuth() { return send(Operation::PostAuth); }

frmTender::Outcome frmTender::CardPreAuth() { return send(Operation::PreAuth); }

frmTender::Outcome frmTender::CardReturn() { return send(Operation::Return); }

// A processor that cannot be made, or a call that fails, charges nothing: the clerk is told why
// and the screen keeps its boxes.
frmTender::Outcome frmTender::send(Operation operation) {
    CardRun& run = cardRun();
    if (txtExp.text().size() == 4) run.HeldExpiry = swapHalves(txtExp.text());
    if (!run.processor) {
        std::string why;
        run.processor = card::createProcessor(&why);
        if (!run.processor) {
            ui::MsgBox("Card processing is not available: " + why);
            return Outcome::Failed;
        }
    }
    run.ProcessorMessage.clear();
    run.TransactionId.clear();
    if (operation != Operation::PostAuth) {
        run.ApprovalCode.clear();
        run.CardBrand.clear();
    }

    // The processor is handed exactly the amount the folio will record.
    auto amount = settings::readAmountBox(txtGet.text(), "The tender amount");
    if (!amount) return Outcome::Refused;
    core::Money charged = amount->rounded(2);

    card::Request r;
    r.window = hWnd();
    r.folder = Text1.text();
    r.clerk = txtEmply.text();
    r.reference = "PelkPOS" + txtInv.text();
    r.cardNumber = txtCardNu.text();
    r.expiry = run.HeldExpiry;
    r.swipe = operation == Operation::PostAuth ? "" : txtString.text();
    r.setAmount(charged);
    if (operation == Operation::PostAuth) r.approvalCode = txtApproval.text();
    if (operation != Operation::Return) {
        r.zip = txtZip.text();
        r.address = txtAddress.text();
    }
    if (operation == Operation::Purchase || operation == Operation::PreAuth) r.checkDigits = txtCVC.text();

    // A charge is written down on its folio before the processor is asked, so that an approval
    // is never lost to a station that stops before the folio records it.
    std::optional<folio::PendingCard> pending;
    folio::frmRooms* rooms = openerRoom();
    if (operation != Operation::PreAuth && rooms && charged != core::Money{}) {
        std::string why;
        pending = rooms->beginCardPayment(operation == Operation::Return ? -charged : charged, txtCardType.text(),
                                          Text1.text(), &why);
        if (!pending) {
            if (!why.empty()) ui::MsgBox("The card was not charged: the folio could not be written: " + why);
            return Outcome::Failed;
        }
        r.token = pending->token;
    }

    card::Answer answer;
    switch (operation) {
        case Operation::Purchase:
            answer = run.processor->Purchase(r);
            break;
        case Operation::PostAuth:
            answer = run.processor->PostAuth(r);
            break;
        case Operation::PreAuth:
            answer = run.processor->PreAuth(r);
            break;
        case Operation::Return:
            answer = run.processor->Return(r);
            break;
    }
    if (!answer.error.empty()) {
        if (pending) (void)rooms->orderBook().dropCard(pending->token);
        ui::MsgBox("Card processing is not available: " + answer.error);
        return Outcome::Failed;
    }
    run.ProcessorMessage = answer.message;
    run.TransactionId = answer.transactionId;
    if (operation != Operation::PostAuth) {
        run.ApprovalCode = answer.approvalCode;
        run.CardBrand = answer.cardBrand;
    }
    if (answer.approved) {
        // The card is charged now, so the folio records it now; a Pre-Auth only holds an amount.
        if (operation != Operation::PreAuth) {
            if (!pending)
                ui::MsgBox("The card payment was not recorded on a folio. Approval code: " + run.ApprovalCode,
                           ui::kExclamation);
            else if (rooms->orderBook().postCard(pending->token))
                rooms->cardPaymentPosted(operation == Operation::Return ? -charged : charged);
            else
                ui::MsgBox(
                    "The card payment was approved but is not on its folio yet; it will be put there when the "
                    "room is opened again. Approval code: " +
                        run.ApprovalCode,
                    ui::kExclamation);
        }
        PrintCardSlip();
        return Outcome::Approved;
    }
    if (pending) (void)rooms->orderBook().dropCard(pending->token);
    ui::MsgBox("Fail: " + run.ProcessorMessage);
    txtAnswer.setText(run.ProcessorMessage);
    return Outcome::Declined;
}

// ---- Card receipt and drawer ----

void frmTender::PrintCardSlip() {
    settings::SelectFrontPrinter();
    settings::frmInfor& store = ui::forms().get<settings::frmInfor>();
    std::string card = txtCardNu.text();
    std::string lastFour = card.size() > 4 ? card.substr(card.size() - 4) : card;
    std::string failed;
    for (int copy = 0; copy < 2; ++copy) {
        print::Printer& p = print::printer();
        p.PrintQuality = 300;
        p.FontName = "courier new";
        p.PrintQuality = -2;
        p.FontSize = 12;
        p.print(store.txtL1.text());
        p.FontSize = 9;
        p.print(store.txtL2.text());
        p.print(store.txtL3.text());
        p.print();
        if (!txtInv.text().empty()) p.print("Check: " + txtInv.text());
        if (!txtEmply.text().empty()) p.print("Server: " + txtEmply.text());
        p.print("Date: " + core::shortDate(core::clock::today()));
        p.print("Time: " + core::longTime(core::clock::timeOfDay()));
        p.print();
        p.print("Card Type: " + txtCardType.text());
        p.print("Account #: xxxx xxxx " + lastFour);
        p.print("Exp Date : xx/xx");
        p.print("Auth Code: " + cardRun().ApprovalCode);
        p.print();
        p.FontBold = true;
        p.FontSize = 18;
        p.print((frame.caption() == "Return" ? "Return Total: " : "Total: ") + txtGet.text());
        p.FontSize = 12;
        p.FontBold = false;
        p.print();
        p.print("Tip Amount: ......................");
        p.print();
        p.print("Total:............................");
        p.print();
        p.print("X ................................");
        p.print();
        p.print("  I agree to pay above");
        p.print("total amount according to");
        p.print("card issuer agreement.");
        p.print();
        p.print("  Thank You Come Again");
        // Both copies are tried; the clerk hears of a printer fault once.
        if (std::string why = p.EndDoc(); !why.empty() && failed.empty()) failed = why;
    }
    if (!failed.empty()) ui::MsgBox(failed, ui::kExclamation);
    Unload();
}

void KickCashDrawer() {
    static constexpr char kPulse[] = {0x1B, 0x70, 0x00, 0x14, 0x64, 0x0D, 0x0A};
    // A port that cannot be written leaves the drawer shut; there is nothing the clerk could do.
    (void)print::writeToPort(std::string_view(kPulse, sizeof kPulse));
}

}  // namespace pelk::payment
