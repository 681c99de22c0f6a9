// The order books as the program makes them: what the folio save writes and the sales report
// sums must go in and come back as the screens show it.

#include "folio/stores.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "support/screens.h"

namespace pelk::folio {
namespace {

class OrderBooks : public test::ScreenTest {
protected:
    static db::Database store(std::string_view file) {
        auto d = db::Database::open(os::programPath(file));
        EXPECT_TRUE(d) << file << ": " << d.error().message();
        return std::move(*d);
    }
};

TEST_F(OrderBooks, BothBooksAndTheTemplateHoldTheSameTables) {
    for (std::string_view file : {kOrderBook, kTrainingOrderBook, kOrderBookTemplate}) {
        for (std::string_view table : {kHeaderTable, kLineTable, kDeliveryTable}) {
            auto rows = store(file).openRecordset(std::string(table));
            ASSERT_TRUE(rows) << file << " " << table << ": " << rows.error().message();
            EXPECT_EQ(rows->recordCount(), 0) << file << " " << table;
        }
    }
}

TEST_F(OrderBooks, AmountsWrittenAsBoxTextAddUpAndDatesSelectByRange) {
    for (std::string_view file : {kOrderBook, kTrainingOrderBook}) {
        run(file,
            "INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal, Tax, Total, Receive, Date, [Time]) "
            "VALUES ('1', 'Zu', '101', '1,234.50', '92.59', '1,327.09', '1,400.00', #1/20/2026#, #2:05:09 PM#)");
        run(file, "INSERT INTO tblZu_Order (Inv, Method, Total, Date) VALUES ('2', 'Zu', '10.01', #2/1/2026#)");
        auto sum = store(file).openRecordset(
            "SELECT Sum(tblZu_Order.Total) AS SumOfTotal FROM tblZu_Order WHERE Method Like 'Zu' "
            "And Date Between #1/1/2026# And #1/31/2026#; ");
        ASSERT_TRUE(sum) << sum.error().message();
        EXPECT_EQ(sum->field("SumOfTotal")->toMoney(), core::Money::parse("1327.09").value()) << file;
        auto header = store(file).openRecordset("SELECT * FROM tblZu_Order ORDER BY Inv ASC");
        ASSERT_TRUE(header);
        EXPECT_EQ(header->field("Zu_Ord_ID")->toText(), "1");
        EXPECT_EQ(header->field("Date")->toText(), "1/20/2026");
        EXPECT_EQ(header->field("Time")->toText(), "2:05:09 PM");
        EXPECT_TRUE(header->field("szCoupon_amt")->isNull());
    }
}

}  // namespace
}  // namespace pelk::folio
