#include "platform/ui/host.h"

#include "platform/core/text.h"
#include "platform/ui/runtime.h"
#include "platform/ui/scripted_host.h"

namespace pelk::ui {

std::vector<MsgBoxResult> buttonsOf(int style) {
    using R = MsgBoxResult;
    switch (style & 7) {
        case kOKCancel:
            return {R::OK, R::Cancel};
        case kAbortRetryIgnore:
            return {R::Abort, R::Retry, R::Ignore};
        case kYesNoCancel:
            return {R::Yes, R::No, R::Cancel};
        case kYesNo:
            return {R::Yes, R::No};
        case kRetryCancel:
            return {R::Retry, R::Cancel};
        default:
            return {R::OK};
    }
}

MsgBoxIcon iconOf(int style) {
    switch (style & 0x70) {
        case kCritical:
            return MsgBoxIcon::Critical;
        case kQuestion:
            return MsgBoxIcon::Question;
        case kExclamation:
            return MsgBoxIcon::Exclamation;
        case kInformation:
            return MsgBoxIcon::Information;
        default:
            return MsgBoxIcon::None;
    }
}

MsgBoxResult defaultAnswer(int style) {
    auto buttons = buttonsOf(style);
    std::size_t i = (style & kDefaultButton3) ? 2 : (style & kDefaultButton2) ? 1 : 0;
    return i < buttons.size() ? buttons[i] : buttons.front();
}

std::string_view answerName(MsgBoxResult r) {
    switch (r) {
        case MsgBoxResult::OK:
            return "OK";
        case MsgBoxResult::Cancel:
            return "Cancel";
        case MsgBoxResult::Abort:
            return "Abort";
        case MsgBoxResult::Retry:
            return "Retry";
        case MsgBoxResult::Ignore:
            return "Ignore";
        case MsgBoxResult::Yes:
            return "Yes";
        case MsgBoxResult::No:
            return "No";
    }
    return "?";
}

std::optional<MsgBoxResult> answerFromName(std::string_view name) {
    for (int i = 1; i <= 7; ++i) {
        auto r = static_cast<MsgBoxResult>(i);
        if (core::text::equalsNoCase(answerName(r), name)) return r;
    }
    return std::nullopt;
}

std::string_view iconName(MsgBoxIcon icon) {
    switch (icon) {
        case MsgBoxIcon::Critical:
            return "critical";
        case MsgBoxIcon::Question:
            return "question";
        case MsgBoxIcon::Exclamation:
            return "exclamation";
        case MsgBoxIcon::Information:
            return "information";
        case MsgBoxIcon::None:
            break;
    }
    return "none";
}

namespace {
Host*& installed() {
    static Host* h = nullptr;
    return h;
}
}  // namespace

Host& host() {
    static ScriptedHost fallback;
    return installed() ? *installed() : fallback;
}

void setHost(Host* h) { installed() = h; }

MsgBoxResult MsgBox(std::string_view prompt, int style, std::string_view title) {
    MessageBoxRequest box{std::string(prompt), style, std::string(title.empty() ? kProgramTitle : title)};
    return host().msgBox(box);
}

std::string InputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) {
    InputBoxRequest box{std::string(prompt), std::string(title.empty() ? kProgramTitle : title),
                        std::string(defaultText)};
    return host().inputBox(box).value_or(std::string());
}

}  // namespace pelk::ui
