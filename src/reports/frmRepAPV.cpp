#include "reports/frmRepAPV.h"

#include <tuple>

#include "platform/os/paths.h"
#include "reports/expenses.h"
#include "settings/common.h"

namespace pelk::reports {

namespace {

constexpr ui::Color kDarkBlue = 0xC00000;
constexpr ui::Color kLightGrey = 0xE0E0E0;
constexpr ui::Color kWindowColour = 0x80000005;
constexpr int kNoDividers = 0;

}  // namespace

frmRepAPV::frmRepAPV() {
    setCaption("Expenses Reports ");
    setWidth(9240);
    setHeight(4110);

    Label1.setCaption("Expenses Reports ");
    Label1.setFont({"Comic Sans MS", 15.75, true, false, true});
    Label1.setForeColor(kDarkBlue);
    Label1.setBackStyle(0);
    Label1.Move(360, 120, 3975, 615);
    for (auto [label, caption, left] : {
             std::tuple{&Label2, "Invoice:", 120.0},
             std::tuple{&Label3, "Date:", 960.0},
             std::tuple{&Label4, "Company:", 1920.0},
             std::tuple{&Label5, "Descriptions:", 4200.0},
             std::tuple{&Label6, "Method:", 7320.0},
             std::tuple{&Label7, "Total:", 8280.0},
         }) {
        label->setCaption(caption);
        label->setFont({"MS Sans Serif", 9.75, true});
        label->setForeColor(kDarkBlue);
        label->setBackStyle(0);
        label->Move(left, 840, 1215, 255);
    }

    datExpenses.setConnect("Access 2000;");
    datExpenses.setRecordSource("tbAuto_Ex");
    datExpenses.setVisible(false);
    DBGrid1.Move(0, 1080, 9255, 3015);
    DBGrid1.setBackColor(kWindowColour);
    DBGrid1.setColumnHeaders(false);
    DBGrid1.setRecordSelectors(false);
    DBGrid1.setScrollBars(2);
    DBGrid1.setAllowUpdate(true);
    DBGrid1.setAllowAddNew(true);
    DBGrid1.setAllowDelete(true);
    DBGrid1.setRowDividerStyle(kNoDividers);
    DBGrid1.setColumns({{"Invoice", "Invoice", 840, "General Number"},
                        {"Date", "Date", 990, "Short Date"},
                        {"Company", "Company", 2100, ""},
                        {"Description", "Description", 3150, ""},
                        {"Method", "Method", 975, ""},
                        {"Total", "Total", 975, "Currency"}});
    DBGrid1.setDataSource(datExpenses);

    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.setBackColor(kLightGrey);
    cmdClose.Move(7620, 0, 1635, 800);

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
