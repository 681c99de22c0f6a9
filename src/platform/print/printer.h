#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print/printers.h"

namespace pelk::print {

// One line on paper with the font it was printed in.
struct PrintedLine {
    std::string text;
    std::string fontName = {};
    double fontSize = 0;
    bool bold = false;
    bool underline = false;
    friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};

// One ended document as the run printed it.
struct PrintedDocument {
    std::string printer;             // DeviceName of the printer it went to; "" for the default printer
    std::vector<PrintedLine> lines;  // a raw line feed inside a printed line has already ended a line
    std::filesystem::path pdf;       // the spooled copies (empty when they could not be written)
    std::filesystem::path transcript;
    std::vector<std::string> texts() const;
};

// Raw bytes that reached a printer port.
struct PortWrite {
    std::string port;
    std::string bytes;
};

// What this run printed, for the road scripts and the screens' tests.
struct Journal {
    std::vector<PrintedDocument> documents;
    std::vector<PortWrite> portWrites;
    std::string portBytes() const;  // every byte written to ports, in order
};
const Journal& journal();
void resetJournal();

// The legacy Printer object: a font state that stays in force until changed (across
// documents too), lines printed one by one, and EndDoc. Used from the screen's thread only.
class Printer {
public:
    std::string FontName = "Courier New";
    double FontSize = 10;
    bool FontBold = false;
    bool FontUnderline = false;
    // Dots per inch when positive; -1 draft, -2 low, -3 medium, -4 high, as the legacy values.
    int PrintQuality = -4;

    // Prints `text` as one line in the current font; no text prints an empty line. A line
    // feed inside the text ends a line there, as it does on paper.
    void print(std::string_view text = {});

    // Ends the document: keeps a PDF (on the paper of the current printer's queue) and a
    // plain-text transcript (one line a line) in the spool folder, under a name no other
    // station's printout takes, then sends it to the current printer: a print-server queue off
    // this thread, a device port as ESC/POS (escposDocument) within os::kRawWriteLimit, a
    // device that does not answer being told. The transcript is written before it returns; the
    // PDF is drawn off this thread, in order (all but a run's first printout, which readies the
    // drawing), and waitForJobs waits for it. Returns "" or why something failed, for the
    // screen to tell the clerk; a failure of the drawing or of the print server shows later,
    // through takeJobFailures(). A document with no line prints nothing, as before.
    std::string EndDoc();

    // The lines printed since the last EndDoc.
    const std::vector<PrintedLine>& pending() const { return lines_; }

private:
    std::vector<PrintedLine> lines_;
};

// Tidies the spool folder at start: removes the copies that printouts killed half-way left
// (hidden parts of dead writers, a transcript left without its PDF) and every printout older
// than spoolKeptDays(), so the spool does not grow for ever.
void removeSpoolLeftovers();
// How many days printouts stay in the spool: PELKPOS_SPOOL_DAYS when it is a whole number of
// at least 1, else 90.
int spoolKeptDays();

// The one Printer object of the program.
Printer& printer();

// Writes raw bytes (the cash-drawer pulse) to the current printer's port: its device, or its
// port when that is a path, within os::kRawWriteLimit. Returns "" or why nothing was written.
std::string writeToPort(std::string_view bytes);

}  // namespace pelk::print
