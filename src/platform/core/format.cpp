#include "platform/core/format.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/core/text.h"

namespace pelk::core {

namespace {

// An exact decimal: sign, digits of the whole part, digits of the fraction.
struct Decimal {
    bool negative = false;
    std::string whole = "0";
    std::string frac;
};

Decimal fromMoney(Money m) {
    Decimal d;
    std::int64_t u = m.units();
    d.negative = u < 0;
    std::uint64_t a = u < 0 ? static_cast<std::uint64_t>(-(u + 1)) + 1 : static_cast<std::uint64_t>(u);
    d.whole = std::to_string(a / Money::kScale);
    d.frac = std::to_string(a % Money::kScale + Money::kScale).substr(1);
    return d;
}

// A double goes through 15 significant digits first, as the legacy runtime did, so that
// 1.005 formats as 1.01 and not by its binary neighbour.
Decimal fromDouble(double v) {
    Decimal d;
    if (!std::isfinite(v)) return d;
    d.negative = v < 0;
    char b[64];
    std::snprintf(b, sizeof b, "%.14e", std::fabs(v));
    // b = "d.dddddddddddddde±XX"
    std::string digits;
    digits += b[0];
    digits += std::string(b + 2, b + 16);
    int exp = std::atoi(std::strchr(b, 'e') + 1);
    int point = exp + 1;  // digits before the decimal point
    if (point <= 0) {
        d.whole = "0";
        d.frac = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= static_cast<int>(digits.size())) {
        d.whole = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
        d.frac.clear();
    } else {
        d.whole = digits.substr(0, static_cast<std::size_t>(point));
        d.frac = digits.substr(static_cast<std::size_t>(point));
    }
    std::size_t nz = d.whole.find_first_not_of('0');
    d.whole = nz == std::string::npos ? "0" : d.whole.substr(nz);
    return d;
}

bool isZero(const Decimal& d) {
    return d.whole.find_first_not_of('0') == std::string::npos && d.frac.find_first_not_of('0') == std::string::npos;
}

// Rounds to `places` decimals, half away from zero.
void roundTo(Decimal& d, std::size_t places) {
    if (d.frac.size() <= places) {
        d.frac.resize(places, '0');
        return;
    }
    bool up = d.frac[places] >= '5';
    d.frac.resize(places);
    if (!up) return;
    std::string all = d.whole + d.frac;
    int i = static_cast<int>(all.size()) - 1;
    while (i >= 0) {
        if (all[static_cast<std::size_t>(i)] == '9') { all[static_cast<std::size_t>(i)] = '0'; --i; }
        else { ++all[static_cast<std::size_t>(i)]; break; }
    }
    if (i < 0) all.insert(all.begin(), '1');
    d.whole = all.substr(0, all.size() - places);
    d.frac = all.substr(all.size() - places);
    if (d.whole.empty()) d.whole = "0";
}

std::vector<std::string> splitSections(std::string_view p) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < p.size(); ++i) {
        char c = p[i];
        if (c == '"') quoted = !quoted;
        if (c == '\\' && i + 1 < p.size()) { out.back() += c; out.back() += p[++i]; continue; }
        if (c == ';' && !quoted) { out.emplace_back(); continue; }
        out.back() += c;
    }
    return out;
}

std::string groupThousands(const std::string& whole) {
    std::string out;
    int n = static_cast<int>(whole.size());
    for (int i = 0; i < n; ++i) {
        out += whole[static_cast<std::size_t>(i)];
        int left = n - 1 - i;
        if (left > 0 && left % 3 == 0) out += ',';
    }
    return out;
}

