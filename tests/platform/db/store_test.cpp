#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>

#include "db_support.h"
#include "platform/db/connection.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"

using namespace pelk;
using test::column;
using test::ok;
using test::shown;
using test::Station;

namespace {

db::TableDecl timeCards() {
    return {"tblTcd",
            {{"ID", db::Kind::Counter},
             {"szID_no", db::Kind::Text, 10},
             {"szDate_da", db::Kind::DateTime},
             {"szTHrs", db::Kind::Long}},
            {}};
}

db::TableDecl reservations() {
    return {"tblReserv",
            {{"sPhone_no", db::Kind::Text, 20}, {"sLast_na", db::Kind::Text, 30}, {"szRoom1", db::Kind::Text, 10}},
            {}};
}

TEST(Catalogue, EnsureStoresMakesWhatIsMissingAndKeepsWhatIsThere) {
    test::TempRoot root;
    db::Catalogue cat;
    ok(cat.declare({"DOZA98.mdb",
                    {{"tbSet",
                      {{"ID", db::Kind::Long}, {"szMode", db::Kind::Text, 10}, {"bTrain", db::Kind::YesNo}},
                      {{{"ID", 1}, {"szMode", "Single"}, {"bTrain", false}}}}}}));
    ok(cat.declare({"Tcd.mdb", {timeCards()}, true}));
    EXPECT_TRUE(cat.ensureStores().empty());
    for (const char* f : {"DOZA98.mdb", "Tcd.mdb", "VyTcd.mdb"}) EXPECT_TRUE(os::fileExists(os::programPath(f))) << f;
    EXPECT_FALSE(os::fileExists(os::programPath("VyDOZA98.mdb")));
    EXPECT_EQ(os::findFiles(os::kProgramFolder, "*.new-*"), std::vector<std::string>{});

    // The kinds live in the file: a store opened later knows them.
    db::Database doza = *db::Database::open(os::programPath("doza98.MDB"));
    auto fields = doza.fields("TBSET");
    ASSERT_TRUE(fields.ok());
    ASSERT_EQ(fields->size(), 3u);
    EXPECT_EQ((*fields)[1].kind, db::Kind::Text);
    EXPECT_EQ((*fields)[1].size, 10);
    EXPECT_EQ((*fields)[2].kind, db::Kind::YesNo);
    db::Recordset set = test::open(doza, "tbSet");
    EXPECT_EQ(shown(set.field("szMode")), "Single");
    EXPECT_EQ(*set.field("bTrain"), core::Value(false));
    ok(set.Edit());
    ok(set.setField("szMode", "Server"));
    ok(set.Update());

    // A later declaration adds a table to the same store; the rows already there stay.
    ok(cat.declare({"doza98.mdb", {{"tblRooms", {{"ID1", db::Kind::Text, 5}}, {{{"ID1", "1"}}, {{"ID1", "2"}}}}}}));
    EXPECT_EQ(cat.stores().size(), 2u);
    EXPECT_TRUE(cat.ensureStores().empty());
    db::Recordset rooms = test::open(doza, "tblRooms");
    EXPECT_EQ(column(rooms, "ID1"), (std::vector<std::string>{"1", "2"}));
    ok(set.Requery());
    EXPECT_EQ(column(set, "szMode"), std::vector<std::string>{"Server"});

    // Declarations that cannot be made are refused at once.
    EXPECT_EQ(cat.declare({"DOZA98.mdb", {{"tbSet", {{"ID", db::Kind::Text, 5}}, {}}}}).error().code,
              db::code::kAlreadyExists);
    EXPECT_EQ(cat.declare({"X.mdb", {{"t", {{"a", db::Kind::Long}}, {{{"b", 1}}}}}}).error().code,
              db::code::kNotFoundInCollection);
    EXPECT_FALSE(cat.declare({"X.mdb", {{"t", {{"a", db::Kind::Counter}, {"b", db::Kind::Counter}}, {}}}}).ok());
}

// Declared look-up keys: made with a new store, added to a store made without them (once, by a
// later start), served to the finds and orderings they are for.
TEST(Catalogue, DeclaredIndexesAreMadeWhereMissingAndServeTheLookUps) {
    test::TempRoot root;
    db::Catalogue before, after;
    ok(before.declare({"Tcd.mdb", {timeCards()}}));
    EXPECT_TRUE(before.ensureStores().empty());
    const std::string path = os::programPath("Tcd.mdb");
    Station check(path);
    ASSERT_EQ(check.exec("INSERT INTO tblTcd (szID_no, szDate_da) VALUES ('0012', '2026-01-05')"), SQLITE_OK);
    auto indexes = [&] { return check.count("SELECT count(*) FROM sqlite_master WHERE type = 'index'"); };
    EXPECT_EQ(indexes(), 0);

    db::TableDecl cards = timeCards();
    cards.indexes = {{"szDate_da"}, {"szID_no", "szDate_da"}};
    ok(after.declare({"Tcd.mdb", {cards}}));
    ok(after.declare({"Tcd.mdb", {cards}}));  // declared twice: made once
    EXPECT_TRUE(after.ensureStores().empty());
    EXPECT_EQ(indexes(), 2);
    EXPECT_TRUE(after.ensureStores().empty());
    EXPECT_EQ(indexes(), 2);
    EXPECT_EQ(check.count("SELECT count(*) FROM tblTcd"), 1);
    ok(after.declare({"VyNew.mdb", {cards}}));
    EXPECT_TRUE(after.ensureStores().empty());
    EXPECT_EQ(Station(os::programPath("VyNew.mdb")).count("SELECT count(*) FROM sqlite_master WHERE type = 'index'"),
              2);

    // The plans SQLite makes for a code and a period use them.
    auto plan = [&](const std::string& where) {
        sqlite3* db = nullptr;
        sqlite3_open(os::mapPath(path).string().c_str(), &db);
        sqlite3_stmt* st = nullptr;
        std::string out;
        sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN SELECT rowid FROM tblTcd WHERE " + where).c_str(), -1, &st,
                           nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) out += reinterpret_cast<const char*>(sqlite3_column_text(st, 3));
        sqlite3_finalize(st);
        sqlite3_close(db);
        return out;
    };
    EXPECT_NE(plan("szID_no = '0012'").find("INDEX"), std::string::npos);
    EXPECT_NE(plan("szDate_da BETWEEN '2026-01-01' AND '2026-01-31'").find("INDEX"), std::string::npos);

