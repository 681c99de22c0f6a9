#pragma once

#include <string_view>

#include "platform/db/catalogue.h"

namespace pelk::reports {

// Rep.mdb: the sixteen expense tables, no first rows.
db::StoreDecl expenseStore();

// Bak.mdb: the shift times the sales report shows and prints (another tbSetInfor than ZuBak.mdb's),
// always in the program folder. Nothing here writes it.
inline constexpr std::string_view kShiftStore = "Bak.mdb";
db::StoreDecl shiftStore();

// Remv.mdb: the removed-items log, renewed from its blank template VyRemv.mdb. Nothing here writes
// it; the removed-items report lists, edits, exports and clears it.
inline constexpr std::string_view kRemovedItemsStore = "Remv.mdb";
inline constexpr std::string_view kRemovedItemsTemplate = "VyRemv.mdb";
db::StoreDecl removedItemsStore();

}  // namespace pelk::reports
