// Windows on a station's display, where no window manager places, frames or closes anything: the
// program places its windows, draws the frames and titles of the ones that have them, and lets the
// clerk close them from the screen.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "platform/qt/dialogs.h"
#include "platform/qt/form_window.h"
#include "platform/qt/look.h"
#include "platform/qt/window_frame.h"
#include "platform/ui/controls.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/runtime.h"
#include "qt_session.h"
#include "settings/frmSetPtr.h"

using namespace pelk;
using namespace pelk::test;

namespace {

// A form of its own whose design each case sets.
class frmQtPlaced : public ui::Form {
public:
    frmQtPlaced() {
        setBackColor(0xC0FFC0);
        cboRoom.Move(300, 300, 2400, 360);
        for (const char* room : {"101", "102", "103"}) cboRoom.AddItem(room);
    }
    ui::ComboBox cboRoom{this, "cboRoom"};
};

class Frames : public QtSession {
protected:
    Frames() { ui::forms().registerForm<frmQtPlaced>("frmQtPlaced"); }
    static QRect screen() { return QGuiApplication::primaryScreen()->geometry(); }
    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

// Where each design puts its window: at its Left and Top, at the screen's corner when larger than
// the screen, over the available area when maximised, over the whole screen when also borderless.
TEST_F(Frames, TheProgramPlacesItsWindows) {
    struct Case {
        const char* what;
        int borderStyle, windowState;
        double left, top, width, height;
        QRect expected;  // the window with its frame
    };
    QMargins frame = qt::DrawnFrame::marginsFor(true);
    auto framed = [&](int x, int y, int w, int h) {
        return QRect(x, y, w + frame.left() + frame.right(), h + frame.top() + frame.bottom());
    };
    const std::vector<Case> cases = {
        {"centred, as CentreForm puts it", 3, ui::kNormal, 3000, 1500, 6000, 4500, framed(200, 100, 400, 300)},
        {"borderless at its place", 0, ui::kNormal, 1500, 750, 6000, 4500, QRect(100, 50, 400, 300)},
        {"wider than the screen", 0, ui::kNormal, 300, 1500, 15390, 4500, QRect(0, 100, 1026, 300)},
        {"taller than the screen", 3, ui::kNormal, 1500, 300, 6000, 12000,
         QRect(100, 0, framed(0, 0, 400, 800).width(), framed(0, 0, 400, 800).height())},
        {"maximised", 2, ui::kMaximized, 1500, 750, 6000, 4500, available()},
        {"maximised and borderless", 0, ui::kMaximized, 1500, 750, 15390, 11520, screen()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto& f = ui::forms().get<frmQtPlaced>();
        f.setBorderStyle(c.borderStyle);
        f.setWindowState(c.windowState);
        f.Move(c.left, c.top, c.width, c.height);
        f.Show();
        settle();
        QWidget* window = host().topLevelOf(f);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->frameGeometry(), c.expected);
        EXPECT_EQ(qt::DrawnFrame::of(window) != nullptr, c.borderStyle != 0)
            << "a border drawn where the design has one";
        ASSERT_TRUE(f.Unload());
        settle();
    }
}

// A message box carries its frame and its title in the picture of it, drawn by the program; a box
// that must be answered with a button has no close box, one with OK alone is closed by its close
// box as by Escape.
TEST_F(Frames, AMessageBoxShowsItsFrameAndTitle) {
    QImage shot;
    QRect closeBox;
    whenModal([&](QWidget* modal) {
        auto* frame = qt::DrawnFrame::of(modal);
        ASSERT_TRUE(frame);
        EXPECT_FALSE(frame->closable()) << "Yes or No must be answered";
        shot = screenshot(modal, "message_box_frame");
        for (auto* b : static_cast<QMessageBox*>(modal)->buttons())
            if (b->text() == "No") b->click();
    });
    EXPECT_EQ(ui::MsgBox("Do you wish to Erase the current custmer", ui::kYesNo + ui::kQuestion, "Erase"),
              ui::MsgBoxResult::No);
    ASSERT_FALSE(shot.isNull());
    // The border: a raised edge, light on the top left and dark on the bottom right, around the
    // button face.
    EXPECT_EQ(shot.pixelColor(shot.width() - 1, shot.height() / 2), QColor(64, 64, 64));
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() - 1), QColor(64, 64, 64));
    EXPECT_EQ(shot.pixelColor(2, shot.height() / 2), qt::systemColor(15));
    // The title bar: the caption colour under the title, the title written over it.
    QMargins m = qt::DrawnFrame::marginsFor(true);
    QImage bar = shot.copy(m.left(), m.left(), shot.width() - m.left() - m.right(), m.top() - m.left());
    int caption = countColour(bar, qt::systemColor(2), 4) + countColour(bar, qt::systemColor(3), 4);
    EXPECT_GT(caption, bar.width() * bar.height() / 2) << "a title bar across the top";
    int title = countColour(bar.copy(20, 0, 80, bar.height()), qt::systemColor(9), 60) +
                countColour(bar.copy(20, 0, 80, bar.height()), qt::systemColor(19), 20);
    EXPECT_GT(title, 30) << "the title \"Erase\" written on it";

    whenModal([&](QWidget* modal) {
        auto* frame = qt::DrawnFrame::of(modal);
        ASSERT_TRUE(frame);
        EXPECT_EQ(modal->windowTitle(), "Pelk POS 4");
        ASSERT_TRUE(frame->closable());
        touchScreen(modal->mapToGlobal(frame->closeBoxRect().center()));
    });
    EXPECT_EQ(ui::MsgBox("Files or Server not found.", ui::kOKOnly + ui::kExclamation), ui::MsgBoxResult::OK);
}

