#pragma once

#include "platform/ui/ui.h"

namespace pelk::shell {

// The main window: frames the screens and carries the menu bar. Its Tag holds the access level of
// the user logged in ("Level 1", "Level 2", "Level 3").
class frmMain : public ui::MdiForm {
public:
    frmMain();

    ui::Menu mmFile{this, "mmFile"};
    ui::Menu mmPrintSet{this, "mmPrintSet", mmFile};
    ui::Menu mmClose{this, "mmClose", mmFile};
    ui::Menu mmWindows{this, "mmWindows"};
    ui::Menu mmMain{this, "mmMain", mmWindows};
    ui::Menu mmMaintain{this, "mmMaintain"};
    ui::Menu mmEmployee{this, "mmEmployee", mmMaintain};
    ui::Menu mmReports{this, "mmReports"};
    ui::Menu mmReserv{this, "mmReserv", mmReports};
    ui::Menu mmAccntRece{this, "mmAccntRece", mmReports};
    ui::Menu mmRepGroup{this, "mmRepGroup", mmReports};
    ui::Menu mmAccPayable{this, "mmAccPayable", mmReports};
    ui::Menu mmTimecard{this, "mmTimecard", mmReports};
    ui::Menu mmSetting{this, "mmSetting"};
    ui::Menu mmPrice{this, "mmPrice", mmSetting};
    ui::Menu mmInfor{this, "mmInfor", mmSetting};
    ui::Menu mmSetDate{this, "mmSetDate", mmSetting};
    ui::Menu mmSecurity{this, "mmSecurity", mmSetting};
    ui::Menu mmPrinters{this, "mmPrinters", mmSetting};
    ui::Menu mmNWsetin{this, "mmNWsetin", mmSetting};
    ui::Menu mmReset{this, "mmReset", mmSetting};
    ui::Menu mmTool{this, "mmTool"};
    ui::Menu mmTimer{this, "mmTimer", mmTool};
    ui::Menu mmAnswer{this, "mmAnswer", mmTool};
    ui::Menu mmPaint{this, "mmPaint", mmTool};
    ui::Menu mmHelp{this, "mmHelp"};
    ui::Menu mmSetup{this, "mmSetup", mmHelp};
    ui::Menu mmDefrag{this, "mmDefrag", mmHelp};
    ui::Menu mmAbout{this, "mmAbout", mmHelp};
    ui::CommonDialog dbPrinter{this, "dbPrinter"};

    void MDIForm_Load() override;
    void MDIForm_QueryUnload(int& Cancel, ui::UnloadMode UnloadMode) override;
    void MDIForm_Unload(int& Cancel) override;

    void mmPrintSet_Click();
    void mmClose_Click();
    void mmMain_Click();
    void mmEmployee_Click();
    void mmReserv_Click();
    void mmAccntRece_Click();
    void mmRepGroup_Click();
    void mmAccPayable_Click();
    void mmTimecard_Click();
    void mmPrice_Click();
    void mmInfor_Click();
    void mmSetDate_Click();
    void mmSecurity_Click();
    void mmPrinters_Click();
    void mmNWsetin_Click();
    void mmReset_Click();
    void mmTimer_Click();
    void mmAnswer_Click();
    void mmPaint_Click();
    void mmSetup_Click();
    void mmDefrag_Click();
    void mmAbout_Click();

private:
    // Why the window is being closed this time: the close box ends the program with it.
    ui::UnloadMode closing_ = ui::UnloadMode::FormCode;
};

}  // namespace pelk::shell
