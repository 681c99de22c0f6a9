// The room screen as the map leaves it and the clerk works it: its marks and stores, the clerk
// look-up, the nights and the rate, the room charge and the chain of totals, and the stay it
// keeps as its own.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "folio/stores.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/host.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "settings/frmInfor.h"
#include "support/screens.h"

namespace pelk::folio {
namespace {

class RoomScreen : public test::ScreenTest {
protected:
    static frmRooms& screen() { return ui::forms().get<frmRooms>(); }
    // Every form anew, the settings holders too, so they read the stores as they stand now.
    static void reopen() {
        ui::forms().unloadAllSilently();
        ui::forms().collect();
    }
    static void rates(const std::string& country, const std::string& tax1, const std::string& tax2) {
        run("DOZA98.mdb", "UPDATE tbSet SET setL = '" + country + "', Tax = '" + tax1 + "', TaxFed = '" + tax2 + "'");
    }
    static std::vector<std::string> line(int row) {
        std::vector<std::string> cells;
        for (int c = 0; c < 4; ++c) cells.push_back(screen().grdOrderItems.textMatrix(row, c));
        return cells;
    }
};

TEST_F(RoomScreen, OpensWithAnEmptyFolioAndItsLists) {
    frmRooms& rooms = screen();
    EXPECT_EQ(rooms.grdOrderItems.rows(), 2);
    EXPECT_EQ(rooms.grdOrderItems.text(), "");
    for (ui::TextBox* box : {&rooms.txtTotal, &rooms.txtDITax1, &rooms.txtEnding, &rooms.txtReturn})
        EXPECT_EQ(box->text(), "0.00") << box->name();
    EXPECT_EQ(rooms.cmbRept.text(), "");
    EXPECT_EQ(rooms.cmbRept.tag(), "");
    EXPECT_EQ(rooms.cmdMainM.tag(), "Main");
    EXPECT_FALSE(rooms.cmdLast.visible());
    EXPECT_FALSE(rooms.cmdNext.visible());
    std::vector<std::string> types;
    for (int i = 0; i < rooms.cmbIDtype.listCount(); ++i) types.push_back(rooms.cmbIDtype.list(i));
    EXPECT_EQ(types,
              (std::vector<std::string>{"Driver License", "Student ID", "Passport", "Green Card", "Foreign ID"}));
    // The car years run from this year (the clock stands in 2026) back to 1985.
    EXPECT_EQ(rooms.cmbYrs.listCount(), 42);
    EXPECT_EQ(rooms.cmbYrs.list(0), "2026");
    EXPECT_EQ(rooms.cmbYrs.list(41), "1985");
    for (int k = 1; k <= 16; ++k) EXPECT_FALSE(rooms.Text(k).visible()) << "the section page numbers no slots";
}

TEST_F(RoomScreen, TheOrderBookAndTheSecondTaxFollowTheSettings) {
    struct Case {
        const char* book;
        const char* country;
        const char* cmdT;
        const char* lblChk;
        std::string_view file;
        bool secondTax;
    };
    for (const Case& c : {Case{"Check Book", "Canada", "", "#", kOrderBook, true},
                          Case{"Training Check Book", "canada", "T", "T", kTrainingOrderBook, false},
                          Case{"Check Book", "USA", "", "#", kOrderBook, false}}) {
        run("DOZA98.mdb", std::string("UPDATE tbReset SET Reset_txt = '") + c.book + "'");
        rates(c.country, "0", "0");
        reopen();
        frmRooms& rooms = screen();
        EXPECT_EQ(rooms.cmdT.caption(), c.cmdT) << c.book;
        EXPECT_EQ(rooms.cmdT.visible(), *c.cmdT != '\0') << "no blank button for the business book";
        EXPECT_EQ(rooms.lblChk.caption(), c.lblChk) << c.book;
        EXPECT_EQ(rooms.datOrders.databaseName(), os::programPath(c.file)) << c.book;
        EXPECT_EQ(rooms.datDetail.databaseName(), os::programPath(c.file)) << c.book;
        EXPECT_EQ(rooms.txtDITax2.visible(), c.secondTax) << c.country;
    }
}

TEST_F(RoomScreen, OnASharingStationTheDataStoresLieInTheSharedFolder) {
    run("DOZA98.mdb", "UPDATE tbSet SET SetC = 'File Sharing', SetP = '\\\\srv\\', SetO = 'Data'");
    frmRooms& rooms = screen();
    for (ui::Data* data :
         {&rooms.datOrders, &rooms.datDetail, &rooms.datEmployees, &rooms.datTable, &rooms.datVRoom, &rooms.datZuChkO})
        EXPECT_EQ(data->databaseName().rfind("\\\\srv\\Data\\", 0), 0u) << data->name() << " " << data->databaseName();
    EXPECT_EQ(rooms.datPW.databaseName(), os::programPath("DOZA98.mdb"));
    EXPECT_EQ(rooms.datMain.databaseName(), os::programPath("ZuBak.mdb"));
    EXPECT_EQ(rooms.datList.databaseName(), os::programPath("ZuBak.mdb"));
}

TEST_F(RoomScreen, TheClerkIsLookedUpByAWholeCodeOfFourOrMore) {
    for (const char* row : {"('1234', 'Ann')", "('12345', 'Bea')", "('0000', 'Zero')", "('A123', 'Al')",
                            "('123', 'Short')", "('12''3', 'Quote')"})
        run("Infor.mdb", std::string("INSERT INTO tbEmplo (szID_no, sFirst_nm) VALUES ") + row);
    struct Case {
        const char* typed;
        const char* name;  // lblID afterwards, from an empty start
    };
    for (const Case& c : {Case{"123", ""}, Case{"1234", "Ann"}, Case{"0000", ""}, Case{"A123", ""},
                          Case{"12345", "Bea"}, Case{"12'3", "Quote"}, Case{"9999", ""}}) {
        reopen();
        frmRooms& rooms = screen();
        rooms.txtWaiter.setText(c.typed);
        EXPECT_EQ(rooms.lblID.caption(), c.name) << c.typed;
        EXPECT_EQ(rooms.txtWaiter.passwordChar(), "*") << c.typed;
    }
    EXPECT_TRUE(prompts().empty());

    // A known code, then an unknown one: the first name stays; emptying the box keeps it too.
    frmRooms& rooms = screen();
    rooms.Show();
    rooms.txtWaiter.setText("1234");
    rooms.txtWaiter.setText("7777");
    EXPECT_EQ(rooms.lblID.caption(), "Ann");
    ASSERT_TRUE(ui::input::click(rooms.txtWaiter));
    EXPECT_EQ(rooms.txtWaiter.text(), "");
    EXPECT_EQ(rooms.lblID.caption(), "Ann");
    rooms.txtWaiter.setText("12345");
    rooms.ImgID_Click();
    EXPECT_EQ(rooms.txtWaiter.text(), "");
    EXPECT_EQ(rooms.lblID.caption(), "Bea");
}

TEST_F(RoomScreen, ActivationCountsTheNightsAndFormatsTheRate) {
    struct Case {
        const char* in;
        const char* out;
        const char* rate;
        const char* nights;
        const char* shownRate;
    };
    for (const Case& c :
         {Case{"12/01/2005", "12/04/2005", "85", "3", "85.00"},
          Case{"12/4/2005", "12/4/2005", "1234.5", "0", "1,234.50"},
          Case{"12/4/2005", "12/1/2005", "1,234.50", "-3", "1,234.50"}, Case{"soon", "12/4/2005", "abc", "7", "abc"}}) {
        reopen();
        frmRooms& rooms = screen();
        rooms.txtDate.setText("7");
        rooms.txtDateIn.setText(c.in);
        rooms.txtDateOut.setText(c.out);
        rooms.txtRate.setText(c.rate);
        rooms.Show();
        EXPECT_EQ(rooms.txtDate.text(), c.nights) << c.in << " " << c.out;
        EXPECT_EQ(rooms.txtRate.text(), c.shownRate) << c.rate;
    }
    // An edit of the dates counts at the next activation.
    frmRooms& rooms = screen();
    rooms.txtDateIn.setText("12/1/2005");
    rooms.Form_Activate();
    EXPECT_EQ(rooms.txtDate.text(), "3");
}

TEST_F(RoomScreen, TheTotalsFollowTheSubtotalAndTheChangeFollowsThePayment) {
    struct Case {
        const char* country;
        const char* tax1;
        const char* tax2;
        const char* subtotal;
        const char* shownSubtotal;
        const char* shownTax1;
        const char* shownTax2;  // the second box, which only Canada writes
        const char* total;
    };
    for (const Case& c : {Case{"USA", "0.075", "0.08", "2000", "2,000.00", "150.00", "0.00", "2,150.00"},
                          Case{"Canada", "0.05", "0.08", "100", "100.00", "5.00", "8.40", "113.40"},
                          Case{"USA", "0.075", "0.08", "27", "27.00", "2.03", "0.00", "29.03"},
                          Case{"USA", "abc", "0.08", "1,000.00", "1,000.00", "0.00", "0.00", "1,000.00"},
                          Case{"USA", "", "", "50.5", "50.50", "0.00", "0.00", "50.50"},
                          Case{"Canada", "0.05", "0.08", "0", "0.00", "0.00", "0.00", "0.00"}}) {
        rates(c.country, c.tax1, c.tax2);
        reopen();
        frmRooms& rooms = screen();
        rooms.txtDITax2.setText("0.00");
        rooms.txtTotal.setText(c.subtotal);
        EXPECT_EQ(rooms.txtTotal.text(), c.shownSubtotal) << c.subtotal;
        EXPECT_EQ(rooms.txtDITax1.text(), c.shownTax1) << c.subtotal << " at " << c.tax1;
        EXPECT_EQ(rooms.txtDITax2.text(), c.shownTax2) << c.country;
        EXPECT_EQ(rooms.txtEnding.text(), c.total) << c.subtotal;
    }
    // The rate is read at each change: a new rate counts at once.
    rates("USA", "0.1", "0");
    reopen();
    frmRooms& rooms = screen();
    rooms.txtTotal.setText("10");
    EXPECT_EQ(rooms.txtEnding.text(), "11.00");
    // A subtotal that is no amount leaves the taxes and the total as they were.
    rooms.txtTotal.setText("ten");
    EXPECT_EQ(rooms.txtDITax1.text(), "1.00");
    EXPECT_EQ(rooms.txtEnding.text(), "11.00");

    struct Pay {
        const char* total;
        const char* received;
        const char* coupon;
        const char* change;
    };
    rates("USA", "0", "0");
    for (const Pay& p : {Pay{"113.40", "120.00", "", "6.60"}, Pay{"113.40", "120.00", "10", "16.60"},
                         Pay{"113.40", "120.00", "1,000.00", "1,006.60"}, Pay{"113.40", "100.00", "", "-13.40"},
                         Pay{"1,150.00", "1,500.00", "", "350.00"}}) {
        reopen();
        frmRooms& r = screen();
        r.txtTotal.setText(p.total);
        r.txtCoupon.setText(p.coupon);
        r.txtGet.setText(p.received);
        EXPECT_EQ(r.txtReturn.text(), p.change) << p.received << " on " << p.total << " coupon " << p.coupon;
    }
}

TEST_F(RoomScreen, ARoomChargeIsRateTimesNightsAndCountsAgainstAPayment) {
    rates("USA", "0", "0");
    struct Case {
        const char* rate;
        const char* nights;
        const char* charge;
    };
    for (const Case& c : {Case{"250.00", "5", "1,250.00"}, Case{"1,200.00", "3", "3,600.00"},
                          Case{"250.00", "", "0.00"}, Case{"", "5", "0.00"}, Case{"$8.50", "2", "17.00"}}) {
        reopen();
        frmRooms& rooms = screen();
        rooms.Show();
        rooms.txtRoom.setText("104");
        rooms.txtRate.setText(c.rate);
        rooms.txtDate.setText(c.nights);
        ASSERT_TRUE(ui::input::click(rooms.cmdAddto));
        ASSERT_EQ(rooms.grdOrderItems.rows(), 3) << c.rate;
        EXPECT_EQ(line(2), (std::vector<std::string>{c.nights, "Room Charge 104", c.charge, ""})) << c.rate;
        std::string subtotal = std::string(c.charge) == "0.00" ? "0.00" : c.charge;
        EXPECT_EQ(rooms.txtTotal.text(), subtotal) << c.rate;
    }
    // A box that is not wholly an amount, or a charge beyond what the books hold, posts nothing
    // and the clerk is told which box.
    struct Refused {
        const char* rate;
        const char* nights;
        const char* told;
    };
    for (const Refused& c :
         {Refused{"abc", "5", "The rate \"abc\" is not an amount. Please type it again; nothing was posted."},
          Refused{"1e308", "5", "The rate \"1e308\" is not an amount. Please type it again; nothing was posted."},
          Refused{"12,34", "5",
                  "The rate \"12,34\" has a comma out of place. Please type it again; nothing was posted."},
          Refused{"-80.00", "1", "The rate \"-80.00\" is below zero. Please type it again; nothing was posted."},
          Refused{"80.00", "2/30/2026",
                  "The number of nights \"2/30/2026\" is not an amount. Please type it again; nothing was posted."},
          Refused{"100,000,000,000,000", "30", "The room charge is too large to be posted; nothing was posted."}}) {
        reopen();
        frmRooms& rooms = screen();
        rooms.Show();
        rooms.txtRoom.setText("104");
        rooms.txtRate.setText(c.rate);
        rooms.txtDate.setText(c.nights);
        std::size_t before = prompts().size();
        ASSERT_TRUE(ui::input::click(rooms.cmdAddto));
        EXPECT_EQ(rooms.grdOrderItems.rows(), 2) << c.rate;
        EXPECT_EQ(rooms.txtTotal.text(), "0.00") << c.rate;
        ASSERT_EQ(prompts().size(), before + 1) << c.rate;
        EXPECT_EQ(prompts().back(), c.told);
    }

    // Twice: two lines and twice the charge; the station code of the section opened last.
    reopen();
    frmRooms& rooms = screen();
    rooms.Show();
    rooms.txtRoom.setText("104");
    rooms.txtRate.setText("250.00");
    rooms.txtDate.setText("5");
    rooms.lblScrn.setCaption("B");
    ASSERT_TRUE(ui::input::click(rooms.cmdAddto));
    ASSERT_TRUE(ui::input::click(rooms.cmdAddto));
    EXPECT_EQ(rooms.grdOrderItems.rows(), 4);
    EXPECT_EQ(line(3)[3], "B");
    EXPECT_EQ(rooms.txtTotal.text(), "2,500.00");

    // After a payment a new charge is set against it at once; without one the change stays.
    reopen();
    frmRooms& paid = screen();
    paid.Show();
    paid.txtRate.setText("10.00");
    paid.txtDate.setText("1");
    paid.txtTotal.setText("113.40");
    EXPECT_EQ(paid.txtReturn.text(), "0.00");
    paid.txtGet.setText("120.00");
    EXPECT_EQ(paid.txtReturn.text(), "6.60");
    ASSERT_TRUE(ui::input::click(paid.cmdAddto));
    EXPECT_EQ(paid.txtReturn.text(), "-3.40");
}

TEST_F(RoomScreen, AskingForTheClerkChangingTheRoomAndClosing) {
    reservations::frmMap& map = ui::forms().get<reservations::frmMap>();
    map.Show();
    frmRooms& rooms = screen();
    rooms.Show();
    rooms.txtWaiter.setText("55");
    rooms.AskForClerkId();
    ASSERT_EQ(prompts(), std::vector<std::string>{"Please Enter Your ID"});
    EXPECT_EQ(host().messageBoxes()[0].style, ui::kCritical);
    EXPECT_EQ(host().messageBoxes()[0].title, "Pelk POS 4");
    EXPECT_EQ(rooms.txtWaiter.text(), "");
    EXPECT_TRUE(rooms.txtWaiter.hasFocus());

    ASSERT_TRUE(ui::input::click(rooms.cmdChngRm));
    EXPECT_TRUE(rooms.txtRoom.hasFocus());
    EXPECT_EQ(rooms.txtRoom.backColor(), 255u);

    ASSERT_TRUE(ui::input::click(rooms.cmdClose));
    EXPECT_FALSE(ui::forms().isLoaded("frmRooms"));
    EXPECT_TRUE(map.visible());
}

// The stay the screen works on: the row the map filled it from, else the room's stay with the
// phone typed; never another guest's.
TEST_F(RoomScreen, TheOwnStayIsTheRowTheMapFilledItFrom) {
    for (const char* row : {"('Ann', '555-1000', '101')", "('Bea', '555-1000', '101')", "('Cy', '555-10001', '102')",
                            "('Di', '555-2000', '103')"})
        run("ZuReserv.mdb", std::string("INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1) VALUES ") + row);
    auto ownName = [](frmRooms& rooms) -> std::string {
        if (!rooms.findOwnStay()) return "(none)";
        return rooms.datVRoom.Recordset().field("sLast_na")->toText();
    };
    // Filled from Bea's row, whose phone Ann's row carries too.
    {
        frmRooms& rooms = screen();
        ASSERT_TRUE(rooms.datVRoom.Refresh());
        ui::DataRecordset& stays = rooms.datVRoom.Recordset();
        ASSERT_TRUE(stays.FindFirst("sLast_na = 'Bea'"));
        rooms.keepOwnStay(*stays.bookmark());
        ASSERT_TRUE(stays.MoveFirst());
        rooms.txtPhone.setText("555-1000");
        rooms.txtRoom.setText("101");
        EXPECT_EQ(ownName(rooms), "Bea");
        // Deleted since: there is no own stay, and no other row takes its place.
        run("ZuReserv.mdb", "DELETE FROM tblReserv WHERE sLast_na = 'Bea'");
        EXPECT_EQ(ownName(rooms), "(none)");
    }
    struct Case {
        const char* phone;
        const char* room;
        const char* stay;
    };
    for (const Case& c :
         {Case{"555-1000", "101", "Ann"}, Case{"555-10", "102", "Cy"}, Case{"555-1000", "103", "(none)"},
          Case{"", "103", "(none)"}, Case{"555-2000", "103", "Di"}, Case{"555*", "103", "(none)"}}) {
        reopen();
        frmRooms& rooms = screen();
        rooms.txtPhone.setText(c.phone);
        rooms.txtRoom.setText(c.room);
        EXPECT_EQ(ownName(rooms), c.stay) << c.phone << " in " << c.room;
    }
}

}  // namespace
}  // namespace pelk::folio
