// The reservation screen's figures: amounts, taxes, total and balance as the clerk leaves the
// money boxes, and the rate class that follows the nights.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmReservAdd.h"
#include "settings/frmInfor.h"
#include "support/screens.h"

namespace pelk::reservations {
namespace {

class ReservationForm : public test::ScreenTest {
protected:
    frmReservAdd& open() {
        frmReservAdd& form = ui::forms().get<frmReservAdd>();
        form.Show();
        return form;
    }
    static void rates(const char* rate1, const char* rate2) {
        settings::frmInfor& store = ui::forms().get<settings::frmInfor>();
        store.txtTOTax1.setText(rate1);
        store.txtTOTax2.setText(rate2);
    }
};

TEST_F(ReservationForm, LeavingTheOthersBoxWorksOutTaxesAndTotal) {
    struct Case {
        const char* rate1;
        const char* rate2;
        const char* charge;
        const char* other;
        const char* localTaxBefore;
        // Shown after leaving the others box.
        const char* shownCharge;
        const char* shownOther;
        const char* localTax;
        const char* stateTax;
        const char* total;
    };
    for (const Case& c : {
             Case{"0.075", "", "100", "20", "", "100.00", "20.00", "9.00", "", "129.00"},
             Case{"0.075", "0.05", "100", "20", "", "100.00", "20.00", "9.00", "6.00", "135.00"},
             Case{"0.075", "", "1200", "", "", "1,200.00", "", "90.00", "", "1,290.00"},
             // Formatted amounts read back to the same figures.
             Case{"0.075", "0.05", "1,200.00", "20.00", "", "1,200.00", "20.00", "91.50", "61.00", "1,372.50"},
             // A rate of 0, or no rate at all, keeps the tax box as it is, and what it shows counts.
             Case{"0", "", "100", "", "5.00", "100.00", "", "5.00", "", "105.00"},
             Case{"", "", "100", "", "", "100.00", "", "", "", "100.00"},
             Case{"7.5%", "", "100", "", "", "100.00", "", "", "", "100.00"},
             // Each tax is rounded half away from zero before it is added.
             Case{"0.05", "", "10.30", "", "", "10.30", "", "0.52", "", "10.82"},
             // A text that is no amount stays as typed and counts as nothing.
             Case{"0.1", "", "abc", "10", "", "abc", "10.00", "1.00", "", "11.00"},
         }) {
        SCOPED_TRACE(std::string(c.rate1) + " / " + c.rate2 + " / " + c.charge + " / " + c.other);
        rates(c.rate1, c.rate2);
        frmReservAdd& form = open();
        form.txtLTax.setText(c.localTaxBefore);
        form.txtCharge.setText(c.charge);
        form.txtOther.setText(c.other);
        ASSERT_TRUE(ui::input::click(form.txtOther));
        ASSERT_TRUE(ui::input::click(form.txtPaid));
        EXPECT_EQ(form.txtCharge.text(), c.shownCharge);
        EXPECT_EQ(form.txtOther.text(), c.shownOther);
        EXPECT_EQ(form.txtLTax.text(), c.localTax);
        EXPECT_EQ(form.txtFTax.text(), c.stateTax);
        EXPECT_EQ(form.txtTotal.text(), c.total);
        // Leaving it again changes nothing.
        form.txtOther_LostFocus();
        EXPECT_EQ(form.txtLTax.text(), c.localTax);
        EXPECT_EQ(form.txtTotal.text(), c.total);
        form.Unload();
    }
    EXPECT_TRUE(prompts().empty());
}

TEST_F(ReservationForm, ChargeAloneAndPaidAgainstTheTotal) {
    rates("0.075", "");
    frmReservAdd& form = open();
    form.txtCharge.setText("1200");
    form.txtOther_LostFocus();
    ASSERT_EQ(form.txtTotal.text(), "1,290.00");

    // Leaving only the charge box reformats it; taxes and total wait for the others box.
    ASSERT_TRUE(ui::input::click(form.txtCharge));
    form.txtCharge.setText("2000");
    ASSERT_TRUE(ui::input::click(form.txtGuest));
    EXPECT_EQ(form.txtCharge.text(), "2,000.00");
    EXPECT_EQ(form.txtLTax.text(), "90.00");
    EXPECT_EQ(form.txtTotal.text(), "1,290.00");

    struct Case {
        const char* paid;
        const char* shown;
        const char* balance;
    };
    for (const Case& c : {Case{"1000", "1,000.00", "-290.00"}, Case{"1290", "1,290.00", "0.00"},
                          Case{"1,300.5", "1,300.50", "10.50"}, Case{"", "", "-1,290.00"}}) {
        form.txtPaid.setText(c.paid);
        form.txtPaid_LostFocus();
        EXPECT_EQ(form.txtPaid.text(), c.shown) << c.paid;
        EXPECT_EQ(form.txtBal.text(), c.balance) << c.paid;
    }
}

TEST_F(ReservationForm, RateClassFollowsTheNights) {
    frmReservAdd& form = open();
    struct Case {
        const char* nights;
        const char* rateClass;
        const char* period;
    };
    for (const Case& c :
         {Case{"6", "Daily", "1"}, Case{"7", "Weekly", "7"}, Case{"29", "Weekly", "7"}, Case{"30", "Monthly", "30"},
          Case{"45", "Monthly", "30"}, Case{"6.5", "Weekly", "7"}, Case{"0", "Daily", "1"},
          // No number: the class stays as the last number left it.
          Case{"", "Daily", "1"}, Case{"x", "Daily", "1"}}) {
        form.txtDay.setText(c.nights);
        EXPECT_EQ(form.cmbRate.text(), c.rateClass) << c.nights;
        EXPECT_EQ(form.txtRate.text(), c.period) << c.nights;
    }
    form.txtDay.setText("12");
    form.txtDay.setText("");
    EXPECT_EQ(form.cmbRate.text(), "Weekly");
    EXPECT_EQ(form.txtRate.text(), "7");
    // The class never changes the charge.
    EXPECT_EQ(form.txtCharge.text(), "");
}

}  // namespace
}  // namespace pelk::reservations
