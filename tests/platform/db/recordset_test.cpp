#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "db_support.h"
#include "platform/os/paths.h"

using namespace pelk;
using test::column;
using test::ok;
using test::shown;

namespace {

const char* const kStore = "C:\\Program Files\\Pelk POS 4\\Front.mdb";

// Another station: its own SQLite connection on the same file.
class OtherStation {
public:
    explicit OtherStation(const std::string& windowsPath) {
        sqlite3_open(os::mapPath(windowsPath).string().c_str(), &db_);
        sqlite3_busy_timeout(db_, 2000);
    }
    ~OtherStation() { sqlite3_close(db_); }
    void exec(const std::string& sql) {
        char* err = nullptr;
        ASSERT_EQ(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err), SQLITE_OK) << (err ? err : "");
    }
    long long count(const std::string& sql) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr);
        long long n = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : -1;
        sqlite3_finalize(s);
        return n;
    }

private:
    sqlite3* db_ = nullptr;
};

TEST(Recordset, AutomaticNumberIsReadableRightAfterAddNew) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tblZu_Order ORDER BY Inv ASC");
    ok(rs.MoveFirst());
    ok(rs.AddNew());
    EXPECT_EQ(shown(rs.field("Inv")), "6");
    EXPECT_EQ(shown(rs.field("ID")), "Null");
    ok(rs.setField("ID", "0012"));
    ok(rs.setField("Total", "1,290.50"));
    ok(rs.setField("Date", "12/10/2026"));
    ok(rs.Update());
    // The row that was current before AddNew stays current; the new one is last.
    EXPECT_EQ(shown(rs.field("Inv")), "1");
    ok(rs.MoveLast());
    EXPECT_EQ(shown(rs.field("Inv")), "6");
    EXPECT_EQ(shown(rs.field("Total")), "1290.5");
    EXPECT_EQ(shown(rs.field("Date")), "12/10/2026");

    // A cancelled row keeps its number: the next one is not given it again.
    ok(rs.AddNew());
    EXPECT_EQ(shown(rs.field("inv")), "7");
    ok(rs.CancelUpdate());
    ok(rs.AddNew());
    EXPECT_EQ(shown(rs.field("INV")), "8");
    ok(rs.Update());
    auto last = rs.lastModified();
    ASSERT_TRUE(last.ok());
    ok(rs.setBookmark(*last));
    EXPECT_EQ(shown(rs.field("Inv")), "8");
    EXPECT_EQ(rs.recordCount(), 7);

    // The number cannot be assigned.
    ok(rs.AddNew());
    EXPECT_EQ(rs.setField("Inv", 99).error().code, db::code::kFieldNotUpdatable);
    ok(rs.CancelUpdate());
}

TEST(Recordset, DeletedRowStaysCurrentUntilAMove) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tbDrink ORDER BY Dish_ID");
    ok(rs.FindFirst("Dish_ID = 7"));
    ok(rs.Delete());
    EXPECT_EQ(rs.field("szMenu_nm").error().code, db::code::kRecordDeleted);
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), -1);
    EXPECT_EQ(rs.Delete().error().code, db::code::kRecordDeleted);
    ok(rs.MoveNext());
    EXPECT_EQ(shown(rs.field("Dish_ID")), "12");
    ok(rs.MovePrevious());
    EXPECT_EQ(shown(rs.field("Dish_ID")), "5");
    EXPECT_EQ(rs.recordCount(), 5);

    // The last row: after the delete and a move, the end.
    ok(rs.MoveLast());
    ok(rs.Delete());
    EXPECT_FALSE(rs.eof());
    ok(rs.MoveNext());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.MoveNext().error().code, db::code::kNoCurrentRecord);
    EXPECT_EQ(column(rs, "Dish_ID"), (std::vector<std::string>{"3", "5", "12", "15"}));
    db::Recordset again = test::open(d, "tbDrink");
    EXPECT_EQ(again.recordCount(), 4);

    // Deleting every row leaves both ends.
    ok(rs.MoveFirst());
    while (!rs.eof()) {
        ok(rs.Delete());
        ok(rs.MoveNext());
    }
    EXPECT_TRUE(rs.bof());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.MoveFirst().error().code, db::code::kNoCurrentRecord);
}

