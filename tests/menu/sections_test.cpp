// The section list and the forms of access every menu screen uses on the section tables.

#include "menu/sections.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "menu/stores.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "settings/stores.h"
#include "support/temp_root.h"

namespace pelk::menu {
namespace {

TEST(MenuSections, FollowTheSectionIndexWithOneTableWordAndButtonEach) {
    std::set<std::string_view> tables, words, listButtons, itemButtons;
    for (int i = 0; i < settings::kSections; ++i) {
        const MenuSection& s = kMenuSections[i];
        EXPECT_EQ(s.index, i);
        tables.insert(s.table);
        words.insert(s.word);
        listButtons.insert(s.listButton);
        itemButtons.insert(s.itemButton);
        EXPECT_EQ(sectionByWord(s.word), &s);
    }
    EXPECT_EQ(tables.size(), 14u);
    EXPECT_EQ(words.size(), 14u);
    EXPECT_EQ(listButtons.size(), 14u);
    EXPECT_EQ(itemButtons.size(), 14u);
    EXPECT_EQ(kMenuSections[9].pictureField(), "p11");
    EXPECT_EQ(kMenuSections[11].pictureField(), "p9");
    EXPECT_EQ(kMenuSections[13].listButton, "cmdDiner");
    EXPECT_EQ(kMenuSections[13].itemButton, "cmdDinner");
    EXPECT_EQ(sectionByWord("Notes"), nullptr);
    EXPECT_EQ(sectionByWord("fr"), nullptr);
}

TEST(MenuSections, StatementsOfTheFormsOfAccess) {
    EXPECT_EQ(slotOrder("tbBeef"), "SELECT * FROM tbBeef ORDER BY Dish_ID");
    EXPECT_EQ(slotCriterion(47), "Dish_ID Like 47");
    EXPECT_EQ(numberCriterion(185), "Dish_ID = 185");
    EXPECT_EQ(slotNumber("97"), 97);
    for (const char* notANumber : {"", "12ab", " 12", "1.5", "Add New Item"})
        EXPECT_EQ(slotNumber(notANumber), std::nullopt) << notANumber;
}

// A small section: two rows numbered 5, names that begin alike, and names holding a quote and a
// pattern character.
class MenuAccess : public ::testing::Test {
protected:
    void SetUp() override {
        db::Catalogue::instance().clear();
        ASSERT_TRUE(db::Catalogue::instance().declare(menuStore()).ok());
        ASSERT_TRUE(db::Catalogue::instance().ensureStores().empty());
        auto store = db::Database::open(os::programPath(settings::kMenuStore));
        ASSERT_TRUE(store.ok());
        for (const char* row : {"(7, 'Tea')", "(5, 'Egg Roll')", "(3, 'tea cake')", "(5, 'Wonton')",
                                "(12, 'General Tso''s')", "(14, 'Combo*')", "(15, 'Combo Plate')", "(2, 'Gen')"}) {
            auto done = store->execute(std::string("INSERT INTO tbSoup (Dish_ID, szMenu_nm) VALUES ") + row);
            ASSERT_TRUE(done.ok()) << done.error().message();
        }
    }
    void TearDown() override { db::Catalogue::instance().clear(); }

    // The name of the first match in slot order, or "(none)".
    std::string find(const std::string& criterion) {
        auto store = db::Database::open(os::programPath(settings::kMenuStore));
        auto list = store->openRecordset(slotOrder("tbSoup"));
        EXPECT_TRUE(list.ok());
        db::Status found = list->FindFirst(criterion);
        EXPECT_TRUE(found.ok()) << found.error().message();
        if (list->noMatch()) return "(none)";
        return list->field("Dish_ID")->toText() + " " + list->field("szMenu_nm")->toText();
    }

    test::TempRoot root_;
};

TEST_F(MenuAccess, FindsBySlotNumberAndNamePrefix) {
    struct Case {
        std::string criterion;
        std::string found;
    } cases[] = {
        {slotCriterion(4), "(none)"},
        {slotCriterion(5), "5 Egg Roll"},
        {slotCriterion(1), "(none)"},
        {numberCriterion(12), "12 General Tso's"},
        {numberCriterion(185), "(none)"},
        // Letter case does not matter, and the lowest number wins over an exact name.
        {namePrefixCriterion("Tea"), "3 tea cake"},
        {namePrefixCriterion("TEA C"), "3 tea cake"},
        {namePrefixCriterion("General Tso'"), "12 General Tso's"},
        {namePrefixCriterion("Gen"), "2 Gen"},
        // A pattern character is taken as typed.
        {namePrefixCriterion("Combo*"), "14 Combo*"},
        {namePrefixCriterion("Com*P"), "(none)"},
        {namePrefixCriterion("?"), "(none)"},
    };
    for (const Case& c : cases) EXPECT_EQ(find(c.criterion), c.found) << c.criterion;
}

TEST_F(MenuAccess, SectionTablesAndTheNotesListLieInTheMenuStoreWithoutRows) {
    auto store = db::Database::open(os::programPath(settings::kMenuStore));
    for (const MenuSection& s : kMenuSections) {
        auto rs = store->openRecordset(std::string(s.table));
        ASSERT_TRUE(rs.ok()) << s.table;
        EXPECT_EQ(rs->fields().size(), 3u + 44u + 1u + 6u) << s.table;
        if (s.table != "tbSoup") {
            EXPECT_TRUE(rs->eof()) << s.table;
        }
    }
    auto notes = store->openRecordset(std::string(kNotesTable));
    ASSERT_TRUE(notes.ok());
    EXPECT_TRUE(notes->eof());
    // Prices and additional prices keep the text that was written.
    ASSERT_TRUE(store->execute("INSERT INTO tbSpl (Dish_ID, szPrice_amt, [41]) VALUES (1, '1,234.50', '0.00')").ok());
    auto row = store->openRecordset("tbSpl");
    EXPECT_EQ(row->field("szPrice_amt")->toText(), "1,234.50");
    EXPECT_EQ(row->field("41")->toText(), "0.00");
}

}  // namespace
}  // namespace pelk::menu
