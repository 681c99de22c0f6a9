#include "reports/reports.h"

namespace pelk::reports {

void registerForms() {}

void declareStores() {}

}  // namespace pelk::reports
