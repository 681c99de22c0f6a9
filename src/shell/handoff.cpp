#include "shell/handoff.h"

#include <stdexcept>
#include <string>

namespace pelk::shell {

void setOn(ui::Form& screen, std::string_view control, std::string_view property, std::string_view value) {
    ui::Control* c = screen.control(control);
    if (!c) throw std::logic_error(screen.name() + " has no control " + std::string(control));
    c->setProperty(property, value);
}

}  // namespace pelk::shell
