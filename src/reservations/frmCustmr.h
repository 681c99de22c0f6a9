#pragma once

#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::reservations {

// The back-office customer editor: a customer is found by name or by phone, changed, added or
// erased. The boxes are not bound: only the editor's own routines move values between the boxes
// and the current row of datCustmr, which visits the customers in phone order.
class frmCustmr : public ui::Form {
public:
    frmCustmr();

    ui::Frame fraGuest{this, "fraGuest"};
    ui::Label lblLastN{this, "lblLastN"};
    ui::TextBox txtLastN{this, "txtLastN"};
    ui::CommandButton cmdFindName{this, "cmdFindName"};
    ui::Label lblFirstN{this, "lblFirstN"};
    ui::TextBox txtFirstN{this, "txtFirstN"};
    ui::CommandButton cmdFName{this, "cmdFName"};
    ui::Label lblAdds{this, "lblAdds"};
    ui::TextBox txtAdds{this, "txtAdds"};
    ui::CommandButton cmdFadd{this, "cmdFadd"};
    ui::Label lblCity{this, "lblCity"};
    ui::TextBox txtCity{this, "txtCity"};
    ui::Label lblState{this, "lblState"};
    ui::TextBox txtState{this, "txtState"};
    ui::Label lblZip{this, "lblZip"};
    ui::TextBox txtZip{this, "txtZip"};
    ui::Label lblCountry{this, "lblCountry"};
    ui::TextBox txtCountry{this, "txtCountry"};
    ui::Label lblBD{this, "lblBD"};
    ui::TextBox txtBD{this, "txtBD"};
    ui::Label lblPhone{this, "lblPhone"};
    ui::TextBox txtPhone{this, "txtPhone"};
    ui::CommandButton cmdFPhone{this, "cmdFPhone"};
    ui::Label lblPhoneHint{this, "lblPhoneHint"};
    ui::Label lblEmail{this, "lblEmail"};
    ui::TextBox txtEmail{this, "txtEmail"};
    ui::Label lblFax{this, "lblFax"};
    ui::TextBox txtFax{this, "txtFax"};
    ui::Label lblRemark{this, "lblRemark"};
    ui::TextBox txtRemark{this, "txtRemark"};

    ui::Frame fraID{this, "fraID"};
    ui::Label lblIDtype{this, "lblIDtype"};
    ui::ComboBox cmbIDtype{this, "cmbIDtype"};
    ui::Label lblIDnu{this, "lblIDnu"};
    ui::TextBox txtIDnu{this, "txtIDnu"};
    ui::Label lblIDstate{this, "lblIDstate"};
    ui::TextBox txtIDstate{this, "txtIDstate"};
    ui::Label lblIDcountry{this, "lblIDcountry"};
    ui::TextBox txtIDcountry{this, "txtIDcountry"};
    ui::Label lblIDExp{this, "lblIDExp"};
    ui::TextBox txtIDExp{this, "txtIDExp"};
    ui::Label lblLicensePlate{this, "lblLicensePlate"};
    ui::TextBox txtLicensePlate{this, "txtLicensePlate"};
    ui::Label lblLstate{this, "lblLstate"};
    ui::TextBox txtLstate{this, "txtLstate"};
    ui::Label lblColor{this, "lblColor"};
    ui::TextBox txtColor{this, "txtColor"};
    ui::Label lblMake{this, "lblMake"};
    ui::ComboBox cmbMake{this, "cmbMake"};
    ui::Label lblModel{this, "lblModel"};
    ui::TextBox txtModel{this, "txtModel"};
    ui::Label lblYrs{this, "lblYrs"};
    ui::ComboBox cmbYrs{this, "cmbYrs"};

    ui::CommandButton cmdFind{this, "cmdFind"};
    ui::CommandButton cmdNew{this, "cmdNew"};
    ui::CommandButton cmdSave{this, "cmdSave"};
    ui::CommandButton cmdErase{this, "cmdErase"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    ui::Data datCustmr{this, "datCustmr"};

    void Form_Load() override;
    void cmdFindName_Click();
    void cmdFind_Click();
    void cmdFPhone_Click();
    void cmdFadd_Click();
    void cmdFName_Click();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdErase_Click();
    void cmdClose_Click();
    void txtState_Change();

    // Copies the current row into the boxes.
    void LoadCustomerRecord();
    // Writes the boxes into the row begun by the caller and stores it; false when nothing was
    // stored (the clerk has been told why).
    bool SaveCustomerFields();
};

}  // namespace pelk::reservations
