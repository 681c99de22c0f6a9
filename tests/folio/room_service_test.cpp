// Room service on the room screen: the section page, the item pages and their paging, and the
// taking of items onto the folio with sizes, options, quantities, percent off and the merge of a
// repeated item.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/host.h"
#include "platform/ui/picture.h"
#include "platform/ui/registry.h"
#include "settings/frmMsgbox.h"
#include "support/screens.h"

namespace pelk::folio {
namespace {

using Line = std::vector<std::string>;

class RoomService : public test::ScreenTest {
protected:
    static frmRooms& screen() { return ui::forms().get<frmRooms>(); }
    static void reopen() {
        ui::forms().unloadAllSilently();
        ui::forms().collect();
    }
    struct Item {
        int id;
        std::string name;
        std::string price;
        std::string small = "", medium = "", large = "";
        std::vector<std::string> options = {};
        std::string picture = "";
    };
    static void add(const std::string& table, const Item& item) {
        std::string fields = "Dish_ID, szMenu_nm, szPrice_amt, szPriceS_amt, szPriceM_amt, szPriceL_amt, szMenu_ID";
        std::string values = std::to_string(item.id) + ", '" + item.name + "', '" + item.price + "', '" + item.small +
                             "', '" + item.medium + "', '" + item.large + "', 'K" + std::to_string(item.id) + "'";
        for (std::size_t k = 0; k < item.options.size(); ++k) {
            fields += ", [" + std::to_string(k + 1) + "]";
            values += ", '" + item.options[k] + "'";
        }
        if (!item.picture.empty()) {
            fields += ", szDes";
            values += ", '" + item.picture + "'";
        }
        run("ZuBak.mdb", "INSERT INTO " + table + " (" + fields + ") VALUES (" + values + ")");
    }
    static void sort(bool merge) { run("DOZA98.mdb", std::string("UPDATE tbSet SET szSort = ") + (merge ? "0" : "1")); }
    void writePicture(const std::string& windowsPath) { root_.writeFile(windowsPath, "BM\x01\x02\x03\x04"); }
    static Line line(int row) {
        Line cells;
        for (int c = 0; c < 4; ++c) cells.push_back(screen().grdOrderItems.textMatrix(row, c));
        return cells;
    }
    static std::vector<Line> lines() {
        std::vector<Line> all;
        for (int r = 2; r < screen().grdOrderItems.rows(); ++r) all.push_back(line(r));
        return all;
    }
    // Opens section button `section` from the section page.
    static void open(int section) {
        frmRooms& rooms = screen();
        if (rooms.cmdMainM.tag() != "Main") rooms.cmdMainM_Click();
        rooms.command_Click(section);
    }
    // Presses the item button that shows `id` on the open page.
    static void take(int id) {
        frmRooms& rooms = screen();
        for (int k = 1; k <= 16; ++k)
            if (rooms.command(k).tag() == std::to_string(id)) return rooms.command(k).userClick();
        FAIL() << "no button of item " << id;
    }
    static settings::frmMsgbox& box() { return ui::forms().get<settings::frmMsgbox>(); }
};

TEST_F(RoomService, TheSectionPageShowsNamesOrPicturesAndOpensEachSection) {
    run("ZuBak.mdb", "UPDATE tbSetMain SET t5 = ''");
    frmRooms& rooms = screen();
    EXPECT_EQ(rooms.cmdMainM.tag(), "Main");
    EXPECT_EQ(rooms.command(1).caption(), "Drink");
    EXPECT_EQ(rooms.command(6).caption(), "");
    EXPECT_TRUE(rooms.command(6).picture().empty());
    EXPECT_EQ(rooms.command(14).caption(), "Dinner");
    for (int k : {15, 16}) {
        EXPECT_EQ(rooms.command(k).caption(), "") << k;
        EXPECT_FALSE(rooms.command(k).visible()) << k;
    }
    add("tbVegetables", {1, "Bok Choy", "7.00"});
    rooms.command(6).userClick();
    EXPECT_EQ(rooms.command(1).caption(), "Bok Choy");
    EXPECT_EQ(rooms.lblScrn.caption(), "B");
    EXPECT_EQ(rooms.cmdMainM.tag(), "");

    // Pictures: Soup's and Lamb's are their own fields; one that cannot be loaded leaves a blank.
    reopen();
    const std::string folder = "C:\\Program Files\\Pelk POS 4\\Section\\";
    run("ZuBak.mdb", "UPDATE tbSetMain SET [False] = '1.Default', p9 = '" + folder + "lamb.bmp', p11 = '" + folder +
                         "soup.bmp', p12 = '" + folder + "lunch.bmp', p0 = '" + folder + "missing.bmp', p1 = NULL");
    writePicture(folder + "lamb.bmp");
    writePicture(folder + "soup.bmp");
    writePicture(folder + "lunch.bmp");
    writePicture(folder + "item.bmp");
    add("tbLunch", {16, "Set A", "9.00", "", "", "", {}, folder + "item.bmp"});
    frmRooms& shown = screen();
    EXPECT_EQ(shown.command(10).picture().path(), folder + "soup.bmp");
    EXPECT_EQ(shown.command(12).picture().path(), folder + "lamb.bmp");
    EXPECT_EQ(shown.command(13).picture().path(), folder + "lunch.bmp");
    EXPECT_EQ(shown.command(10).caption(), "");
    shown.command(13).userClick();
    EXPECT_EQ(shown.lblScrn.caption(), "B");
    EXPECT_EQ(shown.command(16).picture().path(), folder + "item.bmp");
    shown.cmdMainM_Click();
    // Button 1's picture is missing and button 2's field empty: blank, not the item's picture left.
    EXPECT_TRUE(shown.command(1).picture().empty());
    EXPECT_TRUE(shown.command(2).picture().empty());
    EXPECT_TRUE(shown.command(16).picture().empty());
    EXPECT_EQ(shown.command(16).caption(), "");
    EXPECT_EQ(shown.Text(16).text(), "16");
    EXPECT_FALSE(shown.command(16).visible());
    shown.command(16).userClick();
    shown.command(15).userClick();
    EXPECT_EQ(shown.cmdMainM.tag(), "Main");
    EXPECT_EQ(shown.lblScrn.caption(), "B");
    EXPECT_EQ(shown.datList.recordSource(), "Select * from tbLunch order by Dish_ID ASC");
    shown.command(10).userClick();
    EXPECT_EQ(shown.datList.recordSource(), "Select * from tbSoup order by Dish_ID ASC");
}

TEST_F(RoomService, SectionsOpenWithTheirStationCodes) {
    run("ZuBak.mdb", "UPDATE tbSetScrn SET scrn0 = 'D', scrn1 = 'A', scrn9 = 'S', scrn11 = '-'");
    struct Case {
        int button;
        const char* source;
        const char* station;
    };
    for (const Case& c : {Case{1, "Select * from tbDrink order by Dish_ID ASC", "D"},
                          Case{2, "Select * from tbAppetizer order by Dish_ID ASC", "A"},
                          Case{5, "SELECT * FROM tbVDishes ORDER BY Dish_ID ASC", "B"},
                          Case{10, "Select * from tbSoup order by Dish_ID ASC", "S"},
                          Case{12, "SELECT * FROM tbLamb ORDER BY Dish_ID ASC", "-"},
                          Case{13, "Select * from tbLunch order by Dish_ID ASC", "B"},
                          Case{14, "Select * from tbDinner order by Dish_ID ASC", "B"}}) {
        open(c.button);
        EXPECT_EQ(screen().datList.recordSource(), c.source) << c.button;
        EXPECT_EQ(screen().lblScrn.caption(), c.station) << c.button;
    }
}

TEST_F(RoomService, ItemPagesShowSixteenSlotsAndPageOnlyWhereItemsGoOn) {
    for (int id = 1; id <= 16; ++id) add("tbBeef", {id, "Beef " + std::to_string(id), "5.00"});
    add("tbBeef", {0, "Zero", "1.00"});
    add("tbBeef", {65, "Sixty-five", "1.00"});
    add("tbBeef", {5, "Second five", "1.00"});
    for (int id = 1; id <= 64; ++id) add("tbSeafood", {id, "Fish " + std::to_string(id), "5.00"});
    add("tbPork", {3, "Dash", "5.00", "", "", "", {}, "-"});
    frmRooms& rooms = screen();

    open(8);
    EXPECT_EQ(rooms.command(5).caption(), "Beef 5");
    EXPECT_EQ(rooms.command(16).caption(), "Beef 16");
    EXPECT_FALSE(rooms.cmdLast.visible());
    EXPECT_TRUE(rooms.cmdNext.visible());
    EXPECT_EQ(rooms.cmdNext.caption(), "2");
    rooms.cmdNext_Click();
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(rooms.command(k).caption(), "") << k;
        EXPECT_EQ(rooms.Text(k).text(), std::to_string(16 + k)) << k;
        EXPECT_EQ(rooms.command(k).tag(), std::to_string(16 + k)) << k;
    }
    EXPECT_TRUE(rooms.cmdLast.visible());
    EXPECT_EQ(rooms.cmdLast.caption(), "1");
    EXPECT_FALSE(rooms.cmdNext.visible());
    rooms.cmdLast_Click();
    EXPECT_EQ(rooms.cmdLast.tag(), "");
    EXPECT_FALSE(rooms.cmdLast.visible());

