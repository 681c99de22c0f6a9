#include "settings/frmNWSetin.h"

#include <string>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"

namespace pelk::settings {

frmNWSetin::frmNWSetin() {
    setCaption("Network Settings");
    setMdiChild(true);
    setBorderStyle(0);
    setWidth(9000);
    setHeight(5400);
    txtNWsetin.Move(2520, 480, 2775, 375);
    txtNWsetin.setBackColor(kScreenGreen);
    txtNWsetin.setTabStop(false);
    // The labels end where the small decoration buttons begin, so that none lies over its words.
    Label1.setCaption("Server Name:");
    Label1.Move(240, 1200, 1800, 255);
    txtPath.Move(2520, 1200, 3855, 375);
    txtPath.setForeColor(0x0000FF);
    Label2.setCaption("Shared Data Location:");
    Label2.Move(240, 1680, 1800, 255);
    txtData.Move(2520, 1680, 3855, 375);
    txtData.setForeColor(0x0000FF);
    Label3.setCaption(" Data Location:");
    Label3.Move(240, 2160, 1800, 255);
    Text1.setText("C:\\Program Files\\Pelk POS 4");
    Text1.Move(2520, 2160, 3855, 375);
    Text1.setForeColor(0x0000FF);
    Label4.setCaption("File Sharing don't share your Menu data and same Settings in your Sever. ");
    Label4.Move(480, 2760, 7935, 255);
    Label5.setCaption(
        "If you using same Menu data for all stations.  Please copy bak.mdb file into your other station.  ");
    Label5.Move(480, 3120, 7935, 255);
    cmdSingle.setCaption("Single/Sever");
    cmdSingle.Move(6600, 480, 1935, 615);
    cmdShare.setCaption("File Sharing");
    cmdShare.Move(6600, 1200, 1935, 615);
    // The close button's picture reads Back, as on every settings screen.
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Back"));
    cmdClose.Move(480, 4200, 1215, 735);
    // The small pictures beside the boxes: the server's network and the two data folders, drawn
    // as the set-up wizard draws them.
    for (ui::CommandButton* b : {&Command1, &Command2, &Command3}) {
        b->setStyle(1);
        b->setFontSize(6.75);
    }
    Command1.setPicture(ui::Picture::design("LAN"));
    Command2.setPicture(ui::Picture::design("Dir"));
    Command3.setPicture(ui::Picture::design("Dir"));
    Command1.Move(2040, 1200, 375, 375);
    Command2.Move(2040, 1680, 375, 375);
    Command3.Move(2040, 2160, 375, 375);

    DatSet.setConnect("Access 2000;");
    DatSet.setVisible(false);
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
