// The room screen hands its folio to the payment screens: the tender screen with the guest's
// card on file and the folio total, and the split-check screen while the room screen waits.

#include <string>

#include "folio/frmRooms.h"
#include "payment/frmSplit.h"
#include "payment/frmTender.h"
#include "reservations/rooms.h"

namespace pelk::folio {

namespace {

constexpr std::string_view kStaysByPhone = "SELECT * FROM tblReserv ORDER BY sPhone_no ASC";

}  // namespace

// Only the screen's own stay, and only while it is still this room's, puts a card before the
// clerk: another guest's card on file must never be ready to be charged here. Without it nothing
// is filled, the total included, and the tender screen opens all the same.
void frmRooms::cmdTenerRec_Click() {
    datVRoom.setRecordSource(std::string(kStaysByPhone));
    if (findOwnStay()) {
        ui::DataRecordset& stay = datVRoom.Recordset();
        auto text = [&](const char* field) {
            auto v = stay.field(field);
            return v && !v->isNull() ? v->toText() : std::string();
        };
        if (reservations::sameRoom(text("szRoom1"), txtRoom.text())) {
            auto same = stay.field("szSame_Addr");
            bool sameAddress = same && !same->isNull() && same->toBool();
            payment::frmTender& tender = ui::forms().get<payment::frmTender>();
            tender.txtCardNu.setText(text("szCard_nu"));
            tender.txtCardType.setText(text("szCard_type"));
            tender.txtExp.setText(text("szCard_exp"));
            tender.txtCVC.setText(text("szCard_cc"));
            tender.txtPaid.setText(text("szPaid_curr"));
            tender.txtEnding.setText(txtEnding.text());
            tender.chkSame.setValue(sameAddress ? 1 : 0);
            tender.txtAddress.setText(sameAddress ? text("szStreet_ad") : text("szCard_Addr"));
            tender.txtZip.setText(sameAddress ? text("sZip_cd") : text("szCard_zip"));
        }
    }
    txtGet.setVisible(true);
    (void)txtGet.SetFocus();
    ui::forms().get<payment::frmTender>().Show();
}

void frmRooms::cmdSplit_Click() {
    if (txtWaiter.text().empty()) {
        AskForClerkId();
        return;
    }
    ui::forms().get<payment::frmSplit>().Show(ui::kModal);
}

}  // namespace pelk::folio
