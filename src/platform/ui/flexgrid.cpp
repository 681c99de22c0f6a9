#include "platform/ui/flexgrid.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace pelk::ui {

namespace {
// The legacy grid's column width before a screen sets one (64 pixels).
constexpr double kDefaultColWidth = 960;
}  // namespace

FlexGrid::FlexGrid(Form* form, std::string name, int index)
    : Control(form, std::move(name), ControlKind::FlexGrid, index) {
    setBackColor(0x80000005);
    setForeColor(0x80000008);
    cells_.assign(2, std::vector<std::string>(2));
    widths_.assign(2, kDefaultColWidth);
}

void FlexGrid::checkRow(int r) const {
    if (r < 0 || r >= rows()) throw PropertyError(path() + ": invalid Row value " + std::to_string(r));
}

void FlexGrid::checkCol(int c) const {
    if (c < 0 || c >= cols_) throw PropertyError(path() + ": invalid Col value " + std::to_string(c));
}

void FlexGrid::setRows(int n) {
    if (n < fixedRows_ || n < 0) throw PropertyError(path() + ": invalid Rows value " + std::to_string(n));
    if (n == rows()) return;
    cells_.resize(static_cast<std::size_t>(n), std::vector<std::string>(static_cast<std::size_t>(cols_)));
    rowData_.resize(static_cast<std::size_t>(n), 0);
    row_ = std::clamp(row_, 0, std::max(0, n - 1));
    rowSel_ = std::clamp(rowSel_, 0, std::max(0, n - 1));
    changed("Rows");
}

void FlexGrid::setCols(int n) {
    if (n < fixedCols_ || n < 0) throw PropertyError(path() + ": invalid Cols value " + std::to_string(n));
    if (n == cols_) return;
    cols_ = n;
    for (auto& r : cells_) r.resize(static_cast<std::size_t>(n));
    widths_.resize(static_cast<std::size_t>(n), kDefaultColWidth);
    col_ = std::clamp(col_, 0, std::max(0, n - 1));
    colSel_ = std::clamp(colSel_, 0, std::max(0, n - 1));
    changed("Cols");
}

void FlexGrid::setFixedRows(int n) {
    if (n < 0 || n > rows()) throw PropertyError(path() + ": invalid FixedRows value " + std::to_string(n));
    if (n == fixedRows_) return;
    fixedRows_ = n;
    changed("FixedRows");
}

void FlexGrid::setFixedCols(int n) {
    if (n < 0 || n > cols_) throw PropertyError(path() + ": invalid FixedCols value " + std::to_string(n));
    if (n == fixedCols_) return;
    fixedCols_ = n;
    changed("FixedCols");
}

void FlexGrid::setRow(int r) {
    checkRow(r);
    row_ = rowSel_ = r;
    changed("Row");
}

void FlexGrid::setCol(int c) {
    checkCol(c);
    col_ = colSel_ = c;
    changed("Col");
}

void FlexGrid::setRowSel(int r) {
    checkRow(r);
    rowSel_ = r;
    changed("RowSel");
}

void FlexGrid::setColSel(int c) {
    checkCol(c);
    colSel_ = c;
    changed("ColSel");
}

std::string FlexGrid::text() const {
    if (row_ >= rows() || col_ >= cols_) return {};
    return cells_[static_cast<std::size_t>(row_)][static_cast<std::size_t>(col_)];
}

void FlexGrid::setText(std::string t) { setTextMatrix(row_, col_, std::move(t)); }

std::string FlexGrid::textMatrix(int r, int c) const {
    checkRow(r);
    checkCol(c);
    return cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
}

void FlexGrid::setTextMatrix(int r, int c, std::string t) {
    checkRow(r);
    checkCol(c);
    std::string& cell = cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
    if (cell == t) return;
    cell = std::move(t);
    changed("TextMatrix");
}

double FlexGrid::colWidth(int c) const {
    checkCol(c);
    return widths_[static_cast<std::size_t>(c)];
}

void FlexGrid::setColWidth(int c, double width) {
    checkCol(c);
    // -1 puts the default width back, as in the legacy grid.
    double w = width < 0 ? kDefaultColWidth : width;
    if (widths_[static_cast<std::size_t>(c)] == w) return;
    widths_[static_cast<std::size_t>(c)] = w;
    changed("ColWidth");
}

long long FlexGrid::rowData(int r) const {
    checkRow(r);
    return rowData_[static_cast<std::size_t>(r)];
}

void FlexGrid::setRowData(int r, long long value) {
    checkRow(r);
    rowData_[static_cast<std::size_t>(r)] = value;
}

