#include "platform/qt/control_view.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QObject>
#include <map>

#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"

namespace pelk::qt {

void registerBuiltInRenderers(std::map<ui::ControlKind, Renderer>& table);

namespace {

std::map<ui::ControlKind, Renderer>& renderers() {
    static std::map<ui::ControlKind, Renderer> table = [] {
        std::map<ui::ControlKind, Renderer> t;
        registerBuiltInRenderers(t);
        return t;
    }();
    return table;
}

class FunctionView : public ControlView {
public:
    FunctionView(ui::Control& c, QWidget* w, std::function<void(std::string_view)> f)
        : ControlView(c, w), update_(std::move(f)) {}
    void update(std::string_view p) override {
        if (update_) update_(p);
    }

private:
    std::function<void(std::string_view)> update_;
};

// The press in progress: the control that took it gets the release, wherever it happens (the
// press may have hidden it, as a picture button does).
struct Press {
    ControlView* view = nullptr;
    QPointer<QWidget> widget;
    bool whole = false;        // a kind whose click changes its value: the whole click on release
    bool afterDouble = false;  // the second press of a double click: the release is MouseUp alone
};
Press& pending() {
    static Press p;
    return p;
}

int buttonOf(Qt::MouseButton b) {
    switch (b) {
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return ui::kLeftButton;
    }
}

int shiftOf(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

bool takesInput(const ui::Control& c) { return ui::input::takesInput(c.form()) && c.shown() && c.usable(); }

// The focus goes to a control that can take it; a press elsewhere still brings its form forward.
void focusFor(ui::Control& c) {
    if (c.takesFocus())
        c.form().focus(c);
    else if (ui::forms().activeForm() != &c.form())
        ui::forms().activate(c.form(), false);
}

void run(ControlView& view, const std::function<void()>& fn) {
    if (!view.alive()) return;
    auto body = [&] {
        ui::runEvent([&] {
            fn();
            ui::deliverQueuedKeys();
        });
    };
    if (QtHost* h = QtHost::current())
        h->deliver(body);
    else
        body();
}

bool valueKind(ui::ControlKind k) { return k == ui::ControlKind::CheckBox || k == ui::ControlKind::OptionButton; }

class PointerFilter : public QObject {
public:
    PointerFilter(ControlView& view, bool passOn, QWidget* receiver)
        : QObject(receiver), view_(view), passOn_(passOn), receiver_(receiver) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
                user::press(view_, static_cast<QMouseEvent*>(e), receiver_);
                return !passOn_;
            case QEvent::MouseButtonDblClick:
                user::doubleClick(view_, static_cast<QMouseEvent*>(e), receiver_);
                return !passOn_;
            case QEvent::MouseButtonRelease:
                user::release(view_, static_cast<QMouseEvent*>(e));
                return !passOn_;
            default:
                return false;
        }
    }

private:
    ControlView& view_;
    bool passOn_;
    QWidget* receiver_;
};

}  // namespace

// ---- ControlView

ControlView::ControlView(ui::Control& control, QWidget* widget) : control_(&control), widget_(widget) {}

ControlView::~ControlView() {
    if (pending().view == this) pending() = Press{};
    if (widget_) {
        widget_->hide();
        widget_->deleteLater();
    }
}

bool ControlView::alive() const { return canvas_ && canvas_->form() && canvas_->holds(*control_); }

// ---- Renderers

Renderer registerRenderer(ui::ControlKind kind, Renderer renderer) {
    auto& table = renderers();
    Renderer previous;
    if (auto it = table.find(kind); it != table.end()) previous = std::move(it->second);
    if (renderer)
        table[kind] = std::move(renderer);
    else
        table.erase(kind);
    return previous;
}

std::unique_ptr<ControlView> renderControl(ui::Control& control, QWidget* parent) {
    auto& table = renderers();
    auto it = table.find(control.kind());
    if (it != table.end()) return it->second(control, parent);
    // A kind this host cannot show yet takes its place as an empty frame.
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto view = makeView(control, frame, nullptr);
    forwardPointer(*view, frame);
    return view;
}

