#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "platform/core/clock.h"
#include "platform/print/printers.h"
#include "platform/qt/application.h"
#include "platform/qt/form_window.h"
#include "platform/ui/common_dialog.h"
#include "platform/ui/input.h"
#include "qt_session.h"
#include "test_forms.h"

using namespace pelk;
using namespace pelk::test;
using Events = std::vector<std::string>;

namespace {

// A window of its own and a child whose design gives a size but no place.
class frmQtUnplaced : public ui::Form {
public:
    frmQtUnplaced() {
        setBorderStyle(3);
        setWidth(6000);
        setHeight(4500);
    }
};
class frmQtUnplacedChild : public ui::Form {
public:
    frmQtUnplacedChild() {
        setMdiChild(true);
        setBorderStyle(0);
        setWidth(3000);
        setHeight(1500);
    }
};

class Windows : public QtSession {
protected:
    Windows() {
        ui::forms().registerForm<frmQtUnplaced>("frmQtUnplaced");
        ui::forms().registerForm<frmQtUnplacedChild>("frmQtUnplacedChild");
        ui::forms().registerForm<frmQtCaller>("frmQtCaller");
        ui::forms().registerForm<frmQtAsk>("frmQtAsk");
        ui::forms().registerForm<frmQtMain>("frmQtMain");
        ui::forms().registerForm<frmQtChild>("frmQtChild");
        ui::forms().registerForm<frmQtLogin>("frmQtLogin");
    }
    frmQtCaller& showCaller() {
        auto& caller = ui::forms().get<frmQtCaller>();
        caller.Show();
        settle();
        return caller;
    }
    QWidget* widget(const ui::Control& c) { return host().widgetOf(c); }
    static QAbstractButton* button(QWidget* box, const QString& text) {
        for (auto* b : box->findChildren<QAbstractButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }
};

TEST_F(Windows, AFormShownWaitingBlocksItsCallerUntilItsButtonIsPressed) {
    frmQtCaller& caller = showCaller();
    bool checked = false;
    whenModal([&](QWidget* modal) {
        auto& ask = ui::forms().get<frmQtAsk>();
        EXPECT_EQ(modal, host().topLevelOf(ask)) << "the question is the window shown waiting";
        EXPECT_TRUE(caller.events.empty()) << "the caller's handler has not gone on";
        Qt::WindowFlags flags = modal->windowFlags();
        EXPECT_FALSE(flags & Qt::WindowTitleHint) << "a fixed dialog without caption and control box has no title";
        // The form behind takes no input, from Qt or from the program's own input.
        QTest::mouseClick(widget(caller.cmdOther), Qt::LeftButton);
        EXPECT_FALSE(ui::input::click(caller.cmdOther));
        EXPECT_TRUE(caller.events.empty());
        screenshot(modal, "shown_waiting");
        QTest::mouseClick(widget(ask.cmdYes), Qt::LeftButton);
        checked = true;
    });
    QTest::mouseClick(widget(caller.cmdAsk), Qt::LeftButton);
    EXPECT_TRUE(checked);
    EXPECT_EQ(caller.events, Events{"after the question: Yes"});
    EXPECT_FALSE(ui::forms().isLoaded<frmQtAsk>());
    // A form hidden (not unloaded) ends the wait too; the caller takes input again.
    whenModal([&](QWidget*) { QTest::mouseClick(widget(ui::forms().get<frmQtAsk>().cmdNo), Qt::LeftButton); });
    caller.cmdAsk.setTag("");
    QTest::mouseClick(widget(caller.cmdAsk), Qt::LeftButton);
    EXPECT_TRUE(ui::forms().isLoaded<frmQtAsk>());
    QTest::mouseClick(widget(caller.cmdOther), Qt::LeftButton);
    EXPECT_EQ(caller.events, (Events{"after the question: Yes", "after the question: ", "cmdOther_Click"}));
}

TEST_F(Windows, AMessageBoxAnsweredWithItsLegacyButtons) {
    frmQtCaller& caller = showCaller();
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->windowTitle(), "Erase");
        EXPECT_EQ(box->text(), "Do you wish to Erase the current custmer");
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        QStringList names;
        for (auto* b : box->buttons()) names << b->text();
        EXPECT_EQ(names, (QStringList{"Yes", "No"}));
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), button(box, "Yes"));
        EXPECT_EQ(box->escapeButton(), nullptr) << "Yes or No must be answered";
        QImage shot = screenshot(box, "message_box");
        // The program's bell on the title bar, drawn at the size the bar asks for.
        int blue = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 4; x < 20; ++x) blue += shot.pixelColor(x, y) == QColor(24, 74, 140);
        EXPECT_GT(blue, 20) << "the bell on its blue ground";
        button(box, "No")->click();
    });
    QTest::mouseClick(widget(caller.cmdErase), Qt::LeftButton);
    EXPECT_EQ(caller.events, Events{"No"});

    // A box without a title shows the program's; OK alone is answered by Escape.
    whenModal([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Pelk POS 4");
        EXPECT_EQ(static_cast<QMessageBox*>(modal)->icon(), QMessageBox::Warning);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(ui::MsgBox("Files or Server not found.", ui::kOKOnly + ui::kExclamation), ui::MsgBoxResult::OK);
    whenModal([&](QWidget* modal) {
        QStringList names;
        for (auto* b : static_cast<QMessageBox*>(modal)->buttons()) names << b->text();
        EXPECT_EQ(names, (QStringList{"Abort", "Retry", "Ignore"})) << "in the legacy order";
        EXPECT_EQ(static_cast<QAbstractButton*>(static_cast<QMessageBox*>(modal)->defaultButton()),
                  button(modal, "Retry"));
        QTest::keyClick(modal, Qt::Key_Return);
    });
    EXPECT_EQ(ui::MsgBox("Printer?", ui::kAbortRetryIgnore + ui::kCritical + ui::kDefaultButton2),
              ui::MsgBoxResult::Retry);
}

TEST_F(Windows, AnInputBoxAnsweredAndCancelled) {
    frmQtCaller& caller = showCaller();
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QInputDialog*>(modal);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->labelText(), "Room number?");
        EXPECT_EQ(box->textValue(), "101");
        box->setTextValue("212");
        button(box, "OK")->click();
    });
    QTest::mouseClick(widget(caller.cmdRoom), Qt::LeftButton);
    whenModal([&](QWidget* modal) { button(modal, "Cancel")->click(); });
    QTest::mouseClick(widget(caller.cmdRoom), Qt::LeftButton);
    EXPECT_EQ(caller.events, (Events{"room [212]", "room []"}));
}

