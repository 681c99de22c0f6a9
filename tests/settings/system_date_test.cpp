// frmSetdate: what it asks of the machine, and what it does when the machine refuses.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/clock.h"
#include "platform/os/actions.h"
#include "platform/ui/input.h"
#include "settings/frmBSfwSet.h"
#include "settings/frmSetdate.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

class SystemDate : public test::ScreenTest {
protected:
    SystemDate() : machine_(std::make_shared<os::RecordingActions>()), before_(core::clock::now()) {
        core::clock::fix({{2026, 12, 10}, {9, 0, 0}});
        os::setActions(machine_);
    }
    ~SystemDate() override {
        os::setActions(std::make_shared<os::CommandActions>());
        core::clock::fix(before_);
    }
    frmSetdate& screen() { return ui::forms().get<frmSetdate>(); }
    void click(ui::Control& c) { ASSERT_TRUE(ui::input::click(c)) << c.path(); }

    std::shared_ptr<os::RecordingActions> machine_;
    core::DateTime before_;
};

TEST_F(SystemDate, OnlyWhatTheClerkChangedIsSetHoweverLongTheScreenStaysOpen) {
    screen().Show();
    core::clock::advanceMs(5 * 60 * 1000);
    click(screen().cmdClose);
    EXPECT_TRUE(machine_->asked.empty());
    EXPECT_TRUE(ui::forms().isLoaded<frmBSfwSet>());

    screen().Show();
    EXPECT_EQ(screen().txtTime.text(), "9:05:00 AM");
    screen().txtTime.setText("10:15 PM");
    click(screen().cmdClose);
    EXPECT_EQ(machine_->asked, std::vector<std::string>{"set-time 10:15:00 PM"});
    EXPECT_FALSE(ui::forms().isLoaded<frmSetdate>());
    EXPECT_TRUE(prompts().empty());
}

TEST_F(SystemDate, CancelAndHelpSetNothing) {
    screen().Show();
    screen().txtDate.setText("12/24/2026");
    click(screen().Command3);
    EXPECT_TRUE(screen().visible());
    click(screen().cmdCancel);
    EXPECT_TRUE(machine_->asked.empty());
    EXPECT_TRUE(ui::forms().get<frmBSfwSet>().visible());
}

TEST_F(SystemDate, ADateTheMachineRefusesIsToldAndTheTimeIsNotSet) {
    machine_->failWith = "Operation not permitted.";
    screen().Show();
    screen().txtDate.setText("12/24/2026");
    screen().txtTime.setText("8:00 AM");
    click(screen().cmdClose);
    EXPECT_EQ(machine_->asked, std::vector<std::string>{"set-date 12/24/2026"});
    EXPECT_EQ(prompts(), std::vector<std::string>{"The system date was not set. Operation not permitted."});
    EXPECT_TRUE(screen().visible());
    EXPECT_EQ(screen().txtDate.text(), "12/24/2026");

    // Allowed now: the date, then the time.
    machine_->failWith.clear();
    click(screen().cmdClose);
    EXPECT_EQ(machine_->asked,
              (std::vector<std::string>{"set-date 12/24/2026", "set-date 12/24/2026", "set-time 8:00:00 AM"}));
    EXPECT_FALSE(ui::forms().isLoaded<frmSetdate>());
}

TEST_F(SystemDate, ARefusedTimeKeepsTheScreenOpenAndASecondCloseDoesNotSetTheDateAgain) {
    screen().Show();
    screen().txtDate.setText("12/24/2026");
    screen().txtTime.setText("8:00 AM");
    // The machine takes the date and refuses the time.
    struct DateOnly : os::RecordingActions {
        std::string setTime(const core::Time& t) override {
            RecordingActions::setTime(t);
            return "Time is kept by the network.";
        }
    };
    auto machine = std::make_shared<DateOnly>();
    os::setActions(machine);
    click(screen().cmdClose);
    EXPECT_EQ(prompts(), std::vector<std::string>{"The system time was not set. Time is kept by the network."});
    EXPECT_TRUE(screen().visible());
    click(screen().cmdClose);
    EXPECT_EQ(machine->asked,
              (std::vector<std::string>{"set-date 12/24/2026", "set-time 8:00:00 AM", "set-time 8:00:00 AM"}));
}

}  // namespace
}  // namespace pelk::settings
