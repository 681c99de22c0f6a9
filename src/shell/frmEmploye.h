#pragma once

#include <string>
#include <vector>

#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::shell {

// The refusals of an employee's code, by the staff screen and the set-up wizard's employee step.
inline constexpr const char* kCodeTaken = "This ID already been used";
inline constexpr const char* kMasterCodeRefused = "This is Invalid number. Please try again!";
inline constexpr const char* kCodeNotFourDigits = "The ID must be four digits.";
// Why `code` cannot be written as the code of the row `employees` shows ("" when it can): another
// stored row holds it (looked up in the store itself, so a code another station gave meanwhile
// counts too), or it is the master access code.
std::string codeRefusal(ui::Data& employees, const std::string& code);
// Whether `code` may be written for the row `employees` shows as far as its form goes: four digits,
// or the code that row already holds (rows stored before codes were held to four digits keep theirs).
bool codeFormAccepted(ui::Data& employees, const std::string& code);
// Find by code, as the staff screen and the wizard's employee step ask it: the code asked for, the
// employee shown; no match leaves the employee shown before.
void FindEmployeeByCode(ui::Data& employees);
// Erase's question; true when the clerk answers Yes.
bool AskEraseEmployee();
// The current employee deleted (a refusal told) and the next one shown, else the one before.
void EraseCurrentEmployee(ui::Data& employees);

// The staff records: a manager browses the employee rows under the employee's photo, finds one by
// its code, adds, changes and erases rows, and sets each employee's level, position and rights.
// Opened from the people hub (and closed back to it) or from the main window's menu ("QS").
//
// Every write of a row goes through Save's checks of the code (another row's code, the master
// access code): Save itself, and the writes the navigator makes when a row with edits is left.
class frmEmploye : public ui::Form {
public:
    frmEmploye();

    // The record navigator under the photo.
    ui::Data datInfor{this, "datInfor"};

    ui::Label lblID{this, "lblID"};
    ui::Label lblFourDigits{this, "lblFourDigits"};
    ui::TextBox txtID{this, "txtID"};
    ui::Label lblBirthday{this, "lblBirthday"};
    ui::TextBox Text20{this, "Text20"};
    ui::Label lblName{this, "lblName"};
    ui::TextBox txtName{this, "txtName"};
    ui::Label lblAdds{this, "lblAdds"};
    ui::TextBox txtAdds{this, "txtAdds"};
    ui::Label lblCity{this, "lblCity"};
    ui::TextBox txtCity{this, "txtCity"};
    ui::TextBox txtState{this, "txtState"};
    ui::TextBox txtZip{this, "txtZip"};
    ui::Label lblSS{this, "lblSS"};
    ui::TextBox txtSS{this, "txtSS"};
    ui::Label lblPhone{this, "lblPhone"};
    ui::TextBox txtPhone{this, "txtPhone"};
    ui::Label lblHired{this, "lblHired"};
    ui::TextBox txtHired{this, "txtHired"};
    ui::Label lblTerminate{this, "lblTerminate"};
    ui::TextBox txtTerminate{this, "txtTerminate"};
    ui::Label lblRate{this, "lblRate"};
    ui::TextBox Text1{this, "Text1"};
    ui::Label lblLevel{this, "lblLevel"};
    ui::ComboBox cmbLevel{this, "cmbLevel"};
    ui::Label lblType{this, "lblType"};
    ui::ComboBox cmbType{this, "cmbType"};
    ui::Label lblRoom{this, "lblRoom"};
    ui::ComboBox cmbRoom{this, "cmbRoom"};
    // The photo, and the path of its file under it.
    ui::PictureBox PicBox{this, "PicBox"};
    ui::TextBox txtPath{this, "txtPath"};

    // The rights, in their two groups.
    ui::Frame fraBackOffice{this, "fraBackOffice"};
    ui::Frame fraReports{this, "fraReports"};
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

    // The column of picture buttons at the right edge, from the top.
    ui::CommandButton cmdFind{this, "cmdFind"};
    ui::CommandButton cmdErase{this, "cmdErase"};
    ui::CommandButton cmdNew{this, "cmdNew"};
    ui::CommandButton cmdSave{this, "cmdSave"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void Form_QueryUnload(int& Cancel, ui::UnloadMode UnloadMode) override;

    void cmdFind_Click();
    void cmdErase_Click();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdClose_Click();
    void cmbLevel_Click();
    void txtState_Change();
    void txtPath_Change();
    void datInfor_Reposition();
    void datInfor_Validate(int& Action, int& Save);

    // The key filter of the code, rate and zip boxes: digits, "." and Backspace pass.
    static bool KeyPressNumericValid(int KeyAscii);

    // The fifteen rights boxes, in the order of the rights fields "1" to "15".
    std::vector<ui::CheckBox*> rightsBoxes();

private:
    void EnterEditMode();
    void EnterBrowseMode();
    // Save's steps; false when it refused or the store did, the edits then staying in the boxes.
    bool SaveRecord();
    // Drops the pending edit: a new row is abandoned, a changed one shown again as stored.
    void DropPendingEdit();

    // Set while Save's question on closing is answered Yes and Save refuses, so that Close
    // keeps the edits rather than dropping them.
    bool saveRefusedOnClose_ = false;
    // The pending edits are dropped, not written, when the screen goes (No on closing).
    bool dropEditsOnUnload_ = false;
    // Save refused the code and emptied its box: while it stays empty, a new row is no more
    // written by leaving it (close, navigator, Find) than a stored one, since Save refused it.
    bool codeEmptiedByRefusal_ = false;
};

}  // namespace pelk::shell
