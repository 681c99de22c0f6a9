#include <gtest/gtest.h>

#include "platform/core/clock.h"
#include "platform/ui/input.h"
#include "platform/ui/scripted_host.h"
#include "platform/ui/timers.h"
#include "road/demo_forms.h"
#include "support/temp_root.h"

using namespace pelk;
using road::frmDemoAsk;
using road::frmDemoList;

namespace {
struct DemoSession {
    test::TempRoot root;
    ui::ScriptedSession session;
    frmDemoList* list;
    DemoSession() {
        road::registerDemoForms();
        list = &ui::forms().get<frmDemoList>();
        list->Show();
    }
};
}  // namespace

// The question is loaded by the list's reference to it, shown waiting, and answers into the
// list's button Tag; the code after Show acts on it.
TEST(DemoForms, TheQuestionAnswersIntoTheCallersTag) {
    DemoSession s;
    EXPECT_FALSE(ui::forms().isLoaded<frmDemoAsk>());
    s.session.host().whileWaiting([&] {
        auto& ask = *ui::forms().find<frmDemoAsk>();
        EXPECT_EQ(ask.lblLoadedWith.caption(), "Question?") << "Form_Load ran before the opener wrote";
        EXPECT_EQ(ask.lblQuestion.caption(), "Erase every dish?");
        EXPECT_EQ(s.list->lblStatus.caption(), "") << "the opener waits";
        ui::input::click(ask.cmdYes);
    });
    ui::input::click(s.list->cmdErase);
    EXPECT_FALSE(ui::forms().isLoaded<frmDemoAsk>());
    EXPECT_EQ(s.list->cmdErase.tag(), "Yes");
    EXPECT_EQ(s.list->lblStatus.caption(), "Erased");
    EXPECT_EQ(s.list->lstItems.listCount(), 0);

    // The next question starts without the old answer: No keeps the list.
    s.list->lstItems.AddItem("Soup");
    s.session.host().whileWaiting([] { ui::input::click(ui::forms().get<frmDemoAsk>().cmdNo); });
    ui::input::click(s.list->cmdErase);
    EXPECT_EQ(s.list->cmdErase.tag(), "");
    EXPECT_EQ(s.list->lblStatus.caption(), "Kept");
    EXPECT_EQ(s.list->lstItems.listCount(), 1);
}

TEST(DemoForms, TheTimerKeepsTheClockAndTheKeypadTypes) {
    DemoSession s;
    ui::timers::advance(2500);
    EXPECT_EQ(s.list->lblTime.caption(), "9:00:02 AM");
    for (int digit : {4, 0, 7, 1, 9}) ui::input::click(s.list->comNumber(digit));
    EXPECT_EQ(s.list->txtCode.text(), "4071") << "MaxLength 4 stops the fifth digit";
    EXPECT_EQ(s.list->txtCode.displayText(), "****");
    ui::input::click(s.list->cmdBack);
    EXPECT_EQ(s.list->txtCode.text(), "407");
}

TEST(DemoForms, CloseAsksFirst) {
    DemoSession s;
    s.session.host().answer(ui::MsgBoxResult::No);
    ui::input::click(s.list->cmdClose);
    EXPECT_TRUE(ui::forms().isLoaded<frmDemoList>());
    ui::input::click(s.list->cmdClose);  // unanswered: the default button, Yes
    EXPECT_FALSE(ui::forms().isLoaded<frmDemoList>());
    ASSERT_EQ(s.session.host().messageBoxes().size(), 2u);
    EXPECT_EQ(s.session.host().messageBoxes()[1].prompt, "Close the list?");
    EXPECT_EQ(s.session.host().messageBoxes()[1].icon(), ui::MsgBoxIcon::Question);
}
