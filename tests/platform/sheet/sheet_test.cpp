#include "platform/sheet/sheet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/os/paths.h"
#include "support/sheet_read_back.h"
#include "support/temp_root.h"

namespace pelk::sheet {
namespace {

namespace fs = std::filesystem;
using test::ReadBack;

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application::forgetRunning();
        setDesktopOpener([this](const fs::path& p) { opened.push_back(p); });
    }
    void TearDown() override {
        Application::forgetRunning();
        setDesktopOpener(nullptr);
    }
    test::TempRoot root;
    std::vector<fs::path> opened;
};

// The reservation list export, step for step as the list screen drives it.
TEST_F(SheetTest, AnExportIsARealWorkbookWithValuesFormatsBoldHeadersAndFittedColumns) {
    std::shared_ptr<Application> excel = Application::running();
    ASSERT_EQ(excel, nullptr);
    std::string why;
    excel = Application::start(&why);
    ASSERT_NE(excel, nullptr) << why;
    EXPECT_EQ(Application::running(), excel);
    if (!excel->Visible) excel->Visible = true;

    excel->Workbooks.Add();
    Worksheet& ws = excel->ActiveSheet();
    const char* headers[] = {"Clerk ID", "Date In", "Date Out", "Last Name", "First Name", "Room", "Price",
                             "Paid",     "Phone",   "Card #",   "Exp.",      "Address",    "City", "State"};
    for (int c = 1; c <= 14; ++c) ws.Cells(1, c).setValue(headers[c - 1]);
    const std::vector<std::vector<core::Value>> rows = {
        {"1234", "12/10/2026", "12/12/2026", "Lee", "Ann", "101", "240.00", core::Null{}, "5550100", "4111111111111111",
         "1227", "12 Harbour Road, Apartment 4", "Boston", "MA"},
        {"1234", "12/11/2026", "12/12/2026", "O'Neil", "Bo", "102", "1,080.50", "$80.00", "02134", "", "", "1 Main St",
         "Salem", "MA"},
    };
    int row = 2;
    for (const auto& r : rows) {
        for (int c = 1; c <= 14; ++c) ws.Cells(row, c).setValue(r[c - 1]);
        ++row;
    }
    for (const auto& [col, code] :
         {std::pair{"C:C", "m/d/yy_);(m/d/yy)"}, std::pair{"B:B", "m/d/yy_);(m/d/yy)"},
          std::pair{"H:H", "$#,##0.00_);($#,##0.00)"}, std::pair{"G:G", "$#,##0.00_);($#,##0.00)"}}) {
        ws.Columns(col).Select();
        excel->Selection().setNumberFormat(code);
    }
    excel->Range("A1:N1").Select();
    excel->Selection().setFontBold(true);
    excel->ActiveSheet().Columns("A:N").AutoFit();
    excel->Range("A1").Select();
    ASSERT_EQ(excel->ActiveWorkbook().show(), "");

    const fs::path file = os::exportFolder() / "Book1.xlsx";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(opened, std::vector<fs::path>{file});

    ReadBack book(file);
    EXPECT_EQ(book.value("A1"), "Clerk ID");
    EXPECT_TRUE(book.bold("A1"));
    EXPECT_TRUE(book.bold("N1"));
    EXPECT_FALSE(book.bold("A2"));
    EXPECT_EQ(book.numberFormat("B1"), "m/d/yy_);(m/d/yy)") << "a header keeps its column's format with bold";
    EXPECT_EQ(book.value("B2"), "46366");  // 12/10/2026 as a date
    EXPECT_EQ(book.numberFormat("B2"), "m/d/yy_);(m/d/yy)");
    EXPECT_EQ(book.value("C2"), "46368");
    EXPECT_EQ(book.value("G3"), "1080.5");
    EXPECT_EQ(book.numberFormat("G3"), "$#,##0.00_);($#,##0.00)");
    EXPECT_EQ(book.value("H3"), "80");
    EXPECT_FALSE(book.has("H2")) << "a Null field leaves its cell empty";
    EXPECT_EQ(book.columnFormat(8), "$#,##0.00_);($#,##0.00)") << "empty cells of the column are formatted too";
    // Unformatted columns keep texts as texts: every digit of a card, a phone or a zip code.
    EXPECT_EQ(book.value("J2"), "4111111111111111");
    EXPECT_EQ(book.type("J2"), "s");
    EXPECT_EQ(book.value("I3"), "02134");
    EXPECT_EQ(book.value("D3"), "O'Neil");
    // Fitted: the long address column is wider than the state column.
    ASSERT_FALSE(book.columnWidth(12).empty());
    ASSERT_FALSE(book.columnWidth(14).empty());
    EXPECT_GT(std::stod(book.columnWidth(12)), 25.0);
    EXPECT_LT(std::stod(book.columnWidth(14)), 8.43);
}

