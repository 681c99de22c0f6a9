// The item editor's own routines: the currency sign by country, the price format and the blank
// editor for a new item.

#include <gtest/gtest.h>

#include <string>

#include "menu/frmEDes.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "setup/frmRegister.h"
#include "support/screens.h"

namespace pelk::menu {
namespace {

class ItemEditor : public test::ScreenTest {
protected:
    void run(const std::string& sql) {
        auto store = db::Database::open(os::programPath("DOZA98.mdb"));
        ASSERT_TRUE(store.ok());
        auto done = store->execute(sql);
        ASSERT_TRUE(done.ok()) << done.error().message();
    }
    frmEDes& editor() { return ui::forms().get<frmEDes>(); }
};

TEST_F(ItemEditor, ShowsTheCurrencySignOfTheStoresCountry) {
    struct Case {
        const char* country;
        bool pound, dollar;
    } cases[] = {
        {"China", false, false},         {"Japan", false, false}, {"Korean", false, false},
        {"United Kingdom", true, false}, {"Canada", false, true}, {"", false, true},
    };
    for (const Case& c : cases) {
        run(std::string("UPDATE tbSet SET setL = '") + c.country + "'");
        ui::Unload<frmEDes>();
        ui::Unload<setup::frmRegister>();
        frmEDes& screen = editor();
        for (int i : {0, 1}) {
            EXPECT_EQ(screen.imgUK(i).visible(), c.pound) << c.country;
            EXPECT_EQ(screen.imgUS(i).visible(), c.dollar) << c.country;
        }
    }
}

TEST_F(ItemEditor, FormatsThePricesAsMoneyAndLeavesOtherTextsAlone) {
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"1234.5", "1,234.50"},   {"0", "0.00"}, {"12", "12.00"}, {".5", "0.50"},
        {"1,234.50", "1,234.50"}, {"", ""},      {"abc", "abc"},  {"1234567.125", "1,234,567.13"},
    };
    frmEDes& screen = editor();
    for (const Case& c : cases) {
        for (ui::TextBox* box : {&screen.txtMprice, &screen.txtLprice, &screen.txtPrice, &screen.txtXlprice})
            box->setText(c.typed);
        screen.FormatPrices();
        for (ui::TextBox* box : {&screen.txtMprice, &screen.txtLprice, &screen.txtPrice, &screen.txtXlprice})
            EXPECT_EQ(box->text(), c.shown) << box->name() << " " << c.typed;
    }
}

TEST_F(ItemEditor, ABlankEditorKeepsTheNumberAndPrinterAndEmptiesTheOptions) {
    frmEDes& screen = editor();
    screen.txtID.setText("12");
    screen.cmbPrinter.setText("K1");
    screen.txtFind.setText("Tea");
    screen.txtPrice.setText("3.00");
    for (int n = 1; n <= 44; ++n) screen.optionBox(n).setText("x");
    screen.ClearItemEditor();
    EXPECT_EQ(screen.cmdSave.tag(), "AddNew");
    EXPECT_EQ(screen.txtID.text(), "12");
    EXPECT_EQ(screen.cmbPrinter.text(), "K1");
    EXPECT_EQ(screen.txtFind.text(), "");
    for (ui::TextBox* box : {&screen.txtMprice, &screen.txtLprice, &screen.txtPrice, &screen.txtXlprice})
        EXPECT_EQ(box->text(), "0.00") << box->name();
    // The additional prices never keep a text, so every option box reads empty.
    for (int n = 1; n <= 44; ++n) EXPECT_EQ(screen.optionBox(n).text(), "") << n;
}

TEST_F(ItemEditor, ReopeningWithoutAnOpenSectionDoesNothing) {
    frmEDes& screen = editor();
    screen.txtItems.setTag("Notes");
    screen.ReopenSection();
    EXPECT_EQ(screen.command(1).caption(), "");
    screen.txtItems.setTag("Soup");
    screen.ReopenSection();
    EXPECT_EQ(screen.command(1).caption(), "Add New Item");
    EXPECT_EQ(screen.datList.recordSource(), "SELECT * FROM tbSoup ORDER BY Dish_ID");
}

}  // namespace
}  // namespace pelk::menu
