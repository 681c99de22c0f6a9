#include "reports/frmRepDy.h"

#include <array>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "folio/stores.h"
#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/ui/design.h"
#include "reports/common.h"
#include "reports/frmBMReport.h"
#include "reports/stores.h"
#include "settings/common.h"
#include "settings/export.h"
#include "shell/stores.h"

namespace pelk::reports {

namespace {

constexpr const char* kZero = "0.00";
constexpr const char* kEmployeeSource = "SELECT * FROM tbEmplo ORDER BY szID_no ASC";
constexpr const char* kShiftStart = "12:00 AM";
constexpr const char* kShiftClose = "11:59 PM";
constexpr int kNoDividers = 0;
constexpr const char* kMoney = "$#,##0.00_);($#,##0.00)";

const std::vector<settings::SheetColumn> kSheet = {
    {"Invoice", "Inv", ""},          {"Employees", "ID", ""},         {"Date", "Date", "m/d/yyyy_);(m/d/yyyy)"},
    {"Time", "Time", "h:mm AM/PM"},  {"Sale Price", "Total", kMoney}, {"Method", "Method", ""},
    {"Received", "Receive", kMoney},
};
constexpr int kReceivedColumn = 7;
constexpr int kLightGreyDividers = 6;

// The filter tags the front-desk view lists by: the front desk's folios, and the mark Search and
// the clerk list leave, which no order bears.
constexpr const char* kFrontDesk = "Zu";
constexpr const char* kSearched = "Seach";

// A box's text read back as the amount it shows (thousands separators included).
core::Money shown(const ui::TextBox& box) { return core::amountOrZero(box.text()); }

// The title's face, underlined, and the search's.
constexpr ui::FontRole kTitleFont{"Arial", 14.25, true, false, true};
constexpr ui::FontRole kSearchFont{"MS Serif", 8.25, true};

// The summary's amounts, right-aligned in their green boxes.
const std::initializer_list<ui::DesignProperty> kPanelAmount = {
    {"BackColor", ui::color::kLightGreen}, {"Font", ui::font::kDialogBold}, {"Alignment", ui::kRightJustify}};

const ui::FormDesign kDesign{
    {{"Caption", "Sales Reports"}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 12285}, {"Height", 7740}},
    {
        {"Label1",
         {360, 360, 2295, 495},
         {{"Caption", "Sales Reports"},
          {"Font", kTitleFont},
          {"ForeColor", ui::color::kDarkBlue},
          {"BackStyle", 0},
          {"ToolTipText", "Exit"}}},
        {"Label3",
         {3720, 360, 2055, 255},
         {{"Caption", "Search by Employees ID:"}, {"Font", kSearchFont}, {"BackStyle", 0}}},
        {"txtID", {3840, 645, 855, 360}, {{"BackColor", ui::color::kWhite}, {"Font", ui::font::kSans10Bold}}},
        {"cmbID", {4680, 645, 975, 360}, {{"BackColor", ui::color::kLightGreen}, {"Font", ui::font::kSans10Bold}}},
        {"cmdSearch",
         {5640, 630, 855, 375},
         {{"Caption", "Search"},
          {"Style", 1},
          {"BackColor", ui::color::kLightYellow},
          {"Font", ui::font::kSans10Bold}}},
        {"Label25", {6600, 390, 630, 255}, {{"Caption", "From:"}, {"Font", ui::font::kSans10Bold}, {"BackStyle", 0}}},
        {"Label26", {6840, 720, 375, 255}, {{"Caption", "To:"}, {"Font", ui::font::kSans10Bold}, {"BackStyle", 0}}},
        {"txtFrom", {7320, 420, 1335, 285}, {{"Font", ui::font::kSans10Bold}, {"Alignment", ui::kCenter}}},
        {"txtTo", {7320, 720, 1335, 312}, {{"Font", ui::font::kSans10Bold}, {"Alignment", ui::kCenter}}},
        {"cmdTotal",
         {7800, 1320, 855, 1215},
         {{"Caption", "All"},
          {"Style", 1},
          {"BackColor", ui::color::kWhite},
          {"Font", ui::font::kSans13Bold},
          {"ToolTipText", "Double Click"}}},
        {"imgRDS", {7800, 3240, 705, 1140}, {{"Picture", ui::picture("Lines")}, {"Stretch", true}}},
        {"datOrder", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datEmploye", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"DatSet", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"DBGrid1",
         {240, 1200, 7575, 5895},
         {{"BackColor", ui::color::kWhite},
          {"ColumnHeaders", true},
          {"RecordSelectors", false},
          {"ScrollBars", 2},
          {"AllowUpdate", true},
          {"AllowAddNew", true},
          {"AllowDelete", true},
          {"RowDividerStyle", kNoDividers}}},
        // The summary's panel: a white card with its shadow, the figures in green on it.
        {"Label7", {9240, 150, 2085, 3810}, {{"BackColor", ui::color::kDarkGrey}}},
        {"Label4", {9120, 90, 2085, 3810}, {{"BackColor", ui::color::kWhite}}},
        {"txtChk",
         {9360, 1560, 495, 285},
         {{"BackColor", ui::color::kLightGreen}, {"Font", ui::font::kDialogBold}, {"Alignment", ui::kCenter}}},
        {"txtAmount", {9840, 1560, 1095, 285}, kPanelAmount},
        {"txtReceived", {9840, 2120, 1095, 285}, kPanelAmount},
        {"txtCCard", {9840, 2595, 1095, 285}, kPanelAmount},
        {"txtCoupon", {9840, 3075, 1095, 285}, kPanelAmount},
        {"txtTotalReceived", {9360, 3560, 1575, 285}, kPanelAmount},
        // The boxes the summary reads and writes, never shown.
        {"txtTax", {9360, 3960, 1095, 285}, {{"Visible", false}}},
        {"txtSub", {9360, 3960, 1095, 285}, {{"Visible", false}}},
        {"Label5", {}, {{"Caption", "Start Time:"}, {"Visible", false}}},
        {"Label6", {}, {{"Caption", "End Time:"}, {"Visible", false}}},
        {"txtSTime", {}, {{"Text", kShiftStart}, {"Alignment", ui::kCenter}, {"Visible", false}}},
        {"txtETime", {}, {{"Text", kShiftClose}, {"Alignment", ui::kCenter}, {"Visible", false}}},
        {"cmdExcel",
         {8880, 4080, 1320, 855},
         {{"Style", 1}, {"Picture", ui::picture("Exporting to Excel")}, {"ToolTipText", "Print Reports"}}},
        {"cmdPrintPrev",
         {10200, 4080, 1320, 855},
         {{"Style", 1}, {"Picture", ui::picture("Export n Print Preview")}, {"ToolTipText", "Print Reports"}}},
        {"cmdPSummary", {9720, 5160, 1335, 1095}, {{"Style", 1}, {"Picture", ui::picture("Print Summary")}}},
        {"cmdClose",
         {9600, 6600, 1455, 720},
         {{"Style", 1},
          {"Picture", ui::picture("Back")},
          {"BackColor", ui::color::kLightGrey},
          {"MouseIcon", ui::picture("Back")},
          {"MousePointer", 99}}},
    }};

}  // namespace

