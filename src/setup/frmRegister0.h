#pragma once

#include "platform/ui/data.h"
#include "platform/ui/ui.h"
#include "setup/step_frame.h"

namespace pelk::setup {

// Step 2 of the set-up wizard: the receipt's three header lines and its first two ending notes.
class frmRegister0 : public WizardStep {
public:
    frmRegister0();

    ui::Data datPritOut{this, "datPritOut"};
    ui::Label lbl1{this, "lbl1"};
    ui::TextBox txtL1{this, "txtL1"};
    ui::Label lbl2{this, "lbl2"};
    ui::TextBox txtL2{this, "txtL2"};
    ui::TextBox txtL3{this, "txtL3"};
    ui::Label Label8{this, "Label8"};
    ui::TextBox txtNotes{this, "txtNotes"};
    ui::TextBox txtENotes1{this, "txtENotes1"};

    void Form_Load() override;
    void cmdClose_Click();
    void cmdNext_Click();
};

}  // namespace pelk::setup
