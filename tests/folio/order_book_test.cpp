// The folio's order book with another station at work on the same folio: a change this screen
// cannot apply safely stores nothing and is told, and card payments written down before the
// processor is asked reach their folio exactly once.

#include "folio/order_book.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "platform/card/card.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "support/screens.h"

namespace pelk::folio {
namespace {

const char* const kChanged =
    "This folio was changed at another station and has been loaded again. Please check it and enter your change "
    "again.";

class OrderBookTest : public test::ScreenTest {
protected:
    OrderBookTest() {
        run("DOZA98.mdb", "UPDATE tbSet SET Tax = '0.1'");
        run("Ordr.mdb",
            "INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal, Tax, Total) VALUES ('7', 'Zu', '10', "
            "'80', '8', '88')");
        run("Ordr.mdb", "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('7', '1', 'Soup', '50')");
        run("Ordr.mdb", "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('7', '1', 'Tea', '30')");
        run("ZuTb.mdb", "INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('10', '7')");
    }
    static db::Database store(std::string_view file) { return std::move(*db::Database::open(os::programPath(file))); }
    // Folio 7 of room 10, recalled as the map opens it.
    static frmRooms& recalled() {
        ui::forms().get<reservations::frmMap>().Show();
        frmRooms& rooms = ui::forms().get<frmRooms>();
        rooms.txtRoom.setText("10");
        rooms.cmbRept.setText("7");
        rooms.cmbRept.setTag("OldNum");
        rooms.Show();
        return rooms;
    }
    static OrderBook book() { return OrderBook(os::programPath("Ordr.mdb"), os::programPath("ZuTb.mdb")); }
    std::vector<std::string> stored() {
        std::vector<std::string> lines;
        auto rows = store("Ordr.mdb").openRecordset("SELECT * FROM tblDetail WHERE Invoice = '7'");
        for (; rows && !rows->eof(); (void)rows->MoveNext())
            lines.push_back(rows->field("szOrder")->toText() + " " + rows->field("Price")->toText());
        return lines;
    }
};

// What another station did between this screen's recall and its save, and what this screen did.
TEST_F(OrderBookTest, AChangeThatCannotBeAppliedSafelyStoresNothingAndIsTold) {
    struct Case {
        const char* name;
        const char* meanwhile;  // run on the order book or ZuTb by the other station
        const char* store;
        bool removeTea;  // this screen removes the Tea line
        std::vector<std::string> after;
        bool told;
    };
    for (const Case& c : {
             Case{"the line removed here was repriced there",
                  "UPDATE tblDetail SET Price = 35 WHERE szOrder = 'Tea'",
                  "Ordr.mdb",
                  true,
                  {"Soup 50", "Tea 35"},
                  true},
             Case{"the line removed here was removed there too",
                  "DELETE FROM tblDetail WHERE szOrder = 'Tea'",
                  "Ordr.mdb",
                  true,
                  {"Soup 50"},
                  true},
             Case{"the folio was checked out there",
                  "DELETE FROM tbTable",
                  "ZuTb.mdb",
                  false,
                  {"Soup 50", "Tea 30"},
                  true},
             Case{"a line added there, another removed here",
                  "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('7', '1', 'Cake', '5')",
                  "Ordr.mdb",
                  true,
                  {"Soup 50", "Cake 5", "Room Charge 10 20"},
                  false},
         }) {
        SCOPED_TRACE(c.name);
        ui::forms().unloadAllSilently();
        ui::forms().collect();
        run("Ordr.mdb", "DELETE FROM tblDetail");
        run("Ordr.mdb", "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('7', '1', 'Soup', '50')");
        run("Ordr.mdb", "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('7', '1', 'Tea', '30')");
        run("Ordr.mdb", "UPDATE tblZu_Order SET SubTotal = 80, Tax = 8, Total = 88 WHERE Inv = '7'");
        run("ZuTb.mdb", "DELETE FROM tbTable");
        run("ZuTb.mdb", "INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('10', '7')");
        std::size_t before = prompts().size();

        frmRooms& rooms = recalled();
        ASSERT_EQ(rooms.grdOrderItems.rows(), 4);
        run(c.store, c.meanwhile);
        if (c.removeTea) {
            rooms.grdOrderItems.RemoveItem(3);
            rooms.txtTotal.setText("50");
        }
        rooms.txtRate.setText("20");
        rooms.txtDate.setText("1");
        ASSERT_TRUE(ui::input::click(rooms.cmdAddto));
        ASSERT_TRUE(ui::input::click(rooms.cmdSave));

        EXPECT_EQ(stored(), c.after);
        if (c.told) {
            ASSERT_EQ(prompts().size(), before + 1);
            EXPECT_EQ(prompts().back(), kChanged);
            // Nothing of this screen's change was stored: the header is as the other station left it.
            EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "Date"), "(null)");
            // The screen shows the folio as it is stored now, for the clerk to enter the change again.
            ASSERT_TRUE(ui::forms().isLoaded("frmRooms"));
            EXPECT_EQ(rooms.grdOrderItems.rows(), 2 + static_cast<int>(c.after.size()));
        } else {
            EXPECT_EQ(prompts().size(), before);
            EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "SubTotal"), "75");
            EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "Total"), "82.5");
        }
    }
}

