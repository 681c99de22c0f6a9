#include "settings/tax.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/core/format.h"
#include "platform/core/text.h"
#include "platform/ui/registry.h"
#include "settings/frmInfor.h"

namespace pelk::settings {

double taxRateOf(std::string_view text) {
    std::string t = core::text::trim(std::string(text));
    if (t.empty()) return 0;
    char* end = nullptr;
    double rate = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(rate)) return 0;
    return rate;
}

core::Money taxOn(core::Money amount, double rate) {
    return core::Money::fromDouble(amount.toDouble() * rate).rounded(2);
}

bool secondTaxApplies() { return ui::forms().get<frmInfor>().cmbCountry.text() == "Canada"; }

Taxes taxesOn(core::Money subtotal, double rate1, double rate2, bool second) {
    Taxes t;
    t.tax1 = taxOn(subtotal, rate1);
    t.total = subtotal + t.tax1;
    if (second) {
        t.tax2 = taxOn(t.total, rate2);
        t.total += t.tax2;
    }
    return t;
}

Taxes folioTaxesOn(core::Money subtotal) {
    frmInfor& store = ui::forms().get<frmInfor>();
    return taxesOn(subtotal, taxRateOf(store.txtTOTax1.text()), taxRateOf(store.txtTOTax2.text()), secondTaxApplies());
}

std::optional<core::Money> estimateRateOf(std::string_view text) {
    auto rate = core::parseAmount(text);
    if (!rate || *rate <= core::Money{}) return std::nullopt;
    return rate;
}

}  // namespace pelk::settings
