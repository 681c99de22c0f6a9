#include "platform/print/printer.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "platform/core/clock.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/print/pdf_renderer.h"

namespace pelk::print {

namespace fs = std::filesystem;

namespace {

Journal& journalState() {
    static Journal j;
    return j;
}

// Spool names sort by the clock; the count keeps two documents of one second apart.
fs::path spoolBase(std::string* error) {
    fs::path folder = os::spoolFolder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        *error = "Cannot make the spool folder " + folder.string() + ": " + ec.message();
        return {};
    }
    core::DateTime now = core::clock::now();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", now.date.year, now.date.month, now.date.day,
                  now.time.hour, now.time.minute, now.time.second);
    for (int n = 1;; ++n) {
        char name[48];
        std::snprintf(name, sizeof name, "%s-%03d", stamp, n);
        fs::path base = folder / name;
        if (!fs::exists(base.string() + ".pdf", ec) && !fs::exists(base.string() + ".txt", ec)) return base;
    }
}

std::string transcriptText(const std::vector<PrintedLine>& lines, std::string_view lineEnd) {
    std::string out;
    for (const auto& l : lines) {
        out += l.text;
        out += lineEnd;
    }
    return out;
}

void addError(std::string& all, const std::string& one) {
    if (one.empty()) return;
    if (!all.empty()) all += "\n";
    all += one;
}

}  // namespace

std::vector<std::string> PrintedDocument::texts() const {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const auto& l : lines) out.push_back(l.text);
    return out;
}

std::string Journal::portBytes() const {
    std::string out;
    for (const auto& w : portWrites) out += w.bytes;
    return out;
}

const Journal& journal() { return journalState(); }
void resetJournal() { journalState() = Journal{}; }

void Printer::print(std::string_view text) {
    // A line feed starts a new line on paper; a carriage return just before it belongs to it.
    for (;;) {
        std::size_t lf = text.find('\n');
        std::string_view part = text.substr(0, lf);
        if (lf != std::string_view::npos && !part.empty() && part.back() == '\r') part.remove_suffix(1);
        lines_.push_back({std::string(part), FontName, FontSize, FontBold, FontUnderline});
        if (lf == std::string_view::npos) break;
        text.remove_prefix(lf + 1);
    }
}

std::string Printer::EndDoc() {
    if (lines_.empty()) return {};
    std::vector<PrintedLine> lines = std::move(lines_);
    lines_.clear();
    std::optional<PrinterInfo> target = currentPrinter();

    PrintedDocument doc;
    doc.printer = target ? target->DeviceName : std::string();
    doc.lines = lines;
    std::string errors;

    std::string why;
    fs::path base = spoolBase(&why);
    addError(errors, why);
    if (!base.empty()) {
        fs::path txt = base.string() + ".txt";
        std::ofstream out(txt, std::ios::binary);
        out << transcriptText(lines, "\n");
        out.close();
        if (out)
            doc.transcript = txt;
        else
            addError(errors, "Cannot write " + txt.string());

        fs::path pdf = base.string() + ".pdf";
        std::string failed = detail::renderPdf(lines, PrintQuality, pdf, base.filename().string());
        if (failed.empty())
            doc.pdf = pdf;
        else
            addError(errors, "The printout could not be drawn: " + failed);
    }

    std::string device = target ? rawTarget(*target) : std::string();
    if (target && !target->Queue.empty()) {
        if (!doc.pdf.empty()) detail::submitJob(target->Queue, doc.pdf);
    } else if (!device.empty()) {
        // A device printer on a port (a receipt printer) takes the text itself.
        std::string failed;
        if (!os::writeRaw(device, transcriptText(lines, "\r\n"), &failed)) {
            addError(errors, "The printer " + target->DeviceName + " did not take the printout: " + failed);
        }
    } else if (!target) {
        if (!doc.pdf.empty()) detail::submitJob("", doc.pdf);
    } else {
        addError(errors, "The printer " + target->DeviceName + " has neither a device nor a print queue.");
    }

    journalState().documents.push_back(std::move(doc));
    return errors;
}

Printer& printer() {
    static Printer p;
    return p;
}

std::string writeToPort(std::string_view bytes) {
    std::optional<PrinterInfo> target = currentPrinter();
    if (!target) return "No printer is chosen, so there is no port to write to.";
    std::string device = rawTarget(*target);
    if (device.empty()) return "The port " + target->Port + " of " + target->DeviceName + " takes no raw bytes.";
    std::string why;
    if (!os::writeRaw(device, bytes, &why)) return why;
    journalState().portWrites.push_back({device, std::string(bytes)});
    return {};
}

}  // namespace pelk::print
