#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/error.h"
#include "platform/db/field.h"

// The legacy engine's SQL and criteria, translated to SQLite here and nowhere else.
//
// Jet text compares without regard to case: text columns are declared COLLATE NOCASE, and a
// comparison between two things that are not columns gets COLLATE NOCASE itself. LIKE is the
// engine's own (`jlike`, see like.h). Date literals `#12/10/2026#` become ISO text, as date
// fields are stored, so ranges compare as dates; a text compared with a date is read as one
// (`jdate`). Sum over currency or text amounts adds exact four-place money (`jsum`).
// Every ordering of a single table ends with its rowid, so ties come in insertion order.
namespace pelk::db::dialect {

struct TableInfo {
    std::string name;  // as the store spells it
    std::vector<FieldInfo> fields;

    int find(std::string_view field) const;  // index without regard to case; -1 when absent
    int counter() const;                     // index of the automatic number; -1 when none
};

// What translation needs to know of a store: a table's fields by its name, any case.
class Schema {
public:
    virtual ~Schema() = default;
    virtual std::optional<TableInfo> table(std::string_view name) = 0;
};

struct OutputColumn {
    FieldInfo info;        // name as the recordset shows it, kind and size
    std::string sql;       // the expression
    int sourceField = -1;  // the table field it is, for a column that can be written
};

struct OrderTerm {
    std::string sql;
    bool desc = false;
};

// A record source: a table name or a SELECT.
struct Select {
    TableInfo table;
    std::string alias;    // the name columns are qualified with
    std::string fromSql;  // "schema"."table" AS "alias"
    std::vector<OutputColumn> columns;
    std::string where;             // empty when none
    std::vector<OrderTerm> order;  // the rowid not included
    bool aggregate = false;
    bool updatable = false;  // one table, plain columns, no grouping
    std::string sql;         // the whole SELECT, for reading it in one go
};

Result<Select> translateSource(std::string_view source, Schema& schema, std::string_view schemaName);

// A Find criterion over a source's table, as SQL over its columns.
Result<std::string> translateCriteria(std::string_view criteria, const Select& over);
// The same over a snapshot's columns: column i becomes the parameter ?i+1.
Result<std::string> translateCriteriaOverColumns(std::string_view criteria, const std::vector<OutputColumn>& columns);

struct Statement {
    enum class Type { Select, Delete, Insert, Update, CreateTable, DropTable } type = Type::Select;
    std::string sql;
    std::string table;               // the table written, created or dropped
    std::vector<FieldInfo> created;  // CREATE TABLE: its fields
};

// One statement: SELECT, DELETE, INSERT INTO, UPDATE … SET, CREATE TABLE, DROP TABLE.
Result<Statement> translateStatement(std::string_view jetSql, Schema& schema, std::string_view schemaName);

// "name" with inner quotes doubled.
std::string quoteIdent(std::string_view name);

}  // namespace pelk::db::dialect
