#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"
#include "platform/ui/picture.h"

namespace pelk::ui {

// 0 left, 1 right, 2 centre, as the legacy Alignment.
enum Alignment { kLeftJustify = 0, kRightJustify = 1, kCenter = 2 };

class Label : public Control {
public:
    Label(Form* form, std::string name, int index = -1);
    const std::string& caption() const { return caption_; }
    // Raises Change when the caption differs.
    void setCaption(std::string c);
    int alignment() const { return alignment_; }
    void setAlignment(int a);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    int backStyle() const { return backStyle_; }  // 0 transparent, 1 opaque
    void setBackStyle(int s);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s);
    const PropertyList& properties() const override;

private:
    std::string caption_;
    int alignment_ = kLeftJustify;
    bool autoSize_ = false;
    int backStyle_ = 1;
    bool wordWrap_ = false;
    int borderStyle_ = 0;
};

// Typing into a text: the key replaces the selection at the caret (Backspace deletes it, or the
// character before the caret); MaxLength (0: none) refuses keys that would make the text longer.
// Positions count characters. False when the key changes nothing.
bool applyTypedKey(std::string& text, int& selStart, int& selLength, int key, int maxLength, bool multiLine);

class TextBox : public Control {
public:
    TextBox(Form* form, std::string name, int index = -1);
    const std::string& text() const { return text_; }
    // Raises Change when the text differs; the caret goes to the start.
    void setText(std::string t);
    int selStart() const { return selStart_; }
    void setSelStart(int s);
    int selLength() const { return selLength_; }
    void setSelLength(int n);
    std::string selText() const;
    // Replaces the selection (Change when that changes the text).
    void setSelText(std::string t);
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n);
    // The character shown for each character typed ("*"); the Text stays what was typed.
    const std::string& passwordChar() const { return passwordChar_; }
    void setPasswordChar(std::string c);
    int alignment() const { return alignment_; }
    void setAlignment(int a);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool m);
    bool locked() const { return locked_; }
    void setLocked(bool l);
    int scrollBars() const { return scrollBars_; }
    void setScrollBars(int s);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s);
    // What a renderer shows: the text, or one password character per character.
    std::string displayText() const;

    bool takesFocus() const override { return true; }
    void userKey(int keyAscii) override;
    const PropertyList& properties() const override;

protected:
    // For kinds that are text boxes underneath (the rich text box).
    TextBox(Form* form, std::string name, ControlKind kind, int index);

private:
    void replaceText(std::string t);
    std::string text_;
    int selStart_ = 0, selLength_ = 0;
    int maxLength_ = 0;
    std::string passwordChar_;
    int alignment_ = kLeftJustify;
    bool multiLine_ = false, locked_ = false;
    int scrollBars_ = 0;
    int borderStyle_ = 1;
};

class CommandButton : public Control {
public:
    CommandButton(Form* form, std::string name, int index = -1);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    int style() const { return style_; }  // 0 standard, 1 graphical (shows Picture)
    void setStyle(int s);
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    // Clicked by Enter (Default) or Escape (Cancel) on its form (input.h). A form has at most one
    // of each: setting it clears it on the form's other buttons.
    bool isDefault() const { return default_; }
    void setDefault(bool d);
    bool isCancel() const { return cancel_; }
    void setCancel(bool c);
    bool value() const { return false; }
    // Value = True clicks the button, as the legacy runtime does.
    void setValue(bool v);

    bool takesFocus() const override { return true; }
    void userKey(int keyAscii) override;
    void copyDesign(const Control& model) override;
    const PropertyList& properties() const override;

private:
    std::string caption_;
    int style_ = 0;
    Picture picture_;
    bool default_ = false, cancel_ = false;
};

class Image : public Control {
public:
    Image(Form* form, std::string name, int index = -1);
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    bool stretch() const { return stretch_; }
    void setStretch(bool s);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s);
    void copyDesign(const Control& model) override;
    const PropertyList& properties() const override;

private:
    Picture picture_;
    bool stretch_ = false;
    int borderStyle_ = 0;
};

class PictureBox : public Control {
public:
    PictureBox(Form* form, std::string name, int index = -1);
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& p);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s);
    bool takesFocus() const override { return true; }
    void copyDesign(const Control& model) override;
    const PropertyList& properties() const override;

private:
    Picture picture_;
    bool autoSize_ = false;
    int borderStyle_ = 1;
};

class CheckBox : public Control {
public:
    CheckBox(Form* form, std::string name, int index = -1);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    // 0 unchecked, 1 checked, 2 greyed. Raises Click when the value changes.
    int value() const { return value_; }
    void setValue(int v);
    int alignment() const { return alignment_; }
    void setAlignment(int a);

    bool takesFocus() const override { return true; }
    void userClick() override;
    void userKey(int keyAscii) override;
    const PropertyList& properties() const override;

private:
    std::string caption_;
    int value_ = 0;
    int alignment_ = kLeftJustify;
};

// Option buttons in one container (the form, a frame or a picture box) form a group: one is set.
class OptionButton : public Control {
public:
    OptionButton(Form* form, std::string name, int index = -1);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    bool value() const { return value_; }
    // True clears the others of the group and raises Click when it was not set.
    void setValue(bool v);

    bool takesFocus() const override { return true; }
    void userClick() override;
    const PropertyList& properties() const override;

private:
    std::string caption_;
    bool value_ = false;
};

