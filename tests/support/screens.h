#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print/printers.h"
#include "platform/ui/scripted_host.h"
#include "support/temp_root.h"

namespace pelk::test {

// A screen test: a fresh root folder with the program's stores made as a new station has them,
// the program's forms registered, the scripted host answering, and a print server that records
// jobs instead of printing (no printer installed unless the test configures some).
class ScreenTest : public ::testing::Test {
protected:
    ScreenTest();
    ~ScreenTest() override;

    ui::ScriptedHost& host() { return session_.host(); }
    print::RecordingPrintServer& printServer() { return *printServer_; }
    // A statement run on a store of the program folder, as a fixture lays rows; a failure fails
    // the test.
    static void run(std::string_view file, const std::string& sql);
    // The prompts of the message boxes shown so far, in order.
    std::vector<std::string> prompts();
    // What a store of the program folder holds, as the screens read it: the first row's field
    // that meets `where` ("(null)" for Null, "(none)" without a row, "error …" when unreadable),
    // and the number of rows that meet it.
    static std::string field(std::string_view file, const std::string& table, const std::string& where,
                             const char* name);
    static long count(std::string_view file, const std::string& table, const std::string& where = "True");

    TempRoot root_;

private:
    ui::ScriptedSession session_;
    std::shared_ptr<print::RecordingPrintServer> printServer_;
};

}  // namespace pelk::test
