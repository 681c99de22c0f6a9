#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/core/clock.h"
#include "platform/core/text.h"
#include "platform/ui/form.h"

namespace pelk::ui {

namespace {

namespace text = core::text;

int length(std::string_view s) { return static_cast<int>(text::len(s)); }

// Characters [from, from + n) of s replaced by `with`.
std::string spliced(std::string_view s, int from, int n, std::string_view with) {
    std::size_t b = text::byteOffset(s, static_cast<std::size_t>(from));
    std::size_t e = text::byteOffset(s, static_cast<std::size_t>(from + n));
    std::string r(s.substr(0, b));
    r += with;
    r += s.substr(e);
    return r;
}

std::string utf8(int code) {
    std::string s;
    auto c = static_cast<unsigned>(code);
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// Keeps a selection inside a text of n characters.
void clampSelection(int n, int& start, int& length) {
    start = std::clamp(start, 0, n);
    length = std::clamp(length, 0, n - start);
}

template <class T>
bool assign(T& member, const T& value) {
    if (member == value) return false;
    member = value;
    return true;
}

}  // namespace

bool applyTypedKey(std::string& s, int& selStart, int& selLength, int key, int maxLength, bool multiLine) {
    int n = length(s);
    clampSelection(n, selStart, selLength);
    if (key == kKeyBack) {
        if (selLength > 0) {
            s = spliced(s, selStart, selLength, "");
        } else if (selStart > 0) {
            s = spliced(s, selStart - 1, 1, "");
            --selStart;
        } else {
            return false;
        }
        selLength = 0;
        return true;
    }
    std::string insert;
    if (key == kKeyReturn) {
        if (!multiLine) return false;
        insert = "\r\n";
    } else if (key < 32 || key == 127) {
        return false;
    } else {
        insert = utf8(key);
    }
    int added = length(insert);
    if (maxLength > 0 && n - selLength + added > maxLength) return false;
    s = spliced(s, selStart, selLength, insert);
    selStart += added;
    selLength = 0;
    return true;
}

// ---- Label

Label::Label(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Label, index) {
    setTabStop(false);
}

void Label::setCaption(std::string c) {
    if (!assign(caption_, c)) return;
    changed("Caption");
    raiseChange();
}

void Label::setAlignment(int a) {
    if (assign(alignment_, a)) changed("Alignment");
}
void Label::setAutoSize(bool a) {
    if (assign(autoSize_, a)) changed("AutoSize");
}
void Label::setBackStyle(int s) {
    if (assign(backStyle_, s)) changed("BackStyle");
}
void Label::setWordWrap(bool w) {
    if (assign(wordWrap_, w)) changed("WordWrap");
}
void Label::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& Label::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    {
                        prop::of("Caption", &Label::caption, &Label::setCaption),
                        prop::of("Alignment", &Label::alignment, &Label::setAlignment),
                        prop::of("AutoSize", &Label::autoSize, &Label::setAutoSize),
                        prop::of("BackStyle", &Label::backStyle, &Label::setBackStyle),
                        prop::of("WordWrap", &Label::wordWrap, &Label::setWordWrap),
                        prop::of("BorderStyle", &Label::borderStyle, &Label::setBorderStyle),
                    }});
    return list;
}

// ---- TextBox

TextBox::TextBox(Form* form, std::string name, int index)
    : TextBox(form, std::move(name), ControlKind::TextBox, index) {}

TextBox::TextBox(Form* form, std::string name, ControlKind kind, int index)
    : Control(form, std::move(name), kind, index) {
    setBackColor(0x80000005);
    setForeColor(0x80000008);
}

void TextBox::replaceText(std::string t) {
    if (!assign(text_, t)) return;
    changed("Text");
    raiseChange();
}

void TextBox::setText(std::string t) {
    if (t == text_) return;
    selStart_ = 0;
    selLength_ = 0;
    replaceText(std::move(t));
}

void TextBox::setSelStart(int s) {
    selStart_ = std::clamp(s, 0, length(text_));
    selLength_ = 0;
    changed("SelStart");
}

void TextBox::setSelLength(int n) {
    selLength_ = std::clamp(n, 0, length(text_) - selStart_);
    changed("SelLength");
}

