// frmReset's renewal of the training book when it cannot be done, and a station without a choice.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "settings/frmMsgbox.h"
#include "settings/frmReset.h"
#include "settings/stores.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

class OrderBook : public test::ScreenTest {
protected:
    OrderBook() {
        run("TOrdr.mdb", "CREATE TABLE tblPractice (szItem TEXT(20))", true);
        run("TOrdr.mdb", "INSERT INTO tblPractice (szItem) VALUES ('practice')");
    }
    static void run(const char* file, const std::string& sql, bool create = false) {
        std::string path = os::programPath(file);
        if (create) {
            ASSERT_TRUE(db::ensureStore(path, db::StoreDecl{file, {}, false}).ok());
        }
        auto store = db::Database::open(path);
        ASSERT_TRUE(store.ok()) << store.error().message();
        auto done = store->execute(sql);
        ASSERT_TRUE(done.ok()) << done.error().message();
    }
    static long practiceRows() {
        auto store = db::Database::open(os::programPath("TOrdr.mdb"));
        auto rs = store->openRecordset("tblPractice");
        return rs.ok() ? rs->recordCount() : -1;
    }
    frmReset& book() { return ui::forms().get<frmReset>(); }
    // Fresh, answered Del in the choice box.
    void freshAnsweredDel() {
        host().whileWaiting([] { ASSERT_TRUE(ui::input::click(ui::forms().get<frmMsgbox>().cmdYes)); });
        ASSERT_TRUE(ui::input::click(book().cmdReset));
    }
};

TEST_F(OrderBook, WithoutItsTemplateTheTrainingBookStaysAndTheClerkIsTold) {
    // Start-up makes the template; a station that has lost it since.
    ASSERT_TRUE(os::deleteFile(os::programPath("VyOrdr.mdb")));
    ASSERT_FALSE(os::fileExists(os::programPath("VyOrdr.mdb")));
    book().Show();
    freshAnsweredDel();
    EXPECT_EQ(prompts(), std::vector<std::string>{"VYORDR File Missing, Training Invoices can not be delete."});
    EXPECT_EQ(host().messageBoxes()[0].style, ui::kOKOnly);
    EXPECT_EQ(practiceRows(), 1);
    EXPECT_TRUE(book().visible());
}

TEST_F(OrderBook, ARenewalThatFailsIsToldAndLeavesTheTrainingBookWhole) {
    // A template that is no store at all.
    root_.writeFile(os::programPath("VyOrdr.mdb"), "not a store");
    book().Show();
    freshAnsweredDel();
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("TOrdr.mdb was not renewed and stays as it was.", 0), 0u) << prompts()[0];
    EXPECT_EQ(practiceRows(), 1);
}

TEST_F(OrderBook, AStationWithoutAStoredChoiceShowsTheTrainingBook) {
    run(kStationStore.data(), "DELETE FROM tbReset");
    frmReset& holder = book();
    EXPECT_EQ(holder.txtDisplay.text(), "");
    EXPECT_TRUE(holder.imgWtrain.visible());
    EXPECT_FALSE(holder.imgWchk.visible());
    EXPECT_FALSE(holder.cmdReset.visible());
    EXPECT_TRUE(prompts().empty());
}

}  // namespace
}  // namespace pelk::settings
