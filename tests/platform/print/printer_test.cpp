#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/os/paths.h"
#include "platform/print/pdf_renderer.h"
#include "print_fixture.h"
#include "support/escpos_decode.h"

namespace pelk::print {
namespace {

namespace fs = std::filesystem;
using testing::PrintTest;

std::string sp(std::size_t n) { return std::string(n, ' '); }

// A folio-like page: every kind of font change, empty lines, runs of spaces that must survive
// exactly, a raw line feed inside a line, an underlined rule of blanks and a Chinese line.
void printMultiFontDocument(Printer& p) {
    p.PrintQuality = 300;
    p.FontName = "courier new";
    p.PrintQuality = -2;
    p.FontSize = 14;
    p.FontUnderline = false;
    p.print();
    p.print();
    p.print(sp(57) + "Invoice");
    p.print();
    p.print(sp(50) + "Check Out Date");
    p.FontSize = 11;
    p.print(sp(60) + "1/5/2026 9:00:00 AM");
    p.FontSize = 13;
    p.print(sp(2) + "Pelk Inn");
    p.FontSize = 11;
    p.print(sp(6) + "12 Harbour Road");
    p.print(sp(6) + "Tel 555-0100");
    p.print();
    p.print(sp(2) + "Guest Information:");
    p.print(sp(4) + "Ann Lee");
    p.FontSize = 9;
    p.print(sp(2) + "Clerk: Bo");
    p.FontSize = 12;
    p.FontBold = true;
    p.print(std::string(92, '_'));
    p.FontUnderline = true;
    p.print(sp(4) + "Guest#" + sp(10) + "From:" + sp(12) + "To:" + sp(13) + "Room:" + sp(8) + "Folio#:" + sp(16) +
            "\n");
    p.FontUnderline = false;
    p.FontSize = 10;
    p.FontBold = false;
    p.print(sp(5) + "2" + sp(18) + "1/5/2026" + sp(9) + "1/7/2026" + sp(13) + "101" + sp(13) + "1001");
    p.print();
    p.FontSize = 11;
    p.print(sp(5) + "2 " + sp(20) + "Room 101 Deluxe" + sp(29) + "240.00");
    p.FontUnderline = true;
    p.print(sp(100));
    p.FontUnderline = false;
    p.print(sp(65) + "Tax     " + "18.00");
    p.FontBold = true;
    p.print(sp(63) + "Total    " + "258.00");
    p.FontBold = false;
    p.FontName = "MS Sans Serif";
    p.print("谢谢光临 Thank you, come again.   ");
}

std::string fontListing(const PrintedDocument& doc) {
    std::string out;
    for (const auto& l : doc.lines) {
        char size[16];
        std::snprintf(size, sizeof size, "%g", l.fontSize);
        out += std::string(size) + " " + (l.bold ? "B" : "-") + (l.underline ? "U" : "-") + " " + l.fontName + "\n";
    }
    return out;
}

// Compares with a golden file under tests/fixtures/print. A missing golden file fails the
// test; PELK_UPDATE_GOLDEN=1 writes it from the actual text instead.
void expectGolden(const std::string& name, const std::string& actual) {
    fs::path golden = fs::path(PELK_TEST_SOURCE_DIR) / "fixtures" / "print" / name;
    if (const char* u = std::getenv("PELK_UPDATE_GOLDEN"); u && *u == '1') {
        std::ofstream(golden, std::ios::binary) << actual;
    }
    ASSERT_TRUE(fs::exists(golden)) << "golden file missing: " << golden;
    std::string expected = testing::PrintTest::readFile(golden);
    EXPECT_EQ(actual, expected) << "differs from " << golden;
}

std::string run(const std::string& command) {
    std::string out;
    if (FILE* f = popen(command.c_str(), "r")) {
        char buf[4096];
        while (std::size_t n = std::fread(buf, 1, sizeof buf, f)) out.append(buf, n);
        pclose(f);
    }
    return out;
}

bool havePdftotext() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

// The PDF may still be drawn off the screen's thread when EndDoc returns.
void expectValidPdf(const fs::path& pdf) {
    ASSERT_TRUE(waitForJobs(std::chrono::seconds(10)));
    ASSERT_TRUE(fs::exists(pdf)) << pdf;
    std::string bytes = testing::PrintTest::readFile(pdf);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    std::size_t end = bytes.find_last_not_of("\r\n ");
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(bytes.substr(end - 4, 5), "%%EOF");
}

TEST_F(PrintTest, MultiFontDocumentMatchesItsGoldenTranscriptAndFonts) {
    Printer& p = printer();
    printMultiFontDocument(p);
    ASSERT_EQ(p.EndDoc(), "");

    ASSERT_EQ(journal().documents.size(), 1u);
    const PrintedDocument& doc = journal().documents[0];
    EXPECT_EQ(doc.printer, "");
    ASSERT_FALSE(doc.transcript.empty());
    EXPECT_EQ(doc.transcript.parent_path(), os::spoolFolder());
    expectGolden("multi-font.txt", readFile(doc.transcript));
    expectGolden("multi-font.fonts.txt", fontListing(doc));

    // What the road scripts compare: whole lines, trailing blanks included; the line feed
    // ended the column heading early, so an empty line follows it.
    std::vector<std::string> texts = doc.texts();
    ASSERT_EQ(texts.size(), 23u);
    EXPECT_EQ(texts[2], sp(57) + "Invoice");
    EXPECT_EQ(texts[14],
              sp(4) + "Guest#" + sp(10) + "From:" + sp(12) + "To:" + sp(13) + "Room:" + sp(8) + "Folio#:" + sp(16));
    EXPECT_EQ(texts[15], "");
    EXPECT_EQ(texts[19], sp(100));
    EXPECT_TRUE(doc.lines[15].bold && doc.lines[15].underline) << "the line after a line feed keeps the font";

    // The font state outlives the document, as the printer holds it.
    EXPECT_EQ(p.FontName, "MS Sans Serif");
    EXPECT_TRUE(p.pending().empty());
}

TEST_F(PrintTest, EveryDocumentAlsoBecomesAValidPdf) {
    printMultiFontDocument(printer());
    ASSERT_EQ(printer().EndDoc(), "");
    const PrintedDocument& doc = journal().documents.at(0);
    expectValidPdf(doc.pdf);
    EXPECT_EQ(doc.pdf.parent_path(), os::spoolFolder());
    EXPECT_EQ(doc.pdf.stem(), doc.transcript.stem());

    if (!havePdftotext()) GTEST_SKIP() << "pdftotext is not installed";
    std::string text = run("pdftotext -layout '" + doc.pdf.string() + "' -");
    for (const char* word :
         {"Invoice", "Check Out Date", "Guest Information:", "Folio#:", "Room 101 Deluxe", "258.00", "谢谢光临"}) {
        EXPECT_NE(text.find(word), std::string::npos) << word << " missing from:\n" << text;
    }
}

TEST_F(PrintTest, LongDocumentsBreakIntoPagesWithoutLosingALine) {
    Printer& p = printer();
    p.FontSize = 12;
    for (int i = 1; i <= 150; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "Line %03d", i);
        p.print(line);
    }
    ASSERT_EQ(p.EndDoc(), "");
    const fs::path pdf = journal().documents.at(0).pdf;
    expectValidPdf(pdf);
    if (!havePdftotext()) GTEST_SKIP() << "pdftotext is not installed";
    std::string text = run("pdftotext '" + pdf.string() + "' -");
    for (int i = 1; i <= 150; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "Line %03d", i);
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    std::size_t pages = std::count(text.begin(), text.end(), '\f');
    EXPECT_GE(pages, 2u);
    EXPECT_LE(pages, 4u);
}

TEST_F(PrintTest, LineFeedsEndLinesAndAnEmptyDocumentPrintsNothing) {
    Printer& p = printer();
    p.print("a\nb");
    p.print("c\r\nd");
    p.print("e\n");
    std::vector<std::string> texts;
    for (const auto& l : p.pending()) texts.push_back(l.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"a", "b", "c", "d", "e", ""}));
    p = Printer{};

    p.FontBold = true;
    EXPECT_EQ(p.EndDoc(), "");
    EXPECT_TRUE(journal().documents.empty());
    EXPECT_FALSE(fs::exists(os::spoolFolder()) && !fs::is_empty(os::spoolFolder()));
}

