#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "platform/db/error.h"
#include "platform/db/recordset.h"
#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/rich_text_box.h"
#include "platform/ui/ui.h"

namespace pelk::reservations {

// The reservation screen, in two roles named by its title lblForm: "Reservation Form", opened by
// the room map for a vacant room with the stay's dates and room, where the clerk books a guest;
// and "Reservation Search", opened by the main panel, where the clerk finds a reservation and
// corrects it. Much of its work happens while the clerk types: amounts are formatted and the
// taxes and total worked out, the rate class follows the nights, phone and state boxes are masked
// and move the focus on, and a driver's licence swiped through the card reader fills the guest.
class frmReservAdd : public ui::Form {
public:
    frmReservAdd();

    // Title and role, and the required marks.
    ui::Label lblForm{this, "lblForm"};
    ui::Label lblRequire{this, "lblRequire"};
    ui::Label Label16{this, "Label16"};
    ui::Label Label20{this, "Label20"};
    ui::Label Label21{this, "Label21"};
    ui::Label Label22{this, "Label22"};
    ui::Label Label23{this, "Label23"};
    ui::Label Label24{this, "Label24"};
    ui::Label Label25{this, "Label25"};
    ui::Label Label26{this, "Label26"};
    ui::Label Label37{this, "Label37"};
    ui::Label Label39{this, "Label39"};
    ui::Label Label41{this, "Label41"};

    // "Guest Information".
    ui::Frame fraGuest{this, "fraGuest"};
    ui::Label lblLastN{this, "lblLastN"};
    ui::TextBox txtLastN{this, "txtLastN"};
    ui::CommandButton cmdFindName{this, "cmdFindName"};
    ui::Label lblFirstN{this, "lblFirstN"};
    ui::TextBox txtFirstN{this, "txtFirstN"};
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
    ui::CommandButton cmdFName{this, "cmdFName"};
    ui::Label lblFax{this, "lblFax"};
    ui::TextBox txtFax{this, "txtFax"};
    ui::Label lblEmail{this, "lblEmail"};
    ui::TextBox txtEmail{this, "txtEmail"};
    // The second track of a licence swipe lands here.
    ui::TextBox txtString{this, "txtString"};

    // The stay.
    ui::Label lblDateIn{this, "lblDateIn"};
    ui::TextBox txtDateIn{this, "txtDateIn"};
    ui::Label lblDateOut{this, "lblDateOut"};
    ui::TextBox txtDateOut{this, "txtDateOut"};
    ui::Frame fraRate{this, "fraRate"};
    ui::ComboBox cmbRate{this, "cmbRate"};
    ui::TextBox txtRate{this, "txtRate"};
    ui::Label lblDay{this, "lblDay"};
    ui::TextBox txtDay{this, "txtDay"};
    ui::CommandButton cmdLess{this, "cmdLess"};
    ui::CommandButton cmdMore{this, "cmdMore"};
    ui::Frame fraRooms{this, "fraRooms"};
    ui::TextBox txtRoom1{this, "txtRoom1"};
    ui::TextBox txtRoom2{this, "txtRoom2"};
    ui::TextBox txtRoom3{this, "txtRoom3"};
    ui::TextBox txtRoom4{this, "txtRoom4"};
    // The room types and their four rates, for the clerk to read.
    ui::DBGrid DBGrid1{this, "DBGrid1"};

    // "Rate/Period".
    ui::Frame fraAmounts{this, "fraAmounts"};
    ui::Label lblGuest{this, "lblGuest"};
    ui::TextBox txtGuest{this, "txtGuest"};
    ui::Label lblCharge{this, "lblCharge"};
    ui::TextBox txtCharge{this, "txtCharge"};
    ui::Label lblOther{this, "lblOther"};
    ui::TextBox txtOther{this, "txtOther"};
    ui::Label lblLTax{this, "lblLTax"};
    ui::TextBox txtLTax{this, "txtLTax"};
    ui::Label lblFTax{this, "lblFTax"};
    ui::TextBox txtFTax{this, "txtFTax"};
    ui::Label lblTotal{this, "lblTotal"};
    ui::TextBox txtTotal{this, "txtTotal"};
    ui::Label lblPaid{this, "lblPaid"};
    ui::TextBox txtPaid{this, "txtPaid"};
    ui::Label lblBal{this, "lblBal"};
    ui::TextBox txtBal{this, "txtBal"};