// A child shown while the main window is loaded but hidden would be on no screen inside it: it
// has a window of its own, in front, until it closes; shown again later it goes into the area.
TEST_F(Windows, AChildShownWhileTheMainWindowIsHiddenHasAWindowOfItsOwn) {
    auto& main = ui::forms().get<frmQtMain>();
    auto& child = ui::forms().get<frmQtChild>();
    child.Show();
    settle();
    QWidget* own = host().topLevelOf(child);
    ASSERT_TRUE(own);
    EXPECT_TRUE(own->isVisible());
    EXPECT_TRUE(own->isWindow());
    EXPECT_EQ(qobject_cast<QMdiSubWindow*>(own), nullptr);
    QMainWindow* window = host().mainWindow();
    EXPECT_TRUE(!window || !window->isVisible());

    // The main window shows meanwhile: the child keeps its window.
    main.Show();
    settle();
    EXPECT_EQ(host().topLevelOf(child), own);
    EXPECT_TRUE(own->isVisible());
    window = host().mainWindow();
    ASSERT_TRUE(window);
    auto* area = qobject_cast<QMdiArea*>(window->centralWidget());
    ASSERT_TRUE(area);
    EXPECT_TRUE(area->subWindowList().isEmpty());

    // Closed and shown again, it lives in the main window's area.
    child.Unload();
    settle();
    ui::forms().get<frmQtChild>().Show();
    settle();
    ASSERT_EQ(area->subWindowList().size(), 1);
    EXPECT_EQ(host().topLevelOf(*ui::forms().find<frmQtChild>()), area->subWindowList().front());
}

