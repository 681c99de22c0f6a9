#pragma once

#include <string>
#include <string_view>

namespace pelk::core::text {

// The legacy runtime counts characters, and second-language texts are Chinese in UTF-8:
// these count code points, never bytes. Positions are 1-based where the legacy ones were.
std::size_t len(std::string_view s);
std::string left(std::string_view s, std::size_t n);
std::string right(std::string_view s, std::size_t n);
std::string mid(std::string_view s, std::size_t start1, std::size_t n = std::string::npos);
std::string upper(std::string_view s);  // ASCII letters only; other scripts have no case here
std::string lower(std::string_view s);
std::string trim(std::string_view s);
std::string ltrim(std::string_view s);
std::string rtrim(std::string_view s);
std::string spaces(std::size_t n);
// 1-based position of `needle` in `s` from `start1` (characters), 0 when absent.
std::size_t instr(std::string_view s, std::string_view needle, std::size_t start1 = 1);
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWithNoCase(std::string_view s, std::string_view prefix);
std::string replaceAll(std::string s, std::string_view from, std::string_view to);
// Byte offset of the character at 0-based position `chars` (s.size() past the end).
std::size_t byteOffset(std::string_view s, std::size_t chars);

}  // namespace pelk::core::text
