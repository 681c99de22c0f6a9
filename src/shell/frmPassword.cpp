#include "shell/frmPassword.h"

#include <string>

#include "platform/core/clock.h"
#include "platform/core/format.h"
#include "platform/core/text.h"
#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmNWSetin.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/stores.h"

namespace pelk::shell {

namespace {

constexpr const char* kSettingsSource = "SELECT * FROM tbSet ORDER BY ID ASC";
constexpr const char* kLevel1 = "Level 1";
constexpr const char* kLevel2 = "Level 2";
constexpr const char* kLevel3 = "Level 3";

// The scrolling message runs leftwards and comes back in from the right.
constexpr double kMessageStep = 20;
constexpr double kMessageGone = -5800;
constexpr double kMessageRestart = 12240;

const ui::FormDesign kDesign{
    {{"BorderStyle", 0},
     {"Caption", ""},
     {"WindowState", ui::kMaximized},
     {"BackColor", ui::color::kDesktop},
     {"Width", 15390},
     {"Height", 11520},
     {"KeyPreview", true}},
    {
        // Without a picture of the store's, a box shows nothing but the screen behind it.
        {"picName", {1800, 840, 8520, 1485}, {{"BorderStyle", 0}, {"BackColor", ui::color::kDesktop}}},
        {"picLogo", {1800, 4440, 5580, 5220}, {{"BorderStyle", 0}, {"BackColor", ui::color::kDesktop}}},
        {"cmdMode",
         {8160, 8280, 3705, 1280},
         {{"Style", 1}, {"BackColor", ui::color::kLightGrey}, {"Font", ui::font::kArial14Bold}}},
        {"lblPassword",
         {7680, 4560, 420, 255},
         {{"BackStyle", 0}, {"ForeColor", ui::color::kWhite}, {"Visible", false}}},
        {"txtPassword", {8160, 4680, 465, 345}, {{"PasswordChar", "*"}, {"TabStop", false}, {"TabIndex", 0}}},
        {"Label1",
         {8280, 10080, 5800, 300},
         {{"Font", ui::font::kArial12Bold}, {"ForeColor", ui::color::kWhite}, {"BackStyle", 0}, {"AutoSize", true}}},
        {"lblOpen", {13680, 9000, 375, 1155}, {{"Visible", false}, {"BackColor", ui::color::kGreen}}},
        {"Label6",
         {8160, 3960, 5565, 375},
         {{"Caption", "Enter Your Employee Code"},
          {"Font", ui::font::kArial12Bold},
          {"BackStyle", 0},
          {"ForeColor", ui::color::kWhite}}},
        {"lblCode",
         {11400, 3810, 2325, 570},
         {{"Alignment", ui::kRightJustify},
          {"Font", ui::font::kArial24Bold},
          {"BackStyle", 0},
          {"ForeColor", ui::color::kWhite}}},
        {"lblMsg", {1800, 2520, 8520, 375}, {{"BackStyle", 0}}},
        {"Line4", {}, {{"X1", 1800}, {"Y1", 9840}, {"X2", 13680}, {"Y2", 9840}, {"BorderColor", ui::color::kWhite}}},
        {"Timer1", {}, {{"Interval", 50}, {"Enabled", false}}},
        {"DatSet", {}, {{"Connect", "Access 2000;"}, {"RecordSource", kSettingsSource}, {"Visible", false}}},
        {"datInfor", {}, {{"Connect", "Access 2000;"}, {"RecordSource", kEmployeeTable}, {"Visible", false}}},
        {"datTable", {}, {{"Connect", "Access 2000;"}, {"RecordSource", kOpenFolioTable}, {"Visible", false}}},
    }};

}  // namespace

frmPassword::frmPassword() {
    ui::applyDesign(*this, kDesign);
    const double columns[] = {8160, 10005, 11865};
    const double rows[] = {4440, 5730, 7020};
    for (int digit = 1; digit <= 9; ++digit) {
        double left = digit == 9 ? 11880 : columns[(digit - 1) % 3];
        comNumber(digit).Move(left, rows[(digit - 1) / 3], 1860, 1280);
    }
    comNumber(0).Move(11865, 8280, 1860, 1280);
    for (ui::CommandButton* b : comNumber.members()) {
        b->setStyle(1);
        b->setBackColor(ui::color::kLightBlue);
        b->setPicture(ui::Picture::design(std::to_string(b->index())));
        b->setFont(ui::font::kArial24Bold.font());
    }

    DatSet.setDatabaseName(os::programPath("DOZA98.mdb"));
    DatSet.bind(Label1, "szMsg_run");

    comNumber.onClick([this](int Index) { comNumber_Click(Index); });
    cmdMode.onClick([this] { cmdMode_Click(); });
    lblPassword.onChange([this] { lblPassword_Change(); });
    txtPassword.onChange([this] { txtPassword_Change(); });
    Timer1.onTimer([this] { Timer1_Timer(); });
}

void frmPassword::Form_Load() {
    setBackColor(ui::color::kDesktop);
    DatSet.setDatabaseName(os::programPath("DOZA98.mdb"));
    DatSet.setRecordSource(kSettingsSource);
    // Only "File Sharing" reaches the server, as everywhere else in the program; a station whose
    // settings cannot be read works from its program folder.
    if (!DatSet.Refresh() || DatSet.Recordset().fieldText("SetC") != settings::kModeSharing) {
        UseLocalFolder();
    } else if (sharedFolderFound()) {
        UseSharedFolder();
    } else if (ui::MsgBox("Files or Server not found. Please check your Server ",
                          ui::kRetryCancel | ui::kExclamation) == ui::MsgBoxResult::Cancel) {
        // The station stays in sharing mode, pointed at the folder that was not found.
        UseSharedFolder();
    } else if (sharedFolderFound()) {
        UseSharedFolder();
    } else if (ui::MsgBox("Files or Server are still not found. select Yes to exit the program or select No to "
                          "disconnect from the Server. ",
                          ui::kYesNo) == ui::MsgBoxResult::Yes) {
        ui::End();
    } else {
        DisconnectServer();
        UseLocalFolder();
    }

    // A path that names no readable picture leaves the box without one.
    if (auto pic = ui::LoadPicture(DatSet.Recordset().fieldText("SetCpyName_bmp"))) picName.setPicture(*pic);
    if (auto pic = ui::LoadPicture(DatSet.Recordset().fieldText("SetLogo_bmp"))) picLogo.setPicture(*pic);

    // Opened here rather than after the load, so that the clerk hears of a missing employee file
    // once, in these words; the open-folio register is not read by this screen.
    if (!datInfor.Refresh())
        ui::MsgBox("The employee file " + datInfor.databaseName() + " is not available.", ui::kExclamation);
    (void)datTable.Refresh();

    // The code goes to the hidden box under the keypad, so that a typed code needs no touch first.
    txtPassword.SetFocus();
}

bool frmPassword::sharedFolderFound() {
    // The parts are joined as every shared store's path is (settings::dataPathFor).
    std::string server = DatSet.Recordset().fieldText("SetP"), folder = DatSet.Recordset().fieldText("SetO");
    if (server.empty() && folder.empty()) return false;
    return !os::findFiles(os::joinPath(server, folder), "*.mdb").empty();
}

void frmPassword::DisconnectServer() {
    // A refusal has been told; the station then works alone for this run only.
    (void)settings::writeField(DatSet, "SetC", core::Value(settings::kModeSingle));
}

void frmPassword::UseSharedFolder() {
    settings::frmNWSetin& holder = ui::forms().get<settings::frmNWSetin>();
    datTable.setDatabaseName(
        settings::dataPathFor(settings::kModeSharing, holder.txtPath.text(), holder.txtData.text(), kOpenFolioStore));
    datInfor.setDatabaseName(
        settings::dataPathFor(settings::kModeSharing, holder.txtPath.text(), holder.txtData.text(), kEmployeeStore));
}

void frmPassword::UseLocalFolder() {
    datTable.setDatabaseName(os::programPath(kOpenFolioStore));
    datInfor.setDatabaseName(os::programPath(kEmployeeStore));
}

void frmPassword::Form_Activate() { Timer1.setEnabled(true); }

void frmPassword::Timer1_Timer() {
    Label1.setLeft(Label1.left() - kMessageStep);
    if (Label1.left() == kMessageGone) Label1.setLeft(kMessageRestart);
}

void frmPassword::comNumber_Click(int Index) {
    int digit = Index <= 9 ? Index : Index - '0';
    lblPassword.Refresh();
    lblPassword.setCaption(lblPassword.caption() + std::to_string(digit));
}

void frmPassword::Form_KeyPress(int& KeyAscii) {
    // A digit reaches the keypad only while a pad button has the focus; the key goes on as usual.
    ui::Control* focused = activeControl();
    if (KeyAscii >= '0' && KeyAscii <= '9' && focused && focused->name() == "comNumber") comNumber_Click(KeyAscii);
}

bool frmPassword::KeyPressNumericValid(int KeyAscii) {
    ui::Control* focused = activeControl();
    if (KeyAscii >= '0' && KeyAscii <= '9' && focused && focused->name() == "comNumber") comNumber_Click(KeyAscii);
    return false;
}

void frmPassword::cmdMode_Click() {
    const std::string& c = cmdMode.caption();
    if (c.empty()) {
        cmdMode.setCaption("Check I/O");
    } else if (c == "Check I/O") {
        cmdMode.setCaption("Counter Orders");
    } else if (c == "Counter Orders") {
        cmdMode.setCaption("Table Orders");
    } else {
        cmdMode.setCaption("");
        cmdMode.setPicture(ui::Picture());
    }
}

frmPassword::Match frmPassword::matchEntry(const std::string& entry) {
    if (entry.size() <= 3) return Match::Pending;
    if (core::val(entry) <= 1) return Match::Pending;
    // Typed signs are matched as they stand: "2***" finds only a code that begins with "2***".
    ui::DataRecordset& employees = datInfor.Recordset();
    if (employees.isOpen() && employees.FindFirst(db::prefixCriterion("szID_no", entry)) && !employees.noMatch()) {
        setTag(employees.fieldText("szLevel_nu"));
        return Match::Employee;
    }
    return entry == kMasterAccessCode ? Match::Master : Match::None;
}

void frmPassword::SignInWithMasterCode() {
    // Every menu and button stays enabled.
    lblOpen.setVisible(true);
    lblOpen.Refresh();
    Unload();
    frmMain& main = ui::forms().get<frmMain>();
    main.setTag(kLevel3);
    main.Show();
    ui::forms().get<frmMainButn>().Show();
}

void frmPassword::ShowCodeDots(const std::string& entry) {
    std::string dots;
    for (std::size_t n = core::text::len(entry); n > 0; --n) dots += n > 1 ? "\u25CF " : "\u25CF";
    lblCode.setCaption(dots);
    lblCode.Refresh();
}

void frmPassword::lblPassword_Change() {
    ShowCodeDots(lblPassword.caption());
    switch (matchEntry(lblPassword.caption())) {
        case Match::Pending:
            return;
        case Match::Employee:
            ApplyAccessLevel();
            return;
        case Match::Master:
            SignInWithMasterCode();
            return;
        case Match::None: {
            Unload();
            frmPassword& fresh = ui::forms().get<frmPassword>();
            fresh.Show();
            fresh.Refresh();
            return;
        }
    }
}

void frmPassword::txtPassword_Change() {
    const std::int64_t startSecond = core::clock::nowMs() / 1000;
    std::string entry = txtPassword.text();
    ShowCodeDots(entry);
    switch (matchEntry(entry)) {
        case Match::Pending:
            return;
        case Match::Employee:
            ApplyAccessLevel();
            return;
        case Match::Master:
            SignInWithMasterCode();
            return;
        case Match::None: {
            Unload();
            // The fresh screen is loaded at once and stays hidden through the pause: after a
            // log-off it is the program's only form, and a program without a form has ended.
            frmPassword& fresh = ui::forms().get<frmPassword>();
            // Back only once the clock has passed the next whole second: between one and two
            // seconds later. The window system's events go on meanwhile.
            while (core::clock::nowMs() / 1000 - startSecond <= 1) ui::DoEvents();
            fresh.Show();
            fresh.Refresh();
            return;
        }
    }
}

void frmPassword::ApplyAccessLevel() {
    const std::string level = tag();
    if (level == kLevel3 || level == kLevel2 || level == kLevel1) {
        lblOpen.setVisible(true);
        lblOpen.Refresh();
        frmMain& main = ui::forms().get<frmMain>();
        main.setTag(level);
        main.Show();
        if (level == kLevel2) {
            for (ui::Menu* m :
                 {&main.mmAccntRece, &main.mmAccPayable, &main.mmInfor, &main.mmSecurity, &main.mmEmployee})
                m->setEnabled(false);
        }
        frmMainButn& panel = ui::forms().get<frmMainButn>();
        panel.Show();
        if (level == kLevel1) {
            panel.cmdReports.setEnabled(false);
            for (ui::Menu* m : {&main.mmFile, &main.mmMaintain, &main.mmWindows, &main.mmReports, &main.mmSetting})
                m->setEnabled(false);
        }
        Unload();
    } else if (level.empty()) {
        lblPassword.setCaption("");
        ui::MsgBox("Your Asscee level haven't been setup yet");
    }
}

}  // namespace pelk::shell
