#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/core/money.h"

using namespace pelk::core;

namespace {

constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kLeast = std::numeric_limits<std::int64_t>::min();

Money units(std::int64_t u) { return Money::fromUnits(u); }

}  // namespace

TEST(MoneyReading, ReadsWhatAClerkTypesInTheStationsFormat) {
    struct {
        const char* text;
        std::int64_t units;
    } accepted[] = {
        // One amount, typed four ways.
        {"$50.00", 500000},
        {"50", 500000},
        {"50.00", 500000},
        {" 50 ", 500000},
        {"\t50\t", 500000},
        {"1,234.50", 12345000},
        {"1234.5", 12345000},
        {"$1,234.50", 12345000},
        {"12,345,678", 123456780000},
        {"999", 9990000},
        {"0", 0},
        {"-0", 0},
        {"007", 70000},
        {".5", 5000},
        {"$.75", 7500},
        {"50.", 500000},
        {"0.075", 750},
        {"0.0725", 725},
        {"0.0001", 1},
        {"-12.00", -120000},
        {"-$5.00", -50000},
        {"-$5", -50000},
        {"-1,000.13", -10001300},
        // The most Money holds, either sign.
        {"922337203685477.5807", kMost},
        {"922,337,203,685,477.5807", kMost},
        {"-922,337,203,685,477.5807", -kMost},
    };
    for (const auto& c : accepted) {
        std::string why = "left over";
        std::optional<Money> got = readAmount(c.text, &why);
        ASSERT_TRUE(got) << '"' << c.text << "\" " << why;
        EXPECT_EQ(got->units(), c.units) << c.text;
        EXPECT_EQ(why, "") << c.text;
        EXPECT_EQ(readAmount(c.text), got) << c.text;  // `why` may be left out
    }

    struct {
        const char* text;
        const char* why;
    } refused[] = {
        {"", "is blank"},
        {"   ", "is blank"},
        {"\t", "is blank"},
        {"12,34", "has a comma out of place"},
        {"1234,567", "has a comma out of place"},
        {"1,2345", "has a comma out of place"},
        {"1,234,56", "has a comma out of place"},
        {"1,,234", "has a comma out of place"},
        {",123", "has a comma out of place"},
        {"1,", "has a comma out of place"},
        {"0,500", "has a comma out of place"},
        {"1.234,50", "is not an amount"},
        {"2/30/2026", "is not an amount"},
        {"abc", "is not an amount"},
        {"12ab", "is not an amount"},
        {"0x1A", "is not an amount"},
        {"1e308", "is not an amount"},
        {"1.2.3", "is not an amount"},
        {"--5", "is not an amount"},
        {"$-5.00", "is not an amount"},  // the sign goes first: "-$5.00"
        {"+5", "is not an amount"},
        {"(12.00)", "is not an amount"},
        {"$ 5", "is not an amount"},
        {"5 0", "is not an amount"},
        {"5-", "is not an amount"},
        {"$", "is not an amount"},
        {"-", "is not an amount"},
        {".", "is not an amount"},
        {"-$", "is not an amount"},
        {"5\n", "is not an amount"},
        {"12.34567", "has more than four decimal places"},
        {"0.00005", "has more than four decimal places"},
        {"99999999999999999999", "is too large"},
        {"922337203685477.5808", "is too large"},
        {"-922337203685477.5808", "is too large"},
        {"922337203685478", "is too large"},
        {"999,999,999,999,999,999,999,999,999.99", "is too large"},
    };
    for (const auto& c : refused) {
        std::string why;
        EXPECT_FALSE(readAmount(c.text, &why)) << '"' << c.text << '"';
        EXPECT_EQ(why, c.why) << '"' << c.text << '"';
        EXPECT_FALSE(readAmount(c.text)) << '"' << c.text << '"';
    }
}

