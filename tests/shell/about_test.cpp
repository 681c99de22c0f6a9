// The about box where a road cannot reach: a station registry that names the system-information
// tool (a road starts without one), the values as the registry hands them over, the icon frames.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/actions.h"
#include "platform/os/paths.h"
#include "platform/os/registry.h"
#include "platform/ui/input.h"
#include "platform/ui/timers.h"
#include "shell/frmAbout.h"
#include "support/screens.h"

namespace pelk::shell {
namespace {

constexpr const char* kUnavailable = "System Information Is Unavailable At This Time";
constexpr const char* kToolFolder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

class AboutBox : public test::ScreenTest {
protected:
    AboutBox() : actions_(std::make_shared<os::RecordingActions>()) { os::setActions(actions_); }
    ~AboutBox() override { os::setActions(nullptr); }

    static void writeRegistry(const std::string& content) {
        std::filesystem::create_directories(os::registryFile().parent_path());
        std::ofstream(os::registryFile(), std::ios::binary) << "Windows Registry Editor Version 5.00\n\n" << content;
    }
    static frmAbout& about() {
        frmAbout& box = ui::forms().get<frmAbout>();
        box.Show();
        return box;
    }

    std::shared_ptr<os::RecordingActions> actions_;
};

TEST_F(AboutBox, SystemInformationStartsTheToolTheRegistryNames) {
    const std::string pathKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n";
    const std::string folderKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\n";
    const std::string folderValue =
        "\"MSINFO\"=\"C:\\\\Program Files\\\\Common Files\\\\Microsoft Shared\\\\MSInfo\"\n";
    const std::string toolInFolder = std::string(kToolFolder) + "\\MSINFO32.EXE";
    struct {
        const char* what;
        std::string registry;
        bool toolInstalled;
        std::string failWith;
        std::string launched;  // empty: nothing started
        bool told;
    } cases[] = {
        {"no registry", "", true, "", "", true},
        {"the tool's path", pathKey + "\"PATH\"=\"hardinfo\"\n", false, "", "hardinfo", false},
        {"its folder, with the tool in it", folderKey + folderValue, true, "", toolInFolder, false},
        {"its folder, without the tool", folderKey + folderValue, false, "", "", true},
        {"its folder with a closing backslash",
         folderKey + "\"MSINFO\"=\"C:\\\\Program Files\\\\Common Files\\\\Microsoft Shared\\\\MSInfo\\\\\"\n", true, "",
         toolInFolder, false},
        {"both: the path wins", pathKey + "\"PATH\"=\"hardinfo\"\n" + folderKey + folderValue, true, "", "hardinfo",
         false},
        {"the path under another root",
         "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n\"PATH\"=\"hardinfo\"\n", false, "", "",
         true},
        {"a tool the machine cannot start", pathKey + "\"PATH\"=\"hardinfo\"\n", false, "no launch command", "hardinfo",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(os::registryFile());
        std::filesystem::remove(os::mapPath(toolInFolder));
        if (!c.registry.empty()) writeRegistry(c.registry);
        if (c.toolInstalled) root_.writeFile(toolInFolder, "MZ");
        actions_->asked.clear();
        actions_->failWith = c.failWith;
        std::vector<std::string> before = prompts();

        ASSERT_TRUE(ui::input::click(about().cmdSysInfo));

        std::vector<std::string> expectedPrompts = before;
        if (c.told) expectedPrompts.push_back(kUnavailable);
        EXPECT_EQ(prompts(), expectedPrompts);
        std::vector<std::string> expectedAsked;
        if (!c.launched.empty()) expectedAsked.push_back("launch " + c.launched);
        EXPECT_EQ(actions_->asked, expectedAsked);
        EXPECT_TRUE(ui::forms().isLoaded<frmAbout>());
    }
}

TEST_F(AboutBox, KeyValuesComeBackAsText) {
    writeRegistry(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Pelk]\n"
        "\"Zero\"=\"with its zero byte\"\n"
        "\"Bare\"=hex(1):6e,6f,20,7a,65,72,6f\n"
        "\"Number\"=dword:000004d2\n"
        "\"Largest\"=dword:ffffffff\n"
        "\"Small\"=dword:00000100\n"
        "\"Binary\"=hex:01,02\n"
        "\"Empty\"=\"\"\n");
    frmAbout& box = ui::forms().get<frmAbout>();
    struct {
        const char* key;
        const char* value;
        bool found;
        const char* text;
    } cases[] = {
        {"SOFTWARE\\Pelk", "Zero", true, "with its zero byte"},
        {"SOFTWARE\\Pelk", "Bare", true, "no zero"},
        {"SOFTWARE\\Pelk", "Number", true, "1234"},
        {"SOFTWARE\\Pelk", "Largest", true, "4294967295"},
        // A number whose highest bytes are zero loses nothing when the last zero byte is cut.
        {"SOFTWARE\\Pelk", "Small", true, "256"},
        {"SOFTWARE\\Pelk", "Binary", true, ""},
        {"SOFTWARE\\Pelk", "Empty", true, ""},
        {"SOFTWARE\\Pelk", "Missing", false, ""},
        {"SOFTWARE\\Nobody", "Zero", false, ""},
    };
    for (const auto& c : cases) {
        std::string text = "left over";
        EXPECT_EQ(box.GetKeyValue(os::kLocalMachine, c.key, c.value, text), c.found) << c.value;
        EXPECT_EQ(text, c.text) << c.value;
    }
    // Every key it opened is closed again: none is left for the registry to hand out.
    os::RegistryKey probe = 0;
    ASSERT_EQ(os::regOpenKey(os::kLocalMachine, "SOFTWARE\\Pelk", os::kKeyRead, &probe), os::kRegSuccess);
    EXPECT_EQ(os::regCloseKey(probe), os::kRegSuccess);
}

TEST_F(AboutBox, TheIconRunsItsEighteenFramesUntilClose) {
    frmAbout& box = about();
    EXPECT_EQ(box.AnimateIcon, 1);
    EXPECT_EQ(box.IconFrame, 0);
    EXPECT_EQ(box.Timer1.interval(), 1);
    std::vector<int> frames;
    for (int i = 0; i < 20; ++i) {
        ui::timers::advance(1);
        frames.push_back(box.IconFrame);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 0, 1, 2}));
    EXPECT_EQ(box.icon(), box.Image1(2).picture());

    // Close stops the frames and the box goes; the next opening starts again at frame 0.
    ASSERT_TRUE(ui::input::click(box.cmdClose));
    EXPECT_FALSE(ui::forms().isLoaded<frmAbout>());
    frmAbout& again = about();
    EXPECT_EQ(again.IconFrame, 0);
    EXPECT_EQ(again.AnimateIcon, 1);
    again.AnimateIcon = 0;
    ui::timers::advance(5);
    EXPECT_EQ(again.IconFrame, 0);
}

TEST_F(AboutBox, TheServiceAccessCodeHasItsStatedForm) {
    std::string_view code = frmAbout::kServiceAccessCode;
    ASSERT_EQ(code.size(), 20u);
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (i == 6 || i == 13)
            EXPECT_EQ(code[i], '-') << i;
        else
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(code[i]))) << i;
    }
}

}  // namespace
}  // namespace pelk::shell
