// Every registered form shown in turn on a 1024 x 768 screen, as a clerk would see it: the whole
// window on the screen, no caption cut by its control in the font drawn, no graphical button blank,
// rows, days and buttons a fingertip can hit, a screenshot of each.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <filesystem>
#include <set>
#include <sstream>

#include "platform/qt/dialogs.h"
#include "platform/qt/form_window.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_session.h"
#include "platform/ui/controls.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "reports/frmRepAccPayable.h"
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
    "frmInfor.cmdKB",       // a white picture button with no words
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

// The rows of a list as drawn: every row it holds, or, for a list that holds none, what its rows
// would take.
std::vector<int> rowHeights(const QAbstractItemView& view) {
    std::vector<int> heights;
    const QAbstractItemModel* model = view.model();
    for (int r = 0; model && r < model->rowCount(); ++r)
        heights.push_back(view.visualRect(model->index(r, 0)).height());
    if (heights.empty()) {
        QStyleOptionViewItem option;
        option.initFrom(&view);
        heights.push_back(view.itemDelegate()->sizeHint(option, QModelIndex()).height());
    }
    return heights;
}

// Rows, days and boxes of a shown control that a fingertip cannot hit, as "what: n px" lines.
void measureTargets(const ui::Control& c, QWidget* w, const std::string& name, std::vector<std::string>& small) {
    auto tooSmall = [&](const std::string& what, int pixels, int least) {
        if (pixels < least) small.push_back(name + " " + what + ": " + std::to_string(pixels) + " px");
    };
    switch (c.kind()) {
        case ui::ControlKind::ListBox:
        case ui::ControlKind::FileListBox:
            if (auto* list = qobject_cast<QListWidget*>(w))
                for (int h : rowHeights(*list)) tooSmall("row", h, qt::kTouchTarget);
            break;
        case ui::ControlKind::ComboBox:
            if (auto* box = qobject_cast<QComboBox*>(w)) {
                // The rows as the opened list draws them.
                box->showPopup();
                QtSession::settle();
                for (int h : rowHeights(*box->view())) tooSmall("drop-down row", h, qt::kTouchTarget);
                box->hidePopup();
            }
            break;
        case ui::ControlKind::Calendar:
            if (auto* days = w->findChild<QTableView*>("qt_calendar_calendarview"))
                for (int r = 0; r < days->model()->rowCount(); ++r)
                    tooSmall("day row", days->rowHeight(r), qt::kTouchTarget);
            break;
        case ui::ControlKind::DBGrid:
        case ui::ControlKind::FlexGrid:
            if (auto* table = qobject_cast<QTableView*>(w)) {
                tooSmall("grid row", table->verticalHeader()->defaultSectionSize(), qt::kGridRowHeight);
                for (int r = 0; r < table->model()->rowCount(); ++r)
                    tooSmall("grid row", table->rowHeight(r), qt::kGridRowHeight);
            }
            break;
        case ui::ControlKind::CheckBox:
        case ui::ControlKind::OptionButton:
            tooSmall("box", std::min(w->width(), w->height()), qt::kTouchIndicator);
            break;
        default:
            break;
    }
}

// A control the platform draws larger than its design (a calendar or a check box grown for a
// fingertip) must not lie over its neighbours: the visible sibling it overlaps, or nullptr.
const QWidget* grownOver(const ui::Control& c, const QWidget* w) {
    auto k = c.kind();
    if (k != ui::ControlKind::Calendar && k != ui::ControlKind::CheckBox && k != ui::ControlKind::OptionButton)
        return nullptr;
    QRect designed = qt::twips().toRect(c.left(), c.top(), c.width(), c.height());
    if (w->geometry() == designed || !w->parentWidget()) return nullptr;
    QRegion grown = QRegion(w->geometry()) - designed;
    for (const QObject* o : w->parentWidget()->children()) {
        auto* sibling = qobject_cast<const QWidget*>(o);
        if (!sibling || sibling == w || !sibling->isVisible()) continue;
        for (const QRect& part : grown) {
            QRect overlap = part.intersected(sibling->geometry());
            if (overlap.width() > 2 && overlap.height() > 2) return sibling;
        }
    }
    return nullptr;
}

// Whether the form's window lies whole on the screen, and a child whole in the main window's area
// (which then shows no scroll bar): what does not, as a line.
std::string offScreen(qt::QtHost& host, ui::Form& form) {
    qt::FormWindow* window = host.windowOf(form);
    if (!window || !window->window()) return {};
    QWidget* top = window->window();
    std::ostringstream line;
    if (window->kind() == qt::FormWindow::Kind::MdiChild) {
        QMdiArea* area = window->mdiArea();
        QRect inside = area->viewport()->rect();
        bool bars = area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible();
        if (!inside.contains(top->geometry()) || bars)
            line << form.name() << ": " << top->width() << " x " << top->height() << " at " << top->x() << ", "
                 << top->y() << " in an area of " << inside.width() << " x " << inside.height()
                 << (bars ? ", which scrolls" : "");
        return line.str();
    }
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    QRect frame = top->frameGeometry();
    if (!screen.contains(frame))
        line << form.name() << ": " << frame.width() << " x " << frame.height() << " at " << frame.x() << ", "
             << frame.y() << " on a screen of " << screen.width() << " x " << screen.height();
    return line.str();
}

