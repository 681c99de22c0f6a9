#include "menu/frmSetMenu.h"

#include <initializer_list>
#include <string>
#include <tuple>

#include "menu/frmBMenuSet.h"
#include "menu/frmEDes.h"
#include "menu/sections.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/frmInfor.h"
#include "settings/stores.h"

namespace pelk::menu {

namespace {

constexpr double kGridTop = 360;
constexpr double kGridHeight = 4800;
constexpr int kNoDividers = 0;
constexpr int kLightGreyDividers = 6;

// Where the marker stands for each section (by index), and for the notes list.
constexpr std::array<std::pair<double, double>, settings::kSections> kMarkerAt = {{
    {3440, 5340},
    {5120, 5340},
    {6800, 5340},
    {100, 5820},
    {1760, 5820},
    {3440, 5820},
    {5120, 5820},
    {6800, 5820},
    {80, 6300},
    {1760, 6300},
    {3440, 6300},
    {5120, 6300},
    {80, 5340},
    {1760, 5340},
}};
constexpr std::pair<double, double> kNotesMarkerAt = {6800, 6300};

bool secondLanguageOn() { return ui::forms().get<settings::frmInfor>().chkEtoC.value() == 1; }

// Both lists: rows without headings or dividers, typed into and added to in place.
const std::initializer_list<ui::DesignProperty> kListGrid = {
    {"ColumnHeaders", false}, {"RecordSelectors", false}, {"ScrollBars", 2},
    {"AllowUpdate", true},    {"AllowAddNew", true},      {"RowDividerStyle", kNoDividers}};

const ui::FormDesign kDesign{
    {{"Caption", ""},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"ControlBox", false},
     {"Width", 12060},
     {"Height", 6870}},
    {
        {"datList", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbAppetizer"}, {"Visible", false}}},
        {"datListC", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbAppetizer"}, {"Visible", false}}},
        {"datSize", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSet"}, {"Visible", false}}},
        {"datMain", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSetMain"}, {"Visible", false}}},
        {"dbList", {120, kGridTop, 8700, kGridHeight}, kListGrid},
        {"dbListC", {8940, kGridTop, 3000, kGridHeight}, kListGrid},
        {"Label2",
         {8940, 120, 1215, 225},
         {{"Caption", "Line (2)"}, {"ForeColor", ui::color::kBlue}, {"Font", ui::font::kDialogBold}, {"BackStyle", 0}}},
        {"lblOn", {0, 0, 240, 225}, {{"BackColor", ui::color::kRed}, {"Visible", false}}},
        // Its own picture reads as its caption until the pictures ship.
        {"cmdSp", {}, {{"Caption", "&Notes"}}},
        // The pictures of Erase and Close read as these captions until the pictures ship.
        {"cmdErase", {8640, 5400, 1215, 880}, {{"Caption", "Erase"}, {"Style", 1}}},
        {"cmdMenu", {10080, 5400, 1815, 400}, {{"Caption", "More Options"}}},
        {"cmdRDS", {10080, 5880, 1815, 400}, {{"Caption", "------------------------"}}},
        {"cmdClose",
         {8640, 6360, 1215, 400},
         {{"Caption", "Back"}, {"Style", 1}, {"BackColor", ui::color::kLightGrey}}},
    }};

}  // namespace

frmSetMenu::frmSetMenu() {
    ui::applyDesign(*this, kDesign);
    dbList.setColumns({{"Dish_ID", "", 435, "General Number"},
                       {"szMenu_ID", "", 375, ""},
                       {"szMenu_nm", "", 1710, ""},
                       {"1", "", 480, ""},
                       {"2", "", 510, ""},
                       {"3", "", 510, ""},
                       {"4", "", 555, ""},
                       {"5", "", 540, ""},
                       {"6", "", 540, ""},
                       {"Option", "", 255, "General Number"},
                       {"szPriceS_amt", "", 630, "Currency"},
                       {"szPriceM_amt", "", 615, "Currency"},
                       {"szPrice_amt", "", 585, "Currency"},
                       {"szPriceL_amt", "", 690, "Currency"}});
    dbList.setDataSource(datList);
    dbListC.setColumns(
        {{"Dish_ID", "", 435, "General Number"}, {"szMenu_nm", "", 1710, ""}, {"szPrice_amt", "", 585, "Currency"}});
    dbListC.setDataSource(datListC);

    // Each heading over its column of dbList; the Option column has none.
    double left = 120;
    for (auto [heading, caption, width] : {
             std::tuple{&Label1, "ID", 435.0},
             std::tuple{&Label3, "Qty", 375.0},
             std::tuple{&Label4, "Items", 1710.0},
             std::tuple{&Label5, "Opt-1", 480.0},
             std::tuple{&Label6, "Opt-2", 510.0},
             std::tuple{&Label7, "Opt-3", 510.0},
             std::tuple{&Label8, "Opt-4", 555.0},
             std::tuple{&Label9, "Opt5", 540.0},
             std::tuple{&Label10, "Opt6", 540.0},
         }) {
        heading->setCaption(caption);
        heading->setBackStyle(0);
        heading->Move(left, 120, width, 225);
        left += width;
    }
    left += 255;
    for (auto [box, width, design] : {std::tuple{&txtSprice, 630.0, "M-"}, std::tuple{&txtMprice, 615.0, "L-"},
                                      std::tuple{&txtPrice, 585.0, ""}, std::tuple{&txtLprice, 690.0, "XL-"}}) {
        box->setText(design);
        box->Move(left, 60, width, 285);
        left += width;
    }
    datSize.bind(txtSprice, "szSize1");
    datSize.bind(txtMprice, "szSize2");
    datSize.bind(txtLprice, "szSize3");

    ui::CommandButton* rows[3][5] = {{&cmdLunch, &cmdDiner, &cmdDrink, &cmdApter, &cmdFriedRice},
                                     {&cmdLoMein, &cmdVDishes, &cmdVegetables, &cmdPoultry, &cmdBeef},
                                     {&cmdSeafood, &cmdSoup, &cmdPork, &cmdLamb, &cmdSp}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            ui::CommandButton* b = rows[r][c];
            b->setStyle(1);
            b->setBackColor(settings::kScreenGreen);
            b->setFontName("Comic Sans MS");
            b->setFontBold(true);
            b->Move(120 + c * 1680, 5400 + r * 480, 1580, 400);
        }

    cmdDrink.onClick([this] { cmdDrink_Click(); });
    cmdApter.onClick([this] { cmdApter_Click(); });
    cmdFriedRice.onClick([this] { cmdFriedRice_Click(); });
    cmdLoMein.onClick([this] { cmdLoMein_Click(); });
    cmdVDishes.onClick([this] { cmdVDishes_Click(); });
    cmdVegetables.onClick([this] { cmdVegetables_Click(); });
    cmdPoultry.onClick([this] { cmdPoultry_Click(); });
    cmdBeef.onClick([this] { cmdBeef_Click(); });
    cmdSeafood.onClick([this] { cmdSeafood_Click(); });
    cmdSoup.onClick([this] { cmdSoup_Click(); });
    cmdPork.onClick([this] { cmdPork_Click(); });
    cmdLamb.onClick([this] { cmdLamb_Click(); });
    cmdLunch.onClick([this] { cmdLunch_Click(); });
    cmdDiner.onClick([this] { cmdDiner_Click(); });
    cmdSp.onClick([this] { cmdSp_Click(); });
    cmdErase.onClick([this] { cmdErase_Click(); });
    cmdRDS.onClick([this] { cmdRDS_Click(); });
    cmdMenu.onClick([this] { cmdMenu_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

settings::SectionButtons frmSetMenu::sectionButtons() {
    return {&cmdDrink, &cmdApter,   &cmdFriedRice, &cmdLoMein, &cmdVDishes, &cmdVegetables, &cmdPoultry,
            &cmdBeef,  &cmdSeafood, &cmdSoup,      &cmdPork,   &cmdLamb,    &cmdLunch,      &cmdDiner};
}

// The second-language list is given no store: it shows no rows. The data controls open their
// sources once the load ends, so the list first shows tbAppetizer in the table's own order.
void frmSetMenu::Form_Load() {
    settings::CentreForm(*this, 20);
    if (!secondLanguageOn()) dbListC.setVisible(false);
    datList.setDatabaseName(os::programPath(settings::kMenuStore));
    datSize.setDatabaseName(os::programPath(settings::kStationStore));
    datMain.setDatabaseName(os::programPath(settings::kMenuStore));
    // A store that cannot be opened is told by the data control; the buttons then show the names
    // or nothing, and the screen stays usable.
    if (db::Status opened = datMain.Refresh(); !opened) datMain.report(opened.error());
    settings::DrawSectionButtons(sectionButtons(), datMain.recordset());
}

void frmSetMenu::markList(double left, double top) {
    lblOn.setVisible(true);
    lblOn.Move(left, top);
}

// A table that cannot be opened leaves the grid as it was; the other steps still run.
void frmSetMenu::openSection(int index) {
    const MenuSection& section = kMenuSections[index];
    markList(kMarkerAt[index].first, kMarkerAt[index].second);
    datList.setRecordSource(slotOrder(section.table));
    (void)datList.Refresh();
    if (secondLanguageOn()) {
        datListC.setRecordSource(slotOrder(section.table));
        (void)datListC.Refresh();
        dbListC.setVisible(true);
    }
    cmdErase.setEnabled(true);
}

void frmSetMenu::cmdDrink_Click() { openSection(0); }
void frmSetMenu::cmdApter_Click() { openSection(1); }
void frmSetMenu::cmdFriedRice_Click() { openSection(2); }
void frmSetMenu::cmdLoMein_Click() { openSection(3); }
void frmSetMenu::cmdVDishes_Click() { openSection(4); }
void frmSetMenu::cmdVegetables_Click() { openSection(5); }
void frmSetMenu::cmdPoultry_Click() { openSection(6); }
void frmSetMenu::cmdBeef_Click() { openSection(7); }
void frmSetMenu::cmdSeafood_Click() { openSection(8); }
void frmSetMenu::cmdSoup_Click() { openSection(9); }
void frmSetMenu::cmdPork_Click() { openSection(10); }
void frmSetMenu::cmdLamb_Click() { openSection(11); }
void frmSetMenu::cmdLunch_Click() { openSection(12); }
void frmSetMenu::cmdDiner_Click() { openSection(13); }

void frmSetMenu::cmdSp_Click() {
    markList(kNotesMarkerAt.first, kNotesMarkerAt.second);
    datList.setRecordSource(slotOrder(kNotesTable));
    (void)datList.Refresh();
    dbListC.setVisible(false);
    cmdErase.setEnabled(false);
}

// The first row of a list is never erased. After a deletion the next row (or the last) becomes
// current, so the next Erase acts on a row that is still there. The second-language list has no
// store behind it and so no row to delete.
void frmSetMenu::cmdErase_Click() {
    settings::EditErrorHandler onError(ui::kOKCancel);
    ui::DataRecordset& list = datList.Recordset();
    if (list.absolutePosition() != 0) {
        if (!onError(list.Delete())) {
            Unload();
            return;
        }
        if (db::Status moved = list.MoveNext(); moved && list.eof()) (void)list.MoveLast();
    }
    if (dbListC.enabled() && datListC.isOpen() && datListC.Recordset().absolutePosition() > 0) {
        if (!onError(datListC.Recordset().Delete())) Unload();
    }
}

void frmSetMenu::cmdRDS_Click() {
    int style = dbList.rowDividerStyle() == kNoDividers ? kLightGreyDividers : kNoDividers;
    dbList.setRowDividerStyle(style);
    dbListC.setRowDividerStyle(style);
}

void frmSetMenu::cmdMenu_Click() {
    if (!Unload()) return;
    ui::forms().get<frmEDes>().Show();
}

void frmSetMenu::cmdClose_Click() { settings::CloseToHub<frmBMenuSet>(*this); }

}  // namespace pelk::menu
