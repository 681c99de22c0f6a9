#include "platform/os/station.h"

#include <fstream>
#include <system_error>

#include "platform/os/files.h"
#include "platform/os/paths.h"

namespace pelk::os {

namespace {
std::filesystem::path markerPath() { return stationFolder() / "setup-done"; }
}  // namespace

bool setupDone() {
    std::error_code ec;
    return std::filesystem::exists(markerPath(), ec);
}

bool markSetupDone(std::string* error) {
    makeFolders(stationFolder());
    std::ofstream out(markerPath());
    out << "done\n";
    out.flush();
    makeFilePrivate(markerPath());
    if (!out) {
        if (error) *error = "Cannot write " + markerPath().string();
        return false;
    }
    return true;
}

}  // namespace pelk::os
