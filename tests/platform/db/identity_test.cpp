// Row identities and the optimistic check: what keeps one station's save from landing on a row
// another station changed, deleted or replaced.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>

#include "db_support.h"
#include "platform/os/paths.h"

using namespace pelk;
using test::ok;
using test::shown;
using test::Station;

namespace {

db::TableDecl staff(const std::string& name, bool numbered) {
    db::TableDecl t{name, {}, {}};
    if (numbered) t.fields.push_back({"ID", db::Kind::Counter});
    t.fields.push_back({"szID_no", db::Kind::Text, 10});
    t.fields.push_back({"sFirst_nm", db::Kind::Text, 20});
    return t;
}

// A table whose rows have only their hidden identity, and one with an automatic number.
const char* const kTables[] = {"tbPlain", "tbNumbered"};

class IdentityTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ok(db::ensureStore(path, {"Infor.mdb", {staff("tbPlain", false), staff("tbNumbered", true)}}));
        db::StoreDecl blank{"VyInfor.mdb", {staff("tbPlain", false), staff("tbNumbered", true)}};
        for (auto& t : blank.tables) t.firstRows = {{{"szID_no", "0000"}, {"sFirst_nm", "Blank"}}};
        ok(db::ensureStore(templ, blank));
        for (const char* name : {"Ann", "Bob"}) add(name);
    }
    std::string table() const { return GetParam(); }
    db::Database store() const { return *db::Database::open(path); }
    db::Bookmark add(const std::string& name) {
        db::Recordset rs = test::open(store(), table());
        ok(rs.AddNew());
        ok(rs.setField("szID_no", name.substr(0, 2)));
        ok(rs.setField("sFirst_nm", name));
        ok(rs.Update());
        return *rs.lastModified();
    }
    // Station A, showing a row found by name.
    db::Recordset showing(const std::string& name) {
        db::Recordset rs = test::open(store(), table());
        ok(rs.FindFirst("sFirst_nm = '" + name + "'"));
        EXPECT_FALSE(rs.noMatch()) << name;
        EXPECT_EQ(shown(rs.field("sFirst_nm")), name);
        return rs;
    }
    test::TempRoot root;
    const std::string path = os::programPath("Infor.mdb");
    const std::string templ = os::programPath("VyInfor.mdb");
};

// Station B erases the last row and enters another; station A, still showing the erased row,
// corrects it and saves: refused as deleted, and B's new row keeps what B wrote.
TEST_P(IdentityTest, AnErasedLastRowsIdentityIsNotGivenToTheNextRow) {
    db::Recordset a = showing("Bob");
    db::Bookmark bob = *a.bookmark();
    Station b(path);
    ASSERT_EQ(b.exec("DELETE FROM " + table() + " WHERE sFirst_nm = 'Bob'"), SQLITE_OK);
    ASSERT_EQ(b.exec("INSERT INTO " + table() + " (szID_no, sFirst_nm) VALUES ('Cy', 'Cy')"), SQLITE_OK);
    EXPECT_GT(b.count("SELECT rowid FROM " + table() + " WHERE sFirst_nm = 'Cy'"), bob);

    ok(a.Edit());
    ok(a.setField("sFirst_nm", "ertBob"));
    auto st = a.Update();
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().code, db::code::kRecordDeleted);
    EXPECT_EQ(st.error().reason, "Record is deleted.");
    EXPECT_EQ(b.count("SELECT count(*) FROM " + table() + " WHERE sFirst_nm = 'Cy'"), 1);
    EXPECT_EQ(b.count("SELECT count(*) FROM " + table() + " WHERE sFirst_nm = 'ertBob'"), 0);
    // A Delete aimed at it fails the same way and takes nothing else.
    ok(a.CancelUpdate());
    EXPECT_EQ(a.Delete().error().code, db::code::kRecordDeleted);
    EXPECT_EQ(b.count("SELECT count(*) FROM " + table()), 2);
}

