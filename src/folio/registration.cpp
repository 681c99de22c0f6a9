#include "folio/folio.h"
#include "folio/stores.h"
#include "platform/db/catalogue.h"

namespace pelk::folio {

void registerForms() {}

// One line per store; a failure to declare is a programming error the tests catch.
void declareStores() {
    (void)db::Catalogue::instance().declare(orderBook());
    (void)db::Catalogue::instance().declare(trainingOrderBook());
}

}  // namespace pelk::folio
