#include "platform/ui/program.h"

#include <stdexcept>

namespace pelk {

// No screen is built yet: there is no form to register, and starting the program says so.
void installProgram() {
    ui::program().registerForms = [] {};
    ui::program().declareStores = [] {};
    ui::program().startUp = [] { throw std::runtime_error("the program's start-up is not yet available"); };
}

}  // namespace pelk
