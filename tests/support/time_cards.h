#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"

namespace pelk::test {

// A small time-card store for the grid tests: three cards, two of them Ann's.
inline constexpr const char* kCards = "C:\\Program Files\\Pelk POS 4\\Tcd.mdb";

inline void makeCards() {
    ASSERT_TRUE(db::ensureStore(kCards, db::StoreDecl{"", {}, false}).ok());
    auto d = db::Database::open(kCards);
    ASSERT_TRUE(d.ok());
    for (const char* sql : {
             "CREATE TABLE tblTcd (ID COUNTER, szID_no TEXT(4), szName_na TEXT(20), szDate_da DATETIME, "
             "szIn_ti DATETIME, szTHrs DOUBLE)",
             "INSERT INTO tblTcd (szID_no, szName_na, szDate_da, szIn_ti, szTHrs) "
             "VALUES ('1001', 'Ann', #12/10/2026#, #2:05:00 PM#, 480)",
             "INSERT INTO tblTcd (szID_no, szName_na, szDate_da, szIn_ti, szTHrs) "
             "VALUES ('1002', 'Bob', #12/11/2026#, #9:00:00 AM#, 1255.5)",
             "INSERT INTO tblTcd (szID_no, szName_na, szDate_da, szIn_ti, szTHrs) "
             "VALUES ('1001', 'Ann', #12/12/2026#, #8:30:00 AM#, 255)",
         }) {
        auto n = d->execute(sql);
        ASSERT_TRUE(n.ok()) << sql << "\n" << n.error().message();
    }
}

// `count` more cards after the three, for grids longer than a window: card n is employee
// 2000 + n's, "Guest n", on one day.
inline void addCards(int count) {
    db::UnitOfWork work;
    ASSERT_TRUE(work.begin({kCards}).ok());
    auto d = work.store(kCards);
    ASSERT_TRUE(d.ok());
    for (int n = 1; n <= count; ++n) {
        auto added = d->execute("INSERT INTO tblTcd (szID_no, szName_na, szDate_da, szIn_ti, szTHrs) VALUES ('" +
                                std::to_string(2000 + n) + "', 'Guest " + std::to_string(n) +
                                "', #12/13/2026#, #7:00:00 AM#, " + std::to_string(n) + ")");
        ASSERT_TRUE(added.ok()) << added.error().message();
    }
    ASSERT_TRUE(work.commit().ok());
}

// A field of the first card matching `where`, as the screens read it.
inline std::string card(const std::string& where, const std::string& field) {
    auto d = db::Database::open(kCards);
    auto rs = d->openRecordset("SELECT * FROM tblTcd WHERE " + where);
    if (!rs) return "error " + rs.error().message();
    if (rs->eof()) return "no row";
    auto v = rs->field(field);
    return v->isNull() ? "(null)" : v->toText();
}

inline long cards() { return db::Database::open(kCards)->openRecordset("tblTcd")->recordCount(); }

}  // namespace pelk::test
