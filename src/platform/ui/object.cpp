#include "platform/ui/object.h"

#include <cerrno>
#include <cstdlib>

#include "platform/core/text.h"
#include "platform/core/value.h"

namespace pelk::ui {

namespace {

struct Indexed {
    std::string_view base;
    int index = -1;   // -1: no index
    int column = -1;  // -1: not a cell
};

// "List(2)" → ("List", 2); "TextMatrix(2,1)" → ("TextMatrix", 2, 1); a plain name → (name).
Indexed splitIndex(std::string_view name) {
    auto open = name.find('(');
    if (open == std::string_view::npos || name.back() != ')') return {name};
    std::string_view inside = name.substr(open + 1, name.size() - open - 2);
    int numbers[2] = {0, 0};
    int n = 0;
    bool digit = false;
    for (char c : inside) {
        if (c == ',' && digit && n == 0) {
            n = 1;
            digit = false;
        } else if (c >= '0' && c <= '9') {
            numbers[n] = numbers[n] * 10 + (c - '0');
            digit = true;
        } else if (c != ' ') {
            return {name};
        }
    }
    if (!digit) return {name};
    return {name.substr(0, open), numbers[0], n == 1 ? numbers[1] : -1};
}

// The one index a property's get and set are handed; throws when it lies outside.
int indexOf(const Object& o, const Property& p, const Indexed& at, std::string_view name) {
    if (!p.indexed()) return -1;
    bool outside = at.index >= p.count(o);
    if (p.cells()) outside = outside || at.column >= p.columns(o);
    if (outside) throw PropertyError(o.path() + "." + std::string(name) + ": index out of range");
    return p.cells() ? at.index * p.columns(o) + at.column : at.index;
}

}  // namespace

const Property* Object::findProperty(std::string_view name) const {
    Indexed at = splitIndex(name);
    for (const Property& p : properties())
        if (core::text::equalsNoCase(p.name, at.base) && p.indexed() == (at.index >= 0) &&
            p.cells() == (at.column >= 0))
            return &p;
    return nullptr;
}

std::string Object::property(std::string_view name) const {
    const Property* p = findProperty(name);
    if (!p) throw PropertyError(path() + " has no property " + std::string(name));
    return p->get(*this, indexOf(*this, *p, splitIndex(name), name));
}

void Object::setProperty(std::string_view name, std::string_view text) {
    const Property* p = findProperty(name);
    if (!p) throw PropertyError(path() + " has no property " + std::string(name));
    if (!p->set) throw PropertyError(path() + "." + p->name + " is read-only");
    int index = indexOf(*this, *p, splitIndex(name), name);
    try {
        p->set(*this, index, text);
    } catch (const PropertyError& e) {
        throw PropertyError(path() + "." + std::string(name) + ": " + e.what());
    }
}

namespace prop {

std::string toText(bool b) { return b ? "True" : "False"; }
std::string toText(std::int64_t n) { return std::to_string(n); }
std::string toText(double d) { return core::numberText(d); }

bool boolFrom(std::string_view text) {
    std::string t = core::text::lower(core::text::trim(text));
    if (t == "true" || t == "-1" || t == "1") return true;
    if (t == "false" || t == "0") return false;
    throw PropertyError("\"" + std::string(text) + "\" is not True or False");
}

std::int64_t integerFrom(std::string_view text) {
    std::string t = core::text::trim(text);
    std::string_view v = t;
    if (v.size() > 2 && (v[0] == '&') && (v[1] == 'H' || v[1] == 'h')) {
        v.remove_prefix(2);
        if (!v.empty() && v.back() == '&') v.remove_suffix(1);
        std::string hex(v);
        char* end = nullptr;
        errno = 0;
        long long n = std::strtoll(hex.c_str(), &end, 16);
        if (!hex.empty() && end && *end == '\0' && errno == 0) return n;
    } else if (!v.empty()) {
        std::string s(v);
        char* end = nullptr;
        errno = 0;
        long long n = std::strtoll(s.c_str(), &end, 10);
        if (end && *end == '\0' && errno == 0) return n;
    }
    throw PropertyError("\"" + std::string(text) + "\" is not a whole number");
}

double numberFrom(std::string_view text) {
    std::string t = core::text::trim(text);
    if (t.size() > 1 && t[0] == '&') return static_cast<double>(integerFrom(t));
    char* end = nullptr;
    double d = std::strtod(t.c_str(), &end);
    if (!t.empty() && end && *end == '\0') return d;
    throw PropertyError("\"" + std::string(text) + "\" is not a number");
}

}  // namespace prop
}  // namespace pelk::ui
