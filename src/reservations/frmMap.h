#pragma once

#include "platform/ui/ui.h"

namespace pelk::reservations {

// The room map. For now it holds what its openers and the reservation screen use: its mode, its
// two dates with their arrows, and Close; the floors and the room buttons come with the map's
// drawing.
class frmMap : public ui::Form {
public:
    frmMap();

    // The mode its opener gives it: "Reserv", "ChkI" or "ChkO"; empty when only loaded.
    ui::Label lblMode{this, "lblMode"};
    ui::Label lblDIn{this, "lblDIn"};
    ui::TextBox txtDateIn{this, "txtDateIn"};
    ui::CommandButton cmdLess{this, "cmdLess"};
    ui::CommandButton cmdMore{this, "cmdMore"};
    ui::Label lblDOut{this, "lblDOut"};
    ui::TextBox txtDateOut{this, "txtDateOut"};
    ui::CommandButton cmdOLess{this, "cmdOLess"};
    ui::CommandButton cmdOMore{this, "cmdOMore"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void cmdClose_Click();
};

}  // namespace pelk::reservations