TEST(Recordset, FindsFollowTheOrderByOrder) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tbDrink ORDER BY szMenu_nm DESC");
    ok(rs.FindFirst("szMenu_nm Like 't*'"));
    EXPECT_EQ(shown(rs.field("szMenu_nm")), "tea latte");
    EXPECT_EQ(rs.absolutePosition(), 0);
    ok(rs.FindNext("szMenu_nm Like 't*'"));
    EXPECT_EQ(shown(rs.field("szMenu_nm")), "Tea Cake");
    EXPECT_EQ(rs.absolutePosition(), 1);
    ok(rs.FindLast("szMenu_nm Like 't*'"));
    EXPECT_EQ(shown(rs.field("szMenu_nm")), "Tea");
    ok(rs.FindPrevious("szMenu_nm Like 't*'"));
    EXPECT_EQ(shown(rs.field("szMenu_nm")), "Tea Cake");
    ok(rs.MoveNext());
    EXPECT_EQ(shown(rs.field("szMenu_nm")), "Tea");
    EXPECT_FALSE(rs.noMatch());

    // No match: no current row, so nothing can be edited or deleted by mistake.
    ok(rs.FindNext("szMenu_nm Like 't*'"));
    EXPECT_TRUE(rs.noMatch());
    EXPECT_EQ(rs.field("szMenu_nm").error().code, db::code::kNoCurrentRecord);
    EXPECT_EQ(rs.Edit().error().code, db::code::kNoCurrentRecord);
    EXPECT_EQ(rs.Delete().error().code, db::code::kNoCurrentRecord);
    db::Recordset fresh = test::open(d, "SELECT * FROM tbDrink ORDER BY szMenu_nm DESC");
    ok(fresh.FindFirst("szMenu_nm = 'Milk'"));
    EXPECT_TRUE(fresh.noMatch());
    EXPECT_EQ(fresh.Delete().error().code, db::code::kNoCurrentRecord);
    ok(fresh.MoveFirst());
    EXPECT_FALSE(fresh.noMatch() && false);
    EXPECT_EQ(shown(fresh.field("szMenu_nm")), "tea latte");
    EXPECT_EQ(fresh.recordCount(), 6);
}

// The rows' order is taken late, but never after an edit that moves the current row: the next
// move goes on from where the row stood when it was read, as the clerk saw the list.
TEST(Recordset, AnEditedKeyKeepsItsPlaceUntilTheNextRead) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    struct Case {
        const char* source;
        const char* newName;
        const char* next;
    } cases[] = {
        {"SELECT * FROM tbDrink ORDER BY szMenu_nm", "Zucchini tea", "Lemonade"},
        {"SELECT * FROM tbDrink ORDER BY szMenu_nm DESC", "Apple juice", "Tea Cake"},
        {"SELECT * FROM tbDrink WHERE szMenu_nm Like 't*' ORDER BY szMenu_nm", "Water", "Tea Cake"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        db::Recordset rs = test::open(d, c.source);
        std::string first = shown(rs.field("szMenu_nm"));
        ok(rs.Edit());
        ok(rs.setField("szMenu_nm", c.newName));
        ok(rs.Update());
        ok(rs.MoveNext());
        EXPECT_EQ(shown(rs.field("szMenu_nm")), c.next);
        ok(rs.MovePrevious());
        EXPECT_EQ(shown(rs.field("szMenu_nm")), c.newName);
        ok(rs.Edit());
        ok(rs.setField("szMenu_nm", first));
        ok(rs.Update());
    }
}

// A row gone to by a find and written goes on from its place in the order, whether the write
// left the field of the order as it was, changed its case or changed it.
TEST(Recordset, ARowWrittenAfterAFindGoesOnFromItsPlace) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    struct Case {
        const char* name;
        const char* price;
    } cases[] = {{"Lemonade", "1.80"}, {"lemonade", "1.75"}, {"Zest", "1.75"}, {"Apple", "1.90"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db::Recordset rs = test::open(d, "SELECT * FROM tbDrink ORDER BY szMenu_nm");
        ok(rs.FindFirst("szMenu_nm = 'Lemonade'"));
        ok(rs.Edit());
        ok(rs.setField("szMenu_nm", c.name));
        ok(rs.setField("szPrice_amt", c.price));
        ok(rs.Update());
        ok(rs.MoveNext());
        EXPECT_EQ(shown(rs.field("szMenu_nm")), "Soda");
        ok(rs.MovePrevious());
        EXPECT_EQ(shown(rs.field("szMenu_nm")), c.name);
        EXPECT_EQ(shown(rs.field("szPrice_amt")), c.price);
        ok(rs.MovePrevious());
        EXPECT_EQ(shown(rs.field("szMenu_nm")), "Coffee");
        ok(rs.MoveNext());
        ok(rs.Edit());
        ok(rs.setField("szMenu_nm", "Lemonade"));
        ok(rs.setField("szPrice_amt", "1.75"));
        ok(rs.Update());
    }
}

