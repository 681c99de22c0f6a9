#include "platform/core/money.h"

#include <cmath>
#include <cstdlib>

namespace pelk::core {

namespace {

// a / b rounded half away from zero, for b > 0.
__int128 divRound(__int128 a, __int128 b) {
    __int128 q = a / b;
    __int128 r = a % b;
    if (r < 0) r = -r;
    if (2 * r >= b) q += (a < 0) ? -1 : 1;
    return q;
}

}  // namespace

Money Money::fromDouble(double v) {
    return fromUnits(static_cast<std::int64_t>(std::llround(v * kScale)));
}

std::optional<Money> Money::parse(std::string_view text) {
    std::size_t i = 0, n = text.size();
    auto skipBlanks = [&] { while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i; };
    skipBlanks();
    bool negative = false, paren = false;
    if (i < n && text[i] == '(') { paren = true; negative = true; ++i; skipBlanks(); }
    if (i < n && (text[i] == '-' || text[i] == '+')) { negative = negative || text[i] == '-'; ++i; skipBlanks(); }
    if (i < n && text[i] == '$') { ++i; skipBlanks(); }
    if (i < n && text[i] == '-' && !negative) { negative = true; ++i; }
    __int128 whole = 0;
    std::int64_t frac = 0;
    int fracDigits = 0;
    bool anyDigit = false, roundUp = false;
    bool lastWasDigit = false;
    for (; i < n; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            whole = whole * 10 + (c - '0');
            if (whole > (__int128)1 << 100) return std::nullopt;
            anyDigit = lastWasDigit = true;
        } else if (c == ',' && lastWasDigit) {
            lastWasDigit = false;
        } else {
            break;
        }
    }
    if (i < n && text[i] == '.') {
        ++i;
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
            anyDigit = true;
            if (fracDigits < 4) { frac = frac * 10 + (text[i] - '0'); ++fracDigits; }
            else if (fracDigits == 4) { roundUp = text[i] >= '5'; ++fracDigits; }
        }
    }
    if (!anyDigit) return std::nullopt;
    skipBlanks();
    if (paren) {
        if (i < n && text[i] == ')') ++i; else return std::nullopt;
        skipBlanks();
    }
    if (i != n) return std::nullopt;
    while (fracDigits < 4) { frac *= 10; ++fracDigits; }
    __int128 units = whole * kScale + frac + (roundUp ? 1 : 0);
    if (units > INT64_MAX) return std::nullopt;
    return fromUnits(static_cast<std::int64_t>(negative ? -units : units));
}

Money Money::rounded(int places) const {
    if (places >= 4) return *this;
    if (places < 0) places = 0;
    std::int64_t step = 1;
    for (int k = places; k < 4; ++k) step *= 10;
    return fromUnits(static_cast<std::int64_t>(divRound(units_, step) * step));
}

std::string Money::toPlainText() const {
    // The size as unsigned, so that the most negative amount has one too.
    std::uint64_t u = units_ < 0 ? 0 - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
    std::string s = std::to_string(u / kScale);
    std::uint64_t f = u % kScale;
    if (f != 0) {
        std::string fs = std::to_string(f + kScale).substr(1);
        while (!fs.empty() && fs.back() == '0') fs.pop_back();
        s += "." + fs;
    }
    return units_ < 0 ? "-" + s : s;
}

Money operator*(Money a, Money b) {
    // The product of two 64-bit values always fits 128 bits; a rounded result beyond 64 bits
    // is brought back modulo 2^64 (defined since C++20), as the header says.
    return Money::fromUnits(static_cast<std::int64_t>(divRound((__int128)a.units_ * b.units_, Money::kScale)));
}

std::optional<Money> checkedAdd(Money a, Money b) {
    std::int64_t sum;
    if (__builtin_add_overflow(a.units(), b.units(), &sum)) return std::nullopt;
    return Money::fromUnits(sum);
}

