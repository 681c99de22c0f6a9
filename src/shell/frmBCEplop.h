#pragma once

#include "platform/ui/ui.h"

namespace pelk::shell {

// The people hub: the door to the staff records (hidden from "Level 2" users), with Main and Back.
class frmBCEplop : public ui::Form {
public:
    frmBCEplop();

    ui::Image ImgEmplye{this, "ImgEmplye"};
    ui::CommandButton cmdMain{this, "cmdMain"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void cmdMain_Click();
    void cmdClose_Click();
};

}  // namespace pelk::shell
