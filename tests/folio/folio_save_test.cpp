// The folio save and recall over small fixtures: the guest's own stay, the header numbered
// exactly, a header gone from the order book, an emptied folio, and a save the stores refuse.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "support/screens.h"

namespace pelk::folio {
namespace {

class FolioSave : public test::ScreenTest {
protected:
    static void reopen() {
        ui::forms().unloadAllSilently();
        ui::forms().collect();
    }
    // The room screen shown over the map, as the map opens it.
    static frmRooms& opened() {
        ui::forms().get<reservations::frmMap>().Show();
        frmRooms& rooms = ui::forms().get<frmRooms>();
        return rooms;
    }
    // Keeps the stay with that last name as the screen's own, as the map hands it over.
    static void ownStay(frmRooms& rooms, const std::string& lastName) {
        ASSERT_TRUE(rooms.datVRoom.Refresh());
        ui::DataRecordset& stays = rooms.datVRoom.Recordset();
        ASSERT_TRUE(stays.FindFirst("sLast_na = '" + lastName + "'"));
        ASSERT_FALSE(stays.noMatch()) << lastName;
        rooms.keepOwnStay(*stays.bookmark());
    }
};

TEST_F(FolioSave, TheGuestUpdateWritesTheOwnStayOnly) {
    struct Case {
        const char* name;
        const char* own;  // the stay the map handed over, or "" for a screen it could not fill
        const char* phone;
        const char* room;
        const char* idType;
        const char* idNumber;
        // Afterwards: Ann's and Bea's room, ID type, ID number and phone.
        std::vector<std::string> ann, bea;
    };
    const std::vector<std::string> annAsStored{"101", "(null)", "N1", "555-1000"};
    const std::vector<std::string> beaAsStored{"102", "(null)", "(null)", "555-1000"};
    for (const Case& c : {
             Case{"an empty number keeps the stored one",
                  "Ann",
                  "555-1000",
                  "101",
                  "Passport",
                  "",
                  {"101", "Passport", "N1", "555-1000"},
                  beaAsStored},
             Case{"a change of room",
                  "Ann",
                  "555-1000",
                  "103",
                  "",
                  "",
                  {"103", "(null)", "N1", "555-1000"},
                  beaAsStored},
             Case{"the second of one phone",
                  "Bea",
                  "555-1000",
                  "102",
                  "Passport",
                  "B2",
                  annAsStored,
                  {"102", "Passport", "B2", "555-1000"}},
             Case{"an empty phone on a screen the map did not fill", "", "", "101", "Passport", "X", annAsStored,
                  beaAsStored},
             Case{"a phone of the room's stay on a screen the map did not fill",
                  "",
                  "555-1",
                  "102",
                  "Passport",
                  "X",
                  annAsStored,
                  {"102", "Passport", "X", "555-1"}},
             Case{"a new phone", "Ann", "555-7777", "101", "", "", {"101", "(null)", "N1", "555-7777"}, beaAsStored},
         }) {
        run("ZuReserv.mdb", "DELETE FROM tblReserv");
        run("ZuReserv.mdb",
            "INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1, szID_nu) VALUES ('Ann', '555-1000', '101', 'N1')");
        run("ZuReserv.mdb", "INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1) VALUES ('Bea', '555-1000', '102')");
        reopen();
        frmRooms& rooms = opened();
        if (*c.own) ownStay(rooms, c.own);
        rooms.txtPhone.setText(c.phone);
        rooms.txtRoom.setText(c.room);
        rooms.cmbIDtype.setText(c.idType);
        rooms.txtIDnu.setText(c.idNumber);
        rooms.Show();
        ASSERT_TRUE(ui::input::click(rooms.cmdSave)) << c.name;
        EXPECT_TRUE(prompts().empty()) << c.name << ": " << (prompts().empty() ? "" : prompts().back());
        for (auto [who, expected] : {std::pair{"Ann", &c.ann}, std::pair{"Bea", &c.bea}}) {
            std::string where = std::string("sLast_na = '") + who + "'";
            std::vector<std::string> got;
            for (const char* f : {"szRoom1", "szID_type", "szID_nu", "sPhone_no"})
                got.push_back(field("ZuReserv.mdb", "tblReserv", where, f));
            EXPECT_EQ(got, *expected) << c.name << ": " << who;
        }
    }
}

TEST_F(FolioSave, AFolioIsUpdatedByItsOwnNumberAndAMissingHeaderSavesNothing) {
    run("Ordr.mdb",
        "INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal, Total) VALUES ('120', 'Zu', '101', '9', '9')");
    run("Ordr.mdb",
        "INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal, Total) VALUES ('12', 'Zu', '10', '50', '50')");
    run("Ordr.mdb", "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('12', '1', 'Soup', '50')");
    run("Ordr.mdb", "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('120', '1', 'Tea', '9')");
    run("ZuTb.mdb", "INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('10', '12')");

    frmRooms& rooms = opened();
    rooms.txtRoom.setText("10");
    rooms.cmbRept.setText("12");
    rooms.cmbRept.setTag("OldNum");
    rooms.Show();
    ASSERT_EQ(rooms.cmbRept.tag(), "DidRecall");
    EXPECT_EQ(rooms.txtTotal.text(), "50.00");
    ASSERT_EQ(rooms.grdOrderItems.rows(), 3);
    // Back from a screen shown over it, the folio is not recalled again.
    rooms.Form_Activate();
    ASSERT_EQ(rooms.grdOrderItems.rows(), 3);
    rooms.grdOrderItems.AddItem("2\tTea\t$8.50\tD");
    rooms.txtTotal.setText("67.00");
    ASSERT_TRUE(ui::input::click(rooms.cmdSave));
    EXPECT_TRUE(prompts().empty());
    // The totals are those of the lines stored, whatever the box was made to read.
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '12'", "SubTotal"), "58.5");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '12'", "Date"), "1/5/2026");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '120'", "SubTotal"), "9");
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '120'", "Date"), "(null)");
    EXPECT_EQ(count("Ordr.mdb", "tblDetail", "Invoice = '12'"), 2);
    EXPECT_EQ(field("Ordr.mdb", "tblDetail", "Invoice = '12' AND szOrder = 'Tea'", "Price"), "8.5");
    EXPECT_EQ(count("Ordr.mdb", "tblDetail", "Invoice = '120'"), 1);
    EXPECT_EQ(count("ZuTb.mdb", "tbTable"), 1);

