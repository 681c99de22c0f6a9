#include "platform/ui/scripted_host.h"

#include <algorithm>
#include <stdexcept>

#include "platform/core/clock.h"
#include "platform/ui/form.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"
#include "platform/ui/timers.h"

namespace pelk::ui {

void ScriptedHost::showForm(Form& form, bool modal) {
    log_.push_back((modal ? "show-waiting " : "show ") + form.name());
}
void ScriptedHost::hideForm(Form& form) { log_.push_back("hide " + form.name()); }
void ScriptedHost::formUnloaded(Form& form) { log_.push_back("unload " + form.name()); }

void ScriptedHost::runModal(Form& form) {
    std::function<bool()> over = [&form] { return !form.isLoaded() || !form.visible() || programEnded(); };
    if (driver_) {
        driver_(form, over);
        if (!over()) throw std::logic_error(form.name() + " is still shown waiting");
        return;
    }
    while (!over()) {
        if (actions_.empty())
            throw std::logic_error(form.name() + " is shown waiting, and the test gives nothing more to do");
        auto action = std::move(actions_.front());
        actions_.pop_front();
        action();
        deliverQueuedKeys();
    }
}

MsgBoxResult ScriptedHost::msgBox(const MessageBoxRequest& box) {
    MessageBoxRecord record{box.prompt, box.title, box.style, defaultAnswer(box.style)};
    if (!answers_.empty()) {
        MsgBoxResult a = answers_.front();
        answers_.pop_front();
        auto buttons = buttonsOf(box.style);
        if (std::find(buttons.begin(), buttons.end(), a) == buttons.end()) {
            messages_.push_back(record);
            throw std::logic_error("the message box \"" + box.prompt + "\" has no button " +
                                   std::string(answerName(a)));
        }
        record.answer = a;
    }
    messages_.push_back(record);
    return record.answer;
}

std::optional<std::string> ScriptedHost::inputBox(const InputBoxRequest& box) {
    InputBoxRecord record{box.prompt, box.title, box.defaultText, box.defaultText};
    if (!inputs_.empty()) {
        record.answer = inputs_.front();
        inputs_.pop_front();
    }
    inputRecords_.push_back(record);
    return record.answer;
}

bool ScriptedHost::printerDialog(const PrinterDialogRequest& dialog) {
    printerDialogs_.push_back(PrinterDialogRecord{dialog.title, dialog.flags});
    return true;
}

void ScriptedHost::doEvents() {
    core::clock::advanceMs(10);
    timers::tickDue();
    deliverQueuedKeys();
}

ScriptedSession::ScriptedSession() {
    forms().clear();
    resetProgramState();
    screen().reset();
    if (!core::clock::isFixed()) core::clock::fix(core::DateTime{core::Date{2026, 1, 5}, core::Time{9, 0, 0}});
    setHost(&host_);
}

ScriptedSession::~ScriptedSession() {
    forms().clear();
    resetProgramState();
    setHost(nullptr);
}

}  // namespace pelk::ui
