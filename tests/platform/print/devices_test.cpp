#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/clock.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/print/escpos.h"
#include "print_fixture.h"
#include "support/escpos_decode.h"

namespace pelk::print {
namespace {

namespace fs = std::filesystem;
using testing::PrintTest;
using Steady = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

std::string run(const std::string& command) {
    std::string out;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buf[4096];
        while (std::size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

bool have(const char* tool) { return std::system((std::string("command -v ") + tool + " >/dev/null").c_str()) == 0; }

// A receipt printer switched off behind a FIFO: nobody reads, so opening it would wait for ever.
TEST_F(PrintTest, AReceiptPrinterThatDoesNotAnswerIsToldAndHoldsNothingUp) {
    const fs::path fifo = root.path() / "receipt.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    PrinterInfo receipt{"Receipt", "LPT1:", fifo.string()};
    setConfiguredPrinters({receipt});
    setCurrentPrinter(receipt);
    const std::string told = "The receipt printer Receipt does not answer. Check that it is on and connected.";

    auto start = Steady::now();
    printer().print("Total: 8.50");
    EXPECT_EQ(printer().EndDoc(), told);
    EXPECT_LT(Steady::now() - start, os::kRawWriteLimit + std::chrono::seconds(1));
    EXPECT_GE(Steady::now() - start, os::kRawWriteLimit - std::chrono::milliseconds(100)) << "it had its chance";
    ASSERT_EQ(journal().documents.size(), 1u) << "the printout is kept in the spool all the same";
    EXPECT_FALSE(journal().documents[0].transcript.empty());

    // The second copy and the drawer pulse right after it do not make the clerk wait again.
    start = Steady::now();
    printer().print("Total: 8.50");
    EXPECT_EQ(printer().EndDoc(), told);
    EXPECT_EQ(writeToPort("\x1Bp"), told);
    EXPECT_LT(Steady::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(journal().portWrites.empty());
}

TEST_F(PrintTest, AReceiptPrinterThatComesOnWithinTheLimitGetsItsReceipt) {
    const fs::path fifo = root.path() / "receipt.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    PrinterInfo receipt{"Receipt", "LPT1:", fifo.string()};
    setCurrentPrinter(receipt);
    std::string got;
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        got = readFile(fifo);
    });
    printer().print("Total: 8.50");
    EXPECT_EQ(printer().EndDoc(), "");
    reader.join();
    EXPECT_EQ(test::decodeEscPos(got), (Lines{"init", "codepage 0", "text Total: 8.50", "lf", "feed 4", "cut 1"}));
}

TEST_F(PrintTest, ARawFileTheProgramMakesIsPrivate) {
    ASSERT_TRUE(os::writeRaw("C:\\ports\\COM1", "x") ||
                (os::makeFolder("C:\\ports") && os::writeRaw("C:\\ports\\COM1", "x")));
    struct stat info {};
    ASSERT_EQ(::stat(os::mapPath("C:\\ports\\COM1").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// What each line asks for reaches the printer as its commands; the text is in the code page
// chosen, and what no code page holds prints as "?".
TEST(EscPos, LinesBecomeCommandsInTheCodePageThatHoldsThem) {
    std::vector<PrintedLine> receipt{
        {"Hôtel Pelk 酒店", "Arial", 12},
        {"Total: 8.50", "Arial", 18, true},
        {"Thank You", "Arial", 12, true},
        {""},
    };
    EXPECT_EQ(
        test::decodeEscPos(escposDocument(receipt)),
        (Lines{"init", "codepage 0", "text H\x93tel Pelk ??", "lf", "bold on", "size 2x2", "text Total: 8.50",
               "size 1x1", "bold off", "lf", "bold on", "text Thank You", "bold off", "lf", "lf", "feed 4", "cut 1"}));

    struct Case {
        std::string text;
        int page;
        std::string bytes;
    };
    const std::vector<Case> cases{
        {"Pelk Inn", 0, "Pelk Inn"},
        {"Café € 5", 19, "Caf\x82 \xD5 5"},           // the euro: PC858, which keeps the rest of PC850
        {"Łódź", 18, "\x9D\xA2\x64\xAB"},             // Central European
        {"Счёт", 17, "\x91\xE7\xF1\xE2"},             // Cyrillic
        {"“Suite” – 2", 16, "\x93Suite\x94 \x96 2"},  // Windows quotes and dashes
        {"酒店", 0, "??"},                            // none holds it
        {std::string("a\tb\x1B"), 0, "a b?"},         // no control byte passes as a command
    };
    for (const auto& c : cases) {
        std::string bytes = escposDocument({{c.text, "Arial", 10}});
        EXPECT_EQ(test::decodeEscPos(bytes),
                  (Lines{"init", "codepage " + std::to_string(c.page), "text " + c.bytes, "lf", "feed 4", "cut 1"}))
            << c.text;
    }
}

TEST_F(PrintTest, APrintoutTakesThePaperOfItsQueueAndNothingIsCut) {
    if (!have("pdfinfo") || !have("pdftotext")) GTEST_SKIP() << "poppler-utils is not installed";
    struct Case {
        std::string paper;
        std::string size;  // as pdfinfo gives it, in points
    };
    for (const Case& c : {Case{"A4", "595 x 842"}, Case{"iso_a4_210x297mm", "595 x 842"}, Case{"Letter", "612 x 792"},
                          Case{"", "612 x 792"}, Case{"Legal", "612 x 1008"}}) {
        resetJournal();
        setCurrentPrinter(PrinterInfo{"Laser", "ipp://host/printers/laser", "", "laser", c.paper});
        Printer& p = printer();
        p.FontName = "Courier New";
        p.FontSize = 12;
        p.FontBold = true;
        // The folio's rule and its widest line: 92 characters of 12-point Courier.
        p.print(std::string(92, '_'));
        p.print("L" + std::string(90, '-') + "R");
        p.FontSize = 10;
        p.FontBold = false;
        p.print("Room 101 Deluxe");
        ASSERT_EQ(p.EndDoc(), "") << c.paper;
        ASSERT_TRUE(waitForJobs(std::chrono::seconds(10)));
        const fs::path pdf = journal().documents.at(0).pdf;
        std::string info = run("pdfinfo '" + pdf.string() + "'");
        EXPECT_NE(info.find(" " + c.size + " pts"), std::string::npos) << c.paper << "\n" << info;

        // Every word inside the page, the margins kept; the wide line whole, ends included.
        double pageWidth = std::stod(c.size);
        std::string bbox = run("pdftotext -bbox '" + pdf.string() + "' -");
        std::regex word(R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re");
        int words = 0;
        std::string all;
        for (auto it = std::sregex_iterator(bbox.begin(), bbox.end(), word); it != std::sregex_iterator(); ++it) {
            ++words;
            all += (*it)[3].str() + " ";
            EXPECT_GE(std::stod((*it)[1].str()), 17.0) << c.paper << " " << (*it)[3];
            EXPECT_LE(std::stod((*it)[2].str()), pageWidth - 17.0) << c.paper << " " << (*it)[3];
        }
        EXPECT_GE(words, 3) << bbox;
        EXPECT_NE(all.find("L" + std::string(90, '-') + "R"), std::string::npos) << all;
        EXPECT_NE(all.find("Room"), std::string::npos) << all;
        ASSERT_TRUE(waitForJobs(std::chrono::seconds(10)));
    }
}

TEST(PrintServerAnswers, TheDefaultPaperIsTheStarredPageSize) {
    EXPECT_EQ(parsePageSize("ColorModel/Color Mode: *Gray RGB\n"
                            "PageSize/Media Size: Letter Legal *A4 Custom.WIDTHxHEIGHT\n"),
              "A4");
    EXPECT_EQ(parsePageSize("media/Media: na_letter_8.5x11in *iso_a4_210x297mm\n"), "iso_a4_210x297mm");
    EXPECT_EQ(parsePageSize("Resolution/Resolution: *300dpi\n"), "");
    EXPECT_EQ(parsePageSize(""), "");
}

// A print server slower than a moment still lists its queues at the first opening.
TEST_F(PrintTest, TheFirstListWaitsForASlowPrintServer) {
    struct Slow : RecordingPrintServer {
        std::vector<PrinterInfo> queues() override {
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
            return RecordingPrintServer::queues();
        }
    };
    auto slow = std::make_shared<Slow>();
    slow->setQueues({{"laser", "ipp://host/printers/laser", "", "laser", "A4"}});
    setPrintServer(slow);
    std::vector<PrinterInfo> list = printers();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Paper, "A4");
    setPrintServer(server);
}

// Run as a child of the test below: prints tickets into the root it is given.
TEST(SpoolStation, PrintsTickets) {
    const char* count = std::getenv("PELK_SPOOL_STATION_TICKETS");
    if (!count) GTEST_SKIP() << "runs only as a station of SeveralStationsKeepEveryPrintout";
    ASSERT_TRUE(core::clock::fixFromEnvironment());
    setPrintServer(std::make_shared<RecordingPrintServer>());
    for (int i = 0; i < std::atoi(count); ++i) {
        printer().print("Ticket " + std::to_string(::getpid()) + " " + std::to_string(i));
        ASSERT_EQ(printer().EndDoc(), "");
    }
    ASSERT_TRUE(waitForJobs(std::chrono::seconds(30)));
}

// Two stations on one shared root print at the same second: every printout is kept.
TEST_F(PrintTest, SeveralStationsKeepEveryPrintout) {
    constexpr int kTickets = 100;  // each; the same holds for 600 each, which takes minutes
    std::vector<pid_t> stations;
    for (int s = 0; s < 2; ++s) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::setenv("PELKPOS_ROOT", root.path().c_str(), 1);
            ::setenv("PELKPOS_NOW", "2026-01-05 09:00:00", 1);
            ::setenv("PELK_SPOOL_STATION_TICKETS", std::to_string(kTickets).c_str(), 1);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::execl("/proc/self/exe", "print_tests", "--gtest_filter=SpoolStation.PrintsTickets", nullptr);
            ::_exit(127);
        }
        stations.push_back(pid);
    }
    for (pid_t pid : stations) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    std::set<std::string> tickets;
    int pdfs = 0;
    for (const auto& e : fs::directory_iterator(os::spoolFolder())) {
        std::string name = e.path().filename().string();
        if (name.ends_with(".pdf")) ++pdfs;
        if (name.ends_with(".txt")) tickets.insert(readFile(e.path()));
        EXPECT_FALSE(name.ends_with(".part")) << name;
    }
    EXPECT_EQ(tickets.size(), 2u * kTickets);
    EXPECT_EQ(pdfs, 2 * kTickets);
}

// The spool keeps printouts for a bounded age and no transcript a kill left without its PDF.
TEST_F(PrintTest, TheSpoolIsKeptToItsAgeAtStart) {
    struct Case {
        const char* days;  // PELKPOS_SPOOL_DAYS
        int age;           // of the printout, in days
        bool kept;
    };
    fs::create_directories(os::spoolFolder());
    auto made = [](const std::string& name, std::chrono::hours age) {
        fs::path p = os::spoolFolder() / name;
        std::ofstream(p) << "x";
        fs::last_write_time(p, fs::file_time_type::clock::now() - age);
        return p;
    };
    const char* before = std::getenv("PELKPOS_SPOOL_DAYS");
    std::string saved = before ? before : "";
    int n = 0;
    for (const Case& c : {Case{nullptr, 89, true}, Case{nullptr, 91, false}, Case{"5", 4, true}, Case{"5", 6, false},
                          Case{"none", 91, false}, Case{"0", 89, true}}) {
        if (c.days)
            ::setenv("PELKPOS_SPOOL_DAYS", c.days, 1);
        else
            ::unsetenv("PELKPOS_SPOOL_DAYS");
        std::string base = "20250101-090000-" + std::to_string(++n);
        fs::path pdf = made(base + ".pdf", std::chrono::hours(24 * c.age));
        fs::path txt = made(base + ".txt", std::chrono::hours(24 * c.age));
        removeSpoolLeftovers();
        EXPECT_EQ(fs::exists(pdf), c.kept) << (c.days ? c.days : "(unset)") << " " << c.age;
        EXPECT_EQ(fs::exists(txt), c.kept) << (c.days ? c.days : "(unset)") << " " << c.age;
    }
    if (before)
        ::setenv("PELKPOS_SPOOL_DAYS", saved.c_str(), 1);
    else
        ::unsetenv("PELKPOS_SPOOL_DAYS");

    fs::path alone = made("20260101-090000-001.txt", std::chrono::hours(1));
    fs::path printing = made("20260105-090000-001.txt", std::chrono::hours(0));
    fs::path otherStation = made(".elsewhere-1-pdf.1.part", std::chrono::hours(0));
    removeSpoolLeftovers();
    EXPECT_FALSE(fs::exists(alone)) << "a kill left it without its PDF";
    EXPECT_TRUE(fs::exists(printing)) << "its PDF may be on its way";
    EXPECT_TRUE(fs::exists(otherStation)) << "another machine's writer may be alive";
}

}  // namespace
}  // namespace pelk::print
