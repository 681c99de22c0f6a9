#include "platform/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeySequence>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "platform/qt/application.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/window_frame.h"
#include "platform/ui/controls.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"

namespace pelk::qt {

namespace {

constexpr const char* kWindowProperty = "pelkFormWindow";

void deliver(const std::function<void()>& fn) {
    if (QtHost* h = QtHost::current()) h->deliver(fn);
}

// The legacy pointer numbers the screens use, and a control's own picture (99). A picture of the
// screen's design has no file: its pointer is an arrow carrying a small framed face, so the clerk
// still sees that the control leads somewhere.
std::optional<QCursor> cursorFor(const ui::Control& c) {
    switch (c.mousePointer()) {
        case 0: return std::nullopt;
        case 1: return QCursor(Qt::ArrowCursor);
        case 2: return QCursor(Qt::CrossCursor);
        case 3: return QCursor(Qt::IBeamCursor);
        case 5: return QCursor(Qt::SizeAllCursor);
        case 6: return QCursor(Qt::SizeBDiagCursor);
        case 7: return QCursor(Qt::SizeVerCursor);
        case 8: return QCursor(Qt::SizeFDiagCursor);
        case 9: return QCursor(Qt::SizeHorCursor);
        case 10: return QCursor(Qt::UpArrowCursor);
        case 11: return QCursor(Qt::WaitCursor);
        case 12: return QCursor(Qt::ForbiddenCursor);
        case 13: return QCursor(Qt::BusyCursor);
        case 14: return QCursor(Qt::WhatsThisCursor);
        case 15: return QCursor(Qt::SizeAllCursor);
        case 99: break;
        default: return std::nullopt;
    }
    const ui::Picture& icon = c.mouseIcon();
    if (icon.empty()) return std::nullopt;
    if (!icon.isDesign()) {
        QPixmap pm = loadPixmap(icon);
        if (pm.isNull()) return std::nullopt;
        return QCursor(pm.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation), 0, 0);
    }
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF arrow[] = {{1, 1}, {1, 17}, {5, 13}, {8, 20}, {11, 19}, {8, 12}, {13, 12}};
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPolygon(arrow, 7);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 255, 225));
    p.drawRect(QRectF(14.5, 16.5, 16, 14));
    for (double y : {20.5, 24.5, 28.5}) p.drawLine(QPointF(16.5, y), QPointF(28.5, y));
    p.end();
    return QCursor(pm, 1, 1);
}

// Lightweight kinds are drawn under the windowed ones of the same container, as on the legacy
// runtime.
bool lightweight(ui::ControlKind k) {
    return k == ui::ControlKind::Label || k == ui::ControlKind::Image || k == ui::ControlKind::Line;
}

// The window of a form of its own, or the inside of a sub-window: the menu bar over the canvas.
class FormFrame : public QWidget {
public:
    using QWidget::QWidget;
    std::function<QSize()> hint;
    std::function<void()> closing;
    QSize sizeHint() const override { return hint ? hint() : QWidget::sizeHint(); }

protected:
    void closeEvent(QCloseEvent* e) override {
        // The form decides (Form_QueryUnload can refuse); its unloading closes the window.
        e->ignore();
        if (closing) closing();
    }
};

class SubWindow : public QMdiSubWindow {
public:
    using QMdiSubWindow::QMdiSubWindow;
    std::function<void()> closing;

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (closing) closing();
    }
};

class MainFrame : public QMainWindow {
public:
    using QMainWindow::QMainWindow;
    std::function<void()> closing;

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        if (closing) closing();
    }
};

}  // namespace

// ---- FormCanvas

FormCanvas::FormCanvas(ui::Form& form, QWidget* parent) : QWidget(parent), form_(&form) {
    setFocusPolicy(Qt::NoFocus);
    formChanged("");
    syncControls();
}

FormCanvas::~FormCanvas() { views_.clear(); }

void FormCanvas::detach() {
    form_ = nullptr;
    for (auto& v : views_) v->attachTo(nullptr);
}

ControlView* FormCanvas::viewOf(const ui::Control& control) const {
    auto it = slots_.find(&control);
    return it == slots_.end() ? nullptr : it->second.view;
}

bool FormCanvas::holds(const ui::Control& control) const {
    if (!form_ || !form_->isLoaded()) return false;
    const auto& all = form_->controls();
    return std::find(all.begin(), all.end(), &control) != all.end();
}

