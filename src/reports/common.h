#pragma once

#include <optional>
#include <string>
#include <utility>

#include "platform/ui/ui.h"

namespace pelk::reports {

// The range of two date boxes as date literals for a query, read from what the boxes hold (never
// their raw text); nullopt when a box holds no date, the clerk told which one.
std::optional<std::pair<std::string, std::string>> dateRange(const ui::TextBox& from, const ui::TextBox& to);

}  // namespace pelk::reports
