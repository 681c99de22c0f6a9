// The back-office customer editor: finding a customer by name or phone, saving one (changed or
// added), New and Erase, on a small customer file kept in phone order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmCustmr.h"
#include "reservations/records.h"
#include "settings/frmInfor.h"
#include "support/screens.h"

namespace pelk::reservations {
namespace {

class CustomerEditor : public test::ScreenTest {
protected:
    static void run(const std::string& sql) {
        auto d = db::Database::open(os::programPath(kCustomerStore));
        ASSERT_TRUE(d.ok());
        auto n = d->execute(sql);
        ASSERT_TRUE(n.ok()) << sql << "\n" << n.error().message();
    }
    // A field of the first customer (in phone order) meeting `where`: "no row" when none does.
    static std::string customer(const std::string& where, const std::string& field) {
        auto d = db::Database::open(os::programPath(kCustomerStore));
        auto rs = d->openRecordset("SELECT * FROM tblCustmr WHERE " + where + " ORDER BY sPhone_no");
        if (!rs) return "error " + rs.error().message();
        if (rs->eof()) return "no row";
        auto v = rs->field(field);
        return v->isNull() ? "(null)" : v->toText();
    }
    static long customers(const std::string& where = "True") {
        auto d = db::Database::open(os::programPath(kCustomerStore));
        return d->openRecordset("SELECT * FROM tblCustmr WHERE " + where)->recordCount();
    }
    // Smith John and Smith Jane, adjacent in phone order, and Baker Ann with the editor's extras.
    static void threeCustomers() {
        run("INSERT INTO tblCustmr (sLast_na, sFirst_nm, sPhone_no, szStreet_ad, sState_cd) "
            "VALUES ('Smith', 'John', '309-555-0102', '12 Elm St', 'IL')");
        run("INSERT INTO tblCustmr (sLast_na, sFirst_nm, sPhone_no) VALUES ('Smith', 'Jane', '309-555-0101')");
        run("INSERT INTO tblCustmr (sLast_na, sFirst_nm, sPhone_no, szStreet_ad, szCity_nm, sState_cd, sZip_cd, "
            "szCountry, szbd_date, szEmail, szFax_nu, szNotes_nm, szID_type, szID_nu, szID_state, szID_country, "
            "szID_Exp, szLicense_Plate, szLicense_State, szCar_Color, szCar_Make, szCar_Model, szCar_Yrs) "
            "VALUES ('Baker', 'Ann', '212-555-0199', '1 Main St', 'Albany', 'NY', '12207', 'USA', '04/01/80', "
            "'ann@example.com', '212-555-0100', 'Late arrival', 'Passport', 'X123', 'CA', 'USA', '2030', "
            "'ABC 123', 'NY', 'Red', 'Ford', 'Focus', '2019')");
    }
    frmCustmr& open() {
        frmCustmr& editor = ui::forms().get<frmCustmr>();
        editor.Show();
        return editor;
    }
    static void names(frmCustmr& e, const char* last, const char* first, const char* phone) {
        e.txtLastN.setText(last);
        e.txtFirstN.setText(first);
        e.txtPhone.setText(phone);
    }
    static void country(const char* name) {
        auto d = db::Database::open(os::programPath("DOZA98.mdb"));
        ASSERT_TRUE(d->execute(std::string("UPDATE tbSet SET setL = '") + name + "'").ok());
    }
    // Every box of the editor, in the order of its fields.
    static std::vector<std::string> boxes(frmCustmr& e) {
        return {e.txtLastN.text(),  e.txtFirstN.text(),       e.txtAdds.text(),    e.txtCity.text(),
                e.txtState.text(),  e.txtZip.text(),          e.txtCountry.text(), e.txtPhone.text(),
                e.txtBD.text(),     e.txtEmail.text(),        e.txtFax.text(),     e.txtRemark.text(),
                e.cmbIDtype.text(), e.txtIDnu.text(),         e.txtIDstate.text(), e.txtIDcountry.text(),
                e.txtIDExp.text(),  e.txtLicensePlate.text(), e.txtLstate.text(),  e.txtColor.text(),
                e.cmbMake.text(),   e.txtModel.text(),        e.cmbYrs.text()};
    }
};

TEST_F(CustomerEditor, FindByNameTakesALastNamePrefixAndTheWholeFirstNameWithItsCase) {
    threeCustomers();
    struct Case {
        const char* last;
        const char* first;
        const char* foundPhone;  // nullptr: "Customer not found !"
    };
    for (const Case& c : {
             Case{"Smith", "Jane", "309-555-0101"},
             Case{"smi", "John", "309-555-0102"},
             Case{"SMITH", "John", "309-555-0102"},
             Case{"smi", "john", nullptr},
             Case{"Smith", "Jo", nullptr},
             Case{"Jones", "John", nullptr},
             // Typed quotes and pattern characters are matched as they stand.
             Case{"S*", "John", nullptr},
             Case{"O'", "John", nullptr},
         }) {
        SCOPED_TRACE(std::string(c.last) + " " + c.first);
        frmCustmr& e = open();
        names(e, c.last, c.first, "");
        std::size_t before = prompts().size();
        ASSERT_TRUE(ui::input::click(e.cmdFindName));
        if (c.foundPhone) {
            EXPECT_EQ(e.txtPhone.text(), c.foundPhone);
            EXPECT_EQ(prompts().size(), before);
        } else {
            ASSERT_EQ(prompts().size(), before + 1);
            EXPECT_EQ(prompts().back(), "Customer not found !");
            EXPECT_EQ(host().messageBoxes().back().icon(), ui::MsgBoxIcon::None);
            EXPECT_EQ(e.txtPhone.text(), "") << "a search that finds nothing leaves the boxes";
        }
        e.Unload();
    }
    // The main Find button does the same, and asks for both names first.
    frmCustmr& e = open();
    ASSERT_TRUE(ui::input::click(e.cmdFind));
    e.txtLastN.setText("Smith");
    ASSERT_TRUE(ui::input::click(e.cmdFind));
    e.txtFirstN.setText("Jane");
    ASSERT_TRUE(ui::input::click(e.cmdFind));
    EXPECT_EQ(e.txtPhone.text(), "309-555-0101");
    const std::vector<std::string> said = prompts();
    ASSERT_GE(said.size(), 2u);
    EXPECT_EQ(said[said.size() - 2], " Please Enter Your Guest Last Name");
    EXPECT_EQ(said[said.size() - 1], " Please Enter Your Guest First Name");
}

TEST_F(CustomerEditor, FindByPhoneMasksTenDigitsUnlessTheStoreIsInAustralia) {
    run("INSERT INTO tblCustmr (sLast_na, sFirst_nm, sPhone_no) VALUES ('Masked', 'Mo', '309-555-0101')");
    run("INSERT INTO tblCustmr (sLast_na, sFirst_nm, sPhone_no) VALUES ('Plain', 'Pat', '3095550101')");
    struct Case {
        const char* country;
        const char* typed;
        const char* boxAfter;
        const char* foundLast;  // "" : nothing loaded, nothing said
    };
    for (const Case& c : {
             Case{"Canada", "3095550101", "309-555-0101", "Masked"},
             Case{"United States", "3095550101", "309-555-0101", "Masked"},
             Case{"Australia", "3095550101", "3095550101", "Plain"},
             Case{"Canada", "309555010", "309555010", ""},
             Case{"Canada", "309-555-010", "309-555-010", ""},
             Case{"Canada", "309-555-0101", "309-555-0101", ""},
             Case{"Canada", "0000000001", "0000000001", ""},
         }) {
        SCOPED_TRACE(std::string(c.country) + " " + c.typed);
        country(c.country);
        ui::Unload<settings::frmInfor>();
        frmCustmr& e = open();
        e.txtPhone.setText(c.typed);
        std::size_t before = prompts().size();
        ASSERT_TRUE(ui::input::click(e.cmdFPhone));
        EXPECT_EQ(e.txtPhone.text(), c.boxAfter);
        EXPECT_EQ(e.txtLastN.text(), c.foundLast);
        EXPECT_EQ(prompts().size(), before);
        e.Unload();
    }
    country("Canada");
    ui::Unload<settings::frmInfor>();
    frmCustmr& e = open();
    e.txtPhone.setText("4165550100");
    ASSERT_TRUE(ui::input::click(e.cmdFPhone));
    EXPECT_EQ(e.txtPhone.text(), "416-555-0100");
    EXPECT_EQ(prompts().back(), "Customer not found !");
}

TEST_F(CustomerEditor, ALoadedCustomerShowsEveryFieldAndNothingOfTheOneBefore) {
    threeCustomers();
    frmCustmr& e = open();
    names(e, "Baker", "Ann", "");
    ASSERT_TRUE(ui::input::click(e.cmdFindName));
    EXPECT_EQ(boxes(e),
              (std::vector<std::string>{"Baker",        "Ann",          "1 Main St",    "Albany",   "NY",
                                        "12207",        "USA",          "212-555-0199", "04/01/80", "ann@example.com",
                                        "212-555-0100", "Late arrival", "Passport",     "X123",     "CA",
                                        "USA",          "2030",         "ABC 123",      "NY",       "Red",
                                        "Ford",         "Focus",        "2019"}));
    // The guest's state and the document's state each in their own box.
    EXPECT_EQ(e.txtState.text(), "NY");
    EXPECT_EQ(e.txtIDstate.text(), "CA");

    // Jane has a phone and names only: the other boxes empty, none keeps Ann's text.
    names(e, "Smith", "Jane", "");
    ASSERT_TRUE(ui::input::click(e.cmdFindName));
    std::vector<std::string> jane(23, "");
    jane[0] = "Smith";
    jane[1] = "Jane";
    jane[7] = "309-555-0101";
    EXPECT_EQ(boxes(e), jane);
    // So saving Jane now writes nothing of Ann into her.
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    EXPECT_EQ(customer("sFirst_nm = 'Jane'", "szNotes_nm"), "(null)");
    EXPECT_EQ(customer("sFirst_nm = 'Jane'", "szCar_Make"), "(null)");
    EXPECT_EQ(customers(), 3);
}

TEST_F(CustomerEditor, NewEmptiesEveryBox) {
    threeCustomers();
    frmCustmr& e = open();
    names(e, "Baker", "Ann", "");
    ASSERT_TRUE(ui::input::click(e.cmdFindName));
    ASSERT_EQ(e.txtRemark.text(), "Late arrival");
    ASSERT_TRUE(ui::input::click(e.cmdNew));
    EXPECT_EQ(boxes(e), std::vector<std::string>(23, ""));
}

TEST_F(CustomerEditor, SaveChangesTheCustomerOfTheSameNamesAndAddsAnyoneElse) {
    threeCustomers();
    frmCustmr& e = open();

    // New names: a row with what the boxes hold; the empty boxes leave their fields unset.
    names(e, "Lee", "Ann", "309-555-0150");
    e.txtRemark.setText("Quiet room");
    e.cmbMake.setText("Honda");
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    EXPECT_EQ(customers(), 4);
    EXPECT_EQ(customer("sLast_na = 'Lee'", "szNotes_nm"), "Quiet room");
    EXPECT_EQ(customer("sLast_na = 'Lee'", "szCar_Make"), "Honda");
    EXPECT_EQ(customer("sLast_na = 'Lee'", "szEmail"), "(null)");

    // The same names again: that row changes, none is added.
    e.txtCity.setText("Peoria");
    e.txtPhone.setText("309-555-0151");
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    EXPECT_EQ(customers(), 4);
    EXPECT_EQ(customer("sLast_na = 'Lee'", "szCity_nm"), "Peoria");
    EXPECT_EQ(customer("sLast_na = 'Lee'", "sPhone_no"), "309-555-0151");
    EXPECT_EQ(customer("sLast_na = 'Lee'", "szNotes_nm"), "Quiet room");

    // A last name in other letters is the same customer.
    names(e, "LEE", "Ann", "309-555-0151");
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    EXPECT_EQ(customers(), 4);
    EXPECT_EQ(customer("sPhone_no = '309-555-0151'", "sLast_na"), "LEE");

    // An emptied address keeps the stored one.
    ASSERT_TRUE(ui::input::click(e.cmdNew));
    names(e, "Smith", "John", "309-555-0102");
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    EXPECT_EQ(customer("sFirst_nm = 'John'", "szStreet_ad"), "12 Elm St");

    // "Smi" is not Smith: a new customer, and Smith John stays as stored.
    names(e, "Smi", "John", "309-555-0177");
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    EXPECT_EQ(customers(), 5);
    EXPECT_EQ(customer("sPhone_no = '309-555-0102'", "sLast_na"), "Smith");
    EXPECT_EQ(customer("sPhone_no = '309-555-0177'", "sLast_na"), "Smi");
    // A first name in other letters is another customer.
    names(e, "Smith", "john", "309-555-0178");
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    EXPECT_EQ(customers(), 6);
    EXPECT_TRUE(prompts().empty()) << "a save says nothing when it works";
}

TEST_F(CustomerEditor, SaveAsksForTheRequiredBoxesInTurn) {
    struct Case {
        const char* last;
        const char* first;
        const char* phone;
        const char* message;
        ui::TextBox frmCustmr::*focus;
    };
    for (const Case& c : {
             Case{"", "Ann", "309-555-0101", "You must fill in customer's Last Name", &frmCustmr::txtLastN},
             Case{"", "", "", "You must fill in customer's Last Name", &frmCustmr::txtLastN},
             Case{"Lee", "", "309-555-0101", "You must fill in customer's First Name", &frmCustmr::txtFirstN},
             Case{"Lee", "Ann", "", "Yon must fill in customer's Phone Number", &frmCustmr::txtPhone},
         }) {
        SCOPED_TRACE(c.message);
        frmCustmr& e = open();
        names(e, c.last, c.first, c.phone);
        ASSERT_TRUE(ui::input::click(e.cmdSave));
        const ui::MessageBoxRecord& box = host().messageBoxes().back();
        EXPECT_EQ(box.prompt, c.message);
        EXPECT_EQ(box.icon(), ui::MsgBoxIcon::Critical);
        EXPECT_EQ(box.title, "Pelk POS 4") << "no title of its own";
        EXPECT_EQ(e.activeControl(), &(e.*c.focus));
        EXPECT_EQ(customers(), 0);
        e.Unload();
    }
}

TEST_F(CustomerEditor, ASaveTheStoreRefusesStoresNothingAndSaysWhy) {
    threeCustomers();
    frmCustmr& e = open();
    names(e, "", "Ann", "309-555-0150");
    e.txtLastN.setText(std::string(256, 'L'));
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("Error #: ", 0), 0u) << prompts()[0];
    EXPECT_EQ(customers(), 3);

