// The item picture screen on a new program folder.

#include <gtest/gtest.h>

#include "menu/frmFrontDeskPicAd.h"
#include "platform/os/files.h"
#include "support/screens.h"

namespace pelk::menu {
namespace {

class ItemPictures : public test::ScreenTest {};

TEST_F(ItemPictures, ANewProgramFolderGetsAnEmptyPictureFolder) {
    const char* folder = "C:\\Program Files\\Pelk POS 4\\ItemPic\\";
    ASSERT_FALSE(os::folderExists(folder));
    frmFrontDeskPicAd& screen = ui::forms().get<frmFrontDeskPicAd>();
    EXPECT_TRUE(os::folderExists(folder));
    EXPECT_EQ(screen.File2.listCount(), 0);
    EXPECT_TRUE(host().messageBoxes().empty());
}

}  // namespace
}  // namespace pelk::menu
