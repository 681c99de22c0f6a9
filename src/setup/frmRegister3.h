#pragma once

#include <array>
#include <string>

#include "platform/ui/data.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/ui.h"
#include "settings/common.h"
#include "setup/step_frame.h"

namespace pelk::setup {

// The wizard's menu-sections step: the fourteen sections' names, their button pictures from the
// pictures folder, whether section buttons show pictures or names, and the printer station of
// the first twelve. Reached only from the item detail editor that this step's own Next opened.
class frmRegister3 : public WizardStep {
public:
    frmRegister3();

    ui::Data datMain{this, "datMain"};
    ui::Data datScrn{this, "datScrn"};
    ui::Label Label1{this, "Label1"};
    ui::FileListBox File2{this, "File2"};
    ui::Label lblPath{this, "lblPath"};
    // The mode label lies under its button, so the step never shows the mode as text.
    ui::Label lblMainMu{this, "lblMainMu"};
    ui::CommandButton cmdMainMu{this, "cmdMainMu"};

    // The legend of the printer stations: Front, the two kitchens, the drinks, the salads.
    ui::ControlArray<ui::Image> imgLegend{this, "imgLegend", 5};
    ui::ControlArray<ui::Label> lblLegend{this, "lblLegend", 5};

    // The section buttons in section index order, each with its name box over its lower part.
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
    ui::CommandButton cmdLunch{this, "cmdLunch"};
    ui::CommandButton cmdDiner{this, "cmdDiner"};
    ui::TextBox txtm0{this, "txtm0"};
    ui::TextBox txtm1{this, "txtm1"};
    ui::TextBox txtm2{this, "txtm2"};
    ui::TextBox txtm3{this, "txtm3"};
    ui::TextBox txtm4{this, "txtm4"};
    ui::TextBox txtm5{this, "txtm5"};
    ui::TextBox txtm6{this, "txtm6"};
    ui::TextBox txtm7{this, "txtm7"};
    ui::TextBox txtm8{this, "txtm8"};
    ui::TextBox txtm9{this, "txtm9"};
    ui::TextBox txtm10{this, "txtm10"};
    ui::TextBox txtm11{this, "txtm11"};
    ui::TextBox txtm12{this, "txtm12"};
    ui::TextBox txtm13{this, "txtm13"};

    // Under each button: the front printer, the section's station printer and its list.
    ui::ControlArray<ui::Image> imgFront{this, "imgFront", settings::kSections};
    ui::Image imgDrink{this, "imgDrink"};
    ui::Image imgApter{this, "imgApter"};
    ui::Image imgFR{this, "imgFR"};
    ui::Image imgLM{this, "imgLM"};
    ui::Image imgVD{this, "imgVD"};
    ui::Image imgVege{this, "imgVege"};
    ui::Image imgPoulty{this, "imgPoulty"};
    ui::Image imgBeef{this, "imgBeef"};
    ui::Image imgSeafood{this, "imgSeafood"};
    ui::Image ImgSoup{this, "ImgSoup"};
    ui::Image imgPork{this, "imgPork"};
    ui::Image imgLamb{this, "imgLamb"};
    ui::Image imgLunch{this, "imgLunch"};
    ui::Image imgDiner{this, "imgDiner"};
    ui::ComboBox CmbDrink{this, "CmbDrink"};
    ui::ComboBox CmbApter{this, "CmbApter"};
    ui::ComboBox CmbFriedRice{this, "CmbFriedRice"};
    ui::ComboBox CmbLoMein{this, "CmbLoMein"};
    ui::ComboBox CmbVDishes{this, "CmbVDishes"};
    ui::ComboBox CmbVegetables{this, "CmbVegetables"};
    ui::ComboBox CmbPoultry{this, "CmbPoultry"};
    ui::ComboBox CmbBeef{this, "CmbBeef"};
    ui::ComboBox CmbSeafood{this, "CmbSeafood"};
    ui::ComboBox CmbSoup{this, "CmbSoup"};
    ui::ComboBox CmbPork{this, "CmbPork"};
    ui::ComboBox CmbLamb{this, "CmbLamb"};

    void Form_Load() override;
    void File2_Click();
    void cmdMainMu_Click();
    void cmdClose_Click();
    void cmdNext_Click();

    // By section index.
    settings::SectionButtons sectionButtons();
    std::array<ui::TextBox*, settings::kSections> nameBoxes();
    std::array<ui::Image*, settings::kSections> stationPictures();
    // The first twelve sections have a station list.
    settings::StationLists stationLists();

private:
    // The section buttons as the mode says: pictures from the step's own row, or the names as the
    // store settings holder read them, with the step's own name boxes shown.
    void DrawSectionButtons(const std::array<std::string, settings::kSections>& names);
};

}  // namespace pelk::setup