    // Header 12 gone: the recall leaves the grid and the mark, and the save writes nothing.
    run("Ordr.mdb", "DELETE FROM tblZu_Order WHERE Inv = '12'");
    reopen();
    frmRooms& again = opened();
    again.txtRoom.setText("10");
    again.cmbRept.setText("12");
    again.cmbRept.setTag("OldNum");
    again.Show();
    EXPECT_EQ(again.cmbRept.tag(), "OldNum");
    EXPECT_EQ(again.grdOrderItems.rows(), 2);
    again.txtDate.setText("1");
    again.txtRate.setText("10");
    ASSERT_TRUE(ui::input::click(again.cmdAddto));
    ASSERT_TRUE(ui::input::click(again.cmdSave));
    EXPECT_EQ(prompts(), std::vector<std::string>{"This folio was not found in the order book; nothing was saved."});
    EXPECT_TRUE(ui::forms().isLoaded("frmRooms"));
    EXPECT_EQ(count("Ordr.mdb", "tblZu_Order"), 1);
    EXPECT_EQ(count("Ordr.mdb", "tblDetail", "Invoice = '12'"), 2);
    EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '120'", "Date"), "(null)");

    // An amount received and a click on it: the number goes and the totals return to "0.00".
    again.txtGet.setText("5");
    ASSERT_TRUE(ui::input::click(again.txtGet));
    EXPECT_EQ(again.cmbRept.text(), "");
    EXPECT_EQ(again.txtTotal.text(), "0.00");
    EXPECT_EQ(again.txtEnding.text(), "0.00");
    EXPECT_EQ(again.txtGet.text(), "");
    EXPECT_EQ(again.cmbRept.tag(), "OldNum");
    ASSERT_TRUE(ui::input::click(again.cmdSave));
    EXPECT_EQ(prompts().size(), 2u);
    EXPECT_EQ(prompts().back(), "This folio was not found in the order book; nothing was saved.");
    EXPECT_EQ(count("Ordr.mdb", "tblDetail"), 3);
    EXPECT_EQ(count("Ordr.mdb", "tblDetail", "Invoice = ''"), 0);
}

