// frmInfor as the holder of the store settings, the section buttons and the second-language switch.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

class StoreSettingsHolder : public test::ScreenTest {
protected:
    void run(const char* file, const std::string& sql) {
        auto store = db::Database::open(os::programPath(file));
        ASSERT_TRUE(store.ok());
        auto done = store->execute(sql);
        ASSERT_TRUE(done.ok()) << done.error().message();
    }
    std::string stored(const char* file, const char* table, const char* field) {
        auto store = db::Database::open(os::programPath(file));
        auto rs = store->openRecordset(table);
        return rs->field(field)->toText();
    }
    // A picture file for section `name` at C:\Program Files\Pelk POS 4\Section\<name>.bmp.
    std::string picture(const std::string& name) {
        std::string path = os::programPath("Section\\" + name + ".bmp");
        root_.writeFile(path, "BM\x01\x02\x03\x04");
        return path;
    }
    frmInfor& holder() { return ui::forms().get<frmInfor>(); }
};

TEST_F(StoreSettingsHolder, AReaderLoadsItHiddenWithTheStoredValues) {
    run("ZuBak.mdb", "UPDATE tbSetInfor SET Line1 = 'Pelk Inn', Line2 = 'Tel: 555-0100'");
    run("ZuBak.mdb", "UPDATE tbSetFreePop SET t12 = 'auto'");
    run("DOZA98.mdb", "UPDATE tbSet SET setL = 'Canada', Tax = '0.05', TaxFed = '0.07', Tax1 = '0.06'");
    run("ZuBak.mdb", "UPDATE tbSetScrn SET scrn9 = 'A', scrn11 = '-'");
    EXPECT_FALSE(ui::forms().isLoaded<frmInfor>());
    EXPECT_EQ(holder().txtL1.text(), "Pelk Inn");
    EXPECT_FALSE(holder().visible());
    EXPECT_EQ(holder().txtL2.text(), "Tel: 555-0100");
    EXPECT_EQ(holder().cmbCountry.text(), "Canada");
    EXPECT_EQ(holder().txtTOTax1.text(), "0.05");
    EXPECT_EQ(holder().txtTOTax2.text(), "0.07");
    EXPECT_EQ(holder().txtDITax1.text(), "0.06");
    EXPECT_EQ(holder().CmbSoup.text(), "A");
    EXPECT_EQ(holder().CmbLamb.text(), "-");
    EXPECT_EQ(holder().lblSetP.caption(), "Not Printing L1 L2");
    EXPECT_EQ(holder().txtPlan.text(), "0.00");
    // The load repairs the free-pop mode, and stores the repair.
    EXPECT_EQ(holder().lblFreeSf.caption(), "Auto");
    EXPECT_EQ(holder().cmdFreeSf.caption(), "Auto");
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetFreePop", "t12"), "Auto");
    EXPECT_TRUE(host().messageBoxes().empty());

    // Readers see the values as loaded until the next load.
    run("ZuBak.mdb", "UPDATE tbSetInfor SET Line1 = 'Other Inn'");
    EXPECT_EQ(holder().txtL1.text(), "Pelk Inn");
    holder().Unload();
    EXPECT_EQ(holder().txtL1.text(), "Other Inn");
}

TEST_F(StoreSettingsHolder, TheSecondLanguageSwitchFollowsTheStoredOption) {
    // Option off: the button is enabled, "E Only".
    EXPECT_EQ(holder().chkEtoC.value(), 0);
    EXPECT_TRUE(holder().cmdEtoC.enabled());
    EXPECT_EQ(holder().cmdEtoC.caption(), "E Only");
    holder().Unload();

    run("DOZA98.mdb", "UPDATE tbSet SET cmdEtoC = 1, KB = 1");
    EXPECT_EQ(holder().chkEtoC.value(), 1);
    EXPECT_FALSE(holder().cmdEtoC.enabled());
    EXPECT_EQ(holder().cmdEtoC.caption(), "中英");
    EXPECT_FALSE(holder().cmdKB.enabled());

    // Each click of the option flips the button.
    holder().chkEtoC.setValue(0);
    EXPECT_TRUE(holder().cmdEtoC.enabled());
    EXPECT_EQ(holder().cmdEtoC.caption(), "E Only");
    holder().cmdEtoC_Click();
    EXPECT_FALSE(holder().cmdEtoC.enabled());
    EXPECT_EQ(holder().cmdEtoC.caption(), "E Only");
}

