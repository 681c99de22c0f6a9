#include "settings/frmNWSetin.h"

#include <string>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"

namespace pelk::settings {

namespace {

const ui::FormDesign kDesign{
    {{"Caption", "Network Settings"}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 9000}, {"Height", 5400}},
    {
        {"txtNWsetin", {2520, 480, 2775, 375}, {{"BackColor", ui::color::kLightGreen}, {"TabStop", false}}},
        // The labels end where the small decoration buttons begin, so that none lies over its words.
        {"Label1", {240, 1200, 1800, 255}, {{"Caption", "Server Name:"}}},
        {"txtPath", {2520, 1200, 3855, 375}, {{"ForeColor", ui::color::kRed}}},
        {"Label2", {240, 1680, 1800, 255}, {{"Caption", "Shared Data Location:"}}},
        {"txtData", {2520, 1680, 3855, 375}, {{"ForeColor", ui::color::kRed}}},
        {"Label3", {240, 2160, 1800, 255}, {{"Caption", " Data Location:"}}},
        {"Text1", {2520, 2160, 3855, 375}, {{"Text", "C:\\Program Files\\Pelk POS 4"}, {"ForeColor", ui::color::kRed}}},
        {"Label4",
         {480, 2760, 7935, 255},
         {{"Caption", "File Sharing don't share your Menu data and same Settings in your Sever. "}}},
        {"Label5",
         {480, 3120, 7935, 255},
         {{"Caption",
           "If you using same Menu data for all stations.  Please copy bak.mdb file into your other station.  "}}},
        {"cmdSingle", {6600, 480, 1935, 615}, {{"Caption", "Single/Sever"}}},
        {"cmdShare", {6600, 1200, 1935, 615}, {{"Caption", "File Sharing"}}},
        // The close button's picture reads Back, as on every settings screen.
        {"cmdClose", {480, 4200, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
        // The small pictures beside the boxes: the server's network and the two data folders, drawn
        // as the set-up wizard draws them.
        {"Command1",
         {2040, 1200, 375, 375},
         {{"Style", 1}, {"Font", ui::font::kSans7}, {"Picture", ui::picture("LAN")}}},
        {"Command2",
         {2040, 1680, 375, 375},
         {{"Style", 1}, {"Font", ui::font::kSans7}, {"Picture", ui::picture("Dir")}}},
        {"Command3",
         {2040, 2160, 375, 375},
         {{"Style", 1}, {"Font", ui::font::kSans7}, {"Picture", ui::picture("Dir")}}},
        {"DatSet", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
    }};

}  // namespace

frmNWSetin::frmNWSetin() {
    ui::applyDesign(*this, kDesign);
    DatSet.bind(txtNWsetin, "SetC");
    DatSet.bind(txtPath, "SetP");
    DatSet.bind(txtData, "SetO");

    cmdShare.onClick([this] { cmdShare_Click(); });
    cmdSingle.onClick([this] { cmdSingle_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

void frmNWSetin::Form_Load() {
    CentreForm(*this, 5);
    DatSet.setDatabaseName(os::programPath("DOZA98.mdb"));
    DatSet.setRecordSource("SELECT * FROM tbSet ORDER BY ID ASC");
    if (db::Status read = DatSet.Refresh(); !read) {
        DatSet.report(read.error());
        return;
    }
    // A new station's server path is set at once, before anything shows it.
    if (txtPath.text() == "-") (void)writeField(DatSet, "SetP", std::string(kDefaultServerPath));
}

// An unreachable server, a wrong path and a server without DOZA98.mdb all read as "not found".
void frmNWSetin::cmdShare_Click() {
    if (RefusedAsClimbing(os::joinPath(txtPath.text(), txtData.text()))) return;
    if (os::fileExists(os::joinPath(txtPath.text(), txtData.text(), "DOZA98.mdb"))) {
        ui::MsgBox("Server " + txtPath.text() + " found. Now your datas will be save into this Server.");
        txtNWsetin.setText(std::string(kModeSharing));
    } else {
        ui::MsgBox("Files or Server not found. Please check your Network in Control Planel. " + txtPath.text() +
                   " Error !!! ");
        txtNWsetin.setText(std::string(kModeSingle));
    }
}

void frmNWSetin::cmdSingle_Click() {
    ui::MsgBox("This Station will disconnect from Server. " + txtPath.text());
    txtNWsetin.setText(std::string(kModeSingle));
}

void frmNWSetin::cmdClose_Click() { CloseToHub<frmBSfwSet>(*this); }

}  // namespace pelk::settings
