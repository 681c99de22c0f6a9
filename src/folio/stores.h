#pragma once

#include <string>
#include <string_view>

#include "platform/db/catalogue.h"

namespace pelk::folio {

// The order books: the business book, and the training book renewed from the blank template
// "VyOrdr.mdb" that the business book's declaration keeps. Both hold the same tables.
inline constexpr std::string_view kOrderBook = "Ordr.mdb";
inline constexpr std::string_view kTrainingOrderBook = "TOrdr.mdb";
inline constexpr std::string_view kOrderBookTemplate = "VyOrdr.mdb";
// One header per folio (and per order of the other sales channels), one line row per folio line.
inline constexpr std::string_view kHeaderTable = "tblZu_Order";
inline constexpr std::string_view kLineTable = "tblDetail";
// Delivery orders, which the tender screen looks a receipt up in; nothing here writes them.
inline constexpr std::string_view kDeliveryTable = "tblDy_Order";
// Card payments asked of the processor and not yet on their folio: a station that stops between
// the approval and the folio's record finds them at its next start.
inline constexpr std::string_view kPendingCardTable = "tblCardPending";

db::StoreDecl orderBook();
db::StoreDecl trainingOrderBook();

// The order book this station writes now, where it finds it: the business book while the station
// is in its "Check Book" mode, the training book otherwise.
std::string stationOrderBook();

}  // namespace pelk::folio
