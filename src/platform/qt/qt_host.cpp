#include "platform/qt/qt_host.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <thread>
#include <utility>

#include "platform/core/clock.h"
#include "platform/core/text.h"
#include "platform/qt/control_view.h"
#include "platform/qt/dialogs.h"
#include "platform/qt/form_window.h"
#include "platform/ui/controls.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"
#include "platform/ui/timers.h"

namespace pelk::qt {

namespace {

QtHost*& installed() {
    static QtHost* h = nullptr;
    return h;
}

Twips& screenTwips() {
    static Twips t;
    return t;
}

// The timers of the loaded forms, hidden ones included: they tick while their form is loaded.
template <class F>
void eachTimer(F&& f) {
    for (ui::Form* form : ui::forms().loaded())
        for (ui::Control* c : form->controls())
            if (c->kind() == ui::ControlKind::Timer) f(*static_cast<ui::Timer*>(c));
}

// The longest the host sleeps between two looks at the timers (a timer enabled on a hidden form
// tells no window).
constexpr int kTimerPollMs = 100;

// Editing keys that type no character: the caret, Delete, moving through a list or a grid, and
// Ctrl+A (Key_A here), which chooses the whole text of a box.
void editKey(ui::Form& form, int key, bool shift) {
    if (!ui::input::takesInput(form)) return;
    ui::Control* c = form.activeControl();
    if (!c || !c->canFocus()) return;
    if (c->kind() == ui::ControlKind::DBGrid) {
        // Up and Down move through the rows, Left and Right through the cells of the row; Delete
        // deletes the current row where the grid allows.
        auto& grid = static_cast<ui::DBGrid&>(*c);
        if (key == Qt::Key_Delete) {
            grid.userDeleteRow();
        } else if ((key == Qt::Key_Up || key == Qt::Key_Down) && grid.row() >= 0) {
            int row = grid.row() + (key == Qt::Key_Up ? -1 : 1);
            if (row >= 0 && row < grid.rows()) ui::input::select(grid, row, grid.col());
        } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
            int col = grid.col() + (key == Qt::Key_Left ? -1 : 1);
            if (col >= 0 && col < grid.cols()) grid.setCol(col);
        }
        return;
    }
    if (c->kind() == ui::ControlKind::ListBox || c->kind() == ui::ControlKind::ComboBox ||
        c->kind() == ui::ControlKind::FileListBox) {
        auto& list = static_cast<ui::ListControl&>(*c);
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            int row = list.listIndex() + (key == Qt::Key_Up ? -1 : 1);
            if (row >= 0 && row < list.listCount()) ui::input::select(list, row);
            return;
        }
    }
    if (c->kind() == ui::ControlKind::TextBox || c->kind() == ui::ControlKind::RichTextBox) {
        auto& box = static_cast<ui::TextBox&>(*c);
        int n = static_cast<int>(core::text::len(box.text()));
        int start = box.selStart(), length = box.selLength();
        switch (key) {
            case Qt::Key_Delete:
                if (box.locked()) return;
                if (length == 0) {
                    if (start >= n) return;
                    box.setSelLength(1);
                }
                box.setSelText("");
                return;
            case Qt::Key_Left:
                if (shift) {
                    if (start > 0) {
                        box.setSelStart(start - 1);
                        box.setSelLength(length + 1);
                    }
                } else {
                    box.setSelStart(length > 0 ? start : std::max(0, start - 1));
                }
                return;
            case Qt::Key_Right:
                if (shift) {
                    box.setSelLength(std::min(n - start, length + 1));
                } else {
                    box.setSelStart(length > 0 ? start + length : std::min(n, start + 1));
                }
                return;
            case Qt::Key_Home:
                box.setSelStart(0);
                if (shift) box.setSelLength(start + length);
                return;
            case Qt::Key_End:
                if (shift) {
                    box.setSelLength(n - start);
                } else {
                    box.setSelStart(n);
                }
                return;
            case Qt::Key_A:
                box.setSelStart(0);
                box.setSelLength(n);
                return;
            default:
                return;
        }
    }
    if (c->kind() == ui::ControlKind::ComboBox) {
        auto& combo = static_cast<ui::ComboBox&>(*c);
        if (combo.style() == 2 || combo.locked()) return;
        int n = static_cast<int>(core::text::len(combo.text()));
        int start = combo.selStart();
        switch (key) {
            case Qt::Key_Delete:
                if (start < n) {
                    std::string t = core::text::left(combo.text(), static_cast<std::size_t>(start)) +
                                    core::text::mid(combo.text(), static_cast<std::size_t>(start) + 2);
                    combo.setText(t);
                    combo.setSelStart(start);
                }
                return;
            case Qt::Key_Left:
                combo.setSelStart(std::max(0, start - 1));
                return;
            case Qt::Key_Right:
                combo.setSelStart(std::min(n, start + 1));
                return;
            case Qt::Key_Home:
                combo.setSelStart(0);
                return;
            case Qt::Key_End:
                combo.setSelStart(n);
                return;
            case Qt::Key_A:
                combo.setSelStart(0);
                combo.setSelLength(n);
                return;
            default:
                return;
        }
    }
}

}  // namespace

