#include "platform/os/actions.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

extern char** environ;

namespace pelk::os {

namespace {

std::shared_ptr<SystemActions>& current() {
    static std::shared_ptr<SystemActions> a = std::make_shared<CommandActions>();
    return a;
}

// What the clerk is told: the station's set-up is someone else's business, so no variable or
// command line is named (the README names them for whoever looks after the station).
std::string notSetUp(const char* toDoWhat) {
    return std::string("This station is not set up to ") + toDoWhat + ". Ask the person who looks after it.";
}
constexpr const char* kRefusedByMachine = "The machine refused it. Ask the person who looks after the station.";

// Single quotes keep the argument one word for the shell whatever it holds.
std::string shellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

const char* configured(const char* variable) {
    const char* cmd = std::getenv(variable);
    return cmd && *cmd ? cmd : nullptr;
}

std::string runConfigured(const char* variable, const char* toDoWhat, const std::string& argument) {
    const char* cmd = configured(variable);
    if (!cmd) return notSetUp(toDoWhat);
    std::string line = cmd;
    if (!argument.empty()) line += " " + shellQuote(argument);
    int rc = std::system(line.c_str());
    if (rc != -1 && WIFEXITED(rc) && WEXITSTATUS(rc) == 0) return {};
    return kRefusedByMachine;
}

}  // namespace

std::vector<std::string> commandWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (c == '\\' && quote == '"' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\'))
                word += line[++i];
            else
                word += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == '\\' && i + 1 < line.size()) {
            word += line[++i];
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

std::string startDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) return "No program was named.";
    std::vector<std::string> args = argv;
    std::vector<char*> argp;
    for (auto& a : args) argp.push_back(a.data());
    argp.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own session: the program lives on its own, apart from the station's terminal and signals.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t pid = -1;
    // The C library reports a program that cannot be executed here, before the program runs.
    int rc = posix_spawnp(&pid, argp[0], &files, &attributes, argp.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    if (rc != 0) return rc == ENOENT ? "The program was not found." : "The program could not be started.";
    // Reaped whenever it ends, so that nothing waits for it and no zombie stays behind.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return {};
}

std::string CommandActions::shutdown() { return runConfigured("PELKPOS_SHUTDOWN_CMD", "shut down", ""); }
std::string CommandActions::restart() { return runConfigured("PELKPOS_RESTART_CMD", "restart", ""); }
std::string CommandActions::setDate(const core::Date& d) {
    return runConfigured("PELKPOS_SETDATE_CMD", "change the date", core::isoDate(d));
}
std::string CommandActions::setTime(const core::Time& t) {
    return runConfigured("PELKPOS_SETTIME_CMD", "change the time", core::isoTime(t));
}
std::string CommandActions::launch(const std::string& program) {
    const char* cmd = configured("PELKPOS_LAUNCH_CMD");
    if (!cmd) return notSetUp("start programs");
    std::vector<std::string> argv = commandWords(cmd);
    argv.push_back(program);
    return startDetached(argv);
}

std::string RecordingActions::setDate(const core::Date& d) { return record("set-date " + core::shortDate(d)); }
std::string RecordingActions::setTime(const core::Time& t) { return record("set-time " + core::longTime(t)); }

SystemActions& actions() { return *current(); }
void setActions(std::shared_ptr<SystemActions> a) { current() = std::move(a); }

}  // namespace pelk::os
