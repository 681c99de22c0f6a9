#include "platform/db/dialect.h"

#include <gtest/gtest.h>

#include "db_support.h"
#include "platform/db/like.h"

using namespace pelk;
using test::column;
using test::ok;
using test::shown;

namespace {

const char* const kStore = "C:\\Program Files\\Pelk POS 4\\Front.mdb";

struct SourceCase {
    const char* source;
    const char* field;
    std::vector<std::string> rows;
};

// The record sources the screens open, in their own spelling (leading blanks, trailing ";"
// and "; ", any letter case), and what each gives from the fixture, in order.
TEST(Dialect, RecordSourcesGiveTheirRowsInOrder) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    const SourceCase cases[] = {
        // Plain orderings; ties and tables without ORDER BY come in insertion order.
        {" SELECT * FROM tbEmplo ORDER BY szID_no ASC", "szID_no", {"0001", "0012", "00123", "0100"}},
        {"SELECT * FROM tblCustmr ORDER BY sPhone_no ASC",
         "sLast_na",
         {"Chen", "smithers", "Doe", "Smith", "adams", "O'Brien", "Baker", "St*rling", "Starr"}},
        {"SELECT * FROM tblReserv ORDER BY sLast_na ASC", "sLast_na", {"adams", "Kim", "Lee", "Ng", "Smith"}},
        {"SELECT * FROM tblReserv ORDER BY sPhone_no ASC",
         "sPhone_no",
         {"555-0102", "555-0200", "555-0300", "555-0400", "555-0500"}},
        {"SELECT * FROM tblCustmrTr ORDER BY szTimes_no DESC",
         "sPhone_no",
         {"555-0102", "555-0101", "555-0200", "555-0300"}},
        {"SELECT * FROM tblCustmrTr ORDER BY szTimes_no",
         "sPhone_no",
         {"555-0300", "555-0101", "555-0200", "555-0102"}},
        {"SELECT * FROM tblCustmrTr ORDER BY szTotal DESC",
         "sPhone_no",
         {"555-0200", "555-0101", "555-0102", "555-0300"}},
        {"SELECT * FROM tbDrink ORDER BY Dish_ID", "Dish_ID", {"3", "5", "7", "12", "15", "50"}},
        {"SELECT * FROM tbDrink ORDER BY Dish_ID ASC", "Dish_ID", {"3", "5", "7", "12", "15", "50"}},
        {"Select * from tbDrink order by Dish_ID ASC", "Dish_ID", {"3", "5", "7", "12", "15", "50"}},
        {"SELECT * FROM tbTable ORDER BY sz_Table ASC", "sz_Table", {"10", "101", "2"}},
        {"SELECT * FROM tbTable ", "sz_Table", {"101", "10", "2"}},
        {"tbTable", "sz_Table", {"101", "10", "2"}},
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "Inv", {"1", "2", "3", "4", "5"}},
        {"SELECT * FROM tbSet ORDER BY ID ASC", "Option", {"Single", "Network"}},
        // Date ranges compare as dates, across a month's and a year's end.
        {" SELECT * FROM tblTcd WHERE szDate_da Between #1/31/2026# And #2/1/2026#;",
         "szTHrs",
         {"480", "300", "100", "240"}},
        {"SELECT * FROM tblTcd WHERE szID_no Like '0012' AND szDate_da Between #1/30/2026# And #2/3/2026#; ",
         "szDate_da",
         {"1/30/2026", "1/31/2026", "2/1/2026"}},
        {"SELECT * FROM tblReserv WHERE szDate_in Between #1/30/2026# And #2/1/2026#",
         "sLast_na",
         {"Smith", "adams", "Lee"}},
        {"SELECT * FROM tblReserv WHERE szDate_Out Between #12/31/2025# And #1/2/2026#; ", "sLast_na", {"Kim"}},
        {"SELECT * FROM tbAuto_Ex WHERE DATE BETWEEN #1/1/2005# AND #1/31/2005#;",
         "szDes",
         {"oil", "tyres", "wash", "air"}},
        {"SELECT * FROM tbAuto_Ex Where Date Between #1/1/2005# And #1/31/2005#;",
         "Total",
         {"10.1", "20", "5.05", "1.11"}},
        {"SELECT * FROM tblZu_Order WHERE Date Between #2/1/2026# And #2/1/2026#;", "Inv", {"2", "3", "4"}},
        // LIKE without a pattern character matches the whole value, without regard to case;
        // a typed "*" or "?" in these views is a wildcard.
        {"SELECT * FROM tblZu_Order WHERE Method like 'Zu' AND Date Between #1/31/2026# And #2/1/2026#; ",
         "Inv",
         {"1", "2", "3"}},
        {"SELECT * FROM tblZu_Order WHERE ID Like '0012' AND Date Between #1/1/2026# And #12/31/2026#; ",
         "Inv",
         {"1", "2", "4", "5"}},
        {"SELECT * FROM tblZu_Order WHERE ID like '00?2' AND Date Between #1/1/2026# And #2/1/2026#; ",
         "Inv",
         {"1", "2", "4"}},
        {"SELECT * FROM tblZu_Order WHERE ID like '*' AND Date Between #1/1/2026# And #2/1/2026#; ",
         "Inv",
         {"1", "2", "3", "4"}},
        // The sums: exact money, text amounts read as amounts, Null over no rows.
        {"SELECT Sum(tblZu_Order.Total) AS SumOfTotal FROM tblZu_Order WHERE Method Like 'Zu' And Date Between "
         "#1/31/2026# And #2/1/2026#; ",
         "SumOfTotal",
         {"1407.65"}},
        {"SELECT Sum(tblZu_Order.Tax) AS SumOfTax FROM tblZu_Order WHERE Method Like 'Zu' And Date Between "
         "#1/31/2026# And #2/1/2026#; ",
         "SumOfTax",
         {"98.3"}},
        {"SELECT Sum(tblZu_Order.Receive) AS SumOfReceive FROM tblZu_Order WHERE ID Like '0012' And Date Between "
         "#1/31/2026# And #2/1/2026#; ",
         "SumOfReceive",
         {"70"}},
        {"SELECT Sum(tblZu_Order.szCard_amt) AS SumOfszCard_amt FROM tblZu_Order WHERE ID Like '0012' And  Date "
         "Between #1/31/2026# And #2/1/2026#; ",
         "SumOfszCard_amt",
         {"1347.6"}},
        {"SELECT Sum(tblZu_Order.szCoupon_amt) AS SumOfszCoupon_amt FROM tblZu_Order WHERE Method Like 'Zu' And "
         "Date Between #1/31/2026# And #2/1/2026#; ",
         "SumOfszCoupon_amt",
         {"0.1"}},
        {"SELECT Sum(tblZu_Order.Total) AS SumOfTotal FROM tblZu_Order WHERE Method Like 'Seach' And Date Between "
         "#1/31/2026# And #2/1/2026#; ",
         "SumOfTotal",
         {"Null"}},
        {"SELECT Sum(tblTcd.szTHrs) AS SumOfTotal FROM tblTcd WHERE szID_no Like '0012' And szDate_da Between "
         "#1/30/2026# And #2/1/2026#; ",
         "SumOfTotal",
         {"1230"}},
        {"SELECT Sum(tblTcd.szTHrs) AS SumOfTotal FROM tblTcd WHERE szID_no Like '0012' And szDate_da Between "
         "#3/1/2026# And #3/31/2026#; ",
         "SumOfTotal",
         {"Null"}},
        {"SELECT Sum(tbAuto_Ex.Total) AS SumOfTotal FROM tbAuto_Ex GROUP BY tbAuto_Ex.Date HAVING ((tbAuto_Ex.Date) "
         "Between #1/1/2005# And #1/31/2005#);",
         "SumOfTotal",
         {"15.15", "20", "1.11"}},
        {"SELECT tbAuto_Ex.Date, Count(*) AS N FROM tbAuto_Ex GROUP BY tbAuto_Ex.Date HAVING Count(*) > 1",
         "Date",
         {"1/1/2005"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        db::Recordset rs = test::open(d, c.source);
        EXPECT_EQ(column(rs, c.field), c.rows);
        EXPECT_EQ(rs.recordCount(), static_cast<long>(c.rows.size()));
    }
}

struct FindCase {
    const char* source;
    std::string criteria;
    const char* field;
    std::vector<std::string> matches;  // in the recordset's order
};

std::vector<std::string> findAll(db::Recordset& rs, const std::string& criteria, const char* field, bool backwards) {
    std::vector<std::string> out;
    auto st = backwards ? rs.FindLast(criteria) : rs.FindFirst(criteria);
    EXPECT_TRUE(st.ok()) << criteria << ": " << (st.ok() ? "" : st.error().message());
    while (st.ok() && !rs.noMatch() && out.size() < 50) {
        out.push_back(shown(rs.field(field)));
        st = backwards ? rs.FindPrevious(criteria) : rs.FindNext(criteria);
    }
    return out;
}

// The criteria the screens find rows with, each run straight on a fresh recordset and again
// once every row is held, forwards (FindFirst/FindNext) and backwards (FindLast/FindPrevious).
TEST(Dialect, CriteriaFindTheirRowsInTheRecordsetsOrder) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    const char* const byPhone = "SELECT * FROM tblCustmr ORDER BY sPhone_no ASC";
    const FindCase cases[] = {
        {byPhone, "sPhone_no LIKE '555-01*'", "sLast_na", {"smithers", "Doe", "Smith"}},
        {byPhone, "sLast_na LIKE 'smith*'", "sLast_na", {"smithers", "Smith"}},
        {byPhone, "sLast_na LIKE 'SMITH*'", "sFirst_nm", {"Bob", "Ann"}},
        {byPhone, "szStreet_ad LIKE '12 Main*'", "sLast_na", {"Smith", "Baker"}},
        {byPhone, "szCard_nu LIKE '4111*'", "sLast_na", {"Smith", "adams"}},
        {byPhone,
         "sLast_na LIKE '*'",
         "sLast_na",
         {"Chen", "smithers", "Doe", "Smith", "adams", "O'Brien", "Baker", "St*rling", "Starr"}},
        {byPhone, "szCard_nu LIKE '*'", "sLast_na", {"smithers", "Smith", "adams", "O'Brien", "St*rling", "Starr"}},
        {byPhone, "sLast_na LIKE '[!a-c]*'", "sLast_na", {"smithers", "Doe", "Smith", "O'Brien", "St*rling", "Starr"}},
        {byPhone, "sLast_na LIKE '[a-c]*'", "sLast_na", {"Chen", "adams", "Baker"}},
        {byPhone, "sPhone_no LIKE '555-0#00'", "sLast_na", {"adams", "O'Brien", "Baker", "St*rling", "Starr"}},
        {byPhone, "sPhone_no LIKE '555-010[2-9]'", "sLast_na", {"Smith"}},
        {byPhone, "sPhone_no LIKE '(555)?0700'", "sLast_na", {"Chen"}},
        // A typed key with a quote or a pattern character, quoted by the helpers, is matched as typed.
        {byPhone, "sLast_na LIKE '" + db::likeLiteral("o'brien") + "*'", "sLast_na", {"O'Brien"}},
        {byPhone, "sLast_na LIKE '" + db::likeLiteral("St*r") + "*'", "sLast_na", {"St*rling"}},
        {byPhone, "sLast_na LIKE '" + db::likePattern("St*r") + "*'", "sLast_na", {"St*rling", "Starr"}},
        {byPhone, db::prefixCriterion("sPhone_no", "(555)"), "sLast_na", {"Chen"}},
        {byPhone, db::prefixCriterion("sLast_na", "Zz[?#"), "sLast_na", {}},
        // Equality and ordering of text ignore case; Null is not the empty text.
        {byPhone, "sLast_na = 'SMITH'", "sLast_na", {"Smith"}},
        {byPhone, "sLast_na = " + db::quote("O'Brien"), "sFirst_nm", {"Pat"}},
        {byPhone, "sLast_na > 'r' And sLast_na < 't'", "sLast_na", {"smithers", "Smith", "St*rling", "Starr"}},
        {byPhone, "szCard_nu Is Null", "sLast_na", {"Chen", "Doe", "Baker"}},
        {byPhone, "szCard_nu = ''", "sLast_na", {"Starr"}},
        {byPhone,
         "szCard_nu Is Not Null And Not szCard_nu Like '4*'",
         "sLast_na",
         {"smithers", "O'Brien", "St*rling", "Starr"}},
        {byPhone,
         "sLast_na Like 's*' And Not sFirst_nm = 'bob' Or sLast_na = 'chen'",
         "sLast_na",
         {"Chen", "Smith", "St*rling", "Starr"}},
        {byPhone, "sLast_na <> 'smith' And sLast_na In ('Smith', 'Doe', 'adams')", "sLast_na", {"Doe", "adams"}},
        {byPhone, "[tblCustmr].[sLast_na] Like 'D*'", "sLast_na", {"Doe"}},
        // Log-in, time clock: the ID prefix; an exact ID.
        {"SELECT * FROM tbEmplo ORDER BY szID_no ASC", "szID_no LIKE '0012*'", "szName_nm", {"Ann", "Cy"}},
        {"SELECT * FROM tbEmplo ORDER BY szID_no ASC", "szID_no = '0012'", "szName_nm", {"Ann"}},
        // Item slots: a number compared with LIKE matches that number only.
        {"SELECT * FROM tbDrink ORDER BY Dish_ID", "Dish_ID Like 5", "szMenu_nm", {"Coffee"}},
        {"SELECT * FROM tbDrink ORDER BY Dish_ID", "Dish_ID Like 50", "szMenu_nm", {"Soda"}},
        {"SELECT * FROM tbDrink ORDER BY Dish_ID", "Dish_ID Like 4", "szMenu_nm", {}},
        {"SELECT * FROM tbDrink ORDER BY Dish_ID", "szMenu_nm LIKE 'Tea*'", "Dish_ID", {"3", "7", "12"}},
        {"SELECT * FROM tbDrink ORDER BY Dish_ID", "szMenu_Nm LIKE 'tea *'", "Dish_ID", {"3", "12"}},
        {"SELECT * FROM tbDrink ORDER BY Dish_ID", "[1] = 'hot' Or [2] Is Not Null", "szMenu_nm", {"Tea"}},
        // Rooms: position i is the first row whose ID1 begins with i.
        {"tblRooms", "ID1 LIKE '1*'", "R1", {"101", "110", "111", "119"}},
        {"tblRooms", "ID1 LIKE '2*'", "R1", {"102", "120"}},
        {"SELECT * FROM tblReserv", "szRoom1 LIKE '10*'", "sLast_na", {"Smith", "adams", "Kim"}},
        {"SELECT * FROM tbTable ORDER BY sz_Table ASC", "sz_Table LIKE '10*'", "sz_Chk", {"6", "5"}},
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "Inv LIKE '1*'", "Total", {"107.5"}},
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "Method Like 'Zu'", "Inv", {"1", "2", "3", "5"}},
        // Dates in criteria: literals, short-date text, a field called Date.
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "Date = #2/1/2026#", "Inv", {"2", "3", "4"}},
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "Date >= '2/1/2026' And Total > 15", "Inv", {"2", "4", "5"}},
        {"SELECT * FROM tblTcd", "szIn_ti < #9:00 AM#", "szTHrs", {"510", "300"}},
        // Reserved words and numbers as field names.
        {"SELECT * FROM tbSet ORDER BY ID ASC", "Option = 'single'", "ID", {"1"}},
        {"SELECT * FROM tbSet ORDER BY ID ASC", "[False] = True", "ID", {"1"}},
        {"SELECT * FROM tbSet ORDER BY ID ASC", "Time = #2:05:09 PM#", "ID", {"1"}},
        {"SELECT * FROM tbSet ORDER BY ID ASC", "[1] = 'Y' And Date < #2/1/2026#", "ID", {"2"}},
        // Arithmetic and joined text.
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "Total - Tax = 100", "Inv", {"1"}},
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "Total / 2 > 49 And Total \\ 2 < 100", "Inv", {"1", "5"}},
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "Total \\ 2 = 54 And Total Mod 4 = 0", "Inv", {"1"}},
        {"SELECT * FROM tblZu_Order ORDER BY Inv ASC", "ID & '-' & Method = '0001-ZU'", "Inv", {"3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.source) + " / " + c.criteria);
        db::Recordset fresh = test::open(d, c.source);
        EXPECT_EQ(findAll(fresh, c.criteria, c.field, false), c.matches) << "fresh, forwards";
        db::Recordset fresh2 = test::open(d, c.source);
        std::vector<std::string> reversed(c.matches.rbegin(), c.matches.rend());
        EXPECT_EQ(findAll(fresh2, c.criteria, c.field, true), reversed) << "fresh, backwards";
        db::Recordset held = test::open(d, c.source);
        (void)held.recordCount();
        EXPECT_EQ(findAll(held, c.criteria, c.field, false), c.matches) << "held, forwards";
    }
}

