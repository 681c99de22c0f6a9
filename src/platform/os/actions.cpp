#include "platform/os/actions.h"

#include <cstdlib>
#include <sys/wait.h>

namespace pelk::os {

namespace {

std::shared_ptr<SystemActions>& current() {
    static std::shared_ptr<SystemActions> a = std::make_shared<CommandActions>();
    return a;
}

// Single quotes keep the argument one word for the shell whatever it holds.
std::string shellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

std::string runConfigured(const char* variable, const std::string& argument) {
    const char* cmd = std::getenv(variable);
    if (!cmd || !*cmd) return std::string("This station has no command for it (") + variable + " is not set).";
    std::string line = cmd;
    if (!argument.empty()) line += " " + shellQuote(argument);
    int rc = std::system(line.c_str());
    if (rc == -1) return "The command could not be started.";
    if (WIFEXITED(rc) && WEXITSTATUS(rc) == 0) return {};
    return "The command failed (" + line + ").";
}

}  // namespace

std::string CommandActions::shutdown() { return runConfigured("PELKPOS_SHUTDOWN_CMD", ""); }
std::string CommandActions::restart() { return runConfigured("PELKPOS_RESTART_CMD", ""); }
std::string CommandActions::setDate(const core::Date& d) { return runConfigured("PELKPOS_SETDATE_CMD", core::isoDate(d)); }
std::string CommandActions::setTime(const core::Time& t) { return runConfigured("PELKPOS_SETTIME_CMD", core::isoTime(t)); }
std::string CommandActions::launch(const std::string& program) { return runConfigured("PELKPOS_LAUNCH_CMD", program); }

std::string RecordingActions::setDate(const core::Date& d) { return record("set-date " + core::shortDate(d)); }
std::string RecordingActions::setTime(const core::Time& t) { return record("set-time " + core::longTime(t)); }

SystemActions& actions() { return *current(); }
void setActions(std::shared_ptr<SystemActions> a) { current() = std::move(a); }

}  // namespace pelk::os
