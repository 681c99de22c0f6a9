#include "platform/ui/input.h"

#include <vector>

#include "platform/core/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/form.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"

namespace pelk::ui::input {

namespace {

// Runs a user's action as one event; keys it queued arrive before it returns, also when it runs
// inside another (a form shown waiting).
bool userEvent(const std::function<bool()>& action) {
    bool taken = false;
    runEvent([&] {
        taken = action();
        deliverQueuedKeys();
    });
    return taken;
}

bool inputOn(const Control& c) { return takesInput(c.form()) && c.shown() && c.usable(); }

// The focus goes to a control that can take it; a click elsewhere still brings its form forward.
void focusFor(Control& c) {
    if (c.takesFocus())
        c.form().focus(c);
    else if (forms().activeForm() != &c.form())
        forms().activate(c.form(), false);
}

// Code points of a UTF-8 text, as typed keys.
std::vector<int> keysOf(std::string_view s) {
    std::vector<int> keys;
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        int code = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < n && i + static_cast<std::size_t>(k) < s.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0x3F);
        keys.push_back(code);
        i += static_cast<std::size_t>(n);
    }
    return keys;
}

// Enter is the focused control's own in a multi-line box (a new line) and on a button (its click).
bool usesEnter(const Control& c) {
    if (c.kind() == ControlKind::CommandButton) return true;
    auto* box = dynamic_cast<const TextBox*>(&c);
    return box && box->multiLine();
}

// A grid cell being typed into takes Enter and Escape itself: they end or take back the edit.
bool editingCell(const Control& c) {
    return c.kind() == ControlKind::DBGrid && static_cast<const DBGrid&>(c).editing();
}

// The form's Default button for Enter or its Cancel button for Escape, when it can be clicked and
// the control with the focus does not use the key itself.
CommandButton* buttonFor(const Form& form, const Control* focused, int keyAscii) {
    if (focused && editingCell(*focused)) return nullptr;
    bool enter = keyAscii == kKeyReturn && !(focused && usesEnter(*focused));
    bool escape = keyAscii == kKeyEscape;
    if (!enter && !escape) return nullptr;
    for (Control* c : form.controls()) {
        if (c->kind() != ControlKind::CommandButton) continue;
        auto* b = static_cast<CommandButton*>(c);
        if ((enter ? b->isDefault() : b->isCancel()) && b->shown() && b->usable()) return b;
    }
    return nullptr;
}

}  // namespace

bool takesInput(const Form& form) {
    if (!form.isLoaded() || !form.visible() || !form.enabled()) return false;
    Form* modal = forms().modalForm();
    return !modal || modal == &form;
}

bool click(Control& control) {
    return userEvent([&] {
        if (control.kind() == ControlKind::Menu) {
            auto& menu = static_cast<Menu&>(control);
            if (!takesInput(control.form()) || !menu.available()) return false;
            menu.userClick();
            return true;
        }
        if (!inputOn(control)) return false;
        focusFor(control);
        if (control.form().isLoaded()) control.userClick();
        return true;
    });
}

bool dblClick(Control& control) {
    return userEvent([&] {
        if (control.kind() == ControlKind::Menu || !inputOn(control)) return false;
        focusFor(control);
        if (control.form().isLoaded()) control.userDblClick();
        return true;
    });
}

bool type(Control& control, std::string_view text) {
    return userEvent([&] {
        if (!inputOn(control) || !control.canFocus()) return false;
        control.form().focus(control);
        for (int key : keysOf(text)) {
            Form* active = forms().activeForm();
            if (!active) break;
            keyToForm(*active, key);
            deliverQueuedKeys();
        }
        return true;
    });
}

bool pressKey(Form& form, int keyAscii) {
    return userEvent([&] {
        if (!takesInput(form)) return false;
        keyToForm(form, keyAscii);
        return true;
    });
}

void keyToForm(Form& form, int keyAscii) {
    if (!takesInput(form)) return;
    Control* c = form.activeControl();
    bool focusable = c && c->canFocus();
    bool tabInBox = focusable && c->kind() == ControlKind::TextBox && static_cast<TextBox*>(c)->multiLine();
    if (keyAscii == kKeyTab && focusable && !tabInBox) {
        // A record grid takes Tab from cell to cell, and lets it go on only past its last cell.
        if (c->kind() == ControlKind::DBGrid && static_cast<DBGrid*>(c)->userTab(false)) return;
        if (form.isLoaded()) form.focusNext();
        return;
    }
    if (form.keyPreview() || !focusable) {
        form.raiseKeyPress(keyAscii);
        if (keyAscii == 0 || !form.isLoaded()) return;
    }
    CommandButton* button = buttonFor(form, focusable ? c : nullptr, keyAscii);
    if (!button) {
        if (focusable) c->userKey(keyAscii);
        return;
    }
    // The focused control sees the key (its KeyPress can drop it) but does nothing with it; the
    // button is clicked where it is, the focus staying put.
    if (focusable) {
        c->raiseKeyPress(keyAscii);
        if (keyAscii == 0 || !form.isLoaded()) return;
    }
    button->raiseClick();
}

bool pressBackTab(Form& form) {
    return userEvent([&] {
        if (!takesInput(form)) return false;
        Control* c = form.activeControl();
        if (c && c->canFocus() && c->kind() == ControlKind::DBGrid && static_cast<DBGrid*>(c)->userTab(true))
            return true;
        if (form.isLoaded()) form.focusNext(true);
        return true;
    });
}

bool select(Control& control, int row, int column) {
    return userEvent([&] {
        if (!inputOn(control)) return false;
        focusFor(control);
        if (!control.form().isLoaded()) return true;
        return control.userSelect(row, column);
    });
}

bool editCell(Control& control, int row, int column, std::string_view text) {
    return userEvent([&] {
        if (!inputOn(control)) return false;
        focusFor(control);
        if (!control.form().isLoaded()) return true;
        return control.userEditCell(row, column, text);
    });
}

bool deleteRow(Control& grid, int row) {
    if (grid.kind() != ControlKind::DBGrid || !select(grid, row)) return false;
    return userEvent([&] { return inputOn(grid) && static_cast<DBGrid&>(grid).userDeleteRow(); });
}

bool closeWindow(Form& form) {
    return userEvent([&] {
        if (!takesInput(form)) return false;
        form.Unload(UnloadMode::FormControlMenu);
        return true;
    });
}

bool shortcut(Form& form, std::string_view keys) {
    return userEvent([&] {
        if (!takesInput(form)) return false;
        for (Control* c : form.controls()) {
            if (c->kind() != ControlKind::Menu) continue;
            auto* m = static_cast<Menu*>(c);
            if (!m->shortcut().empty() && core::text::equalsNoCase(m->shortcut(), keys) && m->available()) {
                m->userClick();
                return true;
            }
        }
        return false;
    });
}

}  // namespace pelk::ui::input
