#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace pelk::shell {

// The screens of the main window's menus and of the panels that later subsystems own (the room
// map, the reservation screens, the reports, the menu editor, the set-up wizard…) are reached by
// their names (ui::forms().byName), and written through their controls' names.

// Sets a property of one of the screen's controls as code does (its events run). A control or a
// property the screen lacks is a fault of that screen, and throws.
void setOn(ui::Form& screen, std::string_view control, std::string_view property, std::string_view value);

}  // namespace pelk::shell
