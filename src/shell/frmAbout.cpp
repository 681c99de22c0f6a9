#include "shell/frmAbout.h"

#include <algorithm>
#include <array>

#include "pelk/version.h"
#include "platform/os/actions.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "shell/frmMain.h"

namespace pelk::shell {

namespace {

// Where Windows programs find the system-information tool: its full path, or else its folder.
constexpr std::string_view kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kSysInfoValue = "PATH";
constexpr std::string_view kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::string_view kSysInfoFolderValue = "MSINFO";
constexpr std::string_view kSysInfoProgram = "MSINFO32.EXE";
constexpr std::string_view kSysInfoUnavailable = "System Information Is Unavailable At This Time";

const ui::FormDesign kDesign{
    {{"Caption", "About"},
     {"BorderStyle", 3},
     {"MinButton", false},
     {"MaxButton", false},
     {"Width", 6735},
     {"Height", 4680}},
    {
        {"lblTitle", {1080, 240, 4335, 375}, {{"Caption", "Application Title"}, {"Font", ui::font::kArial14Bold}}},
        {"lblVersion", {1080, 720, 4335, 255}, {{"Caption", "Version"}}},
        {"Label1", {1080, 1020, 4335, 255}, {{"Caption", "For 32-bit Windows"}}},
        {"lblTo", {1080, 1440, 4335, 255}, {{"Caption", "This copy is licensed to:"}}},
        {"Text1", {1080, 1740, 4335, 375}},
        {"lblNotes",
         {240, 2400, 4335, 1215},
         {{"Caption",
           "This program is protected by copyright law. Copying it, or passing it on, in whole or in part, without the "
           "publisher's leave is not allowed."},
          {"WordWrap", true}}},
        // The second-language pictures stand where the labels they replace stand.
        {"imgTo", {1080, 1440, 4335, 255}, {{"Visible", false}}},
        {"imgNotes", {240, 2400, 4335, 1215}, {{"Visible", false}}},
        {"cmdEtoC", {240, 240, 495, 495}, {{"Caption", "C"}, {"Style", 1}, {"BackColor", ui::color::kYellow}}},
        {"cmdPhone", {240, 840, 495, 375}, {{"Caption", "..."}}},
        {"cmdSysInfo", {4860, 3120, 1575, 420}, {{"Caption", "&System Info..."}}},
        {"cmdClose", {4860, 3660, 1575, 420}, {{"Style", 1}, {"Picture", ui::picture("Close")}}},
        {"Timer1", {}, {{"Interval", 1}}},
    }};

}  // namespace

frmAbout::frmAbout() {
    ui::applyDesign(*this, kDesign);
    for (ui::Image* frame : Image1.members()) {
        frame->Move(5880, 240, 480, 480);
        frame->setVisible(false);
    }

    cmdEtoC.onClick([this] { cmdEtoC_Click(); });
    cmdPhone.onClick([this] { cmdPhone_Click(); });
    cmdSysInfo.onClick([this] { cmdSysInfo_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    Timer1.onTimer([this] { Timer1_Timer(); });
}

void frmAbout::Form_Load() {
    AnimateIcon = 1;
    settings::frmInfor& infor = ui::forms().get<settings::frmInfor>();
    if (!infor.cmdEtoC.enabled()) cmdEtoC.setVisible(false);
    settings::CentreForm(*this, 2, false);
    std::string title(ui::kProgramTitle);
    setCaption("About " + title);
    lblVersion.setCaption("Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                          std::to_string(kVersionRevision));
    lblTitle.setCaption(title);
    Text1.setText(infor.txtL1.text());
}

void frmAbout::cmdEtoC_Click() {
    settings::ToggleSecondLanguage(cmdEtoC, {&lblTitle, &lblTo, &lblNotes}, {&imgTo, &imgNotes});
}

// A wrong answer, or Cancel, is refused without a word: the prompt tells nothing to a guesser.
void frmAbout::cmdPhone_Click() {
    std::string answer = ui::InputBox("Call us if you need help", "Password for Infor", "");
    if (answer != kServiceAccessCode) return;
    frmMain& main = ui::forms().get<frmMain>();
    main.mmInfor.setEnabled(true);
    // Marks the unlock, so that leaving the store settings locks the menu again.
    main.mmInfor.setTag("False");
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::cmdClose_Click() {
    AnimateIcon = 0;
    Unload();
}

void frmAbout::Timer1_Timer() {
    if (AnimateIcon == 1) CycleAboutIcon();
}

void frmAbout::CycleAboutIcon() {
    if (++IconFrame >= kIconFrames) IconFrame = 0;
    setIcon(Image1(IconFrame).picture());
}

void frmAbout::StartSysInfo() {
    std::string SysInfoPath;
    if (!GetKeyValue(os::kLocalMachine, kSysInfoKey, kSysInfoValue, SysInfoPath)) {
        std::string folder;
        if (GetKeyValue(os::kLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, folder)) {
            std::string program = os::joinPath(folder, kSysInfoProgram);
            if (os::fileExists(program)) SysInfoPath = program;
        }
    }
    if (SysInfoPath.empty() || !os::actions().launch(SysInfoPath).empty()) ui::MsgBox(kSysInfoUnavailable);
}

// Opened for reading only: the about box has nothing to write there.
bool frmAbout::GetKeyValue(os::RegistryKey KeyRoot, std::string_view KeyName, std::string_view SubKeyRef,
                           std::string& KeyVal) {
    KeyVal.clear();
    os::RegistryKey hKey = 0;
    if (os::regOpenKey(KeyRoot, KeyName, os::kKeyRead, &hKey) != os::kRegSuccess) return false;
    std::array<unsigned char, 1024> tmpVal{};
    std::uint32_t KeyValSize = tmpVal.size();
    std::uint32_t KeyValType = os::kRegNone;
    long rc = os::regQueryValue(hKey, SubKeyRef, &KeyValType, tmpVal.data(), &KeyValSize);
    os::regCloseKey(hKey);
    if (rc != os::kRegSuccess) return false;
    std::string value(reinterpret_cast<const char*>(tmpVal.data()), KeyValSize);
    if (!value.empty() && value.back() == '\0') value.pop_back();
    if (KeyValType == os::kRegText) {
        KeyVal = value;
    } else if (KeyValType == os::kRegNumber) {
        std::uint32_t number = 0;
        for (std::size_t i = std::min<std::size_t>(value.size(), 4); i-- > 0;)
            number = number << 8 | static_cast<unsigned char>(value[i]);
        KeyVal = std::to_string(number);
    }
    return true;
}

}  // namespace pelk::shell
