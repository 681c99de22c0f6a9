#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/card/card.h"
#include "platform/core/money.h"
#include "platform/ui/control_array.h"
#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::folio {
class frmRooms;
}

namespace pelk::payment {

// What a mode of the screen shows (frmTender.cpp keeps one for each mode button).
struct ModeLook;

// The tender screen: takes the payment of the folio of the room screen that opened it, in cash,
// with a coupon or by card. A payment without a card goes back into that room screen's received
// box; the screen itself stores nothing.
class frmTender : public ui::Form {
public:
    frmTender();

    // ---- The modes ----
    ui::Label lblTrans{this, "lblTrans"};
    ui::CommandButton cmdPurchase{this, "cmdPurchase"};
    ui::CommandButton cmdReturn{this, "cmdReturn"};
    ui::CommandButton cmdForce{this, "cmdForce"};
    ui::CommandButton cmdPre{this, "cmdPre"};
    ui::CommandButton cmdVoid{this, "cmdVoid"};

    // ---- The card, inside the frame captioned with the mode ----
    ui::Frame frame{this, "frame"};
    ui::Label lblEmply{this, "lblEmply"};
    ui::TextBox txtEmply{this, "txtEmply"};
    ui::Label lblInv{this, "lblInv"};
    ui::TextBox txtInv{this, "txtInv"};
    ui::CommandButton cmdFind{this, "cmdFind"};
    ui::Label lblApproval{this, "lblApproval"};
    ui::TextBox txtApproval{this, "txtApproval"};
    ui::Label lblCardNu{this, "lblCardNu"};
    ui::TextBox txtCardNu{this, "txtCardNu"};
    ui::Label lblExp{this, "lblExp"};
    ui::TextBox txtExp{this, "txtExp"};
    ui::TextBox txtCardType{this, "txtCardType"};
    ui::Label lblZip{this, "lblZip"};
    ui::TextBox txtZip{this, "txtZip"};
    ui::Label lblAddress{this, "lblAddress"};
    ui::TextBox txtAddress{this, "txtAddress"};
    ui::CheckBox chkSame{this, "chkSame"};
    ui::Label lblCVC{this, "lblCVC"};
    ui::TextBox txtCVC{this, "txtCVC"};

    // ---- Card processing ----
    ui::Image ImgXcharge{this, "ImgXcharge"};
    ui::CommandButton cmdAmEx{this, "cmdAmEx"};
    ui::CommandButton cmdVisa{this, "cmdVisa"};
    ui::CommandButton cmdMaster{this, "cmdMaster"};
    ui::CommandButton cmdDiscover{this, "cmdDiscover"};
    ui::TextBox txtAnswer{this, "txtAnswer"};
    ui::TextBox txtString{this, "txtString"};
    ui::TextBox Text1{this, "Text1"};

    // ---- The amounts ----
    ui::Label lblPaid{this, "lblPaid"};
    ui::TextBox txtPaid{this, "txtPaid"};
    ui::CommandButton cmdPaid{this, "cmdPaid"};
    ui::Label lblEnding{this, "lblEnding"};
    ui::TextBox txtEnding{this, "txtEnding"};
    ui::Label lblGet{this, "lblGet"};
    ui::CommandButton cmdCash{this, "cmdCash"};
    ui::TextBox txtGet{this, "txtGet"};
    ui::CommandButton cmdEmpty{this, "cmdEmpty"};
    ui::CommandButton cmdCoupon{this, "cmdCoupon"};
    ui::TextBox txtCoupon{this, "txtCoupon"};
    ui::CommandButton cmdEmpty1{this, "cmdEmpty1"};
    ui::Label lblReturn{this, "lblReturn"};
    ui::TextBox txtReturn{this, "txtReturn"};

