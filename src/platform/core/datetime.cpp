#include "platform/core/datetime.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace pelk::core {

namespace {

bool isLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

std::string trimmed(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return std::string(s.substr(b, e - b));
}

// Reads an unsigned run of digits at `i`; false when there is none.
bool readNumber(const std::string& s, std::size_t& i, int& out, int maxDigits = 4) {
    std::size_t start = i;
    long v = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && i - start < static_cast<std::size_t>(maxDigits)) {
        v = v * 10 + (s[i] - '0');
        ++i;
    }
    if (i == start) return false;
    out = static_cast<int>(v);
    return true;
}

std::optional<Date> parseDatePart(const std::string& s, std::size_t& i) {
    int a = 0, b = 0, c = 0;
    std::size_t start = i;
    if (!readNumber(s, i, a)) return std::nullopt;
    if (i < s.size() && s[i] == '-' && i - start == 4) {
        ++i;
        if (!readNumber(s, i, b, 2) || i >= s.size() || s[i] != '-') return std::nullopt;
        ++i;
        if (!readNumber(s, i, c, 2)) return std::nullopt;
        if (!isValidDate(a, b, c)) return std::nullopt;
        return Date{a, b, c};
    }
    if (i - start > 2 || i >= s.size() || s[i] != '/') return std::nullopt;
    ++i;
    if (!readNumber(s, i, b, 2) || i >= s.size() || s[i] != '/') return std::nullopt;
    ++i;
    std::size_t ys = i;
    if (!readNumber(s, i, c)) return std::nullopt;
    std::size_t yDigits = i - ys;
    if (yDigits == 2) c += (c < 30) ? 2000 : 1900;
    else if (yDigits != 4) return std::nullopt;
    if (!isValidDate(c, a, b)) return std::nullopt;
    return Date{c, a, b};
}

std::optional<Time> parseTimePart(const std::string& s, std::size_t& i) {
    int h = 0, m = 0, sec = 0;
    if (!readNumber(s, i, h, 2) || i >= s.size() || s[i] != ':') return std::nullopt;
    ++i;
    if (!readNumber(s, i, m, 2)) return std::nullopt;
    if (i < s.size() && s[i] == ':') {
        ++i;
        if (!readNumber(s, i, sec, 2)) return std::nullopt;
    }
    while (i < s.size() && s[i] == ' ') ++i;
    if (i + 1 < s.size() + 0 && (s[i] == 'A' || s[i] == 'a' || s[i] == 'P' || s[i] == 'p') &&
        (s[i + 1] == 'M' || s[i + 1] == 'm')) {
        bool pm = s[i] == 'P' || s[i] == 'p';
        if (h < 1 || h > 12) return std::nullopt;
        if (h == 12) h = 0;
        if (pm) h += 12;
        i += 2;
    }
    if (h > 23 || m > 59 || sec > 59) return std::nullopt;
    return Time{h, m, sec};
}

}  // namespace

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12) return 0;
    return (m == 2 && isLeap(y)) ? 29 : days[m - 1];
}

bool isValidDate(int y, int m, int d) {
    return y >= 100 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(y, m);
}

// Howard Hinnant's days-from-civil.
std::int64_t toDayNumber(const Date& dt) {
    std::int64_t y = dt.year - (dt.month <= 2 ? 1 : 0);
    std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    unsigned yoe = static_cast<unsigned>(y - era * 400);
    unsigned mp = static_cast<unsigned>(dt.month + (dt.month > 2 ? -3 : 9));
    unsigned doy = (153 * mp + 2) / 5 + static_cast<unsigned>(dt.day) - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

Date fromDayNumber(std::int64_t z) {
    z += 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    unsigned d = doy - (153 * mp + 2) / 5 + 1;
    unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return Date{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

Date addDays(const Date& d, std::int64_t days) { return fromDayNumber(toDayNumber(d) + days); }
std::int64_t daysBetween(const Date& from, const Date& to) { return toDayNumber(to) - toDayNumber(from); }
int secondsOfDay(const Time& t) { return t.hour * 3600 + t.minute * 60 + t.second; }
Time timeFromSeconds(int s) {
    s %= 86400;
    if (s < 0) s += 86400;
    return Time{s / 3600, (s / 60) % 60, s % 60};
}

std::int64_t minutesBetween(const DateTime& from, const DateTime& to) {
    auto minuteCount = [](const DateTime& dt) {
        return toDayNumber(dt.date) * 1440 + dt.time.hour * 60 + dt.time.minute;
    };
    return minuteCount(to) - minuteCount(from);
}

int weekday(const Date& d) {
    std::int64_t n = toDayNumber(d);  // 1/1/1970 was a Thursday (5)
    return static_cast<int>(((n % 7) + 7 + 4) % 7) + 1;
}

std::string shortDate(const Date& d) {
    char b[32];
    std::snprintf(b, sizeof b, "%d/%d/%d", d.month, d.day, d.year);
    return b;
}

std::string longTime(const Time& t) {
    int h12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char b[32];
    std::snprintf(b, sizeof b, "%d:%02d:%02d %s", h12, t.minute, t.second, t.hour < 12 ? "AM" : "PM");
    return b;
}

std::string mediumTime(const Time& t) {
    int h12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char b[32];
    std::snprintf(b, sizeof b, "%02d:%02d %s", h12, t.minute, t.hour < 12 ? "AM" : "PM");
    return b;
}

std::string shortTime(const Time& t) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d:%02d", t.hour, t.minute);
    return b;
}

std::string generalDate(const DateTime& dt) {
    bool zeroDate = dt.date == Date{};
    bool zeroTime = dt.time == Time{};
    if (zeroDate) return longTime(dt.time);
    if (zeroTime) return shortDate(dt.date);
    return shortDate(dt.date) + " " + longTime(dt.time);
}

std::string isoDate(const Date& d) {
    char b[32];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d", d.year, d.month, d.day);
    return b;
}

std::string isoTime(const Time& t) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return b;
}

std::string isoDateTime(const DateTime& dt) { return isoDate(dt.date) + " " + isoTime(dt.time); }

std::optional<Date> parseDate(std::string_view text) {
    std::string s = trimmed(text);
    std::size_t i = 0;
    auto d = parseDatePart(s, i);
    if (!d) return std::nullopt;
    if (i == s.size()) return d;
    if (s[i] != ' ' && s[i] != 'T') return std::nullopt;
    ++i;
    while (i < s.size() && s[i] == ' ') ++i;
    auto t = parseTimePart(s, i);
    if (!t || i != s.size()) return std::nullopt;
    return d;
}

std::optional<Time> parseTime(std::string_view text) {
    std::string s = trimmed(text);
    std::size_t i = 0;
    auto t = parseTimePart(s, i);
    if (!t || i != s.size()) return std::nullopt;
    return t;
}

std::optional<DateTime> parseDateTime(std::string_view text) {
    std::string s = trimmed(text);
    std::size_t i = 0;
    if (auto d = parseDatePart(s, i)) {
        if (i == s.size()) return DateTime{*d, Time{}};
        if (s[i] != ' ' && s[i] != 'T') return std::nullopt;
        ++i;
        while (i < s.size() && s[i] == ' ') ++i;
        auto t = parseTimePart(s, i);
        if (!t || i != s.size()) return std::nullopt;
        return DateTime{*d, *t};
    }
    i = 0;
    auto t = parseTimePart(s, i);
    if (!t || i != s.size()) return std::nullopt;
    return DateTime{Date{}, *t};
}

}  // namespace pelk::core
