#include "folio/folio.h"

namespace pelk::folio {

void registerForms() {}

void declareStores() {}

}  // namespace pelk::folio
