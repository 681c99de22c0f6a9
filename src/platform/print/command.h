#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace pelk::print::detail {

struct CommandResult {
    bool started = false;
    bool timedOut = false;
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

// Runs a program (looked up in PATH) with the C locale, so its output reads the same on every
// station, and kills it when it outlives `timeout`: a dead print server must not hold a
// thread for ever. Meant for background threads; it blocks for as long as the program runs.
CommandResult runCommand(const std::vector<std::string>& argv, std::chrono::milliseconds timeout);

}  // namespace pelk::print::detail
