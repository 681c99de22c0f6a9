#include "shell/frmSecurity.h"

#include "platform/os/paths.h"
#include "settings/common.h"

namespace pelk::shell {

namespace {
constexpr const char* kDisabled = "Disabled";
constexpr const char* kEnabled = "Enabled";
}  // namespace

frmSecurity::frmSecurity() {
    setCaption("");
    setMdiChild(true);
    setWidth(6000);
    setHeight(3600);
    for (ui::Data* d : {&datPW, &datcmdSet}) {
        d->setConnect("Access 2000;");
        d->setVisible(false);
    }
    datPW.setRecordSource("tabPword");
    datcmdSet.setRecordSource("tbSet");

    Label1.setCaption("Security Settings");
    Label1.setFont({"Arial", 18, true});
    Label1.setAlignment(ui::kCenter);
    Label1.setBackStyle(0);
    Label1.Move(600, 240, 4800, 495);
    for (auto* label : {&Label6, &Label7}) {
        label->setFont({"Arial", 12, true});
        label->setBackStyle(0);
        label->setAlignment(ui::kRightJustify);
    }
    Label6.setCaption("Delete orders with password:");
    Label6.Move(240, 1080, 3495, 375);
    Label7.setCaption("Open drawer with password:");
    Label7.Move(240, 1680, 3495, 375);
    for (auto* box : {&chkItmDelSec, &chkecd}) {
        box->setCaption(kDisabled);
        box->setFont({"Arial", 12, true});
    }
    chkItmDelSec.Move(3840, 1080, 1575, 375);
    chkecd.Move(3840, 1680, 1575, 375);
    cmdClose.setStyle(1);
    cmdClose.setPicture(ui::Picture::design("Close"));
    cmdClose.Move(2160, 2520, 1635, 735);

    datPW.bind(chkItmDelSec, "ItmDeSecl");
    datcmdSet.bind(chkecd, "ecd");

    chkItmDelSec.onClick([this] { chkItmDelSec_Click(); });
    chkecd.onClick([this] { chkecd_Click(); });
    Label1.onClick([this] { Label1_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// Always the program folder's store, whatever the station's data location: the switches belong to
// this station. The data controls read their first rows once the load is over, and a stored tick
// runs the box's Click, which captions it.
void frmSecurity::Form_Load() {
    settings::CentreForm(*this, 4);
    datPW.setDatabaseName(os::programPath("DOZA98.mdb"));
    datcmdSet.setDatabaseName(os::programPath("DOZA98.mdb"));
}

void frmSecurity::chkItmDelSec_Click() {
    if (chkItmDelSec.caption() == kDisabled)
        chkItmDelSec.setCaption(kEnabled);
    else if (chkItmDelSec.caption() == kEnabled)
        chkItmDelSec.setCaption(kDisabled);
}

void frmSecurity::chkecd_Click() { chkecd.setCaption(chkecd.caption() == kDisabled ? kEnabled : kDisabled); }

// The title closes the screen and leaves the settings panel closed, whoever opened it.
void frmSecurity::Label1_Click() { Unload(); }

// The ticks are written by the data controls as the screen unloads.
void frmSecurity::cmdClose_Click() { settings::CloseToHub(*this, "frmBSfwSet"); }

}  // namespace pelk::shell
