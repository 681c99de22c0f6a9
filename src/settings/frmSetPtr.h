#pragma once

#include <string>

#include "platform/ui/common_dialog.h"
#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::settings {

// The printer settings of this station: for the front printer, two kitchen printers, the bar,
// the salad printer and the cash drawer, the port, the installed printer, a network path, the
// station code printed and whether prices print. Loaded hidden, it holds the front printer that
// the printouts select (SelectFrontPrinter).
class frmSetPtr : public ui::Form {
public:
    frmSetPtr();

    // The settings row of this station's program folder, whatever the data location.
    ui::Data datcmdSet{this, "datcmdSet"};
    ui::Label lblTitle{this, "lblTitle"};
    // Front row and the cash drawer.
    ui::Label lblFrontPort{this, "lblFrontPort"};
    ui::ComboBox Cmb1{this, "Cmb1"};
    ui::Label lblDrawer{this, "lblDrawer"};
    ui::ComboBox cmbECD{this, "cmbECD"};
    ui::Label lblType1{this, "lblType1"};
    ui::ComboBox cmbType{this, "cmbType"};
    ui::Label lblWhere1{this, "lblWhere1"};
    ui::TextBox txtPtr1{this, "txtPtr1"};
    ui::Label lblScreen1{this, "lblScreen1"};
    ui::ComboBox cmbPtr1{this, "cmbPtr1"};
    ui::Label lblAll{this, "lblAll"};
    // Kitchen 1.
    ui::Label lblKitchen1{this, "lblKitchen1"};
    ui::Label lblKPtr1{this, "lblKPtr1"};
    ui::ComboBox Cmb2{this, "Cmb2"};
    ui::Label lblType2{this, "lblType2"};
    ui::ComboBox cmbType2{this, "cmbType2"};
    ui::Label lblWhere2{this, "lblWhere2"};
    ui::TextBox txtPtr2{this, "txtPtr2"};
    ui::Label lblScreen2{this, "lblScreen2"};
    ui::ComboBox cmbPtr2{this, "cmbPtr2"};
    ui::CheckBox chkPtr2{this, "chkPtr2"};
    // Kitchen 2.
    ui::Label lblKitchen2{this, "lblKitchen2"};
    ui::Label lblKPtr2{this, "lblKPtr2"};
    ui::ComboBox Cmb3{this, "Cmb3"};
    ui::Label lblType3{this, "lblType3"};
    ui::ComboBox cmbType3{this, "cmbType3"};
    ui::Label lblWhere3{this, "lblWhere3"};
    ui::TextBox txtPtr3{this, "txtPtr3"};
    ui::Label lblScreen3{this, "lblScreen3"};
    ui::ComboBox cmbPtr3{this, "cmbPtr3"};
    ui::CheckBox chkPtr3{this, "chkPtr3"};
    // Bar.
    ui::Label lblBar{this, "lblBar"};
    ui::Label Label4{this, "Label4"};
    ui::ComboBox Cmb4{this, "Cmb4"};
    ui::Label lblType4{this, "lblType4"};
    ui::ComboBox cmbType4{this, "cmbType4"};
    ui::Label lblWhere4{this, "lblWhere4"};
    ui::TextBox txtPtr4{this, "txtPtr4"};
    ui::Label lblScreen4{this, "lblScreen4"};
    ui::ComboBox cmbPtr4{this, "cmbPtr4"};
    ui::CheckBox chkPtr4{this, "chkPtr4"};
    // Salad.
    ui::Label lblSalad{this, "lblSalad"};
    ui::Label Label19{this, "Label19"};
    ui::ComboBox Cmb5{this, "Cmb5"};
    ui::Label lblType5{this, "lblType5"};
    ui::ComboBox cmbType5{this, "cmbType5"};
    ui::Label lblWhere5{this, "lblWhere5"};
    ui::TextBox txtPtr5{this, "txtPtr5"};
    ui::Label lblScreen5{this, "lblScreen5"};
    ui::ComboBox cmbPtr5{this, "cmbPtr5"};
    ui::CheckBox chkPtr5{this, "chkPtr5"};
    // Legends of the station codes.
    ui::Label lblLegendA{this, "lblLegendA"};
    ui::Label lblLegendB{this, "lblLegendB"};
    ui::Label lblLegendD{this, "lblLegendD"};
    ui::Label lblLegendS{this, "lblLegendS"};
    ui::Frame fraPrinters{this, "fraPrinters"};
    ui::ListBox lstPrinters{this, "lstPrinters"};
    ui::CommonDialog dbPrinter{this, "dbPrinter"};
    ui::CommandButton cmdPtr{this, "cmdPtr"};
    ui::CommandButton Command1{this, "Command1"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    ui::CommandButton cmdNext{this, "cmdNext"};

    void Form_Load() override;
    void Form_Activate() override;
    void Cmb1_Click();
    void Cmb2_Click();
    void Cmb3_Click();
    void Cmb4_Click();
    void cmbType_Click();
    void cmbType2_Click();
    void cmbType3_Click();
    void cmbType4_Click();
    void cmbType5_Click();
    void cmdPtr_Click();
    void Command1_Click();
    void cmdClose_Click();
    void cmdNext_Click();

private:
    void ShowPortPathBoxes();
    // A port choice of rows 1 to 4 is stored at once.
    void savePort(const char* field, const ui::ComboBox& list);
    // A printer-name choice: a network printer's path goes into the row's path box and its port
    // list reads "Network"; true when it was one.
    bool choosePrinter(const ui::ComboBox& names, ui::ComboBox& ports, ui::TextBox& path);
};

// The help screen: where the platform shows a printer's port and name.
class frmHelpSetPtr : public ui::Form {
public:
    frmHelpSetPtr();

    ui::Image imgPorts{this, "imgPorts"};
    ui::Image imgPrinters{this, "imgPrinters"};
    ui::Label lblPort{this, "lblPort"};
    ui::Label lblPortValue{this, "lblPortValue"};
    ui::Label lblDrawer{this, "lblDrawer"};
    ui::Label lblDrawerValue{this, "lblDrawerValue"};
    ui::Label lblType{this, "lblType"};
    ui::Label lblTypeValue{this, "lblTypeValue"};

    void Form_Load() override;
};

// The path of a network printer's name: up to and including its last backslash, the name's own
// last character left out of the search ("\\SRV\Epson" → "\\SRV\").
std::string networkPrinterPath(std::string_view printerName);

}  // namespace pelk::settings