    // A refused edit leaves the stored customer whole, and the editor goes on working.
    names(e, "Smith", "John", "309-555-0102");
    e.txtCity.setText("Springfield");
    e.txtColor.setText(std::string(300, 'c'));
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    ASSERT_EQ(prompts().size(), 2u);
    EXPECT_EQ(customer("sFirst_nm = 'John'", "szCity_nm"), "(null)");
    e.txtColor.setText("Blue");
    ASSERT_TRUE(ui::input::click(e.cmdSave));
    EXPECT_EQ(customer("sFirst_nm = 'John'", "szCity_nm"), "Springfield");
    EXPECT_EQ(customers(), 3);
}

TEST_F(CustomerEditor, EraseDeletesOnlyTheFirstCustomerWhosePhoneBeginsWithTheBox) {
    threeCustomers();
    struct Case {
        const char* phone;
        ui::MsgBoxResult answer;
        bool asked;
        const char* erasedFirst;  // nullptr: nobody erased
    };
    for (const Case& c : {
             Case{"309-555", ui::MsgBoxResult::No, true, nullptr},
             Case{"", ui::MsgBoxResult::Yes, false, nullptr},
             Case{"999", ui::MsgBoxResult::Yes, true, nullptr},
             Case{"309-555*", ui::MsgBoxResult::Yes, true, nullptr},
             // The first in phone order: Jane's 0101 sorts before John's 0102.
             Case{"309-555", ui::MsgBoxResult::Yes, true, "Jane"},
         }) {
        SCOPED_TRACE(c.phone);
        frmCustmr& e = open();
        names(e, "Smith", "Someone", c.phone);
        std::size_t before = prompts().size();
        int beeps = host().beeps();
        if (c.asked) host().answer(c.answer);
        ASSERT_TRUE(ui::input::click(e.cmdErase));
        if (!c.asked) {
            EXPECT_EQ(prompts().size(), before);
            EXPECT_EQ(host().beeps(), beeps);
        } else {
            ASSERT_EQ(prompts().size(), before + 1);
            const ui::MessageBoxRecord& box = host().messageBoxes().back();
            EXPECT_EQ(box.prompt, "Do you wish to Erase the current custmer");
            EXPECT_EQ(box.title, "Erase");
            EXPECT_EQ(box.icon(), ui::MsgBoxIcon::Question);
            EXPECT_EQ(host().beeps(), beeps + 1);
        }
        if (c.erasedFirst) {
            EXPECT_EQ(customers(), 2);
            EXPECT_EQ(customers(std::string("sFirst_nm = '") + c.erasedFirst + "'"), 0);
            EXPECT_EQ(boxes(e), std::vector<std::string>(23, ""));
        } else {
            EXPECT_EQ(customers(), 3);
            EXPECT_EQ(e.txtPhone.text(), c.phone) << "the boxes keep their text";
            EXPECT_EQ(e.txtLastN.text(), "Smith");
        }
        e.Unload();
    }
}

TEST_F(CustomerEditor, StateBoxTurnsTwoLettersIntoCapitalsAndMovesOn) {
    frmCustmr& e = open();
    ASSERT_TRUE(ui::input::type(e.txtState, "i"));
    EXPECT_EQ(e.txtState.text(), "i");
    ASSERT_TRUE(ui::input::type(e.txtState, "l"));
    EXPECT_EQ(e.txtState.text(), "IL");
    EXPECT_EQ(e.activeControl(), &e.txtZip);
}

TEST_F(CustomerEditor, TheFileLiesByTheStationsRuleAndCloseLeavesNoOtherScreen) {
    frmCustmr& e = open();
    EXPECT_EQ(e.datCustmr.databaseName(), os::programPath(kCustomerStore));
    EXPECT_EQ(e.datCustmr.recordSource(), kCustomerSource);
    std::size_t steps = host().log().size();
    ASSERT_TRUE(ui::input::click(e.cmdClose));
    EXPECT_FALSE(ui::forms().isLoaded<frmCustmr>());
    for (std::size_t i = steps; i < host().log().size(); ++i)
        EXPECT_NE(host().log()[i].rfind("show", 0), 0u) << host().log()[i];
}

}  // namespace
}  // namespace pelk::reservations