TEST_F(Windows, TheMainWindowFramesItsChildrenAndCarriesItsMenus) {
    auto& main = ui::forms().get<frmQtMain>();
    auto& child = ui::forms().get<frmQtChild>();
    main.Show();
    child.Show();
    settle();
    QMainWindow* window = host().mainWindow();
    ASSERT_TRUE(window);
    QStringList titles;
    for (QAction* a : window->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Windows", "&Settings"}));
    auto* area = qobject_cast<QMdiArea*>(window->centralWidget());
    ASSERT_TRUE(area);
    ASSERT_EQ(area->subWindowList().size(), 1);
    QMdiSubWindow* sub = area->subWindowList().front();
    EXPECT_EQ(host().topLevelOf(child), sub);
    EXPECT_TRUE(sub->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(sub->geometry(), QRect(100, 40, 400, 200));
    EXPECT_EQ(area->background().color(), QColor(192, 255, 192));

    // Shortcuts choose their items; a disabled menu stops them. A menu's shortcut reaches only
    // the active window, and on a display without a window manager the window becomes active
    // when the display says so, which a loaded machine may not have done yet.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(host().canvasOf(child), Qt::Key_F5);
    EXPECT_EQ(main.events, (Events{"mmMain_Click", "mmInfor_Click"}));
    main.mmSetting.setEnabled(false);
    EXPECT_FALSE(host().actionOf(main.mmSetting)->isEnabled());
    QTest::keyClick(host().canvasOf(child), Qt::Key_F5);
    main.mmInfor.setCaption("Store Information");
    EXPECT_EQ(host().actionOf(main.mmInfor)->text(), "Store Information");
    EXPECT_EQ(host().actionOf(main.mmMain)->shortcut(), QKeySequence("Ctrl+M"));
    EXPECT_EQ(main.events, (Events{"mmMain_Click", "mmInfor_Click"}));
    screenshot(window, "main_window");

    // Close from the File menu unloads the main window and every child in it.
    host().actionOf(main.mmClose)->trigger();
    EXPECT_FALSE(ui::forms().isLoaded<frmQtMain>());
    EXPECT_FALSE(ui::forms().isLoaded<frmQtChild>());
    EXPECT_EQ(host().mainWindow(), nullptr);
}

// A window the design never placed opens centred, where a window system puts a new window; one
// placed at the corner stays there. A child that would stick out of the main window moves in.
TEST_F(Windows, AWindowNeverPlacedIsCentredAndAChildStaysInsideTheMainWindow) {
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    auto& own = ui::forms().get<frmQtUnplaced>();
    own.Show();
    settle();
    QRect frame = host().topLevelOf(own)->frameGeometry();
    EXPECT_LE((frame.center() - screen.center()).manhattanLength(), 2) << "centred on the screen";
    ASSERT_TRUE(own.Unload());
    auto& corner = ui::forms().get<frmQtUnplaced>();
    corner.Move(0, 0);
    corner.Show();
    settle();
    EXPECT_EQ(host().topLevelOf(corner)->frameGeometry().topLeft(), QPoint(0, 0));
    ASSERT_TRUE(corner.Unload());

    auto& main = ui::forms().get<frmQtMain>();
    main.Show();
    auto& unplaced = ui::forms().get<frmQtUnplacedChild>();
    unplaced.Show();
    auto& child = ui::forms().get<frmQtChild>();
    child.Move(14000, 600);
    child.Show();
    settle();
    auto* area = qobject_cast<QMdiArea*>(host().mainWindow()->centralWidget());
    ASSERT_TRUE(area);
    QRect room = area->viewport()->rect();
    QWidget* sub = host().topLevelOf(unplaced);
    EXPECT_LE((sub->geometry().center() - room.center()).manhattanLength(), 2) << "centred in the main window";
    sub = host().topLevelOf(child);
    EXPECT_TRUE(room.contains(sub->geometry())) << "moved in from the right";
    EXPECT_EQ(sub->geometry().right(), room.right());
    EXPECT_EQ(sub->y(), 40) << "its top as the design put it";
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
}

TEST_F(Windows, OwnWindowsTakeTheirFrameFromTheForm) {
    auto& login = ui::forms().get<frmQtLogin>();
    login.Show();
    settle();
    QWidget* window = host().topLevelOf(login);
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen) << "borderless and maximised: the whole screen";
    EXPECT_EQ(window->size(), window->screen()->geometry().size());
    QImage shot = screenshot(window, "login");
    EXPECT_EQ(shot.pixelColor(shot.width() - 5, shot.height() - 5), QColor(58, 110, 165)) << "the desktop colour";
    // A child of a main window not loaded is a window of its own.
    auto& child = ui::forms().get<frmQtChild>();
    child.Show();
    settle();
    EXPECT_TRUE(host().topLevelOf(child)->isWindow());
}

// A window is built when the event that showed its form returns: a splash shown and unloaded
// by the same start-up builds none (nothing could have painted it), and one asked for meanwhile
// is built at once.
TEST_F(Windows, AFormShownAndUnloadedWithinOneEventBuildsNoWindow) {
    settle();
    auto before = QApplication::topLevelWidgets().size();
    ui::runEvent([&] {
        auto& splash = ui::forms().get<frmQtChild>();
        splash.Show();
        splash.Refresh();
        auto& login = ui::forms().get<frmQtLogin>();
        login.Show();
        splash.Unload();
        EXPECT_EQ(QApplication::topLevelWidgets().size(), before) << "no window built inside the event";
    });
    host().sync();
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before + 1) << "the log-in's window alone";
    QWidget* login = host().topLevelOf(*ui::forms().find<frmQtLogin>());
    ASSERT_TRUE(login);
    EXPECT_TRUE(login->isVisible());

    ui::runEvent([&] {
        auto& child = ui::forms().get<frmQtChild>();
        child.Show();
        QWidget* own = host().topLevelOf(child);
        ASSERT_TRUE(own);
        EXPECT_TRUE(own->isVisible());
        child.Hide();
        EXPECT_FALSE(own->isVisible());
    });
    // Hidden before its window was built: none is shown.
    ui::runEvent([&] {
        ui::forms().get<frmQtCaller>().Show();
        ui::forms().get<frmQtCaller>().Hide();
    });
    settle();
    EXPECT_EQ(host().topLevelOf(*ui::forms().find<frmQtCaller>()), nullptr);
}

