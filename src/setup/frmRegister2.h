#pragma once

#include <vector>

#include "platform/ui/data.h"
#include "platform/ui/ui.h"
#include "setup/step_frame.h"

namespace pelk::setup {

// Step 4 of the set-up wizard: the store's first employees, browsed, found, added, erased and
// saved over the program folder's employee table. Each employee's ID is the code the employee
// types at the log-in, so an ID is written only when Save's checks pass: by Save, by the
// navigator's moves, by Find and when Back or Next closes the step.
class frmRegister2 : public WizardStep {
public:
    frmRegister2();

    ui::Label Label7{this, "Label7"};
    ui::Label lblID{this, "lblID"};
    ui::TextBox txtID{this, "txtID"};
    ui::Label Label13{this, "Label13"};
    ui::TextBox Text20{this, "Text20"};
    ui::Label lblHried{this, "lblHried"};
    ui::TextBox txtHired{this, "txtHired"};
    ui::Label Label2{this, "Label2"};
    ui::TextBox Text1{this, "Text1"};
    ui::Label Label10{this, "Label10"};
    ui::Label lblTerm{this, "lblTerm"};
    ui::TextBox txtTerminate{this, "txtTerminate"};
    ui::Label lblName{this, "lblName"};
    ui::TextBox txtName{this, "txtName"};
    ui::Label lblSS{this, "lblSS"};
    ui::TextBox txtSS{this, "txtSS"};
    ui::Label lblAdds{this, "lblAdds"};
    ui::TextBox txtAdds{this, "txtAdds"};
    ui::Label lblTele{this, "lblTele"};
    ui::TextBox txtPhone{this, "txtPhone"};
    ui::Label lblCity{this, "lblCity"};
    ui::TextBox txtCity{this, "txtCity"};
    ui::TextBox txtState{this, "txtState"};
    ui::TextBox txtZip{this, "txtZip"};
    ui::Line Line2{this, "Line2"};
    ui::Label Label1{this, "Label1"};
    ui::ComboBox cmbLevel{this, "cmbLevel"};
    ui::Label lblType{this, "lblType"};
    ui::ComboBox cmbType{this, "cmbType"};
    ui::Label Label9{this, "Label9"};
    ui::ComboBox cmbRoom{this, "cmbRoom"};

    // The rights legend: the level rows, the area columns and fifteen boxes that store nothing.
    ui::Label Label5{this, "Label5"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label4{this, "Label4"};
    ui::Label lblArea0{this, "lblArea", 0};
    ui::Label lblArea1{this, "lblArea", 1};
    ui::Label lblArea2{this, "lblArea", 2};
    ui::Label lblArea3{this, "lblArea", 3};
    ui::Label lblArea4{this, "lblArea", 4};
    ui::CheckBox Check1{this, "Check1"};
    ui::CheckBox Check2{this, "Check2"};
    ui::CheckBox Check3{this, "Check3"};
    ui::CheckBox Check4{this, "Check4"};
    ui::CheckBox Check5{this, "Check5"};
    ui::CheckBox Check6{this, "Check6"};
    ui::CheckBox Check7{this, "Check7"};
    ui::CheckBox Check8{this, "Check8"};
    ui::CheckBox Check9{this, "Check9"};
    ui::CheckBox Check10{this, "Check10"};
    ui::CheckBox Check11{this, "Check11"};
    ui::CheckBox Check12{this, "Check12"};
    ui::CheckBox Check13{this, "Check13"};
    ui::CheckBox Check14{this, "Check14"};
    ui::CheckBox Check15{this, "Check15"};

    // The empty photo frame, the navigator and the language button.
    ui::Frame fraImage{this, "fraImage"};
    ui::PictureBox picImage{this, "picImage"};
    ui::Data datInfor{this, "datInfor"};
    ui::CommandButton cmdEtoC{this, "cmdEtoC"};

    // The record buttons down the right edge.
    ui::CommandButton cmdFind{this, "cmdFind"};
    ui::CommandButton cmdErase{this, "cmdErase"};
    ui::CommandButton cmdNew{this, "cmdNew"};
    ui::CommandButton cmdSave{this, "cmdSave"};

    void Form_Load() override;
    void cmdClose_Click();
    void cmdNext_Click();
    void cmdFind_Click();
    void cmdNew_Click();
    void cmdErase_Click();
    void cmdSave_Click();
    void cmdEtoC_Click();
    void datInfor_Reposition();
    void datInfor_Validate(int& Action, int& Save);
    void txtState_Change();

    // The captions the language button hides and shows.
    std::vector<ui::Control*> englishCaptions();

private:
    void EnterEditMode();
    void EnterBrowseMode();
    // Writes the pending edits of the record on screen before the step closes, through the same
    // checks as a move; false when they were refused (the clerk told) and the step must stay.
    bool storePendingEdits();

    // Save refused the master access code and emptied the ID box: while it stays empty, a new
    // record is no more written by leaving it than by Save.
    bool codeEmptiedByRefusal_ = false;
};

}  // namespace pelk::setup
