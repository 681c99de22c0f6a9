#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/host.h"

namespace pelk::ui {

struct MessageBoxRecord {
    std::string prompt;
    std::string title;
    int style = kOKOnly;
    MsgBoxResult answer = MsgBoxResult::OK;
    std::vector<MsgBoxResult> buttons() const { return buttonsOf(style); }
    MsgBoxIcon icon() const { return iconOf(style); }
};

struct PrinterDialogRecord {
    std::string title;
    int flags = 0;
};

struct InputBoxRecord {
    std::string prompt;
    std::string title;
    std::string defaultText;
    std::optional<std::string> answer;  // nullopt: cancelled
};

// The host of tests and road scripts. It shows nothing: it records every message box and input
// box and answers them from queues (a box without a queued answer gets its default button; an
// input box its default text). DoEvents moves the program's clock on by 10 ms and ticks the timers
// that fall due, so a handler's wait loop ends.
//
// A form shown waiting cannot block a test that has one thread; the rest of the test runs inside
// the wait instead. In a GoogleTest, whileWaiting() queues what the user does while a form is
// shown waiting; the road runner installs a driver that runs the following script lines there.
// Show returns when the form is unloaded or hidden.
class ScriptedHost : public Host {
public:
    // Runs user actions until `over()` holds; throws to abandon the wait.
    using WaitDriver = std::function<void(Form& waiting, const std::function<bool()>& over)>;

    // The answer to the next message box; it must be one of its buttons.
    void answer(MsgBoxResult r) { answers_.push_back(r); }
    // The answer to the next input box: a text, or Cancel.
    void answerInput(std::string text) { inputs_.push_back(std::move(text)); }
    void cancelInput() { inputs_.push_back(std::nullopt); }
    std::size_t pendingAnswers() const { return answers_.size(); }
    std::size_t pendingInputs() const { return inputs_.size(); }

    // What the user does while the next form is shown waiting, in order (GoogleTests).
    void whileWaiting(std::function<void()> action) { actions_.push_back(std::move(action)); }
    void setWaitDriver(WaitDriver d) { driver_ = std::move(d); }

    const std::vector<MessageBoxRecord>& messageBoxes() const { return messages_; }
    const std::vector<InputBoxRecord>& inputBoxes() const { return inputRecords_; }
    // Every printer dialog shown; each is answered OK.
    const std::vector<PrinterDialogRecord>& printerDialogs() const { return printerDialogs_; }
    int beeps() const { return beeps_; }
    // "show frmX", "show-waiting frmX", "hide frmX", "unload frmX", in order.
    const std::vector<std::string>& log() const { return log_; }

    void showForm(Form& form, bool modal) override;
    void hideForm(Form& form) override;
    void formUnloaded(Form& form) override;
    void runModal(Form& form) override;
    MsgBoxResult msgBox(const MessageBoxRequest& box) override;
    std::optional<std::string> inputBox(const InputBoxRequest& box) override;
    void beep() override { ++beeps_; }
    bool printerDialog(const PrinterDialogRequest& dialog) override;
    void doEvents() override;

private:
    std::deque<MsgBoxResult> answers_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<std::function<void()>> actions_;
    WaitDriver driver_;
    std::vector<MessageBoxRecord> messages_;
    std::vector<InputBoxRecord> inputRecords_;
    std::vector<PrinterDialogRecord> printerDialogs_;
    std::vector<std::string> log_;
    int beeps_ = 0;
};

// A fresh program for one test: no forms, no registrations, a default screen, a fixed clock (when
// none is fixed yet: 2026-01-05 09:00:00), and its own scripted host installed. Everything is
// unloaded, without events, when it ends.
class ScriptedSession {
public:
    ScriptedSession();
    ~ScriptedSession();
    ScriptedSession(const ScriptedSession&) = delete;
    ScriptedSession& operator=(const ScriptedSession&) = delete;
    ScriptedHost& host() { return host_; }

private:
    ScriptedHost host_;
};

}  // namespace pelk::ui
