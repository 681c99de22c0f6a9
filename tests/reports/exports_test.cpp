// The sales and removed-items lists copied into workbooks, read back from the written files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/sheet/sheet.h"
#include "platform/ui/input.h"
#include "platform/ui/screen.h"
#include "report_fixtures.h"
#include "reports/frmRepDy.h"
#include "reports/frmRepRemv.h"
#include "settings/export.h"
#include "support/screens.h"
#include "support/sheet_read_back.h"

namespace pelk::reports {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMoney = "$#,##0.00_);($#,##0.00)";
constexpr const char* kDate = "m/d/yyyy_);(m/d/yyyy)";

class Exports : public test::ScreenTest {
protected:
    Exports() {
        sheet::Application::forgetRunning();
        sheet::setDesktopOpener([this](const fs::path& p) { opened.push_back(p); });
    }
    ~Exports() override {
        sheet::Application::forgetRunning();
        sheet::setDesktopOpener(nullptr);
    }
    void order(const std::string& inv, const std::string& receive) {
        runSql("Ordr.mdb", "INSERT INTO tblZu_Order (Inv, ID, Method, [Date], [Time], Total, Receive) VALUES ('" + inv +
                               "', '1001', 'Zu', #1/5/2026#, #2:30:00 PM#, 12.5, " + receive + ")");
    }
    // The workbook the last export wrote, read back.
    test::ReadBack lastBook() {
        auto excel = sheet::Application::running();
        EXPECT_NE(excel, nullptr);
        return test::ReadBack(excel->ActiveWorkbook().path());
    }
    frmRepDy& salesAfterAll() {
        frmRepDy& r = ui::forms().get<frmRepDy>();
        r.Show();
        EXPECT_TRUE(ui::input::click(r.cmdTotal));
        return r;
    }
    std::vector<fs::path> opened;
};

TEST_F(Exports, SalesSheetHoldsTheListWithItsFormatsAndReceivedOnlyWhereItIsNoZero) {
    order("S1", "Null");
    order("S2", "0");
    order("S3", "150");
    frmRepDy& r = salesAfterAll();
    ASSERT_TRUE(ui::input::click(r.cmdExcel));
    EXPECT_TRUE(prompts().empty());
    ASSERT_EQ(opened.size(), 1u);
    test::ReadBack book = lastBook();
    const char* headers[] = {"Invoice", "Employees", "Date", "Time", "Sale Price", "Method", "Received"};
    const char* cols = "ABCDEFG";
    for (int c = 0; c < 7; ++c) {
        std::string ref = std::string(1, cols[c]) + "1";
        EXPECT_EQ(book.value(ref), headers[c]) << ref;
        EXPECT_TRUE(book.bold(ref)) << ref;
    }
    EXPECT_EQ(book.value("A2"), "S1");
    EXPECT_EQ(book.value("A3"), "S2");
    EXPECT_EQ(book.value("A4"), "S3");
    EXPECT_EQ(book.value("B2"), "1001");
    EXPECT_NE(book.type("C2"), "s");
    EXPECT_EQ(book.numberFormat("C2"), kDate);
    EXPECT_EQ(book.numberFormat("D2"), "h:mm AM/PM");
    EXPECT_NE(book.type("E2"), "s");
    EXPECT_EQ(book.value("E2"), "12.5");
    EXPECT_EQ(book.numberFormat("E2"), kMoney);
    EXPECT_EQ(book.value("F2"), "Zu");
    EXPECT_FALSE(book.has("G2"));
    EXPECT_FALSE(book.has("G3"));
    EXPECT_EQ(book.value("G4"), "150");
    EXPECT_EQ(book.columnFormat(7), kMoney);
    EXPECT_FALSE(book.columnWidth(1).empty());
}

TEST_F(Exports, SalesSheetStartsAtTheChosenRowAndLeavesTheListAtItsEnd) {
    for (const char* inv : {"S1", "S2", "S3", "S4"}) order(inv, "1");
    frmRepDy& r = salesAfterAll();
    ASSERT_TRUE(ui::input::select(r.DBGrid1, 2));
    ASSERT_TRUE(ui::input::click(r.cmdExcel));
    test::ReadBack third = lastBook();
    EXPECT_EQ(third.value("A2"), "S3");
    EXPECT_EQ(third.value("A3"), "S4");
    EXPECT_FALSE(third.has("A4"));
    // A second export without a new view: the header row alone.
    ASSERT_TRUE(ui::input::click(r.cmdExcel));
    test::ReadBack again = lastBook();
    EXPECT_EQ(again.value("A1"), "Invoice");
    EXPECT_FALSE(again.has("A2"));
    EXPECT_EQ(sheet::Application::running()->Workbooks.Count(), 2);
    // An empty list: the header row, with the formats.
    r.txtFrom.setText("1/1/2020");
    r.txtTo.setText("1/1/2020");
    ASSERT_TRUE(ui::input::click(r.cmdTotal));
    ASSERT_TRUE(ui::input::click(r.cmdExcel));
    test::ReadBack empty = lastBook();
    EXPECT_EQ(empty.value("G1"), "Received");
    EXPECT_FALSE(empty.has("A2"));
    EXPECT_EQ(empty.columnFormat(3), kDate);
    EXPECT_EQ(empty.columnFormat(5), kMoney);
    EXPECT_TRUE(prompts().empty());
}

TEST_F(Exports, RemovedItemsSheetFromTheChosenRow) {
    for (const char* row : {"('DI', 'Ann', 'Soup', 4.5, 'Cold', 'Max', #1/2/2026#, #7:05:00 PM#)",
                            "('TO', 'Bob', 'Rice', 1234.5, 'Late', '1234', #1/3/2026#, #8:00:00 AM#)",
                            "('Dy', 'Cy', 'Tea', 2, 'Spilt', 'Max', #1/4/2026#, #9:30:00 AM#)"})
        runSql("Remv.mdb",
               std::string("INSERT INTO tblRemv (szType_out, szWaiter_out, szItems_out, szPrice_out, szReason_out, "
                           "szManager_out, szDate_out, szTime_out) VALUES ") +
                   row);
    frmRepRemv& r = ui::forms().get<frmRepRemv>();
    r.Show();
    ASSERT_TRUE(ui::input::click(r.cmdExcel));
    test::ReadBack book = lastBook();
    const char* headers[] = {"Type", "Waiter", "Removed Items", "Price", "Reason", "Manager", "Date", "Time"};
    const char* cols = "ABCDEFGH";
    for (int c = 0; c < 8; ++c) {
        std::string ref = std::string(1, cols[c]) + "1";
        EXPECT_EQ(book.value(ref), headers[c]) << ref;
        EXPECT_TRUE(book.bold(ref)) << ref;
    }
    EXPECT_EQ(book.value("C2"), "Soup");
    EXPECT_NE(book.type("D3"), "s");
    EXPECT_EQ(book.value("D3"), "1234.5");
    // The manager column keeps its money format: a name stays text, a code of digits is a number.
    EXPECT_EQ(book.type("F2"), "s");
    EXPECT_EQ(book.value("F2"), "Max");
    EXPECT_NE(book.type("F3"), "s");
    EXPECT_EQ(book.value("F3"), "1234");
    EXPECT_EQ(book.columnFormat(4), kMoney);
    EXPECT_EQ(book.columnFormat(6), kMoney);
    EXPECT_EQ(book.columnFormat(7), kDate);
    EXPECT_EQ(book.columnFormat(8), "[h]:mm");
    EXPECT_EQ(book.numberFormat("H2"), "[h]:mm");

    ASSERT_TRUE(ui::input::select(r.DBGrid1, 1));
    ASSERT_TRUE(ui::input::click(r.cmdExcel));
    test::ReadBack middle = lastBook();
    EXPECT_EQ(middle.value("C2"), "Rice");
    EXPECT_EQ(middle.value("C3"), "Tea");
    EXPECT_FALSE(middle.has("C4"));
    EXPECT_TRUE(prompts().empty());
}

// Past the 32,767 rows a signed counter would reach; the preview shows the same new workbook.
TEST_F(Exports, ALongLogIsWrittenWholeAndPreviewed) {
    runSql("Remv.mdb", "INSERT INTO tblRemv (szItems_out, szPrice_out) VALUES ('Item', 1)");
    for (int i = 0; i < 15; ++i)
        runSql("Remv.mdb",
               "INSERT INTO tblRemv (szItems_out, szPrice_out) SELECT szItems_out, szPrice_out FROM tblRemv");
    for (int i = 0; i < 232; ++i)
        runSql("Remv.mdb", "INSERT INTO tblRemv (szItems_out, szPrice_out) VALUES ('Last', 2)");
    frmRepRemv& r = ui::forms().get<frmRepRemv>();
    r.Show();
    ASSERT_TRUE(ui::input::click(r.cmdPrintPrev));
    EXPECT_EQ(ui::screen().mousePointer(), ui::kDefaultPointer);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], sheet::Application::running()->ActiveWorkbook().path());
    test::ReadBack book = lastBook();
    EXPECT_EQ(book.value("C32769"), "Item");
    EXPECT_EQ(book.value("C33001"), "Last");
    EXPECT_FALSE(book.has("C33002"));
    EXPECT_TRUE(prompts().empty());
}

