#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>

#include "platform/os/paths.h"
#include "platform/qt/control_view.h"
#include "platform/qt/form_window.h"
#include "platform/qt/look.h"
#include "qt_session.h"
#include "test_forms.h"

using namespace pelk;
using pelk::test::countColour;
using pelk::test::frmQtPanel;

namespace {

const QColor kGreen(192, 255, 192);

class Rendering : public test::QtSession {
protected:
    frmQtPanel& showPanel() {
        ui::forms().registerForm<frmQtPanel>("frmQtPanel");
        auto& panel = ui::forms().get<frmQtPanel>();
        panel.Show();
        settle();
        return panel;
    }
    QWidget* widget(const ui::Control& c) { return host().widgetOf(c); }
    // A picture file at a Windows path: w × h of one colour.
    void writePicture(const std::string& windowsPath, int w, int h, const QColor& colour, const char* format) {
        std::filesystem::path file = os::mapPath(windowsPath);
        std::filesystem::create_directories(file.parent_path());
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(file.string()), format));
    }
};

TEST_F(Rendering, ColoursAndSystemColours) {
    EXPECT_EQ(qt::toQColor(0xC0FFC0), kGreen) << "&H00BBGGRR: red in the low byte";
    EXPECT_EQ(qt::toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(qt::toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(qt::toQColor(0x80000005), QColor(255, 255, 255)) << "window background";
    EXPECT_EQ(qt::toQColor(0x8000000F), QColor(212, 208, 200)) << "button face";
    EXPECT_EQ(qt::toQColor(0x80000012), QColor(0, 0, 0)) << "button text";
    EXPECT_EQ(qt::toQColor(0x80000001), QColor(58, 110, 165)) << "desktop";
}

TEST_F(Rendering, FormPlacedByItsTwipsWithItsControlsAndColours) {
    frmQtPanel& panel = showPanel();
    ASSERT_DOUBLE_EQ(qt::twips().perPixel(), 15.0) << "the offscreen screen has 96 dpi";
    // The form centred itself in Form_Load from the screen's size in twips.
    QWidget* window = host().topLevelOf(panel);
    ASSERT_TRUE(window && window->isVisible());
    QRect screen = window->screen()->geometry();
    EXPECT_DOUBLE_EQ(ui::screen().width(), screen.width() * 15.0);
    EXPECT_EQ(window->pos(),
              QPoint(std::lround((screen.width() - 480) / 2.0), std::lround((screen.height() - 360) / 5.0)));
    QWidget* canvas = host().canvasOf(panel);
    EXPECT_EQ(canvas->size(), QSize(480, 360)) << "7200 x 5400 twips inside";

    // Each control where its twips say, a contained one inside its frame.
    EXPECT_EQ(widget(panel.lblTitle)->geometry(), QRect(20, 20, 200, 27));
    EXPECT_EQ(widget(panel.txtCode)->geometry(), QRect(20, 60, 160, 25));
    EXPECT_EQ(widget(panel.comNumber(2))->geometry(), QRect(300, 100, 56, 40));
    EXPECT_EQ(widget(panel.cmdInFrame)->parentWidget(), widget(panel.fraDates));
    EXPECT_EQ(widget(panel.cmdInFrame)->geometry(), QRect(10, 30, 80, 30));
    EXPECT_EQ(widget(panel.Timer1), nullptr) << "a timer shows nothing";

    QImage shot = screenshot(canvas, "panel");
    EXPECT_EQ(shot.pixelColor(470, 350), kGreen) << "the form's light green";
    EXPECT_EQ(shot.pixelColor(215, 42), QColor(255, 0, 0)) << "the title's red BackColor";
    EXPECT_GT(countColour(shot.copy(20, 20, 200, 27), QColor(255, 255, 255), 40), 20) << "its white caption";
    EXPECT_EQ(shot.pixelColor(185, 106), QColor(192, 192, 255)) << "a picture button's &HFFC0C0";
    EXPECT_GT(countColour(shot.copy(20, 289, 460, 3), QColor(0, 0, 0), 60), 300) << "the line";
    auto* title = qobject_cast<QLabel*>(widget(panel.lblTitle));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), "Check In") << "the access key's & is not shown";
    EXPECT_TRUE(title->font().bold());
}

