#pragma once

#include <optional>
#include <string_view>

#include "platform/core/money.h"

namespace pelk::settings {

// How an amount box on the money path may be read.
struct AmountRule {
    // An empty box reads as 0 (the box was left alone); otherwise it is refused.
    bool emptyIsZero = true;
    // The screen has a road for a refund or a credit here.
    bool negativeAllowed = false;
};

// An amount box read as the clerk typed it, by the station's number format ("$50.00",
// "1,234.50" and "50" read alike). A text that is not wholly an amount, one too large for the
// books, or a negative amount where the screen has no refund road is refused: the clerk is told,
// naming the box (`what`: "The rate", "The amount received"), and nothing is to be posted.
std::optional<core::Money> readAmountBox(std::string_view text, std::string_view what, AmountRule rule = {});

// The clerk is told that an amount worked out from the boxes (`what`) is too large for the books.
void tellTooLarge(std::string_view what);

}  // namespace pelk::settings
