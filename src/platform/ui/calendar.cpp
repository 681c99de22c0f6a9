#include "platform/ui/calendar.h"

#include "platform/core/clock.h"
#include "platform/ui/form.h"

namespace pelk::ui {

// A fresh calendar selects today, as the legacy one did.
Calendar::Calendar(Form* form, std::string name, int index)
    : Control(form, std::move(name), ControlKind::Calendar, index), value_(core::clock::today()) {}

void Calendar::setValue(const core::Date& d) {
    if (d == value_) return;
    value_ = d;
    changed("Value");
}

std::string Calendar::valueText() const { return core::shortDate(value_); }

void Calendar::setValueText(std::string text) {
    auto d = core::parseDate(text);
    if (!d) throw PropertyError("\"" + text + "\" is not a date");
    setValue(*d);
}

void Calendar::userPick(const core::Date& d) {
    setValue(d);
    userClick();
}

const PropertyList& Calendar::properties() const {
    static const PropertyList list = prop::join({identityProperties(),
                                                 boxProperties(),
                                                 lookProperties(),
                                                 tabProperties(),
                                                 {
                                                     prop::of("Value", &Calendar::valueText, &Calendar::setValueText),
                                                 }});
    return list;
}

}  // namespace pelk::ui
