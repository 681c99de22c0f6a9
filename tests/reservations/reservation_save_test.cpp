// The reservation screen's Save: its checks in their order, each leaving the focus in its box and
// nothing stored, and a row the store refuses, which is told and leaves everything as it was.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "reservations/frmReservAdd.h"
#include "reservations/records.h"
#include "support/screens.h"

namespace pelk::reservations {
namespace {

class ReservationSave : public test::ScreenTest {
protected:
    // A booking form as the map leaves it, with a guest and a card typed in and the tick set.
    frmReservAdd& filledForm() {
        frmMap& map = ui::forms().get<frmMap>();
        map.lblMode.setCaption("Reserv");
        map.Show();
        frmReservAdd& form = ui::forms().get<frmReservAdd>();
        form.txtDateIn.setText("1/10/2026");
        form.txtDateOut.setText("1/12/2026");
        form.txtRoom1.setText("101");
        form.lblForm.setCaption("Reservation Form");
        form.Show();
        for (auto [box, text] :
             {std::pair{&form.txtLastN, "Lee"}, std::pair{&form.txtFirstN, "Ann"},
              std::pair{&form.txtAdds, "12 Elm St"}, std::pair{&form.txtCity, "Peoria"},
              std::pair{&form.txtZip, "61602"}, std::pair{&form.txtPhone, "3095550101"},
              std::pair{&form.txtCardNu, "4111111111111111"}, std::pair{&form.txtCardName, "Ann Lee"},
              std::pair{&form.txtExp, "12/28"}, std::pair{&form.txtCVC, "123"}})
            box->setText(text);
        form.chkSame.setValue(1);
        return form;
    }
    static long reservations() {
        auto d = db::Database::open(os::programPath(kReservationStore));
        return d ? d->openRecordset("tblReserv")->recordCount() : -1;
    }
    void unloadAll() {
        ui::Unload<frmReservAdd>();
        ui::Unload<frmMap>();
    }
};

TEST_F(ReservationSave, EachMissingBoxIsToldInTurnWithTheFocusInIt) {
    frmReservAdd* f = nullptr;
    struct Case {
        ui::TextBox frmReservAdd::*box;
        const char* emptied;  // the text the box is given ("" empties it)
        const char* message;
    };
    for (const Case& c : {
             Case{&frmReservAdd::txtLastN, "", " Please Enter Guest's Last Name."},
             Case{&frmReservAdd::txtFirstN, "", " Please Enter Guest's First Name."},
             Case{&frmReservAdd::txtAdds, "", " Please Enter Guest's Address."},
             Case{&frmReservAdd::txtCity, "", " Please Enter Guest's City."},
             Case{&frmReservAdd::txtZip, "", " Please Enter Guest's Zip Code."},
             Case{&frmReservAdd::txtPhone, "", " Please Enter Guest's Phone Number."},
             Case{&frmReservAdd::txtCardNu, "", " Please Enter Guest's Credit Card Number."},
             Case{&frmReservAdd::txtCardName, "", " Please Enter Guest's Name on the Credit Card."},
             Case{&frmReservAdd::txtExp, "", " Please Enter Guest's Credit Card Exp. Date."},
             Case{&frmReservAdd::txtCVC, "", " Please Enter 3 Digit PIN Number at the back of your Credit card."},
             // The stay's dates, after the guest and the card.
             Case{&frmReservAdd::txtDateIn, "", "Please enter your Check in date. "},
             Case{&frmReservAdd::txtDateIn, "next week", "Please enter your Check in date. "},
             Case{&frmReservAdd::txtDateOut, "", "Please enter your Check Out date. "},
             Case{&frmReservAdd::txtDateOut, "2/30/2026", "Please enter your Check Out date. "},
         }) {
        SCOPED_TRACE(c.message);
        f = &filledForm();
        ui::TextBox& box = f->*c.box;
        box.setText(c.emptied);
        std::size_t before = prompts().size();
        ASSERT_TRUE(ui::input::click(f->cmdSave));
        ASSERT_EQ(prompts().size(), before + 1);
        const ui::MessageBoxRecord& told = host().messageBoxes().back();
        EXPECT_EQ(told.prompt, c.message);
        EXPECT_EQ(told.icon(), ui::MsgBoxIcon::Critical);
        EXPECT_EQ(told.title, "Pelk POS 4");
        EXPECT_EQ(f->activeControl(), &box);
        EXPECT_TRUE(f->cmdSave.enabled());
        EXPECT_EQ(reservations(), 0);
        unloadAll();
    }

    // The state and the country are not required; without the tick nothing is stored, however
    // the card's address is filled.
    f = &filledForm();
    f->chkSame.setValue(0);
    for (auto [box, text] : {std::pair{&f->txtCardAddrs, "9 Oak Ave"}, std::pair{&f->txtCardCity, "Peoria"},
                             std::pair{&f->txtCardState, "IL"}, std::pair{&f->txtCardZip, "61603"}})
        box->setText(text);
    ASSERT_TRUE(ui::input::click(f->cmdSave));
    EXPECT_EQ(prompts().back(), " Please Enter Credit Card Mailing Address.");
    EXPECT_EQ(f->activeControl(), &f->txtCardAddrs);
    EXPECT_EQ(reservations(), 0);
    f->chkSame.setValue(1);
    host().answer(ui::MsgBoxResult::No);
    ASSERT_TRUE(ui::input::click(f->cmdSave));
    EXPECT_EQ(prompts().back(), "New Reservation been posted, Exit now?");
    EXPECT_EQ(reservations(), 1);
}

TEST_F(ReservationSave, ARowTheStoreRefusesIsToldAndNothingIsStored) {
    frmReservAdd& form = filledForm();
    std::string longName(256, 'L');
    form.txtLastN.setText(longName);
    ASSERT_TRUE(ui::input::click(form.cmdSave));
    ASSERT_EQ(prompts().size(), 1u) << "no exit question";
    EXPECT_EQ(prompts()[0].rfind("Error #: ", 0), 0u) << prompts()[0];
    EXPECT_EQ(reservations(), 0);
    auto customers = db::Database::open(os::programPath(kCustomerStore))->openRecordset("tblCustmr");
    EXPECT_EQ(customers->recordCount(), 0);
    EXPECT_TRUE(form.cmdSave.enabled());
    EXPECT_FALSE(form.cmdNew.enabled());
    EXPECT_EQ(form.txtLastN.text(), longName);
    EXPECT_EQ(form.txtCardNu.text(), "4111111111111111");

    // Corrected, the same form saves once.
    form.txtLastN.setText("Lee");
    host().answer(ui::MsgBoxResult::No);
    ASSERT_TRUE(ui::input::click(form.cmdSave));
    EXPECT_EQ(prompts().back(), "New Reservation been posted, Exit now?");
    EXPECT_EQ(reservations(), 1);
}

TEST_F(ReservationSave, UpdateOfAStayDeletedSinceItsRecallWritesNoOtherStay) {
    auto store = db::Database::open(os::programPath(kReservationStore));
    ASSERT_TRUE(store);
    for (const char* sql : {"INSERT INTO tblReserv (sLast_na, sFirst_nm, sPhone_no, szRoom1) VALUES ('Lee', 'Ann', "
                            "'309-555-0101', '101')",
                            "INSERT INTO tblReserv (sLast_na, sFirst_nm, sPhone_no, szRoom1) VALUES ('Lee', 'Bo', "
                            "'309-555-0101', '102')"})
        ASSERT_TRUE(store->execute(sql));
    frmReservAdd& form = ui::forms().get<frmReservAdd>();
    form.lblForm.setCaption("Reservation Search");
    form.cmdUpdate.setEnabled(true);
    form.Show();
    form.txtLastN.setText("Lee");
    form.txtFirstN.setText("Bo");
    ASSERT_TRUE(ui::input::click(form.cmdFindName));
    ASSERT_EQ(form.txtRoom1.text(), "102");
    // Checked out at another station meanwhile.
    ASSERT_TRUE(store->execute("DELETE FROM tblReserv WHERE szRoom1 = '102'"));
    form.txtCity.setText("Boston");
    ASSERT_TRUE(ui::input::click(form.cmdUpdate));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("Error #: ", 0), 0u) << prompts()[0];
    auto rows = store->openRecordset("SELECT * FROM tblReserv WHERE szCity_nm = 'Boston'");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->recordCount(), 0);
    EXPECT_EQ(reservations(), 1);
}

}  // namespace
}  // namespace pelk::reservations
