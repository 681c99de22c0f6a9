#include "platform/os/tidy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/os/paths.h"
#include "support/temp_root.h"

namespace pelk::os {
namespace {

namespace fs = std::filesystem;

unsigned modeOf(const fs::path& p) {
    struct stat info {};
    return ::stat(p.c_str(), &info) == 0 ? info.st_mode & 0777 : 01000;
}

fs::path made(const fs::path& p, unsigned mode, std::chrono::minutes age = std::chrono::minutes(0)) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
    ::chmod(p.c_str(), mode);
    fs::last_write_time(p, fs::file_time_type::clock::now() - age);
    return p;
}

// What an earlier version made readable by every account becomes the owner's only; a share's
// files keep the modes the share gives.
TEST(Tidy, TheProgramsOwnFilesBecomePrivateAndAShareKeepsItsModes) {
    test::TempRoot root;
    fs::path program = mapPath(kProgramFolder);
    fs::path store = made(program / "Ordr.mdb", 0644);
    fs::path picture = made(program / "ItemPic" / "tea.gif", 0664);
    ::chmod((program / "ItemPic").c_str(), 0755);
    fs::path tool = made(program / "tools" / "run.sh", 0755);
    fs::path marker = made(stationFolder() / "setup-done", 0644);
    fs::path shared = made(mapPath("\\\\server\\data\\Ordr.mdb"), 0664);
    fs::path already = made(program / "ZuTb.mdb", 0600);

    EXPECT_GE(tidyAfterEarlierRuns(), 5);
    EXPECT_EQ(modeOf(store), 0600u);
    EXPECT_EQ(modeOf(picture), 0600u);
    EXPECT_EQ(modeOf(program / "ItemPic"), 0700u);
    EXPECT_EQ(modeOf(tool), 0700u) << "the owner keeps what the owner had";
    EXPECT_EQ(modeOf(marker), 0600u);
    EXPECT_EQ(modeOf(shared), 0664u);
    EXPECT_EQ(modeOf(already), 0600u);
    EXPECT_EQ(tidyAfterEarlierRuns(), 0) << "a second start has nothing left to do";
}

// A super-journal is needed only while a store it names still has a journal to roll back.
TEST(Tidy, SuperJournalsOfWholeStoresAreRemoved) {
    test::TempRoot root;
    fs::path program = mapPath(kProgramFolder);
    const auto old = std::chrono::minutes(30);
    fs::path left = made(program / "Ordr.mdb-mj1A2B3C94F", 0600, old);
    fs::path fresh = made(program / "ZuTb.mdb-mj0FF1E2904", 0600);  // a station committing now
    fs::path notOne = made(program / "Notes-mjolnir.txt", 0600, old);
    fs::path hotSuper = made(program / "reports" / "Rept.mdb-mj00AA1190C", 0600, old);
    fs::path hot = made(program / "reports" / "Rept.mdb-journal", 0600, old);

    tidyAfterEarlierRuns();
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(notOne));
    EXPECT_TRUE(fs::exists(hotSuper)) << "its store still has a journal";
    EXPECT_TRUE(fs::exists(hot));
}

}  // namespace
}  // namespace pelk::os
