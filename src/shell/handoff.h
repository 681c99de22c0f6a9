#pragma once

#include <string>
#include <string_view>

#include "platform/ui/ui.h"

namespace pelk::shell {

// The screens of the main window's menus and of the panels that later parts of the program build
// (the room map, the reservation screens, the reports, the menu editor, the set-up wizard…) are
// reached by their names until then: a button or menu item whose screen is not registered yet
// does nothing, and works as soon as the screen is.

// The screen named, loaded by this reference when it is not (its Form_Load runs); nullptr, and
// nothing loaded, when no screen of that name exists yet.
ui::Form* laterScreen(std::string_view name);

// Sets a property of one of the screen's controls as code does (its events run). A control or a
// property the screen lacks is a fault of that screen, and throws.
void setOn(ui::Form& screen, std::string_view control, std::string_view property, std::string_view value);
// Reads a property of one of the screen's controls as text; a control or a property the screen
// lacks throws, as for setOn.
std::string propertyOf(const ui::Form& screen, std::string_view control, std::string_view property);

}  // namespace pelk::shell
