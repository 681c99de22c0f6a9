#include <optional>

#include "platform/core/datetime.h"
#include "platform/core/text.h"
#include "platform/db/dialect_internal.h"

namespace pelk::db::dialect::detail {

namespace {

using core::text::equalsNoCase;

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

}  // namespace

std::string textLiteral(std::string_view v) {
    std::string out = "'";
    for (char c : v) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

Emitted Emitter::emit(const Node& n, const Scope& sc) {
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
            // serves both. The pattern still decides. The range is written as the prefix itself
            // or what follows it, so that an index on the field and the next one (last and
            // first name) serves a search on both: the many guests named exactly "Smith" are
            // not walked to find one first name.
            if (a.column && (a.kind == Kind::Text || a.kind == Kind::Memo) && n.kids[1]->t == Node::T::String)
                if (auto lit = literalPattern(n.kids[1]->text); lit && (lit->whole || !lit->text.empty())) {
                    std::string text = textLiteral(lit->text);
                    if (lit->whole) return {"(" + a.sql + " = " + text + " COLLATE NOCASE AND " + s + ")", Ty::Bool};
                    return {"((" + a.sql + " = " + text + " COLLATE NOCASE OR (" + a.sql + " > " + text +
                                " COLLATE NOCASE AND " + a.sql + " < (" + text + " || char(1114111)) COLLATE NOCASE)) AND " +
                                s + ")",
                            Ty::Bool};
                }
            return {s, Ty::Bool};
        }
        case Node::T::Between: {
            Emitted a = emit(*n.kids[0], sc), lo = emit(*n.kids[1], sc), hi = emit(*n.kids[2], sc);
            asDates(a, lo);
            asDates(a, hi);
            asDates(lo, a);
            return {
                "(" + collated(a, {&lo, &hi}) + (n.flag ? " NOT" : "") + " BETWEEN " + lo.sql + " AND " + hi.sql + ")",
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

Emitted Emitter::column(const Node& n, const Scope& sc) {
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
            if (equalsNoCase(c.info.name, n.text)) return {quoteIdent(c.info.name), typeOf(c.info.kind), c.info.kind};
    }
    std::string full = n.qual.empty() ? n.text : n.qual + "." + n.text;
    fail("Unknown field '" + full + "': too few parameters. Expected 1.", code::kTooFewParameters);
}

Emitted Emitter::binary(const Node& n, const Scope& sc) {
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

Emitted Emitter::call(const Node& n, const Scope& sc) {
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
    if (f == "AVG") return {"avg(" + a.sql + ")", Ty::Number, a.kind == Kind::Currency ? Kind::Currency : Kind::Double};
    if (f == "MIN" || f == "MAX") return {core::text::lower(f) + "(" + a.sql + ")", a.ty, a.kind};
    // Sum: money and amounts kept as text add up exactly; other numbers as SQLite adds them.
    if (a.kind == Kind::Currency || a.ty == Ty::Text) return {"jsum(" + a.sql + ")", Ty::Number, Kind::Currency};
    Kind k = (a.kind == Kind::Long || a.kind == Kind::Counter) ? Kind::Long : Kind::Double;
    return {"sum(" + a.sql + ")", Ty::Number, k};
}

// A date compared with a text: the text is read as a date.
void Emitter::asDates(const Emitted& a, Emitted& b) {
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
std::string Emitter::collated(const Emitted& a, std::initializer_list<const Emitted*> others) {
    return collated(a, std::vector<const Emitted*>(others));
}
std::string Emitter::collated(const Emitted& a, const std::vector<const Emitted*>& others) {
    bool anyColumn = a.column;
    for (const Emitted* o : others) anyColumn = anyColumn || o->column;
    if (anyColumn || a.ty == Ty::Number || a.ty == Ty::Date || a.ty == Ty::Bool) return a.sql;
    return a.sql + " COLLATE NOCASE";
}

}  // namespace pelk::db::dialect::detail
