#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/core/value.h"
#include "platform/db/recordset.h"
#include "platform/ui/control.h"

namespace pelk::ui {

class Data;

// One column of a record grid: the field it shows, its heading, its width in twips (0: the grid's
// default) and its display format ("Short Date", "Medium Time", "Standard", "General Number",
// "Currency", or a pattern such as "#,##0.00"; empty: the value as it stands).
struct GridColumn {
    std::string dataField;
    std::string caption;
    double width = 0;
    std::string numberFormat;
};

// The legacy record grid bound to a data control: one row per row of the data control's
// recordset, in its order, and the row being added last when there is one. Its current row is the
// data control's; clicking another row moves the data control there (writing the edits of the row
// left, as any move does). Typing into a cell edits that field of that row; the edit is stored
// when the row is left, as the data control stores every edit. Typing into the empty row below the
// last (AllowAddNew) starts a new row. AllowUpdate, AllowAddNew and AllowDelete say what the user
// may do; code acts through the data control's recordset whatever they say.
//
// Without declared columns the grid shows every field of the recordset, headed by its name.
// Rows and cells are read as TextMatrix(row, col) (rows from 0, the add row included); Row is the
// current row (-1: none), Col the current column.
//
// As the legacy grid, the current cell takes typing at once: the first key typed replaces the
// cell's text and begins an edit of it, the keys after it go on at its end, Backspace takes the
// last character off, Enter ends the edit (it is held for the row like any edit) and Escape takes
// it back. Tab and Shift+Tab go from cell to cell along the row and on to the next or previous
// row, the row being added stored first, so a clerk enters rows without touching the screen; only
// past the grid's first or last cell does the focus go on to the next control.
class DBGrid : public Control {
public:
    DBGrid(Form* form, std::string name, int index = -1);
    ~DBGrid() override;

    void setDataSource(Data& data);
    Data* dataSource() const { return source_; }
    std::string dataSourceName() const;

    // The declared columns, in order; addColumn returns the new column's index.
    int addColumn(GridColumn column);
    void setColumns(std::vector<GridColumn> columns);
    void setColumnCaption(int col, std::string caption);
    void setColumnWidth(int col, double width);
    void setColumnFormat(int col, std::string numberFormat);
    // The columns shown: the declared ones, or one per field of the recordset.
    const std::vector<GridColumn>& columns() const;
    std::string columnCaption(int col) const;
    std::string columnField(int col) const;
    double columnWidth(int col) const;
    std::string columnFormat(int col) const;

    bool allowUpdate() const { return allowUpdate_; }
    void setAllowUpdate(bool a);
    bool allowAddNew() const { return allowAddNew_; }
    void setAllowAddNew(bool a);
    bool allowDelete() const { return allowDelete_; }
    void setAllowDelete(bool a);
    bool recordSelectors() const { return recordSelectors_; }
    void setRecordSelectors(bool r);
    bool columnHeaders() const { return columnHeaders_; }
    void setColumnHeaders(bool h);
    // 0 none, 1 black line, 2 dark grey line, 3 raised, 4 inset, 5 fore colour, 6 light grey line.
    int rowDividerStyle() const { return rowDividerStyle_; }
    void setRowDividerStyle(int s);
    // 0 none, 1 horizontal, 2 vertical, 3 both.
    int scrollBars() const { return scrollBars_; }
    void setScrollBars(int s);

    // Rows shown: the recordset's rows, and the row being added or the empty add row.
    int rows() const;
    int cols() const;
    int row() const;
    // Moves the data control to that row (the edits of the row left are written first).
    void setRow(int row);
    int col() const { return col_; }
    void setCol(int col);
    // The current cell's text; the empty text without a current row.
    std::string text() const;
    // The legacy Text and Columns(col).Text set by code: an edit of that field of the current row,
    // as a typed one is (stored when the row is left), whatever AllowUpdate says, since code is not
    // the user. The current row and column stay. Throws PropertyError without a current row, for a
    // column out of range, and for a column that shows no field or a counter.
    void setText(std::string text);
    std::string columnText(int col) const;
    void setColumnText(int col, std::string text);
    // A cell as shown: its pending edit, or the field formatted by the column's display format.
    std::string textMatrix(int row, int col) const;

