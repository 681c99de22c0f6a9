#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"

namespace pelk::ui {

// The legacy flexible grid: a table of texts the screen writes itself (the folio lines). Rows and
// columns count from 0, the fixed ones (headings) first. Row and Col name the current cell, whose
// text is Text; a user's click on a cell sets MouseRow and MouseCol, makes the cell current when
// it is not fixed, and raises MouseDown, MouseUp and Click. A row or column outside the grid is a
// PropertyError, as the legacy grid raised its "Invalid Row value".
class FlexGrid : public Control {
public:
    FlexGrid(Form* form, std::string name, int index = -1);

    int rows() const { return static_cast<int>(cells_.size()); }
    // Adds empty rows at the end or drops the last ones; the current row stays inside.
    void setRows(int n);
    int cols() const { return cols_; }
    void setCols(int n);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int n);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int n);

    int row() const { return row_; }
    // Also makes the selection that one row, as the legacy grid does.
    void setRow(int r);
    int col() const { return col_; }
    void setCol(int c);
    int rowSel() const { return rowSel_; }
    void setRowSel(int r);
    int colSel() const { return colSel_; }
    void setColSel(int c);

    // The current cell's text.
    std::string text() const;
    void setText(std::string t);
    std::string textMatrix(int r, int c) const;
    void setTextMatrix(int r, int c, std::string t);
    // A number the screen keeps with a row (the legacy RowData): it moves with its row when rows
    // are added or removed above it, and a new row starts at 0.
    long long rowData(int r) const;
    void setRowData(int r, long long value);
    // In twips.
    double colWidth(int c) const;
    void setColWidth(int c, double width);

    // Adds a row at `at` (the end when -1) holding a tab-separated line, one text per column from
    // column 0; texts beyond the last column are dropped.
    void AddItem(std::string_view line, int at = -1);
    // Removes a row; neither a fixed row nor the last row that is not fixed can go.
    void RemoveItem(int at);

    // The cell under the pointer at the last click.
    int mouseRow() const { return mouseRow_; }
    int mouseCol() const { return mouseCol_; }
    // False while the screen rewrites many cells: the host holds its painting until True again.
    bool redraw() const { return redraw_; }
    void setRedraw(bool r);

    bool takesFocus() const override { return true; }
    // A click on a cell; without a column, on the first column that is not fixed.
    bool userSelect(int row, int column) override;
    const PropertyList& properties() const override;

private:
    void checkRow(int r) const;
    void checkCol(int c) const;

    std::vector<std::vector<std::string>> cells_;
    std::vector<long long> rowData_ = std::vector<long long>(2);
    std::vector<double> widths_;
    int cols_ = 2;
    int fixedRows_ = 1, fixedCols_ = 1;
    int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
    int mouseRow_ = 0, mouseCol_ = 0;
    bool redraw_ = true;
};

}  // namespace pelk::ui
