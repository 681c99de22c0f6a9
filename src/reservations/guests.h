#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/core/value.h"
#include "platform/db/error.h"
#include "platform/ui/data.h"
#include "platform/ui/ui.h"

// What the reservation screen and the customer editor do alike with guests: write a row field by
// field into the row begun (AddNew or Edit), an empty box never emptying a stored field, the row
// stored whole or not at all; show a row in the boxes; find, and erase, a customer.
namespace pelk::reservations {

// Sets the fields of a row one after another; the first the store refuses stops the rest.
class RowWriter {
public:
    explicit RowWriter(ui::DataRecordset& row) : row_(row) {}
    void always(std::string_view field, const core::Value& value) {
        if (written_) written_ = row_.setField(field, value);
    }
    // An empty box leaves the field as it is: unset in a new row, unchanged in an edited one.
    void ifText(std::string_view field, const std::string& text) {
        if (!text.empty()) always(field, text);
    }
    const db::Status& status() const { return written_; }

private:
    ui::DataRecordset& row_;
    db::Status written_;
};

// Stores the row begun once its fields are set; a refusal abandons the row, so that nothing
// half-written stays, and is told with the store's reason. False when nothing was stored.
bool storeRow(ui::Data& data, db::Status written);

// Copies a field of the current row into a box; a field without a value, or one that cannot be
// read, empties the box, so that no other guest's text stays in it.
void showField(ui::DataRecordset& row, std::string_view field, ui::TextBox& box);
void showField(ui::DataRecordset& row, std::string_view field, ui::ComboBox& box);

// Reads the rows again and finds one with `find`; a store that fails is told, a row not found
// is told with `notFound` (no icon). True when found: it is then the current row.
using RowFinder = std::function<db::Result<bool>(ui::DataRecordset&)>;
bool searchRows(ui::Data& rows, const RowFinder& find, std::string_view notFound);

// After a beep and the question "Do you wish to Erase the current custmer", a Yes deletes the
// first customer, in the rows' order as last read, whose phone begins with `phone`. An empty
// phone would stand for every customer: it asks nothing and erases nobody. True when a customer
// was erased.
bool EraseCustomerByPhone(ui::Data& customers, const std::string& phone);

// A state box of two letters or more turns to capitals and hands the focus on.
void upperState(ui::TextBox& box, ui::Control& next);

}  // namespace pelk::reservations