// A save that writes no open-folio row holds the order book alone, and stays sound when another
// station takes the room's open-folio row away between choosing the stores and saving.
TEST_F(OrderBookTest, ASaveHoldsTheOpenFoliosOnlyWhenItMayWriteThem) {
    const std::string ordr = os::programPath("Ordr.mdb"), zutb = os::programPath("ZuTb.mdb");
    auto folio = [](std::string number, std::string room) {
        FolioChange c;
        c.number = std::move(number);
        c.room = std::move(room);
        return c;
    };
    struct Case {
        const char* name;
        FolioChange change;
        std::vector<std::string> stores;
    };
    for (const Case& c : {
             Case{"the folio's room has its open-folio row", folio("7", "10"), {ordr}},
             Case{"a folio without a header", folio("", "10"), {ordr, zutb}},
             Case{"the folio moved to a room without a row", folio("7", "12"), {ordr, zutb}},
         }) {
        SCOPED_TRACE(c.name);
        auto stores = book().storesToSave(c.change);
        ASSERT_TRUE(stores.ok());
        EXPECT_EQ(*stores, c.stores);
    }

    FolioChange change = folio("7", "10");
    change.added = {NewLine{"1", "Cake", "5"}};
    auto stores = book().storesToSave(change);
    ASSERT_TRUE(stores.ok());
    run("ZuTb.mdb", "DELETE FROM tbTable");  // checked out at another station meanwhile
    db::UnitOfWork work;
    ASSERT_TRUE(work.begin(*stores).ok());
    auto out = book().save(change);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out->result, SaveResult::Changed);
    work.rollback();
    EXPECT_EQ(stored(), (std::vector<std::string>{"Soup 50", "Tea 30"}));
    EXPECT_EQ(count("ZuTb.mdb", "tbTable"), 0);
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "Date"), "(null)");
}

// A processor that approves or declines as told and remembers what it was asked, by token.
class Processor : public card::CardProcessor {
public:
    bool approve = true;
    std::vector<std::string> asked;
    card::Answer Purchase(const card::Request& r) override {
        asked.push_back(r.token);
        return card::Answer{approve, approve ? "APPROVED" : "DECLINED", approve ? "T00001" : ""};
    }
    card::Answer PostAuth(const card::Request& r) override { return Purchase(r); }
    card::Answer PreAuth(const card::Request& r) override { return Purchase(r); }
    card::Answer Return(const card::Request& r) override { return Purchase(r); }
    std::optional<card::Answer> Lookup(const std::string&, const std::string& token) override {
        for (const std::string& t : asked)
            if (t == token) return card::Answer{approve, "", approve ? "T00001" : ""};
        return std::nullopt;
    }
};

TEST_F(OrderBookTest, APendingCardPaymentReachesItsFolioOnceAfterAStop) {
    FolioChange header;
    header.number = "7";
    Processor processor;
    // Approved, then the station stopped before the folio recorded it; asked and declined; never
    // asked at all.
    auto approved = book().beginCard(header, core::Money::fromInt(40), "VISA", "C:\\Card");
    ASSERT_TRUE(approved);
    processor.asked.push_back(approved->token);
    auto never = book().beginCard(header, core::Money::fromInt(15), "VISA", "C:\\Card");
    ASSERT_TRUE(never);
    EXPECT_NE(approved->token, never->token);
    EXPECT_EQ(count("Ordr.mdb", "tblCardPending"), 2);
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "szCard_amt"), "(null)");

    auto settled = book().settlePendingCards(processor);
    ASSERT_TRUE(settled);
    EXPECT_EQ(*settled, 1);
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "szCard_amt"), "40");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "szType_Card"), "VISA");
    EXPECT_EQ(count("Ordr.mdb", "tblCardPending"), 0);
    // Settled again, or posted by the station that asked: nothing more.
    EXPECT_EQ(*book().settlePendingCards(processor), 0);
    EXPECT_TRUE(book().postCard(approved->token));
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "szCard_amt"), "40");

    // Declined: dropped, nothing on the folio.
    processor.approve = false;
    auto declined = book().beginCard(header, core::Money::fromInt(9), "VISA", "C:\\Card");
    ASSERT_TRUE(declined);
    processor.asked.push_back(declined->token);
    EXPECT_EQ(*book().settlePendingCards(processor), 0);
    EXPECT_EQ(count("Ordr.mdb", "tblCardPending"), 0);
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", "szCard_amt"), "40");

    // A processor that cannot tell leaves the payment pending for a later start.
    class Silent : public Processor {
        std::optional<card::Answer> Lookup(const std::string&, const std::string&) override {
            card::Answer a;
            a.error = "no records";
            return a;
        }
    } silent;
    ASSERT_TRUE(book().beginCard(header, core::Money::fromInt(3), "VISA", "C:\\Card"));
    EXPECT_EQ(*book().settlePendingCards(silent), 0);
    EXPECT_EQ(count("Ordr.mdb", "tblCardPending"), 1);
}

// A card taken on a folio never saved gives it its header and open-folio row first, so the
// approval has a folio to go to; the lines are still the screen's to store.
TEST_F(OrderBookTest, ACardOnANewFolioGivesItAHeaderFirst) {
    FolioChange header;
    header.room = "12";
    auto pending = book().beginCard(header, core::Money::fromInt(25), "", "C:\\Card");
    ASSERT_TRUE(pending);
    EXPECT_FALSE(pending->number.empty());
    EXPECT_EQ(count("Ordr.mdb", "tblZu_Order", "Room = '12' AND Inv = '" + pending->number + "'"), 1);
    EXPECT_EQ(count("ZuTb.mdb", "tbTable", "sz_Table = '12' AND sz_Chk = '" + pending->number + "'"), 1);
    ASSERT_TRUE(book().postCard(pending->token));
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '" + pending->number + "'", "szCard_amt"), "25");
}

}  // namespace
}  // namespace pelk::folio
