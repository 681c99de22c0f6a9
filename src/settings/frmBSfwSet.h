#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace pelk::settings {

// The settings panel: the hub of the station's settings screens, each of which returns here.
// Its picture buttons show their pressed picture while held and open their screen on release;
// at "Level 2" the security, store information and order book buttons take no touch.
class frmBSfwSet : public ui::Form {
public:
    frmBSfwSet();

    ui::Image ImgNet2{this, "ImgNet2"};
    ui::Image ImgNet{this, "ImgNet"};
    ui::Image Image2{this, "Image2"};
    ui::Image imgPtr{this, "imgPtr"};
    ui::CommandButton cmdDI{this, "cmdDI"};
    ui::CommandButton cmdPopUp{this, "cmdPopUp"};
    ui::Image ImgInfor2{this, "ImgInfor2"};
    ui::Image ImgInfor{this, "ImgInfor"};
    ui::Image ImgDate2{this, "ImgDate2"};
    ui::Image ImgDate{this, "ImgDate"};
    ui::Image ImgReset2{this, "ImgReset2"};
    ui::Image ImgReset{this, "ImgReset"};
    ui::Image ImgPassw2{this, "ImgPassw2"};
    ui::Image ImgPassw{this, "ImgPassw"};
    ui::CommandButton cmdMain{this, "cmdMain"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    void Form_Load() override;
    void ImgNet_MouseDown();
    void ImgNet_MouseUp();
    void imgPtr_MouseDown();
    void imgPtr_MouseUp();
    void ImgInfor_MouseDown();
    void ImgInfor_MouseUp();
    void ImgDate_MouseDown();
    void ImgDate_MouseUp();
    void ImgReset_MouseDown();
    void ImgReset_MouseUp();
    void ImgPassw_MouseDown();
    void ImgPassw_MouseUp();
    void cmdDI_Click();
    void cmdPopUp_Click();
    void cmdMain_Click();
    void cmdClose_Click();

private:
    // Leaves the panel for `target`. A screen the program does not have yet takes the panel's
    // place only once it exists: until then the button does nothing, rather than leave the clerk
    // without a screen.
    void openInstead(std::string_view target);
    void release(ui::Image& picture, std::string_view target);
};

}  // namespace pelk::settings
