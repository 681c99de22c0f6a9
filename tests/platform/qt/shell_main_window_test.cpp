// The program's own main window on the Qt host: a clerk logs in on the keypad and the main window
// shows its menus and the main button panel inside it.

#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "platform/db/catalogue.h"
#include "platform/os/station.h"
#include "platform/ui/program.h"
#include "platform/ui/runtime.h"
#include "qt_session.h"
#include "settings/frmSetPtr.h"
#include "setup/frmRegister.h"
#include "setup/frmRegister0.h"
#include "setup/frmRegister1.h"
#include "setup/frmRegister2.h"
#include "setup/frmRegister2b.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/frmPassword.h"
#include "shell/frmShutdown.h"

using namespace pelk;
using namespace pelk::test;

namespace {

class ShellWindows : public QtSession {
protected:
    ShellWindows() {
        installProgram();
        ui::program().registerForms();
        db::Catalogue::instance().clear();
    }
    ~ShellWindows() override { db::Catalogue::instance().clear(); }
    // A station set up before: its stores are there, so its start has nothing to tell.
    static void setUpStation() {
        ui::program().declareStores();
        ASSERT_TRUE(db::Catalogue::instance().ensureStores().empty());
        ASSERT_TRUE(os::markSetupDone());
    }
};

TEST_F(ShellWindows, ALogInShowsTheMainWindowWithItsPanel) {
    setUpStation();
    ui::markProgramStarted();
    ui::runEvent([] { ui::program().startUp(); });
    settle();
    auto* login = ui::forms().find<shell::frmPassword>();
    ASSERT_TRUE(login);
    screenshot(host().topLevelOf(*login), "shell_login");

    // The master access code on the keypad.
    for (int digit : {7, 3, 9, 1}) {
        QTest::mouseClick(host().widgetOf(login->comNumber(digit)), Qt::LeftButton);
        settle();
    }
    ASSERT_FALSE(ui::forms().isLoaded<shell::frmPassword>());
    auto& main = *ui::forms().find<shell::frmMain>();
    EXPECT_EQ(main.tag(), "Level 3");
    QMainWindow* window = host().mainWindow();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    QStringList titles;
    for (QAction* a : window->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Windows", "&Maintain", "&Reports", "&Settings", "&Tools", "&Help"}));
    auto* area = qobject_cast<QMdiArea*>(window->centralWidget());
    ASSERT_TRUE(area);
    auto& panel = *ui::forms().find<shell::frmMainButn>();
    QWidget* panelWindow = host().topLevelOf(panel);
    ASSERT_TRUE(panelWindow);
    EXPECT_TRUE(panelWindow->isVisible());
    EXPECT_TRUE(area->subWindowList().contains(qobject_cast<QMdiSubWindow*>(panelWindow)));
    screenshot(window, "shell_main_window");
}

// On a station's display, where no window manager places or maximises anything, the log-in screen
// starts at the screen's corner although it is a little wider than the screen, and after a log-in
// touched on its keypad the main window covers the screen's available area, every time.
TEST_F(ShellWindows, AfterEveryLogInTheMainWindowCoversTheScreen) {
    setUpStation();
    ui::markProgramStarted();
    ui::runEvent([] { ui::program().startUp(); });
    settle();
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), QSize(1024, 768)) << "the station's screen";
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        auto* login = ui::forms().find<shell::frmPassword>();
        ASSERT_TRUE(login);
        QWidget* loginWindow = host().topLevelOf(*login);
        EXPECT_EQ(loginWindow->geometry().topLeft(), QPoint(0, 0));
        for (int digit : {7, 3, 9, 1}) {
            touchScreen(centreOnScreen(host().widgetOf(login->comNumber(digit))));
            settle();
        }
        ASSERT_FALSE(ui::forms().isLoaded<shell::frmPassword>()) << "the master code logs in";
        QMainWindow* window = host().mainWindow();
        ASSERT_TRUE(window);
        EXPECT_EQ(window->frameGeometry(), screen->availableGeometry());
        EXPECT_EQ(window->geometry(), screen->availableGeometry());
        QImage shot = screenshot(window, "shell_main_window_" + std::to_string(round));
        EXPECT_EQ(shot.size(), screen->availableGeometry().size());
        // Log off through Exit and the shut-down screen's main-screen button: the log-in screen again.
        auto& panel = *ui::forms().find<shell::frmMainButn>();
        whenModal([&](QWidget*) {
            auto* shutdown = ui::forms().find<shell::frmShutdown>();
            ASSERT_TRUE(shutdown);
            touchScreen(centreOnScreen(host().widgetOf(shutdown->cmdMainScreen)));
        });
        touchScreen(centreOnScreen(host().widgetOf(panel.cmdExit)));
        settle();
        ASSERT_FALSE(ui::forms().isLoaded<shell::frmMain>());
    }
}

// Clicks Next on each step of the set-up wizard in turn, each inside the wait of the one before.
template <class Step, class... Rest>
void nextThrough(qt::QtHost& host) {
    if constexpr (sizeof...(Rest) > 0) QtSession::whenModal([&host](QWidget*) { nextThrough<Rest...>(host); });
    auto* step = ui::forms().find<Step>();
    ASSERT_TRUE(step);
    QTest::mouseClick(host.widgetOf(step->cmdNext), Qt::LeftButton);
}

// A first start run to its end: the printer settings stand in a window of their own in front of
// the log-in screen, and the main window stays hidden until a log-in.
TEST_F(ShellWindows, AFirstStartEndsInThePrinterSettingsInFrontOfTheLogIn) {
    ASSERT_FALSE(os::setupDone());
    ui::markProgramStarted();
    whenModal([this](QWidget*) {
        nextThrough<setup::frmRegister, setup::frmRegister0, setup::frmRegister1, setup::frmRegister2,
                    setup::frmRegister2b>(host());
    });
    ui::runEvent([] { ui::program().startUp(); });
    settle();
    EXPECT_FALSE(ui::forms().isLoaded<setup::frmRegister2b>());
    auto* printers = ui::forms().find<settings::frmSetPtr>();
    ASSERT_TRUE(printers);
    EXPECT_TRUE(printers->cmdNext.visible());
    QWidget* window = host().topLevelOf(*printers);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(qobject_cast<QMdiSubWindow*>(window), nullptr);
    QMainWindow* main = host().mainWindow();
    EXPECT_TRUE(!main || !main->isVisible());
    auto* login = ui::forms().find<shell::frmPassword>();
    ASSERT_TRUE(login);
    EXPECT_TRUE(host().topLevelOf(*login)->isVisible());
    QWindow* atCentre = QGuiApplication::topLevelAt(centreOnScreen(window));
    ASSERT_TRUE(atCentre);
    EXPECT_EQ(atCentre, window->window()->windowHandle());
    screenshot(window, "setup_first_start_printers");

    // Its Next ends the wizard; the log-in is what is left.
    QTest::mouseClick(host().widgetOf(printers->cmdNext), Qt::LeftButton);
    settle();
    EXPECT_FALSE(ui::forms().isLoaded<settings::frmSetPtr>());
    EXPECT_TRUE(host().topLevelOf(*login)->isVisible());
}

}  // namespace