QSize FormCanvas::formSize() const {
    if (!form_) return size();
    return twips().toRect(0, 0, form_->width(), form_->height()).size();
}

void FormCanvas::syncControls() {
    if (!form_) return;
    const auto& controls = form_->controls();
    bool changed = false;
    for (auto it = slots_.begin(); it != slots_.end();) {
        auto* c = const_cast<ui::Control*>(it->first);
        bool same = std::find(controls.begin(), controls.end(), c) != controls.end() && c->kind() == it->second.kind &&
                    c->path() == it->second.path;
        if (same) {
            ++it;
            continue;
        }
        if (ControlView* v = it->second.view) {
            if (QWidget* w = v->widget()) {
                w->hide();
                w->deleteLater();
            }
            std::erase_if(views_, [v](const std::unique_ptr<ControlView>& p) { return p.get() == v; });
        }
        it = slots_.erase(it);
        changed = true;
    }
    for (ui::Control* c : controls) {
        if (c->kind() == ui::ControlKind::Menu || slots_.count(c)) continue;
        addView(*c);
        changed = true;
    }
    if (changed) restack();
}

QWidget* FormCanvas::containerWidget(const ui::Control& control) const {
    if (ui::Control* box = control.container()) {
        if (ControlView* v = viewOf(*box))
            if (v->widget()) return v->widget();
    }
    return const_cast<FormCanvas*>(this);
}

void FormCanvas::addView(ui::Control& control) {
    // A container is made before what it holds.
    if (ui::Control* box = control.container(); box && box != &control && !slots_.count(box)) addView(*box);
    if (slots_.count(&control)) return;
    std::unique_ptr<ControlView> view = renderControl(control, containerWidget(control));
    Slot slot{nullptr, control.path(), control.kind()};
    if (view && view->widget()) {
        view->attachTo(this);
        slot.view = view.get();
        views_.push_back(std::move(view));
    }
    slots_[&control] = slot;
    if (!slot.view) return;
    applyCommon(*slot.view, "");
    slot.view->update("");
    place(*slot.view);
}

void FormCanvas::restack() {
    // The form's stacking order, back to front, inside each container (raise() orders a widget
    // among its siblings); Qt draws and hit-tests children by that same order.
    if (!form_) return;
    for (int pass = 0; pass < 2; ++pass)
        for (ui::Control* c : form_->stackingOrder())
            if (ControlView* v = viewOf(*c); v && v->widget() && lightweight(c->kind()) == (pass == 0))
                v->widget()->raise();
}

void FormCanvas::place(ControlView& view) {
    QWidget* w = view.widget();
    if (!w || view.placesItself()) return;
    const ui::Control& c = view.control();
    QRect r = twips().toRect(c.left(), c.top(), c.width(), c.height());
    if (auto own = view.ownSize()) r.setSize(*own);
    r = view.reach(r);
    if (w->geometry() != r) w->setGeometry(r);
}

void FormCanvas::applyCommon(ControlView& view, std::string_view p) {
    QWidget* w = view.widget();
    if (!w) return;
    const ui::Control& c = view.control();
    bool all = p.empty();
    if (p == "Container") {
        QWidget* into = containerWidget(c);
        if (w->parentWidget() != into) {
            w->setParent(into);
            restack();
        }
    }
    if (all || p == "Left" || p == "Top" || p == "Width" || p == "Height" || p == "Container") place(view);
    if (all || p == "Visible" || p == "Container") w->setVisible(c.visible());
    if (all || p == "Enabled") w->setEnabled(c.enabled());
    if (all || p == "BackColor" || p == "ForeColor") {
        QPalette pal = w->palette();
        QColor back = toQColor(c.backColor()), fore = toQColor(c.foreColor());
        for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) pal.setColor(role, back);
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            pal.setColor(QPalette::Active, role, fore);
            pal.setColor(QPalette::Inactive, role, fore);
        }
        w->setPalette(pal);
        w->setAutoFillBackground(view.usesBackColor());
    }
    if (all || p == "Font") w->setFont(toQFont(c.font()));
    if (all || p == "ToolTipText") w->setToolTip(toQString(c.toolTipText()));
    if (all || p == "MousePointer" || p == "MouseIcon") {
        if (auto cursor = cursorFor(c))
            w->setCursor(*cursor);
        else
            w->unsetCursor();
    }
}

