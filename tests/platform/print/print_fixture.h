#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "support/temp_root.h"

namespace pelk::print::testing {

// A fresh root, a print server that only records, no printers and an empty journal.
class PrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        setPrintServer(server);
        setConfiguredPrinters({});
        setCurrentPrinter(std::nullopt);
        resetJournal();
        printer() = Printer{};
    }
    void TearDown() override {
        EXPECT_TRUE(waitForJobs(std::chrono::seconds(10)));
        takeJobFailures();
        setCurrentPrinter(std::nullopt);
        setConfiguredPrinters({});
    }

public:
    static std::string readFile(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

protected:
    test::TempRoot root;
    std::shared_ptr<RecordingPrintServer> server = std::make_shared<RecordingPrintServer>();
};

}  // namespace pelk::print::testing
