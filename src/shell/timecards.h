#pragma once

#include <string_view>

#include "platform/db/catalogue.h"

namespace pelk::shell {

// The time cards: one row per attendance, added by a clock-in and completed by a clock-out. The
// store is renewed (emptied) from its blank template VyTcd.mdb by the time sheets.
inline constexpr std::string_view kTimeCardStore = "Tcd.mdb";
inline constexpr std::string_view kTimeCardTemplate = "VyTcd.mdb";
inline constexpr std::string_view kTimeCardTable = "tblTcd";

db::StoreDecl timeCardStore();

}  // namespace pelk::shell
