#pragma once

#include <string_view>

#include "platform/db/error.h"
#include "platform/db/recordset.h"
#include "platform/ui/data.h"

// How the reservation and customer rows are found: the typed key is a plain prefix of the field
// (its quotes and pattern characters match themselves, letter case does not count), and the first
// match in the rows' current order wins. A name is found by its last-name prefix together with the
// whole first name, letter case included. Each look-up answers whether it found a row, which is
// then the current row; without one there is no current row until a move.
namespace pelk::reservations {

db::Result<bool> findByPhone(ui::DataRecordset& rows, std::string_view phone);
db::Result<bool> findByPhone(db::Recordset& rows, std::string_view phone);
db::Result<bool> findByStreet(ui::DataRecordset& rows, std::string_view street);
db::Result<bool> findByStreet(db::Recordset& rows, std::string_view street);
db::Result<bool> findByCard(ui::DataRecordset& rows, std::string_view card);
db::Result<bool> findByCard(db::Recordset& rows, std::string_view card);
db::Result<bool> findByName(ui::DataRecordset& rows, std::string_view lastName, std::string_view firstName);
db::Result<bool> findByName(db::Recordset& rows, std::string_view lastName, std::string_view firstName);
// The customer a save writes over: the last name whole (letters without regard to case), so that
// a new "Smi" never takes over a stored "Smith"; the first name as findByName compares it.
db::Result<bool> findByWholeName(ui::DataRecordset& rows, std::string_view lastName, std::string_view firstName);

}  // namespace pelk::reservations
