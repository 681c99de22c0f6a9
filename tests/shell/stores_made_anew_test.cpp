// A store that vanished from a station already in use is made anew at the start, and the clerk is
// told which, so that a backup can bring back what it held; a new station's stores are made
// without a word.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/os/station.h"
#include "platform/ui/program.h"
#include "platform/ui/runtime.h"
#include "shell/frmMain.h"
#include "shell/frmPassword.h"
#include "support/screens.h"

namespace pelk::shell {
namespace {

const std::string kOrdrAnew =
    "The data file Ordr.mdb was not found (or was empty) and has been made anew, empty. If it held this station's "
    "data, restore it from a backup.";

std::string path(const char* file) { return os::programPath(file); }

// A file gone, or emptied to no bytes, behind the program's back.
void removeFile(const char* file) { ASSERT_TRUE(os::deleteFile(path(file))) << file; }
void truncateFile(const char* file) { std::filesystem::resize_file(os::mapPath(path(file)), 0); }
// A store as an earlier build left it: without one of its tables, and without the mark this
// build leaves on a store it has looked at.
void olderStoreWithout(const char* file, const char* table) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(os::mapPath(path(file)).c_str(), &db), SQLITE_OK);
    std::string sql = std::string("DROP TABLE \"") + table + "\"; PRAGMA user_version = 0;";
    int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK);
}

class StoresMadeAnew : public test::ScreenTest {
protected:
    static void start() {
        ui::markProgramStarted();
        ui::runEvent([] { ui::program().startUp(); });
    }
    // The same station closed and started again.
    static void startAgain() {
        ui::runEvent([] { ui::forms().find<frmMain>()->Unload(); });
        ui::runEvent([] { ui::forms().find<frmPassword>()->Unload(); });
        ui::runEvent([] { ui::program().startUp(); });
    }
    // The store holds the table again, empty.
    static void expectWhole(const char* file, const char* table) {
        auto store = db::Database::open(path(file));
        ASSERT_TRUE(store.ok()) << file << ": " << store.error().message();
        auto rows = store->openRecordset(table);
        ASSERT_TRUE(rows.ok()) << file << ": " << rows.error().message();
        EXPECT_EQ(rows->recordCount(), 0) << file;
    }
};

struct Damage {
    const char* name;
    std::function<void()> done;
    std::vector<std::string> told;
};

void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }

class AStationInUse : public StoresMadeAnew, public ::testing::WithParamInterface<Damage> {};

// Whatever a station in use lost is told in one message at its start, and made whole again; the
// next start finds it whole and tells nothing more.
TEST_P(AStationInUse, IsToldOfEveryStoreMadeAnewInOneMessage) {
    ASSERT_TRUE(os::markSetupDone());
    GetParam().done();
    start();
    EXPECT_EQ(prompts(), GetParam().told);
    expectWhole("Ordr.mdb", "tblZu_Order");
    expectWhole("Ordr.mdb", "tblDy_Order");
    expectWhole("VyOrdr.mdb", "tblZu_Order");
    expectWhole("ZuTb.mdb", "tbTable");
    EXPECT_TRUE(ui::forms().find<frmPassword>()->visible());
    startAgain();
    EXPECT_EQ(prompts(), GetParam().told);
}

INSTANTIATE_TEST_SUITE_P(
    StoresMadeAnew, AStationInUse,
    ::testing::Values(
        Damage{"OrderBookRemoved", [] { removeFile("Ordr.mdb"); }, {kOrdrAnew}},
        Damage{"OrderBookTruncatedToNoBytes", [] { truncateFile("Ordr.mdb"); }, {kOrdrAnew}},
        Damage{"AnotherStoresFileInItsPlace",
               [] {
                   removeFile("Ordr.mdb");
                   ASSERT_TRUE(os::copyFile(path("Spl.mdb"), path("Ordr.mdb")));
               },
               {kOrdrAnew}},
        // A blank template holds no data: made again without a word.
        Damage{"TwoStoresAndATemplate",
               [] {
                   removeFile("Ordr.mdb");
                   truncateFile("ZuTb.mdb");
                   removeFile("VyOrdr.mdb");
               },
               {"The data files ZuTb.mdb and Ordr.mdb were not found (or were empty) and have been made anew, "
                "empty. If they held this station's data, restore them from a backup."}},
        // A store that keeps some of its tables keeps its data: the table it lacks is added silently.
        Damage{"AnOlderStoreLackingOneTable", [] { olderStoreWithout("Ordr.mdb", "tblDy_Order"); }, {}},
        Damage{"Nothing", [] {}, {}}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

// A new station makes every store: nothing to tell.
TEST_F(StoresMadeAnew, AFirstStartTellsNothing) {
    removeFile("Ordr.mdb");
    truncateFile("ZuTb.mdb");
    host().whileWaiting([] { ui::forms().byName("frmRegister").Unload(); });
    start();
    EXPECT_TRUE(prompts().empty());
    expectWhole("Ordr.mdb", "tblZu_Order");
    expectWhole("ZuTb.mdb", "tbTable");
}

// Made on the early thread, told by the start-up on the program's thread, once.
TEST_F(StoresMadeAnew, AStoreTheEarlyWorkMadeAnewIsToldAtTheStartUp) {
    ASSERT_TRUE(os::markSetupDone());
    removeFile("Ordr.mdb");
    ASSERT_TRUE(ui::program().early);
    std::thread early(ui::program().early);
    early.join();
    EXPECT_TRUE(prompts().empty());
    start();
    EXPECT_EQ(prompts(), std::vector<std::string>{kOrdrAnew});
    expectWhole("Ordr.mdb", "tblZu_Order");
}

}  // namespace
}  // namespace pelk::shell
