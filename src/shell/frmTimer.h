#pragma once

#include <optional>
#include <string>

#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::shell {

// The time clock: an employee touches "Time In" or "Time Out", types the employee code on the
// keypad, and the screen at once adds a time card or closes the employee's last one, prints a
// one-line clock ticket on the front printer and returns to the two mode buttons.
//
// Each clock action is stamped with the date and time of its own moment, so that a screen left
// open over midnight stamps the right day.
class frmTimer : public ui::Form {
public:
    frmTimer();

    // The mode panel: covers the screen until a mode is chosen.
    ui::CommandButton cmdDel{this, "cmdDel"};
    ui::CommandButton cmdTimeIn{this, "cmdTimeIn"};
    ui::CommandButton cmdTimeOut{this, "cmdTimeOut"};

    ui::TextBox txtPassword{this, "txtPassword"};
    ui::Label lblTime{this, "lblTime"};
    ui::Label lblDate{this, "lblDate"};
    ui::Label lblTitle{this, "lblTitle"};
    ui::Label Label1{this, "Label1"};
    ui::TextBox txtName{this, "txtName"};
    ui::ControlArray<ui::CommandButton> comNumber{this, "comNumber", 10};
    ui::CommandButton cmdBack{this, "cmdBack"};
    ui::CommandButton cmdExit{this, "cmdExit"};
    ui::Timer Timer1{this, "Timer1"};
    ui::Data datTcd{this, "datTcd"};
    ui::Data datEmploye{this, "datEmploye"};

    void Form_Load() override;
    void cmdTimeIn_Click();
    void cmdTimeOut_Click();
    void comNumber_Click(int Index);
    void cmdBack_Click();
    void cmdExit_Click();
    void txtPassword_Change();
    void Timer1_Timer();

private:
    // Stamps the moment of a clock action on the screen: lblDate and lblTime.
    void StampNow();
    void ClockIn();
    void ClockOut();
    // Completes the current card of datTcd with the clock-out; false (the clerk told) when the
    // store refused.
    bool CloseTimeCard();
    // The minutes from the current card's clock-in to the clock-out on the screen (seconds do not
    // count; a clock-in of another day adds its days); nothing when a stamp cannot be read.
    std::optional<long long> MinutesWorked();
    void ResetClockScreen();
    void ShowCaptionClock();
    void SizeModePanel();
    // The ticket on the current printer; a printer failure is told to the clerk.
    void PrintTicket(const std::string& line, bool emptyLineAfter);
};

}  // namespace pelk::shell
