#pragma once

// What the files of the control kinds share: controls.cpp, text_controls.cpp, button_controls.cpp
// and list_controls.cpp, all of them behind controls.h.
#include <string_view>

namespace pelk::ui::detail {

// Characters, as the controls' positions count them.
int length(std::string_view s);

// A property's member set to `value`; false when it held it already, so the setter tells no one.
template <class T>
bool assign(T& member, const T& value) {
    if (member == value) return false;
    member = value;
    return true;
}

}  // namespace pelk::ui::detail
