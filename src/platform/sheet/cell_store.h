#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/value.h"

namespace pelk::sheet {

// The cells of one sheet, in as little memory as the order of filling allows. An export fills
// its rows top to bottom, so a row the filling has gone past is written to a private temporary
// file, in row order, and memory holds only the row being filled. A cell written behind the rows
// gone past (a heading written last, a total put back in an earlier row) is kept aside and wins
// over the file; once too many cells are held either way, everything is merged into a fresh file.
// Whatever the order, the cells read back are the ones last written.
class CellStore {
public:
    // A row's cells by column, ascending; never a Null.
    using Row = std::vector<std::pair<int, core::Value>>;

    // At most this many cells are held in memory at once, whatever the order of filling.
    static constexpr std::size_t kHeldCells = 1 << 16;

    CellStore() = default;
    ~CellStore();
    CellStore(const CellStore&) = delete;
    CellStore& operator=(const CellStore&) = delete;

    // A Null empties the cell.
    void set(int row, int column, core::Value v);
    core::Value get(int row, int column) const;
    // Every row from first to last that holds a cell, in row order. False when the file could
    // not be read back (see error()).
    bool forEachRow(int firstRow, int lastRow, const std::function<void(int row, const Row& cells)>& visit) const;
    // Why cells could not be kept or read back: "" while nothing was lost.
    const std::string& error() const { return error_; }

private:
    class Reader;
    void passRowsBelow(int row);
    void append(int row, const Row& cells);
    bool flushPending() const;
    void mergeIntoNewFile();
    void fail(const std::string& why) const;

    // Rows past the file's last row, not yet gone past.
    std::map<std::pair<int, int>, core::Value> open_;
    // Cells written into rows the file already covers; a Null empties the file's cell.
    std::map<std::pair<int, int>, core::Value> behind_;
    // The file of rows gone past: records appended in row order, the last ones still in pending_.
    std::FILE* file_ = nullptr;
    int fileLastRow_ = 0;
    mutable std::string pending_;
    mutable std::uint64_t written_ = 0;
    mutable std::string error_;
};

}  // namespace pelk::sheet
