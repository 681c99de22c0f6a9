// The log-in where a road script cannot show it: the keyboard pause measured on the clock, a share
// that comes back while the clerk reads the message, and the first-start marker.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/clock.h"
#include "platform/db/db.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/os/station.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/runtime.h"
#include "shell/frmMain.h"
#include "shell/frmPassword.h"
#include "support/screens.h"

namespace pelk::shell {
namespace {

// A scripted host that lets the world change while the clerk reads a message box, and watches
// whether the program has ended whenever it yields.
class ChangingHost : public ui::ScriptedHost {
public:
    std::function<void(const std::string& prompt)> beforeAnswer;
    bool endedWhileYielding = false;
    ui::MsgBoxResult msgBox(const ui::MessageBoxRequest& box) override {
        if (beforeAnswer) beforeAnswer(box.prompt);
        return ScriptedHost::msgBox(box);
    }
    void doEvents() override {
        endedWhileYielding = endedWhileYielding || ui::programEnded();
        ScriptedHost::doEvents();
    }
};

class Login : public test::ScreenTest {
protected:
    static void exec(const std::string& file, const std::string& sql) {
        auto store = db::Database::open(os::programPath(file));
        ASSERT_TRUE(store.ok()) << store.error().message();
        auto done = store->execute(sql);
        ASSERT_TRUE(done.ok()) << done.error().message();
    }
    static void addEmployee(const std::string& id, const std::string& level) {
        exec("Infor.mdb",
             "INSERT INTO tbEmplo (szID_no, szLevel_nu) VALUES (" + db::quote(id) + ", " + db::quote(level) + ")");
    }
    static void start() {
        ui::markProgramStarted();
        ui::runEvent([] { ui::program().startUp(); });
    }
    static frmPassword& login() { return *ui::forms().find<frmPassword>(); }
};

TEST_F(Login, AnUnmatchedTypedCodeComesBackBetweenOneAndTwoSecondsLater) {
    ASSERT_TRUE(os::markSetupDone());
    start();
    // Wherever in its second the code is typed, the screen is back once the clock has passed the
    // next whole second: more than one and at most two seconds later.
    for (int offsetMs : {0, 10, 500, 990}) {
        core::clock::fix(core::DateTime{core::Date{2026, 1, 5}, core::Time{10, 0, 0}});
        core::clock::advanceMs(offsetMs);
        std::int64_t typedAt = core::clock::nowMs();
        ASSERT_TRUE(ui::input::type(login().txtPassword, "9876"));
        std::int64_t elapsed = core::clock::nowMs() - typedAt;
        EXPECT_GT(elapsed, 1000) << offsetMs;
        EXPECT_LE(elapsed, 2000) << offsetMs;
        ASSERT_TRUE(ui::forms().isLoaded<frmPassword>());
        EXPECT_TRUE(login().visible());
        EXPECT_EQ(login().txtPassword.text(), "");
        EXPECT_FALSE(ui::forms().find<frmMain>()->visible());
    }
    // Unloaded during the pause, shown again after it.
    const auto& log = host().log();
    auto unloaded = std::find(log.begin(), log.end(), "unload frmPassword");
    ASSERT_NE(unloaded, log.end());
    EXPECT_NE(std::find(unloaded, log.end(), "show frmPassword"), log.end());
}

TEST_F(Login, ThePauseAfterALogOffKeepsTheProgramRunning) {
    ASSERT_TRUE(os::markSetupDone());
    start();
    // As after a log-off: the log-in screen is the program's only form.
    ui::runEvent([] { ui::forms().find<frmMain>()->Unload(); });
    ChangingHost watching;
    ui::setHost(&watching);
    ASSERT_TRUE(ui::input::type(login().txtPassword, "9876"));
    ui::setHost(&host());
    EXPECT_FALSE(watching.endedWhileYielding);
    EXPECT_FALSE(ui::programEnded());
    EXPECT_TRUE(login().visible());
}

TEST_F(Login, AnUnmatchedCodeOnTheKeypadComesBackAtOnce) {
    ASSERT_TRUE(os::markSetupDone());
    start();
    std::int64_t before = core::clock::nowMs();
    for (int digit : {9, 8, 7, 6}) ASSERT_TRUE(ui::input::click(login().comNumber(digit)));
    EXPECT_LT(core::clock::nowMs() - before, 100);
    EXPECT_TRUE(login().visible());
    EXPECT_EQ(login().lblPassword.caption(), "");
}

TEST_F(Login, RetryAfterTheShareCameBackWorksWithTheShare) {
    ASSERT_TRUE(os::markSetupDone());
    exec("DOZA98.mdb", "UPDATE tbSet SET SetC = 'File Sharing', SetP = '\\\\SRV\\', SetO = 'Data\\'");
    addEmployee("4321", "Level 2");
    ChangingHost changing;
    ui::setHost(&changing);
    // The server is back while the clerk reads the first message.
    changing.beforeAnswer = [](const std::string& prompt) {
        if (!prompt.starts_with("Files or Server not found")) return;
        ASSERT_TRUE(os::makeFolder("\\\\SRV\\Data"));
        for (const char* file : {"Infor.mdb", "ZuTb.mdb"})
            ASSERT_TRUE(os::copyFile(os::programPath(file), std::string("\\\\SRV\\Data\\") + file));
    };
    changing.answer(ui::MsgBoxResult::Retry);
    start();
    ui::setHost(&host());

    ASSERT_EQ(changing.messageBoxes().size(), 1u);
    EXPECT_EQ(changing.messageBoxes()[0].prompt, "Files or Server not found. Please check your Server ");
    EXPECT_EQ(login().datInfor.databaseName(), "\\\\SRV\\Data\\Infor.mdb");
    EXPECT_EQ(login().datTable.databaseName(), "\\\\SRV\\Data\\ZuTb.mdb");
    // Still sharing, and the shared employee file admits its employees.
    auto settings = db::Database::open(os::programPath("DOZA98.mdb"));
    EXPECT_EQ(settings->openRecordset("tbSet")->field("SetC")->toText(), "File Sharing");
    for (int digit : {4, 3, 2, 1}) ASSERT_TRUE(ui::input::click(login().comNumber(digit)));
    EXPECT_EQ(ui::forms().find<frmMain>()->tag(), "Level 2");
}

TEST_F(Login, AFirstStartIsRecordedBeforeTheWizardShows) {
    ASSERT_FALSE(os::setupDone());
    bool recordedWhileShown = false;
    host().whileWaiting([&] {
        recordedWhileShown = os::setupDone();
        EXPECT_TRUE(login().visible());
        ui::forms().byName("frmRegister").Unload();
    });
    start();
    EXPECT_TRUE(recordedWhileShown);
    EXPECT_TRUE(os::setupDone());
    EXPECT_TRUE(prompts().empty());
    EXPECT_TRUE(login().visible());
    EXPECT_FALSE(ui::forms().isLoaded("frmRegister"));
}

TEST_F(Login, ASecondStartShowsNoWizard) {
    host().whileWaiting([] { ui::forms().byName("frmRegister").Unload(); });
    start();
    ASSERT_TRUE(os::setupDone());
    ui::runEvent([] { ui::forms().find<frmMain>()->Unload(); });
    ui::runEvent([] { login().Unload(); });
    // The same station's root, started again.
    ui::runEvent([] { ui::program().startUp(); });
    EXPECT_TRUE(login().visible());
    EXPECT_FALSE(ui::forms().isLoaded("frmRegister"));
    EXPECT_TRUE(prompts().empty());
}

// The stores are made or looked at on the early thread; what could not be made is told by the
// start-up that follows, once.
TEST_F(Login, StoresTheEarlyWorkCouldNotMakeAreToldAtTheStartUp) {
    ASSERT_TRUE(os::markSetupDone(nullptr));
    std::ofstream(os::mapPath(os::programPath("Rep.mdb")), std::ios::trunc) << "this is not a store, only its name";
    ASSERT_TRUE(ui::program().early);
    std::thread early(ui::program().early);
    early.join();
    start();
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].rfind("These data files cannot be made:\n", 0), 0u) << prompts()[0];
    EXPECT_NE(prompts()[0].find("Rep.mdb"), std::string::npos) << prompts()[0];
    EXPECT_TRUE(login().visible());
}

