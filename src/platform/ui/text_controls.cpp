#include <algorithm>

#include "platform/core/text.h"
#include "platform/ui/controls.h"
#include "platform/ui/controls_internal.h"
#include "platform/ui/form.h"

namespace pelk::ui {

namespace {

namespace text = core::text;
using detail::assign;
using detail::length;

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

}  // namespace

namespace detail {

int length(std::string_view s) { return static_cast<int>(text::len(s)); }

}  // namespace detail

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

}  // namespace pelk::ui