    // No items at all.
    open(3);
    for (int k = 1; k <= 16; ++k) {
        EXPECT_EQ(rooms.command(k).caption(), "") << k;
        EXPECT_EQ(rooms.Text(k).text(), std::to_string(k)) << k;
    }
    EXPECT_FALSE(rooms.cmdLast.visible());
    EXPECT_FALSE(rooms.cmdNext.visible());

    // Four full pages: "5" fills page 4 again.
    open(9);
    for (const char* next : {"2", "3", "4"}) {
        EXPECT_EQ(rooms.cmdNext.caption(), next);
        rooms.cmdNext_Click();
    }
    EXPECT_EQ(rooms.command(1).caption(), "Fish 49");
    EXPECT_EQ(rooms.cmdNext.caption(), "5");
    EXPECT_EQ(rooms.cmdLast.caption(), "3");
    rooms.cmdNext_Click();
    EXPECT_EQ(rooms.cmdLast.tag(), "4");
    EXPECT_EQ(rooms.command(16).caption(), "Fish 64");
    EXPECT_EQ(rooms.Text(16).text(), "64");
    // "Notes" on page 4 shows page 4 of the notes; the back button and a section start on page 1,
    // and the number boxes keep their numbers on the section page.
    rooms.cmdSp_Click();
    EXPECT_EQ(rooms.datList.recordSource(), "SELECT * FROM tbSpl ORDER BY Dish_ID ASC");
    EXPECT_EQ(rooms.Text(1).text(), "49");
    rooms.cmdMainM_Click();
    EXPECT_EQ(rooms.Text(1).text(), "49");
    EXPECT_EQ(rooms.command(1).caption(), "Drink");
    EXPECT_FALSE(rooms.cmdLast.visible());
    EXPECT_FALSE(rooms.cmdNext.visible());
    rooms.command(11).userClick();
    EXPECT_EQ(rooms.command(3).caption(), "Dash");
    EXPECT_TRUE(rooms.command(3).picture().empty());
    EXPECT_EQ(rooms.Text(1).text(), "1");
}

TEST_F(RoomService, AnItemButtonHandsItsNumberOverAndTakesTheItemEachTime) {
    for (int id = 1; id <= 32; ++id) add("tbSoup", {id, "Soup " + std::to_string(id), "2.00"});
    sort(false);
    frmRooms& rooms = screen();
    std::vector<std::string> handed;
    rooms.lblList.onChange([&] {
        if (!rooms.lblList.caption().empty()) handed.push_back(rooms.lblList.caption());
        rooms.lblList_Change();
    });
    open(10);
    rooms.command(5).userClick();
    rooms.command(5).userClick();
    rooms.cmdNext_Click();
    rooms.command(9).userClick();
    EXPECT_EQ(handed, (std::vector<std::string>{"05", "05", "025"}));
    EXPECT_EQ(lines(), (std::vector<Line>{
                           {"1", "Soup 5", "2.00", "B"}, {"1", "Soup 5", "2.00", "B"}, {"1", "Soup 25", "2.00", "B"}}));
    EXPECT_EQ(rooms.txtTotal.text(), "6.00");
    EXPECT_EQ(rooms.txtList.text(), "");
    EXPECT_EQ(rooms.lblList.caption(), "");
}

TEST_F(RoomService, ANoteBeforeAnySectionHasNoStationAndEmptiesTheModeWord) {
    add("tbSpl", {1, "No salt", "0"});
    frmRooms& rooms = screen();
    rooms.cmdSp_Click();
    EXPECT_EQ(rooms.tag(), "");
    EXPECT_EQ(rooms.cmdMainM.tag(), "");
    rooms.command(1).userClick();
    EXPECT_EQ(lines(), (std::vector<Line>{{"1", "No salt", "0.00", ""}}));
    EXPECT_EQ(rooms.tag(), "Zu");
}

TEST_F(RoomService, TakingAnItemWritesItsLineAndAddsItsCharge) {
    struct Case {
        const char* name;
        Item item;
        const char* quantity;  // typed before the item ("": none)
        const char* percent;
        const char* answer;  // the choice box's button, "" when no box may show
        Line expected;
        const char* subtotal;
    };
    const std::vector<std::string> none;
    for (const Case& c : {
             Case{"base price", {1, "Rice", "8.50"}, "", "", "", {"1", "Rice", "8.50", "A"}, "8.50"},
             Case{"large size",
                  {1, "Wonton", "8.00", "6.00", "$0.00", "10.00"},
                  "",
                  "",
                  "cmdNo",
                  {"1", "XL-Wonton", "10.00", "A"},
                  "10.00"},
             Case{"small size",
                  {1, "Wonton", "8.00", "6.00", "", "10.00"},
                  "",
                  "",
                  "cmdS",
                  {"1", "M-Wonton", "6.00", "A"},
                  "6.00"},
             Case{"base button",
                  {1, "Wonton", "8.00", "6.00", "0", "10.00"},
                  "",
                  "",
                  "cmdYes",
                  {"1", "Wonton", "8.00", "A"},
                  "8.00"},
             Case{"quantity", {1, "Tea", "4.50"}, "3", "", "", {"3", "Tea", "13.50", "A"}, "13.50"},
             Case{"half", {1, "Tea", "4.50"}, "0.5", "", "", {"1/2", "Tea", "2.25", "A"}, "2.25"},
             Case{"half without zero", {1, "Tea", "4.50"}, ".5", "", "", {"1/2", "Tea", "2.25", "A"}, "2.25"},
             Case{"no number", {1, "Tea", "4.50"}, "x3", "", "", {"1", "Tea", "4.50", "A"}, "4.50"},
             Case{"percent", {1, "Duck", "12.50"}, "", "10", "", {"1", "Duck-10%", "11.25", "A"}, "11.25"},
             Case{"percent of a cent", {1, "Mint", "0.05"}, "", "10", "", {"1", "Mint-10%", "0.05", "A"}, "0.05"},
             Case{"percent no number", {1, "Duck", "12.50"}, "", "ten", "", {"1", "Duck-ten%", "12.50", "A"}, "12.50"},
             Case{"thousands", {1, "Banquet", "1250"}, "", "", "", {"1", "Banquet", "1,250.00", "A"}, "1,250.00"},
             Case{"one option",
                  {1, "Wings", "9.00", "", "", "", {"Spicy", "-"}},
                  "",
                  "",
                  "cmdS",
                  {"1", "Wings /Spicy", "9.00", "A"},
                  "9.00"},
             Case{"no first option",
                  {1, "Wings", "9.00", "", "", "", {"", "Mild"}},
                  "",
                  "",
                  "",
                  {"1", "Wings", "9.00", "A"},
                  "9.00"},
             Case{"third option",
                  {1, "Wings", "9.00", "", "", "", {"A", "B", "Hot", "D"}},
                  "",
                  "",
                  "cmdYes",
                  {"1", "Wings /Hot", "9.00", "A"},
                  "9.00"},
             Case{"sixth option",
                  {1, "Wings", "9.00", "", "", "", {"A", "B", "C", "D", "E", "Lemon"}},
                  "",
                  "",
                  "cmdOpt6",
                  {"1", "Wings /Lemon", "9.00", "A"},
                  "9.00"},
         }) {
        SCOPED_TRACE(c.name);
        reopen();
        run("ZuBak.mdb", "DELETE FROM tbAppetizer");
        run("ZuBak.mdb", "UPDATE tbSetScrn SET scrn1 = 'A'");
        add("tbAppetizer", c.item);
        frmRooms& rooms = screen();
        open(2);
        if (*c.quantity) rooms.txtQty.setText(c.quantity);
        if (*c.percent) rooms.txtPercent.setText(c.percent);
        bool asked = false;
        if (*c.answer) {
            host().whileWaiting([&] {
                asked = true;
                box().control(c.answer)->userClick();
            });
        }
        take(1);
        EXPECT_EQ(asked, *c.answer != '\0');
        EXPECT_EQ(lines(), (std::vector<Line>{c.expected}));
        EXPECT_EQ(rooms.txtTotal.text(), c.subtotal);
        EXPECT_EQ(rooms.txtQty.text(), "");
        EXPECT_EQ(rooms.txtPercent.text(), c.percent);
        EXPECT_EQ(rooms.lblList.tag(), "");
        EXPECT_EQ(rooms.tag(), "Zu");
        EXPECT_FALSE(ui::forms().isLoaded("frmMsgbox") && box().visible());
    }
}

TEST_F(RoomService, TheSizeQuestionShowsThePricedSizesWithTheirLabels) {
    add("tbAppetizer", {1, "Wonton", "8.00", "6.00", "$0.00", "10.00"});
    add("tbAppetizer", {2, "Bun", "3.00", "", "4.00", ""});
    frmRooms& rooms = screen();
    open(2);
    struct Seen {
        std::string caption;
        bool visible;
        std::string label;
        bool labelShown;
    };
    std::vector<Seen> seen;
    auto look = [&] {
        settings::frmMsgbox& b = box();
        EXPECT_EQ(b.tag(), "0");
        for (auto [button, label] : {std::pair{&b.cmdS, &b.txtSprice}, std::pair{&b.cmdM, &b.txtMprice},
                                     std::pair{&b.cmdNo, &b.txtLprice}, std::pair{&b.cmdYes, &b.txtPrice}})
            seen.push_back({button->caption(), button->visible(), label->text(), label->visible()});
        b.cmdYes.userClick();
    };
    host().whileWaiting(look);
    take(1);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].caption, "$6.00");
    EXPECT_TRUE(seen[0].visible && seen[0].labelShown);
    EXPECT_EQ(seen[0].label, "M-");
    EXPECT_FALSE(seen[1].visible);
    EXPECT_FALSE(seen[1].labelShown);
    EXPECT_EQ(seen[2].caption, "$10.00");
    EXPECT_TRUE(seen[2].visible && seen[2].labelShown);
    EXPECT_EQ(seen[2].label, "XL-");
    EXPECT_EQ(seen[3].caption, "$8.00");
    EXPECT_TRUE(seen[3].visible);
    EXPECT_FALSE(seen[3].labelShown);

    // Size 3 unpriced: its button and label are hidden.
    seen.clear();
    host().whileWaiting(look);
    take(2);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_FALSE(seen[0].visible);
    EXPECT_EQ(seen[1].caption, "$4.00");
    EXPECT_TRUE(seen[1].visible && seen[1].labelShown);
    EXPECT_FALSE(seen[2].visible || seen[2].labelShown);
    EXPECT_EQ(lines().back(), (Line{"1", "Bun", "3.00", "B"}));
    EXPECT_EQ(rooms.txtTotal.text(), "11.00");
}