// Criteria over a summary (a query that cannot be written) are evaluated on its rows.
TEST(Dialect, CriteriaOverASummary) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    db::Recordset rs = test::open(d,
                                  "SELECT tbAuto_Ex.Date, Sum(tbAuto_Ex.Total) AS SumOfTotal FROM tbAuto_Ex "
                                  "GROUP BY tbAuto_Ex.Date");
    EXPECT_FALSE(rs.updatable());
    EXPECT_EQ(findAll(rs, "SumOfTotal > 10 And Date < #2/1/2005#", "Date", false),
              (std::vector<std::string>{"1/1/2005", "1/15/2005"}));
    EXPECT_EQ(findAll(rs, "Date Between #1/1/2005# And #12/31/2005#", "SumOfTotal", true),
              (std::vector<std::string>{"99", "1.11", "20", "15.15"}));
}

TEST(Dialect, WritesInTheDialect) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    auto n = d.execute("DELETE FROM tblCustmr WHERE sLast_na Like 'st*';");
    ASSERT_TRUE(n.ok()) << n.error().message();
    EXPECT_EQ(*n, 2);
    n = d.execute("UPDATE tblReserv SET szDate_in = '2/2/2026', szRoom1 = '3' WHERE sLast_na = 'LEE'");
    ASSERT_TRUE(n.ok()) << n.error().message();
    EXPECT_EQ(*n, 1);
    db::Recordset rs = test::open(d, "SELECT * FROM tblReserv WHERE szDate_in Between #2/2/2026# And #2/2/2026#");
    EXPECT_EQ(column(rs, "szRoom1"), std::vector<std::string>{"3"});
    n = d.execute("DELETE * FROM tbAuto_Ex");
    ASSERT_TRUE(n.ok());
    EXPECT_EQ(*n, 6);
    n = d.execute("INSERT INTO tbAuto_Ex ([Date], Total) VALUES ('1/31/2026', '1,234.50')");
    ASSERT_TRUE(n.ok()) << n.error().message();
    db::Recordset ex = test::open(d, "tbAuto_Ex");
    EXPECT_EQ(shown(ex.field("Date")), "1/31/2026");
    EXPECT_EQ(shown(ex.field("Total")), "1234.5");
    // A date into a text field is its short-date text, and compares as a date again.
    n = d.execute("INSERT INTO tblCustmr (sLast_na, szStreet_ad) VALUES ('Dated', #1/5/2026#)");
    ASSERT_TRUE(n.ok()) << n.error().message();
    db::Recordset dated = test::open(d, "SELECT * FROM tblCustmr WHERE szStreet_ad Between #1/1/2026# And #1/31/2026#");
    EXPECT_EQ(column(dated, "szStreet_ad"), std::vector<std::string>{"1/5/2026"});
    n = d.execute("DROP TABLE tbAuto_Ex");
    ASSERT_TRUE(n.ok());
    EXPECT_FALSE(d.hasTable("tbAuto_Ex"));
}

