#pragma once

#include <string>

#include "platform/ui/control.h"

namespace pelk::ui {

// The legacy common dialog control, for the printer set-up dialog: ShowPrinter asks the host to
// show the platform's printer dialog with DialogTitle and Flags (64: the print set-up form). What
// the user chooses there is the host's business; nothing is read back. It shows nothing itself.
class CommonDialog : public Control {
public:
    CommonDialog(Form* form, std::string name, int index = -1);

    const std::string& dialogTitle() const { return dialogTitle_; }
    void setDialogTitle(std::string t);
    int flags() const { return flags_; }
    void setFlags(int f);
    // False when the user cancelled.
    bool ShowPrinter();

    const PropertyList& properties() const override;

private:
    std::string dialogTitle_;
    int flags_ = 0;
};

}  // namespace pelk::ui