// Formats a non-negative decimal by one numeric section.
std::string formatSection(Decimal d, const std::string& section) {
    // Split the section into prefix literals, the digit pattern and suffix literals.
    std::size_t first = std::string::npos, last = std::string::npos;
    for (std::size_t i = 0; i < section.size(); ++i) {
        char c = section[i];
        if (c == '\\' || c == '"') {
            if (c == '\\') ++i;
            else { std::size_t e = section.find('"', i + 1); i = e == std::string::npos ? section.size() : e; }
            continue;
        }
        if (c == '0' || c == '#' || c == '.' || c == ',') {
            if (first == std::string::npos) first = i;
            last = i;
        }
    }
    auto literal = [](const std::string& s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\\' && i + 1 < s.size()) { out += s[++i]; continue; }
            if (s[i] == '"') continue;
            out += s[i];
        }
        return out;
    };
    if (first == std::string::npos) return literal(section);
    std::string prefix = section.substr(0, first), digits = section.substr(first, last - first + 1),
                suffix = section.substr(last + 1);
    bool percent = section.find('%') != std::string::npos;
    if (percent) {
        // ×100 exactly: move the decimal point two places.
        std::string f = d.frac + "00";
        d.whole += f.substr(0, 2);
        d.frac = f.substr(2);
        std::size_t nz = d.whole.find_first_not_of('0');
        d.whole = nz == std::string::npos ? "0" : d.whole.substr(nz);
    }
    std::size_t dot = digits.find('.');
    std::string intPat = digits.substr(0, dot), fracPat = dot == std::string::npos ? "" : digits.substr(dot + 1);
    bool thousands = intPat.find(',') != std::string::npos;
    std::size_t minInt = 0;
    for (char c : intPat) if (c == '0') ++minInt;
    std::size_t minFrac = 0, maxFrac = 0;
    for (char c : fracPat) {
        if (c == '0') { ++minFrac; ++maxFrac; }
        else if (c == '#') ++maxFrac;
    }
    roundTo(d, maxFrac);
    std::string frac = d.frac;
    while (frac.size() > minFrac && frac.back() == '0') frac.pop_back();
    std::string whole = d.whole == "0" ? "" : d.whole;
    while (whole.size() < minInt) whole.insert(whole.begin(), '0');
    if (thousands && !whole.empty()) whole = groupThousands(whole);
    std::string body = whole;
    if (dot != std::string::npos && (!frac.empty() || maxFrac == 0)) body += "." + frac;
    return literal(prefix) + body + literal(suffix);
}

std::string formatNumber(Decimal d, std::string_view pattern) {
    std::vector<std::string> sections = splitSections(pattern);
    bool negative = d.negative && !isZero(d);
    Decimal a = d;
    a.negative = false;
    if (isZero(d) && sections.size() >= 3 && !sections[2].empty()) return formatSection(a, sections[2]);
    if (negative && sections.size() >= 2 && !sections[1].empty()) {
        // A value that rounds to zero in its own section loses its sign there.
        return formatSection(a, sections[1]);
    }
    std::string out = formatSection(a, sections[0]);
    if (negative) {
        // Check whether the rounded result is zero: a negative that rounds to 0.00 shows "-0.00"
        // in the legacy runtime; we keep that rule.
        out = "-" + out;
    }
    return out;
}

std::string namedNumber(Decimal d, std::string_view name) {
    if (text::equalsNoCase(name, "Standard")) return formatNumber(d, "#,##0.00");
    if (text::equalsNoCase(name, "Fixed")) return formatNumber(d, "0.00");
    if (text::equalsNoCase(name, "Percent")) return formatNumber(d, "0.00%");
    if (text::equalsNoCase(name, "Currency")) {
        bool neg = d.negative && !isZero(d);
        Decimal a = d;
        a.negative = false;
        std::string s = formatNumber(a, "$#,##0.00");
        return neg ? "(" + s + ")" : s;
    }
    return {};
}

bool isNamedNumber(std::string_view p) {
    for (const char* n : {"Standard", "Fixed", "Percent", "Currency", "General Number"})
        if (text::equalsNoCase(p, n)) return true;
    return false;
}

bool isNamedDate(std::string_view p) {
    for (const char* n : {"Short Date", "Long Date", "Medium Date", "General Date", "Short Time", "Medium Time", "Long Time"})
        if (text::equalsNoCase(p, n)) return true;
    return false;
}

