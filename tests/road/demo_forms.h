#pragma once

#include "platform/ui/ui.h"

// Small forms that show the runtime at work, for the runner's own tests and scripts (they are no
// part of the program): the list form asks a question on a form shown waiting, which writes the
// answer back into the asking button's Tag; the question form is loaded by the first reference to
// it; a timer keeps a clock; a keypad types through the keystroke queue; the staff form is bound
// to a store.
namespace pelk::road {

class frmDemoList : public ui::Form {
public:
    frmDemoList();

    ui::Label lblTime{this, "lblTime"};
    ui::Label lblStatus{this, "lblStatus"};
    ui::ListBox lstItems{this, "lstItems"};
    ui::TextBox txtCode{this, "txtCode"};
    ui::ControlArray<ui::CommandButton> comNumber{this, "comNumber", 10};
    ui::CommandButton cmdBack{this, "cmdBack"};
    ui::CommandButton cmdErase{this, "cmdErase"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::Timer Timer1{this, "Timer1"};

    void Form_Load() override;
    void comNumber_Click(int Index);
    void cmdBack_Click();
    void cmdErase_Click();
    void cmdClose_Click();
    void Timer1_Timer();
};

class frmDemoAsk : public ui::Form {
public:
    frmDemoAsk();

    ui::Label lblQuestion{this, "lblQuestion"};
    ui::Label lblLoadedWith{this, "lblLoadedWith"};
    ui::CommandButton cmdYes{this, "cmdYes"};
    ui::CommandButton cmdNo{this, "cmdNo"};

    void Form_Load() override;
    void cmdYes_Click();
    void cmdNo_Click();
};

// A staff list bound to the store DemoStaff.mdb of the program folder (a road makes it with sql):
// the navigator, boxes of each bindable kind, a grid of the same rows, and a button that writes a
// bound label's caption from code. Reposition writes the row's position, from 1, as the navigator's
// caption.
class frmDemoStaff : public ui::Form {
public:
    frmDemoStaff();

    ui::Data datStaff{this, "datStaff"};
    ui::TextBox txtID{this, "txtID"};
    ui::TextBox txtName{this, "txtName"};
    ui::Label lblLevel{this, "lblLevel"};
    ui::CheckBox chkActive{this, "chkActive"};
    ui::TextBox txtHired{this, "txtHired"};
    ui::CommandButton cmdPromote{this, "cmdPromote"};
    ui::DBGrid grdStaff{this, "grdStaff"};

    void Form_Load() override;
    void datStaff_Reposition();
    void cmdPromote_Click();
};

void registerDemoForms();

}  // namespace pelk::road
