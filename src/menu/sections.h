#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/common.h"

namespace pelk::menu {

// One menu section as every menu screen (and later the room screen) knows it. The index orders
// the typed names, the printer station codes and the pictures kept by the store settings.
struct MenuSection {
    int index;
    std::string_view table;       // in ZuBak.mdb
    std::string_view word;        // how the item editor remembers its open section
    std::string_view listButton;  // on the item lists
    std::string_view itemButton;  // on the item editor and the item picture screen
    // As the store's settings first name it.
    std::string_view name() const { return settings::kSectionNames[index]; }
    std::string_view pictureField() const { return settings::kSectionPictureField[index]; }
};

inline constexpr std::array<MenuSection, settings::kSections> kMenuSections = {{
    {0, "tbDrink", "Drink", "cmdDrink", "cmdDrink"},
    {1, "tbAppetizer", "Apter", "cmdApter", "cmdApter"},
    {2, "tbFriedRice", "FR", "cmdFriedRice", "cmdFR"},
    {3, "tbLoMein", "LM", "cmdLoMein", "cmdLM"},
    {4, "tbVDishes", "VDishes", "cmdVDishes", "cmdVDishes"},
    {5, "tbVegetables", "Vege", "cmdVegetables", "cmdVege"},
    {6, "tbPoultry", "Poultry", "cmdPoultry", "cmdPoultry"},
    {7, "tbBeef", "Beef", "cmdBeef", "cmdBeef"},
    {8, "tbSeafood", "Seafood", "cmdSeafood", "cmdSeafood"},
    {9, "tbSoup", "Soup", "cmdSoup", "cmdSoup"},
    {10, "tbPork", "Pork", "cmdPork", "cmdPork"},
    {11, "tbLamb", "Lamb", "cmdLamb", "cmdLamb"},
    {12, "tbLunch", "Lunch", "cmdLunch", "cmdLunch"},
    {13, "tbDinner", "Dinner", "cmdDiner", "cmdDinner"},
}};

// The notes list: laid out as a section, but no section (no index, name, picture or code).
inline constexpr std::string_view kNotesTable = "tbSpl";

// The section a word names; nullptr for any other text.
const MenuSection* sectionByWord(std::string_view word);

// A slot's number as the screens keep it (a slot's Tag, the number box): whole digits only.
std::optional<long> slotNumber(std::string_view text);

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
