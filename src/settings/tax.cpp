#include "settings/tax.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/core/format.h"
#include "platform/core/text.h"
#include "platform/ui/registry.h"
#include "settings/frmInfor.h"

namespace pelk::settings {

TaxRate taxRateOf(std::string_view text) {
    std::string t = core::text::trim(std::string(text));
    if (t.empty()) return {};
    // The plain decimals a store keeps are read exactly; any other number the settings hold (an
    // exponent, a tenth decimal) goes through its nearest double.
    std::size_t i = 0;
    bool negative = t[0] == '-';
    if (t[0] == '-' || t[0] == '+') ++i;
    __int128 whole = 0, fraction = 0;
    int places = 0;
    bool digits = false, point = false, plain = i < t.size();
    for (; i < t.size() && plain; ++i) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            if (point) {
                if (++places > 9) plain = false;
                fraction = fraction * 10 + (c - '0');
            } else {
                whole = whole * 10 + (c - '0');
                if (whole > 1000000000) plain = false;
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            plain = false;
        }
    }
    if (plain && digits) {
        for (int k = places; k < 9; ++k) fraction *= 10;
        __int128 b = whole * 1000000000 + fraction;
        return {static_cast<std::int64_t>(negative ? -b : b)};
    }
    char* end = nullptr;
    double rate = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(rate) || std::fabs(rate) > 1e9) return {};
    return {static_cast<std::int64_t>(std::llround(rate * 1e9))};
}

core::Money taxOn(core::Money amount, TaxRate rate) {
    // Units of 1/10,000 times billionths: 1e-13 of the currency; a cent is 1e11 of them.
    __int128 exact = static_cast<__int128>(amount.units()) * rate.billionths;
    constexpr __int128 kCent = 100000000000;
    __int128 cents = exact / kCent, rest = exact % kCent;
    if (rest * 2 >= kCent) ++cents;
    if (rest * 2 <= -kCent) --cents;
    return core::Money::fromUnits(static_cast<std::int64_t>(cents * 100));
}

bool chargesSecondTax(std::string_view country) { return country == "Canada"; }

bool secondTaxApplies() { return chargesSecondTax(ui::forms().get<frmInfor>().cmbCountry.text()); }

Taxes taxesOn(core::Money subtotal, TaxRate rate1, TaxRate rate2, bool second) {
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
