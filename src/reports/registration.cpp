#include "platform/ui/registry.h"
#include "reports/frmBMReport.h"
#include "reports/reports.h"

namespace pelk::reports {

void registerForms() { ui::forms().registerForm<frmBMReport>("frmBMReport"); }

void declareStores() {}

}  // namespace pelk::reports
