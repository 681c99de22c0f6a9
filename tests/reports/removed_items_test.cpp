// The removed-items log's renewal where a road cannot reach: its blank template gone.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "reports/frmRepRemv.h"
#include "settings/frmMsgbox.h"
#include "support/screens.h"

namespace pelk::reports {
namespace {

class RemovedItems : public test::ScreenTest {};

TEST_F(RemovedItems, RenewWithoutItsTemplateKeepsTheLogAndTellsTheClerk) {
    {
        auto store = db::Database::open(os::programPath("Remv.mdb"));
        ASSERT_TRUE(store);
        ASSERT_TRUE(store->execute("INSERT INTO tblRemv (szItems_out) VALUES ('Soup')"));
    }
    ASSERT_TRUE(os::deleteFile(os::programPath("VyRemv.mdb")));
    frmRepRemv& r = ui::forms().get<frmRepRemv>();
    r.Show();
    host().whileWaiting([] { ASSERT_TRUE(ui::input::click(ui::forms().get<settings::frmMsgbox>().cmdYes)); });
    ASSERT_TRUE(ui::input::click(r.imgRenew));
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("Remv.mdb was not renewed and stays as it was. ", 0), 0u) << prompts()[0];
    auto store = db::Database::open(os::programPath("Remv.mdb"));
    ASSERT_TRUE(store);
    auto rows = store->openRecordset("tblRemv");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->recordCount(), 1);
    frmRepRemv* shown = ui::forms().find<frmRepRemv>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->DBGrid1.rows(), 1);
}

}  // namespace
}  // namespace pelk::reports
