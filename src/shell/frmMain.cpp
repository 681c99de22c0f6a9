#include "shell/frmMain.h"

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
}

void frmMain::MDIForm_Load() { setBackColor(0xC0FFC0); }

}  // namespace pelk::shell
