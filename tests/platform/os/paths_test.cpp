#include "platform/os/paths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/os/actions.h"
#include "platform/os/files.h"
#include "platform/os/station.h"
#include "support/temp_root.h"

using namespace pelk;
namespace fs = std::filesystem;

TEST(JoinPath, ExactlyOneBackslashBetweenParts) {
    struct {
        const char* a;
        const char* b;
        const char* expected;
    } cases[] = {{"\\\\SERVER\\", "Data\\", "\\\\SERVER\\Data\\"},
                 {"\\\\SERVER", "Data\\", "\\\\SERVER\\Data\\"},  // closing backslash missing
                 {"\\\\SERVER\\", "\\Data", "\\\\SERVER\\Data"},
                 {"C:\\Program Files\\Pelk POS 4\\", "DOZA98.mdb", "C:\\Program Files\\Pelk POS 4\\DOZA98.mdb"},
                 {"", "x.mdb", "x.mdb"},
                 {"C:\\a", "", "C:\\a"}};
    for (const auto& c : cases) EXPECT_EQ(os::joinPath(c.a, c.b), c.expected) << c.a << " + " << c.b;
    EXPECT_EQ(os::joinPath("\\\\srv", "share", "Data", "Ordr.mdb"), "\\\\srv\\share\\Data\\Ordr.mdb");
    EXPECT_EQ(os::programPath("Ordr.mdb"), "C:\\Program Files\\Pelk POS 4\\Ordr.mdb");
}

TEST(MapPath, DrivesSharesAndCase) {
    test::TempRoot root;
    const auto& r = root.path();
    EXPECT_EQ(os::mapPath("C:\\Program Files\\Pelk POS 4\\DOZA98.mdb"),
              r / "c" / "Program Files" / "Pelk POS 4" / "DOZA98.mdb");
    EXPECT_EQ(os::mapPath("\\\\Server\\Share\\Data\\x.mdb"), r / "unc" / "server" / "share" / "Data" / "x.mdb");
    EXPECT_EQ(os::mapPath("DOZA98.mdb"), r / "c" / "Program Files" / "Pelk POS 4" / "DOZA98.mdb");

    // An existing file is found whatever case the path is written in.
    root.writeFile("C:\\Program Files\\Pelk POS 4\\Infor.mdb", "x");
    EXPECT_EQ(os::mapPath("c:/PROGRAM FILES/pelk pos 4/INFOR.MDB"),
              r / "c" / "Program Files" / "Pelk POS 4" / "Infor.mdb");
    EXPECT_TRUE(os::fileExists("C:\\program files\\PELK POS 4\\infor.mdb"));
    EXPECT_FALSE(os::fileExists("C:\\program files\\PELK POS 4\\other.mdb"));
    root.writeFile("\\\\server\\share\\Data\\DOZA98.mdb", "x");
    EXPECT_TRUE(os::fileExists("\\\\SERVER\\SHARE\\data\\doza98.MDB"));
}

// A path mapped once is mapped again as the folders stand now: a store put back under another
// case, or its folder renamed, is found where it is.
TEST(MapPath, FollowsTheFoldersAsTheyChange) {
    test::TempRoot root;
    const auto& r = root.path();
    const fs::path folder = r / "c" / "Program Files" / "Pelk POS 4";
    root.writeFile("C:\\Program Files\\Pelk POS 4\\Ordr.mdb", "x");
    EXPECT_EQ(os::mapPath("C:\\Program Files\\Pelk POS 4\\Ordr.mdb"), folder / "Ordr.mdb");

    fs::rename(folder / "Ordr.mdb", folder / "ORDR.MDB");
    EXPECT_EQ(os::mapPath("C:\\Program Files\\Pelk POS 4\\Ordr.mdb"), folder / "ORDR.MDB");

    fs::rename(folder / "ORDR.MDB", folder / "Ordr.mdb");
    EXPECT_EQ(os::mapPath("C:\\Program Files\\Pelk POS 4\\Ordr.mdb"), folder / "Ordr.mdb");
    fs::rename(folder, r / "c" / "Program Files" / "PELK POS 4");
    EXPECT_EQ(os::mapPath("C:\\Program Files\\Pelk POS 4\\Ordr.mdb"), r / "c" / "Program Files" / "PELK POS 4" / "Ordr.mdb");

    // Gone altogether: mapped as written, where it would be made.
    fs::remove_all(r / "c" / "Program Files" / "PELK POS 4");
    EXPECT_EQ(os::mapPath("C:\\Program Files\\Pelk POS 4\\Ordr.mdb"), folder / "Ordr.mdb");
}