TEST_F(StoreSettingsHolder, SectionButtonsShowPicturesOrNamesByTheMode) {
    std::string soup = picture("Soup"), lamb = picture("Lamb"), drink = picture("Drink");
    // Soup's picture is p11 and Lamb's p9; Beef's names a file that is not there.
    run("ZuBak.mdb", "UPDATE tbSetMain SET p0 = " + db::quote(drink) + ", p11 = " + db::quote(soup) +
                         ", p9 = " + db::quote(lamb) + ", p7 = 'C:\\Program Files\\Pelk POS 4\\Section\\None.bmp'" +
                         ", t9 = 'Soups', t11 = 'Lamb Dishes'");
    for (const char* mode : {"1.Default", "", "Pictures"}) {
        run("ZuBak.mdb", std::string("UPDATE tbSetMain SET [False] = ") + db::quote(mode));
        frmInfor& f = holder();
        EXPECT_EQ(f.cmdMainMu.caption(), mode);
        EXPECT_EQ(f.cmdSoup.picture().path(), soup) << mode;
        EXPECT_EQ(f.cmdLamb.picture().path(), lamb) << mode;
        EXPECT_EQ(f.cmdDrink.picture().path(), drink) << mode;
        EXPECT_TRUE(f.cmdBeef.picture().empty()) << mode;
        EXPECT_EQ(f.cmdSoup.caption(), "") << mode;
        EXPECT_EQ(f.cmdBeef.caption(), "") << mode;
        f.Unload();
    }

    run("ZuBak.mdb", "UPDATE tbSetMain SET [False] = '2.Custom'");
    frmInfor& f = holder();
    EXPECT_EQ(f.cmdSoup.caption(), "Soups");
    EXPECT_EQ(f.cmdLamb.caption(), "Lamb Dishes");
    EXPECT_TRUE(f.cmdSoup.picture().empty());

    // Another screen's buttons, drawn from the holder: a picture that cannot be loaded leaves the
    // button's old one and the others are drawn.
    f.lblMainMu.setCaption("1.Default");
    auto zuBak = db::Database::open(os::programPath("ZuBak.mdb"));
    auto mainRow = zuBak->openRecordset("tbSetMain");
    ui::CommandButton& beef = f.cmdBeef;
    beef.setPicture(*ui::LoadPicture(drink));
    SectionButtons buttons{};
    buttons[7] = &beef;
    buttons[9] = &f.cmdSoup;
    DrawSectionButtons(buttons, &mainRow.value());
    EXPECT_EQ(beef.picture().path(), drink);
    EXPECT_EQ(beef.caption(), "");
    EXPECT_EQ(f.cmdSoup.picture().path(), soup);
}

TEST_F(StoreSettingsHolder, ANewStoreHasItsFirstRows) {
    frmInfor& f = holder();
    EXPECT_EQ(f.txtL1.text(), "Company Name");
    EXPECT_EQ(f.txtNotes.text(), "-");
    EXPECT_EQ(f.lblMainMu.caption(), "2.Custom");
    EXPECT_EQ(f.cmdDrink.caption(), "Drink");
    EXPECT_EQ(f.cmdDiner.caption(), "Dinner");
    EXPECT_EQ(f.CmbDrink.text(), "D");
    EXPECT_EQ(f.txtTaxOpt.text(), "A");
    EXPECT_TRUE(f.txtTOTax1.enabled());
    EXPECT_EQ(stored("DOZA98.mdb", "tbReset", "Reset_txt"), "Check Book");
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "szSize3"), "XL-");
    auto doza = db::Database::open(os::programPath("DOZA98.mdb"));
    auto rooms = doza->openRecordset("tblRooms");
    EXPECT_EQ(rooms->recordCount(), 45);
    ASSERT_TRUE(rooms->FindFirst("ID1 LIKE '10*'").ok());
    EXPECT_EQ(rooms->field("ID1")->toText(), "10");
    EXPECT_TRUE(host().messageBoxes().empty());
}

}  // namespace
}  // namespace pelk::settings