void FormCanvas::formChanged(std::string_view p) {
    if (!form_) return;
    bool all = p.empty();
    if (all || p == "BackColor") back_ = toQColor(form_->backColor());
    if (all || p == "Picture") picture_ = loadPixmap(form_->picture());
    if (all || p == "Enabled") setEnabled(form_->enabled());
    if (all || p == "ForeColor") {
        QPalette pal = palette();
        pal.setColor(QPalette::WindowText, toQColor(form_->foreColor()));
        setPalette(pal);
    }
    update();
}

void FormCanvas::controlChanged(ui::Control& control, std::string_view p) {
    if (!form_) return;
    ControlView* v = viewOf(control);
    if (!slots_.count(&control)) {
        // A control made at run time (a control array member loaded) shows from its first change.
        syncControls();
        return;
    }
    if (!v) return;
    if (p == "ZOrder") {
        restack();
        return;
    }
    applyCommon(*v, p);
    v->update(p);
    // A kind that sizes itself may have changed its size with any property.
    place(*v);
}

void FormCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
}

void FormCanvas::mousePressEvent(QMouseEvent* e) {
    // A press where no control is brings the form forward.
    ui::Form* f = form_;
    if (f)
        deliver([f] {
            ui::runEvent([f] {
                if (ui::input::takesInput(*f) && ui::forms().activeForm() != f) ui::forms().activate(*f, false);
            });
        });
    e->accept();
}

// ---- MenuBinder

MenuBinder::MenuBinder(ui::Form& form, QMenuBar* bar, std::function<QMenuBar*()> makeBar)
    : form_(std::make_shared<ui::Form*>(&form)), bar_(bar), makeBar_(std::move(makeBar)) {
    rebuild();
}

void MenuBinder::rebuild() {
    if (!*form_) return;
    if (!bar_ && makeBar_ && !(*form_)->menus().empty()) bar_ = makeBar_();
    if (!bar_) return;
    bar_->clear();
    actions_.clear();
    for (ui::Menu* top : (*form_)->menus()) add(*top, nullptr);
    bar_->setVisible(!actions_.empty());
}

void MenuBinder::add(ui::Menu& menu, QMenu* into) {
    QAction* action;
    if (!menu.items().empty()) {
        auto* sub = new QMenu(bar_);
        if (into)
            into->addMenu(sub);
        else
            bar_->addMenu(sub);
        action = sub->menuAction();
        actions_[&menu] = action;
        apply(menu, action);
        for (ui::Menu* item : menu.items()) add(*item, sub);
        return;
    }
    action = new QAction(bar_);
    if (into)
        into->addAction(action);
    else
        bar_->addAction(action);
    ui::Menu* m = &menu;
    QObject::connect(action, &QAction::triggered, action, [form = form_, m] {
        ui::Form* f = *form;
        if (!f || !f->isLoaded() || f->control(m->name(), m->index()) != m) return;
        deliver([m] { ui::input::click(*m); });
    });
    actions_[&menu] = action;
    apply(menu, action);
}

void MenuBinder::apply(ui::Menu& menu, QAction* action) {
    if (!action) return;
    bool separator = menu.caption() == "-";
    action->setSeparator(separator);
    action->setText(separator ? QString() : toQString(menu.caption()));
    action->setEnabled(menu.enabled());
    action->setVisible(menu.visible());
    action->setCheckable(menu.checked());
    action->setChecked(menu.checked());
    if (menu.items().empty()) action->setShortcut(QKeySequence::fromString(toQString(menu.shortcut())));
}

void MenuBinder::menuChanged(ui::Menu& menu, std::string_view) {
    auto it = actions_.find(&menu);
    if (it == actions_.end() || !it->second) {
        rebuild();
        return;
    }
    // An item that gained or lost sub-items changes the bar's shape.
    bool hasMenu = it->second->menu() != nullptr;
    if (hasMenu != !menu.items().empty()) {
        rebuild();
        return;
    }
    apply(menu, it->second);
}

QAction* MenuBinder::actionOf(const ui::Menu& menu) const {
    auto it = actions_.find(&menu);
    return it == actions_.end() ? nullptr : it->second.data();
}

// ---- FormWindow

