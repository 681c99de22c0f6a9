#pragma once

#include "platform/ui/data.h"
#include "platform/ui/ui.h"
#include "setup/step_frame.h"

namespace pelk::setup {

// Step 5 of the set-up wizard: this station's role in the network. Either it keeps the data
// itself ("Single"; the wizard ends in the printer settings) or it shares another computer's
// data (step 6 asks where).
class frmRegister2b : public WizardStep {
public:
    frmRegister2b();

    ui::Data DatSet{this, "DatSet"};
    // The white panel behind the prompt and the two statements.
    ui::Label lblPanel{this, "lblPanel"};
    ui::Label Label3{this, "Label3"};
    ui::OptionButton Option1{this, "Option1"};
    ui::Label Label1{this, "Label1"};
    ui::OptionButton Option2{this, "Option2"};
    ui::Label Label2{this, "Label2"};
    ui::TextBox txtNWsetin{this, "txtNWsetin"};

    void Form_Load() override;
    void cmdNext_Click();
    void cmdClose_Click();
    void Label1_Click();
    void Label2_Click();
};

}  // namespace pelk::setup
