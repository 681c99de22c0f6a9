#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelk::core {

struct Date {
    int year = 1899, month = 12, day = 30;
    friend constexpr auto operator<=>(const Date&, const Date&) = default;
};

struct Time {
    int hour = 0, minute = 0, second = 0;
    friend constexpr auto operator<=>(const Time&, const Time&) = default;
};

struct DateTime {
    Date date;
    Time time;
    friend constexpr auto operator<=>(const DateTime&, const DateTime&) = default;
};

bool isValidDate(int year, int month, int day);
int daysInMonth(int year, int month);

// Days since 1/1/1970; the calendar is proleptic Gregorian.
std::int64_t toDayNumber(const Date& d);
Date fromDayNumber(std::int64_t days);
Date addDays(const Date& d, std::int64_t days);
std::int64_t daysBetween(const Date& from, const Date& to);  // to - from
int secondsOfDay(const Time& t);
Time timeFromSeconds(int secondsOfDay);
// Whole minutes from `from` to `to` (negative when `to` is earlier), seconds dropped as the
// legacy DateDiff("n") counts: the change of the minute count, not elapsed/60.
std::int64_t minutesBetween(const DateTime& from, const DateTime& to);
int weekday(const Date& d);  // 1 = Sunday … 7 = Saturday, as the legacy Weekday

// The station's formats (US English).
std::string shortDate(const Date& d);            // 12/10/2026
std::string longTime(const Time& t);             // 2:05:09 PM
std::string mediumTime(const Time& t);           // 02:05 PM
std::string shortTime(const Time& t);            // 14:05
std::string generalDate(const DateTime& dt);     // 12/10/2026 2:05:09 PM (date or time alone when the other is zero)
std::string isoDate(const Date& d);              // 2026-12-10
std::string isoTime(const Time& t);              // 14:05:09
std::string isoDateTime(const DateTime& dt);     // 2026-12-10 14:05:09

// Reading back what a clerk or a screen wrote: M/D/YYYY, M/D/YY (30..99 → 19xx), ISO
// YYYY-MM-DD, each optionally followed by a time. nullopt for anything else.
std::optional<Date> parseDate(std::string_view text);
// h:mm[:ss] [AM|PM], or HH:MM[:SS]; nullopt for anything else.
std::optional<Time> parseTime(std::string_view text);
// A date, a time, or a date and a time; a time alone has the zero date (12/30/1899).
std::optional<DateTime> parseDateTime(std::string_view text);

}  // namespace pelk::core
