#include "platform/print/command.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace pelk::print::detail {

namespace {

std::vector<std::string> cLocaleEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; e && *e; ++e) {
        std::string_view v(*e);
        if (v.starts_with("LC_ALL=") || v.starts_with("LANG=") || v.starts_with("LANGUAGE=")) continue;
        env.emplace_back(v);
    }
    env.emplace_back("LC_ALL=C");
    env.emplace_back("LANG=C");
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& words) {
    std::vector<char*> out;
    for (auto& w : words) out.push_back(w.data());
    out.push_back(nullptr);
    return out;
}

}  // namespace

CommandResult runCommand(const std::vector<std::string>& argv, std::chrono::milliseconds timeout) {
    CommandResult result;
    if (argv.empty()) return result;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return result;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);

    std::vector<std::string> args = argv;
    std::vector<std::string> env = cLocaleEnvironment();
    auto argp = pointers(args);
    auto envp = pointers(env);
    pid_t pid = -1;
    int rc = posix_spawnp(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        result.output = std::strerror(rc);
        return result;
    }
    result.started = true;

    auto deadline = std::chrono::steady_clock::now() + timeout;
    char buf[4096];
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        int n = poll(&p, 1, static_cast<int>(left.count()));
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (n == 0) continue;
        ssize_t got = read(fds[0], buf, sizeof buf);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        result.output.append(buf, static_cast<std::size_t>(got));
    }
    close(fds[0]);
    // The program may close its output and still run; it gets what is left of its time.
    int status = 0;
    while (!result.timedOut) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
            return result;
        }
        if (done < 0 && errno != EINTR) return result;
        if (std::chrono::steady_clock::now() >= deadline)
            result.timedOut = true;
        else
            usleep(5000);
    }
    kill(pid, SIGKILL);
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return result;
}

}  // namespace pelk::print::detail
