#include "platform/sheet/sheet.h"

#include <spawn.h>
#include <sys/wait.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>
#include <thread>

#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"

extern char** environ;

namespace pelk::sheet {

namespace fs = std::filesystem;

namespace {

std::shared_ptr<Application>& runningApp() {
    static std::shared_ptr<Application> app;
    return app;
}

void openWithDesktop(const fs::path& file) {
    std::thread([file] {
        std::string program = "xdg-open", arg = file.string();
        char* argv[] = {program.data(), arg.data(), nullptr};
        pid_t pid;
        if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) return;  // no desktop here
        int status;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

DesktopOpener& opener() {
    static DesktopOpener o = openWithDesktop;
    return o;
}

void setError(std::string* error, std::string why) {
    if (error) *error = std::move(why);
}

// Reads column letters from s at i; 0 when there are none or they run past the last column.
int readColumn(std::string_view s, std::size_t& i) {
    int col = 0;
    std::size_t start = i;
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) {
        col = col * 26 + (std::toupper(static_cast<unsigned char>(s[i])) - 'A' + 1);
        if (col > kMaxColumn) return 0;
        ++i;
    }
    return i == start ? 0 : col;
}

int readRow(std::string_view s, std::size_t& i) {
    long row = 0;
    std::size_t start = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        row = row * 10 + (s[i] - '0');
        if (row > kMaxRow) return 0;
        ++i;
    }
    return i == start ? 0 : static_cast<int>(row);
}

// One end of an address: "A1", "$A$1" or a column alone ("C").
struct End {
    int row = 0, column = 0;
};

std::optional<End> readEnd(std::string_view s) {
    std::size_t i = 0;
    End e;
    if (i < s.size() && s[i] == '$') ++i;
    e.column = readColumn(s, i);
    if (!e.column) return std::nullopt;
    if (i < s.size() && s[i] == '$') ++i;
    if (i < s.size()) {
        e.row = readRow(s, i);
        if (!e.row) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return e;
}

enum class FormatKind { General, Number, DateTime };

// A format code shows numbers when it has digit places, dates and times when it has their
// letters; quoted text and bracketed parts ([Red], [h]) are looked through.
FormatKind kindOf(std::string_view code) {
    std::string section(code.substr(0, code.find(';')));
    bool digits = false, dates = false;
    bool quoted = false;
    for (std::size_t i = 0; i < section.size(); ++i) {
        char c = section[i];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '_' || c == '\\') {
            ++i;
            continue;
        }
        char l = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (c == '0' || c == '#') digits = true;
        if (l == 'd' || l == 'm' || l == 'y' || l == 'h' || l == 's') dates = true;
    }
    if (digits) return FormatKind::Number;
    if (dates) return FormatKind::DateTime;
    return FormatKind::General;
}

double excelSerial(const core::DateTime& dt) {
    static const std::int64_t kEpoch = core::toDayNumber(core::Date{1899, 12, 30});
    return static_cast<double>(core::toDayNumber(dt.date) - kEpoch) + core::secondsOfDay(dt.time) / 86400.0;
}

const core::Date kZeroDate{};

std::string defaultDateFormat(const core::DateTime& dt) {
    if (dt.date == kZeroDate) return "h:mm:ss AM/PM";
    if (dt.time == core::Time{}) return "m/d/yyyy";
    return "m/d/yyyy h:mm:ss AM/PM";
}

// Characters as a column shows them: East Asian characters take two places.
double displayWidth(std::string_view s) {
    double w = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80) continue;
        w += c >= 0xE2 ? 2 : 1;
    }
    return w;
}

// What a cell shows under a number format, near enough to fit its column.
std::string shownText(const core::Value& v, const std::string& code) {
    if (v.isNull()) return {};
    FormatKind kind = kindOf(code);
    if (kind == FormatKind::DateTime) {
        if (code.find("AM/PM") != std::string::npos) return "12:00 PM";
        if (code.find("[h]") != std::string::npos) return "000:00";
        return code.find("yyyy") != std::string::npos ? "12/31/2026" : "12/31/26";
    }
    if (kind == FormatKind::Number && (v.isNumber() || core::Money::parse(v.toText()))) {
        std::string first = code.substr(0, code.find(';'));
        std::string padded;
        for (std::size_t i = 0; i < first.size(); ++i) {
            if (first[i] == '_') {
                padded += ' ';
                ++i;
            } else {
                padded += first[i];
            }
        }
        return core::format(v.toText(), padded);
    }
    if (v.isDate()) {
        const auto& dt = std::get<core::DateTime>(v.storage());
        return core::generalDate(dt);
    }
    return v.toText();
}

}  // namespace

