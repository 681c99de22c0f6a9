#include "reservations/guests.h"

#include "platform/core/text.h"
#include "reservations/lookups.h"

namespace pelk::reservations {

bool storeRow(ui::Data& data, db::Status written) {
    ui::DataRecordset& row = data.Recordset();
    if (written) written = row.Update();
    if (written) return true;
    if (row.editMode() != db::EditMode::None) (void)row.CancelUpdate();
    data.report(written.error());
    return false;
}

void showField(ui::DataRecordset& row, std::string_view field, ui::TextBox& box) { box.setText(row.fieldText(field)); }

void showField(ui::DataRecordset& row, std::string_view field, ui::ComboBox& box) { box.setText(row.fieldText(field)); }

bool searchRows(ui::Data& rows, const RowFinder& find, std::string_view notFound) {
    if (db::Status read = rows.Refresh(); !read) {
        rows.report(read.error());
        return false;
    }
    db::Result<bool> found = find(rows.Recordset());
    if (!found) {
        rows.report(found.error());
        return false;
    }
    if (!*found) ui::MsgBox(notFound);
    return *found;
}

bool EraseCustomerByPhone(ui::Data& customers, const std::string& phone) {
    if (phone.empty()) return false;
    ui::Beep();
    if (ui::MsgBox("Do you wish to Erase the current custmer", ui::kYesNo | ui::kQuestion, "Erase") !=
        ui::MsgBoxResult::Yes)
        return false;
    ui::DataRecordset& rows = customers.Recordset();
    db::Result<bool> found = findByPhone(rows, phone);
    if (!found) {
        customers.report(found.error());
        return false;
    }
    if (!*found) return false;
    if (db::Status erased = rows.Delete(); !erased) {
        customers.report(erased.error());
        return false;
    }
    (void)rows.MoveNext();
    if (rows.eof()) (void)rows.MovePrevious();
    return true;
}

void upperState(ui::TextBox& box, ui::Control& next) {
    if (core::text::len(box.text()) <= 1) return;
    box.setText(core::text::upper(box.text()));
    next.SetFocus();
}

}  // namespace pelk::reservations
