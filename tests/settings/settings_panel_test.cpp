// frmBSfwSet's picture buttons: held, released, and switched off by the access level.

#include <gtest/gtest.h>

#include "platform/ui/input.h"
#include "settings/frmBSfwSet.h"
#include "settings/frmSetdate.h"
#include "shell/frmMain.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

class SettingsPanel : public test::ScreenTest {
protected:
    frmBSfwSet& panel() { return ui::forms().get<frmBSfwSet>(); }
};

TEST_F(SettingsPanel, APressedButtonShowsItsPressedPictureAndBeepsAndItsReleaseOpensTheScreen) {
    panel().Show();
    panel().ImgDate.raiseMouseDown();
    EXPECT_FALSE(panel().ImgDate.visible());
    EXPECT_TRUE(panel().ImgDate2.visible());
    EXPECT_EQ(host().beeps(), 1);
    EXPECT_FALSE(ui::forms().isLoaded<frmSetdate>());

    panel().ImgDate.raiseMouseUp();
    EXPECT_FALSE(ui::forms().isLoaded<frmBSfwSet>());
    EXPECT_TRUE(ui::forms().get<frmSetdate>().visible());
}

TEST_F(SettingsPanel, AtLevelTwoSecurityInformationAndResetTakeNoTouchAtAll) {
    ui::forms().get<shell::frmMain>().setTag("Level 2");
    panel().Show();
    for (ui::Image* off : {&panel().ImgPassw, &panel().ImgInfor, &panel().ImgReset}) {
        EXPECT_FALSE(ui::input::click(*off)) << off->name();
        EXPECT_TRUE(off->visible()) << off->name();
    }
    EXPECT_EQ(host().beeps(), 0);
    EXPECT_TRUE(panel().visible());

    // Every load applies the level again.
    ui::forms().get<shell::frmMain>().setTag("Level 3");
    panel().Unload();
    EXPECT_TRUE(panel().ImgReset.enabled());
}

}  // namespace
}  // namespace pelk::settings
