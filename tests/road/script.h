#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::road {

// One command of a road script: its words, quotes and escapes resolved.
struct Line {
    int number = 0;
    std::vector<std::string> words;
};

// A script that cannot be read or run as written (not an expectation that failed).
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits a script into commands: blanks separate words, "#" outside quotes starts a comment, a
// quoted word keeps its blanks and reads \" \\ \r \n \b \t. Blank lines are left out. Throws
// ScriptError ("line 3: …") for an unclosed quote or an unknown escape.
std::vector<Line> parseScript(std::string_view text);

// A word written back as a script would need it: quoted, with escapes, when it is empty or holds
// blanks, quotes, backslashes or control characters.
std::string scriptText(std::string_view word);

}  // namespace pelk::road
