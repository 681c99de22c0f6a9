#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::folio {

class frmRooms;

// One item row of an invoice, as it prints: the charge already in its printed form.
struct InvoiceItem {
    std::string quantity;
    std::string description;
    std::string charge;
};

// What a folio and a split check print under the invoice's top. Each keeps its own heading words
// and spacing, so the headings come whole; a folio also prints what was received and what is left.
struct InvoiceBody {
    std::string stayHeading;   // underlined over the stay line
    std::string stayLine;      // the guest, the dates, the room and the number
    std::string itemsHeading;  // underlined over the items
    std::vector<InvoiceItem> items;
    std::string tax1;
    std::string tax2;  // printed only where the second tax applies
    std::string total;
    struct Payment {
        std::string received;
        std::string balance;
    };
    std::optional<Payment> payment;
    std::string notesSubtotal;  // the subtotal the store's ending notes are chosen by
};

// Prints a whole invoice and sends it: the top ("Invoice" with today's date, the store's header
// lines, the room screen's guest and clerk), the body, the store's ending notes. Answers the
// printer's failure, or "" when it went.
std::string PrintInvoice(const frmRooms& rooms, const InvoiceBody& body);

// One item line of an invoice: the quantity and the description cut to their columns (by
// characters, so a name in another script is never cut inside a letter), then the charge.
std::string InvoiceItemLine(std::string_view quantity, std::string_view description, std::string_view charge);

// The store's three receipt header lines, at the current point of the printout, in the font name
// in force.
void PrintReceiptHeader();
// The store's ending notes under a printout whose subtotal is `subtotal` (Money text): the first
// two when the header mode prints them, the other four when the subtotal is above the plan.
void PrintReceiptNotes(std::string_view subtotal);

}  // namespace pelk::folio
