#include "platform/ui/program.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

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

namespace {
// What the early work made of the stores, until the start-up takes it.
std::optional<std::vector<db::Error>>& storesMadeEarly() {
    static std::optional<std::vector<db::Error>> made;
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
    // The stores are made while the window system comes up; the start-up tells what failed.
    ui::program().early = [] {
        storesMadeEarly() = shell::makeStores();
        shell::openLogInStores();
    };
    ui::program().startUp = [] {
        if (std::string skipped = print::loadStationPrinters(); !skipped.empty()) ui::MsgBox(skipped, ui::kExclamation);
        std::optional<std::vector<db::Error>> early = std::exchange(storesMadeEarly(), std::nullopt);
        shell::tellStoreFailures(early ? *early : shell::makeStores());
        shell::Main();
        shell::releaseLogInStores();
    };
}

}  // namespace pelk
