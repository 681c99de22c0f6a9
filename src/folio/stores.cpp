#include "folio/stores.h"

#include <string>
#include <utility>

#include "platform/ui/registry.h"
#include "settings/common.h"
#include "settings/frmReset.h"

namespace pelk::folio {

namespace {

db::FieldDecl text(std::string name) { return {std::move(name), db::Kind::Text, db::kDefaultTextSize, false}; }
// Amounts are money so the sales report can add them up; the screens write them as the
// formatted text of their boxes ("1,234.50"), which the store reads as the amount it shows.
db::FieldDecl money(std::string name) { return {std::move(name), db::Kind::Currency, 0, false}; }
db::FieldDecl when(std::string name) { return {std::move(name), db::Kind::DateTime, 0, false}; }

std::vector<db::TableDecl> orderBookTables() {
    db::TableDecl header{std::string(kHeaderTable),
                         {{"Zu_Ord_ID", db::Kind::Counter, 0, false},
                          text("Inv"),
                          text("ID"),
                          text("Method"),
                          text("Room"),
                          money("SubTotal"),
                          money("Tax"),
                          money("Total"),
                          money("Receive"),
                          money("szCard_amt"),
                          text("szType_Card"),
                          money("szCoupon_amt"),
                          when("Date"),
                          when("Time"),
                          when("Date_in"),
                          // Kept for the orders of the other sales channels; the sales list shows it.
                          text("1")},
                         {}};
    // A folio is found by its number; the sales report selects a channel's or a clerk's folios
    // over a range of dates, which the pairs serve without reading the channel's other years.
    header.indexes = {{"Inv"}, {"Date"}, {"Method", "Date"}, {"ID", "Date"}};

    db::TableDecl line{std::string(kLineTable),
                       {text("Invoice"), when("Date"), when("Time"), text("ID"), text("Method"), text("Ask"),
                        text("Qty"), text("szOrder"), money("Price")},
                       {}};
    line.indexes = {{"Invoice"}};

    db::TableDecl delivery{std::string(kDeliveryTable),
                           {text("Inv"), text("szNumber_Card"), text("szExp_Card"), text("Total"), text("Receive")},
                           {}};
    delivery.indexes = {{"Inv"}};

    db::TableDecl pending{std::string(kPendingCardTable),
                          {{"Pend_ID", db::Kind::Counter, 0, false},
                           text("Token"),
                           text("Inv"),
                           money("Amount"),
                           text("CardType"),
                           text("Folder"),
                           when("Date"),
                           when("Time")},
                          {}};
    pending.indexes = {{"Token"}};

    return {std::move(header), std::move(line), std::move(delivery), std::move(pending)};
}

}  // namespace

db::StoreDecl orderBook() { return {std::string(kOrderBook), orderBookTables(), true}; }

db::StoreDecl trainingOrderBook() { return {std::string(kTrainingOrderBook), orderBookTables(), false}; }

std::string stationOrderBook() {
    bool business = ui::forms().get<settings::frmReset>().txtDisplay.text() == "Check Book";
    return settings::ResolveDataPath(business ? kOrderBook : kTrainingOrderBook);
}

}  // namespace pelk::folio