// Faults come back with their store, the reason and the legacy number; nothing is run.
TEST(Dialect, FaultsAreReported) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    struct {
        const char* source;
        int code;
    } sources[] = {
        {"SELECT * FROM tblNothing", db::code::kNoSuchTable},
        {"SELECT * FROM tblCustmr WHERE szNothing = 1", db::code::kTooFewParameters},
        {"SELECT * FROM tblCustmr WHERE sLast_na = 'O'Brien'", db::code::kSyntax},
        {"SELECT * FROM tblCustmr WHERE sLast_na LIKE 'abc", db::code::kSyntax},
        {"SELECT * FROM tblTcd WHERE szDate_da Between #13/45/2026# And #1/1/2027#", db::code::kSyntax},
        {"SELECT * FROM tblTcd WHERE szDate_da = 'someday'", db::code::kTypeMismatch},
        {"SELECT Nz(szTHrs) FROM tblTcd", db::code::kUndefinedFunction},
        {"SELECT * FROM tblTcd, tbEmplo", db::code::kSyntax},
        {"SELECT * FROM tblTcd WHERE Sum(szTHrs) > 1", db::code::kSyntax},
    };
    for (const auto& c : sources) {
        auto rs = d.openRecordset(c.source);
        ASSERT_FALSE(rs.ok()) << c.source;
        EXPECT_EQ(rs.error().code, c.code) << c.source << ": " << rs.error().message();
        EXPECT_EQ(rs.error().store, kStore);
    }
    db::Recordset rs = test::open(d, "tblCustmr");
    auto st = rs.FindFirst("sLast_na LIKE 'a[b'");
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().code, db::code::kInvalidPattern);
    st = rs.FindFirst("sLast_na = ");
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().code, db::code::kSyntax);
    EXPECT_FALSE(d.execute("SELECT * FROM tblCustmr").ok());
    EXPECT_EQ(d.execute("INSERT INTO tblCustmr (sLast_na) VALUES ('a', 'b')").error().code, db::code::kSyntax);
}

