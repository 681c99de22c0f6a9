// The tender screen as the clerk works it: the modes, the keypad and its targets, the change, the
// delivery-order look-up, the brand display and the hand-back into the room screen that opened it.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "payment/frmTender.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "support/screens.h"

namespace pelk::payment {
namespace {

class TenderScreen : public test::ScreenTest {
protected:
    // The room screen shown, then the tender screen over it, as the tender button leaves them.
    static frmTender& open() {
        folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
        rooms.Show();
        frmTender& tender = ui::forms().get<frmTender>();
        tender.Show();
        return tender;
    }
    static frmTender& tender() { return ui::forms().get<frmTender>(); }
    static void click(ui::Control& c) { ASSERT_TRUE(ui::input::click(c)) << c.name(); }
};

TEST(WholeAmount, ReadsTheWholeAmountUpToTheFirstOtherCharacter) {
    struct Case {
        const char* text;
        const char* amount;
    };
    for (const Case& c : {Case{"1,250.00", "1250"}, Case{"1300.00", "1300"}, Case{"", "0"}, Case{"-80.00", "-80"},
                          Case{"12abc", "12"}, Case{"$5.00", "0"}, Case{"1.2.3", "1.2"}, Case{"abc", "0"},
                          Case{" 7.5", "7.5"}, Case{"1,234,567.891", "1234567.891"}})
        EXPECT_EQ(wholeAmount(c.text).toPlainText(), c.amount) << c.text;
}

TEST_F(TenderScreen, OpensInPreAuthorizationWithEveryBoxEmpty) {
    frmTender& t = open();
    EXPECT_EQ(t.frame.caption(), "Pre-Authorization");
    EXPECT_EQ(t.cmdPre.backColor(), 12648384u);
    for (ui::CommandButton* b : {&t.cmdPurchase, &t.cmdReturn, &t.cmdForce, &t.cmdVoid})
        EXPECT_EQ(b->backColor(), 14737632u) << b->name();
    EXPECT_EQ(t.backColor(), 12648384u);
    EXPECT_FALSE(t.cmdFind.visible());
    EXPECT_EQ(t.cmdNext.caption(), "Submit");
    EXPECT_EQ(t.cmdKeypad.tag(), "");
    for (ui::TextBox* b : {&t.txtEmply, &t.txtInv, &t.txtApproval, &t.txtCardNu, &t.txtExp, &t.txtCardType, &t.txtZip,
                           &t.txtAddress, &t.txtCVC, &t.txtPaid, &t.txtEnding, &t.txtGet, &t.txtCoupon, &t.txtReturn,
                           &t.txtFEntr, &t.txtAnswer, &t.txtString})
        EXPECT_EQ(b->text(), "") << b->name();
    EXPECT_EQ(t.Text1.text(), "C:\\Program Files\\X-Charge\\LocalTran");
    EXPECT_FALSE(t.txtAnswer.visible());
    EXPECT_FALSE(t.ImgXcharge.visible());
    EXPECT_EQ(t.datOrders.databaseName(), "C:\\Program Files\\Pelk POS 4\\Ordr.mdb");
}

TEST_F(TenderScreen, TheLookUpReadsTheOrderBookInUse) {
    run("DOZA98.mdb", "UPDATE tbReset SET Reset_txt = 'Training Check Book'");
    frmTender& t = open();
    EXPECT_EQ(t.datOrders.databaseName(), "C:\\Program Files\\Pelk POS 4\\TOrdr.mdb");
}

TEST_F(TenderScreen, EachModeShowsHidesEnablesAndDisablesItsControls) {
    struct Case {
        std::vector<std::string> modes;
        const char* frame;
        bool find, approval, cardEnabled, address, tender, coupon;
    };
    auto press = [](frmTender& t, const std::string& mode) {
        ui::CommandButton& b = mode == "Purchase" ? t.cmdPurchase
                               : mode == "Return" ? t.cmdReturn
                               : mode == "Force"  ? t.cmdForce
                               : mode == "Void"   ? t.cmdVoid
                                                  : t.cmdPre;
        ASSERT_TRUE(ui::input::click(b));
    };
    for (const Case& c : {
             Case{{"Purchase"}, "Purchase", false, false, true, true, true, true},
             Case{{"Return"}, "Return", false, false, true, false, true, false},
             Case{{"Force"}, "Force", false, true, true, false, true, false},
             Case{{"Pre"}, "Pre-Authorization", false, false, true, true, true, true},
             Case{{"Void"}, "Void", true, false, false, false, false, false},
             // Return and Force leave the tender box as Void left it.
             Case{{"Void", "Return"}, "Return", false, false, true, false, false, false},
             Case{{"Void", "Force"}, "Force", false, true, true, false, false, false},
             Case{{"Void", "Purchase"}, "Purchase", false, false, true, true, true, true},
         }) {
        frmTender& t = open();
        for (const std::string& m : c.modes) press(t, m);
        std::string road = c.modes.back();
        EXPECT_EQ(t.frame.caption(), c.frame) << road;
        EXPECT_EQ(t.cmdFind.visible(), c.find) << road;
        EXPECT_EQ(t.lblApproval.visible(), c.approval) << road;
        EXPECT_EQ(t.txtApproval.visible(), c.approval) << road;
        EXPECT_EQ(t.txtCardNu.enabled(), c.cardEnabled) << road;
        EXPECT_EQ(t.txtExp.enabled(), c.cardEnabled) << road;
        for (ui::Control* x :
             std::vector<ui::Control*>{&t.txtAddress, &t.lblAddress, &t.txtZip, &t.lblZip, &t.txtCVC, &t.lblCVC})
            EXPECT_EQ(x->visible(), c.address) << road << " " << x->name();
        for (ui::Control* x : std::vector<ui::Control*>{&t.cmdCash, &t.txtGet, &t.cmdEmpty})
            EXPECT_EQ(x->visible(), c.tender) << road << " " << x->name();
        for (ui::Control* x : std::vector<ui::Control*>{&t.cmdCoupon, &t.cmdEmpty1, &t.txtCoupon})
            EXPECT_EQ(x->visible(), c.coupon) << road << " " << x->name();
        int greens = 0;
        for (ui::CommandButton* b : {&t.cmdPurchase, &t.cmdReturn, &t.cmdForce, &t.cmdPre, &t.cmdVoid})
            greens += b->backColor() == 12648384u;
        EXPECT_EQ(greens, 1) << road;
        t.Unload();
        ui::forms().collect();
    }
}

TEST_F(TenderScreen, TheKeypadFillsItsTarget) {
    using Step = std::function<void(frmTender&)>;
    auto key = [](int digit) {
        return Step{[digit](frmTender& t) { ASSERT_TRUE(ui::input::click(t.comNumber(digit))); }};
    };
    Step doubleZero = [](frmTender& t) { ASSERT_TRUE(ui::input::click(t.cmdBack)); };
    auto on = [](ui::TextBox frmTender::*box) {
        return Step{[box](frmTender& t) { ASSERT_TRUE(ui::input::click(t.*box)); }};
    };
    Step coupon = [](frmTender& t) { ASSERT_TRUE(ui::input::click(t.cmdCoupon)); };
    Step blank = [](frmTender& t) { ASSERT_TRUE(ui::input::click(t.cmdSp)); };
    // The approval box is shown in Force, which leaves the tender box as it was.
    Step force = [](frmTender& t) { ASSERT_TRUE(ui::input::click(t.cmdForce)); };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        ui::TextBox frmTender::*box;
        const char* text;
        const char* entry;
    };
    for (const Case& c : {
             Case{"1 2 5 on the tender", {key(1), key(2), key(5)}, &frmTender::txtGet, "1.25", "125"},
             Case{"then 00", {key(1), key(2), key(5), doubleZero}, &frmTender::txtGet, "125.00", "12500"},
             Case{"a click on the tender empties it",
                  {key(1), key(2), on(&frmTender::txtGet)},
                  &frmTender::txtGet,
                  "",
                  ""},
             Case{"after the click it starts again",
                  {key(9), on(&frmTender::txtGet), key(3)},
                  &frmTender::txtGet,
                  "0.03",
                  "3"},
             Case{"4 then 2 on the receipt", {on(&frmTender::txtInv), key(4), key(2)}, &frmTender::txtInv, "42", ""},
             Case{"00 on the receipt", {on(&frmTender::txtInv), key(4), doubleZero}, &frmTender::txtInv, "400", ""},
             Case{"tender digits, then the approval code",
                  {key(5), key(5), force, on(&frmTender::txtApproval), key(7)},
                  &frmTender::txtApproval,
                  "7",
                  ""},
             Case{"the tender keeps its digits after the approval",
                  {key(5), key(5), force, on(&frmTender::txtApproval), key(7)},
                  &frmTender::txtGet,
                  "0.55",
                  ""},
             Case{"coupon 2 0 0 0", {coupon, key(2), key(0), key(0), key(0)}, &frmTender::txtCoupon, "20.00", "2000"},
             Case{
                 "the pre-paid box", {on(&frmTender::txtPaid), key(7), doubleZero}, &frmTender::txtPaid, "7.00", "700"},
             Case{"the blank key does nothing", {key(1), blank}, &frmTender::txtGet, "0.01", "1"},
             Case{"the Empty of the tender",
                  {key(1), [](frmTender& t) { ASSERT_TRUE(ui::input::click(t.cmdEmpty)); }},
                  &frmTender::txtGet,
                  "",
                  ""},
             Case{"the Empty of the pre-paid box",
                  {on(&frmTender::txtPaid), key(3), [](frmTender& t) { ASSERT_TRUE(ui::input::click(t.cmdPaid)); }},
                  &frmTender::txtPaid,
                  "",
                  ""},
         }) {
        frmTender& t = open();
        for (const Step& s : c.steps) s(t);
        EXPECT_EQ((t.*c.box).text(), c.text) << c.name;
        EXPECT_EQ(t.txtFEntr.text(), c.entry) << c.name;
        t.Unload();
        ui::forms().collect();
    }
}

// An entry longer than an amount can hold would overflow; the key is refused and the box keeps
// the last amount it showed.
TEST_F(TenderScreen, AVeryLongEntryKeepsTheLastAmount) {
    frmTender& t = open();
    click(t.comNumber(1));
    for (int i = 0; i < 30; ++i) click(t.cmdBack);
    EXPECT_EQ(t.txtGet.text(), "1000000000000.00");
    EXPECT_EQ(t.txtFEntr.text(), "1" + std::string(14, '0'));
    EXPECT_TRUE(ui::forms().isLoaded<frmTender>());
}

TEST_F(TenderScreen, TheChangeIsTenderAndCouponLessTheAmountDue) {
    struct Case {
        const char* due;
        const char* coupon;
        const char* tender;
        const char* change;
    };
    for (const Case& c : {Case{"1,250.00", "", "1300.00", "50.00"}, Case{"100.00", "20.00", "", "-80.00"},
                          Case{"1250", "", "1,300.00", "50.00"}, Case{"", "", "12.5", "12.50"},
                          Case{"2,000.00", "", "abc", "-2,000.00"}}) {
        frmTender& t = open();
        t.txtEnding.setText(c.due);
        t.txtCoupon.setText(c.coupon);
        t.txtGet.setText(c.tender);
        EXPECT_EQ(t.txtReturn.text(), c.change) << c.due << " " << c.coupon << " " << c.tender;
        t.Unload();
        ui::forms().collect();
    }
    // The pre-paid amount takes no part, and the amount box alone does not recompute the change.
    frmTender& t = open();
    t.txtPaid.setText("500.00");
    t.txtEnding.setText("1,250.00");
    EXPECT_EQ(t.txtEnding.text(), "1,250.00");
    t.txtGet.setText("1300.00");
    EXPECT_EQ(t.txtReturn.text(), "50.00");
    t.txtEnding.setText("1000");
    EXPECT_EQ(t.txtEnding.text(), "1,000.00");
    EXPECT_EQ(t.txtReturn.text(), "50.00");
}

TEST_F(TenderScreen, CashPaysTheAmountDueAndDropsTheCard) {
    frmTender& t = open();
    t.txtCardType.setText("VISA");
    t.txtCardNu.setText("4242");
    t.txtEnding.setText("99.5");
    click(t.cmdCash);
    EXPECT_EQ(t.cmdNext.caption(), "Submit");
    EXPECT_EQ(t.txtCardNu.text(), "");
    EXPECT_EQ(t.txtGet.text(), "99.50");
    EXPECT_EQ(t.activeControl(), &t.cmdNext);
}

TEST_F(TenderScreen, TheLookUpFillsTheCardAndAmountsOfADeliveryOrder) {
    for (const char* row :
         {"'42', '4111111111111111', '0327', '1250', '0'", "'43', '5500000000000004', '1126', '80.5', '100.00'",
          "'44', NULL, NULL, '12', NULL", "'it''s', '1', '2', '3', '4'"})
        run("Ordr.mdb",
            std::string("INSERT INTO tblDy_Order (Inv, szNumber_Card, szExp_Card, Total, Receive) VALUES (") + row +
                ")");
    struct Case {
        const char* receipt;
        const char* card;
        const char* exp;
        const char* amount;
        const char* tender;
    };
    for (const Case& c : {Case{"42", "4111111111111111", "0327", "1,250.00", "9.99"},
                          Case{"43", "5500000000000004", "1126", "80.50", "100.00"},
                          Case{"44", "", "", "12.00", "9.99"}, Case{"99", "", "", "", "9.99"},
                          Case{"42' OR '1'='1", "", "", "", "9.99"}, Case{"it's", "1", "2", "3.00", "4"}}) {
        frmTender& t = open();
        click(t.cmdVoid);
        t.txtGet.setText("9.99");
        click(t.txtInv);
        t.txtInv.setText(c.receipt);
        click(t.cmdFind);
        EXPECT_EQ(t.txtCardNu.text(), c.card) << c.receipt;
        EXPECT_EQ(t.txtExp.text(), c.exp) << c.receipt;
        EXPECT_EQ(t.txtEnding.text(), c.amount) << c.receipt;
        EXPECT_EQ(t.txtGet.text(), c.tender) << c.receipt;
        EXPECT_TRUE(prompts().empty()) << c.receipt;
        t.Unload();
        ui::forms().collect();
    }
}

TEST_F(TenderScreen, TheBrandDisplayFollowsTheCardType) {
    struct Case {
        const char* type;
        ui::CommandButton frmTender::*brand;
    };
    for (const Case& c : {Case{"AMEX", &frmTender::cmdAmEx}, Case{"VISA", &frmTender::cmdVisa},
                          Case{"Master", &frmTender::cmdMaster}, Case{"Discover", &frmTender::cmdDiscover},
                          Case{"amex", nullptr}, Case{"Other", nullptr}, Case{"", nullptr}}) {
        frmTender& t = open();
        t.txtCardType.setText("VISA");
        t.txtCardType.setText(c.type);
        for (ui::CommandButton* b : {&t.cmdAmEx, &t.cmdVisa, &t.cmdMaster, &t.cmdDiscover})
            EXPECT_EQ(b->visible(), c.brand && b == &(t.*c.brand)) << c.type << " " << b->name();
        EXPECT_EQ(t.cmdNext.caption(), c.brand ? "Process" : "Submit") << c.type;
        EXPECT_EQ(t.txtAnswer.visible(), c.brand != nullptr) << c.type;
        EXPECT_EQ(t.ImgXcharge.visible(), c.brand != nullptr) << c.type;
        t.Unload();
        ui::forms().collect();
    }
}

TEST_F(TenderScreen, ABrandButtonEmptiesTheCardAndSubmitThenHandsBackCash) {
    frmTender& t = open();
    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    t.txtCardNu.setText("4242424242424242");
    t.txtCardType.setText("VISA");
    t.txtExp.setText("1228");
    t.txtCVC.setText("123");
    t.txtAddress.setText("1 Main St");
    t.txtZip.setText("12345");
    click(t.cmdVisa);
    for (ui::TextBox* b : {&t.txtCardNu, &t.txtCardType, &t.txtExp, &t.txtCVC, &t.txtAddress, &t.txtZip})
        EXPECT_EQ(b->text(), "") << b->name();
    EXPECT_EQ(t.cmdNext.caption(), "Submit");
    EXPECT_FALSE(t.cmdVisa.visible());
    t.txtGet.setText("40.00");
    click(t.cmdNext);
    EXPECT_EQ(rooms.txtGet.text(), "40.00");
    EXPECT_FALSE(ui::forms().isLoaded<frmTender>());
}

// A receipt printer stands ready on a port; a payment without a card opens no drawer.
TEST_F(TenderScreen, SubmitWithoutACardAddsTheTenderToTheRoomsReceivedBox) {
    std::string port = (root_.path() / "drawer.bin").string();
    print::setConfiguredPrinters({print::PrinterInfo{"Receipt", "LPT1:", port}});
    struct Case {
        const char* received;
        const char* tender;
        const char* after;
    };
    for (const Case& c : {Case{"1,000.00", "250.00", "1,250.00"}, Case{"1000", "", "1,000.00"},
                          Case{"", "12.5", "12.50"}, Case{"", "", "0.00"}}) {
        frmTender& t = open();
        folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
        rooms.txtEnding.setText("1,100.00");
        rooms.txtGet.setText(c.received);
        t.txtGet.setText(c.tender);
        click(t.cmdNext);
        EXPECT_EQ(rooms.txtGet.text(), c.after) << c.received << " + " << c.tender;
        EXPECT_FALSE(ui::forms().isLoaded<frmTender>());
        rooms.Unload();
        ui::forms().collect();
    }
    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    frmTender& t = open();
    rooms.txtEnding.setText("1,100.00");
    rooms.txtGet.setText("1,000.00");
    t.txtGet.setText("250.00");
    click(t.cmdNext);
    EXPECT_EQ(rooms.txtReturn.text(), "150.00");
    EXPECT_TRUE(print::journal().portBytes().empty());
    EXPECT_TRUE(prompts().empty());
}

TEST_F(TenderScreen, CloseHandsNothingBack) {
    frmTender& t = open();
    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    rooms.txtGet.setText("10.00");
    t.txtGet.setText("250.00");
    click(t.cmdClose);
    EXPECT_FALSE(ui::forms().isLoaded<frmTender>());
    EXPECT_EQ(rooms.txtGet.text(), "10.00");
}

// The cash would otherwise go into a fresh, hidden room screen and be lost with it, or into the
// folio of another room.
TEST_F(TenderScreen, ARoomScreenClosedMeanwhileTakesNoPayment) {
    for (bool reopened : {false, true}) {
        frmTender& t = open();
        t.txtGet.setText("250.00");
        ui::forms().get<folio::frmRooms>().Unload();
        ui::forms().collect();
        if (reopened) ui::forms().get<folio::frmRooms>().txtGet.setText("5.00");
        std::size_t before = prompts().size();
        click(t.cmdNext);
        ASSERT_EQ(prompts().size(), before + 1);
        EXPECT_EQ(prompts().back(), "The room screen was closed: the payment was not handed back.");
        EXPECT_EQ(ui::forms().isLoaded<folio::frmRooms>(), reopened);
        if (reopened) {
            EXPECT_EQ(ui::forms().get<folio::frmRooms>().txtGet.text(), "5.00");
        }
        ASSERT_TRUE(ui::forms().isLoaded<frmTender>());
        EXPECT_EQ(t.txtGet.text(), "250.00");
        t.Unload();
        ui::Unload<folio::frmRooms>();
        ui::forms().collect();
    }
}

// The amount box takes what the clerk types as typed, and is formatted when left or on Enter;
// written by the program it is formatted at once.
TEST_F(TenderScreen, ATypedAmountIsFormattedWhenTheClerkIsDone) {
    frmTender& t = open();
    click(t.txtEnding);
    EXPECT_EQ(t.txtEnding.text(), "");
    ASSERT_TRUE(ui::input::type(t.txtEnding, "212.12"));
    EXPECT_EQ(t.txtEnding.text(), "212.12");
    ASSERT_TRUE(ui::input::type(t.txtEnding, "\r"));
    EXPECT_EQ(t.txtEnding.text(), "212.12");
    click(t.txtEnding);
    ASSERT_TRUE(ui::input::type(t.txtEnding, "1234.5"));
    EXPECT_EQ(t.txtEnding.text(), "1234.5");
    click(t.cmdCash);
    EXPECT_EQ(t.txtEnding.text(), "1,234.50");
    EXPECT_EQ(t.txtGet.text(), "1,234.50");
    t.txtEnding.setText("99");
    EXPECT_EQ(t.txtEnding.text(), "99.00");
}

}  // namespace
}  // namespace pelk::payment
