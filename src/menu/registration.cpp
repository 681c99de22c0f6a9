#include "menu/menu.h"

namespace pelk::menu {

void registerForms() {}

void declareStores() {}

}  // namespace pelk::menu
