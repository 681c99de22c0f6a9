#pragma once

#include <cstdint>

// The timers of the loaded forms, ticked by the host: the Qt host from real time, the scripted
// host on the program's clock (DoEvents, a road script's wait).
namespace pelk::ui::timers {

// Ticks, in order of due time, each running timer that falls due up to the clock's present.
void tickDue();
// Moves the clock on by ms, each running timer ticking once per interval that elapses, in order of
// due time (the clock stands at each tick's time while it runs).
void advance(std::int64_t ms);
// Moves every timer's next tick by ms: the clock was set (a road script's now), which ticks no timer.
void shiftAll(std::int64_t ms);

}  // namespace pelk::ui::timers
