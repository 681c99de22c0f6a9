#pragma once

#include <string_view>

#include "platform/db/catalogue.h"

namespace pelk::menu {

// The number of option fields of an item: "1" to "6" first options, "7" to "40" second options,
// "41" to "44" additional prices.
inline constexpr int kOptionFields = 44;
inline constexpr int kFirstAdditionalPrice = 41;

// The section tables and the notes list, added to the store settings' ZuBak.mdb.
db::StoreDecl menuStore();

}  // namespace pelk::menu
