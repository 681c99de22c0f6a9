#include "shell/start.h"

#include <optional>
#include <string>
#include <utility>

#include "platform/print/printers.h"
#include "platform/ui/host.h"
#include "shell/Splash.h"

namespace pelk::shell {

namespace {
// What the early work made of the stores, until the start-up takes it.
std::optional<StoresMade>& storesMadeEarly() {
    static std::optional<StoresMade> made;
    return made;
}
}  // namespace

void startEarly() {
    storesMadeEarly() = makeStores();
    openLogInStores();
}

void startUp(const std::function<void()>& afterMain) {
    if (std::string skipped = print::loadStationPrinters(); !skipped.empty()) ui::MsgBox(skipped, ui::kExclamation);
    std::optional<StoresMade> early = std::exchange(storesMadeEarly(), std::nullopt);
    StoresMade made = early ? std::move(*early) : makeStores();
    tellStoreFailures(made.failures);
    tellStoresMadeAnew(made.madeAnew);
    Main();
    afterMain();
    releaseLogInStores();
}

}  // namespace pelk::shell
