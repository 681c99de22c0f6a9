#include "reports/frmRepRemv.h"

#include <string>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/ui/design.h"
#include "reports/frmBMReport.h"
#include "reports/stores.h"
#include "settings/common.h"
#include "settings/export.h"

namespace pelk::reports {

namespace {

constexpr const char* kMoney = "$#,##0.00_);($#,##0.00)";

const std::vector<settings::SheetColumn> kSheet = {
    {"Type", "szType_out", ""},
    {"Waiter", "szWaiter_out", ""},
    {"Removed Items", "szItems_out", ""},
    {"Price", "szPrice_out", kMoney},
    {"Reason", "szReason_out", ""},
    {"Manager", "szManager_out", kMoney},
    {"Date", "szDate_out", "m/d/yyyy_);(m/d/yyyy)"},
    {"Time", "szTime_out", "[h]:mm"},
};

// The title's face, underlined.
constexpr ui::FontRole kTitleFont{"Arial", 14.25, true, false, true};

const ui::FormDesign kDesign{
    {{"Caption", "Items Been Removed"}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 11280}, {"Height", 7560}},
    {
        {"Label1",
         {360, 240, 3495, 420},
         {{"Caption", "Items Been Removed"}, {"Font", kTitleFont}, {"ForeColor", ui::color::kRed}, {"BackStyle", 0}}},
        {"datRemv", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tblRemv"}, {"Visible", false}}},
        {"DBGrid1",
         {240, 840, 8520, 5880},
         {{"BackColor", ui::color::kWhite},
          {"ForeColor", ui::color::kDarkBlue},
          {"ColumnHeaders", true},
          {"RecordSelectors", true},
          {"ScrollBars", 2},
          {"AllowUpdate", true},
          {"AllowDelete", true},
          {"AllowAddNew", false}}},
        {"Label25", {9120, 840, 1215, 255}, {{"Caption", "From:"}, {"Font", ui::font::kSans10Bold}, {"BackStyle", 0}}},
        {"txtFrom", {9120, 1110, 1815, 315}, {{"Font", ui::font::kSans10Bold}, {"Alignment", ui::kCenter}}},
        {"Label26", {9120, 1560, 1215, 255}, {{"Caption", "To:"}, {"Font", ui::font::kSans10Bold}, {"BackStyle", 0}}},
        {"txtTo", {9120, 1830, 1815, 315}, {{"Font", ui::font::kSans10Bold}, {"Alignment", ui::kCenter}}},
        {"cmdExcel",
         {9120, 2400, 1815, 855},
         {{"Style", 1}, {"Picture", ui::picture("Exporting to Excel")}, {"ToolTipText", "Print Reports"}}},
        {"cmdPrintPrev",
         {9120, 3480, 1815, 855},
         {{"Style", 1}, {"Picture", ui::picture("Export n Print Preview")}, {"ToolTipText", "Print Reports"}}},
        {"imgRenew",
         {9360, 5280, 1335, 1095},
         {{"Picture", ui::picture("Renew")}, {"Stretch", true}, {"ToolTipText", "Renew"}}},
        {"cmdClose",
         {9240, 6600, 1635, 800},
         {{"Style", 1}, {"Picture", ui::picture("Back")}, {"BackColor", ui::color::kLightGrey}}},
    }};

}  // namespace

frmRepRemv::frmRepRemv() {
    ui::applyDesign(*this, kDesign);
    DBGrid1.setColumns({{"szType_out", "Type:", 675, ""},
                        {"szWaiter_out", "Waiter:", 795, ""},
                        {"szItems_out", "Removed Items:", 1650, ""},
                        {"szPrice_out", "Price:", 855, "Currency"},
                        {"szReason_out", "Reason:", 1335, ""},
                        {"szManager_out", "Managers:", 915, ""},
                        {"szDate_out", "Date:", 975, "Short Date"},
                        {"szTime_out", "Time", 885, "Medium Time"}});
    DBGrid1.setDataSource(datRemv);

    cmdClose.onClick([this] { cmdClose_Click(); });
    imgRenew.onClick([this] { imgRenew_Click(); });
    cmdExcel.onClick([this] { cmdExcel_Click(); });
    cmdPrintPrev.onClick([this] { cmdPrintPrev_Click(); });
}

void frmRepRemv::Form_Load() {
    // The boxes only show the day: the grid always lists the whole log.
    std::string today = core::shortDate(core::clock::today());
    txtFrom.setText(today);
    txtTo.setText(today);
    settings::CentreForm(*this, 11);
    datRemv.setDatabaseName(settings::ResolveDataPath(kRemovedItemsStore));
}

void frmRepRemv::cmdClose_Click() {
    Unload();
    ui::forms().get<frmBMReport>().Show();
}

// Only a "Del" given to this very question clears the log. The program folder's log is renewed
// whole from its template or, when that cannot be, left whole and the clerk told.
void frmRepRemv::imgRenew_Click() {
    settings::Renewal renewal;
    renewal.templateFile = kRemovedItemsTemplate;
    renewal.liveFile = kRemovedItemsStore;
    renewal.screen = this;
    (void)settings::RenewFromTemplate([this] { return settings::AskChoiceBox("3", imgRenew); }, renewal);
}

// ---- Export ----

sheet::Workbook* frmRepRemv::ExcelLoadSales() { return settings::ExcelLoadSales(goExcel, datRemv.Recordset(), kSheet); }

void frmRepRemv::cmdExcel_Click() { settings::handOver(ExcelLoadSales(), settings::Hand::Show); }

void frmRepRemv::cmdPrintPrev_Click() { settings::handOver(ExcelLoadSales(), settings::Hand::Preview); }

}  // namespace pelk::reports