std::string TextBox::selText() const {
    int start = selStart_, len = selLength_;
    clampSelection(length(text_), start, len);
    return text::mid(text_, static_cast<std::size_t>(start) + 1, static_cast<std::size_t>(len));
}

void TextBox::setSelText(std::string t) {
    clampSelection(length(text_), selStart_, selLength_);
    std::string next = spliced(text_, selStart_, selLength_, t);
    selStart_ += length(t);
    selLength_ = 0;
    replaceText(std::move(next));
}

void TextBox::setMaxLength(int n) {
    if (assign(maxLength_, std::max(0, n))) changed("MaxLength");
}
void TextBox::setPasswordChar(std::string c) {
    if (assign(passwordChar_, text::left(c, 1))) changed("PasswordChar");
}
void TextBox::setAlignment(int a) {
    if (assign(alignment_, a)) changed("Alignment");
}
void TextBox::setMultiLine(bool m) {
    if (assign(multiLine_, m)) changed("MultiLine");
}
void TextBox::setLocked(bool l) {
    if (assign(locked_, l)) changed("Locked");
}
void TextBox::setScrollBars(int s) {
    if (assign(scrollBars_, s)) changed("ScrollBars");
}
void TextBox::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

std::string TextBox::displayText() const {
    if (passwordChar_.empty()) return text_;
    std::string shown;
    for (std::size_t i = 0, n = text::len(text_); i < n; ++i) shown += passwordChar_;
    return shown;
}

void TextBox::userKey(int keyAscii) {
    raiseKeyPress(keyAscii);
    if (keyAscii == 0 || locked_ || !form().isLoaded()) return;
    std::string next = text_;
    if (!applyTypedKey(next, selStart_, selLength_, keyAscii, maxLength_, multiLine_)) return;
    replaceText(std::move(next));
}

const PropertyList& TextBox::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    tabProperties(),
                    {
                        prop::of("Text", &TextBox::text, &TextBox::setText),
                        prop::of("SelStart", &TextBox::selStart, &TextBox::setSelStart),
                        prop::of("SelLength", &TextBox::selLength, &TextBox::setSelLength),
                        prop::of("SelText", &TextBox::selText, &TextBox::setSelText),
                        prop::of("MaxLength", &TextBox::maxLength, &TextBox::setMaxLength),
                        prop::of("PasswordChar", &TextBox::passwordChar, &TextBox::setPasswordChar),
                        prop::of("Alignment", &TextBox::alignment, &TextBox::setAlignment),
                        prop::of("MultiLine", &TextBox::multiLine, &TextBox::setMultiLine),
                        prop::of("Locked", &TextBox::locked, &TextBox::setLocked),
                        prop::of("ScrollBars", &TextBox::scrollBars, &TextBox::setScrollBars),
                        prop::of("BorderStyle", &TextBox::borderStyle, &TextBox::setBorderStyle),
                    }});
    return list;
}

// ---- CommandButton

CommandButton::CommandButton(Form* form, std::string name, int index)
    : Control(form, std::move(name), ControlKind::CommandButton, index) {}

void CommandButton::setCaption(std::string c) {
    if (assign(caption_, c)) changed("Caption");
}
void CommandButton::setStyle(int s) {
    if (assign(style_, s)) changed("Style");
}
void CommandButton::setPicture(const Picture& p) {
    if (assign(picture_, p)) changed("Picture");
}
void CommandButton::setDefault(bool d) {
    if (d)
        for (Control* c : form().controls())
            if (c != this && c->kind() == ControlKind::CommandButton) static_cast<CommandButton*>(c)->setDefault(false);
    if (assign(default_, d)) changed("Default");
}
void CommandButton::setCancel(bool c) {
    if (c)
        for (Control* o : form().controls())
            if (o != this && o->kind() == ControlKind::CommandButton) static_cast<CommandButton*>(o)->setCancel(false);
    if (assign(cancel_, c)) changed("Cancel");
}

void CommandButton::copyDesign(const Control& model) {
    Control::copyDesign(model);
    setPicture(static_cast<const CommandButton&>(model).picture());
}

void CommandButton::setValue(bool v) {
    if (v) raiseClick();
}

void CommandButton::userKey(int keyAscii) {
    raiseKeyPress(keyAscii);
    if (!form().isLoaded()) return;
    if (keyAscii == kKeyReturn || keyAscii == ' ') raiseClick();
}

