#include "road/script.h"

namespace pelk::road {

std::vector<Line> parseScript(std::string_view text) {
    std::vector<Line> lines;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        Line line{number, {}};
        std::size_t i = 0;
        while (i < raw.size()) {
            char c = raw[i];
            if (c == ' ' || c == '\t' || c == '\r') {
                ++i;
                continue;
            }
            if (c == '#') break;
            std::string word;
            if (c == '"') {
                ++i;
                bool closed = false;
                while (i < raw.size()) {
                    char q = raw[i++];
                    if (q == '"') {
                        closed = true;
                        break;
                    }
                    if (q != '\\') {
                        word += q;
                        continue;
                    }
                    if (i >= raw.size()) break;
                    char e = raw[i++];
                    switch (e) {
                        case '"':
                            word += '"';
                            break;
                        case '\\':
                            word += '\\';
                            break;
                        case 'r':
                            word += '\r';
                            break;
                        case 'n':
                            word += '\n';
                            break;
                        case 'b':
                            word += '\b';
                            break;
                        case 't':
                            word += '\t';
                            break;
                        default:
                            throw ScriptError("line " + std::to_string(number) + ": unknown escape \\" +
                                              std::string(1, e));
                    }
                }
                if (!closed) throw ScriptError("line " + std::to_string(number) + ": unclosed quote");
            } else {
                while (i < raw.size() && raw[i] != ' ' && raw[i] != '\t' && raw[i] != '\r') word += raw[i++];
            }
            line.words.push_back(std::move(word));
        }
        if (!line.words.empty()) lines.push_back(std::move(line));
        if (end == text.size()) break;
    }
    return lines;
}

std::string scriptText(std::string_view word) {
    bool plain = !word.empty();
    for (char c : word)
        if (c == ' ' || c == '"' || c == '\\' || c == '#' || static_cast<unsigned char>(c) < 32) plain = false;
    if (plain) return std::string(word);
    std::string q = "\"";
    for (char c : word) {
        switch (c) {
            case '"':
                q += "\\\"";
                break;
            case '\\':
                q += "\\\\";
                break;
            case '\r':
                q += "\\r";
                break;
            case '\n':
                q += "\\n";
                break;
            case '\b':
                q += "\\b";
                break;
            case '\t':
                q += "\\t";
                break;
            default:
                q += c;
        }
    }
    return q + "\"";
}

}  // namespace pelk::road
