#include "shell/frmTimer.h"

#include <optional>
#include <string>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/text.h"
#include "platform/db/db.h"
#include "platform/print/printer.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/frmMainButn.h"
#include "shell/stores.h"
#include "shell/timecards.h"

namespace pelk::shell {

namespace {

constexpr const char* kClockIn = "Clock In";
constexpr const char* kClockOut = "Clock Out";

const ui::FormDesign kDesign{
    {{"Caption", ""},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"ControlBox", false},
     {"BackColor", ui::color::kLightGreen},
     {"Width", 5205},
     {"Height", 7395}},
    {
        {"cmdDel", {0, 0, 5175, 2850}, {{"BackColor", ui::color::kLightGreen}, {"Style", 1}}},
        {"cmdTimeIn",
         {0, 2830, 2600, 4515},
         {{"Style", 1}, {"Picture", ui::picture("Time In")}, {"Font", ui::font::kArial24Bold}}},
        {"cmdTimeOut",
         {2600, 2830, 2600, 4515},
         {{"Style", 1}, {"Picture", ui::picture("Time Out")}, {"Font", ui::font::kArial24Bold}}},
        {"lblTime", {0, 0, 2295, 495}, {{"Font", ui::font::kDialogBold}}},
        {"lblDate", {3120, 0, 2055, 375}, {{"Font", ui::font::kDialogBold}}},
        {"lblTitle", {1200, 600, 2775, 375}, {{"Font", ui::font::kDialogBold}, {"Alignment", ui::kCenter}}},
        {"Label1", {120, 1080, 1335, 615}, {{"Caption", "Enter your employee"}, {"WordWrap", true}}},
        {"txtPassword",
         {1560, 1080, 2055, 600},
         {{"Alignment", ui::kCenter}, {"PasswordChar", "*"}, {"BackColor", ui::color::kLightGreen}}},
        {"txtName", {1320, 1800, 2655, 375}, {{"Alignment", ui::kCenter}}},
        {"cmdExit", {600, 6120, 1300, 1200}, {{"Caption", "Exit"}}},
        {"cmdBack", {3225, 6120, 1300, 1200}, {{"Caption", "Back"}, {"ToolTipText", "Back Space"}}},
        {"Timer1", {}, {{"Interval", 500}}},
        {"datTcd",
         {},
         {{"Caption", "Timecard"}, {"Connect", "Access 2000;"}, {"RecordSource", kTimeCardTable}, {"Visible", false}}},
        {"datEmploye", {}, {{"Connect", "Access 2000;"}, {"RecordSource", kEmployeeTable}, {"Visible", false}}},
    }};

}  // namespace

frmTimer::frmTimer() {
    ui::applyDesign(*this, kDesign);
    const double columns[] = {600, 1920, 3240};
    const double rows[] = {2520, 3720, 4920};
    for (int digit = 1; digit <= 9; ++digit) {
        double left = digit == 9 ? 3225 : columns[(digit - 1) % 3];
        comNumber(digit).Move(left, rows[(digit - 1) / 3], 1300, 1200);
    }
    comNumber(0).Move(1920, 6120, 1300, 1200);
    for (ui::CommandButton* b : comNumber.members()) {
        b->setStyle(1);
        b->setBackColor(ui::color::kLightBlue);
        b->setPicture(ui::Picture::design(std::to_string(b->index())));
        b->setFont(ui::font::kArial24Bold.font());
    }
    // The mode panel lies over the keypad, the prompt and the boxes until a mode is chosen.
    for (ui::CommandButton* b : {&cmdDel, &cmdTimeIn, &cmdTimeOut}) b->ZOrder(0);
    // The code box comes first, so that it has the focus when the screen opens.
    int tab = 1;
    for (ui::Control* c : controls()) c->setTabIndex(c == &txtPassword ? 0 : tab++);

    cmdTimeIn.onClick([this] { cmdTimeIn_Click(); });
    cmdTimeOut.onClick([this] { cmdTimeOut_Click(); });
    comNumber.onClick([this](int Index) { comNumber_Click(Index); });
    cmdBack.onClick([this] { cmdBack_Click(); });
    cmdExit.onClick([this] { cmdExit_Click(); });
    txtPassword.onChange([this] { txtPassword_Change(); });
    Timer1.onTimer([this] { Timer1_Timer(); });
}

