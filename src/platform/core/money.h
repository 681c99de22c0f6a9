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

    friend constexpr Money operator+(Money a, Money b) { return fromUnits(a.units_ + b.units_); }
    friend constexpr Money operator-(Money a, Money b) { return fromUnits(a.units_ - b.units_); }
    friend constexpr Money operator-(Money a) { return fromUnits(-a.units_); }
    Money& operator+=(Money b) { units_ += b.units_; return *this; }
    Money& operator-=(Money b) { units_ -= b.units_; return *this; }
    // Product of two four-place values (an amount and a rate, or a price and a count),
    // brought back to four places half away from zero, as the currency type does.
    friend Money operator*(Money a, Money b);
    friend Money operator*(Money a, std::int64_t n) { return fromUnits(a.units_ * n); }
    // Quotient kept to four places, half away from zero. Division by zero gives nullopt.
    std::optional<Money> dividedBy(Money b) const;

    friend constexpr auto operator<=>(Money a, Money b) = default;

private:
    std::int64_t units_ = 0;
};

}  // namespace pelk::core
