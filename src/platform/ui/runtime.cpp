#include "platform/ui/runtime.h"

#include <deque>
#include <stdexcept>

#include "platform/core/text.h"
#include "platform/db/database.h"
#include "platform/ui/host.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"

namespace pelk::ui {

namespace {

struct State {
    int depth = 0;
    bool started = false;
    bool endCalled = false;
    std::deque<int> keys;
};

State& state() {
    static State s;
    return s;
}

int namedKey(std::string_view name) {
    std::string n = core::text::upper(name);
    if (n == "BS" || n == "BKSP" || n == "BACKSPACE") return 8;
    if (n == "ENTER") return 13;
    if (n == "TAB") return 9;
    if (n == "ESC" || n == "ESCAPE") return 27;
    if (n.size() == 1 && std::string_view("+^%~(){}[]").find(n[0]) != std::string_view::npos) return n[0];
    throw std::invalid_argument("SendKeys: the key {" + std::string(name) + "} is not supported");
}

}  // namespace

EventScope::EventScope() { ++state().depth; }

EventScope::~EventScope() {
    if (--state().depth == 0) forms().collect();
}

bool runEvent(const std::function<void()>& fn) {
    EventScope scope;
    bool outermost = state().depth == 1;
    // Each user action or tick, inside a form shown waiting too: rows read before it are read afresh.
    db::noteAction();
    try {
        fn();
        if (outermost) deliverQueuedKeys();
    } catch (const ProgramEnded&) {
        if (!outermost) throw;
        state().keys.clear();
        return false;
    }
    return true;
}

void markProgramStarted() { state().started = true; }
bool programStarted() { return state().started; }
// Code still running keeps the program alive, as the legacy runtime did: a handler may unload
// the last form and show another one later (after a pause that yields, say).
bool programEnded() { return state().endCalled || (state().started && state().depth == 0 && forms().loaded().empty()); }

void resetProgramState() {
    state().started = false;
    state().endCalled = false;
    state().keys.clear();
}

void SendKeys(std::string_view keys, bool wait) {
    std::deque<int> parsed;
    for (std::size_t i = 0; i < keys.size();) {
        char c = keys[i];
        if (c == '{') {
            // "{}}" and "{{}" name the braces themselves.
            std::size_t close = keys.find('}', i + 2);
            if (close == std::string_view::npos)
                throw std::invalid_argument("SendKeys: unclosed { in " + std::string(keys));
            std::string_view inner = keys.substr(i + 1, close - i - 1);
            int count = 1;
            if (auto blank = inner.find(' '); blank != std::string_view::npos) {
                count = std::stoi(std::string(inner.substr(blank + 1)));
                inner = inner.substr(0, blank);
            }
            int key = namedKey(inner);
            for (int k = 0; k < count; ++k) parsed.push_back(key);
            i = close + 1;
        } else if (c == '~') {
            parsed.push_back(13);
            ++i;
        } else if (c == '+' || c == '^' || c == '%' || c == '(' || c == ')') {
            throw std::invalid_argument("SendKeys: shift, control, alt and groups are not supported: " +
                                        std::string(keys));
        } else {
            auto b = static_cast<unsigned char>(c);
            std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
            int code = n == 1 ? b : n == 2 ? (b & 0x1F) : n == 3 ? (b & 0x0F) : (b & 0x07);
            for (std::size_t k = 1; k < n && i + k < keys.size(); ++k)
                code = (code << 6) | (static_cast<unsigned char>(keys[i + k]) & 0x3F);
            parsed.push_back(code);
            i += n;
        }
    }
    state().keys.insert(state().keys.end(), parsed.begin(), parsed.end());
    if (wait) deliverQueuedKeys();
}

void deliverQueuedKeys() {
    while (!state().keys.empty()) {
        int key = state().keys.front();
        state().keys.pop_front();
        if (Form* f = forms().activeForm()) input::keyToForm(*f, key);
    }
}

bool keysQueued() { return !state().keys.empty(); }

void DoEvents() {
    db::noteAction();
    host().doEvents();
}
void Beep() { host().beep(); }

void End() {
    state().endCalled = true;
    state().keys.clear();
    forms().unloadAllSilently();
    host().onProgramEnded();
    throw ProgramEnded();
}

}  // namespace pelk::ui
