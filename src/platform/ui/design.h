#pragma once

// A form's design as data: what the designer of the legacy runtime kept beside each form (its
// caption, size and look, and per control its place, font, colours and other properties), written
// as one table at the top of the form's .cpp and applied in one call at the start of its
// constructor:
//
//   const ui::FormDesign kDesign{
//       {{"Caption", "Screen Settings"}, {"MDIChild", true}, {"Width", 8400}, {"Height", 3960}},
//       {
//           {"Label1", {240, 540, 1575, 255}, {{"Caption", "Name:"}, {"Alignment", ui::kRightJustify}}},
//           {"comNumber(3)", {1800, 840}, {{"Font", ui::font::kArial24Bold}}},
//           {"cmdClose", {240, 2880, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
//           {"Data1", {}, {{"RecordSource", "tbSet"}, {"Visible", false}}},
//       }};
//   frmSetScreen::frmSetScreen() { ui::applyDesign(*this, kDesign); … wiring … }
//
// Properties go by the names the form and its controls expose (Object::setProperty, the road
// runner's set and dump), in the order written, after the control's rectangle. A few take values
// that do not read back as text and are set through their typed setters: "Font" (a FontRole),
// "Picture" and "MouseIcon" (pictures of the design), "Container" (the name of a frame or
// picture box), "Sorted" (lists), "Shortcut" (menu items) and the form's "MDIChild".
//
// Controls that take the same properties share one list of them: a namespace-scope
// `const std::initializer_list<ui::DesignProperty> kGrid = {…};` written as the third part of each.
//
// A name the form or the control does not know, or a value a property refuses, is a fault of the
// table: it is written to standard error and kept in designProblems(); builds with assertions on
// throw DesignError at once.

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/ui/colors.h"
#include "platform/ui/fonts.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace pelk::ui {

// A picture of the screen's design: a face carrying its words, raised or pressed (Picture::design).
struct DesignPicture {
    std::string_view words;
    bool pressed = false;
};
constexpr DesignPicture picture(std::string_view words) { return {words, false}; }
constexpr DesignPicture pressedPicture(std::string_view words) { return {words, true}; }

// One value of a design table: a text, a number (colours and enumerations included), a switch,
// a font or a design picture.
class DesignValue {
public:
    enum class Kind { Text, Integer, Number, Switch, Font, Picture };

    constexpr DesignValue(const char* text) : kind_(Kind::Text), text_(text) {}
    constexpr DesignValue(std::string_view text) : kind_(Kind::Text), text_(text) {}
    template <class T>
    requires std::is_arithmetic_v<T>
    constexpr DesignValue(T v) {
        if constexpr (std::is_same_v<T, bool>) {
            kind_ = Kind::Switch;
            integer_ = v ? 1 : 0;
        } else if constexpr (std::is_integral_v<T>) {
            kind_ = Kind::Integer;
            integer_ = static_cast<std::int64_t>(v);
        } else {
            kind_ = Kind::Number;
            number_ = static_cast<double>(v);
        }
    }
    template <class T>
    requires std::is_enum_v<T>
    constexpr DesignValue(T v) : kind_(Kind::Integer), integer_(static_cast<std::int64_t>(v)) {}
    constexpr DesignValue(FontRole font) : kind_(Kind::Font), font_(font) {}
    constexpr DesignValue(DesignPicture picture) : kind_(Kind::Picture), picture_(picture) {}

    Kind kind() const { return kind_; }
    const FontRole& font() const { return font_; }
    const DesignPicture& picture() const { return picture_; }
    // As a property is written by name: True/False, whole numbers without a point.
    std::string text() const;

private:
    Kind kind_ = Kind::Text;
    std::string_view text_;
    std::int64_t integer_ = 0;
    double number_ = 0;
    FontRole font_;
    DesignPicture picture_;
};

struct DesignProperty {
    std::string_view name;
    DesignValue value;
};

// A control's place in twips as the designer gives it; a part left out is not set, so {left, top}
// places a control without sizing it and {} leaves it where it is.
struct DesignRect {
    static constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();
    double left = kUnset, top = kUnset, width = kUnset, height = kUnset;
};

struct ControlDesign {
    std::string_view name;  // "Label1", or "comNumber(3)" for a member of a control array
    DesignRect at = {};
    std::initializer_list<DesignProperty> properties = {};
};

struct FormDesign {
    std::initializer_list<DesignProperty> form = {};
    std::initializer_list<ControlDesign> controls = {};
};

// A table that names what its form does not have.
class DesignError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Sets the form's design values and its controls'. See the top of this file for what a fault of
// the table does.
void applyDesign(Form& form, const FormDesign& design);
// The same for the controls alone, in the order given.
void applyDesign(Form& form, std::initializer_list<ControlDesign> controls);

// Every fault found in the tables applied so far, as "frmX.Label1: no property Captin".
const std::vector<std::string>& designProblems();
void clearDesignProblems();

}  // namespace pelk::ui
