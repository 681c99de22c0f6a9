#include "menu/frmBMenuSet.h"
#include "menu/frmSetMenu.h"
#include "menu/menu.h"
#include "menu/stores.h"
#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"

namespace pelk::menu {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmBMenuSet>("frmBMenuSet");
    ui::forms().registerForm<frmSetMenu>("frmSetMenu");
}

// Declaring ZuBak.mdb again adds the section tables to the store the settings declare.
void declareStores() { (void)db::Catalogue::instance().declare(menuStore()); }

}  // namespace pelk::menu
