#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"
#include "reports/frmBMReport.h"
#include "reports/frmRepAPV.h"
#include "reports/frmRepAccPayable.h"
#include "reports/frmRepDy.h"
#include "reports/frmRepRemv.h"
#include "reports/frmReports.h"
#include "reports/reports.h"
#include "reports/stores.h"

namespace pelk::reports {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmBMReport>("frmBMReport");
    ui::forms().registerForm<frmRepAccPayable>("frmRepAccPayable");
    ui::forms().registerForm<frmReports>("frmReports");
    ui::forms().registerForm<frmRepAPV>("frmRepAPV");
    ui::forms().registerForm<frmRepDy>("frmRepDy");
    ui::forms().registerForm<frmRepRemv>("frmRepRemv");
}

void declareStores() {
    (void)db::Catalogue::instance().declare(expenseStore());
    (void)db::Catalogue::instance().declare(shiftStore());
    (void)db::Catalogue::instance().declare(removedItemsStore());
}

}  // namespace pelk::reports
