// The set-up wizard's road as its one table gives it, against the screens it names: each Next
// leads to a step whose Back leads back, the steps count up along the road, and only the first
// step lacks a Back.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/registry.h"
#include "setup/step_frame.h"
#include "setup/steps.h"
#include "support/screens.h"

namespace pelk::setup {
namespace {

bool isStep(std::string_view name) {
    for (const StepLinks& links : kWizardRoad)
        if (links.step == name) return true;
    return false;
}

class WizardRoad : public test::ScreenTest {
protected:
    static WizardStep& step(std::string_view name) { return dynamic_cast<WizardStep&>(ui::forms().byName(name)); }
};

TEST_F(WizardRoad, EveryNameIsARegisteredScreen) {
    for (const StepLinks& links : kWizardRoad)
        for (std::string_view name : {links.step, links.back, links.next})
            if (!name.empty()) {
                EXPECT_TRUE(ui::forms().isRegistered(name)) << name << " in the row of " << links.step;
            }
}

// Followed by Next from the first step, the road passes every step but the menu-sections step,
// each step's Back leading to the one before it and its label counting up to the last.
TEST_F(WizardRoad, NextAndBackWalkOneRoadFromTheFirstStep) {
    std::vector<std::string> walked;
    std::string_view before;
    for (std::string_view at = kWizardRoad.front().step; !at.empty() && isStep(at); at = linksOf(at).next) {
        SCOPED_TRACE(std::string(at));
        EXPECT_EQ(linksOf(at).back, before);
        WizardStep& shown = step(at);
        EXPECT_EQ(shown.cmdClose.visible(), !before.empty());
        EXPECT_EQ(shown.lblStep.caption(), "Step " + std::to_string(walked.size() + 1) + " of 6");
        walked.emplace_back(at);
        before = at;
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"frmRegister", "frmRegister0", "frmRegister1", "frmRegister2",
                                                "frmRegister2b", "frmRegister2C"}));
    EXPECT_EQ(linksOf(walked.back()).next, "") << "the road ends on the printer settings";
}

TEST_F(WizardRoad, TheMenuSectionsStepIsOffTheRoad) {
    for (const StepLinks& links : kWizardRoad) EXPECT_NE(links.next, "frmRegister3") << links.step;
    const StepLinks& sections = linksOf("frmRegister3");
    EXPECT_EQ(sections.back, "frmRegister2");
    EXPECT_FALSE(isStep(sections.next)) << "its Next goes on in the item detail editor";
    EXPECT_TRUE(step("frmRegister3").cmdClose.visible());
    EXPECT_THROW(linksOf("frmEDes"), std::logic_error);
}

}  // namespace
}  // namespace pelk::setup
