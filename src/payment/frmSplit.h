#pragma once

#include <string>

#include "platform/core/money.h"
#include "platform/ui/flexgrid.h"
#include "platform/ui/ui.h"
#include "settings/tax.h"

namespace pelk::payment {

// The split-check screen: the room screen's folio as a first check, from which the clerk moves
// lines, or single units of a line, into a second check that is printed on its own. It stores
// nothing: closing it leaves the folio as it was.
class frmSplit : public ui::Form {
public:
    frmSplit();

    ui::Label Label6{this, "Label6"};
    ui::TextBox txtChk{this, "txtChk"};
    ui::TextBox txtChkA{this, "txtChkA"};
    ui::TextBox txtChk2{this, "txtChk2"};
    ui::TextBox txtChkB{this, "txtChkB"};
    ui::FlexGrid grdOrderItems{this, "grdOrderItems"};
    ui::FlexGrid grdOrderItems2{this, "grdOrderItems2"};

    ui::Label lblSub{this, "lblSub"};
    ui::Label lblTax{this, "lblTax"};
    ui::Label lblTotal{this, "lblTotal"};
    ui::TextBox txtSub{this, "txtSub"};
    ui::TextBox txtTax{this, "txtTax"};
    ui::TextBox txtTax2{this, "txtTax2"};
    ui::TextBox txtTotal{this, "txtTotal"};
    ui::Label lblSub2{this, "lblSub2"};
    ui::Label lblTax2{this, "lblTax2"};
    ui::Label lblTotal2{this, "lblTotal2"};
    ui::TextBox txtSub2{this, "txtSub2"};
    ui::TextBox txtATax1{this, "txtATax1"};
    ui::TextBox txtATax2{this, "txtATax2"};
    ui::TextBox txtTotal2{this, "txtTotal2"};

    ui::TextBox txtWaiter{this, "txtWaiter"};
    ui::Image ImgID{this, "ImgID"};
    ui::Label lblID{this, "lblID"};
    ui::CommandButton cmdPrint{this, "cmdPrint"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void LoadFolioLines();
    void grdOrderItems_Click();
    void grdOrderItems2_Click();
    void txtSub_Change();
    void txtSub2_Change();
    void cmdPrint_Click();
    void cmdClose_Click();

private:
    // The recalculation both checks share, each on its own boxes.
    void recalculate(ui::TextBox& sub, ui::TextBox& tax1, ui::TextBox& tax2, ui::TextBox& total);

    // The split rates, read once at loading.
    settings::TaxRate rate1_, rate2_;
};

}  // namespace pelk::payment
