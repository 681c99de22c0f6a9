// The pictures, frames, lines, timers and menus; the text controls, the buttons and the lists
// have files of their own (text_controls.cpp, button_controls.cpp, list_controls.cpp).
#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/core/clock.h"
#include "platform/ui/controls_internal.h"
#include "platform/ui/form.h"

namespace pelk::ui {

namespace {

using detail::assign;

}  // namespace

// ---- Image and PictureBox

Image::Image(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Image, index) {
    setTabStop(false);
}

void Image::copyDesign(const Control& model) {
    Control::copyDesign(model);
    setPicture(static_cast<const Image&>(model).picture());
}
void Image::setPicture(const Picture& p) {
    if (assign(picture_, p)) changed("Picture");
}
void Image::setStretch(bool s) {
    if (assign(stretch_, s)) changed("Stretch");
}
void Image::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& Image::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    {
                        prop::picture("Picture", &Image::picture, &Image::setPicture),
                        prop::of("Stretch", &Image::stretch, &Image::setStretch),
                        prop::of("BorderStyle", &Image::borderStyle, &Image::setBorderStyle),
                    }});
    return list;
}

PictureBox::PictureBox(Form* form, std::string name, int index)
    : Control(form, std::move(name), ControlKind::PictureBox, index) {}

void PictureBox::copyDesign(const Control& model) {
    Control::copyDesign(model);
    setPicture(static_cast<const PictureBox&>(model).picture());
}
void PictureBox::setPicture(const Picture& p) {
    if (assign(picture_, p)) changed("Picture");
}
void PictureBox::setAutoSize(bool a) {
    if (assign(autoSize_, a)) changed("AutoSize");
}
void PictureBox::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& PictureBox::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    tabProperties(),
                    {
                        prop::picture("Picture", &PictureBox::picture, &PictureBox::setPicture),
                        prop::of("AutoSize", &PictureBox::autoSize, &PictureBox::setAutoSize),
                        prop::of("BorderStyle", &PictureBox::borderStyle, &PictureBox::setBorderStyle),
                    }});
    return list;
}

// ---- Frame and Line

Frame::Frame(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Frame, index) {
    setTabStop(false);
}

void Frame::setCaption(std::string c) {
    if (assign(caption_, c)) changed("Caption");
}
void Frame::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& Frame::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    {
                        prop::of("Caption", &Frame::caption, &Frame::setCaption),
                        prop::of("BorderStyle", &Frame::borderStyle, &Frame::setBorderStyle),
                    }});
    return list;
}

Line::Line(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Line, index) {
    setTabStop(false);
}

void Line::setX1(double v) {
    if (assign(x1_, v)) changed("X1");
}
void Line::setY1(double v) {
    if (assign(y1_, v)) changed("Y1");
}
void Line::setX2(double v) {
    if (assign(x2_, v)) changed("X2");
}
void Line::setY2(double v) {
    if (assign(y2_, v)) changed("Y2");
}
void Line::setBorderColor(Color c) {
    if (assign(borderColor_, c)) changed("BorderColor");
}
void Line::setBorderWidth(int w) {
    if (assign(borderWidth_, w)) changed("BorderWidth");
}
void Line::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& Line::properties() const {
    static const PropertyList list = prop::join({identityProperties(),
                                                 {
                                                     prop::of("Visible", &Control::visible, &Control::setVisible),
                                                     prop::of("X1", &Line::x1, &Line::setX1),
                                                     prop::of("Y1", &Line::y1, &Line::setY1),
                                                     prop::of("X2", &Line::x2, &Line::setX2),
                                                     prop::of("Y2", &Line::y2, &Line::setY2),
                                                     prop::of("BorderColor", &Line::borderColor, &Line::setBorderColor),
                                                     prop::of("BorderWidth", &Line::borderWidth, &Line::setBorderWidth),
                                                     prop::of("BorderStyle", &Line::borderStyle, &Line::setBorderStyle),
                                                 }});
    return list;
}

// ---- Timer

Timer::Timer(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Timer, index) {
    setTabStop(false);
}

void Timer::setInterval(int ms) {
    interval_ = std::max(0, ms);
    restart();
    changed("Interval");
}

bool Timer::running() const { return enabled() && interval_ > 0 && form().isLoaded(); }

void Timer::restart() { dueMs_ = core::clock::nowMs() + interval_; }

void Timer::raiseTimer() {
    if (!timer_ || !eventsOn()) return;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{ticking_};
    ticking_ = true;
    auto handler = timer_;
    handler();
}

const PropertyList& Timer::properties() const {
    static const PropertyList list = prop::join({identityProperties(),
                                                 {
                                                     prop::of("Enabled", &Control::enabled, &Control::setEnabled),
                                                     prop::of("Interval", &Timer::interval, &Timer::setInterval),
                                                 }});
    return list;
}

// ---- Menu

Menu::Menu(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Menu, index) {
    setTabStop(false);
}

Menu::Menu(Form* form, std::string name, Menu& parent, int index) : Menu(form, std::move(name), index) {
    setParentMenu(parent);
}

Menu::~Menu() {
    if (parent_) std::erase(parent_->items_, this);
    for (Menu* m : items_) m->parent_ = nullptr;
}

void Menu::setParentMenu(Menu& parent) {
    if (parent_) std::erase(parent_->items_, this);
    parent_ = &parent;
    parent.items_.push_back(this);
}

void Menu::setCaption(std::string c) {
    if (assign(caption_, c)) changed("Caption");
}
void Menu::setChecked(bool c) {
    if (assign(checked_, c)) changed("Checked");
}
void Menu::setShortcut(std::string s) {
    if (assign(shortcut_, s)) changed("Shortcut");
}

char Menu::accessKey() const {
    for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_[i] != '&') continue;
        if (caption_[i + 1] == '&') {
            ++i;
            continue;
        }
        char c = caption_[i + 1];
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return 0;
}

bool Menu::available() const {
    for (const Menu* m = this; m; m = m->parent_)
        if (!m->enabled() || !m->visible()) return false;
    return true;
}

void Menu::userClick() {
    if (available()) raiseClick();
}

const PropertyList& Menu::properties() const {
    static const PropertyList list = prop::join({identityProperties(),
                                                 {
                                                     prop::of("Caption", &Menu::caption, &Menu::setCaption),
                                                     prop::of("Enabled", &Control::enabled, &Control::setEnabled),
                                                     prop::of("Visible", &Control::visible, &Control::setVisible),
                                                     prop::of("Checked", &Menu::checked, &Menu::setChecked),
                                                     prop::readOnly("Shortcut", &Menu::shortcut),
                                                 }});
    return list;
}

}  // namespace pelk::ui
