#include "platform/core/text.h"

#include <algorithm>
#include <cctype>

namespace pelk::core::text {

namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::size_t byteOffset(std::string_view s, std::size_t chars) {
    std::size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;
        while (i < s.size() && isContinuation(static_cast<unsigned char>(s[i]))) ++i;
        --chars;
    }
    return i;
}

std::size_t len(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) if (!isContinuation(c)) ++n;
    return n;
}

std::string left(std::string_view s, std::size_t n) { return std::string(s.substr(0, byteOffset(s, n))); }

std::string right(std::string_view s, std::size_t n) {
    std::size_t total = len(s);
    if (n >= total) return std::string(s);
    return std::string(s.substr(byteOffset(s, total - n)));
}

std::string mid(std::string_view s, std::size_t start1, std::size_t n) {
    if (start1 < 1) start1 = 1;
    std::size_t b = byteOffset(s, start1 - 1);
    std::string_view rest = s.substr(b);
    if (n == std::string::npos) return std::string(rest);
    return std::string(rest.substr(0, byteOffset(rest, n)));
}

std::string upper(std::string_view s) {
    std::string r(s);
    for (char& c : r) if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return r;
}

std::string lower(std::string_view s) {
    std::string r(s);
    for (char& c : r) if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

std::string ltrim(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && s[b] == ' ') ++b;
    return std::string(s.substr(b));
}

std::string rtrim(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && s[e - 1] == ' ') --e;
    return std::string(s.substr(0, e));
}

std::string trim(std::string_view s) { return ltrim(rtrim(s)); }
std::string spaces(std::size_t n) { return std::string(n, ' '); }

std::size_t instr(std::string_view s, std::string_view needle, std::size_t start1) {
    if (start1 < 1) start1 = 1;
    std::size_t b = byteOffset(s, start1 - 1);
    if (b > s.size()) return 0;
    std::size_t pos = s.find(needle, b);
    if (pos == std::string_view::npos) return 0;
    return len(s.substr(0, pos)) + 1;
}

bool equalsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && lower(a) == lower(b); }

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

std::string replaceAll(std::string s, std::string_view from, std::string_view to) {
    if (from.empty()) return s;
    std::size_t pos = 0;
    while ((pos = s.find(from, pos)) != std::string::npos) {
        s.replace(pos, from.size(), to);
        pos += to.size();
    }
    return s;
}

}  // namespace pelk::core::text
