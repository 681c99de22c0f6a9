// The menu-sections step over a store that cannot be opened (gone from the program folder).

#include <gtest/gtest.h>

#include <string>

#include "menu/frmEDes.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/input.h"
#include "platform/ui/runtime.h"
#include "settings/frmInfor.h"
#include "setup/frmRegister2.h"
#include "setup/frmRegister3.h"
#include "support/screens.h"

namespace pelk::setup {
namespace {

class MenuSections : public test::ScreenTest {};

TEST_F(MenuSections, AStoreThatCannotBeOpenedIsToldOnceAndTheStepStillLeadsOn) {
    // The holder read the store while it was whole.
    ui::runEvent([] { ui::forms().get<settings::frmInfor>(); });
    ASSERT_TRUE(prompts().empty());
    ASSERT_TRUE(os::deleteFile(os::programPath("ZuBak.mdb")));

    for (bool next : {true, false}) {
        std::size_t before = prompts().size();
        bool leftByNext = false, leftByBack = false;
        host().whileWaiting([&] {
            frmRegister3& step = *ui::forms().find<frmRegister3>();
            EXPECT_EQ(prompts().size(), before + 1) << "told once";
            EXPECT_EQ(prompts().back().rfind("Error #: ", 0), 0u) << prompts().back();
            // Pictures and names cannot be stored, and nothing more is told.
            ASSERT_TRUE(ui::input::click(step.cmdMainMu));
            ASSERT_TRUE(ui::input::click(step.cmdDrink));
            EXPECT_EQ(prompts().size(), before + 1);
            ASSERT_TRUE(ui::input::click(next ? step.cmdNext : step.cmdClose));
            leftByNext = ui::forms().isLoaded<menu::frmEDes>();
        });
        if (!next)
            host().whileWaiting([&] {
                leftByBack = ui::forms().isLoaded<frmRegister2>();
                ui::forms().find<frmRegister2>()->Unload();
            });
        ui::runEvent([] { ui::forms().get<frmRegister3>().Show(ui::kModal); });
        EXPECT_FALSE(ui::forms().isLoaded<frmRegister3>());
        if (next) {
            EXPECT_TRUE(leftByNext);
            EXPECT_EQ(ui::forms().find<menu::frmEDes>()->tag(), "Register");
            ui::runEvent([] { ui::forms().find<menu::frmEDes>()->Unload(); });
        } else {
            EXPECT_TRUE(leftByBack);
        }
    }
}

}  // namespace
}  // namespace pelk::setup
