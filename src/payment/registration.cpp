#include "payment/frmSplit.h"
#include "payment/frmTender.h"
#include "payment/payment.h"
#include "platform/ui/registry.h"

namespace pelk::payment {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmTender>("frmTender");
    ui::forms().registerForm<frmSplit>("frmSplit");
}

// The payment screens read the order book, which the room folio declares; they own no store.
void declareStores() {}

}  // namespace pelk::payment
