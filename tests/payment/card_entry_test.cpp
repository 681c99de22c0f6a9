// Card entry on the tender screen: the swipe, the expiry sent, each operation's request, the
// answers kept for the run, the receipt, the drawer pulse and the roads that keep the screen open.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "payment/frmTender.h"
#include "platform/card/card.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "support/screens.h"

namespace pelk::payment {
namespace {

// Records every request and answers as told.
struct Recorder : card::CardProcessor {
    struct Call {
        std::string operation;
        card::Request request;
    };
    std::vector<Call> calls;
    card::Answer answer{true, "APPROVED", "A1", "9", "VISA", ""};
    card::Answer reply(const char* op, const card::Request& r) {
        calls.push_back({op, r});
        return answer;
    }
    card::Answer Purchase(const card::Request& r) override { return reply("Purchase", r); }
    card::Answer PostAuth(const card::Request& r) override { return reply("Post Auth", r); }
    card::Answer PreAuth(const card::Request& r) override { return reply("Pre-Auth", r); }
    card::Answer Return(const card::Request& r) override { return reply("Return", r); }
};

const std::string kPulse("\x1B\x70\x00\x14\x64\x0D\x0A", 7);
const std::string kSwipe = "%B4111111111111111^DOE/JANE^2512101000000000?;4111111111111111=2512101?";

class CardEntry : public test::ScreenTest {
protected:
    CardEntry() {
        resetCardRun();
        recorder_ = std::make_shared<Recorder>();
        card::setProcessorFactory([this](std::string*) { return recorder_; });
        drawer_ = (root_.path() / "drawer.bin").string();
        print::setConfiguredPrinters({print::PrinterInfo{"Receipt", "LPT1:", drawer_}});
        print::setCurrentPrinter(print::PrinterInfo{"Receipt", "LPT1:", drawer_});
    }
    ~CardEntry() override {
        card::setProcessorFactory(nullptr);
        resetCardRun();
    }
    static frmTender& open() {
        ui::forms().get<folio::frmRooms>().Show();
        frmTender& t = ui::forms().get<frmTender>();
        t.Show();
        return t;
    }
    static void click(ui::Control& c) { ASSERT_TRUE(ui::input::click(c)) << c.name(); }
    static void reopen() {
        ui::Unload<frmTender>();
        ui::forms().collect();
    }
    // Pays `amount` by card from a fresh tender screen over the open room screen.
    void pay(const char* mode, const char* amount) {
        frmTender& t = open();
        std::string m = mode;
        if (m == "Purchase") click(t.cmdPurchase);
        if (m == "Force") click(t.cmdForce);
        if (m == "Return") click(t.cmdReturn);
        t.txtCardType.setText("VISA");
        t.txtEnding.setText(amount);
        t.txtGet.setText(amount);
        if (m == "Return") {
            click(t.txtCardNu);
            ASSERT_TRUE(ui::input::type(t.txtCardNu, kSwipe + "\r"));
        } else {
            t.txtCardNu.setText("4242424242424242");
            click(t.cmdNext);
        }
        ui::forms().collect();
    }
    std::shared_ptr<Recorder> recorder_;
    std::string drawer_;
};

// The card is charged at the approval, so the folio records it then: on the header's card
// amount, never as cash received; the received box counts it with the cash, so a folio paid by
// card shows no balance.
TEST_F(CardEntry, AnApprovedCardPaymentIsRecordedOnTheFolio) {
    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    rooms.txtRoom.setText("104");
    rooms.txtGet.setText("100.00");
    pay("Purchase", "25.00");
    ASSERT_FALSE(rooms.cmbRept.text().empty()) << "a folio without a header gets one first";
    std::string inv = "Inv = '" + rooms.cmbRept.text() + "'";
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", inv, "szCard_amt"), "25");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", inv, "szType_Card"), "VISA");
    EXPECT_EQ(field("ZuTb.mdb", "tbTable", "sz_Table = '104'", "sz_Chk"), rooms.cmbRept.text());
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", inv, "Receive"), "(null)");
    EXPECT_EQ(rooms.txtGet.text(), "125.00");
    pay("Force", "10.00");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", inv, "szCard_amt"), "35");
    pay("Pre-Authorization", "50.00");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", inv, "szCard_amt"), "35");
    pay("Return", "5.00");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", inv, "szCard_amt"), "30");
    EXPECT_EQ(rooms.txtGet.text(), "130.00");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "True", "Inv"), rooms.cmbRept.text()) << "one header only";
    EXPECT_TRUE(prompts().empty());
    recorder_->answer.approved = false;
    recorder_->answer.message = "DECLINED";
    pay("Purchase", "12.13");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", inv, "szCard_amt"), "30");
}