// A row gone to by a find and deleted before the rows were listed leaves the same road as one
// deleted from the listed rows: it stays current, deleted, and a step goes on from its place,
// whatever the order, its ties and its Nulls.
TEST(Recordset, ARowDeletedAfterAFindLeavesTheSameRoad) {
    test::TempRoot root;
    db::Database d = test::emptyStore(kStore);
    const char* const rows[] = {"('Cy', 3)", "('Al', 1)", "(Null, 7)", "('Bo', 2)", "('Bo', 9)",
                                "('al', 4)", "(Null, 8)", "('Di', Null)", "('Ed', 5)"};
    ok(d.execute("CREATE TABLE tbK (szName TEXT(10), nNo LONG)").status());
    auto fill = [&] {
        ok(d.execute("DELETE FROM tbK").status());
        for (const char* r : rows) ok(d.execute(std::string("INSERT INTO tbK (szName, nNo) VALUES ") + r).status());
    };
    const char* const sources[] = {"SELECT * FROM tbK ORDER BY szName", "SELECT * FROM tbK ORDER BY szName DESC",
                                   "SELECT * FROM tbK ORDER BY szName, nNo DESC", "tbK",
                                   "SELECT * FROM tbK WHERE nNo < 9 ORDER BY nNo DESC"};
    const char* const targets[] = {"nNo = 2", "nNo = 9", "nNo = 7", "nNo = 3", "szName = 'Di'", "nNo = 1", "nNo = 5"};
    // What the recordset shows after the deletion and one step, and after the step back.
    auto road = [&](const char* source, const char* target, bool listed, bool forward) {
        fill();
        db::Recordset rs = test::open(d, source);
        if (listed) (void)rs.recordCount();
        std::string out;
        if (!rs.FindFirst(target).ok() || rs.noMatch()) return std::string("no match");
        ok(rs.Delete());
        out += rs.field("szName").ok() ? "readable " : "gone ";
        db::Status step = forward ? rs.MoveNext() : rs.MovePrevious();
        if (!step) return out + "refused";
        auto name = [&] {
            if (rs.eof()) return std::string("EOF");
            if (rs.bof()) return std::string("BOF");
            return rs.fieldText("szName") + "/" + rs.fieldText("nNo");
        };
        out += name();
        if ((forward ? rs.MovePrevious() : rs.MoveNext()).ok()) out += " " + name();
        return out + " of " + std::to_string(rs.recordCount());
    };
    for (const char* source : sources)
        for (const char* target : targets)
            for (bool forward : {true, false}) {
                SCOPED_TRACE(std::string(source) + " / " + target + (forward ? " / next" : " / previous"));
                EXPECT_EQ(road(source, target, false, forward), road(source, target, true, forward));
            }
    // Text orders without regard to case, ties by entry: Null/7, Null/8, Al/1, al/4, Bo/2, Bo/9, Cy…
    EXPECT_EQ(road(sources[0], "nNo = 2", false, true), "gone Bo/9 al/4 of 8");
    // …and the other way: …Bo/2, Bo/9, Al/1, al/4, Null/7, Null/8.
    EXPECT_EQ(road(sources[1], "nNo = 7", false, true), "gone /8 al/4 of 8");
    EXPECT_EQ(road(sources[1], "nNo = 8", false, true), "gone EOF /7 of 8");
}

TEST(Recordset, CloneMovesOnItsOwn) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tbDrink ORDER BY Dish_ID");
    ok(rs.MoveLast());
    auto c = rs.Clone();
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c->field("Dish_ID").error().code, db::code::kNoCurrentRecord);
    ok(c->MoveFirst());
    ok(c->MoveNext());
    EXPECT_EQ(shown(c->field("Dish_ID")), "5");
    EXPECT_EQ(shown(rs.field("Dish_ID")), "50");
    // Bookmarks serve both; a row deleted through one is gone from the other.
    auto mark = c->bookmark();
    ASSERT_TRUE(mark.ok());
    ok(rs.setBookmark(*mark));
    EXPECT_EQ(shown(rs.field("Dish_ID")), "5");
    ok(c->Delete());
    ok(c->MoveNext());
    EXPECT_EQ(rs.recordCount(), 5);
    EXPECT_EQ(rs.field("Dish_ID").error().code, db::code::kRecordDeleted);
    EXPECT_EQ(rs.setBookmark(*mark).error().code, db::code::kInvalidBookmark);
    ok(rs.MoveFirst());
    EXPECT_EQ(shown(c->field("Dish_ID")), "7");
    EXPECT_EQ(column(rs, "Dish_ID"), (std::vector<std::string>{"3", "7", "12", "15", "50"}));
}

TEST(Recordset, CancelUpdateWritesNothing) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tblCustmr ORDER BY sPhone_no ASC");
    ok(rs.Edit());
    ok(rs.setField("sLast_na", "Changed"));
    EXPECT_EQ(shown(rs.field("sLast_na")), "Changed");
    ok(rs.CancelUpdate());
    EXPECT_EQ(shown(rs.field("sLast_na")), "Chen");
    ok(rs.AddNew());
    ok(rs.setField("sLast_na", "Nobody"));
    ok(rs.CancelUpdate());
    EXPECT_EQ(rs.CancelUpdate().error().code, db::code::kUpdateWithoutEdit);
    EXPECT_EQ(rs.Update().error().code, db::code::kUpdateWithoutEdit);
    EXPECT_EQ(rs.setField("sLast_na", "x").error().code, db::code::kUpdateWithoutEdit);
    db::Recordset again = test::open(d, "SELECT * FROM tblCustmr ORDER BY sPhone_no ASC");
    EXPECT_EQ(again.recordCount(), 9);
    EXPECT_EQ(shown(again.field("sLast_na")), "Chen");

    // Edit writes only when Update comes, and to that row alone.
    ok(rs.MoveNext());
    ok(rs.Edit());
    ok(rs.setField("sFirst_nm", "Robert"));
    ok(rs.Update());
    db::Recordset check = test::open(d, "tblCustmr");
    ok(check.FindFirst("sFirst_nm = 'Robert'"));
    EXPECT_EQ(shown(check.field("sLast_na")), "smithers");
    ok(check.FindNext("sFirst_nm = 'Robert'"));
    EXPECT_TRUE(check.noMatch());
}

