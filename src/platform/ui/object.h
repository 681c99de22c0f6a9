#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace pelk::ui {

// A colour as the legacy runtime holds it: &H00BBGGRR, or a system colour &H8000000x that the
// host resolves.
using Color = std::int64_t;

// How a property that holds Null reads as text (bound controls on an empty field).
inline constexpr std::string_view kNullText = "(null)";

// A property that cannot be read or written by name, or a text that is no value for it.
class PropertyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Object;

// One property of a form or a control, read and written as text the way road scripts and the
// dump see it: True/False, integers without a decimal point, other numbers with ".", colours
// as decimal numbers. An indexed property (List(i)) has a count; the index is ignored otherwise.
// A property of a grid's cells (TextMatrix(row, col)) has a count of rows and a count of columns
// too, and is handed the cell as one index, row * columns + col.
struct Property {
    std::string name;
    std::function<std::string(const Object&, int)> get;
    std::function<void(Object&, int, std::string_view)> set;  // empty: read-only at run time
    std::function<int(const Object&)> count;                  // set only for indexed properties
    std::function<int(const Object&)> columns;                // set only for properties of cells
    bool indexed() const { return static_cast<bool>(count); }
    bool cells() const { return static_cast<bool>(columns); }
};
using PropertyList = std::vector<Property>;

// What forms and controls share: their properties by name, for scripts, dumps and hosts.
class Object {
public:
    virtual ~Object() = default;
    virtual const PropertyList& properties() const = 0;
    // The property named (without regard to case), "List(2)" for an indexed one, "TextMatrix(2,1)"
    // for one of cells; nullptr when there is none.
    const Property* findProperty(std::string_view name) const;
    // Reads or writes a property as code would (writing raises the events code raises).
    // Throws PropertyError for an unknown or read-only property or an unreadable value.
    std::string property(std::string_view name) const;
    void setProperty(std::string_view name, std::string_view text);
    // How the object is named in messages: "frmMap" or "frmMain.comNumber(3)".
    virtual std::string path() const = 0;
};

namespace prop {

std::string toText(bool b);
std::string toText(std::int64_t n);
std::string toText(double d);
inline std::string toText(int n) { return toText(static_cast<std::int64_t>(n)); }
inline std::string toText(const std::string& s) { return s; }
inline std::string toText(std::string_view s) { return std::string(s); }

// Each throws PropertyError when the text is no value of its kind. Whole numbers also read the
// legacy hexadecimal form (&HC0FFC0, &HC0FFC0&), as colours are written.
bool boolFrom(std::string_view text);
std::int64_t integerFrom(std::string_view text);
double numberFrom(std::string_view text);

template <class T>
T fromText(std::string_view text) {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, bool>) {
        return boolFrom(text);
    } else if constexpr (std::is_integral_v<U>) {
        return static_cast<U>(integerFrom(text));
    } else if constexpr (std::is_floating_point_v<U>) {
        return static_cast<U>(numberFrom(text));
    } else {
        return U(text);
    }
}

template <class C, class R>
std::string read(const Object& o, R (C::*get)() const) {
    using U = std::remove_cvref_t<R>;
    const C& c = static_cast<const C&>(o);
    if constexpr (std::is_same_v<U, bool>)
        return toText(static_cast<bool>((c.*get)()));
    else if constexpr (std::is_integral_v<U>)
        return toText(static_cast<std::int64_t>((c.*get)()));
    else if constexpr (std::is_floating_point_v<U>)
        return toText(static_cast<double>((c.*get)()));
    else
        return toText((c.*get)());
}

// A property read through a getter and written through a setter of class C.
template <class C, class R, class A>
Property of(std::string name, R (C::*get)() const, void (C::*set)(A)) {
    Property p;
    p.name = std::move(name);
    p.get = [get](const Object& o, int) { return read<C>(o, get); };
    p.set = [set](Object& o, int, std::string_view t) { (static_cast<C&>(o).*set)(fromText<A>(t)); };
    return p;
}

template <class C, class R>
Property readOnly(std::string name, R (C::*get)() const) {
    Property p;
    p.name = std::move(name);
    p.get = [get](const Object& o, int) { return read<C>(o, get); };
    return p;
}

// The lists one after the other: a kind's properties are its groups' and its own.
inline PropertyList join(std::initializer_list<PropertyList> lists) {
    PropertyList all;
    for (const PropertyList& l : lists) all.insert(all.end(), l.begin(), l.end());
    return all;
}

}  // namespace prop
}  // namespace pelk::ui