TEST_F(CardEntry, ARoomScreenClosedBeforeTheApprovalStillGetsItsReceipt) {
    frmTender& t = open();
    click(t.cmdPurchase);
    t.txtCardNu.setText("4242");
    t.txtGet.setText("5.00");
    ui::forms().get<folio::frmRooms>().Unload();
    ui::forms().collect();
    click(t.cmdNext);
    EXPECT_EQ(prompts(), std::vector<std::string>{"The card payment was not recorded on a folio. Approval code: A1"});
    EXPECT_EQ(print::journal().documents.size(), 2u);
    EXPECT_FALSE(ui::forms().isLoaded<folio::frmRooms>());
    EXPECT_FALSE(ui::forms().isLoaded<frmTender>());
}

TEST_F(CardEntry, EachOperationSendsItsFields) {
    struct Case {
        const char* mode;
        const char* operation;
        bool swipe, checkDigits, approval, address;
    };
    for (const Case& c :
         {Case{"Purchase", "Purchase", true, true, false, true}, Case{"Force", "Post Auth", false, false, true, true},
          Case{"Pre-Authorization", "Pre-Auth", true, true, false, true}}) {
        recorder_->calls.clear();
        frmTender& t = open();
        if (std::string(c.mode) == "Purchase") click(t.cmdPurchase);
        if (std::string(c.mode) == "Force") click(t.cmdForce);
        t.txtEmply.setText("1234");
        t.txtInv.setText("25");
        t.txtCardNu.setText("4242424242424242");
        t.txtExp.setText("0326");
        t.txtString.setText("raw swipe");
        t.txtGet.setText("1,234.50");
        t.txtApproval.setText("777");
        t.txtZip.setText("12345");
        t.txtAddress.setText("1 Main St");
        t.txtCVC.setText("321");
        std::int32_t window = t.hWnd();
        click(t.cmdNext);
        ASSERT_EQ(recorder_->calls.size(), 1u) << c.mode;
        const card::Request& r = recorder_->calls[0].request;
        EXPECT_EQ(recorder_->calls[0].operation, c.operation);
        EXPECT_EQ(r.window, window);
        EXPECT_EQ(r.folder, "C:\\Program Files\\X-Charge\\LocalTran");
        EXPECT_EQ(r.clerk, "1234");
        EXPECT_EQ(r.reference, "PelkPOS25");
        EXPECT_EQ(r.cardNumber, "4242424242424242");
        EXPECT_EQ(r.expiry, "2603");
        EXPECT_EQ(r.swipe, c.swipe ? "raw swipe" : "") << c.mode;
        EXPECT_EQ(r.amount, "1,234.50");
        EXPECT_EQ(r.approvalCode, c.approval ? "777" : "") << c.mode;
        EXPECT_EQ(r.zip, "12345");
        EXPECT_EQ(r.address, "1 Main St");
        EXPECT_EQ(r.checkDigits, c.checkDigits ? "321" : "") << c.mode;
        EXPECT_FALSE(ui::forms().isLoaded<frmTender>()) << c.mode;
        ui::forms().collect();
    }
}

