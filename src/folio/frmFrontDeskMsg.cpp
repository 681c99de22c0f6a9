#include "folio/frmFrontDeskMsg.h"

#include "folio/frmRooms.h"
#include "platform/ui/design.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "settings/common.h"
#include "shell/frmMain.h"
#include "shell/frmPassword.h"

namespace pelk::folio {

namespace {

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"Width", 5400}, {"Height", 3000}, {"BackColor", ui::color::kLightGreen}},
    {
        {"lblMsg",
         {240, 240, 4800, 495},
         {{"Caption", "Where you want to go?"},
          {"Alignment", ui::kCenter},
          {"BackStyle", 0},
          {"Font", ui::font::kSans13Bold}}},
        // The words stand in the buttons' pictures; until the pictures ship they are the captions.
        {"Command1", {480, 1080, 2055, 1095}, {{"Caption", "Rooms"}, {"Style", 1}, {"Font", ui::font::kSans12Bold}}},
        {"cmdMainScreen",
         {2880, 1080, 2055, 1095},
         {{"Caption", "Security"}, {"Style", 1}, {"Font", ui::font::kSans12Bold}}},
    }};

}  // namespace

frmFrontDeskMsg::frmFrontDeskMsg() {
    ui::applyDesign(*this, kDesign);
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
