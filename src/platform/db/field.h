#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/value.h"
#include "platform/db/error.h"

namespace pelk::db {

// The legacy field types. Unknown is a computed column whose kind the query does not tell
// (it reads as the value SQLite holds).
enum class Kind { Text, Memo, Long, Double, Currency, YesNo, DateTime, Counter, Unknown };

const char* kindName(Kind k);

// A field as a table declares it and as a recordset describes it to bound controls.
// `size` is the text length of a Text field (characters); `required` refuses Null, and for
// text also the empty text.
struct FieldInfo {
    std::string name;
    Kind kind = Kind::Text;
    int size = 0;
    bool required = false;
};
using FieldDecl = FieldInfo;

inline constexpr int kDefaultTextSize = 255;

// The SQLite column definition of a field. The declared type names the kind ("TEXT(50)",
// "LONGTEXT", "LONG", "DOUBLE", "CURRENCY", "YESNO", "DATETIME"; the automatic number is the
// table's INTEGER PRIMARY KEY AUTOINCREMENT), so a store describes itself to whoever opens it;
// text compares without regard to case, and size and required are checked by the store.
std::string columnDefinition(const FieldInfo& f);
// The column list of a table, "(…)". A table without an automatic number gets a hidden one,
// kRowIdentity, so that its rows too have identities never given again (SQLite's own rowid
// gives a deleted last row's number to the next row); nobody reads or writes it but the
// rowid it stands for.
std::string tableDefinition(const std::vector<FieldInfo>& fields);
inline constexpr std::string_view kRowIdentity = "pelk_rowid";
// The kind of a column from its declared type (and whether it is the table's integer key).
FieldInfo fieldFromDeclared(std::string name, std::string_view declaredType, bool notNull, bool integerKey);
// A Jet DDL type name ("TEXT", "CHAR", "MEMO", "LONG", "INTEGER", "COUNTER", "DATETIME",
// "CURRENCY", "YESNO", "BIT", "DOUBLE", …) with its size; nullopt for a name Jet does not know.
std::optional<Kind> kindFromJetType(std::string_view typeName);

namespace storage {

// A date, time or both as stored: "2026-12-10", "14:05:09" or "2026-12-10 14:05:09".
std::string isoText(const core::DateTime& dt);
// What a stored date/time text shows on a screen: "12/10/2026", "2:05:09 PM", or both.
std::string shownDateTime(std::string_view iso);

// A value a screen assigns, made into what the column stores (Null, long, double or text).
// Fails with the legacy conversion error when the value cannot be of that kind.
Result<core::Value> toStored(const FieldInfo& f, const core::Value& v);
// A stored value as the screens read it: text, a number, Money for currency, a yes/no,
// and the station's date or time text for a date/time field.
core::Value toShown(Kind k, const core::Value& stored);

}  // namespace storage
}  // namespace pelk::db
