#include <cctype>

#include "platform/core/text.h"
#include "platform/db/dialect_internal.h"

namespace pelk::db::dialect::detail {

namespace {

using core::text::equalsNoCase;

const char* const kKeywords[] = {"SELECT", "DISTINCT", "FROM",  "WHERE",  "GROUP",  "BY",    "HAVING",  "ORDER",
                                 "ASC",    "DESC",     "AND",   "OR",     "NOT",    "LIKE",  "BETWEEN", "IS",
                                 "NULL",   "IN",       "AS",    "TRUE",   "FALSE",  "MOD",   "INSERT",  "INTO",
                                 "VALUES", "UPDATE",   "SET",   "DELETE", "CREATE", "TABLE", "DROP",    "JOIN",
                                 "INNER",  "ON",       "UNION", "TOP",    "XOR"};

}  // namespace

std::vector<Token> tokenize(std::string_view s) {
    std::vector<Token> out;
    std::size_t i = 0;
    auto isIdentStart = [](unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; };
    auto isIdentChar = [](unsigned char c) { return std::isalnum(c) || c == '_' || c >= 0x80; };
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (std::isspace(c)) {
            ++i;
            continue;
        }
        Token t;
        t.pos = i;
        if (isIdentStart(c)) {
            std::size_t b = i;
            while (i < s.size() && isIdentChar(static_cast<unsigned char>(s[i]))) ++i;
            t.t = Tok::Ident;
            t.text = std::string(s.substr(b, i - b));
        } else if (std::isdigit(c) ||
                   (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            std::size_t b = i;
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
            if (i < s.size() && s[i] == '.') {
                ++i;
                while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
            }
            if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
                std::size_t e = i + 1;
                if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
                if (e < s.size() && std::isdigit(static_cast<unsigned char>(s[e]))) {
                    i = e;
                    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
                }
            }
            t.t = Tok::Number;
            t.text = std::string(s.substr(b, i - b));
            if (t.text.front() == '.') t.text = "0" + t.text;
            if (t.text.back() == '.') t.text.pop_back();
        } else if (c == '\'' || c == '"') {
            // Jet takes text between double quotes as well as between single ones.
            char q = static_cast<char>(c);
            ++i;
            std::string v;
            bool closed = false;
            while (i < s.size()) {
                if (s[i] == q) {
                    if (i + 1 < s.size() && s[i + 1] == q) {
                        v += q;
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                v += s[i++];
            }
            if (!closed) fail("Syntax error in string in query expression");
            t.t = Tok::String;
            t.text = std::move(v);
        } else if (c == '[') {
            std::size_t e = s.find(']', i + 1);
            if (e == std::string_view::npos) fail("Syntax error: a name in brackets is not closed");
            t.t = Tok::Bracket;
            t.text = std::string(s.substr(i + 1, e - i - 1));
            i = e + 1;
        } else if (c == '#') {
            std::size_t e = s.find('#', i + 1);
            if (e == std::string_view::npos) fail("Syntax error in date in query expression");
            t.t = Tok::Date;
            t.text = std::string(s.substr(i + 1, e - i - 1));
            i = e + 1;
        } else {
            t.t = Tok::Op;
            std::string_view two = s.substr(i, 2);
            if (two == "<>" || two == "<=" || two == ">=") {
                t.text = std::string(two);
                i += 2;
            } else if (std::string_view("=<>+-*/\\&(),.;!").find(static_cast<char>(c)) != std::string_view::npos) {
                t.text = std::string(1, static_cast<char>(c));
                ++i;
            } else {
                fail(std::string("Syntax error: unexpected character '") + static_cast<char>(c) + "'");
            }
        }
        out.push_back(std::move(t));
    }
    Token end;
    end.pos = s.size();
    out.push_back(end);
    return out;
}

bool isKeyword(const Token& t) {
    if (t.t != Tok::Ident) return false;
    for (const char* k : kKeywords)
        if (equalsNoCase(t.text, k)) return true;
    return false;
}

}  // namespace pelk::db::dialect::detail