// A Return goes from a swipe only and takes no address, zip or check digits.
TEST_F(CardEntry, AReturnSendsTheSwipeAndTheAmount) {
    frmTender& t = open();
    click(t.cmdReturn);
    std::int32_t window = t.hWnd();
    t.txtEmply.setText("1234");
    t.txtInv.setText("25");
    t.txtZip.setText("12345");
    t.txtAddress.setText("1 Main St");
    t.txtCVC.setText("321");
    t.txtEnding.setText("80.00");
    t.txtGet.setText("20.00");
    click(t.txtCardNu);
    ASSERT_TRUE(ui::input::type(t.txtCardNu, kSwipe + "\r"));
    ASSERT_EQ(recorder_->calls.size(), 1u);
    const card::Request& r = recorder_->calls[0].request;
    EXPECT_EQ(recorder_->calls[0].operation, "Return");
    EXPECT_EQ(r.window, window);
    EXPECT_EQ(r.clerk, "1234");
    EXPECT_EQ(r.reference, "PelkPOS25");
    EXPECT_EQ(r.cardNumber, "4111111111111111");
    EXPECT_EQ(r.expiry, "2512");
    EXPECT_EQ(r.swipe, kSwipe);
    EXPECT_EQ(r.amount, "20.00");
    EXPECT_EQ(r.zip + r.address + r.checkDigits + r.approvalCode, "");
}

TEST_F(CardEntry, ParseSwipeCutsTheTracks) {
    struct Case {
        std::string swipe;
        bool read;
        const char* number;
        const char* holder;
        const char* expiry;
        const char* track1;
        const char* track2;
    };
    for (const Case& c : {
             Case{kSwipe, true, "4111111111111111", "DOE/JANE", "2512", "%B4111111111111111^DOE/JANE^2512101000000000?",
                  ";4111111111111111=2512101"},
             Case{"%B4111^DOE/JANE^2512101", true, "4111", "DOE/JANE", "2512", "", "earlier"},
             Case{"%B4111^DOE/JANE^2512101?;4111=25", true, "4111", "DOE/JANE", "2512", "%B4111^DOE/JANE^2512101?",
                  "earlier"},
             Case{"%B4111111111111111", false, "", "", "", "", "earlier"},
             Case{"%B4111^DOE", false, "4111", "", "", "", "earlier"},
         }) {
        resetCardRun();
        cardRun().HeldTrack2 = "earlier";
        frmTender& t = open();
        EXPECT_EQ(t.ParseSwipe(c.swipe), c.read) << c.swipe;
        const CardRun& run = cardRun();
        EXPECT_EQ(run.HeldCardNumber, c.number) << c.swipe;
        EXPECT_EQ(run.HeldHolderName, c.holder) << c.swipe;
        EXPECT_EQ(run.HeldExpiry, c.expiry) << c.swipe;
        EXPECT_EQ(run.HeldTrack1, c.track1) << c.swipe;
        EXPECT_EQ(run.HeldTrack2, c.track2) << c.swipe;
        EXPECT_EQ(run.SwipeRead, c.read) << c.swipe;
        EXPECT_EQ(t.txtString.text(), c.swipe);
        reopen();
    }
}

TEST_F(CardEntry, ASwipeInPreAuthorizationSendsAtOnce) {
    frmTender& t = open();
    t.txtEnding.setText("100.00");
    t.txtGet.setText("100.00");
    click(t.txtCardNu);
    EXPECT_EQ(t.txtCardNu.text(), "-- Swipe Credit Card --");
    EXPECT_EQ(t.txtCardNu.selLength(), 23);
    ASSERT_TRUE(ui::input::type(t.txtCardNu, kSwipe + "\r"));
    ASSERT_EQ(recorder_->calls.size(), 1u);
    EXPECT_EQ(recorder_->calls[0].operation, "Pre-Auth");
    EXPECT_EQ(recorder_->calls[0].request.expiry, "2512");
    EXPECT_EQ(recorder_->calls[0].request.swipe, kSwipe);
    EXPECT_EQ(recorder_->calls[0].request.cardNumber, "4111111111111111");
    EXPECT_EQ(print::journal().documents.size(), 2u);
    EXPECT_TRUE(print::journal().portBytes().empty()) << "the swipe road opens no drawer";
}

