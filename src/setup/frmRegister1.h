#pragma once

#include <string>

#include "platform/ui/data.h"
#include "platform/ui/ui.h"
#include "setup/step_frame.h"

namespace pelk::setup {

// Step 3 of the set-up wizard: the station's first tax rate, as a fraction.
class frmRegister1 : public WizardStep {
public:
    frmRegister1();

    ui::Data datcmdSet{this, "datcmdSet"};
    ui::Label lblTax{this, "lblTax"};
    ui::TextBox Text2{this, "Text2"};

    void Form_Load() override;
    void cmdClose_Click();
    void cmdNext_Click();

private:
    // False (the clerk told) when a changed rate is not a fraction from 0 to less than 1.
    bool rateValid();
    // The rate as the store gave it, so that an untouched box is not judged.
    std::string shownRate_;
};

}  // namespace pelk::setup
