#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/sheet/sheet.h"
#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/ui.h"

namespace pelk::reports {

// The sales report: the orders of a date range in a grid, summed into a panel of boxes, for the
// front desk's folios ("All") or for one clerk; the shift summary printed from the boxes. Opened
// from the report panel, or from the main window's menu ("QS").
class frmRepDy : public ui::Form {
public:
    frmRepDy();

    ui::Label Label1{this, "Label1"};
    ui::Label Label3{this, "Label3"};
    ui::TextBox txtID{this, "txtID"};
    ui::ComboBox cmbID{this, "cmbID"};
    ui::CommandButton cmdSearch{this, "cmdSearch"};
    ui::Label Label25{this, "Label25"};
    ui::TextBox txtFrom{this, "txtFrom"};
    ui::Label Label26{this, "Label26"};
    ui::TextBox txtTo{this, "txtTo"};
    ui::CommandButton cmdTotal{this, "cmdTotal"};
    ui::Image imgRDS{this, "imgRDS"};
    ui::Data datOrder{this, "datOrder"};
    ui::Data datEmploye{this, "datEmploye"};
    ui::Data DatSet{this, "DatSet"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    // The white panel of boxes and its grey shadow.
    ui::Label Label7{this, "Label7"};
    ui::Label Label4{this, "Label4"};
    ui::Label Label2{this, "Label2"};
    ui::TextBox txtChk{this, "txtChk"};
    ui::Label lblAmount{this, "lblAmount"};
    ui::TextBox txtAmount{this, "txtAmount"};
    ui::TextBox txtTax{this, "txtTax"};
    ui::Label lblReceived{this, "lblReceived"};
    ui::TextBox txtReceived{this, "txtReceived"};
    ui::Label Label8{this, "Label8"};
    ui::TextBox txtCCard{this, "txtCCard"};
    ui::Label Label9{this, "Label9"};
    ui::TextBox txtCoupon{this, "txtCoupon"};
    ui::Label Label10{this, "Label10"};
    ui::TextBox txtTotalReceived{this, "txtTotalReceived"};
    ui::TextBox txtSub{this, "txtSub"};
    ui::Label Label5{this, "Label5"};
    ui::TextBox txtSTime{this, "txtSTime"};
    ui::Label Label6{this, "Label6"};
    ui::TextBox txtETime{this, "txtETime"};
    ui::CommandButton cmdExcel{this, "cmdExcel"};
    ui::CommandButton cmdPrintPrev{this, "cmdPrintPrev"};
    ui::CommandButton cmdPSummary{this, "cmdPSummary"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void cmdTotal_Click();
    void txtID_Change();
    void cmdSearch_Click();
    void cmbID_Click();
    void cmbID_Change();
    void imgRDS_Click();
    void cmdClose_Click();
    void Label1_Click();
    void cmdPSummary_Click();
    void cmdExcel_Click();
    void cmdPrintPrev_Click();

    // The spreadsheet application this screen exports to, kept from one export to the next.
    std::shared_ptr<sheet::Application> goExcel;

private:
    sheet::Workbook* ExcelLoadSales();
    void ShowMethodSales();
    void SumClerkSales();
    // Runs a view: the five sums and the list of the orders meeting `condition` within the range.
    // Everything is read before a box changes; a failure is told and leaves the screen as it was.
    void showView(const std::string& condition, bool clerkView);
};

}  // namespace pelk::reports
