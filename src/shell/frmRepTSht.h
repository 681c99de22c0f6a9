#pragma once

#include <optional>
#include <string>

#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::shell {

// The time sheets: the time cards of a period in a grid where a manager corrects or deletes them,
// and for one chosen employee that employee's cards, total hours, hourly rate and wage. "Renew"
// empties the time cards. Opened from the report hub, or from the main window's menu ("QS").
class frmRepTSht : public ui::Form {
public:
    frmRepTSht();

    ui::Label lblTitle{this, "lblTitle"};
    ui::Data datTcd{this, "datTcd"};
    ui::Data datEmploye{this, "datEmploye"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    // The light-yellow panel behind the boxes at the right, with its shadow.
    ui::Label lblShadow{this, "lblShadow"};
    ui::Label lblPanel{this, "lblPanel"};
    ui::Label lblFrom{this, "lblFrom"};
    ui::TextBox txtFrom{this, "txtFrom"};
    ui::Label lblTo{this, "lblTo"};
    ui::TextBox txtTo{this, "txtTo"};
    ui::Label lblID{this, "lblID"};
    ui::TextBox txtID{this, "txtID"};
    ui::ComboBox cmbID{this, "cmbID"};
    ui::Label lblName{this, "lblName"};
    ui::TextBox txtName{this, "txtName"};
    ui::Label lblHRate{this, "lblHRate"};
    ui::TextBox txtHRate{this, "txtHRate"};
    ui::Label lblTHours{this, "lblTHours"};
    ui::TextBox txtTHours{this, "txtTHours"};
    ui::Label lblGP{this, "lblGP"};
    ui::TextBox txtGP{this, "txtGP"};
    ui::Label lblTfrom{this, "lblTfrom"};
    ui::TextBox txtTfrom{this, "txtTfrom"};
    ui::Label lblTto{this, "lblTto"};
    ui::TextBox txtTto{this, "txtTto"};
    ui::Image imgRenew{this, "imgRenew"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void cmbID_Click();
    void cmbID_Change();
    void txtID_Change();
    void imgRenew_Click();
    void cmdClose_Click();

private:
    void ShowEmployeeTotals();
    // "szDate_da Between #from# And #to#" from the two date boxes; nullopt when either box
    // holds no date, so that nothing typed there reaches a query.
    std::optional<std::string> periodCriterion() const;
    // Points the grid at a query of cards; without a period it shows none.
    void showCards(const std::optional<std::string>& criterion);
};

}  // namespace pelk::shell
