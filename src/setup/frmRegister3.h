#pragma once

#include "platform/ui/ui.h"

namespace pelk::setup {

// The set-up wizard's menu-sections step, which the item editor returns to when the wizard
// opened it. Its own work is not part of the program yet: its close ends it.
class frmRegister3 : public ui::Form {
public:
    frmRegister3();

    ui::Label lblStep{this, "lblStep"};

    void Form_Load() override;
};

}  // namespace pelk::setup
