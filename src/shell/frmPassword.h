#pragma once

#include <string>

#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::shell {

// The fixed four-digit code that signs in at "Level 3" without an employee row. An employee whose
// code begins with it still takes precedence, and the staff screens refuse it as a code.
inline constexpr const char* kMasterAccessCode = "7391";

// The log-in screen: checks that the station reaches its data, then waits for a four-digit
// employee code on the keypad or the keyboard and opens the main window at that employee's level.
class frmPassword : public ui::Form {
public:
    frmPassword();

    ui::PictureBox picName{this, "picName"};
    ui::PictureBox picLogo{this, "picLogo"};
    // Made before the keypad, so that it lies under the pad's first button: typed codes reach it
    // without it being seen.
    ui::TextBox txtPassword{this, "txtPassword"};
    ui::ControlArray<ui::CommandButton> comNumber{this, "comNumber", 10};
    ui::CommandButton cmdMode{this, "cmdMode"};
    // Holds the digits pressed on the keypad; it is never shown.
    ui::Label lblPassword{this, "lblPassword"};
    ui::Label Label1{this, "Label1"};
    ui::Label lblOpen{this, "lblOpen"};
    ui::Label Label6{this, "Label6"};
    // One dot for each digit of the code entered so far, beside the prompt over the keypad: large
    // enough for the clerk to count, and nothing for anyone else to read.
    ui::Label lblCode{this, "lblCode"};
    ui::Label lblMsg{this, "lblMsg"};
    ui::Line Line4{this, "Line4"};
    ui::Timer Timer1{this, "Timer1"};
    ui::Data DatSet{this, "DatSet"};
    ui::Data datInfor{this, "datInfor"};
    ui::Data datTable{this, "datTable"};

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Timer1_Timer();
    void comNumber_Click(int Index);
    void cmdMode_Click();
    void lblPassword_Change();
    void txtPassword_Change();

    // A digit key typed in a record box reaches the keypad as a typed digit does; always False.
    bool KeyPressNumericValid(int KeyAscii);

private:
    void DisconnectServer();
    void UseSharedFolder();
    void UseLocalFolder();
    void ApplyAccessLevel();
    void SignInWithMasterCode();

    // What a four-digit look-up found.
    enum class Match { Pending, Employee, Master, None };
    Match matchEntry(const std::string& entry);
    bool sharedFolderFound();
    void ShowCodeDots(const std::string& entry);
};

}  // namespace pelk::shell