const PropertyList& CommandButton::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    tabProperties(),
                    {
                        prop::of("Caption", &CommandButton::caption, &CommandButton::setCaption),
                        prop::of("Style", &CommandButton::style, &CommandButton::setStyle),
                        prop::picture("Picture", &CommandButton::picture, &CommandButton::setPicture),
                        prop::of("Default", &CommandButton::isDefault, &CommandButton::setDefault),
                        prop::of("Cancel", &CommandButton::isCancel, &CommandButton::setCancel),
                        prop::of("Value", &CommandButton::value, &CommandButton::setValue),
                    }});
    return list;
}

// ---- Image and PictureBox

Image::Image(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Image, index) {
    setTabStop(false);
}

void Image::copyDesign(const Control& model) {
    Control::copyDesign(model);
    setPicture(static_cast<const Image&>(model).picture());
}
void Image::setPicture(const Picture& p) {
    if (assign(picture_, p)) changed("Picture");
}
void Image::setStretch(bool s) {
    if (assign(stretch_, s)) changed("Stretch");
}
void Image::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& Image::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    {
                        prop::picture("Picture", &Image::picture, &Image::setPicture),
                        prop::of("Stretch", &Image::stretch, &Image::setStretch),
                        prop::of("BorderStyle", &Image::borderStyle, &Image::setBorderStyle),
                    }});
    return list;
}

PictureBox::PictureBox(Form* form, std::string name, int index)
    : Control(form, std::move(name), ControlKind::PictureBox, index) {}

void PictureBox::copyDesign(const Control& model) {
    Control::copyDesign(model);
    setPicture(static_cast<const PictureBox&>(model).picture());
}
void PictureBox::setPicture(const Picture& p) {
    if (assign(picture_, p)) changed("Picture");
}
void PictureBox::setAutoSize(bool a) {
    if (assign(autoSize_, a)) changed("AutoSize");
}
void PictureBox::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& PictureBox::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    tabProperties(),
                    {
                        prop::picture("Picture", &PictureBox::picture, &PictureBox::setPicture),
                        prop::of("AutoSize", &PictureBox::autoSize, &PictureBox::setAutoSize),
                        prop::of("BorderStyle", &PictureBox::borderStyle, &PictureBox::setBorderStyle),
                    }});
    return list;
}

// ---- CheckBox and OptionButton

CheckBox::CheckBox(Form* form, std::string name, int index)
    : Control(form, std::move(name), ControlKind::CheckBox, index) {}

void CheckBox::setCaption(std::string c) {
    if (assign(caption_, c)) changed("Caption");
}

void CheckBox::setValue(int v) {
    if (!assign(value_, std::clamp(v, 0, 2))) return;
    changed("Value");
    raiseClick();
}

void CheckBox::setAlignment(int a) {
    if (assign(alignment_, a)) changed("Alignment");
}

void CheckBox::userClick() {
    raiseMouseDown();
    if (!form().isLoaded()) return;
    raiseMouseUp();
    if (!form().isLoaded()) return;
    setValue(value_ == 1 ? 0 : 1);
}

void CheckBox::userKey(int keyAscii) {
    raiseKeyPress(keyAscii);
    if (form().isLoaded() && keyAscii == ' ') setValue(value_ == 1 ? 0 : 1);
}

const PropertyList& CheckBox::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    tabProperties(),
                    {
                        prop::of("Caption", &CheckBox::caption, &CheckBox::setCaption),
                        prop::of("Value", &CheckBox::value, &CheckBox::setValue),
                        prop::of("Alignment", &CheckBox::alignment, &CheckBox::setAlignment),
                    }});
    return list;
}

OptionButton::OptionButton(Form* form, std::string name, int index)
    : Control(form, std::move(name), ControlKind::OptionButton, index) {}

void OptionButton::setCaption(std::string c) {
    if (assign(caption_, c)) changed("Caption");
}

void OptionButton::setValue(bool v) {
    if (!assign(value_, v)) return;
    changed("Value");
    if (!v) return;
    for (Control* c : form().controls())
        if (c != this && c->kind() == ControlKind::OptionButton && c->container() == container()) {
            auto* other = static_cast<OptionButton*>(c);
            if (other->value_) {
                other->value_ = false;
                other->changed("Value");
            }
        }
    raiseClick();
}

