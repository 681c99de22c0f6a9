#include "setup/setup.h"

namespace pelk::setup {

void registerForms() {}

void declareStores() {}

}  // namespace pelk::setup
