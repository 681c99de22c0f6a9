#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/core/money.h"
#include "platform/core/value.h"

namespace pelk::core {

// The amount every money box, printout and report shows: thousands separated, two places.
inline constexpr std::string_view kAmountFormat = "###,###,##0.00";

// The legacy Format for the patterns and named formats the screens use:
// numeric patterns ("###,###,##0.00", "#,##0.00", "$#,##0.00", "###0.00", "0.00", "00",
// sections split by ";"), named formats ("Standard", "Currency", "General Number",
// "Fixed", "Percent", "Short Date", "Medium Time", "Long Time", "Short Time",
// "General Date"), date patterns ("mm/dd/yyyy", "hh:nn AM/PM", …) and text masks ("@@@-@@@-@@@@").
// A text that reads as a number (thousands separators and "$" allowed) is formatted as that
// number; a text that does not is returned as it stands (so an empty box stays empty).
// Numbers round half away from zero at the pattern's last place.
std::string format(const Value& v, std::string_view pattern);
std::string format(Money m, std::string_view pattern);
std::string format(double d, std::string_view pattern);

// The legacy Val: the leading number of a text ("12ab" → 12, "1,234.50" → 1, "" → 0,
// " 1 2" → 12, "&H10" → 16). Blanks inside the number are skipped, as Val does.
double val(std::string_view s);

// Reads an amount as the screens show it ("$8.50", "1,234.50", "-12.00"); nullopt when
// the text is not an amount.
inline std::optional<Money> parseAmount(std::string_view s) { return Money::parse(s); }
// The same, with an empty or unreadable text taken as 0, as the money boxes do.
Money amountOrZero(std::string_view s);

// The legacy IsNumeric for texts.
bool isNumeric(std::string_view s);

}  // namespace pelk::core
