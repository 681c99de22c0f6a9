#include "platform/ui/program.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "folio/folio.h"
#include "folio/order_book.h"
#include "menu/menu.h"
#include "payment/payment.h"
#include "platform/print/printers.h"
#include "platform/ui/host.h"
#include "platform/ui/runtime.h"
#include "reports/reports.h"
#include "reservations/reservations.h"
#include "settings/settings.h"
#include "setup/setup.h"
#include "shell/Splash.h"
#include "shell/shell.h"

namespace pelk {

namespace {
// What the early work made of the stores, until the start-up takes it.
std::optional<shell::StoresMade>& storesMadeEarly() {
    static std::optional<shell::StoresMade> made;
    return made;
}
}  // namespace

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
    ui::program().early = [] {
        storesMadeEarly() = shell::makeStores();
        shell::openLogInStores();
    };
    ui::program().startUp = [] {
        if (std::string skipped = print::loadStationPrinters(); !skipped.empty()) ui::MsgBox(skipped, ui::kExclamation);
        std::optional<shell::StoresMade> early = std::exchange(storesMadeEarly(), std::nullopt);
        shell::StoresMade made = early ? std::move(*early) : shell::makeStores();
        shell::tellStoreFailures(made.failures);
        shell::tellStoresMadeAnew(made.madeAnew);
        shell::Main();
        // A card approved while this station was stopping reaches its folio before anyone works on it.
        if (!ui::programEnded()) folio::settlePendingCardPayments();
        shell::releaseLogInStores();
    };
}

}  // namespace pelk
