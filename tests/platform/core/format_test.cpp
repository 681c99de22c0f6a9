#include <gtest/gtest.h>

#include "platform/core/format.h"

using namespace pelk::core;

struct FormatCase {
    Value value;
    const char* pattern;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.pattern << " of \"" << c.value.toText() << "\""; }

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, FormatsAsTheLegacyRuntime) {
    const auto& c = GetParam();
    EXPECT_EQ(format(c.value, c.pattern), c.expected) << "pattern " << c.pattern << " value " << c.value.toText();
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FormatTable,
    ::testing::Values(
        FormatCase{0, "###,###,##0.00", "0.00"}, FormatCase{-12, "###,###,##0.00", "-12.00"},
        FormatCase{1234567.891, "###,###,##0.00", "1,234,567.89"}, FormatCase{0.005, "#,##0.00", "0.01"},
        FormatCase{1.005, "#,##0.00", "1.01"}, FormatCase{-0.005, "0.00", "-0.01"},
        FormatCase{2.675, "0.00", "2.68"}, FormatCase{1234.5, "$#,##0.00", "$1,234.50"},
        FormatCase{1234.5, "###0.00", "1234.50"}, FormatCase{7, "00", "07"}, FormatCase{7.6, "0", "8"},
        FormatCase{0.5, "#", "1"}, FormatCase{0, "#", ""},
        FormatCase{Money::parse("0.045").value(), "0.00", "0.05"},
        FormatCase{Money::parse("0.045").value(), "General Number", "0.045"},
        FormatCase{1234.5, "Standard", "1,234.50"}, FormatCase{1234.5, "Currency", "$1,234.50"},
        FormatCase{-80, "Currency", "($80.00)"}, FormatCase{1234.5, "General Number", "1234.5"},
        FormatCase{-5, "0.00;(0.00)", "(5.00)"}, FormatCase{0.075, "0.0%", "7.5%"}));

INSTANTIATE_TEST_SUITE_P(
    Texts, FormatTable,
    ::testing::Values(
        // A text that reads as a number is formatted as that number, commas and "$" allowed.
        FormatCase{"1234.5", "###,###,##0.00", "1,234.50"}, FormatCase{"1,234.50", "###,###,##0.00", "1,234.50"},
        FormatCase{"$8.5", "#,##0.00", "8.50"}, FormatCase{"", "###,###,##0.00", ""},
        FormatCase{"abc", "#,##0.00", "abc"}, FormatCase{"12ab", "0.00", "12ab"},
        FormatCase{"-80", "#,##0.00", "-80.00"},
        FormatCase{"5551234567", "@@@-@@@-@@@@", "555-123-4567"},
        FormatCase{"1234567", "@@@-@@@-@@@@", "   -123-4567"}, FormatCase{"", "@@@-@@@-@@@@", "   -   -    "},
        FormatCase{Null{}, "#,##0.00", ""}));

INSTANTIATE_TEST_SUITE_P(
    Dates, FormatTable,
    ::testing::Values(FormatCase{DateTime{{2026, 12, 10}, {14, 5, 9}}, "Short Date", "12/10/2026"},
                      FormatCase{DateTime{{2026, 12, 10}, {14, 5, 9}}, "Medium Time", "02:05 PM"},
                      FormatCase{DateTime{{2026, 12, 10}, {0, 5, 9}}, "Long Time", "12:05:09 AM"},
                      FormatCase{DateTime{{2026, 12, 10}, {14, 5, 9}}, "General Date", "12/10/2026 2:05:09 PM"},
                      FormatCase{DateTime{{2026, 12, 10}, {0, 0, 0}}, "General Date", "12/10/2026"},
                      FormatCase{"12/10/2026", "mm/dd/yyyy", "12/10/2026"},
                      FormatCase{"1/5/2026", "mm/dd/yy", "01/05/26"},
                      FormatCase{"2:05:09 PM", "hh:nn AM/PM", "02:05 PM"},
                      FormatCase{"not a date", "Short Date", "not a date"}));

TEST(Val, ReadsTheLeadingNumber) {
    struct {
        const char* text;
        double expected;
    } cases[] = {{"12ab", 12}, {"1,234.50", 1}, {"", 0}, {"  42", 42}, {"1 2 3", 123}, {"-3.5x", -3.5},
                 {".5", 0.5}, {"abc", 0}, {"&H10", 16}, {"1e3", 1000}, {"$5", 0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(val(c.text), c.expected) << c.text;
}

TEST(IsNumeric, AcceptsWhatTheScreensShow) {
    EXPECT_TRUE(isNumeric("1,234.50"));
    EXPECT_TRUE(isNumeric("$8.50"));
    EXPECT_TRUE(isNumeric(" -12 "));
    EXPECT_FALSE(isNumeric(""));
    EXPECT_FALSE(isNumeric("12ab"));
    EXPECT_FALSE(isNumeric("."));
}