class Frame : public Control {
public:
    Frame(Form* form, std::string name, int index = -1);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s);
    const PropertyList& properties() const override;

private:
    std::string caption_;
    int borderStyle_ = 1;
};

class Line : public Control {
public:
    Line(Form* form, std::string name, int index = -1);
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    void setX1(double v);
    void setY1(double v);
    void setX2(double v);
    void setY2(double v);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int s);
    const PropertyList& properties() const override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color borderColor_ = 0x80000008;
    int borderWidth_ = 1, borderStyle_ = 1;
};

// A timer ticks every Interval milliseconds while it is enabled and its form is loaded; the host
// ticks it (timers.h). An interval of 0 never ticks.
class Timer : public Control {
public:
    Timer(Form* form, std::string name, int index = -1);
    int interval() const { return interval_; }
    // Starts the count again, as the legacy timer does.
    void setInterval(int ms);
    void onTimer(Handler h) { timer_ = std::move(h); }
    void raiseTimer();

    // The scheduler's side: when the next tick falls due (clock milliseconds).
    bool running() const;
    std::int64_t dueMs() const { return dueMs_; }
    void restart();
    void shiftDue(std::int64_t ms) { dueMs_ += ms; }
    bool ticking() const { return ticking_; }

    void afterFormLoad() override { restart(); }
    const PropertyList& properties() const override;

protected:
    void enabledChanged() override { restart(); }

private:
    int interval_ = 0;
    std::int64_t dueMs_ = 0;
    bool ticking_ = false;
    Handler timer_;
};

// Lists shared by the list box and the combo box.
class ListControl : public Control {
public:
    ListControl(Form* form, std::string name, ControlKind kind, int index);
    // Adds an item at the end (or at `at`); a sorted list puts it in its place. NewIndex tells where.
    void AddItem(std::string item, int at = -1);
    void RemoveItem(int at);
    void Clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    // The item at i; the empty text outside the list.
    std::string list(int i) const;
    void setList(int i, std::string item);
    std::int64_t itemData(int i) const;
    void setItemData(int i, std::int64_t d);
    int newIndex() const { return newIndex_; }
    bool sorted() const { return sorted_; }
    void setSorted(bool s) { sorted_ = s; }
    const std::vector<std::string>& items() const { return items_; }
    // -1 when nothing is selected. Raises Click when it changes.
    int listIndex() const { return listIndex_; }
    virtual void setListIndex(int i);

    bool takesFocus() const override { return true; }
    bool userSelect(int row, int column) override;

protected:
    static const PropertyList& listProperties();
    // Sets the selection without events; the combo box keeps its text with it.
    virtual void selectSilently(int i) { listIndex_ = i; }
    int indexOf(std::string_view item) const;

private:
    std::vector<std::string> items_;
    std::vector<std::int64_t> itemData_;
    int listIndex_ = -1;
    int newIndex_ = -1;
    bool sorted_ = false;
};

class ListBox : public ListControl {
public:
    ListBox(Form* form, std::string name, int index = -1);
    // The selected item.
    std::string text() const { return list(listIndex()); }
    const PropertyList& properties() const override;
};

// Style 0 (drop-down combo) and 1 (simple) take typed text; 2 (drop-down list) only its items.
class ComboBox : public ListControl {
public:
    ComboBox(Form* form, std::string name, int index = -1);
    const std::string& text() const { return text_; }
    // Raises Change when the text differs, and never Click; the item of that text (if any) becomes
    // the selection. A drop-down list takes only the text of one of its items.
    void setText(std::string t);
    int style() const { return style_; }
    void setStyle(int s);
    bool locked() const { return locked_; }
    void setLocked(bool l);
    int selStart() const { return selStart_; }
    void setSelStart(int s);
    int selLength() const { return selLength_; }
    void setSelLength(int n);
    // Raises Click (not Change) when it changes; the text becomes the item's.
    void setListIndex(int i) override;

    void userKey(int keyAscii) override;
    const PropertyList& properties() const override;

protected:
    void selectSilently(int i) override;

private:
    std::string text_;
    int style_ = 0;
    bool locked_ = false;
    int selStart_ = 0, selLength_ = 0;
};

// A menu item on a form's menu bar; a top menu when it has no parent. A disabled or hidden menu
// makes everything under it unavailable.
class Menu : public Control {
public:
    Menu(Form* form, std::string name, int index = -1);
    Menu(Form* form, std::string name, Menu& parent, int index = -1);
    ~Menu() override;
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);
    bool checked() const { return checked_; }
    void setChecked(bool c);
    // The shortcut as written in the menu editor ("Ctrl+M", "F5"); empty for none.
    const std::string& shortcut() const { return shortcut_; }
    void setShortcut(std::string s);
    // The character after "&" in the caption, in upper case; 0 for none.
    char accessKey() const;
    Menu* parentMenu() const { return parent_; }
    void setParentMenu(Menu& parent);
    const std::vector<Menu*>& items() const { return items_; }
    // Enabled and visible, and so is every menu above it.
    bool available() const;

    // Choosing the item: Click when it is available.
    void userClick() override;
    const PropertyList& properties() const override;

private:
    std::string caption_;
    bool checked_ = false;
    std::string shortcut_;
    Menu* parent_ = nullptr;
    std::vector<Menu*> items_;
};

}  // namespace pelk::ui
