// The reservation list's export, read back from the workbook it writes: which rows, in which
// order, with which headers, formats and bold row; and an export that cannot be made.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/sheet/sheet.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "platform/ui/screen.h"
#include "reservations/frmReserv.h"
#include "reservations/records.h"
#include "settings/frmInfor.h"
#include "support/screens.h"
#include "support/sheet_read_back.h"

namespace pelk::reservations {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kHeaders = {"Clerk ID", "Date In", "Date Out", "Last Name", "First Name",
                                           "Room",     "Price",   "Paid",     "Phone",     "Card #",
                                           "Exp.",     "Address", "City",     "State"};

class ReservationExport : public test::ScreenTest {
protected:
    ReservationExport() {
        sheet::Application::forgetRunning();
        sheet::setDesktopOpener([this](const fs::path& p) { opened.push_back(p); });
    }
    ~ReservationExport() override {
        sheet::Application::forgetRunning();
        sheet::setDesktopOpener(nullptr);
    }
    static void run(std::string_view store, const std::string& sql) {
        auto d = db::Database::open(os::programPath(store));
        ASSERT_TRUE(d.ok());
        auto n = d->execute(sql);
        ASSERT_TRUE(n.ok()) << sql << "\n" << n.error().message();
    }
    // Today (1/5/2026) Lee and Park arrive; Early arrived before and leaves today.
    static void threeStays() {
        run(kReservationStore,
            "INSERT INTO tblReserv (szClerk_id, szDate_in, szDate_Out, sLast_na, sFirst_nm, szRoom1, szRate_curr, "
            "szPaid_curr, sPhone_no, szCard_nu, szCard_exp, szStreet_ad, szCity_nm, sState_cd) VALUES ('1234', "
            "#1/5/2026#, #1/7/2026#, 'Lee', 'Ann', '101', '1,250.00', '100.00', '309-555-0101', '4111111111111111', "
            "'1228', '12 Elm St', 'Peoria', 'IL')");
        run(kReservationStore,
            "INSERT INTO tblReserv (szClerk_id, szDate_in, szDate_Out, sLast_na, sFirst_nm, szRoom1) "
            "VALUES ('1234', #1/3/2026#, #1/5/2026#, 'Early', 'Eve', '102')");
        run(kReservationStore,
            "INSERT INTO tblReserv (szClerk_id, szDate_in, szDate_Out, sLast_na, sFirst_nm, szRoom1, szRate_curr) "
            "VALUES ('5678', #1/5/2026#, #1/6/2026#, 'Park', 'Bo', '104', '80.00')");
    }
    frmReserv& open(const char* role = "") {
        frmReserv& list = ui::forms().get<frmReserv>();
        list.setTag(role);
        list.Show();
        return list;
    }
    // Exports and reads the workbook back.
    test::ReadBack exported(frmReserv& list) {
        std::size_t before = opened.size();
        EXPECT_TRUE(ui::input::click(list.cmdExcel));
        EXPECT_EQ(opened.size(), before + 1) << "each export is a new workbook handed to the clerk";
        EXPECT_EQ(ui::screen().mousePointer(), ui::kDefaultPointer);
        return test::ReadBack(opened.empty() ? fs::path() : opened.back());
    }
    static std::vector<std::string> row(const test::ReadBack& book, int r) {
        std::vector<std::string> cells;
        for (int c = 1; c <= 14; ++c) cells.push_back(book.value(sheet::columnLetters(c) + std::to_string(r)));
        return cells;
    }
    std::vector<fs::path> opened;
};

TEST_F(ReservationExport, EveryListedRowInTheGridsOrderWithHeadersFormatsAndBoldRow) {
    threeStays();
    frmReserv& list = open();
    ASSERT_EQ(list.DBGrid1.textMatrix(1, 3), "Park");
    test::ReadBack book = exported(list);

    EXPECT_EQ(row(book, 1), kHeaders);
    EXPECT_EQ(row(book, 2),
              (std::vector<std::string>{"1234", "46027", "46029", "Lee", "Ann", "101", "1250", "100", "309-555-0101",
                                        "4111111111111111", "1228", "12 Elm St", "Peoria", "IL"}));
    EXPECT_EQ(book.value("D3"), "Park");
    EXPECT_EQ(book.value("G3"), "80");
    EXPECT_FALSE(book.has("H3")) << "a field without a value leaves its cell empty";
    EXPECT_EQ(book.lastRow(), 3) << "Early arrived before the range";
    // Texts that only look like numbers stay texts: every digit of a card and its expiry.
    EXPECT_EQ(book.type("J2"), "s");
    EXPECT_EQ(book.type("K2"), "s");
    EXPECT_EQ(book.type("G2"), "");
    for (const char* cell : {"B2", "C2", "B3"}) EXPECT_EQ(book.numberFormat(cell), "m/d/yy_);(m/d/yy)") << cell;
    for (const char* cell : {"G2", "H2", "G3"}) EXPECT_EQ(book.numberFormat(cell), "$#,##0.00_);($#,##0.00)") << cell;
    EXPECT_EQ(book.columnFormat(2), "m/d/yy_);(m/d/yy)");
    EXPECT_EQ(book.columnFormat(3), "m/d/yy_);(m/d/yy)");
    EXPECT_EQ(book.columnFormat(7), "$#,##0.00_);($#,##0.00)");
    EXPECT_EQ(book.columnFormat(8), "$#,##0.00_);($#,##0.00)");
    EXPECT_EQ(book.numberFormat("D2"), "General");
    for (int c = 1; c <= 14; ++c) EXPECT_TRUE(book.bold(sheet::columnLetters(c) + "1")) << c;
    EXPECT_FALSE(book.bold("A2"));
    EXPECT_FALSE(book.columnWidth(12).empty()) << "the columns are fitted";

    // The screen keeps the application, visible, for the next export.
    ASSERT_NE(list.goExcel, nullptr);
    EXPECT_TRUE(list.goExcel->Visible);
    EXPECT_EQ(sheet::Application::running(), list.goExcel);
    EXPECT_TRUE(prompts().empty());
}

TEST_F(ReservationExport, TheWorkbookStartsAtTheRowSelectedInTheGrid) {
    threeStays();
    run(kReservationStore, "INSERT INTO tblReserv (szDate_in, sLast_na) VALUES (#1/5/2026#, 'Third')");
    frmReserv& list = open();
    ASSERT_TRUE(ui::input::select(list.DBGrid1, 1, 3));
    test::ReadBack book = exported(list);
    EXPECT_EQ(book.value("D2"), "Park");
    EXPECT_EQ(book.value("D3"), "Third");
    EXPECT_EQ(book.lastRow(), 3);
}

TEST_F(ReservationExport, ASecondExportHoldsTheHeadersAloneUntilTheListIsReadAgain) {
    threeStays();
    frmReserv& list = open();
    EXPECT_EQ(exported(list).lastRow(), 3);
    test::ReadBack second = exported(list);
    EXPECT_EQ(row(second, 1), kHeaders);
    EXPECT_EQ(second.lastRow(), 1);
    // A Search reads the list again from its first row.
    ASSERT_TRUE(ui::input::click(list.cmdSearch));
    EXPECT_EQ(exported(list).lastRow(), 3);
    EXPECT_EQ(exported(list).lastRow(), 1);
    // So does a return to the screen.
    ui::forms().get<settings::frmInfor>().Show();
    list.Show();
    EXPECT_EQ(exported(list).lastRow(), 3);
}

TEST_F(ReservationExport, AnEmptyListGivesTheHeaderRowAlone) {
    threeStays();
    frmReserv& list = open();
    list.txtFrom.setText("2/1/2026");
    list.txtTo.setText("2/28/2026");
    ASSERT_TRUE(ui::input::click(list.cmdSearch));
    ASSERT_EQ(list.DBGrid1.textMatrix(0, 3), "");
    test::ReadBack book = exported(list);
    EXPECT_EQ(row(book, 1), kHeaders);
    EXPECT_EQ(book.lastRow(), 1);
    EXPECT_TRUE(book.bold("N1"));
}

TEST_F(ReservationExport, TheCheckedOutListHasTheSameHeadersAndNoRatePaymentOrCard) {
    run(kCheckedOutStore,
        "INSERT INTO tblReserv (szInv_nu, szClerk_id, szDate_in, szDate_Out, sLast_na, sFirst_nm, szRoom1, sPhone_no, "
        "szStreet_ad, szCity_nm, sState_cd) VALUES ('1001', '1234', #1/2/2026#, #1/5/2026#, 'Gone', 'Gus', '101', "
        "'309-555-0111', '9 Oak St', 'Peoria', 'IL')");
    threeStays();
    frmReserv& list = open("Check Out");
    test::ReadBack book = exported(list);
    EXPECT_EQ(row(book, 1), kHeaders);
    EXPECT_EQ(row(book, 2), (std::vector<std::string>{"1234", "46024", "46027", "Gone", "Gus", "101", "", "",
                                                      "309-555-0111", "", "", "9 Oak St", "Peoria", "IL"}));
    EXPECT_EQ(book.lastRow(), 2);
}

TEST_F(ReservationExport, EveryRowIsWrittenHoweverLongTheList) {
    constexpr int kStays = 33000;
    {
        db::UnitOfWork work;
        ASSERT_TRUE(work.begin({os::programPath(kReservationStore)}).ok());
        auto d = work.store(os::programPath(kReservationStore));
        ASSERT_TRUE(d.ok());
        for (int n = 1; n <= kStays; ++n) {
            auto added = d->execute("INSERT INTO tblReserv (szDate_in, sLast_na, szRoom1) VALUES (#1/5/2026#, 'Guest " +
                                    std::to_string(n) + "', '" + std::to_string(n % 400) + "')");
            ASSERT_TRUE(added.ok()) << added.error().message();
        }
        ASSERT_TRUE(work.commit().ok());
    }
    frmReserv& list = open();
    test::ReadBack book = exported(list);
    EXPECT_EQ(book.lastRow(), kStays + 1);
    EXPECT_EQ(book.value("D2"), "Guest 1");
    EXPECT_EQ(book.value("D32768"), "Guest 32767");
    EXPECT_EQ(book.value("D" + std::to_string(kStays + 1)), "Guest " + std::to_string(kStays));
}

TEST_F(ReservationExport, AnExportFolderThatCannotBeWrittenIsToldAndTheListStaysAsItWas) {
    threeStays();
    fs::create_directories(os::exportFolder().parent_path());
    std::ofstream(os::exportFolder()) << "a file where the export folder belongs";
    frmReserv& list = open();
    ASSERT_TRUE(ui::input::select(list.DBGrid1, 1, 3));
    ASSERT_TRUE(ui::input::click(list.cmdExcel));
    ASSERT_EQ(prompts(), std::vector<std::string>{"Can't Creat Excel Object"});
    EXPECT_EQ(host().messageBoxes().back().title, "Pelk POS 4") << "no title of its own";
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(list.goExcel, nullptr);
    EXPECT_EQ(ui::screen().mousePointer(), ui::kDefaultPointer);
    // The list, and the row the clerk chose, as they were.
    EXPECT_EQ(list.DBGrid1.row(), 1);
    EXPECT_EQ(list.DBGrid1.textMatrix(0, 3), "Lee");
    EXPECT_EQ(list.DBGrid1.textMatrix(1, 3), "Park");
}

TEST_F(ReservationExport, AWorkbookThatCannotBeWrittenIsTold) {
    threeStays();
    frmReserv& list = open();
    EXPECT_EQ(exported(list).lastRow(), 3);
    // The export folder goes after the application started.
    fs::remove_all(os::exportFolder());
    std::ofstream(os::exportFolder()) << "a file where the export folder belongs";
    ASSERT_TRUE(ui::input::click(list.cmdSearch));
    ASSERT_TRUE(ui::input::click(list.cmdExcel));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("The list could not be exported. ", 0), 0u) << prompts()[0];
    EXPECT_EQ(host().messageBoxes().back().icon(), ui::MsgBoxIcon::Critical);
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(ui::screen().mousePointer(), ui::kDefaultPointer);
}

}  // namespace
}  // namespace pelk::reservations
