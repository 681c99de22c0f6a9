#include "platform/ui/program.h"

#include <stdexcept>

#include "folio/folio.h"
#include "menu/menu.h"
#include "payment/payment.h"
#include "reports/reports.h"
#include "reservations/reservations.h"
#include "settings/settings.h"
#include "setup/setup.h"
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
    ui::program().startUp = [] { throw std::runtime_error("the program's start-up is not yet available"); };
}

}  // namespace pelk