const Twips& twips() { return screenTwips(); }
void setTwips(const Twips& t) { screenTwips() = t; }

QtHost* QtHost::current() { return installed(); }

QtHost::QtHost() {
    installed() = this;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        setTwips(Twips::forDpi(screen->logicalDotsPerInchX()));
        QRect g = screen->geometry();
        ui::screen().setSize(twips().toTwips(g.width()), twips().toTwips(g.height()));
    }
    ui::screen().onChange([] {
        static bool waiting = false;
        bool hourglass = ui::screen().mousePointer() == ui::kHourglass;
        if (hourglass == waiting) return;
        waiting = hourglass;
        if (hourglass)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    qApp->installEventFilter(this);
    QApplication::setQuitOnLastWindowClosed(false);
    timers_.setSingleShot(true);
    connect(&timers_, &QTimer::timeout, this, [this] { tickTimers(); });
    realTime_.start();
    scheduleTimers();
}

QtHost::~QtHost() {
    qApp->removeEventFilter(this);
    timers_.stop();
    ui::screen().setMousePointer(ui::kDefaultPointer);
    ui::screen().onChange(nullptr);
    unbuilt_.clear();
    for (auto& [form, window] : windows_) window->detach();
    windows_.clear();
    for (QPointer<QWidget>& w : disposed_)
        if (w) w->deleteLater();
    if (installed() == this) installed() = nullptr;
}

// ---- Windows

FormWindow* QtHost::findWindow(const ui::Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

FormWindow* QtHost::windowOf(const ui::Form& form) const {
    // Whoever asks for a window gets the one the user is about to see.
    if (!unbuilt_.empty()) const_cast<QtHost*>(this)->buildShown();
    return findWindow(form);
}

void QtHost::buildShown() {
    while (!unbuilt_.empty()) {
        ui::Form* f = unbuilt_.front();
        unbuilt_.erase(unbuilt_.begin());
        if (f->isLoaded() && f->visible()) windowFor(*f, false).show();
    }
}

QWidget* QtHost::topLevelOf(const ui::Form& form) const {
    FormWindow* w = windowOf(form);
    return w ? w->window() : nullptr;
}

QWidget* QtHost::canvasOf(const ui::Form& form) const {
    FormWindow* w = windowOf(form);
    if (!w) return nullptr;
    return w->canvas() ? static_cast<QWidget*>(w->canvas()) : w->mdiArea();
}

QWidget* QtHost::widgetOf(const ui::Control& control) const {
    FormWindow* w = windowOf(control.form());
    ControlView* v = w && w->canvas() ? w->canvas()->viewOf(control) : nullptr;
    return v ? v->widget() : nullptr;
}

QAction* QtHost::actionOf(const ui::Menu& menu) const {
    FormWindow* w = windowOf(menu.form());
    return w ? w->actionOf(menu) : nullptr;
}

QMainWindow* QtHost::mainWindow() const {
    ui::Form* main = ui::forms().mainWindow();
    FormWindow* w = main ? windowOf(*main) : nullptr;
    return w ? qobject_cast<QMainWindow*>(w->window()) : nullptr;
}

FormWindow& QtHost::windowFor(ui::Form& form, bool modal) {
    using Kind = FormWindow::Kind;
    QMdiArea* area = nullptr;
    Kind kind = Kind::Own;
    if (form.isMdiForm()) {
        kind = Kind::Main;
    } else if (form.mdiChild() && !modal) {
        // A child lives in the main window's area. While the main window is loaded but not shown
        // (the log-in, a first start's set-up) that area is on no screen: a child shown then has
        // a window of its own, in front, which it keeps until it closes or hides.
        FormWindow* own = findWindow(form);
        bool keepOwn = own && own->kind() == Kind::Own && !own->modal() && own->window() && own->window()->isVisible();
        ui::Form* main = ui::forms().mainWindow();
        if (main && main->visible() && !keepOwn) {
            area = windowFor(*main, false).mdiArea();
            if (area) kind = Kind::MdiChild;
        }
    }
    if (FormWindow* w = findWindow(form)) {
        bool same = w->kind() == kind && w->modal() == modal && (kind != Kind::MdiChild || w->mdiArea() == area) &&
                    w->window() != nullptr;
        if (same) return *w;
        destroyWindow(form);
    }
    auto made = std::make_unique<FormWindow>(form, kind, modal, area);
    ui::Form* f = &form;
    made->onClose = [this, f] { deliver([f] { ui::input::closeWindow(*f); }); };
    FormWindow& w = *made;
    windows_[&form] = std::move(made);
    return w;
}

FormWindow* QtHost::windowOfWidget(QWidget* w) const {
    FormWindow* fw = formWindowOf(w);
    if (!fw || !fw->form()) return nullptr;
    // The window must still be one of ours (a property survives on a widget being deleted).
    for (const auto& [form, window] : windows_)
        if (window.get() == fw) return fw;
    return nullptr;
}

void QtHost::destroyWindow(const ui::Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    std::unique_ptr<FormWindow> gone = std::move(it->second);
    windows_.erase(it);
    gone->detach();
}

QtHost::Busy::Busy(QtHost& host) : host_(host) { ++host_.busy_; }

QtHost::Busy::~Busy() {
    if (--host_.busy_ > 0) return;
    // Deleted when the event being delivered now has returned to the main loop.
    for (QPointer<QWidget>& w : std::exchange(host_.disposed_, {}))
        if (w) w->deleteLater();
}

void QtHost::disposeLater(QWidget* window) {
    if (!window) return;
    window->hide();
    if (busy_ == 0) {
        window->deleteLater();
        return;
    }
    disposed_.emplace_back(window);
}

// ---- Host

void QtHost::showForm(ui::Form& form, bool modal) {
    // A new window is built when the program gives the screen back (or when it is asked for),
    // so that a form shown and unloaded within one event, a splash under the start-up, builds
    // none: nothing could paint it before then.
    if (!modal && !findWindow(form)) {
        if (std::find(unbuilt_.begin(), unbuilt_.end(), &form) == unbuilt_.end()) unbuilt_.push_back(&form);
    } else {
        buildShown();
        windowFor(form, modal).show();
    }
    requestSync();
    scheduleTimers();
}

void QtHost::hideForm(ui::Form& form) {
    std::erase(unbuilt_, &form);
    if (FormWindow* w = findWindow(form)) w->hide();
    quitLoopsOf(&form);
    requestSync();
}

void QtHost::formUnloaded(ui::Form& form) {
    std::erase(unbuilt_, &form);
    destroyWindow(form);
    quitLoopsOf(&form);
    requestSync();
    QMetaObject::invokeMethod(
        this, [this] { checkEnded(); }, Qt::QueuedConnection);
}

void QtHost::runModal(ui::Form& form) {
    if (!form.isLoaded() || !form.visible() || ui::programEnded()) return;
    Busy busy(*this);
    QEventLoop loop;
    waits_.push_back(Wait{&form, &loop});
    sync();
    loop.exec();
    std::erase_if(waits_, [&](const Wait& w) { return w.loop == &loop; });
    // End stops the code that showed the form, too.
    if (endCalled_) throw ui::ProgramEnded();
}

void QtHost::quitLoopsOf(const ui::Form* form) {
    for (const Wait& w : waits_)
        if (!form || w.form == form) w.loop->quit();
}

QWidget* QtHost::dialogParent() const {
    ui::Form* f = ui::forms().activeForm();
    QWidget* w = f ? topLevelOf(*f) : nullptr;
    return w && w->isVisible() ? w->window() : nullptr;
}

ui::MsgBoxResult QtHost::msgBox(const ui::MessageBoxRequest& box) {
    Busy busy(*this);
    ui::MsgBoxResult r = showMessageBox(dialogParent(), box);
    if (endCalled_) throw ui::ProgramEnded();
    return r;
}

std::optional<std::string> QtHost::inputBox(const ui::InputBoxRequest& box) {
    Busy busy(*this);
    auto r = showInputBox(dialogParent(), box);
    if (endCalled_) throw ui::ProgramEnded();
    return r;
}

void QtHost::beep() { QApplication::beep(); }

bool QtHost::printerDialog(const ui::PrinterDialogRequest& dialog) {
    Busy busy(*this);
    bool chosen = showPrinterSetup(dialogParent(), dialog.title);
    if (endCalled_) throw ui::ProgramEnded();
    return chosen;
}

void QtHost::doEvents() {
    Busy busy(*this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (endCalled_) throw ui::ProgramEnded();
    advanceFixedClock();
    ui::timers::tickDue();
    ui::deliverQueuedKeys();
    // A wait loop of DoEvents leaves the processor to the others between its rounds.
    std::this_thread::yield();
}

void QtHost::refresh(ui::Form& form) {
    // A window not yet built is not on the screen yet: nothing can be painted there before the
    // window system has shown it.
    if (std::find(unbuilt_.begin(), unbuilt_.end(), &form) != unbuilt_.end()) return;
    if (QWidget* w = topLevelOf(form); w && w->isVisible()) w->repaint();
}

void QtHost::onProgramEnded() {
    endCalled_ = true;
    unbuilt_.clear();
    for (auto& [form, window] : windows_) window->detach();
    windows_.clear();
    checkEnded();
}

void QtHost::checkEnded() {
    if (ended_ || !ui::programEnded()) return;
    ended_ = true;
    timers_.stop();
    quitLoopsOf(nullptr);
    // Dialogs still open (a message box under a timer that ended the program) close as well.
    // (QCoreApplication::exit would also end every event loop to come, a last message box's too.)
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    if (onEnd_) onEnd_();
}

// ---- Events

void QtHost::deliver(const std::function<void()>& fn) {
    Busy busy(*this);
    try {
        fn();
    } catch (const ui::ProgramEnded&) {
        // End: the windows are closed and the event loops told to quit already.
    } catch (const std::exception& e) {
        showError(e.what());
    }
    sync();
    checkEnded();
    scheduleTimers();
}

void QtHost::showError(const std::string& what) {
    Busy busy(*this);
    ui::MessageBoxRequest box{"Run-time error: " + what, ui::kOKOnly + ui::kCritical, std::string(ui::kProgramTitle)};
    showMessageBox(dialogParent(), box);
}

void QtHost::requestSync() {
    if (syncPosted_) return;
    syncPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            syncPosted_ = false;
            sync();
        },
        Qt::QueuedConnection);
}

void QtHost::sync() {
    buildShown();
    for (auto& [form, window] : windows_)
        if (window->canvas()) window->canvas()->syncControls();
    // A message box or input box keeps the focus while it is open, and so does an open menu.
    if (QApplication::activePopupWidget()) return;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && !windowOfWidget(modal)) return;
    ui::Form* active = ui::forms().activeForm();
    // The window is brought forward only when the program changed its active form: the user may
    // be working in another program meanwhile.
    bool changed = active != lastActive_;
    lastActive_ = active;
    if (FormWindow* w = active ? windowOf(*active) : nullptr) w->focus(changed);
}

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) {
        // A control that hid itself while held (a picture button showing its pressed picture) is
        // no longer the window's mouse receiver, and Qt would drop the release: it still gets it.
        if (event->type() != QEvent::MouseButtonRelease || !qobject_cast<QWindow*>(watched)) return false;
        QWidget* pressed = user::pressedWidget();
        if (!pressed || pressed->isVisible()) return false;
        auto* m = static_cast<QMouseEvent*>(event);
        return user::releasePressed(m, m->globalPosition().toPoint());
    }
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            // The release of a press goes to the control that took it, wherever it happens.
            QWidget* pressed = user::pressedWidget();
            if (!pressed || pressed == widget) return false;
            auto* m = static_cast<QMouseEvent*>(event);
            return user::releasePressed(m, m->globalPosition().toPoint());
        }
        case QEvent::ShortcutOverride: {
            // The program's menu shortcuts win over what an edit line would do with the key.
            if (!windowOfWidget(widget) || keepsOwnKeys(widget)) return false;
            event->ignore();
            return true;
        }
        case QEvent::KeyPress: {
            if (QApplication::activePopupWidget() || keepsOwnKeys(widget)) return false;
            FormWindow* w = windowOfWidget(widget);
            return w ? routeKey(*w, static_cast<QKeyEvent*>(event)) : false;
        }
        case QEvent::InputMethod: {
            FormWindow* w = windowOfWidget(widget);
            if (!w || keepsOwnKeys(widget)) return false;
            ui::Form* f = w->form();
            QString text = static_cast<QInputMethodEvent*>(event)->commitString();
            for (char32_t code : text.toUcs4()) {
                int key = static_cast<int>(code);
                deliver([f, key] { ui::input::pressKey(*f, key); });
                if (!windowOfWidget(widget)) break;
            }
            return true;
        }
        default:
            return false;
    }
}

