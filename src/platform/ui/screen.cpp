#include "platform/ui/screen.h"

#include "platform/ui/form.h"
#include "platform/ui/registry.h"

namespace pelk::ui {

Screen& screen() {
    static Screen s;
    return s;
}

void Screen::setSize(double width, double height) {
    width_ = width;
    height_ = height;
    if (onChange_) onChange_();
}

void Screen::setMousePointer(int pointer) {
    if (pointer == mousePointer_) return;
    mousePointer_ = pointer;
    if (onChange_) onChange_();
}

Form* Screen::activeForm() const { return forms().activeForm(); }

Control* Screen::activeControl() const {
    Form* f = activeForm();
    return f ? f->activeControl() : nullptr;
}

void Screen::reset() {
    width_ = 15360;
    height_ = 11520;
    mousePointer_ = kDefaultPointer;
    onChange_ = nullptr;
}

}  // namespace pelk::ui
