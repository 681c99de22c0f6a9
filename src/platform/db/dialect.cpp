#include "platform/db/dialect.h"

#include <cstdio>
#include <cstdlib>

#include "platform/core/datetime.h"
#include "platform/core/text.h"
#include "platform/db/dialect_internal.h"

namespace pelk::db::dialect {

namespace {

using core::text::equalsNoCase;
using detail::Emitted;
using detail::Emitter;
using detail::fail;
using detail::Failure;
using detail::Node;
using detail::NodeP;
using detail::Parser;
using detail::Scope;
using detail::SelectAst;
using detail::SelectItem;
using detail::textLiteral;
using detail::Tok;
using detail::Token;
using detail::Ty;

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