std::optional<Area> parseAddress(std::string_view address) {
    std::string_view a = address;
    std::size_t colon = a.find(':');
    auto first = readEnd(a.substr(0, colon));
    if (!first) return std::nullopt;
    End last = *first;
    if (colon != std::string_view::npos) {
        auto second = readEnd(a.substr(colon + 1));
        if (!second) return std::nullopt;
        last = *second;
    }
    // Both ends name a row, or neither does (whole columns).
    if ((first->row == 0) != (last.row == 0)) return std::nullopt;
    if (first->row == 0 && colon == std::string_view::npos) return std::nullopt;
    Area area;
    area.firstColumn = std::min(first->column, last.column);
    area.lastColumn = std::max(first->column, last.column);
    if (first->row == 0) {
        area.firstRow = 1;
        area.lastRow = kMaxRow;
    } else {
        area.firstRow = std::min(first->row, last.row);
        area.lastRow = std::max(first->row, last.row);
    }
    return area;
}

std::string columnLetters(int column) {
    std::string out;
    while (column > 0) {
        int r = (column - 1) % 26;
        out.insert(out.begin(), static_cast<char>('A' + r));
        column = (column - 1) / 26;
    }
    return out;
}

void CellRange::setValue(const core::Value& v) {
    if (!sheet_ || area_.wholeColumns()) return;  // a whole column of values is never meant here
    for (int r = area_.firstRow; r <= area_.lastRow; ++r) {
        for (int c = area_.firstColumn; c <= area_.lastColumn; ++c) sheet_->cells_.set(r, c, v);
    }
}

void CellRange::setNumberFormat(const std::string& code) {
    if (sheet_) sheet_->numberFormats_.emplace_back(area_, code);
}

void CellRange::setFontBold(bool bold) {
    if (sheet_) sheet_->bold_.emplace_back(area_, bold);
}

void CellRange::AutoFit() {
    if (!sheet_) return;
    const int first = area_.firstColumn;
    std::vector<double> widest(static_cast<std::size_t>(area_.lastColumn - first + 1), 0.0);
    // One pass over the rows for every column of the range: the rows may lie in the cell store's file.
    sheet_->cells_.forEachRow(area_.firstRow, area_.lastRow, [&](int r, const CellStore::Row& cells) {
        for (const auto& [c, v] : cells) {
            if (c < first || c > area_.lastColumn) continue;
            Worksheet::Style style = sheet_->styleAt(r, c, false);
            double& w = widest[static_cast<std::size_t>(c - first)];
            w = std::max(w, displayWidth(shownText(v, *style.numberFormat)) * (style.bold ? 1.1 : 1.0));
        }
    });
    for (int c = first; c <= area_.lastColumn; ++c) {
        double w = widest[static_cast<std::size_t>(c - first)];
        if (w > 0)
            sheet_->widths_[c] = w + 1.0;
        else
            sheet_->widths_.erase(c);
    }
}

void CellRange::Select() {
    if (sheet_) sheet_->app_->selection_ = *this;
}

CellRange Worksheet::Cells(int row, int column) {
    if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn) return {};
    return CellRange(this, Area{row, column, row, column});
}

CellRange Worksheet::Columns(std::string_view letters) {
    auto a = parseAddress(letters);
    if (!a || !a->wholeColumns()) return {};
    return CellRange(this, *a);
}

CellRange Worksheet::Range(std::string_view address) {
    auto a = parseAddress(address);
    return a ? CellRange(this, *a) : CellRange();
}

core::Value Worksheet::value(int row, int column) const { return cells_.get(row, column); }

Worksheet::Style Worksheet::styleAt(int row, int column, bool wholeColumnsOnly) const {
    static const std::string kGeneral;
    Style style{&kGeneral, false};
    for (const auto& [a, f] : numberFormats_) {
        if ((!wholeColumnsOnly || a.wholeColumns()) && a.contains(row, column)) style.numberFormat = &f;
    }
    for (const auto& [a, b] : bold_) {
        if ((!wholeColumnsOnly || a.wholeColumns()) && a.contains(row, column)) style.bold = b;
    }
    return style;
}

Workbook::Workbook(Application* app, std::string name) : name_(std::move(name)), sheet_(app, "Sheet1") {}

fs::path Workbook::path() const { return os::exportFolder() / (name_ + ".xlsx"); }