TEST_F(Rendering, PropertyChangesShowAtOnce) {
    frmQtPanel& panel = showPanel();
    auto* title = qobject_cast<QLabel*>(widget(panel.lblTitle));
    panel.lblTitle.setCaption("Check Out");
    EXPECT_EQ(title->text(), "Check Out");
    panel.lblTitle.Move(600, 150);
    EXPECT_EQ(title->pos(), QPoint(40, 10));
    panel.lblTitle.setVisible(false);
    EXPECT_FALSE(title->isVisible());
    panel.txtCode.setText("ABC");
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget(panel.txtCode)->findChild<QLineEdit*>())->text(), "ABC");
    panel.txtCode.setPasswordChar("*");
    EXPECT_EQ(widget(panel.txtCode)->findChild<QLineEdit*>()->text(), "***") << "what was typed stays hidden";
    panel.cmdOK.setEnabled(false);
    EXPECT_FALSE(widget(panel.cmdOK)->isEnabled());
    panel.fraDates.setEnabled(false);
    EXPECT_FALSE(widget(panel.cmdInFrame)->isEnabled()) << "a disabled frame disables what it holds";
    panel.chkPaid.setValue(1);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(widget(panel.chkPaid))->isChecked());
    panel.lstRooms.AddItem("104");
    panel.lstRooms.setListIndex(3);
    auto* rooms = qobject_cast<QListWidget*>(widget(panel.lstRooms));
    EXPECT_EQ(rooms->count(), 4);
    EXPECT_EQ(rooms->currentRow(), 3);
    panel.setBackColor(0xFFFFFF);
    panel.setCaption("Check out");
    settle();
    EXPECT_EQ(host().topLevelOf(panel)->windowTitle(), "Check out");
    QImage shot = screenshot(host().canvasOf(panel), "panel_changed");
    EXPECT_EQ(shot.pixelColor(470, 350), QColor(255, 255, 255));
}

// A control's own pointer shows while the mouse is over it: the standard ones by their legacy
// numbers, a picture of the screen's design as a drawn pointer, and 0 gives the system's back.
TEST_F(Rendering, AControlsOwnMousePointer) {
    frmQtPanel& panel = showPanel();
    QWidget* ok = widget(panel.cmdOK);
    EXPECT_FALSE(ok->testAttribute(Qt::WA_SetCursor));
    panel.cmdOK.setMousePointer(11);
    EXPECT_EQ(ok->cursor().shape(), Qt::WaitCursor);
    panel.cmdOK.setMouseIcon(ui::Picture::design("Report"));
    panel.cmdOK.setMousePointer(99);
    EXPECT_EQ(ok->cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(ok->cursor().pixmap().isNull());
    panel.cmdOK.setMouseIcon(ui::Picture{});
    EXPECT_FALSE(ok->testAttribute(Qt::WA_SetCursor)) << "a custom pointer without a picture is the system's";
    panel.cmdOK.setMousePointer(0);
    EXPECT_FALSE(ok->testAttribute(Qt::WA_SetCursor));
}

TEST_F(Rendering, FontsResolveToFamiliesThatExist) {
    test::qtApp();
    // Text must never come out as empty boxes: the fonts the program falls back on are here.
    QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty()) << "no font family at all";
    for (const char* family :
         {"DejaVu Sans", "WenQuanYi Micro Hei", "Liberation Sans", "Liberation Serif", "Liberation Mono"})
        EXPECT_TRUE(families.contains(family)) << family;
    // The designs' fonts come out in faces of the same widths.
    struct Case {
        const char* name;
        const char* family;
    } cases[] = {
        {"MS Sans Serif", "WenQuanYi Micro Hei"}, {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},  {"Courier New", "Liberation Mono"},
        {"SimSun", "WenQuanYi Micro Hei"},        {"PMingLiU", "WenQuanYi Micro Hei"},
        {"新細明體", "WenQuanYi Micro Hei"},      {"", "Liberation Sans"},
        {"DejaVu Serif", "DejaVu Serif"},         {"arial", "Liberation Sans"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qt::fontFamilyFor(c.name), c.family) << c.name;
        QFont f = qt::toQFont(ui::Font{c.name, 10});
        EXPECT_EQ(QFontInfo(f).family(), c.family) << c.name;
        QFontMetrics m(f);
        EXPECT_TRUE(m.inFont(QChar('A'))) << c.name;
    }
    EXPECT_TRUE(QFontMetrics(qt::toQFont(ui::Font{"SimSun", 10})).inFont(QChar(0x4E2D)));

    // And the label of Western and Chinese text paints both.
    frmQtPanel& panel = showPanel();
    QImage shot = screenshot(widget(panel.lblChinese), "chinese_label");
    int ink = countColour(shot, QColor(0, 0, 0), 60);
    EXPECT_GT(ink, 60) << "the text is painted";
    QImage chinese = shot.copy(shot.width() / 4, 0, shot.width() * 3 / 4, shot.height());
    EXPECT_GT(countColour(chinese, QColor(0, 0, 0), 60), 30) << "the Chinese characters are painted";
}

