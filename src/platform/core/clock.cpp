#include "platform/core/clock.h"

#include <chrono>
#include <cstdlib>
#include <ctime>

namespace pelk::core::clock {

namespace {

struct State {
    bool fixed = false;
    std::int64_t fixedMs = 0;  // local wall time, ms since 1/1/1970
};

State& state() {
    static State s;
    return s;
}

std::int64_t realLocalMs() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    std::int64_t ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    Date d{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    return (toDayNumber(d) * 86400 + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 1000 + ms;
}

std::int64_t toMs(const DateTime& dt) {
    return (toDayNumber(dt.date) * 86400 + secondsOfDay(dt.time)) * 1000;
}

DateTime fromMs(std::int64_t ms) {
    std::int64_t secs = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
    std::int64_t days = secs >= 0 ? secs / 86400 : (secs - 86399) / 86400;
    int sod = static_cast<int>(secs - days * 86400);
    return DateTime{fromDayNumber(days), timeFromSeconds(sod)};
}

}  // namespace

std::int64_t nowMs() { return state().fixed ? state().fixedMs : realLocalMs(); }
DateTime now() { return fromMs(nowMs()); }
Date today() { return now().date; }
Time timeOfDay() { return now().time; }

double secondsSinceMidnight() {
    std::int64_t ms = nowMs();
    std::int64_t dayMs = 86400000;
    return static_cast<double>(((ms % dayMs) + dayMs) % dayMs) / 1000.0;
}

void fix(const DateTime& at) {
    state().fixed = true;
    state().fixedMs = toMs(at);
}

void advanceMs(std::int64_t ms) {
    if (state().fixed) state().fixedMs += ms;
}

void runFree() { state().fixed = false; }
bool isFixed() { return state().fixed; }

bool fixFromEnvironment() {
    const char* v = std::getenv("PELKPOS_NOW");
    if (!v || !*v) return true;
    auto dt = parseDateTime(v);
    if (!dt) return false;
    fix(*dt);
    return true;
}

}  // namespace pelk::core::clock
