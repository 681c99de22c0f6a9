#pragma once

#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/ui.h"

namespace pelk::reservations {

// The customer list: the guest file, or the second list Ref.mdb, in a grid sorted by phone where
// customers are corrected, added and deleted in place; with a toggle between the two lists and one
// between the English title and note and their second-language pictures.
class frmRepCustmr : public ui::Form {
public:
    frmRepCustmr();

    ui::Label lblCustmer{this, "lblCustmer"};
    ui::Image imgCustmer{this, "imgCustmer"};
    ui::CommandButton cmdCV{this, "cmdCV"};
    ui::CommandButton cmdEtoC{this, "cmdEtoC"};
    // The headings stand above the grid in place of a header row.
    ui::Label Label1{this, "Label1"};
    ui::Label Label2{this, "Label2"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label4{this, "Label4"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    ui::Label lblNotes{this, "lblNotes"};
    ui::Image imgNotes{this, "imgNotes"};
    ui::Image imgExit{this, "imgExit"};
    ui::Data datCustmr{this, "datCustmr"};
    ui::Data datRef{this, "datRef"};

    void Form_Load() override;
    void cmdCV_Click();
    void cmdEtoC_Click();
    void imgExit_Click();
    void Label1_Click();
};

}  // namespace pelk::reservations
