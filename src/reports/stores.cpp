#include "reports/stores.h"

#include <stdexcept>
#include <string>

#include "reports/expenses.h"

namespace pelk::reports {

const ExpenseCategory& expenseCategory(std::string_view name) {
    for (const ExpenseCategory& c : kExpenseCategories)
        if (c.name == name) return c;
    throw std::logic_error("no expense category " + std::string(name));
}

db::StoreDecl expenseStore() {
    db::StoreDecl store{std::string(kExpenseStore), {}, false};
    for (const ExpenseCategory& c : kExpenseCategories) {
        // Invoice numbers keep their leading zeros and letters, so they are text. No field is
        // required: an entry is stored as the clerk left it.
        db::TableDecl t{std::string(c.table),
                        {{"Invoice", db::Kind::Text, db::kDefaultTextSize, false},
                         {"Date", db::Kind::DateTime, 0, false},
                         {"Company", db::Kind::Text, db::kDefaultTextSize, false},
                         {"Description", db::Kind::Text, db::kDefaultTextSize, false},
                         {"Method", db::Kind::Text, db::kDefaultTextSize, false},
                         {"Total", db::Kind::Currency, 0, false}},
                        {}};
        // Entries are listed and summed by date.
        t.indexes = {{"Date"}};
        store.tables.push_back(std::move(t));
    }
    return store;
}

db::StoreDecl shiftStore() {
    // Text, so the boxes and the shift summary show the times as they were written.
    db::TableDecl t{"tbSetInfor",
                    {{"szOshift_time", db::Kind::Text, db::kDefaultTextSize, false},
                     {"szCshift_time", db::Kind::Text, db::kDefaultTextSize, false}},
                    {}};
    return {std::string(kShiftStore), {std::move(t)}, false};
}

db::StoreDecl removedItemsStore() {
    auto text = [](const char* name) { return db::FieldDecl{name, db::Kind::Text, db::kDefaultTextSize, false}; };
    // The price, date and time are values, so the grid's and the sheet's formats show them.
    db::TableDecl t{"tblRemv",
                    {text("szType_out"), text("szWaiter_out"), text("szItems_out"),
                     db::FieldDecl{"szPrice_out", db::Kind::Currency, 0, false}, text("szReason_out"),
                     text("szManager_out"), db::FieldDecl{"szDate_out", db::Kind::DateTime, 0, false},
                     db::FieldDecl{"szTime_out", db::Kind::DateTime, 0, false}},
                    {}};
    return {std::string(kRemovedItemsStore), {std::move(t)}, true};
}

}  // namespace pelk::reports
