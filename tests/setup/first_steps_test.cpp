// The set-up wizard's first three steps: what each stores on Back and on Next, over the station's
// settings as a new station has them.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "menu/frmEDes.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/runtime.h"
#include "setup/frmRegister.h"
#include "setup/frmRegister0.h"
#include "setup/frmRegister1.h"
#include "setup/frmRegister2.h"
#include "support/screens.h"

namespace pelk::setup {
namespace {

using Action = std::function<void()>;

class FirstSteps : public test::ScreenTest {
protected:
    static void exec(const std::string& file, const std::string& sql) {
        auto store = db::Database::open(os::programPath(file));
        ASSERT_TRUE(store) << store.error().message();
        auto done = store->execute(sql);
        ASSERT_TRUE(done) << done.error().message();
    }
    // The first row's field as the screens read it; "(no row)" when the table is empty.
    static std::string stored(const std::string& file, const std::string& table, const std::string& field) {
        auto store = db::Database::open(os::programPath(file));
        auto rows = store->openRecordset(table);
        if (!rows || rows->eof()) return "(no row)";
        auto v = rows->field(field);
        return v ? v->toText() : "(no field)";
    }
    template <class Step>
    static Step& step() {
        Step* s = ui::forms().find<Step>();
        if (!s) throw std::logic_error("the step is not loaded");
        return *s;
    }
    template <class Step>
    static Action next() {
        return [] { ASSERT_TRUE(ui::input::click(step<Step>().cmdNext)); };
    }
    template <class Step>
    static Action back() {
        return [] { ASSERT_TRUE(ui::input::click(step<Step>().cmdClose)); };
    }
    // The road ends where a test stops following it: the step shown is closed as code would.
    template <class Step>
    static Action leave() {
        return [] { step<Step>().Unload(); };
    }
    // Shows step 1 waiting, as "Run Setup" does, with the user's actions run inside the waits.
    void walk(const std::vector<Action>& actions) {
        for (const Action& a : actions) host().whileWaiting(a);
        ui::runEvent([] { ui::forms().get<frmRegister>().Show(ui::kModal); });
    }
};

TEST_F(FirstSteps, TheEndingNotesOnBackAndNext) {
    struct Case {
        const char* what;
        const char* before;  // both notes as stored
        std::function<void(frmRegister0&)> edit;
        bool next;
        const char* after;  // both notes as stored afterwards
    };
    auto set = [](const char* text) {
        return [text](frmRegister0& s) {
            s.txtNotes.setText(text);
            s.txtENotes1.setText(text);
        };
    };
    auto untouched = [](frmRegister0&) {};
    const Case cases[] = {
        {"emptied, Next", "Thank you", set(""), true, "-"},
        {"emptied, Back", "Thank you", set(""), false, ""},
        {"empty and untouched, Back", "", untouched, false, ""},
        {"empty and untouched, Next", "", untouched, true, "-"},
        {"spaces, Next", "Thank you", set("  "), true, "  "},
        {"a dash, Next", "-", untouched, true, "-"},
    };
    for (const Case& c : cases) {
        exec("ZuBak.mdb", std::string("UPDATE tbSetInfor SET Notes = '") + c.before + "', Notes1 = '" + c.before + "'");
        std::vector<Action> road = {next<frmRegister>(), [&] { c.edit(step<frmRegister0>()); }};
        if (c.next) {
            road.push_back(next<frmRegister0>());
            road.push_back(leave<frmRegister1>());
        } else {
            road.push_back(back<frmRegister0>());
            road.push_back(leave<frmRegister>());
        }
        walk(road);
        EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Notes"), c.after) << c.what;
        EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Notes1"), c.after) << c.what;
        EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Line1"), "Company Name") << c.what;
    }
    EXPECT_TRUE(prompts().empty());
}

TEST_F(FirstSteps, BackFromTheRateStepAndNextAgainPassesTheDashRuleOnceMore) {
    exec("ZuBak.mdb", "UPDATE tbSetInfor SET Notes = '', Notes1 = 'Come again'");
    walk({next<frmRegister>(), next<frmRegister0>(), back<frmRegister1>(),
          [] {
              EXPECT_EQ(step<frmRegister0>().txtNotes.text(), "-");
              step<frmRegister0>().txtENotes1.setText("");
          },
          next<frmRegister0>(), leave<frmRegister1>()});
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Notes"), "-");
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Notes1"), "-");
    EXPECT_TRUE(prompts().empty());
}

TEST_F(FirstSteps, TheCountry) {
    struct Case {
        const char* what;
        const char* mode;  // the station's data location
        const char* before;
        int pick;  // -1 none
        const char* after;
    };
    const Case cases[] = {
        {"no pick", "Single", "Canada", -1, "Canada"},
        {"a pick", "Single", "Canada", 3, "Japan"},
        {"a pick on a sharing station", "File Sharing", "Canada", 6, "United Kingdom"},
        {"a country outside the list, no pick", "Single", "Atlantis", -1, "Atlantis"},
    };
    for (const Case& c : cases) {
        exec("DOZA98.mdb", std::string("UPDATE tbSet SET SetC = '") + c.mode +
                               "', SetP = '\\\\SRV\\', SetO = 'Data\\', setL = '" + c.before + "'");
        walk({[&] {
                  frmRegister& s = step<frmRegister>();
                  EXPECT_EQ(s.cmbCountry.listCount(), 8) << c.what;
                  if (c.pick >= 0) {
                      ASSERT_TRUE(ui::input::select(s.cmbCountry, c.pick));
                  }
                  ASSERT_TRUE(ui::input::click(s.cmdNext));
              },
              leave<frmRegister0>()});
        EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "setL"), c.after) << c.what;
    }
    EXPECT_TRUE(prompts().empty());
}

