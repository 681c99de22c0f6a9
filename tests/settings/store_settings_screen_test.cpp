// The store settings screen frmInfor: its handlers and "Save/Exit".

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "settings/frmBSfwSet.h"
#include "settings/frmInfor.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

// The main window as "Save/Exit" sees it: the menu item that the about box may have marked.
class frmMain : public ui::Form {
public:
    ui::Menu mmSetting{this, "mmSetting"};
    ui::Menu mmInfor{this, "mmInfor", mmSetting};
};

class StoreSettingsScreen : public test::ScreenTest {
protected:
    StoreSettingsScreen() { ui::forms().registerForm<frmMain>("frmMain"); }
    void run(const char* file, const std::string& sql) {
        auto store = db::Database::open(os::programPath(file));
        auto done = store->execute(sql);
        ASSERT_TRUE(done.ok()) << done.error().message();
    }
    std::string stored(const char* file, const char* table, const char* field) {
        auto store = db::Database::open(os::programPath(file));
        return store->openRecordset(table)->field(field)->toText();
    }
    frmInfor& screen() { return ui::forms().get<frmInfor>(); }
    frmInfor& shown(const char* tag = "") {
        frmInfor& f = screen();
        f.setTag(tag);
        f.Show();
        return f;
    }
};

TEST_F(StoreSettingsScreen, SaveExitStoresTheEditsForTheNextReader) {
    frmInfor& f = shown();
    f.txtL1.setText("Pelk Inn");
    ui::input::select(f.cmbCountry, 1);  // Canada
    f.txtENotes3.setText("");
    f.txtENotes4.setText(" ");
    f.txtTOTax1.setText("0.075");
    ui::input::select(f.CmbSoup, 0);  // "A"
    ui::input::select(f.CmbLamb, 2);  // "-"
    ui::input::click(f.cmdClose);
    EXPECT_FALSE(ui::forms().isLoaded<frmInfor>());
    EXPECT_TRUE(ui::forms().find<frmBSfwSet>()->visible());
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Line1"), "Pelk Inn");
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Notes3"), "-");
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Notes4"), " ");
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetScrn", "scrn9"), "A");
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetScrn", "scrn11"), "-");
    // The next reader loads the holder afresh.
    EXPECT_EQ(screen().txtL1.text(), "Pelk Inn");
    EXPECT_EQ(screen().cmbCountry.text(), "Canada");
    EXPECT_EQ(screen().txtTOTax1.text(), "0.075");
    EXPECT_FALSE(screen().visible());
}

// The hidden Tel# and Free Pop boxes show their fields and carry them unchanged through a save,
// from the panel and from the menu alike; the free-pop mode beside them keeps its own value.
TEST_F(StoreSettingsScreen, HiddenTelAndFreePopFieldsSurviveASave) {
    auto tel = [](int i) { return "555-01" + std::to_string(10 + i) + (i == 3 ? " " : ""); };
    auto pop = [](int i) { return "Pop " + std::to_string(i); };
    for (int i = 0; i < 15; ++i) run("DOZA98.mdb", "UPDATE tbTel SET t" + std::to_string(i) + " = '" + tel(i) + "'");
    for (int i = 0; i < 12; ++i)
        run("ZuBak.mdb", "UPDATE tbSetFreePop SET t" + std::to_string(i) + " = '" + pop(i) + "'");
    run("ZuBak.mdb", "UPDATE tbSetFreePop SET t12 = 'UpLine'");
    for (const char* tag : {"", "QS"}) {
        frmInfor& f = shown(tag);
        EXPECT_FALSE(f.txtT0.visible());
        EXPECT_FALSE(f.txts11.visible());
        EXPECT_EQ(f.txtT14.text(), tel(14)) << tag;
        EXPECT_EQ(f.txts0.text(), pop(0)) << tag;
        f.txtL1.setText(std::string("Pelk Inn ") + tag);
        ui::input::click(f.cmdClose);
        ASSERT_FALSE(ui::forms().isLoaded<frmInfor>()) << tag;
        EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Line1"), std::string("Pelk Inn ") + tag);
        for (int i = 0; i < 15; ++i)
            EXPECT_EQ(stored("DOZA98.mdb", "tbTel", ("t" + std::to_string(i)).c_str()), tel(i)) << tag << " t" << i;
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(stored("ZuBak.mdb", "tbSetFreePop", ("t" + std::to_string(i)).c_str()), pop(i))
                << tag << " t" << i;
        EXPECT_EQ(stored("ZuBak.mdb", "tbSetFreePop", "t12"), "UpLine") << tag;
    }
}