TEST_F(RoomService, APercentStaysForTheNextItemUntilItsBoxIsClicked) {
    add("tbAppetizer", {1, "Duck", "12.50"});
    sort(false);
    frmRooms& rooms = screen();
    open(2);
    rooms.cmdPercent_Click();
    EXPECT_EQ(rooms.tag(), "Percent");
    rooms.txtPercent.setText("10");
    take(1);
    take(1);
    EXPECT_EQ(lines(), (std::vector<Line>{{"1", "Duck-10%", "11.25", "B"}, {"1", "Duck-10%", "11.25", "B"}}));
    rooms.txtPercent.userClick();
    EXPECT_EQ(rooms.txtPercent.text(), "");
    EXPECT_EQ(rooms.tag(), "Percent");
    take(1);
    EXPECT_EQ(lines().back(), (Line{"1", "Duck", "12.50", "B"}));
    EXPECT_EQ(rooms.txtTotal.text(), "35.00");
}

TEST_F(RoomService, ARepeatedItemJoinsItsLineAtTheEndWhenSortReceiptIsOn) {
    struct Case {
        const char* name;
        bool merge;
        std::vector<Line> before;
        const char* quantity;
        std::vector<Line> after;
        const char* subtotal;  // from 7.00 before
    };
    for (const Case& c : {
             Case{"merged",
                  true,
                  {{"1", "Soup", "5.00", "A"}, {"1", "Tea", "2.00", "D"}},
                  "",
                  {{"1", "Tea", "2.00", "D"}, {"2", "Soup", "10.00", "A"}},
                  "12.00"},
             Case{"merged with a quantity",
                  true,
                  {{"1", "Soup", "5.00", "A"}, {"1", "Tea", "2.00", "D"}},
                  "3",
                  {{"1", "Tea", "2.00", "D"}, {"4", "Soup", "20.00", "A"}},
                  "22.00"},
             Case{"recalled line",
                  true,
                  {{"1", "Soup", "5.00", ""}, {"1", "Tea", "2.00", "D"}},
                  "",
                  {{"1", "Soup", "5.00", ""}, {"1", "Tea", "2.00", "D"}, {"1", "Soup", "5.00", "A"}},
                  "12.00"},
             Case{"half portion",
                  true,
                  {{"1/2", "Soup", "2.50", "A"}, {"1", "Tea", "4.50", "D"}},
                  "",
                  {{"1/2", "Soup", "2.50", "A"}, {"1", "Tea", "4.50", "D"}, {"1", "Soup", "5.00", "A"}},
                  "12.00"},
             Case{"option lines",
                  true,
                  {{"1", "Soup", "4.00", "A"},
                   {"+", "1 Egg", "1.00", "A"},
                   {"+", "No onion", "", "A"},
                   {"1", "Tea", "2.00", "D"}},
                  "",
                  {{"1", "Tea", "2.00", "D"},
                   {"2", "Soup", "9.00", "A"},
                   {"+", "1 Egg", "1.00", "A"},
                   {"+", "No onion", "", "A"}},
                  "12.00"},
             Case{"first of two",
                  true,
                  {{"1", "Soup", "5.00", "A"}, {"1", "Soup", "2.00", "A"}},
                  "",
                  {{"1", "Soup", "2.00", "A"}, {"2", "Soup", "10.00", "A"}},
                  "12.00"},
             Case{"off",
                  false,
                  {{"1", "Soup", "5.00", "A"}, {"1", "Tea", "2.00", "D"}},
                  "",
                  {{"1", "Soup", "5.00", "A"}, {"1", "Tea", "2.00", "D"}, {"1", "Soup", "5.00", "A"}},
                  "12.00"},
         }) {
        SCOPED_TRACE(c.name);
        reopen();
        sort(c.merge);
        run("ZuBak.mdb", "DELETE FROM tbSoup");
        run("ZuBak.mdb", "UPDATE tbSetScrn SET scrn9 = 'A'");
        add("tbSoup", {1, "Soup", "5.00"});
        frmRooms& rooms = screen();
        for (const Line& l : c.before) rooms.grdOrderItems.AddItem(l[0] + "\t" + l[1] + "\t" + l[2] + "\t" + l[3]);
        rooms.txtTotal.setText("7.00");
        open(10);
        if (*c.quantity) rooms.txtQty.setText(c.quantity);
        take(1);
        EXPECT_EQ(lines(), c.after);
        EXPECT_EQ(rooms.txtTotal.text(), c.subtotal);
        EXPECT_EQ(rooms.grdOrderItems.tag(), "");
        EXPECT_EQ(rooms.txtQty.tag(), "");
    }
}

