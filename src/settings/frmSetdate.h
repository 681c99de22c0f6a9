#pragma once

#include <string>

#include "platform/ui/ui.h"

namespace pelk::settings {

// The station's system date and time. Close applies what the clerk changed (a box left as loaded
// sets nothing); Cancel applies nothing.
class frmSetdate : public ui::Form {
public:
    frmSetdate();

    ui::Label Label3{this, "Label3"};
    ui::Label Label1{this, "Label1"};
    ui::TextBox txtDate{this, "txtDate"};
    ui::Label Label2{this, "Label2"};
    ui::TextBox txtTime{this, "txtTime"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::CommandButton cmdCancel{this, "cmdCancel"};
    ui::CommandButton Command3{this, "Command3"};

    void Form_Load() override;
    void cmdClose_Click();
    void cmdCancel_Click();

private:
    // What Form_Load put into the boxes: a box still reading so was not changed.
    std::string loadedDate_, loadedTime_;
};

}  // namespace pelk::settings
