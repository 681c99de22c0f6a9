#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"
#include "shell/frmAbout.h"
#include "shell/frmBCEplop.h"
#include "shell/frmBOffice.h"
#include "shell/frmCopyright.h"
#include "shell/frmEmploye.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/frmPassword.h"
#include "shell/frmRepTSht.h"
#include "shell/frmSecurity.h"
#include "shell/frmShutdown.h"
#include "shell/frmTimer.h"
#include "shell/shell.h"
#include "shell/stores.h"
#include "shell/timecards.h"

namespace pelk::shell {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmCopyright>("frmCopyright");
    ui::forms().registerForm<frmPassword>("frmPassword");
    ui::forms().registerForm<frmMain>("frmMain");
    ui::forms().registerForm<frmMainButn>("frmMainButn");
    ui::forms().registerForm<frmShutdown>("frmShutdown");
    ui::forms().registerForm<frmEmploye>("frmEmploye");
    ui::forms().registerForm<frmBCEplop>("frmBCEplop");
    ui::forms().registerForm<frmBOffice>("frmBOffice");
    ui::forms().registerForm<frmSecurity>("frmSecurity");
    ui::forms().registerForm<frmAbout>("frmAbout");
    ui::forms().registerForm<frmTimer>("frmTimer");
    ui::forms().registerForm<frmRepTSht>("frmRepTSht");
}

// One line per store; a failure to declare is a programming error the tests catch.
void declareStores() {
    (void)db::Catalogue::instance().declare(employeeStore());
    (void)db::Catalogue::instance().declare(openFolioStore());
    (void)db::Catalogue::instance().declare(timeCardStore());
}

}  // namespace pelk::shell