    // A key naming a field the table lacks is refused at once.
    cards.indexes = {{"szNothing"}};
    EXPECT_EQ(after.declare({"Other.mdb", {cards}}).error().code, db::code::kNotFoundInCollection);
}

// A start looks closely only at a store this build has not looked at: one made or changed by
// another build, or copied in from elsewhere, gets what it lacks; one already looked at is not
// rebuilt or reopened for writing.
TEST(Catalogue, AStoreIsLookedAtAgainWhenItDoesNotCarryThisDeclarationsMark) {
    test::TempRoot root;
    db::TableDecl cards = timeCards();
    cards.indexes = {{"szDate_da"}};
    db::Catalogue cat;
    ok(cat.declare({"Tcd.mdb", {cards, reservations()}}));
    EXPECT_TRUE(cat.ensureStores().empty());
    const std::string path = os::programPath("Tcd.mdb");
    Station other(path);
    auto objects = [&] { return other.count("SELECT count(*) FROM sqlite_master WHERE name NOT LIKE 'sqlite%'"); };
    EXPECT_EQ(objects(), 3);

    // Another build took a table and an index away, leaving its own mark (or none).
    for (const char* mark : {"0", "12345"}) {
        ASSERT_EQ(other.exec("DROP TABLE tblReserv; DROP INDEX \"tblTcd by szDate_da\"; PRAGMA user_version = " +
                             std::string(mark)),
                  SQLITE_OK);
        EXPECT_TRUE(cat.ensureStores().empty());
        EXPECT_EQ(objects(), 3) << "mark " << mark;
    }

    // Looked at once, the store is only read: a start while another station writes to it does
    // not wait for that station.
    ASSERT_EQ(other.exec("BEGIN IMMEDIATE"), SQLITE_OK);
    EXPECT_TRUE(cat.ensureStores().empty());
    ASSERT_EQ(other.exec("COMMIT"), SQLITE_OK);

    // A declaration that changes (a new key) is a new mark: the key is made.
    db::Catalogue later;
    cards.indexes.push_back({"szID_no"});
    ok(later.declare({"Tcd.mdb", {cards, reservations()}}));
    EXPECT_TRUE(later.ensureStores().empty());
    EXPECT_EQ(objects(), 4);
}

