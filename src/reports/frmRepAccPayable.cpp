#include "reports/frmRepAccPayable.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/db/quoting.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "reports/common.h"
#include "reports/frmBMReport.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::reports {

namespace {

constexpr double kMarkerEnglish = 1560;
constexpr double kMarkerPictures = 1200;
constexpr int kRowDividersLightGrey = 6;

using Handler = void (frmRepAccPayable::*)();
constexpr std::array<Handler, kExpenseCategoryCount> kLabelClicks = {
    &frmRepAccPayable::Label2_Click,  &frmRepAccPayable::Label3_Click,  &frmRepAccPayable::Label4_Click,
    &frmRepAccPayable::Label5_Click,  &frmRepAccPayable::Label6_Click,  &frmRepAccPayable::Label7_Click,
    &frmRepAccPayable::Label8_Click,  &frmRepAccPayable::Label9_Click,  &frmRepAccPayable::Label10_Click,
    &frmRepAccPayable::Label11_Click, &frmRepAccPayable::Label12_Click, &frmRepAccPayable::Label13_Click,
    &frmRepAccPayable::Label14_Click, &frmRepAccPayable::Label15_Click, &frmRepAccPayable::Label16_Click,
    &frmRepAccPayable::Label17_Click};
constexpr std::array<Handler, kExpenseCategoryCount> kPictureClicks = {
    &frmRepAccPayable::Image1_Click,  &frmRepAccPayable::Image2_Click,  &frmRepAccPayable::Image3_Click,
    &frmRepAccPayable::Image4_Click,  &frmRepAccPayable::Image5_Click,  &frmRepAccPayable::Image6_Click,
    &frmRepAccPayable::Image7_Click,  &frmRepAccPayable::Image8_Click,  &frmRepAccPayable::Image9_Click,
    &frmRepAccPayable::Image10_Click, &frmRepAccPayable::Image11_Click, &frmRepAccPayable::Image12_Click,
    &frmRepAccPayable::Image13_Click, &frmRepAccPayable::Image14_Click, &frmRepAccPayable::Image15_Click,
    &frmRepAccPayable::Image16_Click};

double rowTop(int n) { return 720 + 360.0 * (n - 1); }
double markerTop(int n) { return 600 + 360.0 * (n - 1); }

// The title's face, underlined, and the language button's.
constexpr ui::FontRole kTitleFont{"Comic Sans MS", 11.25, true, false, true};
constexpr ui::FontRole kLanguageFont{"Times New Roman", 14.25, true, true};

const ui::FormDesign kDesign{
    {{"Caption", "Accounts Payable"},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"BackColor", ui::color::kGrey},
     {"Width", 10830},
     {"Height", 7350}},
    {
        // A little wider and taller than designed, for the face that stands in for Comic Sans.
        {"Label1",
         {120, 120, 2175, 300},
         {{"Caption", "Accounts Payable"},
          {"Font", kTitleFont},
          {"ForeColor", ui::color::kDarkBlue},
          {"BackStyle", 0},
          {"ToolTipText", "Exit"}}},
        {"Image17",
         {240, 120, 1185, 300},
         {{"Picture", ui::picture("应付账款")}, {"Stretch", true}, {"Visible", false}}},
        {"Label25",
         {2085, 360, 630, 255},
         {{"Caption", "From:"}, {"Font", ui::font::kSans10Bold}, {"Alignment", ui::kRightJustify}, {"BackStyle", 0}}},
        {"txtFrom", {2760, 360, 1335, 315}, {{"Font", ui::font::kSans10Bold}}},
        {"lblTo",
         {4200, 360, 495, 255},
         {{"Caption", "To:"}, {"Font", ui::font::kSans10Bold}, {"Alignment", ui::kRightJustify}, {"BackStyle", 0}}},
        {"txtTo", {4680, 360, 1455, 315}, {{"Font", ui::font::kSans10Bold}}},
        {"ImgOn",
         {kMarkerEnglish, 360, 480, 480},
         {{"Picture", ui::picture("☜")}, {"Stretch", true}, {"Visible", false}}},
        // The headings over the grid's columns.
        {"Label18", {2520, 840, 1095, 255}, {{"Caption", "Invoice:"}, {"BackStyle", 0}}},
        {"Label19", {3360, 840, 1095, 255}, {{"Caption", "Date:"}, {"BackStyle", 0}}},
        {"Label20", {4320, 840, 1095, 255}, {{"Caption", "Company"}, {"BackStyle", 0}}},
        {"Label21", {6000, 840, 1095, 255}, {{"Caption", "Descriptions:"}, {"BackStyle", 0}}},
        {"Label22", {8640, 840, 1095, 255}, {{"Caption", "Method:"}, {"BackStyle", 0}}},
        {"Label23", {9480, 840, 1095, 255}, {{"Caption", "Total:"}, {"BackStyle", 0}}},
        {"datExpenses", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"DBGrid1",
         {2040, 1200, 8505, 5415},
         {{"BackColor", ui::color::kWhite},
          {"ColumnHeaders", false},
          {"RecordSelectors", true},
          {"ScrollBars", 2},
          {"AllowUpdate", true},
          {"AllowAddNew", true},
          {"AllowDelete", true},
          {"RowDividerStyle", kRowDividersLightGrey}}},
        {"cmdEtoC",
         {360, 6600, 1095, 495},
         {{"Caption", "C"}, {"Style", 1}, {"BackColor", ui::color::kYellow}, {"Font", kLanguageFont}}},
        {"Image18", {6600, 6720, 1485, 570}, {{"Picture", ui::picture("Income Statement")}, {"Stretch", true}}},
        {"imgExit",
         {9120, 6720, 1485, 570},
         {{"Picture", ui::picture("EXIT")}, {"Stretch", true}, {"ToolTipText", "Exit"}}},
    }};

}  // namespace

