#include "platform/ui/registry.h"
#include "setup/frmRegister.h"
#include "setup/frmRegister3.h"
#include "setup/setup.h"

namespace pelk::setup {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmRegister>("frmRegister");
    ui::forms().registerForm<frmRegister3>("frmRegister3");
}

void declareStores() {}

}  // namespace pelk::setup
