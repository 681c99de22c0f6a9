// Every registered form shown in turn on a 1024 x 768 screen, as a clerk would see it: no caption
// cut by its control in the font drawn, no graphical button blank, a screenshot of each.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QMainWindow>
#include <QRegion>
#include <QScreen>
#include <QStyle>
#include <filesystem>
#include <set>
#include <sstream>

#include "platform/qt/form_window.h"
#include "platform/qt/qt_session.h"
#include "platform/ui/controls.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "station.h"

using namespace pelk;
using namespace pelk::test;

namespace {

// Text the design lets run on past its control, by form and control.
const std::set<std::string> kRunsOn = {
    "frmPassword.lblMsg",  // the scrolling message
};

// Graphical buttons the design leaves without caption or picture.
const std::set<std::string> kBlankByDesign = {
    "frmTimer.cmdDel",      // the blank panel over the upper part of the time clock
    "frmPassword.cmdMode",  // the log-in mode button: no caption until it is touched
    "frmNWSetin.Command1",  // small decoration beside the boxes
    "frmNWSetin.Command2", "frmNWSetin.Command3",
    "frmInfor.cmdKB",  // a white picture button with no words
};

// Slot buttons of an item page show their item's name or picture; the walk's stores hold no items,
// so every slot is empty, as on a new station.
const std::set<std::string> kSlotsWithoutItems = {
    "frmEDes.command",
    "frmFrontDeskPicAd.command",
};

std::string controlName(const ui::Control& c) {
    std::string name = c.form().name() + "." + c.name();
    if (c.index() >= 0) name += "(" + std::to_string(c.index()) + ")";
    return name;
}

bool graphicalButton(const ui::Control& c) {
    return c.kind() == ui::ControlKind::CommandButton && static_cast<const ui::CommandButton&>(c).style() == 1;
}

// A visible sibling stacked over `w` that lies on `area` (in w's coordinates), or nullptr. A pixel
// or two of overlap from rounding twips does not reach the letters; a control laid wholly under
// another (a pressed picture under its button, a name box under its section button) is hidden by
// design, not cut.
const QWidget* coveredBy(const QWidget* w, const QRect& area) {
    const QWidget* parent = w->parentWidget();
    if (!parent) return nullptr;
    QRect onParent = area.translated(w->pos());
    QRegion over;
    bool seen = false;
    for (const QObject* o : parent->children()) {
        auto* sibling = qobject_cast<const QWidget*>(o);
        if (seen && sibling && sibling->isVisible()) over += sibling->geometry();
        seen = seen || o == w;
    }
    if ((QRegion(w->geometry()) - over).isEmpty()) return nullptr;
    bool above = false;
    for (const QObject* o : parent->children()) {
        if (o == w) {
            above = true;
            continue;
        }
        auto* sibling = qobject_cast<const QWidget*>(o);
        if (!above || !sibling || !sibling->isVisible()) continue;
        QRect overlap = sibling->geometry().intersected(onParent);
        if (overlap.width() <= 2 || overlap.height() <= 2) continue;
        if (sibling->geometry().contains(w->geometry())) continue;
        return sibling;
    }
    return nullptr;
}

std::string coveredName(qt::FormWindow* window, ui::Form& form, const QWidget* w) {
    for (ui::Control* c : form.controls())
        if (qt::ControlView* v = window->canvas()->viewOf(*c); v && v->widget() == w) return controlName(*c);
    return "a widget";
}

// What a clerk would find wrong with the shown form: cut words, blank graphical buttons.
void inspect(qt::QtHost& host, ui::Form& form, std::vector<std::string>& cut, std::vector<std::string>& blank) {
    qt::FormWindow* window = host.windowOf(form);
    if (!window || !window->canvas()) return;
    for (ui::Control* c : form.controls()) {
        qt::ControlView* view = window->canvas()->viewOf(*c);
        QWidget* w = view ? view->widget() : nullptr;
        if (!w || !w->isVisible()) continue;
        std::string name = controlName(*c);
        for (const qt::ControlView::Words& words : view->words()) {
            if (words.runsOn || kRunsOn.count(name)) continue;
            QFontMetrics fm(w->font());
            QRect need = words.wraps ? fm.boundingRect(QRect(0, 0, words.room.width(), 1 << 20),
                                                       Qt::AlignLeft | Qt::TextWordWrap, words.text)
                                     : QRect(0, 0, fm.horizontalAdvance(words.text), fm.height());
            std::string font =
                QFontInfo(w->font()).family().toStdString() + " " + std::to_string(w->font().pointSizeF()) + " pt";
            std::ostringstream line;
            line << name << " \"" << words.text.toStdString() << "\": needs " << need.width() << " x " << need.height()
                 << " px, ";
            if (need.width() > words.room.width() || need.height() > words.room.height()) {
                line << "has " << words.room.width() << " x " << words.room.height() << " (" << font << ")";
                cut.push_back(line.str());
                continue;
            }
            // Inside its control, the text may still lie under a control stacked over it.
            QRect drawn = QStyle::alignedRect(Qt::LeftToRight, words.alignment, need.size(), words.room);
            if (const QWidget* over = coveredBy(w, drawn)) {
                line << "covered by " << coveredName(window, form, over) << " (" << font << ")";
                cut.push_back(line.str());
            }
        }
        if (graphicalButton(*c) && !kBlankByDesign.count(name) &&
            !kSlotsWithoutItems.count(c->form().name() + "." + c->name())) {
            auto& b = static_cast<ui::CommandButton&>(*c);
            // A picture from a file is the screen's at run time: a missing file shows nothing.
            bool fromFile = !b.picture().empty() && !b.picture().isDesign();
            bool shows = !b.caption().empty() || (b.picture().isDesign() && !b.picture().words().empty()) || fromFile;
            if (!shows) blank.push_back(name);
        }
    }
}

class ScreenWalk : public Station {};

TEST_F(ScreenWalk, EveryFormShowsWholeOnA1024By768Screen) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), QSize(1024, 768));
    logIn();
    std::filesystem::create_directories(screensFolder());
    std::vector<std::string> cut, blank, notShown;
    std::vector<std::string> names = ui::forms().registeredNames();
    ASSERT_GT(names.size(), 10u);
    ui::Form* main = ui::forms().mainWindow();
    ASSERT_TRUE(main);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        ui::Form& form = name == main->name() ? *main : open(name);
        if (!ui::forms().isLoaded(name) || !form.visible()) {
            notShown.push_back(name);
        } else {
            inspect(host(), form, cut, blank);
            if (QWidget* top = host().topLevelOf(form))
                top->grab().save(QString::fromStdString(screensFolder() + "/" + name + ".png"));
        }
        // Back to the main window alone for the next form.
        for (ui::Form* f : ui::forms().loaded())
            if (f != main) ui::runEvent([f] { f->Unload(); });
        host().sync();
        QtSession::settle();
        ASSERT_TRUE(ui::forms().mainWindow()) << "the main window stays";
    }
    auto list = [](const std::vector<std::string>& v) {
        std::string s;
        for (const std::string& line : v) s += "\n  " + line;
        return s;
    };
    EXPECT_TRUE(cut.empty()) << "words cut by their control:" << list(cut);
    EXPECT_TRUE(blank.empty()) << "graphical buttons that show nothing:" << list(blank);
    EXPECT_TRUE(notShown.empty()) << "forms that did not show:" << list(notShown);
    for (const std::string& name : names)
        EXPECT_TRUE(std::filesystem::exists(screensFolder() + "/" + name + ".png")) << name;
}

}  // namespace