TEST_F(PrintTest, DocumentsOfOneSecondKeepTheirOwnSpoolFiles) {
    for (const char* what : {"first", "second"}) {
        printer().print(what);
        ASSERT_EQ(printer().EndDoc(), "");
    }
    ASSERT_EQ(journal().documents.size(), 2u);
    EXPECT_NE(journal().documents[0].pdf, journal().documents[1].pdf);
    EXPECT_EQ(readFile(journal().documents[0].transcript), "first\n");
    EXPECT_EQ(readFile(journal().documents[1].transcript), "second\n");
}

// Only whole copies are in the spool, for the station's own account; copies a killed printout
// left half-written are removed at the next start, those of a printout still running are not.
TEST_F(PrintTest, TheSpoolHoldsOnlyWholeCopiesForItsOwner) {
    test::TempRoot root;
    printer().print("whole");
    ASSERT_EQ(printer().EndDoc(), "");
    ASSERT_TRUE(waitForJobs(std::chrono::seconds(10)));
    const PrintedDocument& doc = journal().documents.back();
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(os::spoolFolder())) {
        names.push_back(e.path().filename().string());
        EXPECT_EQ(std::filesystem::status(e.path()).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
            << names.back();
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{doc.pdf.filename().string(), doc.transcript.filename().string()}));
    EXPECT_EQ(std::filesystem::status(os::spoolFolder()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);

    // A writer long gone (no process has pid 2^22 + 1 here) and one alive (this test).
    std::filesystem::path dead = os::spoolFolder() / ".20260105-090000-009.pdf.4194305.part";
    std::filesystem::path alive =
        os::spoolFolder() / (".20260105-090000-010.pdf." + std::to_string(::getpid()) + ".part");
    std::ofstream(dead) << "";
    std::ofstream(alive) << "";
    removeSpoolLeftovers();
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(alive));
    EXPECT_TRUE(std::filesystem::exists(doc.pdf));
    EXPECT_TRUE(std::filesystem::exists(doc.transcript));
}

