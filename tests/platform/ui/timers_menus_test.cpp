#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/ui/input.h"
#include "platform/ui/timers.h"
#include "platform/ui/ui.h"
#include "probe_form.h"

using namespace pelk;
using Events = std::vector<std::string>;

namespace {

class frmClock : public ui::Form {
public:
    frmClock() {
        tmrFast.setInterval(300);
        tmrSlow.setInterval(500);
        tmrOff.setInterval(100);
        tmrOff.setEnabled(false);
        tmrFast.onTimer([this] { ticks.push_back("fast " + now()); });
        tmrSlow.onTimer([this] { ticks.push_back("slow " + now()); });
        tmrOff.onTimer([this] { ticks.push_back("off"); });
    }
    ui::Timer tmrFast{this, "tmrFast"};
    ui::Timer tmrSlow{this, "tmrSlow"};
    ui::Timer tmrOff{this, "tmrOff"};
    Events ticks;

private:
    static std::string now() {
        return core::longTime(core::clock::timeOfDay()) + " +" + std::to_string(core::clock::nowMs() % 1000);
    }
};

}  // namespace

// Each enabled timer ticks once per elapsed interval, in order of due time, with the clock
// standing at each tick's time.
TEST(Timers, WaitTicksInOrderOfDueTime) {
    ui::ScriptedSession session;
    core::clock::fix(core::DateTime{core::Date{2026, 1, 5}, core::Time{9, 0, 0}});
    ui::forms().registerForm<frmClock>("frmClock");
    auto& f = ui::forms().get<frmClock>();
    ui::timers::advance(1000);
    EXPECT_EQ(f.ticks, (Events{"fast 9:00:00 AM +300", "slow 9:00:00 AM +500", "fast 9:00:00 AM +600",
                               "fast 9:00:00 AM +900", "slow 9:00:01 AM +0"}));
    EXPECT_EQ(core::clock::timeOfDay(), (core::Time{9, 0, 1}));

    // A new interval starts the count again; setting the clock ticks nothing.
    f.ticks.clear();
    f.tmrFast.setInterval(2000);
    f.tmrSlow.setEnabled(false);
    std::int64_t before = core::clock::nowMs();
    core::clock::fix(core::DateTime{core::Date{2026, 1, 6}, core::Time{9, 0, 1}});
    ui::timers::shiftAll(core::clock::nowMs() - before);
    ui::timers::advance(1999);
    EXPECT_TRUE(f.ticks.empty());
    ui::timers::advance(1);
    EXPECT_EQ(f.ticks.size(), 1u);

    // A form unloaded takes its timers with it.
    f.Unload();
    ui::timers::advance(10000);
}

// A disabled top menu disables what is under it; a hidden item cannot be chosen either.
TEST(Menus, ItemsAreChosenOnlyWhenAvailable) {
    test::ProbeSession s;
    test::frmProbe& p = *s.probe;
    ASSERT_EQ(p.menus(), std::vector<ui::Menu*>{&p.mnuFile});
    EXPECT_EQ(p.mnuFile.items(), std::vector<ui::Menu*>{&p.mnuOpen});
    EXPECT_EQ(p.mnuFile.accessKey(), 'F');
    EXPECT_EQ(p.mnuOpen.accessKey(), 'O');

    EXPECT_TRUE(ui::input::click(p.mnuOpen));
    EXPECT_EQ(p.take(), Events{"mnuOpen_Click"});  // no focus or mouse events for a menu
    p.mnuFile.setEnabled(false);
    EXPECT_FALSE(ui::input::click(p.mnuOpen));
    EXPECT_TRUE(p.mnuOpen.enabled()) << "the item keeps its own Enabled";
    EXPECT_FALSE(ui::input::shortcut(p, "ctrl+o"));
    p.mnuFile.setEnabled(true);
    EXPECT_TRUE(ui::input::shortcut(p, "ctrl+o"));
    p.mnuOpen.setVisible(false);
    EXPECT_FALSE(ui::input::click(p.mnuOpen));
    EXPECT_EQ(p.take(), Events{"mnuOpen_Click"});
    p.mnuOpen.setTag("QS");
    EXPECT_EQ(p.mnuOpen.property("Tag"), "QS");
    EXPECT_EQ(p.mnuOpen.property("Shortcut"), "Ctrl+O");
}
