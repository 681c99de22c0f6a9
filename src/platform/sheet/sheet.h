#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/value.h"
#include "platform/sheet/cell_store.h"

// The spreadsheet application the exports drive, as a facade of its automation members: new
// workbooks, cells by row and column, ranges and whole columns, selection, number formats,
// bold, column fitting, visibility and print preview. Behind it, each workbook becomes a real
// .xlsx file in the export folder, written when the workbook is shown to the user, and opened
// with the desktop's default program where there is one. Used from the screen's thread only.
// Cells may be set in any order, but a sheet filled top to bottom holds only the row being
// filled in memory (see CellStore), and is written a row at a time.
namespace pelk::sheet {

inline constexpr int kMaxRow = 1048576;
inline constexpr int kMaxColumn = 16384;

// A block of cells, 1-based and inclusive; a whole column runs from row 1 to kMaxRow.
struct Area {
    int firstRow = 1, firstColumn = 1, lastRow = 1, lastColumn = 1;
    bool wholeColumns() const { return firstRow == 1 && lastRow == kMaxRow; }
    bool contains(int row, int column) const {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
    friend bool operator==(const Area&, const Area&) = default;
};

// "A1", "$B$2", "A1:N1", "C:C", "A:N" (letters without regard to case); nothing for anything else.
std::optional<Area> parseAddress(std::string_view address);
// 1 → "A", 27 → "AA".
std::string columnLetters(int column);

class Application;
class Worksheet;

// A range handed out by the automation; it acts on its sheet at once. A range from an
// address that could not be read is empty, and every call on it does nothing, as a failed
// automation step is skipped.
class CellRange {
public:
    CellRange() = default;
    CellRange(Worksheet* sheet, Area area) : sheet_(sheet), area_(area) {}
    bool valid() const { return sheet_ != nullptr; }
    const Area& area() const { return area_; }

    void setValue(const core::Value& v);  // every cell of the range
    void setNumberFormat(const std::string& code);
    void setFontBold(bool bold);
    // Fits the width of every column of the range to what its cells show now.
    void AutoFit();
    // Makes the range the application's selection.
    void Select();

private:
    Worksheet* sheet_ = nullptr;
    Area area_;
};

class Worksheet {
public:
    Worksheet(Application* app, std::string name) : app_(app), name_(std::move(name)) {}
    const std::string& Name() const { return name_; }

    CellRange Cells(int row, int column);
    CellRange Columns(std::string_view letters);  // "C:C", "A:N"
    CellRange Range(std::string_view address);

    // What a cell holds (Null when nothing was written).
    core::Value value(int row, int column) const;

private:
    friend class CellRange;
    friend class Workbook;
    // The number format ("" none) and boldness a cell takes from the ranges given, or from the
    // whole columns alone.
    struct Style {
        const std::string* numberFormat;
        bool bold;
    };
    Style styleAt(int row, int column, bool wholeColumnsOnly) const;

    Application* app_;
    std::string name_;
    CellStore cells_;
    // In the order given; a later entry wins where two cover one cell.
    std::vector<std::pair<Area, std::string>> numberFormats_;
    std::vector<std::pair<Area, bool>> bold_;
    std::map<int, double> widths_;
};

class Workbook {
public:
    Workbook(Application* app, std::string name);
    const std::string& Name() const { return name_; }
    Worksheet& ActiveSheet() { return sheet_; }

    // Hands the workbook to the user: writes it as an .xlsx file into the export folder
    // (again when it changed since) and opens it with the desktop's default program the first
    // time. Returns "" or why it could not be written.
    std::string show();
    // The desktop programs have no preview to ask for: the workbook is shown, ready to print.
    std::string PrintPreview() { return show(); }
    // The file it is written to (the export folder and the workbook's name).
    std::filesystem::path path() const;

private:
    std::string name_;
    Worksheet sheet_;
    bool opened_ = false;
};

class Application {
public:
    // The application this program already runs, as attaching to a running instance does.
    static std::shared_ptr<Application> running();
    // Starts the application (and makes it the running one). Nothing, with the reason in
    // `error`, when the export folder cannot be made or written: the screen tells the user.
    static std::shared_ptr<Application> start(std::string* error = nullptr);
    // Forgets the running application; for tests, as the screens never tell it to quit.
    static void forgetRunning();

    bool Visible = false;

    class WorkbookList {
    public:
        // A new workbook named "Book" and a number, with one sheet "Sheet1"; it becomes active.
        Workbook& Add();
        int Count() const { return static_cast<int>(books_.size()); }

    private:
        friend class Application;
        Application* app_ = nullptr;
        int next_ = 1;
        std::vector<std::unique_ptr<Workbook>> books_;
    } Workbooks;

    // The workbook added last; one is added when there is none, so a step on it never fails.
    Workbook& ActiveWorkbook();
    Worksheet& ActiveSheet() { return ActiveWorkbook().ActiveSheet(); }
    CellRange Range(std::string_view address) { return ActiveSheet().Range(address); }
    CellRange Selection();

    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

private:
    friend class CellRange;
    CellRange selection_;
};

// Opens a written workbook where the user sees it. The default runs `xdg-open` on a
// background thread when the desktop has it; tests install their own (or nothing).
using DesktopOpener = std::function<void(const std::filesystem::path&)>;
void setDesktopOpener(DesktopOpener opener);

}  // namespace pelk::sheet
