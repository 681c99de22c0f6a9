#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/datetime.h"

// Text a clerk typed never reaches a criterion raw: screens build criteria with these.
namespace pelk::db {

// A text value between quotes, a quote in it doubled: O'Brien → 'O''Brien'.
std::string quote(std::string_view text);

// A typed key to be matched as it stands inside a LIKE pattern, for the look-ups where it is
// a plain prefix (log-in, finds by code, phone, name, card, room): `*`, `?`, `#` and `[` are
// put in brackets and quotes doubled. It goes between the quotes:
//     "sPhone_no LIKE '" + likeLiteral(txtPhone) + "*'"
std::string likeLiteral(std::string_view typed);

// A typed pattern where a screen offers `*` and `?` as a feature: those two stay wildcards, while
// `#` and `[` are put in brackets (no typed text makes the pattern unreadable, nor does a "#"
// match any digit) and quotes are doubled.
std::string likePattern(std::string_view typed);

// `[field] LIKE '<typed, literally>*'`: the prefix look-up whole.
std::string prefixCriterion(std::string_view field, std::string_view typed);

// #12/10/2026#, #2:05:09 PM#, #12/10/2026 2:05:09 PM#.
std::string dateLiteral(const core::Date& d);
std::string dateLiteral(const core::DateTime& dt);
// A typed date or time as a literal; nullopt when the text is neither, so that nothing the
// clerk typed (a `#` included) ends up inside the query.
std::optional<std::string> dateLiteral(std::string_view typed);

}  // namespace pelk::db
