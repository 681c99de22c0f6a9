#include "platform/os/files.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "platform/core/text.h"
#include "platform/os/paths.h"

namespace pelk::os {

namespace fs = std::filesystem;

namespace {
void setError(std::string* error, const std::string& why) {
    if (error) *error = why;
}
}  // namespace

bool wildcardMatch(std::string_view name, std::string_view pattern) {
    std::string n = core::text::lower(name), p = core::text::lower(pattern);
    std::size_t i = 0, j = 0, star = std::string::npos, mark = 0;
    while (i < n.size()) {
        if (j < p.size() && (p[j] == '?' || p[j] == n[i])) { ++i; ++j; }
        else if (j < p.size() && p[j] == '*') { star = j++; mark = i; }
        else if (star != std::string::npos) { j = star + 1; i = ++mark; }
        else return false;
    }
    while (j < p.size() && p[j] == '*') ++j;
    return j == p.size();
}

bool fileExists(std::string_view windowsPath) {
    std::error_code ec;
    return fs::is_regular_file(mapPath(windowsPath), ec);
}

bool folderExists(std::string_view windowsPath) {
    std::error_code ec;
    return fs::is_directory(mapPath(windowsPath), ec);
}

std::vector<std::string> findFiles(std::string_view windowsFolder, std::string_view pattern) {
    std::vector<std::string> out;
    std::error_code ec;
    fs::path dir = mapPath(windowsFolder);
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        if (!e.is_regular_file(ec)) continue;
        std::string n = e.path().filename().string();
        if (wildcardMatch(n, pattern)) out.push_back(n);
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool copyFile(std::string_view from, std::string_view to, std::string* error) {
    std::error_code ec;
    fs::path src = mapPath(from), dst = mapPath(to);
    if (!fs::is_regular_file(src, ec)) {
        setError(error, "File not found: " + std::string(from));
        return false;
    }
    fs::create_directories(dst.parent_path(), ec);
    if (!fs::copy_file(src, dst, fs::copy_options::overwrite_existing, ec)) {
        setError(error, ec.message());
        return false;
    }
    return true;
}

bool deleteFile(std::string_view windowsPath, std::string* error) {
    std::error_code ec;
    if (!fs::remove(mapPath(windowsPath), ec)) {
        setError(error, ec ? ec.message() : "File not found: " + std::string(windowsPath));
        return false;
    }
    return true;
}

bool makeFolder(std::string_view windowsPath, std::string* error) {
    std::error_code ec;
    fs::create_directories(mapPath(windowsPath), ec);
    if (ec) {
        setError(error, ec.message());
        return false;
    }
    return true;
}

bool writeRaw(std::string_view target, std::string_view bytes, std::string* error) {
    // A device path (/dev/usb/lp0) is used as it is; anything else is a Windows path.
    fs::path p = (!target.empty() && target[0] == '/') ? fs::path(std::string(target)) : mapPath(target);
    std::ofstream out(p, std::ios::binary | std::ios::app);
    if (!out) {
        setError(error, "Cannot open " + std::string(target));
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        setError(error, "Cannot write to " + std::string(target));
        return false;
    }
    return true;
}

}  // namespace pelk::os
