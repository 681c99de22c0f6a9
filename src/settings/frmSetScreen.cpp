#include "settings/frmSetScreen.h"

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"
#include "settings/stores.h"

namespace pelk::settings {

namespace {

const ui::FormDesign kDesign{
    {{"Caption", "Screen Settings"},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"Width", 8400},
     {"Height", 3960},
     {"BackColor", ui::color::kLightGreen}},
    {
        {"Label1", {240, 540, 1575, 255}, {{"Caption", "Name:"}, {"BackStyle", 0}, {"Alignment", ui::kRightJustify}}},
        {"Text1", {1920, 480, 6135, 375}},
        {"Label2", {240, 1140, 1575, 255}, {{"Caption", "Logo:"}, {"BackStyle", 0}, {"Alignment", ui::kRightJustify}}},
        {"Text2", {1920, 1080, 6135, 375}},
        {"Label3",
         {240, 1740, 1575, 255},
         {{"Caption", "Runging Msg:"}, {"BackStyle", 0}, {"Alignment", ui::kRightJustify}}},
        {"Text3", {1920, 1680, 6135, 375}},
        {"Data1", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSet"}, {"Visible", false}}},
        {"cmdClose", {240, 2880, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
    }};

}  // namespace

frmSetScreen::frmSetScreen() {
    ui::applyDesign(*this, kDesign);
    Data1.bind(Text1, "SetCpyName_bmp");
    Data1.bind(Text2, "SetLogo_bmp");
    Data1.bind(Text3, "szMsg_run");

    cmdClose.onClick([this] { cmdClose_Click(); });
}

// The settings row of this station's program folder, whatever the data location.
void frmSetScreen::Form_Load() {
    CentreForm(*this, 4, false);
    Data1.setDatabaseName(os::programPath(kStationStore));
}

void frmSetScreen::cmdClose_Click() {
    Unload();
    ui::forms().get<frmBSfwSet>().Show();
}

}  // namespace pelk::settings