TEST_F(Rendering, PicturesFromMappedPathsAndMissingOnesShowNothing) {
    std::string logo = R"(C:\Program Files\Pelk POS 4\ItemPic\LOGO.png)";
    std::string seven = R"(C:\Program Files\Pelk POS 4\Section\seven.bmp)";
    writePicture(logo, 45, 30, QColor(0, 0, 255), "PNG");
    writePicture(seven, 20, 16, QColor(255, 0, 255), "BMP");
    frmQtPanel& panel = showPanel();
    // Names match without regard to case, as on Windows.
    panel.imgLogo.setPicture(*ui::LoadPicture(R"(c:\program files\pelk pos 4\itempic\logo.PNG)"));
    panel.comNumber(1).setPicture(*ui::LoadPicture(seven));
    settle();
    EXPECT_EQ(widget(panel.imgLogo)->size(), QSize(45, 30)) << "an image without Stretch takes its picture's size";
    QImage shot = screenshot(host().canvasOf(panel), "pictures");
    EXPECT_EQ(countColour(shot, QColor(0, 0, 255), 0), 45 * 30);
    EXPECT_EQ(countColour(shot, QColor(255, 0, 255), 0), 20 * 16) << "the keypad button's picture, whole";
    panel.imgLogo.setStretch(true);
    settle();
    EXPECT_EQ(widget(panel.imgLogo)->size(), QSize(100, 60)) << "stretched to the control's size";

    // A picture whose file is gone shows nothing, and nothing is reported.
    std::filesystem::remove(os::mapPath(logo));
    panel.imgLogo.setPicture(ui::Picture(R"(C:\Program Files\Pelk POS 4\ItemPic\gone.jpg)", ui::PictureFormat::Jpeg));
    panel.Refresh();
    settle();
    EXPECT_EQ(countColour(screenshot(host().canvasOf(panel), "picture_missing"), QColor(0, 0, 255), 0), 0);
    EXPECT_EQ(qt::loadPixmap(panel.imgLogo.picture()).isNull(), true);
}

TEST_F(Rendering, ControlArrayMembersComeAndGoAtRunTime) {
    frmQtPanel& panel = showPanel();
    ui::CommandButton& added = panel.comNumber.load(3);
    added.Move(2700, 2100, 840, 600);
    added.setCaption("3");
    added.setVisible(true);
    settle();
    QWidget* w = widget(added);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry(), QRect(180, 140, 56, 40));
    panel.comNumber.unload(3);
    host().sync();
    EXPECT_EQ(host().canvasOf(panel)->findChildren<QWidget*>().contains(w), true) << "deleted later";
    settle();
    EXPECT_FALSE(host().canvasOf(panel)->findChildren<QWidget*>().contains(w));
}

// A kind the host has no widget for shows as an empty frame; a renderer registered for it is used.
class frmQtOdd : public ui::Form {
public:
    frmQtOdd() {
        Move(0, 0, 3000, 3000);
        File1.Move(150, 150, 1500, 1500);
    }
    ui::Control File1{this, "File1", ui::ControlKind::Data};
};

TEST_F(Rendering, KindsWithoutAWidgetShowAsAnEmptyFrameUntilOneIsRegistered) {
    // Every kind has a widget today: take the navigator's away for the while.
    auto navigator = qt::registerRenderer(ui::ControlKind::Data, {});
    ui::forms().registerForm<frmQtOdd>("frmQtOdd");
    ui::forms().get<frmQtOdd>().Show();
    settle();
    auto* frame = qobject_cast<QFrame*>(widget(ui::forms().get<frmQtOdd>().File1));
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->metaObject(), &QFrame::staticMetaObject) << "a frame and nothing more";
    EXPECT_EQ(frame->geometry(), QRect(10, 10, 100, 100));
    ui::forms().get<frmQtOdd>().Unload();

    qt::registerRenderer(ui::ControlKind::Data, [](ui::Control& c, QWidget* parent) {
        auto* list = new QListWidget(parent);
        list->addItem("ZuReserv.mdb");
        return qt::makeView(c, list, nullptr);
    });
    ui::forms().get<frmQtOdd>().Show();
    settle();
    auto* list = qobject_cast<QListWidget*>(widget(ui::forms().get<frmQtOdd>().File1));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->item(0)->text(), "ZuReserv.mdb");
    qt::registerRenderer(ui::ControlKind::Data, navigator);
}

}  // namespace

namespace {

TEST_F(Rendering, ZOrderRestacksTheWidgetsAtRunTime) {
    frmQtPanel& panel = showPanel();
    QWidget* canvas = host().canvasOf(panel);
    // Qt draws and hit-tests a widget's children in the order of this list, the last on top.
    auto rank = [&](const ui::Control& c) { return canvas->children().indexOf(widget(c)); };
    ASSERT_GE(rank(panel.cmdOK), 0);
    ASSERT_GE(rank(panel.txtCode), 0);
    panel.cmdOK.ZOrder(0);
    EXPECT_GT(rank(panel.cmdOK), rank(panel.txtCode));
    panel.cmdOK.ZOrder(1);
    EXPECT_LT(rank(panel.cmdOK), rank(panel.txtCode));
    EXPECT_GT(rank(panel.cmdOK), rank(panel.lblTitle)) << "a label stays under the windowed controls";
    panel.lblTitle.ZOrder(0);
    EXPECT_LT(rank(panel.lblTitle), rank(panel.cmdOK)) << "even brought to the front";
}

}  // namespace