TEST_F(CardEntry, TheSwipeRoadByMode) {
    struct Case {
        const char* mode;
        const char* ending;
        const char* tender;
        const char* sent;
        const char* message;
        const char* tenderAfter;
    };
    for (const Case& c : {
             Case{"Purchase", "80.00", "", "", "", ""},
             Case{"Purchase", "80.00", "5.00", "Purchase", "", "80.00"},
             Case{"Return", "80.00", "", "", "Please Enter Your Return Amount For This Purchase!!!", ""},
             Case{"Return", "80.00", "20.00", "Return", "", "20.00"},
             Case{"Force", "80.00", "", "", "Please Enter Your Tender Amount For This Purchase!!!", ""},
             Case{"Pre-Authorization", "80.00", "", "", "Please Enter Your Tender Amount For This Pre-Auth Purchase!!!",
                  ""},
             Case{"Purchase", "", "5.00", "", "Must provide a dollar amount.", "5.00"},
         }) {
        recorder_->calls.clear();
        std::size_t before = prompts().size();
        frmTender& t = open();
        std::string mode = c.mode;
        if (mode == "Purchase") click(t.cmdPurchase);
        if (mode == "Return") click(t.cmdReturn);
        if (mode == "Force") click(t.cmdForce);
        t.txtEnding.setText(c.ending);
        t.txtGet.setText(c.tender);
        click(t.txtCardNu);
        ASSERT_TRUE(ui::input::type(t.txtCardNu, kSwipe + "\r"));
        std::string sent = recorder_->calls.empty() ? "" : recorder_->calls[0].operation;
        EXPECT_EQ(sent, c.sent) << mode << " " << c.tender;
        std::vector<std::string> all = prompts();
        std::string shown = all.size() > before ? all.back() : "";
        EXPECT_EQ(shown, c.message) << mode << " " << c.tender;
        if (!sent.empty()) {
            EXPECT_EQ(recorder_->calls[0].request.amount, c.tenderAfter);
            EXPECT_FALSE(ui::forms().isLoaded<frmTender>());
        } else {
            ASSERT_TRUE(ui::forms().isLoaded<frmTender>());
            EXPECT_EQ(t.txtGet.text(), c.tenderAfter);
            if (*c.message && std::string(c.message) != "Must provide a dollar amount.") {
                EXPECT_EQ(t.activeControl(), &t.txtGet) << mode;
            }
            if (*c.ending) {
                EXPECT_EQ(t.txtCardNu.text(), "4111111111111111");
                EXPECT_EQ(t.txtExp.text(), "1225");
            }
        }
        EXPECT_TRUE(print::journal().portBytes().empty());
        reopen();
    }
}

TEST_F(CardEntry, EnterAfterATypedNumberOrAnUnreadableSwipeSendsNothing) {
    for (std::string typed : {"4242424242424242\r", "%B4111111111111111\r"}) {
        frmTender& t = open();
        t.txtEnding.setText("10.00");
        t.txtGet.setText("10.00");
        t.txtCardNu.setText("");
        ASSERT_TRUE(ui::input::type(t.txtCardNu, typed));
        EXPECT_TRUE(recorder_->calls.empty()) << typed;
        EXPECT_TRUE(prompts().empty()) << typed;
        EXPECT_EQ(t.txtCardNu.text(), typed.substr(0, typed.size() - 1));
        reopen();
    }
}

TEST_F(CardEntry, TheExpirySentFollowsTheLastFourCharacterExpiry) {
    frmTender& t = open();
    t.txtCardNu.setText("4242");
    t.txtExp.setText("326");
    t.txtGet.setText("10.00");
    click(t.cmdNext);
    ASSERT_EQ(recorder_->calls.size(), 1u);
    EXPECT_EQ(recorder_->calls[0].request.expiry, "");
    ui::forms().collect();

    frmTender& second = open();
    second.txtCardNu.setText("4242");
    second.txtExp.setText("0427");
    second.txtGet.setText("10.00");
    click(second.cmdNext);
    ui::forms().collect();
    frmTender& third = open();
    third.txtCardNu.setText("4242");
    third.txtExp.setText("427");
    third.txtGet.setText("10.00");
    click(third.cmdNext);
    ASSERT_EQ(recorder_->calls.size(), 3u);
    EXPECT_EQ(recorder_->calls[1].request.expiry, "2704");
    EXPECT_EQ(recorder_->calls[2].request.expiry, "2704");
}

