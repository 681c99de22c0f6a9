#include "shell/frmMain.h"

#include <string>

#include "platform/os/actions.h"
#include "platform/os/files.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmInfor.h"
#include "settings/frmNWSetin.h"
#include "settings/frmReset.h"
#include "settings/frmSetPtr.h"
#include "settings/frmSetdate.h"
#include "shell/frmAbout.h"
#include "shell/frmEmploye.h"
#include "shell/frmMainButn.h"
#include "shell/frmRepTSht.h"
#include "shell/frmSecurity.h"
#include "shell/frmTimer.h"

namespace pelk::shell {

namespace {

const ui::FormDesign kDesign{{{"Caption", "Pelk POS 4"}, {"WindowState", ui::kMaximized}},
                             {
                                 {"mmFile", {}, {{"Caption", "&File"}}},
                                 {"mmPrintSet", {}, {{"Caption", "&Priner Setup"}}},
                                 {"mmClose", {}, {{"Caption", "&Close"}}},
                                 {"mmWindows", {}, {{"Caption", "&Windows"}}},
                                 {"mmMain", {}, {{"Caption", "&Main"}, {"Shortcut", "Ctrl+M"}}},
                                 {"mmMaintain", {}, {{"Caption", "&Maintain"}}},
                                 {"mmEmployee", {}, {{"Caption", "Empl&oyees"}}},
                                 {"mmReports", {}, {{"Caption", "&Reports"}}},
                                 {"mmReserv", {}, {{"Caption", "Reservation Lists"}}},
                                 {"mmAccntRece", {}, {{"Caption", "Income Statement"}, {"Shortcut", "Ctrl+F1"}}},
                                 {"mmRepGroup", {}, {{"Caption", "Sales Reports"}, {"Shortcut", "Ctrl+F2"}}},
                                 {"mmAccPayable", {}, {{"Caption", "Account Payable"}, {"Shortcut", "Ctrl+F3"}}},
                                 {"mmTimecard", {}, {{"Caption", "Time Sheet"}, {"Shortcut", "Ctrl+F7"}}},
                                 {"mmSetting", {}, {{"Caption", "&Settings"}}},
                                 {"mmPrice", {}, {{"Caption", "&Menus"}, {"Shortcut", "F1"}}},
                                 {"mmInfor", {}, {{"Caption", "Information"}, {"Shortcut", "F5"}}},
                                 {"mmSetDate", {}, {{"Caption", "Set Sys Date"}, {"Shortcut", "F6"}}},
                                 {"mmSecurity", {}, {{"Caption", "Security"}, {"Shortcut", "F7"}}},
                                 {"mmPrinters", {}, {{"Caption", "Printers"}, {"Shortcut", "F8"}}},
                                 {"mmNWsetin", {}, {{"Caption", "Networking"}, {"Shortcut", "F9"}}},
                                 {"mmReset", {}, {{"Caption", "Reset"}, {"Shortcut", "F11"}}},
                                 {"mmTool", {}, {{"Caption", "&Tools"}}},
                                 {"mmTimer", {}, {{"Caption", "Timer"}}},
                                 {"mmAnswer", {}, {{"Caption", "Answer Machine"}}},
                                 {"mmPaint", {}, {{"Caption", "Painting"}}},
                                 {"mmHelp", {}, {{"Caption", "&Help"}}},
                                 {"mmSetup", {}, {{"Caption", "Run Setup"}, {"Shortcut", "Ctrl+S"}}},
                                 {"mmDefrag", {}, {{"Caption", "Defrag"}, {"Shortcut", "Ctrl+H"}}},
                                 {"mmAbout", {}, {{"Caption", "Abo&ut"}, {"Shortcut", "Ctrl+U"}}},
                             }};

}  // namespace

frmMain::frmMain() {
    ui::applyDesign(*this, kDesign);

    mmPrintSet.onClick([this] { mmPrintSet_Click(); });
    mmClose.onClick([this] { mmClose_Click(); });
    mmMain.onClick([this] { mmMain_Click(); });
    mmEmployee.onClick([this] { mmEmployee_Click(); });
    mmReserv.onClick([this] { mmReserv_Click(); });
    mmAccntRece.onClick([this] { mmAccntRece_Click(); });
    mmRepGroup.onClick([this] { mmRepGroup_Click(); });
    mmAccPayable.onClick([this] { mmAccPayable_Click(); });
    mmTimecard.onClick([this] { mmTimecard_Click(); });
    mmPrice.onClick([this] { mmPrice_Click(); });
    mmInfor.onClick([this] { mmInfor_Click(); });
    mmSetDate.onClick([this] { mmSetDate_Click(); });
    mmSecurity.onClick([this] { mmSecurity_Click(); });
    mmPrinters.onClick([this] { mmPrinters_Click(); });
    mmNWsetin.onClick([this] { mmNWsetin_Click(); });
    mmReset.onClick([this] { mmReset_Click(); });
    mmTimer.onClick([this] { mmTimer_Click(); });
    mmAnswer.onClick([this] { mmAnswer_Click(); });
    mmPaint.onClick([this] { mmPaint_Click(); });
    mmSetup.onClick([this] { mmSetup_Click(); });
    mmDefrag.onClick([this] { mmDefrag_Click(); });
    mmAbout.onClick([this] { mmAbout_Click(); });
}

namespace {

// The eleven items that mark their screen: "QS" first (the reference loads the screen when it is
// not loaded), then shown; the screen's Close then only unloads it instead of returning to a hub.
void showMarked(ui::Form& screen) {
    screen.setTag(std::string(settings::kFromMenu));
    screen.Show();
}
void showMarked(std::string_view later) { showMarked(ui::forms().byName(later)); }
void showLater(std::string_view later) { ui::forms().byName(later).Show(); }

// An outside program the station's administrator provides; the program goes on without it.
void launch(const std::string& program) {
    if (std::string refused = os::actions().launch(program); !refused.empty())
        ui::MsgBox(program + " could not be started. " + refused, ui::kExclamation);
}

}  // namespace

void frmMain::MDIForm_Load() { setBackColor(ui::color::kLightGreen); }

// The main window never refuses to close; it only remembers why it closes.
void frmMain::MDIForm_QueryUnload(int& Cancel, ui::UnloadMode UnloadMode) { closing_ = UnloadMode; }

// Closed by its close box, it ends the program as Exit Program does: its screens have gone and
// written what they held by now.
void frmMain::MDIForm_Unload(int& Cancel) {
    if (closing_ == ui::UnloadMode::FormControlMenu) ui::End();
}

void frmMain::mmPrintSet_Click() {
    dbPrinter.setDialogTitle("SELECT a Printer");
    dbPrinter.setFlags(64);
    dbPrinter.ShowPrinter();
}

void frmMain::mmClose_Click() {
    if (Unload()) ui::End();
}

void frmMain::mmMain_Click() { ui::forms().get<frmMainButn>().Show(); }
void frmMain::mmEmployee_Click() { showMarked(ui::forms().get<frmEmploye>()); }
void frmMain::mmReserv_Click() { showLater("frmReserv"); }
void frmMain::mmAccntRece_Click() { showMarked("frmReports"); }
void frmMain::mmRepGroup_Click() { showMarked("frmRepDy"); }
void frmMain::mmAccPayable_Click() { showMarked("frmRepAccPayable"); }
void frmMain::mmTimecard_Click() { showMarked(ui::forms().get<frmRepTSht>()); }
void frmMain::mmPrice_Click() { showMarked("frmSetMenu"); }
void frmMain::mmInfor_Click() { showMarked(ui::forms().get<settings::frmInfor>()); }
void frmMain::mmSetDate_Click() { showMarked(ui::forms().get<settings::frmSetdate>()); }
void frmMain::mmSecurity_Click() { showMarked(ui::forms().get<frmSecurity>()); }
void frmMain::mmPrinters_Click() { ui::forms().get<settings::frmSetPtr>().Show(); }
void frmMain::mmNWsetin_Click() { showMarked(ui::forms().get<settings::frmNWSetin>()); }
void frmMain::mmReset_Click() { showMarked(ui::forms().get<settings::frmReset>()); }
void frmMain::mmTimer_Click() { ui::forms().get<frmTimer>().Show(); }
void frmMain::mmAnswer_Click() {}

void frmMain::mmPaint_Click() {
    if (os::fileExists("C:\\Windows\\Pbrush.EXE"))
        launch("Pbrush.EXE");
    else
        ui::MsgBox("If you want to add Planing,please contact your program vendor now.");
}

// Nothing runs after the wizard: whatever it set is read by the screens loaded afterwards.
void frmMain::mmSetup_Click() { ui::forms().byName("frmRegister").Show(ui::kModal); }

void frmMain::mmDefrag_Click() { launch("Defrag.EXE"); }
void frmMain::mmAbout_Click() { ui::forms().get<frmAbout>().Show(); }

}  // namespace pelk::shell
