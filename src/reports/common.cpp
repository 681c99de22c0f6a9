#include "reports/common.h"

#include "platform/db/quoting.h"

namespace pelk::reports {

std::optional<std::pair<std::string, std::string>> dateRange(const ui::TextBox& from, const ui::TextBox& to) {
    std::optional<std::string> first = db::dateLiteral(from.text());
    if (!first) {
        ui::MsgBox("Please enter a valid From date.", ui::kCritical);
        return std::nullopt;
    }
    std::optional<std::string> last = db::dateLiteral(to.text());
    if (!last) {
        ui::MsgBox("Please enter a valid To date.", ui::kCritical);
        return std::nullopt;
    }
    return std::pair{*first, *last};
}

}  // namespace pelk::reports
