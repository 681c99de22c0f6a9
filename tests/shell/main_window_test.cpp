// The main window and the main button panel where a road script cannot show them: the menu items
// of later subsystems' screens, shortcuts, the printer dialog, the close box, and a machine that
// refuses to go down.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/actions.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/runtime.h"
#include "settings/frmNWSetin.h"
#include "settings/frmReset.h"
#include "shell/frmBCEplop.h"
#include "shell/frmBOffice.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/frmShutdown.h"
#include "support/screens.h"

namespace pelk::shell {
namespace {

class MainWindow : public test::ScreenTest {
protected:
    MainWindow() {
        os::setActions(actions_);
        ui::markProgramStarted();
    }
    ~MainWindow() override { os::setActions(nullptr); }

    // A user logged in at level 3, as the log-in leaves the station.
    frmMain& logIn() {
        frmMain& main = ui::forms().get<frmMain>();
        main.setTag("Level 3");
        main.Show();
        ui::forms().get<frmMainButn>().Show();
        return main;
    }
    static frmMainButn& panel() { return *ui::forms().find<frmMainButn>(); }

    std::shared_ptr<os::RecordingActions> actions_ = std::make_shared<os::RecordingActions>();
};

TEST_F(MainWindow, MenuItemsOfLaterScreensMarkOrOnlyShowThem) {
    frmMain& main = logIn();
    struct Case {
        ui::Menu& item;
        const char* screen;
        const char* tag;  // after the click, when the screen was loaded with the Tag "kept"
    };
    for (const Case& c : {
             Case{main.mmAccntRece, "frmReports", "QS"},
             Case{main.mmRepGroup, "frmRepDy", "QS"},
             Case{main.mmAccPayable, "frmRepAccPayable", "QS"},
             Case{main.mmPrice, "frmSetMenu", "QS"},
             Case{main.mmReserv, "frmReserv", "kept"},
         }) {
        // A fresh screen: loaded by the click.
        if (ui::Form* open = ui::forms().find(c.screen)) open->Unload();
        ASSERT_TRUE(ui::input::click(c.item)) << c.screen;
        ui::Form* shown = ui::forms().find(c.screen);
        ASSERT_NE(shown, nullptr) << c.screen;
        EXPECT_TRUE(shown->visible()) << c.screen;
        EXPECT_EQ(shown->tag(), std::string(c.tag) == "QS" ? "QS" : "") << c.screen;
        // An open screen is brought forward; only the marking items write into it.
        shown->setTag("kept");
        ASSERT_TRUE(ui::input::click(c.item));
        EXPECT_EQ(ui::forms().find(c.screen), shown);
        EXPECT_EQ(shown->tag(), c.tag) << c.screen;
    }
}

TEST_F(MainWindow, ShortcutsChooseTheirItems) {
    frmMain& main = logIn();
    panel().Unload();
    ASSERT_TRUE(ui::input::shortcut(main, "Ctrl+M"));
    EXPECT_TRUE(ui::forms().isLoaded<frmMainButn>());
    ASSERT_TRUE(ui::input::shortcut(main, "F11"));
    ASSERT_TRUE(ui::forms().isLoaded<settings::frmReset>());
    EXPECT_EQ(ui::forms().find<settings::frmReset>()->tag(), "QS");
    // A disabled menu takes its items' shortcuts with it.
    main.mmSetting.setEnabled(false);
    ui::forms().find<settings::frmReset>()->Unload();
    EXPECT_FALSE(ui::input::shortcut(main, "F11"));
    EXPECT_FALSE(ui::forms().isLoaded<settings::frmReset>());
}

TEST_F(MainWindow, PrinterSetupOpensThePrinterDialog) {
    frmMain& main = logIn();
    ASSERT_TRUE(ui::input::click(main.mmPrintSet));
    ASSERT_EQ(host().printerDialogs().size(), 1u);
    EXPECT_EQ(host().printerDialogs()[0].title, "SELECT a Printer");
    EXPECT_EQ(host().printerDialogs()[0].flags, 64);
}

TEST_F(MainWindow, TheCloseBoxEndsTheProgramOnceTheScreensHaveWritten) {
    frmMain& main = logIn();
    ASSERT_TRUE(ui::input::click(main.mmNWsetin));
    ui::forms().find<settings::frmNWSetin>()->txtData.setText("Shared\\");
    ui::input::closeWindow(main);
    EXPECT_TRUE(ui::programEnded());
    auto store = db::Database::open(os::programPath("DOZA98.mdb"));
    EXPECT_EQ(store->openRecordset("tbSet")->field("SetO")->toText(), "Shared\\");
}

// A hub closed by its window's close box leads where its Back does, not to an empty main window;
// code that unloads a hub still only unloads it.
TEST_F(MainWindow, AHubsCloseBoxLeadsWhereItsBackDoes) {
    logIn();
    ASSERT_TRUE(ui::input::click(panel().cmdReports));
    auto* office = ui::forms().find<frmBOffice>();
    ASSERT_TRUE(office);
    ASSERT_TRUE(ui::input::click(office->cmdCustmr));
    auto* people = ui::forms().find<frmBCEplop>();
    ASSERT_TRUE(people);
    EXPECT_TRUE(ui::input::closeWindow(*people));
    EXPECT_FALSE(ui::forms().isLoaded<frmBCEplop>());
    ASSERT_TRUE(ui::forms().isLoaded<frmBOffice>());
    EXPECT_TRUE(ui::forms().find<frmBOffice>()->visible());
    EXPECT_TRUE(ui::input::closeWindow(*ui::forms().find<frmBOffice>()));
    EXPECT_FALSE(ui::forms().isLoaded<frmBOffice>());
    ASSERT_TRUE(ui::forms().isLoaded<frmMainButn>());
    EXPECT_TRUE(panel().visible());

    ui::forms().get<frmBOffice>().Show();
    ui::forms().find<frmMainButn>()->Unload();
    ui::forms().find<frmBOffice>()->Unload();
    EXPECT_FALSE(ui::forms().isLoaded<frmMainButn>());
}

TEST_F(MainWindow, ARefusalToGoDownIsToldBeforeTheProgramEnds) {
    actions_->failWith = "The machine refused it. Ask the person who looks after the station.";
    struct Case {
        const char* button;
        const char* asked;
        const char* told;
    };
    for (const Case& c : {
             Case{"cmdPower", "shutdown", "The station could not be shut down. The machine refused it. Ask the person who looks after the station."},
             Case{"cmdReset", "restart", "The station could not be restarted. The machine refused it. Ask the person who looks after the station."},
         }) {
        ui::resetProgramState();
        ui::markProgramStarted();
        logIn();
        std::size_t before = host().messageBoxes().size();
        host().whileWaiting([&] { ui::input::click(*ui::forms().find<frmShutdown>()->control(c.button)); });
        ui::input::click(panel().cmdExit);
        EXPECT_EQ(actions_->asked.back(), c.asked);
        ASSERT_EQ(host().messageBoxes().size(), before + 1);
        EXPECT_EQ(host().messageBoxes().back().prompt, c.told);
        EXPECT_TRUE(ui::programEnded());
    }
}

TEST_F(MainWindow, AnOutsideProgramThatCannotStartIsTold) {
    actions_->failWith = "This station is not set up to start programs. Ask the person who looks after it.";
    frmMain& main = logIn();
    ASSERT_TRUE(ui::input::click(main.mmDefrag));
    EXPECT_EQ(prompts().back(), "Defrag.EXE could not be started. This station is not set up to start programs. Ask the person who looks after it.");
    EXPECT_TRUE(main.isLoaded());
}

}  // namespace
}  // namespace pelk::shell