std::unique_ptr<ControlView> makeView(ui::Control& control, QWidget* widget,
                                      std::function<void(std::string_view)> update) {
    return std::make_unique<FunctionView>(control, widget, std::move(update));
}

void forwardPointer(ControlView& view, QWidget* widget, bool passOn) {
    widget->installEventFilter(new PointerFilter(view, passOn, widget));
}

namespace {
constexpr const char* kOwnKeys = "pelkOwnKeys";
}

void keepOwnKeys(QWidget* widget) { widget->setProperty(kOwnKeys, true); }

bool keepsOwnKeys(const QWidget* widget) { return widget && widget->property(kOwnKeys).toBool(); }

// ---- User actions

namespace user {

void press(ControlView& view, QMouseEvent* e, QWidget* receiver) {
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton && e->button() != Qt::MiddleButton) return;
    pending() = Press{};
    int button = buttonOf(e->button()), shift = shiftOf(e->modifiers());
    double x = twips().toTwips(e->position().toPoint().x()), y = twips().toTwips(e->position().toPoint().y());
    run(view, [&] {
        ui::Control& c = view.control();
        if (!takesInput(c)) return;
        pending().view = &view;
        pending().widget = receiver ? receiver : view.widget();
        pending().whole = valueKind(c.kind());
        focusFor(c);
        if (!pending().whole && c.form().isLoaded()) c.raiseMouseDown(button, shift, x, y);
    });
}

void release(ControlView& view, QMouseEvent* e) {
    if (pending().view != &view) return;
    Press p = pending();
    pending() = Press{};
    if (!p.widget) return;
    bool inside = p.widget->isVisible() && p.widget->rect().contains(e->position().toPoint());
    int button = buttonOf(e->button()), shift = shiftOf(e->modifiers());
    double x = twips().toTwips(e->position().toPoint().x()), y = twips().toTwips(e->position().toPoint().y());
    run(view, [&] {
        ui::Control& c = view.control();
        if (p.whole) {
            if (inside) ui::input::click(c);
            return;
        }
        c.raiseMouseUp(button, shift, x, y);
        if (inside && !p.afterDouble && c.form().isLoaded()) c.raiseClick();
    });
}

void doubleClick(ControlView& view, QMouseEvent* e, QWidget* receiver) {
    // A keypad pressed twice quickly types twice.
    if (view.control().kind() == ui::ControlKind::CommandButton || valueKind(view.control().kind())) {
        press(view, e, receiver);
        return;
    }
    pending() = Press{};
    run(view, [&] {
        ui::Control& c = view.control();
        if (!takesInput(c)) return;
        pending().view = &view;
        pending().widget = receiver ? receiver : view.widget();
        pending().afterDouble = true;
        focusFor(c);
        if (c.form().isLoaded()) c.raiseDblClick();
    });
}

void focus(ControlView& view) {
    run(view, [&] {
        ui::Control& c = view.control();
        if (takesInput(c)) focusFor(c);
    });
}

void click(ControlView& view) {
    run(view, [&] { ui::input::click(view.control()); });
}

void select(ControlView& view, int row, int column) {
    run(view, [&] { ui::input::select(view.control(), row, column); });
}

void act(ControlView& view, const std::function<void()>& action) { run(view, action); }

QWidget* pressedWidget() { return pending().view ? pending().widget.data() : nullptr; }

bool releasePressed(QMouseEvent* e, const QPoint& globalPos) {
    Press p = pending();
    if (!p.view || !p.widget) return false;
    QMouseEvent local(QEvent::MouseButtonRelease, p.widget->mapFromGlobal(globalPos), globalPos, e->button(),
                      e->buttons(), e->modifiers());
    release(*p.view, &local);
    return true;
}

}  // namespace user

}  // namespace pelk::qt
