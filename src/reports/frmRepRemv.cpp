#include "reports/frmRepRemv.h"

#include <string>
#include <tuple>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "reports/frmBMReport.h"
#include "reports/stores.h"
#include "settings/common.h"
#include "settings/export.h"

namespace pelk::reports {

namespace {

constexpr ui::Color kRed = 0x0000FF;
constexpr ui::Color kDarkBlue = 0xC00000;
constexpr ui::Color kWhite = 0xFFFFFF;
constexpr ui::Color kLightGrey = 0xE0E0E0;
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

}  // namespace

frmRepRemv::frmRepRemv() {
    setCaption("Items Been Removed");
    setMdiChild(true);
    setBorderStyle(0);
    setWidth(11280);
    setHeight(7560);

    Label1.setCaption("Items Been Removed");
    Label1.setFont({"Arial", 14.25, true, false, true});
    Label1.setForeColor(kRed);
    Label1.setBackStyle(0);
    Label1.Move(360, 240, 3495, 420);

    datRemv.setConnect("Access 2000;");
    datRemv.setRecordSource("tblRemv");
    datRemv.setVisible(false);
    DBGrid1.Move(240, 840, 8520, 5880);
    DBGrid1.setBackColor(kWhite);
    DBGrid1.setForeColor(kDarkBlue);
    DBGrid1.setColumnHeaders(true);
    DBGrid1.setRecordSelectors(true);
    DBGrid1.setScrollBars(2);
    DBGrid1.setAllowUpdate(true);
    DBGrid1.setAllowDelete(true);
    DBGrid1.setAllowAddNew(false);
    DBGrid1.setColumns({{"szType_out", "Type:", 675, ""},
                        {"szWaiter_out", "Waiter:", 795, ""},
                        {"szItems_out", "Removed Items:", 1650, ""},
                        {"szPrice_out", "Price:", 855, "Currency"},
                        {"szReason_out", "Reason:", 1335, ""},
                        {"szManager_out", "Managers:", 915, ""},
                        {"szDate_out", "Date:", 975, "Short Date"},
                        {"szTime_out", "Time", 885, "Medium Time"}});
    DBGrid1.setDataSource(datRemv);

    for (auto [label, caption, box, top] :
         {std::tuple{&Label25, "From:", &txtFrom, 840.0}, std::tuple{&Label26, "To:", &txtTo, 1560.0}}) {
        label->setCaption(caption);
        label->setFont({"MS Sans Serif", 9.75, true});
        label->setBackStyle(0);
        label->Move(9120, top, 1215, 255);
        box->setFont({"MS Sans Serif", 9.75, true});
        box->setAlignment(2);
        box->Move(9120, top + 270, 1815, 315);
    }
    for (auto [button, words, top] : {std::tuple{&cmdExcel, "Exporting to Excel", 2400.0},
                                      std::tuple{&cmdPrintPrev, "Export n Print Preview", 3480.0}}) {
        button->setStyle(1);
        button->setPicture(ui::Picture::design(words));
        button->setToolTipText("Print Reports");
        button->Move(9120, top, 1815, 855);
    }
    imgRenew.setPicture(ui::Picture::design("Renew"));
    imgRenew.setStretch(true);
    imgRenew.setToolTipText("Renew");
    imgRenew.Move(9360, 5280, 1335, 1095);
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.setBackColor(kLightGrey);
    cmdClose.Move(9240, 6600, 1635, 800);

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
