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

}  // namespace

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

}  // namespace pelk::ui