TEST_F(PrintTest, DocumentsGoToTheQueueOfTheCurrentPrinterOffTheScreensThread) {
    printer().print("to the default printer");
    ASSERT_EQ(printer().EndDoc(), "");
    setCurrentPrinter(PrinterInfo{"Laser", "ipp://host/printers/laser", "", "laser"});
    printer().print("to the laser");
    ASSERT_EQ(printer().EndDoc(), "");

    ASSERT_TRUE(waitForJobs(std::chrono::seconds(10)));
    auto jobs = server->jobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].queue, "");
    EXPECT_EQ(jobs[0].pdf, journal().documents[0].pdf);
    EXPECT_EQ(jobs[1].queue, "laser");
    EXPECT_EQ(journal().documents[1].printer, "Laser");
    EXPECT_TRUE(takeJobFailures().empty());
}

TEST_F(PrintTest, APrintServerFailureIsKeptForTheClerk) {
    server->setFailure("printer is out of paper");
    setCurrentPrinter(PrinterInfo{"Laser", "ipp://host/printers/laser", "", "laser"});
    printer().print("x");
    EXPECT_EQ(printer().EndDoc(), "");  // the job is still on its way when EndDoc returns
    ASSERT_TRUE(waitForJobs(std::chrono::seconds(10)));
    auto failures = takeJobFailures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("laser"), std::string::npos);
    EXPECT_NE(failures[0].find("out of paper"), std::string::npos);
    EXPECT_TRUE(takeJobFailures().empty());
}

TEST_F(PrintTest, ASpoolThatCannotBeWrittenIsReportedAndTheDocumentStillCounts) {
    fs::create_directories(os::spoolFolder().parent_path());
    std::ofstream(os::spoolFolder()) << "a file where the spool folder belongs";
    printer().print("x");
    std::string why = printer().EndDoc();
    EXPECT_NE(why.find("spool"), std::string::npos) << why;
    ASSERT_EQ(journal().documents.size(), 1u);
    EXPECT_TRUE(journal().documents[0].pdf.empty());
    ASSERT_TRUE(waitForJobs(std::chrono::seconds(10)));
    EXPECT_TRUE(server->jobs().empty());
}

