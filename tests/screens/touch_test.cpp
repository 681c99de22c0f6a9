// The screens touched as a clerk touches them: mouse presses and releases at points of the screen,
// through the window system, reaching whatever control lies on top there.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <filesystem>

#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_session.h"
#include "platform/ui/program.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "settings/frmBSfwSet.h"
#include "shell/frmMain.h"
#include "shell/frmPassword.h"
#include "shell/frmTimer.h"
#include "station.h"

using namespace pelk;
using namespace pelk::test;

namespace {

class Touch : public Station {
protected:
    QWidget* widgetAt(const QPoint& global) { return QApplication::widgetAt(global); }
    bool shows(const ui::Control& c, const QPoint& global) {
        QWidget* w = host().widgetOf(c);
        for (QWidget* at = widgetAt(global); at; at = at->parentWidget())
            if (at == w) return true;
        return false;
    }
};

TEST_F(Touch, TheTimeClocksModePanelLiesOverTheKeypadUntilAModeIsChosen) {
    logIn();
    auto& clock = static_cast<shell::frmTimer&>(open("frmTimer"));
    QPoint five = centreOf(clock.comNumber(5));
    ASSERT_FALSE(five.isNull());
    EXPECT_TRUE(shows(clock.cmdTimeIn, five)) << "the mode panel lies where the 5 is";

    // A touch on the 5 at open goes to the mode button over it: the mode, and no digit.
    touch(five);
    EXPECT_EQ(clock.lblTitle.caption(), "Clock In");
    EXPECT_EQ(clock.txtPassword.text(), "");
    EXPECT_FALSE(clock.cmdTimeIn.visible());
    EXPECT_TRUE(shows(clock.comNumber(5), five)) << "the keypad is bare";

    // Now the 5 itself takes the touch.
    touch(five);
    EXPECT_EQ(clock.txtPassword.text(), "5");
}

TEST_F(Touch, EachModeButtonChoosesItsModeAndBaresTheKeypad) {
    logIn();
    struct Case {
        ui::CommandButton shell::frmTimer::*button;
        const char* mode;
    };
    for (const Case& c :
         {Case{&shell::frmTimer::cmdTimeIn, "Clock In"}, Case{&shell::frmTimer::cmdTimeOut, "Clock Out"}}) {
        SCOPED_TRACE(c.mode);
        auto& clock = static_cast<shell::frmTimer&>(open("frmTimer"));
        touch(centreOf(clock.*c.button));
        EXPECT_EQ(clock.lblTitle.caption(), c.mode);
        for (int digit = 0; digit <= 9; ++digit)
            EXPECT_TRUE(shows(clock.comNumber(digit), centreOf(clock.comNumber(digit)))) << digit;
        ui::runEvent([&clock] { clock.Unload(); });
        QtSession::settle();
    }
}

// The digits touched on the log-in keypad show as dots a clerk can count, never as digits.
TEST_F(Touch, TheLogInCodeShowsAsDotsAClerkCanCount) {
    ui::markProgramStarted();
    ui::runEvent([] { ui::program().startUp(); });
    QtSession::settle();
    auto* login = ui::forms().find<shell::frmPassword>();
    ASSERT_TRUE(login);
    for (int digit : {2, 0, 9}) touch(centreOf(login->comNumber(digit)));
    EXPECT_EQ(login->lblPassword.caption(), "209");
    QWidget* digits = host().widgetOf(login->lblPassword);
    EXPECT_FALSE(digits && digits->isVisible()) << "the digits are never drawn";
    QWidget* dots = host().widgetOf(login->lblCode);
    ASSERT_TRUE(dots && dots->isVisible());
    QImage drawn = dots->grab().toImage();
    // White dots on the screen's blue: three blots, each some pixels across.
    int white = countColour(drawn, QColor(255, 255, 255), 60);
    EXPECT_GT(white, 3 * 60) << "three dots of more than a few pixels";
    std::filesystem::create_directories(screensFolder());
    host().topLevelOf(*login)->grab().save(QString::fromStdString(screensFolder() + "/frmPassword_code.png"));
}

struct PictureButton {
    ui::Image settings::frmBSfwSet::*picture;
    ui::Image settings::frmBSfwSet::*pressed;
    const char* target;
    bool offAtLevelTwo;
};

const PictureButton kPanel[] = {
    {&settings::frmBSfwSet::ImgNet, &settings::frmBSfwSet::ImgNet2, "frmNWSetin", false},
    {&settings::frmBSfwSet::imgPtr, &settings::frmBSfwSet::Image2, "frmSetPtr", false},
    {&settings::frmBSfwSet::ImgInfor, &settings::frmBSfwSet::ImgInfor2, "frmInfor", true},
    {&settings::frmBSfwSet::ImgDate, &settings::frmBSfwSet::ImgDate2, "frmSetdate", false},
    {&settings::frmBSfwSet::ImgReset, &settings::frmBSfwSet::ImgReset2, "frmReset", true},
    {&settings::frmBSfwSet::ImgPassw, &settings::frmBSfwSet::ImgPassw2, "frmSecurity", true},
};

TEST_F(Touch, EachPictureButtonOfTheSettingsPanelOpensItsScreen) {
    logIn("Level 3");
    for (const PictureButton& b : kPanel) {
        SCOPED_TRACE(b.target);
        auto& panel = static_cast<settings::frmBSfwSet&>(open("frmBSfwSet"));
        QPoint at = centreOf(panel.*b.picture);
        ASSERT_TRUE(shows(panel.*b.picture, at));
        touch(at);
        EXPECT_FALSE(ui::forms().isLoaded("frmBSfwSet")) << "the panel makes way";
        ui::Form* opened = ui::forms().find(b.target);
        ASSERT_TRUE(opened);
        EXPECT_TRUE(opened->visible());
        ui::runEvent([opened] { opened->Unload(); });
        QtSession::settle();
    }
}

// The words of a picture: its face inside the raised edge.
QImage wordsOf(QWidget* w) { return w->grab().toImage().copy(w->rect().adjusted(4, 4, -4, -4)); }
// Dark pixels: the words of a picture drawn enabled (black), not the grey of a disabled one.
int blackPixels(QWidget* w) { return countColour(wordsOf(w), QColor(0, 0, 0), 40); }

TEST_F(Touch, AtLevelTwoThreePicturesOfTheSettingsPanelAreDrawnDisabledAndOpenNothing) {
    logIn("Level 2");
    auto& panel = static_cast<settings::frmBSfwSet&>(open("frmBSfwSet"));
    for (const PictureButton& b : kPanel) {
        SCOPED_TRACE(b.target);
        QWidget* w = host().widgetOf(panel.*b.picture);
        ASSERT_TRUE(w);
        EXPECT_EQ(w->isEnabled(), !b.offAtLevelTwo);
        if (b.offAtLevelTwo) {
            EXPECT_EQ(blackPixels(w), 0) << "no word in black";
            EXPECT_GT(countColour(wordsOf(w), qt::systemColor(16), 8), 20) << "its words in grey";
        } else {
            EXPECT_GT(blackPixels(w), 20) << "its words in black";
        }
    }
    for (const PictureButton& b : kPanel) {
        if (!b.offAtLevelTwo) continue;
        SCOPED_TRACE(b.target);
        touch(centreOf(panel.*b.picture));
        EXPECT_TRUE(ui::forms().isLoaded("frmBSfwSet"));
        EXPECT_TRUE((panel.*b.picture).visible()) << "no pressed picture";
        EXPECT_FALSE(ui::forms().isLoaded(b.target));
    }
}

TEST_F(Touch, APictureButtonHeldShowsItsPressedPicture) {
    logIn();
    auto& panel = static_cast<settings::frmBSfwSet&>(open("frmBSfwSet"));
    QPoint at = centreOf(panel.ImgDate);
    QWindow* window = QGuiApplication::topLevelAt(at);
    ASSERT_TRUE(window);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, window->mapFromGlobal(at));
    QtSession::settle();
    EXPECT_TRUE(shows(panel.ImgDate2, at)) << "the pressed picture under it shows while it is held";
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, window->mapFromGlobal(at));
    QtSession::settle();
    EXPECT_TRUE(ui::forms().isLoaded("frmSetdate"));
}

}  // namespace

