#include "menu/stores.h"

#include <string>

#include "menu/sections.h"
#include "settings/stores.h"

namespace pelk::menu {

namespace {

db::FieldDecl text(std::string name) { return {std::move(name), db::Kind::Text, db::kDefaultTextSize, false}; }
db::FieldDecl number(std::string name) { return {std::move(name), db::Kind::Long, 0, false}; }

// Money is kept as the text the screens wrote ("1,234.50", "0.00", ""), so it is text too. Two
// rows may carry one number: the slot look-ups take the first of them.
db::TableDecl itemTable(std::string_view name) {
    db::TableDecl t{std::string(name), {number("Dish_ID"), text("szMenu_ID"), text("szMenu_nm")}, {}};
    for (int i = 1; i <= kOptionFields; ++i) t.fields.push_back(text(std::to_string(i)));
    t.fields.push_back(number("Option"));
    for (const char* f : {"szPriceS_amt", "szPriceM_amt", "szPrice_amt", "szPriceL_amt", "szDes", "szPrinter_ID"})
        t.fields.push_back(text(f));
    // Items are looked up by their number and listed by their name.
    t.indexes = {{"Dish_ID"}, {"szMenu_nm"}};
    return t;
}

}  // namespace

db::StoreDecl menuStore() {
    db::StoreDecl store{std::string(settings::kMenuStore), {}, false};
    for (const MenuSection& s : kMenuSections) store.tables.push_back(itemTable(s.table));
    store.tables.push_back(itemTable(kNotesTable));
    return store;
}

db::StoreDecl specialRequestStore() {
    db::StoreDecl store{std::string(kSpecialRequestStore), {}, false};
    for (const char* name : {"tbSPL", "tbSPLC"}) {
        db::TableDecl t{name, {}, {{}}};
        for (int i = 1; i <= kSpecialRequests; ++i) {
            t.fields.push_back(text(std::to_string(i)));
            t.firstRows[0].push_back({std::to_string(i), ""});
        }
        store.tables.push_back(std::move(t));
    }
    return store;
}

}  // namespace pelk::menu
