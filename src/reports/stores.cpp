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

}  // namespace pelk::reports
