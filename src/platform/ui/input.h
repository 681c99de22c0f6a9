#pragma once

#include <string_view>

namespace pelk::ui {
class Control;
class Form;
}  // namespace pelk::ui

// A user's actions on the forms, as the scripted runner and the Qt host deliver them. Each runs as
// one event (runtime.h), and keys the program queues meanwhile (SendKeys) arrive before it returns.
// Each returns false when its target takes nothing: a control that is hidden or disabled (itself
// or its container), a form that is hidden or disabled, or any form but the one shown waiting.
namespace pelk::ui::input {

// Whether the form takes input now: loaded, shown, enabled, and no other form is shown waiting.
bool takesInput(const Form& form);

// Focus first (LostFocus of the control left, then GotFocus) when the control can take it, then
// MouseDown, MouseUp and Click; a menu item is chosen (Click) when it is available.
bool click(Control& control);
bool dblClick(Control& control);
// Gives the control the focus and types the text key by key (each one where the focus is then,
// as a keyboard does): KeyPress, then the change of text, then Change.
bool type(Control& control, std::string_view text);
// A key pressed on the form: Form_KeyPress first with key preview, then the control with the focus.
// Tab moves the focus along the tab order (a record grid with the focus first takes it from cell to
// cell). Enter clicks the form's Default button and Escape its Cancel button (when visible and
// enabled) once the key has passed both KeyPress events undropped, unless the focused control uses
// Enter itself (a multi-line box, a button) or is a grid cell being typed into.
bool pressKey(Form& form, int keyAscii);
// Shift+Tab on the form: the previous cell of a record grid that has the focus, else the previous
// control in tab order.
bool pressBackTab(Form& form);
// Clicks the item at row (lists, combo boxes) or the cell (grids).
bool select(Control& control, int row, int column = -1);
// Types a text into a cell of an editable grid (the grid moves to that row first).
bool editCell(Control& control, int row, int column, std::string_view text);
// Chooses a row of a record grid and presses Delete on it: the row goes when the grid allows
// deleting; false when the grid takes nothing or keeps the row.
bool deleteRow(Control& grid, int row);
// The window's close box: unloads the form as the user closing it does.
bool closeWindow(Form& form);
// A menu shortcut pressed on the form ("Ctrl+M", "F5"): chooses the item that has it.
bool shortcut(Form& form, std::string_view keys);

// The runtime's side: a key reaching the form inside a running event (queued keys).
void keyToForm(Form& form, int keyAscii);

}  // namespace pelk::ui::input
