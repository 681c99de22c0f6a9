#include "platform/ui/program.h"

#include <string>

#include "folio/folio.h"
#include "menu/menu.h"
#include "payment/payment.h"
#include "platform/print/printers.h"
#include "platform/ui/host.h"
#include "reports/reports.h"
#include "reservations/reservations.h"
#include "settings/settings.h"
#include "setup/setup.h"
#include "shell/Splash.h"
#include "shell/shell.h"

namespace pelk {

void installProgram() {
    ui::program().registerForms = [] {
        settings::registerForms();
        shell::registerForms();
        menu::registerForms();
        reservations::registerForms();
        folio::registerForms();
        payment::registerForms();
        reports::registerForms();
        setup::registerForms();
    };
    ui::program().declareStores = [] {
        settings::declareStores();
        shell::declareStores();
        menu::declareStores();
        reservations::declareStores();
        folio::declareStores();
        payment::declareStores();
        reports::declareStores();
        setup::declareStores();
    };
    ui::program().startUp = [] {
        if (std::string skipped = print::loadStationPrinters(); !skipped.empty()) ui::MsgBox(skipped, ui::kExclamation);
        shell::makeMissingStores();
        shell::Main();
    };
}

}  // namespace pelk
