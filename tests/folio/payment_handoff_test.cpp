// The room screen's hand-off to the payment screens: the tender screen filled from the screen's
// own stay only, the received box readied, and the split screen only with a clerk ID.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folio/frmRooms.h"
#include "payment/frmSplit.h"
#include "payment/frmTender.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/host.h"
#include "platform/ui/registry.h"
#include "support/screens.h"

namespace pelk::folio {
namespace {

class PaymentHandoff : public test::ScreenTest {
protected:
    static void reopen() {
        ui::forms().unloadAllSilently();
        ui::forms().collect();
    }
    static void stay(const std::string& last, const std::string& room, const std::string& card, bool same) {
        run("ZuReserv.mdb",
            "INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1, szCard_nu, szCard_type, szCard_exp, szCard_cc, "
            "szPaid_curr, szSame_Addr, szStreet_ad, sZip_cd, szCard_Addr, szCard_zip) VALUES ('" +
                last + "', '555-1000', '" + room + "', " + (card.empty() ? "NULL" : "'" + card + "'") +
                ", 'Visa', '1228', '123', '40.00', " + (same ? "True" : "False") +
                ", '1 Main St', '10001', '9 Card Rd', " + "'20002')");
    }
    // The room screen as the map leaves it for `last`'s stay, with a folio of 100.00.
    static frmRooms& roomFor(const std::string& last, const std::string& room) {
        frmRooms& rooms = ui::forms().get<frmRooms>();
        EXPECT_TRUE(rooms.datVRoom.Refresh());
        ui::DataRecordset& stays = rooms.datVRoom.Recordset();
        EXPECT_TRUE(stays.FindFirst("sLast_na = '" + last + "'"));
        if (!stays.noMatch()) rooms.keepOwnStay(*stays.bookmark());
        rooms.txtPhone.setText("555-1000");
        rooms.txtRoom.setText(room);
        rooms.txtTotal.setText("100");
        rooms.Show();
        return rooms;
    }
    using Boxes = std::vector<std::string>;
    static Boxes tenderBoxes() {
        payment::frmTender& t = ui::forms().get<payment::frmTender>();
        return {t.txtCardNu.text(),
                t.txtCardType.text(),
                t.txtExp.text(),
                t.txtCVC.text(),
                t.txtPaid.text(),
                t.txtEnding.text(),
                std::to_string(t.chkSame.value()),
                t.txtAddress.text(),
                t.txtZip.text()};
    }
};

TEST_F(PaymentHandoff, TheTenderScreenTakesTheOwnStaysCardOnly) {
    struct Case {
        const char* name;
        const char* own;   // whose stay the screen was filled from
        const char* room;  // the room box
        Boxes expected;
    };
    const Boxes untouched = {"", "", "", "", "", "", "0", "", ""};
    for (const Case& c : {
             Case{"same address",
                  "Bea",
                  "101",
                  {"4111111111111111", "Visa", "1228", "123", "40.00", "100.00", "1", "1 Main St", "10001"}},
             Case{"card address",
                  "Cy",
                  "102",
                  {"5500000000000004", "Visa", "1228", "123", "40.00", "100.00", "0", "9 Card Rd", "20002"}},
             Case{"no card on file",
                  "Di",
                  "103",
                  {"", "Visa", "1228", "123", "40.00", "100.00", "1", "1 Main St", "10001"}},
             Case{"room changed since", "Bea", "104", untouched},
             Case{"no own stay", "Nobody", "101", untouched},
         }) {
        SCOPED_TRACE(c.name);
        reopen();
        run("ZuReserv.mdb", "DELETE FROM tblReserv");
        // Ann's row, stored first with the same phone and room, must never reach the boxes.
        stay("Ann", "101", "4000000000000002", true);
        stay("Bea", "101", "4111111111111111", true);
        stay("Cy", "102", "5500000000000004", false);
        stay("Di", "103", "", true);
        frmRooms& rooms = roomFor(c.own, c.room);
        if (std::string(c.own) == "Nobody") rooms.txtPhone.setText("");
        rooms.cmdTenerRec.userClick();
        ASSERT_TRUE(ui::forms().isLoaded("frmTender"));
        EXPECT_TRUE(ui::forms().get<payment::frmTender>().visible());
        EXPECT_EQ(tenderBoxes(), c.expected);
        EXPECT_TRUE(rooms.txtGet.visible());
        EXPECT_EQ(rooms.activeControl(), &rooms.txtGet);
        EXPECT_TRUE(rooms.visible());
    }
}

TEST_F(PaymentHandoff, TheReceivedBoxStaysReadyWhenTheTenderScreenClosesWithoutPaying) {
    stay("Bea", "101", "4111111111111111", true);
    frmRooms& rooms = roomFor("Bea", "101");
    rooms.txtGet.setVisible(false);
    rooms.cmdTenerRec.userClick();
    ui::forms().get<payment::frmTender>().cmdClose.userClick();
    EXPECT_FALSE(ui::forms().isLoaded("frmTender"));
    EXPECT_TRUE(rooms.txtGet.visible());
    EXPECT_EQ(rooms.activeControl(), &rooms.txtGet);
    EXPECT_EQ(rooms.txtGet.text(), "");
}

TEST_F(PaymentHandoff, TheSplitScreenOpensOnlyWithAClerkID) {
    frmRooms& rooms = ui::forms().get<frmRooms>();
    rooms.Show();
    rooms.cmdSplit.userClick();
    EXPECT_EQ(prompts(), (std::vector<std::string>{"Please Enter Your ID"}));
    EXPECT_EQ(rooms.activeControl(), &rooms.txtWaiter);
    EXPECT_FALSE(ui::forms().isLoaded("frmSplit"));

    rooms.txtWaiter.setText("1234");
    bool waited = false;
    host().whileWaiting([&] {
        waited = ui::forms().isLoaded("frmSplit") && ui::forms().get<payment::frmSplit>().visible();
        ui::forms().get<payment::frmSplit>().Unload();
    });
    rooms.cmdSplit.userClick();
    EXPECT_TRUE(waited);
    EXPECT_EQ(prompts().size(), 1u);
}

}  // namespace
}  // namespace pelk::folio
