#include "shell/frmCopyright.h"

#include <string>

#include "pelk/version.h"
#include "platform/ui/design.h"
#include "settings/common.h"

namespace pelk::shell {

namespace {

// A fixed dialog frame without title bar; the window system centres it.
const ui::FormDesign kDesign{
    {{"BorderStyle", 3},
     {"Caption", ""},
     {"ControlBox", false},
     {"MinButton", false},
     {"MaxButton", false},
     {"Width", 7635},
     {"Height", 1245},
     {"BackColor", ui::color::kLightGreen},
     {"KeyPreview", true}},
    {
        {"Image1", {120, 60, 7395, 135}},
        {"Line1", {}, {{"X1", 120}, {"Y1", 240}, {"X2", 7515}, {"Y2", 240}}},
        {"Label2", {240, 300, 3600, 375}, {{"Caption", "Pelk POS 4"}, {"Font", ui::font::kArial14Bold}}},
        {"Label3", {3960, 360, 3480, 255}, {{"Caption", "Hotel Front Desk"}, {"Font", ui::font::kArial10Bold}}},
        {"Label5", {240, 690, 3600, 195}, {{"Caption", "Reservations - Folios - Room Service"}}},
        {"Label7", {3960, 690, 3480, 195}, {{"Caption", "Restaurant and Time Clock"}}},
        {"Line3", {}, {{"X1", 120}, {"Y1", 915}, {"X2", 7515}, {"Y2", 915}}},
        {"lblDescription", {240, 960, 3600, 195}, {{"Caption", "Pelk Software"}}},
        {"lblVersion", {3960, 960, 3480, 195}, {{"Caption", "Label3"}, {"Alignment", ui::kRightJustify}}},
    }};

}  // namespace

frmCopyright::frmCopyright() {
    ui::applyDesign(*this, kDesign);
    // The window system puts the banner in the middle of the screen.
    settings::CentreForm(*this, 2, false);
}

void frmCopyright::Form_Load() {
    lblVersion.setCaption("Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                          std::to_string(kVersionRevision));
}

void frmCopyright::Form_KeyPress(int& KeyAscii) { Unload(); }

}  // namespace pelk::shell
