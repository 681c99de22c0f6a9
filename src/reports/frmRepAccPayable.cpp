#include "reports/frmRepAccPayable.h"

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/db/quoting.h"
#include "platform/os/paths.h"
#include "reports/frmBMReport.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::reports {

namespace {

constexpr ui::Color kGrey = 0xC0C0C0;
constexpr ui::Color kDarkBlue = 0xC00000;
constexpr ui::Color kYellow = 0x00FFFF;
constexpr double kMarkerEnglish = 1560;
constexpr double kMarkerPictures = 1200;
constexpr int kRowDividersLightGrey = 6;

using Handler = void (frmRepAccPayable::*)();
constexpr std::array<Handler, kExpenseCategoryCount> kLabelClicks = {
    &frmRepAccPayable::Label2_Click,  &frmRepAccPayable::Label3_Click,  &frmRepAccPayable::Label4_Click,
    &frmRepAccPayable::Label5_Click,  &frmRepAccPayable::Label6_Click,  &frmRepAccPayable::Label7_Click,
    &frmRepAccPayable::Label8_Click,  &frmRepAccPayable::Label9_Click,  &frmRepAccPayable::Label10_Click,
    &frmRepAccPayable::Label11_Click, &frmRepAccPayable::Label12_Click, &frmRepAccPayable::Label13_Click,
    &frmRepAccPayable::Label14_Click, &frmRepAccPayable::Label15_Click, &frmRepAccPayable::Label16_Click,
    &frmRepAccPayable::Label17_Click};
constexpr std::array<Handler, kExpenseCategoryCount> kPictureClicks = {
    &frmRepAccPayable::Image1_Click,  &frmRepAccPayable::Image2_Click,  &frmRepAccPayable::Image3_Click,
    &frmRepAccPayable::Image4_Click,  &frmRepAccPayable::Image5_Click,  &frmRepAccPayable::Image6_Click,
    &frmRepAccPayable::Image7_Click,  &frmRepAccPayable::Image8_Click,  &frmRepAccPayable::Image9_Click,
    &frmRepAccPayable::Image10_Click, &frmRepAccPayable::Image11_Click, &frmRepAccPayable::Image12_Click,
    &frmRepAccPayable::Image13_Click, &frmRepAccPayable::Image14_Click, &frmRepAccPayable::Image15_Click,
    &frmRepAccPayable::Image16_Click};

double rowTop(int n) { return 720 + 360.0 * (n - 1); }
double markerTop(int n) { return 600 + 360.0 * (n - 1); }

}  // namespace