// Names are matched without regard to case, as on the share the stores came from: a store
// spelled otherwise is the same store, not one to make again.
// A store reached through a link is known by the file the link leads to now: a link turned to
// another folder names another store, however often the first was asked for.
TEST(Catalogue, AStoreThroughALinkIsTheFileItLeadsToNow) {
    test::TempRoot root;
    namespace fs = std::filesystem;
    const fs::path here = root.path() / "here", there = root.path() / "there", link = root.path() / "data";
    for (const fs::path& folder : {here, there}) {
        fs::create_directories(folder);
        std::ofstream(folder / "Ordr.mdb") << "x";
    }
    fs::create_directory_symlink(here, link);
    for (int k = 0; k < 2; ++k) EXPECT_EQ(db::detail::fileKey(link / "Ordr.mdb"), (here / "Ordr.mdb").string());
    fs::remove(link);
    fs::create_directory_symlink(there, link);
    EXPECT_EQ(db::detail::fileKey(link / "Ordr.mdb"), (there / "Ordr.mdb").string());
}

TEST(Catalogue, AStoreSpelledInAnotherCaseIsTheSameStore) {
    test::TempRoot root;
    db::Catalogue cat;
    ok(cat.declare({"Tcd.mdb", {timeCards()}, true}));
    EXPECT_TRUE(cat.ensureStores().empty());
    ASSERT_EQ(Station(os::programPath("Tcd.mdb")).exec("INSERT INTO tblTcd (szID_no) VALUES ('0012')"), SQLITE_OK);
    const auto folder = os::mapPath(os::kProgramFolder);
    std::filesystem::rename(folder / "Tcd.mdb", folder / "TCD.MDB");
    std::filesystem::rename(folder / "VyTcd.mdb", folder / "vytcd.mdb");
    EXPECT_TRUE(cat.ensureStores().empty());
    EXPECT_EQ(os::findFiles(os::kProgramFolder, "*"), (std::vector<std::string>{"TCD.MDB", "vytcd.mdb"}));
    EXPECT_EQ(Station(os::programPath("TCD.MDB")).count("SELECT count(*) FROM tblTcd"), 1);
}

TEST(Catalogue, EveryFailureIsReturnedAndTheOthersGoOn) {
    test::TempRoot root;
    root.writeFile(os::programPath("Ref.mdb"), "this is not a store, it only has the name of one");
    db::Catalogue cat;
    ok(cat.declare({"Ref.mdb", {reservations()}}));
    ok(cat.declare({"ZuReserv.mdb", {reservations()}}));
    ok(cat.declare({"Bad.mdb", {{"t", {{"n", db::Kind::Long}}, {{{"n", "many"}}}}}}));
    auto errors = cat.ensureStores();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].store, os::programPath("Ref.mdb"));
    EXPECT_EQ(errors[0].code, db::code::kNotADatabase);
    EXPECT_EQ(errors[1].store, os::programPath("Bad.mdb"));
    EXPECT_EQ(errors[1].code, db::code::kConversion);
    EXPECT_TRUE(db::Database::open(os::programPath("ZuReserv.mdb")).ok());
    EXPECT_FALSE(os::fileExists(os::programPath("Bad.mdb")));  // never half a store
    auto missing = db::Database::open(os::programPath("Nothing.mdb"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().code, db::code::kFileNotFound);
    EXPECT_EQ(missing.error().reason, "Could not find file '" + os::programPath("Nothing.mdb") + "'.");
}

