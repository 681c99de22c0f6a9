#pragma once

namespace pelk::folio {

// Registers this subsystem's screens with the form registry.
void registerForms();
// Declares this subsystem's stores with the data layer's catalogue.
void declareStores();

}  // namespace pelk::folio
