#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::reports {

// The income statement: the expenses of each category over a date range, the sales and tax of the
// dine-in, delivery and take-out orders, total revenue and net income; printed, and each category
// opened as the list of its entries. It only reads. Opened from the report panel, or from the
// main window's menu ("QS").
class frmReports : public ui::Form {
public:
    frmReports();

    ui::Label Label28{this, "Label28"};
    ui::Image Image24{this, "Image24"};
    // The range, the buttons and the exit, in the column at the right.
    ui::Label Label24{this, "Label24"};
    ui::Image Image25{this, "Image25"};
    ui::TextBox txtFrom{this, "txtFrom"};
    ui::Label Label25{this, "Label25"};
    ui::Image Image26{this, "Image26"};
    ui::TextBox txtTo{this, "txtTo"};
    ui::CommandButton comReport{this, "comReport"};
    ui::CommandButton cmdEtoC{this, "cmdEtoC"};
    ui::CommandButton cmdPrint{this, "cmdPrint"};
    ui::Image imgExit{this, "imgExit"};
    ui::Data datResult{this, "datResult"};
    ui::Data datOrdr{this, "datOrdr"};

    // Revenue.
    ui::Label Label1{this, "Label1"};
    ui::Image Image3{this, "Image3"};
    ui::Label lblSTotal{this, "lblSTotal"};
    ui::Label Label2{this, "Label2"};
    ui::Image Image2{this, "Image2"};
    ui::Label lblTakeOut{this, "lblTakeOut"};
    ui::Label Label3{this, "Label3"};
    ui::Image Image4{this, "Image4"};
    ui::Label lblDineIn{this, "lblDineIn"};
    ui::Label Label4{this, "Label4"};
    ui::Image Image1{this, "Image1"};
    ui::Label lblSales{this, "lblSales"};

    // Expenses, in their rows; the tax row is the seventh.
    ui::Label Label5{this, "Label5"};
    ui::Image Image5{this, "Image5"};
    ui::Label lblAuto{this, "lblAuto"};
    ui::Label Label6{this, "Label6"};
    ui::Image Image6{this, "Image6"};
    ui::Label lblBank{this, "lblBank"};
    ui::Label Label7{this, "Label7"};
    ui::Image Image7{this, "Image7"};
    ui::Label lblAdvertising{this, "lblAdvertising"};
    ui::Label Label8{this, "Label8"};
    ui::Image Image8{this, "Image8"};
    ui::Label lblSalary{this, "lblSalary"};
    ui::Label Label9{this, "Label9"};
    ui::Image Image9{this, "Image9"};
    ui::Label lblMeal{this, "lblMeal"};
    ui::Label Label10{this, "Label10"};
    ui::Image Image10{this, "Image10"};
    ui::Label lblOffice{this, "lblOffice"};
    ui::Label Label11{this, "Label11"};
    ui::Image Image11{this, "Image11"};
    ui::Label Label26{this, "Label26"};
    ui::Label lblTOtax{this, "lblTOtax"};
    ui::Label Label27{this, "Label27"};
    ui::Label lblDytax{this, "lblDytax"};
    ui::Label Label29{this, "Label29"};
    ui::Label lblDItax{this, "lblDItax"};
    ui::Label Label30{this, "Label30"};
    ui::Label lblTax{this, "lblTax"};
    ui::Label Label12{this, "Label12"};
    ui::Image Image12{this, "Image12"};
    ui::Label lblFines{this, "lblFines"};
    ui::Label Label13{this, "Label13"};
    ui::Image Image13{this, "Image13"};
    ui::Label lblProfessional{this, "lblProfessional"};
    ui::Label Label14{this, "Label14"};
    ui::Image Image14{this, "Image14"};
    ui::Label lblInsurance{this, "lblInsurance"};
    ui::Label Label15{this, "Label15"};
    ui::Image Image15{this, "Image15"};
    ui::Label lblRent{this, "lblRent"};
    ui::Label Label16{this, "Label16"};
    ui::Image Image16{this, "Image16"};
    ui::Label lblRepairs{this, "lblRepairs"};
    ui::Label Label17{this, "Label17"};
    ui::Image Image17{this, "Image17"};
    ui::Label lblSupplies{this, "lblSupplies"};
    ui::Label Label18{this, "Label18"};
    ui::Image Image18{this, "Image18"};
    ui::Label lblTelep{this, "lblTelep"};
    ui::Label Label19{this, "Label19"};
    ui::Image Image19{this, "Image19"};
    ui::Label lblTravel{this, "lblTravel"};
    ui::Label Label20{this, "Label20"};
    ui::Image Image20{this, "Image20"};
    ui::Label lblUtilities{this, "lblUtilities"};
    ui::Label Label21{this, "Label21"};
    ui::Image Image21{this, "Image21"};
    ui::Label lblOther{this, "lblOther"};
    ui::Label Label22{this, "Label22"};
    ui::Image Image22{this, "Image22"};
    ui::Label lblTOE{this, "lblTOE"};
    ui::Label Label23{this, "Label23"};
    ui::Image Image23{this, "Image23"};
    ui::Label lblNetIncome{this, "lblNetIncome"};

    void Form_Load() override;
    void comReport_Click();
    void cmdPrint_Click();
    void cmdEtoC_Click();
    void imgExit_Click();
    void Label28_Click();
    void lblAuto_Click();
    void lblBank_Click();
    void lblAdvertising_Click();
    void lblSalary_Click();
    void lblMeal_Click();
    void lblOffice_Click();
    void lblFines_Click();
    void lblProfessional_Click();
    void lblInsurance_Click();
    void lblRent_Click();
    void lblRepairs_Click();
    void lblSupplies_Click();
    void lblTelep_Click();
    void lblTravel_Click();
    void lblUtilities_Click();
    void lblOther_Click();

private:
    struct CategoryFigure {
        ui::Label* figure;
        const char* category;  // the expense category it sums
    };
    // The sixteen category figures in the order the statement computes them.
    std::array<CategoryFigure, 16> categoryFigures();
    // Opens the list of one category's entries of the range, waiting until it closes.
    void drillDown(std::string_view category);
};

}  // namespace pelk::reports