// Connections outlive their handles for a while, so a store opened again is served at once; a
// file put in a store's place, or taken away, must not be served by the connection to the old one.
TEST(Catalogue, AStoreOpenedAgainIsTheFileThatIsThereNow) {
    test::TempRoot root;
    const std::string live = os::programPath("Tcd.mdb"), other = os::programPath("Other.mdb");
    ok(db::ensureStore(live, {"Tcd.mdb", {timeCards()}}));
    ok(db::ensureStore(other, {"Other.mdb", {timeCards()}}));
    ASSERT_TRUE(db::Database::open(live)->execute("INSERT INTO tblTcd (szID_no) VALUES ('old')").ok());
    ASSERT_TRUE(db::Database::open(other)->execute("INSERT INTO tblTcd (szID_no) VALUES ('new')").ok());
    auto codes = [](const db::Database& d) {
        db::Recordset rs = test::open(d, "tblTcd");
        return column(rs, "szID_no");
    };
    db::Database held = *db::Database::open(live);
    EXPECT_EQ(codes(held), std::vector<std::string>{"old"});

    std::filesystem::rename(os::mapPath(other), os::mapPath(live));
    EXPECT_EQ(codes(*db::Database::open(live)), std::vector<std::string>{"new"});
    ASSERT_TRUE(db::Database::open(live)->execute("INSERT INTO tblTcd (szID_no) VALUES ('next')").ok());
    Station station(live);
    EXPECT_EQ(station.count("SELECT count(*) FROM tblTcd"), 2);
    // A handle opened before still reads the file it was opened on.
    EXPECT_EQ(codes(held), std::vector<std::string>{"old"});

    std::filesystem::remove(os::mapPath(live));
    auto gone = db::Database::open(live);
    ASSERT_FALSE(gone.ok());
    EXPECT_EQ(gone.error().code, db::code::kFileNotFound);
}

class StoresTest : public ::testing::Test {
protected:
    void SetUp() override {
        ok(db::ensureStore(live, {"Tcd.mdb", {timeCards()}}));
        ok(db::ensureStore(
            blank,
            {"VyTcd.mdb",
             {{"tblTcd", timeCards().fields, {{{"szID_no", "blank"}, {"szDate_da", "1/1/2026"}, {"szTHrs", 0}}}}}}));
        db::Database d = *db::Database::open(live);
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(d.execute("INSERT INTO tblTcd (szID_no, szTHrs) VALUES ('0012', 60)").ok());
    }
    test::TempRoot root;
    const std::string live = os::programPath("Tcd.mdb");
    const std::string blank = os::programPath("VyTcd.mdb");
};

TEST_F(StoresTest, RenewingPutsTheTemplateUnderOpenConnections) {
    db::Database d = *db::Database::open(live);
    db::Recordset rs = test::open(d, "tblTcd");
    EXPECT_EQ(rs.recordCount(), 3);
    Station other(live);
    EXPECT_EQ(other.count("SELECT count(*) FROM tblTcd"), 3);

    ok(db::renewFromTemplate(live, blank));

    // Both connections stay valid and see the blank store; writes through them stay.
    EXPECT_EQ(other.count("SELECT count(*) FROM tblTcd"), 1);
    ok(rs.Requery());
    EXPECT_EQ(column(rs, "szID_no"), std::vector<std::string>{"blank"});
    ok(rs.AddNew());
    ok(rs.setField("szID_no", "0001"));
    ok(rs.Update());
    EXPECT_EQ(other.count("SELECT count(*) FROM tblTcd WHERE szID_no = '0001'"), 1);
    EXPECT_EQ(other.exec("INSERT INTO tblTcd (szID_no) VALUES ('0002')"), SQLITE_OK);
    ok(rs.Requery());
    EXPECT_EQ(rs.recordCount(), 3);
    // The template itself is never written.
    Station vy(blank);
    EXPECT_EQ(vy.count("SELECT count(*) FROM tblTcd"), 1);
}

