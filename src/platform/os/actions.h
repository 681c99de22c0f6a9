#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/datetime.h"

namespace pelk::os {

// What the program asks of the machine around it. The real implementation runs a command
// configured per action (see the README); tests install a recorder.
class SystemActions {
public:
    virtual ~SystemActions() = default;
    // Each returns an empty text on success, else why it failed.
    virtual std::string shutdown() = 0;
    virtual std::string restart() = 0;
    virtual std::string setDate(const core::Date& d) = 0;
    virtual std::string setTime(const core::Time& t) = 0;
    virtual std::string launch(const std::string& program) = 0;
};

// Runs the configured commands: PELKPOS_SHUTDOWN_CMD, PELKPOS_RESTART_CMD,
// PELKPOS_SETDATE_CMD (the date appended as YYYY-MM-DD), PELKPOS_SETTIME_CMD (HH:MM:SS
// appended), each through the shell, waiting for its answer; PELKPOS_LAUNCH_CMD (its words,
// then the program's name) is started detached, so the station goes on drawing and ticking
// while the program runs; only a start the machine refuses is answered. An action whose command
// is not configured fails; nothing is ever run by default. The reasons are sentences for the
// clerk and name no variable.
class CommandActions : public SystemActions {
public:
    std::string shutdown() override;
    std::string restart() override;
    std::string setDate(const core::Date& d) override;
    std::string setTime(const core::Time& t) override;
    std::string launch(const std::string& program) override;
};

// Keeps what was asked, as the road scripts read it: "shutdown", "restart",
// "set-date 12/11/2026", "set-time 9:00:00 AM", "launch Pbrush.EXE".
class RecordingActions : public SystemActions {
public:
    std::vector<std::string> asked;
    // When set, every action fails with this reason (after being recorded).
    std::string failWith;
    std::string shutdown() override { return record("shutdown"); }
    std::string restart() override { return record("restart"); }
    std::string setDate(const core::Date& d) override;
    std::string setTime(const core::Time& t) override;
    std::string launch(const std::string& program) override { return record("launch " + program); }

private:
    std::string record(std::string what) {
        asked.push_back(std::move(what));
        return failWith;
    }
};

// The words of a command line: blanks separate them, single or double quotes and a backslash
// keep blanks inside one. No other shell syntax.
std::vector<std::string> commandWords(std::string_view line);
// Starts argv[0] (looked up on PATH) with its arguments and returns at once: "" when it
// started, else why the machine refused it (not found, not executable).
std::string startDetached(const std::vector<std::string>& argv);

SystemActions& actions();
void setActions(std::shared_ptr<SystemActions> a);

}  // namespace pelk::os
