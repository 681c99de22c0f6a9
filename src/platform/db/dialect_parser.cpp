#include <algorithm>

#include "platform/core/datetime.h"
#include "platform/core/text.h"
#include "platform/db/dialect_internal.h"

namespace pelk::db::dialect::detail {

namespace {

using core::text::equalsNoCase;

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

}  // namespace

bool chains(const Node& n, const Node& left) {
    return n.t == Node::T::Binary && left.t == Node::T::Binary && left.text == n.text &&
           (n.text == "AND" || n.text == "OR");
}

struct Parser::Nest {
    Parser& p;
    explicit Nest(Parser& parser) : p(parser) {
        if (++p.nesting_ > kMaxNesting) tooComplex();
    }
    ~Nest() { --p.nesting_; }
};

Parser::Parser(std::string_view src) : src_(src), toks_(tokenize(src)) {}

bool Parser::atKeyword(const char* kw, int ahead) const {
    const Token& t = peek(ahead);
    return t.t == Tok::Ident && equalsNoCase(t.text, kw);
}
bool Parser::acceptKeyword(const char* kw) {
    if (!atKeyword(kw)) return false;
    ++i_;
    return true;
}
void Parser::expectKeyword(const char* kw) {
    if (!acceptKeyword(kw)) syntax(std::string("expected ") + kw);
}
bool Parser::atOp(const char* op, int ahead) const {
    const Token& t = peek(ahead);
    return t.t == Tok::Op && t.text == op;
}
bool Parser::acceptOp(const char* op) {
    if (!atOp(op)) return false;
    ++i_;
    return true;
}
void Parser::expectOp(const char* op) {
    if (!acceptOp(op)) syntax(std::string("expected '") + op + "'");
}
void Parser::advance() { ++i_; }
const Token& Parser::peek(int ahead) const {
    std::size_t k = std::min(i_ + static_cast<std::size_t>(ahead), toks_.size() - 1);
    return toks_[k];
}

void Parser::expectEnd() {
    acceptOp(";");
    if (peek().t != Tok::End) syntax("unexpected '" + tokenText(peek()) + "'");
}

void Parser::syntax(const std::string& detail) const {
    fail("Syntax error in query expression '" + core::text::trim(src_) + "' (" + detail + ").");
}

std::string Parser::name() {
    const Token& t = peek();
    if (t.t == Tok::Bracket || (t.t == Tok::Ident && !isKeyword(t))) {
        ++i_;
        return t.text;
    }
    syntax("expected a name");
}
bool Parser::atName(int ahead) const {
    const Token& t = peek(ahead);
    return t.t == Tok::Bracket || (t.t == Tok::Ident && !isKeyword(t));
}

NodeP Parser::expr() {
    Nest nest(*this);
    return orExpr();
}

SelectAst Parser::select() {
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

std::string Parser::tokenText(const Token& t) {
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

NodeP Parser::binary(Node::T t, std::string op, NodeP a, NodeP b) {
    NodeP n = make(t, std::move(op));
    n->kids.push_back(std::move(a));
    n->kids.push_back(std::move(b));
    measure(*n);
    return n;
}

NodeP Parser::orExpr() {
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
NodeP Parser::andExpr() {
    NodeP a = notExpr();
    while (acceptKeyword("AND")) a = binary(Node::T::Binary, "AND", std::move(a), notExpr());
    return a;
}
NodeP Parser::notExpr() {
    if (acceptKeyword("NOT")) {
        Nest nest(*this);
        NodeP n = make(Node::T::Not);
        n->kids.push_back(notExpr());
        measure(*n);
        return n;
    }
    return comparison();
}
NodeP Parser::comparison() {
    NodeP a = concat();
    while (true) {
        const Token& t = peek();
        if (t.t == Tok::Op &&
            (t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" || t.text == "<=" || t.text == ">=")) {
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
NodeP Parser::concat() {
    NodeP a = additive();
    while (acceptOp("&")) a = binary(Node::T::Binary, "&", std::move(a), additive());
    return a;
}
NodeP Parser::additive() {
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
NodeP Parser::modulo() {
    NodeP a = intDivision();
    while (acceptKeyword("MOD")) a = binary(Node::T::Binary, "MOD", std::move(a), intDivision());
    return a;
}
NodeP Parser::intDivision() {
    NodeP a = multiplicative();
    while (acceptOp("\\")) a = binary(Node::T::Binary, "\\", std::move(a), multiplicative());
    return a;
}
NodeP Parser::multiplicative() {
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
NodeP Parser::unary() {
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
NodeP Parser::primary() {
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

}  // namespace pelk::db::dialect::detail
