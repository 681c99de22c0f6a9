#include "platform/db/dialect.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "platform/core/datetime.h"
#include "platform/core/text.h"

namespace pelk::db::dialect {

namespace {

using core::text::equalsNoCase;

// ---------------------------------------------------------------------------------------
// Tokens

enum class Tok { End, Ident, Bracket, Number, String, Date, Op };

struct Token {
    Tok t = Tok::End;
    std::string text;
    std::size_t pos = 0;
};

// Thrown inside translation only; the public functions turn it into an Error.
struct Failure {
    std::string reason;
    int code;
};

[[noreturn]] void fail(std::string reason, int code = code::kSyntax) { throw Failure{std::move(reason), code}; }

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

const char* const kKeywords[] = {"SELECT", "DISTINCT", "FROM",  "WHERE",  "GROUP",  "BY",    "HAVING",  "ORDER",
                                 "ASC",    "DESC",     "AND",   "OR",     "NOT",    "LIKE",  "BETWEEN", "IS",
                                 "NULL",   "IN",       "AS",    "TRUE",   "FALSE",  "MOD",   "INSERT",  "INTO",
                                 "VALUES", "UPDATE",   "SET",   "DELETE", "CREATE", "TABLE", "DROP",    "JOIN",
                                 "INNER",  "ON",       "UNION", "TOP",    "XOR"};

bool isKeyword(const Token& t) {
    if (t.t != Tok::Ident) return false;
    for (const char* k : kKeywords)
        if (equalsNoCase(t.text, k)) return true;
    return false;
}

// ---------------------------------------------------------------------------------------
// Syntax tree

struct Node;
using NodeP = std::unique_ptr<Node>;

struct Node {
    enum class T {
        Number,
        String,
        Date,
        Bool,
        Null,
        Column,
        Neg,
        Not,
        Binary,
        Compare,
        Like,
        Between,
        IsNull,
        In,
        Call
    };
    T t;
    std::string text;  // number, text value, field name, operator, function name
    std::string qual;  // table qualifier of a field
    core::DateTime date;
    bool flag = false;  // NOT LIKE / NOT BETWEEN / IS NOT NULL / NOT IN; the value of True/False; Count(*)
    std::vector<NodeP> kids;
    int depth = 1, chain = 1;
};

// How deep an expression may go: parentheses, NOT and signs nest in the parser, operators in
// the tree, and each recurses on the stack here and again in SQLite's own parser, whose stack
// of some hundred entries holds about twenty right-nested operators. A chain of ANDs or ORs is
// written flat and counts as one level, up to SQLite's limit of chained terms. No criterion a
// screen builds comes near; a typed or damaged one past them is refused, not followed until a
// stack runs out.
constexpr int kMaxNesting = 100;
constexpr int kMaxDepth = 20;
constexpr int kMaxChain = 500;

[[noreturn]] void tooComplex() {
    fail("Query is too complex (expressions nested more than " + std::to_string(kMaxDepth) +
             " deep or joined by more than " + std::to_string(kMaxChain) + " ANDs or ORs).",
         code::kTooComplex);
}

bool chains(const Node& n, const Node& left) {
    return n.t == Node::T::Binary && left.t == Node::T::Binary && left.text == n.text &&
           (n.text == "AND" || n.text == "OR");
}

void measure(Node& n) {
    for (std::size_t k = 0; k < n.kids.size(); ++k) {
        const Node& kid = *n.kids[k];
        bool chained = k == 0 && chains(n, kid);
        n.depth = std::max(n.depth, kid.depth + (chained ? 0 : 1));
        if (chained) n.chain = kid.chain + 1;
    }
    if (n.depth > kMaxDepth || n.chain > kMaxChain) tooComplex();
}

NodeP make(Node::T t, std::string text = {}) {
    auto n = std::make_unique<Node>();
    n->t = t;
    n->text = std::move(text);
    return n;
}

struct SelectItem {
    bool star = false;
    NodeP expr;
    std::string alias;
};

struct SelectAst {
    bool distinct = false;
    std::vector<SelectItem> items;
    std::string table, alias;
    NodeP where;
    std::vector<NodeP> group;
    NodeP having;
    std::vector<std::pair<NodeP, bool>> order;
};

class Parser {
public:
    explicit Parser(std::string_view src) : src_(src), toks_(tokenize(src)) {}

    bool atKeyword(const char* kw, int ahead = 0) const {
        const Token& t = peek(ahead);
        return t.t == Tok::Ident && equalsNoCase(t.text, kw);
    }
    bool acceptKeyword(const char* kw) {
        if (!atKeyword(kw)) return false;
        ++i_;
        return true;
    }
    void expectKeyword(const char* kw) {
        if (!acceptKeyword(kw)) syntax(std::string("expected ") + kw);
    }
    bool atOp(const char* op, int ahead = 0) const {
        const Token& t = peek(ahead);
        return t.t == Tok::Op && t.text == op;
    }
    bool acceptOp(const char* op) {
        if (!atOp(op)) return false;
        ++i_;
        return true;
    }
    void expectOp(const char* op) {
        if (!acceptOp(op)) syntax(std::string("expected '") + op + "'");
    }
    void advance() { ++i_; }
    const Token& peek(int ahead = 0) const {
        std::size_t k = std::min(i_ + static_cast<std::size_t>(ahead), toks_.size() - 1);
        return toks_[k];
    }

