// Where the station's data lies: the holder frmNWSetin and the rule ResolveDataPath.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "settings/common.h"
#include "settings/frmNWSetin.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

class DataLocation : public test::ScreenTest {
protected:
    void setLocation(const std::string& mode, const std::string& path, const std::string& folder) {
        auto store = db::Database::open(os::programPath("DOZA98.mdb"));
        ASSERT_TRUE(store.ok());
        auto done = store->execute("UPDATE tbSet SET SetC = " + db::quote(mode) + ", SetP = " + db::quote(path) +
                                   ", SetO = " + db::quote(folder));
        ASSERT_TRUE(done.ok()) << done.error().message();
    }
    std::string stored(const char* field) {
        auto store = db::Database::open(os::programPath("DOZA98.mdb"));
        auto rs = store->openRecordset("SELECT * FROM tbSet ORDER BY ID ASC");
        return rs->field(field)->toText();
    }
};

TEST_F(DataLocation, ResolveDataPathFollowsTheStoredMode) {
    struct Case {
        const char *mode, *path, *folder, *file, *expected;
    };
    for (const Case& c : {
             Case{"Single", "\\\\SRV\\", "Data\\", "Tcd.mdb", "C:\\Program Files\\Pelk POS 4\\Tcd.mdb"},
             Case{"File Sharing", "\\\\SRV\\", "Data\\", "Infor.mdb", "\\\\SRV\\Data\\Infor.mdb"},
             // Without the closing backslashes the parts still join with exactly one.
             Case{"File Sharing", "\\\\SRV", "Data", "Infor.mdb", "\\\\SRV\\Data\\Infor.mdb"},
             Case{"File Sharing", "\\\\SRV\\", "\\Data\\", "Infor.mdb", "\\\\SRV\\Data\\Infor.mdb"},
             // Only exactly "File Sharing" reaches the server.
             Case{"file sharing", "\\\\SRV\\", "Data\\", "Infor.mdb", "C:\\Program Files\\Pelk POS 4\\Infor.mdb"},
             Case{"", "\\\\SRV\\", "Data\\", "ZuTb.mdb", "C:\\Program Files\\Pelk POS 4\\ZuTb.mdb"},
         }) {
        setLocation(c.mode, c.path, c.folder);
        EXPECT_EQ(ResolveDataPath(c.file), c.expected) << c.mode << " " << c.path << c.folder;
        // The holder stays loaded, hidden, with what it read.
        ASSERT_TRUE(ui::forms().isLoaded<frmNWSetin>());
        EXPECT_FALSE(ui::forms().find<frmNWSetin>()->visible());
        ui::forms().find<frmNWSetin>()->Unload();
    }
}

TEST_F(DataLocation, TheHolderKeepsWhatItReadUntilItIsClosed) {
    setLocation("File Sharing", "\\\\SRV\\", "Data\\");
    EXPECT_EQ(ResolveDataPath("Infor.mdb"), "\\\\SRV\\Data\\Infor.mdb");
    setLocation("Single", "\\\\SRV\\", "Data\\");
    EXPECT_EQ(ResolveDataPath("Infor.mdb"), "\\\\SRV\\Data\\Infor.mdb");
    ui::forms().find<frmNWSetin>()->Unload();
    EXPECT_EQ(ResolveDataPath("Infor.mdb"), "C:\\Program Files\\Pelk POS 4\\Infor.mdb");
}

TEST_F(DataLocation, ANewStationsServerPathIsSetAndStoredAtOnce) {
    EXPECT_EQ(stored("SetP"), "-");
    frmNWSetin& f = ui::forms().get<frmNWSetin>();
    EXPECT_EQ(f.txtPath.text(), "\\\\SERVER\\");
    EXPECT_EQ(stored("SetP"), "\\\\SERVER\\");
    EXPECT_EQ(f.txtNWsetin.text(), "Single");
    EXPECT_TRUE(host().messageBoxes().empty());
}

TEST_F(DataLocation, ShareAndSingleSetTheModeWhichIsStoredOnClose) {
    setLocation("Single", "\\\\SRV\\", "Data\\");
    frmNWSetin& f = ui::forms().get<frmNWSetin>();
    f.Show();
    // Nothing on the share yet, or other files only: not found.
    root_.writeFile("\\\\SRV\\Data\\Ordr.mdb", "x");
    ui::input::click(f.cmdShare);
    EXPECT_EQ(f.txtNWsetin.text(), "Single");
    root_.writeFile("\\\\SRV\\Data\\DOZA98.mdb", "x");
    ui::input::click(f.cmdShare);
    EXPECT_EQ(f.txtNWsetin.text(), "File Sharing");
    EXPECT_EQ(prompts(),
              (std::vector<std::string>{
                  "Files or Server not found. Please check your Network in Control Planel. \\\\SRV\\ Error !!! ",
                  "Server \\\\SRV\\ found. Now your datas will be save into this Server."}));
    EXPECT_EQ(stored("SetC"), "Single");
    ui::input::click(f.cmdClose);
    EXPECT_EQ(stored("SetC"), "File Sharing");
    EXPECT_EQ(ResolveDataPath("Tcd.mdb"), "\\\\SRV\\Data\\Tcd.mdb");

    frmNWSetin& again = ui::forms().get<frmNWSetin>();
    again.setTag("QS");
    again.Show();
    ui::input::click(again.cmdSingle);
    EXPECT_EQ(prompts().back(), "This Station will disconnect from Server. \\\\SRV\\");
    EXPECT_EQ(again.txtNWsetin.text(), "Single");
    EXPECT_EQ(stored("SetC"), "File Sharing");
    ui::input::click(again.cmdClose);
    EXPECT_EQ(stored("SetC"), "Single");
    // Opened from the menu, it returns nowhere.
    EXPECT_FALSE(ui::forms().isLoaded("frmNWSetin"));
}

}  // namespace
}  // namespace pelk::settings
