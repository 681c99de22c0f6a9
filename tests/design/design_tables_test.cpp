// Every registered form made and loaded once: the design tables its constructor applies name only
// controls and properties the form has, with values they take.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/ui/design.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "support/screens.h"

using namespace pelk;

namespace {

class DesignTables : public test::ScreenTest {};

TEST_F(DesignTables, EveryRegisteredFormAppliesItsTableWhole) {
    std::vector<std::string> names = ui::forms().registeredNames();
    ASSERT_GT(names.size(), 10u);
    ui::clearDesignProblems();
    for (const std::string& name : names) {
        try {
            ui::runEvent([&] { ui::forms().byName(name); });
        } catch (const ui::DesignError&) {
            // Kept in designProblems(), told below with the rest.
        } catch (const std::logic_error&) {
            // A load that shows another form waiting: the form was made, its table applied.
        }
        for (ui::Form* f : ui::forms().loaded()) ui::runEvent([f] { f->Unload(); });
    }
    std::string told;
    for (const std::string& p : ui::designProblems()) told += "\n  " + p;
    EXPECT_TRUE(ui::designProblems().empty()) << "faults of the design tables:" << told;
}

}  // namespace