TEST(MapPath, DotDotNeverLeavesTheRoot) {
    test::TempRoot root;
    const auto& r = root.path();
    struct Case {
        const char* typed;
        fs::path mapped;  // under the root
        bool climbs;
    };
    const Case cases[] = {
        {"C:\\..\\..\\..\\..\\etc\\passwd", fs::path("c") / "etc" / "passwd", true},
        {"C:/../etc/passwd", fs::path("c") / "etc" / "passwd", true},
        {"C:\\Program Files\\..\\..\\x.mdb", fs::path("c") / "x.mdb", true},
        {"C:\\Program Files\\Pelk POS 4\\..\\Data\\.\\x.mdb", fs::path("c") / "Program Files" / "Data" / "x.mdb",
         false},
        {"\\\\srv\\share\\..\\..\\etc\\passwd", fs::path("unc") / "srv" / "share" / "etc" / "passwd", true},
        {"\\\\srv\\..\\..\\etc", fs::path("unc") / "srv" / "_.." / "etc", true},
        {"\\\\srv\\share\\Data\\..\\x.mdb", fs::path("unc") / "srv" / "share" / "x.mdb", false},
        {"..\\..\\..\\..\\etc\\passwd", fs::path("c") / "etc" / "passwd", true},
        {"..\\Other\\x.mdb", fs::path("c") / "Program Files" / "Other" / "x.mdb", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(os::mapPath(c.typed), r / c.mapped) << c.typed;
        EXPECT_EQ(os::climbsAboveItsRoot(c.typed), c.climbs) << c.typed;
    }
}

TEST(Files, FindCopyDelete) {
    test::TempRoot root;
    root.writeFile("C:\\Program Files\\Pelk POS 4\\A.mdb", "a");
    root.writeFile("C:\\Program Files\\Pelk POS 4\\b.MDB", "b");
    root.writeFile("C:\\Program Files\\Pelk POS 4\\c.txt", "c");
    EXPECT_EQ(os::findFiles(os::kProgramFolder, "*.mdb"), (std::vector<std::string>{"A.mdb", "b.MDB"}));
    EXPECT_TRUE(os::findFiles("C:\\nowhere", "*.mdb").empty());

    std::string error;
    EXPECT_TRUE(os::copyFile(os::programPath("A.mdb"), "\\\\srv\\share\\A.mdb", &error)) << error;
    EXPECT_TRUE(os::fileExists("\\\\srv\\share\\A.mdb"));
    EXPECT_FALSE(os::copyFile(os::programPath("missing.mdb"), os::programPath("x.mdb"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(os::deleteFile(os::programPath("a.mdb")));
    EXPECT_FALSE(os::fileExists(os::programPath("A.mdb")));
    EXPECT_FALSE(os::deleteFile(os::programPath("a.mdb")));
}

TEST(Files, WildcardMatchIgnoresCase) {
    EXPECT_TRUE(os::wildcardMatch("DOZA98.MDB", "*.mdb"));
    EXPECT_TRUE(os::wildcardMatch("Tcd.mdb", "T?d.*"));
    EXPECT_FALSE(os::wildcardMatch("Tcd.mdbx", "*.mdb"));
}

TEST(Files, RawBytesReachAFilePort) {
    test::TempRoot root;
    std::string pulse = "\x1B\x70\x00\x14\x64\r\n";
    pulse.assign("\x1B\x70\x00\x14\x64\r\n", 7);
    ASSERT_TRUE(os::makeFolder("C:\\ports"));
    ASSERT_TRUE(os::writeRaw("C:\\ports\\LPT1", pulse));
    EXPECT_FALSE(os::writeRaw("C:\\no such folder\\LPT1", pulse));
    std::ifstream in(os::mapPath("C:\\ports\\LPT1"), std::ios::binary);
    std::string got((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(got, pulse);
}

TEST(Actions, RecorderKeepsWhatWasAskedAndConfiguredCommandsRun) {
    auto rec = std::make_shared<os::RecordingActions>();
    os::setActions(rec);
    EXPECT_EQ(os::actions().setDate({2026, 12, 11}), "");
    EXPECT_EQ(os::actions().setTime({9, 0, 0}), "");
    EXPECT_EQ(os::actions().launch("Pbrush.EXE"), "");
    EXPECT_EQ(rec->asked,
              (std::vector<std::string>{"set-date 12/11/2026", "set-time 9:00:00 AM", "launch Pbrush.EXE"}));

    // Without a configured command nothing runs and the reason comes back.
    os::CommandActions real;
    unsetenv("PELKPOS_SHUTDOWN_CMD");
    EXPECT_NE(real.shutdown(), "");
    setenv("PELKPOS_LAUNCH_CMD", "true", 1);
    EXPECT_EQ(real.launch("Pbrush.EXE"), "");
    // A launched program is not waited for, so only a start the machine refuses fails.
    setenv("PELKPOS_LAUNCH_CMD", "/no/such/program", 1);
    EXPECT_NE(real.launch("Pbrush.EXE"), "");
    unsetenv("PELKPOS_LAUNCH_CMD");
    os::setActions(std::make_shared<os::CommandActions>());
}

TEST(Files, WhatTheProgramMakesIsPrivateButASharedFolderKeepsItsModes) {
    test::TempRoot root;
    auto mode = [](const fs::path& p) { return fs::status(p).permissions() & fs::perms::all; };
    ASSERT_TRUE(os::makeFolder("C:\\Program Files\\Pelk POS 4\\Backup"));
    EXPECT_EQ(mode(root.path() / "c"), fs::perms::owner_all);
    EXPECT_EQ(mode(os::mapPath("C:\\Program Files\\Pelk POS 4\\Backup")), fs::perms::owner_all);
    root.writeFile(os::programPath("A.mdb"), "a");
    fs::permissions(os::mapPath(os::programPath("A.mdb")), fs::perms::all);
    ASSERT_TRUE(os::copyFile(os::programPath("A.mdb"), "C:\\Program Files\\Pelk POS 4\\Backup\\A.mdb"));
    EXPECT_EQ(mode(os::mapPath("C:\\Program Files\\Pelk POS 4\\Backup\\A.mdb")),
              fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(os::markSetupDone());
    EXPECT_EQ(mode(os::stationFolder()), fs::perms::owner_all);
    EXPECT_EQ(mode(os::stationFolder() / "setup-done"), fs::perms::owner_read | fs::perms::owner_write);

    // The share: folders and files as its owner has them, whatever this program would choose.
    fs::create_directories(root.path() / "unc" / "srv" / "share");
    fs::permissions(root.path() / "unc" / "srv" / "share", fs::perms::all);
    ASSERT_TRUE(os::copyFile(os::programPath("A.mdb"), "\\\\srv\\share\\A.mdb"));
    EXPECT_EQ(mode(root.path() / "unc" / "srv" / "share"), fs::perms::all);
    EXPECT_EQ(mode(root.path() / "unc" / "srv" / "share" / "A.mdb"), fs::perms::all);
    EXPECT_FALSE(os::keptPrivate(root.path() / "unc" / "srv" / "share" / "New.mdb"));
    EXPECT_TRUE(os::keptPrivate(os::mapPath(os::programPath("New.mdb"))));
    EXPECT_FALSE(os::keptPrivate("/etc/passwd"));
}

TEST(Station, SetupMarkIsKeptPerRoot) {
    test::TempRoot root;
    EXPECT_FALSE(os::setupDone());
    EXPECT_TRUE(os::markSetupDone());
    EXPECT_TRUE(os::setupDone());
    test::TempRoot other;
    EXPECT_FALSE(os::setupDone());
}
