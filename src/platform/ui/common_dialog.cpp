#include "platform/ui/common_dialog.h"

#include "platform/ui/host.h"

namespace pelk::ui {

CommonDialog::CommonDialog(Form* form, std::string name, int index)
    : Control(form, std::move(name), ControlKind::CommonDialog, index) {
    setTabStop(false);
}

void CommonDialog::setDialogTitle(std::string t) {
    if (t == dialogTitle_) return;
    dialogTitle_ = std::move(t);
    changed("DialogTitle");
}

void CommonDialog::setFlags(int f) {
    if (f == flags_) return;
    flags_ = f;
    changed("Flags");
}

bool CommonDialog::ShowPrinter() { return host().printerDialog(PrinterDialogRequest{dialogTitle_, flags_}); }

const PropertyList& CommonDialog::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    {
                        prop::of("DialogTitle", &CommonDialog::dialogTitle, &CommonDialog::setDialogTitle),
                        prop::of("Flags", &CommonDialog::flags, &CommonDialog::setFlags),
                    }});
    return list;
}

}  // namespace pelk::ui
