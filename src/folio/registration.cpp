#include "folio/folio.h"
#include "folio/frmFrontDeskMsg.h"
#include "folio/frmRooms.h"
#include "folio/stores.h"
#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"

namespace pelk::folio {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmFrontDeskMsg>("frmFrontDeskMsg");
    ui::forms().registerForm<frmRooms>("frmRooms");
}

// One line per store; a failure to declare is a programming error the tests catch.
void declareStores() {
    (void)db::Catalogue::instance().declare(orderBook());
    (void)db::Catalogue::instance().declare(trainingOrderBook());
}

}  // namespace pelk::folio