TEST_F(RoomService, TheEntryBoxesAndTheModeWord) {
    frmRooms& rooms = screen();
    rooms.Show();
    EXPECT_EQ(rooms.tag(), "");
    EXPECT_FALSE(rooms.txtQty.visible());
    rooms.cmdQty_Click();
    EXPECT_TRUE(rooms.txtQty.visible());
    EXPECT_EQ(rooms.activeControl(), &rooms.txtQty);
    rooms.txtQty.userClick();
    EXPECT_EQ(rooms.tag(), "Qty");
    struct Case {
        const char* typed;
        const char* kept;
    };
    for (const Case& c : {Case{"01", ""}, Case{"00", ""}, Case{"12", "12"}, Case{"0.5", "0.5"}}) {
        rooms.txtQty.setText("");
        for (char ch : std::string(c.typed)) rooms.txtQty.setText(rooms.txtQty.text() + ch);
        EXPECT_EQ(rooms.txtQty.text(), c.kept) << c.typed;
    }
    // The item number box is hidden: the focus cannot go there, stays, and nothing is shown.
    EXPECT_EQ(rooms.activeControl(), &rooms.txtQty);
    EXPECT_TRUE(prompts().empty());
    rooms.cmdAsk_Click();
    EXPECT_EQ(rooms.tag(), "Zu");

    // An item number without an item adds nothing.
    add("tbAppetizer", {7, "Rolls", "3.00"});
    rooms.txtQty.setText("");
    rooms.cmdSp_Click();
    open(2);
    rooms.lblList.setCaption("077");
    EXPECT_EQ(rooms.grdOrderItems.rows(), 2);
    EXPECT_EQ(rooms.txtTotal.text(), "0.00");
    EXPECT_EQ(rooms.tag(), "Zu");
    EXPECT_EQ(rooms.lblList.caption(), "");
}