    // "Payment Information".
    ui::Frame fraPayment{this, "fraPayment"};
    ui::Label lblCardNu{this, "lblCardNu"};
    ui::TextBox txtCardNu{this, "txtCardNu"};
    ui::Label lblCardType{this, "lblCardType"};
    ui::TextBox txtCardType{this, "txtCardType"};
    ui::Label lblCardName{this, "lblCardName"};
    ui::TextBox txtCardName{this, "txtCardName"};
    ui::CheckBox chkName{this, "chkName"};
    ui::Label lblExp{this, "lblExp"};
    ui::TextBox txtExp{this, "txtExp"};
    ui::Label lblCVC{this, "lblCVC"};
    ui::TextBox txtCVC{this, "txtCVC"};
    ui::CommandButton cmdFcc{this, "cmdFcc"};
    ui::CheckBox chkSame{this, "chkSame"};
    ui::Label lblCardAddrs{this, "lblCardAddrs"};
    ui::TextBox txtCardAddrs{this, "txtCardAddrs"};
    ui::Label lblCardCity{this, "lblCardCity"};
    ui::TextBox txtCardCity{this, "txtCardCity"};
    ui::TextBox txtCardState{this, "txtCardState"};
    ui::TextBox txtCardZip{this, "txtCardZip"};

    ui::Frame fraRemark{this, "fraRemark"};
    ui::RichTextBox txtRemark{this, "txtRemark"};
    // The clerk of the reservation; nothing fills it.
    ui::Label lblEmployee{this, "lblEmployee"};
    ui::TextBox txtEmployee{this, "txtEmployee"};

    ui::CommandButton cmdFind{this, "cmdFind"};
    ui::CommandButton cmdSave{this, "cmdSave"};
    ui::CommandButton cmdUpdate{this, "cmdUpdate"};
    ui::CommandButton cmdNew{this, "cmdNew"};
    ui::CommandButton cmdErase{this, "cmdErase"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    // The stores: the reservations, the customer file in phone order, the room types.
    ui::Data datReserv{this, "datReserv"};
    ui::Data datCustmr{this, "datCustmr"};
    ui::Data datList{this, "datList"};

    void Form_Load() override;
    void Form_Activate() override;

    void txtCharge_LostFocus();
    void txtOther_LostFocus();
    void txtPaid_LostFocus();
    void txtDay_Change();
    void txtPhone_Change();
    void txtFax_Change();
    void txtState_Change();
    void txtCardState_Change();
    void txtZip_Change();
    void txtLastN_Change();
    void txtCardNu_Change();
    void txtLastN_Click();
    void txtLastN_KeyPress(int& KeyAscii);
    void txtString_KeyPress(int& KeyAscii);
    void txtPhone_KeyPress(int& KeyAscii);
    void txtFax_KeyPress(int& KeyAscii);
    void txtZip_KeyPress(int& KeyAscii);

    // Saving and updating.
    void cmdSave_Click();
    void cmdUpdate_Click();
    // Writes the boxes into a new row, or into the row being updated, then adds the guest to the
    // customer file when it does not know the guest yet. False when nothing was stored.
    bool WriteReservation();
    bool AddCustomerRecord();

    // Stay buttons, erasing and closing.
    void chkName_Click();
    void chkSame_Click();
    void cmbRate_Click();
    void cmdMore_Click();
    void cmdLess_Click();
    void cmdNew_Click();
    void cmdErase_Click();
    void cmdClose_Click();

    // Searches: the reservations in the search role, the customer file while booking.
    void cmdFind_Click();
    void cmdFName_Click();
    void cmdFindName_Click();
    void cmdFadd_Click();
    void cmdFcc_Click();
    void FindReservationByPhone();
    void FindCustomerByPhone();
    void FindReservationByName();
    void FindCustomerByName();
    void ShowReservationRecord();
    void ShowCustomerRecord();

    // Switches the buttons into entry of a guest.
    void BeginGuestEdit();
    // Empties the guest, card and remark boxes; the stay and the amounts stay.
    void ClearGuestFields();
    // Reads the first track of a licence out of the last-name box.
    void ParseLicenceSwipe();
    void SplitLicenceTrack1(std::string_view track);
    // The number boxes' key filter: digits, "." and Backspace pass.
    static bool KeyPressNumericValid(int KeyAscii);

private:
    // The reservation the last recall showed, which Update writes.
    std::optional<db::Bookmark> recalled_;

    // Ten digits become "@@@-@@@-@@@@" and the focus moves on.
    void maskPhoneNumber(ui::TextBox& box, ui::Control& next);
};

}  // namespace pelk::reservations
