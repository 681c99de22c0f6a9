#pragma once

#include <string>

#include "platform/core/datetime.h"
#include "platform/ui/control.h"

namespace pelk::ui {

// A month calendar with one selected day (Value, read and written as the station's short date).
// Setting the value from code raises nothing; the user picking a day sets it and raises Click.
class Calendar : public Control {
public:
    Calendar(Form* form, std::string name, int index = -1);

    const core::Date& value() const { return value_; }
    void setValue(const core::Date& d);
    std::string valueText() const;
    // Throws PropertyError for a text that is no date.
    void setValueText(std::string text);

    // The user picks a day: it becomes the value, then MouseDown, MouseUp and Click. A plain click
    // picks the day already selected.
    void userPick(const core::Date& d);

    bool takesFocus() const override { return true; }
    const PropertyList& properties() const override;

private:
    core::Date value_;
};

}  // namespace pelk::ui
