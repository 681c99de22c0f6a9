#include "shell/frmRepTSht.h"

#include <string>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/db/db.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/stores.h"
#include "shell/timecards.h"

namespace pelk::shell {

namespace {

constexpr const char* kEmployeeSource = " SELECT * FROM tbEmplo ORDER BY szID_no ASC";
constexpr const char* kEmployeeCodes = "SELECT szID_no FROM tbEmplo ORDER BY szID_no ASC";
// The report hub is the reports', a later part: it is reached by name.
constexpr const char* kHub = "frmBMReport";

// The employee's cards are chosen by a literal match of the code: a typed "*" is no pattern.
std::string employeeCriterion(std::string_view id) { return "szID_no Like '" + db::likeLiteral(id) + "'"; }

const ui::FormDesign kDesign{
    {{"Caption", "Employees Time Sheet"},
     {"MDIChild", true},
     {"BackColor", ui::color::kLightGreen},
     {"Width", 12525},
     {"Height", 7965}},
    {
        {"lblTitle",
         {480, 720, 4215, 495},
         {{"Caption", "Employees Time Sheet"},
          {"Font", ui::font::kArial18Bold},
          {"ForeColor", ui::color::kBlue},
          {"BackStyle", 0}}},
        {"datTcd", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datEmploye", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"DBGrid1",
         {360, 1560, 8415, 5895},
         {{"ForeColor", ui::color::kDarkBlue},
          {"RecordSelectors", true},
          {"ScrollBars", 2},
          {"AllowUpdate", true},
          {"AllowDelete", true},
          {"AllowAddNew", false}}},
        {"lblShadow", {9360, 480, 3000, 3360}, {{"BackColor", ui::color::kDarkGrey}}},
        {"lblPanel", {9240, 360, 3000, 3360}, {{"BackColor", ui::color::kLightYellow}}},
        {"lblFrom", {9480, 360, 975, 255}, {{"Caption", "From:"}, {"BackStyle", 0}}},
        {"txtFrom", {9480, 600, 1215, 312}},
        {"lblTo", {10920, 360, 975, 255}, {{"Caption", "To:"}, {"BackStyle", 0}}},
        {"txtTo", {10920, 600, 1215, 312}},
        {"lblID", {9360, 1305, 975, 255}, {{"Caption", "ID:"}, {"BackStyle", 0}}},
        {"txtID", {10320, 1260, 735, 345}},
        {"cmbID", {11040, 1260, 855, 360}},
        {"lblName", {9360, 1770, 975, 255}, {{"Caption", "Name:"}, {"BackStyle", 0}}},
        {"txtName", {10320, 1755, 1695, 285}, {{"Font", ui::font::kDialogBold}}},
        {"lblHRate", {9360, 2295, 975, 255}, {{"Caption", "Per Hr:"}, {"BackStyle", 0}}},
        {"txtHRate", {10680, 2280, 1215, 285}},
        {"lblTHours", {9360, 2655, 975, 255}, {{"Caption", "Total Hrs:"}, {"BackStyle", 0}}},
        {"txtTHours", {10680, 2640, 1215, 285}},
        {"lblGP", {9360, 3180, 975, 255}, {{"Caption", "Wage:"}, {"BackStyle", 0}, {"ForeColor", ui::color::kBlue}}},
        {"txtGP", {10320, 3120, 1695, 375}, {{"Font", ui::font::kSans13Bold}}},
        {"lblTfrom", {2880, 1215, 975, 255}, {{"Caption", "Hour From:"}, {"BackStyle", 0}}},
        {"txtTfrom", {3960, 1200, 1150, 285}},
        {"lblTto", {5160, 1215, 675, 255}, {{"Caption", "Hour To:"}, {"BackStyle", 0}}},
        {"txtTto", {5880, 1200, 990, 255}},
        {"imgRenew",
         {8880, 5880, 690, 1455},
         {{"ToolTipText", "Renew"},
          {"Stretch", true},
          {"Picture", ui::picture("Renew")},
          {"Font", ui::font::kDialogBold}}},
        {"cmdClose", {10800, 7080, 1635, 800}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
    }};

}  // namespace

frmRepTSht::frmRepTSht() {
    ui::applyDesign(*this, kDesign);
    // The second "Date:" is the clock-in date again, as the sheet has always shown it. The columns
    // share the grid's width beside the record selectors and the scroll bar, each wide enough for
    // its longest value (a four-digit code, a first name, a date, a time with its AM/PM mark).
    DBGrid1.setColumns({{"szID_no", "ID:", 615, ""},
                        {"szName_na", "Name:", 1335, ""},
                        {"szDate_da", "Date:", 1095, "Short Date"},
                        {"szIn_ti", "Time In:", 1155, "Medium Time"},
                        {"szDate_da", "Date:", 1095, "Short Date"},
                        {"szOut_ti", "Time Out:", 1155, "Medium Time"},
                        {"szTHrs", "Total Minutes:", 1335, "Standard"}});
    DBGrid1.setDataSource(datTcd);

    cmbID.onClick([this] { cmbID_Click(); });
    cmbID.onChange([this] { cmbID_Change(); });
    txtID.onChange([this] { txtID_Change(); });
    imgRenew.onClick([this] { imgRenew_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmRepTSht::Form_Load() {
    settings::CentreForm(*this, 20);
    core::Date today = core::clock::today();
    txtFrom.setText(core::shortDate(core::addDays(today, -7)));
    txtTo.setText(core::shortDate(today));
    datTcd.setDatabaseName(settings::ResolveDataPath(kTimeCardStore));
    datEmploye.setDatabaseName(settings::ResolveDataPath(kEmployeeStore));
    datEmploye.setRecordSource(kEmployeeSource);
    if (db::Status opened = datEmploye.Refresh(); !opened) datEmploye.report(opened.error());
    showCards(periodCriterion());
    // Every employee's code, in ascending order; a row without a code has nothing to choose by.
    // The codes are read alone: the list needs nothing else of a staff of thousands.
    if (!datEmploye.isOpen()) return;
    auto store = db::Database::open(datEmploye.databaseName());
    auto codes = store ? store->openRecordset(kEmployeeCodes) : db::Result<db::Recordset>(store.error());
    if (!codes) {
        datEmploye.report(codes.error());
        return;
    }
    for (db::Status st; st && !codes->eof(); st = codes->MoveNext()) {
        auto id = codes->field(0);
        if (id && !id->toText().empty()) cmbID.AddItem(id->toText());
    }
}

std::optional<std::string> frmRepTSht::periodCriterion() const {
    auto from = db::dateLiteral(txtFrom.text());
    auto to = db::dateLiteral(txtTo.text());
    if (!from || !to) return std::nullopt;
    return "szDate_da Between " + *from + " And " + *to;
}

void frmRepTSht::showCards(const std::optional<std::string>& criterion) {
    // An empty source leaves the grid without rows once it is refreshed.
    datTcd.setRecordSource(criterion ? " SELECT * FROM tblTcd WHERE " + *criterion + ";" : std::string());
}

// ---- Choosing an employee ----

void frmRepTSht::cmbID_Click() { txtID.setText(cmbID.text()); }

void frmRepTSht::cmbID_Change() { cmbID.setText(txtID.text()); }

void frmRepTSht::txtID_Change() { ShowEmployeeTotals(); }

void frmRepTSht::ShowEmployeeTotals() {
    const std::string id = txtID.text();
    ui::DataRecordset& employees = datEmploye.Recordset();
    // An emptied box chooses nobody, not a row that lacks a code.
    if (id.empty() || !employees.FindFirst("szID_no = " + db::quote(id)) || employees.noMatch()) {
        (void)datTcd.Refresh();  // the grid's query read again; a failure leaves it as it was
        return;
    }

    std::optional<std::string> period = periodCriterion();
    std::optional<std::string> cards;
    if (period) cards = employeeCriterion(id) + " AND " + *period;

    // The total of the period's minutes, as hours; no card in the period counts as none.
    std::string hours;
    if (cards)
        if (auto store = db::Database::open(datTcd.databaseName()))
            if (auto total =
                    store->openRecordset("SELECT Sum(tblTcd.szTHrs) AS SumOfTotal FROM tblTcd WHERE " + *cards + "; "))
                if (auto minutes = total->field("SumOfTotal"))
                    hours = minutes->isNull() ? "0" : core::format(minutes->toDouble() / 60, "#,##0.00");
    txtTHours.setText(hours);

    showCards(cards);
    txtName.setText(datEmploye.Recordset().fieldText("sFirst_nm"));
    txtHRate.setText(core::format(core::Value(datEmploye.Recordset().fieldText("szRate")), "$#,##0.00"));
    // The wage from the hours and the rate as shown, two decimals each.
    core::Money wage = core::amountOrZero(txtTHours.text()) * core::amountOrZero(txtHRate.text());
    txtGP.setText(core::format(wage, "#,##0.00"));
    (void)datTcd.Refresh();  // without a period the grid shows no cards
}

// ---- Renewal and close ----

void frmRepTSht::imgRenew_Click() {
    settings::Renewal renewal;
    renewal.templateFile = kTimeCardTemplate;
    renewal.liveFile = kTimeCardStore;
    renewal.screen = this;
    (void)settings::RenewFromTemplate([] { return settings::AskYesNo("Files Will Be Deleted."); }, renewal);
}

void frmRepTSht::cmdClose_Click() { settings::CloseToHub(*this, kHub); }

}  // namespace pelk::shell
