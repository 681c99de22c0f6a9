#include "menu/sections.h"

#include <charconv>

#include "platform/db/quoting.h"

namespace pelk::menu {

const MenuSection* sectionByWord(std::string_view word) {
    for (const MenuSection& s : kMenuSections)
        if (s.word == word) return &s;
    return nullptr;
}

std::optional<long> slotNumber(std::string_view text) {
    long n = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, n);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return n;
}

std::string slotOrder(std::string_view table) { return "SELECT * FROM " + std::string(table) + " ORDER BY Dish_ID"; }

std::string slotCriterion(long slot) { return "Dish_ID Like " + std::to_string(slot); }

std::string numberCriterion(long number) { return "Dish_ID = " + std::to_string(number); }

std::string namePrefixCriterion(std::string_view typed) { return db::prefixCriterion("szMenu_nm", typed); }

}  // namespace pelk::menu
