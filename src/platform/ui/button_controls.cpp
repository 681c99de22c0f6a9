#include <algorithm>

#include "platform/ui/controls.h"
#include "platform/ui/controls_internal.h"
#include "platform/ui/form.h"

namespace pelk::ui {

namespace {

using detail::assign;

}  // namespace

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

}  // namespace pelk::ui