// A receipt printer speaks ESC/POS: it gets its commands around the text, each copy cut off.
TEST_F(PrintTest, ADevicePrinterTakesTheTextOnItsPort) {
    fs::create_directories(os::mapPath("C:\\ports"));
    setConfiguredPrinters({{"Receipt", "C:\\ports\\COM1"}});
    setCurrentPrinter(printers().at(0));
    printer().print("Pelk Inn");
    printer().print();
    printer().print("Total: 8.50  ");
    ASSERT_EQ(printer().EndDoc(), "");
    EXPECT_EQ(test::decodeEscPos(readFile(os::mapPath("C:\\ports\\COM1"))),
              (std::vector<std::string>{"init", "codepage 0", "text Pelk Inn", "lf", "lf", "text Total: 8.50  ", "lf",
                                        "feed 4", "cut 1"}));
    expectValidPdf(journal().documents.at(0).pdf);
    ASSERT_TRUE(waitForJobs(std::chrono::seconds(10)));
    EXPECT_TRUE(server->jobs().empty());
}

TEST_F(PrintTest, APrinterWithNowhereToPrintIsReported) {
    setCurrentPrinter(PrinterInfo{"Kitchen", "LPT2:"});
    printer().print("x");
    EXPECT_NE(printer().EndDoc(), "");
    setCurrentPrinter(PrinterInfo{"Receipt", "C:\\missing\\COM1"});
    printer().print("x");
    EXPECT_NE(printer().EndDoc().find("Receipt"), std::string::npos);
    EXPECT_EQ(journal().documents.size(), 2u);
}

const std::string kDrawerPulse("\x1B\x70\x00\x14\x64\x0D\x0A", 7);

TEST_F(PrintTest, TheCashDrawerPulseReachesAFilePortExactly) {
    fs::create_directories(os::mapPath("C:\\ports"));
    setCurrentPrinter(PrinterInfo{"Receipt", "C:\\ports\\COM1"});
    ASSERT_EQ(writeToPort(kDrawerPulse), "");
    EXPECT_EQ(readFile(os::mapPath("C:\\ports\\COM1")), kDrawerPulse);
    EXPECT_EQ(journal().portBytes(), kDrawerPulse);

    // A named port with its device elsewhere: the bytes go to the device.
    const fs::path lp0 = root.path() / "lp0";
    setCurrentPrinter(PrinterInfo{"Receipt", "LPT1:", lp0.string()});
    ASSERT_EQ(writeToPort(kDrawerPulse), "");
    EXPECT_EQ(readFile(lp0), kDrawerPulse);
    ASSERT_EQ(journal().portWrites.size(), 2u);
    EXPECT_EQ(journal().portWrites[1].port, lp0.string());

    resetJournal();
    EXPECT_EQ(journal().portBytes(), "");
    EXPECT_TRUE(journal().documents.empty());
}

TEST_F(PrintTest, APulseThatCannotBeWrittenIsReportedAndNotJournalled) {
    EXPECT_NE(writeToPort(kDrawerPulse), "");  // no printer chosen
    setCurrentPrinter(PrinterInfo{"Laser", "ipp://host/printers/laser", "", "laser"});
    EXPECT_NE(writeToPort(kDrawerPulse), "");  // a queue takes no raw bytes
    setCurrentPrinter(PrinterInfo{"Receipt", "C:\\no such folder\\COM1"});
    EXPECT_NE(writeToPort(kDrawerPulse), "");
    EXPECT_TRUE(journal().portWrites.empty());
}

TEST(PrintFonts, LegacyNamesFallOnInstalledFonts) {
    EXPECT_EQ(detail::substituteFont("courier new"), "DejaVu Sans Mono");
    EXPECT_EQ(detail::substituteFont("Courier New"), "DejaVu Sans Mono");
    EXPECT_EQ(detail::substituteFont("Lucida Console"), "DejaVu Sans Mono");
    EXPECT_EQ(detail::substituteFont("MS Sans Serif"), "DejaVu Sans");
    EXPECT_EQ(detail::substituteFont("Arial"), "DejaVu Sans");
}

}  // namespace
}  // namespace pelk::print
