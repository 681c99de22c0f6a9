#include "folio/frmFrontDeskMsg.h"

#include "folio/frmRooms.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "settings/common.h"
#include "shell/frmMain.h"
#include "shell/frmPassword.h"

namespace pelk::folio {

frmFrontDeskMsg::frmFrontDeskMsg() {
    setCaption("");
    setWidth(5400);
    setHeight(3000);
    setBackColor(settings::kScreenGreen);
    lblMsg.setCaption("Where you want to go?");
    lblMsg.Move(240, 240, 4800, 495);
    lblMsg.setAlignment(ui::kCenter);
    lblMsg.setBackStyle(0);
    lblMsg.setFont({"MS Sans Serif", 13.5, true});
    // The words stand in the buttons' pictures; until the pictures ship they are the captions.
    Command1.setCaption("Rooms");
    Command1.Move(480, 1080, 2055, 1095);
    cmdMainScreen.setCaption("Security");
    cmdMainScreen.Move(2880, 1080, 2055, 1095);
    for (ui::CommandButton* b : {&Command1, &cmdMainScreen}) {
        b->setStyle(1);
        b->setFont({"MS Sans Serif", 12, true});
    }
    Command1.onClick([this] { Command1_Click(); });
    cmdMainScreen.onClick([this] { cmdMainScreen_Click(); });
}

void frmFrontDeskMsg::Form_Load() { settings::CentreForm(*this, 5, false); }

// The room map beneath comes to the front again.
void frmFrontDeskMsg::Command1_Click() {
    Unload();
    (void)ui::Unload<frmRooms>();
}

// The log-off: a screen that refuses to close keeps the main window, and the log-off stops there.
void frmFrontDeskMsg::cmdMainScreen_Click() {
    Unload();
    if (!ui::Unload<frmRooms>()) return;
    if (!ui::Unload<reservations::frmMap>()) return;
    if (!ui::Unload<shell::frmMain>()) return;
    ui::forms().get<shell::frmPassword>().Show();
}

}  // namespace pelk::folio
