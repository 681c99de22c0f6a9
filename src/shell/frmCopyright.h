#pragma once

#include "platform/ui/ui.h"

namespace pelk::shell {

// The splash banner of the start-up: product lines and the version the executable carries.
class frmCopyright : public ui::Form {
public:
    frmCopyright();

    ui::Label lblVersion{this, "lblVersion"};
    ui::Label Label2{this, "Label2"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label5{this, "Label5"};
    ui::Label Label7{this, "Label7"};
    ui::Label lblDescription{this, "lblDescription"};
    ui::Image Image1{this, "Image1"};
    ui::Line Line1{this, "Line1"};
    ui::Line Line3{this, "Line3"};

    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
};

}  // namespace pelk::shell
