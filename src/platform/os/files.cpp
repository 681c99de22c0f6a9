#include "platform/os/files.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/core/text.h"
#include "platform/os/paths.h"

namespace pelk::os {

namespace fs = std::filesystem;
using Steady = std::chrono::steady_clock;

namespace {
void setError(std::string* error, const std::string& why) {
    if (error) *error = why;
}
}  // namespace

bool keptPrivate(const fs::path& path) {
    std::error_code ec;
    fs::path root = fs::weakly_canonical(rootFolder(), ec);
    fs::path p = fs::weakly_canonical(path, ec);
    auto rel = p.lexically_relative(root);
    if (rel.empty() || *rel.begin() == "..") return false;
    if (rel != "." && *rel.begin() == "unc") return false;
    struct stat rootInfo {};
    bool rootExists = ::stat(root.c_str(), &rootInfo) == 0;
    // The nearest folder that exists, up to the root: made by this program, on its file system.
    for (fs::path at = p; !at.empty() && at != at.parent_path(); at = at.parent_path()) {
        struct stat info {};
        if (::stat(at.c_str(), &info) != 0) {
            if (at == root) return true;
            continue;
        }
        if (info.st_uid != ::geteuid()) return false;
        if (rootExists && info.st_dev != rootInfo.st_dev) return false;
        return true;
    }
    return true;
}

bool makeFolders(const fs::path& folder, std::string* error) {
    std::error_code ec;
    std::vector<fs::path> missing;
    for (fs::path at = folder; !at.empty() && !fs::exists(at, ec); at = at.parent_path()) {
        missing.push_back(at);
        if (at == at.parent_path()) break;
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        bool own = keptPrivate(*it);
        if (::mkdir(it->c_str(), own ? 0700 : 0777) != 0 && errno != EEXIST) {
            setError(error, std::string(std::strerror(errno)) + ": " + it->string());
            return false;
        }
    }
    if (!fs::is_directory(folder, ec)) {
        setError(error, "Not a folder: " + folder.string());
        return false;
    }
    return true;
}

void makeFilePrivate(const fs::path& file) {
    std::error_code ec;
    if (keptPrivate(file)) fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, ec);
}

bool wildcardMatch(std::string_view name, std::string_view pattern) {
    std::string n = core::text::lower(name), p = core::text::lower(pattern);
    std::size_t i = 0, j = 0, star = std::string::npos, mark = 0;
    while (i < n.size()) {
        if (j < p.size() && (p[j] == '?' || p[j] == n[i])) {
            ++i;
            ++j;
        } else if (j < p.size() && p[j] == '*') {
            star = j++;
            mark = i;
        } else if (star != std::string::npos) {
            j = star + 1;
            i = ++mark;
        } else
            return false;
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
    makeFolders(dst.parent_path());
    if (!fs::copy_file(src, dst, fs::copy_options::overwrite_existing, ec)) {
        setError(error, ec.message());
        return false;
    }
    makeFilePrivate(dst);
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

bool makeFolder(std::string_view windowsPath, std::string* error) { return makeFolders(mapPath(windowsPath), error); }

namespace {

struct RawWrite {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    RawResult result = RawResult::Failed;
    std::string error;
};

// Opens without blocking and polls: a FIFO without a reader, or a port whose device is off,
// would otherwise hold open(2) or write(2) for good. The device gets until `deadline` to answer.
RawResult writeBefore(const fs::path& p, const std::string& bytes, Steady::time_point deadline, std::string& error) {
    mode_t mode = keptPrivate(p) ? 0600 : 0666;
    int fd = -1;
    for (;;) {
        fd = ::open(p.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, mode);
        if (fd >= 0) break;
        int e = errno;
        if (e != ENXIO && e != EAGAIN && e != EBUSY && e != EINTR) {
            error = std::string(std::strerror(e));
            return RawResult::Failed;
        }
        if (Steady::now() >= deadline) {
            error = "It did not open: " + std::string(std::strerror(e));
            return RawResult::NoAnswer;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::size_t written = 0;
    RawResult result = RawResult::Written;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        int e = n < 0 ? errno : EAGAIN;
        if (e == EINTR) continue;
        if (e != EAGAIN && e != EWOULDBLOCK) {
            error = std::string(std::strerror(e));
            result = RawResult::Failed;
            break;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Steady::now()).count();
        pollfd pfd{fd, POLLOUT, 0};
        if (left <= 0 || ::poll(&pfd, 1, static_cast<int>(left)) <= 0) {
            error = "It did not take the bytes in time.";
            result = RawResult::NoAnswer;
            break;
        }
    }
    ::close(fd);
    return result;
}

}  // namespace

RawResult writeRawWithin(std::string_view target, std::string_view bytes, std::chrono::milliseconds limit,
                         std::string* error) {
    // A device path (/dev/usb/lp0) is used as it is; anything else is a Windows path.
    fs::path p = (!target.empty() && target[0] == '/') ? fs::path(std::string(target)) : mapPath(target);
    // A device that has just not answered gets one try only: the second copy of a receipt and
    // the drawer pulse after it must not each make the clerk wait again.
    static std::mutex silentMutex;
    static std::map<fs::path, Steady::time_point> silentSince;
    {
        std::lock_guard lock(silentMutex);
        auto it = silentSince.find(p);
        if (it != silentSince.end() && Steady::now() - it->second < 3 * limit) limit = std::chrono::milliseconds(0);
    }
    auto remember = [&](RawResult r) {
        std::lock_guard lock(silentMutex);
        if (r == RawResult::NoAnswer)
            silentSince.insert_or_assign(p, Steady::now());
        else
            silentSince.erase(p);
        return r;
    };
    auto job = std::make_shared<RawWrite>();
    Steady::time_point deadline = Steady::now() + limit;
    // The thread holds its own copies: a device stuck in a system call keeps it, never the caller.
    std::thread([job, p, text = std::string(bytes), deadline] {
        std::string why;
        RawResult r = writeBefore(p, text, deadline, why);
        std::lock_guard lock(job->mutex);
        job->result = r;
        job->error = std::move(why);
        job->finished = true;
        job->done.notify_all();
    }).detach();
    std::unique_lock lock(job->mutex);
    if (!job->done.wait_until(lock, deadline + std::chrono::milliseconds(250), [&] { return job->finished; })) {
        setError(error, "Cannot write to " + std::string(target) + ": it did not take the bytes in time.");
        return remember(RawResult::NoAnswer);
    }
    if (job->result != RawResult::Written)
        setError(error, "Cannot write to " + std::string(target) + ": " + job->error);
    return remember(job->result);
}

bool writeRaw(std::string_view target, std::string_view bytes, std::string* error) {
    return writeRawWithin(target, bytes, kRawWriteLimit, error) == RawResult::Written;
}

}  // namespace pelk::os
