#include "platform/os/tidy.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/os/files.h"
#include "platform/os/paths.h"

namespace pelk::os {

namespace fs = std::filesystem;

namespace {

// Another station may be committing into a shared folder right now; a super-journal younger
// than this may still be in use.
constexpr auto kSettled = std::chrono::minutes(1);

int tighten(const fs::path& top) {
    int changed = 0;
    std::error_code ec;
    if (!fs::is_directory(top, ec)) return 0;
    auto fix = [&](const fs::path& p) {
        struct stat info {};
        if (::lstat(p.c_str(), &info) != 0 || info.st_uid != ::geteuid()) return;
        bool folder = S_ISDIR(info.st_mode);
        if (!folder && !S_ISREG(info.st_mode)) return;  // links, devices and FIFOs are not ours to change
        mode_t want = folder ? 0700 : 0600;
        if ((info.st_mode & 0777) == want || (info.st_mode & 077) == 0) return;
        if (!keptPrivate(p)) return;
        if (::chmod(p.c_str(), (info.st_mode & 0700) | (folder ? 0700 : 0)) == 0) ++changed;
    };
    fix(top);
    for (auto it = fs::recursive_directory_iterator(top, fs::directory_options::skip_permission_denied, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec) break;
        // A share mounted under the root, or another file system, keeps its owner's modes.
        if (it->is_directory(ec) && !it->is_symlink(ec) && !keptPrivate(it->path())) {
            it.disable_recursion_pending();
            continue;
        }
        fix(it->path());
    }
    return changed;
}

bool isJournal(const std::string& name) { return name.ends_with("-journal"); }

std::size_t superJournalAt(const std::string& name) {
    std::size_t at = name.rfind("-mj");
    if (at == std::string::npos || at == 0) return std::string::npos;
    for (std::size_t i = at + 3; i < name.size(); ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return std::string::npos;
    }
    return name.size() > at + 3 ? at : std::string::npos;
}

int removeSuperJournals(const fs::path& top) {
    int removed = 0;
    std::error_code ec;
    std::vector<fs::path> folders{top};
    for (auto it = fs::recursive_directory_iterator(top, fs::directory_options::skip_permission_denied, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (ec) break;
        if (it->is_directory(ec) && !it->is_symlink(ec)) folders.push_back(it->path());
    }
    auto now = fs::file_time_type::clock::now();
    for (const fs::path& folder : folders) {
        std::vector<fs::path> supers;
        bool hot = false;
        for (const auto& e : fs::directory_iterator(folder, ec)) {
            std::string n = e.path().filename().string();
            if (isJournal(n)) hot = true;
            if (superJournalAt(n) != std::string::npos && e.is_regular_file(ec)) supers.push_back(e.path());
        }
        // A journal left means a store still to be rolled back, which may need its super-journal.
        if (hot) continue;
        for (const fs::path& s : supers) {
            auto written = fs::last_write_time(s, ec);
            if (ec || now - written < kSettled) continue;
            if (fs::remove(s, ec)) ++removed;
        }
    }
    return removed;
}

}  // namespace

int tidyAfterEarlierRuns() {
    fs::path program = mapPath(kProgramFolder);
    int changed = tighten(program) + tighten(stationFolder());
    changed += removeSuperJournals(program);
    return changed;
}

}  // namespace pelk::os
