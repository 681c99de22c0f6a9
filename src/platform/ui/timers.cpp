#include "platform/ui/timers.h"

#include "platform/core/clock.h"
#include "platform/ui/controls.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"

namespace pelk::ui::timers {

namespace {

template <class F>
void eachTimer(F&& f) {
    for (Form* form : forms().loaded())
        for (Control* c : form->controls())
            if (c->kind() == ControlKind::Timer) f(*static_cast<Timer*>(c));
}

// The running timer due first at or before `until`; one whose handler is running waits for it to end.
Timer* nextDue(std::int64_t until) {
    Timer* best = nullptr;
    eachTimer([&](Timer& t) {
        if (t.running() && !t.ticking() && t.dueMs() <= until && (!best || t.dueMs() < best->dueMs())) best = &t;
    });
    return best;
}

void tick(Timer& t) {
    t.shiftDue(t.interval());
    runEvent([&] { t.raiseTimer(); });
}

}  // namespace

void tickDue() {
    while (!programEnded()) {
        Timer* t = nextDue(core::clock::nowMs());
        if (!t) return;
        tick(*t);
    }
}

void advance(std::int64_t ms) {
    std::int64_t target = core::clock::nowMs() + ms;
    while (!programEnded()) {
        Timer* t = nextDue(target);
        if (!t) break;
        std::int64_t now = core::clock::nowMs();
        if (t->dueMs() > now) core::clock::advanceMs(t->dueMs() - now);
        tick(*t);
    }
    std::int64_t now = core::clock::nowMs();
    if (now < target) core::clock::advanceMs(target - now);
}

void shiftAll(std::int64_t ms) {
    eachTimer([&](Timer& t) { t.shiftDue(ms); });
}

}  // namespace pelk::ui::timers
