#pragma once

#include <string_view>

#include "platform/db/catalogue.h"

namespace pelk::settings {

// The station's own settings: the settings row, the order book, the permission switches and the
// room names by floor. Always in the program folder, except tblRooms, which follows the data
// location rule.
inline constexpr std::string_view kStationStore = "DOZA98.mdb";
// The store's menu and store settings (the section tables of the menu live here too).
inline constexpr std::string_view kMenuStore = "ZuBak.mdb";

// The number of room positions of a floor, and of floors.
inline constexpr int kRoomPositions = 45;
inline constexpr int kFloors = 7;

db::StoreDecl stationStore();
db::StoreDecl menuSettingsStore();

}  // namespace pelk::settings