TEST_F(StoresTest, RenewingWaitsForAnotherStationsReadWithinTheBusyTimeout) {
    Station reader(live);
    ASSERT_EQ(reader.exec("BEGIN; SELECT count(*) FROM tblTcd;"), SQLITE_OK);
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        reader.exec("COMMIT");
    });
    auto started = std::chrono::steady_clock::now();
    db::Status st = db::renewFromTemplate(live, blank);
    release.join();
    ok(st);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(100));
    EXPECT_EQ(reader.count("SELECT count(*) FROM tblTcd"), 1);
}

TEST_F(StoresTest, AFailedRenewalLeavesTheLiveStoreWhole) {
    Station check(live);
    auto missing = db::renewFromTemplate(live, os::programPath("VyNothing.mdb"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().code, db::code::kFileNotFound);
    EXPECT_EQ(missing.error().store, os::programPath("VyNothing.mdb"));

    root.writeFile(os::programPath("VyBroken.mdb"), std::string(8192, 'x'));
    auto broken = db::renewFromTemplate(live, os::programPath("VyBroken.mdb"));
    ASSERT_FALSE(broken.ok());
    EXPECT_EQ(broken.error().code, db::code::kNotADatabase);

    // A station that keeps writing past the busy timeout: the renewal gives up, reports it.
    Station writer(live);
    ASSERT_EQ(writer.exec("BEGIN IMMEDIATE; INSERT INTO tblTcd (szID_no) VALUES ('x');"), SQLITE_OK);
    int saved = db::busyTimeout();
    db::setBusyTimeout(100);
    auto locked = db::renewFromTemplate(live, blank);
    db::setBusyTimeout(saved);
    ASSERT_FALSE(locked.ok());
    EXPECT_EQ(locked.error().code, db::code::kLocked);
    EXPECT_EQ(locked.error().store, live);
    ASSERT_EQ(writer.exec("ROLLBACK"), SQLITE_OK);

    EXPECT_EQ(check.count("SELECT count(*) FROM tblTcd WHERE szID_no = '0012'"), 3);
}

// A template that would leave the live store without its tables is refused like a missing one,
// and the live store stays as it was.
TEST_F(StoresTest, ARenewalFromAnEmptyOrForeignTemplateIsRefused) {
    struct {
        const char* name;
        std::function<void(const std::string&)> make;
        std::string reason;
    } cases[] = {
        {"VyEmpty.mdb", [&](const std::string& p) { root.writeFile(p, ""); },
         "The template '" + os::programPath("VyEmpty.mdb") + "' holds no tables."},
        {"VyOther.mdb",
         [&](const std::string& p) {
             ok(db::ensureStore(p, {"VyOther.mdb", {reservations()}}));
         },
         "The template '" + os::programPath("VyOther.mdb") + "' lacks the table 'tblTcd'."},
    };
    Station check(live);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = os::programPath(c.name);
        c.make(path);
        auto st = db::renewFromTemplate(live, path);
        ASSERT_FALSE(st.ok());
        EXPECT_EQ(st.error().code, db::code::kNoSuchTable);
        EXPECT_EQ(st.error().reason, c.reason);
        EXPECT_EQ(check.count("SELECT count(*) FROM tblTcd WHERE szID_no = '0012'"), 3);
    }
    // The store keeps taking rows.
    ASSERT_TRUE((*db::Database::open(live)).execute("INSERT INTO tblTcd (szID_no) VALUES ('0013')").ok());
}