std::string generalNumber(const Decimal& d) {
    std::string frac = d.frac;
    while (!frac.empty() && frac.back() == '0') frac.pop_back();
    std::string s = d.whole + (frac.empty() ? "" : "." + frac);
    return (d.negative && !isZero(d) ? "-" : "") + s;
}

bool isDatePattern(std::string_view p) {
    if (isNamedDate(p)) return true;
    std::string l = text::lower(p);
    return l.find("yy") != std::string::npos || l.find("mm") != std::string::npos || l.find("dd") != std::string::npos ||
           l.find("hh") != std::string::npos || l.find("nn") != std::string::npos || l.find("am/pm") != std::string::npos;
}

bool isTextMask(std::string_view p) { return p.find('@') != std::string_view::npos || p.find('&') != std::string_view::npos; }

const char* const kMonths[] = {"January", "February", "March", "April", "May", "June", "July",
                               "August", "September", "October", "November", "December"};
const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string formatDate(const DateTime& dt, std::string_view pattern) {
    if (text::equalsNoCase(pattern, "Short Date")) return shortDate(dt.date);
    if (text::equalsNoCase(pattern, "Long Time")) return longTime(dt.time);
    if (text::equalsNoCase(pattern, "Medium Time")) return mediumTime(dt.time);
    if (text::equalsNoCase(pattern, "Short Time")) return shortTime(dt.time);
    if (text::equalsNoCase(pattern, "General Date")) return generalDate(dt);
    if (text::equalsNoCase(pattern, "Long Date"))
        return std::string(kDays[weekday(dt.date) - 1]) + ", " + kMonths[dt.date.month - 1] + " " +
               std::to_string(dt.date.day) + ", " + std::to_string(dt.date.year);
    if (text::equalsNoCase(pattern, "Medium Date")) {
        char b[32];
        std::snprintf(b, sizeof b, "%02d-%.3s-%02d", dt.date.day, kMonths[dt.date.month - 1], dt.date.year % 100);
        return b;
    }
    // Pattern letters: d dd ddd dddd m mm mmm mmmm yy yyyy h hh n nn s ss AM/PM am/pm.
    std::string p(pattern), out;
    bool ampm = text::lower(p).find("am/pm") != std::string::npos;
    bool lastWasHour = false;
    auto two = [](int v) { char b[8]; std::snprintf(b, sizeof b, "%02d", v); return std::string(b); };
    for (std::size_t i = 0; i < p.size();) {
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(p[i])));
        std::size_t run = 1;
        while (i + run < p.size() && std::tolower(static_cast<unsigned char>(p[i + run])) == c) ++run;
        if (c == 'a' && text::lower(p.substr(i, 5)) == "am/pm") {
            bool upper = p[i] == 'A';
            out += dt.time.hour < 12 ? (upper ? "AM" : "am") : (upper ? "PM" : "pm");
            i += 5;
            continue;
        }
        if (c == 'd') {
            if (run == 1) out += std::to_string(dt.date.day);
            else if (run == 2) out += two(dt.date.day);
            else if (run == 3) out += std::string(kDays[weekday(dt.date) - 1]).substr(0, 3);
            else out += kDays[weekday(dt.date) - 1];
            lastWasHour = false;
        } else if (c == 'm') {
            // "m" after an hour means minutes, as the legacy runtime reads it.
            if (lastWasHour && run <= 2) out += run == 1 ? std::to_string(dt.time.minute) : two(dt.time.minute);
            else if (run == 1) out += std::to_string(dt.date.month);
            else if (run == 2) out += two(dt.date.month);
            else if (run == 3) out += std::string(kMonths[dt.date.month - 1]).substr(0, 3);
            else out += kMonths[dt.date.month - 1];
            lastWasHour = false;
        } else if (c == 'y') {
            out += run >= 3 ? std::to_string(dt.date.year) : two(dt.date.year % 100);
            lastWasHour = false;
        } else if (c == 'h') {
            int h = dt.time.hour;
            if (ampm) h = h % 12 == 0 ? 12 : h % 12;
            out += run == 1 ? std::to_string(h) : two(h);
            lastWasHour = true;
        } else if (c == 'n') {
            out += run == 1 ? std::to_string(dt.time.minute) : two(dt.time.minute);
            lastWasHour = false;
        } else if (c == 's') {
            out += run == 1 ? std::to_string(dt.time.second) : two(dt.time.second);
            lastWasHour = false;
        } else {
            out.append(p, i, run);
            i += run;
            continue;
        }
        i += run;
    }
    return out;
}

