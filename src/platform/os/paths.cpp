#include "platform/os/paths.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <system_error>

#include "platform/core/text.h"

namespace pelk::os {

namespace fs = std::filesystem;

namespace {

fs::path& rootOverride() {
    static fs::path p;
    return p;
}

std::vector<std::string> splitParts(std::string_view s) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : s) {
        if (c == '\\' || c == '/') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// Finds the entry of `dir` named `name` without regard to case; the exact spelling wins.
std::string matchEntry(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    if (fs::exists(dir / name, ec)) return name;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        std::string n = e.path().filename().string();
        if (core::text::equalsNoCase(n, name)) return n;
    }
    return name;
}

}  // namespace

fs::path rootFolder() {
    if (!rootOverride().empty()) return rootOverride();
    if (const char* r = std::getenv("PELKPOS_ROOT"); r && *r) return fs::path(r);
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "pelkpos";
}

void setRootFolder(const fs::path& root) { rootOverride() = root; }

std::string programPath(std::string_view fileName) { return joinPath(kProgramFolder, fileName); }

std::string joinPath(std::string_view a, std::string_view b) {
    if (a.empty()) return std::string(b);
    if (b.empty()) return std::string(a);
    std::string left(a);
    while (!left.empty() && (left.back() == '\\' || left.back() == '/')) left.pop_back();
    std::size_t i = 0;
    while (i < b.size() && (b[i] == '\\' || b[i] == '/')) ++i;
    // A share prefix ("\\server") keeps its leading pair; only the seam is normalised.
    if (left.empty()) return std::string(a) + std::string(b.substr(i));
    return left + "\\" + std::string(b.substr(i));
}

fs::path mapPath(std::string_view windowsPath) {
    std::string p(windowsPath);
    fs::path base;
    std::vector<std::string> parts;
    bool unc = p.size() >= 2 && (p[0] == '\\' || p[0] == '/') && (p[1] == '\\' || p[1] == '/');
    if (unc) {
        base = rootFolder() / "unc";
        parts = splitParts(p.substr(2));
        // Server and share names are matched without regard to case too; keep them lower.
        for (std::size_t k = 0; k < parts.size() && k < 2; ++k) parts[k] = core::text::lower(parts[k]);
    } else if (p.size() >= 2 && p[1] == ':') {
        base = rootFolder() / std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(p[0]))));
        parts = splitParts(p.substr(2));
    } else {
        return mapPath(joinPath(kProgramFolder, p));
    }
    // ".." climbs as on Windows: never above the drive's root or the share, so that a mapped path
    // stays under the root folder whatever is typed.
    const std::size_t fixed = unc ? std::min<std::size_t>(2, parts.size()) : 0;
    std::vector<std::string> kept;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k >= fixed && parts[k] == ".") continue;
        if (k >= fixed && parts[k] == "..") {
            if (kept.size() > fixed) kept.pop_back();
            continue;
        }
        kept.push_back(parts[k]);
    }
    // A store's path is mapped each time a screen opens it, and walking the folders costs a
    // look-up a folder. A path found spelled as asked all the way down is remembered: while it is
    // there, the walk would find it again (the exact spelling wins). One found through another
    // case, or not there yet, is walked each time.
    std::string key = base.string();
    for (const auto& part : kept) key += '\n' + part;
    static std::mutex lock;
    static std::map<std::string, fs::path> found;
    std::error_code ec;
    {
        std::lock_guard<std::mutex> hold(lock);
        if (auto it = found.find(key); it != found.end()) {
            if (fs::exists(it->second, ec)) return it->second;
            found.erase(it);
        }
    }
    fs::path out = base;
    bool exists = fs::is_directory(out, ec);
    bool asAsked = exists;
    for (const auto& part : kept) {
        // A share named "." or ".." is no share; it maps to a name that cannot climb.
        std::string name = part == "." || part == ".." ? "_" + part : part;
        std::string entry = exists ? matchEntry(out, name) : name;
        asAsked = asAsked && entry == name;
        out /= entry;
        exists = exists && fs::is_directory(out, ec);
    }
    if (asAsked && fs::exists(out, ec)) {
        std::lock_guard<std::mutex> hold(lock);
        found[key] = out;
    }
    return out;
}

bool climbsAboveItsRoot(std::string_view windowsPath) {
    std::string p(windowsPath);
    bool unc = p.size() >= 2 && (p[0] == '\\' || p[0] == '/') && (p[1] == '\\' || p[1] == '/');
    std::vector<std::string> parts;
    std::size_t fixed = 0;
    if (unc) {
        parts = splitParts(p.substr(2));
        fixed = 2;
    } else if (p.size() >= 2 && p[1] == ':') {
        parts = splitParts(p.substr(2));
    } else {
        // Taken relative to the program folder, which lies three folders under the drive's root.
        parts = splitParts(p);
        if (parts.empty()) return false;
        std::vector<std::string> all = splitParts(std::string(kProgramFolder).substr(2));
        all.insert(all.end(), parts.begin(), parts.end());
        parts = std::move(all);
    }
    std::size_t depth = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k < fixed) {
            if (parts[k] == "." || parts[k] == "..") return true;
            ++depth;
        } else if (parts[k] == "..") {
            if (depth <= fixed) return true;
            --depth;
        } else if (parts[k] != ".") {
            ++depth;
        }
    }
    return false;
}

fs::path spoolFolder() { return rootFolder() / "spool"; }
fs::path exportFolder() { return rootFolder() / "export"; }
fs::path stationFolder() { return rootFolder() / "station"; }

}  // namespace pelk::os
