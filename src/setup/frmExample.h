#pragma once

#include "platform/ui/ui.h"

namespace pelk::setup {

// The picture behind the network step's "View an example." links: four computers, one of them
// holding the shared folder. The link clicked shows which one "This computer" is.
class frmExample : public ui::Form {
public:
    frmExample();

    ui::Line Line1{this, "Line1"};
    ui::Line Line2{this, "Line2"};
    ui::Line Line3{this, "Line3"};
    ui::Line Line4{this, "Line4"};
    ui::ControlArray<ui::Image> Image1{this, "Image1", 4};
    ui::Image Image2{this, "Image2"};
    ui::Label lbl1{this, "lbl1"};
    ui::Label lbl2{this, "lbl2"};
};

}  // namespace pelk::setup