bool QtHost::routeKey(FormWindow& window, QKeyEvent* e) {
    ui::Form* f = window.form();
    int key = e->key();
    Qt::KeyboardModifiers mods = e->modifiers();
    ui::Control* active = f->activeControl();
    // Alt+F4 asks the form to close where its close box would, as the window system's key; a window
    // manager may not be there to turn it into a close request.
    if (key == Qt::Key_F4 && (mods & Qt::AltModifier)) {
        if (window.closableByUser()) deliver([f] { ui::input::closeWindow(*f); });
        return true;
    }
    // A combo box opens its list as Qt does.
    if (active && active->kind() == ui::ControlKind::ComboBox &&
        (key == Qt::Key_F4 || ((mods & Qt::AltModifier) && (key == Qt::Key_Down || key == Qt::Key_Up))))
        return false;
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && (mods & Qt::ShiftModifier))) {
        deliver([f] { ui::input::pressBackTab(*f); });
        return true;
    }
    // Ctrl+A chooses a box's whole text, as everywhere else on the desktop; it types nothing.
    if (key == Qt::Key_A && (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
        deliver([f] { ui::runEvent([&] { editKey(*f, Qt::Key_A, false); }); });
        return true;
    }
    std::vector<int> keys;
    switch (key) {
        case Qt::Key_Tab:
            keys = {ui::kKeyTab};
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            keys = {ui::kKeyReturn};
            break;
        case Qt::Key_Backspace:
            keys = {ui::kKeyBack};
            break;
        case Qt::Key_Escape:
            keys = {ui::kKeyEscape};
            break;
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Up:
        case Qt::Key_Down: {
            bool shift = mods & Qt::ShiftModifier;
            deliver([f, key, shift] { ui::runEvent([&] { editKey(*f, key, shift); }); });
            return true;
        }
        default:
            // Alt with a key chooses a menu, and types nothing.
            if (!(mods & Qt::AltModifier))
                for (char32_t code : e->text().toUcs4()) keys.push_back(static_cast<int>(code));
            break;
    }
    for (int k : keys) {
        deliver([f, k] { ui::input::pressKey(*f, k); });
        // The key may have closed the form.
        if (windowOf(*f) != &window || !window.form()) break;
    }
    // Every key on a form is the program's: nothing else edits its boxes.
    return true;
}

