#pragma once

#include "platform/ui/calendar.h"
#include "platform/ui/ui.h"

namespace pelk::reservations {

// The stay-date picker, first step of a booking: the clerk picks the arrival and the departure on
// a month calendar (or types them) and goes on to the room map in reservation mode. Every showing
// starts fresh: both boxes empty, the calendar on today.
class frmChkDate : public ui::Form {
public:
    frmChkDate();

    ui::Label Label3{this, "Label3"};
    ui::Calendar Calendar1{this, "Calendar1"};
    ui::Label Label1{this, "Label1"};
    ui::TextBox txtDateIn{this, "txtDateIn"};
    ui::Label Label2{this, "Label2"};
    ui::TextBox txtDateOut{this, "txtDateOut"};
    ui::CommandButton cmdNext{this, "cmdNext"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void Calendar1_Click();
    void txtDateOut_Change();
    void cmdNext_Click();
    void cmdClose_Click();
};

}  // namespace pelk::reservations
