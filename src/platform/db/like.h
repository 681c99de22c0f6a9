#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace pelk::db {

// A pattern of the legacy engine's LIKE: `*` any run of characters, `?` one character,
// `#` one digit, `[abc]`, `[a-z]` and `[!a-z]` one character of (or not of) a list, and
// `[*]`, `[?]`, `[#]`, `[[]` the character itself. Letters match without regard to case;
// `%` and `_` are ordinary characters. Texts are UTF-8 and counted in characters.
class LikePattern {
public:
    // nullopt for a pattern the engine refuses (a `[` that is never closed).
    static std::optional<LikePattern> compile(std::string_view pattern);
    bool matches(std::string_view text) const;

private:
    struct Element {
        enum Type { Literal, One, Digit, Set, Star } type = Literal;
        char32_t ch = 0;                                    // Literal, folded
        std::vector<std::pair<char32_t, char32_t>> ranges;  // Set
        bool negate = false;                                // Set
    };
    bool matchOne(const Element& e, char32_t c) const;

    std::vector<Element> elements_;
};

}  // namespace pelk::db