// Null is not the empty text; a text longer than its field, or Null in a required field,
// makes Update fail and writes nothing; a value that cannot be of the field's kind is refused.
TEST(Recordset, FieldRulesHoldAtUpdate) {
    test::TempRoot root;
    db::StoreDecl decl{"Rules.mdb",
                       {{"tblRules",
                         {{"ID", db::Kind::Counter},
                          {"szCode", db::Kind::Text, 4, true},
                          {"szName", db::Kind::Text, 10},
                          {"szNote", db::Kind::Memo},
                          {"nQty", db::Kind::Long},
                          {"dRate", db::Kind::Double},
                          {"cAmt", db::Kind::Currency},
                          {"bPaid", db::Kind::YesNo},
                          {"szDate_da", db::Kind::DateTime},
                          {"szIn_ti", db::Kind::DateTime}},
                         {}}}};
    const std::string path = os::programPath("Rules.mdb");
    ok(db::ensureStore(path, decl));
    db::Database d = *db::Database::open(path);
    db::Recordset rs = test::open(d, "tblRules");

    ok(rs.AddNew());
    ok(rs.setField("szName", "0123456789A"));  // refused at Update, as the legacy engine did
    EXPECT_EQ(rs.Update().error().code, db::code::kRequired);
    ok(rs.setField("szCode", ""));
    EXPECT_EQ(rs.Update().error().code, db::code::kZeroLength);
    ok(rs.setField("szCode", "AB12"));
    auto tooLong = rs.Update();
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.error().code, db::code::kFieldTooSmall);
    EXPECT_NE(tooLong.error().reason.find("szName"), std::string::npos);
    EXPECT_EQ(tooLong.error().store, path);
    EXPECT_EQ(rs.editMode(), db::EditMode::Adding);     // the row can be put right and saved
    ok(rs.setField("szName", "中文名字测试十个字符"));  // ten characters, thirty bytes
    ok(rs.setField("nQty", "12"));
    ok(rs.setField("dRate", 0.075));
    ok(rs.setField("cAmt", "$1,234.56"));
    ok(rs.setField("bPaid", true));
    ok(rs.setField("szDate_da", "12/10/2026"));
    ok(rs.setField("szIn_ti", "2:05:09 PM"));
    EXPECT_EQ(rs.setField("nQty", "twelve").error().code, db::code::kConversion);
    EXPECT_EQ(rs.setField("szDate_da", "31/31/2026").error().code, db::code::kConversion);
    EXPECT_EQ(rs.setField("cAmt", "").error().code, db::code::kConversion);
    EXPECT_EQ(rs.setField("nothing", 1).error().code, db::code::kNotFoundInCollection);
    ok(rs.Update());

    ok(rs.MoveFirst());
    EXPECT_EQ(shown(rs.field("szNote")), "Null");
    EXPECT_EQ(shown(rs.field("szName")), "中文名字测试十个字符");
    auto qty = rs.field("nQty");
    EXPECT_EQ(*qty, core::Value(12));
    EXPECT_EQ(*rs.field("dRate"), core::Value(0.075));
    EXPECT_EQ(*rs.field("cAmt"), core::Value(core::Money::fromUnits(12345600)));
    EXPECT_EQ(*rs.field("bPaid"), core::Value(true));
    EXPECT_EQ(shown(rs.field("szDate_da")), "12/10/2026");
    EXPECT_EQ(shown(rs.field("szIn_ti")), "2:05:09 PM");

    // Emptying a text is not nulling it; nulling a required field fails.
    ok(rs.Edit());
    ok(rs.setField("szNote", ""));
    ok(rs.Update());
    EXPECT_EQ(shown(rs.field("szNote")), "");
    ok(rs.FindFirst("szNote = ''"));
    EXPECT_FALSE(rs.noMatch());
    ok(rs.FindFirst("szNote Is Null"));
    EXPECT_TRUE(rs.noMatch());
    ok(rs.MoveFirst());
    ok(rs.Edit());
    ok(rs.setField("szCode", core::Null{}));
    EXPECT_EQ(rs.Update().error().code, db::code::kRequired);
    ok(rs.CancelUpdate());
    EXPECT_EQ(shown(rs.field("szCode")), "AB12");

    // A date written as short-date text is stored as a date: ranges find it.
    db::Recordset range = test::open(d, "SELECT * FROM tblRules WHERE szDate_da Between #12/1/2026# And #12/31/2026#");
    EXPECT_EQ(range.recordCount(), 1);
}

