#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace pelk::test {

// A written workbook read back from its parts, as another program would read it: the first
// sheet's cells, their texts (shared or written in the cell), the cell and column styles. The
// sheet is read once, so a workbook of many thousand rows is read back as fast as it was written.
class ReadBack {
public:
    explicit ReadBack(const std::filesystem::path& xlsx);

    bool has(const std::string& ref) const { return cells_.count(ref) > 0; }
    // The cell's text, or its number as written.
    std::string value(const std::string& ref) const;
    // The cell's type: "s" a text (shared or written in the cell), "b" a yes/no, "" a number.
    std::string type(const std::string& ref) const;
    std::string numberFormat(const std::string& ref) const;
    bool bold(const std::string& ref) const;
    // The width and number format a column is given (for its empty cells too).
    std::string columnWidth(int column) const;
    std::string columnFormat(int column) const;
    // The number of the last row holding a cell; 0 for an empty sheet.
    int lastRow() const { return lastRow_; }
    // The sheet and the styles as written, to compare two workbooks whole.
    const std::string& sheetXml() const { return sheet_; }
    const std::string& stylesXml() const { return styles_; }

private:
    struct Cell {
        std::string element;  // the opening tag, with its attributes
        std::string v;        // the content of its <v>, or its text when written in the cell
        bool inlineText = false;
    };
    std::string colElement(int column) const;
    std::string formatOfStyle(const std::string& style) const;

    std::string sheet_, styles_;
    std::vector<std::string> strings_;
    std::map<std::string, Cell> cells_;
    int lastRow_ = 0;
};

}  // namespace pelk::test