    // The end of a statement: an optional ";" and nothing after it.
    void expectEnd() {
        acceptOp(";");
        if (peek().t != Tok::End) syntax("unexpected '" + tokenText(peek()) + "'");
    }

    [[noreturn]] void syntax(const std::string& detail) const {
        fail("Syntax error in query expression '" + core::text::trim(src_) + "' (" + detail + ").");
    }

    // A name: a bare identifier that is not a keyword, or a name in brackets.
    std::string name() {
        const Token& t = peek();
        if (t.t == Tok::Bracket || (t.t == Tok::Ident && !isKeyword(t))) {
            ++i_;
            return t.text;
        }
        syntax("expected a name");
    }
    bool atName(int ahead = 0) const {
        const Token& t = peek(ahead);
        return t.t == Tok::Bracket || (t.t == Tok::Ident && !isKeyword(t));
    }

    NodeP expr() {
        Nest nest(*this);
        return orExpr();
    }

    SelectAst select() {
        SelectAst s;
        expectKeyword("SELECT");
        if (acceptKeyword("DISTINCT")) s.distinct = true;
        do {
            SelectItem item;
            if (acceptOp("*")) {
                item.star = true;
            } else if (atName() && atOp(".", 1) && atOp("*", 2)) {
                name();
                i_ += 2;
                item.star = true;
            } else {
                item.expr = expr();
                if (acceptKeyword("AS")) item.alias = name();
            }
            s.items.push_back(std::move(item));
        } while (acceptOp(","));
        expectKeyword("FROM");
        s.table = name();
        if (acceptKeyword("AS"))
            s.alias = name();
        else if (atName())
            s.alias = name();
        if (atOp(",") || atKeyword("JOIN") || atKeyword("INNER") || atKeyword("LEFT") || atKeyword("RIGHT"))
            fail("A query over more than one table is not supported here.", code::kSyntax);
        if (acceptKeyword("WHERE")) s.where = expr();
        if (acceptKeyword("GROUP")) {
            expectKeyword("BY");
            do s.group.push_back(expr());
            while (acceptOp(","));
        }
        if (acceptKeyword("HAVING")) s.having = expr();
        if (acceptKeyword("ORDER")) {
            expectKeyword("BY");
            do {
                NodeP e = expr();
                bool desc = false;
                if (acceptKeyword("DESC"))
                    desc = true;
                else
                    acceptKeyword("ASC");
                s.order.emplace_back(std::move(e), desc);
            } while (acceptOp(","));
        }
        return s;
    }

private:
    static std::string tokenText(const Token& t) {
        switch (t.t) {
            case Tok::End:
                return "end";
            case Tok::Bracket:
                return "[" + t.text + "]";
            case Tok::String:
                return "'" + t.text + "'";
            case Tok::Date:
                return "#" + t.text + "#";
            default:
                return t.text;
        }
    }

    NodeP binary(Node::T t, std::string op, NodeP a, NodeP b) {
        NodeP n = make(t, std::move(op));
        n->kids.push_back(std::move(a));
        n->kids.push_back(std::move(b));
        measure(*n);
        return n;
    }
    struct Nest {
        Parser& p;
        explicit Nest(Parser& parser) : p(parser) {
            if (++p.nesting_ > kMaxNesting) tooComplex();
        }
        ~Nest() { --p.nesting_; }
    };