void OptionButton::userClick() {
    raiseMouseDown();
    if (!form().isLoaded()) return;
    raiseMouseUp();
    if (!form().isLoaded()) return;
    if (value_)
        raiseClick();
    else
        setValue(true);
}

const PropertyList& OptionButton::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    tabProperties(),
                    {
                        prop::of("Caption", &OptionButton::caption, &OptionButton::setCaption),
                        prop::of("Value", &OptionButton::value, &OptionButton::setValue),
                    }});
    return list;
}

// ---- Frame and Line

Frame::Frame(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Frame, index) {
    setTabStop(false);
}

void Frame::setCaption(std::string c) {
    if (assign(caption_, c)) changed("Caption");
}
void Frame::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& Frame::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    {
                        prop::of("Caption", &Frame::caption, &Frame::setCaption),
                        prop::of("BorderStyle", &Frame::borderStyle, &Frame::setBorderStyle),
                    }});
    return list;
}

Line::Line(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Line, index) {
    setTabStop(false);
}

void Line::setX1(double v) {
    if (assign(x1_, v)) changed("X1");
}
void Line::setY1(double v) {
    if (assign(y1_, v)) changed("Y1");
}
void Line::setX2(double v) {
    if (assign(x2_, v)) changed("X2");
}
void Line::setY2(double v) {
    if (assign(y2_, v)) changed("Y2");
}
void Line::setBorderColor(Color c) {
    if (assign(borderColor_, c)) changed("BorderColor");
}
void Line::setBorderWidth(int w) {
    if (assign(borderWidth_, w)) changed("BorderWidth");
}
void Line::setBorderStyle(int s) {
    if (assign(borderStyle_, s)) changed("BorderStyle");
}

const PropertyList& Line::properties() const {
    static const PropertyList list = prop::join({identityProperties(),
                                                 {
                                                     prop::of("Visible", &Control::visible, &Control::setVisible),
                                                     prop::of("X1", &Line::x1, &Line::setX1),
                                                     prop::of("Y1", &Line::y1, &Line::setY1),
                                                     prop::of("X2", &Line::x2, &Line::setX2),
                                                     prop::of("Y2", &Line::y2, &Line::setY2),
                                                     prop::of("BorderColor", &Line::borderColor, &Line::setBorderColor),
                                                     prop::of("BorderWidth", &Line::borderWidth, &Line::setBorderWidth),
                                                     prop::of("BorderStyle", &Line::borderStyle, &Line::setBorderStyle),
                                                 }});
    return list;
}

// ---- Timer

Timer::Timer(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Timer, index) {
    setTabStop(false);
}

void Timer::setInterval(int ms) {
    interval_ = std::max(0, ms);
    restart();
    changed("Interval");
}

bool Timer::running() const { return enabled() && interval_ > 0 && form().isLoaded(); }

void Timer::restart() { dueMs_ = core::clock::nowMs() + interval_; }

void Timer::raiseTimer() {
    if (!timer_ || !eventsOn()) return;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{ticking_};
    ticking_ = true;
    auto handler = timer_;
    handler();
}

const PropertyList& Timer::properties() const {
    static const PropertyList list = prop::join({identityProperties(),
                                                 {
                                                     prop::of("Enabled", &Control::enabled, &Control::setEnabled),
                                                     prop::of("Interval", &Timer::interval, &Timer::setInterval),
                                                 }});
    return list;
}

// ---- Lists

ListControl::ListControl(Form* form, std::string name, ControlKind kind, int index)
    : Control(form, std::move(name), kind, index) {
    setBackColor(0x80000005);
    setForeColor(0x80000008);
}

int ListControl::indexOf(std::string_view item) const {
    for (int i = 0; i < listCount(); ++i)
        if (text::equalsNoCase(items_[static_cast<std::size_t>(i)], item)) return i;
    return -1;
}

void ListControl::AddItem(std::string item, int at) {
    int n = listCount();
    if (at < 0 || at > n) at = n;
    if (sorted_) {
        at = 0;
        std::string key = text::lower(item);
        while (at < n && text::lower(items_[static_cast<std::size_t>(at)]) <= key) ++at;
    }
    items_.insert(items_.begin() + at, std::move(item));
    itemData_.insert(itemData_.begin() + at, 0);
    newIndex_ = at;
    if (listIndex_ >= at) selectSilently(listIndex_ + 1);
    changed("List");
}

