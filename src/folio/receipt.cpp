#include "folio/receipt.h"

#include <string>

#include "folio/frmRooms.h"
#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/money.h"
#include "platform/core/text.h"
#include "platform/print/printer.h"
#include "platform/ui/registry.h"
#include "settings/frmInfor.h"
#include "settings/tax.h"

namespace pelk::folio {

using core::text::spaces;

namespace {

void PrintInvoiceTop(const frmRooms& rooms) {
    print::Printer& p = print::printer();
    p.PrintQuality = 300;
    p.FontName = "courier new";
    p.PrintQuality = -2;
    p.FontSize = 14;
    p.FontUnderline = false;
    p.print();
    p.print();
    p.print(spaces(57) + "Invoice");
    p.print();
    p.print(spaces(50) + "Check Out Date");
    p.FontSize = 11;
    p.print(spaces(60) + core::generalDate(core::clock::now()));
    PrintReceiptHeader();
    for (int i = 0; i < 3; ++i) p.print();
    p.print("  Guest Information:");
    p.print(spaces(4) + rooms.txtFirstN.text() + " " + rooms.txtLastN.text());
    p.print(spaces(4) + rooms.txtAdds.text());
    p.print(spaces(4) + rooms.txtCity.text() + ", " + rooms.txtState.text() + " " + rooms.txtZip.text());
    p.print(spaces(4) + rooms.txtPhone.text());
    p.print();
    p.print();
    p.FontSize = 9;
    p.print("  Clerk: " + rooms.lblID.caption());
}

}  // namespace

// The store's "Auto" free-item setting keeps the items in the bold of the heading above them.
std::string PrintInvoice(const frmRooms& rooms, const InvoiceBody& body) {
    PrintInvoiceTop(rooms);
    print::Printer& p = print::printer();
    p.FontSize = 12;
    p.FontBold = true;
    p.print(std::string(92, '_'));
    p.FontUnderline = true;
    p.print(body.stayHeading);
    p.FontUnderline = false;
    p.FontSize = 10;
    p.FontBold = false;
    p.print(body.stayLine);
    p.print();
    p.print();
    p.FontBold = true;
    p.print(std::string(96, '_'));
    p.FontUnderline = true;
    p.print(body.itemsHeading);
    p.FontUnderline = false;
    p.print();

    p.FontName = "courier new";
    p.FontSize = 11;
    bool boldLines = ui::forms().get<settings::frmInfor>().lblFreeSf.caption() == "Auto";
    for (const InvoiceItem& item : body.items) {
        if (!boldLines) p.FontBold = false;
        p.print(InvoiceItemLine(item.quantity, item.description, item.charge));
    }
    p.FontUnderline = true;
    p.print(spaces(100));
    p.FontUnderline = false;
    for (int i = 0; i < 3; ++i) p.print();
    p.print(spaces(65) + "Tax" + spaces(5) + body.tax1);
    if (settings::secondTaxApplies()) p.print(spaces(65) + "Tax" + spaces(6) + body.tax2);
    p.FontBold = true;
    p.print(spaces(63) + "Total" + spaces(4) + body.total);
    if (body.payment) {
        p.print();
        p.print(spaces(60) + "Received" + spaces(4) + body.payment->received);
        p.print(spaces(54) + "Folio Balance" + spaces(5) + body.payment->balance);
    }
    p.FontBold = false;
    p.print();
    PrintReceiptNotes(body.notesSubtotal);
    return p.EndDoc();
}

std::string InvoiceItemLine(std::string_view quantity, std::string_view description, std::string_view charge) {
    std::string line = spaces(5) + core::text::left(quantity, 2) + spaces(20) + core::text::left(description, 70);
    if (std::size_t n = core::text::len(line); n < 71) line += spaces(71 - n);
    return line + std::string(charge);
}

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
