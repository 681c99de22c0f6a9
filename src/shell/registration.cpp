#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"
#include "shell/frmCopyright.h"
#include "shell/frmMain.h"
#include "shell/frmMainButn.h"
#include "shell/shell.h"
#include "shell/stores.h"

namespace pelk::shell {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmCopyright>("frmCopyright");
    ui::forms().registerForm<frmMain>("frmMain");
    ui::forms().registerForm<frmMainButn>("frmMainButn");
}

// One line per store; a failure to declare is a programming error the tests catch.
void declareStores() {
    (void)db::Catalogue::instance().declare(employeeStore());
    (void)db::Catalogue::instance().declare(openFolioStore());
}

}  // namespace pelk::shell
