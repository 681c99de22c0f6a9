// Removing lines from the room screen's folio: a click on a line takes it (and its option lines)
// off the folio and its charge off the subtotal; a recalled folio may be protected.

#include <string>

#include "folio/frmRooms.h"
#include "platform/core/money.h"
#include "shell/frmSecurity.h"

namespace pelk::folio {

namespace {

constexpr int kFirstLine = 2;
constexpr std::string_view kOptionLine = "+";

}  // namespace

// A recalled folio's lines go only while the protection is off, or one line per permission given.
// A tap that would take a stored charge off the guest's folio asks first: a tap meant to choose
// a line must not undercharge the guest.
void frmRooms::grdOrderItems_Click() {
    if (cmbRept.tag() == "DidRecall") {
        int row = grdOrderItems.mouseRow(), col = grdOrderItems.mouseCol();
        if (row < kFirstLine) return;
        ui::CheckBox& permission = ui::forms().get<shell::frmSecurity>().chkItmDelSec;
        bool allowed = !lineRemovalProtected() || permission.tag() == "Allow";
        if (!allowed) return;
        bool removes = row < grdOrderItems.rows() && col >= 0 && col < grdOrderItems.cols() &&
                       !grdOrderItems.textMatrix(row, col).empty();
        if (removes && grdOrderItems.rowData(row) != 0 &&
            ui::MsgBox("Remove " + grdOrderItems.textMatrix(row, 1) + " from this folio?",
                       ui::kYesNo | ui::kQuestion) != ui::MsgBoxResult::Yes)
            return;
        permission.setTag("");
    }
    RemoveItemLine();
}

// An unreadable setting counts as protection on: nothing is removed that should not be.
bool frmRooms::lineRemovalProtected() {
    ui::DataRecordset& settings = datPW.Recordset();
    if (!settings.isOpen() && !datPW.Refresh()) return true;
    if (!settings.MoveFirst() || settings.eof()) return true;
    auto flag = settings.field("ItmDeSecl");
    if (!flag) return true;
    if (flag->isNull()) return false;
    std::string text = flag->toText();
    return !(text == "0" || text == "False" || text.empty());
}

void frmRooms::takeOffSubtotal(const std::string& charge) {
    if (charge.empty()) return;
    auto amount = core::Money::parse(charge);
    auto subtotal = core::Money::parse(txtTotal.text());
    if (!amount || !subtotal) return;
    txtTotal.setText((*subtotal - *amount).toPlainText());
}

// By the clicked cell: an option line's "+" takes that option alone, a "0" the line alone without
// touching the subtotal, anything else the line with its options. Rows 0 and 1 hold no line.
void frmRooms::RemoveItemLine() {
    int row = grdOrderItems.mouseRow(), col = grdOrderItems.mouseCol();
    if (row < kFirstLine || row >= grdOrderItems.rows() || col < 0 || col >= grdOrderItems.cols()) return;
    const std::string clicked = grdOrderItems.textMatrix(row, col);
    if (clicked.empty()) return;
    if (clicked == kOptionLine) {
        takeOffSubtotal(grdOrderItems.textMatrix(row, 2));
        grdOrderItems.RemoveItem(row);
        (void)datList.Refresh();
        return;
    }
    if (clicked == "0") {
        grdOrderItems.RemoveItem(row);
        return;
    }
    RemoveItemWithOptions();
    (void)datList.Refresh();
}

void frmRooms::RemoveItemWithOptions() {
    int row = grdOrderItems.mouseRow();
    if (row < kFirstLine || row >= grdOrderItems.rows()) return;
    takeOffSubtotal(grdOrderItems.textMatrix(row, 2));
    grdOrderItems.RemoveItem(row);
    while (row < grdOrderItems.rows() && grdOrderItems.textMatrix(row, 0) == kOptionLine) {
        takeOffSubtotal(grdOrderItems.textMatrix(row, 2));
        grdOrderItems.RemoveItem(row);
    }
}

}  // namespace pelk::folio
