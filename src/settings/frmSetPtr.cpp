#include "settings/frmSetPtr.h"

#include <initializer_list>

#include "platform/os/paths.h"
#include "platform/print/printers.h"
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

void label(ui::Label& l, const char* caption, double left, double top, double width = 1335) {
    l.setCaption(caption);
    l.Move(left, top, width, 255);
}

}  // namespace

std::string networkPrinterPath(std::string_view printerName) {
    std::string_view searched = printerName.substr(0, printerName.empty() ? 0 : printerName.size() - 1);
    std::size_t last = searched.rfind('\\');
    return last == std::string_view::npos ? std::string() : std::string(printerName.substr(0, last + 1));
}

frmSetPtr::frmSetPtr() {
    setCaption("");
    setMdiChild(true);
    setBorderStyle(0);
    setWidth(11520);
    setHeight(7200);
    label(lblTitle, "Printer Settings", 240, 120, 4000);
    lblTitle.setFontSize(14);
    lblTitle.setFontBold(true);
    // As tall as a line of its 14-point type.
    lblTitle.setHeight(375);

    // Front row (upper left) with the cash drawer's port beside the front port.
    label(lblFrontPort, "Front Printer Port:", 240, 720, 1695);
    Cmb1.Move(1980, 720, 1335, 315);
    label(lblDrawer, "Cash Drawer", 240, 1200);
    cmbECD.Move(1980, 1200, 1335, 315);
    label(lblType1, "Type:", 240, 1680);
    cmbType.Move(1980, 1680, 1815, 315);
    label(lblWhere1, "Where:", 240, 2160);
    txtPtr1.Move(1980, 2160, 1815, 315);
    label(lblScreen1, "Screen/Printer", 240, 2640);
    cmbPtr1.Move(1980, 2640, 615, 315);
    cmbPtr1.setVisible(false);
    label(lblAll, "Print All Items", 2700, 2640);

    // Kitchen 1 (upper middle) and kitchen 2 (upper right).
    struct Row {
        ui::Label *title, *code, *type, *where, *screen;
        const char* caption;
        ui::ComboBox *port, *names, *codes;
        ui::TextBox* path;
        ui::CheckBox* price;
        double left, top;
    };
    for (const Row& r : {Row{&lblKitchen1, &lblKPtr1, &lblType2, &lblWhere2, &lblScreen2, "Kitchen -", &Cmb2, &cmbType2,
                             &cmbPtr2, &txtPtr2, &chkPtr2, 4080, 720},
                         Row{&lblKitchen2, &lblKPtr2, &lblType3, &lblWhere3, &lblScreen3, "Kitchen -", &Cmb3, &cmbType3,
                             &cmbPtr3, &txtPtr3, &chkPtr3, 7800, 720},
                         Row{&lblBar, &Label4, &lblType4, &lblWhere4, &lblScreen4, "Bar Printer -", &Cmb4, &cmbType4,
                             &cmbPtr4, &txtPtr4, &chkPtr4, 240, 3600},
                         Row{&lblSalad, &Label19, &lblType5, &lblWhere5, &lblScreen5, "Salad Printer -", &Cmb5,
                             &cmbType5, &cmbPtr5, &txtPtr5, &chkPtr5, 4080, 3600}}) {
        label(*r.title, r.caption, r.left, r.top);
        r.code->Move(r.left + 1440, r.top, 375, 255);
        r.code->setFontBold(true);
        r.port->Move(r.left + 1920, r.top, 1335, 315);
        label(*r.type, "Type:", r.left, r.top + 480, 600);
        r.names->Move(r.left + 720, r.top + 480, 2535, 315);
        label(*r.where, "Where:", r.left, r.top + 960, 600);
        r.path->Move(r.left + 720, r.top + 960, 2535, 315);
        label(*r.screen, r.screen == &lblScreen5 ? "Printer" : "Screen/Printer", r.left, r.top + 1440);
        r.codes->Move(r.left + 1440, r.top + 1440, 615, 315);
        r.price->setCaption("Print Price");
        r.price->Move(r.left + 2160, r.top + 1440, 1215, 255);
    }
    label(lblLegendA, "A = Print A Items", 7800, 2640, 1815);
    label(lblLegendB, "B = Print B Items", 7800, 2880, 1815);
    label(lblLegendD, "D= Print Drinks", 240, 5400, 1815);
    label(lblLegendS, "S= Print Salad", 4080, 5400, 1815);

    fraPrinters.setCaption("Available Printer");
    fraPrinters.Move(7800, 3600, 3495, 2055);
    lstPrinters.setContainer(fraPrinters);
    lstPrinters.Move(120, 240, 3255, 1695);
    cmdPtr.setStyle(1);
    cmdPtr.setPicture(ui::Picture::design("Printer Setup"));
    cmdPtr.Move(8880, 5760, 1335, 855);
    Command1.setCaption("?");
    Command1.Move(10320, 5760, 495, 495);
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.Move(240, 6240, 1215, 735);
    cmdNext.setStyle(1);
    cmdNext.setPicture(ui::Picture::design("Next"));
    cmdNext.Move(6600, 6240, 1215, 735);
    cmdNext.setVisible(false);

    datcmdSet.setConnect("Access 2000;");
    datcmdSet.setRecordSource("tbSet");
    datcmdSet.setVisible(false);
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

frmHelpSetPtr::frmHelpSetPtr() {
    setCaption("Help");
    setWidth(9600);
    setHeight(5400);
    setBackColor(kScreenGreen);
    // The two pictures show where the platform names a printer's port and the printer itself;
    // they are drawn as faces carrying those words.
    imgPorts.setPicture(ui::Picture::design("Printer Properties\n\nPorts tab\n\nPort: LPT1:"));
    imgPorts.setStretch(true);
    imgPorts.Move(240, 240, 4215, 3975);
    imgPrinters.setPicture(ui::Picture::design("Printers folder\n\nPrinter: SAMSUNG SRP270"));
    imgPrinters.setStretch(true);
    imgPrinters.Move(4680, 240, 4455, 3015);
    label(lblPort, "Front Printer Port:", 4680, 3480, 1695);
    label(lblPortValue, "LPT1:", 6480, 3480);
    label(lblDrawer, "Cash Drawer", 4680, 3840, 1695);
    label(lblDrawerValue, "LPT1:", 6480, 3840);
    label(lblType, "Type:", 4680, 4200, 1695);
    label(lblTypeValue, "SAMSUNG SRP270", 6480, 4200, 2295);
}

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