// A prefix typed by the clerk, or a whole code matched literally, finds what the pattern finds,
// case and marks as they are, and an index on the field serves it.
TEST(Dialect, ALiteralCriterionNarrowsByIndexToTheSameRows) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    ASSERT_TRUE(d.execute("INSERT INTO tblCustmr (sLast_na) VALUES ('st')").ok());
    ASSERT_TRUE(d.execute("INSERT INTO tblCustmr (sLast_na) VALUES ('Stø')").ok());
    ASSERT_TRUE(d.execute("INSERT INTO tblCustmr (sLast_na) VALUES ('')").ok());
    ASSERT_TRUE(d.execute("INSERT INTO tblCustmr (sFirst_nm) VALUES ('Nameless')").ok());
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {db::prefixCriterion("sLast_na", "sm"), {"Smith", "smithers"}},
        {db::prefixCriterion("sLast_na", "SMITHE"), {"smithers"}},
        {db::prefixCriterion("sLast_na", "St"), {"St*rling", "Starr", "st", "Stø"}},
        {db::prefixCriterion("sLast_na", "st*"), {"St*rling"}},
        {db::prefixCriterion("sLast_na", "o'"), {"O'Brien"}},
        {db::prefixCriterion("sLast_na", "Stø"), {"Stø"}},
        {db::prefixCriterion("sLast_na", "zz"), {}},
        {"sLast_na LIKE 'S*h'", {"Smith"}},
        {"sLast_na LIKE 'st?rr*'", {"Starr"}},
        {"sLast_na LIKE '" + db::likeLiteral("SMITH") + "'", {"Smith"}},
        {"sLast_na LIKE '" + db::likeLiteral("st") + "'", {"st"}},
        {"sLast_na LIKE '" + db::likeLiteral("st*rling") + "'", {"St*rling"}},
        {"sLast_na LIKE '" + db::likeLiteral("o'brien") + "'", {"O'Brien"}},
        {"sLast_na LIKE '" + db::likeLiteral("Stø") + "'", {"Stø"}},
        {"sLast_na LIKE '" + db::likeLiteral("smit") + "'", {}},
        // An emptied box: the empty text alone, never a Null.
        {"sLast_na LIKE ''", {""}},
    };
    for (const auto& [criteria, rows] : cases) {
        SCOPED_TRACE(criteria);
        db::Recordset rs = test::open(d, "SELECT * FROM tblCustmr WHERE " + criteria);
        EXPECT_EQ(column(rs, "sLast_na"), rows);
        db::Recordset all = test::open(d, "tblCustmr");
        ok(all.FindFirst(criteria));
        EXPECT_EQ(all.noMatch(), rows.empty());
        if (!rows.empty()) {
            EXPECT_EQ(shown(all.field("sLast_na")), rows.front());
        }
    }

    // The plan SQLite makes for it over a table with an index on the field.
    ASSERT_TRUE(d.execute("CREATE TABLE tblIndexed (sLast_na TEXT(30))").ok());
    struct OneTable : db::dialect::Schema {
        std::optional<db::dialect::TableInfo> table(std::string_view) override {
            return db::dialect::TableInfo{"tblIndexed", {{"sLast_na", db::Kind::Text, 30}}};
        }
    } schema;
    auto source = db::dialect::translateSource("tblIndexed", schema, "main");
    ASSERT_TRUE(source.ok());
    sqlite3* raw = nullptr;
    sqlite3_open(os::mapPath(kStore).string().c_str(), &raw);
    sqlite3_exec(raw, "CREATE INDEX ix ON tblIndexed (sLast_na)", nullptr, nullptr, nullptr);
    auto stand = [](sqlite3_context* c, int, sqlite3_value**) { sqlite3_result_int(c, 1); };
    sqlite3_create_function(raw, "jlike", 2, SQLITE_UTF8, nullptr, stand, nullptr, nullptr);
    const std::pair<std::string, std::string> plans[] = {
        {db::prefixCriterion("sLast_na", "Sm"), "INDEX ix (sLast_na>? AND sLast_na<?)"},
        {"sLast_na LIKE '" + db::likeLiteral("1007") + "'", "INDEX ix (sLast_na=?)"},
        {"sLast_na LIKE ''", "INDEX ix (sLast_na=?)"},
    };
    for (const auto& [criteria, wanted] : plans) {
        SCOPED_TRACE(criteria);
        auto where = db::dialect::translateCriteria(criteria, *source);
        ASSERT_TRUE(where.ok());
        sqlite3_stmt* st = nullptr;
        std::string plan;
        ASSERT_EQ(sqlite3_prepare_v2(
                      raw, ("EXPLAIN QUERY PLAN SELECT 1 FROM " + source->fromSql + " WHERE " + *where).c_str(), -1,
                      &st, nullptr),
                  SQLITE_OK);
        while (sqlite3_step(st) == SQLITE_ROW) plan += reinterpret_cast<const char*>(sqlite3_column_text(st, 3));
        sqlite3_finalize(st);
        EXPECT_NE(plan.find(wanted), std::string::npos) << plan;
    }

    // A last name typed as a prefix and a first name: the guests of that exact last name are
    // reached by both names through the index on the two, not walked one by one.
    ASSERT_TRUE(d.execute("CREATE TABLE tblNamed (sLast_na TEXT(30), sFirst_nm TEXT(30))").ok());
    sqlite3_exec(raw, "CREATE INDEX byName ON tblNamed (sLast_na, sFirst_nm)", nullptr, nullptr, nullptr);
    struct Named : db::dialect::Schema {
        std::optional<db::dialect::TableInfo> table(std::string_view) override {
            return db::dialect::TableInfo{"tblNamed",
                                          {{"sLast_na", db::Kind::Text, 30}, {"sFirst_nm", db::Kind::Text, 30}}};
        }
    } named;
    auto guests = db::dialect::translateSource("tblNamed", named, "main");
    ASSERT_TRUE(guests.ok());
    auto where = db::dialect::translateCriteria(db::prefixCriterion("sLast_na", "Smith") + " AND sFirst_nm = 'Ann'",
                                                *guests);
    ASSERT_TRUE(where.ok());
    sqlite3_stmt* st = nullptr;
    std::string plan;
    ASSERT_EQ(sqlite3_prepare_v2(raw, ("EXPLAIN QUERY PLAN SELECT 1 FROM " + guests->fromSql + " WHERE " + *where).c_str(),
                                 -1, &st, nullptr),
              SQLITE_OK);
    while (sqlite3_step(st) == SQLITE_ROW) plan += reinterpret_cast<const char*>(sqlite3_column_text(st, 3));
    sqlite3_finalize(st);
    EXPECT_NE(plan.find("byName (sLast_na=? AND sFirst_nm=?)"), std::string::npos) << plan;
    sqlite3_close(raw);
}