// A first start killed while it makes its stores leaves no half store under a store's name,
// and the next start removes what it left and makes every store whole.
TEST(Catalogue, AKilledFirstStartLeavesNothingBehindTheNextStart) {
    test::TempRoot root;
    db::Catalogue catalogue;
    for (int s = 0; s < 20; ++s) {
        db::StoreDecl store{"Store" + std::to_string(s) + ".mdb", {timeCards(), reservations()}, s % 2 == 0};
        store.tables[0].firstRows = {{{"szID_no", "first"}}};
        ok(catalogue.declare(store));
    }
    const std::filesystem::path folder = os::mapPath(os::kProgramFolder);
    auto unfinished = [&] {
        int n = 0;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec))
            n += e.path().filename().string().find(".mdb.") != std::string::npos;
        return n;
    };
    for (int delayMs : {0, 1, 3, 6, 10, 20}) {
        SCOPED_TRACE(delayMs);
        std::filesystem::remove_all(folder);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            (void)catalogue.ensureStores();
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        // What an earlier build left, by a process that is gone.
        root.writeFile(os::programPath("Old.mdb.new-" + std::to_string(pid) + "-7"), "half");

        std::vector<db::Error> errors = catalogue.ensureStores();
        EXPECT_TRUE(errors.empty()) << errors.front().message();
        EXPECT_EQ(unfinished(), 0);
        for (const db::StoreDecl& s : catalogue.stores()) {
            Station check(os::programPath(s.fileName));
            EXPECT_EQ(check.count("SELECT count(*) FROM tblTcd WHERE szID_no = 'first'"), 1) << s.fileName;
            EXPECT_EQ(check.count("SELECT count(*) FROM tblReserv"), 0) << s.fileName;
        }
    }
}

class UnitOfWorkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ok(db::ensureStore(chkO, {"ZuChkO.mdb", {reservations()}}));
        ok(db::ensureStore(reserv, {"ZuReserv.mdb", {reservations()}}));
        db::Database r = *db::Database::open(reserv);
        ASSERT_TRUE(r.execute("INSERT INTO tblReserv VALUES ('555-0101', 'Smith', '101')").ok());
        ASSERT_TRUE(r.execute("INSERT INTO tblReserv VALUES ('555-0102', 'Jones', '102')").ok());
    }
    // The check-out: the guest copied into the checked-out store, the reservation deleted.
    void checkOut(db::Recordset& out, db::Recordset& res, const std::string& room) {
        ok(res.FindFirst(db::prefixCriterion("sPhone_no", "555-0101")));
        ASSERT_FALSE(res.noMatch());
        ok(out.AddNew());
        ok(out.setField("sPhone_no", *res.field("sPhone_no")));
        ok(out.setField("sLast_na", *res.field("sLast_na")));
        ok(out.setField("szRoom1", room));
        (void)out.Update();
        (void)res.Delete();
    }
    test::TempRoot root;
    const std::string chkO = os::programPath("ZuChkO.mdb");
    const std::string reserv = os::programPath("ZuReserv.mdb");
};

TEST_F(UnitOfWorkTest, AFailureHalfWayLeavesBothStoresAsTheyWere) {
    db::Recordset out = test::open(*db::Database::open(chkO), "tblReserv");
    db::Recordset res = test::open(*db::Database::open(reserv), "SELECT * FROM tblReserv ORDER BY sPhone_no ASC");
    Station station(reserv);
    {
        db::UnitOfWork work;
        ok(work.begin({chkO, reserv}));
        ok(res.FindFirst("sLast_na = 'Jones'"));
        ok(res.Delete());                                              // the first write goes in
        checkOut(out, res, "a room name far too long for the field");  // the copy fails
        EXPECT_EQ(out.editMode(), db::EditMode::Adding);
        // Inside the unit of work its own writes are seen; another station sees none of them.
        EXPECT_EQ(station.count("SELECT count(*) FROM tblReserv"), 2);
        auto st = work.commit();
        ASSERT_FALSE(st.ok());
        EXPECT_EQ(st.error().code, db::code::kFieldTooSmall);
        EXPECT_EQ(st.error().store, chkO);
        EXPECT_FALSE(work.active());
    }
    EXPECT_EQ(station.count("SELECT count(*) FROM tblReserv"), 2);
    Station out2(chkO);
    EXPECT_EQ(out2.count("SELECT count(*) FROM tblReserv"), 0);
    ok(res.Requery());
    EXPECT_EQ(res.recordCount(), 2);
}