std::string Workbook::show() {
    os::makeFolders(os::exportFolder());
    const fs::path file = path();
    // Written a row at a time, each row let go once the next one starts, so a workbook of any
    // length takes the memory of a row.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* wb = workbook_new_opt(file.c_str(), &options);
    if (!wb) return "Cannot write " + file.string();
    lxw_worksheet* ws = workbook_add_worksheet(wb, sheet_.name_.c_str());

    std::map<std::pair<std::string, bool>, lxw_format*> formats;
    auto formatFor = [&](const std::string& code, bool bold) -> lxw_format* {
        if (code.empty() && !bold) return nullptr;
        auto& f = formats[{code, bold}];
        if (!f) {
            f = workbook_add_format(wb);
            if (!code.empty()) format_set_num_format(f, code.c_str());
            if (bold) format_set_bold(f);
        }
        return f;
    };

    // Columns with a width or a format of their own; the format reaches their empty cells too.
    std::map<int, bool> columns;
    for (const auto& [c, w] : sheet_.widths_) columns[c] = true;
    for (const auto& [a, f] : sheet_.numberFormats_) {
        if (a.wholeColumns()) {
            for (int c = a.firstColumn; c <= a.lastColumn; ++c) columns[c] = true;
        }
    }
    for (const auto& [a, b] : sheet_.bold_) {
        if (a.wholeColumns()) {
            for (int c = a.firstColumn; c <= a.lastColumn; ++c) columns[c] = true;
        }
    }
    for (const auto& [c, unused] : columns) {
        Worksheet::Style style = sheet_.styleAt(1, c, true);
        auto w = sheet_.widths_.find(c);
        worksheet_set_column(ws, static_cast<lxw_col_t>(c - 1), static_cast<lxw_col_t>(c - 1),
                             w == sheet_.widths_.end() ? LXW_DEF_COL_WIDTH : w->second,
                             formatFor(*style.numberFormat, style.bold));
    }

    auto write = [&](int row, int col, const core::Value& v) {
        Worksheet::Style style = sheet_.styleAt(row, col, false);
        const std::string& code = *style.numberFormat;
        const bool bold = style.bold;
        const auto r = static_cast<lxw_row_t>(row - 1);
        const auto c = static_cast<lxw_col_t>(col - 1);
        const auto& s = v.storage();
        if (const auto* text = std::get_if<std::string>(&s)) {
            // A text that reads as what a formatted column shows (a date, a time, an amount)
            // goes in as that value, as typing it would; elsewhere a text stays text, so card
            // numbers, phones and zip codes keep every digit.
            FormatKind kind = kindOf(code);
            if (kind == FormatKind::DateTime) {
                if (auto dt = core::parseDateTime(*text)) {
                    worksheet_write_number(ws, r, c, excelSerial(*dt), formatFor(code, bold));
                    return;
                }
            } else if (kind == FormatKind::Number) {
                if (auto m = core::Money::parse(*text)) {
                    worksheet_write_number(ws, r, c, m->toDouble(), formatFor(code, bold));
                    return;
                }
            }
            worksheet_write_string(ws, r, c, text->c_str(), formatFor(code, bold));
        } else if (const auto* dt = std::get_if<core::DateTime>(&s)) {
            worksheet_write_number(ws, r, c, excelSerial(*dt),
                                   formatFor(code.empty() ? defaultDateFormat(*dt) : code, bold));
        } else if (const auto* b = std::get_if<bool>(&s)) {
            worksheet_write_boolean(ws, r, c, *b, formatFor(code, bold));
        } else if (const auto* m = std::get_if<core::Money>(&s)) {
            worksheet_write_number(ws, r, c, m->toDouble(), formatFor(code, bold));
        } else {
            worksheet_write_number(ws, r, c, v.toDouble(), formatFor(code, bold));
        }
    };
    const bool read = sheet_.cells_.forEachRow(1, kMaxRow, [&](int row, const CellStore::Row& cells) {
        for (const auto& [col, v] : cells) write(row, col, v);
    });
    lxw_error rc = workbook_close(wb);
    if (!read) {
        // Rows are missing: no file rather than a workbook short of them.
        std::error_code ec;
        fs::remove(file, ec);
        return "Cannot write " + file.string() + ": " + sheet_.cells_.error();
    }
    if (rc != LXW_NO_ERROR) return "Cannot write " + file.string() + ": " + lxw_strerror(rc);
    os::makeFilePrivate(file);
    if (!opened_) {
        opened_ = true;
        if (opener()) opener()(file);
    }
    return {};
}

Workbook& Application::WorkbookList::Add() {
    // Excel's own names; a number whose file is already in the export folder is passed over,
    // so an earlier export is never written over.
    std::string name;
    std::error_code ec;
    do {
        name = "Book" + std::to_string(next_++);
    } while (fs::exists(os::exportFolder() / (name + ".xlsx"), ec));
    books_.push_back(std::make_unique<Workbook>(app_, name));
    app_->selection_ = books_.back()->ActiveSheet().Cells(1, 1);
    return *books_.back();
}

Application::Application() { Workbooks.app_ = this; }

std::shared_ptr<Application> Application::running() { return runningApp(); }

std::shared_ptr<Application> Application::start(std::string* error) {
    fs::path folder = os::exportFolder();
    std::error_code ec;
    if (!os::makeFolders(folder)) {
        setError(error, "Cannot make the export folder " + folder.string());
        return nullptr;
    }
    fs::path probe = folder / ".pelk-probe";
    if (!std::ofstream(probe)) {
        setError(error, "Cannot write in the export folder " + folder.string());
        return nullptr;
    }
    fs::remove(probe, ec);
    runningApp() = std::make_shared<Application>();
    return runningApp();
}

void Application::forgetRunning() { runningApp().reset(); }

Workbook& Application::ActiveWorkbook() {
    if (Workbooks.books_.empty()) return Workbooks.Add();
    return *Workbooks.books_.back();
}

CellRange Application::Selection() {
    if (!selection_.valid()) selection_ = ActiveSheet().Cells(1, 1);
    return selection_;
}

void setDesktopOpener(DesktopOpener o) { opener() = std::move(o); }

}  // namespace pelk::sheet