TEST_F(Windows, ThePrinterSetUpDialogMakesTheChosenPrinterCurrent) {
    auto server = std::make_shared<print::RecordingPrintServer>();
    server->setQueues({{"Office Laser", "ipp://server/printers/office", "", "Office_Laser"}});
    print::setPrintServer(server);
    print::setConfiguredPrinters({{"Epson TM-T88", "LPT1:", "/dev/null"}});
    print::setCurrentPrinter(std::nullopt);
    frmQtCaller& caller = showCaller();
    ui::CommonDialog dbPrinter{&caller, "dbPrinter"};
    dbPrinter.setDialogTitle("SELECT a Printer");
    dbPrinter.setFlags(64);
    QStringList listed;
    whenModal([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "SELECT a Printer");
        auto* list = modal->findChild<QListWidget*>();
        ASSERT_TRUE(list);
        for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
        list->setCurrentRow(1);
        screenshot(modal, "printer_setup");
        button(modal, "OK")->click();
    });
    EXPECT_TRUE(dbPrinter.ShowPrinter());
    EXPECT_EQ(listed, (QStringList{"Epson TM-T88 on LPT1:", "Office Laser on ipp://server/printers/office"}));
    ASSERT_TRUE(print::currentPrinter());
    EXPECT_EQ(print::currentPrinter()->DeviceName, "Office Laser");
    whenModal([&](QWidget* modal) { button(modal, "Cancel")->click(); });
    EXPECT_FALSE(dbPrinter.ShowPrinter());
    EXPECT_EQ(print::currentPrinter()->DeviceName, "Office Laser") << "a cancelled dialog changes nothing";
    print::setCurrentPrinter(std::nullopt);
    print::setConfiguredPrinters({});
    print::setPrintServer(std::make_shared<print::RecordingPrintServer>());
}