TEST_F(UnitOfWorkTest, ACommitWritesEveryStoreTogether) {
    db::Recordset out = test::open(*db::Database::open(chkO), "tblReserv");
    db::Recordset res = test::open(*db::Database::open(reserv), "SELECT * FROM tblReserv ORDER BY sPhone_no ASC");
    Station station(reserv), outStation(chkO);
    {
        db::UnitOfWork work;
        ok(work.begin({chkO, reserv}));
        checkOut(out, res, "101");
        auto viaStore = work.store(reserv);
        ASSERT_TRUE(viaStore.ok());
        ASSERT_TRUE(viaStore->execute("UPDATE tblReserv SET szRoom1 = '201' WHERE sLast_na = 'Jones'").ok());
        ok(out.MoveFirst());
        EXPECT_EQ(shown(out.field("sLast_na")), "Smith");
        EXPECT_EQ(outStation.count("SELECT count(*) FROM tblReserv"), 0);
        ok(work.commit());
    }
    EXPECT_EQ(outStation.count("SELECT count(*) FROM tblReserv WHERE sLast_na = 'Smith'"), 1);
    EXPECT_EQ(station.count("SELECT count(*) FROM tblReserv"), 1);
    EXPECT_EQ(station.count("SELECT count(*) FROM tblReserv WHERE szRoom1 = '201'"), 1);

    // Leaving without a commit writes nothing; one unit of work at a time.
    {
        db::UnitOfWork work;
        ok(work.begin({reserv}));
        db::UnitOfWork second;
        EXPECT_EQ(second.begin({chkO}).error().code, db::code::kTransaction);
        EXPECT_EQ(work.store(chkO).error().code, db::code::kInvalidArgument);
        ASSERT_TRUE((*db::Database::open(reserv)).execute("DELETE FROM tblReserv").ok());
        EXPECT_EQ(station.count("SELECT count(*) FROM tblReserv"), 1);
    }
    EXPECT_EQ(station.count("SELECT count(*) FROM tblReserv"), 1);
    db::UnitOfWork missing;
    EXPECT_EQ(missing.begin({reserv, os::programPath("Nothing.mdb")}).error().code, db::code::kFileNotFound);
    EXPECT_FALSE(missing.active());
}

// Two stations adding rows to one store at the same time: every row arrives, each with its
// own automatic number, and no "database is locked" reaches either of them.
TEST(Stations, TwoWritersAtOnceLoseNothing) {
    test::TempRoot root;
    const std::string path = os::programPath("Tcd.mdb");
    ok(db::ensureStore(path, {"Tcd.mdb", {timeCards()}}));
    constexpr int kRows = 1000;
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = fork();
        ASSERT_GE(writers[w], 0);
        if (writers[w] == 0) {
            auto d = db::Database::open(path);
            if (!d) _exit(2);
            auto rs = d->openRecordset("tblTcd");
            if (!rs) _exit(3);
            for (int i = 0; i < kRows; ++i) {
                db::Status st = rs->AddNew();
                if (st && i % 2 == 0) st = rs->field("ID").status();  // a number read before the save
                if (st) st = rs->setField("szID_no", "W" + std::to_string(w));
                if (st) st = rs->setField("szTHrs", i);
                if (st) st = rs->Update();
                if (!st) {
                    std::fprintf(stderr, "writer %d row %d: %s\n", w, i, st.error().message().c_str());
                    _exit(1);
                }
            }
            _exit(0);
        }
    }
    for (pid_t p : writers) {
        int status = 0;
        ASSERT_EQ(waitpid(p, &status, 0), p);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "writer status " << status;
    }
    Station check(path);
    EXPECT_EQ(check.count("SELECT count(*) FROM tblTcd"), 2 * kRows);
    EXPECT_EQ(check.count("SELECT count(DISTINCT ID) FROM tblTcd"), 2 * kRows);
    EXPECT_EQ(check.count("SELECT count(*) FROM (SELECT DISTINCT szID_no, szTHrs FROM tblTcd)"), 2 * kRows);
}

