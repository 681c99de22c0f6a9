#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"
#include "settings/frmBSfwSet.h"
#include "settings/frmNWSetin.h"
#include "settings/settings.h"
#include "settings/stores.h"

namespace pelk::settings {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmNWSetin>("frmNWSetin");
    ui::forms().registerForm<frmBSfwSet>("frmBSfwSet");
}

// One line per store; a failure to declare is a programming error the tests catch.
void declareStores() {
    (void)db::Catalogue::instance().declare(stationStore());
    (void)db::Catalogue::instance().declare(menuSettingsStore());
}

}  // namespace pelk::settings