// A form whose timer counts, and ends the program on its fifth tick.
class frmQtClock : public ui::Form {
public:
    frmQtClock() {
        Move(0, 0, 3000, 2000);
        Timer1.setInterval(20);
        Timer1.onTimer([this] {
            if (++ticks == 5) ui::End();
        });
    }
    ui::Timer Timer1{this, "Timer1"};
    int ticks = 0;
};

// The clock beside a timer that always runs, whose beats show that the host has looked at the
// timers.
class frmQtClockBeat : public frmQtClock {
public:
    frmQtClockBeat() {
        Timer2.setInterval(20);
        Timer2.onTimer([this] { ++beats; });
    }
    ui::Timer Timer2{this, "Timer2"};
    int beats = 0;
};

// Real time stands still for the host here, so the program's clock moves only when the test
// moves it: what ticks, and how often, does not depend on how busy the machine is. Only Qt's
// timers tick the forms' timers, so the test lets Qt run until they have.
TEST_F(Windows, QtTimersTickTheFormsTimersOnAFixedClock) {
    auto real = std::make_shared<std::int64_t>(0);
    host().setRealTime([real] { return *real; });
    // Far beyond any wait for Qt's next timer event; reached only when the forms' timers never tick.
    constexpr int kPatienceMs = 60000;
    ui::forms().registerForm<frmQtClockBeat>("frmQtClockBeat");
    auto& clock = ui::forms().get<frmQtClockBeat>();
    std::int64_t start = core::clock::nowMs();
    clock.Timer1.setEnabled(false);
    clock.Show();
    core::clock::advanceMs(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return clock.beats == 1; }, kPatienceMs));
    EXPECT_EQ(clock.ticks, 0) << "a disabled timer";

    clock.Timer1.setEnabled(true);
    for (int tick = 1; tick <= 4; ++tick) {
        core::clock::advanceMs(20);
        ASSERT_TRUE(QTest::qWaitFor([&] { return clock.ticks == tick; }, kPatienceMs)) << tick;
        EXPECT_EQ(clock.beats, tick + 1);
    }
    EXPECT_FALSE(host().ended());

    // The host moves a fixed clock on with real time: the fifth tick comes without the test's hand.
    *real += 20;
    ASSERT_TRUE(QTest::qWaitFor([&] { return host().ended(); }, kPatienceMs)) << "End on the fifth tick";
    EXPECT_TRUE(ui::programEnded());
    EXPECT_EQ(core::clock::nowMs(), start + 6 * 20);
}

TEST_F(Windows, EndInsideAFormShownWaitingClosesEverything) {
    frmQtCaller& caller = showCaller();
    // The question is not answered: End comes first (from a timer, say).
    whenModal([&](QWidget*) { host().deliver([] { ui::End(); }); });
    QTest::mouseClick(widget(caller.cmdAsk), Qt::LeftButton);
    EXPECT_TRUE(host().ended());
    EXPECT_TRUE(ui::forms().loaded().empty());
    EXPECT_EQ(host().mainWindow(), nullptr);
    settle();
}

// runProgram makes its own host, as pelkpos does.
class StartUp : public ::testing::Test {
protected:
    StartUp() {
        qtApp();
        ui::forms().clear();
        ui::resetProgramState();
    }
    ~StartUp() override {
        ui::forms().clear();
        ui::resetProgramState();
        QtSession::settle();
    }
    TempRoot root;
};

