#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"
#include "reports/frmBMReport.h"
#include "reports/frmRepAccPayable.h"
#include "reports/reports.h"
#include "reports/stores.h"

namespace pelk::reports {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmBMReport>("frmBMReport");
    ui::forms().registerForm<frmRepAccPayable>("frmRepAccPayable");
}

void declareStores() { (void)db::Catalogue::instance().declare(expenseStore()); }

}  // namespace pelk::reports
