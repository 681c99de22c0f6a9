#include "platform/db/quoting.h"

namespace pelk::db {

std::string quote(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

namespace {

// Whether `*` and `?` stay wildcards; `#` and `[` are always taken literally.
enum class Wildcards { Literal, Kept };

std::string escapeLike(std::string_view typed, Wildcards wildcards) {
    std::string out;
    out.reserve(typed.size() + 8);
    for (char c : typed) {
        switch (c) {
            case '*':
            case '?':
                if (wildcards == Wildcards::Kept) {
                    out += c;
                    break;
                }
                [[fallthrough]];
            case '#':
            case '[':
                out += '[';
                out += c;
                out += ']';
                break;
            case '\'':
                out += "''";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::string likeLiteral(std::string_view typed) { return escapeLike(typed, Wildcards::Literal); }

std::string likePattern(std::string_view typed) { return escapeLike(typed, Wildcards::Kept); }

std::string prefixCriterion(std::string_view field, std::string_view typed) {
    return "[" + std::string(field) + "] LIKE '" + likeLiteral(typed) + "*'";
}

std::string dateLiteral(const core::Date& d) { return "#" + core::shortDate(d) + "#"; }

std::string dateLiteral(const core::DateTime& dt) { return "#" + core::generalDate(dt) + "#"; }

std::optional<std::string> dateLiteral(std::string_view typed) {
    auto dt = core::parseDateTime(typed);
    if (!dt) return std::nullopt;
    return dateLiteral(*dt);
}

}  // namespace pelk::db