frmRepAccPayable::frmRepAccPayable() {
    ui::applyDesign(*this, kDesign);

    // A row a category: its caption and, in its place, the picture of its second-language caption.
    auto captions = labels();
    auto seconds = pictures();
    for (int n = 1; n <= kExpenseCategoryCount; ++n) {
        const ExpenseCategory& c = kExpenseCategories[n - 1];
        ui::Label& label = *captions[n - 1];
        ui::Image& picture = *seconds[n - 1];
        ui::applyDesign(*this, {{label.name(),
                                 {240, rowTop(n), 1335, 255},
                                 {{"Caption", c.caption}, {"Font", ui::font::kDialogBold}, {"BackStyle", 0}}},
                                {picture.name(),
                                 {600, rowTop(n), 480, 240},
                                 {{"Picture", ui::picture(c.second)}, {"Stretch", true}, {"Visible", false}}}});
        label.onClick([this, h = kLabelClicks[n - 1]] { (this->*h)(); });
        picture.onClick([this, h = kPictureClicks[n - 1]] { (this->*h)(); });
    }
    DBGrid1.setColumns({{"Invoice", "Invoice", 855, "General Number"},
                        {"Date", "Date", 960, "Short Date"},
                        {"Company", "Company", 1695, ""},
                        {"Description", "Description", 2670, ""},
                        {"Method", "Method", 750, ""},
                        {"Total", "Total", 900, "Currency"}});
    DBGrid1.setDataSource(datExpenses);

    cmdEtoC.onClick([this] { cmdEtoC_Click(); });
    imgExit.onClick([this] { imgExit_Click(); });
    Label1.onClick([this] { Label1_Click(); });
}

void frmRepAccPayable::Form_Load() {
    if (ui::forms().get<settings::frmInfor>().chkEtoC.value() == 0) cmdEtoC.setVisible(false);
    // The screen keeps its grey page rather than the light green of the others.
    settings::CentreForm(*this, 11, false);
    datExpenses.setDatabaseName(os::programPath(kExpenseStore));
    core::Date today = core::clock::today();
    txtFrom.setText(core::shortDate(core::addDays(today, -30)));
    txtTo.setText(core::shortDate(today));
}