TEST_F(FolioSave, AFolioEmptiedOfItsLinesOwesNothing) {
    run("Ordr.mdb",
        "INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal, Tax, Total) VALUES ('7', 'Zu', '10', '50', '5', '55')");
    run("Ordr.mdb", "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('7', '1', 'Soup', '50')");
    run("ZuTb.mdb", "INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('10', '7')");
    frmRooms& rooms = opened();
    rooms.txtRoom.setText("10");
    rooms.cmbRept.setText("7");
    rooms.cmbRept.setTag("OldNum");
    rooms.Show();
    ASSERT_EQ(rooms.grdOrderItems.rows(), 3);
    rooms.grdOrderItems.RemoveItem(2);
    rooms.txtTotal.setText("0");
    ASSERT_TRUE(ui::input::click(rooms.cmdSave));
    EXPECT_TRUE(prompts().empty());
    for (const char* f : {"SubTotal", "Tax", "Total"})
        EXPECT_EQ(field("Ordr.mdb", "tblZu_Order", "Inv = '7'", f), "0") << f;
    EXPECT_EQ(count("Ordr.mdb", "tblDetail"), 0);
}

// The second line's charge cannot be stored: the header, the open-folio row, the first line and
// the guest's stay are not stored either, and the screen stays with its lines.
TEST_F(FolioSave, ASaveTheStoresRefuseStoresNothing) {
    run("ZuReserv.mdb", "INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1) VALUES ('Ann', '555-1000', '101')");
    frmRooms& rooms = opened();
    ownStay(rooms, "Ann");
    rooms.txtRoom.setText("101");
    rooms.txtIDnu.setText("N9");
    rooms.Show();
    rooms.grdOrderItems.AddItem("1\tRoom Charge 101\t100.00\t");
    rooms.grdOrderItems.AddItem("1\tMinibar\tfree\t");
    rooms.txtTotal.setText("100");
    ASSERT_TRUE(ui::input::click(rooms.cmdSave));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("The folio was not saved: ", 0), 0u) << prompts()[0];
    EXPECT_EQ(count("Ordr.mdb", "tblZu_Order"), 0);
    EXPECT_EQ(count("Ordr.mdb", "tblDetail"), 0);
    EXPECT_EQ(count("ZuTb.mdb", "tbTable"), 0);
    EXPECT_EQ(field("ZuReserv.mdb", "tblReserv", "sLast_na = 'Ann'", "szID_nu"), "(null)");
    EXPECT_TRUE(ui::forms().isLoaded("frmRooms"));
    EXPECT_TRUE(ui::forms().get<reservations::frmMap>().visible());
    EXPECT_EQ(rooms.grdOrderItems.rows(), 4);
    EXPECT_EQ(rooms.cmbRept.text(), "");
    EXPECT_EQ(rooms.cmbRept.tag(), "");

    // Put right, the same visit saves one header, under a number of its own.
    rooms.grdOrderItems.setTextMatrix(3, 2, "0.00");
    ASSERT_TRUE(ui::input::click(rooms.cmdSave));
    EXPECT_EQ(prompts().size(), 1u);
    EXPECT_EQ(count("Ordr.mdb", "tblZu_Order"), 1);
    EXPECT_EQ(count("Ordr.mdb", "tblDetail"), 2);
    EXPECT_EQ(count("ZuTb.mdb", "tbTable", "sz_Table = '101'"), 1);
    EXPECT_EQ(field("ZuReserv.mdb", "tblReserv", "sLast_na = 'Ann'", "szID_nu"), "N9");
    EXPECT_FALSE(ui::forms().isLoaded("frmRooms"));
}

}  // namespace
}  // namespace pelk::folio
