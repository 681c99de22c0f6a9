#include "support/temp_root.h"

#include <fstream>
#include <random>

#include "platform/core/clock.h"
#include "platform/os/paths.h"

namespace pelk::test {

namespace fs = std::filesystem;

TempRoot::TempRoot() {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path p = fs::temp_directory_path() / ("pelktest-" + std::to_string(rd()));
        std::error_code ec;
        if (fs::create_directory(p, ec)) {
            path_ = p;
            break;
        }
    }
    os::setRootFolder(path_);
    core::clock::fix(core::DateTime{core::Date{2026, 1, 5}, core::Time{9, 0, 0}});
}

TempRoot::~TempRoot() {
    std::error_code ec;
    fs::remove_all(path_, ec);
    os::setRootFolder({});
}

void TempRoot::writeFile(const std::string& windowsPath, const std::string& content) const {
    fs::path p = os::mapPath(windowsPath);
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
}

}  // namespace pelk::test