// ---- Timers

void QtHost::setRealTime(std::function<std::int64_t()> elapsedMs) {
    givenRealTime_ = std::move(elapsedMs);
    lastRealMs_ = givenRealTime_ ? givenRealTime_() : realTime_.elapsed();
}

void QtHost::advanceFixedClock() {
    qint64 real = givenRealTime_ ? givenRealTime_() : realTime_.elapsed();
    if (core::clock::isFixed() && real > lastRealMs_) core::clock::advanceMs(real - lastRealMs_);
    lastRealMs_ = real;
}

void QtHost::tickTimers() {
    deliver([this] {
        advanceFixedClock();
        // A timer that fell behind (the program was busy) ticks once, not once per lost interval,
        // as the legacy timer did.
        std::int64_t now = core::clock::nowMs();
        eachTimer([now](ui::Timer& t) {
            if (t.running() && t.interval() > 0 && now - t.dueMs() > t.interval())
                t.shiftDue((now - t.dueMs()) / t.interval() * t.interval());
        });
        ui::timers::tickDue();
    });
}

void QtHost::scheduleTimers() {
    if (ended_) {
        timers_.stop();
        return;
    }
    std::int64_t now = core::clock::nowMs();
    std::int64_t next = now + kTimerPollMs;
    eachTimer([&](ui::Timer& t) {
        if (t.running() && !t.ticking()) next = std::min(next, t.dueMs());
    });
    timers_.start(static_cast<int>(std::clamp<std::int64_t>(next - now, 0, kTimerPollMs)));
}

}  // namespace pelk::qt
