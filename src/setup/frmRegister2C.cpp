#include "setup/frmRegister2C.h"

#include <string>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/stores.h"

namespace pelk::setup {

namespace {

constexpr ui::Color kDarkBlue = 0xC00000;
constexpr ui::Color kRed = 0x0000FF;
constexpr ui::Color kLightYellow = 0xC0FFFF;

void heading(ui::Label& l, const char* text, double top) {
    l.setCaption(text);
    l.setFontName("Comic Sans MS");
    l.setFontSize(14.25);
    l.setFontBold(true);
    l.setForeColor(kDarkBlue);
    l.setBackStyle(0);
    l.Move(480, top, 3255, 375);
}

void pathBox(ui::TextBox& box, double top) {
    box.setFontName("MS Sans Serif");
    box.setFontSize(12);
    box.setForeColor(kRed);
    box.Move(4320, top, 4095, 420);
}

}  // namespace

frmRegister2C::frmRegister2C() : WizardStep(6) {
    lblMsg.setFontName("Comic Sans MS");
    lblMsg.setFontSize(18);
    lblMsg.setFontBold(true);
    lblMsg.setBackStyle(0);
    lblMsg.setAlignment(2);
    lblMsg.Move(480, 1440, 10215, 495);

    heading(Label1, "Server Name:", 2160);
    Command1.setStyle(1);
    Command1.setPicture(ui::Picture::design("LAN"));
    Command1.Move(3780, 2160, 465, 420);
    pathBox(txtPath, 2160);
    Label3.setCaption("\\\\ComputerServer_name\\");
    Label3.setBackColor(kLightYellow);
    Label3.setFontName("MS Sans Serif");
    Label3.setFontSize(9.75);
    Label3.Move(8520, 2220, 2295, 300);
    heading(Label2, "Shared Data Location:", 2760);
    Command2.setStyle(1);
    Command2.setPicture(ui::Picture::design("Dir"));
    Command2.Move(3780, 2760, 465, 420);
    pathBox(txtData, 2760);

    cmdShare.setStyle(1);
    cmdShare.setCaption("Testing Sharing");
    cmdShare.Move(4320, 3420, 2055, 855);

    Label4.setCaption(
        "If your computer can't share data from your Sever C:\\Program Files\\Pelk POS\\ directory.  Highlight Pelk "
        "POS folder form your Sever select Properties uncheck Read-only then goto Sharing check on Share this folder "
        "on the network and Click OK.");
    Label4.setBackColor(kLightYellow);
    Label4.setFontName("MS Sans Serif");
    Label4.setFontSize(9.75);
    Label4.setWordWrap(true);
    Label4.Move(480, 4440, 10215, 975);

    // A status line: it shows what the test found and takes no typing, so the mode stored is
    // always one of the two the program knows.
    txtNWsetin.setFontName("MS Sans Serif");
    txtNWsetin.setFontSize(12);
    txtNWsetin.setFontBold(true);
    txtNWsetin.setBackColor(settings::kScreenGreen);
    txtNWsetin.setTabStop(false);
    txtNWsetin.setLocked(true);
    txtNWsetin.Move(4320, 5640, 3255, 420);

    DatSet.setConnect("Access 2000;");
    DatSet.setVisible(false);
    DatSet.bind(txtPath, "SetP");
    DatSet.bind(txtData, "SetO");
    DatSet.bind(txtNWsetin, "SetC");

    cmdShare.onClick([this] { cmdShare_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmRegister2C::Form_Load() {
    settings::CentreForm(*this, 4);
    DatSet.setDatabaseName(os::programPath(settings::kStationStore));
    DatSet.setRecordSource("SELECT * FROM tbSet ORDER BY ID ASC");
    if (db::Status read = DatSet.Refresh(); !read) {
        DatSet.report(read.error());
        return;
    }
    // Stored at once, and shown at once.
    if (txtPath.text() == "-") (void)settings::writeField(DatSet, "SetP", std::string(settings::kDefaultServerPath));
}

// The settings file is looked for where the stations will open the shared stores: prefix, folder
// and file with exactly one backslash between them, so a test never passes for a path the
// stations would miss. An unreachable server and a look-up that fails read as "not found".
void frmRegister2C::cmdShare_Click() {
    std::string folder = os::joinPath(txtPath.text(), txtData.text());
    if (settings::RefusedAsClimbing(folder)) return;
    lblMsg.setCaption("Connecting to network... Pleas Wait.");
    lblMsg.Refresh();
    if (os::fileExists(os::joinPath(folder, std::string(settings::kStationStore)))) {
        lblMsg.setCaption("Your Sever found. Now is Ok for you to share datas");
        ui::MsgBox("Server " + txtPath.text() + " found. Now your datas will be save into this Server.");
        txtNWsetin.setText(std::string(settings::kModeSharing));
    } else {
        lblMsg.setCaption("Check your Sever!");
        ui::MsgBox("Files or Server not found. Please check your Network in Control Planel. " + folder + " Error !!! ");
        txtNWsetin.setText(std::string(settings::kModeSingle));
    }
}

void frmRegister2C::cmdNext_Click() { goNext(); }

void frmRegister2C::cmdClose_Click() { goBack(); }

}  // namespace pelk::setup