std::string repeated(const std::string& piece, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) out += piece;
    return out;
}

// A criterion nested or chained past what any screen builds is refused with a clear error, never
// followed until the stack runs out; one as deep as a screen could build still finds its row.
TEST(Dialect, CriteriaNestedTooDeepAreRefused) {
    test::TempRoot root;
    db::Database d = test::fixtureStore(kStore, "front_desk.sql");
    const std::string tooDeep[] = {
        repeated("(", 10000) + "sLast_na = 'Chen'" + repeated(")", 10000),
        repeated("NOT ", 10000) + "sLast_na = 'Chen'",
        repeated("(sLast_na = 'x' OR ", 25) + "sLast_na = 'Chen'" + repeated(")", 25),
        "sLast_na = " + repeated("-", 10000) + "1",
        "sLast_na = 'Chen'" + repeated(" OR sLast_na = 'x'", 10000),
        repeated("(", 10000),
    };
    for (const std::string& criteria : tooDeep) {
        SCOPED_TRACE(criteria.substr(0, 40));
        db::Recordset rs = test::open(d, "tblCustmr");
        auto st = rs.FindFirst(criteria);
        ASSERT_FALSE(st.ok());
        EXPECT_EQ(st.error().code, db::code::kTooComplex);
        EXPECT_EQ(st.error().reason.rfind("Query is too complex", 0), 0u) << st.error().reason;
        EXPECT_EQ(d.openRecordset("SELECT * FROM tblCustmr WHERE " + criteria).error().code, db::code::kTooComplex);
    }
    const std::string deepEnough[] = {
        repeated("(", 99) + "sLast_na = 'Chen'" + repeated(")", 99),
        repeated("NOT ", 16) + "sLast_na = 'Chen'",
        repeated("(sLast_na = 'x' OR ", 18) + "sLast_na = 'Chen'" + repeated(")", 18),
        "sLast_na = 'Chen'" + repeated(" OR sLast_na = 'x'", 500),
    };
    for (const std::string& criteria : deepEnough) {
        SCOPED_TRACE(criteria.substr(0, 40));
        db::Recordset rs = test::open(d, "tblCustmr");
        ok(rs.FindFirst(criteria));
        EXPECT_FALSE(rs.noMatch());
        EXPECT_EQ(shown(rs.field("sLast_na")), "Chen");
    }
}

