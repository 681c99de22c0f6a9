#pragma once

#include <string>
#include <utility>
#include <variant>

namespace pelk::db {

// The legacy engine's error numbers for the failures screens meet; the record editors show
// them ("Error #: 3163"), so a failure keeps the number the clerk would have seen.
namespace code {
inline constexpr int kUpdateWithoutEdit = 3020;  // Update or CancelUpdate without AddNew or Edit.
inline constexpr int kNoCurrentRecord = 3021;
inline constexpr int kDuplicate = 3022;
inline constexpr int kFileNotFound = 3024;
inline constexpr int kReadOnly = 3027;
inline constexpr int kNotADatabase = 3049;
inline constexpr int kTooFewParameters = 3061;  // an unknown field in a query
inline constexpr int kSyntax = 3075;
inline constexpr int kNoSuchTable = 3078;
inline constexpr int kUndefinedFunction = 3085;
inline constexpr int kFieldTooSmall = 3163;
inline constexpr int kFieldNotUpdatable = 3164;
inline constexpr int kRecordDeleted = 3167;
inline constexpr int kChangedByOther = 3197;  // the optimistic check: changed since it was read
inline constexpr int kLocked = 3218;
inline constexpr int kNotFoundInCollection = 3265;
inline constexpr int kRequired = 3314;
inline constexpr int kZeroLength = 3315;
inline constexpr int kConversion = 3421;
inline constexpr int kTypeMismatch = 3464;
inline constexpr int kIo = 3043;
inline constexpr int kAlreadyExists = 3010;
inline constexpr int kInvalidArgument = 3001;
inline constexpr int kTransaction = 3034;  // a unit of work that cannot go on
inline constexpr int kInvalidBookmark = 3159;
inline constexpr int kTooComplex = 3360;
inline constexpr int kInvalidPattern = 93;
}  // namespace code

// A failure of the data layer: the store it happened in (its Windows path as the caller
// named it), the reason in words, and the legacy error number.
struct Error {
    std::string store;
    std::string reason;
    int code = 0;

    // "<store>: <reason>" — what a log or a message box shows.
    std::string message() const;
};

// Success, or the failure of one step. Discarding one is a compile warning: a screen that
// goes on after a failed step says so in its code.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Error e) : error_(std::move(e)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return !failed_; }
    const Error& error() const { return error_; }

private:
    Error error_;
    bool failed_ = false;
};

// A value, or the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
    Result(Error e) : v_(std::in_place_index<1>, std::move(e)) {}
    // Made where it is kept: a value read field by field is not moved once more on its way out.
    template <typename... A>
    explicit Result(std::in_place_t, A&&... a) : v_(std::in_place_index<0>, std::forward<A>(a)...) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(v_); }
    const T& value() const& { return std::get<0>(v_); }
    T&& value() && { return std::get<0>(std::move(v_)); }
    T* operator->() { return &std::get<0>(v_); }
    const T* operator->() const { return &std::get<0>(v_); }
    T& operator*() & { return std::get<0>(v_); }
    const T& operator*() const& { return std::get<0>(v_); }

    const Error& error() const { return std::get<1>(v_); }
    T valueOr(T fallback) const& { return ok() ? value() : std::move(fallback); }
    T valueOr(T fallback) && { return ok() ? std::get<0>(std::move(v_)) : std::move(fallback); }
    Status status() const { return ok() ? Status{} : Status{error()}; }

private:
    std::variant<T, Error> v_;
};

}  // namespace pelk::db