void ListControl::RemoveItem(int at) {
    if (at < 0 || at >= listCount()) throw PropertyError(path() + ": there is no item " + std::to_string(at));
    items_.erase(items_.begin() + at);
    itemData_.erase(itemData_.begin() + at);
    if (listIndex_ == at)
        selectSilently(-1);
    else if (listIndex_ > at)
        selectSilently(listIndex_ - 1);
    changed("List");
}

void ListControl::Clear() {
    items_.clear();
    itemData_.clear();
    newIndex_ = -1;
    selectSilently(-1);
    changed("List");
}

std::string ListControl::list(int i) const {
    return i >= 0 && i < listCount() ? items_[static_cast<std::size_t>(i)] : std::string();
}

void ListControl::setList(int i, std::string item) {
    if (i < 0) return;
    if (i >= listCount()) {
        AddItem(std::move(item));
        return;
    }
    items_[static_cast<std::size_t>(i)] = std::move(item);
    changed("List");
}

std::int64_t ListControl::itemData(int i) const {
    return i >= 0 && i < listCount() ? itemData_[static_cast<std::size_t>(i)] : 0;
}

void ListControl::setItemData(int i, std::int64_t d) {
    if (i >= 0 && i < listCount()) itemData_[static_cast<std::size_t>(i)] = d;
}

void ListControl::setListIndex(int i) {
    if (i < -1 || i >= listCount())
        throw PropertyError(path() + ": ListIndex " + std::to_string(i) + " is outside the list");
    if (i == listIndex_) return;
    selectSilently(i);
    changed("ListIndex");
    raiseClick();
}

bool ListControl::userSelect(int row, int) {
    if (row < 0 || row >= listCount())
        throw PropertyError(path() + ": row " + std::to_string(row) + " is outside the list of " +
                            std::to_string(listCount()));
    raiseMouseDown();
    if (!form().isLoaded()) return true;
    if (row == listIndex_) {
        raiseMouseUp();
        if (form().isLoaded()) raiseClick();
        return true;
    }
    setListIndex(row);
    if (form().isLoaded()) raiseMouseUp();
    return true;
}

const PropertyList& ListControl::listProperties() {
    static const PropertyList list = [] {
        Property item;
        item.name = "List";
        item.count = [](const Object& o) { return static_cast<const ListControl&>(o).listCount(); };
        item.get = [](const Object& o, int i) { return static_cast<const ListControl&>(o).list(i); };
        item.set = [](Object& o, int i, std::string_view t) {
            static_cast<ListControl&>(o).setList(i, std::string(t));
        };
        Property data;
        data.name = "ItemData";
        data.count = item.count;
        data.get = [](const Object& o, int i) { return prop::toText(static_cast<const ListControl&>(o).itemData(i)); };
        data.set = [](Object& o, int i, std::string_view t) {
            static_cast<ListControl&>(o).setItemData(i, prop::integerFrom(t));
        };
        return PropertyList{
            prop::of("ListIndex", &ListControl::listIndex, &ListControl::setListIndex),
            prop::readOnly("ListCount", &ListControl::listCount),
            prop::readOnly("NewIndex", &ListControl::newIndex),
            prop::readOnly("Sorted", &ListControl::sorted),
            item,
            data,
        };
    }();
    return list;
}

ListBox::ListBox(Form* form, std::string name, int index)
    : ListControl(form, std::move(name), ControlKind::ListBox, index) {}

const PropertyList& ListBox::properties() const {
    static const PropertyList list = prop::join({identityProperties(),
                                                 boxProperties(),
                                                 lookProperties(),
                                                 tabProperties(),
                                                 listProperties(),
                                                 {prop::readOnly("Text", &ListBox::text)}});
    return list;
}

ComboBox::ComboBox(Form* form, std::string name, int index)
    : ListControl(form, std::move(name), ControlKind::ComboBox, index) {}

void ComboBox::selectSilently(int i) {
    ListControl::selectSilently(i);
    if (i >= 0) {
        if (assign(text_, list(i))) changed("Text");
    } else if (style_ == 2) {
        if (assign(text_, std::string())) changed("Text");
    }
}

