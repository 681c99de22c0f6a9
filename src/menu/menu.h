#pragma once

namespace pelk::menu {

// Registers this subsystem's screens with the form registry.
void registerForms();
// Declares this subsystem's stores with the data layer's catalogue.
void declareStores();

}  // namespace pelk::menu