// What a clerk would find wrong with the shown form: cut words, blank graphical buttons, targets too
// small for a finger.
void inspect(qt::QtHost& host, ui::Form& form, std::vector<std::string>& cut, std::vector<std::string>& blank,
             std::vector<std::string>& small) {
    qt::FormWindow* window = host.windowOf(form);
    if (!window || !window->canvas()) return;
    for (ui::Control* c : form.controls()) {
        qt::ControlView* view = window->canvas()->viewOf(*c);
        QWidget* w = view ? view->widget() : nullptr;
        if (!w || !w->isVisible()) continue;
        std::string name = controlName(*c);
        measureTargets(*c, w, name, small);
        if (const QWidget* over = grownOver(*c, w))
            cut.push_back(name + ": grown over " + coveredName(window, form, over));
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

// The whole screen as the clerk sees the form: a child in the main window with its scroll bars, a
// window of its own where it lies over the main window.
QImage screenAsSeen(qt::QtHost& host, ui::Form& form) {
    QImage shot(QGuiApplication::primaryScreen()->geometry().size(), QImage::Format_RGB32);
    shot.fill(qt::systemColor(1));
    QPainter painter(&shot);
    QWidget* main = host.mainWindow();
    if (main && main->isVisible()) painter.drawPixmap(main->geometry().topLeft(), main->grab());
    QWidget* top = host.topLevelOf(form);
    if (top && top->isWindow() && top != main) painter.drawPixmap(top->geometry().topLeft(), top->grab());
    return shot;
}

class ScreenWalk : public Station {};

TEST_F(ScreenWalk, EveryFormShowsWholeOnA1024By768Screen) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->geometry().size(), QSize(1024, 768));
    logIn();
    std::filesystem::create_directories(screensFolder());
    std::vector<std::string> cut, blank, notShown, small, outside;
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
            inspect(host(), form, cut, blank, small);
            if (std::string line = offScreen(host(), form); !line.empty()) outside.push_back(line);
            screenAsSeen(host(), form).save(QString::fromStdString(screensFolder() + "/" + name + ".png"));
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
    EXPECT_TRUE(outside.empty()) << "forms that do not fit a 1024 x 768 screen:" << list(outside);
    EXPECT_TRUE(small.empty()) << "targets too small for a finger (rows, days and buttons " << qt::kTouchTarget
                               << " px, grid rows " << qt::kGridRowHeight << ", boxes " << qt::kTouchIndicator
                               << "):" << list(small);
    for (const std::string& name : names)
        EXPECT_TRUE(std::filesystem::exists(screensFolder() + "/" + name + ".png")) << name;
}

// The buttons of a message box and of an input box, which the platform draws, take a fingertip.
TEST_F(ScreenWalk, MessageAndInputBoxButtonsTakeAFingertip) {
    std::filesystem::create_directories(screensFolder());
    std::vector<std::string> small;
    auto measure = [&](const std::string& shot) {
        return [&small, shot](QWidget* box) {
            QtSession::settle();
            box->grab().save(QString::fromStdString(screensFolder() + "/" + shot + ".png"));
            QPushButton* first = nullptr;
            for (QPushButton* b : box->findChildren<QPushButton*>()) {
                if (!b->isVisible()) continue;
                if (b->height() < qt::kTouchTarget)
                    small.push_back(shot + " " + b->text().toStdString() + ": " + std::to_string(b->height()) + " px");
                if (!first) first = b;
            }
            ASSERT_TRUE(first) << shot << " has buttons";
            first->click();
        };
    };
    QtSession::whenModal(measure("message_box"));
    qt::showMessageBox(nullptr, {"Delete this row?", ui::kYesNoCancel | ui::kQuestion, "Pelk POS 4"});
    QtSession::whenModal(measure("input_box"));
    qt::showInputBox(nullptr, {"Enter the amount", "Pelk POS 4", ""});
    EXPECT_TRUE(small.empty()) << [&] {
        std::string s;
        for (const std::string& line : small) s += "\n  " + line;
        return s;
    }();
}

// The expense screen's marker beside the chosen category is a hand as large as its picture, not a
// speck on a grey square.
TEST_F(ScreenWalk, TheExpenseScreensMarkerIsAHandToSee) {
    logIn();
    auto& expenses = static_cast<reports::frmRepAccPayable&>(open("frmRepAccPayable"));
    ui::input::click(expenses.Label2);
    host().sync();
    QtSession::settle();
    ASSERT_TRUE(expenses.ImgOn.visible());
    QWidget* marker = host().widgetOf(expenses.ImgOn);
    ASSERT_TRUE(marker && marker->isVisible());
    QImage drawn = marker->grab().toImage();
    QColor face = qt::toQColor(expenses.backColor());
    int inked = drawn.width() * drawn.height() - countColour(drawn, face, 40);
    EXPECT_GT(inked, drawn.width() * drawn.height() / 8) << "the hand fills its picture";
    std::filesystem::create_directories(screensFolder());
    host().mainWindow()->grab().save(QString::fromStdString(screensFolder() + "/frmRepAccPayable_marked.png"));
}

}  // namespace
