#include "folio/receipt.h"

#include <string>

#include "platform/core/money.h"
#include "platform/print/printer.h"
#include "platform/ui/registry.h"
#include "settings/frmInfor.h"

namespace pelk::folio {

void PrintReceiptHeader() {
    settings::frmInfor& store = ui::forms().get<settings::frmInfor>();
    print::Printer& p = print::printer();
    p.FontSize = 13;
    p.print("  " + store.txtL1.text());
    p.FontSize = 11;
    p.print("      " + store.txtL2.text());
    p.print("      " + store.txtL3.text());
}

// The amounts are read whole, thousands separators included: a plan of 1,000.00 is a thousand.
// The store settings keep a blank note as "-": the plan notes leave it out, the first two print it.
void PrintReceiptNotes(std::string_view subtotal) {
    settings::frmInfor& store = ui::forms().get<settings::frmInfor>();
    print::Printer& p = print::printer();
    p.FontName = "MS Sans Serif";
    if (store.lblSetP.caption() == "Print L1 L2 Now") {
        for (ui::TextBox* note : {&store.txtNotes, &store.txtENotes1})
            if (!note->text().empty()) p.print(note->text());
    }
    core::Money plan = core::Money::parse(store.txtPlan.text()).value_or(core::Money{});
    core::Money amount = core::Money::parse(subtotal).value_or(core::Money{});
    if (!(plan < amount)) return;
    for (ui::TextBox* note : {&store.txtENotes2, &store.txtENotes3, &store.txtENotes4, &store.txtENotes5})
        if (!note->text().empty() && note->text() != "-") p.print(note->text());
}

}  // namespace pelk::folio
