#pragma once

#include "platform/ui/ui.h"
#include "settings/common.h"

namespace pelk::settings {

// The store settings: country and taxes, receipt header lines and ending notes, the menu
// sections' names, station codes and display mode, the second-language and keyboard options.
// Loaded hidden by its first reader, it is also the holder through which every other screen
// reads these settings; "Save/Exit" stores them and unloads it.
class frmInfor : public ui::Form {
public:
    frmInfor();

    // The six rows, all in the program folder: the store settings are this station's own.
    ui::Data datcmdSet{this, "datcmdSet"};
    ui::Data datTelSet{this, "datTelSet"};
    ui::Data datPritOut{this, "datPritOut"};
    ui::Data DatSplSet{this, "DatSplSet"};
    ui::Data datMain{this, "datMain"};
    ui::Data datScrn{this, "datScrn"};

    ui::Label lblCountry{this, "lblCountry"};
    ui::ComboBox cmbCountry{this, "cmbCountry"};
    ui::TextBox txtL1{this, "txtL1"};
    ui::TextBox txtL2{this, "txtL2"};
    ui::TextBox txtL3{this, "txtL3"};
    ui::CommandButton Command5{this, "Command5"};
    ui::Label lblSetP{this, "lblSetP"};
    ui::Label lblReceipt1{this, "lblReceipt1"};
    ui::TextBox txtNotes{this, "txtNotes"};
    ui::TextBox txtENotes1{this, "txtENotes1"};
    ui::Label lblOver{this, "lblOver"};
    ui::TextBox txtPlan{this, "txtPlan"};
    ui::Label lblPrintBelow{this, "lblPrintBelow"};
    ui::Label lblReceipt2{this, "lblReceipt2"};
    ui::TextBox txtENotes2{this, "txtENotes2"};
    ui::TextBox txtENotes3{this, "txtENotes3"};
    ui::TextBox txtENotes4{this, "txtENotes4"};
    ui::TextBox txtENotes5{this, "txtENotes5"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::CommandButton cmdEtoC{this, "cmdEtoC"};
    ui::CheckBox chkEtoC{this, "chkEtoC"};
    ui::CommandButton cmdKB{this, "cmdKB"};
    ui::CheckBox chkKB{this, "chkKB"};
    ui::CommandButton cmdTaxA{this, "cmdTaxA"};
    ui::CommandButton cmdTaxO{this, "cmdTaxO"};
    ui::Label lblTax{this, "lblTax"};
    ui::TextBox txtTOTax1{this, "txtTOTax1"};
    ui::TextBox txtTaxOpt{this, "txtTaxOpt"};
    ui::TextBox txtTOTax2{this, "txtTOTax2"};

    // The section panel.
    ui::Line Line1{this, "Line1"};
    ui::Line Line2{this, "Line2"};
    ui::Label lblSection{this, "lblSection"};
    ui::Label lblPrinter{this, "lblPrinter"};
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
    ui::Label lblLunchCode{this, "lblLunchCode"};
    ui::Label lblDinnerCode{this, "lblDinnerCode"};
    ui::Label lblLegend{this, "lblLegend"};
    ui::Label lblMainMu{this, "lblMainMu"};
    ui::CommandButton cmdMainMu{this, "cmdMainMu"};

    // Hidden: they carry their fields.
    ui::Label lblDITax{this, "lblDITax"};
    ui::TextBox txtDITax1{this, "txtDITax1"};
    ui::TextBox txtDITax2{this, "txtDITax2"};
    ui::Label lblBarTax{this, "lblBarTax"};
    ui::TextBox txtBarTax1{this, "txtBarTax1"};
    ui::TextBox txtBarTax2{this, "txtBarTax2"};
    ui::Label lblDelFee{this, "lblDelFee"};
    ui::TextBox txtDelFee{this, "txtDelFee"};
    ui::Label lblSort{this, "lblSort"};
    ui::CheckBox chkSort{this, "chkSort"};
    ui::Label lblSectionAuto{this, "lblSectionAuto"};
    ui::CheckBox chkSection{this, "chkSection"};
    ui::Label lblDel{this, "lblDel"};
    ui::CheckBox chkDel{this, "chkDel"};
    ui::Label lblFreeSf{this, "lblFreeSf"};
    ui::CommandButton cmdFreeSf{this, "cmdFreeSf"};
    ui::TextBox txtT0{this, "txtT0"};
    ui::TextBox txtT1{this, "txtT1"};
    ui::TextBox txtT2{this, "txtT2"};
    ui::TextBox txtT3{this, "txtT3"};
    ui::TextBox txtT4{this, "txtT4"};
    ui::TextBox txtT5{this, "txtT5"};
    ui::TextBox txtT6{this, "txtT6"};
    ui::TextBox txtT7{this, "txtT7"};
    ui::TextBox txtT8{this, "txtT8"};
    ui::TextBox txtT9{this, "txtT9"};
    ui::TextBox txtT10{this, "txtT10"};
    ui::TextBox txtT11{this, "txtT11"};
    ui::TextBox txtT12{this, "txtT12"};
    ui::TextBox txtT13{this, "txtT13"};
    ui::TextBox txtT14{this, "txtT14"};
    ui::TextBox txts0{this, "txts0"};
    ui::TextBox txts1{this, "txts1"};
    ui::TextBox txts2{this, "txts2"};
    ui::TextBox txts3{this, "txts3"};
    ui::TextBox txts4{this, "txts4"};
    ui::TextBox txts5{this, "txts5"};
    ui::TextBox txts6{this, "txts6"};
    ui::TextBox txts7{this, "txts7"};
    ui::TextBox txts8{this, "txts8"};
    ui::TextBox txts9{this, "txts9"};
    ui::TextBox txts10{this, "txts10"};
    ui::TextBox txts11{this, "txts11"};

    // The section buttons, their name boxes and the station lists by section index.
    SectionButtons sectionButtons();
    std::array<std::string, kSections> sectionNames() const;
    StationLists stationCodes();

    void Form_Load() override;
    void Form_Activate() override;
    void cmbCountry_Click();
    void cmdTaxA_Click();
    void cmdTaxO_Click();
    void Command5_Click();
    void cmdFreeSf_Click();
    void cmdMainMu_Click();
    void chkEtoC_Click();
    void cmdEtoC_Click();
    void chkKB_Click();
    void cmdKB_Click();
    void chkSection_Click();
    void txtPlan_Change();
    void cmdClose_Click();

private:
    std::array<ui::TextBox*, kSections> nameBoxes();
    std::array<ui::TextBox*, 15> telBoxes();
    std::array<ui::TextBox*, 12> freePopBoxes();
    // "Save/Exit" refuses a rate that would make every later folio wrong; true when all are sound.
    bool ratesValid();
};

}  // namespace pelk::settings