TEST(Recordset, FieldsDescribeThemselves) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "tblZu_Order");
    ASSERT_EQ(rs.fields().size(), 9u);
    EXPECT_EQ(rs.fields()[0].name, "Inv");
    EXPECT_EQ(rs.fields()[0].kind, db::Kind::Counter);
    EXPECT_EQ(rs.fields()[1].kind, db::Kind::Text);
    EXPECT_EQ(rs.fields()[1].size, 10);
    EXPECT_EQ(rs.fields()[3].kind, db::Kind::DateTime);
    EXPECT_EQ(rs.fields()[4].kind, db::Kind::Currency);
    EXPECT_EQ(rs.fieldIndex("SZCARD_AMT"), 7);
    EXPECT_TRUE(rs.updatable());

    db::Recordset sums = test::open(d, "SELECT Sum(Total) AS SumOfTotal, Count(*) AS N FROM tblZu_Order");
    EXPECT_FALSE(sums.updatable());
    EXPECT_EQ(sums.fields()[0].kind, db::Kind::Currency);
    EXPECT_EQ(sums.fields()[1].kind, db::Kind::Long);
    EXPECT_EQ(*sums.field("SumOfTotal"), core::Value(core::Money::fromUnits(15266500)));
    EXPECT_EQ(sums.AddNew().error().code, db::code::kReadOnly);

    db::Recordset some = test::open(d, "SELECT ID, Total AS Amount FROM tblZu_Order WHERE Method = 'zu'");
    EXPECT_TRUE(some.updatable());
    ASSERT_EQ(some.fields().size(), 2u);
    EXPECT_EQ(some.fields()[1].name, "Amount");
    ok(some.Edit());
    ok(some.setField("Amount", 1));
    ok(some.Update());
    db::Recordset check = test::open(d, "SELECT * FROM tblZu_Order ORDER BY Inv");
    EXPECT_EQ(shown(check.field("Total")), "1");

    db::Recordset set = test::open(d, "SELECT * FROM tbSet ORDER BY ID ASC");
    EXPECT_EQ(shown(set.field("option")), "Single");
    EXPECT_EQ(*set.field("FALSE"), core::Value(true));
    EXPECT_EQ(shown(set.field("Time")), "2:05:09 PM");
    EXPECT_EQ(shown(set.field("date")), "12/10/2026");
    EXPECT_EQ(shown(set.field("1")), "x");
    EXPECT_EQ(shown(set.field(5)), "x");
    EXPECT_EQ(set.field("2").error().code, db::code::kNotFoundInCollection);
}

// What a box shows for a field: Null, a name the source lacks and a row that is not there all read
// as the empty text, by name and by place alike.
TEST(Recordset, FieldTextIsWhatABoxShows) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tblZu_Order WHERE Inv = 3");
    struct Case {
        const char* field;
        const char* text;
    };
    const Case cases[] = {
        {"ID", "0001"},     {"total", "10.05"},       {"Date", "2/1/2026"},
        {"szCard_amt", ""}, {"szCoupon_amt", "0.10"}, {"Nothing", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(rs.fieldText(c.field), c.text) << c.field;
    EXPECT_EQ(rs.fieldText(1), "0001");
    EXPECT_EQ(rs.fieldText(7), "");  // szCard_amt, Null
    EXPECT_EQ(rs.fieldText(99), "");
    ok(rs.MoveNext());
    ASSERT_TRUE(rs.eof());
    EXPECT_EQ(rs.fieldText("ID"), "");
    EXPECT_EQ(rs.fieldText(1), "");
}

TEST(Recordset, PositionsAndBookmarks) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tbEmplo ORDER BY szID_no ASC");
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(rs.absolutePosition(), 0);
    EXPECT_EQ(shown(rs.field("szID_no")), "0001");
    ok(rs.MovePrevious());
    EXPECT_TRUE(rs.bof());
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), -1);
    EXPECT_EQ(rs.MovePrevious().error().code, db::code::kNoCurrentRecord);
    ok(rs.MoveNext());
    EXPECT_EQ(shown(rs.field("szID_no")), "0001");
    ok(rs.setAbsolutePosition(2));
    EXPECT_EQ(shown(rs.field("szID_no")), "00123");
    auto mark = rs.bookmark();
    ASSERT_TRUE(mark.ok());
    ok(rs.MoveLast());
    EXPECT_EQ(rs.absolutePosition(), 3);
    ok(rs.MoveNext());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), -1);
    ok(rs.setBookmark(*mark));
    EXPECT_EQ(shown(rs.field("szID_no")), "00123");
    EXPECT_EQ(rs.setAbsolutePosition(4).error().code, db::code::kInvalidArgument);

    db::Recordset empty = test::open(d, "SELECT * FROM tbEmplo WHERE szID_no = 'none'");
    EXPECT_TRUE(empty.bof());
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.recordCount(), 0);
    EXPECT_EQ(empty.absolutePosition(), -1);
    EXPECT_EQ(empty.field("szID_no").error().code, db::code::kNoCurrentRecord);
    EXPECT_EQ(empty.MoveLast().error().code, db::code::kNoCurrentRecord);
    // A row added to an empty recordset is there to move to.
    ok(empty.AddNew());
    ok(empty.setField("szID_no", "none"));
    ok(empty.Update());
    EXPECT_EQ(empty.recordCount(), 1);
    ok(empty.MoveFirst());
    EXPECT_EQ(shown(empty.field("szID_no")), "none");
}