TEST_F(RoomService, TheWorkingRecordNeverReachesTheMenu) {
    add("tbAppetizer", {1, "Wings", "9.00", "", "", "12.00", {"Spicy"}});
    frmRooms& rooms = screen();
    open(2);
    rooms.txtQty.setText("2");
    rooms.txtPercent.setText("10");
    host().whileWaiting([&] { box().cmdNo.userClick(); });
    host().whileWaiting([&] { box().cmdS.userClick(); });
    take(1);
    EXPECT_EQ(lines(), (std::vector<Line>{{"2", "XL-Wings /Spicy-10%", "21.60", "B"}}));
    EXPECT_EQ(rooms.cmdAsk.tag(), "5");
    rooms.cmdClose_Click();
    auto store = db::Database::open(os::programPath("ZuBak.mdb"));
    ASSERT_TRUE(store);
    auto rows = store->openRecordset("SELECT * FROM tbAppetizer");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->recordCount(), 1);
    for (auto [field, stored] : {std::pair{"szMenu_nm", "Wings"}, std::pair{"szPrice_amt", "9.00"},
                                 std::pair{"szMenu_ID", "K1"}, std::pair{"szPriceL_amt", "12.00"}})
        EXPECT_EQ(rows->field(field)->toText(), stored) << field;
}

