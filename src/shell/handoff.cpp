#include "shell/handoff.h"

#include <stdexcept>
#include <string>

namespace pelk::shell {

namespace {

ui::Control& controlOn(const ui::Form& screen, std::string_view control) {
    ui::Control* c = screen.control(control);
    if (!c) throw std::logic_error(screen.name() + " has no control " + std::string(control));
    return *c;
}

}  // namespace

void setOn(ui::Form& screen, std::string_view control, std::string_view property, std::string_view value) {
    controlOn(screen, control).setProperty(property, value);
}

std::string propertyOf(const ui::Form& screen, std::string_view control, std::string_view property) {
    return controlOn(screen, control).property(property);
}

}  // namespace pelk::shell
