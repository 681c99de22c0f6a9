#include "platform/print/printer.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <system_error>

#include "platform/core/clock.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/print/escpos.h"
#include "platform/print/pdf_renderer.h"
#include "platform/print/printers.h"

namespace pelk::print {

namespace fs = std::filesystem;

namespace {

Journal& journalState() {
    static Journal j;
    return j;
}

// Spool names sort by the clock; the count keeps two documents of one second apart.
fs::path spoolStamp(std::string* error) {
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
    return folder / stamp;
}

// A copy being written: hidden, named after its writer (this machine, this process, this
// copy), so that stations sharing the spool never write into one file and only a dead
// writer's copy is removed.
std::string hostTag() {
    char host[64] = "station";
    ::gethostname(host, sizeof host - 1);
    host[sizeof host - 1] = '\0';
    for (char* c = host; *c; ++c) {
        if (*c == '.' || *c == '/') *c = '-';
    }
    return host;
}

fs::path partName(const fs::path& folder, std::string_view kind) {
    static std::atomic<unsigned> count{0};
    return folder / ("." + hostTag() + "-" + std::to_string(++count) + "-" + std::string(kind) + "." +
                     std::to_string(::getpid()) + ".part");
}

// Claims the first free name of the stamp for both copies. A link never replaces a file,
// so a station that picked the same name at the same moment keeps its own printout and
// this one takes the next number.
fs::path putInPlace(const fs::path& stamp, const fs::path& txtPart, const fs::path& pdfPart, std::string* error) {
    std::error_code ec;
    for (const fs::path& part : {txtPart, pdfPart}) {
        if (!part.empty()) fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, ec);
    }
    auto place = [](const fs::path& part, const fs::path& whole) {
        if (::link(part.c_str(), whole.c_str()) == 0) return 0;
        if (errno == EEXIST) return EEXIST;
        // A share that knows no hard links: the check and the rename are as close as it allows.
        std::error_code e;
        if (fs::exists(whole, e)) return EEXIST;
        fs::rename(part, whole, e);
        return e ? (e.value() ? e.value() : EIO) : 0;
    };
    for (int n = 1; n < 100000; ++n) {
        char number[16];
        std::snprintf(number, sizeof number, "-%03d", n);
        fs::path base = stamp.string() + number;
        fs::path txt = base.string() + ".txt", pdf = base.string() + ".pdf";
        if (fs::exists(txt, ec) || fs::exists(pdf, ec)) continue;
        int r = txtPart.empty() ? 0 : place(txtPart, txt);
        if (r == EEXIST) continue;
        if (r == 0 && !pdfPart.empty()) {
            int rp = place(pdfPart, pdf);
            if (rp == EEXIST) {
                // Given back: the transcript went in by a rename where the share has no links.
                if (!txtPart.empty() && !fs::exists(txtPart, ec))
                    fs::rename(txt, txtPart, ec);
                else if (!txtPart.empty())
                    fs::remove(txt, ec);
                continue;
            }
            r = rp;
        }
        for (const fs::path& part : {txtPart, pdfPart}) {
            if (!part.empty()) fs::remove(part, ec);
        }
        if (r != 0) {
            *error = "Cannot write " + base.string() + ": " + std::strerror(r);
            return {};
        }
        return base;
    }
    *error = "Cannot find a free name in the spool folder for " + stamp.string();
    return {};
}

std::string transcriptText(const std::vector<PrintedLine>& lines, std::string_view lineEnd) {
    std::string out;
    for (const auto& l : lines) {
        out += l.text;
        out += lineEnd;
    }
    return out;
}

std::string noAnswer(const PrinterInfo& p) {
    return "The receipt printer " + p.DeviceName + " does not answer. Check that it is on and connected.";
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

int spoolKeptDays() {
    const char* v = std::getenv("PELKPOS_SPOOL_DAYS");
    if (!v || !*v) return 90;
    char* end = nullptr;
    long days = std::strtol(v, &end, 10);
    return *end == '\0' && days >= 1 && days <= 100000 ? static_cast<int>(days) : 90;
}

void removeSpoolLeftovers() {
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    const auto keep = std::chrono::hours(24) * spoolKeptDays();
    for (const auto& e : fs::directory_iterator(os::spoolFolder(), ec)) {
        std::string n = e.path().filename().string();
        std::error_code old;
        auto written = fs::last_write_time(e.path(), old);
        if (!old && n[0] != '.' && e.is_regular_file(old) && now - written > keep) {
            fs::remove(e.path(), old);
            continue;
        }
        // A transcript is put in place just before its PDF; one alone for a while was killed
        // between the two (a station printing now is given the while).
        if (n.ends_with(".txt") && !old && now - written > std::chrono::minutes(10)) {
            fs::path pdf = e.path();
            pdf.replace_extension(".pdf");
            if (!fs::exists(pdf, old)) {
                fs::remove(e.path(), old);
                continue;
            }
        }
        if (n.size() < 6 || n[0] != '.' || !n.ends_with(".part")) continue;
        std::string rest = n.substr(0, n.size() - 5);
        std::size_t dot = rest.rfind('.');
        if (dot == std::string::npos) continue;
        long pid = std::strtol(rest.c_str() + dot + 1, nullptr, 10);
        // Another machine's writer cannot be asked whether it lives; its part is given a while.
        bool mine = std::isdigit(static_cast<unsigned char>(n[1])) || n.starts_with("." + hostTag() + "-");
        if (!mine && (old || now - written < std::chrono::minutes(10))) continue;
        // A writer still alive is printing now.
        if (mine && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) == 0) continue;
        if (mine && pid > 0 && errno == EPERM) continue;
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

namespace {

// Off the screen's thread: the PDF drawn under a name of its own, put where the transcript's
// document said it would be, and sent on when it goes to a queue.
std::string drawInPlace(const std::vector<PrintedLine>& lines, int quality, const fs::path& pdf,
                        const std::string& title, const std::string& paper, const std::optional<std::string>& sendTo) {
    std::error_code ec;
    fs::path part = partName(pdf.parent_path(), "pdf");
    if (std::string failed = detail::renderPdf(lines, quality, part, title, paper); !failed.empty()) {
        fs::remove(part, ec);
        return "The printout could not be drawn: " + failed;
    }
    fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, ec);
    // A link never replaces a file: another station's copy under this name stays its own.
    int placed = ::link(part.c_str(), pdf.c_str()) == 0 ? 0 : errno;
    if (placed != 0 && placed != EEXIST) {
        if (!fs::exists(pdf, ec)) {
            fs::rename(part, pdf, ec);
            placed = ec ? (ec.value() ? ec.value() : EIO) : 0;
        } else {
            placed = EEXIST;
        }
    }
    fs::remove(part, ec);
    if (placed != 0) return "Cannot write " + pdf.string() + ": " + std::strerror(placed);
    if (sendTo) detail::submitJob(*sendTo, pdf);
    return {};
}

}  // namespace

std::string Printer::EndDoc() {
    if (lines_.empty()) return {};
    std::vector<PrintedLine> lines = std::move(lines_);
    lines_.clear();
    std::optional<PrinterInfo> target = currentPrinter();

    std::error_code ec;
    PrintedDocument doc;
    doc.printer = target ? target->DeviceName : std::string();
    doc.lines = lines;
    std::string errors;

    std::string why;
    fs::path stamp = spoolStamp(&why);
    addError(errors, why);
    if (!stamp.empty()) {
        fs::path txtPart = partName(stamp.parent_path(), "txt");
        std::ofstream out(txtPart, std::ios::binary);
        out << transcriptText(lines, "\n");
        out.close();
        if (!out) {
            addError(errors, "Cannot write " + txtPart.string());
            fs::remove(txtPart, ec);
            txtPart.clear();
        }
        std::string paper = target ? target->Paper : std::string();
        std::string title = stamp.filename().string();
        // Where there is a transcript, its name is claimed now, with the PDF's beside it kept
        // free, and the PDF is drawn off the screen's thread (a long folio takes a while).
        // The first printout of a run is drawn here: it readies what drawing needs once.
        static std::atomic<bool> drawnOnce{false};
        std::string cannotDraw = drawnOnce ? detail::prepareRenderer() : std::string();
        if (!txtPart.empty() && drawnOnce && cannotDraw.empty()) {
            std::string placed;
            fs::path base = putInPlace(stamp, txtPart, {}, &placed);
            addError(errors, placed);
            if (!base.empty()) {
                doc.transcript = base.string() + ".txt";
                doc.pdf = base.string() + ".pdf";
                std::optional<std::string> sendTo;
                if (target && !target->Queue.empty())
                    sendTo = target->Queue;
                else if (!target)
                    sendTo = std::string();
                detail::runInOrder([lines, quality = PrintQuality, pdf = doc.pdf, title, paper, sendTo] {
                    return drawInPlace(lines, quality, pdf, title, paper, sendTo);
                });
            }
        } else {
            fs::path pdfPart = partName(stamp.parent_path(), "pdf");
            std::string failed =
                cannotDraw.empty() ? detail::renderPdf(lines, PrintQuality, pdfPart, title, paper) : cannotDraw;
            drawnOnce = true;
            if (!failed.empty()) {
                addError(errors, "The printout could not be drawn: " + failed);
                fs::remove(pdfPart, ec);
                pdfPart.clear();
            }
            if (!txtPart.empty() || !pdfPart.empty()) {
                std::string placed;
                fs::path base = putInPlace(stamp, txtPart, pdfPart, &placed);
                addError(errors, placed);
                if (!base.empty() && !txtPart.empty()) doc.transcript = base.string() + ".txt";
                if (!base.empty() && !pdfPart.empty()) doc.pdf = base.string() + ".pdf";
            }
            if (!doc.pdf.empty()) {
                if (target && !target->Queue.empty())
                    detail::submitJob(target->Queue, doc.pdf);
                else if (!target)
                    detail::submitJob("", doc.pdf);
            }
        }
    }

    std::string device = target ? rawTarget(*target) : std::string();
    if (target && !target->Queue.empty()) {
        // Sent with its PDF, above.
    } else if (!device.empty()) {
        // A device printer on a port (a receipt printer) takes the text itself, as ESC/POS.
        std::string failed;
        os::RawResult r = os::writeRawWithin(device, escposDocument(lines), os::kRawWriteLimit, &failed);
        if (r == os::RawResult::NoAnswer)
            addError(errors, noAnswer(*target));
        else if (r == os::RawResult::Failed)
            addError(errors, "The printer " + target->DeviceName + " did not take the printout: " + failed);
    } else if (!target) {
        // The default printer's too.
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
    os::RawResult r = os::writeRawWithin(device, bytes, os::kRawWriteLimit, &why);
    if (r == os::RawResult::NoAnswer) return noAnswer(*target);
    if (r == os::RawResult::Failed) return why;
    journalState().portWrites.push_back({device, std::string(bytes)});
    return {};
}

}  // namespace pelk::print
