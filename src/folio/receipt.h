#pragma once

#include <string>
#include <string_view>

namespace pelk::folio {

class frmRooms;

// The top of an invoice, the folio's and a split check's alike: the printer set up in its font,
// "Invoice" with today's date, the store's header lines, the room screen's guest and clerk.
void PrintInvoiceTop(const frmRooms& rooms);
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
