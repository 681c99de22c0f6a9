#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/core/datetime.h"

namespace pelk::core {

// The one clock of the program. It runs with the machine unless it is fixed, by a test, a
// road script or the environment variable PELKPOS_NOW ("2026-12-10 09:00:00"); a fixed
// clock moves only when told to, with millisecond steps so that wait loops end.
namespace clock {

DateTime now();
Date today();
Time timeOfDay();
// Milliseconds since the epoch of the clock's own count: for timers and elapsed time.
std::int64_t nowMs();
// Seconds since midnight with fractions, as the legacy Timer function gives them.
double secondsSinceMidnight();

void fix(const DateTime& at);
void advanceMs(std::int64_t ms);
void runFree();
bool isFixed();
// Fixes the clock from PELKPOS_NOW when that is set; false when it is set but unreadable.
bool fixFromEnvironment();

}  // namespace clock
}  // namespace pelk::core
