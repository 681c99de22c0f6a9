#pragma once

#include "platform/ui/ui.h"

namespace pelk::settings {

// The order book the station writes into: the business book ("Check Book", Ordr.mdb) or the
// training book (anything else, TOrdr.mdb). Loaded hidden by the screens that open the order
// tables, it holds the choice in txtDisplay for the whole run; a change is stored when it unloads.
// "Fresh" empties the training book while the business book is in use.
class frmReset : public ui::Form {
public:
    frmReset();

    ui::Data datChkBook{this, "datChkBook"};
    ui::Label Label1{this, "Label1"};
    ui::TextBox txtDisplay{this, "txtDisplay"};
    ui::Image imgChk{this, "imgChk"};
    ui::Label lbl1{this, "lbl1"};
    ui::Image imgTrain{this, "imgTrain"};
    ui::Label lbl2{this, "lbl2"};
    ui::Image imgWchk{this, "imgWchk"};
    ui::Image imgWtrain{this, "imgWtrain"};
    ui::CommandButton cmdReset{this, "cmdReset"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void imgChk_Click();
    void imgTrain_Click();
    void txtDisplay_Change();
    void cmdReset_Click();
    void cmdClose_Click();
};

}  // namespace pelk::settings