// "@" takes a character (a blank when the text runs out), filled from the right as the
// legacy runtime does unless "!" asks for left to right; other characters stand as they are.
std::string formatMask(const std::string& s, std::string_view mask) {
    bool leftToRight = !mask.empty() && mask[0] == '!';
    std::string m(leftToRight ? mask.substr(1) : mask);
    std::size_t slots = 0;
    for (char c : m) if (c == '@' || c == '&') ++slots;
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t e = text::byteOffset(std::string_view(s).substr(i), 1) + i;
        chars.emplace_back(s.substr(i, e - i));
        i = e;
    }
    std::string extra;
    if (chars.size() > slots) {
        // Characters beyond the mask go in front (right-to-left filling) or at the end.
        std::size_t over = chars.size() - slots;
        if (leftToRight) {
            for (std::size_t k = slots; k < chars.size(); ++k) extra += chars[k];
            chars.resize(slots);
        } else {
            std::string head;
            for (std::size_t k = 0; k < over; ++k) head += chars[k];
            chars.erase(chars.begin(), chars.begin() + static_cast<long>(over));
            extra = head;
        }
    }
    std::vector<std::string> fill(slots);
    if (leftToRight) {
        for (std::size_t k = 0; k < slots; ++k) fill[k] = k < chars.size() ? chars[k] : "";
    } else {
        std::size_t pad = slots - chars.size();
        for (std::size_t k = 0; k < slots; ++k) fill[k] = k < pad ? "" : chars[k - pad];
    }
    std::string out;
    std::size_t k = 0;
    for (char c : m) {
        if (c == '@' || c == '&') {
            const std::string& f = fill[k++];
            out += f.empty() ? (c == '@' ? " " : "") : f;
        } else {
            out += c;
        }
    }
    return leftToRight ? out + extra : extra + out;
}

std::optional<Decimal> numericText(std::string_view s) {
    if (!isNumeric(s)) return std::nullopt;
    std::string t;
    bool paren = false;
    for (char c : s) {
        if (c == ',' || c == '$' || c == ' ') continue;
        if (c == '(' || c == ')') { paren = true; continue; }
        t += c;
    }
    if (auto m = Money::parse(t)) {
        // Keep every decimal the text has: read the digits straight.
        Decimal d;
        std::string u = t;
        if (!u.empty() && (u[0] == '-' || u[0] == '+')) { d.negative = u[0] == '-'; u = u.substr(1); }
        std::size_t dot = u.find('.');
        d.whole = u.substr(0, dot);
        if (d.whole.empty()) d.whole = "0";
        d.frac = dot == std::string::npos ? "" : u.substr(dot + 1);
        std::size_t nz = d.whole.find_first_not_of('0');
        d.whole = nz == std::string::npos ? "0" : d.whole.substr(nz);
        if (paren) d.negative = true;
        return d;
    }
    return fromDouble(std::strtod(t.c_str(), nullptr));
}

}  // namespace

bool isNumeric(std::string_view s) {
    std::string t = text::trim(s);
    if (t.empty()) return false;
    std::size_t i = 0;
    bool paren = false;
    if (t[i] == '(') { paren = true; ++i; }
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    if (i < t.size() && t[i] == '$') ++i;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    bool digits = false;
    for (; i < t.size() && (std::isdigit(static_cast<unsigned char>(t[i])) || (t[i] == ',' && digits)); ++i)
        if (t[i] != ',') digits = true;
    if (i < t.size() && t[i] == '.') {
        ++i;
        for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) digits = true;
    }
    if (!digits) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
        bool ed = false;
        for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) ed = true;
        if (!ed) return false;
    }
    if (paren) {
        if (i < t.size() && t[i] == ')') ++i; else return false;
    }
    return i == t.size();
}