TEST(Like, PatternsOfTheLegacyEngine) {
    struct {
        const char* pattern;
        const char* text;
        bool match;
    } cases[] = {
        {"tea*", "Tea Cake", true},
        {"tea*", "Green tea", false},
        {"*tea", "Green TEA", true},
        {"t?a", "TEA", true},
        {"t?a", "ta", false},
        {"555-####", "555-0101", true},
        {"555-####", "555-01a1", false},
        {"[a-c]*", "Baker", true},
        {"[!a-c]*", "baker", false},
        {"[!a-c]*", "Doe", true},
        {"[!a-c]*", "", false},
        {"St[*]r*", "St*rling", true},
        {"St[*]r*", "Starr", false},
        {"[[]x]", "[x]", true},
        {"a[?]", "a?", true},
        {"a[#]", "a1", false},
        {"100%", "100%", true},
        {"100%", "1000", false},
        {"a_b", "a_b", true},
        {"a_b", "axb", false},
        {"*", "", true},
        {"", "", true},
        {"", "x", false},
        {"a*b*c", "aXXbYYc", true},
        {"a*b*c", "aXXbYY", false},
        {"中?", "中文", true},
        {"[a-]", "-", true},
        {"a[]b", "ab", true},
        {"*ing", "St*rling", true},
        {"**x", "ax", true},
    };
    for (const auto& c : cases) {
        auto p = db::LikePattern::compile(c.pattern);
        ASSERT_TRUE(p.has_value()) << c.pattern;
        EXPECT_EQ(p->matches(c.text), c.match) << "'" << c.text << "' LIKE '" << c.pattern << "'";
    }
    EXPECT_FALSE(db::LikePattern::compile("a[bc").has_value());
    EXPECT_FALSE(db::LikePattern::compile("[z-a]").has_value());
}