TEST_F(StartUp, AStartUpThatFailsIsToldInAPlainMessageBox) {
    ui::Program program;
    program.registerForms = [] {};
    program.startUp = [] { throw std::runtime_error("the program's start-up is not yet available"); };
    QString told;
    QtSession::whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        told = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->windowTitle(), "Pelk POS 4");
        for (auto* b : box->buttons())
            if (b->text() == "OK") b->click();
    });
    EXPECT_EQ(qt::runProgram(program), 1);
    EXPECT_EQ(told, "The program's start-up is not yet available.");

    // A start-up that shows a form runs until the program ends (End on the clock's fifth tick).
    program.startUp = [] {
        ui::forms().registerForm<frmQtClock>("frmQtClock");
        ui::forms().get<frmQtClock>().Show();
    };
    EXPECT_EQ(qt::runProgram(program), 0);
    EXPECT_TRUE(ui::programEnded());
    EXPECT_EQ(qt::QtHost::current(), nullptr) << "the host is gone";
}

// The look (and the fonts it waits for) is given once, when the first window or dialog is built:
// a start-up's work before that does not wait for it.
TEST_F(StartUp, TheLookIsGivenWhenTheFirstWindowOrDialogIsBuilt) {
    ui::Program program;
    program.registerForms = [] { ui::forms().registerForm<frmQtClock>("frmQtClock"); };
    int given = 0;
    bool windowsBefore = true, givenAtLoad = true;
    auto defer = [&] {
        qt::deferLook([&] {
            ++given;
            // One list: two calls would give two lists, and their begin and end no range.
            const QWidgetList windows = QApplication::topLevelWidgets();
            windowsBefore = std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
        });
    };
    program.startUp = [&] {
        auto& clock = ui::forms().get<frmQtClock>();
        givenAtLoad = given > 0;
        clock.Show();
    };
    QtSession::settle();
    defer();
    EXPECT_EQ(qt::runProgram(program), 0);
    EXPECT_FALSE(givenAtLoad) << "the form's load did not wait for the look";
    EXPECT_EQ(given, 1);
    EXPECT_FALSE(windowsBefore) << "given before the window was shown";

    // A start-up that only tells something gives it before its message box.
    ui::resetProgramState();
    given = 0;
    defer();
    program.startUp = [] { ui::MsgBox("The printers of this station cannot be read."); };
    QtSession::whenModal([&](QWidget* modal) {
        EXPECT_EQ(given, 1);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            for (auto* b : box->buttons())
                if (b->text() == "OK") b->click();
    });
    qt::runProgram(program);
    EXPECT_EQ(given, 1);
    qt::deferLook(nullptr);
}

// The early work runs beside the window system's start and is over before the start-up begins;
// when it fails, the start fails as a failing start-up does.
TEST_F(StartUp, EarlyWorkIsDoneBeforeTheStartUpAndItsFailureIsTold) {
    std::atomic<bool> done{false};
    bool doneAtStartUp = false;
    ui::Program program;
    program.registerForms = [] {};
    program.early = [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        done = true;
    };
    program.startUp = [&] {
        doneAtStartUp = done;
        ui::End();
    };
    {
        qt::EarlyStart early(program);
        early.fontsReady();
        EXPECT_EQ(qt::runProgram(program, &early), 0);
    }
    EXPECT_TRUE(doneAtStartUp);

    ui::resetProgramState();
    bool started = false;
    program.early = [] { throw std::runtime_error("the data folder cannot be read"); };
    program.startUp = [&] { started = true; };
    QString told;
    QtSession::whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        told = box->text();
        for (auto* b : box->buttons())
            if (b->text() == "OK") b->click();
    });
    {
        qt::EarlyStart early(program);
        EXPECT_EQ(qt::runProgram(program, &early), 1);
    }
    EXPECT_FALSE(started);
    EXPECT_EQ(told, "The data folder cannot be read.");
}

}  // namespace