frmRepAccPayable::frmRepAccPayable() {
    setCaption("Accounts Payable");
    setMdiChild(true);
    setBorderStyle(0);
    setBackColor(kGrey);
    setWidth(10830);
    setHeight(7350);

    Label1.setCaption("Accounts Payable");
    Label1.setFont({"Comic Sans MS", 11.25, true, false, true});
    Label1.setForeColor(kDarkBlue);
    Label1.setBackStyle(0);
    Label1.setToolTipText("Exit");
    // A little wider and taller than designed, for the face that stands in for Comic Sans.
    Label1.Move(120, 120, 2175, 300);
    Image17.setPicture(ui::Picture::design("应付账款"));
    Image17.setStretch(true);
    Image17.Move(240, 120, 1185, 300);
    Image17.setVisible(false);

    for (auto [label, caption, left, width] :
         {std::tuple{&Label25, "From:", 2085.0, 630.0}, std::tuple{&lblTo, "To:", 4200.0, 495.0}}) {
        label->setCaption(caption);
        label->setFont({"MS Sans Serif", 9.75, true});
        label->setAlignment(1);
        label->setBackStyle(0);
        label->Move(left, 360, width, 255);
    }
    txtFrom.setFont({"MS Sans Serif", 9.75, true});
    txtFrom.Move(2760, 360, 1335, 315);
    txtTo.setFont({"MS Sans Serif", 9.75, true});
    txtTo.Move(4680, 360, 1455, 315);

    auto captions = labels();
    auto seconds = pictures();
    for (int n = 1; n <= kExpenseCategoryCount; ++n) {
        const ExpenseCategory& c = kExpenseCategories[n - 1];
        ui::Label& label = *captions[n - 1];
        label.setCaption(std::string(c.caption));
        label.setFont({"MS Sans Serif", 8.25, true});
        label.setBackStyle(0);
        label.Move(240, rowTop(n), 1335, 255);
        label.onClick([this, h = kLabelClicks[n - 1]] { (this->*h)(); });
        ui::Image& picture = *seconds[n - 1];
        picture.setPicture(ui::Picture::design(std::string(c.second)));
        picture.setStretch(true);
        picture.Move(600, rowTop(n), 480, 240);
        picture.setVisible(false);
        picture.onClick([this, h = kPictureClicks[n - 1]] { (this->*h)(); });
    }
    ImgOn.setPicture(ui::Picture::design("☜"));
    ImgOn.setStretch(true);
    ImgOn.Move(kMarkerEnglish, 360, 480, 480);
    ImgOn.setVisible(false);

    for (auto [label, caption, left] : {
             std::tuple{&Label18, "Invoice:", 2520.0},
             std::tuple{&Label19, "Date:", 3360.0},
             std::tuple{&Label20, "Company", 4320.0},
             std::tuple{&Label21, "Descriptions:", 6000.0},
             std::tuple{&Label22, "Method:", 8640.0},
             std::tuple{&Label23, "Total:", 9480.0},
         }) {
        label->setCaption(caption);
        label->setBackStyle(0);
        label->Move(left, 840, 1095, 255);
    }

    datExpenses.setConnect("Access 2000;");
    datExpenses.setVisible(false);
    DBGrid1.Move(2040, 1200, 8505, 5415);
    DBGrid1.setBackColor(0xFFFFFF);
    DBGrid1.setColumnHeaders(false);
    DBGrid1.setRecordSelectors(true);
    DBGrid1.setScrollBars(2);
    DBGrid1.setAllowUpdate(true);
    DBGrid1.setAllowAddNew(true);
    DBGrid1.setAllowDelete(true);
    DBGrid1.setRowDividerStyle(kRowDividersLightGrey);
    DBGrid1.setColumns({{"Invoice", "Invoice", 855, "General Number"},
                        {"Date", "Date", 960, "Short Date"},
                        {"Company", "Company", 1695, ""},
                        {"Description", "Description", 2670, ""},
                        {"Method", "Method", 750, ""},
                        {"Total", "Total", 900, "Currency"}});
    DBGrid1.setDataSource(datExpenses);

    cmdEtoC.setCaption("C");
    cmdEtoC.setStyle(1);
    cmdEtoC.setBackColor(kYellow);
    cmdEtoC.setFont({"Times New Roman", 14.25, true, true});
    cmdEtoC.Move(360, 6600, 1095, 495);
    Image18.setPicture(ui::Picture::design("Income Statement"));
    Image18.setStretch(true);
    Image18.Move(6600, 6720, 1485, 570);
    imgExit.setPicture(ui::Picture::design("EXIT"));
    imgExit.setStretch(true);
    imgExit.setToolTipText("Exit");
    imgExit.Move(9120, 6720, 1485, 570);

    cmdEtoC.onClick([this] { cmdEtoC_Click(); });
    imgExit.onClick([this] { imgExit_Click(); });
    Label1.onClick([this] { Label1_Click(); });
}

void frmRepAccPayable::Form_Load() {
    if (ui::forms().get<settings::frmInfor>().chkEtoC.value() == 0) cmdEtoC.setVisible(false);
    // The screen keeps its grey page rather than the light green of the others.
    settings::CentreForm(*this, 11, false);
    datExpenses.setDatabaseName(os::programPath(kExpenseStore));
    core::Date today = core::clock::today();
    txtFrom.setText(core::shortDate(core::addDays(today, -30)));
    txtTo.setText(core::shortDate(today));
}

// ---- Choosing a category ----

