#include <gtest/gtest.h>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/text.h"

using namespace pelk::core;

TEST(Dates, AddAndDifferAcrossMonthAndYearEnds) {
    struct {
        Date from;
        int days;
        Date to;
    } cases[] = {{{2026, 1, 31}, 1, {2026, 2, 1}},   {{2026, 12, 31}, 1, {2027, 1, 1}},
                 {{2028, 2, 28}, 1, {2028, 2, 29}},  {{2027, 2, 28}, 1, {2027, 3, 1}},
                 {{2026, 3, 1}, -1, {2026, 2, 28}},  {{2026, 12, 10}, 30, {2027, 1, 9}},
                 {{2000, 2, 28}, 1, {2000, 2, 29}},  {{1900, 2, 28}, 1, {1900, 3, 1}}};
    for (const auto& c : cases) {
        EXPECT_EQ(addDays(c.from, c.days), c.to) << shortDate(c.from) << " + " << c.days;
        EXPECT_EQ(daysBetween(c.from, c.to), c.days) << shortDate(c.from);
    }
}

TEST(Dates, StationFormatsAndBack) {
    EXPECT_EQ(shortDate({2026, 12, 10}), "12/10/2026");
    EXPECT_EQ(shortDate({2026, 1, 5}), "1/5/2026");
    EXPECT_EQ(longTime({14, 5, 9}), "2:05:09 PM");
    EXPECT_EQ(longTime({0, 0, 0}), "12:00:00 AM");
    EXPECT_EQ(longTime({12, 30, 0}), "12:30:00 PM");
    EXPECT_EQ(mediumTime({9, 7, 0}), "09:07 AM");
    EXPECT_EQ(parseDate("12/10/2026"), (Date{2026, 12, 10}));
    EXPECT_EQ(parseDate("2026-12-10"), (Date{2026, 12, 10}));
    EXPECT_EQ(parseDate("1/5/26"), (Date{2026, 1, 5}));
    EXPECT_EQ(parseDate("1/5/99"), (Date{1999, 1, 5}));
    EXPECT_EQ(parseTime("2:05:09 PM"), (Time{14, 5, 9}));
    EXPECT_EQ(parseTime("12:00 AM"), (Time{0, 0, 0}));
    EXPECT_EQ(parseTime("14:05"), (Time{14, 5, 0}));
    for (const char* bad : {"", "2/30/2026", "13/1/2026", "12/10", "abc", "1/1/20266"}) EXPECT_FALSE(parseDate(bad)) << bad;
    for (const char* bad : {"", "25:00", "13:00 PM", "2:60", "two"}) EXPECT_FALSE(parseTime(bad)) << bad;
}

TEST(Dates, MinutesAcrossMidnight) {
    DateTime in{{2026, 12, 31}, {22, 15, 40}}, out{{2027, 1, 1}, {6, 5, 10}};
    EXPECT_EQ(minutesBetween(in, out), 470);
    EXPECT_EQ(minutesBetween(out, in), -470);
    EXPECT_EQ(weekday({2026, 12, 10}), 5);  // a Thursday
}

TEST(Clock, FixedClockMovesOnlyWhenTold) {
    clock::fix({{2026, 12, 10}, {9, 0, 0}});
    EXPECT_EQ(shortDate(clock::today()), "12/10/2026");
    clock::advanceMs(1500);
    EXPECT_EQ(clock::timeOfDay(), (Time{9, 0, 1}));
    EXPECT_DOUBLE_EQ(clock::secondsSinceMidnight(), 9 * 3600 + 1.5);
    clock::advanceMs(15LL * 3600 * 1000);
    EXPECT_EQ(clock::today(), (Date{2026, 12, 11}));
    clock::runFree();
    EXPECT_FALSE(clock::isFixed());
}

TEST(Text, CountsCharactersNotBytes) {
    std::string chinese = "炒饭Rice";
    EXPECT_EQ(text::len(chinese), 6u);
    EXPECT_EQ(text::left(chinese, 2), "炒饭");
    EXPECT_EQ(text::right(chinese, 4), "Rice");
    EXPECT_EQ(text::mid(chinese, 2, 2), "饭R");
    EXPECT_EQ(text::mid("abc", 5), "");
    EXPECT_EQ(text::upper("abc炒"), "ABC炒");
    EXPECT_EQ(text::instr("a炒b", "b"), 3u);
    EXPECT_EQ(text::instr("abc", "z"), 0u);
}
