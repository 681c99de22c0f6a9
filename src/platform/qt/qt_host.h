#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/look.h"
#include "platform/ui/host.h"

class QAction;
class QEventLoop;
class QKeyEvent;
class QMainWindow;
class QMdiArea;
class QWidget;

namespace pelk::ui {
class Control;
class Form;
class Menu;
}  // namespace pelk::ui

namespace pelk::qt {

class FormWindow;

// The host that shows the forms as Qt windows (a QApplication must exist first).
//
// - The main window (a ui::MdiForm) is a QMainWindow with the form's menu bar over an MDI area;
//   a form that is an MDI child is a sub-window in it (a window of its own while no main window is
//   loaded); every other form is a window of its own. A form shown waiting is always a window of
//   its own, application-modal, and Show runs a nested event loop until it is unloaded or hidden.
// - A form is placed by its Left and Top and is Width by Height inside (its client area; the menu
//   bar and the window frame come on top), in twips at the screen's density (twips()).
//   BorderStyle 0 is borderless, 1 and 3 are of fixed size (3 without minimise and maximise boxes),
//   a fixed dialog without Caption and ControlBox has no title bar, WindowState 2 maximises (a
//   borderless maximised window covers the whole screen). The host places and sizes every window
//   itself, maximised ones included, since a station's display may run no window manager; a window
//   larger than the screen starts at the screen's edge. A form of its own with a border draws its
//   frame and title bar itself (window_frame.h), as do the dialogs.
// - What the user does (clicks and touches, keys, the close box, menu items and their shortcuts)
//   goes to the runtime's input entry points (ui::input), one event each; property changes of the
//   forms show at once. Qt timers tick the forms' timers (ui::timers); on a fixed clock the host
//   moves the clock on with real time, so timers tick and wait loops end.
// - Message boxes, input boxes and the printer set-up dialog are Qt dialogs (dialogs.h).
// - End closes every window and ends every wait; so does the unloading of the last form once the
//   program has started (onEnd tells who runs the main event loop).
class QtHost : public QObject, public ui::Host {
public:
    QtHost();
    ~QtHost() override;

    // The host in use, or nullptr.
    static QtHost* current();

    void showForm(ui::Form& form, bool modal) override;
    void hideForm(ui::Form& form) override;
    void formUnloaded(ui::Form& form) override;
    void runModal(ui::Form& form) override;
    ui::MsgBoxResult msgBox(const ui::MessageBoxRequest& box) override;
    std::optional<std::string> inputBox(const ui::InputBoxRequest& box) override;
    void beep() override;
    // The printer set-up dialog (dialogs.h), whatever the flags ask.
    bool printerDialog(const ui::PrinterDialogRequest& dialog) override;
    void doEvents() override;
    void refresh(ui::Form& form) override;
    void onProgramEnded() override;

    // Runs fn, a user's action handed to the runtime, at the edge between Qt and the program: End
    // and a failure stop here (a failure is told in a message box), and the windows follow what
    // the program did (focus, active window, the end of the program).
    void deliver(const std::function<void()>& fn);

    // What shows a form or a control; nullptr when it is not shown.
    FormWindow* windowOf(const ui::Form& form) const;
    // The window the user sees: the QMainWindow, the QMdiSubWindow or the form's own window.
    QWidget* topLevelOf(const ui::Form& form) const;
    // The client area of a form (the QMainWindow's MDI area for the main window).
    QWidget* canvasOf(const ui::Form& form) const;
    QWidget* widgetOf(const ui::Control& control) const;
    QAction* actionOf(const ui::Menu& menu) const;
    QMainWindow* mainWindow() const;

    // The program ended (End, or its last form went after the start-up).
    bool ended() const { return ended_; }
    // Called once when the program ends (runProgram quits its event loop there).
    void onEnd(std::function<void()> f) { onEnd_ = std::move(f); }
    // A timer's Enabled or Interval changed: the next tick is looked at again.
    void timersChanged() { scheduleTimers(); }
    // Where the host reads the real time (milliseconds, from any start) that moves a fixed clock
    // on: the machine's, unless a test gives its own, so that its clock moves only when it says.
    void setRealTime(std::function<std::int64_t()> elapsedMs);
    // Brings focus and the active window in line with the program's (done after every event).
    void sync();
    // Deletes a window that is no longer shown once every event and wait in progress has
    // returned: a press may open a form shown waiting whose button unloads the window under the
    // press, which Qt is still delivering when the wait ends.
    void disposeLater(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FormWindow& windowFor(ui::Form& form, bool modal);
    FormWindow* findWindow(const ui::Form& form) const;  // without building the shown ones
    void buildShown();
    FormWindow* windowOfWidget(QWidget* w) const;
    void destroyWindow(const ui::Form& form);
    void quitLoopsOf(const ui::Form* form);
    void tickTimers();
    void scheduleTimers();
    void advanceFixedClock();
    void requestSync();
    void checkEnded();
    bool routeKey(FormWindow& window, QKeyEvent* event);
    void showError(const std::string& what);
    QWidget* dialogParent() const;

    // While something of the program runs (an event, a wait, a dialog), windows wait to be deleted.
    class Busy {
    public:
        explicit Busy(QtHost& host);
        ~Busy();

    private:
        QtHost& host_;
    };

    std::map<const ui::Form*, std::unique_ptr<FormWindow>> windows_;
    // Forms shown since the program last gave the screen back, their windows not yet built.
    std::vector<ui::Form*> unbuilt_;
    int busy_ = 0;
    std::vector<QPointer<QWidget>> disposed_;
    struct Wait {
        const ui::Form* form;
        QEventLoop* loop;
    };
    std::vector<Wait> waits_;
    QTimer timers_;
    QElapsedTimer realTime_;
    std::function<std::int64_t()> givenRealTime_;
    qint64 lastRealMs_ = 0;
    bool syncPosted_ = false;
    const ui::Form* lastActive_ = nullptr;  // compared, never read
    bool endCalled_ = false;
    bool ended_ = false;
    std::function<void()> onEnd_;
};

// The screen's twips (15 a pixel at 96 dpi), set by the host from the primary screen.
const Twips& twips();
void setTwips(const Twips& t);

}  // namespace pelk::qt