void frmRepAccPayable::Image1_Click() { chooseCategory(1); }
void frmRepAccPayable::Image2_Click() { chooseCategory(2); }
void frmRepAccPayable::Image3_Click() { chooseCategory(3); }
void frmRepAccPayable::Image4_Click() { chooseCategory(4); }
void frmRepAccPayable::Image5_Click() { chooseCategory(5); }
void frmRepAccPayable::Image6_Click() { chooseCategory(6); }
void frmRepAccPayable::Image7_Click() { chooseCategory(7); }
void frmRepAccPayable::Image8_Click() { chooseCategory(8); }
void frmRepAccPayable::Image9_Click() { chooseCategory(9); }
void frmRepAccPayable::Image10_Click() { chooseCategory(10); }
void frmRepAccPayable::Image11_Click() { chooseCategory(11); }
void frmRepAccPayable::Image12_Click() { chooseCategory(12); }
void frmRepAccPayable::Image13_Click() { chooseCategory(13); }
void frmRepAccPayable::Image14_Click() { chooseCategory(14); }
void frmRepAccPayable::Image15_Click() { chooseCategory(15); }
void frmRepAccPayable::Image16_Click() { chooseCategory(16); }
void frmRepAccPayable::Label2_Click() { chooseCategory(1); }
void frmRepAccPayable::Label3_Click() { chooseCategory(2); }
void frmRepAccPayable::Label4_Click() { chooseCategory(3); }
void frmRepAccPayable::Label5_Click() { chooseCategory(4); }
void frmRepAccPayable::Label6_Click() { chooseCategory(5); }
void frmRepAccPayable::Label7_Click() { chooseCategory(6); }
void frmRepAccPayable::Label8_Click() { chooseCategory(7); }
void frmRepAccPayable::Label9_Click() { chooseCategory(8); }
void frmRepAccPayable::Label10_Click() { chooseCategory(9); }
void frmRepAccPayable::Label11_Click() { chooseCategory(10); }
void frmRepAccPayable::Label12_Click() { chooseCategory(11); }
void frmRepAccPayable::Label13_Click() { chooseCategory(12); }
void frmRepAccPayable::Label14_Click() { chooseCategory(13); }
void frmRepAccPayable::Label15_Click() { chooseCategory(14); }
void frmRepAccPayable::Label16_Click() { chooseCategory(15); }
void frmRepAccPayable::Label17_Click() { chooseCategory(16); }

void frmRepAccPayable::chooseCategory(int n) {
    // The range goes into the query as the dates read from the boxes, never as typed; a box that
    // holds no date leaves the screen as it was.
    std::optional<std::string> from = db::dateLiteral(txtFrom.text());
    if (!from) {
        ui::MsgBox("Please enter a valid From date.", ui::kCritical);
        return;
    }
    std::optional<std::string> to = db::dateLiteral(txtTo.text());
    if (!to) {
        ui::MsgBox("Please enter a valid To date.", ui::kCritical);
        return;
    }
    ImgOn.setVisible(true);
    ImgOn.setTop(markerTop(n));
    datExpenses.setRecordSource("SELECT * FROM " + std::string(kExpenseCategories[n - 1].table) +
                                " WHERE DATE BETWEEN " + *from + " AND " + *to + ";");
    // A store or table that cannot be read is told once; the grid then shows no rows.
    if (db::Status read = datExpenses.Refresh(); !read) datExpenses.report(read.error());
}

// ---- Captions and closing ----

void frmRepAccPayable::cmdEtoC_Click() {
    std::vector<ui::Control*> english{&Label1};
    std::vector<ui::Control*> second{&Image17};
    for (ui::Label* l : labels()) english.push_back(l);
    for (ui::Image* p : pictures()) second.push_back(p);
    settings::ToggleSecondLanguage(cmdEtoC, english, second);
    // The marker keeps its row and stands beside whichever captions show.
    if (cmdEtoC.caption() == "E") ImgOn.setLeft(kMarkerPictures);
    if (cmdEtoC.caption() == "C") ImgOn.setLeft(kMarkerEnglish);
}

void frmRepAccPayable::imgExit_Click() { settings::CloseToHub<frmBMReport>(*this); }

void frmRepAccPayable::Label1_Click() { Unload(); }

}  // namespace pelk::reports
