#pragma once

#include <string>

#include "platform/ui/controls.h"

namespace pelk::ui {

// The rich text box, of which the screens use the plain text only: a text box of many lines
// (Text, SelStart, SelText, Change, typing) of its own kind, so a host can draw it as one.
class RichTextBox : public TextBox {
public:
    RichTextBox(Form* form, std::string name, int index = -1)
        : TextBox(form, std::move(name), ControlKind::RichTextBox, index) {
        setMultiLine(true);
    }
};

}  // namespace pelk::ui
