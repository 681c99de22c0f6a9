#include "reservations/frmReserv.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/db/quoting.h"
#include "platform/ui/design.h"
#include "platform/ui/screen.h"
#include "reservations/records.h"
#include "settings/common.h"
#include "settings/export.h"

namespace pelk::reservations {

namespace {

constexpr std::string_view kCheckOut = "Check Out";
constexpr int kDarkGreyDividers = 2;
constexpr int kVertical = 2;

// The export's columns, A to N: the header, the field each row takes, and the column's format
// (dates and amounts shown as such).
constexpr const char* kDateColumnFormat = "m/d/yy_);(m/d/yy)";
constexpr const char* kMoneyColumnFormat = "$#,##0.00_);($#,##0.00)";
const std::vector<settings::SheetColumn> kExportColumns = {
    {"Clerk ID", "szClerk_id", ""},
    {"Date In", "szDate_in", kDateColumnFormat},
    {"Date Out", "szDate_Out", kDateColumnFormat},
    {"Last Name", "sLast_na", ""},
    {"First Name", "sFirst_nm", ""},
    {"Room", "szRoom1", ""},
    {"Price", "szRate_curr", kMoneyColumnFormat},
    {"Paid", "szPaid_curr", kMoneyColumnFormat},
    {"Phone", "sPhone_no", ""},
    {"Card #", "szCard_nu", ""},
    {"Exp.", "szCard_exp", ""},
    {"Address", "szStreet_ad", ""},
    {"City", "szCity_nm", ""},
    {"State", "sState_cd", ""},
};

// A box's date as a literal of the query; nothing for a text that is no date, so that nothing
// typed there reaches the query.
std::optional<std::string> dateOf(const ui::TextBox& box) {
    auto date = core::parseDate(box.text());
    if (!date) return std::nullopt;
    return db::dateLiteral(*date);
}

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"Width", 14280}, {"Height", 8280}, {"BackColor", ui::color::kLightGreen}},
    {
        {"Label5",
         {240, 120, 5775, 555},
         {{"Caption", "Reservations Lists"},
          {"Font", ui::font::kComic18Bold},
          {"ForeColor", ui::color::kBlue},
          {"BackStyle", 0}}},
        {"Label25", {6360, 285, 615, 255}, {{"Caption", "From:"}, {"BackStyle", 0}}},
        {"txtFrom", {6960, 240, 1335, 315}},
        {"Label26", {8520, 285, 375, 255}, {{"Caption", "To:"}, {"BackStyle", 0}}},
        {"txtTo", {8940, 240, 1335, 315}},
        {"cmdSearch",
         {10560, 180, 1215, 435},
         {{"Caption", "Search"}, {"Font", ui::FontRole{"Comic Sans MS", 9.75, true}}}},
        {"Label1", {6360, 705, 975, 255}, {{"Caption", "Start Time:"}, {"BackStyle", 0}, {"Visible", false}}},
        {"txtSTime", {7380, 660, 1095, 315}, {{"Text", "8:00 AM"}, {"Visible", false}}},
        {"Label6", {8640, 705, 855, 255}, {{"Caption", "End Time:"}, {"BackStyle", 0}, {"Visible", false}}},
        {"txtETime", {9540, 660, 1095, 315}, {{"Text", "5:00 PM"}, {"Visible", false}}},
        {"DBGrid1",
         {120, 1080, 13935, 5895},
         {{"ColumnHeaders", true},
          {"RecordSelectors", true},
          {"RowDividerStyle", kDarkGreyDividers},
          {"ScrollBars", kVertical},
          {"BackColor", ui::color::kWhite},
          {"AllowUpdate", true},
          {"AllowAddNew", true},
          {"AllowDelete", true}}},
        {"cmdExcel",
         {10920, 7080, 1455, 800},
         {{"Style", 1}, {"Picture", ui::picture("Exporting to Excel")}, {"ToolTipText", "Print Reports"}}},
        {"cmdClose", {12480, 7080, 1455, 800}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
        {"datReserv", {}, {{"Connect", "Access 2000;"}, {"RecordSource", kReservationTable}, {"Visible", false}}},
    }};

}  // namespace

frmReserv::frmReserv() {
    ui::applyDesign(*this, kDesign);
    DBGrid1.setColumns({{"szClerk_id", "Clerk ID", 735, ""},
                        {"szDate_in", "Date In", 1035, "Short Date"},
                        {"szDate_Out", "Date Out", 1035, ""},
                        {"sLast_na", "Last Name", 1215, ""},
                        {"sFirst_nm", "First Name", 1095, ""},
                        {"szRoom1", "Room", 555, ""},
                        {"szRate_curr", "Price", 915, "Currency"},
                        {"sPhone_no", "Phone", 1275, ""},
                        {"szCard_nu", "Card #", 1695, ""},
                        {"szCard_exp", "Exp.", 555, ""},
                        {"szStreet_ad", "Address", 1695, ""},
                        {"szCity_nm", "City", 1095, ""},
                        {"sState_cd", "State", 495, ""}});
    DBGrid1.setDataSource(datReserv);

    cmdSearch.onClick([this] { cmdSearch_Click(); });
    cmdExcel.onClick([this] { cmdExcel_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmReserv::Form_Load() {
    settings::CentreForm(*this, 20, false);
    std::string today = core::shortDate(core::clock::today());
    txtFrom.setText(today);
    txtTo.setText(today);
}

// Both stores lie by the station's one rule: the checked-out stays where the check-out writes
// them. The list is read afresh each time the screen comes back.
void frmReserv::Form_Activate() {
    std::string_view file = tag() == kCheckOut ? kCheckedOutStore : kReservationStore;
    datReserv.setDatabaseName(settings::ResolveDataPath(file));
    QueryReservationRange();
}

// A box that holds no date leaves the list as it was and says which; inclusive bounds, the rows in
// the store's own order.
void frmReserv::QueryReservationRange() {
    std::optional<std::string> from = dateOf(txtFrom);
    if (!from) {
        ui::MsgBox("Please enter a valid From date.", ui::kCritical);
        return;
    }
    std::optional<std::string> to = dateOf(txtTo);
    if (!to) {
        ui::MsgBox("Please enter a valid To date.", ui::kCritical);
        return;
    }
    if (tag().empty())
        datReserv.setRecordSource("SELECT * FROM tblReserv WHERE szDate_in Between " + *from + " And " + *to);
    else if (tag() == kCheckOut)
        datReserv.setRecordSource("SELECT * FROM tblReserv WHERE szDate_Out Between " + *from + " And " + *to + "; ");
    if (db::Status read = datReserv.Refresh(); !read) datReserv.report(read.error());
}

void frmReserv::cmdSearch_Click() { QueryReservationRange(); }
void frmReserv::cmdExcel_Click() { ExcelLoadSales(); }
void frmReserv::cmdClose_Click() { Unload(); }

// ---- Export ----

// The same attach and fill as the reports' lists.
bool frmReserv::MSExcelOpen() { return settings::MSExcelOpen(goExcel); }

// The rows go from the list's current row to its end, every one of them however many; the
// workbook is then handed to the clerk, and a reason it cannot be is told.
void frmReserv::ExcelLoadSales() {
    settings::handOver(settings::ExcelLoadSales(goExcel, datReserv.Recordset(), kExportColumns), settings::Hand::Show);
}

}  // namespace pelk::reservations
