#pragma once

#include "platform/ui/ui.h"
#include "settings/common.h"

namespace pelk::menu {

// The item picture screen: a section's items on pages of 24 slots; a slot selected and a file of
// the item picture folder clicked give that item its picture.
class frmFrontDeskPicAd : public ui::Form {
public:
    static constexpr int kSlots = 24;

    frmFrontDeskPicAd();

    ui::Data datList{this, "datList"};
    ui::Data datMain{this, "datMain"};
    ui::Label Label1{this, "Label1"};
    ui::FileListBox File2{this, "File2"};
    ui::CommandButton cmdDelPic{this, "cmdDelPic"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::TextBox txtItems{this, "txtItems"};
    // Slots 1 to 24 (made from 0, which is dropped); number boxes only on slots 10-16 and 18-24.
    ui::ControlArray<ui::CommandButton> command{this, "command", kSlots + 1};
    ui::ControlArray<ui::TextBox> Text{this, "Text", {10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21, 22, 23, 24}};
    ui::CommandButton cmdLast{this, "cmdLast"};
    ui::CommandButton cmdNext{this, "cmdNext"};
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
    ui::CommandButton cmdDrink{this, "cmdDrink"};

    void Form_Load() override;
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
    void cmdLast_Click();
    void cmdNext_Click();
    void command_Click(int index);
    void File2_Click();
    void cmdDelPic_Click();
    void cmdClose_Click();

    void FillItemPage();
    settings::SectionButtons sectionButtons();

private:
    void openSection(int index);
    // Makes current the row that the selected slot shows; false (nothing to be stored) when the
    // selection is stale, blank, or its item is gone.
    bool findSelectedItem();
    bool storePicturePath(const std::string& path);
};

}  // namespace pelk::menu
