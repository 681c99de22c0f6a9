#pragma once

// The parts of the translation that dialect.h offers: the lexer (dialect_lexer.cpp) cuts the text
// into tokens, the parser (dialect_parser.cpp) makes a syntax tree of them, the emitter
// (dialect_emit.cpp) writes a tree as SQLite's SQL, and dialect.cpp builds whole statements.
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/datetime.h"
#include "platform/db/dialect.h"
#include "platform/db/error.h"

namespace pelk::db::dialect::detail {

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

[[noreturn]] inline void fail(std::string reason, int code = code::kSyntax) { throw Failure{std::move(reason), code}; }

std::vector<Token> tokenize(std::string_view s);
bool isKeyword(const Token& t);

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

// An AND or OR whose left operand is the same operator: one chain, measured and written flat.
bool chains(const Node& n, const Node& left);

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
    explicit Parser(std::string_view src);

    bool atKeyword(const char* kw, int ahead = 0) const;
    bool acceptKeyword(const char* kw);
    void expectKeyword(const char* kw);
    bool atOp(const char* op, int ahead = 0) const;
    bool acceptOp(const char* op);
    void expectOp(const char* op);
    void advance();
    const Token& peek(int ahead = 0) const;

    // The end of a statement: an optional ";" and nothing after it.
    void expectEnd();

    [[noreturn]] void syntax(const std::string& detail) const;

    // A name: a bare identifier that is not a keyword, or a name in brackets.
    std::string name();
    bool atName(int ahead = 0) const;

    NodeP expr();

    SelectAst select();

private:
    static std::string tokenText(const Token& t);

    NodeP binary(Node::T t, std::string op, NodeP a, NodeP b);
    struct Nest;

    NodeP orExpr();
    NodeP andExpr();
    NodeP notExpr();
    NodeP comparison();
    NodeP concat();
    NodeP additive();
    NodeP modulo();
    NodeP intDivision();
    NodeP multiplicative();
    NodeP unary();
    NodeP primary();

    std::string_view src_;
    std::vector<Token> toks_;
    std::size_t i_ = 0;
    int nesting_ = 0;
};

// ---------------------------------------------------------------------------------------
// Translation

enum class Ty { Unknown, Text, Number, Date, Bool, Null };

struct Emitted {
    std::string sql;
    Ty ty = Ty::Unknown;
    Kind kind = Kind::Unknown;
    bool column = false;                // a column as such: it brings its own collation
    const Node* textLiteral = nullptr;  // a text literal, which a date comparison reads as a date
};

std::string textLiteral(std::string_view v);

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

    Emitted emit(const Node& n, const Scope& sc);

private:
    Emitted column(const Node& n, const Scope& sc);
    Emitted binary(const Node& n, const Scope& sc);
    Emitted call(const Node& n, const Scope& sc);
    static void asDates(const Emitted& a, Emitted& b);
    static std::string collated(const Emitted& a, std::initializer_list<const Emitted*> others);
    static std::string collated(const Emitted& a, const std::vector<const Emitted*>& others);
};

}  // namespace pelk::db::dialect::detail
