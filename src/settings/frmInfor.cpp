#include "settings/frmInfor.h"

#include <optional>
#include <string>

#include "platform/core/format.h"
#include "platform/core/text.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/frmBSfwSet.h"
#include "settings/tax.h"

namespace pelk::settings {

namespace {

struct SectionPlace {
    double left, top;
};
// The first column holds Drink … Seafood, the second Soup … Dinner.
constexpr std::array<SectionPlace, kSections> kSectionPlaces = {{{5760, 360},
                                                                 {5760, 960},
                                                                 {5760, 1560},
                                                                 {5760, 2160},
                                                                 {5760, 2760},
                                                                 {5760, 3360},
                                                                 {5760, 3960},
                                                                 {5760, 4560},
                                                                 {5760, 5160},
                                                                 {7680, 2760},
                                                                 {7680, 3360},
                                                                 {7680, 3960},
                                                                 {7680, 4560},
                                                                 {7680, 5160}}};

const ui::FormDesign kDesign{
    {{"Caption", ""},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"Width", 11520},
     {"Height", 6690},
     {"BackColor", ui::color::kLightGreen}},
    {
        {"lblCountry", {0, 240, 720, 255}, {{"Caption", "Country:"}}},
        {"cmbCountry", {720, 240, 2295, 315}},
        {"txtL1", {360, 1080, 2775, 375}, {{"Text", "Company Name"}, {"Font", ui::font::kSans12}}},
        {"txtL2", {840, 1440, 2295, 285}, {{"Text", "Tel: "}}},
        {"txtL3", {840, 1680, 2295, 285}, {{"Text", "Fax: "}}},
        {"Command5", {120, 2400, 735, 255}, {{"Caption", "Yes"}}},
        {"lblSetP",
         {960, 2400, 2175, 255},
         {{"Caption", "Not Printing L1 L2"}, {"ForeColor", ui::color::kNavy}, {"Font", ui::font::kDialogBold}}},
        {"lblReceipt1", {120, 2640, 1815, 255}, {{"Caption", "Receipt Message"}}},
        {"txtNotes", {120, 2880, 3015, 255}, {{"Text", "Ending Notes"}}},
        {"txtENotes1", {120, 3135, 3015, 255}, {{"Text", "Ending Notes"}}},
        {"lblOver", {120, 3720, 615, 255}, {{"Caption", "Over  $"}}},
        {"txtPlan", {765, 3720, 1095, 285}},
        {"lblPrintBelow", {1920, 3720, 1215, 255}, {{"Caption", "Print Line below"}}},
        {"lblReceipt2", {120, 4080, 1815, 255}, {{"Caption", "Receipt Message"}}},
        {"txtENotes2", {120, 4380, 3015, 255}, {{"Text", "Ending Notes"}}},
        {"txtENotes3", {120, 4665, 3015, 255}, {{"Text", "Ending Notes"}}},
        {"txtENotes4", {120, 4920, 3015, 255}, {{"Text", "Ending Notes"}}},
        {"txtENotes5", {120, 5160, 3015, 255}, {{"Text", "Ending Notes"}}},
        {"cmdClose", {120, 5760, 1575, 615}, {{"Caption", "Save/Exit"}, {"Font", ui::font::kDialogBold}}},
        {"cmdEtoC",
         {3360, 120, 855, 495},
         {{"Caption", "E Only"}, {"BackColor", ui::color::kYellow}, {"Font", ui::font::kTimes12Bold}}},
        {"chkEtoC", {4320, 120, 1095, 495}, {{"Caption", "2nd Language"}}},
        {"cmdKB", {3360, 720, 855, 615}, {{"Style", 1}, {"BackColor", ui::color::kWhite}}},
        // Up to the line of the section panel, so that its caption stands in one line.
        {"chkKB", {4320, 840, 1155, 255}, {{"Caption", "KB Shortcut"}}},
        {"cmdTaxA", {3480, 3720, 735, 375}, {{"Caption", "Auto"}}},
        {"cmdTaxO", {4320, 3720, 735, 375}, {{"Caption", "Option"}}},
        {"lblTax", {3480, 4080, 1215, 255}, {{"Caption", "Tax Rate:"}}},
        {"txtTOTax1", {3720, 4320, 1095, 255}},
        {"txtTaxOpt", {4935, 4320, 255, 255}},
        {"txtTOTax2", {3720, 4560, 1095, 255}, {{"Text", "0.075"}}},
        {"Line1", {}, {{"X1", 5520}, {"X2", 5520}, {"Y1", 0}, {"Y2", 6690}}},
        {"Line2", {}, {{"X1", 3240}, {"X2", 3240}, {"Y1", 0}, {"Y2", 6690}}},
        {"lblSection", {5760, 120, 1215, 255}, {{"Caption", "Section"}}},
        {"lblPrinter", {6960, 120, 1215, 255}, {{"Caption", "Printer"}}},
        {"lblLunchCode", {8880, 4680, 375, 255}, {{"Caption", "B"}}},
        {"lblDinnerCode", {8880, 5280, 375, 255}, {{"Caption", "B"}}},
        {"lblLegend", {7560, 360, 1215, 1095}, {{"Caption", "D=Drink\nA=Appetiz\nS=Salad\nB=Any"}}},
        {"lblMainMu", {5760, 6000, 1215, 375}},
        {"cmdMainMu", {5760, 6000, 1215, 375}, {{"Font", ui::font::kDialogBold}, {"BackColor", ui::color::kTeal}}},
        {"lblDITax", {3480, 4920, 1215, 255}, {{"Caption", "Dinner Tax Rate:"}, {"Visible", false}}},
        {"txtDITax1", {3720, 5160, 1095, 255}, {{"Visible", false}}},
        {"txtDITax2", {3720, 5400, 1095, 255}, {{"Text", "0.075"}, {"Visible", false}}},
        {"lblBarTax", {3480, 5640, 1215, 255}, {{"Caption", "Bar Tax Rate:"}, {"Visible", false}}},
        {"txtBarTax1", {3720, 5880, 1095, 255}, {{"Visible", false}}},
        {"txtBarTax2", {3720, 6120, 1095, 255}, {{"Visible", false}}},
        {"lblDelFee", {3480, 1440, 1215, 255}, {{"Caption", "Delivery Fee:"}, {"Visible", false}}},
        {"txtDelFee", {4560, 1440, 855, 255}, {{"Visible", false}}},
        {"lblSort", {3480, 1800, 1215, 255}, {{"Caption", "Sort Receipt"}, {"Visible", false}}},
        {"chkSort", {4560, 1800, 855, 255}, {{"Caption", "Disabled"}, {"Visible", false}}},
        {"lblSectionAuto", {3480, 2160, 1215, 255}, {{"Caption", "Sections Auto Open"}, {"Visible", false}}},
        {"chkSection", {4560, 2160, 855, 255}, {{"Caption", "Disabled"}, {"Visible", false}}},
        {"lblDel", {3480, 2520, 1215, 255}, {{"Caption", "Msg for Delivery"}, {"Visible", false}}},
        {"chkDel", {4560, 2520, 855, 255}, {{"Visible", false}}},
        {"lblFreeSf", {3480, 2880, 855, 255}, {{"Visible", false}}},
        {"cmdFreeSf", {4560, 2880, 855, 255}, {{"Caption", "Auto"}, {"Visible", false}}},
        {"datcmdSet", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datTelSet", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datPritOut", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"DatSplSet", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datMain", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datScrn", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
    }};

}  // namespace

frmInfor::frmInfor() {
    ui::applyDesign(*this, kDesign);

    SectionButtons buttons = sectionButtons();
    std::array<ui::TextBox*, kSections> names = nameBoxes();
    for (int i = 0; i < kSections; ++i) {
        buttons[i]->setStyle(1);
        buttons[i]->Move(kSectionPlaces[i].left, kSectionPlaces[i].top, 1215, 600);
        // The name box lies under its button and shows once the button hides.
        names[i]->Move(kSectionPlaces[i].left, kSectionPlaces[i].top + 120, 1185, 285);
        ui::CommandButton* button = buttons[i];
        button->onClick([button] { button->setVisible(false); });
    }
    for (ui::CommandButton* b : buttons) b->ZOrder(0);
    std::array<ui::ComboBox*, 12> codes = {&CmbDrink,   &CmbApter,      &CmbFriedRice, &CmbLoMein,
                                           &CmbVDishes, &CmbVegetables, &CmbPoultry,   &CmbBeef,
                                           &CmbSeafood, &CmbSoup,       &CmbPork,      &CmbLamb};
    for (int i = 0; i < 12; ++i) codes[i]->Move(i < 9 ? 6960 : 8880, kSectionPlaces[i].top + 120, 615, 315);

    for (ui::TextBox* box : telBoxes()) box->setVisible(false);
    for (ui::TextBox* box : freePopBoxes()) box->setVisible(false);

    datcmdSet.bind(cmbCountry, "setL");
    datcmdSet.bind(txtTOTax1, "Tax");
    datcmdSet.bind(txtTOTax2, "TaxFed");
    datcmdSet.bind(txtDITax1, "Tax1");
    datcmdSet.bind(txtDITax2, "TaxFed1");
    datcmdSet.bind(txtBarTax1, "Tax2");
    datcmdSet.bind(txtBarTax2, "TaxFed2");
    datcmdSet.bind(txtTaxOpt, "SetB");
    datcmdSet.bind(lblSetP, "SetM");
    datcmdSet.bind(txtPlan, "Plan");
    datcmdSet.bind(chkSort, "szSort");
    datcmdSet.bind(chkEtoC, "cmdEtoC");
    datcmdSet.bind(txtDelFee, "setF");
    datcmdSet.bind(chkDel, "szMsg");
    datcmdSet.bind(chkKB, "KB");
    datcmdSet.bind(chkSection, "szSectnAuto");
    datPritOut.bind(txtL1, "Line1");
    datPritOut.bind(txtL2, "Line2");
    datPritOut.bind(txtL3, "Line3");
    datPritOut.bind(txtNotes, "Notes");
    datPritOut.bind(txtENotes1, "Notes1");
    datPritOut.bind(txtENotes2, "Notes2");
    datPritOut.bind(txtENotes3, "Notes3");
    datPritOut.bind(txtENotes4, "Notes4");
    datPritOut.bind(txtENotes5, "Notes5");
    for (int i = 0; i < 15; ++i) datTelSet.bind(*telBoxes()[i], "t" + std::to_string(i));
    for (int i = 0; i < 12; ++i) DatSplSet.bind(*freePopBoxes()[i], "t" + std::to_string(i));
    DatSplSet.bind(lblFreeSf, "t12");
    for (int i = 0; i < kSections; ++i) datMain.bind(*names[i], "t" + std::to_string(i));
    datMain.bind(lblMainMu, "False");
    for (int i = 0; i < 12; ++i) datScrn.bind(*codes[i], "scrn" + std::to_string(i));

    cmbCountry.onClick([this] { cmbCountry_Click(); });
    cmdTaxA.onClick([this] { cmdTaxA_Click(); });
    cmdTaxO.onClick([this] { cmdTaxO_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    cmdFreeSf.onClick([this] { cmdFreeSf_Click(); });
    cmdMainMu.onClick([this] { cmdMainMu_Click(); });
    chkEtoC.onClick([this] { chkEtoC_Click(); });
    cmdEtoC.onClick([this] { cmdEtoC_Click(); });
    chkKB.onClick([this] { chkKB_Click(); });
    cmdKB.onClick([this] { cmdKB_Click(); });
    chkSection.onClick([this] { chkSection_Click(); });
    txtPlan.onChange([this] { txtPlan_Change(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

SectionButtons frmInfor::sectionButtons() {
    return {&cmdDrink, &cmdApter,   &cmdFriedRice, &cmdLoMein, &cmdVDishes, &cmdVegetables, &cmdPoultry,
            &cmdBeef,  &cmdSeafood, &cmdSoup,      &cmdPork,   &cmdLamb,    &cmdLunch,      &cmdDiner};
}

std::array<ui::TextBox*, kSections> frmInfor::nameBoxes() {
    return {&txtm0, &txtm1, &txtm2, &txtm3,  &txtm4,  &txtm5,  &txtm6,
            &txtm7, &txtm8, &txtm9, &txtm10, &txtm11, &txtm12, &txtm13};
}

StationLists frmInfor::stationCodes() {
    return {&CmbDrink,   &CmbApter, &CmbFriedRice, &CmbLoMein, &CmbVDishes, &CmbVegetables,
            &CmbPoultry, &CmbBeef,  &CmbSeafood,   &CmbSoup,   &CmbPork,    &CmbLamb};
}

std::array<ui::TextBox*, 15> frmInfor::telBoxes() {
    return {&txtT0, &txtT1, &txtT2,  &txtT3,  &txtT4,  &txtT5,  &txtT6, &txtT7,
            &txtT8, &txtT9, &txtT10, &txtT11, &txtT12, &txtT13, &txtT14};
}

std::array<ui::TextBox*, 12> frmInfor::freePopBoxes() {
    return {&txts0, &txts1, &txts2, &txts3, &txts4, &txts5, &txts6, &txts7, &txts8, &txts9, &txts10, &txts11};
}

std::array<std::string, kSections> frmInfor::sectionNames() const {
    std::array<std::string, kSections> names;
    const ui::TextBox* boxes[] = {&txtm0, &txtm1, &txtm2, &txtm3,  &txtm4,  &txtm5,  &txtm6,
                                  &txtm7, &txtm8, &txtm9, &txtm10, &txtm11, &txtm12, &txtm13};
    for (int i = 0; i < kSections; ++i) names[i] = boxes[i]->text();
    return names;
}

void frmInfor::Form_Load() {
    CentreForm(*this, 20);
    std::string zuBak = os::programPath("ZuBak.mdb"), doza = os::programPath("DOZA98.mdb");
    datPritOut.setDatabaseName(zuBak);
    datPritOut.setRecordSource("tbSetInfor");
    DatSplSet.setDatabaseName(zuBak);
    DatSplSet.setRecordSource("tbSetFreePop");
    datMain.setDatabaseName(zuBak);
    datMain.setRecordSource("tbSetMain");
    datScrn.setDatabaseName(zuBak);
    datScrn.setRecordSource("tbSetScrn");
    datcmdSet.setDatabaseName(doza);
    datcmdSet.setRecordSource("tbSet");
    datTelSet.setDatabaseName(doza);
    datTelSet.setRecordSource("tbTel");
    for (const char* country : {"Australia", "Canada", "China", "Japan", "Korean", "United States", "United Kingdom"})
        cmbCountry.AddItem(country);
    FillStationLists(stationCodes());
    // A store that cannot be read leaves its boxes as designed; the clerk is told.
    for (ui::Data* d : {&datMain, &DatSplSet})
        if (db::Status read = d->Refresh(); !read) d->report(read.error());
    cmdMainMu.setCaption(lblMainMu.caption());
    const std::string& freePop = lblFreeSf.caption();
    if (DatSplSet.isOpen() && freePop != "UpLine" && freePop != "Default" && freePop != "Auto") {
        if (writeField(DatSplSet, "t12", "Auto")) (void)DatSplSet.Refresh();
    }
    cmdFreeSf.setCaption(lblFreeSf.caption());
    if (db::Status read = datcmdSet.Refresh(); !read) datcmdSet.report(read.error());
    auto taxOption = datcmdSet.Recordset().field("SetB");
    if (taxOption.ok() && taxOption->toText() == "O") txtTOTax1.setEnabled(false);
    DrawSectionButtons(sectionButtons(), cmdMainMu.caption(), sectionNames(), datMain.recordset());
}

void frmInfor::Form_Activate() {
    if (chargesSecondTax(cmbCountry.text())) return;
    txtTOTax2.setVisible(false);
    txtDITax2.setVisible(false);
}

void frmInfor::cmbCountry_Click() {
    bool second = chargesSecondTax(cmbCountry.text());
    for (ui::TextBox* rate : {&txtTOTax2, &txtDITax2, &txtBarTax2}) rate->setVisible(second);
}

void frmInfor::cmdTaxA_Click() {
    txtTOTax1.setEnabled(true);
    txtTaxOpt.setText("A");
}

void frmInfor::cmdTaxO_Click() {
    txtTOTax1.setEnabled(false);
    txtTaxOpt.setText("O");
}

void frmInfor::Command5_Click() {
    const std::string& now = lblSetP.caption();
    if (now == "Not Printing L1 L2" || now == "-")
        lblSetP.setCaption("Print L1 L2 Now");
    else if (now == "Print L1 L2 Now")
        lblSetP.setCaption("Not Printing L1 L2");
}

// Written at once, not with the other edits.
void frmInfor::cmdFreeSf_Click() {
    const std::string& now = lblFreeSf.caption();
    std::string next = now == "UpLine" ? "Auto" : now == "Auto" ? "Default" : now == "Default" ? "UpLine" : "";
    if (next.empty()) return;
    cmdFreeSf.setCaption(next);
    (void)writeField(DatSplSet, "t12", next);
}

void frmInfor::cmdMainMu_Click() {
    ui::Beep();
    std::string mode = lblMainMu.caption() == "1.Default" ? "2.Custom" : "1.Default";
    cmdMainMu.setCaption(mode);
    lblMainMu.setCaption(mode);
    DrawSectionButtons(sectionButtons(), cmdMainMu.caption(), sectionNames(), datMain.recordset());
}

// The second-language switch: the button's enabled state carries it to the choice box and the
// about box.
void frmInfor::chkEtoC_Click() {
    cmdEtoC.setEnabled(!cmdEtoC.enabled());
    cmdEtoC.setCaption(cmdEtoC.enabled() ? "E Only" : "中英");
}

void frmInfor::cmdEtoC_Click() {
    cmdEtoC.setEnabled(!cmdEtoC.enabled());
    cmdEtoC.setCaption("E Only");
}

void frmInfor::chkKB_Click() { cmdKB.setEnabled(!cmdKB.enabled()); }

void frmInfor::cmdKB_Click() { cmdKB.setEnabled(!cmdKB.enabled()); }

void frmInfor::chkSection_Click() { chkSection.setCaption(chkSection.caption() == "Enabled" ? "Disabled" : "Enabled"); }

void frmInfor::txtPlan_Change() { txtPlan.setText(core::format(core::Value(txtPlan.text()), core::kAmountFormat)); }

bool frmInfor::ratesValid() {
    struct Rate {
        ui::TextBox* box;
        const char* name;
    };
    for (const Rate& r : {Rate{&txtTOTax1, "Tax Rate"}, Rate{&txtTOTax2, "second Tax Rate"},
                          Rate{&txtDITax1, "Dinner Tax Rate"}, Rate{&txtDITax2, "second Dinner Tax Rate"},
                          Rate{&txtBarTax1, "Bar Tax Rate"}, Rate{&txtBarTax2, "second Bar Tax Rate"}}) {
        if (!r.box->visible()) continue;
        std::string refusal = rateRefusal(r.name, r.box->text());
        if (refusal.empty()) continue;
        ui::MsgBox(refusal, ui::kCritical);
        r.box->SetFocus();
        return false;
    }
    return true;
}

void frmInfor::cmdClose_Click() {
    if (!ratesValid()) return;
    for (ui::TextBox* note : {&txtNotes, &txtENotes1, &txtENotes2, &txtENotes3, &txtENotes4, &txtENotes5})
        if (note->text().empty()) note->setText("-");
    if (tag() == kFromMenu) {
        Unload();
        return;
    }
    // Each refresh writes its edits first; one the store refuses has been told, and the screen
    // stays open with the edits in place.
    for (ui::Data* d : {&datMain, &datTelSet, &DatSplSet, &datPritOut, &datcmdSet})
        if (d->isOpen() && !d->Refresh()) return;
    // The main window is the shell's, a later part: it is found by name, never loaded by this look.
    if (ui::Form* main = ui::forms().find("frmMain"))
        if (ui::Control* mmInfor = main->control("mmInfor"); mmInfor && mmInfor->tag() == "False")
            mmInfor->setEnabled(false);
    Unload();
    ui::forms().get<frmBSfwSet>().Show();
}

// The holder's members that draw other screens' section buttons.
void DrawSectionButtons(const SectionButtons& buttons, db::Recordset* mainRow) {
    frmInfor& holder = ui::forms().get<frmInfor>();
    DrawSectionButtons(buttons, holder.lblMainMu.caption(), holder.sectionNames(), mainRow);
}

}  // namespace pelk::settings
