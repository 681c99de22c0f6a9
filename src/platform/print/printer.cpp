#include "platform/print/printer.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
    bool made = !fs::exists(folder, ec);
    fs::create_directories(folder, ec);
    if (!ec && made) fs::permissions(folder, fs::perms::owner_all, ec);
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

// A copy being written: hidden, named after its writer, so that only a dead writer's is removed.
fs::path partName(const fs::path& whole) {
    return whole.parent_path() / ("." + whole.filename().string() + "." + std::to_string(::getpid()) + ".part");
}

// Put in place only when whole, so that a printout killed half-way leaves no empty copy.
bool putInPlace(const fs::path& part, const fs::path& whole) {
    std::error_code ec;
    fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, ec);
    fs::rename(part, whole, ec);
    if (ec) fs::remove(part, ec);
    return !ec;
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

void removeSpoolLeftovers() {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(os::spoolFolder(), ec)) {
        std::string n = e.path().filename().string();
        if (n.size() < 6 || n[0] != '.' || !n.ends_with(".part")) continue;
        std::string rest = n.substr(0, n.size() - 5);
        std::size_t dot = rest.rfind('.');
        if (dot == std::string::npos) continue;
        long pid = std::strtol(rest.c_str() + dot + 1, nullptr, 10);
        // A writer still alive is printing now.
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0) continue;
        if (pid > 0 && errno == EPERM) continue;
        std::error_code gone;
        fs::remove(e.path(), gone);
    }
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
        std::ofstream out(partName(txt), std::ios::binary);
        out << transcriptText(lines, "\n");
        out.close();
        if (out && putInPlace(partName(txt), txt))
            doc.transcript = txt;
        else
            addError(errors, "Cannot write " + txt.string());

        fs::path pdf = base.string() + ".pdf";
        std::string failed = detail::renderPdf(lines, PrintQuality, partName(pdf), base.filename().string());
        if (failed.empty() && !putInPlace(partName(pdf), pdf)) failed = "Cannot write " + pdf.string();
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
