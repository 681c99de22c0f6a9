#pragma once

#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/ui.h"

namespace pelk::reports {

// The entries of one expense category over the income statement's range, opened from a figure of
// the statement and shown waiting; the grid edits them.
class frmRepAPV : public ui::Form {
public:
    frmRepAPV();

    ui::Label Label1{this, "Label1"};
    ui::Label Label2{this, "Label2"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label4{this, "Label4"};
    ui::Label Label5{this, "Label5"};
    ui::Label Label6{this, "Label6"};
    ui::Label Label7{this, "Label7"};
    ui::Data datExpenses{this, "datExpenses"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void cmdClose_Click();
    void Label1_Click();
};

}  // namespace pelk::reports
