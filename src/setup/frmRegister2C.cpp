#include "setup/frmRegister2C.h"

#include <string>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/stores.h"

namespace pelk::setup {

namespace {

constexpr ui::FontRole kHeadingFont{"Comic Sans MS", 14.25, true};

const std::initializer_list<ui::DesignProperty> kPathBox = {{"Font", ui::font::kSans12},
                                                            {"ForeColor", ui::color::kRed}};

const ui::FormDesign kDesign{
    {},
    {
        {"lblMsg",
         {480, 1440, 10215, 495},
         {{"Font", ui::font::kComic18Bold}, {"BackStyle", 0}, {"Alignment", ui::kCenter}}},
        {"Label1",
         {480, 2160, 3255, 375},
         {{"Caption", "Server Name:"}, {"Font", kHeadingFont}, {"ForeColor", ui::color::kDarkBlue}, {"BackStyle", 0}}},
        {"Command1", {3780, 2160, 465, 420}, {{"Style", 1}, {"Picture", ui::picture("LAN")}}},
        {"txtPath", {4320, 2160, 4095, 420}, kPathBox},
        {"Label3",
         {8520, 2220, 2295, 300},
         {{"Caption", "\\\\ComputerServer_name\\"},
          {"BackColor", ui::color::kLightYellow},
          {"Font", ui::font::kSans10}}},
        {"Label2",
         {480, 2760, 3255, 375},
         {{"Caption", "Shared Data Location:"},
          {"Font", kHeadingFont},
          {"ForeColor", ui::color::kDarkBlue},
          {"BackStyle", 0}}},
        {"Command2", {3780, 2760, 465, 420}, {{"Style", 1}, {"Picture", ui::picture("Dir")}}},
        {"txtData", {4320, 2760, 4095, 420}, kPathBox},
        {"cmdShare", {4320, 3420, 2055, 855}, {{"Style", 1}, {"Caption", "Testing Sharing"}}},
        {"Label4",
         {480, 4440, 10215, 975},
         {{"Caption",
           "If your computer can't share data from your Sever C:\\Program Files\\Pelk POS\\ directory.  Highlight "
           "Pelk POS folder form your Sever select Properties uncheck Read-only then goto Sharing check on Share "
           "this folder on the network and Click OK."},
          {"BackColor", ui::color::kLightYellow},
          {"Font", ui::font::kSans10},
          {"WordWrap", true}}},
        // A status line: it shows what the test found and takes no typing, so the mode stored is
        // always one of the two the program knows.
        {"txtNWsetin",
         {4320, 5640, 3255, 420},
         {{"Font", ui::font::kSans12Bold},
          {"BackColor", ui::color::kLightGreen},
          {"TabStop", false},
          {"Locked", true}}},
        {"DatSet", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
    }};

}  // namespace

frmRegister2C::frmRegister2C() : WizardStep(6) {
    ui::applyDesign(*this, kDesign);
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
