#include "reports/frmRepAPV.h"

#include <tuple>

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "reports/expenses.h"
#include "settings/common.h"

namespace pelk::reports {

namespace {

constexpr int kNoDividers = 0;
constexpr ui::FontRole kTitleFont{"Comic Sans MS", 15.75, true, false, true};

const ui::FormDesign kDesign{
    {{"Caption", "Expenses Reports "}, {"Width", 9240}, {"Height", 4110}},
    {
        {"Label1",
         {360, 120, 3975, 615},
         {{"Caption", "Expenses Reports "},
          {"Font", kTitleFont},
          {"ForeColor", ui::color::kDarkBlue},
          {"BackStyle", 0}}},
        {"datExpenses", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbAuto_Ex"}, {"Visible", false}}},
        {"DBGrid1",
         {0, 1080, 9255, 3015},
         {{"BackColor", ui::color::kWindowBackground},
          {"ColumnHeaders", false},
          {"RecordSelectors", false},
          {"ScrollBars", 2},
          {"AllowUpdate", true},
          {"AllowAddNew", true},
          {"AllowDelete", true},
          {"RowDividerStyle", kNoDividers}}},
        {"cmdClose",
         {7620, 0, 1635, 800},
         {{"Style", 1}, {"Picture", ui::picture("Back")}, {"BackColor", ui::color::kLightGrey}}},
    }};

}  // namespace

frmRepAPV::frmRepAPV() {
    ui::applyDesign(*this, kDesign);
    // The headings over the grid's columns.
    for (auto [heading, caption, left] : {
             std::tuple{&Label2, "Invoice:", 120.0},
             std::tuple{&Label3, "Date:", 960.0},
             std::tuple{&Label4, "Company:", 1920.0},
             std::tuple{&Label5, "Descriptions:", 4200.0},
             std::tuple{&Label6, "Method:", 7320.0},
             std::tuple{&Label7, "Total:", 8280.0},
         })
        ui::applyDesign(*this, {{heading->name(),
                                 {left, 840, 1215, 255},
                                 {{"Caption", caption},
                                  {"Font", ui::font::kSans10Bold},
                                  {"ForeColor", ui::color::kDarkBlue},
                                  {"BackStyle", 0}}}});

    DBGrid1.setColumns({{"Invoice", "Invoice", 840, "General Number"},
                        {"Date", "Date", 990, "Short Date"},
                        {"Company", "Company", 2100, ""},
                        {"Description", "Description", 3150, ""},
                        {"Method", "Method", 975, ""},
                        {"Total", "Total", 975, "Currency"}});
    DBGrid1.setDataSource(datExpenses);

    cmdClose.onClick([this] { cmdClose_Click(); });
    Label1.onClick([this] { Label1_Click(); });
}

// The list edits the program folder's store: the copy the statement sums and the expense screen
// keeps, so what it shows is what was counted.
void frmRepAPV::Form_Load() {
    settings::CentreForm(*this, 2);
    datExpenses.setDatabaseName(os::programPath(kExpenseStore));
}

void frmRepAPV::cmdClose_Click() { Unload(); }

// Refreshing writes a row still being edited before the list goes.
void frmRepAPV::Label1_Click() {
    (void)datExpenses.Refresh();
    Unload();
}

}  // namespace pelk::reports