TEST(MoneyReading, CheckedArithmeticSaysWhenAResultIsBeyondMoney) {
    // At the limits: exact up to the last unit, nothing past it.
    EXPECT_EQ(checkedAdd(units(kMost - 1), units(1)), units(kMost));
    EXPECT_EQ(checkedAdd(units(kMost), units(1)), std::nullopt);
    EXPECT_EQ(checkedAdd(units(kLeast), units(-1)), std::nullopt);
    EXPECT_EQ(checkedAdd(units(kMost), units(kLeast)), units(-1));
    EXPECT_EQ(checkedSub(units(kLeast + 1), units(1)), units(kLeast));
    EXPECT_EQ(checkedSub(units(kLeast), units(1)), std::nullopt);
    EXPECT_EQ(checkedSub(units(0), units(kLeast)), std::nullopt);
    EXPECT_EQ(checkedSub(units(-1), units(kLeast)), units(kMost));
    EXPECT_EQ(checkedAdd(Money::fromInt(50), Money::fromInt(25)), Money::fromInt(75));
    EXPECT_EQ(checkedSub(Money::fromInt(50), Money::fromInt(75)), Money::fromInt(-25));

    // A fifteen-digit nightly rate for thirty nights is beyond Money; the rate alone is not.
    // (999,999,999,999,999 itself is beyond Money: the most is 922,337,203,685,477.5807.)
    EXPECT_EQ(readAmount("999,999,999,999,999"), std::nullopt);
    Money rate = readAmount("100,000,000,000,000").value();
    Money nights = Money::fromInt(30);
    EXPECT_EQ(checkedMul(rate, nights), std::nullopt);
    EXPECT_EQ(checkedMul(rate, std::int64_t{30}), std::nullopt);
    EXPECT_EQ(checkedMul(-rate, nights), std::nullopt);
    EXPECT_EQ(checkedMul(rate, Money::fromInt(1)), rate);
    EXPECT_EQ(checkedMul(rate, Money::fromInt(9)), readAmount("900,000,000,000,000"));
    // The largest rate thirty nights of which Money holds, to the unit.
    EXPECT_EQ(checkedMul(units(kMost / 30), nights), units(kMost / 30 * 30));
    EXPECT_EQ(checkedMul(units(kMost / 30 + 1), nights), std::nullopt);
    EXPECT_EQ(checkedMul(units(kMost / 30), std::int64_t{30}), units(kMost / 30 * 30));
    EXPECT_EQ(checkedMul(units(kMost / 30 + 1), std::int64_t{30}), std::nullopt);
    // The intermediate product overflows 64 bits while the result does not.
    EXPECT_EQ(checkedMul(units(kMost), Money::fromInt(1)), units(kMost));
    EXPECT_EQ(checkedMul(units(kMost), readAmount("0.5").value()), units(kMost / 2 + 1));  // .5 of a unit rounds up
    EXPECT_EQ(checkedMul(units(kMost), Money::fromInt(2)), std::nullopt);
    EXPECT_EQ(checkedMul(units(kLeast), Money::fromInt(-1)), std::nullopt);
    EXPECT_EQ(checkedMul(units(kLeast), std::int64_t{-1}), std::nullopt);
    EXPECT_EQ(checkedMul(units(kLeast), std::int64_t{1}), units(kLeast));
    EXPECT_EQ(checkedMul(units(kLeast), Money::fromInt(1)), units(kLeast));
    // Rounded back to four places half away from zero, exactly as operator* does.
    const char* factors[] = {"0.0001", "-0.0001", "0.5", "-0.5", "0.075", "0.70", "-0.70", "100.00", "0.0725", "3"};
    for (const char* x : factors) {
        for (const char* y : factors) {
            Money a = readAmount(x).value(), b = readAmount(y).value();
            EXPECT_EQ(checkedMul(a, b), a * b) << x << " × " << y;
        }
    }
    EXPECT_EQ(checkedMul(readAmount("0.0001").value(), readAmount("0.5").value()), units(1));
    EXPECT_EQ(checkedMul(readAmount("-0.0001").value(), readAmount("0.5").value()), units(-1));
}

TEST(MoneyReading, TheOperatorsWrapRatherThanMisbehaveAndAreExactBelowTheLimits) {
    // Identical to the checked results wherever those exist.
    const std::int64_t values[] = {0, 1, -1, 12345, -98765, 500000, kMost / 2, kLeast / 2, kMost, kLeast};
    for (std::int64_t x : values) {
        for (std::int64_t y : values) {
            Money a = units(x), b = units(y);
            if (auto sum = checkedAdd(a, b)) {
                EXPECT_EQ(a + b, *sum);
                Money c = a;
                EXPECT_EQ(c += b, *sum);
            }
            if (auto difference = checkedSub(a, b)) {
                EXPECT_EQ(a - b, *difference);
                Money c = a;
                EXPECT_EQ(c -= b, *difference);
            }
            if (auto product = checkedMul(a, b)) {
                EXPECT_EQ(a * b, *product);
            }
            if (auto product = checkedMul(a, y)) {
                EXPECT_EQ(a * y, *product);
            }
        }
    }
    // Past the limits they wrap (no undefined behaviour for the sanitizer to find).
    EXPECT_EQ(units(kMost) + units(1), units(kLeast));
    EXPECT_EQ(units(kLeast) - units(1), units(kMost));
    EXPECT_EQ(-units(kLeast), units(kLeast));
    EXPECT_EQ(units(kMost) * std::int64_t{2}, units(-2));
    Money total = units(kMost);
    total += units(1);
    EXPECT_EQ(total, units(kLeast));
    EXPECT_EQ(units(kLeast).toPlainText(), "-922337203685477.5808");
    EXPECT_EQ(units(kMost).toPlainText(), "922337203685477.5807");
}