// Once attached, the rows go in under the normal pointer: no hourglass is left on while they fill.
TEST_F(Exports, RowsAreWrittenUnderTheNormalPointer) {
    order("S1", "1");
    order("S2", "1");
    frmRepDy& r = salesAfterAll();
    ASSERT_TRUE(r.datOrder.Recordset().MoveFirst());
    std::vector<int> pointers;
    std::shared_ptr<sheet::Application> excel;
    sheet::Workbook* book =
        settings::ExcelLoadSales(excel, r.datOrder.Recordset(), {{"Invoice", "Inv", ""}}, [&](int, const core::Value&) {
            pointers.push_back(ui::screen().mousePointer());
            return true;
        });
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(pointers, (std::vector<int>{ui::kDefaultPointer, ui::kDefaultPointer}));
    EXPECT_EQ(ui::screen().mousePointer(), ui::kDefaultPointer);
}

TEST_F(Exports, NoWorkbookCanBeMadeIsToldOnceAndTheListStays) {
    order("S1", "1");
    order("S2", "1");
    frmRepDy& r = salesAfterAll();
    ASSERT_TRUE(ui::input::select(r.DBGrid1, 1));
    long before = r.datOrder.Recordset().absolutePosition();
    fs::create_directories(os::exportFolder().parent_path());
    fs::remove_all(os::exportFolder());
    std::ofstream(os::exportFolder()) << "a file where the export folder belongs";
    ASSERT_TRUE(ui::input::click(r.cmdPrintPrev));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0], "Can't Creat Excel Object");
    EXPECT_EQ(sheet::Application::running(), nullptr);
    EXPECT_EQ(r.datOrder.Recordset().absolutePosition(), before);
    EXPECT_EQ(ui::screen().mousePointer(), ui::kDefaultPointer);
    EXPECT_TRUE(opened.empty());
}

}  // namespace
}  // namespace pelk::reports
