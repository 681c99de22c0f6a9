#include "menu/frmEDes.h"

#include <array>
#include <optional>
#include <string>

#include "menu/frmBMenuSet.h"
#include "menu/sections.h"
#include "menu/stores.h"
#include "platform/core/format.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/stores.h"
#include "shell/frmMainButn.h"
#include "shell/handoff.h"

namespace pelk::menu {

namespace {

constexpr std::string_view kAddNewItem = "Add New Item";
constexpr std::string_view kAddNew = "AddNew";
constexpr std::string_view kAdded = "Added";
constexpr std::string_view kRegister = "Register";
constexpr std::string_view kZeroPrice = "0.00";

constexpr std::array<double, 4> kColumnLeft = {4695, 6090, 7485, 8880};
constexpr std::array<double, 12> kRowTop = {10, 700, 1400, 2090, 2780, 3460, 4160, 4840, 5540, 6230, 6910, 7600};

// Where slot i stands: columns of twelve, the fourth one starting a row lower under cmdLast.
std::pair<double, double> slotPosition(int slot) {
    int zero = slot - 1;
    if (zero < 36) return {kColumnLeft[zero / 12], kRowTop[zero % 12]};
    return {kColumnLeft[3], kRowTop[zero - 36 + 1]};
}

const ui::FormDesign kDesign{
    {{"Caption", ""},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"ControlBox", false},
     {"Width", 11505},
     {"Height", 8295}},
    {
        {"datList", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbDinner"}, {"Visible", false}}},
        {"datMain", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSetMain"}, {"Visible", false}}},
        {"datSize", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSet"}, {"Visible", false}}},
        {"lblID", {120, 150, 375, 285}, {{"Caption", "ID:"}, {"BackStyle", 0}}},
        {"txtID", {480, 120, 855, 345}},
        {"lblSection", {1440, 120, 3135, 345}, {{"Font", ui::FontRole{"Arial", 11.25, true}}, {"BackStyle", 0}}},
        {"lblItem", {120, 600, 1215, 255}, {{"Caption", "Item:"}, {"BackStyle", 0}}},
        {"txtFind", {120, 840, 2895, 345}},
        {"lblPrinter", {3120, 600, 1215, 255}, {{"Caption", "Printer"}, {"BackStyle", 0}}},
        {"cmbPrinter", {3120, 840, 1455, 315}},
        {"txtItems", {3120, 120, 1215, 285}, {{"Visible", false}}},
        {"lblPriceOptions", {120, 1320, 2415, 255}, {{"Caption", "Price Options:"}, {"BackStyle", 0}}},
        {"txtSprice", {120, 1560, 1035, 285}, {{"Text", "M-"}}},
        {"txtMprice", {120, 1860, 1035, 345}},
        {"Text45", {1200, 1560, 1035, 285}, {{"Text", "L-"}}},
        {"txtLprice", {1200, 1860, 1035, 345}},
        {"Text47", {2280, 1560, 1035, 285}, {{"Text", "XL-"}}},
        {"txtXlprice", {2280, 1860, 1035, 345}},
        {"txtPrice", {3360, 1860, 1035, 345}},
        {"lblFirstOptions", {120, 2400, 1215, 255}, {{"Caption", "1st Options: "}, {"BackStyle", 0}}},
        {"lblFirstOptionsUse",
         {1440, 2400, 3015, 255},
         {{"Caption", "Dressing Cuts or Side Orders"}, {"BackStyle", 0}}},
        {"lblSecondOptions",
         {120, 3480, 1215, 255},
         {{"Caption", "2nd Options:"}, {"BackStyle", 0}, {"Visible", false}}},
        {"lblSecondOptionsUse",
         {1440, 3480, 3135, 255},
         {{"Caption", "For Dressing Topping or Side Orders"}, {"BackStyle", 0}, {"Visible", false}}},
        {"lblAdditionalPrice",
         {120, 6480, 1575, 255},
         {{"Caption", "Additional Price:"}, {"BackStyle", 0}, {"Visible", false}}},
        {"imgUK(0)", {}, {{"ToolTipText", "£"}}},
        {"imgUK(1)", {}, {{"ToolTipText", "£"}}},
        {"imgUS(0)", {}, {{"ToolTipText", "$"}}},
        {"imgUS(1)", {}, {{"ToolTipText", "$"}}},
        {"cmdExit", {}, {{"Visible", false}}},
        // An upward and a downward pointing hand; the caption is the page each leads to.
        {"cmdLast",
         {kColumnLeft[3], kRowTop[0], 1400, 690},
         {{"Caption", "3"}, {"Style", 1}, {"BackColor", ui::color::kPeach}, {"Font", ui::FontRole{"Arial", 9, true}}}},
        {"cmdNext",
         {kColumnLeft[3], kRowTop[11], 1400, 690},
         {{"Caption", "2"}, {"Style", 1}, {"BackColor", ui::color::kPeach}, {"Font", ui::FontRole{"Arial", 9, true}}}},
    }};

}  // namespace

frmEDes::frmEDes() {
    ui::applyDesign(*this, kDesign);

    datList.bind(cmbPrinter, "szPrinter_ID");

    datSize.bind(txtSprice, "szSize1");
    datSize.bind(Text45, "szSize2");
    datSize.bind(Text47, "szSize3");

    for (int n = 1; n <= kOptionFields; ++n) {
        auto box = std::make_unique<ui::TextBox>(this, "Text" + std::to_string(n));
        if (n <= 6) {
            box->Move(120 + ((n - 1) % 3) * 1440, 2700 + ((n - 1) / 3) * 405, 1335, 345);
        } else if (n < kFirstAdditionalPrice) {
            int k = n - 7;
            box->Move(120 + (k % 4) * 1080, 3780 + (k / 4) * 300, 1035, 285);
            box->setVisible(false);
        } else {
            box->Move(120 + (n - kFirstAdditionalPrice) * 1080, 6780, 1035, 285);
            box->setVisible(false);
        }
        options_.push_back(std::move(box));
    }
    // The currency signs stand beside the additional prices (0) and the size prices (1).
    for (ui::ControlArray<ui::Image>* sign : {&imgUK, &imgUS}) {
        (*sign)(0).Move(4440, 6780, 225, 285);
        (*sign)(1).Move(4440, 1860, 225, 345);
        for (ui::Image* i : sign->members()) i->setVisible(false);
    }

    // The pictures of these buttons read as their captions until the pictures ship.
    double left = 120;
    for (auto [button, caption] : {std::pair{&cmdSave, "Save"}, std::pair{&cmdDel, "Del"}, std::pair{&cmdClose, "Back"},
                                   std::pair{&cmdExit, "Next"}}) {
        button->setCaption(caption);
        button->setStyle(1);
        button->Move(left, 7320, 1035, 855);
        left += 1110;
    }

    command.unload(0);
    Text.unload(0);
    for (int i = 1; i <= kSlots; ++i) {
        auto [x, y] = slotPosition(i);
        ui::CommandButton& slot = command(i);
        slot.setStyle(1);
        slot.setBackColor(ui::color::kWhite);
        slot.setFont(ui::font::kArial8Bold.font());
        slot.Move(x, y, 1400, 690);
        Text(i).setBackColor(ui::color::kLightCyan);
        Text(i).Move(x, y, 300, 200);
        Text(i).setTabStop(false);
    }
    settings::SectionButtons sections = sectionButtons();
    for (int s = 0; s < settings::kSections; ++s) {
        sections[s]->setStyle(1);
        sections[s]->setBackColor(s % 2 == 0 ? ui::color::kLightBlue : ui::color::kWhite);
        sections[s]->Move(10320, 10 + s * 590, 1200, 590);
    }

    cmdDrink.onClick([this] { cmdDrink_Click(); });
    cmdApter.onClick([this] { cmdApter_Click(); });
    cmdFR.onClick([this] { cmdFR_Click(); });
    cmdLM.onClick([this] { cmdLM_Click(); });
    cmdVDishes.onClick([this] { cmdVDishes_Click(); });
    cmdVege.onClick([this] { cmdVege_Click(); });
    cmdPoultry.onClick([this] { cmdPoultry_Click(); });
    cmdBeef.onClick([this] { cmdBeef_Click(); });
    cmdSeafood.onClick([this] { cmdSeafood_Click(); });
    cmdSoup.onClick([this] { cmdSoup_Click(); });
    cmdPork.onClick([this] { cmdPork_Click(); });
    cmdLamb.onClick([this] { cmdLamb_Click(); });
    cmdLunch.onClick([this] { cmdLunch_Click(); });
    cmdDinner.onClick([this] { cmdDinner_Click(); });
    command.onMouseDown([this](int i) { command_MouseDown(i); });
    command.onMouseUp([this](int i) { command_MouseUp(i); });
    command.onClick([this](int i) { command_Click(i); });
    cmdLast.onClick([this] { cmdLast_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
    cmdSave.onClick([this] { cmdSave_Click(); });
    cmdDel.onClick([this] { cmdDel_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdExit.onClick([this] { cmdExit_Click(); });
    txtItems.onChange([this] { txtItems_Change(); });
    txtMprice.onClick([this] { txtMprice_Click(); });
    txtLprice.onClick([this] { txtLprice_Click(); });
    txtPrice.onClick([this] { txtPrice_Click(); });
    txtXlprice.onClick([this] { txtXlprice_Click(); });
    optionBox(41).onChange([this] { Text41_Change(); });
    optionBox(42).onChange([this] { Text42_Change(); });
    optionBox(43).onChange([this] { Text43_Change(); });
    optionBox(44).onChange([this] { Text44_Change(); });
}

settings::SectionButtons frmEDes::sectionButtons() {
    return {&cmdDrink, &cmdApter,   &cmdFR,   &cmdLM,   &cmdVDishes, &cmdVege,  &cmdPoultry,
            &cmdBeef,  &cmdSeafood, &cmdSoup, &cmdPork, &cmdLamb,    &cmdLunch, &cmdDinner};
}

// The stores are always the program folder's, whatever the station's data location. No section
// is open until a section button is pressed.
void frmEDes::Form_Load() {
    settings::CentreForm(*this, 5);
    // The country is held by the set-up wizard's first step, a later part: read by name.
    const std::string country = shell::propertyOf(ui::forms().byName("frmRegister"), "cmbCountry", "Text");
    if (country == "United Kingdom") {
        for (ui::Image* sign : imgUK.members()) sign->setVisible(true);
    } else if (country != "China" && country != "Japan" && country != "Korean") {
        for (ui::Image* sign : imgUS.members()) sign->setVisible(true);
    }
    datSize.setDatabaseName(os::programPath(settings::kStationStore));
    datList.setDatabaseName(os::programPath(settings::kMenuStore));
    if (db::Status opened = datList.Refresh(); !opened) datList.report(opened.error());
    datMain.setDatabaseName(os::programPath(settings::kMenuStore));
    if (db::Status opened = datMain.Refresh(); !opened) datMain.report(opened.error());
    settings::DrawSectionButtons(sectionButtons(), datMain.recordset());
    FormatPrices();
}

void frmEDes::Form_Activate() { FormatPrices(); }

// Opening a section forgets the item chosen in the one before.
void frmEDes::openSection(int index) {
    const MenuSection& section = kMenuSections[index];
    datList.setRecordSource(slotOrder(section.table));
    (void)datList.Refresh();
    chosen_.reset();
    txtItems.setTag(std::string(section.word));
    lblSection.setCaption(sectionButtons()[index]->caption());
    cmdLast.setTag("");
    FillItemPage();
}

void frmEDes::cmdDrink_Click() { openSection(0); }
void frmEDes::cmdApter_Click() { openSection(1); }
void frmEDes::cmdFR_Click() { openSection(2); }
void frmEDes::cmdLM_Click() { openSection(3); }
void frmEDes::cmdVDishes_Click() { openSection(4); }
void frmEDes::cmdVege_Click() { openSection(5); }
void frmEDes::cmdPoultry_Click() { openSection(6); }
void frmEDes::cmdBeef_Click() { openSection(7); }
void frmEDes::cmdSeafood_Click() { openSection(8); }
void frmEDes::cmdSoup_Click() { openSection(9); }
void frmEDes::cmdPork_Click() { openSection(10); }
void frmEDes::cmdLamb_Click() { openSection(11); }
void frmEDes::cmdLunch_Click() { openSection(12); }
void frmEDes::cmdDinner_Click() { openSection(13); }

int frmEDes::page() const {
    const std::string& kept = cmdLast.tag();
    for (int p = 2; p <= kPages; ++p)
        if (kept == std::to_string(p)) return p;
    return 1;
}

// The look-ups run on a cursor of their own, so datList (and the printer box bound to it) stays
// on the chosen item. A slot whose look-up fails keeps its caption and colour.
void frmEDes::FillItemPage() {
    int shown = page();
    int offset = (shown - 1) * kSlots;
    if (shown == 2) cmdLast.setVisible(true);
    db::Result<db::Recordset> items = datList.Recordset().Clone();
    for (int i = 1; i <= kSlots; ++i) {
        ui::CommandButton& slot = command(i);
        std::string number = std::to_string(offset + i);
        if (items.ok() && items->FindFirst(slotCriterion(offset + i)).ok()) {
            if (items->noMatch()) {
                slot.setCaption(std::string(kAddNewItem));
                slot.setBackColor(ui::color::kRed);
            } else {
                slot.setCaption(items->fieldText("szMenu_nm"));
                slot.setBackColor(ui::color::kWhite);
            }
        }
        slot.setTag(number);
        Text(i).setText(number);
    }
    bool lastPage = command(kSlots).caption() == kAddNewItem;
    if (shown == 1) {
        cmdLast.setVisible(false);
        cmdNext.setVisible(!lastPage);
        if (!lastPage) cmdNext.setCaption("2");
    } else {
        cmdLast.setCaption(std::to_string(shown - 1));
        if (lastPage) {
            cmdLast.setVisible(true);
            cmdNext.setVisible(false);
        } else {
            cmdNext.setVisible(true);
            cmdNext.setCaption(std::to_string(shown + 1));
        }
    }
    FormatPrices();
}

void frmEDes::cmdLast_Click() {
    const std::string& target = cmdLast.caption();
    if (target == "1") cmdLast.setTag("");
    if (target == "2" || target == "3") cmdLast.setTag(target);
    FillItemPage();
}

// There is no fifth page: "5" fills page 4 again.
void frmEDes::cmdNext_Click() {
    const std::string& target = cmdNext.caption();
    if (target == "2" || target == "3" || target == "4") cmdLast.setTag(target);
    cmdLast.setVisible(true);
    FillItemPage();
}

void frmEDes::command_MouseDown(int index) { command(index).setBackColor(ui::color::kRed); }
void frmEDes::command_MouseUp(int index) { command(index).setBackColor(ui::color::kButtonFace); }

// A slot with an item loads that slot's own row (the first row of its number) and chooses it;
// the look-up by name would load another item whose name begins alike.
void frmEDes::command_Click(int index) {
    ui::CommandButton& slot = command(index);
    if (slot.caption() != kAddNewItem) {
        txtItems.setText(slot.caption());
        ClearItemEditor();
        chosen_.reset();
        ui::DataRecordset& items = datList.Recordset();
        // Before any page is filled a slot has no number and no row.
        std::optional<long> number = slotNumber(slot.tag());
        if (number && items.FindFirst(slotCriterion(*number)).ok() && !items.noMatch()) {
            copyCurrentRow();
            if (auto row = items.bookmark(); row.ok()) chosen_ = *row;
        }
        cmdSave.setTag("");
        FormatPrices();
    } else {
        ClearItemEditor();
        chosen_.reset();
    }
    txtID.setText(slot.tag());
}

void frmEDes::copyCurrentRow() {
    ui::DataRecordset& items = datList.Recordset();
    auto copy = [&](ui::TextBox& box, std::string_view field) {
        if (auto v = items.field(field); v.ok()) box.setText(v->toText());
    };
    copy(txtID, "Dish_ID");
    copy(txtFind, "szMenu_nm");
    copy(txtMprice, "szPriceS_amt");
    copy(txtLprice, "szPriceM_amt");
    copy(txtPrice, "szPrice_amt");
    copy(txtXlprice, "szPriceL_amt");
    for (int n = 1; n < kFirstAdditionalPrice; ++n) copy(optionBox(n), std::to_string(n));
}

// The name is taken as typed (quotes and pattern characters match themselves); a name that no
// item begins with changes no box.
void frmEDes::txtItems_Change() {
    ui::DataRecordset& items = datList.Recordset();
    if (!items.FindFirst(namePrefixCriterion(txtItems.text())).ok() || items.noMatch()) return;
    copyCurrentRow();
}

void frmEDes::FormatPrices() {
    for (ui::TextBox* box : {&txtMprice, &txtLprice, &txtPrice, &txtXlprice})
        box->setText(core::format(core::Value(box->text()), core::kAmountFormat));
}

void frmEDes::ClearItemEditor() {
    cmdSave.setTag(std::string(kAddNew));
    txtFind.setText("");
    for (ui::TextBox* box : {&txtMprice, &txtLprice, &txtPrice, &txtXlprice}) box->setText(std::string(kZeroPrice));
    for (int n = 1; n <= kOptionFields; ++n) optionBox(n).setText("");
    for (int n = kFirstAdditionalPrice; n <= kOptionFields; ++n) optionBox(n).setText(std::string(kZeroPrice));
}

void frmEDes::ReopenSection() {
    if (const MenuSection* open = sectionByWord(txtItems.tag())) openSection(open->index);
}

// A touched price box is emptied for the new price.
void frmEDes::txtMprice_Click() { txtMprice.setText(""); }
void frmEDes::txtLprice_Click() { txtLprice.setText(""); }
void frmEDes::txtPrice_Click() { txtPrice.setText(""); }
void frmEDes::txtXlprice_Click() { txtXlprice.setText(""); }

// The additional prices never keep a text, so the save always stores "0.00" in them.
void frmEDes::Text41_Change() { optionBox(41).setText(""); }
void frmEDes::Text42_Change() { optionBox(42).setText(""); }
void frmEDes::Text43_Change() { optionBox(43).setText(""); }
void frmEDes::Text44_Change() { optionBox(44).setText(""); }

bool frmEDes::goToChosen() {
    if (!chosen_) return false;
    ui::DataRecordset& items = datList.Recordset();
    if (auto at = items.bookmark(); at.ok() && *at == *chosen_) return true;
    if (!items.setBookmark(*chosen_).ok()) {
        chosen_.reset();
        return false;
    }
    return true;
}

// Changes the chosen item, or adds a row. With no item chosen, a change has nowhere to go and
// nothing is written. A row the store refuses is told to the clerk and not written; the page is
// filled again either way. The saved row stays current, so the printer box keeps showing its code.
void frmEDes::cmdSave_Click() {
    ui::DataRecordset& items = datList.Recordset();
    bool adding = !cmdSave.tag().empty();
    // The printer typed is this item's: it is taken now and set by code, never left pending to be
    // written into whichever row the list stood on.
    std::string printer = cmbPrinter.text();
    datList.UpdateControls();
    if (adding) {
        if (!items.AddNew().ok()) return;
    } else {
        if (!goToChosen() || !items.Edit().ok()) return;
    }
    // A box that does not hold a number: a changed row keeps its number, a new row gets none.
    if (std::optional<long> number = slotNumber(txtID.text())) (void)items.setField("Dish_ID", *number);
    (void)items.setField("szMenu_ID", "01");
    if (!txtFind.text().empty()) (void)items.setField("szMenu_nm", txtFind.text());
    (void)items.setField("szPriceS_amt", txtMprice.text());
    (void)items.setField("szPriceM_amt", txtLprice.text());
    (void)items.setField("szPrice_amt", txtPrice.text());
    (void)items.setField("szPriceL_amt", txtXlprice.text());
    (void)items.setField("szPrinter_ID", printer);
    for (int n = 1; n <= kOptionFields; ++n) {
        std::string value = optionBox(n).text();
        if (n >= kFirstAdditionalPrice && value.empty()) value = kZeroPrice;
        (void)items.setField(std::to_string(n), value);
    }
    if (db::Status written = items.Update(); written) {
        if (adding)
            if (auto row = items.lastModified(); row.ok()) chosen_ = *row;
    } else {
        datList.report(written.error());
        (void)items.CancelUpdate();
    }
    (void)datList.Refresh();
    if (!goToChosen()) (void)items.MoveLast();
    cmdSave.setTag(std::string(kAdded));
    txtItems.setText(txtFind.text());
    FillItemPage();
}

// Deletes the chosen item and no other; without one nothing is deleted.
void frmEDes::cmdDel_Click() {
    // A printer code typed for the item going is dropped, not written into another row.
    datList.UpdateControls();
    if (goToChosen()) (void)datList.Recordset().Delete();
    chosen_.reset();
    txtFind.setText("");
    txtID.setText("");
    ReopenSection();
}

// The size labels are written before the screen goes; the hub, or the wizard's step, follows.
void frmEDes::cmdClose_Click() {
    if (db::Status written = datSize.UpdateRecord(); !written) datSize.report(written.error());
    if (tag() == kRegister) {
        if (!Unload()) return;
        // The wizard's menu-sections step is a later part's: it is shown again by name.
        ui::forms().byName("frmRegister3").Show(ui::kModal);
        return;
    }
    settings::CloseToHub<frmBMenuSet>(*this);
}

void frmEDes::cmdExit_Click() {
    ui::forms().get<shell::frmMainButn>().Show();
    Unload();
}

}  // namespace pelk::menu