// Screens keep a bookmark from one recordset and go back to the row through another (a search
// re-read in another order, a screen opened again): the bookmark is the row's own identity.
TEST(Recordset, ABookmarkFindsItsRowFromAnyRecordsetOfItsTable) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset byCode = test::open(d, "SELECT * FROM tbEmplo ORDER BY szID_no ASC");
    ok(byCode.setAbsolutePosition(2));
    ASSERT_EQ(shown(byCode.field("szName_nm")), "Cy");
    auto mark = byCode.bookmark();
    ASSERT_TRUE(mark.ok());

    db::Recordset byName = test::open(d, "SELECT * FROM tbEmplo ORDER BY szName_nm DESC");
    ok(byName.setBookmark(*mark));
    EXPECT_EQ(shown(byName.field("szID_no")), "00123");
    EXPECT_EQ(byName.absolutePosition(), 1) << "Di, Cy, Bob, Ann";

    // A row added after the mark was taken does not take its place.
    ok(byName.AddNew());
    ok(byName.setField("szID_no", "0200"));
    ok(byName.setField("szName_nm", "Ed"));
    ok(byName.Update());
    db::Recordset again = test::open(d, "SELECT * FROM tbEmplo");
    ok(again.setBookmark(*mark));
    EXPECT_EQ(shown(again.field("szName_nm")), "Cy");

    // A recordset that does not hold the row cannot go to it.
    db::Recordset diOnly = test::open(d, "SELECT * FROM tbEmplo WHERE szID_no = '0100'");
    EXPECT_FALSE(diOnly.setBookmark(*mark).ok());
    EXPECT_EQ(shown(diOnly.field("szName_nm")), "Di") << "a failed bookmark leaves the position";

    // Gone to straight from a recordset not positioned yet, the row walks on in the order.
    db::Recordset walk = test::open(d, "SELECT * FROM tbEmplo ORDER BY szName_nm DESC");
    ok(walk.setBookmark(*mark));
    ok(walk.MoveNext());
    EXPECT_EQ(shown(walk.field("szName_nm")), "Bob");
    EXPECT_EQ(walk.absolutePosition(), 3) << "Ed, Di, Cy, Bob, Ann";

    // A row another station deleted is no place to go to; the recordset stays on its first row.
    OtherStation other(kStore);
    other.exec("DELETE FROM tbEmplo WHERE szID_no = '00123'");
    db::noteAction();
    db::Recordset fresh = test::open(d, "SELECT * FROM tbEmplo ORDER BY szName_nm DESC");
    EXPECT_EQ(fresh.setBookmark(*mark).error().code, db::code::kInvalidBookmark);
    EXPECT_EQ(shown(fresh.field("szName_nm")), "Ed");
}

// A search goes on with FindNext through the matches its criterion took at the clerk's action:
// another station's writes count from the clerk's next action, this station's own at once, and
// a row deleted through a clone is passed over.
TEST(Recordset, AFindGoesOnWithTheWritesMadeSinceTheAction) {
    test::TempRoot root;
    db::Database d = test::emptyStore(kStore);
    ok(d.execute("CREATE TABLE tbGuest (szName TEXT(20), szRoom TEXT(10))").status());
    for (const char* row : {"'Smith', '1'", "'Jones', '2'", "'Smith', '3'", "'Smith', '4'", "'Brown', '5'",
                            "'Smith', '6'", "'Smith', '7'"})
        ok(d.execute(std::string("INSERT INTO tbGuest (szName, szRoom) VALUES (") + row + ")").status());
    db::Recordset rs = test::open(d, "SELECT * FROM tbGuest ORDER BY szRoom DESC");
    const std::string smith = "szName = 'Smith'";
    auto room = [&] { return rs.noMatch() ? std::string("no match") : shown(rs.field("szRoom")); };

    db::noteAction();
    ok(rs.FindFirst(smith));
    EXPECT_EQ(room(), "7");
    ok(rs.FindNext(smith));
    EXPECT_EQ(room(), "6");
    OtherStation other(kStore);
    other.exec("UPDATE tbGuest SET szName = 'Smyth' WHERE szRoom = '4'");
    other.exec("UPDATE tbGuest SET szName = 'Smith' WHERE szRoom = '5'");
    db::noteAction();  // the clerk presses Find Next
    ok(rs.FindNext(smith));
    EXPECT_EQ(room(), "5");
    ok(rs.FindNext(smith));
    EXPECT_EQ(room(), "3");

    // This station's own writes, through a clone, within the same action.
    auto clone = rs.Clone();
    ASSERT_TRUE(clone.ok());
    ok(clone->FindFirst("szRoom = '7'"));
    ok(clone->Edit());
    ok(clone->setField("szName", "Jones"));
    ok(clone->Update());
    ok(clone->FindFirst("szRoom = '1'"));
    ok(clone->Delete());
    ok(rs.FindNext(smith));
    EXPECT_EQ(room(), "no match");
    ok(rs.FindFirst(smith));
    EXPECT_EQ(room(), "6");
    ok(rs.FindLast(smith));
    EXPECT_EQ(room(), "3");
    ok(rs.FindPrevious(smith));
    EXPECT_EQ(room(), "5");
}