TEST_F(CardEntry, SubmitRoadsAndTheDrawer) {
    struct Case {
        const char* mode;
        const char* type;  // the caption follows the brand
        const char* tender;
        bool approved;
        const char* sent;
        bool pulse;
        bool open;
        const char* message;
    };
    for (const Case& c : {
             Case{"Purchase", "VISA", "", true, "", true, true, "Please enter your tender amount first."},
             Case{"Return", "VISA", "10.00", true, "", true, false, ""},
             Case{"Void", "VISA", "10.00", true, "", true, false, ""},
             Case{"Return", "Other", "10.00", true, "", false, false, ""},
             Case{"Purchase", "Other", "10.00", true, "Purchase", false, false, ""},
             Case{"Purchase", "VISA", "10.00", true, "Purchase", true, false, ""},
             Case{"Purchase", "VISA", "10.13", false, "Purchase", true, true, "Fail: DECLINED"},
         }) {
        recorder_->calls.clear();
        recorder_->answer = c.approved ? card::Answer{true, "APPROVED", "A1", "9", "VISA", ""}
                                       : card::Answer{false, "DECLINED", "", "9", "", ""};
        print::resetJournal();
        std::size_t before = prompts().size();
        frmTender& t = open();
        std::string mode = c.mode;
        if (mode == "Purchase") click(t.cmdPurchase);
        if (mode == "Return") click(t.cmdReturn);
        if (mode == "Void") click(t.cmdVoid);
        t.txtCardType.setText(c.type);
        t.txtCardNu.setText("4242424242424242");
        t.txtGet.setText(c.tender);
        click(t.cmdNext);
        std::string sent = recorder_->calls.empty() ? "" : recorder_->calls[0].operation;
        std::string road = mode + " " + c.type + " " + c.tender;
        EXPECT_EQ(sent, c.sent) << road;
        EXPECT_EQ(print::journal().portBytes(), c.pulse ? kPulse : "") << road;
        EXPECT_EQ(ui::forms().isLoaded<frmTender>(), c.open) << road;
        std::vector<std::string> all = prompts();
        EXPECT_EQ(all.size() > before ? all.back() : "", c.message) << road;
        if (c.open) {
            EXPECT_EQ(t.txtCardNu.text(), "4242424242424242") << road;
            if (!c.approved) {
                EXPECT_EQ(t.txtAnswer.text(), "DECLINED");
            }
        }
        reopen();
    }
}

TEST_F(CardEntry, AnApprovedPurchasePrintsTwoReceipts) {
    frmTender& t = open();
    click(t.cmdPurchase);
    t.txtInv.setText("25");
    t.txtEmply.setText("1234");
    t.txtCardType.setText("VISA");
    t.txtCardNu.setText("4242424242424242");
    t.txtGet.setText("25.00");
    click(t.cmdNext);
    const print::Journal& j = print::journal();
    ASSERT_EQ(j.documents.size(), 2u);
    EXPECT_EQ(j.documents[0].texts(), j.documents[1].texts());
    std::vector<std::string> lines = j.documents[0].texts();
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[4], "Check: 25");
    EXPECT_EQ(lines[5], "Server: 1234");
    EXPECT_EQ(lines[6], "Date: 1/5/2026");
    EXPECT_EQ(lines[9], "Card Type: VISA");
    EXPECT_EQ(lines[10], "Account #: xxxx xxxx 4242");
    EXPECT_EQ(lines[11], "Exp Date : xx/xx");
    EXPECT_EQ(lines[12], "Auth Code: A1");
    EXPECT_EQ(lines[14], "Total: 25.00");
    EXPECT_EQ(lines[26], "  Thank You Come Again");
    const std::vector<print::PrintedLine>& printed = j.documents[0].lines;
    EXPECT_EQ(printed[0].fontSize, 12);
    EXPECT_EQ(printed[1].fontSize, 9);
    EXPECT_TRUE(printed[14].bold);
    EXPECT_EQ(printed[14].fontSize, 18);
    EXPECT_FALSE(printed[15].bold);
    EXPECT_EQ(j.portBytes(), kPulse);
    EXPECT_FALSE(ui::forms().isLoaded<frmTender>());
}

