#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace pelk::ui {

// The program's title: the title of a message box or input box that has none of its own.
inline constexpr std::string_view kProgramTitle = "Pelk POS 4";

// Thrown by End to stop the running code at once; the outermost event (runEvent) catches it.
class ProgramEnded : public std::exception {
public:
    const char* what() const noexcept override { return "the program has ended"; }
};

// Runs fn as one event of the program, as the host delivers a click, a key or a tick. Unloaded
// forms live until the outermost event returns; keys the program queued (SendKeys) arrive when it
// returns. False when the program ended (End) during it.
bool runEvent(const std::function<void()>& fn);

// Marks the span of an event without running it through runEvent (the scripted host's waits).
class EventScope {
public:
    EventScope();
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
};

// The program's state as a whole.
// Set by the start-up: from then on, the program ends when its last form is unloaded.
void markProgramStarted();
bool programStarted();
// End was called, or the program started and no form is loaded any more.
bool programEnded();
// Forgets the started and ended state and every queued key (tests).
void resetProgramState();

// The legacy statements.
// Queues keystrokes for the control with the focus: characters, and {BS}, {ENTER} (or ~), {TAB},
// {ESC}, {{}, {}} and {+} and the like; {BS 3} repeats. They arrive as typed keys after the
// running event returns (or at once with wait).
void SendKeys(std::string_view keys, bool wait = false);
// Lets the host deliver what is pending: keys, due timers (and in the scripted host, 10 ms pass).
void DoEvents();
void Beep();
// Ends the program at once: every form goes without its unload events, and the running code stops.
[[noreturn]] void End();

// The runtime's side: delivers the queued keys, in order, to the control with the focus.
void deliverQueuedKeys();
bool keysQueued();

}  // namespace pelk::ui