    NodeP orExpr() {
        NodeP a = andExpr();
        while (true) {
            if (acceptKeyword("OR"))
                a = binary(Node::T::Binary, "OR", std::move(a), andExpr());
            else if (acceptKeyword("XOR"))
                a = binary(Node::T::Compare, "<>", std::move(a), andExpr());
            else
                return a;
        }
    }
    NodeP andExpr() {
        NodeP a = notExpr();
        while (acceptKeyword("AND")) a = binary(Node::T::Binary, "AND", std::move(a), notExpr());
        return a;
    }
    NodeP notExpr() {
        if (acceptKeyword("NOT")) {
            Nest nest(*this);
            NodeP n = make(Node::T::Not);
            n->kids.push_back(notExpr());
            measure(*n);
            return n;
        }
        return comparison();
    }
    NodeP comparison() {
        NodeP a = concat();
        while (true) {
            const Token& t = peek();
            if (t.t == Tok::Op && (t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" ||
                                   t.text == "<=" || t.text == ">=")) {
                std::string op = t.text;
                ++i_;
                a = binary(Node::T::Compare, op, std::move(a), concat());
                continue;
            }
            bool negated = false;
            if (atKeyword("NOT") && (atKeyword("LIKE", 1) || atKeyword("BETWEEN", 1) || atKeyword("IN", 1))) {
                ++i_;
                negated = true;
            }
            if (acceptKeyword("LIKE")) {
                a = binary(Node::T::Like, "LIKE", std::move(a), concat());
                a->flag = negated;
            } else if (acceptKeyword("BETWEEN")) {
                NodeP n = make(Node::T::Between);
                n->flag = negated;
                n->kids.push_back(std::move(a));
                n->kids.push_back(concat());
                expectKeyword("AND");
                n->kids.push_back(concat());
                measure(*n);
                a = std::move(n);
            } else if (acceptKeyword("IN")) {
                NodeP n = make(Node::T::In);
                n->flag = negated;
                n->kids.push_back(std::move(a));
                expectOp("(");
                do n->kids.push_back(expr());
                while (acceptOp(","));
                expectOp(")");
                measure(*n);
                a = std::move(n);
            } else if (acceptKeyword("IS")) {
                NodeP n = make(Node::T::IsNull);
                n->flag = acceptKeyword("NOT");
                expectKeyword("NULL");
                n->kids.push_back(std::move(a));
                measure(*n);
                a = std::move(n);
            } else {
                if (negated) syntax("expected LIKE, BETWEEN or IN after NOT");
                return a;
            }
        }
    }
    NodeP concat() {
        NodeP a = additive();
        while (acceptOp("&")) a = binary(Node::T::Binary, "&", std::move(a), additive());
        return a;
    }
    NodeP additive() {
        NodeP a = modulo();
        while (true) {
            if (acceptOp("+"))
                a = binary(Node::T::Binary, "+", std::move(a), modulo());
            else if (acceptOp("-"))
                a = binary(Node::T::Binary, "-", std::move(a), modulo());
            else
                return a;
        }
    }
    NodeP modulo() {
        NodeP a = intDivision();
        while (acceptKeyword("MOD")) a = binary(Node::T::Binary, "MOD", std::move(a), intDivision());
        return a;
    }
    NodeP intDivision() {
        NodeP a = multiplicative();
        while (acceptOp("\\")) a = binary(Node::T::Binary, "\\", std::move(a), multiplicative());
        return a;
    }
    NodeP multiplicative() {
        NodeP a = unary();
        while (true) {
            if (acceptOp("*"))
                a = binary(Node::T::Binary, "*", std::move(a), unary());
            else if (acceptOp("/"))
                a = binary(Node::T::Binary, "/", std::move(a), unary());
            else
                return a;
        }
    }
    NodeP unary() {
        if (acceptOp("-")) {
            Nest nest(*this);
            NodeP n = make(Node::T::Neg);
            n->kids.push_back(unary());
            measure(*n);
            return n;
        }
        if (acceptOp("+")) {
            Nest nest(*this);
            return unary();
        }
        return primary();
    }
    NodeP primary() {
        const Token t = peek();
        switch (t.t) {
            case Tok::Number:
                ++i_;
                return make(Node::T::Number, t.text);
            case Tok::String:
                ++i_;
                return make(Node::T::String, t.text);
            case Tok::Date: {
                ++i_;
                auto dt = core::parseDateTime(t.text);
                if (!dt) fail("Syntax error in date in query expression '#" + t.text + "#'.");
                NodeP n = make(Node::T::Date, t.text);
                n->date = *dt;
                return n;
            }
            case Tok::Op:
                if (t.text == "(") {
                    ++i_;
                    NodeP e = expr();
                    expectOp(")");
                    return e;
                }
                break;
            case Tok::Ident:
                if (equalsNoCase(t.text, "NULL")) {
                    ++i_;
                    return make(Node::T::Null);
                }
                if (equalsNoCase(t.text, "TRUE") || equalsNoCase(t.text, "FALSE")) {
                    ++i_;
                    NodeP n = make(Node::T::Bool);
                    n->flag = equalsNoCase(t.text, "TRUE");
                    return n;
                }
                if (!isKeyword(t) && atOp("(", 1)) {
                    i_ += 2;
                    NodeP n = make(Node::T::Call, core::text::upper(t.text));
                    if (acceptOp("*")) {
                        n->flag = true;
                    } else if (!atOp(")")) {
                        do n->kids.push_back(expr());
                        while (acceptOp(","));
                    }
                    expectOp(")");
                    return n;
                }
                [[fallthrough]];
            case Tok::Bracket:
                if (atName()) {
                    std::string first = name();
                    NodeP n = make(Node::T::Column);
                    if (acceptOp(".") || acceptOp("!")) {
                        n->qual = first;
                        n->text = name();
                    } else {
                        n->text = first;
                    }
                    return n;
                }
                break;
            case Tok::End:
                break;
        }
        syntax(t.t == Tok::End ? "missing operand" : "unexpected '" + tokenText(t) + "'");
    }