    // ---- The keypad: its backdrop holds the target in its Tag ----
    ui::CommandButton cmdKeypad{this, "cmdKeypad"};
    ui::ControlArray<ui::CommandButton> comNumber{this, "comNumber", 10};
    ui::CommandButton cmdBack{this, "cmdBack"};
    ui::CommandButton cmdSp{this, "cmdSp"};
    ui::TextBox txtFEntr{this, "txtFEntr"};

    ui::CommandButton cmdNext{this, "cmdNext"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    ui::Data datOrders{this, "datOrders"};

    void Form_Load() override;

    void cmdPurchase_Click();
    void cmdReturn_Click();
    void cmdForce_Click();
    void cmdPre_Click();
    void cmdVoid_Click();
    void ResetModeButtons();

    void comNumber_Click(int index);
    void cmdBack_Click();

    void txtGet_Click();
    void txtInv_Click();
    void txtApproval_Click();
    void txtCoupon_Click();
    void txtPaid_Click();
    void txtEnding_Click();
    void cmdCash_Click();
    void cmdCoupon_Click();
    void cmdEmpty_Click();
    void cmdEmpty1_Click();
    void cmdPaid_Click();
    void txtGet_Change();
    void txtCoupon_Change();
    void txtEnding_Change();
    void txtEnding_KeyPress(int& keyAscii);
    void txtEnding_LostFocus();
    void txtReturn_Change();

    void cmdFind_Click();
    void cmdNext_Click();
    void cmdClose_Click();

    // Brand display: a recognised brand readies card processing.
    void txtCardType_Change();
    void HideBrandButtons();
    void ShowCardProcessing();
    void ClearCardFields();

    // ---- Card entry and the card operations ----
    void txtCardNu_Click();
    void txtCardNu_KeyPress(int& keyAscii);
    void ProcessCard();
    // False when the swipe text lacks its first or second "^": the road stops there.
    bool ParseSwipe(const std::string& swipe);
    void ShowSwipedCard();
    enum class Outcome { NotRun, Approved, Declined, Refused, Failed };
    Outcome RunModeTransaction();
    Outcome CardPurchase();
    Outcome CardPostAuth();
    Outcome CardPreAuth();
    Outcome CardReturn();
    // Two copies of the card receipt on the front printer, then the screen unloads.
    void PrintCardSlip();

private:
    enum class Operation { Purchase, PostAuth, PreAuth, Return };
    Outcome send(Operation operation);
    // The mode buttons share one road: the caption, the colours, then what the mode shows.
    void selectMode(const ModeLook& mode);
    // One key of the keypad: its digits into the entry, then into the target box.
    void keypad(const std::string& digits);
    // Writes the tendered amount into the received box of the room screen that opened this one;
    // false (and the clerk told) when that room screen is gone.
    bool handBack();
    // The room screen that opened this one, or nullptr when it has been closed since.
    folio::frmRooms* openerRoom() const;

    // A key typed into the amount box is on its way into the text: that change is not formatted.
    bool typingEnding_ = false;
    // The room screen this one was opened over, by its window handle; 0 when none was open.
    std::int32_t opener_ = 0;
};

// What card entry keeps for the whole run besides the screen's boxes: the last swipe, the expiry
// sent, the answers of the last operation and the processor, made at the first operation.
struct CardRun {
    std::string HeldCardNumber, HeldExpiry, HeldHolderName, HeldTrack1, HeldTrack2;
    bool SwipeRead = false;
    std::string ProcessorMessage, ApprovalCode, TransactionId, CardBrand;
    std::shared_ptr<card::CardProcessor> processor;
};
CardRun& cardRun();
// The values as the program starts them (tests begin each case as a new run).
void resetCardRun();

// The cash-drawer pulse, written to the current printer's port; a port that takes nothing leaves
// the drawer shut without a word.
void KickCashDrawer();

// An amount box read whole as this screen reads it: digits, thousands separators, one decimal
// point and a leading minus sign, up to the first other character; nothing readable is 0.
core::Money wholeAmount(std::string_view text);

}  // namespace pelk::payment
