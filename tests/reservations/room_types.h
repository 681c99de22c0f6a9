#pragma once

#include <gtest/gtest.h>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "settings/stores.h"

namespace pelk::test {

// The reservation screen shows the menu's first section as its room types. A program whose menu
// does not declare that table yet gets a bare one here, so the screen opens without a word.
inline void ensureRoomTypes() {
    if (const db::StoreDecl* menu = db::Catalogue::instance().find(settings::kMenuStore))
        for (const db::TableDecl& t : menu->tables)
            if (t.name == "tbDrink") return;
    auto store = db::Database::open(os::programPath(settings::kMenuStore));
    ASSERT_TRUE(store) << store.error().message();
    auto made = store->execute(
        "CREATE TABLE tbDrink (Dish_ID LONG, szMenu_ID TEXT(255), szMenu_nm TEXT(255), szPriceS_amt TEXT(255), "
        "szPriceM_amt TEXT(255), szPrice_amt TEXT(255), szPriceL_amt TEXT(255))");
    ASSERT_TRUE(made) << made.error().message();
}

}  // namespace pelk::test
