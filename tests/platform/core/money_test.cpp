#include <gtest/gtest.h>

#include "platform/core/format.h"
#include "platform/core/money.h"

using namespace pelk::core;

namespace {
Money m(const char* s) { return Money::parse(s).value(); }
}  // namespace

TEST(Money, ParsesAmountsAsTheScreensShowThem) {
    struct {
        const char* text;
        std::int64_t units;
    } ok[] = {{"$8.50", 85000},  {"1,234.50", 12345000}, {"-12.00", -120000}, {"0.075", 750},
              {"(12.00)", -120000}, {" 3 ", 30000},     {"-$5", -50000},      {"0.00005", 1}};
    for (const auto& c : ok) EXPECT_EQ(Money::parse(c.text).value().units(), c.units) << c.text;
    for (const char* bad : {"", "abc", "12ab", "1.2.3", "$", "--1"}) EXPECT_FALSE(Money::parse(bad)) << bad;
}

TEST(Money, KeepsFourPlacesUntilFormatted) {
    // Ten per cent off five cents is kept whole and only rounded where it is shown.
    Money reduced = m("0.05") - m("0.05") * m("0.10");
    EXPECT_EQ(reduced, m("0.045"));
    EXPECT_EQ(format(reduced, "0.00"), "0.05");
    EXPECT_EQ(reduced.toPlainText(), "0.045");
}

TEST(Money, RateTimesAmountRoundsHalfAwayFromZero) {
    // 0.075 × 0.70 = 0.0525 exactly; at two places that is .005 and goes up.
    EXPECT_EQ(format(m("0.70") * m("0.075"), "#,##0.00"), "0.05");
    EXPECT_EQ((m("0.70") * m("0.075")).rounded(2), m("0.05"));
    EXPECT_EQ((m("-0.70") * m("0.075")).rounded(2), m("-0.05"));
    // A product beyond four places is brought back half away from zero.
    EXPECT_EQ(m("0.0001") * m("0.5"), m("0.0001"));
    EXPECT_EQ(m("-0.0001") * m("0.5"), m("-0.0001"));
    EXPECT_EQ(m("100.00") * m("0.0725"), m("7.25"));
}

TEST(Money, DividesAndRejectsZero) {
    EXPECT_EQ(m("10").dividedBy(m("3")).value(), m("3.3333"));
    EXPECT_EQ(m("20").dividedBy(m("3")).value(), m("6.6667"));
    EXPECT_FALSE(m("1").dividedBy(Money{}));
}

TEST(Money, SumsStayExact) {
    Money total;
    for (int i = 0; i < 10; ++i) total += m("0.10");
    EXPECT_EQ(total, m("1.00"));
    EXPECT_EQ(format(total, "###,###,##0.00"), "1.00");
}