    std::string_view src_;
    std::vector<Token> toks_;
    std::size_t i_ = 0;
    int nesting_ = 0;
};

// ---------------------------------------------------------------------------------------
// Translation

enum class Ty { Unknown, Text, Number, Date, Bool, Null };

Ty typeOf(Kind k) {
    switch (k) {
        case Kind::Text:
        case Kind::Memo:
            return Ty::Text;
        case Kind::Long:
        case Kind::Double:
        case Kind::Currency:
        case Kind::Counter:
            return Ty::Number;
        case Kind::YesNo:
            return Ty::Bool;
        case Kind::DateTime:
            return Ty::Date;
        case Kind::Unknown:
            break;
    }
    return Ty::Unknown;
}

// The literal text a pattern starts with, and whether all it asks beyond it is "anything
// after" ("abc*", "a[*]b*": a prefix) or nothing (a pattern without wildcards: the text
// itself); nullopt for any other pattern. Only letters that compare alike in SQLite's own
// case-blind order (plain ASCII) are taken, so the range never leaves out a match.
struct LiteralPattern {
    std::string text;
    bool whole = false;  // no "*" at the end: the pattern is the text
};
std::optional<LiteralPattern> literalPattern(std::string_view pattern) {
    std::string out;
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        char c = pattern[k];
        if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
        if (c == '*') {
            if (k + 1 == pattern.size()) return LiteralPattern{out, false};
            return std::nullopt;
        }
        if (c == '?' || c == '#') return std::nullopt;
        if (c == '[') {
            if (k + 2 < pattern.size() && pattern[k + 2] == ']' && pattern[k + 1] != '!' &&
                static_cast<unsigned char>(pattern[k + 1]) < 0x80) {
                out += pattern[k + 1];
                k += 2;
                continue;
            }
            return std::nullopt;
        }
        out += c;
    }
    return LiteralPattern{out, true};
}

struct Emitted {
    std::string sql;
    Ty ty = Ty::Unknown;
    Kind kind = Kind::Unknown;
    bool column = false;                // a column as such: it brings its own collation
    const Node* textLiteral = nullptr;  // a text literal, which a date comparison reads as a date
};

std::string textLiteral(std::string_view v) {
    std::string out = "'";
    for (char c : v) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

// Where names in an expression lead.
struct Scope {
    const TableInfo* table = nullptr;  // fields of the source table, as "alias"."field"
    std::string alias;
    const std::vector<OutputColumn>* outputs = nullptr;  // result columns by their names (ORDER BY)
    const std::vector<OutputColumn>* params = nullptr;   // a snapshot's columns as ?1, ?2, …
    bool allowAggregates = false;
};

class Emitter {
public:
    bool sawAggregate = false;

    Emitted emit(const Node& n, const Scope& sc) {
        switch (n.t) {
            case Node::T::Number:
                return {n.text, Ty::Number};
            case Node::T::String: {
                Emitted e{textLiteral(n.text), Ty::Text};
                e.textLiteral = &n;
                return e;
            }
            case Node::T::Date:
                return {textLiteral(storage::isoText(n.date)), Ty::Date};
            case Node::T::Bool:
                return {n.flag ? "-1" : "0", Ty::Bool};
            case Node::T::Null:
                return {"NULL", Ty::Null};
            case Node::T::Column:
                return column(n, sc);
            case Node::T::Neg: {
                Emitted a = emit(*n.kids[0], sc);
                return {"(-" + a.sql + ")", Ty::Number};
            }
            case Node::T::Not: {
                Emitted a = emit(*n.kids[0], sc);
                return {"(NOT " + a.sql + ")", Ty::Bool};
            }
            case Node::T::Binary:
                return binary(n, sc);
            case Node::T::Compare: {
                Emitted a = emit(*n.kids[0], sc), b = emit(*n.kids[1], sc);
                asDates(a, b);
                asDates(b, a);
                return {"(" + collated(a, {&b}) + " " + n.text + " " + b.sql + ")", Ty::Bool};
            }
            case Node::T::Like: {
                Emitted a = emit(*n.kids[0], sc), b = emit(*n.kids[1], sc);
                std::string s = "jlike(" + a.sql + ", " + b.sql + ")";
                if (n.flag) return {"(NOT " + s + ")", Ty::Bool};
                // A text field starting with a literal prefix also lies in a range of the field's
                // own order, and one matching a pattern without wildcards equals it there (the
                // empty pattern too, which an emptied search box gives): an index on the field
                // serves both. The pattern still decides.
                if (a.column && (a.kind == Kind::Text || a.kind == Kind::Memo) && n.kids[1]->t == Node::T::String)
                    if (auto lit = literalPattern(n.kids[1]->text); lit && (lit->whole || !lit->text.empty())) {
                        if (lit->whole)
                            return {"(" + a.sql + " = " + textLiteral(lit->text) + " COLLATE NOCASE AND " + s + ")",
                                    Ty::Bool};
                        return {"(" + a.sql + " >= " + textLiteral(lit->text) + " COLLATE NOCASE AND " + a.sql +
                                    " < (" + textLiteral(lit->text) + " || char(1114111)) COLLATE NOCASE AND " + s +
                                    ")",
                                Ty::Bool};
                    }
                return {s, Ty::Bool};
            }
            case Node::T::Between: {
                Emitted a = emit(*n.kids[0], sc), lo = emit(*n.kids[1], sc), hi = emit(*n.kids[2], sc);
                asDates(a, lo);
                asDates(a, hi);
                asDates(lo, a);
                return {"(" + collated(a, {&lo, &hi}) + (n.flag ? " NOT" : "") + " BETWEEN " + lo.sql + " AND " +
                            hi.sql + ")",
                        Ty::Bool};
            }
            case Node::T::IsNull: {
                Emitted a = emit(*n.kids[0], sc);
                return {"(" + a.sql + (n.flag ? " IS NOT NULL)" : " IS NULL)"), Ty::Bool};
            }
            case Node::T::In: {
                Emitted a = emit(*n.kids[0], sc);
                std::vector<Emitted> items;
                for (std::size_t k = 1; k < n.kids.size(); ++k) {
                    items.push_back(emit(*n.kids[k], sc));
                    asDates(a, items.back());
                }
                std::vector<const Emitted*> others;
                for (auto& it : items) others.push_back(&it);
                std::string s = "(" + collated(a, others) + (n.flag ? " NOT IN (" : " IN (");
                for (std::size_t k = 0; k < items.size(); ++k) s += (k ? ", " : "") + items[k].sql;
                return {s + "))", Ty::Bool};
            }
            case Node::T::Call:
                return call(n, sc);
        }
        fail("Syntax error in query expression.");
    }

private:
    Emitted column(const Node& n, const Scope& sc) {
        if (sc.params) {
            for (std::size_t k = 0; k < sc.params->size(); ++k) {
                const OutputColumn& c = (*sc.params)[k];
                if (equalsNoCase(c.info.name, n.text)) {
                    Emitted e{"?" + std::to_string(k + 1), typeOf(c.info.kind), c.info.kind};
                    return e;
                }
            }
        }
        if (sc.table) {
            bool qualOk = n.qual.empty() || equalsNoCase(n.qual, sc.alias) || equalsNoCase(n.qual, sc.table->name);
            int f = qualOk ? sc.table->find(n.text) : -1;
            if (f >= 0) {
                const FieldInfo& fi = sc.table->fields[static_cast<std::size_t>(f)];
                Emitted e{quoteIdent(sc.alias) + "." + quoteIdent(fi.name), typeOf(fi.kind), fi.kind};
                e.column = true;
                return e;
            }
        }
        if (sc.outputs && n.qual.empty()) {
            for (const OutputColumn& c : *sc.outputs)
                if (equalsNoCase(c.info.name, n.text))
                    return {quoteIdent(c.info.name), typeOf(c.info.kind), c.info.kind};
        }
        std::string full = n.qual.empty() ? n.text : n.qual + "." + n.text;
        fail("Unknown field '" + full + "': too few parameters. Expected 1.", code::kTooFewParameters);
    }

    Emitted binary(const Node& n, const Scope& sc) {
        Emitted a = emit(*n.kids[0], sc), b = emit(*n.kids[1], sc);
        const std::string& op = n.text;
        if (op == "AND" || op == "OR") {
            // A chain is written flat, its terms in order: "(a OR b OR c)".
            std::string left = chains(n, *n.kids[0]) ? a.sql.substr(1, a.sql.size() - 2) : a.sql;
            return {"(" + left + " " + op + " " + b.sql + ")", Ty::Bool};
        }
        // & joins texts, Null counting as the empty text, numbers written without trailing zeros.
        if (op == "&") return {"jcat(" + a.sql + ", " + b.sql + ")", Ty::Text};
        if (op == "/") return {"(CAST(" + a.sql + " AS REAL) / " + b.sql + ")", Ty::Number};
        // \ and Mod round their operands to whole numbers first, half to even, as CLng does.
        if (op == "\\") return {"(jint(" + a.sql + ") / jint(" + b.sql + "))", Ty::Number};
        if (op == "MOD") return {"(jint(" + a.sql + ") % jint(" + b.sql + "))", Ty::Number};
        return {"(" + a.sql + " " + op + " " + b.sql + ")", Ty::Number};
    }

    Emitted call(const Node& n, const Scope& sc) {
        const std::string& f = n.text;
        bool aggregate = f == "SUM" || f == "COUNT" || f == "AVG" || f == "MIN" || f == "MAX";
        if (!aggregate) fail("Undefined function '" + f + "' in expression.", code::kUndefinedFunction);
        if (!sc.allowAggregates) fail("Cannot have aggregate function in expression (" + f + ").", code::kSyntax);
        sawAggregate = true;
        if (f == "COUNT" && n.flag) return {"count(*)", Ty::Number, Kind::Long};
        if (n.kids.size() != 1) fail("Wrong number of arguments used with function " + f + " in query expression.");
        Scope inner = sc;
        inner.allowAggregates = false;
        Emitted a = emit(*n.kids[0], inner);
        if (f == "COUNT") return {"count(" + a.sql + ")", Ty::Number, Kind::Long};
        if (f == "AVG")
            return {"avg(" + a.sql + ")", Ty::Number, a.kind == Kind::Currency ? Kind::Currency : Kind::Double};
        if (f == "MIN" || f == "MAX") return {core::text::lower(f) + "(" + a.sql + ")", a.ty, a.kind};
        // Sum: money and amounts kept as text add up exactly; other numbers as SQLite adds them.
        if (a.kind == Kind::Currency || a.ty == Ty::Text) return {"jsum(" + a.sql + ")", Ty::Number, Kind::Currency};
        Kind k = (a.kind == Kind::Long || a.kind == Kind::Counter) ? Kind::Long : Kind::Double;
        return {"sum(" + a.sql + ")", Ty::Number, k};
    }

    // A date compared with a text: the text is read as a date.
    static void asDates(const Emitted& a, Emitted& b) {
        if (a.ty != Ty::Date || b.ty == Ty::Date) return;
        if (b.textLiteral) {
            auto dt = core::parseDateTime(b.textLiteral->text);
            if (!dt)
                fail("Data type mismatch in criteria expression ('" + b.textLiteral->text + "' is not a date).",
                     code::kTypeMismatch);
            b.sql = textLiteral(storage::isoText(*dt));
            b.ty = Ty::Date;
            b.textLiteral = nullptr;
        } else if (b.ty == Ty::Text || b.ty == Ty::Unknown) {
            b.sql = "jdate(" + b.sql + ")";
            b.ty = Ty::Date;
            b.column = false;
        }
    }

    // Jet compares text without regard to case. A text column brings NOCASE itself; when no
    // column is involved the left side carries it, which SQLite then applies to the comparison.
    static std::string collated(const Emitted& a, std::initializer_list<const Emitted*> others) {
        return collated(a, std::vector<const Emitted*>(others));
    }
    static std::string collated(const Emitted& a, const std::vector<const Emitted*>& others) {
        bool anyColumn = a.column;
        for (const Emitted* o : others) anyColumn = anyColumn || o->column;
        if (anyColumn || a.ty == Ty::Number || a.ty == Ty::Date || a.ty == Ty::Bool) return a.sql;
        return a.sql + " COLLATE NOCASE";
    }
};

std::string orderTerm(const Emitted& e) { return e.column || e.ty == Ty::Number ? e.sql : e.sql + " COLLATE NOCASE"; }

std::string qualifiedTable(std::string_view schemaName, std::string_view table) {
    return quoteIdent(schemaName) + "." + quoteIdent(table);
}

TableInfo requireTable(Schema& schema, const std::string& name) {
    auto t = schema.table(name);
    if (!t)
        fail("The database engine cannot find the input table or query '" + name +
                 "'. Make sure it exists and that its name is spelled correctly.",
             code::kNoSuchTable);
    return *t;
}

Select buildSelect(SelectAst& ast, Schema& schema, std::string_view schemaName) {
    Select s;
    s.table = requireTable(schema, ast.table);
    s.alias = ast.alias.empty() ? s.table.name : ast.alias;
    s.fromSql = qualifiedTable(schemaName, s.table.name) + " AS " + quoteIdent(s.alias);

    Emitter em;
    Scope sc;
    sc.table = &s.table;
    sc.alias = s.alias;
    sc.allowAggregates = true;
    bool plainColumns = true;
    int exprNumber = 1000;
    for (SelectItem& item : ast.items) {
        if (item.star) {
            for (std::size_t k = 0; k < s.table.fields.size(); ++k) {
                OutputColumn c;
                c.info = s.table.fields[k];
                c.sql = quoteIdent(s.alias) + "." + quoteIdent(c.info.name);
                c.sourceField = static_cast<int>(k);
                s.columns.push_back(std::move(c));
            }
            continue;
        }
        Emitted e = em.emit(*item.expr, sc);
        OutputColumn c;
        c.sql = e.sql;
        if (e.column) {
            c.sourceField = s.table.find(item.expr->text);
            c.info = s.table.fields[static_cast<std::size_t>(c.sourceField)];
        } else {
            plainColumns = false;
            c.info.kind = e.kind != Kind::Unknown ? e.kind : Kind::Unknown;
            if (c.info.kind == Kind::Unknown) {
                if (e.ty == Ty::Text)
                    c.info.kind = Kind::Memo;
                else if (e.ty == Ty::Bool)
                    c.info.kind = Kind::YesNo;
                else if (e.ty == Ty::Date)
                    c.info.kind = Kind::DateTime;
            }
            c.info.name = "Expr" + std::to_string(exprNumber++);
        }
        if (!item.alias.empty()) c.info.name = item.alias;
        s.columns.push_back(std::move(c));
    }
    bool aggregateColumns = em.sawAggregate;

    Scope rowScope = sc;
    rowScope.allowAggregates = false;
    if (ast.where) s.where = em.emit(*ast.where, rowScope).sql;
    std::vector<std::string> group;
    for (auto& g : ast.group) group.push_back(em.emit(*g, rowScope).sql);
    std::string having;
    if (ast.having) having = em.emit(*ast.having, sc).sql;
    Scope orderScope = sc;
    orderScope.outputs = &s.columns;
    for (auto& [e, desc] : ast.order) s.order.push_back({orderTerm(em.emit(*e, orderScope)), desc});

    s.aggregate = aggregateColumns || em.sawAggregate || !group.empty();
    s.updatable = !s.aggregate && !ast.distinct && plainColumns;

    std::string sql = ast.distinct ? "SELECT DISTINCT " : "SELECT ";
    for (std::size_t k = 0; k < s.columns.size(); ++k)
        sql += (k ? ", " : "") + s.columns[k].sql + " AS " + quoteIdent(s.columns[k].info.name);
    sql += " FROM " + s.fromSql;
    if (!s.where.empty()) sql += " WHERE " + s.where;
    if (!group.empty()) {
        sql += " GROUP BY ";
        for (std::size_t k = 0; k < group.size(); ++k) sql += (k ? ", " : "") + group[k];
    }
    if (!having.empty()) sql += " HAVING " + having;
    std::vector<std::string> terms;
    for (const OrderTerm& o : s.order) terms.push_back(o.sql + (o.desc ? " DESC" : ""));
    if (!s.aggregate && !ast.distinct) terms.push_back(quoteIdent(s.alias) + ".rowid");
    if (!terms.empty()) {
        sql += " ORDER BY ";
        for (std::size_t k = 0; k < terms.size(); ++k) sql += (k ? ", " : "") + terms[k];
    }
    s.sql = std::move(sql);
    return s;
}

// A value written into a field: a text written into a date, number or yes/no field is read
// as one, as the legacy engine converted it ("1,234.50" into a currency field).
std::string valueFor(const FieldInfo& f, Emitter& em, const Node& n, const Scope& sc) {
    Emitted e = em.emit(n, sc);
    bool textField = f.kind == Kind::Text || f.kind == Kind::Memo || f.kind == Kind::Unknown;
    // A date written into a text field is the text a screen would show for it.
    if (textField && n.t == Node::T::Date) return textLiteral(core::generalDate(n.date));
    if (e.textLiteral && !textField) {
        auto stored = storage::toStored(f, core::Value{e.textLiteral->text});
        if (!stored) fail(stored.error().reason, stored.error().code);
        const auto& v = stored->storage();
        if (auto i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
        if (auto d = std::get_if<double>(&v)) {
            char b[40];
            std::snprintf(b, sizeof b, "%.17g", *d);
            return b;
        }
        if (auto t = std::get_if<std::string>(&v)) return textLiteral(*t);
        return "NULL";
    }
    if (f.kind == Kind::DateTime && (e.ty == Ty::Text || e.ty == Ty::Unknown)) return "jdate(" + e.sql + ")";
    return e.sql;
}

const FieldInfo& requireField(const TableInfo& t, const std::string& name) {
    int k = t.find(name);
    if (k < 0) fail("Unknown field '" + name + "' in table '" + t.name + "'.", code::kTooFewParameters);
    return t.fields[static_cast<std::size_t>(k)];
}

Statement buildStatement(Parser& p, Schema& schema, std::string_view schemaName) {
    Statement st;
    if (p.atKeyword("SELECT")) {
        SelectAst ast = p.select();
        p.expectEnd();
        st.type = Statement::Type::Select;
        Select s = buildSelect(ast, schema, schemaName);
        st.sql = s.sql;
        st.table = s.table.name;
        return st;
    }
    if (p.acceptKeyword("DELETE")) {
        // DELETE FROM t, DELETE * FROM t, DELETE t.* FROM t
        if (!p.atKeyword("FROM")) {
            if (!p.acceptOp("*")) {
                p.name();
                p.expectOp(".");
                p.expectOp("*");
            }
        }
        p.expectKeyword("FROM");
        TableInfo t = requireTable(schema, p.name());
        Scope sc;
        sc.table = &t;
        sc.alias = t.name;
        Emitter em;
        st.type = Statement::Type::Delete;
        st.table = t.name;
        st.sql = "DELETE FROM " + qualifiedTable(schemaName, t.name) + " AS " + quoteIdent(t.name);
        if (p.acceptKeyword("WHERE")) st.sql += " WHERE " + em.emit(*p.expr(), sc).sql;
        p.expectEnd();
        return st;
    }
    if (p.acceptKeyword("UPDATE")) {
        TableInfo t = requireTable(schema, p.name());
        Scope sc;
        sc.table = &t;
        sc.alias = t.name;
        Emitter em;
        p.expectKeyword("SET");
        st.type = Statement::Type::Update;
        st.table = t.name;
        st.sql = "UPDATE " + qualifiedTable(schemaName, t.name) + " AS " + quoteIdent(t.name) + " SET ";
        bool first = true;
        do {
            std::string n = p.name();
            if (p.acceptOp(".") || p.acceptOp("!")) n = p.name();
            const FieldInfo& f = requireField(t, n);
            p.expectOp("=");
            NodeP v = p.expr();
            st.sql += (first ? "" : ", ") + quoteIdent(f.name) + " = " + valueFor(f, em, *v, sc);
            first = false;
        } while (p.acceptOp(","));
        if (p.acceptKeyword("WHERE")) st.sql += " WHERE " + em.emit(*p.expr(), sc).sql;
        p.expectEnd();
        return st;
    }
    if (p.acceptKeyword("INSERT")) {
        p.expectKeyword("INTO");
        TableInfo t = requireTable(schema, p.name());
        st.type = Statement::Type::Insert;
        st.table = t.name;
        std::vector<const FieldInfo*> targets;
        if (p.acceptOp("(")) {
            do targets.push_back(&requireField(t, p.name()));
            while (p.acceptOp(","));
            p.expectOp(")");
        } else {
            for (const FieldInfo& f : t.fields) targets.push_back(&f);
        }
        st.sql = "INSERT INTO " + qualifiedTable(schemaName, t.name) + " (";
        for (std::size_t k = 0; k < targets.size(); ++k) st.sql += (k ? ", " : "") + quoteIdent(targets[k]->name);
        st.sql += ") ";
        if (p.atKeyword("SELECT")) {
            SelectAst ast = p.select();
            p.expectEnd();
            Select s = buildSelect(ast, schema, schemaName);
            if (s.columns.size() != targets.size())
                fail("Number of query values and destination fields are not the same.", code::kSyntax);
            st.sql += s.sql;
            return st;
        }
        p.expectKeyword("VALUES");
        p.expectOp("(");
        Emitter em;
        Scope sc;
        std::vector<std::string> values;
        do {
            NodeP v = p.expr();
            if (values.size() >= targets.size())
                fail("Number of query values and destination fields are not the same.", code::kSyntax);
            values.push_back(valueFor(*targets[values.size()], em, *v, sc));
        } while (p.acceptOp(","));
        p.expectOp(")");
        p.expectEnd();
        if (values.size() != targets.size())
            fail("Number of query values and destination fields are not the same.", code::kSyntax);
        st.sql += "VALUES (";
        for (std::size_t k = 0; k < values.size(); ++k) st.sql += (k ? ", " : "") + values[k];
        st.sql += ")";
        return st;
    }
    if (p.acceptKeyword("CREATE")) {
        p.expectKeyword("TABLE");
        st.type = Statement::Type::CreateTable;
        st.table = p.name();
        p.expectOp("(");
        int counters = 0;
        do {
            FieldInfo f;
            f.name = p.name();
            std::string type = p.name();
            auto kind = kindFromJetType(type);
            if (!kind) p.syntax("unknown field type '" + type + "'");
            f.kind = *kind;
            if (p.acceptOp("(")) {
                const Token& sz = p.peek();
                if (sz.t != Tok::Number) p.syntax("expected a field size");
                f.size = std::atoi(sz.text.c_str());
                p.advance();
                p.expectOp(")");
            }
            if (f.kind == Kind::Text && f.size == 0) f.size = kDefaultTextSize;
            if (p.acceptKeyword("NOT")) {
                p.expectKeyword("NULL");
                f.required = true;
            }
            if (f.kind == Kind::Counter && ++counters > 1) p.syntax("a table has one automatic number at most");
            for (const FieldInfo& other : st.created)
                if (equalsNoCase(other.name, f.name))
                    fail("Field '" + f.name + "' is declared twice.", code::kAlreadyExists);
            st.created.push_back(std::move(f));
        } while (p.acceptOp(","));
        p.expectOp(")");
        p.expectEnd();
        st.sql = "CREATE TABLE " + qualifiedTable(schemaName, st.table) + " " + tableDefinition(st.created);
        return st;
    }
    if (p.acceptKeyword("DROP")) {
        p.expectKeyword("TABLE");
        TableInfo t = requireTable(schema, p.name());
        p.expectEnd();
        st.type = Statement::Type::DropTable;
        st.table = t.name;
        st.sql = "DROP TABLE " + qualifiedTable(schemaName, t.name);
        return st;
    }
    p.syntax("expected SELECT, DELETE, INSERT, UPDATE, CREATE or DROP");
}

Error toError(const Failure& f) { return Error{"", f.reason, f.code}; }

}  // namespace

std::string quoteIdent(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

int TableInfo::find(std::string_view field) const {
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (equalsNoCase(fields[k].name, field)) return static_cast<int>(k);
    return -1;
}

int TableInfo::counter() const {
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (fields[k].kind == Kind::Counter) return static_cast<int>(k);
    return -1;
}

Result<Select> translateSource(std::string_view source, Schema& schema, std::string_view schemaName) {
    try {
        std::string trimmed = core::text::trim(source);
        while (!trimmed.empty() && trimmed.back() == ';')
            trimmed = core::text::trim(trimmed.substr(0, trimmed.size() - 1));
        if (trimmed.empty()) fail("The record source is empty.", code::kInvalidArgument);
        std::string sql;
        if (Parser probe(trimmed); probe.atKeyword("SELECT")) {
            sql = trimmed;
        } else {
            // A table name, bracketed or not, names may hold blanks.
            std::string name = trimmed;
            if (name.size() >= 2 && name.front() == '[' && name.back() == ']') name = name.substr(1, name.size() - 2);
            sql = "SELECT * FROM " + std::string("[") + name + "]";
        }
        Parser p(sql);
        SelectAst ast = p.select();
        p.expectEnd();
        return buildSelect(ast, schema, schemaName);
    } catch (const Failure& f) {
        return toError(f);
    }
}

Result<std::string> translateCriteria(std::string_view criteria, const Select& over) {
    try {
        Parser p(criteria);
        NodeP n = p.expr();
        p.expectEnd();
        Scope sc;
        sc.table = &over.table;
        sc.alias = over.alias;
        Emitter em;
        return em.emit(*n, sc).sql;
    } catch (const Failure& f) {
        return toError(f);
    }
}

Result<std::string> translateCriteriaOverColumns(std::string_view criteria, const std::vector<OutputColumn>& columns) {
    try {
        Parser p(criteria);
        NodeP n = p.expr();
        p.expectEnd();
        Scope sc;
        sc.params = &columns;
        Emitter em;
        return em.emit(*n, sc).sql;
    } catch (const Failure& f) {
        return toError(f);
    }
}

Result<Statement> translateStatement(std::string_view jetSql, Schema& schema, std::string_view schemaName) {
    try {
        Parser p(jetSql);
        return buildStatement(p, schema, schemaName);
    } catch (const Failure& f) {
        return toError(f);
    }
}

}  // namespace pelk::db::dialect
