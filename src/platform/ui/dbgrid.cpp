#include "platform/ui/dbgrid.h"

#include <algorithm>

#include "platform/core/format.h"
#include "platform/core/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/data.h"
#include "platform/ui/form.h"

namespace pelk::ui {

namespace {

template <class T>
bool assign(T& member, const T& value) {
    if (member == value) return false;
    member = value;
    return true;
}

std::string cellText(const core::Value& v, const std::string& numberFormat) {
    if (v.isNull()) return {};
    return numberFormat.empty() ? v.toText() : core::format(v, numberFormat);
}

}  // namespace

DBGrid::DBGrid(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::DBGrid, index) {
    setBackColor(0x80000005);
    setForeColor(0x80000008);
}

DBGrid::~DBGrid() {
    if (source_) source_->detach(*this);
}

void DBGrid::setDataSource(Data& data) {
    if (source_ == &data) return;
    if (source_) source_->detach(*this);
    source_ = &data;
    data.attach(*this);
    pending_.clear();
    dataChanged();
    changed("DataSource");
}

std::string DBGrid::dataSourceName() const { return source_ ? source_->name() : std::string(); }

// ---- columns

int DBGrid::addColumn(GridColumn column) {
    declared_.push_back(std::move(column));
    forgetRows();
    changed("Columns");
    return static_cast<int>(declared_.size()) - 1;
}

void DBGrid::setColumns(std::vector<GridColumn> columns) {
    declared_ = std::move(columns);
    forgetRows();
    changed("Columns");
}

namespace {
void checkColumn(const DBGrid& g, int col, std::size_t declared) {
    if (col < 0 || static_cast<std::size_t>(col) >= declared)
        throw PropertyError(g.path() + ": there is no declared column " + std::to_string(col));
}
}  // namespace

void DBGrid::setColumnCaption(int col, std::string caption) {
    checkColumn(*this, col, declared_.size());
    if (assign(declared_[static_cast<std::size_t>(col)].caption, caption)) changed("Columns");
}

void DBGrid::setColumnWidth(int col, double width) {
    checkColumn(*this, col, declared_.size());
    if (assign(declared_[static_cast<std::size_t>(col)].width, width)) changed("Columns");
}

void DBGrid::setColumnFormat(int col, std::string numberFormat) {
    checkColumn(*this, col, declared_.size());
    if (assign(declared_[static_cast<std::size_t>(col)].numberFormat, numberFormat)) changed("Columns");
}

const std::vector<GridColumn>& DBGrid::columns() const {
    if (!declared_.empty()) return declared_;
    if (!fieldColumnsKnown_) {
        fieldColumns_.clear();
        if (db::Recordset* rs = source_ ? source_->recordset() : nullptr)
            for (const db::FieldInfo& f : rs->fields()) fieldColumns_.push_back(GridColumn{f.name, f.name, 0, {}});
        // Known once there is a recordset to know them from.
        fieldColumnsKnown_ = source_ && source_->recordset();
    }
    return fieldColumns_;
}

namespace {
const GridColumn& columnAt(const DBGrid& g, int col) {
    const auto& all = g.columns();
    if (col < 0 || static_cast<std::size_t>(col) >= all.size())
        throw PropertyError(g.path() + ": there is no column " + std::to_string(col));
    return all[static_cast<std::size_t>(col)];
}
}  // namespace

std::string DBGrid::columnCaption(int col) const { return columnAt(*this, col).caption; }
std::string DBGrid::columnField(int col) const { return columnAt(*this, col).dataField; }
double DBGrid::columnWidth(int col) const { return columnAt(*this, col).width; }
std::string DBGrid::columnFormat(int col) const { return columnAt(*this, col).numberFormat; }

// ---- switches

void DBGrid::setAllowUpdate(bool a) {
    if (assign(allowUpdate_, a)) changed("AllowUpdate");
}
void DBGrid::setAllowAddNew(bool a) {
    if (assign(allowAddNew_, a)) changed("AllowAddNew");
}
void DBGrid::setAllowDelete(bool a) {
    if (assign(allowDelete_, a)) changed("AllowDelete");
}
void DBGrid::setRecordSelectors(bool r) {
    if (assign(recordSelectors_, r)) changed("RecordSelectors");
}
void DBGrid::setColumnHeaders(bool h) {
    if (assign(columnHeaders_, h)) changed("ColumnHeaders");
}
void DBGrid::setRowDividerStyle(int s) {
    if (assign(rowDividerStyle_, s)) changed("RowDividerStyle");
}
void DBGrid::setScrollBars(int s) {
    if (assign(scrollBars_, s)) changed("ScrollBars");
}

// ---- rows

void DBGrid::dataChanged() {
    forgetRows();
    changed("Rows");
}

void DBGrid::forgetRows() const {
    reader_.reset();
    readerAt_ = -1;
    count_ = -1;
    rows_.clear();
    rowOf_.clear();
    rowsRead_ = 0;
    fieldColumnsKnown_ = false;
}

void DBGrid::clearPending() {
    setEditing(false);
    if (pending_.empty()) return;
    pending_.clear();
    changed("TextMatrix");
}

int DBGrid::storedRows() const {
    if (count_ < 0) {
        db::Recordset* rs = source_ ? source_->recordset() : nullptr;
        count_ = rs ? std::max(0L, rs->recordCount()) : 0;
        rows_.clear();
    }
    return static_cast<int>(count_);
}

const DBGrid::Row* DBGrid::rowAt(int r) const {
    if (r < 0 || r >= storedRows()) return nullptr;
    Row& row = rows_[r];
    if (row.read) return &row;
    row.read = true;
    ++rowsRead_;
    db::Recordset* rs = source_ ? source_->recordset() : nullptr;
    if (!rs) return &row;
    if (!reader_) {
        auto clone = rs->Clone();
        if (!clone) return &row;
        reader_.emplace(std::move(*clone));
        readerAt_ = -1;
    }
    // The rows a window shows come one after the other: the next one is a step away.
    bool there = readerAt_ == r - 1 && readerAt_ >= 0 ? reader_->MoveNext().ok() && !reader_->eof()
                                                      : reader_->setAbsolutePosition(r).ok();
    readerAt_ = there ? r : -1;
    if (!there) return &row;
    if (auto b = reader_->bookmark()) {
        row.bookmark = *b;
        rowOf_[*b] = r;
    }
    const auto& cols = columns();
    row.values.reserve(cols.size());
    for (const GridColumn& c : cols)
        row.values.push_back(c.dataField.empty() ? core::Value{} : reader_->field(c.dataField).valueOr(core::Value{}));
    return &row;
}

bool DBGrid::adding() const {
    db::Recordset* rs = source_ ? source_->recordset() : nullptr;
    return rs && rs->editMode() == db::EditMode::Adding;
}

int DBGrid::rows() const {
    if (!source_ || !source_->isOpen()) return 0;
    return storedRows() + ((allowAddNew_ || adding()) ? 1 : 0);
}

int DBGrid::cols() const { return static_cast<int>(columns().size()); }

int DBGrid::row() const {
    db::Recordset* rs = source_ ? source_->recordset() : nullptr;
    if (!rs) return -1;
    int stored = storedRows();
    if (rs->editMode() == db::EditMode::Adding) return stored;
    auto b = rs->bookmark();
    if (!b) return -1;
    if (auto it = rowOf_.find(*b); it != rowOf_.end()) return it->second;
    // A row not shown yet: its place in the recordset's order, which the reader shares.
    long at = rs->absolutePosition();
    return at >= 0 && at < stored ? static_cast<int>(at) : -1;
}

void DBGrid::setRow(int r) {
    if (r < 0 || r >= rows()) throw PropertyError(path() + ": there is no row " + std::to_string(r));
    goToRow(r);
}

void DBGrid::setCol(int c) {
    if (c < 0 || c >= cols()) throw PropertyError(path() + ": there is no column " + std::to_string(c));
    if (c != col_) setEditing(false);
    if (assign(col_, c)) changed("Col");
}

void DBGrid::checkCell(int r, int c) const {
    if (r < 0 || r >= rows() || c < 0 || c >= cols())
        throw PropertyError(path() + ": there is no cell " + std::to_string(r) + ", " + std::to_string(c));
}

std::string DBGrid::textMatrix(int r, int c) const {
    checkCell(r, c);
    const GridColumn& column = columns()[static_cast<std::size_t>(c)];
    if (!pending_.empty() && r == row())
        for (const auto& [field, value] : pending_)
            if (core::text::equalsNoCase(field, column.dataField)) return value;
    const Row* stored = rowAt(r);
    if (!stored || static_cast<std::size_t>(c) >= stored->values.size()) return {};
    return cellText(stored->values[static_cast<std::size_t>(c)], column.numberFormat);
}

std::string DBGrid::text() const {
    int r = row();
    if (r < 0 || col_ >= cols()) return {};
    return textMatrix(r, col_);
}

void DBGrid::setText(std::string t) { setColumnText(col_, std::move(t)); }

std::string DBGrid::columnText(int c) const {
    if (c < 0 || c >= cols()) throw PropertyError(path() + ": there is no column " + std::to_string(c));
    int r = row();
    return r < 0 ? std::string() : textMatrix(r, c);
}

void DBGrid::setColumnText(int c, std::string t) {
    if (c < 0 || c >= cols()) throw PropertyError(path() + ": there is no column " + std::to_string(c));
    if (row() < 0) throw PropertyError(path() + ": there is no current row");
    std::string field = columnField(c);
    if (field.empty()) throw PropertyError(path() + ": column " + std::to_string(c) + " shows no field");
    if (isCounter(field)) throw PropertyError(path() + ": the field " + field + " is numbered by the store");
    editField(field, -1, std::move(t));
}

void DBGrid::editField(const std::string& field, int c, std::string t) {
    auto same = [&](const auto& p) { return core::text::equalsNoCase(p.first, field); };
    if (auto it = std::find_if(pending_.begin(), pending_.end(), same); it != pending_.end())
        it->second = std::move(t);
    else
        pending_.emplace_back(field, std::move(t));
    if (c >= 0 && col_ != c) {
        setEditing(false);
        col_ = c;
        changed("Col");
    }
    changed("TextMatrix");
}

// ---- the user

bool DBGrid::goToRow(int r) {
    if (!source_ || !source_->isOpen()) return false;
    if (r == row()) return true;
    if (r >= storedRows()) return source_->Recordset().AddNew().ok();
    const Row* target = rowAt(r);
    if (!target || !target->bookmark) return false;
    // A refused write of the row left has been shown to the clerk by the data control.
    return source_->moveTo(*target->bookmark).ok();
}

bool DBGrid::userSelect(int r, int c) {
    if (r < 0 || r >= rows()) throw PropertyError(path() + ": there is no row " + std::to_string(r));
    if (c >= cols()) throw PropertyError(path() + ": there is no column " + std::to_string(c));
    endEdit();
    raiseMouseDown();
    if (!form().isLoaded()) return true;
    goToRow(r);
    if (!form().isLoaded()) return true;
    if (c >= 0) setCol(c);
    raiseMouseUp();
    if (form().isLoaded()) raiseClick();
    return true;
}

bool DBGrid::isCounter(const std::string& field) const {
    db::Recordset* rs = source_ ? source_->recordset() : nullptr;
    if (!rs) return false;
    int k = rs->fieldIndex(field);
    return k >= 0 && rs->fields()[static_cast<std::size_t>(k)].kind == db::Kind::Counter;
}

bool DBGrid::takesTyping(int r, int c) const {
    bool addRow = r == storedRows();
    if (addRow ? !allowAddNew_ : !allowUpdate_) return false;
    std::string field = columnField(c);
    return !field.empty() && !isCounter(field);
}

bool DBGrid::userEditCell(int r, int c, std::string_view typed) {
    if (!source_ || !source_->isOpen()) return false;
    int existing = storedRows();
    if (r < 0 || r > existing || c < 0 || c >= cols())
        throw PropertyError(path() + ": there is no cell " + std::to_string(r) + ", " + std::to_string(c));
    if (!takesTyping(r, c)) return false;
    if (!goToRow(r) || !form().isLoaded()) return false;
    editField(columnField(c), c, std::string(typed));
    return true;
}

void DBGrid::setEditing(bool e) {
    if (assign(editing_, e)) changed("Editing");
}

void DBGrid::rememberEdits() {
    pendingBefore_ = pending_;
    colBefore_ = col_;
}

void DBGrid::beginEdit() {
    rememberEdits();
    setEditing(true);
}

void DBGrid::endEdit() { setEditing(false); }

void DBGrid::cancelEdit() {
    if (!editing_) return;
    setEditing(false);
    pending_ = pendingBefore_;
    if (assign(col_, colBefore_)) changed("Col");
    changed("TextMatrix");
}

void DBGrid::userKey(int keyAscii) {
    raiseKeyPress(keyAscii);
    if (keyAscii == 0 || !form().isLoaded()) return;
    if (keyAscii == kKeyReturn) return endEdit();
    if (keyAscii == kKeyEscape) return cancelEdit();
    if (!source_ || !source_->isOpen() || col_ < 0 || col_ >= cols()) return;
    int r = row();
    if (r < 0 && allowAddNew_) r = storedRows();
    if (r < 0 || !takesTyping(r, col_)) return;
    // The caret stands at the end of the cell's text; a cell not yet typed into starts empty,
    // or, for Backspace, as it shows.
    std::string text = editing_ || keyAscii == kKeyBack ? textMatrix(r, col_) : std::string();
    int caret = static_cast<int>(core::text::len(text)), selected = 0;
    if (!applyTypedKey(text, caret, selected, keyAscii, 0, false)) return;
    bool starting = !editing_;
    if (starting) {
        // The row is reached first (the add row begins a new row), so the edit taken back by
        // Escape is the row's own.
        if (!goToRow(r) || !form().isLoaded()) return;
        rememberEdits();
    }
    // The edit begins once the cell holds the key, so a host opening its editor then shows it.
    if (userEditCell(r, col_, text) && starting) setEditing(true);
}

bool DBGrid::userTab(bool backwards) {
    endEdit();
    int n = cols();
    if (!source_ || !source_->isOpen() || n == 0) return false;
    int r = row();
    if (r < 0) {
        if (rows() == 0 || backwards) return false;
        // Nothing current yet: the first cell.
        if (!goToRow(0) || !form().isLoaded()) return true;
        setCol(0);
        return true;
    }
    int c = col_ + (backwards ? -1 : 1);
    if (c >= 0 && c < n) {
        setCol(c);
        return true;
    }
    int next = r + (backwards ? -1 : 1);
    if (next < 0) return false;
    if (next >= rows()) {
        // Past the row being added: it is stored and the next one begun, as the clerk goes on
        // entering rows; past an untouched last row the grid is done.
        if (!adding() || pending_.empty()) return false;
        if (!source_->Recordset().AddNew() || !form().isLoaded()) return true;
    } else if (!goToRow(next) || !form().isLoaded()) {
        return true;
    }
    setCol(backwards ? n - 1 : 0);
    return true;
}

bool DBGrid::userDeleteRow() {
    if (!allowDelete_ || !source_ || !source_->isOpen()) return false;
    int r = row();
    if (r < 0 || r >= storedRows()) return false;
    return source_->userDeleteRow();
}

const PropertyList& DBGrid::properties() const {
    static const PropertyList list = [] {
        auto grid = [](const Object& o) -> const DBGrid& { return static_cast<const DBGrid&>(o); };
        Property cells;
        cells.name = "TextMatrix";
        cells.count = [grid](const Object& o) { return grid(o).rows(); };
        cells.columns = [grid](const Object& o) { return grid(o).cols(); };
        cells.get = [grid](const Object& o, int i) {
            int n = grid(o).cols();
            return n > 0 ? grid(o).textMatrix(i / n, i % n) : std::string();
        };
        // Columns(i).Text: the current row's cell of column i, written by code.
        Property columnText;
        columnText.name = "ColumnText";
        columnText.count = [grid](const Object& o) { return grid(o).cols(); };
        columnText.get = [grid](const Object& o, int i) { return grid(o).columnText(i); };
        columnText.set = [](Object& o, int i, std::string_view t) {
            static_cast<DBGrid&>(o).setColumnText(i, std::string(t));
        };
        auto column = [grid](std::string name, std::string (*read)(const DBGrid&, int)) {
            Property p;
            p.name = std::move(name);
            p.count = [grid](const Object& o) { return grid(o).cols(); };
            p.get = [grid, read](const Object& o, int i) { return read(grid(o), i); };
            return p;
        };
        return prop::join(
            {identityProperties(),
             boxProperties(),
             lookProperties(),
             tabProperties(),
             {
                 prop::readOnly("DataSource", &DBGrid::dataSourceName),
                 prop::of("AllowUpdate", &DBGrid::allowUpdate, &DBGrid::setAllowUpdate),
                 prop::of("AllowAddNew", &DBGrid::allowAddNew, &DBGrid::setAllowAddNew),
                 prop::of("AllowDelete", &DBGrid::allowDelete, &DBGrid::setAllowDelete),
                 prop::of("RecordSelectors", &DBGrid::recordSelectors, &DBGrid::setRecordSelectors),
                 prop::of("ColumnHeaders", &DBGrid::columnHeaders, &DBGrid::setColumnHeaders),
                 prop::of("RowDividerStyle", &DBGrid::rowDividerStyle, &DBGrid::setRowDividerStyle),
                 prop::of("ScrollBars", &DBGrid::scrollBars, &DBGrid::setScrollBars),
                 prop::readOnly("Rows", &DBGrid::rows),
                 prop::readOnly("Cols", &DBGrid::cols),
                 prop::of("Row", &DBGrid::row, &DBGrid::setRow),
                 prop::of("Col", &DBGrid::col, &DBGrid::setCol),
                 prop::of("Text", &DBGrid::text, &DBGrid::setText),
                 columnText,
                 cells,
                 column("ColumnCaption", [](const DBGrid& g, int i) { return g.columnCaption(i); }),
                 column("ColumnField", [](const DBGrid& g, int i) { return g.columnField(i); }),
                 column("ColumnWidth", [](const DBGrid& g, int i) { return prop::toText(g.columnWidth(i)); }),
                 column("ColumnFormat", [](const DBGrid& g, int i) { return g.columnFormat(i); }),
             }});
    }();
    return list;
}

}  // namespace pelk::ui
