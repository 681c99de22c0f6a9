#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelk::core {

// An exact decimal with four places, like the legacy currency type. Money never goes
// through binary floating point: 0.045 stays 0.045 until a screen formats it.
class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { Money m; m.units_ = units; return m; }
    static constexpr Money fromInt(std::int64_t whole) { return fromUnits(whole * kScale); }
    // Nearest four-place value, half away from zero; for values that arrive as doubles
    // (a Double field, a spreadsheet cell), never for arithmetic.
    static Money fromDouble(double v);
    // Reads an amount as the screens show it: "$8.50", "1,234.50", "-12.00", "(12.00)",
    // "0.075", " 3 ". Anything else (empty text included) is nullopt.
    static std::optional<Money> parse(std::string_view text);

    constexpr std::int64_t units() const { return units_; }
    double toDouble() const { return static_cast<double>(units_) / kScale; }

    // Rounded half away from zero to `places` (0..4) decimal places.
    Money rounded(int places = 2) const;

    // Plain decimal text with the places kept ("0.045", "12", "-3.5"), used where the
    // legacy runtime turned a currency into text without a format.
    std::string toPlainText() const;

    // The arithmetic operators never overflow into undefined behaviour: a result beyond
    // what Money holds wraps around (modulo 2^64 of the units), which is no amount anyone
    // meant. Where a sum or product may run that far (typed amounts, rates times counts),
    // use checkedAdd, checkedSub and checkedMul below, which say so instead.
    friend constexpr Money operator+(Money a, Money b) { return fromUnits(wrap(bits(a) + bits(b))); }
    friend constexpr Money operator-(Money a, Money b) { return fromUnits(wrap(bits(a) - bits(b))); }
    friend constexpr Money operator-(Money a) { return fromUnits(wrap(0 - bits(a))); }
    Money& operator+=(Money b) { return *this = *this + b; }
    Money& operator-=(Money b) { return *this = *this - b; }
    // Product of two four-place values (an amount and a rate, or a price and a count),
    // brought back to four places half away from zero, as the currency type does.
    friend Money operator*(Money a, Money b);
    friend Money operator*(Money a, std::int64_t n) {
        return fromUnits(wrap(bits(a) * static_cast<std::uint64_t>(n)));
    }
    // Quotient kept to four places, half away from zero. Division by zero gives nullopt.
    std::optional<Money> dividedBy(Money b) const;

    friend constexpr auto operator<=>(Money a, Money b) = default;

private:
    // Two's-complement arithmetic on the units, defined for every input (C++20 converts
    // back modulo 2^64).
    static constexpr std::uint64_t bits(Money m) { return static_cast<std::uint64_t>(m.units_); }
    static constexpr std::int64_t wrap(std::uint64_t u) { return static_cast<std::int64_t>(u); }

    std::int64_t units_ = 0;
};

// The exact sum, difference or product (the product brought back to four places half away
// from zero, as operator* does), or nullopt when it lies beyond what Money holds.
std::optional<Money> checkedAdd(Money a, Money b);
std::optional<Money> checkedSub(Money a, Money b);
std::optional<Money> checkedMul(Money a, Money b);
std::optional<Money> checkedMul(Money a, std::int64_t n);  // a price times a count

// Reads an amount a clerk typed, strictly, in the station's number format (US English: "."
// before the decimals, "," between groups of thousands). Unlike Money::parse it takes only:
//   - blanks (spaces, tabs) around the amount, none inside it;
//   - an optional "-", then an optional "$" ("-$5.00" and "$5.00"; not "$-5.00", "+5", "(5.00)");
//   - the whole part: plain digits ("1234", "007") or digits grouped in threes by commas, the
//     first group one to three digits and not starting with 0 ("1,234", "12,345,678");
//     it may be left out when decimals follow (".5", "$.75");
//   - an optional "." and at most four decimal places ("50.", "50.5", "0.0725").
// At least one digit is needed. The amount's size, either sign, may be at most
// 922,337,203,685,477.5807. Anything else is nullopt, and `why` (when given) receives what
// is wrong, in words meant to follow the text as typed in a message to the clerk, as in
// `"12,34" has a comma out of place`. The words are one of: "is blank", "is not an amount",
// "has a comma out of place", "has more than four decimal places", "is too large".
// On success `why` is cleared.
std::optional<Money> readAmount(std::string_view text, std::string* why = nullptr);

}  // namespace pelk::core