void frmTimer::Form_Load() {
    settings::CentreForm(*this, 20);
    lblDate.setCaption(core::shortDate(core::clock::today()));
    SizeModePanel();
    datTcd.setDatabaseName(settings::ResolveDataPath(kTimeCardStore));
    datEmploye.setDatabaseName(settings::ResolveDataPath(kEmployeeStore));
}

void frmTimer::SizeModePanel() {
    cmdDel.setWidth(5175);
    cmdDel.setHeight(2850);
    for (ui::CommandButton* b : {&cmdTimeIn, &cmdTimeOut}) {
        b->setWidth(2600);
        b->setHeight(4515);
    }
}

// ---- Mode and keypad ----

void frmTimer::cmdTimeIn_Click() {
    settings::SelectFrontPrinterByPort();
    lblTitle.setCaption(kClockIn);
    for (ui::CommandButton* b : {&cmdTimeIn, &cmdTimeOut, &cmdDel}) b->setVisible(false);
}

void frmTimer::cmdTimeOut_Click() {
    settings::SelectFrontPrinterByPort();
    lblTitle.setCaption(kClockOut);
    for (ui::CommandButton* b : {&cmdTimeIn, &cmdTimeOut, &cmdDel}) b->setVisible(false);
}

void frmTimer::comNumber_Click(int Index) {
    txtPassword.SetFocus();
    ui::SendKeys(std::to_string(Index));
}

void frmTimer::cmdBack_Click() {
    txtPassword.SetFocus();
    ui::SendKeys("{BS}");
}

void frmTimer::cmdExit_Click() {
    Unload();
    ui::forms().get<frmMainButn>().Show();
}

// ---- The look-up and the clock actions ----

void frmTimer::txtPassword_Change() {
    settings::SelectFrontPrinterByPort();
    const std::string id = txtPassword.text();
    if (core::text::len(id) < 4) return;
    if (core::val(id) < 1) {
        txtName.setText("Please try again");
        txtPassword.setText("");
        return;
    }
    ui::DataRecordset& employees = datEmploye.Recordset();
    if (!employees.FindFirst("szID_no = " + db::quote(id)) || employees.noMatch()) return;
    txtName.setText(datEmploye.Recordset().fieldText("sFirst_nm"));
    const std::string& mode = lblTitle.caption();
    if (mode == kClockIn)
        ClockIn();
    else if (mode == kClockOut)
        ClockOut();
    ResetClockScreen();
}

void frmTimer::StampNow() {
    core::DateTime now = core::clock::now();
    lblDate.setCaption(core::shortDate(now.date));
    lblTime.setCaption(core::longTime(now.time));
}

void frmTimer::ClockIn() {
    StampNow();
    ui::DataRecordset& cards = datTcd.Recordset();
    db::Status added = cards.AddNew();
    if (added) added = cards.setField("szID_no", txtPassword.text());
    if (added) added = cards.setField("szName_na", txtName.text());
    if (added) added = cards.setField("szDate_da", lblDate.caption());
    if (added) added = cards.setField("szIn_ti", lblTime.caption());
    if (added) added = cards.Update();
    if (!added) {
        // No card, no ticket: the employee must not leave believing the clock-in counted.
        if (cards.editMode() != db::EditMode::None) (void)cards.CancelUpdate();
        datTcd.report(added.error());
        return;
    }
    PrintTicket(txtName.text() + " Check In At " + lblTime.caption(), false);
}

