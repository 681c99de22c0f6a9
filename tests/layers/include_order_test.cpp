// The parts of the program stand in an order, each using only those before it: the platform below
// all, then settings, shell, menu, reservations, folio, payment, reports, setup, and the
// composition root (app) above all. A screen reaches a screen of a later part only by its name in
// the form registry, so no file under src/ may include a header of a part later than its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pelk {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 10> kOrder = {"platform", "settings", "shell",   "menu",  "reservations",
                                                     "folio",    "payment",  "reports", "setup", "app"};

// The part a path under src/ belongs to, by its first folder; none for a file of no part (the
// generated version header, src/ itself).
std::optional<std::size_t> partOf(std::string_view path) {
    std::string_view first = path.substr(0, path.find('/'));
    if (first.size() == path.size()) return std::nullopt;
    auto at = std::find(kOrder.begin(), kOrder.end(), first);
    if (at == kOrder.end()) return std::nullopt;
    return static_cast<std::size_t>(at - kOrder.begin());
}

// Whether `file` (a path under src/) may include the header `header` (as written between the quotes).
bool mayInclude(std::string_view file, std::string_view header) {
    auto from = partOf(file);
    auto to = partOf(header);
    return !from || !to || *to <= *from;
}

struct Include {
    std::string file;  // under the scanned folder, with '/'
    int line;
    std::string header;
};

// Every `#include "…"` of every file under `root`, in a stable order.
std::vector<Include> includesUnder(const fs::path& root) {
    static const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<Include> found;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files) {
        std::ifstream in(path);
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch m;
            if (std::regex_search(text, m, quoted))
                found.push_back({fs::relative(path, root).generic_string(), line, m[1].str()});
        }
    }
    return found;
}

std::vector<std::string> upIncludes(const std::vector<Include>& includes) {
    std::vector<std::string> wrong;
    for (const Include& i : includes)
        if (!mayInclude(i.file, i.header))
            wrong.push_back(i.file + ":" + std::to_string(i.line) + " includes " + i.header);
    return wrong;
}

std::string lines(const std::vector<std::string>& v) {
    std::string out;
    for (const std::string& s : v) out += "\n  " + s;
    return out;
}

TEST(IncludeOrder, NoFileIncludesAHeaderOfALaterPart) {
    const fs::path src = fs::path(PELK_TEST_SOURCE_DIR) / ".." / "src";
    std::vector<Include> includes = includesUnder(src);
    EXPECT_EQ(upIncludes(includes), std::vector<std::string>{}) << "up-includes:" << lines(upIncludes(includes));

    // The walk reads the real tree: the composition root includes every subsystem.
    std::set<std::string> rootReaches;
    for (const Include& i : includes)
        if (i.file == "app/program.cpp") rootReaches.insert(i.header.substr(0, i.header.find('/')));
    for (std::size_t k = 1; k + 1 < kOrder.size(); ++k)
        EXPECT_TRUE(rootReaches.count(std::string(kOrder[k])))
            << "app/program.cpp was not seen including " << kOrder[k];
}

TEST(IncludeOrder, TheRuleBetweenTwoParts) {
    struct Case {
        const char* file;
        const char* header;
        bool allowed;
    };
    for (const Case& c : {
             Case{"folio/frmRooms.cpp", "folio/order_book.h", true},      // its own part
             Case{"folio/frmRooms.cpp", "reservations/frmMap.h", true},   // an earlier part
             Case{"reservations/frmMap.cpp", "folio/frmRooms.h", false},  // the next part
             Case{"settings/frmBSfwSet.cpp", "shell/frmMain.h", false},   // the first two parts
             Case{"menu/frmEDes.cpp", "setup/frmRegister.h", false},      // far ahead
             Case{"setup/frmRegister3.cpp", "menu/frmEDes.h", true},      // far behind
             Case{"shell/Splash.cpp", "platform/ui/ui.h", true},          // the platform is below all
             Case{"platform/ui/form.cpp", "settings/common.h", false},    // and includes no part
             Case{"platform/ui/form.cpp", "platform/core/text.h", true},
             Case{"app/program.cpp", "setup/setup.h", true},         // the root is above all
             Case{"setup/frmRegister.cpp", "app/program.h", false},  // and no part includes it
             Case{"platform/ui/program.cpp", "app/program.h", false},
             Case{"reports/frmRepDy.cpp", "pelk/version.h", true},  // generated, of no part
             Case{"version.h.in", "folio/frmRooms.h", true},        // a file of no part
         })
        EXPECT_EQ(mayInclude(c.file, c.header), c.allowed) << c.file << " including " << c.header;
}

// A tree of three files, to see that the walk finds includes however they are spaced, in every
// folder, and leaves system headers and other lines alone.
class IncludeWalk : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("pelk-include-walk-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        write("menu/frmEDes.cpp",
              "#include \"menu/frmEDes.h\"\n"
              "\n"
              "#include <string>\n"
              "  #  include   \"setup/frmRegister.h\"\n"
              "// #include is how a header comes in\n"
              "const char* kText = \"#include \\\"folio/frmRooms.h\\\"\";\n");
        write("menu/frmEDes.h", "#pragma once\n#include \"settings/common.h\"\n");
        write("platform/ui/form.cpp", "#include \"platform/ui/form.h\"\n#include \"shell/frmMain.h\"\n");
    }
    void TearDown() override { fs::remove_all(root_); }
    void write(const std::string& file, const std::string& text) {
        fs::create_directories((root_ / file).parent_path());
        std::ofstream(root_ / file) << text;
    }
    fs::path root_;
};

TEST_F(IncludeWalk, FindsEveryQuotedIncludeAndTellsTheUpOnes) {
    std::vector<std::string> seen;
    for (const Include& i : includesUnder(root_))
        seen.push_back(i.file + ":" + std::to_string(i.line) + " " + i.header);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "menu/frmEDes.cpp:1 menu/frmEDes.h", "menu/frmEDes.cpp:4 setup/frmRegister.h",
                        "menu/frmEDes.h:2 settings/common.h", "platform/ui/form.cpp:1 platform/ui/form.h",
                        "platform/ui/form.cpp:2 shell/frmMain.h"}));
    EXPECT_EQ(upIncludes(includesUnder(root_)),
              (std::vector<std::string>{"menu/frmEDes.cpp:4 includes setup/frmRegister.h",
                                        "platform/ui/form.cpp:2 includes shell/frmMain.h"}));
}

}  // namespace
}  // namespace pelk
