#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"

class QMouseEvent;
class QPoint;

namespace pelk::qt {

class FormCanvas;

// What shows one control on its form's window: a widget, kept up to date with the control.
//
// The canvas places every view's widget (Left, Top, Width, Height in twips, inside the control's
// container), shows, hides, enables and disables it, and gives it the control's colours, font and
// tool tip; a view does what its kind adds (a caption, a text, a picture, items) in update().
// A view reads the control only in update() and in the user actions it delivers: its widget paints
// from what update() gave it, because a control can go (a control array member unloaded) before
// the canvas hears of it.
class ControlView {
public:
    ControlView(ui::Control& control, QWidget* widget);
    virtual ~ControlView();
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    ui::Control& control() const { return *control_; }
    QWidget* widget() const { return widget_; }
    // The widget that holds the keyboard focus while the control has it.
    virtual QWidget* focusWidget() const { return widget_; }
    // Brings the widget up to date after `property` changed; the empty name means everything.
    virtual void update(std::string_view property) {}
    // The size of a kind that sizes itself (an auto-sized label, an image at its picture's size);
    // nullopt keeps the control's Width and Height.
    virtual std::optional<QSize> ownSize() const { return std::nullopt; }
    // Whether the canvas fills the widget with the control's BackColor (kinds that paint their
    // own background, or show none, say no).
    virtual bool usesBackColor() const { return true; }
    // Whether the view places its widget itself from other properties (a line by its two ends).
    virtual bool placesItself() const { return false; }
    // Where the widget goes for the control's box (`box`, in its container's pixels): the box
    // itself, or more where the view draws part of the control beyond it (the fingertip-sized box
    // of a check box whose design is shorter than that).
    virtual QRect reach(const QRect& box) const { return box; }

    // Words the view draws in its widget (a caption, the words of a design picture): the text as
    // shown, the room it is drawn in (widget coordinates), whether it wraps at the room's width,
    // and whether the design lets it run on past the room (an auto-sized label). Drawn in the
    // widget's font. Lets a check see that no text is cut.
    struct Words {
        QString text;
        QRect room;
        bool wraps = true;
        bool runsOn = false;
        // How the text stands in its room.
        Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    };
    virtual std::vector<Words> words() const { return {}; }

    // The control is still on a loaded form that this view's window shows: user actions are
    // delivered only then.
    bool alive() const;

    // The canvas's side.
    void attachTo(FormCanvas* canvas) { canvas_ = canvas; }
    FormCanvas* canvas() const { return canvas_; }
    void rebind(ui::Control& control) { control_ = &control; }

private:
    ui::Control* control_;
    QPointer<QWidget> widget_;
    FormCanvas* canvas_ = nullptr;
};

// Makes the view of one control, its widget a child of `parent`; nullptr for a kind that shows
// nothing at run time (timers, common dialogs).
using Renderer = std::function<std::unique_ptr<ControlView>(ui::Control& control, QWidget* parent)>;

// Registers the renderer of a kind, in place of the one it had; an empty renderer removes it. A kind
// without a renderer shows as an empty frame. Adding a widget for a new kind is one function:
//
//   qt::registerRenderer(ui::ControlKind::Calendar, [](ui::Control& c, QWidget* parent) {
//       auto& cal = static_cast<ui::Calendar&>(c);
//       auto* w = new QCalendarWidget(parent);
//       auto view = qt::makeView(c, w, [&cal, w](std::string_view p) {
//           if (p.empty() || p == "Value") w->setSelectedDate(toQDate(cal.value()));
//       });
//       QObject::connect(w, &QCalendarWidget::clicked, w, [v = view.get()](QDate d) {
//           qt::user::act(*v, [&] { /* the control's own user action */ });
//       });
//       return view;
//   });
// Returns the renderer it replaces (empty when the kind had none).
Renderer registerRenderer(ui::ControlKind kind, Renderer renderer);
// The view of a control by its kind's renderer (the empty frame for a kind without one).
std::unique_ptr<ControlView> renderControl(ui::Control& control, QWidget* parent);

// A view whose updates one function does; the function is also run once for everything when the
// canvas takes the view in.
std::unique_ptr<ControlView> makeView(ui::Control& control, QWidget* widget,
                                      std::function<void(std::string_view property)> update);

// A user's actions on a control's widget, each delivered to the runtime as one event (input.h),
// and only while the view is alive(). Renderers call these from their widgets' events.
namespace user {
// A press of a mouse button (a touch): the control takes the focus, then MouseDown. `receiver` is
// the widget that got the press (the view's widget when nullptr): it gets the release.
void press(ControlView& view, QMouseEvent* event, QWidget* receiver = nullptr);
// The release: MouseUp, then Click when it is released over the control.
void release(ControlView& view, QMouseEvent* event);
// The second press of a double click: DblClick (a command button takes it as one more press).
void doubleClick(ControlView& view, QMouseEvent* event, QWidget* receiver = nullptr);
// The control takes the focus (a press on a list or combo box before it chooses an item).
void focus(ControlView& view);
// A whole click, for kinds whose click changes their value (check boxes, option buttons).
void click(ControlView& view);
// A click on an item (lists) or a cell (grids).
void select(ControlView& view, int row, int column = -1);
// Anything else the user does to the control, run as one event.
void act(ControlView& view, const std::function<void()>& action);
// The host's side: a mouse button released anywhere while a press is in progress goes to the
// control that took the press (a picture button hides itself while it is held). False when no
// press is in progress.
bool releasePressed(QMouseEvent* event, const QPoint& globalPos);
// The widget that got the press in progress, or nullptr.
QWidget* pressedWidget();
}  // namespace user

// Sends the widget's mouse presses, releases and double clicks to user::press, release and
// doubleClick. With `passOn` the widget also gets them (an edit line places its caret).
void forwardPointer(ControlView& view, QWidget* widget, bool passOn = false);

// Marks a widget that edits its own text with the keys typed into it (a grid's cell editor): the
// host leaves them to it instead of handing every key on a form to the program.
void keepOwnKeys(QWidget* widget);
bool keepsOwnKeys(const QWidget* widget);

}  // namespace pelk::qt
