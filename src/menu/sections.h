#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/common.h"

namespace pelk::menu {

// One menu section as every menu screen (and later the room screen) knows it. The index orders
// the typed names, the printer station codes and the pictures kept by the store settings.
struct MenuSection {
    int index;
    std::string_view name;        // as the store's settings first name it
    std::string_view table;       // in ZuBak.mdb
    std::string_view word;        // how the item editor remembers its open section
    std::string_view listButton;  // on the item lists
    std::string_view itemButton;  // on the item editor and the item picture screen
    std::string_view pictureField() const { return settings::kSectionPictureField[index]; }
};

inline constexpr std::array<MenuSection, settings::kSections> kMenuSections = {{
    {0, "Drink", "tbDrink", "Drink", "cmdDrink", "cmdDrink"},
    {1, "Appetizer", "tbAppetizer", "Apter", "cmdApter", "cmdApter"},
    {2, "Fried rice", "tbFriedRice", "FR", "cmdFriedRice", "cmdFR"},
    {3, "Lo mein", "tbLoMein", "LM", "cmdLoMein", "cmdLM"},
    {4, "VDishes", "tbVDishes", "VDishes", "cmdVDishes", "cmdVDishes"},
    {5, "Vegetables", "tbVegetables", "Vege", "cmdVegetables", "cmdVege"},
    {6, "Poultry", "tbPoultry", "Poultry", "cmdPoultry", "cmdPoultry"},
    {7, "Beef", "tbBeef", "Beef", "cmdBeef", "cmdBeef"},
    {8, "Seafood", "tbSeafood", "Seafood", "cmdSeafood", "cmdSeafood"},
    {9, "Soup", "tbSoup", "Soup", "cmdSoup", "cmdSoup"},
    {10, "Pork", "tbPork", "Pork", "cmdPork", "cmdPork"},
    {11, "Lamb", "tbLamb", "Lamb", "cmdLamb", "cmdLamb"},
    {12, "Lunch", "tbLunch", "Lunch", "cmdLunch", "cmdLunch"},
    {13, "Dinner", "tbDinner", "Dinner", "cmdDiner", "cmdDinner"},
}};

// The notes list: laid out as a section, but no section (no index, name, picture or code).
inline constexpr std::string_view kNotesTable = "tbSpl";

// The section a word names; nullptr for any other text.
const MenuSection* sectionByWord(std::string_view word);

// ---- The forms of access every menu screen uses ----

// A table as a list in slot order.
std::string slotOrder(std::string_view table);
// The item of slot n (no match: the slot is empty).
std::string slotCriterion(long slot);
// An item by its number.
std::string numberCriterion(long number);
// An item whose name begins with the typed text, taken literally, whatever the letter case.
std::string namePrefixCriterion(std::string_view typed);

}  // namespace pelk::menu