// A bookmark is the row's identity in its table: taken on one recordset, it finds that row on
// any other recordset of the table, in any order; once the row is deleted it finds nothing.
TEST_P(IdentityTest, ABookmarkFindsItsRowOnAnyRecordsetOfTheTable) {
    db::Bookmark bob = *showing("Bob").bookmark();
    db::Recordset byName = test::open(store(), "SELECT * FROM " + table() + " ORDER BY sFirst_nm DESC");
    ok(byName.setBookmark(bob));
    EXPECT_EQ(shown(byName.field("sFirst_nm")), "Bob");
    db::Recordset filtered = test::open(store(), "SELECT * FROM " + table() + " WHERE szID_no = 'Bo'");
    ok(filtered.setBookmark(bob));
    EXPECT_EQ(shown(filtered.field("sFirst_nm")), "Bob");

    Station b(path);
    ASSERT_EQ(b.exec("DELETE FROM " + table() + " WHERE sFirst_nm = 'Bob'"), SQLITE_OK);
    add("Cy");
    db::Recordset fresh = test::open(store(), table());
    auto refused = fresh.setBookmark(bob);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().code, db::code::kInvalidBookmark);
    // A recordset opened before the deletion cannot read the row either.
    auto gone = byName.field("sFirst_nm");
    ASSERT_FALSE(gone.ok());
    EXPECT_EQ(gone.error().code, db::code::kRecordDeleted);
}

// On one station: erase the last row, add one, walk back: every row once.
TEST_P(IdentityTest, OneStationErasingAndAddingSeesEachRowOnce) {
    db::Recordset rs = test::open(store(), table());
    ok(rs.MoveLast());
    db::Bookmark bob = *rs.bookmark();
    ok(rs.Delete());
    ok(rs.AddNew());
    ok(rs.setField("sFirst_nm", "Cy"));
    ok(rs.Update());
    EXPECT_GT(*rs.lastModified(), bob);
    EXPECT_EQ(rs.setBookmark(bob).error().code, db::code::kInvalidBookmark);
    ok(rs.setBookmark(*rs.lastModified()));
    std::vector<std::string> back;
    while (!rs.bof()) {
        back.push_back(shown(rs.field("sFirst_nm")));
        ok(rs.MovePrevious());
    }
    EXPECT_EQ(back, (std::vector<std::string>{"Cy", "Ann"}));
}

// Station B renews the store while station A shows a row of the old one; A's save is refused
// and the renewed store's rows, its first row and one added since, keep what they hold.
TEST_P(IdentityTest, ARenewalGivesNoOldIdentityAgain) {
    db::Recordset a = showing("Ann");
    db::Bookmark ann = *a.bookmark();
    db::Bookmark bob = *test::open(store(), "SELECT * FROM " + table() + " WHERE sFirst_nm = 'Bob'").bookmark();
    ok(db::renewFromTemplate(path, templ));
    Station b(path);
    ASSERT_EQ(b.exec("INSERT INTO " + table() + " (szID_no, sFirst_nm) VALUES ('Cy', 'Cy')"), SQLITE_OK);
    EXPECT_GT(b.count("SELECT min(rowid) FROM " + table()), bob);
    EXPECT_EQ(b.count("SELECT count(*) FROM " + table() + " WHERE rowid IN (" + std::to_string(ann) + ", " +
                      std::to_string(bob) + ")"),
              0);

    ok(a.Edit());
    ok(a.setField("sFirst_nm", "Annie"));
    EXPECT_EQ(a.Update().error().code, db::code::kRecordDeleted);
    db::Recordset rs = test::open(store(), table());
    EXPECT_EQ(test::column(rs, "sFirst_nm"), (std::vector<std::string>{"Blank", "Cy"}));

    // A second renewal goes on above the first.
    long long top = b.count("SELECT max(rowid) FROM " + table());
    ok(db::renewFromTemplate(path, templ));
    EXPECT_GT(b.count("SELECT min(rowid) FROM " + table()), top);
    // The template itself is never written.
    Station vy(templ);
    EXPECT_EQ(vy.count("SELECT max(rowid) FROM " + table()), 1);
}

INSTANTIATE_TEST_SUITE_P(Tables, IdentityTest, ::testing::ValuesIn(kTables));

