#pragma once

#include "platform/db/catalogue.h"

namespace pelk::reports {

// Rep.mdb: the sixteen expense tables, no first rows.
db::StoreDecl expenseStore();

}  // namespace pelk::reports