    bool takesFocus() const override { return true; }
    bool userSelect(int row, int column) override;
    bool userEditCell(int row, int column, std::string_view text) override;
    // A key typed on the grid (KeyPress first, which can drop it), as above. Without a current row
    // the typing goes to the add row where there is one.
    void userKey(int keyAscii) override;
    // Tab (or Shift+Tab, `backwards`): the next (previous) cell, as above; false when there is none
    // and the focus is to go on from the grid.
    bool userTab(bool backwards);
    void focusLeft() override { endEdit(); }
    // The Delete key on the current row: deletes it when AllowDelete is on; the next row becomes
    // current. False when nothing was deleted.
    bool userDeleteRow();
    const PropertyList& properties() const override;

    // A cell being typed into (the current one).
    bool editing() const { return editing_; }
    // The host's cell editor, opened on the current cell: the row's edits as they stand now are
    // what cancelEdit brings back; endEdit keeps what was typed.
    void beginEdit();
    void endEdit();
    void cancelEdit();

    // How many rows were read from the store since the data control last changed: a window
    // showing the grid reads the rows it shows, not every row.
    int rowsRead() const { return rowsRead_; }

    // The data control's side.
    void dataChanged();
    std::vector<std::pair<std::string, std::string>> pendingEdits() const { return pending_; }
    void clearPending();
    void forgetSource() { source_ = nullptr; }

private:
    struct Row {
        bool read = false;
        std::optional<db::Bookmark> bookmark;
        std::vector<core::Value> values;  // by column
    };
    // The rows of the recordset (the row being added not counted).
    int storedRows() const;
    // A row of the recordset, read when first asked for; nullptr out of range.
    const Row* rowAt(int row) const;
    // Forgets every row read: they are read again when next shown.
    void forgetRows() const;
    bool adding() const;
    bool isCounter(const std::string& field) const;
    // Whether the user may type into a cell (the add row by AllowAddNew, the others by AllowUpdate;
    // never a counter or a column without a field).
    bool takesTyping(int row, int col) const;
    bool goToRow(int row);
    void setEditing(bool e);
    // What Escape brings back: the row's edits and the current column as they are now.
    void rememberEdits();
    // Holds the text as the current row's edit of the field.
    void editField(const std::string& field, int col, std::string text);
    void checkCell(int row, int col) const;

    Data* source_ = nullptr;
    std::vector<GridColumn> declared_;
    bool allowUpdate_ = true, allowAddNew_ = false, allowDelete_ = false;
    bool recordSelectors_ = true, columnHeaders_ = true;
    int rowDividerStyle_ = 2, scrollBars_ = 3;
    int col_ = 0;
    std::vector<std::pair<std::string, std::string>> pending_;
    bool editing_ = false;
    // The row's edits and the current column as they were when the edit began (for Escape).
    std::vector<std::pair<std::string, std::string>> pendingBefore_;
    int colBefore_ = 0;
    // The rows are read through a second cursor over the data control's rows, so reading them
    // moves nothing; only the rows asked for (the ones a window shows) are read, each once until
    // the data control changes anything.
    mutable std::optional<db::Recordset> reader_;
    mutable long readerAt_ = -1;
    mutable long count_ = -1;
    mutable int rowsRead_ = 0;
    mutable std::unordered_map<int, Row> rows_;  // the rows read so far, by row; a year of rows is not made room for
    mutable std::unordered_map<db::Bookmark, int> rowOf_;
    mutable std::vector<GridColumn> fieldColumns_;
    mutable bool fieldColumnsKnown_ = false;
};

}  // namespace pelk::ui