// Rows are placed by their identity, whatever the order: every row of a recordset whose order
// is not the order of entry, rows added through it included, is found by its bookmark and by a
// find, at its place.
TEST(Recordset, EveryRowIsPlacedByItsIdentity) {
    test::TempRoot root;
    db::Database d = test::emptyStore(kStore);
    ok(d.execute("CREATE TABLE tbGuest (szName TEXT(20), nNo LONG)").status());
    constexpr int kStored = 100, kAdded = 150;
    for (int i = 0; i < kStored; ++i)  // entered from the last name in the order to the first
        ok(d.execute("INSERT INTO tbGuest (szName, nNo) VALUES ('G" + std::to_string(500 - i) + "', " +
                     std::to_string(i) + ")")
               .status());
    db::Recordset rs = test::open(d, "SELECT * FROM tbGuest ORDER BY szName");
    ok(rs.FindFirst("nNo = 50"));
    EXPECT_EQ(rs.absolutePosition(), kStored - 1 - 50);
    for (int i = kStored; i < kStored + kAdded; ++i) {
        ok(rs.AddNew());
        ok(rs.setField("szName", "A" + std::to_string(i)));
        ok(rs.setField("nNo", i));
        ok(rs.Update());
    }
    db::Recordset marks = test::open(d, "tbGuest");
    for (int i = 0; i < kStored + kAdded; ++i) {
        SCOPED_TRACE(i);
        // Rows added through the recordset come last, in the order they were added.
        long place = i < kStored ? kStored - 1 - i : i;
        ok(marks.FindFirst("nNo = " + std::to_string(i)));
        auto mark = marks.bookmark();
        ASSERT_TRUE(mark.ok());
        ok(rs.setBookmark(*mark));
        EXPECT_EQ(rs.absolutePosition(), place);
        ok(rs.FindFirst("nNo = " + std::to_string(i)));
        EXPECT_EQ(rs.absolutePosition(), place);
    }
}

// A walk through rows whose order is not their order of entry, and through a table in its own
// order, while another station writes ahead of it: each row shows what the file holds at the
// clerk's action, a row deleted ahead says so, a row added is not among those walked, and a field
// lent is the field given.
TEST(Recordset, AWalkShowsEachRowAsTheFileHoldsIt) {
    test::TempRoot root;
    db::Database d = test::emptyStore(kStore);
    constexpr int kRows = 300;
    struct Road {
        const char* table;
        const char* source;
        int first;  // the name walked first
        int step;   // the names go up or down by it
    };
    // Rows the source leaves out lie among the rows walked.
    const Road roads[] = {{"tbGuestA", "SELECT * FROM tbGuestA WHERE nNo > -2 ORDER BY szName", 1001, 1},
                          {"tbGuestB", "SELECT * FROM tbGuestB WHERE nNo > -2", 1300, -1}};
    for (const Road& road : roads) {
        SCOPED_TRACE(road.source);
        const std::string table = road.table;
        ok(d.execute("CREATE TABLE " + table + " (szName TEXT(20), nNo LONG, dtIn DATETIME, cRate CURRENCY)")
               .status());
        for (int i = 0; i < kRows; ++i) {  // entered from the last name in the order to the first
            ok(d.execute("INSERT INTO " + table + " (szName, nNo, dtIn, cRate) VALUES ('G" +
                         std::to_string(1000 + kRows - i) + "', " + std::to_string(i) + ", #3/" +
                         std::to_string(1 + i % 28) + "/2026#, " + (i % 3 ? std::to_string(i) + ".5" : "Null") + ")")
                   .status());
            if (i % 4 == 1)
                ok(d.execute("INSERT INTO " + table + " (szName, nNo) VALUES ('X" + std::to_string(i) + "', -5)")
                       .status());
        }
        db::Recordset rs = test::open(d, road.source);
        OtherStation other(kStore);
        int name = road.first, walked = 0, deleted = 0;
        std::vector<int> gone;
        while (!rs.eof()) {
            SCOPED_TRACE(name);
            // The clerk's click, now and then, with another station writing just before it:
            // between them the walk reads ahead in growing windows.
            bool update = walked % 11 == 3;
            if (walked % 37 == 5 || update) db::noteAction();
            if (walked % 37 == 5) {  // the next row but one is deleted, a row is added among those ahead
                gone.push_back(name + 2 * road.step);
                other.exec("DELETE FROM " + table + " WHERE szName = 'G" + std::to_string(gone.back()) + "'");
                other.exec("INSERT INTO " + table + " (szName, nNo) VALUES ('G" +
                           std::to_string(name + 3 * road.step) + "a', -1)");
            }
            if (update)
                other.exec("UPDATE " + table + " SET nNo = nNo + 1000 WHERE szName = 'G" + std::to_string(name) + "'");
            if (std::find(gone.begin(), gone.end(), name) != gone.end()) {
                EXPECT_EQ(rs.field("szName").error().code, db::code::kRecordDeleted);
                EXPECT_EQ(rs.fieldLent(0).error().code, db::code::kRecordDeleted);
                ++deleted;
            } else {
                EXPECT_EQ(rs.fieldText("szName"), "G" + std::to_string(name));
                auto no = rs.field("nNo");
                ASSERT_TRUE(no.ok());
                EXPECT_EQ(no->toLong() >= 1000, update);
                for (int k = 0; k < static_cast<int>(rs.fields().size()); ++k) {
                    auto lent = rs.fieldLent(k);
                    ASSERT_TRUE(lent.ok()) << k;
                    EXPECT_EQ(**lent, *rs.field(k)) << k;
                }
            }
            ok(rs.MoveNext());
            name += road.step;
            ++walked;
        }
        EXPECT_EQ(walked, kRows);
        EXPECT_EQ(deleted, static_cast<int>(gone.size()));
        EXPECT_GT(deleted, 5);
    }
}