// A charge the list shows as "$1,250.00" goes onto the folio in the folio's format and is stored and
// recalled as its amount.
TEST_F(RoomService, AChargeInTheListsFormIsSavedAndRecalledAsItsAmount) {
    add("tbAppetizer", {1, "Banquet", "1250"});
    frmRooms& rooms = screen();
    rooms.txtRoom.setText("104");
    open(2);
    take(1);
    ASSERT_EQ(lines(), (std::vector<Line>{{"1", "Banquet", "1,250.00", "B"}}));
    rooms.cmdSave_Click();
    EXPECT_TRUE(prompts().empty());
    auto store = db::Database::open(os::programPath("Ordr.mdb"));
    ASSERT_TRUE(store);
    auto rows = store->openRecordset("SELECT * FROM tblDetail");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->recordCount(), 1);
    EXPECT_EQ(rows->field("Price")->toMoney(), core::Money::fromInt(1250));
    std::string number = rows->field("Invoice")->toText();

    reopen();
    frmRooms& again = screen();
    again.txtRoom.setText("104");
    again.cmbRept.setText(number);
    again.cmbRept.setTag("OldNum");
    again.Show();
    EXPECT_EQ(lines(), (std::vector<Line>{{"1", "Banquet", "1,250.00", ""}}));
    EXPECT_EQ(again.txtTotal.text(), "1,250.00");
}

}  // namespace
}  // namespace pelk::folio
