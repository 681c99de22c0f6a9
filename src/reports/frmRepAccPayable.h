#pragma once

#include <array>

#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/ui.h"
#include "reports/expenses.h"

namespace pelk::reports {

// Accounts payable: the expenses of one category dated within a range, in a grid where the
// manager adds, changes and deletes them. Opened from the report panel, or from the main
// window's menu ("QS").
class frmRepAccPayable : public ui::Form {
public:
    frmRepAccPayable();

    ui::Label Label1{this, "Label1"};
    ui::Image Image17{this, "Image17"};
    ui::Label Label25{this, "Label25"};
    ui::TextBox txtFrom{this, "txtFrom"};
    ui::Label lblTo{this, "lblTo"};
    ui::TextBox txtTo{this, "txtTo"};
    // The categories' English captions, row 1 to 16.
    ui::Label Label2{this, "Label2"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label4{this, "Label4"};
    ui::Label Label5{this, "Label5"};
    ui::Label Label6{this, "Label6"};
    ui::Label Label7{this, "Label7"};
    ui::Label Label8{this, "Label8"};
    ui::Label Label9{this, "Label9"};
    ui::Label Label10{this, "Label10"};
    ui::Label Label11{this, "Label11"};
    ui::Label Label12{this, "Label12"};
    ui::Label Label13{this, "Label13"};
    ui::Label Label14{this, "Label14"};
    ui::Label Label15{this, "Label15"};
    ui::Label Label16{this, "Label16"};
    ui::Label Label17{this, "Label17"};
    // The categories' second-language pictures, row 1 to 16.
    ui::Image Image1{this, "Image1"};
    ui::Image Image2{this, "Image2"};
    ui::Image Image3{this, "Image3"};
    ui::Image Image4{this, "Image4"};
    ui::Image Image5{this, "Image5"};
    ui::Image Image6{this, "Image6"};
    ui::Image Image7{this, "Image7"};
    ui::Image Image8{this, "Image8"};
    ui::Image Image9{this, "Image9"};
    ui::Image Image10{this, "Image10"};
    ui::Image Image11{this, "Image11"};
    ui::Image Image12{this, "Image12"};
    ui::Image Image13{this, "Image13"};
    ui::Image Image14{this, "Image14"};
    ui::Image Image15{this, "Image15"};
    ui::Image Image16{this, "Image16"};
    ui::Image ImgOn{this, "ImgOn"};
    // The headings above the grid, which has no header row of its own.
    ui::Label Label18{this, "Label18"};
    ui::Label Label19{this, "Label19"};
    ui::Label Label20{this, "Label20"};
    ui::Label Label21{this, "Label21"};
    ui::Label Label22{this, "Label22"};
    ui::Label Label23{this, "Label23"};
    ui::Data datExpenses{this, "datExpenses"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    ui::CommandButton cmdEtoC{this, "cmdEtoC"};
    // The picture reading Income Statement beside the exit, which leads nowhere.
    ui::Image Image18{this, "Image18"};
    ui::Image imgExit{this, "imgExit"};

    void Form_Load() override;
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Image5_Click();
    void Image6_Click();
    void Image7_Click();
    void Image8_Click();
    void Image9_Click();
    void Image10_Click();
    void Image11_Click();
    void Image12_Click();
    void Image13_Click();
    void Image14_Click();
    void Image15_Click();
    void Image16_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();
    void Label8_Click();
    void Label9_Click();
    void Label10_Click();
    void Label11_Click();
    void Label12_Click();
    void Label13_Click();
    void Label14_Click();
    void Label15_Click();
    void Label16_Click();
    void Label17_Click();
    void cmdEtoC_Click();
    void imgExit_Click();
    void Label1_Click();

private:
    std::array<ui::Label*, kExpenseCategoryCount> labels() {
        return {&Label2,  &Label3,  &Label4,  &Label5,  &Label6,  &Label7,  &Label8,  &Label9,
                &Label10, &Label11, &Label12, &Label13, &Label14, &Label15, &Label16, &Label17};
    }
    std::array<ui::Image*, kExpenseCategoryCount> pictures() {
        return {&Image1, &Image2,  &Image3,  &Image4,  &Image5,  &Image6,  &Image7,  &Image8,
                &Image9, &Image10, &Image11, &Image12, &Image13, &Image14, &Image15, &Image16};
    }
    // Lists the entries of row n's category (1 to 16) dated within the range in the boxes.
    void chooseCategory(int n);
};

}  // namespace pelk::reports