TEST_F(FirstSteps, RunSetupShowsTheCountryHolderTheItemEditorLoaded) {
    exec("DOZA98.mdb", "UPDATE tbSet SET setL = 'Mexico'");
    ui::runEvent([] { ui::forms().get<menu::frmEDes>(); });
    frmRegister* holder = ui::forms().find<frmRegister>();
    ASSERT_NE(holder, nullptr);
    EXPECT_FALSE(holder->visible());
    walk({[holder] {
              EXPECT_EQ(ui::forms().find<frmRegister>(), holder);
              EXPECT_TRUE(holder->visible());
              EXPECT_EQ(holder->cmbCountry.listCount(), 8);
              EXPECT_EQ(holder->cmbCountry.text(), "Mexico");
          },
          leave<frmRegister>()});
}

// A choice that cannot be stored is told, not dropped in silence.
TEST_F(FirstSteps, SettingsTablesWithoutRowsShowEmptyBoxesAndStoreNothing) {
    exec("DOZA98.mdb", "DELETE FROM tbSet");
    exec("ZuBak.mdb", "DELETE FROM tbSetInfor");
    walk({[] {
              EXPECT_EQ(step<frmRegister>().cmbCountry.text(), "");
              ASSERT_TRUE(ui::input::select(step<frmRegister>().cmbCountry, 1));
          },
          next<frmRegister>(),
          [] {
              EXPECT_EQ(step<frmRegister0>().txtL1.text(), "");
              EXPECT_EQ(step<frmRegister0>().txtNotes.text(), "");
          },
          next<frmRegister0>(), [] { ASSERT_TRUE(ui::input::type(step<frmRegister1>().Text2, "0.05")); },
          next<frmRegister1>(), leave<frmRegister2>()});
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "setL"), "(no row)");
    EXPECT_EQ(stored("ZuBak.mdb", "tbSetInfor", "Notes"), "(no row)");
    EXPECT_EQ(prompts(),
              (std::vector<std::string>{"Error #: 3021\rNo current record.", "Error #: 3021\rNo current record."}));
}

TEST_F(FirstSteps, TheTaxRateIsAFraction) {
    struct Case {
        const char* typed;
        bool goesOn;
        const char* stored;
    };
    const Case cases[] = {{"7.5", false, "0.06"},
                          {"", true, ""},
                          {"0.075", true, "0.075"},
                          {"1", false, "0.06"},
                          {"0.0.5", false, "0.06"}};
    for (const Case& c : cases) {
        exec("DOZA98.mdb", "UPDATE tbSet SET Tax1 = '0.06'");
        std::size_t before = prompts().size();
        walk({next<frmRegister>(), next<frmRegister0>(),
              [&] {
                  step<frmRegister1>().Text2.setText(c.typed);
                  ASSERT_TRUE(ui::input::click(step<frmRegister1>().cmdNext));
                  EXPECT_EQ(ui::forms().isLoaded<frmRegister1>(), !c.goesOn) << c.typed;
                  // Back is held to the same rule.
                  if (!c.goesOn) {
                      ASSERT_TRUE(ui::input::click(step<frmRegister1>().cmdClose));
                  }
                  EXPECT_EQ(ui::forms().isLoaded<frmRegister1>(), !c.goesOn) << c.typed;
              },
              // The employee step is shown only when the rate was taken.
              c.goesOn ? leave<frmRegister2>() : leave<frmRegister1>()});
        EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "Tax1"), c.stored) << c.typed;
        std::vector<std::string> all = prompts();
        std::vector<std::string> told(all.begin() + static_cast<long>(before), all.end());
        if (c.goesOn) {
            EXPECT_TRUE(told.empty()) << c.typed;
        } else {
            std::string message = std::string("The Tax Rate \"") + c.typed +
                                  "\" is not a rate. Please enter it as a fraction from 0 to less than 1, such as "
                                  "0.075 for 7.5%.";
            EXPECT_EQ(told, (std::vector<std::string>{message, message})) << c.typed;
            EXPECT_EQ(host().messageBoxes().back().icon(), ui::MsgBoxIcon::Critical);
        }
    }
}

TEST_F(FirstSteps, AnUntouchedRateIsNotJudged) {
    exec("DOZA98.mdb", "UPDATE tbSet SET Tax1 = '8'");
    walk({next<frmRegister>(), next<frmRegister0>(), next<frmRegister1>(), leave<frmRegister2>()});
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(stored("DOZA98.mdb", "tbSet", "Tax1"), "8");
}

}  // namespace
}  // namespace pelk::setup
