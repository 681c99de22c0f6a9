// The sales report's views: the boxes sum the orders each view lists, over amounts as the order
// book holds them (numbers, texts of formatted amounts, empty texts and Nulls).

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reports/frmRepDy.h"
#include "support/screens.h"

namespace pelk::reports {
namespace {

class SalesView : public test::ScreenTest {
protected:
    // Written as the stores of earlier versions and other stations hold them: an amount may be
    // the text a box showed.
    void layOrders(const std::vector<std::string>& rows) {
        sqlite3* book = nullptr;
        ASSERT_EQ(sqlite3_open(os::mapPath(os::programPath("Ordr.mdb")).c_str(), &book), SQLITE_OK);
        for (const std::string& row : rows) {
            std::string sql =
                "INSERT INTO tblZu_Order (Inv, ID, Method, [Date], Total, Tax, Receive, szCard_amt, szCoupon_amt) "
                "VALUES " +
                row;
            char* why = nullptr;
            EXPECT_EQ(sqlite3_exec(book, sql.c_str(), nullptr, nullptr, &why), SQLITE_OK) << sql << ": " << why;
            sqlite3_free(why);
        }
        sqlite3_close(book);
    }
};

// Each view's boxes, from one order book: the front desk's orders ("All"), a clerk, every clerk,
// the emptied box (the orders whose clerk is the empty text, never a Null one) and a clerk with
// none. A clerk's cash is what was received less what went on a card.
TEST_F(SalesView, EachViewsBoxesSumTheOrdersItLists) {
    layOrders({
        "('A1', '1001', 'Zu', '2026-01-05', 100, 7, 100, NULL, NULL)",
        "('A2', '1001', 'Zu', '2026-01-05', '1,234.50', NULL, '', '$20.25', 0)",
        "('A3', '2002', 'Zu', '2026-01-05', NULL, '$3.10', 50.5, NULL, '$1.50')",
        "('A4', '1001', 'DI1', '2026-01-05', 40, 4, 40, 10, 0)",
        "('A5', '1001', 'Zu', '2026-01-06', 999, 99, 999, 9, 9)",
        "('A6', '', 'Zu', '2026-01-05', 9, 1, 9, NULL, NULL)",
        "('A7', NULL, 'Zu', '2026-01-05', 11, 1, 11, NULL, NULL)",
    });
    frmRepDy& r = ui::forms().get<frmRepDy>();
    r.Show();

    struct View {
        const char* name;
        const char* clerk;               // nullptr: the "All" button
        std::vector<std::string> boxes;  // checks, sales, tax, received, card, coupon, total received
    };
    const View views[] = {
        {"All", nullptr, {"5", "1,354.50", "12.10", "170.50", "20.25", "1.50", "192.25"}},
        {"one clerk", "1001", {"3", "1,374.50", "11.00", "109.75", "30.25", "0.00", "140.00"}},
        {"every clerk", "*", {"5", "1,383.50", "15.10", "169.25", "30.25", "1.50", "201.00"}},
        {"emptied box", "", {"1", "9.00", "1.00", "9.00", "0.00", "0.00", "9.00"}},
        {"no such clerk", "9999", {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
    };
    for (const View& v : views) {
        SCOPED_TRACE(v.name);
        if (v.clerk)
            r.txtID.setText(v.clerk);
        else
            ASSERT_TRUE(ui::input::click(r.cmdTotal));
        const std::vector<std::string> shown = {r.txtChk.text(),          r.txtAmount.text(), r.txtTax.text(),
                                                r.txtReceived.text(),     r.txtCCard.text(),  r.txtCoupon.text(),
                                                r.txtTotalReceived.text()};
        EXPECT_EQ(shown, v.boxes);
    }
    EXPECT_TRUE(prompts().empty());
}

}  // namespace
}  // namespace pelk::reports