TEST_F(Login, KeyPressNumericValidFeedsTheKeypadOnlyFromAPadButton) {
    ASSERT_TRUE(os::markSetupDone());
    start();
    // The typed box has the focus when the screen opens: digits are left to it.
    EXPECT_FALSE(login().KeyPressNumericValid('5'));
    EXPECT_EQ(login().lblPassword.caption(), "");
    ASSERT_TRUE(ui::input::click(login().comNumber(2)));
    EXPECT_FALSE(login().KeyPressNumericValid('0'));
    EXPECT_FALSE(login().KeyPressNumericValid('9'));
    EXPECT_FALSE(login().KeyPressNumericValid('.'));
    EXPECT_EQ(login().lblPassword.caption(), "209");
}

// The code entered shows as one dot per digit, whether pressed on the keypad or typed; the digits
// themselves are never shown.
TEST_F(Login, TheCodeShowsAsOneDotPerDigit) {
    ASSERT_TRUE(os::markSetupDone());
    start();
    EXPECT_FALSE(login().lblPassword.visible());
    EXPECT_EQ(login().lblCode.caption(), "");
    ASSERT_TRUE(ui::input::click(login().comNumber(2)));
    EXPECT_EQ(login().lblCode.caption(), "\u25CF");
    ASSERT_TRUE(ui::input::click(login().comNumber(0)));
    ASSERT_TRUE(ui::input::click(login().comNumber(9)));
    EXPECT_EQ(login().lblPassword.caption(), "209");
    EXPECT_EQ(login().lblCode.caption(), "\u25CF \u25CF \u25CF");
    EXPECT_TRUE(login().lblCode.visible());
    ASSERT_TRUE(ui::input::type(login().txtPassword, "12"));
    EXPECT_EQ(login().lblCode.caption(), "\u25CF \u25CF");
}

