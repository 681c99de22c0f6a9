#include "platform/ui/form.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "platform/core/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/data.h"
#include "platform/ui/host.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"

namespace pelk::ui {

namespace {

// Sets a flag for the span of a call, also when the call throws.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }

private:
    bool& flag_;
};

}  // namespace

Form::Form() {
    static std::int32_t lastHandle = 0;
    hWnd_ = ++lastHandle;
}
Form::~Form() = default;

int Form::registerControl(Control* c) {
    for (Control* o : controls_)
        if (o->index() == c->index() && core::text::equalsNoCase(o->name(), c->name()))
            throw std::logic_error("two controls named " + c->name() + " on one form");
    controls_.push_back(c);
    stacking_.push_back(c);
    return nextTabIndex_++;
}

void Form::unregisterControl(Control* c) {
    std::erase(controls_, c);
    std::erase(stacking_, c);
    if (activeControl_ == c) activeControl_ = nullptr;
}

Control* Form::control(std::string_view name, int index) const {
    for (Control* c : controls_)
        if (c->index() == index && core::text::equalsNoCase(c->name(), name)) return c;
    return nullptr;
}

std::vector<Menu*> Form::menus() const {
    std::vector<Menu*> top;
    for (Control* c : controls_)
        if (c->kind() == ControlKind::Menu) {
            auto* m = static_cast<Menu*>(c);
            if (!m->parentMenu()) top.push_back(m);
        }
    return top;
}

bool Form::restack(Control& c, bool toBack) {
    auto it = std::find(stacking_.begin(), stacking_.end(), &c);
    if (it == stacking_.end()) return false;
    if (toBack ? it == stacking_.begin() : it + 1 == stacking_.end()) return false;
    stacking_.erase(it);
    if (toBack)
        stacking_.insert(stacking_.begin(), &c);
    else
        stacking_.push_back(&c);
    return true;
}

void Form::addListener(FormListener* l) { listeners_.push_back(l); }
void Form::removeListener(FormListener* l) { std::erase(listeners_, l); }

void Form::changed(std::string_view property) {
    auto listeners = listeners_;
    for (FormListener* l : listeners) l->formChanged(*this, property);
}

void Form::controlChanged(Control& c, std::string_view property) {
    auto listeners = listeners_;
    for (FormListener* l : listeners) l->controlChanged(c, property);
}

void Form::controlLoaded(Control& c) {
    auto listeners = listeners_;
    for (FormListener* l : listeners) l->controlAdded(c);
}

void Form::controlUnloading(Control& c) {
    for (Control* o : controls_)
        if (o->kind() == ControlKind::Data) static_cast<Data*>(o)->unbind(c);
    auto listeners = listeners_;
    for (FormListener* l : listeners) l->controlRemoved(c);
}

void Form::Show(ShowMode mode) {
    if (!loaded_) {
        // An unloaded instance (a handler that unloaded its own form) shows a fresh one.
        if (!made_) throw std::logic_error("a form is loaded through the registry, forms()");
        Form& fresh = forms().byName(name_);
        if (&fresh != this) fresh.Show(mode);
        return;
    }
    if (mode == kModal && visible_) throw std::logic_error(name_ + " is already shown; it cannot be shown waiting");
    // The wait runs other events; this instance must outlive them even when they unload it.
    std::optional<EventScope> scope;
    if (mode == kModal) scope.emplace();
    bool wasVisible = visible_;
    if (mode == kModal) forms().pushModal(*this);
    struct PopModal {
        Form* f;
        ~PopModal() {
            if (f) forms().popModal(*f);
        }
    } pop{mode == kModal ? this : nullptr};
    visible_ = true;
    if (!wasVisible) changed("Visible");
    host().showForm(*this, mode == kModal);
    forms().activate(*this, !wasVisible);
    if (mode == kModal && loaded_ && visible_) host().runModal(*this);
}

void Form::Hide() {
    if (!loaded_ || !visible_) return;
    visible_ = false;
    changed("Visible");
    host().hideForm(*this);
    forms().formHidden(*this);
}

bool Form::Unload() { return Unload(UnloadMode::FormCode); }

bool Form::Unload(UnloadMode mode) {
    if (!loaded_) return true;
    if (unloading_) return false;
    FlagGuard guard(unloading_);
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel || !loaded_) return !loaded_;
    if (mdiForm_) {
        // The main window asks every child first; one refusal keeps them all.
        std::vector<Form*> children;
        for (Form* f : forms().loaded())
            if (f != this && f->mdiChild_) children.push_back(f);
        for (Form* c : children) {
            if (!c->loaded_) continue;
            int childCancel = 0;
            c->Form_QueryUnload(childCancel, UnloadMode::FormMdiForm);
            if (childCancel) return false;
        }
        for (Form* c : children) {
            if (!c->loaded_ || c->unloading_) continue;
            FlagGuard childGuard(c->unloading_);
            int childCancel = 0;
            c->Form_Unload(childCancel);
            if (childCancel) return false;
            if (c->loaded_) c->finishUnload();
        }
    }
    Form_Unload(cancel);
    if (cancel || !loaded_) return !loaded_;
    finishUnload();
    return true;
}

void Form::finishUnload() {
    auto controls = controls_;
    for (Control* c : controls) c->beforeFormUnload();
    visible_ = false;
    loaded_ = false;
    host().formUnloaded(*this);
    forms().formReleased(*this);
}

void Form::Refresh() {
    if (loaded_) host().refresh(*this);
}

