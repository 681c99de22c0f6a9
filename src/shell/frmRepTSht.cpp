#include "shell/frmRepTSht.h"

#include <string>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/db/db.h"
#include "settings/common.h"
#include "shell/stores.h"
#include "shell/timecards.h"

namespace pelk::shell {

namespace {

constexpr const char* kEmployeeSource = " SELECT * FROM tbEmplo ORDER BY szID_no ASC";
constexpr const char* kEmployeeCodes = "SELECT szID_no FROM tbEmplo ORDER BY szID_no ASC";
// The report hub is the reports', a later part: it is reached by name.
constexpr const char* kHub = "frmBMReport";
constexpr ui::Color kPanelYellow = 0xC0FFFF;
constexpr ui::Color kBlue = 0xFF0000;

void place(ui::Label& l, const char* caption, double left, double top, double width = 975) {
    l.setCaption(caption);
    l.setBackStyle(0);
    l.Move(left, top, width, 255);
}

// A field of the current row as text; Null, a missing row or field read as the empty text.
std::string fieldText(ui::Data& data, std::string_view field) {
    auto v = data.Recordset().field(field);
    return v ? v->toText() : std::string();
}

// The employee's cards are chosen by a literal match of the code: a typed "*" is no pattern.
std::string employeeCriterion(std::string_view id) { return "szID_no Like '" + db::likeLiteral(id) + "'"; }

}  // namespace

frmRepTSht::frmRepTSht() {
    setCaption("Employees Time Sheet");
    setMdiChild(true);
    setBackColor(settings::kScreenGreen);
    setWidth(12525);
    setHeight(7965);

    lblTitle.setCaption("Employees Time Sheet");
    lblTitle.setFont({"Arial", 18, true});
    lblTitle.setForeColor(kBlue);
    lblTitle.setBackStyle(0);
    lblTitle.Move(480, 720, 4215, 495);

    datTcd.setConnect("Access 2000;");
    datTcd.setVisible(false);
    datEmploye.setConnect("Access 2000;");
    datEmploye.setVisible(false);

    DBGrid1.Move(360, 1560, 8415, 5895);
    DBGrid1.setForeColor(0xC00000);
    DBGrid1.setRecordSelectors(true);
    DBGrid1.setScrollBars(2);
    DBGrid1.setAllowUpdate(true);
    DBGrid1.setAllowDelete(true);
    DBGrid1.setAllowAddNew(false);
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

    lblShadow.setBackColor(0x808080);
    lblShadow.Move(9360, 480, 3000, 3360);
    lblPanel.setBackColor(kPanelYellow);
    lblPanel.Move(9240, 360, 3000, 3360);
    place(lblFrom, "From:", 9480, 360);
    txtFrom.Move(9480, 600, 1215, 312);
    place(lblTo, "To:", 10920, 360);
    txtTo.Move(10920, 600, 1215, 312);
    place(lblID, "ID:", 9360, 1305);
    txtID.Move(10320, 1260, 735, 345);
    cmbID.Move(11040, 1260, 855, 360);
    place(lblName, "Name:", 9360, 1770);
    txtName.setFontBold(true);
    txtName.Move(10320, 1755, 1695, 285);
    place(lblHRate, "Per Hr:", 9360, 2295);
    txtHRate.Move(10680, 2280, 1215, 285);
    place(lblTHours, "Total Hrs:", 9360, 2655);
    txtTHours.Move(10680, 2640, 1215, 285);
    place(lblGP, "Wage:", 9360, 3180);
    lblGP.setForeColor(kBlue);
    txtGP.setFont({"MS Sans Serif", 13.5, true});
    txtGP.Move(10320, 3120, 1695, 375);
    place(lblTfrom, "Hour From:", 2880, 1215);
    txtTfrom.Move(3960, 1200, 1150, 285);
    place(lblTto, "Hour To:", 5160, 1215, 675);
    txtTto.Move(5880, 1200, 990, 255);

    imgRenew.Move(8880, 5880, 690, 1455);
    imgRenew.setToolTipText("Renew");
    imgRenew.setStretch(true);
    imgRenew.setPicture(ui::Picture::design("Renew"));
    imgRenew.setFontBold(true);
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.Move(10800, 7080, 1635, 800);

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
    txtName.setText(fieldText(datEmploye, "sFirst_nm"));
    txtHRate.setText(core::format(core::Value(fieldText(datEmploye, "szRate")), "$#,##0.00"));
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