TEST_F(Login, TheEmployeeStoreHoldsEveryFieldItsReadersName) {
    auto store = db::Database::open(os::programPath("Infor.mdb"));
    ASSERT_TRUE(store.ok());
    auto fields = store->fields("tbEmplo");
    ASSERT_TRUE(fields.ok());
    std::vector<std::string> names;
    for (const db::FieldInfo& f : *fields) names.push_back(f.name);
    std::vector<std::string> expected = {"szID_no",     "sFirst_nm", "szLevel_nu", "szType_tx", "szRoom_nm", "szRate",
                                         "szStreet_ad", "szCity_nm", "sState_cd",  "sZip_cd",   "sPhone_no", "sSS_no",
                                         "szHired_da",  "szTerm_da", "sBrith_da",  "szPics"};
    for (int k = 1; k <= 15; ++k) expected.push_back(std::to_string(k));
    expected.push_back("szTfrom");
    expected.push_back("szTto");
    EXPECT_EQ(names, expected);
    // A right is what a check box writes: 0 or 1, read back as a number.
    auto added = store->execute("INSERT INTO tbEmplo (szID_no, [6]) VALUES ('1001', 1)");
    ASSERT_TRUE(added.ok()) << added.error().message();
    auto row = store->openRecordset("SELECT * FROM tbEmplo WHERE szID_no = '1001'");
    EXPECT_EQ(row->field("6")->toText(), "1");
    EXPECT_TRUE(row->field("4")->isNull());
}

}  // namespace
}  // namespace pelk::shell
