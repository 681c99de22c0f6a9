#pragma once

#include <QColor>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/control_view.h"
#include "platform/ui/form.h"

class QAction;
class QMenu;

namespace pelk::ui {
class Menu;
}

namespace pelk::qt {

// The client area of a form: its background colour and picture, and one view per control.
class FormCanvas : public QWidget {
public:
    FormCanvas(ui::Form& form, QWidget* parent);
    ~FormCanvas() override;

    // nullptr once the form is gone.
    ui::Form* form() const { return form_; }
    // The form is unloaded: nothing of it is touched again.
    void detach();
    ControlView* viewOf(const ui::Control& control) const;
    // Whether `control` is (still) a control of the form this canvas shows.
    bool holds(const ui::Control& control) const;
    // The form's Width and Height in pixels.
    QSize formSize() const;

    // Brings everything up to date with the form: the controls that came and went (control array
    // members loaded or unloaded at run time), then each view.
    void syncControls();
    void formChanged(std::string_view property);
    void controlChanged(ui::Control& control, std::string_view property);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void addView(ui::Control& control);
    void applyCommon(ControlView& view, std::string_view property);
    void place(ControlView& view);
    QWidget* containerWidget(const ui::Control& control) const;
    void restack();

    // Each control seen, with or without a view; by its path and kind, so a control made again at
    // the address of one that went is taken for the new control it is.
    struct Slot {
        ControlView* view;
        std::string path;
        ui::ControlKind kind;
    };
    ui::Form* form_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::map<const ui::Control*, Slot> slots_;
    QColor back_;
    QPixmap picture_;
};

// The menu bar of a form: one menu or action per menu item, kept up to date with them.
class MenuBinder {
public:
    // `makeBar` makes the bar the first time the form has menus, where there is none yet.
    MenuBinder(ui::Form& form, QMenuBar* bar, std::function<QMenuBar*()> makeBar = {});
    void rebuild();
    void menuChanged(ui::Menu& menu, std::string_view property);
    QAction* actionOf(const ui::Menu& menu) const;
    bool empty() const { return actions_.empty(); }
    void detach() { *form_ = nullptr; }

private:
    void add(ui::Menu& menu, QMenu* into);
    void apply(ui::Menu& menu, QAction* action);

    // Shared with the actions, which may outlive the binder until their menu bar is deleted.
    std::shared_ptr<ui::Form*> form_;
    QPointer<QMenuBar> bar_;
    std::function<QMenuBar*()> makeBar_;
    std::map<const ui::Menu*, QPointer<QAction>> actions_;
};

// One shown form: its window, client area and menu bar, following the form's properties.
class FormWindow : public ui::FormListener {
public:
    enum class Kind { Own, MdiChild, Main };

    // `area` is the main window's MDI area, for a child.
    FormWindow(ui::Form& form, Kind kind, bool modal, QMdiArea* area);
    ~FormWindow() override;

    ui::Form* form() const { return form_; }
    Kind kind() const { return kind_; }
    bool modal() const { return modal_; }
    // The window the user sees (own window, sub-window or main window).
    QWidget* window() const { return window_; }
    // The client area of a form; the main window has none.
    FormCanvas* canvas() const { return canvas_; }
    QMdiArea* mdiArea() const { return area_; }
    QMenuBar* menuBar() const { return bar_; }
    QAction* actionOf(const ui::Menu& menu) const { return menus_ ? menus_->actionOf(menu) : nullptr; }

    void show();
    void hide();
    // The form is gone: stop listening and close the window (it is deleted later).
    void detach();
    // Gives the control with the focus the keyboard focus in this window; with `activate` the
    // window also becomes the active one (the program made its form the active form).
    void focus(bool activate);
    // Whether the user may close the window from its title bar (its close box, Alt+F4).
    bool closableByUser() const;
    // Called when the user closes the window (its close box).
    std::function<void()> onClose;

    void formChanged(ui::Form& form, std::string_view property) override;
    void controlChanged(ui::Control& control, std::string_view property) override;

private:
    // True when the window's flags changed (which hides a window).
    bool applyFrame();
    void applyGeometry();
    void applyTitle();
    QSize clientSize() const;
    // The window's size: the client area and the frame drawn around it.
    QSize outerSize() const;
    // The screen's whole area, or the part windows may take (without panels).
    QRect screenArea(bool whole) const;

    ui::Form* form_;
    // Shared with the window's close handlers, which may outlive this until the window is deleted.
    std::shared_ptr<FormWindow*> self_;
    Kind kind_;
    bool modal_;
    QPointer<QWidget> window_;
    QPointer<QWidget> frame_;  // menu bar and canvas, inside an own window or a sub-window
    QPointer<FormCanvas> canvas_;
    QPointer<QMdiArea> area_;
    QPointer<QMenuBar> bar_;
    QPointer<QMdiSubWindow> sub_;
    std::unique_ptr<MenuBinder> menus_;
    Qt::WindowFlags flags_;
    bool flagsSet_ = false;
};

// The FormWindow a widget belongs to, or nullptr.
FormWindow* formWindowOf(const QWidget* widget);

}  // namespace pelk::qt
