#include "platform/ui/program.h"

#include <stdexcept>

#include "settings/settings.h"
#include "shell/shell.h"

namespace pelk {

void installProgram() {
    ui::program().registerForms = [] {
        settings::registerForms();
        shell::registerForms();
    };
    ui::program().declareStores = [] {
        settings::declareStores();
        shell::declareStores();
    };
    ui::program().startUp = [] { throw std::runtime_error("the program's start-up is not yet available"); };
}

}  // namespace pelk