FormWindow* formWindowOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        QVariant v = w->property(kWindowProperty);
        if (v.isValid()) return reinterpret_cast<FormWindow*>(v.value<quintptr>());
        // A dialog over a form is no part of it.
        if (w->isWindow()) break;
    }
    return nullptr;
}

FormWindow::FormWindow(ui::Form& form, Kind kind, bool modal, QMdiArea* area)
    : form_(&form), self_(std::make_shared<FormWindow*>(this)), kind_(kind), modal_(modal) {
    lookReady();
    auto mark = [this](QWidget* w) { w->setProperty(kWindowProperty, QVariant::fromValue(quintptr(this))); };
    auto close = [self = self_] {
        if (FormWindow* w = *self; w && w->onClose) w->onClose();
    };
    if (kind_ == Kind::Main) {
        auto* main = new MainFrame();
        main->closing = close;
        area_ = new QMdiArea(main);
        area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        main->setCentralWidget(area_);
        bar_ = main->menuBar();
        window_ = main;
        mark(main);
        QObject::connect(area_, &QMdiArea::subWindowActivated, area_, [](QMdiSubWindow* sub) {
            // The user brought a child forward (its title bar): the program hears of it.
            if (!sub || QApplication::mouseButtons() == Qt::NoButton) return;
            FormWindow* w = formWindowOf(sub->widget());
            ui::Form* f = w ? w->form() : nullptr;
            if (f)
                deliver([f] {
                    ui::runEvent([f] {
                        if (ui::input::takesInput(*f) && ui::forms().activeForm() != f) ui::forms().activate(*f, false);
                    });
                });
        });
    } else {
        auto* frame = new FormFrame();
        frame->hint = [self = self_] {
            FormWindow* w = *self;
            return w ? w->outerSize() : QSize();
        };
        frame->closing = close;
        frame_ = frame;
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        canvas_ = new FormCanvas(form, frame);
        layout->addWidget(canvas_);
        mark(frame);
        if (kind_ == Kind::MdiChild && area) {
            area_ = area;
            auto* sub = new SubWindow();
            sub->closing = close;
            sub->setWidget(frame);
            sub->setAttribute(Qt::WA_DeleteOnClose, false);
            area->addSubWindow(sub);
            sub_ = sub;
            window_ = sub;
            mark(sub);
        } else {
            kind_ = Kind::Own;
            window_ = frame;
        }
    }
    // Most forms have no menu: their bar is made only once they have one.
    std::function<QMenuBar*()> makeBar;
    if (frame_)
        makeBar = [this] {
            auto* bar = new QMenuBar(frame_);
            bar->setNativeMenuBar(false);
            static_cast<QVBoxLayout*>(frame_->layout())->setMenuBar(bar);
            bar_ = bar;
            return bar;
        };
    menus_ = std::make_unique<MenuBinder>(form, bar_, std::move(makeBar));
    if (kind_ == Kind::Main) area_->setBackground(toQColor(form.backColor()));
    applyTitle();
    form.addListener(this);
}

FormWindow::~FormWindow() {
    detach();
    *self_ = nullptr;
    menus_.reset();
    // Its widgets may be inside the event that unloaded the form; they go when it has returned.
    if (!window_) return;
    if (QtHost* host = QtHost::current())
        host->disposeLater(window_);
    else
        window_->deleteLater();
}

void FormWindow::detach() {
    if (!form_) return;
    form_->removeListener(this);
    form_ = nullptr;
    if (menus_) menus_->detach();
    if (canvas_) canvas_->detach();
    for (QWidget* w : {window_.data(), frame_.data()})
        if (w) w->setProperty(kWindowProperty, QVariant());
    if (window_) window_->hide();
}

QSize FormWindow::outerSize() const {
    QSize s = clientSize();
    if (DrawnFrame* frame = kind_ == Kind::Own ? DrawnFrame::of(window_) : nullptr) s = s.grownBy(frame->margins());
    return s;
}

bool FormWindow::closableByUser() const {
    if (!form_ || !window_) return false;
    if (kind_ == Kind::Own) {
        DrawnFrame* frame = DrawnFrame::of(window_);
        return frame && frame->hasTitleBar() && frame->closable();
    }
    return form_->controlBox() && (kind_ == Kind::Main || form_->borderStyle() != 0);
}

