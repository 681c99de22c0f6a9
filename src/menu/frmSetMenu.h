#pragma once

#include "platform/ui/ui.h"
#include "settings/common.h"

namespace pelk::menu {

// The item lists: each section's items (and the notes list) as a grid edited in place. It also
// holds the store's size labels, which other screens read from its four size boxes; a reader
// loads it hidden.
class frmSetMenu : public ui::Form {
public:
    frmSetMenu();

    ui::Data datList{this, "datList"};
    ui::Data datListC{this, "datListC"};
    ui::Data datSize{this, "datSize"};
    ui::Data datMain{this, "datMain"};
    // The headings stand above the grid in place of a header row.
    ui::Label Label1{this, "Label1"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label4{this, "Label4"};
    ui::Label Label5{this, "Label5"};
    ui::Label Label6{this, "Label6"};
    ui::Label Label7{this, "Label7"};
    ui::Label Label8{this, "Label8"};
    ui::Label Label9{this, "Label9"};
    ui::Label Label10{this, "Label10"};
    ui::TextBox txtSprice{this, "txtSprice"};
    ui::TextBox txtMprice{this, "txtMprice"};
    ui::TextBox txtPrice{this, "txtPrice"};
    ui::TextBox txtLprice{this, "txtLprice"};
    ui::Label Label2{this, "Label2"};
    ui::DBGrid dbList{this, "dbList"};
    ui::DBGrid dbListC{this, "dbListC"};
    // Beneath the buttons, so only its red edge shows at the corner of the open list's button.
    ui::Label lblOn{this, "lblOn"};
    ui::CommandButton cmdLunch{this, "cmdLunch"};
    ui::CommandButton cmdDiner{this, "cmdDiner"};
    ui::CommandButton cmdDrink{this, "cmdDrink"};
    ui::CommandButton cmdApter{this, "cmdApter"};
    ui::CommandButton cmdFriedRice{this, "cmdFriedRice"};
    ui::CommandButton cmdLoMein{this, "cmdLoMein"};
    ui::CommandButton cmdVDishes{this, "cmdVDishes"};
    ui::CommandButton cmdVegetables{this, "cmdVegetables"};
    ui::CommandButton cmdPoultry{this, "cmdPoultry"};
    ui::CommandButton cmdBeef{this, "cmdBeef"};
    ui::CommandButton cmdSeafood{this, "cmdSeafood"};
    ui::CommandButton cmdSoup{this, "cmdSoup"};
    ui::CommandButton cmdPork{this, "cmdPork"};
    ui::CommandButton cmdLamb{this, "cmdLamb"};
    ui::CommandButton cmdSp{this, "cmdSp"};
    ui::CommandButton cmdErase{this, "cmdErase"};
    ui::CommandButton cmdMenu{this, "cmdMenu"};
    ui::CommandButton cmdRDS{this, "cmdRDS"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void cmdDrink_Click();
    void cmdApter_Click();
    void cmdFriedRice_Click();
    void cmdLoMein_Click();
    void cmdVDishes_Click();
    void cmdVegetables_Click();
    void cmdPoultry_Click();
    void cmdBeef_Click();
    void cmdSeafood_Click();
    void cmdSoup_Click();
    void cmdPork_Click();
    void cmdLamb_Click();
    void cmdLunch_Click();
    void cmdDiner_Click();
    void cmdSp_Click();
    void cmdErase_Click();
    void cmdRDS_Click();
    void cmdMenu_Click();
    void cmdClose_Click();

    // The section buttons by section index.
    settings::SectionButtons sectionButtons();

private:
    void openSection(int index);
    void markList(double left, double top);
};

}  // namespace pelk::menu
