#include "platform/ui/registry.h"
#include "setup/frmRegister.h"
#include "setup/frmRegister0.h"
#include "setup/frmRegister1.h"
#include "setup/frmRegister2.h"
#include "setup/frmRegister3.h"
#include "setup/setup.h"

namespace pelk::setup {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmRegister>("frmRegister");
    ui::forms().registerForm<frmRegister0>("frmRegister0");
    ui::forms().registerForm<frmRegister1>("frmRegister1");
    ui::forms().registerForm<frmRegister2>("frmRegister2");
    ui::forms().registerForm<frmRegister3>("frmRegister3");
}

void declareStores() {}

}  // namespace pelk::setup
