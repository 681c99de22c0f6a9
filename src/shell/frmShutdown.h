#pragma once

#include "platform/ui/ui.h"

namespace pelk::shell {

// The exit dialog: log off to the log-in screen, end the program, or end it and shut the station
// down or restart it. No close box and no way back: the clerk leaves by one of the four.
class frmShutdown : public ui::Form {
public:
    frmShutdown();

    ui::CommandButton cmdMainScreen{this, "cmdMainScreen"};
    ui::CommandButton cmdOK{this, "cmdOK"};
    ui::CommandButton cmdPower{this, "cmdPower"};
    ui::CommandButton cmdReset{this, "cmdReset"};

    void Form_Load() override;
    void cmdMainScreen_Click();
    void cmdOK_Click();
    void cmdPower_Click();
    void cmdReset_Click();
};

}  // namespace pelk::shell
