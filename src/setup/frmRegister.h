#pragma once

#include "platform/ui/ui.h"

namespace pelk::setup {

// The set-up wizard's first step: the store's country, which every screen that needs it reads
// from its box. The further steps of the wizard are not part of the program yet.
class frmRegister : public ui::Form {
public:
    frmRegister();

    ui::Data datCountry{this, "datCountry"};
    ui::Label lblCountry{this, "lblCountry"};
    ui::ComboBox cmbCountry{this, "cmbCountry"};

    void Form_Load() override;
};

}  // namespace pelk::setup
