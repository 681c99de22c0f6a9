#include "shell/shell.h"

namespace pelk::shell {

void registerForms() {}

void declareStores() {}

}  // namespace pelk::shell
