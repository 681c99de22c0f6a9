#include "setup/frmExample.h"

#include "platform/ui/design.h"

namespace pelk::setup {

namespace {

// The two marks of this computer; the link that opens the example shows the one it speaks of.
const std::initializer_list<ui::DesignProperty> kThisComputer = {{"Caption", "This computer"},
                                                                 {"Font", ui::font::kSans10Bold},
                                                                 {"BackStyle", 0},
                                                                 {"Alignment", ui::kCenter},
                                                                 {"Visible", false}};
const std::initializer_list<ui::DesignProperty> kComputer = {{"Picture", ui::picture("Computer")}, {"Stretch", true}};

// The server with its shared folder at the top left, a station at the top right, two below.
const ui::FormDesign kDesign{
    {{"Caption", "Example"},
     {"BorderStyle", 3},
     {"MinButton", false},
     {"MaxButton", false},
     {"Width", 5280},
     {"Height", 3615},
     {"BackColor", ui::color::kWhite}},
    {
        {"Line1", {}, {{"BorderWidth", 2}, {"X1", 1320}, {"Y1", 1200}, {"X2", 3960}, {"Y2", 1200}}},
        {"Line2", {}, {{"BorderWidth", 2}, {"X1", 840}, {"Y1", 1320}, {"X2", 1560}, {"Y2", 2400}}},
        {"Line3", {}, {{"BorderWidth", 2}, {"X1", 4440}, {"Y1", 1320}, {"X2", 3720}, {"Y2", 2400}}},
        {"Line4", {}, {{"BorderWidth", 2}, {"X1", 1320}, {"Y1", 1320}, {"X2", 3720}, {"Y2", 2400}}},
        {"Image1(0)", {360, 360, 960, 960}, kComputer},
        {"Image1(1)", {3960, 360, 960, 960}, kComputer},
        {"Image1(2)", {1080, 2400, 960, 960}, kComputer},
        {"Image1(3)", {3240, 2400, 960, 960}, kComputer},
        {"Image2", {1440, 360, 840, 720}, {{"Picture", ui::picture("Shared Folder")}, {"Stretch", true}}},
        {"lbl1", {0, 1380, 1695, 285}, kThisComputer},
        {"lbl2", {3600, 60, 1695, 285}, kThisComputer},
    }};

}  // namespace

frmExample::frmExample() { ui::applyDesign(*this, kDesign); }

}  // namespace pelk::setup
