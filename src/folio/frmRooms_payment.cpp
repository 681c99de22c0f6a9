// The room screen hands its folio to the payment screens: the tender screen with the guest's
// card on file and the folio total, and the split-check screen while the room screen waits.

#include <string>

#include "folio/frmRooms.h"
#include "reservations/rooms.h"
#include "shell/handoff.h"

namespace pelk::folio {

namespace {

constexpr std::string_view kStaysByPhone = "SELECT * FROM tblReserv ORDER BY sPhone_no ASC";
// The payment screens are a later part's: they are reached by name and filled through their controls.
constexpr std::string_view kTender = "frmTender";
constexpr std::string_view kSplit = "frmSplit";

}  // namespace

// Only the screen's own stay, and only while it is still this room's, puts a card before the
// clerk: another guest's card on file must never be ready to be charged here. Without it nothing
// is filled, the total included, and the tender screen opens all the same.
void frmRooms::cmdTenerRec_Click() {
    datVRoom.setRecordSource(std::string(kStaysByPhone));
    if (findOwnStay()) {
        ui::DataRecordset& stay = datVRoom.Recordset();
        if (reservations::sameRoom(stay.fieldText("szRoom1"), txtRoom.text())) {
            auto same = stay.field("szSame_Addr");
            bool sameAddress = same && !same->isNull() && same->toBool();
            ui::Form& tender = ui::forms().byName(kTender);
            struct Fill {
                const char* box;
                const char* property;
                std::string value;
            };
            for (const Fill& f :
                 {Fill{"txtCardNu", "Text", stay.fieldText("szCard_nu")},
                  Fill{"txtCardType", "Text", stay.fieldText("szCard_type")},
                  Fill{"txtExp", "Text", stay.fieldText("szCard_exp")},
                  Fill{"txtCVC", "Text", stay.fieldText("szCard_cc")},
                  Fill{"txtPaid", "Text", stay.fieldText("szPaid_curr")}, Fill{"txtEnding", "Text", txtEnding.text()},
                  Fill{"chkSame", "Value", sameAddress ? "1" : "0"},
                  Fill{"txtAddress", "Text",
                       sameAddress ? stay.fieldText("szStreet_ad") : stay.fieldText("szCard_Addr")},
                  Fill{"txtZip", "Text", sameAddress ? stay.fieldText("sZip_cd") : stay.fieldText("szCard_zip")}})
                shell::setOn(tender, f.box, f.property, f.value);
        }
    }
    txtGet.setVisible(true);
    (void)txtGet.SetFocus();
    ui::forms().byName(kTender).Show();
}

void frmRooms::cmdSplit_Click() {
    if (txtWaiter.text().empty()) {
        AskForClerkId();
        return;
    }
    ui::forms().byName(kSplit).Show(ui::kModal);
}

}  // namespace pelk::folio
