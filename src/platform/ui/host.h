#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::ui {

class Form;

// The legacy message box style: buttons + icon + default button.
enum MsgBoxStyle : int {
    kOKOnly = 0,
    kOKCancel = 1,
    kAbortRetryIgnore = 2,
    kYesNoCancel = 3,
    kYesNo = 4,
    kRetryCancel = 5,
    kCritical = 16,
    kQuestion = 32,
    kExclamation = 48,
    kInformation = 64,
    kDefaultButton1 = 0,
    kDefaultButton2 = 256,
    kDefaultButton3 = 512,
};

enum class MsgBoxResult { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
enum class MsgBoxIcon { None, Critical, Question, Exclamation, Information };

// The buttons of a style, left to right.
std::vector<MsgBoxResult> buttonsOf(int style);
MsgBoxIcon iconOf(int style);
// The button that answers when the user just presses Enter.
MsgBoxResult defaultAnswer(int style);
// "OK", "Cancel", "Yes", … and back (without regard to case).
std::string_view answerName(MsgBoxResult r);
std::optional<MsgBoxResult> answerFromName(std::string_view name);
std::string_view iconName(MsgBoxIcon icon);

// A message box as shown: the title is already the program's title when the code gave none.
struct MessageBoxRequest {
    std::string prompt;
    int style = kOKOnly;
    std::string title;
};

struct InputBoxRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

// The platform's printer dialog, as a common dialog control asks for it (ShowPrinter): its title
// and the legacy flags (64: the print set-up form of the dialog).
struct PrinterDialogRequest {
    std::string title;
    int flags = 0;
};

// The one interface of the forms to the outside. The Qt host shows windows; the scripted host
// (scripted_host.h) records and answers for tests and road scripts.
class Host {
public:
    virtual ~Host() = default;
    // A form became visible (modal: it is shown waiting; runModal follows).
    virtual void showForm(Form& form, bool modal) = 0;
    virtual void hideForm(Form& form) = 0;
    // The form is gone; its window with it.
    virtual void formUnloaded(Form& form) = 0;
    // Runs the program's events until `form` is unloaded or hidden (a form shown waiting).
    virtual void runModal(Form& form) = 0;
    virtual MsgBoxResult msgBox(const MessageBoxRequest& box) = 0;
    // nullopt when the user cancels.
    virtual std::optional<std::string> inputBox(const InputBoxRequest& box) = 0;
    virtual void beep() = 0;
    // Shows the printer dialog; what the user chooses there is the host's business (the current
    // printer). False when the user cancels, or when the host has no such dialog.
    virtual bool printerDialog(const PrinterDialogRequest& dialog) { return false; }
    // Delivers what is pending (input, due timers) and returns.
    virtual void doEvents() = 0;
    // Paint the form now (Refresh).
    virtual void refresh(Form& form) {}
    // The program has ended (End, or its last form went).
    virtual void onProgramEnded() {}
};

// The host in use; a scripted host that records everything until one is installed.
Host& host();
// Installs a host (not owned; nullptr goes back to the default).
void setHost(Host* h);

// The legacy MsgBox: the answer; a box without a title shows the program's title.
MsgBoxResult MsgBox(std::string_view prompt, int style = kOKOnly, std::string_view title = {});
// The legacy InputBox: the text entered, or the empty text when the user cancels.
std::string InputBox(std::string_view prompt, std::string_view title = {}, std::string_view defaultText = {});

}  // namespace pelk::ui
