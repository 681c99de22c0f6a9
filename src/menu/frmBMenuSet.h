#pragma once

#include "platform/ui/ui.h"

namespace pelk::menu {

// The menu set-up hub: the way from the back office to the menu screens, and where they return.
// Its picture buttons show their pressed picture while held and open their screen on release.
class frmBMenuSet : public ui::Form {
public:
    frmBMenuSet();

    ui::Image ImgMenu2{this, "ImgMenu2"};
    ui::Image ImgMenu{this, "ImgMenu"};
    ui::Image ImgDes2{this, "ImgDes2"};
    ui::Image ImgDes{this, "ImgDes"};
    // What the pictures read, under each picture until the pictures ship.
    ui::Label lblMenu{this, "lblMenu"};
    ui::Label lblDes{this, "lblDes"};
    ui::CommandButton cmdDIPic{this, "cmdDIPic"};
    ui::CommandButton cmdMain{this, "cmdMain"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void ImgMenu_MouseDown();
    void ImgMenu_MouseUp();
    void ImgDes_MouseDown();
    void ImgDes_MouseUp();
    void cmdDIPic_Click();
    void cmdMain_Click();
    void cmdClose_Click();
};

}  // namespace pelk::menu
