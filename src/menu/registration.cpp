#include "menu/frmBMenuSet.h"
#include "menu/frmEDes.h"
#include "menu/frmFrontDeskPicAd.h"
#include "menu/frmSetMenu.h"
#include "menu/frmSpl.h"
#include "menu/menu.h"
#include "menu/stores.h"
#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"

namespace pelk::menu {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmBMenuSet>("frmBMenuSet");
    ui::forms().registerForm<frmSetMenu>("frmSetMenu");
    ui::forms().registerForm<frmEDes>("frmEDes");
    ui::forms().registerForm<frmFrontDeskPicAd>("frmFrontDeskPicAd");
    ui::forms().registerForm<frmSpl>("frmSpl");
}

// Declaring ZuBak.mdb again adds the section tables to the store the settings declare.
void declareStores() {
    (void)db::Catalogue::instance().declare(menuStore());
    (void)db::Catalogue::instance().declare(specialRequestStore());
}

}  // namespace pelk::menu
