#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"
#include "reservations/frmChkDate.h"
#include "reservations/frmCustmr.h"
#include "reservations/frmCustmrTr.h"
#include "reservations/frmMap.h"
#include "reservations/frmRepCustmr.h"
#include "reservations/frmReserv.h"
#include "reservations/frmReservAdd.h"
#include "reservations/records.h"
#include "reservations/reservations.h"

namespace pelk::reservations {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmChkDate>("frmChkDate");
    ui::forms().registerForm<frmCustmr>("frmCustmr");
    ui::forms().registerForm<frmCustmrTr>("frmCustmrTr");
    ui::forms().registerForm<frmMap>("frmMap");
    ui::forms().registerForm<frmRepCustmr>("frmRepCustmr");
    ui::forms().registerForm<frmReserv>("frmReserv");
    ui::forms().registerForm<frmReservAdd>("frmReservAdd");
}

// One line per store; a failure to declare is a programming error the tests catch.
void declareStores() {
    (void)db::Catalogue::instance().declare(reservationStore());
    (void)db::Catalogue::instance().declare(checkedOutStore());
    (void)db::Catalogue::instance().declare(customerStore());
    (void)db::Catalogue::instance().declare(customerListStore());
    (void)db::Catalogue::instance().declare(orderTallyStore());
}

}  // namespace pelk::reservations
