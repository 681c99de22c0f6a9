#include "reservations/frmReserv.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/db/quoting.h"
#include "platform/ui/screen.h"
#include "reservations/records.h"
#include "settings/common.h"
#include "settings/export.h"

namespace pelk::reservations {

namespace {

constexpr std::string_view kCheckOut = "Check Out";
constexpr int kDarkGreyDividers = 2;
constexpr int kVertical = 2;
constexpr ui::Color kBlue = 0xFF0000;

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

void label(ui::Label& l, const char* caption, double left, double top, double width) {
    l.setCaption(caption);
    l.setBackStyle(0);
    l.Move(left, top, width, 255);
}

}  // namespace

frmReserv::frmReserv() {
    setCaption("");
    setMdiChild(true);
    setWidth(14280);
    setHeight(8280);
    setBackColor(settings::kScreenGreen);

    Label5.setCaption("Reservations Lists");
    Label5.setFont({"Comic Sans MS", 18, true});
    Label5.setForeColor(kBlue);
    Label5.setBackStyle(0);
    Label5.Move(240, 120, 5775, 555);

    label(Label25, "From:", 6360, 285, 615);
    txtFrom.Move(6960, 240, 1335, 315);
    label(Label26, "To:", 8520, 285, 375);
    txtTo.Move(8940, 240, 1335, 315);
    cmdSearch.setCaption("Search");
    cmdSearch.setFont({"Comic Sans MS", 9.75, true});
    cmdSearch.Move(10560, 180, 1215, 435);
    label(Label1, "Start Time:", 6360, 705, 975);
    txtSTime.setText("8:00 AM");
    txtSTime.Move(7380, 660, 1095, 315);
    label(Label6, "End Time:", 8640, 705, 855);
    txtETime.setText("5:00 PM");
    txtETime.Move(9540, 660, 1095, 315);
    for (ui::Control* hidden : std::initializer_list<ui::Control*>{&Label1, &txtSTime, &Label6, &txtETime})
        hidden->setVisible(false);

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
    DBGrid1.setColumnHeaders(true);
    DBGrid1.setRecordSelectors(true);
    DBGrid1.setRowDividerStyle(kDarkGreyDividers);
    DBGrid1.setScrollBars(kVertical);
    DBGrid1.setBackColor(settings::kWhite);
    DBGrid1.setAllowUpdate(true);
    DBGrid1.setAllowAddNew(true);
    DBGrid1.setAllowDelete(true);
    DBGrid1.Move(120, 1080, 13935, 5895);
    DBGrid1.setDataSource(datReserv);

    for (auto [button, words, tip, left] : {std::tuple{&cmdExcel, "Exporting to Excel", "Print Reports", 10920.0},
                                            std::tuple{&cmdClose, "Back", "", 12480.0}}) {
        button->setStyle(1);
        button->setPicture(ui::Picture::design(words));
        button->setToolTipText(tip);
        button->Move(left, 7080, 1455, 800);
    }

    datReserv.setConnect("Access 2000;");
    datReserv.setRecordSource(std::string(kReservationTable));
    datReserv.setVisible(false);

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
