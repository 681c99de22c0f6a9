#pragma once

#include "platform/ui/data.h"
#include "platform/ui/ui.h"
#include "setup/step_frame.h"

namespace pelk::setup {

// Step 1 of the set-up wizard: the store's country. It is also the holder of the country: a
// screen that needs the country reads cmbCountry, which loads this screen hidden, and a later
// "Run Setup" shows that same screen.
class frmRegister : public WizardStep {
public:
    frmRegister();

    ui::Data datCountry{this, "datCountry"};
    ui::Label lblCountry{this, "lblCountry"};
    ui::ComboBox cmbCountry{this, "cmbCountry"};

    void Form_Load() override;
    void cmdNext_Click();
};

}  // namespace pelk::setup