QRect FormWindow::screenArea(bool whole) const {
    QScreen* screen = window_ && window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {};
    return whole ? screen->geometry() : screen->availableGeometry();
}

QSize FormWindow::clientSize() const {
    QSize s = canvas_ ? canvas_->formSize() : QSize();
    if (!canvas_ && form_) s = twips().toRect(0, 0, form_->width(), form_->height()).size();
    if (bar_ && bar_->isVisibleTo(window_)) s.rheight() += bar_->sizeHint().height();
    return s;
}

void FormWindow::applyTitle() {
    if (!form_ || !window_) return;
    window_->setWindowTitle(toQString(form_->caption()));
    // The program's own icon unless the form has one of its own.
    QPixmap icon = loadPixmap(form_->icon());
    window_->setWindowIcon(icon.isNull() ? programIcon() : QIcon(icon));
}

bool FormWindow::applyFrame() {
    if (!form_ || !window_) return false;
    int style = form_->borderStyle();
    bool box = form_->controlBox();
    bool noTitle = style == 0 || (form_->caption().empty() && !box &&
                                  (style == 3 || style == 4 || (!form_->minButton() && !form_->maxButton())));
    bool sizable = style == 2 || style == 5;
    Qt::WindowFlags flags;
    if (kind_ == Kind::MdiChild) {
        flags = Qt::SubWindow;
    } else if (kind_ == Kind::Main) {
        flags = Qt::Window;
    } else if (modal_ || style == 3) {
        flags = Qt::Dialog;
    } else if (style == 4 || style == 5) {
        flags = Qt::Tool;
    } else {
        flags = Qt::Window;
    }
    if (kind_ == Kind::Own) {
        // Its frame, where it has one, is drawn inside it (window_frame.h).
        flags |= Qt::FramelessWindowHint;
    } else if (style == 0 && kind_ != Kind::Main) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint;
        if (!noTitle) flags |= Qt::WindowTitleHint;
        if (!noTitle && box) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (!noTitle && box && (style == 1 || style == 2 || kind_ == Kind::Main)) {
            if (form_->minButton()) flags |= Qt::WindowMinimizeButtonHint;
            if (form_->maxButton()) flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    // Qt adds hints of its own to a window's flags: the ones given last are what is compared.
    bool changed = !flagsSet_ || flags != flags_;
    if (changed) {
        window_->setWindowFlags(flags);
        flags_ = flags;
        flagsSet_ = true;
    }
    if (kind_ == Kind::Own) {
        if (style == 0)
            DrawnFrame::remove(window_);
        else
            DrawnFrame::decorate(window_, !noTitle, !noTitle && box);
    }
    bool maximised = form_->windowState() == ui::kMaximized;
    QSize fixed = kind_ == Kind::MdiChild ? sub_->sizeHint() : outerSize();
    if (!sizable && !maximised && kind_ != Kind::Main) {
        window_->setFixedSize(fixed);
    } else {
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    return changed;
}

void FormWindow::applyGeometry() {
    if (!form_ || !window_) return;
    // A window is placed here, not left to a window manager: a station's display may run none,
    // and then nobody else maximises or places a window. With one, it comes to the same.
    if (kind_ != Kind::MdiChild && form_->windowState() == ui::kMaximized) {
        // A borderless maximised window covers the whole screen, the others its available area.
        QRect area = screenArea(kind_ == Kind::Own && form_->borderStyle() == 0);
        if (area.isValid() && window_->geometry() != area) window_->setGeometry(area);
        return;
    }
    // A maximised child gets its normal place too (where it goes back to).
    if (form_->windowState() != ui::kNormal && window_->isVisible()) return;
    QPoint at(twips().toPixels(form_->left()), twips().toPixels(form_->top()));
    if (kind_ == Kind::MdiChild && sub_) {
        QSize size = sub_->sizeHint();
        sub_->resize(size);
        // A child that would stick out of the main window's area moves in (as far as it fits), so
        // no part of it is lost and the area shows no scroll bar; one never placed is centred.
        QSize room;
        if (area_ && area_->isVisible()) {
            // The area takes its size from the main window's layout, which may not have run yet.
            if (QLayout* layout = area_->window()->layout()) layout->activate();
            room = area_->viewport()->size();
        }
        if (room.isValid()) {
            if (!form_->placed()) at = QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2);
            at.setX(std::max(0, std::min(at.x(), room.width() - size.width())));
            at.setY(std::max(0, std::min(at.y(), room.height() - size.height())));
        }
        sub_->move(at);
        return;
    }
    QSize size = outerSize();
    window_->resize(size);
    // A window never placed by its form is centred, where a window system puts a new window; a
    // window larger than the screen starts at its edge, so its left or top part is not lost off
    // the screen (the log-in screen is a little wider than a 1024-pixel display).
    QRect screen = screenArea(true);
    if (screen.isValid()) {
        if (!form_->placed()) at = screen.center() - QPoint(size.width() / 2, size.height() / 2);
        if (size.width() > screen.width()) at.setX(screen.left());
        if (size.height() > screen.height()) at.setY(screen.top());
    }
    window_->move(at);
}

void FormWindow::show() {
    if (!form_ || !window_) return;
    applyFrame();
    applyGeometry();
    if (kind_ == Kind::Own && !window_->isVisible())
        window_->setWindowModality(modal_ ? Qt::ApplicationModal : Qt::NonModal);
    // The inside of a sub-window shows with it; an own window is its frame, shown in its state.
    if (frame_ && frame_ != window_) frame_->show();
    switch (form_->windowState()) {
        case ui::kMaximized:
            if (kind_ == Kind::Own && form_->borderStyle() == 0)
                window_->showFullScreen();
            else
                window_->showMaximized();
            break;
        case ui::kMinimized:
            window_->showMinimized();
            break;
        default:
            window_->showNormal();
            break;
    }
    window_->raise();
}

void FormWindow::hide() {
    if (window_) window_->hide();
}

void FormWindow::focus(bool activate) {
    if (!form_ || !window_ || !window_->isVisible()) return;
    if (!activate) {
        // Nothing to bring forward: only the focus inside the window follows the program.
    } else if (kind_ == Kind::MdiChild && area_ && sub_) {
        if (area_->activeSubWindow() != sub_) area_->setActiveSubWindow(sub_);
        if (QWidget* main = area_->window(); main && !main->isActiveWindow()) main->activateWindow();
    } else if (!window_->isActiveWindow()) {
        window_->raise();
        window_->activateWindow();
    }
    if (!canvas_) return;
    ui::Control* c = form_->activeControl();
    ControlView* v = c ? canvas_->viewOf(*c) : nullptr;
    QWidget* target = v && v->focusWidget() && v->focusWidget()->isVisible() ? v->focusWidget() : canvas_.data();
    // A window that is not active keeps it as the widget to focus when it becomes active.
    if (target->window()->focusWidget() != target) target->setFocus(Qt::OtherFocusReason);
}

void FormWindow::formChanged(ui::Form&, std::string_view p) {
    if (!form_) return;
    if (p == "Caption" || p == "Icon") applyTitle();
    if (p == "Caption" || p == "BorderStyle" || p == "ControlBox" || p == "MinButton" || p == "MaxButton") {
        bool visible = window_ && window_->isVisible();
        // Changing a window's flags hides it.
        if (applyFrame() && visible) show();
        return;
    }
    if (p == "WindowState") {
        if (window_ && window_->isVisible()) show();
        return;
    }
    if (p == "Left" || p == "Top" || p == "Width" || p == "Height") {
        if (p == "Width" || p == "Height") applyFrame();
        applyGeometry();
    }
    if (kind_ == Kind::Main) {
        if ((p.empty() || p == "BackColor") && area_) area_->setBackground(toQColor(form_->backColor()));
        return;
    }
    if (canvas_) canvas_->formChanged(p);
}

void FormWindow::controlChanged(ui::Control& control, std::string_view p) {
    if (!form_) return;
    if (control.kind() == ui::ControlKind::Timer) {
        if (QtHost* h = QtHost::current(); h && (p == "Enabled" || p == "Interval")) h->timersChanged();
        return;
    }
    if (control.kind() == ui::ControlKind::Menu) {
        if (menus_) {
            menus_->menuChanged(static_cast<ui::Menu&>(control), p);
            if (kind_ != Kind::Main && bar_) bar_->setVisible(!menus_->empty());
        }
        return;
    }
    if (canvas_) canvas_->controlChanged(control, p);
}

}  // namespace pelk::qt
