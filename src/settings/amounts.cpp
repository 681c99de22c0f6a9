#include "settings/amounts.h"

#include <string>

#include "platform/core/text.h"
#include "platform/ui/ui.h"

namespace pelk::settings {

std::optional<core::Money> readAmountBox(std::string_view text, std::string_view what, AmountRule rule) {
    if (rule.emptyIsZero && core::text::trim(text).empty()) return core::Money{};
    std::string why;
    auto amount = core::readAmount(text, &why);
    if (amount && *amount < core::Money{} && !rule.negativeAllowed) {
        amount.reset();
        why = "is below zero";
    }
    if (!amount) {
        ui::MsgBox(
            std::string(what) + " \"" + std::string(text) + "\" " + why + ". Please type it again; nothing was posted.",
            ui::kExclamation);
    }
    return amount;
}

void tellTooLarge(std::string_view what) {
    ui::MsgBox(std::string(what) + " is too large to be posted; nothing was posted.", ui::kExclamation);
}

}  // namespace pelk::settings
