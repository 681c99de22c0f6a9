#include "shell/frmMain.h"

#include <string>

#include "platform/os/actions.h"
#include "platform/os/files.h"
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

frmMain::frmMain() {
    setCaption("Pelk POS 4");
    setWindowState(ui::kMaximized);

    struct Item {
        ui::Menu& menu;
        const char* caption;
        const char* shortcut;
    };
    for (const Item& i : {
             Item{mmFile, "&File", ""},
             Item{mmPrintSet, "&Priner Setup", ""},
             Item{mmClose, "&Close", ""},
             Item{mmWindows, "&Windows", ""},
             Item{mmMain, "&Main", "Ctrl+M"},
             Item{mmMaintain, "&Maintain", ""},
             Item{mmEmployee, "Empl&oyees", ""},
             Item{mmReports, "&Reports", ""},
             Item{mmReserv, "Reservation Lists", ""},
             Item{mmAccntRece, "Income Statement", "Ctrl+F1"},
             Item{mmRepGroup, "Sales Reports", "Ctrl+F2"},
             Item{mmAccPayable, "Account Payable", "Ctrl+F3"},
             Item{mmTimecard, "Time Sheet", "Ctrl+F7"},
             Item{mmSetting, "&Settings", ""},
             Item{mmPrice, "&Menus", "F1"},
             Item{mmInfor, "Information", "F5"},
             Item{mmSetDate, "Set Sys Date", "F6"},
             Item{mmSecurity, "Security", "F7"},
             Item{mmPrinters, "Printers", "F8"},
             Item{mmNWsetin, "Networking", "F9"},
             Item{mmReset, "Reset", "F11"},
             Item{mmTool, "&Tools", ""},
             Item{mmTimer, "Timer", ""},
             Item{mmAnswer, "Answer Machine", ""},
             Item{mmPaint, "Painting", ""},
             Item{mmHelp, "&Help", ""},
             Item{mmSetup, "Run Setup", "Ctrl+S"},
             Item{mmDefrag, "Defrag", "Ctrl+H"},
             Item{mmAbout, "Abo&ut", "Ctrl+U"},
         }) {
        i.menu.setCaption(i.caption);
        i.menu.setShortcut(i.shortcut);
    }

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

void frmMain::MDIForm_Load() { setBackColor(0xC0FFC0); }

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
