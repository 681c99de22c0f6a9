// The customer lists where their roads cannot go: a renewal without the blank template, files
// that cannot be opened, and the report hub's hidden button to the order-frequency list.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reports/frmBMReport.h"
#include "reservations/frmCustmrTr.h"
#include "reservations/frmRepCustmr.h"
#include "reservations/records.h"
#include "settings/frmMsgbox.h"
#include "support/screens.h"

namespace pelk::reservations {
namespace {

class CustomerLists : public test::ScreenTest {
protected:
    CustomerLists() {
        auto d = db::Database::open(os::programPath(kOrderTallyStore));
        EXPECT_TRUE(d.ok());
        for (const char* sql : {
                 "INSERT INTO tblCustmrTr (szPhone_no, szName_na, szTimes_no, szTotal) VALUES ('555-0101', 'Ann', 5, "
                 "120)",
                 "INSERT INTO tblCustmrTr (szPhone_no, szName_na, szTimes_no, szTotal) VALUES ('555-0102', 'Bo', 2, "
                 "80)",
             }) {
            auto n = d->execute(sql);
            EXPECT_TRUE(n.ok()) << n.error().message();
        }
    }
    static long rows() {
        auto d = db::Database::open(os::programPath(kOrderTallyStore));
        return d ? d->openRecordset("tblCustmrTr")->recordCount() : -1;
    }
    void answerTheQuestion(bool yes) {
        host().whileWaiting([yes] {
            settings::frmMsgbox& box = ui::forms().get<settings::frmMsgbox>();
            ASSERT_TRUE(ui::input::click(yes ? box.cmdYes : box.cmdNo));
        });
    }
};

TEST_F(CustomerLists, RenewalWithoutItsTemplateKeepsTheTallyAndTellsTheClerk) {
    ASSERT_TRUE(os::deleteFile(os::programPath(kOrderTallyTemplate)));
    frmCustmrTr& list = ui::forms().get<frmCustmrTr>();
    list.Show();
    answerTheQuestion(true);
    ASSERT_TRUE(ui::input::click(list.imgRenew));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_NE(prompts()[0].find("CustmrTr.mdb was not renewed"), std::string::npos) << prompts()[0];
    EXPECT_EQ(rows(), 2);
    ASSERT_TRUE(ui::forms().isLoaded<frmCustmrTr>());
    frmCustmrTr& still = ui::forms().get<frmCustmrTr>();
    EXPECT_EQ(still.DBGrid1.rows(), 2);
    EXPECT_EQ(still.lbldate.caption(), "") << "not renewed, so no renewal day";
}

TEST_F(CustomerLists, ATallyThatCannotBeOpenedIsToldAndTheListStaysEmpty) {
    ASSERT_TRUE(os::deleteFile(os::programPath(kOrderTallyStore)));
    frmCustmrTr& list = ui::forms().get<frmCustmrTr>();
    list.Show();
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("Error #: ", 0), 0u) << prompts()[0];
    EXPECT_EQ(list.DBGrid1.rows(), 0);
    // Each sort tells it once more, and the list stays usable.
    ASSERT_TRUE(ui::input::click(list.imgFrequency));
    ASSERT_TRUE(ui::input::click(list.imgLagOrdr));
    EXPECT_EQ(prompts().size(), 3u);
    EXPECT_EQ(list.DBGrid1.rows(), 0);
    ASSERT_TRUE(ui::input::click(list.Label3));
    EXPECT_FALSE(ui::forms().isLoaded<frmCustmrTr>());
}

TEST_F(CustomerLists, TheReportHubsFrequentBuyerButtonLeavesTheHubForTheList) {
    reports::frmBMReport& hub = ui::forms().get<reports::frmBMReport>();
    hub.Show();
    EXPECT_FALSE(hub.cmdFreqBuyer.visible());
    EXPECT_FALSE(ui::input::click(hub.cmdFreqBuyer)) << "hidden, it takes no click";
    hub.cmdFreqBuyer_Click();
    EXPECT_FALSE(ui::forms().isLoaded<reports::frmBMReport>());
    ASSERT_TRUE(ui::forms().isLoaded<frmCustmrTr>());
    EXPECT_TRUE(ui::forms().get<frmCustmrTr>().visible());
    EXPECT_EQ(ui::forms().get<frmCustmrTr>().DBGrid1.rows(), 2);
}

TEST_F(CustomerLists, ASecondListThatCannotBeOpenedIsToldOnceAndShowsNoRows) {
    ASSERT_TRUE(os::deleteFile(os::programPath(kCustomerListStore)));
    frmRepCustmr& list = ui::forms().get<frmRepCustmr>();
    list.Show();
    EXPECT_TRUE(prompts().empty());
    ASSERT_TRUE(ui::input::click(list.cmdCV));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("Error #: ", 0), 0u) << prompts()[0];
    EXPECT_EQ(list.DBGrid1.rows(), 0);
    // Back to the guest file, which opens as before.
    ASSERT_TRUE(ui::input::click(list.cmdCV));
    EXPECT_EQ(list.cmdCV.caption(), "Ref");
    EXPECT_EQ(prompts().size(), 1u);
    EXPECT_TRUE(list.datCustmr.isOpen());
}

}  // namespace
}  // namespace pelk::reservations
