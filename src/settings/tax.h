#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/core/money.h"

namespace pelk::settings {

// The one tax rule of the folio and the split check; each passes the pair of rates it uses
// (the folio the store's TO rates, the split check its DI rates).
//
// A rate as the store settings keep it: a plain fraction as text ("0.075"), held exactly to nine
// places so a tax is the rate's true share of the amount. A text that is not wholly a number is no
// tax, so a mistyped rate never charges a guest anything surprising.
struct TaxRate {
    std::int64_t billionths = 0;
};
TaxRate taxRateOf(std::string_view text);

// The tax on an amount, worked out exactly and rounded once to the cent, half away from zero, as
// it is shown: the total is the sum of what the clerk sees.
core::Money taxOn(core::Money amount, TaxRate rate);

// Whether a store in `country` (as the store settings name it) charges the second tax: only a
// store in Canada does.
bool chargesSecondTax(std::string_view country);
// The same for this store, by the country its settings hold now.
bool secondTaxApplies();

// The taxes and total of a subtotal. The second tax, where it applies, is charged on the
// subtotal plus the first tax.
struct Taxes {
    core::Money tax1, tax2, total;
};
Taxes taxesOn(core::Money subtotal, TaxRate rate1, TaxRate rate2, bool second);

// The folio's taxes of a subtotal, by the store's settings as they stand now.
Taxes folioTaxesOn(core::Money subtotal);

// The reservation form's estimate keeps a rule of its own, on purpose: there a rate is read as
// an amount, only a positive one counts (nullopt otherwise), and the second tax is charged on the
// stay's amount alone, not on the first tax.
std::optional<core::Money> estimateRateOf(std::string_view text);

}  // namespace pelk::settings