void frmTimer::ClockOut() {
    StampNow();
    ui::DataRecordset& cards = datTcd.Recordset();
    // Read afresh: the clock-in may have been made at another station since the screen opened.
    db::Status found = cards.Requery();
    if (found) found = cards.FindLast("szID_no = " + db::quote(txtPassword.text()));
    if (!found) {
        datTcd.report(found.error());
        return;
    }
    // Only the card added last is closed, and a closed card never again.
    if (cards.noMatch() || !datTcd.Recordset().fieldText("szOut_ti").empty()) {
        ui::MsgBox(txtName.text() + " has no open time card.", ui::kExclamation);
        return;
    }
    // A clock-out stamped before its own clock-in (a station's clock set back, or the clock-in's
    // station ahead) would count negative time: the card stays open and no ticket is printed.
    if (std::optional<long long> minutes = MinutesWorked(); minutes && *minutes < 0) {
        ui::MsgBox(txtName.text() + " clocked in at " + datTcd.Recordset().fieldText("szIn_ti") + " on " +
                       datTcd.Recordset().fieldText("szDate_da") + ", later than this clock-out at " +
                       lblTime.caption() + " on " + lblDate.caption() +
                       ". Nothing was stored. Please have the date and time of the stations checked, then "
                       "clock out again.",
                   ui::kExclamation);
        return;
    }
    if (!CloseTimeCard()) return;
    (void)cards.Requery();  // a failure here only leaves the cards as read before
    PrintTicket(txtName.text() + " Check Out At " + lblTime.caption(), true);
}

bool frmTimer::CloseTimeCard() {
    ui::DataRecordset& card = datTcd.Recordset();
    db::Status closed = card.Edit();
    if (closed) closed = card.setField("szDateO_da", lblDate.caption());
    if (closed) closed = card.setField("szOut_ti", lblTime.caption());
    if (std::optional<long long> minutes = MinutesWorked(); closed && minutes)
        closed = card.setField("szTHrs", core::Value(*minutes));
    if (closed) closed = card.Update();
    if (!closed) {
        if (card.editMode() != db::EditMode::None) (void)card.CancelUpdate();
        datTcd.report(closed.error());
        return false;
    }
    return true;
}

std::optional<long long> frmTimer::MinutesWorked() {
    auto inDate = core::parseDate(datTcd.Recordset().fieldText("szDate_da"));
    auto inTime = core::parseTime(datTcd.Recordset().fieldText("szIn_ti"));
    auto outDate = core::parseDate(lblDate.caption());
    auto outTime = core::parseTime(lblTime.caption());
    if (!inDate || !inTime || !outDate || !outTime) return std::nullopt;
    std::int64_t days = core::daysBetween(*inDate, *outDate);
    std::int64_t inMinutes = inTime->hour * 60 + inTime->minute;
    std::int64_t outMinutes = (days * 24 + outTime->hour) * 60 + outTime->minute;
    return static_cast<long long>(outMinutes - inMinutes);
}

void frmTimer::PrintTicket(const std::string& line, bool emptyLineAfter) {
    print::Printer& p = print::printer();
    p.FontSize = 9;
    p.print(line);
    if (emptyLineAfter) p.print();
    std::string failed = p.EndDoc();
    if (!failed.empty()) ui::MsgBox("The clock ticket was not printed. " + failed, ui::kExclamation);
}

void frmTimer::ResetClockScreen() {
    txtName.setText("");
    txtPassword.setText("");
    SizeModePanel();
    for (ui::CommandButton* b : {&cmdDel, &cmdTimeIn, &cmdTimeOut}) b->setVisible(true);
}

// ---- The running clock ----

void frmTimer::Timer1_Timer() {
    core::DateTime now = core::clock::now();
    std::string time = core::longTime(now.time);
    if (lblTime.caption() == time) return;
    if (windowState() == ui::kMinimized) {
        auto shown = core::parseTime(caption());
        if (!shown || shown->minute != now.time.minute) ShowCaptionClock();
        return;
    }
    lblTime.setCaption(time);
    // The day shown is the day the next card is stamped with.
    lblDate.setCaption(core::shortDate(now.date));
}

void frmTimer::ShowCaptionClock() { setCaption(core::mediumTime(core::clock::timeOfDay())); }

}  // namespace pelk::shell
