#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelk::print {

// One installed printer, as the legacy Printers collection shows it. The two extra fields
// say where its output really goes on this machine.
struct PrinterInfo {
    std::string DeviceName;
    std::string Port;
    // Where raw bytes go when the port is a name ("LPT1:", "USB001") rather than a path:
    // a Windows path (C:\ports\COM1, mapped under the root), a share path, or a /dev path.
    std::string Device = {};
    // The print-server queue that takes its documents; CUPS printers have their own name here.
    std::string Queue = {};
    // The paper the queue holds, as the print server names it ("A4", "Letter"); "" when it
    // says nothing, which prints on Letter.
    std::string Paper = {};

    friend bool operator==(const PrinterInfo&, const PrinterInfo&) = default;
};

// A port written as a path (C:\..., \\server\..., /dev/...) stands for a device that takes
// raw bytes; a port name such as "LPT1:" or a CUPS device URI does not.
bool isDevicePath(std::string_view port);
// Where raw bytes for this printer go: its Device, else its Port when that is a path, else "".
std::string rawTarget(const PrinterInfo& p);

// The print server: the queues it offers and the jobs sent to it. Both calls may block for as
// long as the server takes, so the print layer only makes them off the screen's thread.
class PrintServer {
public:
    virtual ~PrintServer() = default;
    // The queues, each with its device URI as the port and its own name as DeviceName and Queue.
    virtual std::vector<PrinterInfo> queues() = 0;
    // Sends a PDF to a queue ("" is the server's default destination); "" or why it failed.
    virtual std::string submit(const std::string& queue, const std::filesystem::path& pdf) = 0;
};

// CUPS through its command-line clients: `lpstat -v` for the queues, `lp` for the jobs, each
// killed when it runs too long (a dead server must not hold a thread for ever).
class CupsPrintServer : public PrintServer {
public:
    std::vector<PrinterInfo> queues() override;
    std::string submit(const std::string& queue, const std::filesystem::path& pdf) override;
};

// Reads the default paper of `lpoptions -p QUEUE -l` output: the starred choice of its
// PageSize (or media) line; "" when there is none.
std::string parsePageSize(std::string_view output);

// Reads `lpstat -v` output: "device for QUEUE: URI" lines, in the order given.
std::vector<PrinterInfo> parseLpstat(std::string_view output);

// A print server for tests and road scripts: offers the queues it is given and keeps the jobs
// sent to it. Thread-safe, as the print layer calls it from background threads.
class RecordingPrintServer : public PrintServer {
public:
    struct Job {
        std::string queue;
        std::filesystem::path pdf;
    };
    void setQueues(std::vector<PrinterInfo> q);
    // Every job fails with this reason when it is not empty.
    void setFailure(std::string why);
    std::vector<Job> jobs() const;

    std::vector<PrinterInfo> queues() override;
    std::string submit(const std::string& queue, const std::filesystem::path& pdf) override;

private:
    mutable std::mutex mutex_;
    std::vector<PrinterInfo> queues_;
    std::vector<Job> jobs_;
    std::string failure_;
};

// The server in use; CUPS unless replaced. Replacing it forgets the queues looked up so far.
void setPrintServer(std::shared_ptr<PrintServer> server);

// The station's own printers (receipt printers on a port, say), listed before the queues.
void setConfiguredPrinters(std::vector<PrinterInfo> printers);

// The station's printer list: the file `printers.txt` in the station folder, one printer a line,
// its name, port and (optionally) raw device separated by tabs ("Receipt\tLPT1:\t/dev/usb/lp0");
// blank lines and lines starting with "#" are left out. Lines that hold no name or no port are
// skipped and their numbers (from 1) given in `badLines`.
std::vector<PrinterInfo> parseStationPrinters(std::string_view text, std::vector<int>* badLines = nullptr);
std::filesystem::path stationPrintersFile();
// Reads the station's printer list and makes it the configured printers. "" or what the clerk
// should be told about lines that were skipped; a station without the file has none.
std::string loadStationPrinters();

// The Printers collection: the configured printers in their order, then the print server's
// queues in the server's order. The queues are looked up in the background and kept for a
// while; the first call waits for the server's first answer as long as it takes to come, at
// most `firstWait` (a lookup is given up after some seconds anyway), and later calls never
// wait, so a dead print server costs the screen one wait and nothing else.
std::vector<PrinterInfo> printers(std::chrono::milliseconds firstWait = std::chrono::milliseconds(8000));

// The current printer, which every printout and every raw write goes to. Empty means the
// machine's default printer (the print server's default destination); a selection stays in
// force for the rest of the run.
std::optional<PrinterInfo> currentPrinter();
void setCurrentPrinter(std::optional<PrinterInfo> p);

// The legacy pattern match of printer names: the whole `text` against `pattern`, case
// included; "*" any run of characters (none included), "?" one character, "#" one digit,
// "[abc]" or "[a-z]" one character of the list, "[!abc]" one character not in it; any other
// character stands for itself. A pattern with an unclosed "[" matches nothing.
bool matchesPattern(std::string_view text, std::string_view pattern);

// The front printer rule: the key is `path` when `port` is exactly "Network", else `port`;
// the first printer, in the collection's order, whose Port equals the key or whose
// DeviceName matches `namePattern` wins. Nothing when none qualifies (the caller keeps the
// current printer). An empty key matches no port: a printer without a port is not on "".
std::optional<PrinterInfo> findFrontPrinter(const std::vector<PrinterInfo>& printers, std::string_view port,
                                            std::string_view path, std::string_view namePattern);
// The port-only form: the first printer whose Port equals `port` exactly ("Network" too).
std::optional<PrinterInfo> findPrinterByPort(const std::vector<PrinterInfo>& printers, std::string_view port);

// Documents go to the print server on a background thread. A job that fails there is kept
// here for the screen to tell the clerk (the newest few; taking them empties the list).
std::vector<std::string> takeJobFailures();
// Waits until every job sent so far is done; false when `timeout` passed first. For tests and
// for the program's end.
bool waitForJobs(std::chrono::milliseconds timeout);

namespace detail {
// Hands a spooled PDF to the print server off the calling thread.
void submitJob(const std::string& queue, const std::filesystem::path& pdf);
// Runs `work` off the calling thread, after the works handed over before it (one at a time,
// in order); what it returns, when not "", is kept as a job failure. waitForJobs waits for it,
// and so does the program's end.
void runInOrder(std::function<std::string()> work);
}  // namespace detail

}  // namespace pelk::print
