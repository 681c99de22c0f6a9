#include "payment/payment.h"

namespace pelk::payment {

void registerForms() {}

void declareStores() {}

}  // namespace pelk::payment
