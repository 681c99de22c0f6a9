// The income statement where a road cannot look: the printed document's length, a printout that
// fails, the pointer after a computation, and the list behind a figure on a station sharing its
// data.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/ui/input.h"
#include "platform/ui/screen.h"
#include "report_fixtures.h"
#include "reports/expenses.h"
#include "reports/frmRepAPV.h"
#include "reports/frmReports.h"
#include "settings/frmReset.h"
#include "support/screens.h"

namespace pelk::reports {
namespace {

class IncomeStatement : public test::ScreenTest {
protected:
    frmReports& statement() {
        frmReports& s = ui::forms().get<frmReports>();
        s.Show();
        return s;
    }
};

TEST_F(IncomeStatement, PrintoutEndsAfterNetIncome) {
    frmReports& s = statement();
    ASSERT_TRUE(ui::input::click(s.cmdPrint));
    ASSERT_EQ(print::journal().documents.size(), 1u);
    const print::PrintedDocument& page = print::journal().documents[0];
    ASSERT_EQ(page.lines.size(), 33u);
    EXPECT_EQ(page.lines.back().text, "Net Income            $0.00");
    EXPECT_TRUE(prompts().empty());
}

TEST_F(IncomeStatement, FailedPrintoutIsToldOnceAndChangesNothing) {
    print::setConfiguredPrinters({{"Pole", "COM1:"}});
    print::setCurrentPrinter(print::PrinterInfo{"Pole", "COM1:"});
    frmReports& s = statement();
    ASSERT_TRUE(ui::input::click(s.cmdPrint));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("The income statement was not printed. ", 0), 0u) << prompts()[0];
    EXPECT_EQ(s.lblNetIncome.caption(), "0.00");
    EXPECT_TRUE(s.visible());
}

TEST_F(IncomeStatement, PointerComesBackAfterEveryComputation) {
    frmReports& s = statement();
    struct Case {
        const char* from;
        std::size_t messages;
    };
    for (const Case& c : {Case{"1/1/2026", 0}, Case{"1/32/2026", 1}}) {
        ASSERT_TRUE(ui::input::type(s.txtFrom, ""));
        s.txtFrom.setText(c.from);
        ASSERT_TRUE(ui::input::click(s.comReport));
        EXPECT_EQ(ui::screen().mousePointer(), ui::kDefaultPointer) << c.from;
        EXPECT_EQ(prompts().size(), c.messages) << c.from;
    }
}

// The front desk's folios are the hotel's in-house sales: they count with dine-in, over the range
// only, from the order book the station works in; delivery keeps its own channel.
TEST_F(IncomeStatement, FrontDeskFoliosAreInHouseRevenue) {
    runSql("Rep.mdb", "INSERT INTO tbSalary_Ex ([Date], Total) VALUES (#3/5/2026#, 400)");
    runSql("Rep.mdb", "INSERT INTO tbUtilities_Ex ([Date], Total) VALUES (#3/20/2026#, 150.50)");
    auto order = [](const char* book, const char* method, const char* date, const char* total, const char* tax) {
        runSql(book, std::string("INSERT INTO tblZu_Order (Method, [Date], Total, Tax) VALUES ('") + method + "', #" +
                         date + "#, " + total + ", " + tax + ")");
    };
    order("Ordr.mdb", "Zu", "3/1/2026", "250", "25");
    order("Ordr.mdb", "Zu", "3/31/2026", "1000", "100.40");
    order("Ordr.mdb", "DI2", "3/10/2026", "60", "6");
    order("Ordr.mdb", "Dy1", "3/12/2026", "40", "4");
    order("Ordr.mdb", "Zu", "2/28/2026", "777", "77");
    order("Ordr.mdb", "Zu", "4/1/2026", "888", "88");
    order("TOrdr.mdb", "Zu", "3/15/2026", "90", "9");
    struct Case {
        const char* book;
        const char* dineIn;
        const char* dineInTax;
        const char* delivery;
        const char* revenue;
        const char* tax;
        const char* netIncome;
    };
    for (const Case& c : {Case{"Check Book", "1,310.00", "131.40", "40.00", "1,350.00", "135.40", "799.50"},
                          Case{"Training Check Book", "90.00", "9.00", "0.00", "90.00", "9.00", "-460.50"}}) {
        ui::Unload<frmReports>();
        ui::Unload<settings::frmReset>();
        runSql("DOZA98.mdb", std::string("UPDATE tbReset SET Reset_txt = '") + c.book + "'");
        frmReports& s = statement();
        s.txtFrom.setText("3/1/2026");
        s.txtTo.setText("3/31/2026");
        ASSERT_TRUE(ui::input::click(s.comReport));
        EXPECT_TRUE(prompts().empty()) << c.book;
        EXPECT_EQ(s.lblDineIn.caption(), c.dineIn) << c.book;
        EXPECT_EQ(s.lblDItax.caption(), c.dineInTax) << c.book;
        EXPECT_EQ(s.lblSTotal.caption(), c.delivery) << c.book;
        EXPECT_EQ(s.lblTakeOut.caption(), "0.00") << c.book;
        EXPECT_EQ(s.lblSales.caption(), c.revenue) << c.book;
        EXPECT_EQ(s.lblTax.caption(), c.tax) << c.book;
        EXPECT_EQ(s.lblTOE.caption(), "550.50") << c.book;
        EXPECT_EQ(s.lblNetIncome.caption(), c.netIncome) << c.book;
    }
}

// The list shows the entries the figure summed, from the program folder, also where the other
// stores lie in the shared folder.
TEST_F(IncomeStatement, DrillDownListsTheProgramFoldersExpensesOnASharingStation) {
    ASSERT_TRUE(os::makeFolder("\\\\server\\pos\\data"));
    runSql(os::programPath("DOZA98.mdb"),
           "UPDATE tbSet SET SetC = 'File Sharing', SetP = '\\\\server\\pos', SetO = 'data'");
    runSql(os::programPath("Rep.mdb"), "INSERT INTO tbAuto_Ex ([Date], Company, Total) VALUES (#1/2/2026#, 'Here', 5)");
    ASSERT_TRUE(os::copyFile(os::programPath("Rep.mdb"), "\\\\server\\pos\\data\\Rep.mdb"));
    runSql("\\\\server\\pos\\data\\Rep.mdb", "UPDATE tbAuto_Ex SET Company = 'Shared'");
    frmReports& s = statement();
    // The channels' sales are read where the station keeps its orders.
    EXPECT_EQ(s.datOrdr.databaseName(), "\\\\server\\pos\\data\\Ordr.mdb");
    s.txtFrom.setText("1/1/2026");
    s.txtTo.setText("1/31/2026");
    bool listed = false;
    host().whileWaiting([&] {
        frmRepAPV* list = ui::forms().find<frmRepAPV>();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->datExpenses.databaseName(), os::programPath("Rep.mdb"));
        EXPECT_EQ(list->DBGrid1.textMatrix(0, 2), "Here");
        listed = true;
        ASSERT_TRUE(ui::input::click(list->cmdClose));
    });
    ASSERT_TRUE(ui::input::click(s.lblAuto));
    EXPECT_TRUE(listed);
}