void Form::setTag(std::string tag) {
    if (tag == tag_) return;
    tag_ = std::move(tag);
    changed("Tag");
}

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed("Caption");
}

void Form::setVisible(bool v) {
    if (v)
        Show();
    else
        Hide();
}

void Form::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    changed("Enabled");
}

#define PELK_UI_SETTER(Fn, Type, member, Prop) \
    void Form::Fn(Type v) {                    \
        if (v == member) return;               \
        member = v;                            \
        changed(Prop);                         \
    }
PELK_UI_SETTER(setWidth, double, width_, "Width")
PELK_UI_SETTER(setHeight, double, height_, "Height")
PELK_UI_SETTER(setBackColor, Color, backColor_, "BackColor")
PELK_UI_SETTER(setForeColor, Color, foreColor_, "ForeColor")
PELK_UI_SETTER(setKeyPreview, bool, keyPreview_, "KeyPreview")
PELK_UI_SETTER(setWindowState, int, windowState_, "WindowState")
PELK_UI_SETTER(setBorderStyle, int, borderStyle_, "BorderStyle")
PELK_UI_SETTER(setControlBox, bool, controlBox_, "ControlBox")
PELK_UI_SETTER(setMinButton, bool, minButton_, "MinButton")
PELK_UI_SETTER(setMaxButton, bool, maxButton_, "MaxButton")
PELK_UI_SETTER(setMdiChild, bool, mdiChild_, "MDIChild")
#undef PELK_UI_SETTER

void Form::setLeft(double v) {
    placed_ = true;
    if (v == left_) return;
    left_ = v;
    changed("Left");
}

void Form::setTop(double v) {
    placed_ = true;
    if (v == top_) return;
    top_ = v;
    changed("Top");
}

void Form::setIcon(const Picture& p) {
    if (p == icon_) return;
    icon_ = p;
    changed("Icon");
}

void Form::setPicture(const Picture& p) {
    if (p == picture_) return;
    picture_ = p;
    changed("Picture");
}

void Form::Move(double left, double top) {
    setLeft(left);
    setTop(top);
}

void Form::Move(double left, double top, double width, double height) {
    Move(left, top);
    setWidth(width);
    setHeight(height);
}

bool Form::focus(Control& c) {
    if (!loaded_) return false;
    if (!visible_) {
        // Takes effect when the form is shown.
        activeControl_ = &c;
        return true;
    }
    if (forms().activeForm() != this) forms().activate(*this, false);
    if (!loaded_) return false;
    if (activeControl_ == &c) return true;
    Control* left = activeControl_;
    activeControl_ = &c;
    changed("ActiveControl");
    if (left) {
        left->focusLeft();
        left->raiseLostFocus();
    }
    // A LostFocus handler that kept the focus (SetFocus back) stops the move.
    if (activeControl_ == &c) c.raiseGotFocus();
    return true;
}

namespace {
std::vector<Control*> tabOrder(const std::vector<Control*>& controls) {
    std::vector<Control*> order;
    for (Control* c : controls)
        if (c->tabStop() && c->canFocus()) order.push_back(c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    return order;
}
}  // namespace

Control* Form::firstFocusable() const {
    auto order = tabOrder(controls_);
    return order.empty() ? nullptr : order.front();
}

void Form::focusNext(bool backwards) {
    auto order = tabOrder(controls_);
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), activeControl_);
    Control* next;
    if (it == order.end())
        next = backwards ? order.back() : order.front();
    else if (backwards)
        next = it == order.begin() ? order.back() : *(it - 1);
    else
        next = (it + 1 == order.end()) ? order.front() : *(it + 1);
    focus(*next);
}

void Form::raiseActivate() {
    if (eventsOn()) Form_Activate();
}

void Form::raiseDeactivate() {
    if (eventsOn()) Form_Deactivate();
}

void Form::raiseKeyPress(int& keyAscii) {
    if (eventsOn()) Form_KeyPress(keyAscii);
}

const PropertyList& Form::properties() const {
    static const PropertyList list = {
        prop::readOnly("Name", &Form::name),
        prop::of("Tag", &Form::tag, &Form::setTag),
        prop::of("Caption", &Form::caption, &Form::setCaption),
        prop::of("Visible", &Form::visible, &Form::setVisible),
        prop::of("Enabled", &Form::enabled, &Form::setEnabled),
        prop::of("Left", &Form::left, &Form::setLeft),
        prop::of("Top", &Form::top, &Form::setTop),
        prop::of("Width", &Form::width, &Form::setWidth),
        prop::of("Height", &Form::height, &Form::setHeight),
        prop::of("BackColor", &Form::backColor, &Form::setBackColor),
        prop::of("ForeColor", &Form::foreColor, &Form::setForeColor),
        prop::of("KeyPreview", &Form::keyPreview, &Form::setKeyPreview),
        prop::of("WindowState", &Form::windowState, &Form::setWindowState),
        prop::picture("Icon", &Form::icon, &Form::setIcon),
        prop::picture("Picture", &Form::picture, &Form::setPicture),
        prop::of("BorderStyle", &Form::borderStyle, &Form::setBorderStyle),
        prop::of("ControlBox", &Form::controlBox, &Form::setControlBox),
        prop::of("MinButton", &Form::minButton, &Form::setMinButton),
        prop::of("MaxButton", &Form::maxButton, &Form::setMaxButton),
        prop::readOnly("MDIChild", &Form::mdiChild),
        prop::readOnly("hWnd", &Form::hWnd),
    };
    return list;
}

}  // namespace pelk::ui
