#include "platform/sheet/cell_store.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace pelk::sheet {
namespace {

struct Write {
    int row, column;
    core::Value value;
};

// Every kind of value a cell takes, a text longer than a chunk of the file among them.
core::Value valueFor(int row, int column) {
    switch ((row + column) % 7) {
        case 0:
            return core::Value("Guest " + std::to_string(row));
        case 1:
            return core::Value(row * 100 + column);
        case 2:
            return core::Value(row / 8.0);
        case 3:
            return core::Value(core::Money::fromUnits(row * 12345LL));
        case 4:
            return core::Value(row % 2 == 0);
        case 5:
            return core::Value(
                core::DateTime{core::Date{2026, 1 + row % 12, 1 + row % 28}, core::Time{row % 24, 5, 9}});
        default:
            return row % 500 == 1 ? core::Value(std::string(100000, 'x')) : core::Value(std::string());
    }
}

using Rows = std::vector<std::pair<int, CellStore::Row>>;

Rows rowsOf(const CellStore& store, int first, int last) {
    Rows out;
    EXPECT_TRUE(
        store.forEachRow(first, last, [&](int row, const CellStore::Row& cells) { out.emplace_back(row, cells); }));
    return out;
}

Rows rowsOf(const std::map<std::pair<int, int>, core::Value>& model, int first, int last) {
    Rows out;
    for (const auto& [at, v] : model) {
        if (at.first < first || at.first > last) continue;
        if (out.empty() || out.back().first != at.first) out.emplace_back(at.first, CellStore::Row{});
        out.back().second.emplace_back(at.second, v);
    }
    return out;
}

// Cells read back as last written, whatever the order they came in: held in memory, in the file
// of rows gone past, written behind those rows, or merged into a fresh file once too many were
// held.
TEST(CellStore, CellsReadBackAsLastWrittenWhateverTheOrderOfFilling) {
    constexpr int kRows = 20000, kColumns = 5;  // more cells than are ever held
    static_assert(kRows * kColumns > static_cast<int>(CellStore::kHeldCells));
    auto grid = [](bool rowsFirst, bool downwards) {
        std::vector<Write> w;
        for (int a = 0; a < (rowsFirst ? kRows : kColumns); ++a)
            for (int b = 0; b < (rowsFirst ? kColumns : kRows); ++b) {
                int row = (rowsFirst ? a : b) + 1, column = (rowsFirst ? b : a) + 1;
                if (!downwards) row = kRows + 1 - row;
                w.push_back({row, column, valueFor(row, column)});
            }
        return w;
    };
    std::vector<Write> headingLast;
    for (const Write& w : grid(true, true))
        if (w.row > 1) headingLast.push_back(w);
    for (int c = 1; c <= kColumns; ++c) headingLast.push_back({1, c, core::Value("Heading " + std::to_string(c))});
    // Rewrites and emptied cells anywhere, behind the rows gone past and ahead of them.
    std::vector<Write> scattered = grid(true, true);
    std::mt19937 random(7);
    for (int k = 0; k < 150000; ++k) {
        int row = 1 + static_cast<int>(random() % kRows), column = 1 + static_cast<int>(random() % (kColumns + 2));
        scattered.push_back({row, column, k % 3 == 0 ? core::Value() : valueFor(row + k, column)});
    }

    const std::pair<const char*, std::vector<Write>> orders[] = {
        {"top to bottom", grid(true, true)},
        {"bottom to top", grid(true, false)},
        {"column by column", grid(false, true)},
        {"the heading last", headingLast},
        {"scattered", scattered},
    };
    for (const auto& [name, writes] : orders) {
        SCOPED_TRACE(name);
        CellStore store;
        std::map<std::pair<int, int>, core::Value> model;
        for (const Write& w : writes) {
            store.set(w.row, w.column, w.value);
            if (w.value.isNull())
                model.erase({w.row, w.column});
            else
                model[{w.row, w.column}] = w.value;
        }
        EXPECT_EQ(store.error(), "");
        EXPECT_TRUE(rowsOf(store, 1, INT_MAX) == rowsOf(model, 1, INT_MAX));
        EXPECT_TRUE(rowsOf(store, 7, 9) == rowsOf(model, 7, 9));
        for (auto [row, column] : {std::pair{1, 1}, std::pair{7, 5}, std::pair{kRows, kColumns},
                                   std::pair{kRows + 1, 1}, std::pair{12345, 6}}) {
            auto it = model.find({row, column});
            EXPECT_EQ(store.get(row, column), it == model.end() ? core::Value() : it->second) << row << "," << column;
        }
    }
}

}  // namespace
}  // namespace pelk::sheet