// A store made by an earlier build numbered its rows with SQLite's plain rowid: opened now, it
// keeps every row under its identity, shows no new field, and gives no identity twice from then.
TEST(Identity, AStoreMadeTheOldWayIsBroughtToKeptIdentitiesOnOpen) {
    test::TempRoot root;
    const std::string path = os::programPath("Infor.mdb");
    const std::string templ = os::programPath("VyInfor.mdb");
    for (const std::string& p : {path, templ}) {
        std::filesystem::create_directories(os::mapPath(p).parent_path());
        Station old(p);
        ASSERT_EQ(old.exec("CREATE TABLE tbEmplo (\"szID_no\" TEXT(4) COLLATE NOCASE CONSTRAINT \"size:szID_no\" "
                           "CHECK (length(\"szID_no\") <= 4), \"sFirst_nm\" TEXT(50) COLLATE NOCASE);"
                           "CREATE TABLE tblTcd (\"ID\" INTEGER PRIMARY KEY, \"szTHrs\" LONG);"),
                  SQLITE_OK);
        if (p == path) {
            ASSERT_EQ(old.exec("INSERT INTO tbEmplo VALUES ('0001', 'Ann'), ('0002', 'Bob'), ('0003', 'Cy');"
                               "DELETE FROM tbEmplo WHERE rowid = 2;"
                               "INSERT INTO tblTcd VALUES (1, 60), (7, 30);"),
                      SQLITE_OK);
        }
    }
    {
        db::Database d = *db::Database::open(path);
        db::Recordset rs = test::open(d, "tbEmplo");
        ASSERT_EQ(rs.fields().size(), 2u);
        EXPECT_EQ(test::column(rs, "sFirst_nm"), (std::vector<std::string>{"Ann", "Cy"}));
        ok(rs.MoveLast());
        EXPECT_EQ(*rs.bookmark(), 3);
        // Its rules stay: a code longer than its field is refused.
        ok(rs.Edit());
        ok(rs.setField("szID_no", "12345"));
        EXPECT_EQ(rs.Update().error().code, db::code::kFieldTooSmall);
        ok(rs.CancelUpdate());
        ok(rs.Delete());
        ok(rs.AddNew());
        ok(rs.setField("sFirst_nm", "Dee"));
        ok(rs.Update());
        EXPECT_EQ(*rs.lastModified(), 4);

        db::Recordset cards = test::open(d, "tblTcd");
        EXPECT_EQ(test::column(cards, "ID"), (std::vector<std::string>{"1", "7"}));
        ok(cards.MoveLast());
        ok(cards.Delete());
        ok(cards.AddNew());
        ok(cards.Update());
        EXPECT_EQ(*cards.lastModified(), 8);
    }
    // A template made the old way renews the store with kept identities all the same.
    ok(db::renewFromTemplate(path, templ));
    db::Database d = *db::Database::open(path);
    ASSERT_TRUE(d.execute("INSERT INTO tbEmplo (sFirst_nm) VALUES ('Eve')").ok());
    db::Recordset rs = test::open(d, "tbEmplo");
    ok(rs.MoveLast());
    EXPECT_EQ(*rs.bookmark(), 5);
    ASSERT_TRUE(d.execute("DELETE FROM tbEmplo").ok());
    ASSERT_TRUE(d.execute("INSERT INTO tbEmplo (sFirst_nm) VALUES ('Flo')").ok());
    ok(rs.Requery());
    EXPECT_EQ(*rs.bookmark(), 6);
}

// A root folder in memory where the machine has one: the concurrency tests below are about
// who wins, not about the disk, and thousands of synced writes would only make them slow.
class MemoryRoot {
public:
    MemoryRoot() {
        std::filesystem::path base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                         : std::filesystem::temp_directory_path();
        path_ = base / ("pelktest-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
        os::setRootFolder(path_);
    }
    ~MemoryRoot() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
        os::setRootFolder({});
    }

private:
    std::filesystem::path path_;
};

