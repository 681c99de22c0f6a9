// The report panel's hand-offs to the list screens of the reservations: what the panel writes into
// the list of reservations and checked-out stays, and the hidden order-frequency button.

#include <gtest/gtest.h>

#include <string>

#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reports/frmBMReport.h"
#include "shell/frmMain.h"
#include "support/screens.h"

namespace pelk::reports {
namespace {

class ReportPanel : public test::ScreenTest {
protected:
    ReportPanel() { ui::forms().get<shell::frmMain>().setTag("Level 3"); }
    frmBMReport& panel() {
        frmBMReport& p = ui::forms().get<frmBMReport>();
        p.Show();
        return p;
    }
    static ui::Form* list() { return ui::forms().find("frmReserv"); }
    static std::string caption(ui::Form& f) { return f.control("Label5")->property("Caption"); }
    static bool enabled(ui::Form& f, const char* box) { return f.control(box)->enabled(); }
};

TEST_F(ReportPanel, CheckedOutListOpensInItsRoleBesideThePanel) {
    ASSERT_EQ(list(), nullptr);
    ASSERT_TRUE(ui::input::click(panel().imgChkO));
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->tag(), "Check Out");
    EXPECT_EQ(caption(*list()), "Checked Out Guest");
    EXPECT_FALSE(enabled(*list(), "txtSTime"));
    EXPECT_FALSE(enabled(*list(), "txtETime"));
    EXPECT_TRUE(list()->visible());
    EXPECT_TRUE(ui::forms().isLoaded<frmBMReport>());
}

TEST_F(ReportPanel, ReservationListPutsTheListBackInItsReservationRole) {
    struct Case {
        const char* name;
        bool checkedOutFirst;  // the list still loaded as the checked-out list
    };
    for (const Case& c : {Case{"fresh list", false}, Case{"list left as checked-out list", true}}) {
        if (c.checkedOutFirst) {
            ASSERT_TRUE(ui::input::click(panel().imgChkO));
        }
        ASSERT_TRUE(ui::input::click(panel().imgReservList));
        ASSERT_NE(list(), nullptr) << c.name;
        EXPECT_EQ(list()->tag(), "") << c.name;
        EXPECT_EQ(caption(*list()), "Reservation Lists") << c.name;
        EXPECT_TRUE(enabled(*list(), "txtSTime")) << c.name;
        EXPECT_TRUE(enabled(*list(), "txtETime")) << c.name;
        EXPECT_TRUE(list()->visible()) << c.name;
        EXPECT_TRUE(ui::forms().isLoaded<frmBMReport>()) << c.name;
        list()->Unload();
    }
}

TEST_F(ReportPanel, FrequentBuyerLeavesThePanelForTheFrequencyList) {
    frmBMReport& p = panel();
    EXPECT_FALSE(p.cmdFreqBuyer.visible());
    p.cmdFreqBuyer.setVisible(true);
    ASSERT_TRUE(ui::input::click(p.cmdFreqBuyer));
    EXPECT_FALSE(ui::forms().isLoaded<frmBMReport>());
    ui::Form* frequency = ui::forms().find("frmCustmrTr");
    ASSERT_NE(frequency, nullptr);
    EXPECT_TRUE(frequency->visible());
}

}  // namespace
}  // namespace pelk::reports