TEST_F(StoreSettingsScreen, SaveExitFromTheMenuOnlyUnloads) {
    frmMain& main = ui::forms().get<frmMain>();
    main.mmInfor.setTag("False");
    frmInfor& f = shown("QS");
    f.txtL2.setText("Tel: 555-0100");
    ui::input::click(f.cmdClose);
    EXPECT_FALSE(ui::forms().isLoaded<frmInfor>());
    EXPECT_FALSE(ui::forms().isLoaded<frmBSfwSet>());
    EXPECT_TRUE(main.mmInfor.enabled());
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Line2"), "Tel: 555-0100");
    // From the panel, the mark disables the menu item.
    ui::input::click(shown().cmdClose);
    EXPECT_FALSE(main.mmInfor.enabled());
    EXPECT_TRUE(ui::forms().find<frmBSfwSet>()->visible());
}

TEST_F(StoreSettingsScreen, ATaxRateThatIsNoFractionIsRefused) {
    struct Case {
        const char *country, *tax1, *tax2;
        bool accepted;
    };
    for (const Case& c : {Case{"United States", "7.5", "", false}, Case{"United States", "abc", "", false},
                          Case{"United States", "1", "", false}, Case{"United States", "-0.05", "", false},
                          Case{"United States", "", "", true}, Case{"United States", "0.075", "9", true},
                          Case{"Canada", "0.05", "7", false}, Case{"Canada", "0.05", ".07", true}}) {
        run("DOZA98.mdb", std::string("UPDATE tbSet SET setL = ") + db::quote(c.country) + ", Tax = '0', TaxFed = '0'");
        frmInfor& f = shown();
        f.txtTOTax1.setText(c.tax1);
        f.txtTOTax2.setText(c.tax2);
        std::size_t before = host().messageBoxes().size();
        ui::input::click(f.cmdClose);
        EXPECT_EQ(!ui::forms().isLoaded<frmInfor>(), c.accepted) << c.country << " " << c.tax1 << " " << c.tax2;
        if (c.accepted) {
            EXPECT_EQ(host().messageBoxes().size(), before);
            EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "Tax"), c.tax1);
        } else {
            ASSERT_EQ(host().messageBoxes().size(), before + 1);
            EXPECT_EQ(host().messageBoxes().back().icon(), ui::MsgBoxIcon::Critical);
            EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "Tax"), "0");
            screen().Unload();
        }
        ui::Unload<frmBSfwSet>();
    }
    EXPECT_EQ(prompts()[0],
              "The Tax Rate \"7.5\" is not a rate. Please enter it as a fraction from 0 to less than 1, such as 0.075 "
              "for 7.5%.");
    EXPECT_EQ(prompts()[4].rfind("The second Tax Rate \"7\"", 0), 0u) << prompts()[4];
}

TEST_F(StoreSettingsScreen, BoundCheckBoxesRunTheirClickWhenTheRowIsRead) {
    run("DOZA98.mdb", "UPDATE tbSet SET szSectnAuto = 1, KB = 1, cmdEtoC = 1, szSort = 1");
    frmInfor& f = screen();
    EXPECT_EQ(f.chkSection.caption(), "Enabled");
    EXPECT_FALSE(f.cmdKB.enabled());
    EXPECT_FALSE(f.cmdEtoC.enabled());
    EXPECT_EQ(f.cmdEtoC.caption(), "中英");
    EXPECT_EQ(f.chkSort.value(), 1);
    EXPECT_EQ(f.chkSort.caption(), "Disabled");
    f.Show();
    ui::input::click(f.chkKB);
    EXPECT_TRUE(f.cmdKB.enabled());
    ui::input::click(f.cmdKB);
    EXPECT_FALSE(f.cmdKB.enabled());
    f.chkSection.setValue(0);
    EXPECT_EQ(f.chkSection.caption(), "Disabled");
    ui::input::click(f.chkEtoC);
    EXPECT_TRUE(f.cmdEtoC.enabled());
    EXPECT_EQ(f.cmdEtoC.caption(), "E Only");
    ui::input::click(f.cmdClose);
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "cmdEtoC"), "0");
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "KB"), "0");
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "szSectnAuto"), "0");
}

