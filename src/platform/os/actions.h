#pragma once

#include <functional>
#include <memory>
#include <string>
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
// appended), PELKPOS_LAUNCH_CMD (the program's name appended). An action whose command is
// not configured fails with a reason; nothing is ever run by default.
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

SystemActions& actions();
void setActions(std::shared_ptr<SystemActions> a);

}  // namespace pelk::os