// Every figure lists the entries of its own category, and only those.
TEST_F(IncomeStatement, EveryFigureListsItsOwnCategorysExpenses) {
    for (const ExpenseCategory& c : kExpenseCategories)
        runSql(os::programPath("Rep.mdb"), "INSERT INTO " + std::string(c.table) +
                                               " ([Date], Company, Total) VALUES (#1/2/2026#, '" + std::string(c.name) +
                                               "', 1)");
    frmReports& s = statement();
    s.txtFrom.setText("1/1/2026");
    s.txtTo.setText("1/31/2026");
    const std::pair<ui::Label*, const char*> figures[] = {
        {&s.lblAuto, "Auto"},         {&s.lblBank, "Bank"},
        {&s.lblAdvertising, "Advertising"}, {&s.lblSalary, "Salary"},
        {&s.lblMeal, "Meal"},         {&s.lblOffice, "Office"},
        {&s.lblFines, "Fines"},       {&s.lblProfessional, "Professional"},
        {&s.lblInsurance, "Insurance"}, {&s.lblRent, "Rent"},
        {&s.lblRepairs, "Repairs"},   {&s.lblSupplies, "Supplies"},
        {&s.lblTelep, "Telephone"},   {&s.lblTravel, "Travel"},
        {&s.lblUtilities, "Utilities"}, {&s.lblOther, "Other"}};
    for (const auto& [figure, category] : figures) {
        std::string listed;
        int rows = 0;
        host().whileWaiting([&] {
            frmRepAPV* list = ui::forms().find<frmRepAPV>();
            ASSERT_NE(list, nullptr);
            rows = list->datExpenses.Recordset().recordCount();
            listed = list->DBGrid1.textMatrix(0, 2);
            ASSERT_TRUE(ui::input::click(list->cmdClose));
        });
        ASSERT_TRUE(ui::input::click(*figure)) << category;
        EXPECT_EQ(listed, category);
        EXPECT_EQ(rows, 1) << category;
    }
}

}  // namespace
}  // namespace pelk::reports
