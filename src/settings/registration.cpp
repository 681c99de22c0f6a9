#include "settings/settings.h"

namespace pelk::settings {

void registerForms() {}

void declareStores() {}

}  // namespace pelk::settings