// A message's lines break at blanks only, never inside a path or a code, and keep their own breaks.
TEST(MessageLines, BreakAtBlanksOnly) {
    qtApp();
    QFontMetrics metrics(QApplication::font());
    int width = metrics.horizontalAdvance("Files or Server not found. Please check");
    struct Case {
        const char* text;
        const char* lines;
    };
    const std::vector<Case> cases = {
        {"Short.", "Short."},
        {"Files or Server not found. Please check your Server \\\\SERVER\\Share\\PelkPOS\\",
         "Files or Server not found. Please check\nyour Server \\\\SERVER\\Share\\PelkPOS\\"},
        {"The folder \\\\A-VERY-LONG-SERVER-NAME\\With-A-Long-Share-Name\\ is not there.",
         "The folder\n\\\\A-VERY-LONG-SERVER-NAME\\With-A-Long-Share-Name\\\nis not there."},
        {"First line\nsecond line", "First line\nsecond line"},
    };
    for (const Case& c : cases) {
        QString wrapped = qt::wrapAtBlanks(QString::fromUtf8(c.text), metrics, width);
        EXPECT_EQ(wrapped.toStdString(), c.lines) << c.text;
        for (const QString& word : QString::fromUtf8(c.text).split(QRegularExpression("\\s+")))
            EXPECT_TRUE(wrapped.split('\n').join(' ').split(' ').contains(word))
                << "kept whole: " << word.toStdString();
    }
}

// In a message box a path longer than a line is not broken either: it stands whole on a line of
// its own.
TEST_F(Frames, AMessageBoxKeepsALongPathWhole) {
    const QString path = "\\\\STATION-SERVER-OF-THE-FRONT-DESK\\PelkPOS-Shared-Data-Folder\\Data\\";
    whenModal([&](QWidget* modal) {
        auto* label = modal->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_TRUE(label);
        QStringList lines = label->text().remove(QChar(0x2060)).split('\n');
        EXPECT_EQ(lines, (QStringList{"Files or Server not found:", path})) << lines.join('|').toStdString();
        screenshot(modal, "message_box_long_path");
        int shown = label->height() / label->fontMetrics().lineSpacing();
        EXPECT_EQ(shown, 2) << "two lines drawn, the path not broken inside";
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    ui::MsgBox("Files or Server not found: " + path.toStdString(), ui::kOKOnly);
}

// The printer screen's help window is a window titled "Help" closed by its own close box (or
// Alt+F4, the same request); Escape does not close it, as it has no Cancel button.
TEST_F(Frames, TheHelpWindowClosesByItsCloseBox) {
    pelk::installProgram();
    ui::program().registerForms();
    for (const char* how : {"close box", "Alt+F4"}) {
        SCOPED_TRACE(how);
        auto& help = ui::forms().get<settings::frmHelpSetPtr>();
        help.Show();
        settle();
        QWidget* window = host().topLevelOf(help);
        ASSERT_TRUE(window);
        auto* frame = qt::DrawnFrame::of(window);
        ASSERT_TRUE(frame);
        EXPECT_EQ(window->windowTitle(), "Help");
        EXPECT_TRUE(frame->hasTitleBar());
        QTest::keyClick(window, Qt::Key_Escape);
        settle();
        ASSERT_TRUE(ui::forms().isLoaded<settings::frmHelpSetPtr>());
        if (std::string(how) == "close box") {
            screenshot(window, "help_window");
            // Dragged by its title bar, it moves with the finger.
            QPoint before = window->pos();
            QPoint grip = frame->titleBarRect().center();
            QWindow* handle = window->windowHandle();
            QTest::mousePress(handle, Qt::LeftButton, {}, grip);
            QTest::mouseMove(handle, grip + QPoint(-60, 40));
            // Let go where the finger stopped: on the title bar where it was taken, now moved.
            QTest::mouseRelease(handle, Qt::LeftButton, {}, grip);
            settle();
            EXPECT_EQ(window->pos(), before + QPoint(-60, 40));
            touchScreen(window->mapToGlobal(frame->closeBoxRect().center()));
        } else {
            QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
        }
        settle();
        EXPECT_FALSE(ui::forms().isLoaded<settings::frmHelpSetPtr>());
    }
}

// A borderless form has no title bar, and Alt+F4 does not close it: it is left by its own buttons.
TEST_F(Frames, ABorderlessFormIsLeftByItsButtonsOnly) {
    auto& f = ui::forms().get<frmQtPlaced>();
    f.setBorderStyle(0);
    f.Move(0, 0, 6000, 4500);
    f.Show();
    settle();
    QWidget* window = host().topLevelOf(f);
    EXPECT_EQ(qt::DrawnFrame::of(window), nullptr);
    QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
    settle();
    EXPECT_TRUE(ui::forms().isLoaded<frmQtPlaced>());
}

// An opened drop-down list has rows as high as the box, for a finger.
TEST_F(Frames, DropDownRowsAreAsHighAsTheBox) {
    auto& f = ui::forms().get<frmQtPlaced>();
    f.Show();
    settle();
    auto* combo = qobject_cast<QComboBox*>(host().widgetOf(f.cboRoom));
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->height(), 24);
    combo->showPopup();
    settle();
    QAbstractItemView* rows = combo->view();
    ASSERT_TRUE(rows->isVisible());
    for (int r = 0; r < 3; ++r) EXPECT_GE(rows->visualRect(rows->model()->index(r, 0)).height(), combo->height());
    screenshot(rows->window(), "drop_down_rows");
    combo->hidePopup();
}

}  // namespace