std::optional<Money> checkedSub(Money a, Money b) {
    std::int64_t difference;
    if (__builtin_sub_overflow(a.units(), b.units(), &difference)) return std::nullopt;
    return Money::fromUnits(difference);
}

std::optional<Money> checkedMul(Money a, Money b) {
    __int128 units = divRound((__int128)a.units() * b.units(), Money::kScale);
    if (units > INT64_MAX || units < INT64_MIN) return std::nullopt;
    return Money::fromUnits(static_cast<std::int64_t>(units));
}

std::optional<Money> checkedMul(Money a, std::int64_t n) {
    std::int64_t product;
    if (__builtin_mul_overflow(a.units(), n, &product)) return std::nullopt;
    return Money::fromUnits(product);
}

std::optional<Money> readAmount(std::string_view text, std::string* why) {
    auto refuse = [&](const char* reason) -> std::optional<Money> {
        if (why) *why = reason;
        return std::nullopt;
    };
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    if (begin == end) return refuse("is blank");
    std::string_view t = text.substr(begin, end - begin);

    // The shape first: [-][$] whole [. decimals], whole made of digits and commas.
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && t[i] == '-') { negative = true; ++i; }
    if (i < t.size() && t[i] == '$') ++i;
    std::size_t wholeBegin = i;
    while (i < t.size() && (isDigit(t[i]) || t[i] == ',')) ++i;
    std::string_view whole = t.substr(wholeBegin, i - wholeBegin);
    std::string_view decimals;
    if (i < t.size() && t[i] == '.') {
        std::size_t decimalsBegin = ++i;
        while (i < t.size() && isDigit(t[i])) ++i;
        decimals = t.substr(decimalsBegin, i - decimalsBegin);
    }
    if (i != t.size()) return refuse("is not an amount");
    bool anyDigit = !decimals.empty();
    for (char c : whole) anyDigit = anyDigit || isDigit(c);
    if (!anyDigit) return refuse("is not an amount");

    // Commas, if any, stand between groups of three, after a first group of one to three
    // digits that does not start with 0 ("0,500" is no amount the station writes).
    if (std::size_t firstComma = whole.find(','); firstComma != std::string_view::npos) {
        if (firstComma == 0 || firstComma > 3 || whole[0] == '0') return refuse("has a comma out of place");
        std::string_view groups = whole.substr(firstComma);  // ",ddd" again and again
        if (groups.size() % 4 != 0) return refuse("has a comma out of place");
        for (std::size_t k = 0; k < groups.size(); k += 4) {
            if (groups[k] != ',' || !isDigit(groups[k + 1]) || !isDigit(groups[k + 2]) || !isDigit(groups[k + 3]))
                return refuse("has a comma out of place");
        }
    }
    if (decimals.size() > 4) return refuse("has more than four decimal places");

    // The size last. A whole part past INT64_MAX / kScale is too large whatever the decimals,
    // so the count stays far inside 64 bits.
    constexpr std::uint64_t kMostWhole = INT64_MAX / Money::kScale;
    std::uint64_t units = 0;
    for (char c : whole) {
        if (!isDigit(c)) continue;
        units = units * 10 + static_cast<std::uint64_t>(c - '0');
        if (units > kMostWhole) return refuse("is too large");
    }
    units *= Money::kScale;
    std::uint64_t place = Money::kScale;
    for (char c : decimals) {
        place /= 10;
        units += static_cast<std::uint64_t>(c - '0') * place;
    }
    if (units > static_cast<std::uint64_t>(INT64_MAX)) return refuse("is too large");
    if (why) why->clear();
    std::int64_t u = static_cast<std::int64_t>(units);
    return Money::fromUnits(negative ? -u : u);
}

std::optional<Money> Money::dividedBy(Money b) const {
    if (b.units_ == 0) return std::nullopt;
    __int128 num = (__int128)units_ * kScale;
    __int128 den = b.units_;
    if (den < 0) { num = -num; den = -den; }
    return fromUnits(static_cast<std::int64_t>(divRound(num, den)));
}

}  // namespace pelk::core
