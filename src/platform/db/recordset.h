#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/value.h"
#include "platform/db/database.h"
#include "platform/db/error.h"
#include "platform/db/field.h"

namespace pelk::db {

// A row's identity in a recordset, good across its clones.
using Bookmark = std::int64_t;

enum class EditMode { None, Editing, Adding };

// The rows of a table or a query, in the order the source gives (ties and tables without an
// ORDER BY in insertion order), with a current row, as the legacy recordsets behave.
//
// A table or a single-table SELECT of plain columns is updatable: it holds the identities
// of its rows (never given to another row of the store), taken when it is first positioned,
// and reads their fields from the file in windows: the row it lands on, and more rows at each
// step of a walk, held until the clerk's next action (noteAction). A row read at an earlier
// action is read afresh when it is next touched, so it sees what other stations wrote to its
// rows at the clerk's next action. Rows added through it come last, rows deleted stay current
// until a move. A query with grouping or computed columns is read whole when first positioned
// and cannot be written.
//
// Methods keep the legacy names (AddNew, MoveNext, FindFirst…); properties are functions
// (eof(), noMatch()…). Every method that can fail returns the failure with the store.
class Recordset {
public:
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    ~Recordset();

    // What bound controls need: the fields in order, with kind, size and required.
    const std::vector<FieldInfo>& fields() const;
    int fieldIndex(std::string_view name) const;  // without regard to case; -1 when absent
    bool updatable() const;
    const std::string& source() const;
    const Database& database() const;

    // Fields of the current row (or of the row being edited or added), by name without
    // regard to case — "1", "Date" and "Option" are names like any other. A date/time field
    // reads as the station's text ("12/10/2026", "2:05:09 PM"), a currency field as Money.
    Result<core::Value> field(std::string_view name);
    Result<core::Value> field(int index);
    // The same field lent rather than copied, for a screen that shows it at once: a walk that
    // shows every field of every row copies each one once, into what shows it. The value lent
    // stands until the next call on this recordset.
    Result<const core::Value*> fieldLent(std::string_view name);
    Result<const core::Value*> fieldLent(int index);
    // A field of the current row as a screen shows it: Null, no current row and no such field
    // all read as the empty text, since a box has nothing else to show for them.
    std::string fieldText(std::string_view name);
    std::string fieldText(int index);
    // Assigns a field of the row being edited or added; the value is converted to the
    // field's kind here (a short date text into a date field), and refused when it cannot be.
    Status setField(std::string_view name, const core::Value& value);

    Status AddNew();  // the automatic number is readable at once
    // Takes the row as this recordset last read it (as the clerk saw it) for the check at Update.
    Status Edit();
    // Writes the row to the file at once (or into the open unit of work). An edited row is
    // written only while every field still holds what Edit took: changed since, it is error
    // 3197 and nothing is written; deleted since, 3167. Either way the row is read afresh at
    // the next Edit or look.
    Status Update();
    Status CancelUpdate();
    Status Delete();  // the deleted row stays current (unreadable) until a move
    EditMode editMode() const;
    // The row last added or changed through this recordset.
    Result<Bookmark> lastModified() const;

    Status MoveFirst();
    Status MoveLast();
    Status MoveNext();
    Status MovePrevious();
    // The legacy criteria (`szMenu_nm LIKE 'Tea*'`), evaluated in this recordset's order.
    // Without a match noMatch() is true and there is no current row until a move. The rows a
    // criterion takes are found once per clerk action and kept for the finds that follow, as
    // rows read are: another station's writes count from the clerk's next action, this
    // station's own at once.
    Status FindFirst(std::string_view criteria);
    Status FindNext(std::string_view criteria);
    Status FindLast(std::string_view criteria);
    Status FindPrevious(std::string_view criteria);
    bool noMatch() const;

    bool eof();
    bool bof();
    // Every row of the recordset (the legacy count was only exact after MoveLast; this one
    // always is). A failure reading the file gives 0 and is kept in lastError().
    long recordCount();
    long absolutePosition();  // 0-based; -1 without a current row
    Status setAbsolutePosition(long position);
    // A bookmark is the row's identity in its table: taken on one recordset, it finds the same
    // row on any recordset of that table that holds it; a row deleted since is refused (3159 on
    // a recordset read after the deletion, 3167 on one read before), never taken for another.
    Result<Bookmark> bookmark();
    Status setBookmark(Bookmark b);

    // A second cursor over the same rows, with its own current row (none at first).
    Result<Recordset> Clone();
    // Reads the source again: rows others added appear, the first row becomes current.
    Status Requery();

    // The failure met where a property (eof(), recordCount()…) had to read the file.
    const Error* lastError() const;

private:
    friend class Database;
    struct Impl;
    explicit Recordset(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d_;
};

}  // namespace pelk::db
