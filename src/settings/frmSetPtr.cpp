#include "settings/frmSetPtr.h"

#include <initializer_list>

#include "platform/os/paths.h"
#include "platform/print/printers.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"

namespace pelk::settings {

namespace {

const std::initializer_list<const char*> kPortsP = {
    "None", "LPT1:", "LPT2:", "COM1:", "COM2:", "USB001", "USB002", "Network"};
const std::initializer_list<const char*> kPortsB = {
    "None", "LPT1:", "LPT2:", "COM1:", "COM2:", "COM3:", "COM4:", "USB001", "USB002", "Network"};
const std::initializer_list<const char*> kPortsS = {
    "None", "LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:", "COM4:", "USB001", "USB002"};

void fill(ui::ListControl& list, std::initializer_list<const char*> items) {
    for (const char* item : items) list.AddItem(item);
}

}  // namespace

std::string networkPrinterPath(std::string_view printerName) {
    std::string_view searched = printerName.substr(0, printerName.empty() ? 0 : printerName.size() - 1);
    std::size_t last = searched.rfind('\\');
    return last == std::string_view::npos ? std::string() : std::string(printerName.substr(0, last + 1));
}

namespace {

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 11520}, {"Height", 7200}},
    {
        // As tall as a line of its 14-point type.
        {"lblTitle",
         {240, 120, 4000, 375},
         {{"Caption", "Printer Settings"}, {"Font", ui::FontRole{ui::font::kDialog.name, 14, true}}}},
        // Front row (upper left) with the cash drawer's port beside the front port.
        {"lblFrontPort", {240, 720, 1695, 255}, {{"Caption", "Front Printer Port:"}}},
        {"Cmb1", {1980, 720, 1335, 315}},
        {"lblDrawer", {240, 1200, 1335, 255}, {{"Caption", "Cash Drawer"}}},
        {"cmbECD", {1980, 1200, 1335, 315}},
        {"lblType1", {240, 1680, 1335, 255}, {{"Caption", "Type:"}}},
        {"cmbType", {1980, 1680, 1815, 315}},
        {"lblWhere1", {240, 2160, 1335, 255}, {{"Caption", "Where:"}}},
        {"txtPtr1", {1980, 2160, 1815, 315}},
        {"lblScreen1", {240, 2640, 1335, 255}, {{"Caption", "Screen/Printer"}}},
        {"cmbPtr1", {1980, 2640, 615, 315}, {{"Visible", false}}},
        {"lblAll", {2700, 2640, 1335, 255}, {{"Caption", "Print All Items"}}},
        // Kitchen 1 (upper middle) and kitchen 2 (upper right).
        {"lblKitchen1", {4080, 720, 1335, 255}, {{"Caption", "Kitchen -"}}},
        {"lblKPtr1", {5520, 720, 375, 255}, {{"Font", ui::font::kDialogBold}}},
        {"Cmb2", {6000, 720, 1335, 315}},
        {"lblType2", {4080, 1200, 600, 255}, {{"Caption", "Type:"}}},
        {"cmbType2", {4800, 1200, 2535, 315}},
        {"lblWhere2", {4080, 1680, 600, 255}, {{"Caption", "Where:"}}},
        {"txtPtr2", {4800, 1680, 2535, 315}},
        {"lblScreen2", {4080, 2160, 1335, 255}, {{"Caption", "Screen/Printer"}}},
        {"cmbPtr2", {5520, 2160, 615, 315}},
        {"chkPtr2", {6240, 2160, 1215, 255}, {{"Caption", "Print Price"}}},
        {"lblKitchen2", {7800, 720, 1335, 255}, {{"Caption", "Kitchen -"}}},
        {"lblKPtr2", {9240, 720, 375, 255}, {{"Font", ui::font::kDialogBold}}},
        {"Cmb3", {9720, 720, 1335, 315}},
        {"lblType3", {7800, 1200, 600, 255}, {{"Caption", "Type:"}}},
        {"cmbType3", {8520, 1200, 2535, 315}},
        {"lblWhere3", {7800, 1680, 600, 255}, {{"Caption", "Where:"}}},
        {"txtPtr3", {8520, 1680, 2535, 315}},
        {"lblScreen3", {7800, 2160, 1335, 255}, {{"Caption", "Screen/Printer"}}},
        {"cmbPtr3", {9240, 2160, 615, 315}},
        {"chkPtr3", {9960, 2160, 1215, 255}, {{"Caption", "Print Price"}}},
        // The bar printer (lower left) and the salad printer (lower middle).
        {"lblBar", {240, 3600, 1335, 255}, {{"Caption", "Bar Printer -"}}},
        {"Label4", {1680, 3600, 375, 255}, {{"Font", ui::font::kDialogBold}}},
        {"Cmb4", {2160, 3600, 1335, 315}},
        {"lblType4", {240, 4080, 600, 255}, {{"Caption", "Type:"}}},
        {"cmbType4", {960, 4080, 2535, 315}},
        {"lblWhere4", {240, 4560, 600, 255}, {{"Caption", "Where:"}}},
        {"txtPtr4", {960, 4560, 2535, 315}},
        {"lblScreen4", {240, 5040, 1335, 255}, {{"Caption", "Screen/Printer"}}},
        {"cmbPtr4", {1680, 5040, 615, 315}},
        {"chkPtr4", {2400, 5040, 1215, 255}, {{"Caption", "Print Price"}}},
        {"lblSalad", {4080, 3600, 1335, 255}, {{"Caption", "Salad Printer -"}}},
        {"Label19", {5520, 3600, 375, 255}, {{"Font", ui::font::kDialogBold}}},
        {"Cmb5", {6000, 3600, 1335, 315}},
        {"lblType5", {4080, 4080, 600, 255}, {{"Caption", "Type:"}}},
        {"cmbType5", {4800, 4080, 2535, 315}},
        {"lblWhere5", {4080, 4560, 600, 255}, {{"Caption", "Where:"}}},
        {"txtPtr5", {4800, 4560, 2535, 315}},
        {"lblScreen5", {4080, 5040, 1335, 255}, {{"Caption", "Printer"}}},
        {"cmbPtr5", {5520, 5040, 615, 315}},
        {"chkPtr5", {6240, 5040, 1215, 255}, {{"Caption", "Print Price"}}},
        {"lblLegendA", {7800, 2640, 1815, 255}, {{"Caption", "A = Print A Items"}}},
        {"lblLegendB", {7800, 2880, 1815, 255}, {{"Caption", "B = Print B Items"}}},
        {"lblLegendD", {240, 5400, 1815, 255}, {{"Caption", "D= Print Drinks"}}},
        {"lblLegendS", {4080, 5400, 1815, 255}, {{"Caption", "S= Print Salad"}}},
        {"fraPrinters", {7800, 3600, 3495, 2055}, {{"Caption", "Available Printer"}}},
        {"lstPrinters", {120, 240, 3255, 1695}, {{"Container", "fraPrinters"}}},
        {"cmdPtr", {8880, 5760, 1335, 855}, {{"Style", 1}, {"Picture", ui::picture("Printer Setup")}}},
        {"Command1", {10320, 5760, 495, 495}, {{"Caption", "?"}}},
        {"cmdClose", {240, 6240, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
        {"cmdNext", {6600, 6240, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Next")}, {"Visible", false}}},
        {"datcmdSet", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSet"}, {"Visible", false}}},
    }};

// The two pictures show where the platform names a printer's port and the printer itself; they are
// drawn as faces carrying those words.
const ui::FormDesign kHelpDesign{
    {{"Caption", "Help"}, {"Width", 9600}, {"Height", 5400}, {"BackColor", ui::color::kLightGreen}},
    {
        {"imgPorts",
         {240, 240, 4215, 3975},
         {{"Picture", ui::picture("Printer Properties\n\nPorts tab\n\nPort: LPT1:")}, {"Stretch", true}}},
        {"imgPrinters",
         {4680, 240, 4455, 3015},
         {{"Picture", ui::picture("Printers folder\n\nPrinter: SAMSUNG SRP270")}, {"Stretch", true}}},
        {"lblPort", {4680, 3480, 1695, 255}, {{"Caption", "Front Printer Port:"}}},
        {"lblPortValue", {6480, 3480, 1335, 255}, {{"Caption", "LPT1:"}}},
        {"lblDrawer", {4680, 3840, 1695, 255}, {{"Caption", "Cash Drawer"}}},
        {"lblDrawerValue", {6480, 3840, 1335, 255}, {{"Caption", "LPT1:"}}},
        {"lblType", {4680, 4200, 1695, 255}, {{"Caption", "Type:"}}},
        {"lblTypeValue", {6480, 4200, 2295, 255}, {{"Caption", "SAMSUNG SRP270"}}},
    }};

}  // namespace

frmSetPtr::frmSetPtr() {
    ui::applyDesign(*this, kDesign);

    datcmdSet.bind(Cmb1, "Port");
    datcmdSet.bind(cmbType, "szType");
    datcmdSet.bind(txtPtr1, "szPath1");
    datcmdSet.bind(cmbECD, "Port6");
    datcmdSet.bind(Cmb2, "Port2");
    datcmdSet.bind(cmbType2, "szType2");
    datcmdSet.bind(txtPtr2, "szPath2");
    datcmdSet.bind(cmbPtr2, "szScrnA");
    datcmdSet.bind(lblKPtr1, "szScrnA");
    datcmdSet.bind(chkPtr2, "chkPtr2");
    datcmdSet.bind(Cmb3, "Port3");
    datcmdSet.bind(cmbType3, "szType3");
    datcmdSet.bind(txtPtr3, "szPath3");
    datcmdSet.bind(cmbPtr3, "szScrnB");
    datcmdSet.bind(lblKPtr2, "szScrnB");
    datcmdSet.bind(chkPtr3, "chkPtr3");
    datcmdSet.bind(Cmb4, "Port4");
    datcmdSet.bind(cmbType4, "szType4");
    datcmdSet.bind(txtPtr4, "szPath4");
    datcmdSet.bind(cmbPtr4, "szScrnD");
    datcmdSet.bind(Label4, "szScrnD");
    datcmdSet.bind(chkPtr4, "chkPtr4");
    datcmdSet.bind(Cmb5, "Port5");
    datcmdSet.bind(cmbType5, "szType5");
    datcmdSet.bind(txtPtr5, "szPath5");
    datcmdSet.bind(cmbPtr5, "szScrnS");
    datcmdSet.bind(Label19, "szScrnS");
    datcmdSet.bind(chkPtr5, "chkPtr5");

    Cmb1.onClick([this] { Cmb1_Click(); });
    Cmb2.onClick([this] { Cmb2_Click(); });
    Cmb3.onClick([this] { Cmb3_Click(); });
    Cmb4.onClick([this] { Cmb4_Click(); });
    cmbType.onClick([this] { cmbType_Click(); });
    cmbType2.onClick([this] { cmbType2_Click(); });
    cmbType3.onClick([this] { cmbType3_Click(); });
    cmbType4.onClick([this] { cmbType4_Click(); });
    cmbType5.onClick([this] { cmbType5_Click(); });
    cmdPtr.onClick([this] { cmdPtr_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
}

void frmSetPtr::Form_Load() {
    CentreForm(*this, 5);
    datcmdSet.setDatabaseName(os::programPath("DOZA98.mdb"));
    for (ui::ComboBox* names : {&cmbType, &cmbType2, &cmbType3, &cmbType4, &cmbType5}) names->AddItem("");
    // Only what is installed is offered; a stored printer no longer installed still shows as the
    // box's text.
    for (const print::PrinterInfo& p : print::printers()) {
        for (ui::ComboBox* names : {&cmbType, &cmbType2, &cmbType3, &cmbType4, &cmbType5}) names->AddItem(p.DeviceName);
        lstPrinters.AddItem(p.DeviceName);
    }
    fill(Cmb1, kPortsP);
    cmbPtr1.AddItem(" ");
    fill(cmbECD, kPortsP);
    fill(Cmb2, kPortsP);
    fill(cmbPtr2, {" ", "A", "B"});
    fill(Cmb3, kPortsP);
    Cmb3.AddItem("Label");
    fill(cmbPtr3, {" ", "A", "B"});
    fill(Cmb4, kPortsB);
    fill(cmbPtr4, {" ", "D"});
    fill(Cmb5, kPortsS);
    fill(cmbPtr5, {" ", "S"});
    ShowPortPathBoxes();
}

void frmSetPtr::Form_Activate() { ShowPortPathBoxes(); }

void frmSetPtr::ShowPortPathBoxes() {
    txtPtr1.setVisible(Cmb1.text() == "Network");
    txtPtr2.setVisible(Cmb2.text() == "Network");
    txtPtr3.setVisible(Cmb3.text() == "Label" || Cmb3.text() == "Network");
    txtPtr4.setVisible(Cmb4.text() == "Network");
    txtPtr5.setVisible(true);
}

void frmSetPtr::savePort(const char* field, const ui::ComboBox& list) {
    (void)writeField(datcmdSet, field, list.text());
}

void frmSetPtr::Cmb1_Click() {
    savePort("Port", Cmb1);
    ShowPortPathBoxes();
}

void frmSetPtr::Cmb2_Click() {
    savePort("Port2", Cmb2);
    ShowPortPathBoxes();
}

void frmSetPtr::Cmb3_Click() {
    savePort("Port3", Cmb3);
    cmbPtr3.setEnabled(Cmb3.text() != "Label");
    ShowPortPathBoxes();
}

void frmSetPtr::Cmb4_Click() {
    savePort("Port4", Cmb4);
    ShowPortPathBoxes();
}

bool frmSetPtr::choosePrinter(const ui::ComboBox& names, ui::ComboBox& ports, ui::TextBox& path) {
    if (names.text().rfind("\\\\", 0) != 0) {
        path.setText("");
        return false;
    }
    path.setText(networkPrinterPath(names.text()));
    ports.setText("Network");
    return true;
}

void frmSetPtr::cmbType_Click() {
    if (choosePrinter(cmbType, Cmb1, txtPtr1)) Cmb1_Click();
}

void frmSetPtr::cmbType2_Click() {
    if (choosePrinter(cmbType2, Cmb2, txtPtr2)) Cmb2_Click();
}

void frmSetPtr::cmbType3_Click() {
    if (choosePrinter(cmbType3, Cmb3, txtPtr3)) Cmb3_Click();
}

void frmSetPtr::cmbType4_Click() {
    if (choosePrinter(cmbType4, Cmb4, txtPtr4)) Cmb4_Click();
}

// The salad row's "Network" reaches the settings row with its other fields, when the screen closes.
void frmSetPtr::cmbType5_Click() { (void)choosePrinter(cmbType5, Cmb5, txtPtr5); }

// The platform's printer set-up; nothing is read back.
void frmSetPtr::cmdPtr_Click() {
    dbPrinter.setDialogTitle("SELECT a Printer");
    dbPrinter.setFlags(64);
    (void)dbPrinter.ShowPrinter();
}

void frmSetPtr::Command1_Click() { ui::forms().get<frmHelpSetPtr>().Show(); }

void frmSetPtr::cmdClose_Click() {
    Unload();
    ui::forms().get<frmBSfwSet>().Show();
}

void frmSetPtr::cmdNext_Click() { Unload(); }

frmHelpSetPtr::frmHelpSetPtr() { ui::applyDesign(*this, kHelpDesign); }

void frmHelpSetPtr::Form_Load() { CentreForm(*this, 5, false); }

// ---- The front printer rule ----

void SelectFrontPrinter(std::string_view namePattern) {
    frmSetPtr& holder = ui::forms().get<frmSetPtr>();
    auto chosen = print::findFrontPrinter(print::printers(), holder.Cmb1.text(), holder.txtPtr1.text(), namePattern);
    if (chosen) print::setCurrentPrinter(*chosen);
}

void SelectFrontPrinter() { SelectFrontPrinter(ui::forms().get<frmSetPtr>().cmbType.text()); }

void SelectFrontPrinterByPort() {
    auto chosen = print::findPrinterByPort(print::printers(), ui::forms().get<frmSetPtr>().Cmb1.text());
    if (chosen) print::setCurrentPrinter(*chosen);
}

}  // namespace pelk::settings
