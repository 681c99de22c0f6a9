#pragma once

#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/ui.h"

namespace pelk::reservations {

// The order-frequency list: the customers' order tally, read only, by the number of orders or by
// the total amount; Renew empties the tally from its blank template after the choice box's
// question. Opened from the report hub and returns to it.
class frmCustmrTr : public ui::Form {
public:
    frmCustmrTr();

    ui::Label Label3{this, "Label3"};
    ui::Label Label7{this, "Label7"};
    ui::Label lbldate{this, "lbldate"};
    ui::Label lblToday{this, "lblToday"};
    // The headings stand above the grid in place of a header row.
    ui::Label Label2{this, "Label2"};
    ui::Label Label1{this, "Label1"};
    ui::Label Label4{this, "Label4"};
    ui::Label Label5{this, "Label5"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    ui::Image imgFrequency{this, "imgFrequency"};
    ui::Image imgLagOrdr{this, "imgLagOrdr"};
    ui::Image imgRenew{this, "imgRenew"};
    ui::Image imgExit{this, "imgExit"};
    ui::Data Data1{this, "Data1"};

    void Form_Load() override;
    void imgFrequency_Click();
    void imgLagOrdr_Click();
    void imgRenew_Click();
    void imgExit_Click();
    void Label3_Click();

private:
    // Shows the tally in another order; a tally that cannot be read is told.
    void sortBy(const char* source);
};

}  // namespace pelk::reservations
