#include "settings/frmSetdate.h"

#include <optional>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/os/actions.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"

namespace pelk::settings {

namespace {

const ui::FormDesign kDesign{
    {{"Caption", "Set System Date n Time"}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 6000}, {"Height", 4200}},
    {
        {"Label3",
         {960, 360, 4095, 375},
         {{"Caption", "Set System Date n Time"}, {"BackStyle", 0}, {"Font", ui::font::kSans13Bold}}},
        {"Label1",
         {840, 1200, 1095, 375},
         {{"Caption", "Date:"}, {"BackStyle", 0}, {"Alignment", ui::kRightJustify}, {"Font", ui::font::kSans12}}},
        {"txtDate", {2040, 1140, 2415, 435}, {{"Font", ui::font::kSans12}}},
        {"Label2",
         {840, 1800, 1095, 375},
         {{"Caption", "Time:"}, {"BackStyle", 0}, {"Alignment", ui::kRightJustify}, {"Font", ui::font::kSans12}}},
        {"txtTime", {2040, 1740, 2415, 435}, {{"Font", ui::font::kSans12}}},
        {"cmdClose", {240, 3120, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
        {"cmdCancel", {2520, 3240, 1215, 495}, {{"Caption", "&Cancel"}}},
        {"Command3", {3960, 3240, 1215, 495}, {{"Caption", "&Help"}}},
    }};

}  // namespace

frmSetdate::frmSetdate() {
    ui::applyDesign(*this, kDesign);
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdCancel.onClick([this] { cmdCancel_Click(); });
}

void frmSetdate::Form_Load() {
    CentreForm(*this, 4);
    loadedDate_ = core::shortDate(core::clock::today());
    loadedTime_ = core::longTime(core::clock::timeOfDay());
    txtDate.setText(loadedDate_);
    txtTime.setText(loadedTime_);
}

// Both boxes are read before either is applied, so a wrong time never leaves a new date behind;
// anything unreadable or refused keeps the screen open with what was typed. Opened from the menu
// it applies the same, and then only closes.
void frmSetdate::cmdClose_Click() {
    bool dateChanged = txtDate.text() != loadedDate_;
    bool timeChanged = txtTime.text() != loadedTime_;
    std::optional<core::Date> date;
    std::optional<core::Time> time;
    if (dateChanged && !(date = core::parseDate(txtDate.text()))) {
        ui::MsgBox("Date: \"" + txtDate.text() + "\" is not a date. Please type it as " + loadedDate_ + ".",
                   ui::kExclamation);
        txtDate.SetFocus();
        return;
    }
    if (timeChanged && !(time = core::parseTime(txtTime.text()))) {
        ui::MsgBox("Time: \"" + txtTime.text() + "\" is not a time. Please type it as " + loadedTime_ + ".",
                   ui::kExclamation);
        txtTime.SetFocus();
        return;
    }
    if (date) {
        if (std::string refused = os::actions().setDate(*date); !refused.empty()) {
            ui::MsgBox("The system date was not set. " + refused, ui::kCritical);
            return;
        }
        // Set: a second Close does not set it again.
        loadedDate_ = txtDate.text();
    }
    if (time) {
        if (std::string refused = os::actions().setTime(*time); !refused.empty()) {
            ui::MsgBox("The system time was not set. " + refused, ui::kCritical);
            return;
        }
    }
    CloseToHub<frmBSfwSet>(*this);
}

void frmSetdate::cmdCancel_Click() { CloseToHub<frmBSfwSet>(*this); }

}  // namespace pelk::settings
