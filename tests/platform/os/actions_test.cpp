#include "platform/os/actions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <thread>

#include "support/temp_root.h"

namespace pelk::os {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
    std::ifstream in(p);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Each variable set for one test and put back after it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(CommandWords, BlanksSeparateAndQuotesGroup) {
    struct Case {
        const char* line;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"hardinfo", {"hardinfo"}},
        {"  env  A=1   prog ", {"env", "A=1", "prog"}},
        {"sh -c 'echo a b' x", {"sh", "-c", "echo a b", "x"}},
        {"\"/opt/My Tools/run\" --now", {"/opt/My Tools/run", "--now"}},
        {"a\\ b \"q\\\"x\" ''", {"a b", "q\"x", ""}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(commandWords(c.line), c.words) << c.line;
}

// The clerk hears a sentence that names no setting of the machine.
TEST(CommandActions, AnActionNotSetUpIsRefusedInTheClerksWords) {
    CommandActions real;
    struct Case {
        const char* variable;
        std::function<std::string()> act;
        const char* told;
    };
    const Case cases[] = {
        {"PELKPOS_SHUTDOWN_CMD", [&] { return real.shutdown(); },
         "This station is not set up to shut down. Ask the person who looks after it."},
        {"PELKPOS_RESTART_CMD", [&] { return real.restart(); },
         "This station is not set up to restart. Ask the person who looks after it."},
        {"PELKPOS_SETDATE_CMD",
         [&] {
             return real.setDate({2026, 12, 11});
         },
         "This station is not set up to change the date. Ask the person who looks after it."},
        {"PELKPOS_SETTIME_CMD",
         [&] {
             return real.setTime({9, 0, 0});
         },
         "This station is not set up to change the time. Ask the person who looks after it."},
        {"PELKPOS_LAUNCH_CMD", [&] { return real.launch("Pbrush.EXE"); },
         "This station is not set up to start programs. Ask the person who looks after it."},
    };
    for (const Case& c : cases) {
        ScopedEnv unset(c.variable, nullptr);
        std::string told = c.act();
        EXPECT_EQ(told, c.told);
        EXPECT_EQ(told.find("PELKPOS"), std::string::npos);
    }
    ScopedEnv failing("PELKPOS_SETDATE_CMD", "false");
    std::string told = real.setDate({2026, 12, 11});
    EXPECT_FALSE(told.empty());
    EXPECT_EQ(told.find("false"), std::string::npos) << told;
}

// The program started keeps running after launch has returned: it waits for a gate that is only
// opened once launch is back, and says whether it saw it (it gives up after ten seconds).
TEST(CommandActions, AProgramIsStartedDetachedAndARefusedStartIsTold) {
    test::TempRoot root;
    fs::path gate = root.path() / "gate", said = root.path() / "said";
    // The program's name, appended last, is where the script reports; the gate comes before it.
    std::string script =
        "sh -c 'i=0; while [ ! -e \"$1\" ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i+1)); done; "
        "if [ -e \"$1\" ]; then echo seen; else echo timeout; fi > \"$2.tmp\"; mv \"$2.tmp\" \"$2\"' sh '" +
        gate.string() + "'";
    ScopedEnv cmd("PELKPOS_LAUNCH_CMD", script.c_str());
    CommandActions real;
    ASSERT_EQ(real.launch(said.string()), "");
    std::ofstream(gate) << "open";
    for (int i = 0; i < 400 && !fs::exists(said); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(readAll(said), "seen\n");

    setenv("PELKPOS_LAUNCH_CMD", "/no/such/program --flag", 1);
    EXPECT_EQ(real.launch("Pbrush.EXE"), "The program was not found.");
    setenv("PELKPOS_LAUNCH_CMD", root.path().c_str(), 1);  // a folder cannot be run
    EXPECT_EQ(real.launch("Pbrush.EXE"), "The program could not be started.");
}

}  // namespace
}  // namespace pelk::os
