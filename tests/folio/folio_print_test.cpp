// The folio printout and the check-out over small fixtures: the page line by line with its fonts,
// the page's variants, the guard of the picture button, and what a check-out moves and deletes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "folio/frmFrontDeskMsg.h"
#include "folio/frmRooms.h"
#include "folio/receipt.h"
#include "platform/core/text.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "shell/frmPassword.h"
#include "shell/frmSecurity.h"
#include "support/screens.h"

namespace pelk::folio {
namespace {

std::string sp(std::size_t n) { return std::string(n, ' '); }

class FolioPrint : public test::ScreenTest {
protected:
    FolioPrint() {
        run("ZuBak.mdb",
            "UPDATE tbSetInfor SET Line1 = 'Pelk Inn', Line2 = 'Tel: 555', Line3 = 'Fax: 556', Notes = 'Thank you', "
            "Notes1 = '-', Notes2 = 'Plan A', Notes3 = '-', Notes4 = '', Notes5 = 'Plan D'");
        run("ZuBak.mdb", "UPDATE tbSetFreePop SET t12 = 'Default'");
        run("DOZA98.mdb", "UPDATE tbSet SET SetM = 'Print L1 L2 Now', Plan = '1,000.00', Tax = '0.1'");
        run("Infor.mdb", "INSERT INTO tbEmplo (szID_no, sFirst_nm) VALUES ('3333', 'Cy')");
    }
    static void reopen() {
        ui::forms().unloadAllSilently();
        ui::forms().collect();
    }
    // Room 104's guest on the room screen over the map, with a clerk.
    static frmRooms& guest() {
        ui::forms().get<reservations::frmMap>().Show();
        frmRooms& rooms = ui::forms().get<frmRooms>();
        rooms.txtRoom.setText("104");
        rooms.txtFirstN.setText("Bo");
        rooms.txtLastN.setText("Lee");
        rooms.txtAdds.setText("1 Main St");
        rooms.txtCity.setText("Springfield");
        rooms.txtState.setText("IL");
        rooms.txtZip.setText("62701");
        rooms.txtPhone.setText("555-222-0000");
        rooms.txtGuest.setText("2");
        rooms.txtDateIn.setText("3/9/2026");
        rooms.txtDateOut.setText("3/11/2026");
        rooms.Show();
        rooms.txtWaiter.setText("3333");
        return rooms;
    }
    static std::vector<std::string> lastPage() {
        const auto& docs = print::journal().documents;
        return docs.empty() ? std::vector<std::string>{} : docs.back().texts();
    }
};

// The folio and a split check print their item lines alike: columns counted in characters, so a
// description in another script is cut between letters and the charge stands in its column.
TEST(InvoiceItemLine, ColumnsAreCountedInCharacters) {
    struct Case {
        const char* quantity;
        std::string description;
        std::string expected;
    };
    const std::string longName(75, 'x');
    std::string accented;
    for (int i = 0; i < 75; ++i) accented += "\xC3\xA9";  // é
    const std::vector<Case> cases = {
        {"1", "Soup", "     1" + std::string(20, ' ') + "Soup" + std::string(41, ' ') + "5.00"},
        {"125", "Tea", "     12" + std::string(20, ' ') + "Tea" + std::string(41, ' ') + "5.00"},
        {"1", longName, "     1" + std::string(20, ' ') + std::string(70, 'x') + "5.00"},
    };
    for (const Case& c : cases) EXPECT_EQ(InvoiceItemLine(c.quantity, c.description, "5.00"), c.expected) << c.quantity;
    std::string line = InvoiceItemLine("1", accented, "5.00");
    EXPECT_EQ(core::text::len(line), 5u + 1 + 20 + 70 + 4);
    EXPECT_EQ(line.substr(line.size() - 4), "5.00");
    EXPECT_EQ(line.substr(line.size() - 6, 2), "\xC3\xA9") << "the last letter kept whole";
}

TEST_F(FolioPrint, TheFolioPrintsLineByLineInItsFonts) {
    frmRooms& rooms = guest();
    rooms.grdOrderItems.AddItem("2\tRoom Charge 1004\t240\t");
    rooms.grdOrderItems.AddItem("1/2\tSoup\t$0.00\tA");
    rooms.txtTotal.setText("240");
    rooms.txtGet.setText("300.00");
    ASSERT_TRUE(ui::input::click(rooms.cmdPrintRce));
    EXPECT_TRUE(prompts().empty());
    ASSERT_EQ(print::journal().documents.size(), 1u);

    struct Line {
        std::string text;
        const char* font;
        double size;
        bool bold, underline;
    };
    const char* cn = "courier new";
    std::vector<Line> page = {
        {"", cn, 14, false, false},
        {"", cn, 14, false, false},
        {sp(57) + "Invoice", cn, 14, false, false},
        {"", cn, 14, false, false},
        {sp(50) + "Check Out Date", cn, 14, false, false},
        {sp(60) + "1/5/2026 9:00:00 AM", cn, 11, false, false},
        {"  Pelk Inn", cn, 13, false, false},
        {sp(6) + "Tel: 555", cn, 11, false, false},
        {sp(6) + "Fax: 556", cn, 11, false, false},
        {"", cn, 11, false, false},
        {"", cn, 11, false, false},
        {"", cn, 11, false, false},
        {"  Guest Information:", cn, 11, false, false},
        {sp(4) + "Bo Lee", cn, 11, false, false},
        {sp(4) + "1 Main St", cn, 11, false, false},
        {sp(4) + "Springfield, IL 62701", cn, 11, false, false},
        {sp(4) + "555-222-0000", cn, 11, false, false},
        {"", cn, 11, false, false},
        {"", cn, 11, false, false},
        {"  Clerk: Cy", cn, 9, false, false},
        {std::string(92, '_'), cn, 12, true, false},
        {sp(4) + "Guest#" + sp(10) + "From:" + sp(12) + "To:" + sp(13) + "Room:" + sp(8) + "Folio#:" + sp(16), cn, 12,
         true, true},
        {"", cn, 12, true, true},
        {sp(5) + "2" + sp(18) + "3/9/2026" + sp(9) + "3/11/2026" + sp(13) + "104" + sp(13) + "1", cn, 10, false, false},
        {"", cn, 10, false, false},
        {"", cn, 10, false, false},
        {std::string(96, '_'), cn, 10, true, false},
        {sp(3) + "Day/Qty" + sp(25) + "Description" + sp(33) + "Charges" + sp(11), cn, 10, true, true},
        {"", cn, 10, true, false},
        {sp(5) + "2" + sp(20) + "Room Charge 1004" + sp(29) + "240.00", cn, 11, false, false},
        {sp(5) + "1/" + sp(20) + "Soup" + sp(71 - 31), cn, 11, false, false},
        {sp(100), cn, 11, false, true},
        {"", cn, 11, false, false},
        {"", cn, 11, false, false},
        {"", cn, 11, false, false},
        {sp(65) + "Tax" + sp(5) + "24.00", cn, 11, false, false},
        {sp(63) + "Total" + sp(4) + "264.00", cn, 11, true, false},
        {"", cn, 11, true, false},
        {sp(60) + "Received" + sp(4) + "300.00", cn, 11, true, false},
        {sp(54) + "Folio Balance" + sp(5) + "36.00", cn, 11, true, false},
        {"", cn, 11, false, false},
        {"Thank you", "MS Sans Serif", 11, false, false},
        {"-", "MS Sans Serif", 11, false, false},
    };
    const std::vector<print::PrintedLine>& printed = print::journal().documents[0].lines;
    ASSERT_EQ(printed.size(), page.size()) << testing::PrintToString(lastPage());
    for (std::size_t i = 0; i < page.size(); ++i) {
        EXPECT_EQ(printed[i].text, page[i].text) << "line " << i + 1;
        EXPECT_EQ(printed[i].fontName, page[i].font) << "line " << i + 1;
        EXPECT_EQ(printed[i].fontSize, page[i].size) << "line " << i + 1;
        EXPECT_EQ(printed[i].bold, page[i].bold) << "line " << i + 1;
        EXPECT_EQ(printed[i].underline, page[i].underline) << "line " << i + 1;
    }
    // The amounts of the total, received and balance lines start in column 73.
    EXPECT_EQ(printed[36].text.find("264.00"), 72u);

    // What the print left: the header, the lines it billed and the open folio; "$0.00" emptied;
    // the number in the list; the received box hidden; the permission mark withdrawn.
    EXPECT_EQ(count("Ordr.mdb", "tblZu_Order"), 1);
    EXPECT_EQ(count("Ordr.mdb", "tblDetail", "Invoice = '1'"), 2);
    EXPECT_EQ(count("ZuTb.mdb", "tbTable", "sz_Table = '104' AND sz_Chk = '1'"), 1);
    EXPECT_EQ(rooms.grdOrderItems.textMatrix(3, 2), "");
    EXPECT_EQ(rooms.cmbRept.text(), "1");
    EXPECT_EQ(rooms.lblChk.tag(), "1");
    EXPECT_FALSE(rooms.txtGet.visible());
    EXPECT_EQ(ui::forms().get<shell::frmSecurity>().chkItmDelSec.tag(), "");
    EXPECT_EQ(rooms.grdOrderItems.row(), 3);
    EXPECT_EQ(rooms.grdOrderItems.col(), 2);

    // Printed again: the same number, twice in the list, one header, the same lines.
    ASSERT_TRUE(ui::input::click(rooms.cmdPrintRce));
    ASSERT_EQ(print::journal().documents.size(), 2u) << testing::PrintToString(prompts());
    EXPECT_EQ(count("Ordr.mdb", "tblDetail", "Invoice = '1'"), 2);
    EXPECT_EQ(print::journal().documents[1].lines[23].text, page[23].text);
    EXPECT_EQ(rooms.cmbRept.listCount(), 2);
    EXPECT_EQ(rooms.cmbRept.list(1), "1");
    EXPECT_EQ(count("Ordr.mdb", "tblZu_Order"), 1);
}

TEST_F(FolioPrint, ThePageFollowsTheSettingsAndTheLines) {
    struct Case {
        const char* name;
        const char* freePop;
        const char* country;
        const char* headerMode;
        const char* subtotal;
        const char* qty;
        std::string text;
        const char* charge;
        // The folio line as printed, whether it is bold, and the notes printed.
        std::string line;
        bool bold;
        std::vector<std::string> notes;
    };
    const std::string eighty(80, 'x');
    for (const Case& c : {
             Case{"a charge 12.5",
                  "Default",
                  "USA",
                  "Print L1 L2 Now",
                  "1,000.00",
                  "1",
                  "Tea",
                  "12.5",
                  sp(5) + "1" + sp(20) + "Tea" + sp(42) + "12.50",
                  false,
                  {"Thank you", "-"}},
             Case{"a price from the item list",
                  "UpLine",
                  "USA",
                  "Not Printing L1 L2",
                  "1,000.01",
                  "1",
                  "Tea",
                  "$1,000.01",
                  sp(5) + "1" + sp(20) + "Tea" + sp(42) + "1,000.01",
                  false,
                  {"Plan A", "Plan D"}},
             Case{"a text of 80 characters",
                  "Auto",
                  "USA",
                  "Not Printing L1 L2",
                  "5",
                  "12",
                  eighty,
                  "",
                  sp(5) + "12" + sp(20) + std::string(70, 'x'),
                  true,
                  {}},
         }) {
        run("ZuBak.mdb", std::string("UPDATE tbSetFreePop SET t12 = '") + c.freePop + "'");
        run("DOZA98.mdb",
            std::string("UPDATE tbSet SET setL = '") + c.country + "', SetM = '" + c.headerMode + "', TaxFed = '0.05'");
        // Each case a folio of its own: the room's folio of the case before is checked out.
        run("ZuTb.mdb", "DELETE FROM tbTable");
        reopen();
        print::resetJournal();
        frmRooms& rooms = guest();
        rooms.grdOrderItems.AddItem(std::string(c.qty) + "\t" + c.text + "\t" + c.charge + "\t");
        rooms.txtTotal.setText(c.subtotal);
        ASSERT_TRUE(ui::input::click(rooms.cmdPrintRce)) << c.name;
        ASSERT_EQ(print::journal().documents.size(), 1u) << c.name;
        const auto& lines = print::journal().documents[0].lines;
        ASSERT_GE(lines.size(), 37u) << c.name;
        EXPECT_EQ(lines[29].text, c.line) << c.name;
        EXPECT_EQ(lines[29].bold, c.bold) << c.name;
        // The rule and the tax line keep the folio line's bold.
        EXPECT_EQ(lines[30].bold, c.bold) << c.name;
        EXPECT_EQ(lines[34].bold, c.bold) << c.name;
        // No received box: no received or balance line, and the box stays visible.
        EXPECT_TRUE(rooms.txtGet.visible()) << c.name;
        std::vector<std::string> notes;
        std::size_t last = 35;  // the total
        for (std::size_t i = last + 2; i < lines.size(); ++i) notes.push_back(lines[i].text);
        EXPECT_EQ(lines[last].text.substr(63, 5), "Total") << c.name;
        EXPECT_EQ(notes, c.notes) << c.name;
    }

    // Canada: the second tax line, its amount from column 75.
    run("DOZA98.mdb", "UPDATE tbSet SET setL = 'Canada', Tax = '0.1', TaxFed = '0.05'");
    run("ZuTb.mdb", "DELETE FROM tbTable");
    reopen();
    print::resetJournal();
    frmRooms& rooms = guest();
    rooms.grdOrderItems.AddItem("1\tRoom\t100.00\t");
    rooms.txtTotal.setText("100");
    ASSERT_TRUE(ui::input::click(rooms.cmdPrintRce));
    const auto& lines = print::journal().documents[0].lines;
    EXPECT_EQ(lines[30].text, sp(100));
    EXPECT_EQ(lines[34].text, sp(65) + "Tax" + sp(5) + "10.00");
    EXPECT_EQ(lines[35].text, sp(65) + "Tax" + sp(6) + "5.50");
    EXPECT_EQ(lines[36].text, sp(63) + "Total" + sp(4) + "115.50");

    // Without folio lines the rule follows the column heading at once, bold.
    run("ZuTb.mdb", "DELETE FROM tbTable");
    reopen();
    print::resetJournal();
    frmRooms& bare = guest();
    ASSERT_TRUE(ui::input::click(bare.cmdPrintRce));
    const auto& page = print::journal().documents[0].lines;
    EXPECT_EQ(page[29].text, sp(100));
    EXPECT_TRUE(page[29].bold);
}

TEST_F(FolioPrint, ThePictureButtonPrintsOnlyAFolioWithSomethingDue) {
    struct Case {
        const char* total;
        int row;
        const char* code;
        bool refused, printed;
    };
    for (const Case& c :
         {Case{"0.00", 2, "A", true, false}, Case{"", 2, "A", true, false}, Case{"-5.00", 2, "A", true, false},
          Case{"10.00", 0, "A", false, true}, Case{"10.00", 2, "", false, false}, Case{"10.00", 2, "A", false, true}}) {
        reopen();
        print::resetJournal();
        std::size_t before = prompts().size();
        frmRooms& rooms = guest();
        rooms.grdOrderItems.AddItem(std::string("1\tTea\t10.00\t") + c.code);
        rooms.txtTotal.setText("10");
        rooms.txtEnding.setText(c.total);
        rooms.grdOrderItems.setRow(c.row);
        ASSERT_TRUE(ui::input::click(rooms.cmdPrint));
        std::vector<std::string> all = prompts();
        std::vector<std::string> shown(all.begin() + static_cast<long>(before), all.end());
        EXPECT_EQ(shown, c.refused ? std::vector<std::string>{" Order not found."} : std::vector<std::string>{})
            << c.total << " row " << c.row;
        if (c.refused) {
            EXPECT_EQ(host().messageBoxes().back().style, ui::kCritical);
        }
        EXPECT_EQ(print::journal().documents.size(), c.printed ? 1u : 0u) << c.total << " " << c.code;
        EXPECT_EQ(count("Ordr.mdb", "tblZu_Order") > 0, c.printed) << c.total;
        if (!c.refused) {
            EXPECT_EQ(rooms.grdOrderItems.row(), 2);
            EXPECT_EQ(rooms.grdOrderItems.col(), c.printed ? 2 : 3);
        }
        run("Ordr.mdb", "DELETE FROM tblZu_Order");
        run("ZuTb.mdb", "DELETE FROM tbTable");
    }
    // A folio without a line is no order, whatever its total says.
    reopen();
    frmRooms& empty = guest();
    empty.txtEnding.setText("10.00");
    ASSERT_TRUE(ui::input::click(empty.cmdPrint));
    EXPECT_EQ(prompts().back(), " Order not found.");
}

// The folio goes to the front printer the station's settings choose: the first by port or name.
TEST_F(FolioPrint, TheFolioGoesToTheFrontPrinter) {
    print::setConfiguredPrinters({{"Office Laser", "USB001"}, {"Front Desk", "LPT1:"}, {"Epson FX", "LPT2:"}});
    run("DOZA98.mdb", "UPDATE tbSet SET Port = 'LPT2:', szPath1 = '', szType = 'Front*'");
    frmRooms& rooms = guest();
    ASSERT_TRUE(ui::input::click(rooms.cmdPrintRce));
    ASSERT_EQ(print::journal().documents.size(), 1u);
    EXPECT_EQ(print::journal().documents[0].printer, "Front Desk");
}

class CheckOut : public FolioPrint {
protected:
    CheckOut() {
        // Another stay with the same phone is stored first; room 100's open folio beside 10's.
        run("ZuReserv.mdb",
            "INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1, szDate_in) VALUES ('Other', '555-222-0000', '100', "
            "#3/1/2026#)");
        run("ZuReserv.mdb",
            "INSERT INTO tblReserv (sLast_na, sFirst_nm, sPhone_no, szRoom1, szDate_in, szDate_Out, szRate_curr, "
            "szRemark, szCard_nu, szClerk_id, szID_nu) VALUES ('Lee', 'Bo', '555-222-0000', '10', #3/9/2026#, "
            "#3/11/2026#, '120.00', 'Late', '4111', '3333', 'P7')");
        run("ZuTb.mdb", "INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('100', '9')");
    }
    frmRooms& room10() {
        frmRooms& rooms = guest();
        rooms.txtRoom.setText("10");
        ui::DataRecordset& stays = rooms.datVRoom.Recordset();
        EXPECT_TRUE(rooms.datVRoom.Refresh());
        EXPECT_TRUE(stays.FindFirst("sLast_na = 'Lee'"));
        rooms.keepOwnStay(*stays.bookmark());
        return rooms;
    }
    // A saved folio of 125.50 reopened from the map.
    frmRooms& savedFolio() {
        run("Ordr.mdb",
            "INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal, Total) VALUES ('5', 'Zu', '10', "
            "'125.50', '125.50')");
        run("Ordr.mdb", "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('5', '1', 'Room', '125.50')");
        run("ZuTb.mdb", "INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('10', '5')");
        run("DOZA98.mdb", "UPDATE tbSet SET Tax = '0'");
        reopen();
        frmRooms& rooms = room10();
        rooms.cmbRept.setText("5");
        rooms.cmbRept.setTag("OldNum");
        rooms.Form_Activate();
        EXPECT_EQ(rooms.cmbRept.tag(), "DidRecall");
        return rooms;
    }
    void answerRooms() {
        host().whileWaiting([] { ASSERT_TRUE(ui::input::click(ui::forms().get<frmFrontDeskMsg>().Command1)); });
    }
};

TEST_F(CheckOut, ASavedFolioIsPrintedAndTheOwnStayMoves) {
    frmRooms& rooms = savedFolio();
    rooms.grdOrderItems.setRow(2);
    answerRooms();
    ASSERT_TRUE(ui::input::click(rooms.cmdPost));
    EXPECT_TRUE(prompts().empty()) << prompts().back();
    ASSERT_EQ(print::journal().documents.size(), 1u);
    auto page = lastPage();
    EXPECT_NE(std::find(page.begin(), page.end(), sp(5) + "1" + sp(20) + "Ck Out:1/5/2026 9:00:00 AM" + sp(19)),
              page.end());
    EXPECT_EQ(count("ZuChkO.mdb", "tblReserv"), 1);
    EXPECT_EQ(field("ZuChkO.mdb", "tblReserv", "True", "szInv_nu"), "5");
    EXPECT_EQ(field("ZuChkO.mdb", "tblReserv", "True", "sLast_na"), "Lee");
    EXPECT_EQ(field("ZuChkO.mdb", "tblReserv", "True", "szDate_in"), "3/9/2026");
    EXPECT_EQ(field("ZuChkO.mdb", "tblReserv", "True", "szClerk_id"), "3333");
    EXPECT_EQ(field("ZuChkO.mdb", "tblReserv", "True", "szID_nu"), "P7");
    for (const char* left : {"szRate_curr", "szRemark", "szCard_nu"})
        EXPECT_EQ(field("ZuChkO.mdb", "tblReserv", "True", left), "(null)") << left;
    EXPECT_EQ(count("ZuReserv.mdb", "tblReserv"), 1);
    EXPECT_EQ(count("ZuReserv.mdb", "tblReserv", "sLast_na = 'Other'"), 1);
    EXPECT_EQ(count("ZuTb.mdb", "tbTable"), 1);
    EXPECT_EQ(count("ZuTb.mdb", "tbTable", "sz_Table = '100'"), 1);
    EXPECT_FALSE(ui::forms().isLoaded("frmRooms"));
    EXPECT_FALSE(ui::forms().isLoaded("frmFrontDeskMsg"));
    EXPECT_TRUE(ui::forms().get<reservations::frmMap>().visible());
}

// Right after the recall the heading row is current: a folio with a charge and something due
// goes out all the same, billed.
TEST_F(CheckOut, ARecalledFolioGoesOutWithoutATapOnALine) {
    frmRooms& rooms = savedFolio();
    ASSERT_EQ(rooms.grdOrderItems.row(), 0);
    answerRooms();
    ASSERT_TRUE(ui::input::click(rooms.cmdPost));
    EXPECT_TRUE(prompts().empty()) << prompts().back();
    ASSERT_EQ(print::journal().documents.size(), 1u);
    EXPECT_EQ(count("ZuChkO.mdb", "tblReserv", "szInv_nu = '5'"), 1);
    EXPECT_EQ(count("Ordr.mdb", "tblDetail", "Invoice = '5'"), 2);
    EXPECT_FALSE(ui::forms().isLoaded("frmRooms"));
}

// Never saved, with a room charge: told, nothing moved, and no check-out line added.
TEST_F(CheckOut, AFolioNotSavedStays) {
    run("ZuTb.mdb", "DELETE FROM tbTable WHERE sz_Table = '10'");
    frmRooms& rooms = room10();
    rooms.txtRate.setText("120.00");
    rooms.txtDate.setText("2");
    ASSERT_TRUE(ui::input::click(rooms.cmdAddto));
    ASSERT_TRUE(ui::input::click(rooms.cmdPost));
    EXPECT_EQ(prompts(), std::vector<std::string>{"This folio has not been saved. Please press Chk In/ Update first."});
    EXPECT_EQ(rooms.grdOrderItems.rows(), 3);
    EXPECT_EQ(count("ZuChkO.mdb", "tblReserv"), 0);
    EXPECT_EQ(count("ZuReserv.mdb", "tblReserv"), 2);
    EXPECT_TRUE(ui::forms().isLoaded("frmRooms"));
}

TEST_F(CheckOut, NothingDueMovesWithoutAPrintout) {
    struct Case {
        const char* name;
        bool saved;
        const char* number;
    };
    for (const Case& c : {Case{"never saved, nothing due", false, ""}, Case{"saved at 0.00", true, "5"}}) {
        reopen();
        run("ZuChkO.mdb", "DELETE FROM tblReserv");
        run("Ordr.mdb", "DELETE FROM tblZu_Order");
        if (c.saved) run("Ordr.mdb", "INSERT INTO tblZu_Order (Inv, Method, Room) VALUES ('5', 'Zu', '10')");
        print::resetJournal();
        frmRooms& rooms = room10();
        rooms.cmbRept.setText(c.number);
        rooms.grdOrderItems.setRow(1);
        answerRooms();
        ASSERT_TRUE(ui::input::click(rooms.cmdPost)) << c.name;
        EXPECT_TRUE(prompts().empty()) << c.name;
        EXPECT_TRUE(print::journal().documents.empty()) << c.name;
        EXPECT_EQ(field("ZuChkO.mdb", "tblReserv", "True", "szInv_nu"), c.number) << c.name;
        EXPECT_FALSE(ui::forms().isLoaded("frmRooms")) << c.name;
        // Back for the next case.
        run("ZuReserv.mdb",
            "INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1) VALUES ('Lee', '555-222-0000', '10')");
    }
}

// The checked-out row cannot be stored: the stay and the open folio stay where they were.
TEST_F(CheckOut, AMoveTheStoresRefuseMovesNothing) {
    run("ZuChkO.mdb", "DROP TABLE tblReserv");
    run("ZuTb.mdb", "INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('10', '')");
    frmRooms& rooms = room10();
    ASSERT_TRUE(ui::input::click(rooms.cmdPost));
    // The checked-out store's data control has told the clerk already when the screen opened.
    ASSERT_FALSE(prompts().empty());
    EXPECT_EQ(prompts().back().rfind("The guest was not checked out: ", 0), 0u) << prompts().back();
    EXPECT_EQ(count("ZuReserv.mdb", "tblReserv"), 2);
    EXPECT_EQ(count("ZuTb.mdb", "tbTable", "sz_Table = '10'"), 1);
    EXPECT_TRUE(ui::forms().isLoaded("frmRooms"));
    EXPECT_FALSE(ui::forms().isLoaded("frmFrontDeskMsg"));
}

TEST_F(CheckOut, SecurityLeavesOnlyTheLogIn) {
    frmRooms& rooms = room10();
    host().whileWaiting([] { ASSERT_TRUE(ui::input::click(ui::forms().get<frmFrontDeskMsg>().cmdMainScreen)); });
    ASSERT_TRUE(ui::input::click(rooms.cmdPost));
    EXPECT_FALSE(ui::forms().isLoaded("frmRooms"));
    EXPECT_FALSE(ui::forms().isLoaded("frmMap"));
    EXPECT_FALSE(ui::forms().isLoaded("frmMain"));
    EXPECT_TRUE(ui::forms().get<shell::frmPassword>().visible());
}

}  // namespace
}  // namespace pelk::folio
