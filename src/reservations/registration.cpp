#include "reservations/reservations.h"

namespace pelk::reservations {

void registerForms() {}

void declareStores() {}

}  // namespace pelk::reservations
