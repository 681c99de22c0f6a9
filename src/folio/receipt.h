#pragma once

#include <string_view>

namespace pelk::folio {

// The store's three receipt header lines, at the current point of the printout, in the font name
// in force.
void PrintReceiptHeader();
// The store's ending notes under a printout whose subtotal is `subtotal` (Money text): the first
// two when the header mode prints them, the other four when the subtotal is above the plan.
void PrintReceiptNotes(std::string_view subtotal);

}  // namespace pelk::folio
