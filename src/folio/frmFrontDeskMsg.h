#pragma once

#include "platform/ui/ui.h"

namespace pelk::folio {

// The question after a check-out: back to the room map, or log off.
class frmFrontDeskMsg : public ui::Form {
public:
    frmFrontDeskMsg();

    ui::Label lblMsg{this, "lblMsg"};
    ui::CommandButton Command1{this, "Command1"};
    ui::CommandButton cmdMainScreen{this, "cmdMainScreen"};

    void Form_Load() override;
    void Command1_Click();
    void cmdMainScreen_Click();
};

}  // namespace pelk::folio