frmRepDy::frmRepDy() {
    ui::applyDesign(*this, kDesign);
    // The summary's captions, each over its box on the panel.
    for (auto [caption, text, at] : {
             std::tuple{&Label2, "Chks", ui::DesignRect{9360, 1320, 495, 255}},
             std::tuple{&lblAmount, "Total Sales:", ui::DesignRect{9840, 1320, 1095, 255}},
             std::tuple{&lblReceived, "Cash Received:", ui::DesignRect{9360, 1920, 1575, 255}},
             std::tuple{&Label8, "Credit Card:", ui::DesignRect{9360, 2400, 1095, 255}},
             std::tuple{&Label9, "Coupont:", ui::DesignRect{9360, 2880, 855, 255}},
             std::tuple{&Label10, "Total Received:", ui::DesignRect{9240, 3360, 1695, 375}},
         })
        ui::applyDesign(*this, {{caption->name(),
                                 at,
                                 {{"Caption", text},
                                  {"BackStyle", 0},
                                  {"ForeColor", ui::color::kDeepGreen},
                                  {"Font", ui::font::kDialogBold}}}});

    DBGrid1.setColumns({{"Inv", "Inv", 615, ""},
                        {"ID", "ID", 570, ""},
                        {"Total", "Total:", 795, "Currency"},
                        {"Date", "Ck Out Date", 990, "Short Date"},
                        {"Time", "Time", 960, "Medium Time"},
                        {"Room", "Room", 570, ""},
                        {"Receive", "Cash:", 705, "Currency"},
                        {"szCard_amt", "Card:", 720, "Currency"},
                        {"szType_Card", "Type", 555, "Standard"},
                        {"szCoupon_amt", "Coupon:", 720, "Currency"},
                        {"1", "", 840, ""}});
    DBGrid1.setDataSource(datOrder);

    cmdTotal.onClick([this] { cmdTotal_Click(); });
    txtID.onChange([this] { txtID_Change(); });
    cmdSearch.onClick([this] { cmdSearch_Click(); });
    cmbID.onClick([this] { cmbID_Click(); });
    cmbID.onChange([this] { cmbID_Change(); });
    imgRDS.onClick([this] { imgRDS_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    Label1.onClick([this] { Label1_Click(); });
    cmdPSummary.onClick([this] { cmdPSummary_Click(); });
    cmdExcel.onClick([this] { cmdExcel_Click(); });
    cmdPrintPrev.onClick([this] { cmdPrintPrev_Click(); });
}

void frmRepDy::Form_Load() {
    settings::CentreForm(*this, 5);
    core::Date today = core::clock::today();
    txtFrom.setText(core::shortDate(today));
    txtTo.setText(core::shortDate(today));

    // The shift times stay in the program folder. A store without a row would empty the two
    // bound boxes, so they are let go and keep the day's bounds, as for a store that cannot be read.
    DatSet.setDatabaseName(os::programPath(kShiftStore));
    DatSet.setRecordSource("tbSetInfor");
    DatSet.bind(txtSTime, "szOshift_time");
    DatSet.bind(txtETime, "szCshift_time");
    if (db::Status opened = DatSet.Refresh(); !opened) {
        DatSet.report(opened.error());
    } else if (DatSet.Recordset().eof()) {
        DatSet.unbind(txtSTime);
        DatSet.unbind(txtETime);
        txtSTime.setText(kShiftStart);
        txtETime.setText(kShiftClose);
    }

    datOrder.setDatabaseName(folio::stationOrderBook());
    datEmploye.setDatabaseName(settings::ResolveDataPath(shell::kEmployeeStore));
    // Today's orders of every kind; the data control opens them once the screen is loaded.
    std::string day = db::dateLiteral(today);
    datOrder.setRecordSource("SELECT * FROM tblZu_Order WHERE Date Between " + day + " And " + day + ";");

    datEmploye.setRecordSource(kEmployeeSource);
    if (db::Status opened = datEmploye.Refresh(); !opened) {
        datEmploye.report(opened.error());
        return;
    }
    ui::DataRecordset& staff = datEmploye.Recordset();
    for (db::Status st = staff.MoveFirst(); st && !staff.eof(); st = staff.MoveNext()) {
        auto id = staff.field("szID_no");
        if (id && !id->isNull()) cmbID.AddItem(id->toText());
    }
}

// ---- The views ----

void frmRepDy::showView(const std::string& condition, bool clerkView) {
    auto dates = dateRange(txtFrom, txtTo);
    if (!dates) return;
    const std::string period = " And Date Between " + dates->first + " And " + dates->second + "; ";

    auto book = db::Database::open(datOrder.databaseName());
    if (!book) return datOrder.report(book.error());
    // The five sums in one reading of the orders the view lists.
    const std::array<std::pair<const char*, const char*>, 5> fields = {{
        {"tblZu_Order.Total", "SumOfTotal"},
        {"tblZu_Order.Tax", "SumOfTax"},
        {"tblZu_Order.Receive", "SumOfReceive"},
        {"tblZu_Order.szCard_amt", "SumOfszCard_amt"},
        {"tblZu_Order.szCoupon_amt", "SumOfszCoupon_amt"},
    }};
    std::string select;
    for (auto [field, alias] : fields) {
        if (!select.empty()) select += ", ";
        select += "Sum(" + std::string(field) + ") AS " + alias;
    }
    auto sum = book->openRecordset("SELECT " + select + " FROM tblZu_Order WHERE " + condition + period);
    if (!sum) return datOrder.report(sum.error());
    std::array<core::Money, 5> sums{};
    for (std::size_t i = 0; i < fields.size() && !sum->eof(); ++i) {
        auto v = sum->field(fields[i].second);
        if (!v) return datOrder.report(v.error());
        if (!v->isNull()) sums[i] = v->toMoney();
    }

    datOrder.setRecordSource("SELECT * FROM tblZu_Order WHERE " + condition + period);
    if (db::Status listed = datOrder.Refresh(); !listed) return datOrder.report(listed.error());
    long count = datOrder.Recordset().recordCount();

    if (count <= 0) {
        for (ui::TextBox* box : {&txtChk, &txtAmount, &txtTax, &txtReceived, &txtCCard, &txtCoupon, &txtTotalReceived})
            box->setText(kZero);
        return;
    }
    txtChk.setText(std::to_string(count));
    txtAmount.setText(core::format(sums[0], core::kAmountFormat));
    txtTax.setText(core::format(sums[1], core::kAmountFormat));
    txtReceived.setText(core::format(sums[2], core::kAmountFormat));
    txtCCard.setText(core::format(sums[3], core::kAmountFormat));
    txtCoupon.setText(core::format(sums[4], core::kAmountFormat));
    // A clerk's cash is what was received less what went on a card.
    if (clerkView) txtReceived.setText(core::format(shown(txtReceived) - shown(txtCCard), core::kAmountFormat));
    txtTotalReceived.setText(
        core::format(shown(txtReceived) + shown(txtCCard) + shown(txtCoupon), core::kAmountFormat));
}

void frmRepDy::ShowMethodSales() { showView("Method Like '" + db::likePattern(txtAmount.tag()) + "'", false); }

void frmRepDy::SumClerkSales() { showView("ID Like '" + db::likePattern(txtID.text()) + "'", true); }

void frmRepDy::cmdTotal_Click() {
    cmdTotal.setBackColor(ui::color::kRed);
    txtAmount.setTag(kFrontDesk);
    ShowMethodSales();
}

void frmRepDy::txtID_Change() { SumClerkSales(); }

// Search and a pick list the clerk's invoices and sum those same invoices.
void frmRepDy::cmdSearch_Click() {
    txtAmount.setTag(kSearched);
    SumClerkSales();
}

void frmRepDy::cmbID_Click() {
    const bool same = txtID.text() == cmbID.text();
    txtID.setText(cmbID.text());
    // A new ID has just run the clerk's view; the same one is set again.
    if (same) SumClerkSales();
}

// What is typed into the list does not stay: the ID box holds the clerk.
void frmRepDy::cmbID_Change() {
    cmbID.setText(txtID.text());
    txtAmount.setTag(kSearched);
}

void frmRepDy::imgRDS_Click() {
    DBGrid1.setRowDividerStyle(DBGrid1.rowDividerStyle() == kNoDividers ? kLightGreyDividers : kNoDividers);
}

void frmRepDy::cmdClose_Click() { settings::CloseToHub<frmBMReport>(*this); }

void frmRepDy::Label1_Click() { Unload(); }

// ---- Shift summary ----

// The boxes as they stand, on the front printer; the sub total is worked out on the way.
void frmRepDy::cmdPSummary_Click() {
    settings::SelectFrontPrinter();
    print::Printer& p = print::printer();
    p.FontSize = 14;
    p.FontName = "Courier New";
    p.print("          Date: " + core::shortDate(core::clock::today()));
    p.print();
    p.print("Shift starting: " + txtSTime.text());
    p.print(" Shift closing: " + txtETime.text());
    p.print(std::string(25, '-'));
    p.print();
    // A total typed over with something that is no amount keeps the sub total there was.
    auto sales = core::Money::parse(txtAmount.text());
    auto tax = core::Money::parse(txtTax.text());
    if (sales && tax) txtSub.setText(core::format(*sales - *tax, core::kAmountFormat));
    if (auto sub = core::Money::parse(txtSub.text())) txtSub.setText(core::format(*sub, core::kAmountFormat));
    p.print("   Sub Total: " + txtSub.text());
    p.print("   Tax Total: " + txtTax.text());
    p.print(" Total Sales: " + txtAmount.text());
    p.print();
    p.print("Cash Received: " + txtReceived.text());
    p.print("Credit Card: " + txtCCard.text());
    p.print("     Coupon: " + txtCoupon.text());
    p.print();
    p.print("Total Received: " + txtTotalReceived.text());
    if (std::string failed = p.EndDoc(); !failed.empty())
        ui::MsgBox("The shift summary was not printed. " + failed, ui::kExclamation);
}

// ---- Export ----

// The received amount goes in only where it is no zero: a 0 or an empty amount leaves the cell empty.
sheet::Workbook* frmRepDy::ExcelLoadSales() {
    return settings::ExcelLoadSales(goExcel, datOrder.Recordset(), kSheet, [](int column, const core::Value& v) {
        return column != kReceivedColumn || v.toText() != "0";
    });
}

void frmRepDy::cmdExcel_Click() { settings::handOver(ExcelLoadSales(), settings::Hand::Show); }

void frmRepDy::cmdPrintPrev_Click() { settings::handOver(ExcelLoadSales(), settings::Hand::Preview); }

}  // namespace pelk::reports
