#include "reports/frmReports.h"

#include <initializer_list>
#include <optional>
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
#include "platform/ui/screen.h"
#include "reports/common.h"
#include "reports/expenses.h"
#include "reports/frmBMReport.h"
#include "reports/frmRepAPV.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::reports {

namespace {

constexpr const char* kZero = "0.00";
constexpr double kFigureLeft = 4200;
constexpr double kFigureWidth = 1215;

// The hourglass while the statement is computed, the normal pointer again however it ends.
class Hourglass {
public:
    Hourglass() { ui::screen().setMousePointer(ui::kHourglass); }
    ~Hourglass() { ui::screen().setMousePointer(ui::kDefaultPointer); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

// A figure's text read back as the amount it shows (thousands separators included).
core::Money shown(const ui::Label& figure) { return core::amountOrZero(figure.caption()); }

// One category's sum over the range: the day sums of its entries added exactly. A day whose
// amounts are all empty adds nothing. The range picks the entries before they are grouped, so
// only its entries are read, however many years the table keeps.
db::Result<core::Money> categorySum(const db::Database& store, const std::string& table, const std::string& from,
                                    const std::string& to) {
    auto days = store.openRecordset("SELECT Sum(" + table + ".Total) AS SumOfTotal FROM " + table + " WHERE ((" +
                                    table + ".Date) Between " + from + " And " + to + ") GROUP BY " + table + ".Date;");
    if (!days) return days.error();
    core::Money sum;
    for (db::Status st = days->MoveFirst(); st && !days->eof(); st = days->MoveNext()) {
        auto day = days->field("SumOfTotal");
        if (!day) return day.error();
        if (!day->isNull()) sum += day->toMoney();
    }
    return sum;
}

// The sales and the tax of one channel's orders over the range.
struct ChannelSums {
    core::Money sales;
    core::Money tax;
};
// `methods` is the channel's criterion on the order's Method.
db::Result<ChannelSums> channelSums(const db::Database& book, const std::string& methods, const std::string& from,
                                    const std::string& to) {
    auto sums = book.openRecordset("SELECT Sum(Total) AS SumOfTotal, Sum(Tax) AS SumOfTax FROM tblZu_Order WHERE (" +
                                   methods + ") AND [Date] Between " + from + " And " + to + ";");
    if (!sums) return sums.error();
    ChannelSums c;
    if (sums->eof()) return c;
    for (auto [field, into] : {std::pair{"SumOfTotal", &c.sales}, std::pair{"SumOfTax", &c.tax}}) {
        auto v = sums->field(field);
        if (!v) return v.error();
        if (!v->isNull()) *into = v->toMoney();
    }
    return c;
}

void tellUnread(const std::string& what, const db::Error& e) {
    ui::MsgBox("The income statement was not computed: " + what + " could not be read. " + e.reason, ui::kCritical);
}

// The title's face, underlined, and the language button's.
constexpr ui::FontRole kTitleFont{"Arial", 12, true, false, true};
constexpr ui::FontRole kLanguageFont{"Times New Roman", 14.25, true, true};

// A figure of the statement, right-aligned; it reads 0.00 until the statement is computed.
const std::initializer_list<ui::DesignProperty> kFigure = {
    {"Caption", kZero}, {"Alignment", ui::kRightJustify}, {"BackStyle", 0}};
// A category's figure leads to its entries: a small report picture for a pointer says so.
const std::initializer_list<ui::DesignProperty> kCategoryFigure = {{"Caption", kZero},
                                                                   {"Alignment", ui::kRightJustify},
                                                                   {"BackStyle", 0},
                                                                   {"ToolTipText", "Click here for details"},
                                                                   {"MouseIcon", ui::picture("Report")},
                                                                   {"MousePointer", 99}};
const std::initializer_list<ui::DesignProperty> kUntippedCategoryFigure = {{"Caption", kZero},
                                                                           {"Alignment", ui::kRightJustify},
                                                                           {"BackStyle", 0},
                                                                           {"MouseIcon", ui::picture("Report")},
                                                                           {"MousePointer", 99}};
// The tax figures are computed from the orders, never edited.
const std::initializer_list<ui::DesignProperty> kTaxFigure = {
    {"Caption", kZero}, {"Alignment", ui::kRightJustify}, {"BackStyle", 0}, {"ToolTipText", "Can't Edit"}};

// Beside each English caption lies the picture of its second-language caption, shown in its place.
const ui::FormDesign kDesign{
    // The notebook page the statement is written on.
    {{"Caption", "Income Statement"},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"BackColor", ui::color::kWhite},
     {"Width", 11400},
     {"Height", 7400}},
    {
        {"Label28",
         {3720, 240, 2115, 315},
         {{"Caption", "Income Statement"}, {"Font", kTitleFont}, {"ForeColor", ui::color::kBlue}, {"BackStyle", 0}}},
        {"Image24", {5880, 240, 480, 240}, {{"Picture", ui::picture("總計")}, {"Stretch", true}, {"Visible", false}}},
        // The range and the buttons, down the right edge.
        {"Label24", {9960, 360, 1000, 255}, {{"Caption", "(From):"}, {"BackStyle", 0}}},
        {"Image25", {9720, 360, 240, 240}, {{"Picture", ui::picture("從")}, {"Stretch", true}, {"Visible", false}}},
        {"txtFrom", {9840, 600, 1320, 315}, {{"Text", "Date 1"}}},
        {"Label25", {9960, 1080, 1000, 255}, {{"Caption", "(To):"}, {"BackStyle", 0}}},
        {"Image26", {9720, 1080, 240, 240}, {{"Picture", ui::picture("到")}, {"Stretch", true}, {"Visible", false}}},
        {"txtTo", {9840, 1320, 1320, 315}, {{"Text", "Date2"}}},
        {"comReport",
         {9840, 1800, 1320, 855},
         {{"Style", 1}, {"Picture", ui::picture("Cal.")}, {"BackColor", ui::color::kPaleGreen}}},
        {"cmdEtoC",
         {9840, 2760, 1320, 675},
         {{"Style", 1},
          {"Caption", "C"},
          {"BackColor", ui::color::kYellow},
          {"Font", kLanguageFont},
          {"ToolTipText", "Chinese n English"}}},
        {"cmdPrint",
         {9840, 4680, 1320, 855},
         {{"Style", 1}, {"Picture", ui::picture("Print")}, {"ToolTipText", "Print Reports"}}},
        {"imgExit",
         {9840, 6600, 1320, 600},
         {{"Picture", ui::picture("EXIT")}, {"Stretch", true}, {"ToolTipText", "Exit"}}},
        {"datResult", {}, {{"Connect", "Access 2000;"}, {"Visible", false}, {"Caption", "Result"}}},
        {"datOrdr", {}, {{"Connect", "Access 2000;"}, {"Visible", false}, {"Caption", "datOrdr"}}},
        // Revenue: delivery and take-out on the first row, dine-in below, the total on the third.
        {"Label1", {1800, 600, 960, 255}, {{"Caption", "Delivery: "}, {"BackStyle", 0}}},
        {"Image3", {1320, 600, 480, 240}, {{"Picture", ui::picture("送餐")}, {"Stretch", true}, {"Visible", false}}},
        {"lblSTotal", {2760, 600, 1000, 255}, kFigure},
        {"Label2", {4320, 600, 960, 255}, {{"Caption", "Take-Out: "}, {"BackStyle", 0}}},
        {"Image2", {3840, 600, 480, 240}, {{"Picture", ui::picture("外買")}, {"Stretch", true}, {"Visible", false}}},
        {"lblTakeOut", {5280, 600, 1000, 255}, {{"Caption", kZero}, {"Alignment", ui::kLeftJustify}, {"BackStyle", 0}}},
        {"Label3", {1800, 900, 960, 255}, {{"Caption", "Dine-In: "}, {"BackStyle", 0}}},
        {"Image4", {1320, 900, 480, 240}, {{"Picture", ui::picture("堂吃")}, {"Stretch", true}, {"Visible", false}}},
        {"lblDineIn", {2760, 900, 1000, 255}, kFigure},
        {"Label4", {6120, 1200, 1320, 255}, {{"Caption", "Total Revenue"}, {"BackStyle", 0}, {"FontBold", true}}},
        {"Image1", {5640, 1200, 480, 240}, {{"Picture", ui::picture("總計")}, {"Stretch", true}, {"Visible", false}}},
        {"lblSales",
         {7440, 1200, 1200, 255},
         {{"Caption", kZero}, {"Alignment", ui::kRightJustify}, {"BackStyle", 0}, {"FontBold", true}}},
        // The tax row among the expenses: each channel's tax, and their total, which Total
        // Expenses leaves out.
        {"Label11", {1800, 3165, 960, 255}, {{"Caption", "Tax Expense"}, {"BackStyle", 0}}},
        {"Image11", {1320, 3165, 480, 240}, {{"Picture", ui::picture("稅收")}, {"Stretch", true}, {"Visible", false}}},
        {"Label26", {2820, 3165, 720, 255}, {{"Caption", "Take-Out"}, {"BackStyle", 0}}},
        {"lblTOtax", {3540, 3165, 600, 255}, kTaxFigure},
        {"Label27", {4260, 3165, 840, 255}, {{"Caption", "+ Delivery "}, {"BackStyle", 0}}},
        {"lblDytax", {5100, 3165, 600, 255}, kTaxFigure},
        {"Label29", {5820, 3165, 780, 255}, {{"Caption", "+ Dine-In "}, {"BackStyle", 0}}},
        {"lblDItax", {6600, 3165, 600, 255}, kTaxFigure},
        {"Label30", {7320, 3165, 120, 255}, {{"Caption", "="}, {"BackStyle", 0}}},
        {"lblTax", {7440, 3165, 1200, 255}, kTaxFigure},
        // The totals at the foot of the page.
        {"Label22", {5520, 6450, 1560, 255}, {{"Caption", "Total Expenses"}, {"BackStyle", 0}, {"FontBold", true}}},
        {"Image22",
         {4800, 6450, 705, 240},
         {{"Picture", ui::picture("總支出")}, {"Stretch", true}, {"Visible", false}}},
        {"lblTOE",
         {7440, 6450, 1200, 255},
         {{"Caption", kZero}, {"Alignment", ui::kRightJustify}, {"BackStyle", 0}, {"FontBold", true}}},
        {"Label23",
         {5520, 6810, 1560, 255},
         {{"Caption", "Net Income"}, {"BackStyle", 0}, {"FontBold", true}, {"ForeColor", ui::color::kNavy}}},
        {"Image23", {5040, 6810, 480, 240}, {{"Picture", ui::picture("收入")}, {"Stretch", true}, {"Visible", false}}},
        {"lblNetIncome",
         {7440, 6810, 1200, 255},
         {{"Caption", kZero},
          {"Alignment", ui::kRightJustify},
          {"BackStyle", 0},
          {"FontBold", true},
          {"ForeColor", ui::color::kNavy}}},
    }};

}  // namespace

frmReports::frmReports() {
    ui::applyDesign(*this, kDesign);
    // An image has no colour to design by name, yet the words of its picture are drawn in it.
    Image24.setForeColor(ui::color::kDarkBlue);

    // The expenses, a category a row: its caption, its second-language picture and its figure.
    for (auto [caption, text, picture, words, figure, top] : {
             std::tuple{&Label5, "Auto Expense", &Image5, "汽車", &lblAuto, 1485.0},
             std::tuple{&Label6, "Bank Charges", &Image6, "銀行", &lblBank, 1755.0},
             std::tuple{&Label7, "Advertising Expense", &Image7, "广告", &lblAdvertising, 2040.0},
             // A row's height below Advertising (its design top, 2265, let the two rows touch).
             std::tuple{&Label8, "Salaries Expense", &Image8, "薪水", &lblSalary, 2310.0},
             std::tuple{&Label9, "Meals n Entertainment", &Image9, "娛樂", &lblMeal, 2565.0},
             std::tuple{&Label10, "Office Expense", &Image10, "公司", &lblOffice, 2865.0},
             std::tuple{&Label12, "Penalties n Fines Exp", &Image12, "罰款", &lblFines, 3465.0},
             std::tuple{&Label13, "Professional  Exp", &Image13, "律師", &lblProfessional, 3765.0},
             std::tuple{&Label14, "Insurance Expense", &Image14, "保險", &lblInsurance, 4035.0},
             std::tuple{&Label15, "Rent n Lease Expense", &Image15, "店租", &lblRent, 4365.0},
             std::tuple{&Label16, "Repairs Maintenance", &Image16, "維修", &lblRepairs, 4665.0},
             std::tuple{&Label17, "Supplies Expense", &Image17, "食品", &lblSupplies, 4965.0},
             std::tuple{&Label18, "Telephone Expense", &Image18, "電話", &lblTelep, 5250.0},
             std::tuple{&Label19, "Travel Expense", &Image19, "旅行", &lblTravel, 5565.0},
             std::tuple{&Label20, "Utilities Expense", &Image20, "電費", &lblUtilities, 5850.0},
             std::tuple{&Label21, "Other Expense", &Image21, "其它", &lblOther, 6165.0},
         }) {
        bool tipped = figure != &lblMeal && figure != &lblOther;
        ui::applyDesign(*this, {
                                   {caption->name(), {1800, top, 2280, 255}, {{"Caption", text}, {"BackStyle", 0}}},
                                   {picture->name(),
                                    {1320, top, 480, 240},
                                    {{"Picture", ui::picture(words)}, {"Stretch", true}, {"Visible", false}}},
                                   {figure->name(),
                                    {kFigureLeft, top, kFigureWidth, 255},
                                    tipped ? kCategoryFigure : kUntippedCategoryFigure},
                               });
    }

    comReport.onClick([this] { comReport_Click(); });
    cmdPrint.onClick([this] { cmdPrint_Click(); });
    cmdEtoC.onClick([this] { cmdEtoC_Click(); });
    imgExit.onClick([this] { imgExit_Click(); });
    Label28.onClick([this] { Label28_Click(); });
    lblAuto.onClick([this] { lblAuto_Click(); });
    lblBank.onClick([this] { lblBank_Click(); });
    lblAdvertising.onClick([this] { lblAdvertising_Click(); });
    lblSalary.onClick([this] { lblSalary_Click(); });
    lblMeal.onClick([this] { lblMeal_Click(); });
    lblOffice.onClick([this] { lblOffice_Click(); });
    lblFines.onClick([this] { lblFines_Click(); });
    lblProfessional.onClick([this] { lblProfessional_Click(); });
    lblInsurance.onClick([this] { lblInsurance_Click(); });
    lblRent.onClick([this] { lblRent_Click(); });
    lblRepairs.onClick([this] { lblRepairs_Click(); });
    lblSupplies.onClick([this] { lblSupplies_Click(); });
    lblTelep.onClick([this] { lblTelep_Click(); });
    lblTravel.onClick([this] { lblTravel_Click(); });
    lblUtilities.onClick([this] { lblUtilities_Click(); });
    lblOther.onClick([this] { lblOther_Click(); });
}

std::array<frmReports::CategoryFigure, 16> frmReports::categoryFigures() {
    return {{{&lblAuto, "Auto"},
             {&lblBank, "Bank"},
             {&lblAdvertising, "Advertising"},
             {&lblSalary, "Salary"},
             {&lblMeal, "Meal"},
             {&lblOffice, "Office"},
             {&lblInsurance, "Insurance"},
             {&lblRent, "Rent"},
             {&lblRepairs, "Repairs"},
             {&lblSupplies, "Supplies"},
             {&lblTelep, "Telephone"},
             {&lblUtilities, "Utilities"},
             {&lblFines, "Fines"},
             {&lblProfessional, "Professional"},
             {&lblTravel, "Travel"},
             {&lblOther, "Other"}}};
}

void frmReports::Form_Load() {
    // The page keeps its own background.
    settings::CentreForm(*this, 5, false);
    // The channel sums read the order book where the sales report and the room screen find it.
    datOrdr.setDatabaseName(folio::stationOrderBook());
    datResult.setDatabaseName(os::programPath(kExpenseStore));
    std::string today = core::shortDate(core::clock::today());
    txtFrom.setText(today);
    txtTo.setText(today);
    if (ui::forms().get<settings::frmInfor>().chkEtoC.value() == 0) cmdEtoC.setVisible(false);
}

// ---- Computing ----

// Everything is read before any figure changes: a store or table that cannot be read leaves the
// statement as it stood, and the clerk is told which.
void frmReports::comReport_Click() {
    Hourglass wait;
    std::string today = core::shortDate(core::clock::today());
    if (txtFrom.text().empty()) txtFrom.setText(today);
    if (txtTo.text().empty()) txtTo.setText(today);
    auto dates = dateRange(txtFrom, txtTo);
    if (!dates) return;
    const auto& [from, to] = *dates;

    auto expenses = db::Database::open(datResult.databaseName());
    if (!expenses) return tellUnread(std::string(kExpenseStore), expenses.error());
    std::vector<std::pair<ui::Label*, core::Money>> sums;
    for (const CategoryFigure& c : categoryFigures()) {
        auto sum = categorySum(*expenses, std::string(expenseCategory(c.category).table), from, to);
        if (!sum) return tellUnread(std::string(expenseCategory(c.category).table) + " of Rep.mdb", sum.error());
        sums.emplace_back(c.figure, *sum);
    }

    auto book = db::Database::open(datOrdr.databaseName());
    if (!book) return tellUnread("the order book", book.error());
    std::vector<std::tuple<ui::Label*, ui::Label*, ChannelSums>> channels;
    // The front desk's folios are the hotel's in-house sales, so they count with dine-in.
    for (auto [sales, tax, methods] : {std::tuple{&lblDineIn, &lblDItax, "Method Like 'DI*' Or Method = 'Zu'"},
                                       std::tuple{&lblSTotal, &lblDytax, "Method Like 'Dy*'"},
                                       std::tuple{&lblTakeOut, &lblTOtax, "Method Like 'TO*'"}}) {
        auto c = channelSums(*book, methods, from, to);
        if (!c) return tellUnread("tblZu_Order of the order book", c.error());
        channels.emplace_back(sales, tax, *c);
    }

    for (auto& [figure, sum] : sums) figure->setCaption(core::format(sum, core::kAmountFormat));
    for (auto& [sales, tax, c] : channels) {
        sales->setCaption(core::format(c.sales, core::kAmountFormat));
        tax->setCaption(core::format(c.tax, core::kAmountFormat));
    }
    // The totals add what the figures show, so each figure counts exactly as shown.
    core::Money expensesShown;
    for (const CategoryFigure& c : categoryFigures()) expensesShown += shown(*c.figure);
    lblTOE.setCaption(core::format(expensesShown, core::kAmountFormat));
    core::Money revenue = shown(lblDineIn) + shown(lblSTotal) + shown(lblTakeOut);
    lblSales.setCaption(core::format(revenue, core::kAmountFormat));
    lblNetIncome.setCaption(core::format(revenue - expensesShown, core::kAmountFormat));
    lblTax.setCaption(core::format(shown(lblDItax) + shown(lblTOtax) + shown(lblDytax), core::kAmountFormat));
}

// ---- Printing ----

// What the screen shows now, on the current printer in its current font; no recomputation.
void frmReports::cmdPrint_Click() {
    print::Printer& p = print::printer();
    std::string company = ui::forms().get<settings::frmInfor>().txtL1.text();
    const std::vector<std::string> lines = {
        "",
        "",
        "       Income Statement",
        "             For",
        "       " + company,
        "",
        "",
        "FROM: " + txtFrom.text() + " TO:" + txtTo.text(),
        "",
        "Sales  ------ $" + lblDineIn.caption(),
        "Total of Sales        $" + lblSales.caption(),
        "",
        "Auto Expenses         $" + lblAuto.caption(),
        "Bank Expenses ------- $" + lblBank.caption(),
        "Advertising E         $" + lblAdvertising.caption(),
        "Salary Expens ------- $" + lblSalary.caption(),
        "Meals Enterta         $" + lblMeal.caption(),
        "Office Expens ------- $" + lblOffice.caption(),
        "Taxes Expense         $" + lblTax.caption(),
        "Penalties Exp ------- $" + lblFines.caption(),
        "Professional          $" + lblProfessional.caption(),
        "Insurance Exp ------- $" + lblInsurance.caption(),
        "Rent & Lease          $" + lblRent.caption(),
        "Repairs Maint ------- $" + lblRepairs.caption(),
        "Supplies Expe         $" + lblSupplies.caption(),
        "Telephone Exp ------- $" + lblTelep.caption(),
        "Travel Expens         $" + lblTravel.caption(),
        "Utilities Exp ------- $" + lblUtilities.caption(),
        "Other Expense         $" + lblOther.caption(),
        "Total Expenses        $" + lblTOE.caption(),
        "",
        "",
        "Net Income            $" + lblNetIncome.caption(),
    };
    for (const std::string& line : lines) p.print(line);
    if (std::string failed = p.EndDoc(); !failed.empty())
        ui::MsgBox("The income statement was not printed. " + failed, ui::kExclamation);
}

// ---- Second language, leaving ----

// The pictures stand beside the English captions, which stay.
void frmReports::cmdEtoC_Click() {
    settings::ToggleSecondLanguage(
        cmdEtoC, {}, {&Image1,  &Image2,  &Image3,  &Image4,  &Image5,  &Image6,  &Image7,  &Image8,  &Image9,
                      &Image10, &Image11, &Image12, &Image13, &Image14, &Image15, &Image16, &Image17, &Image18,
                      &Image19, &Image20, &Image21, &Image22, &Image23, &Image24, &Image25, &Image26});
}

void frmReports::imgExit_Click() { settings::CloseToHub<frmBMReport>(*this); }

void frmReports::Label28_Click() { Unload(); }

// ---- Drill-down ----

void frmReports::drillDown(std::string_view category) {
    auto dates = dateRange(txtFrom, txtTo);
    if (!dates) return;
    // Each drill-down gets a fresh list.
    ui::Unload<frmRepAPV>();
    frmRepAPV& list = ui::forms().get<frmRepAPV>();
    list.datExpenses.setRecordSource("SELECT * FROM " + std::string(expenseCategory(category).table) +
                                     " Where Date Between " + dates->first + " And " + dates->second + ";");
    if (db::Status read = list.datExpenses.Refresh(); !read) list.datExpenses.report(read.error());
    list.Show(ui::kModal);
}

void frmReports::lblAuto_Click() { drillDown("Auto"); }
void frmReports::lblBank_Click() { drillDown("Bank"); }
void frmReports::lblAdvertising_Click() { drillDown("Advertising"); }
void frmReports::lblSalary_Click() { drillDown("Salary"); }
void frmReports::lblMeal_Click() { drillDown("Meal"); }
void frmReports::lblOffice_Click() { drillDown("Office"); }
void frmReports::lblFines_Click() { drillDown("Fines"); }
void frmReports::lblProfessional_Click() { drillDown("Professional"); }
void frmReports::lblInsurance_Click() { drillDown("Insurance"); }
void frmReports::lblRent_Click() { drillDown("Rent"); }
void frmReports::lblRepairs_Click() { drillDown("Repairs"); }
void frmReports::lblSupplies_Click() { drillDown("Supplies"); }
void frmReports::lblTelep_Click() { drillDown("Telephone"); }
void frmReports::lblTravel_Click() { drillDown("Travel"); }
void frmReports::lblUtilities_Click() { drillDown("Utilities"); }
void frmReports::lblOther_Click() { drillDown("Other"); }

}  // namespace pelk::reports