TEST_F(StoreSettingsScreen, TheReceiptNotesModeAndTheTaxOption) {
    struct Case {
        const char *before, *after;
    };
    frmInfor& f = shown();
    for (const Case& c : {Case{"Not Printing L1 L2", "Print L1 L2 Now"}, Case{"Print L1 L2 Now", "Not Printing L1 L2"},
                          Case{"-", "Print L1 L2 Now"}, Case{"", ""}, Case{"Print", "Print"}}) {
        f.lblSetP.setCaption(c.before);
        ui::input::click(f.Command5);
        EXPECT_EQ(f.lblSetP.caption(), c.after) << c.before;
    }
    ui::input::click(f.cmdTaxO);
    EXPECT_FALSE(f.txtTOTax1.enabled());
    EXPECT_EQ(f.txtTaxOpt.text(), "O");
    ui::input::click(f.cmdClose);
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "SetB"), "O");
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "SetM"), "Print");
    // Stored "O" locks the first rate when the screen opens; "Auto" unlocks it and stores "A".
    frmInfor& again = shown();
    EXPECT_FALSE(again.txtTOTax1.enabled());
    ui::input::click(again.cmdTaxA);
    EXPECT_TRUE(again.txtTOTax1.enabled());
    ui::input::click(again.cmdClose);
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "SetB"), "A");
}

TEST_F(StoreSettingsScreen, TheCountryShowsTheSecondTaxes) {
    frmInfor& f = shown();
    EXPECT_FALSE(f.txtTOTax2.visible());
    EXPECT_FALSE(f.txtDITax2.visible());
    ui::input::select(f.cmbCountry, 1);
    EXPECT_EQ(f.cmbCountry.text(), "Canada");
    EXPECT_TRUE(f.txtTOTax2.visible());
    EXPECT_TRUE(f.txtDITax2.visible());
    EXPECT_TRUE(f.txtBarTax2.visible());
    EXPECT_FALSE(f.lblBarTax.visible());
    ui::input::select(f.cmbCountry, 3);
    EXPECT_EQ(f.cmbCountry.text(), "Japan");
    EXPECT_FALSE(f.txtTOTax2.visible());
    EXPECT_FALSE(f.txtBarTax2.visible());
    EXPECT_EQ(f.cmbCountry.items(), (std::vector<std::string>{"Australia", "Canada", "China", "Japan", "Korean",
                                                              "United States", "United Kingdom"}));
}

TEST_F(StoreSettingsScreen, ThePlanAmountTheSectionsAndTheFreePopMode) {
    frmInfor& f = shown();
    f.txtPlan.setText("1234.5");
    EXPECT_EQ(f.txtPlan.text(), "1,234.50");
    f.txtPlan.setText("none");
    EXPECT_EQ(f.txtPlan.text(), "none");

    ui::input::click(f.cmdSoup);
    EXPECT_FALSE(f.cmdSoup.visible());
    EXPECT_TRUE(f.txtm9.visible());
    EXPECT_TRUE(f.CmbSoup.enabled());

    // An empty mode gives "1.Default" (pictures, no captions); again, "2.Custom" and the names.
    f.lblMainMu.setCaption("");
    ui::input::click(f.cmdMainMu);
    EXPECT_EQ(f.lblMainMu.caption(), "1.Default");
    EXPECT_EQ(f.cmdMainMu.caption(), "1.Default");
    EXPECT_EQ(f.cmdDrink.caption(), "");
    ui::input::click(f.cmdMainMu);
    EXPECT_EQ(f.cmdMainMu.caption(), "2.Custom");
    EXPECT_EQ(f.cmdDrink.caption(), "Drink");
    EXPECT_EQ(host().beeps(), 2);

    // The hidden free-pop button cycles the mode and stores it at once.
    for (const char* next : {"Default", "UpLine", "Auto"}) {
        f.cmdFreeSf_Click();
        EXPECT_EQ(f.cmdFreeSf.caption(), next);
        EXPECT_EQ(f.lblFreeSf.caption(), next);
        EXPECT_EQ(stored("ZuBak.mdb", "tbSetFreePop", "t12"), next);
    }
    ui::input::click(f.cmdClose);
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetMain", "False"), "2.Custom");
}

}  // namespace
}  // namespace pelk::settings