// Runs `body` in another process and waits for it; its exit code.
int inAnotherProcess(const std::function<int()>& body) {
    pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

// Another process writes the row between Edit and Update: nothing of ours is written, and the
// error says why. Unchanged, the save goes through.
TEST(OptimisticCheck, AnotherProcessesChangeBetweenEditAndUpdateIsNeverOverwritten) {
    struct Case {
        const char* meddling;  // what the other process does, or nothing
        int code;              // 0: the save goes through
        const char* stored;    // the name stored afterwards ("" when no row)
    } cases[] = {
        {"", 0, "Annie"},
        {"UPDATE tbEmplo SET sFirst_nm = 'Anna' WHERE szID_no = '0001'", db::code::kChangedByOther, "Anna"},
        {"UPDATE tbEmplo SET sFirst_nm = 'ANN' WHERE szID_no = '0001'", db::code::kChangedByOther, "ANN"},
        {"UPDATE tbEmplo SET szRate = '12' WHERE szID_no = '0001'", db::code::kChangedByOther, "Ann"},
        {"UPDATE tbEmplo SET szRate = Null WHERE szID_no = '0001'", 0, "Annie"},  // no change at all
        {"DELETE FROM tbEmplo WHERE szID_no = '0001'", db::code::kRecordDeleted, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meddling);
        test::TempRoot root;
        const std::string path = os::programPath("Infor.mdb");
        ok(db::ensureStore(
            path,
            {"Infor.mdb",
             {{"tbEmplo",
               {{"szID_no", db::Kind::Text, 4}, {"sFirst_nm", db::Kind::Text, 50}, {"szRate", db::Kind::Text, 10}},
               {}}}}));
        db::Database d = *db::Database::open(path);
        ASSERT_TRUE(d.execute("INSERT INTO tbEmplo (szID_no, sFirst_nm) VALUES ('0001', 'Ann')").ok());
        db::Recordset rs = test::open(d, "tbEmplo");
        ok(rs.Edit());
        ok(rs.setField("sFirst_nm", "Annie"));
        std::string meddling = c.meddling;
        if (!meddling.empty()) {
            ASSERT_EQ(inAnotherProcess([&] {
                          // Raw, as another program would: nothing of this process's connection.
                          Station other(path);
                          return other.exec(meddling) == SQLITE_OK ? 0 : 1;
                      }),
                      0);
        }
        auto st = rs.Update();
        EXPECT_EQ(st.ok() ? 0 : st.error().code, c.code);
        if (c.code == db::code::kChangedByOther) {
            EXPECT_EQ(st.error().reason,
                      "The data has been changed by another user since you began editing it. Nothing was saved.");
        }
        Station check(path);
        std::string name;
        db::Recordset now = test::open(d, "tbEmplo");
        if (!now.eof()) name = shown(now.field("sFirst_nm"));
        EXPECT_EQ(name, c.stored);
        // Refused, the recordset reads the row afresh: a second try on it goes through.
        if (c.code == db::code::kChangedByOther) {
            ok(rs.Edit());
            ok(rs.setField("sFirst_nm", "Annie"));
            ok(rs.Update());
            EXPECT_EQ(check.count("SELECT count(*) FROM tbEmplo WHERE sFirst_nm = 'Annie'"), 1);
        }
    }
}

// Rows read in one action are held until the clerk's next; another process's writes show then,
// its deletions as deleted rows, and a write through the recordset shows at once.
TEST(Windows, AnotherProcessesWritesShowAtTheNextAction) {
    test::TempRoot root;
    const std::string path = os::programPath("Infor.mdb");
    ok(db::ensureStore(
        path, {"Infor.mdb", {{"tbEmplo", {{"szID_no", db::Kind::Text, 4}, {"sFirst_nm", db::Kind::Text, 50}}, {}}}}));
    db::Database d = *db::Database::open(path);
    for (int k = 0; k < 100; ++k)
        ASSERT_TRUE(d.execute("INSERT INTO tbEmplo VALUES ('" + std::to_string(1000 + k) + "', 'Name " +
                              std::to_string(k) + "')")
                        .ok());
    db::Recordset rs = test::open(d, "SELECT * FROM tbEmplo ORDER BY szID_no DESC");
    EXPECT_EQ(rs.recordCount(), 100);
    EXPECT_EQ(shown(rs.field("sFirst_nm")), "Name 99");
    ok(rs.MoveNext());
    EXPECT_EQ(shown(rs.field("sFirst_nm")), "Name 98");  // the rows after it are read with it
    ASSERT_EQ(inAnotherProcess([&] {
                  Station other(path);
                  return other.exec(
                             "UPDATE tbEmplo SET sFirst_nm = 'Renamed' WHERE szID_no IN ('1096', '1001');"
                             "DELETE FROM tbEmplo WHERE szID_no = '1097'") == SQLITE_OK
                             ? 0
                             : 1;
              }),
              0);
    ok(rs.MoveNext());
    EXPECT_EQ(shown(rs.field("sFirst_nm")), "Name 97");  // held since this action began
    db::noteAction();                                    // the clerk's next click
    EXPECT_EQ(rs.field("sFirst_nm").error().code, db::code::kRecordDeleted);
    ok(rs.MoveNext());
    EXPECT_EQ(shown(rs.field("sFirst_nm")), "Renamed");
    ok(rs.MoveLast());
    ok(rs.MovePrevious());
    EXPECT_EQ(shown(rs.field("sFirst_nm")), "Renamed");
    ok(rs.Edit());
    ok(rs.setField("sFirst_nm", "Mine"));
    ok(rs.Update());
    EXPECT_EQ(shown(rs.field("sFirst_nm")), "Mine");
    EXPECT_EQ(rs.recordCount(), 100);  // the rows were taken when it was opened
}

// A walk through many rows whose order is not the order they were entered in (so they are read
// by lists of identities, a window in several lists): every row comes once, in order, both ways,
// and the same inside a unit of work, which already holds the store.
TEST(Windows, AWalkInAnOrderOfItsOwnShowsEveryRowOnceInOrder) {
    test::TempRoot root;
    const std::string path = os::programPath("Infor.mdb");
    ok(db::ensureStore(
        path, {"Infor.mdb", {{"tbEmplo", {{"szID_no", db::Kind::Text, 4}, {"sFirst_nm", db::Kind::Text, 50}}, {}}}}));
    db::Database d = *db::Database::open(path);
    constexpr int kRows = 700;
    std::string fill = "BEGIN;";
    for (int k = 0; k < kRows; ++k) {
        int code = (k * 397) % kRows;  // entered out of code order
        fill += "INSERT INTO tbEmplo (szID_no, sFirst_nm) VALUES ('" + std::to_string(1000 + code) + "', 'Name " +
                std::to_string(code) + "');";
    }
    ASSERT_EQ(Station(path).exec(fill + "COMMIT"), SQLITE_OK);
    auto walk = [&](bool backward) {
        db::Recordset rs = test::open(d, "SELECT * FROM tbEmplo ORDER BY szID_no");
        if (backward) ok(rs.MoveLast());
        std::vector<std::string> seen;
        while (!(backward ? rs.bof() : rs.eof())) {
            seen.push_back(shown(rs.field("sFirst_nm")));
            ok(backward ? rs.MovePrevious() : rs.MoveNext());
        }
        if (backward) std::reverse(seen.begin(), seen.end());
        return seen;
    };
    std::vector<std::string> expected;
    for (int k = 0; k < kRows; ++k) expected.push_back("Name " + std::to_string(k));
    EXPECT_EQ(walk(false), expected);
    EXPECT_EQ(walk(true), expected);
    db::UnitOfWork work;
    ok(work.begin({path}));
    EXPECT_EQ(walk(false), expected);
    ok(work.commit());
    EXPECT_EQ(walk(false), expected);  // and the store is left for the next reader
}

// Recordsets one after another read into the room the one before let go: what one held never
// shows in the next, a field empty in the file shows empty, whatever stood in its room before,
// and a row another station deleted is not taken for the row that stood there.
TEST(Windows, AWindowReadIntoTheRoomOfAnEarlierOneShowsOnlyItsOwnRows) {
    test::TempRoot root;
    const std::string path = os::programPath("Infor.mdb");
    ok(db::ensureStore(path, {"Infor.mdb",
                              {{"tbEmplo",
                                {{"szID_no", db::Kind::Text, 4},
                                 {"sFirst_nm", db::Kind::Text, 50},
                                 {"sLast_na", db::Kind::Text, 50},
                                 {"lHours", db::Kind::Long}},
                                {}},
                               {"tbShort", {{"szCode", db::Kind::Text, 4}, {"sNote", db::Kind::Text, 50}}, {}}}}));
    db::Database d = *db::Database::open(path);
    constexpr int kRows = 600;
    std::string fill = "BEGIN;";
    for (int k = 0; k < kRows; ++k) {
        std::string n = std::to_string(1000 + (k * 397) % kRows);
        fill += "INSERT INTO tbEmplo (szID_no, sFirst_nm, sLast_na, lHours) VALUES ('" + n + "', 'First " + n + "', 'Last " + n + "', " + n + ");";
        // Every third note empty, so a slot that held text in the wider table now reads empty.
        fill += "INSERT INTO tbShort (szCode, sNote) VALUES ('" + n + "', " + (k % 3 ? "'Note " + n + "'" : "NULL") + ");";
    }
    ASSERT_EQ(Station(path).exec(fill + "COMMIT"), SQLITE_OK);
    auto walk = [&](const std::string& source, const char* field) {
        db::Recordset rs = test::open(d, source);
        std::vector<std::string> seen;
        for (; !rs.eof(); (void)rs.MoveNext()) {
            auto v = rs.field(field);
            seen.push_back(!v ? "error" : v->isNull() ? "(empty)" : shown(*v));
        }
        return seen;
    };
    std::vector<std::string> firsts, notes, notesLater;
    for (int k = 0; k < kRows; ++k) {
        std::string n = std::to_string(1000 + k);
        firsts.push_back("First " + n);
        // Row k was entered at j with (j * 397) % kRows == k; its note is empty when j % 3 == 0.
        int j = 0;
        while ((j * 397) % kRows != k) ++j;
        notes.push_back(j % 3 ? "Note " + n : "(empty)");
        if (n != "1300") notesLater.push_back(notes.back());
    }
    EXPECT_EQ(walk("SELECT * FROM tbEmplo ORDER BY szID_no", "sFirst_nm"), firsts);
    EXPECT_EQ(walk("SELECT * FROM tbShort ORDER BY szCode", "sNote"), notes);
    EXPECT_EQ(walk("SELECT * FROM tbEmplo ORDER BY szID_no", "sFirst_nm"), firsts);
    ASSERT_EQ(Station(path).exec("DELETE FROM tbShort WHERE szCode = '1300'"), SQLITE_OK);
    EXPECT_EQ(walk("SELECT * FROM tbShort ORDER BY szCode", "sNote"), notesLater);
}

// This station's own writes, through another recordset or a statement, show at once.
TEST(Windows, ThisStationsWritesShowAtOnce) {
    test::TempRoot root;
    const std::string path = os::programPath("Infor.mdb");
    ok(db::ensureStore(
        path, {"Infor.mdb", {{"tbEmplo", {{"szID_no", db::Kind::Text, 4}, {"sFirst_nm", db::Kind::Text, 50}}, {}}}}));
    db::Database d = *db::Database::open(path);
    for (const char* row : {"('1', 'Ann')", "('2', 'Bob')", "('3', 'Cy')", "('4', 'Dee')"})
        ASSERT_TRUE(d.execute(std::string("INSERT INTO tbEmplo VALUES ") + row).ok());
    db::Recordset a = test::open(d, "tbEmplo");
    EXPECT_EQ(a.recordCount(), 4);
    EXPECT_EQ(shown(a.field("sFirst_nm")), "Ann");
    ok(a.MoveNext());
    EXPECT_EQ(shown(a.field("sFirst_nm")), "Bob");  // a walk: the rows after it are read with it
    db::Recordset b = test::open(d, "tbEmplo");
    ok(b.FindFirst("szID_no = '3'"));
    ok(b.Edit());
    ok(b.setField("sFirst_nm", "Cyril"));
    ok(b.Update());
    ok(a.MoveNext());
    EXPECT_EQ(shown(a.field("sFirst_nm")), "Cyril");
    ASSERT_TRUE(d.execute("UPDATE tbEmplo SET sFirst_nm = 'Deirdre' WHERE szID_no = '4'").ok());
    ok(a.MoveNext());
    EXPECT_EQ(shown(a.field("sFirst_nm")), "Deirdre");
}

// Processes that each raise one counter by reading it, adding one and writing it back, trying
// again when the check refuses: every increment arrives, and nothing else goes wrong unseen.
TEST(OptimisticCheck, ProcessesIncrementingOneCounterLoseNoIncrement) {
    constexpr int kIncrements = 2000;
    for (int processes : {2, 4}) {
        SCOPED_TRACE(std::to_string(processes) + " processes");
        MemoryRoot root;
        const std::string path = os::programPath("Counter.mdb");
        ok(db::ensureStore(path, {"Counter.mdb",
                                  {{"tbCount",
                                    {{"szName", db::Kind::Text, 10}, {"lCount", db::Kind::Long}},
                                    {{{"szName", "n"}, {"lCount", 0}}}}}}));
        std::vector<pid_t> pids;
        for (int p = 0; p < processes; ++p) {
            pid_t pid = fork();
            ASSERT_GE(pid, 0);
            if (pid != 0) {
                pids.push_back(pid);
                continue;
            }
            auto d = db::Database::open(path);
            if (!d) _exit(2);
            auto rs = d->openRecordset("tbCount");
            if (!rs) _exit(3);
            for (int i = 0; i < kIncrements;) {
                db::Status st = rs->Edit();
                if (st) {
                    auto n = rs->field("lCount");
                    st = n ? rs->setField("lCount", static_cast<long>(n->toLong() + 1)) : n.status();
                }
                if (st) st = rs->Update();
                if (st) {
                    ++i;
                } else if (st.error().code == db::code::kChangedByOther) {
                    (void)rs->CancelUpdate();  // refused: read it again and try again
                } else {
                    std::fprintf(stderr, "process %d increment %d: %s\n", p, i, st.error().message().c_str());
                    _exit(1);
                }
            }
            _exit(0);
        }
        for (pid_t pid : pids) {
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        }
        Station check(path);
        EXPECT_EQ(check.count("SELECT lCount FROM tbCount"), processes * kIncrements);
    }
}

}  // namespace
