#include "menu/sections.h"

#include "platform/db/quoting.h"

namespace pelk::menu {

const MenuSection* sectionByWord(std::string_view word) {
    for (const MenuSection& s : kMenuSections)
        if (s.word == word) return &s;
    return nullptr;
}

std::string slotOrder(std::string_view table) { return "SELECT * FROM " + std::string(table) + " ORDER BY Dish_ID"; }

std::string slotCriterion(long slot) { return "Dish_ID Like " + std::to_string(slot); }

std::string numberCriterion(long number) { return "Dish_ID = " + std::to_string(number); }

std::string namePrefixCriterion(std::string_view typed) { return db::prefixCriterion("szMenu_nm", typed); }

}  // namespace pelk::menu
