// Removing folio lines by a click on the room screen's folio: by the cell clicked, with the
// option lines of an item, the subtotal following, and the protection of a recalled folio.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/registry.h"
#include "shell/frmSecurity.h"
#include "support/screens.h"

namespace pelk::folio {
namespace {

using Line = std::vector<std::string>;

class LineRemoval : public test::ScreenTest {
protected:
    static frmRooms& screen() { return ui::forms().get<frmRooms>(); }
    static void reopen() {
        ui::forms().unloadAllSilently();
        ui::forms().collect();
    }
    static void protect(bool on) {
        run("DOZA98.mdb", std::string("UPDATE tabPword SET ItmDeSecl = ") + (on ? "1" : "0"));
    }
    // The stored folio 120: Soup with two option lines (one without a charge), then Tea.
    static void storeFolio() {
        run("Ordr.mdb", "INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal) VALUES ('120', 'Zu', '104', '8.00')");
        for (const char* line : {"('120', '1', 'Soup', '5.00')", "('120', '+', 'Extra rice', '1.00')",
                                 "('120', '+', 'No onion', NULL)", "('120', '1', 'Tea', '2.00')"})
            run("Ordr.mdb", std::string("INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ") + line);
    }
    static frmRooms& recalled() {
        frmRooms& rooms = screen();
        rooms.txtRoom.setText("104");
        rooms.cmbRept.setText("120");
        rooms.cmbRept.setTag("OldNum");
        rooms.Show();
        EXPECT_EQ(rooms.cmbRept.tag(), "DidRecall");
        return rooms;
    }
    // A new folio with the same lines, written as the room service writes them.
    static frmRooms& fresh(const std::vector<Line>& lines, const std::string& subtotal) {
        frmRooms& rooms = screen();
        for (const Line& l : lines) rooms.grdOrderItems.AddItem(l[0] + "\t" + l[1] + "\t" + l[2] + "\t" + l[3]);
        rooms.txtTotal.setText(subtotal);
        return rooms;
    }
    static std::vector<std::string> texts() {
        std::vector<std::string> all;
        for (int r = 2; r < screen().grdOrderItems.rows(); ++r) all.push_back(screen().grdOrderItems.textMatrix(r, 1));
        return all;
    }
};

TEST_F(LineRemoval, AClickRemovesByTheCellClicked) {
    struct Case {
        const char* name;
        int row, col;
        std::vector<std::string> left;
        const char* subtotal;
    };
    const std::vector<std::string> all = {"Soup", "Extra rice", "No onion", "Tea"};
    for (const Case& c : {
             Case{"item text", 2, 1, {"Tea"}, "2.00"},
             Case{"item charge", 2, 2, {"Tea"}, "2.00"},
             Case{"option mark", 3, 0, {"Soup", "No onion", "Tea"}, "7.00"},
             Case{"option mark without charge", 4, 0, {"Soup", "Extra rice", "Tea"}, "8.00"},
             Case{"option text", 3, 1, {"Soup", "Tea"}, "7.00"},
             Case{"last line", 5, 1, {"Soup", "Extra rice", "No onion"}, "6.00"},
             Case{"empty cell", 4, 2, all, "8.00"},
             Case{"empty station cell", 2, 3, all, "8.00"},
             Case{"header row", 0, 1, all, "8.00"},
             Case{"blank row", 1, 1, all, "8.00"},
         }) {
        SCOPED_TRACE(c.name);
        reopen();
        run("Ordr.mdb", "DELETE FROM tblDetail");
        run("Ordr.mdb", "DELETE FROM tblZu_Order");
        storeFolio();
        frmRooms& rooms = recalled();
        ASSERT_EQ(texts(), all);
        ASSERT_EQ(rooms.txtTotal.text(), "8.00");
        rooms.grdOrderItems.userSelect(c.row, c.col);
        EXPECT_EQ(texts(), c.left);
        EXPECT_EQ(rooms.txtTotal.text(), c.subtotal);
    }
}

TEST_F(LineRemoval, AZeroCellRemovesTheLineAloneAndThousandsAreReadWhole) {
    run("DOZA98.mdb", "UPDATE tbSet SET Tax = '0.1'");
    frmRooms& rooms =
        fresh({{"0", "Water", "3.00", "D"}, {"+", "Ice", "", "D"}, {"1", "Banquet", "1,250.00", "B"}}, "1300");
    rooms.grdOrderItems.userSelect(2, 0);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Ice", "Banquet"}));
    EXPECT_EQ(rooms.txtTotal.text(), "1,300.00");
    rooms.grdOrderItems.userSelect(3, 2);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Ice"}));
    EXPECT_EQ(rooms.txtTotal.text(), "50.00");
    // The taxes and total follow.
    EXPECT_EQ(rooms.txtDITax1.text(), "5.00");
    EXPECT_EQ(rooms.txtEnding.text(), "55.00");
}

TEST_F(LineRemoval, ARecalledFolioIsProtectedWhileTheSettingIsOn) {
    storeFolio();
    run("ZuBak.mdb", "INSERT INTO tbAppetizer (Dish_ID, szMenu_nm, szPrice_amt) VALUES (1, 'Rolls', '3.00')");
    protect(true);
    frmRooms& rooms = recalled();
    rooms.command(2).userClick();
    rooms.command(1).userClick();
    ASSERT_EQ(texts().back(), "Rolls");
    for (auto [row, col] : {std::pair{2, 1}, std::pair{3, 0}, std::pair{6, 1}})
        rooms.grdOrderItems.userSelect(row, col);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Soup", "Extra rice", "No onion", "Tea", "Rolls"}));
    EXPECT_EQ(rooms.txtTotal.text(), "11.00");

    // One permission, one item with its options; a stored charge goes only when the clerk says
    // so, and a No keeps both the line and the permission.
    ui::CheckBox& mark = ui::forms().get<shell::frmSecurity>().chkItmDelSec;
    mark.setTag("Allow");
    host().answer(ui::MsgBoxResult::No);
    rooms.grdOrderItems.userSelect(2, 1);
    EXPECT_EQ(prompts().back(), "Remove Soup from this folio?");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Soup", "Extra rice", "No onion", "Tea", "Rolls"}));
    EXPECT_EQ(mark.tag(), "Allow");
    host().answer(ui::MsgBoxResult::Yes);
    rooms.grdOrderItems.userSelect(2, 1);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Tea", "Rolls"}));
    EXPECT_EQ(mark.tag(), "");
    rooms.grdOrderItems.userSelect(2, 1);
    EXPECT_EQ(texts(), (std::vector<std::string>{"Tea", "Rolls"}));
    EXPECT_EQ(rooms.txtTotal.text(), "5.00");

    // The setting off: removed as on a new folio.
    reopen();
    protect(false);
    frmRooms& free = recalled();
    host().answer(ui::MsgBoxResult::Yes);
    free.grdOrderItems.userSelect(5, 1);
    EXPECT_EQ(prompts().back(), "Remove Tea from this folio?");
    EXPECT_EQ(texts(), (std::vector<std::string>{"Soup", "Extra rice", "No onion"}));
    std::size_t asked = prompts().size();

    // A new folio removes whatever the setting.
    reopen();
    protect(true);
    frmRooms& fresh = LineRemoval::fresh({{"1", "Tea", "2.00", "D"}}, "2");
    fresh.grdOrderItems.userSelect(2, 1);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(fresh.txtTotal.text(), "0.00");
    EXPECT_EQ(prompts().size(), asked) << "a line not stored goes without a question";
}

}  // namespace
}  // namespace pelk::folio
