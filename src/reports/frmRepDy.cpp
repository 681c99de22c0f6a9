#include "reports/frmRepDy.h"

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "folio/stores.h"
#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
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
constexpr ui::Color kRed = 0x0000FF;
constexpr ui::Color kWhite = 0xFFFFFF;
constexpr ui::Color kGrey = 0x808080;
constexpr ui::Color kDarkBlue = 0xC00000;
constexpr ui::Color kDarkGreen = 0x004000;
constexpr ui::Color kLightYellow = 0xC0FFFF;
constexpr ui::Color kLightGrey = 0xE0E0E0;
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

void panelLabel(ui::Label& l, const char* caption, double left, double top, double width, double height = 255) {
    l.setCaption(caption);
    l.setBackStyle(0);
    l.setForeColor(kDarkGreen);
    l.setFont({"MS Sans Serif", 8.25, true});
    l.Move(left, top, width, height);
}

void panelBox(ui::TextBox& box, double left, double top, double width, int alignment = 1) {
    box.setBackColor(settings::kScreenGreen);
    box.setFont({"MS Sans Serif", 8.25, true});
    box.setAlignment(alignment);
    box.Move(left, top, width, 285);
}

}  // namespace

frmRepDy::frmRepDy() {
    setCaption("Sales Reports");
    setMdiChild(true);
    setBorderStyle(0);
    setWidth(12285);
    setHeight(7740);

    Label1.setCaption("Sales Reports");
    Label1.setFont({"Arial", 14.25, true, false, true});
    Label1.setForeColor(kDarkBlue);
    Label1.setBackStyle(0);
    Label1.setToolTipText("Exit");
    Label1.Move(360, 360, 2295, 495);
    Label3.setCaption("Search by Employees ID:");
    Label3.setFont({"MS Serif", 8.25, true});
    Label3.setBackStyle(0);
    Label3.Move(3720, 360, 2055, 255);
    txtID.setBackColor(kWhite);
    txtID.setFont({"MS Sans Serif", 9.75, true});
    txtID.Move(3840, 645, 855, 360);
    cmbID.setBackColor(settings::kScreenGreen);
    cmbID.setFont({"MS Sans Serif", 9.75, true});
    cmbID.Move(4680, 645, 975, 360);
    cmdSearch.setCaption("Search");
    cmdSearch.setStyle(1);
    cmdSearch.setBackColor(kLightYellow);
    cmdSearch.setFont({"MS Sans Serif", 9.75, true});
    cmdSearch.Move(5640, 630, 855, 375);
    for (auto [label, caption, left, top, width] :
         {std::tuple{&Label25, "From:", 6600.0, 390.0, 630.0}, std::tuple{&Label26, "To:", 6840.0, 720.0, 375.0}}) {
        label->setCaption(caption);
        label->setFont({"MS Sans Serif", 9.75, true});
        label->setBackStyle(0);
        label->Move(left, top, width, 255);
    }
    for (auto [box, top, height] : {std::tuple{&txtFrom, 420.0, 285.0}, std::tuple{&txtTo, 720.0, 312.0}}) {
        box->setFont({"MS Sans Serif", 9.75, true});
        box->setAlignment(2);
        box->Move(7320, top, 1335, height);
    }
    cmdTotal.setCaption("All");
    cmdTotal.setStyle(1);
    cmdTotal.setBackColor(kWhite);
    cmdTotal.setFont({"MS Sans Serif", 13.5, true});
    cmdTotal.setToolTipText("Double Click");
    cmdTotal.Move(7800, 1320, 855, 1215);
    imgRDS.setPicture(ui::Picture::design("Lines"));
    imgRDS.setStretch(true);
    imgRDS.Move(7800, 3240, 705, 1140);

    for (ui::Data* d : {&datOrder, &datEmploye, &DatSet}) {
        d->setConnect("Access 2000;");
        d->setVisible(false);
    }
    DBGrid1.Move(240, 1200, 7575, 5895);
    DBGrid1.setBackColor(kWhite);
    DBGrid1.setColumnHeaders(true);
    DBGrid1.setRecordSelectors(false);
    DBGrid1.setScrollBars(2);
    DBGrid1.setAllowUpdate(true);
    DBGrid1.setAllowAddNew(true);
    DBGrid1.setAllowDelete(true);
    DBGrid1.setRowDividerStyle(kNoDividers);
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

    Label7.setBackColor(kGrey);
    Label7.Move(9240, 150, 2085, 3810);
    Label4.setBackColor(kWhite);
    Label4.Move(9120, 90, 2085, 3810);
    panelLabel(Label2, "Chks", 9360, 1320, 495);
    panelBox(txtChk, 9360, 1560, 495, 2);
    panelLabel(lblAmount, "Total Sales:", 9840, 1320, 1095);
    panelBox(txtAmount, 9840, 1560, 1095);
    panelLabel(lblReceived, "Cash Received:", 9360, 1920, 1575);
    panelBox(txtReceived, 9840, 2120, 1095);
    panelLabel(Label8, "Credit Card:", 9360, 2400, 1095);
    panelBox(txtCCard, 9840, 2595, 1095);
    panelLabel(Label9, "Coupont:", 9360, 2880, 855);
    panelBox(txtCoupon, 9840, 3075, 1095);
    panelLabel(Label10, "Total Received:", 9240, 3360, 1695, 375);
    panelBox(txtTotalReceived, 9360, 3560, 1575);
    // The boxes the summary reads and writes, never shown.
    for (ui::TextBox* box : {&txtTax, &txtSub}) {
        box->Move(9360, 3960, 1095, 285);
        box->setVisible(false);
    }
    Label5.setCaption("Start Time:");
    Label6.setCaption("End Time:");
    for (ui::Label* l : {&Label5, &Label6}) l->setVisible(false);
    txtSTime.setText(kShiftStart);
    txtETime.setText(kShiftClose);
    for (ui::TextBox* box : {&txtSTime, &txtETime}) {
        box->setAlignment(2);
        box->setVisible(false);
    }

    for (auto [button, words, left] : {std::tuple{&cmdExcel, "Exporting to Excel", 8880.0},
                                       std::tuple{&cmdPrintPrev, "Export n Print Preview", 10200.0}}) {
        button->setStyle(1);
        button->setPicture(ui::Picture::design(words));
        button->setToolTipText("Print Reports");
        button->Move(left, 4080, 1320, 855);
    }
    cmdPSummary.setStyle(1);
    cmdPSummary.setPicture(ui::Picture::design("Print Summary"));
    cmdPSummary.Move(9720, 5160, 1335, 1095);
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.setBackColor(kLightGrey);
    cmdClose.Move(9600, 6600, 1455, 720);
    cmdClose.setMouseIcon(ui::Picture::design("Back"));
    cmdClose.setMousePointer(99);

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
    cmdTotal.setBackColor(kRed);
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