namespace {

// A button that switches itself off when clicked, as the staff screen's buttons do.
class frmSelfOff : public ui::Form {
public:
    frmSelfOff() {
        setMdiChild(true);
        Move(0, 0, 3000, 2000);
        cmdOnce.setStyle(1);
        cmdOnce.setCaption("Once");
        cmdOnce.Move(600, 600, 1500, 900);
        cmdOnce.onClick([this] { cmdOnce.setEnabled(false); });
    }
    ui::CommandButton cmdOnce{this, "cmdOnce"};
};

TEST_F(Touch, AButtonSwitchedOffByItsOwnClickIsNotLeftDrawnPressed) {
    logIn();
    ui::forms().registerForm<frmSelfOff>("frmSelfOff");
    auto& form = static_cast<frmSelfOff&>(open("frmSelfOff"));
    QWidget* w = host().widgetOf(form.cmdOnce);
    ASSERT_TRUE(w);
    QColor raisedEdge = w->grab().toImage().pixelColor(1, 1);
    touch(centreOf(form.cmdOnce));
    EXPECT_FALSE(form.cmdOnce.enabled());
    QImage after = w->grab().toImage();
    EXPECT_EQ(after.pixelColor(1, 1), raisedEdge) << "the raised edge, not the sunken one";
    EXPECT_EQ(countColour(after.copy(w->rect().adjusted(3, 3, -3, -3)), QColor(0, 0, 0), 40), 0)
        << "its caption etched in grey, no black";
}

TEST_F(Touch, ADisabledMenuIsDrawnGrey) {
    logIn();
    auto& main = *ui::forms().find<shell::frmMain>();
    QMenuBar* bar = host().mainWindow()->menuBar();
    QAction* file = host().actionOf(main.mmFile);
    ASSERT_TRUE(bar && file);
    auto inkOf = [&](const QColor& colour) {
        return countColour(bar->grab().toImage().copy(bar->actionGeometry(file)), colour, 40);
    };
    EXPECT_GT(inkOf(QColor(0, 0, 0)), 10) << "enabled: black";
    ui::runEvent([&] { main.mmFile.setEnabled(false); });
    QtSession::settle();
    EXPECT_EQ(inkOf(QColor(0, 0, 0)), 0) << "disabled: no black left";
    EXPECT_GT(inkOf(qt::systemColor(17)), 10) << "disabled: grey";
}

}  // namespace
