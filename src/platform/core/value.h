#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <variant>

#include "platform/core/datetime.h"
#include "platform/core/money.h"

namespace pelk::core {

struct Null {
    friend constexpr bool operator==(Null, Null) { return true; }
};

// What a field or a property holds: Null (distinct from the empty text), text, a whole
// number, a double, an exact currency amount, a yes/no, or a date/time.
class Value {
public:
    using Storage = std::variant<Null, std::string, std::int64_t, double, Money, bool, DateTime>;

    Value() = default;
    Value(Null) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(const char* s) : v_(std::string(s)) {}
    Value(std::string_view s) : v_(std::string(s)) {}
    Value(int n) : v_(static_cast<std::int64_t>(n)) {}
    Value(long n) : v_(static_cast<std::int64_t>(n)) {}
    Value(long long n) : v_(static_cast<std::int64_t>(n)) {}
    Value(double d) : v_(d) {}
    Value(Money m) : v_(m) {}
    Value(bool b) : v_(b) {}
    Value(DateTime dt) : v_(dt) {}
    Value(Date d) : v_(DateTime{d, Time{}}) {}

    bool isNull() const { return std::holds_alternative<Null>(v_); }
    bool isText() const { return std::holds_alternative<std::string>(v_); }
    bool isNumber() const;  // long, double, money or yes/no
    bool isDate() const { return std::holds_alternative<DateTime>(v_); }
    const Storage& storage() const { return v_; }
    // Becomes the text, reusing the room a text held before: rows read into the same values
    // again and again do not allocate for every field.
    void assignText(std::string_view text) {
        auto* s = std::get_if<std::string>(&v_);
        if (!s) {
            v_ = std::string(text);
        } else if (text.size() <= s->capacity() && !text.empty()) {
            // Copied over what stood there: assign() weighs every overlap a text could have
            // with its own room, and a field read from the file has none.
            s->resize(text.size());
            copyShort(s->data(), text.data(), text.size());
        } else {
            s->assign(text);
        }
    }

    // As the legacy CStr: Null → "", True/False, numbers without trailing zeros,
    // dates in the station's general date format.
    std::string toText() const {
        if (const auto* s = std::get_if<std::string>(&v_)) return *s;  // most fields a screen shows
        return otherToText();
    }
    // Numbers as they are; text read as an amount ("1,234.50") or 0; Null → 0.
    double toDouble() const;
    std::int64_t toLong() const;  // rounded half to even, like CLng
    Money toMoney() const;
    bool toBool() const;

    friend bool operator==(const Value& a, const Value& b) { return a.v_ == b.v_; }

private:
    // Most fields are a few letters: copied by two overlapping words, not by a call.
    static void copyShort(char* to, const char* from, std::size_t n) {
        if (n >= 8 && n <= 16) {
            std::uint64_t head, tail;
            std::memcpy(&head, from, 8);
            std::memcpy(&tail, from + n - 8, 8);
            std::memcpy(to, &head, 8);
            std::memcpy(to + n - 8, &tail, 8);
        } else if (n >= 4 && n < 8) {
            std::uint32_t head, tail;
            std::memcpy(&head, from, 4);
            std::memcpy(&tail, from + n - 4, 4);
            std::memcpy(to, &head, 4);
            std::memcpy(to + n - 4, &tail, 4);
        } else {
            std::memcpy(to, from, n);
        }
    }
    std::string otherToText() const;
    Storage v_;
};

// Double written as the legacy runtime shows it without a format (up to 15 digits, no
// trailing zeros, no exponent for ordinary magnitudes).
std::string numberText(double d);

}  // namespace pelk::core
