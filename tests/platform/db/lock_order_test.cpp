// The order a unit of work takes its stores' write locks in: one order for every caller, so two
// stations saving over the same stores never each hold a lock the other waits for.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "db_support.h"
#include "platform/os/paths.h"

using namespace pelk;
using test::ok;
using test::Station;

namespace {

db::TableDecl logTable() { return {"tbLog", {{"szStation", db::Kind::Text, 10}, {"lRound", db::Kind::Long}}, {}, {}}; }

// A root with the stores declared in the program's catalogue, in the order given, each made.
class LockOrder : public ::testing::Test {
protected:
    void declare(const std::vector<std::string>& fileNames) {
        for (const std::string& name : fileNames) ok(db::Catalogue::instance().declare({name, {logTable()}}));
    }
    static void make(const std::string& windowsPath) { ok(db::ensureStore(windowsPath, {"", {logTable()}})); }
    void SetUp() override { db::Catalogue::instance().clear(); }
    void TearDown() override { db::Catalogue::instance().clear(); }

    test::TempRoot root;
};

// What one station's rounds came to, as its exit code: 0 every commit went through, 10 a begin
// was refused as locked (it waited out the busy timeout), 1 anything else failed.
int runStation(const std::string& station, const std::vector<std::string>& stores, int rounds, int startSignal) {
    char go;
    if (read(startSignal, &go, 1) < 0) return 1;
    for (int round = 0; round < rounds; ++round) {
        db::UnitOfWork work;
        if (db::Status st = work.begin(stores); !st) {
            std::fprintf(stderr, "%s round %d: %s\n", station.c_str(), round, st.error().message().c_str());
            return st.error().code == db::code::kLocked ? 10 : 1;
        }
        for (const std::string& store : stores) {
            auto d = work.store(store);
            db::Status written = d.status();
            if (written)
                written = d->execute("INSERT INTO tbLog (szStation, lRound) VALUES ('" + station + "', " +
                                     std::to_string(round) + ")")
                              .status();
            if (!written) {
                std::fprintf(stderr, "%s round %d: %s\n", station.c_str(), round, written.error().message().c_str());
                return 1;
            }
        }
        if (db::Status st = work.commit(); !st) {
            std::fprintf(stderr, "%s round %d: %s\n", station.c_str(), round, st.error().message().c_str());
            return st.error().code == db::code::kLocked ? 10 : 1;
        }
    }
    return 0;
}

// Two stations (processes) save over the same stores at once, one naming them in one order, the
// other in the reverse: with one lock order neither ever waits out the busy timeout, and every
// commit of both arrives in every store.
TEST_F(LockOrder, StationsNamingTheSameStoresInOppositeOrdersBothCommitEveryRound) {
    struct Case {
        const char* name;
        std::vector<std::string> stores;  // the first station's order; the second names them reversed
    };
    declare({"ZuChkO.mdb", "ZuTb.mdb", "ZuReserv.mdb", "Ordr.mdb"});
    const std::string shared = "\\\\SRV\\Data\\";
    const Case cases[] = {
        {"declared stores",
         {os::programPath("Ordr.mdb"), os::programPath("ZuTb.mdb"), os::programPath("ZuReserv.mdb")}},
        // Ties on the catalogue's order, with no declared store ahead of them to take first: one file
        // name in two folders, and stores the catalogue does not declare.
        {"one name in two folders, undeclared stores",
         {shared + "Ordr.mdb", os::programPath("Extra.mdb"), os::programPath("ordr.MDB"), shared + "Notes.mdb"}},
    };
    constexpr int kRounds = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& store : c.stores) {
            make(store);
            ASSERT_EQ(Station(store).exec("DELETE FROM tbLog"), 0) << store;
        }
        std::vector<std::string> reversed(c.stores.rbegin(), c.stores.rend());
        int start[2];
        ASSERT_EQ(pipe(start), 0);
        std::vector<pid_t> stations;
        for (const auto& [name, order] : {std::pair{"one", c.stores}, std::pair{"two", reversed}}) {
            pid_t pid = fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                close(start[1]);
                _exit(runStation(name, order, kRounds, start[0]));
            }
            stations.push_back(pid);
        }
        close(start[0]);
        close(start[1]);  // both begin together
        for (pid_t pid : stations) {
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
            ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
            EXPECT_NE(WEXITSTATUS(status), 10) << "a begin waited out the busy timeout";
            EXPECT_EQ(WEXITSTATUS(status), 0);
        }
        for (const std::string& store : c.stores) {
            Station check(store);
            EXPECT_EQ(check.count("SELECT count(*) FROM tbLog WHERE szStation = 'one'"), kRounds) << store;
            EXPECT_EQ(check.count("SELECT count(*) FROM tbLog WHERE szStation = 'two'"), kRounds) << store;
        }
    }
}

// Whatever store ends up first in the connection, each member is still found by the path the
// caller named, in any spelling of it, and a write through it lands in its own file.
TEST_F(LockOrder, EveryStoreIsFoundByItsPathWhicheverOrderItIsTakenIn) {
    declare({"A.mdb", "B.mdb", "C.mdb"});
    const std::string a = os::programPath("A.mdb"), c = os::programPath("C.mdb");
    make(a);
    make(c);
    {
        db::UnitOfWork work;
        ok(work.begin({c, a, os::programPath("c.MDB")}));
        for (const auto& [path, row] : {std::pair{c, "to C"}, std::pair{a, "to A"}}) {
            auto d = work.store(path);
            ASSERT_TRUE(d.ok()) << path << ": " << d.error().message();
            ASSERT_TRUE(d->execute(std::string("INSERT INTO tbLog (szStation) VALUES ('") + row + "')").ok()) << path;
        }
        EXPECT_TRUE(work.store(os::programPath("c.MDB")).ok());
        ok(work.commit());
    }
    Station inA(a), inC(c);
    EXPECT_EQ(inA.count("SELECT count(*) FROM tbLog"), 1);
    EXPECT_EQ(inA.count("SELECT count(*) FROM tbLog WHERE szStation = 'to A'"), 1);
    EXPECT_EQ(inC.count("SELECT count(*) FROM tbLog"), 1);
    EXPECT_EQ(inC.count("SELECT count(*) FROM tbLog WHERE szStation = 'to C'"), 1);

    // A failure names the store as the caller named it.
    db::UnitOfWork missing;
    auto st = missing.begin({c, os::programPath("B.mdb"), a});
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().code, db::code::kFileNotFound);
    EXPECT_EQ(st.error().store, os::programPath("B.mdb"));
    EXPECT_FALSE(missing.active());
}

}  // namespace