TEST_F(CardEntry, ReceiptVariants) {
    // A Force prints the code of the last Purchase, Pre-Auth or Return of the run, or none.
    struct Case {
        const char* mode;
        const char* inv;
        const char* clerk;
        const char* card;
        std::vector<std::string> expected;  // lines 5 to ...
    };
    frmTender& t = open();
    click(t.cmdForce);
    t.txtCardNu.setText("123");
    t.txtGet.setText("5.00");
    click(t.cmdNext);
    ASSERT_EQ(print::journal().documents.size(), 2u);
    std::vector<std::string> lines = print::journal().documents[0].texts();
    ASSERT_EQ(lines.size(), 25u) << "no check and no server line";
    EXPECT_EQ(lines[4], "Date: 1/5/2026");
    EXPECT_EQ(lines[8], "Account #: xxxx xxxx 123");
    EXPECT_EQ(lines[10], "Auth Code: ");
    ui::forms().collect();

    frmTender& pre = open();
    pre.txtCardNu.setText("4242");
    pre.txtGet.setText("5.00");
    click(pre.cmdNext);
    ui::forms().collect();
    recorder_->answer.approvalCode = "NOT KEPT";
    frmTender& force = open();
    click(force.cmdForce);
    force.txtCardNu.setText("4242");
    force.txtGet.setText("5.00");
    click(force.cmdNext);
    ASSERT_EQ(print::journal().documents.size(), 6u);
    EXPECT_EQ(print::journal().documents[4].texts()[10], "Auth Code: A1");
    ui::forms().collect();

    frmTender& back = open();
    click(back.cmdReturn);
    back.txtEnding.setText("5.00");
    back.txtGet.setText("5.00");
    click(back.txtCardNu);
    ASSERT_TRUE(ui::input::type(back.txtCardNu, kSwipe + "\r"));
    ASSERT_EQ(print::journal().documents.size(), 8u);
    EXPECT_EQ(print::journal().documents[6].texts()[12], "Return Total: 5.00");
}

TEST_F(CardEntry, AProcessorThatCannotBeReachedChargesNothing) {
    for (bool created : {false, true}) {
        resetCardRun();
        if (created) {
            recorder_->answer = card::Answer{false, "", "", "", "", "folder not writable"};
            card::setProcessorFactory([this](std::string*) { return recorder_; });
        } else {
            card::setProcessorFactory([](std::string* why) {
                if (why) *why = "not installed";
                return std::shared_ptr<card::CardProcessor>{};
            });
        }
        std::size_t before = prompts().size();
        frmTender& t = open();
        t.txtCardType.setText("VISA");
        t.txtCardNu.setText("4242");
        t.txtGet.setText("5.00");
        click(t.cmdNext);
        ASSERT_EQ(prompts().size(), before + 1);
        EXPECT_EQ(prompts().back(), std::string("Card processing is not available: ") +
                                        (created ? "folder not writable" : "not installed"));
        EXPECT_TRUE(ui::forms().isLoaded<frmTender>());
        EXPECT_EQ(t.txtCardNu.text(), "4242");
        EXPECT_TRUE(print::journal().documents.empty());
        EXPECT_TRUE(print::journal().portBytes().empty());
        reopen();
    }
}

TEST_F(CardEntry, APrinterWithoutAWritablePortTakesNoPulseAndSaysNothing) {
    print::setCurrentPrinter(print::PrinterInfo{"Receipt", "LPT1:", (root_.path() / "no" / "such" / "port").string()});
    KickCashDrawer();
    EXPECT_TRUE(print::journal().portBytes().empty());
    EXPECT_TRUE(prompts().empty());
}

// The receipt printer's fault reaches the clerk once; the payment itself stands.
TEST_F(CardEntry, AReceiptThePrinterRefusesIsToldOnce) {
    print::PrinterInfo broken{"Receipt", "/no/such/folder/port"};
    print::setConfiguredPrinters({broken});
    print::setCurrentPrinter(broken);
    frmTender& t = open();
    t.txtCardNu.setText("4242");
    t.txtGet.setText("5.00");
    click(t.cmdNext);
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_NE(prompts()[0].find("/no/such/folder/port"), std::string::npos) << prompts()[0];
    EXPECT_FALSE(ui::forms().isLoaded<frmTender>());
    EXPECT_EQ(recorder_->calls.size(), 1u);
}

}  // namespace
}  // namespace pelk::payment
