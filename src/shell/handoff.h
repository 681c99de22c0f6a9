#pragma once

#include <string>
#include <string_view>

#include "platform/ui/ui.h"

namespace pelk::shell {

// The parts of the program stand in an order, each including only the headers of those before it
// (README, "The parts and their order"). A screen of a later part (for the shell the room map, the
// reservation screens, the reports, the menu editor, the set-up wizard…) is reached by its name
// (ui::forms().byName) and filled or read through its controls' properties, as a road script
// drives it.

// Sets a property of one of the screen's controls as code does (its events run). A control or a
// property the screen lacks is a fault of that screen, and throws.
void setOn(ui::Form& screen, std::string_view control, std::string_view property, std::string_view value);
// Reads a property of one of the screen's controls as text; a control or a property the screen
// lacks throws, as for setOn.
std::string propertyOf(const ui::Form& screen, std::string_view control, std::string_view property);

}  // namespace pelk::shell