void FlexGrid::AddItem(std::string_view line, int at) {
    int n = rows();
    if (at < 0) at = n;
    if (at > n || at < fixedRows_) throw PropertyError(path() + ": AddItem cannot put a row at " + std::to_string(at));
    std::vector<std::string> r(static_cast<std::size_t>(cols_));
    std::size_t c = 0, from = 0;
    while (c < r.size()) {
        std::size_t tab = line.find('\t', from);
        r[c++] = std::string(line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
        if (tab == std::string_view::npos) break;
        from = tab + 1;
    }
    cells_.insert(cells_.begin() + at, std::move(r));
    rowData_.insert(rowData_.begin() + at, 0);
    changed("Rows");
}

void FlexGrid::RemoveItem(int at) {
    checkRow(at);
    if (at < fixedRows_) throw PropertyError(path() + ": RemoveItem cannot remove the fixed row " + std::to_string(at));
    if (rows() - fixedRows_ <= 1) throw PropertyError(path() + ": cannot remove the last row that is not fixed");
    cells_.erase(cells_.begin() + at);
    rowData_.erase(rowData_.begin() + at);
    int last = rows() - 1;
    row_ = std::min(row_, last);
    rowSel_ = std::min(rowSel_, last);
    changed("Rows");
}

void FlexGrid::setRedraw(bool r) {
    if (r == redraw_) return;
    redraw_ = r;
    changed("Redraw");
}

bool FlexGrid::userSelect(int r, int c) {
    if (c < 0) c = std::min(fixedCols_, cols_ - 1);
    checkRow(r);
    checkCol(c);
    mouseRow_ = r;
    mouseCol_ = c;
    raiseMouseDown();
    if (!form().isLoaded()) return true;
    if (r >= fixedRows_ && c >= fixedCols_) {
        row_ = rowSel_ = r;
        col_ = colSel_ = c;
        changed("Row");
    }
    raiseMouseUp();
    if (form().isLoaded()) raiseClick();
    return true;
}

const PropertyList& FlexGrid::properties() const {
    static const PropertyList list = [] {
        auto grid = [](const Object& o) -> const FlexGrid& { return static_cast<const FlexGrid&>(o); };
        Property cells;
        cells.name = "TextMatrix";
        cells.count = [grid](const Object& o) { return grid(o).rows(); };
        cells.columns = [grid](const Object& o) { return grid(o).cols(); };
        cells.get = [grid](const Object& o, int i) {
            int n = grid(o).cols();
            return n > 0 ? grid(o).textMatrix(i / n, i % n) : std::string();
        };
        cells.set = [](Object& o, int i, std::string_view t) {
            auto& g = static_cast<FlexGrid&>(o);
            g.setTextMatrix(i / g.cols(), i % g.cols(), std::string(t));
        };
        Property widths;
        widths.name = "ColWidth";
        widths.count = [grid](const Object& o) { return grid(o).cols(); };
        widths.get = [grid](const Object& o, int i) { return prop::toText(grid(o).colWidth(i)); };
        widths.set = [](Object& o, int i, std::string_view t) {
            static_cast<FlexGrid&>(o).setColWidth(i, prop::numberFrom(t));
        };
        return prop::join({identityProperties(),
                           boxProperties(),
                           lookProperties(),
                           tabProperties(),
                           {
                               prop::of("Rows", &FlexGrid::rows, &FlexGrid::setRows),
                               prop::of("Cols", &FlexGrid::cols, &FlexGrid::setCols),
                               prop::of("FixedRows", &FlexGrid::fixedRows, &FlexGrid::setFixedRows),
                               prop::of("FixedCols", &FlexGrid::fixedCols, &FlexGrid::setFixedCols),
                               prop::of("Row", &FlexGrid::row, &FlexGrid::setRow),
                               prop::of("Col", &FlexGrid::col, &FlexGrid::setCol),
                               prop::of("RowSel", &FlexGrid::rowSel, &FlexGrid::setRowSel),
                               prop::of("ColSel", &FlexGrid::colSel, &FlexGrid::setColSel),
                               prop::of("Text", &FlexGrid::text, &FlexGrid::setText),
                               cells,
                               widths,
                               prop::readOnly("MouseRow", &FlexGrid::mouseRow),
                               prop::readOnly("MouseCol", &FlexGrid::mouseCol),
                               prop::of("Redraw", &FlexGrid::redraw, &FlexGrid::setRedraw),
                           }});
    }();
    return list;
}

}  // namespace pelk::ui
