#pragma once

#include <optional>
#include <string>
#include <vector>

#include "folio/order_book.h"
#include "platform/core/money.h"
#include "platform/db/recordset.h"
#include "platform/ui/control_array.h"
#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/flexgrid.h"
#include "platform/ui/rich_text_box.h"
#include "platform/ui/ui.h"
#include "reservations/own_stay.h"

namespace pelk::folio {

// The room screen: one room's stay, its guest and the guest's identity document and car, the clerk
// who works the folio, and the folio itself as a grid of lines with its totals. The room map
// opens it over itself for an occupied room and fills it first; the folio number in cmbRept and
// its Tag say whether the folio is new (empty), reopened ("OldNum") or loaded ("DidRecall").
class frmRooms : public ui::Form, public reservations::OwnStay {
public:
    frmRooms();

    // ---- Stay ----
    ui::Label lblRoom{this, "lblRoom"};
    ui::TextBox txtRoom{this, "txtRoom"};
    ui::Label lblDateIn{this, "lblDateIn"};
    ui::TextBox txtDateIn{this, "txtDateIn"};
    ui::Label lblDateOut{this, "lblDateOut"};
    ui::TextBox txtDateOut{this, "txtDateOut"};
    ui::Label lblDate{this, "lblDate"};
    ui::TextBox txtDate{this, "txtDate"};
    ui::Label lblGuest{this, "lblGuest"};
    ui::TextBox txtGuest{this, "txtGuest"};
    ui::Label lblRate{this, "lblRate"};
    ui::TextBox txtRate{this, "txtRate"};
    ui::CommandButton cmdChngRm{this, "cmdChngRm"};

    // ---- Guest ----
    ui::Frame fraGuest{this, "fraGuest"};
    ui::Label lblLastN{this, "lblLastN"};
    ui::TextBox txtLastN{this, "txtLastN"};
    ui::Label lblFirstN{this, "lblFirstN"};
    ui::TextBox txtFirstN{this, "txtFirstN"};
    ui::Label lblAdds{this, "lblAdds"};
    ui::TextBox txtAdds{this, "txtAdds"};
    ui::Label lblCity{this, "lblCity"};
    ui::TextBox txtCity{this, "txtCity"};
    ui::Label lblState{this, "lblState"};
    ui::TextBox txtState{this, "txtState"};
    ui::Label lblZip{this, "lblZip"};
    ui::TextBox txtZip{this, "txtZip"};
    ui::Label lblCountry{this, "lblCountry"};
    ui::TextBox txtCountry{this, "txtCountry"};
    ui::Label lblPhone{this, "lblPhone"};
    ui::TextBox txtPhone{this, "txtPhone"};
    ui::Label lblBD{this, "lblBD"};
    ui::TextBox txtBD{this, "txtBD"};
    ui::Frame fraRemark{this, "fraRemark"};
    ui::RichTextBox txtRemark{this, "txtRemark"};

    // ---- Identity document and car ----
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

    // ---- Clerk ----
    ui::Label lblWaiter{this, "lblWaiter"};
    ui::TextBox txtWaiter{this, "txtWaiter"};
    ui::Image ImgID{this, "ImgID"};
    ui::Label lblID{this, "lblID"};
    ui::Label lblAskfor{this, "lblAskfor"};

    // ---- Folio ----
    ui::Label lblChk{this, "lblChk"};
    ui::ComboBox cmbRept{this, "cmbRept"};
    ui::CommandButton cmdT{this, "cmdT"};
    ui::FlexGrid grdOrderItems{this, "grdOrderItems"};
    ui::TextBox txtTotal{this, "txtTotal"};
    ui::Label lblTax{this, "lblTax"};
    ui::TextBox txtDITax1{this, "txtDITax1"};
    ui::TextBox txtDITax2{this, "txtDITax2"};
    ui::Label lblEnding{this, "lblEnding"};
    ui::TextBox txtEnding{this, "txtEnding"};
    ui::TextBox txtGet{this, "txtGet"};
    ui::Label lblReturn{this, "lblReturn"};
    ui::TextBox txtReturn{this, "txtReturn"};
    ui::TextBox txtCoupon{this, "txtCoupon"};

