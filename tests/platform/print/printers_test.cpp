#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <thread>

#include "platform/print/command.h"
#include "print_fixture.h"

namespace pelk::print {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::PrintTest;

TEST(Lpstat, QueuesComeWithTheirDeviceUriAsPort) {
    auto q = parseLpstat(
        "device for Front_Desk: usb://EPSON/TM-T88V?serial=123\n"
        "device for laser: ipp://10.0.0.5/printers/laser\r\n"
        "lpstat: some warning\n"
        "device for odd:name: socket://10.0.0.9:9100");
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0], (PrinterInfo{"Front_Desk", "usb://EPSON/TM-T88V?serial=123", "", "Front_Desk"}));
    EXPECT_EQ(q[1].Port, "ipp://10.0.0.5/printers/laser");
    EXPECT_EQ(q[2].DeviceName, "odd:name");
    EXPECT_EQ(q[2].Port, "socket://10.0.0.9:9100");
    EXPECT_TRUE(parseLpstat("lpstat: No destinations added.\n").empty());
}

TEST_F(PrintTest, TheCollectionListsConfiguredPrintersThenQueues) {
    server->setQueues({{"laser", "ipp://host/printers/laser", "", "laser"}, {"alpha", "lpd://a", "", "alpha"}});
    setPrintServer(server);
    setConfiguredPrinters({{"Receipt", "C:\\ports\\COM1"}, {"Kitchen", "LPT2:", "/dev/usb/lp1"}});
    auto list = printers(5s);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].DeviceName, "Receipt");
    EXPECT_EQ(list[1].DeviceName, "Kitchen");
    EXPECT_EQ(list[2].DeviceName, "laser");
    EXPECT_EQ(list[3].DeviceName, "alpha");
    EXPECT_EQ(printers(), list) << "the order is stable";
}

// A server that answers only when the test lets it.
class StuckServer : public PrintServer {
public:
    std::vector<PrinterInfo> queues() override {
        std::unique_lock lock(mutex_);
        released_.wait(lock, [&] { return free_; });
        return {{"late", "ipp://late", "", "late"}};
    }
    std::string submit(const std::string&, const fs::path&) override { return {}; }
    void release() {
        std::lock_guard lock(mutex_);
        free_ = true;
        released_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool free_ = false;
};

TEST_F(PrintTest, ADeadPrintServerNeverHoldsTheScreen) {
    auto stuck = std::make_shared<StuckServer>();
    setPrintServer(stuck);
    setConfiguredPrinters({{"Receipt", "C:\\ports\\COM1"}});

    auto started = std::chrono::steady_clock::now();
    auto first = printers(30ms);
    auto second = printers(30ms);  // waits for a first answer once, never again
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(second, first);

    // Once the server answers, its queues join the collection.
    stuck->release();
    std::vector<PrinterInfo> later;
    for (int i = 0; i < 500 && later.size() < 2; ++i) {
        std::this_thread::sleep_for(2ms);
        later = printers(0ms);
    }
    ASSERT_EQ(later.size(), 2u);
    EXPECT_EQ(later[1].DeviceName, "late");
}

TEST(RunCommand, AProgramThatHangsIsKilledAtItsTimeout) {
    auto started = std::chrono::steady_clock::now();
    auto r = detail::runCommand({"sleep", "20"}, 100ms);
    EXPECT_TRUE(r.started);
    EXPECT_TRUE(r.timedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);

    auto missing = detail::runCommand({"no-such-program-pelk"}, 1s);
    EXPECT_FALSE(missing.started);
}

// Stand-ins for the CUPS clients on PATH, so no real print server is ever asked.
class FakeCups : public ::testing::Test {
protected:
    void SetUp() override {
        bin = root.path() / "bin";
        fs::create_directories(bin);
        write("lpstat", "#!/bin/sh\necho \"$LC_ALL\" > '" + (bin / "lpstat.env").string() +
                            "'\necho 'device for Front: usb://EPSON/TM?serial=1'\n"
                            "echo 'device for laser: ipp://host/printers/laser'\n");
        write("lp", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + (bin / "lp.args").string() +
                        "'\n[ \"$1\" = \"-dbroken\" ] && { echo 'lp: The printer or class does not exist.'; exit 1; }\n"
                        "echo 'request id is Front-1 (1 file(s))'\n");
        const char* old = std::getenv("PATH");
        oldPath = old ? old : "";
        setenv("PATH", (bin.string() + ":" + oldPath).c_str(), 1);
    }
    void TearDown() override { setenv("PATH", oldPath.c_str(), 1); }
    void write(const std::string& name, const std::string& script) {
        std::ofstream(bin / name) << script;
        chmod((bin / name).c_str(), 0755);
    }

    test::TempRoot root;
    fs::path bin;
    std::string oldPath;
};

TEST_F(FakeCups, QueuesAreReadFromLpstatInTheCLocale) {
    auto q = CupsPrintServer().queues();
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0], (PrinterInfo{"Front", "usb://EPSON/TM?serial=1", "", "Front"}));
    EXPECT_EQ(PrintTest::readFile(bin / "lpstat.env"), "C\n");
}

TEST_F(FakeCups, JobsGoThroughLpAndItsRefusalIsTheReason) {
    CupsPrintServer cups;
    EXPECT_EQ(cups.submit("Front", "/spool/a.pdf"), "");
    EXPECT_EQ(PrintTest::readFile(bin / "lp.args"), "-dFront\n/spool/a.pdf\n");
    EXPECT_EQ(cups.submit("", "/spool/b.pdf"), "");
    EXPECT_EQ(PrintTest::readFile(bin / "lp.args"), "/spool/b.pdf\n");
    EXPECT_EQ(cups.submit("broken", "/spool/c.pdf"), "lp: The printer or class does not exist.");
}

TEST(StationPrinters, OneALineNamePortAndDevice) {
    std::vector<int> bad;
    auto found = parseStationPrinters(
        "# the front desk\nReceipt Printer\tLPT1:\t/dev/usb/lp0\r\n\nKitchen\tUSB001\nno port here\n\tLPT2:\n"
        "a\tb\tc\td\nLast\tCOM1:",
        &bad);
    EXPECT_EQ(found, (std::vector<PrinterInfo>{
                         {"Receipt Printer", "LPT1:", "/dev/usb/lp0"}, {"Kitchen", "USB001"}, {"Last", "COM1:"}}));
    EXPECT_EQ(bad, (std::vector<int>{5, 6, 7}));
    EXPECT_TRUE(parseStationPrinters("").empty());
}

// The program reads the list at its start; a bad line is told once, the good ones still count.
TEST_F(PrintTest, TheStationsPrinterListBecomesTheConfiguredPrinters) {
    EXPECT_EQ(loadStationPrinters(), "");
    EXPECT_TRUE(printers(0ms).empty() || printers(0ms).front().DeviceName != "Receipt");
    fs::create_directories(stationPrintersFile().parent_path());
    std::ofstream(stationPrintersFile()) << "Receipt\tLPT1:\t" << (root.path() / "drawer").string() << "\nbroken\n";
    std::string told = loadStationPrinters();
    EXPECT_NE(told.find("skipped: 2."), std::string::npos) << told;
    ASSERT_FALSE(printers(0ms).empty());
    EXPECT_EQ(printers(0ms).front(), (PrinterInfo{"Receipt", "LPT1:", (root.path() / "drawer").string()}));
    setCurrentPrinter(printers(0ms).front());
    EXPECT_EQ(writeToPort("\x1B"), "");
    EXPECT_EQ(readFile(root.path() / "drawer"), "\x1B");
}

}  // namespace
}  // namespace pelk::print
