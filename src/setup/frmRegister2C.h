#pragma once

#include "platform/ui/data.h"
#include "platform/ui/ui.h"
#include "setup/step_frame.h"

namespace pelk::setup {

// Step 6 of the set-up wizard: where the server's shared data lies, and a test that this station
// reaches it. What is stored here governs from the next start; the running program keeps the
// location it loaded.
class frmRegister2C : public WizardStep {
public:
    frmRegister2C();

    ui::Data DatSet{this, "DatSet"};
    ui::Label lblMsg{this, "lblMsg"};
    ui::Label Label1{this, "Label1"};
    ui::CommandButton Command1{this, "Command1"};
    ui::TextBox txtPath{this, "txtPath"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label2{this, "Label2"};
    ui::CommandButton Command2{this, "Command2"};
    ui::TextBox txtData{this, "txtData"};
    ui::CommandButton cmdShare{this, "cmdShare"};
    ui::Label Label4{this, "Label4"};
    ui::TextBox txtNWsetin{this, "txtNWsetin"};

    void Form_Load() override;
    void cmdShare_Click();
    void cmdNext_Click();
    void cmdClose_Click();
};

}  // namespace pelk::setup
