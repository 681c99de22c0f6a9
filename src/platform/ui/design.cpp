#include "platform/ui/design.h"

#include <cxxabi.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <typeinfo>

#include "platform/ui/controls.h"

namespace pelk::ui {

namespace {

std::vector<std::string>& problems() {
    static std::vector<std::string> all;
    return all;
}

// A form is named by the registry only after it is made: until then, by its class.
std::string formName(const Form& form) {
    if (!form.name().empty()) return form.name();
    const char* mangled = typeid(form).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> plain(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && plain ? plain.get() : mangled;
}

void fault(std::string message) {
    std::cerr << "design: " << message << "\n";
    problems().push_back(message);
#ifndef NDEBUG
    throw DesignError(message);
#endif
}

// "comNumber(3)" → ("comNumber", 3); a name without an index → (name, -1).
bool nameAndIndex(std::string_view text, std::string_view& name, int& index) {
    auto open = text.find('(');
    if (open == std::string_view::npos) {
        name = text;
        index = -1;
        return true;
    }
    if (text.back() != ')') return false;
    std::string_view digits = text.substr(open + 1, text.size() - open - 2);
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || index < 0) return false;
    name = text.substr(0, open);
    return true;
}

Picture pictureOf(const DesignValue& v) { return Picture::design(std::string(v.picture().words), v.picture().pressed); }

// The values that do not read back as text, through their typed setters. False: not one of them.
bool setTyped(Control& c, std::string_view name, const DesignValue& v) {
    using K = DesignValue::Kind;
    if (name == "Font" && v.kind() == K::Font) {
        c.setFont(v.font().font());
        return true;
    }
    if (name == "Picture" && v.kind() == K::Picture) {
        if (auto* b = dynamic_cast<CommandButton*>(&c))
            b->setPicture(pictureOf(v));
        else if (auto* i = dynamic_cast<Image*>(&c))
            i->setPicture(pictureOf(v));
        else if (auto* p = dynamic_cast<PictureBox*>(&c))
            p->setPicture(pictureOf(v));
        else
            throw PropertyError("shows no picture");
        return true;
    }
    if (name == "MouseIcon" && v.kind() == K::Picture) {
        c.setMouseIcon(pictureOf(v));
        return true;
    }
    if (name == "Container" && v.kind() == K::Text) {
        std::string_view holder;
        int index = -1;
        Control* box = nameAndIndex(v.text(), holder, index) ? c.form().control(holder, index) : nullptr;
        if (!box || (box->kind() != ControlKind::Frame && box->kind() != ControlKind::PictureBox))
            throw PropertyError("there is no frame or picture box " + v.text());
        c.setContainer(*box);
        return true;
    }
    if (name == "Shortcut" && v.kind() == K::Text) {
        auto* menu = dynamic_cast<Menu*>(&c);
        if (!menu) throw PropertyError("is no menu item");
        menu->setShortcut(v.text());
        return true;
    }
    if (name == "Sorted" && v.kind() == K::Switch) {
        auto* list = dynamic_cast<ListControl*>(&c);
        if (!list) throw PropertyError("has no list to sort");
        list->setSorted(v.text() == "True");
        return true;
    }
    return false;
}

void setProperty(Object& o, const std::string& where, const DesignProperty& p) {
    try {
        if (auto* c = dynamic_cast<Control*>(&o); c && setTyped(*c, p.name, p.value)) return;
        if (auto* f = dynamic_cast<Form*>(&o);
            f && p.name == "MDIChild" && p.value.kind() == DesignValue::Kind::Switch) {
            f->setMdiChild(p.value.text() == "True");
            return;
        }
        using K = DesignValue::Kind;
        if (p.value.kind() == K::Font || p.value.kind() == K::Picture)
            throw PropertyError("no property " + std::string(p.name) + " takes that value");
        if (!o.findProperty(p.name)) throw PropertyError("no property " + std::string(p.name));
        o.setProperty(p.name, p.value.text());
    } catch (const PropertyError& e) {
        // The object's own errors name it again: "frmX.lblA.Width: …" reads "Width: …" after where.
        std::string_view told = e.what();
        if (std::string path = o.path(); !path.empty() && told.starts_with(path)) told.remove_prefix(path.size());
        if (told.starts_with(".")) told.remove_prefix(1);
        fault(where + ": " + std::string(told));
    }
}

void place(Control& c, const DesignRect& r) {
    if (!std::isnan(r.left)) c.setLeft(r.left);
    if (!std::isnan(r.top)) c.setTop(r.top);
    if (!std::isnan(r.width)) c.setWidth(r.width);
    if (!std::isnan(r.height)) c.setHeight(r.height);
}

}  // namespace

std::string DesignValue::text() const {
    switch (kind_) {
        case Kind::Text:
            return std::string(text_);
        case Kind::Integer:
            return prop::toText(integer_);
        case Kind::Number:
            return prop::toText(number_);
        case Kind::Switch:
            return prop::toText(integer_ != 0);
        case Kind::Font:
            return std::string(font_.name);
        case Kind::Picture:
            return std::string(picture_.words);
    }
    return {};
}

void applyDesign(Form& form, const FormDesign& design) {
    std::string name = formName(form);
    for (const DesignProperty& p : design.form) setProperty(form, name, p);
    applyDesign(form, design.controls);
}

void applyDesign(Form& form, std::initializer_list<ControlDesign> controls) {
    for (const ControlDesign& d : controls) {
        std::string where = formName(form) + "." + std::string(d.name);
        std::string_view name;
        int index = -1;
        Control* c = nameAndIndex(d.name, name, index) ? form.control(name, index) : nullptr;
        if (!c) {
            fault(where + ": no such control");
            continue;
        }
        place(*c, d.at);
        for (const DesignProperty& p : d.properties) setProperty(*c, where, p);
    }
}

const std::vector<std::string>& designProblems() { return problems(); }
void clearDesignProblems() { problems().clear(); }

}  // namespace pelk::ui
