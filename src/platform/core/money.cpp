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
    std::int64_t u = units_ < 0 ? -units_ : units_;
    std::string s = std::to_string(u / kScale);
    std::int64_t f = u % kScale;
    if (f != 0) {
        std::string fs = std::to_string(f + kScale).substr(1);
        while (!fs.empty() && fs.back() == '0') fs.pop_back();
        s += "." + fs;
    }
    return units_ < 0 ? "-" + s : s;
}

Money operator*(Money a, Money b) {
    return Money::fromUnits(static_cast<std::int64_t>(divRound((__int128)a.units_ * b.units_, Money::kScale)));
}

std::optional<Money> Money::dividedBy(Money b) const {
    if (b.units_ == 0) return std::nullopt;
    __int128 num = (__int128)units_ * kScale;
    __int128 den = b.units_;
    if (den < 0) { num = -num; den = -den; }
    return fromUnits(static_cast<std::int64_t>(divRound(num, den)));
}

}  // namespace pelk::core