// ---- Choosing a category ----

void frmRepAccPayable::Image1_Click() { chooseCategory(1); }
void frmRepAccPayable::Image2_Click() { chooseCategory(2); }
void frmRepAccPayable::Image3_Click() { chooseCategory(3); }
void frmRepAccPayable::Image4_Click() { chooseCategory(4); }
void frmRepAccPayable::Image5_Click() { chooseCategory(5); }
void frmRepAccPayable::Image6_Click() { chooseCategory(6); }
void frmRepAccPayable::Image7_Click() { chooseCategory(7); }
void frmRepAccPayable::Image8_Click() { chooseCategory(8); }
void frmRepAccPayable::Image9_Click() { chooseCategory(9); }
void frmRepAccPayable::Image10_Click() { chooseCategory(10); }
void frmRepAccPayable::Image11_Click() { chooseCategory(11); }
void frmRepAccPayable::Image12_Click() { chooseCategory(12); }
void frmRepAccPayable::Image13_Click() { chooseCategory(13); }
void frmRepAccPayable::Image14_Click() { chooseCategory(14); }
void frmRepAccPayable::Image15_Click() { chooseCategory(15); }
void frmRepAccPayable::Image16_Click() { chooseCategory(16); }
void frmRepAccPayable::Label2_Click() { chooseCategory(1); }
void frmRepAccPayable::Label3_Click() { chooseCategory(2); }
void frmRepAccPayable::Label4_Click() { chooseCategory(3); }
void frmRepAccPayable::Label5_Click() { chooseCategory(4); }
void frmRepAccPayable::Label6_Click() { chooseCategory(5); }
void frmRepAccPayable::Label7_Click() { chooseCategory(6); }
void frmRepAccPayable::Label8_Click() { chooseCategory(7); }
void frmRepAccPayable::Label9_Click() { chooseCategory(8); }
void frmRepAccPayable::Label10_Click() { chooseCategory(9); }
void frmRepAccPayable::Label11_Click() { chooseCategory(10); }
void frmRepAccPayable::Label12_Click() { chooseCategory(11); }
void frmRepAccPayable::Label13_Click() { chooseCategory(12); }
void frmRepAccPayable::Label14_Click() { chooseCategory(13); }
void frmRepAccPayable::Label15_Click() { chooseCategory(14); }
void frmRepAccPayable::Label16_Click() { chooseCategory(15); }
void frmRepAccPayable::Label17_Click() { chooseCategory(16); }

void frmRepAccPayable::chooseCategory(int n) {
    // The range goes into the query as the dates read from the boxes, never as typed; a box that
    // holds no date leaves the screen as it was.
    auto dates = dateRange(txtFrom, txtTo);
    if (!dates) return;
    ImgOn.setVisible(true);
    ImgOn.setTop(markerTop(n));
    datExpenses.setRecordSource("SELECT * FROM " + std::string(kExpenseCategories[n - 1].table) +
                                " WHERE DATE BETWEEN " + dates->first + " AND " + dates->second + ";");
    // A store or table that cannot be read is told once; the grid then shows no rows.
    if (db::Status read = datExpenses.Refresh(); !read) datExpenses.report(read.error());
}

// ---- Captions and closing ----

void frmRepAccPayable::cmdEtoC_Click() {
    std::vector<ui::Control*> english{&Label1};
    std::vector<ui::Control*> second{&Image17};
    for (ui::Label* l : labels()) english.push_back(l);
    for (ui::Image* p : pictures()) second.push_back(p);
    settings::ToggleSecondLanguage(cmdEtoC, english, second);
    // The marker keeps its row and stands beside whichever captions show.
    if (cmdEtoC.caption() == "E") ImgOn.setLeft(kMarkerPictures);
    if (cmdEtoC.caption() == "C") ImgOn.setLeft(kMarkerEnglish);
}

void frmRepAccPayable::imgExit_Click() { settings::CloseToHub<frmBMReport>(*this); }

void frmRepAccPayable::Label1_Click() { Unload(); }

}  // namespace pelk::reports