// Two stations at once, each going to every row of one ordered table by a find (no rows listed)
// and deleting every third or writing its hours back under the same code: a row is deleted once,
// the other station finds it gone; a write that meets the other's deletion or write is refused,
// never put on another row; no row is lost or doubled, and a step after a write lands on a row.
TEST(Stations, TwoStationsWritingRowsGoneToStraightLoseNothing) {
    test::TempRoot root;
    const std::string path = os::programPath("Tcd.mdb");
    ok(db::ensureStore(path, {"Tcd.mdb", {timeCards()}}));
    constexpr int kRows = 300;
    {
        Station fill(path);
        for (int i = 0; i < kRows; ++i)
            ASSERT_EQ(fill.exec("INSERT INTO tblTcd (szID_no, szTHrs) VALUES ('C" +
                                std::to_string(1000 + (i * 37) % kRows) + "', 0)"),
                      SQLITE_OK);
    }
    pid_t stations[2];
    for (int w = 0; w < 2; ++w) {
        stations[w] = fork();
        ASSERT_GE(stations[w], 0);
        if (stations[w] == 0) {
            auto d = db::Database::open(path);
            if (!d) _exit(2);
            // Station 0 takes the codes up, station 1 down: they meet in the middle, where each
            // row is sought by both at once.
            for (int k = 0; k < kRows; ++k) {
                int code = w == 0 ? k : kRows - 1 - k;
                db::noteAction();
                auto rs = d->openRecordset("SELECT * FROM tblTcd ORDER BY szID_no");
                if (!rs) _exit(3);
                db::Status st = rs->FindFirst("szID_no = 'C" + std::to_string(1000 + code) + "'");
                if (st && rs->noMatch()) continue;  // deleted by the other station already
                if (st && code % 3 == 0) {
                    st = rs->Delete();
                } else if (st) {
                    st = rs->Edit();
                    if (st) st = rs->setField("szID_no", "C" + std::to_string(1000 + code));
                    if (st) st = rs->setField("szTHrs", (w + 1) * 1000 + code);
                    if (st) st = rs->Update();
                }
                if (!st && st.error().code != db::code::kRecordDeleted && st.error().code != db::code::kChangedByOther) {
                    std::fprintf(stderr, "station %d code %d: %s\n", w, code, st.error().message().c_str());
                    _exit(1);
                }
                if (st && rs->MoveNext().ok() && !rs->eof() && rs->fieldText("szID_no").empty()) _exit(4);
            }
            _exit(0);
        }
    }
    for (pid_t p : stations) {
        int status = 0;
        ASSERT_EQ(waitpid(p, &status, 0), p);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "station status " << status;
    }
    Station check(path);
    int third = 0;
    for (int code = 0; code < kRows; ++code) third += code % 3 == 0;
    EXPECT_EQ(check.count("SELECT count(*) FROM tblTcd"), kRows - third);
    EXPECT_EQ(check.count("SELECT count(DISTINCT szID_no) FROM tblTcd"), kRows - third);
    EXPECT_EQ(check.count("SELECT count(*) FROM tblTcd WHERE (CAST(substr(szID_no, 2) AS INTEGER) - 1000) % 3 = 0"),
              0);
    // Every row kept was written by a station, with its own code.
    EXPECT_EQ(check.count("SELECT count(*) FROM tblTcd WHERE szTHrs % 1000 = CAST(substr(szID_no, 2) AS INTEGER) - "
                          "1000 AND szTHrs >= 1000"),
              kRows - third);
}

}  // namespace