    // The station code of the section opened last, and the item-taking controls of room service.
    ui::Label lblScrn{this, "lblScrn"};
    ui::Label lblList{this, "lblList"};
    ui::TextBox txtQty{this, "txtQty"};
    ui::TextBox txtPercent{this, "txtPercent"};
    ui::CommandButton cmdPercent{this, "cmdPercent"};
    ui::CommandButton cmdQty{this, "cmdQty"};
    ui::CommandButton cmdAsk{this, "cmdAsk"};
    ui::CommandButton cmdLast{this, "cmdLast"};
    ui::CommandButton cmdNext{this, "cmdNext"};
    ui::CommandButton cmdMainM{this, "cmdMainM"};
    ui::CommandButton cmdSp{this, "cmdSp"};

    ui::CommandButton cmdAddto{this, "cmdAddto"};
    ui::CommandButton cmdSave{this, "cmdSave"};
    ui::CommandButton cmdPrintRce{this, "cmdPrintRce"};
    ui::CommandButton cmdPrint{this, "cmdPrint"};
    ui::CommandButton cmdPost{this, "cmdPost"};
    ui::CommandButton cmdTenerRec{this, "cmdTenerRec"};
    ui::CommandButton cmdSplit{this, "cmdSplit"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    // ---- Stores ----
    ui::Data datPW{this, "datPW"};
    ui::Data datList{this, "datList"};
    ui::Data datMain{this, "datMain"};
    ui::Data datOrders{this, "datOrders"};
    ui::Data datDetail{this, "datDetail"};
    ui::Data datEmployees{this, "datEmployees"};
    ui::Data datTable{this, "datTable"};
    ui::Data datVRoom{this, "datVRoom"};
    ui::Data datZuChkO{this, "datZuChkO"};

    // ---- Room service (declared after datList, which dbList reads) ----
    // The block of sixteen item buttons (1 to 16) with their number boxes.
    ui::ControlArray<ui::CommandButton> command{this, "command", 17};
    ui::ControlArray<ui::TextBox> Text{this, "Text", 17};
    // The open list's current row: the working record of the item being taken.
    ui::DBGrid dbList{this, "dbList"};
    ui::TextBox txtList{this, "txtList"};

    void Form_Load() override;
    void Form_Activate() override;
    void FillIdAndCarLists();
    void txtWaiter_Change();
    void txtWaiter_Click();
    void ImgID_Click();
    void AskForClerkId();
    void cmdChngRm_Click();
    void cmdClose_Click();

    // ---- Room service: the section page, the item pages and taking an item ----
    void setUpRoomService();
    void DrawSectionButtons();
    void FillItemPage();
    void command_Click(int Index);
    void cmdLast_Click();
    void cmdNext_Click();
    void cmdMainM_Click();
    void cmdSp_Click();
    void txtList_Change();
    void lblList_Change();
    void lblList_Click();
    void AddItemLine();
    void AskItemOptions();
    void ApplyPercentOff();
    void InsertItemArranged();
    void cmdAsk_Click();
    void cmdPercent_Click();
    void cmdQty_Click();
    void txtPercent_Click();
    void txtQty_Click();
    void txtQty_Change();

    // ---- Payment and split hand-off ----
    void cmdTenerRec_Click();
    void cmdSplit_Click();

    // ---- Removing folio lines ----
    void grdOrderItems_Click();
    void RemoveItemLine();
    void RemoveItemWithOptions();

    void ResetFolioGrid();
    void cmdAddto_Click();
    void txtTotal_Change();
    void txtDITax1_Change();
    void txtEnding_Change();
    void txtReturn_Change();
    void txtGet_Change();
    void txtCoupon_Change();

    // "Chk In/ Update": the folio (what this screen changed in it), the room's open-folio row and
    // the guest's stay are stored together or not at all; then the screen and the map close for
    // the main panel.
    void cmdSave_Click();
    // The recall of a reopened folio: its totals and lines from the order book, read as one.
    void txtGet_Click();
    db::Status UpdateGuestRecord();

    // The printout: the guarded one, and "Print to Front", which saves the header and the open
    // folio first. False when nothing was printed because the save was refused.
    void cmdPrint_Click();
    bool cmdPrintRce_Click();
    // The folio's page, from the screen as it stands (the folio stored first by the caller).
    void PrintFolio();
    // "Check Out": the check-out line, the printout, and the stay moved to the checked-out store.
    void cmdPost_Click();
    db::Status MoveGuestToCheckedOut();

    // Lines added or removed, or payments taken, that the order book does not hold yet.
    bool hasUnsavedChanges() const;
    // The folio has at least one line (grid rows from 2 on).
    bool hasLines() const { return grdOrderItems.rows() > 2; }
    // The folio number shown (empty while the folio has no header).
    std::string folioNumber() const { return cmbRept.text(); }
    // The order book this screen's folio lives in, with the room's open-folio store.
    OrderBook orderBook() const;
    // What this screen changed in its folio since it last read or stored it: the lines added and
    // removed, the payments taken. Nullopt (the clerk told) when an amount box cannot be read.
    std::optional<FolioChange> folioChange();
    // The screen after its change was stored: the new lines know their identities, the payments
    // count as stored, and lines or payments another station stored meanwhile are shown.
    void changeStored(const SaveOutcome& out);
    // Another station changed the folio under this screen: it is read again and the clerk told.
    void folioChangedElsewhere();
    // A card payment about to be asked of the processor: the folio gets its header when it has
    // none, and the payment is written down as pending. Nullopt (the reason kept in `why`) when
    // it could not be.
    std::optional<PendingCard> beginCardPayment(core::Money amount, const std::string& cardType,
                                                const std::string& folder, std::string* why);
    // A card payment the order book has put on this folio: the received box counts it.
    void cardPaymentPosted(core::Money amount);

    // The stay this screen works on is the reservation row the map filled it from (keepOwnStay).
    // When the map could not fill the screen, the stay is the one of the room and phone boxes.
    // Makes the own stay the current row of datVRoom; false when there is none (or it is gone).
    bool findOwnStay();

    // The order book file this screen's folios go to, by the training mark.
    std::string orderBookFile() const;

private:
    // Asks the size of the working record's item; the answer lands in lblList's Tag.
    void askItemSize();
    // The working record's charge: its amount when it reads as one, and how it is written.
    struct WorkingPrice {
        std::optional<core::Money> amount;
        std::string text;
    };
    WorkingPrice workingPrice_;
    // The quantity typed for the item being taken, when the box began with a number.
    std::optional<core::Money> typedQuantity_;

    // True when a recalled folio's lines are protected by the store's setting (or it cannot be read).
    bool lineRemovalProtected();
    // Takes a line's charge off the subtotal; a charge or subtotal that is no amount takes nothing.
    void takeOffSubtotal(const std::string& charge);

    // The change follows the amount received, the total and the coupon alike.
    void computeChange();

    // Shows a stored folio on the grid and in the boxes, in place of what they held.
    void showStoredFolio(const StoredFolio& folio);
    // A save that stored nothing is told to the clerk (the folio read again where another
    // station changed it); false when it was stored.
    bool toldNotSaved(const SaveOutcome& out);

    // A header was added during this visit: every later save updates it.
    bool headerAdded_ = false;
    // The folio's lines as this screen last read or stored them, and the payments it shows that
    // are already stored: a save adds only what was taken since.
    std::vector<StoredLine> storedLines_;
    core::Money receivedStored_, couponStored_;
    // The grid rows the last folioChange took as added lines, in its order.
    std::vector<int> addedRows_;
};

}  // namespace pelk::folio
