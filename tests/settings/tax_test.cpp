// The one tax rule of the folio and the split check: rates read exactly, each tax rounded once.

#include "settings/tax.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/core/money.h"

namespace pelk::settings {
namespace {

core::Money cents(std::int64_t n) { return core::Money::fromUnits(n * 100); }

TEST(TaxRule, ATaxIsTheRatesExactShareRoundedOnceToTheCent) {
    struct Case {
        const char* amount;
        const char* rate;
        const char* tax;
    };
    for (const Case& c :
         {Case{"1.03", "0.0825", "0.08"}, Case{"10.10", "0.0825", "0.83"}, Case{"100", "0.075", "7.5"},
          Case{"2.50", "0.07", "0.18"}, Case{"-2.50", "0.07", "-0.18"}, Case{"100", "0.08875", "8.88"},
          Case{"100", " 0.1 ", "10"}, Case{"100", "7.5e-2", "7.5"}, Case{"100", ".05", "5"}, Case{"100", "", "0"},
          Case{"100", "abc", "0"}, Case{"100", "0.1%", "0"}, Case{"100", "nan", "0"}, Case{"100", "1e400", "0"}}) {
        core::Money amount = *core::Money::parse(c.amount);
        EXPECT_EQ(taxOn(amount, taxRateOf(c.rate)).toPlainText(), c.tax) << c.amount << " at " << c.rate;
    }
}

// Every amount up to 2,000.00 at a rate of four places, against the cent worked out in whole
// numbers: rounding through a double and then to the cent missed by a cent on hundreds of them.
TEST(TaxRule, NoAmountIsOffByACentAtAFourPlaceRate) {
    TaxRate rate = taxRateOf("0.0825");
    int wrong = 0;
    for (std::int64_t c = 1; c <= 200000; ++c) {
        std::int64_t expected = (c * 825 + 5000) / 10000;
        if (taxOn(cents(c), rate) != cents(expected) && ++wrong <= 3) ADD_FAILURE() << c << " cents";
    }
    EXPECT_EQ(wrong, 0);
}

TEST(TaxRule, TheSecondTaxIsOnTheSubtotalAndTheFirstTax) {
    Taxes t = taxesOn(cents(10000), taxRateOf("0.1"), taxRateOf("0.05"), true);
    EXPECT_EQ(t.tax1, cents(1000));
    EXPECT_EQ(t.tax2, cents(550));
    EXPECT_EQ(t.total, cents(11550));
    Taxes one = taxesOn(cents(10000), taxRateOf("0.1"), taxRateOf("0.05"), false);
    EXPECT_EQ(one.tax2, core::Money{});
    EXPECT_EQ(one.total, cents(11000));
}

// The country is the store settings' list entry as it stands: nothing else names Canada.
TEST(TaxRule, OnlyAStoreInCanadaChargesTheSecondTax) {
    struct Case {
        const char* country;
        bool second;
    };
    for (const Case& c : {Case{"Canada", true}, Case{"United States", false}, Case{"United Kingdom", false},
                          Case{"", false}, Case{"canada", false}, Case{"Canada ", false}})
        EXPECT_EQ(chargesSecondTax(c.country), c.second) << '"' << c.country << '"';
}

}  // namespace
}  // namespace pelk::settings
