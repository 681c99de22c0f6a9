#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "platform/qt/form_window.h"
#include "qt_session.h"
#include "test_forms.h"

using namespace pelk;
using pelk::test::frmQtPanel;
using Events = std::vector<std::string>;

namespace {

class Input : public test::QtSession {
protected:
    Input() {
        ui::forms().registerForm<frmQtPanel>("frmQtPanel");
        panel = &ui::forms().get<frmQtPanel>();
        panel->Show();
        settle();
        panel->take();
    }
    QWidget* widget(const ui::Control& c) { return host().widgetOf(c); }
    QLineEdit* codeLine() { return widget(panel->txtCode)->findChild<QLineEdit*>(); }
    frmQtPanel* panel;
};

TEST_F(Input, AClickReachesTheHandlerAfterTheFocusHasMoved) {
    ASSERT_EQ(panel->activeControl(), &panel->txtCode) << "the first tab stop has the focus";
    EXPECT_EQ(QApplication::focusWidget(), codeLine()) << "and so has its widget";
    QTest::mouseClick(widget(panel->cmdOK), Qt::LeftButton);
    EXPECT_EQ(panel->take(), (Events{"txtCode_LostFocus", "cmdOK_GotFocus", "cmdOK_Click"}));
    EXPECT_EQ(panel->activeControl(), &panel->cmdOK);
    EXPECT_EQ(QApplication::focusWidget(), widget(panel->cmdOK));

    QTest::mouseClick(widget(panel->comNumber(2)), Qt::LeftButton);
    QTest::mouseClick(widget(panel->comNumber(2)), Qt::LeftButton);
    EXPECT_EQ(panel->take(), (Events{"comNumber_Click(2)", "comNumber_Click(2)"})) << "a keypad pressed twice";

    QTest::mouseClick(widget(panel->cmdInFrame), Qt::LeftButton);
    EXPECT_EQ(panel->take(), (Events{"cmdInFrame_Click"}));

    // A press released away from the button is no click (the focus has moved all the same).
    QTest::mousePress(widget(panel->cmdOK), Qt::LeftButton);
    QTest::mouseRelease(widget(panel->cmdOK), Qt::LeftButton, {}, QPoint(-30, -30));
    EXPECT_EQ(panel->take(), Events{"cmdOK_GotFocus"});

    // A disabled button takes nothing.
    panel->cmdOK.setEnabled(false);
    QTest::mouseClick(widget(panel->cmdOK), Qt::LeftButton);
    EXPECT_EQ(panel->take(), Events{});
}

TEST_F(Input, TypedKeysGoThroughKeyPreviewAndTheBoxsKeyPress) {
    QTest::keyClicks(codeLine(), "ab#1");
    EXPECT_EQ(panel->txtCode.text(), "AB1") << "upper case from KeyPress, # dropped by the form";
    EXPECT_EQ(codeLine()->text(), "AB1");
    Events events = panel->take();
    EXPECT_EQ(std::count(events.begin(), events.end(), "txtCode_Change"), 3);
    EXPECT_EQ(events.front(), "Form_KeyPress(97)");

    QTest::keyClick(codeLine(), Qt::Key_Left);
    QTest::keyClick(codeLine(), Qt::Key_Backspace);
    EXPECT_EQ(panel->txtCode.text(), "A1") << "Backspace takes the character before the caret";
    QTest::keyClick(codeLine(), Qt::Key_Delete);
    EXPECT_EQ(panel->txtCode.text(), "A");
    EXPECT_EQ(codeLine()->cursorPosition(), 1);
    panel->txtCode.setMaxLength(2);
    QTest::keyClicks(codeLine(), "xyz");
    EXPECT_EQ(panel->txtCode.text(), "AX") << "MaxLength refuses the rest";

    // Tab moves along the tab order, and the keyboard focus with it.
    panel->take();
    QTest::keyClick(codeLine(), Qt::Key_Tab);
    EXPECT_EQ(panel->activeControl(), &panel->cmdOK);
    EXPECT_EQ(QApplication::focusWidget(), widget(panel->cmdOK));
    // Enter on a button clicks it.
    QTest::keyClick(widget(panel->cmdOK), Qt::Key_Return);
    EXPECT_EQ(panel->take(), (Events{"txtCode_LostFocus", "cmdOK_GotFocus", "Form_KeyPress(13)", "cmdOK_Click"}));
    QTest::keyClick(widget(panel->cmdOK), Qt::Key_Backtab);
    EXPECT_EQ(panel->activeControl(), &panel->txtCode);
    screenshot(host().topLevelOf(*panel), "typed");
}

// Ctrl+A chooses the whole text, so the next key replaces it; the box's KeyPress sees no key.
TEST_F(Input, CtrlAChoosesTheWholeText) {
    QTest::keyClicks(codeLine(), "ab1");
    panel->take();
    QTest::keyClick(codeLine(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(panel->txtCode.selStart(), 0);
    EXPECT_EQ(panel->txtCode.selLength(), 3);
    EXPECT_EQ(codeLine()->selectedText(), "AB1");
    EXPECT_EQ(panel->take(), Events{});
    QTest::keyClicks(codeLine(), "c");
    EXPECT_EQ(panel->txtCode.text(), "C");
}

TEST_F(Input, CheckBoxesAndListsChangeThroughTheProgram) {
    QTest::mouseClick(widget(panel->chkPaid), Qt::LeftButton);
    EXPECT_EQ(panel->chkPaid.value(), 1);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(widget(panel->chkPaid))->isChecked());
    QTest::mouseClick(widget(panel->chkPaid), Qt::LeftButton);
    EXPECT_EQ(panel->chkPaid.value(), 0);
    EXPECT_FALSE(qobject_cast<QCheckBox*>(widget(panel->chkPaid))->isChecked());

    auto* rooms = qobject_cast<QListWidget*>(widget(panel->lstRooms));
    QRect second = rooms->visualItemRect(rooms->item(1));
    QTest::mouseClick(rooms->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(panel->lstRooms.listIndex(), 1);
    EXPECT_EQ(rooms->currentRow(), 1);
    QTest::keyClick(rooms, Qt::Key_Down);
    EXPECT_EQ(panel->lstRooms.text(), "103");
    EXPECT_EQ(panel->take(),
              (Events{"txtCode_LostFocus", "chkPaid_Click", "chkPaid_Click", "lstRooms_Click", "lstRooms_Click"}));
}

// A picture button hides itself while it is held; its release still comes to it.
class frmQtPress : public ui::Form {
public:
    frmQtPress() {
        Move(0, 0, 3000, 3000);
        setBackColor(test::kLightGreen);
        Image2.Move(300, 420, 1095, 960);
        ImgPassw.Move(150, 300, 1365, 1185);
        ImgPassw.onMouseDown(ui::Control::Handler([this] {
            ImgPassw.setVisible(false);
            ui::Beep();
            events.push_back("ImgPassw_MouseDown");
        }));
        ImgPassw.onMouseUp(ui::Control::Handler([this] {
            ImgPassw.setVisible(true);
            events.push_back("ImgPassw_MouseUp");
        }));
        Image2.onMouseUp(ui::Control::Handler([this] { events.push_back("Image2_MouseUp"); }));
    }
    ui::Image Image2{this, "Image2"};
    ui::Image ImgPassw{this, "ImgPassw"};
    std::vector<std::string> events;
};

TEST_F(Input, APictureButtonHeldHidesAndItsReleaseComesBack) {
    ui::forms().registerForm<frmQtPress>("frmQtPress");
    auto& f = ui::forms().get<frmQtPress>();
    f.Show();
    settle();
    QWidget* upper = widget(f.ImgPassw);
    QWidget* canvas = host().canvasOf(f);
    EXPECT_EQ(canvas->childAt(QPoint(40, 50)), upper) << "the later image lies over the earlier one";
    QTest::mousePress(upper, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(upper->isVisible());
    EXPECT_EQ(canvas->childAt(QPoint(40, 50)), widget(f.Image2)) << "the pressed picture shows";
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(40, 50));
    EXPECT_TRUE(upper->isVisible());
    EXPECT_EQ(f.events, (Events{"ImgPassw_MouseDown", "ImgPassw_MouseUp"}));
}

// The close box unloads the form as the user closing it does; Form_QueryUnload can refuse.
class frmQtRefuse : public ui::Form {
public:
    frmQtRefuse() { Move(0, 0, 3000, 2000); }
    void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override {
        modes.push_back(static_cast<int>(mode));
        cancel = refuse;
    }
    bool refuse = true;
    std::vector<int> modes;
};

TEST_F(Input, TheCloseBoxAsksTheForm) {
    ui::forms().registerForm<frmQtRefuse>("frmQtRefuse");
    auto& f = ui::forms().get<frmQtRefuse>();
    f.Show();
    settle();
    QWidget* window = host().topLevelOf(f);
    window->close();
    settle();
    EXPECT_TRUE(f.isLoaded());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(f.modes, std::vector<int>{0}) << "vbFormControlMenu";
    f.refuse = false;
    window->close();
    EXPECT_FALSE(ui::forms().isLoaded<frmQtRefuse>());
    EXPECT_EQ(host().topLevelOf(f), nullptr);
}

}  // namespace
