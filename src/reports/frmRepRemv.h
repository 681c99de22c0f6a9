#pragma once

#include <memory>

#include "platform/sheet/sheet.h"
#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/ui.h"

namespace pelk::reports {

// The removed-items log: every item taken off an order, with the waiter, the reason and the
// manager, in a grid that corrects and deletes rows; exported to a spreadsheet, and cleared by
// renewing the log from its blank template.
class frmRepRemv : public ui::Form {
public:
    frmRepRemv();

    ui::Label Label1{this, "Label1"};
    ui::Data datRemv{this, "datRemv"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    ui::Label Label25{this, "Label25"};
    ui::TextBox txtFrom{this, "txtFrom"};
    ui::Label Label26{this, "Label26"};
    ui::TextBox txtTo{this, "txtTo"};
    ui::CommandButton cmdExcel{this, "cmdExcel"};
    ui::CommandButton cmdPrintPrev{this, "cmdPrintPrev"};
    ui::Image imgRenew{this, "imgRenew"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void cmdClose_Click();
    void imgRenew_Click();
    void cmdExcel_Click();
    void cmdPrintPrev_Click();

    // The spreadsheet application this screen exports to, kept from one export to the next.
    std::shared_ptr<sheet::Application> goExcel;

private:
    sheet::Workbook* ExcelLoadSales();
};

}  // namespace pelk::reports