TEST_F(SheetTest, TimesAndAmountsInTheirColumnsAndValuesAsGiven) {
    auto excel = Application::start();
    ASSERT_NE(excel, nullptr);
    Worksheet& ws = excel->Workbooks.Add().ActiveSheet();
    ws.Cells(2, 1).setValue("2:05:09 PM");
    ws.Cells(3, 1).setValue("not a time");
    ws.Cells(2, 2).setValue(core::Money::fromUnits(125000));
    ws.Cells(2, 3).setValue(42);
    ws.Cells(2, 4).setValue(core::DateTime{core::Date{2026, 12, 10}, core::Time{}});
    ws.Cells(2, 5).setValue(true);
    ws.Columns("A:A").Select();
    excel->Selection().setNumberFormat("h:mm AM/PM");
    ASSERT_EQ(excel->ActiveWorkbook().PrintPreview(), "");

    ReadBack book(excel->ActiveWorkbook().path());
    EXPECT_NEAR(std::stod(book.value("A2")), 0.5869097, 1e-6);
    EXPECT_EQ(book.numberFormat("A2"), "h:mm AM/PM");
    EXPECT_EQ(book.value("A3"), "not a time");
    EXPECT_EQ(book.value("B2"), "12.5");
    EXPECT_EQ(book.value("C2"), "42");
    EXPECT_EQ(book.value("D2"), "46366");
    EXPECT_EQ(book.numberFormat("D2"), "m/d/yyyy");
    EXPECT_EQ(book.type("E2"), "b");
}

