#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/db/recordset.h"
#include "platform/ui/ui.h"
#include "settings/common.h"

namespace pelk::menu {

// The item detail editor: the items of one section on pages of 46 numbered slots, and the boxes
// of one item, saved as a new row or over the item chosen.
class frmEDes : public ui::Form {
public:
    static constexpr int kSlots = 46;
    static constexpr int kPages = 4;

    frmEDes();

    ui::Data datList{this, "datList"};
    ui::Data datMain{this, "datMain"};
    ui::Data datSize{this, "datSize"};
    ui::Label lblID{this, "lblID"};
    ui::TextBox txtID{this, "txtID"};
    ui::Label lblSection{this, "lblSection"};
    ui::Label lblItem{this, "lblItem"};
    ui::TextBox txtFind{this, "txtFind"};
    ui::Label lblPrinter{this, "lblPrinter"};
    ui::ComboBox cmbPrinter{this, "cmbPrinter"};
    ui::TextBox txtItems{this, "txtItems"};
    ui::Label lblPriceOptions{this, "lblPriceOptions"};
    ui::TextBox txtSprice{this, "txtSprice"};
    ui::TextBox Text45{this, "Text45"};
    ui::TextBox Text47{this, "Text47"};
    ui::TextBox txtMprice{this, "txtMprice"};
    ui::TextBox txtLprice{this, "txtLprice"};
    ui::TextBox txtXlprice{this, "txtXlprice"};
    ui::TextBox txtPrice{this, "txtPrice"};
    ui::ControlArray<ui::Image> imgUK{this, "imgUK", 2};
    ui::ControlArray<ui::Image> imgUS{this, "imgUS", 2};
    ui::Label lblFirstOptions{this, "lblFirstOptions"};
    ui::Label lblFirstOptionsUse{this, "lblFirstOptionsUse"};
    ui::Label lblSecondOptions{this, "lblSecondOptions"};
    ui::Label lblSecondOptionsUse{this, "lblSecondOptionsUse"};
    ui::Label lblAdditionalPrice{this, "lblAdditionalPrice"};
    ui::CommandButton cmdSave{this, "cmdSave"};
    ui::CommandButton cmdDel{this, "cmdDel"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::CommandButton cmdExit{this, "cmdExit"};
    // The slots and their number boxes, 1 to 46 (made from 0, which is dropped).
    ui::ControlArray<ui::CommandButton> command{this, "command", kSlots + 1};
    ui::ControlArray<ui::TextBox> Text{this, "Text", kSlots + 1};
    ui::CommandButton cmdLast{this, "cmdLast"};
    ui::CommandButton cmdNext{this, "cmdNext"};
    ui::CommandButton cmdDrink{this, "cmdDrink"};
    ui::CommandButton cmdApter{this, "cmdApter"};
    ui::CommandButton cmdFR{this, "cmdFR"};
    ui::CommandButton cmdLM{this, "cmdLM"};
    ui::CommandButton cmdVDishes{this, "cmdVDishes"};
    ui::CommandButton cmdVege{this, "cmdVege"};
    ui::CommandButton cmdPoultry{this, "cmdPoultry"};
    ui::CommandButton cmdBeef{this, "cmdBeef"};
    ui::CommandButton cmdSeafood{this, "cmdSeafood"};
    ui::CommandButton cmdSoup{this, "cmdSoup"};
    ui::CommandButton cmdPork{this, "cmdPork"};
    ui::CommandButton cmdLamb{this, "cmdLamb"};
    ui::CommandButton cmdLunch{this, "cmdLunch"};
    ui::CommandButton cmdDinner{this, "cmdDinner"};

    // Text1 … Text44: the option boxes, each for the field of its own number.
    ui::TextBox& optionBox(int field) { return *options_.at(field - 1); }

    void Form_Load() override;
    void Form_Activate() override;
    void cmdDrink_Click();
    void cmdApter_Click();
    void cmdFR_Click();
    void cmdLM_Click();
    void cmdVDishes_Click();
    void cmdVege_Click();
    void cmdPoultry_Click();
    void cmdBeef_Click();
    void cmdSeafood_Click();
    void cmdSoup_Click();
    void cmdPork_Click();
    void cmdLamb_Click();
    void cmdLunch_Click();
    void cmdDinner_Click();
    void command_MouseDown(int index);
    void command_MouseUp(int index);
    void command_Click(int index);
    void cmdLast_Click();
    void cmdNext_Click();
    void cmdSave_Click();
    void cmdDel_Click();
    void cmdClose_Click();
    void cmdExit_Click();
    void txtItems_Change();
    void txtMprice_Click();
    void txtLprice_Click();
    void txtPrice_Click();
    void txtXlprice_Click();
    void Text41_Change();
    void Text42_Change();
    void Text43_Change();
    void Text44_Change();

    void FillItemPage();
    void FormatPrices();
    void ClearItemEditor();
    void ReopenSection();

    settings::SectionButtons sectionButtons();

private:
    void openSection(int index);
    // The page shown (1 to 4), from cmdLast.Tag.
    int page() const;
    // Copies the current row of datList into the boxes, as the look-up does; each copy on its own.
    void copyCurrentRow();
    // Makes the chosen item's row current in datList; false when there is none (any more).
    bool goToChosen();

    std::vector<std::unique_ptr<ui::TextBox>> options_;
    // The item the save changes and Del deletes: the row of the slot last clicked, or the row the
    // last save added; none before a slot is chosen, after another section opens, after a delete.
    std::optional<db::Bookmark> chosen_;
};

}  // namespace pelk::menu
