#include "platform/db/like.h"

#include <string>

namespace pelk::db {

namespace {

// Next code point of UTF-8 text at byte `i`; a stray byte stands for itself.
char32_t decode(std::string_view s, std::size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        ++i;
        return c;
    }
    int extra = (c >= 0xF0) ? 3 : (c >= 0xE0) ? 2 : (c >= 0xC0) ? 1 : 0;
    char32_t cp = extra == 3 ? (c & 0x07) : extra == 2 ? (c & 0x0F) : extra == 1 ? (c & 0x1F) : c;
    std::size_t j = i + 1;
    for (int k = 0; k < extra; ++k, ++j) {
        if (j >= s.size() || (static_cast<unsigned char>(s[j]) & 0xC0) != 0x80) {
            ++i;
            return c;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[j]) & 0x3F);
    }
    i = j;
    return cp;
}

char32_t fold(char32_t c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }
char32_t unfold(char32_t c) { return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c; }

}  // namespace

std::optional<LikePattern> LikePattern::compile(std::string_view p) {
    LikePattern out;
    std::size_t i = 0;
    while (i < p.size()) {
        char32_t c = decode(p, i);
        Element e;
        if (c == '*') {
            if (!out.elements_.empty() && out.elements_.back().type == Element::Star) continue;
            e.type = Element::Star;
        } else if (c == '?') {
            e.type = Element::One;
        } else if (c == '#') {
            e.type = Element::Digit;
        } else if (c == '[') {
            std::vector<char32_t> list;
            bool closed = false;
            while (i < p.size()) {
                char32_t x = decode(p, i);
                if (x == ']') {
                    closed = true;
                    break;
                }
                list.push_back(x);
            }
            if (!closed) return std::nullopt;
            if (list.empty()) continue;  // "[]" matches the empty text: nothing to consume
            e.type = Element::Set;
            std::size_t k = 0;
            if (list[0] == '!' && list.size() > 1) {
                e.negate = true;
                k = 1;
            }
            for (; k < list.size(); ++k) {
                if (k + 2 < list.size() && list[k + 1] == '-') {
                    char32_t lo = list[k], hi = list[k + 2];
                    if (lo > hi) return std::nullopt;
                    e.ranges.emplace_back(lo, hi);
                    k += 2;
                } else {
                    e.ranges.emplace_back(list[k], list[k]);
                }
            }
        } else {
            e.ch = fold(c);
        }
        out.elements_.push_back(std::move(e));
    }
    return out;
}

bool LikePattern::matchOne(const Element& e, char32_t c) const {
    switch (e.type) {
        case Element::Literal:
            return fold(c) == e.ch;
        case Element::One:
            return true;
        case Element::Digit:
            return c >= '0' && c <= '9';
        case Element::Set: {
            bool in = false;
            for (auto [lo, hi] : e.ranges) {
                char32_t forms[] = {c, fold(c), unfold(c)};
                for (char32_t f : forms)
                    if (f >= lo && f <= hi) in = true;
                if (in) break;
            }
            return in != e.negate;
        }
        case Element::Star:
            break;
    }
    return false;
}

bool LikePattern::matches(std::string_view text) const {
    const std::size_t m = elements_.size();
    std::size_t p = 0, t = 0;
    std::size_t starP = std::string::npos, starT = 0;
    while (t < text.size()) {
        if (p < m && elements_[p].type == Element::Star) {
            starP = ++p;
            starT = t;
            continue;
        }
        if (p < m) {
            std::size_t next = t;
            char32_t c = decode(text, next);
            if (matchOne(elements_[p], c)) {
                ++p;
                t = next;
                continue;
            }
        }
        if (starP == std::string::npos) return false;
        decode(text, starT);
        t = starT;
        p = starP;
    }
    while (p < m && elements_[p].type == Element::Star) ++p;
    return p == m;
}

}  // namespace pelk::db
