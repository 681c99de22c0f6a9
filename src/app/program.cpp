#include "platform/ui/program.h"

#include "folio/folio.h"
#include "folio/order_book.h"
#include "menu/menu.h"
#include "payment/payment.h"
#include "platform/ui/runtime.h"
#include "reports/reports.h"
#include "reservations/reservations.h"
#include "settings/settings.h"
#include "setup/setup.h"
#include "shell/shell.h"
#include "shell/start.h"

namespace pelk {

// The program made of its parts, in their order: each registers its screens and declares its
// stores; the shell starts it.
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
    // The stores are made while the window system comes up; the start-up tells what failed and
    // what was made anew.
    ui::program().early = [] { shell::startEarly(); };
    ui::program().startUp = [] {
        shell::startUp([] {
            // A card approved while this station was stopping reaches its folio before anyone works on it.
            if (!ui::programEnded()) folio::settlePendingCardPayments();
        });
    };
}

}  // namespace pelk
