// The reservation and customer stores as the program makes them, and the look-ups by which every
// screen finds their rows.

#include "reservations/records.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/registry.h"
#include "reservations/frmReservAdd.h"
#include "reservations/lookups.h"
#include "support/screens.h"

namespace pelk::reservations {
namespace {

class Records : public test::ScreenTest {
protected:
    static db::Database store(std::string_view file) {
        auto d = db::Database::open(os::programPath(file));
        EXPECT_TRUE(d) << d.error().message();
        return std::move(*d);
    }
    // The customers in the order every reader visits them.
    static db::Recordset customers() {
        auto rows = store(kCustomerStore).openRecordset(kCustomerSource);
        EXPECT_TRUE(rows) << rows.error().message();
        return std::move(*rows);
    }
    static std::string current(db::Recordset& rows, const char* field) {
        auto v = rows.field(field);
        return v ? v->toText() : "error " + v.error().message();
    }
};

TEST_F(Records, StoresHoldTheirFieldsWithTheKindsTheScreensWrite) {
    auto reservations = store(kReservationStore).openRecordset("tblReserv");
    ASSERT_TRUE(reservations);
    EXPECT_EQ(reservations->fields().size(), kReservationFields.size());
    EXPECT_EQ(reservations->recordCount(), 0);
    auto checkedOut = store(kCheckedOutStore).openRecordset("tblReserv");
    ASSERT_TRUE(checkedOut);
    EXPECT_EQ(checkedOut->fields().size(), kReservationFields.size() + 1);
    EXPECT_GE(checkedOut->fieldIndex("szInv_nu"), 0);
    for (std::string_view file : {kCustomerStore, kCustomerListStore}) {
        auto rows = store(file).openRecordset("tblCustmr");
        ASSERT_TRUE(rows) << file;
        EXPECT_EQ(rows->fields().size(), kCustomerFields.size()) << file;
    }

    // Dates read back as the station's dates and compare by a date range, the tick as True,
    // amounts exactly as shown, and a field nobody wrote as Null.
    run(kReservationStore,
        "INSERT INTO tblReserv (sLast_na, szDate_in, szDate_Out, szReser_ti, szSame_Addr, szRate_curr, szRemark) "
        "VALUES ('Doe', #1/20/2026#, #1/25/2026#, #2:05:09 PM#, True, '1,250.00', '" +
            std::string(300, 'r') + "')");
    auto row = store(kReservationStore)
                   .openRecordset("SELECT * FROM tblReserv WHERE szDate_in Between #1/1/2026# And #1/31/2026#");
    ASSERT_TRUE(row);
    ASSERT_FALSE(row->eof());
    EXPECT_EQ(current(*row, "szDate_in"), "1/20/2026");
    EXPECT_EQ(current(*row, "szdate_out"), "1/25/2026");
    EXPECT_EQ(current(*row, "szReser_ti"), "2:05:09 PM");
    EXPECT_EQ(row->field("szSame_Addr")->toBool(), true);
    EXPECT_EQ(current(*row, "szRate_curr"), "1,250.00");
    EXPECT_EQ(current(*row, "szRemark").size(), 300u);
    EXPECT_TRUE(row->field("szEmail")->isNull());
    // A text longer than its field is refused whole.
    auto tooLong =
        store(kReservationStore).execute("INSERT INTO tblReserv (sLast_na) VALUES ('" + std::string(256, 'x') + "')");
    EXPECT_FALSE(tooLong);
}

TEST_F(Records, LookUpsTakeTheTypedKeyAsAPlainPrefixInTheRowsOrder) {
    for (const char* values : {
             "('Smith', 'John', '555-200-0002', '1 Oak Rd', '4111')",
             "('Smith', 'Jane', '555-200-0001', NULL, '3711')",
             // Before John in phone order, and his name but for the letter case.
             "('Smith', 'JOHN', '555-200-00015', NULL, NULL)",
             "('Smithers', 'Jane', '555-100-0009', '12 Elm St #4', NULL)",
             "('O''Brien', 'Pat', '555-300-0003', '9 Ash Ln', '4222')",
             "('Lee', NULL, '5_5-400-0004', '12 Elm Street', '5*55')",
         })
        run(kCustomerStore, std::string("INSERT INTO tblCustmr (sLast_na, sFirst_nm, sPhone_no, szStreet_ad, "
                                        "szFax_nu) VALUES ") +
                                values);

    db::Recordset rows = customers();
    struct Case {
        const char* what;
        db::Result<bool> (*find)(db::Recordset&, std::string_view, std::string_view);
        const char* key;
        const char* first;
        const char* found;  // the phone of the row found; nullptr: none
    };
    auto byName = [](db::Recordset& r, std::string_view last, std::string_view first) {
        return findByName(r, last, first);
    };
    auto byPhone = [](db::Recordset& r, std::string_view phone, std::string_view) { return findByPhone(r, phone); };
    auto byStreet = [](db::Recordset& r, std::string_view s, std::string_view) { return findByStreet(r, s); };
    for (const Case& c : {
             // The first name is compared whole and with its letter case, over the rows in phone order.
             Case{"name", byName, "Smith", "Jane", "555-100-0009"},
             Case{"name", byName, "Smith", "John", "555-200-0002"},
             Case{"name", byName, "smi", "John", "555-200-0002"},
             Case{"name", byName, "Smith", "john", nullptr},
             Case{"name", byName, "Smith", "Jan", nullptr},
             Case{"name", byName, "O'Brien", "Pat", "555-300-0003"},
             // A row without a first name never matches, not even an empty one.
             Case{"name", byName, "Lee", "", nullptr},
             // The lowest phone of those the prefix begins; its pattern characters are plain.
             Case{"phone", byPhone, "555-2", "", "555-200-0001"},
             Case{"phone", byPhone, "5_5", "", "5_5-400-0004"},
             Case{"phone", byPhone, "5?5", "", nullptr},
             Case{"phone", byPhone, "", "", "555-100-0009"},
             // An empty street matches the first row that has one.
             Case{"street", byStreet, "", "", "555-100-0009"},
             Case{"street", byStreet, "12 Elm St #4", "", "555-100-0009"},
             Case{"street", byStreet, "12 elm st#", "", nullptr},
             Case{"street", byStreet, "12 Elm Str", "", "5_5-400-0004"},
         }) {
        auto found = c.find(rows, c.key, c.first);
        ASSERT_TRUE(found) << c.what << " " << c.key << ": " << found.error().message();
        EXPECT_EQ(*found, c.found != nullptr) << c.what << " " << c.key << " " << c.first;
        if (*found && c.found) {
            EXPECT_EQ(current(rows, "sPhone_no"), c.found) << c.what << " " << c.key;
        }
    }
}

TEST_F(Records, CardLookUpAndTheDataControlsOwnOrder) {
    run(kReservationStore, "INSERT INTO tblReserv (sLast_na, sPhone_no, szCard_nu) VALUES ('B', '2', '4111*')");
    run(kReservationStore, "INSERT INTO tblReserv (sLast_na, sPhone_no, szCard_nu) VALUES ('A', '1', '41112')");
    // A data control visits the rows in its record source's order: the table's own here.
    ui::Data& data = ui::forms().get<frmReservAdd>().datReserv;
    auto found = findByCard(data.Recordset(), "4111");
    ASSERT_TRUE(found);
    EXPECT_TRUE(*found);
    EXPECT_EQ(data.Recordset().field("sLast_na")->toText(), "B");
    found = findByCard(data.Recordset(), "4111*");
    ASSERT_TRUE(found);
    EXPECT_TRUE(*found);
    EXPECT_EQ(data.Recordset().field("sLast_na")->toText(), "B");
    found = findByCard(data.Recordset(), "41112");
    ASSERT_TRUE(found && *found);
    EXPECT_EQ(data.Recordset().field("sLast_na")->toText(), "A");
    found = findByCard(data.Recordset(), "5");
    ASSERT_TRUE(found);
    EXPECT_FALSE(*found);
    EXPECT_TRUE(data.Recordset().noMatch());
}

}  // namespace
}  // namespace pelk::reservations