// A typed pattern keeps "*" and "?" as wildcards; anything else typed matches itself.
TEST(Quoting, TypedPatternsMatchWhatTheyShow) {
    test::TempRoot root;
    db::Database store = test::emptyStore("C:\\Program Files\\Pelk POS 4\\Clerks.mdb");
    db::Database* d = &store;
    ASSERT_TRUE(d->execute("CREATE TABLE tbClerk (ID TEXT(20))"));
    for (const char* id : {"O'Neil", "1001", "10010", "1x01", "A#1", "A11", "[x", "x"})
        ASSERT_TRUE(d->execute("INSERT INTO tbClerk (ID) VALUES (" + db::quote(id) + ")")) << id;
    struct Case {
        const char* typed;
        std::vector<std::string> ids;
    };
    for (const Case& c : {Case{"O'Neil", {"O'Neil"}}, Case{"10*", {"1001", "10010"}}, Case{"1?01", {"1001", "1x01"}},
                          Case{"A#1", {"A#1"}}, Case{"[x", {"[x"}}, Case{"1001", {"1001"}}}) {
        auto rs = d->openRecordset("SELECT * FROM tbClerk WHERE ID Like '" + db::likePattern(c.typed) + "'");
        ASSERT_TRUE(rs) << c.typed << ": " << rs.error().message();
        std::vector<std::string> ids;
        for (auto st = rs->MoveFirst(); st.ok() && !rs->eof(); st = rs->MoveNext())
            ids.push_back(shown(rs->field("ID")));
        EXPECT_EQ(ids, c.ids) << c.typed;
    }
}

TEST(Quoting, HelpersKeepTypedTextOutOfTheSyntax) {
    EXPECT_EQ(db::quote("O'Brien"), "'O''Brien'");
    EXPECT_EQ(db::quote(""), "''");
    EXPECT_EQ(db::likeLiteral("a*b?c#d[e]f'g"), "a[*]b[?]c[#]d[[]e]f''g");
    EXPECT_EQ(db::likePattern("St*r's"), "St*r''s");
    EXPECT_EQ(db::likePattern("1?0*#[x"), "1?0*[#][[]x");
    EXPECT_EQ(db::quote("a*#['"), "'a*#['''");
    EXPECT_EQ(db::prefixCriterion("sPhone_no", "555"), "[sPhone_no] LIKE '555*'");
    EXPECT_EQ(db::dateLiteral(core::Date{2026, 12, 10}), "#12/10/2026#");
    EXPECT_EQ(db::dateLiteral("2026-12-10"), "#12/10/2026#");
    EXPECT_EQ(db::dateLiteral("12/10/2026 2:05 PM"), "#12/10/2026 2:05:00 PM#");
    EXPECT_EQ(db::dateLiteral("1/1/2026#) Or (1=1"), std::nullopt);
}

}  // namespace
