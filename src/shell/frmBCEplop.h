#pragma once

#include "platform/ui/ui.h"

namespace pelk::shell {

// The people hub: the customer list and the customer and vendor records, which open over it, and
// the staff records (hidden from "Level 2" users), which replace it; with Main and Back.
class frmBCEplop : public ui::Form {
public:
    frmBCEplop();

    ui::Image ImgCList{this, "ImgCList"};
    ui::Image ImgCustmr{this, "ImgCustmr"};
    ui::Image ImgEmplye{this, "ImgEmplye"};
    ui::CommandButton cmdMain{this, "cmdMain"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, ui::UnloadMode mode) override;
    void ImgCList_Click();
    void ImgCustmr_Click();
    void ImgEmplye_MouseDown();
    void ImgEmplye_MouseUp();
    void cmdMain_Click();
    void cmdClose_Click();
};

}  // namespace pelk::shell
