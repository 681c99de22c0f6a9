#pragma once

#include "platform/ui/ui.h"

namespace pelk::shell {

// The front desk's home screen inside the main window: seven large buttons for the day's work.
class frmMainButn : public ui::Form {
public:
    frmMainButn();

    ui::CommandButton cmdReserv{this, "cmdReserv"};
    ui::CommandButton cmdChkIn{this, "cmdChkIn"};
    ui::CommandButton cmdReserSearch{this, "cmdReserSearch"};
    ui::CommandButton cmkChkOut{this, "cmkChkOut"};
    ui::CommandButton cmdDel{this, "cmdDel"};
    ui::CommandButton cmdReports{this, "cmdReports"};
    ui::CommandButton cmdExit{this, "cmdExit"};

    void Form_Load() override;
    void cmdReserv_Click();
    void cmdChkIn_Click();
    void cmkChkOut_Click();
    void cmdReserSearch_Click();
    void cmdDel_Click();
    void cmdReports_Click();
    void cmdExit_Click();
};

}  // namespace pelk::shell