// A field lent is what field() gives, of the row shown or of the row being edited or added, and
// fails as field() does.
TEST(Recordset, AFieldLentIsTheFieldGiven) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tblZu_Order WHERE Inv = 3");
    for (const char* name : {"Inv", "ID", "total", "Date", "szCard_amt", "szCoupon_amt"}) {
        auto lent = rs.fieldLent(name);
        ASSERT_TRUE(lent.ok()) << name;
        EXPECT_EQ(**lent, *rs.field(name)) << name;
    }
    EXPECT_EQ(rs.fieldLent("Nothing").error().code, db::code::kNotFoundInCollection);
    EXPECT_EQ(rs.fieldLent(99).error().code, db::code::kNotFoundInCollection);
    EXPECT_EQ(rs.fieldLent(-1).error().code, db::code::kNotFoundInCollection);
    ok(rs.Edit());
    ok(rs.setField("ID", "0042"));
    EXPECT_EQ((*rs.fieldLent("ID"))->toText(), "0042");
    ok(rs.CancelUpdate());
    EXPECT_EQ((*rs.fieldLent("ID"))->toText(), "0001");
    ok(rs.AddNew());
    auto number = rs.fieldLent("Inv");
    ASSERT_TRUE(number.ok());
    EXPECT_GT((*number)->toLong(), 3);
    ok(rs.CancelUpdate());
    ok(rs.MoveNext());
    ASSERT_TRUE(rs.eof());
    EXPECT_EQ(rs.fieldLent("ID").error().code, db::code::kNoCurrentRecord);
}

// A recordset held open while another station writes: it reads the rows it holds afresh,
// keeps its own rows until Requery, and says so when a row it holds was deleted.
TEST(Recordset, SeesOtherStationsWrites) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d, "SELECT * FROM tbEmplo ORDER BY szID_no ASC");
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(shown(rs.field("szName_nm")), "Bob");
    OtherStation other(kStore);
    other.exec("UPDATE tbEmplo SET szName_nm = 'Robert' WHERE szID_no = '0001'");
    other.exec("INSERT INTO tbEmplo (szID_no, szName_nm) VALUES ('0000', 'New')");
    other.exec("DELETE FROM tbEmplo WHERE szID_no = '0012'");
    db::noteAction();  // the clerk's next click
    ok(rs.MoveNext());
    EXPECT_EQ(rs.field("szName_nm").error().code, db::code::kRecordDeleted);
    ok(rs.MovePrevious());
    EXPECT_EQ(shown(rs.field("szName_nm")), "Robert");
    EXPECT_EQ(rs.recordCount(), 4);
    ok(rs.Requery());
    EXPECT_EQ(column(rs, "szName_nm"), (std::vector<std::string>{"New", "Robert", "Cy", "Di"}));

    // Writes go to the file at once.
    ok(rs.MoveFirst());
    ok(rs.Edit());
    ok(rs.setField("szLevel_nu", "Level 1"));
    ok(rs.Update());
    EXPECT_EQ(other.count("SELECT count(*) FROM tbEmplo WHERE szLevel_nu = 'Level 1'"), 2);
}

}  // namespace

TEST(Recordset, AYesNoFieldNeverWrittenIsNo) {
    test::TempRoot root;
    db::StoreDecl decl{"Flags.mdb",
                       {db::TableDecl{"tbFlags", {{"szName", db::Kind::Text, 10}, {"bOn", db::Kind::YesNo}}, {}}}};
    ok(db::ensureStore(os::programPath("Flags.mdb"), decl));
    auto d = db::Database::open(os::programPath("Flags.mdb"));
    ASSERT_TRUE(d.ok());
    db::Recordset rs = test::open(*d, "tbFlags");
    ok(rs.AddNew());
    ok(rs.setField("szName", "a"));
    ok(rs.Update());
    ok(rs.MoveFirst());
    EXPECT_EQ(shown(rs.field("bOn")), "False");
    ASSERT_TRUE(d->execute("INSERT INTO tbFlags (szName) VALUES ('b')").ok());
    db::Recordset no = test::open(*d, "SELECT * FROM tbFlags WHERE bOn = False");
    EXPECT_EQ(test::column(no, "szName"), (std::vector<std::string>{"a", "b"}));
}