TEST_F(SheetTest, EachExportIsANewWorkbookAndNoEarlierFileIsWrittenOver) {
    fs::create_directories(os::exportFolder());
    std::ofstream(os::exportFolder() / "Book1.xlsx") << "kept from yesterday";
    auto excel = Application::start();
    ASSERT_NE(excel, nullptr);

    Workbook& first = excel->Workbooks.Add();
    first.ActiveSheet().Cells(1, 1).setValue("Invoice");
    ASSERT_EQ(first.show(), "");
    Workbook& second = excel->Workbooks.Add();
    EXPECT_EQ(&excel->ActiveWorkbook(), &second);
    ASSERT_EQ(second.show(), "");
    EXPECT_EQ(excel->Workbooks.Count(), 2);
    EXPECT_EQ(first.Name(), "Book2");
    EXPECT_EQ(second.Name(), "Book3");
    EXPECT_EQ(ReadBack(first.path()).value("A1"), "Invoice");
    EXPECT_FALSE(ReadBack(second.path()).has("A1"));

    // Shown again after a change: written again, opened once.
    first.ActiveSheet().Cells(1, 1).setValue("Type");
    ASSERT_EQ(first.PrintPreview(), "");
    EXPECT_EQ(ReadBack(first.path()).value("A1"), "Type");
    EXPECT_EQ(opened.size(), 2u);
    std::ifstream kept(os::exportFolder() / "Book1.xlsx");
    std::string text((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "kept from yesterday");
}

// A sheet filled otherwise than top to bottom (the heading after the rows, the formats and bold
// before them, the rows bottom up, a cell rewritten or emptied after its row was passed) is
// written as the very file the exports' own order gives.
TEST_F(SheetTest, AnyOrderOfFillingWritesTheSameWorkbook) {
    auto excel = Application::start();
    ASSERT_NE(excel, nullptr);
    constexpr int kRows = 3000;
    const char* headers[] = {"Room", "Date In", "Guest", "Price", "Card #", "Paid"};
    auto cell = [](int row, int column) -> core::Value {
        switch (column) {
            case 1:
                return row;
            case 2:
                return core::DateTime{core::Date{2026, 1, 1 + row % 28}, core::Time{}};
            case 3:
                return row % 3 ? "Guest " + std::to_string(row) : "客人 " + std::to_string(row);
            case 4:
                return row % 2 ? core::Value("1,080.50") : core::Value(core::Money::fromUnits(row * 1234LL));
            case 5:
                return "4111111111" + std::to_string(row);
            default:
                return row % 5 ? core::Value() : core::Value(true);
        }
    };
    auto heading = [&](Worksheet& ws) {
        for (int c = 1; c <= 6; ++c) ws.Cells(1, c).setValue(headers[c - 1]);
    };
    auto row = [&](Worksheet& ws, int r) {
        for (int c = 1; c <= 6; ++c) ws.Cells(r, c).setValue(cell(r, c));
    };
    auto formats = [&](Worksheet& ws) {
        ws.Columns("B:B").setNumberFormat("m/d/yy_);(m/d/yy)");
        ws.Columns("D:D").setNumberFormat("$#,##0.00_);($#,##0.00)");
        ws.Range("A1:F1").setFontBold(true);
        ws.Range("C20:C30").setFontBold(true);
    };
    auto fit = [&](Worksheet& ws) { ws.Columns("A:F").AutoFit(); };

    const std::pair<const char*, std::function<void(Worksheet&)>> orders[] = {
        {"the exports' order",
         [&](Worksheet& ws) {
             heading(ws);
             for (int r = 2; r <= kRows; ++r) row(ws, r);
             formats(ws);
             fit(ws);
         }},
        {"the heading after the rows",
         [&](Worksheet& ws) {
             for (int r = 2; r <= kRows; ++r) row(ws, r);
             heading(ws);
             formats(ws);
             fit(ws);
         }},
        {"formats first, rows bottom up, cells mended behind",
         [&](Worksheet& ws) {
             formats(ws);
             ws.Cells(kRows + 5, 2).setValue("past the last row, emptied later");
             for (int r = kRows; r >= 2; --r) row(ws, r);
             heading(ws);
             ws.Range("C10:D12").setValue("wrong");
             for (int r = 10; r <= 12; ++r) row(ws, r);
             ws.Cells(kRows + 5, 2).setValue(core::Null{});
             fit(ws);
         }},
    };
    std::vector<test::ReadBack> books;
    for (const auto& [name, fill] : orders) {
        Workbook& book = excel->Workbooks.Add();
        fill(book.ActiveSheet());
        ASSERT_EQ(book.show(), "") << name;
        books.emplace_back(book.path());
    }
    EXPECT_EQ(books[0].value("C1"), "Guest");
    EXPECT_EQ(books[0].value("C3000"), "客人 3000");
    EXPECT_EQ(books[0].lastRow(), kRows);
    for (std::size_t k = 1; k < books.size(); ++k) {
        EXPECT_TRUE(books[k].sheetXml() == books[0].sheetXml()) << orders[k].first;
        EXPECT_TRUE(books[k].stylesXml() == books[0].stylesXml()) << orders[k].first;
    }
}

TEST_F(SheetTest, AnApplicationThatCannotStartSaysWhy) {
    fs::create_directories(os::exportFolder().parent_path());
    std::ofstream(os::exportFolder()) << "a file where the export folder belongs";
    std::string why;
    EXPECT_EQ(Application::start(&why), nullptr);
    EXPECT_NE(why.find("export folder"), std::string::npos) << why;
    EXPECT_EQ(Application::running(), nullptr);
}

TEST_F(SheetTest, AStepThatCannotBeDoneIsSkipped) {
    auto excel = Application::start();
    ASSERT_NE(excel, nullptr);
    Worksheet& ws = excel->ActiveSheet();  // a workbook is added for it
    EXPECT_EQ(excel->Workbooks.Count(), 1);
    ws.Range("not an address").setValue("x");
    ws.Cells(0, 1).setValue("x");
    ws.Columns("A1").AutoFit();
    ws.Range("A1:B2").setValue("y");
    EXPECT_EQ(ws.value(2, 2), core::Value("y"));
    EXPECT_TRUE(ws.value(3, 1).isNull());
    EXPECT_EQ(excel->ActiveWorkbook().show(), "");
}

TEST(SheetAddress, A1StyleCellsRangesAndWholeColumns) {
    struct Case {
        const char* text;
        std::optional<Area> area;
    };
    const Case cases[] = {
        {"A1", Area{1, 1, 1, 1}},
        {"$B$2", Area{2, 2, 2, 2}},
        {"A1:N1", Area{1, 1, 1, 14}},
        {"N3:A1", Area{1, 1, 3, 14}},
        {"C:C", Area{1, 3, kMaxRow, 3}},
        {"a:n", Area{1, 1, kMaxRow, 14}},
        {"AA10", Area{10, 27, 10, 27}},
        {"XFD1", Area{1, kMaxColumn, 1, kMaxColumn}},
        {"XFE1", std::nullopt},
        {"A0", std::nullopt},
        {"A1048577", std::nullopt},
        {"C", std::nullopt},
        {"A1:C", std::nullopt},
        {"1:1", std::nullopt},
        {"", std::nullopt},
        {"A1 ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseAddress(c.text), c.area) << c.text;
    EXPECT_EQ(columnLetters(1), "A");
    EXPECT_EQ(columnLetters(14), "N");
    EXPECT_EQ(columnLetters(27), "AA");
    EXPECT_EQ(columnLetters(kMaxColumn), "XFD");
}

}  // namespace
}  // namespace pelk::sheet
