// The program's own main window on the Qt host: a clerk logs in on the keypad and the main window
// shows its menus and the main button panel inside it.

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>

#include "platform/db/catalogue.h"
#include "platform/os/station.h"
#include "platform/ui/program.h"
#include "platform/ui/runtime.h"
#include "qt_session.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/frmPassword.h"

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
};

TEST_F(ShellWindows, ALogInShowsTheMainWindowWithItsPanel) {
    ASSERT_TRUE(os::markSetupDone());
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

}  // namespace