double val(std::string_view s) {
    std::string t;
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r')) ++i;
    if (i + 1 < s.size() && s[i] == '&' && (s[i + 1] == 'H' || s[i + 1] == 'h')) {
        long v = 0;
        for (i += 2; i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i])); ++i)
            v = v * 16 + (std::isdigit(static_cast<unsigned char>(s[i])) ? s[i] - '0' : (std::tolower(s[i]) - 'a' + 10));
        return static_cast<double>(v);
    }
    bool seenDot = false, seenDigit = false, seenExp = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c == ' ' || c == '\t') continue;
        if (std::isdigit(static_cast<unsigned char>(c))) { t += c; seenDigit = true; continue; }
        if ((c == '-' || c == '+') && (t.empty() || (seenExp && (t.back() == 'e')))) { t += c; continue; }
        if (c == '.' && !seenDot && !seenExp) { t += c; seenDot = true; continue; }
        if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && seenDigit && !seenExp) { t += 'e'; seenExp = true; continue; }
        break;
    }
    if (!seenDigit) return 0;
    if (!t.empty() && (t.back() == 'e' || t.back() == '-' || t.back() == '+')) {
        while (!t.empty() && (t.back() == 'e' || t.back() == '-' || t.back() == '+')) t.pop_back();
    }
    return std::strtod(t.c_str(), nullptr);
}

Money amountOrZero(std::string_view s) {
    auto m = Money::parse(s);
    return m ? *m : Money{};
}

std::string format(Money m, std::string_view pattern) {
    if (pattern.empty() || text::equalsNoCase(pattern, "General Number")) return generalNumber(fromMoney(m));
    if (isNamedNumber(pattern)) return namedNumber(fromMoney(m), pattern);
    return formatNumber(fromMoney(m), pattern);
}

std::string format(double d, std::string_view pattern) {
    if (pattern.empty() || text::equalsNoCase(pattern, "General Number")) return numberText(d);
    if (isDatePattern(pattern)) return format(Value(d), pattern);
    if (isNamedNumber(pattern)) return namedNumber(fromDouble(d), pattern);
    return formatNumber(fromDouble(d), pattern);
}

std::string format(const Value& v, std::string_view pattern) {
    if (v.isNull()) return "";
    const auto& st = v.storage();
    if (isTextMask(pattern)) return formatMask(v.toText(), pattern);
    if (isDatePattern(pattern)) {
        if (auto p = std::get_if<DateTime>(&st)) return formatDate(*p, pattern);
        if (auto p = std::get_if<std::string>(&st)) {
            if (auto dt = parseDateTime(*p)) return formatDate(*dt, pattern);
            return *p;
        }
        // A number is a count of days since 12/30/1899, fractions being the time of day.
        double x = v.toDouble();
        double days = std::floor(x);
        int secs = static_cast<int>(std::lround((x - days) * 86400));
        return formatDate(DateTime{addDays(Date{}, static_cast<std::int64_t>(days)), timeFromSeconds(secs)}, pattern);
    }
    if (auto p = std::get_if<std::string>(&st)) {
        auto d = numericText(*p);
        if (!d) return *p;
        if (pattern.empty() || text::equalsNoCase(pattern, "General Number")) return generalNumber(*d);
        if (isNamedNumber(pattern)) return namedNumber(*d, pattern);
        return formatNumber(*d, pattern);
    }
    if (auto p = std::get_if<Money>(&st)) return format(*p, pattern);
    if (auto p = std::get_if<std::int64_t>(&st)) return format(Money::fromInt(*p), pattern);
    if (auto p = std::get_if<bool>(&st)) {
        if (pattern.empty()) return *p ? "True" : "False";
        return format(*p ? -1.0 : 0.0, pattern);
    }
    if (auto p = std::get_if<DateTime>(&st)) return pattern.empty() ? generalDate(*p) : formatDate(*p, pattern);
    return format(v.toDouble(), pattern);
}

}  // namespace pelk::core