void ComboBox::setText(std::string t) {
    if (style_ == 2) {
        // A drop-down list shows only its items; another text is refused, as the legacy one refuses it.
        int i = indexOf(t);
        if (i < 0 || i == listIndex()) return;
        ListControl::selectSilently(i);
        assign(text_, list(i));
        changed("ListIndex");
        changed("Text");
        return;
    }
    if (t == text_) return;
    text_ = std::move(t);
    selStart_ = selLength_ = 0;
    int i = indexOf(text_);
    if (i != listIndex()) {
        ListControl::selectSilently(i);
        changed("ListIndex");
    }
    changed("Text");
    raiseChange();
}

void ComboBox::setStyle(int s) {
    if (assign(style_, s)) changed("Style");
}
void ComboBox::setLocked(bool l) {
    if (assign(locked_, l)) changed("Locked");
}
void ComboBox::setSelStart(int s) {
    selStart_ = std::clamp(s, 0, length(text_));
    selLength_ = 0;
    changed("SelStart");
}
void ComboBox::setSelLength(int n) {
    selLength_ = std::clamp(n, 0, length(text_) - selStart_);
    changed("SelLength");
}

void ComboBox::setListIndex(int i) { ListControl::setListIndex(i); }

void ComboBox::userKey(int keyAscii) {
    raiseKeyPress(keyAscii);
    if (keyAscii == 0 || locked_ || style_ == 2 || !form().isLoaded()) return;
    std::string next = text_;
    if (!applyTypedKey(next, selStart_, selLength_, keyAscii, 0, false)) return;
    text_ = std::move(next);
    int i = indexOf(text_);
    if (i != listIndex()) {
        ListControl::selectSilently(i);
        changed("ListIndex");
    }
    changed("Text");
    raiseChange();
}

const PropertyList& ComboBox::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    tabProperties(),
                    listProperties(),
                    {
                        prop::of("Text", &ComboBox::text, &ComboBox::setText),
                        prop::of("Style", &ComboBox::style, &ComboBox::setStyle),
                        prop::of("Locked", &ComboBox::locked, &ComboBox::setLocked),
                        prop::of("SelStart", &ComboBox::selStart, &ComboBox::setSelStart),
                        prop::of("SelLength", &ComboBox::selLength, &ComboBox::setSelLength),
                    }});
    return list;
}

// ---- Menu

Menu::Menu(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Menu, index) {
    setTabStop(false);
}

Menu::Menu(Form* form, std::string name, Menu& parent, int index) : Menu(form, std::move(name), index) {
    setParentMenu(parent);
}

Menu::~Menu() {
    if (parent_) std::erase(parent_->items_, this);
    for (Menu* m : items_) m->parent_ = nullptr;
}

void Menu::setParentMenu(Menu& parent) {
    if (parent_) std::erase(parent_->items_, this);
    parent_ = &parent;
    parent.items_.push_back(this);
}

void Menu::setCaption(std::string c) {
    if (assign(caption_, c)) changed("Caption");
}
void Menu::setChecked(bool c) {
    if (assign(checked_, c)) changed("Checked");
}
void Menu::setShortcut(std::string s) {
    if (assign(shortcut_, s)) changed("Shortcut");
}

char Menu::accessKey() const {
    for (std::size_t i = 0; i + 1 < caption_.size(); ++i) {
        if (caption_[i] != '&') continue;
        if (caption_[i + 1] == '&') {
            ++i;
            continue;
        }
        char c = caption_[i + 1];
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return 0;
}

bool Menu::available() const {
    for (const Menu* m = this; m; m = m->parent_)
        if (!m->enabled() || !m->visible()) return false;
    return true;
}

void Menu::userClick() {
    if (available()) raiseClick();
}

const PropertyList& Menu::properties() const {
    static const PropertyList list = prop::join({identityProperties(),
                                                 {
                                                     prop::of("Caption", &Menu::caption, &Menu::setCaption),
                                                     prop::of("Enabled", &Control::enabled, &Control::setEnabled),
                                                     prop::of("Visible", &Control::visible, &Control::setVisible),
                                                     prop::of("Checked", &Menu::checked, &Menu::setChecked),
                                                     prop::readOnly("Shortcut", &Menu::shortcut),
                                                 }});
    return list;
}

}  // namespace pelk::ui
