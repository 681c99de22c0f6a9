#include "platform/print/printers.h"

#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <thread>

#include "platform/os/paths.h"
#include "platform/print/command.h"

namespace pelk::print {

namespace {

using std::chrono::milliseconds;
using Steady = std::chrono::steady_clock;

constexpr auto kRefreshAfter = std::chrono::seconds(60);
constexpr auto kLookupTimeout = std::chrono::seconds(5);
constexpr auto kJobTimeout = std::chrono::seconds(60);
constexpr std::size_t kKeptFailures = 20;

// What one print server has answered. A new server gets a new cache, so a late answer of a
// server replaced meanwhile lands in a cache nobody reads.
struct QueueCache {
    std::mutex mutex;
    std::condition_variable answered;
    std::vector<PrinterInfo> queues;
    bool hasAnswer = false;
    bool looking = false;
    bool waitedOnce = false;
    Steady::time_point answeredAt;
};

struct JobState {
    std::mutex mutex;
    std::condition_variable done;
    int pending = 0;
    std::deque<std::string> failures;
    // The works run in order, by one thread that lives as long as the program: a thread that
    // had drawn and then ended would tear down its drawing state while the program may be
    // ending too.
    std::deque<std::function<std::string()>> inOrder;
    std::condition_variable more;
    bool runnerStarted = false, working = false;
};

void keepFailure(JobState& jobs, std::string why) {
    jobs.failures.push_back(std::move(why));
    if (jobs.failures.size() > kKeptFailures) jobs.failures.pop_front();
}

struct State {
    std::mutex mutex;
    std::shared_ptr<PrintServer> server = std::make_shared<CupsPrintServer>();
    std::shared_ptr<QueueCache> cache = std::make_shared<QueueCache>();
    std::shared_ptr<JobState> jobs = std::make_shared<JobState>();
    std::vector<PrinterInfo> configured;
    std::optional<PrinterInfo> current;
};

State& state() {
    static State s;
    return s;
}

// Starts a lookup unless one runs; the caller holds the cache's mutex.
void startLookup(const std::shared_ptr<QueueCache>& cache, const std::shared_ptr<PrintServer>& server) {
    cache->looking = true;
    std::thread([cache, server] {
        std::vector<PrinterInfo> q;
        try {
            q = server->queues();
        } catch (...) {
            // A server that throws lists no queues; the configured printers still print.
        }
        std::lock_guard lock(cache->mutex);
        cache->queues = std::move(q);
        cache->hasAnswer = true;
        cache->looking = false;
        cache->answeredAt = Steady::now();
        cache->answered.notify_all();
    }).detach();
}

// One pattern element; each but the star stands for exactly one character.
struct Token {
    enum Kind { Star, Any, Digit, List, Literal } kind;
    char32_t ch = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges = {};
};

std::u32string decode(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (extra && i + extra >= s.size()) extra = 0;
        char32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += 1 + extra;
    }
    return out;
}

std::optional<std::vector<Token>> tokenize(std::u32string_view p) {
    std::vector<Token> out;
    for (std::size_t i = 0; i < p.size(); ++i) {
        char32_t c = p[i];
        if (c == U'*') {
            if (out.empty() || out.back().kind != Token::Star) out.push_back({Token::Star});
        } else if (c == U'?') {
            out.push_back({Token::Any});
        } else if (c == U'#') {
            out.push_back({Token::Digit});
        } else if (c == U'[') {
            std::size_t close = p.find(U']', i + 1);
            if (close == std::u32string_view::npos) return std::nullopt;
            std::u32string_view body = p.substr(i + 1, close - i - 1);
            i = close;
            if (body.empty()) continue;  // "[]" stands for no character at all
            Token t{Token::List};
            if (body[0] == U'!') {
                t.negated = true;
                body.remove_prefix(1);
            }
            for (std::size_t k = 0; k < body.size(); ++k) {
                if (k + 2 < body.size() && body[k + 1] == U'-') {
                    if (body[k] > body[k + 2]) return std::nullopt;
                    t.ranges.emplace_back(body[k], body[k + 2]);
                    k += 2;
                } else {
                    t.ranges.emplace_back(body[k], body[k]);
                }
            }
            out.push_back(std::move(t));
        } else {
            out.push_back({Token::Literal, c});
        }
    }
    return out;
}

bool matchesOne(const Token& t, char32_t c) {
    switch (t.kind) {
        case Token::Any:
            return true;
        case Token::Digit:
            return c >= U'0' && c <= U'9';
        case Token::Literal:
            return c == t.ch;
        case Token::List: {
            bool in = false;
            for (auto [lo, hi] : t.ranges) in = in || (c >= lo && c <= hi);
            return in != t.negated;
        }
        case Token::Star:
            return false;
    }
    return false;
}

}  // namespace

bool isDevicePath(std::string_view port) {
    if (port.empty()) return false;
    if (port[0] == '/') return true;
    if (port.size() >= 2 && port[0] == '\\' && port[1] == '\\') return true;
    bool letter = (port[0] >= 'A' && port[0] <= 'Z') || (port[0] >= 'a' && port[0] <= 'z');
    return port.size() >= 3 && letter && port[1] == ':' && (port[2] == '\\' || port[2] == '/');
}

std::string rawTarget(const PrinterInfo& p) {
    if (!p.Device.empty()) return p.Device;
    return isDevicePath(p.Port) ? p.Port : std::string();
}

std::vector<PrinterInfo> parseLpstat(std::string_view output) {
    std::vector<PrinterInfo> out;
    constexpr std::string_view kLead = "device for ";
    while (!output.empty()) {
        std::size_t nl = output.find('\n');
        std::string_view line = output.substr(0, nl);
        output = nl == std::string_view::npos ? std::string_view() : output.substr(nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.starts_with(kLead)) continue;
        line.remove_prefix(kLead.size());
        std::size_t colon = line.find(": ");
        if (colon == std::string_view::npos || colon == 0) continue;
        std::string name(line.substr(0, colon));
        out.push_back({name, std::string(line.substr(colon + 2)), "", name});
    }
    return out;
}

std::string parsePageSize(std::string_view output) {
    while (!output.empty()) {
        std::size_t nl = output.find('\n');
        std::string_view line = output.substr(0, nl);
        output = nl == std::string_view::npos ? std::string_view() : output.substr(nl + 1);
        if (!line.starts_with("PageSize/") && !line.starts_with("PageSize:") && !line.starts_with("media/") &&
            !line.starts_with("media:"))
            continue;
        std::size_t star = line.find(" *", line.find(':'));
        if (star == std::string_view::npos) continue;
        std::string_view choice = line.substr(star + 2);
        choice = choice.substr(0, choice.find_first_of(" \t\r"));
        if (!choice.empty()) return std::string(choice);
    }
    return {};
}

std::vector<PrinterInfo> CupsPrintServer::queues() {
    auto r = detail::runCommand({"lpstat", "-v"}, kLookupTimeout);
    if (!r.started || r.timedOut) return {};
    std::vector<PrinterInfo> found = parseLpstat(r.output);
    for (auto& q : found) {
        auto options = detail::runCommand({"lpoptions", "-p", q.Queue, "-l"}, kLookupTimeout);
        if (options.started && !options.timedOut && options.exitCode == 0) q.Paper = parsePageSize(options.output);
    }
    return found;
}

std::string CupsPrintServer::submit(const std::string& queue, const std::filesystem::path& pdf) {
    std::vector<std::string> argv{"lp"};
    // One word, so a queue name can never pass for an option of its own.
    if (!queue.empty()) argv.push_back("-d" + queue);
    argv.push_back(pdf.string());
    auto r = detail::runCommand(argv, kJobTimeout);
    if (!r.started) return "The print command (lp) could not be started: " + r.output;
    if (r.timedOut) return "The print server did not answer.";
    if (r.exitCode != 0) {
        std::string why = r.output;
        why.erase(0, why.find_first_not_of(" \t\r\n"));
        why.erase(why.find_last_not_of(" \t\r\n") + 1);
        return why.empty() ? "The print server refused the job." : why;
    }
    return {};
}

void RecordingPrintServer::setQueues(std::vector<PrinterInfo> q) {
    std::lock_guard lock(mutex_);
    queues_ = std::move(q);
}

void RecordingPrintServer::setFailure(std::string why) {
    std::lock_guard lock(mutex_);
    failure_ = std::move(why);
}

std::vector<RecordingPrintServer::Job> RecordingPrintServer::jobs() const {
    std::lock_guard lock(mutex_);
    return jobs_;
}

std::vector<PrinterInfo> RecordingPrintServer::queues() {
    std::lock_guard lock(mutex_);
    return queues_;
}

std::string RecordingPrintServer::submit(const std::string& queue, const std::filesystem::path& pdf) {
    std::lock_guard lock(mutex_);
    jobs_.push_back({queue, pdf});
    return failure_;
}

void setPrintServer(std::shared_ptr<PrintServer> server) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.server = std::move(server);
    s.cache = std::make_shared<QueueCache>();
}

void setConfiguredPrinters(std::vector<PrinterInfo> printers) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.configured = std::move(printers);
}

std::vector<PrinterInfo> printers(milliseconds firstWait) {
    State& s = state();
    std::shared_ptr<QueueCache> cache;
    std::shared_ptr<PrintServer> server;
    std::vector<PrinterInfo> out;
    {
        std::lock_guard lock(s.mutex);
        cache = s.cache;
        server = s.server;
        out = s.configured;
    }
    if (!server) return out;
    std::unique_lock lock(cache->mutex);
    bool stale = !cache->hasAnswer || Steady::now() - cache->answeredAt > kRefreshAfter;
    if (stale && !cache->looking) startLookup(cache, server);
    if (!cache->hasAnswer && !cache->waitedOnce) {
        cache->waitedOnce = true;
        cache->answered.wait_for(lock, firstWait, [&] { return cache->hasAnswer; });
    }
    out.insert(out.end(), cache->queues.begin(), cache->queues.end());
    return out;
}

std::optional<PrinterInfo> currentPrinter() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.current;
}

void setCurrentPrinter(std::optional<PrinterInfo> p) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.current = std::move(p);
}

bool matchesPattern(std::string_view text, std::string_view pattern) {
    std::u32string t = decode(text), p = decode(pattern);
    auto tokens = tokenize(p);
    if (!tokens) return false;
    const auto& tk = *tokens;
    // Every token but the star takes one character, so the last star is the only place to
    // retry from.
    std::size_t i = 0, j = 0, star = std::string::npos, mark = 0;
    while (i < t.size()) {
        if (j < tk.size() && tk[j].kind != Token::Star && matchesOne(tk[j], t[i])) {
            ++i;
            ++j;
        } else if (j < tk.size() && tk[j].kind == Token::Star) {
            star = j++;
            mark = i;
        } else if (star != std::string::npos) {
            j = star + 1;
            i = ++mark;
        } else {
            return false;
        }
    }
    while (j < tk.size() && tk[j].kind == Token::Star) ++j;
    return j == tk.size();
}

std::optional<PrinterInfo> findFrontPrinter(const std::vector<PrinterInfo>& printers, std::string_view port,
                                            std::string_view path, std::string_view namePattern) {
    std::string_view key = port == "Network" ? path : port;
    for (const auto& p : printers) {
        if ((!key.empty() && p.Port == key) || matchesPattern(p.DeviceName, namePattern)) return p;
    }
    return std::nullopt;
}

std::optional<PrinterInfo> findPrinterByPort(const std::vector<PrinterInfo>& printers, std::string_view port) {
    for (const auto& p : printers) {
        if (!port.empty() && p.Port == port) return p;
    }
    return std::nullopt;
}

std::vector<std::string> takeJobFailures() {
    std::shared_ptr<JobState> jobs;
    {
        std::lock_guard lock(state().mutex);
        jobs = state().jobs;
    }
    std::lock_guard lock(jobs->mutex);
    std::vector<std::string> out(jobs->failures.begin(), jobs->failures.end());
    jobs->failures.clear();
    return out;
}

bool waitForJobs(milliseconds timeout) {
    std::shared_ptr<JobState> jobs;
    {
        std::lock_guard lock(state().mutex);
        jobs = state().jobs;
    }
    std::unique_lock lock(jobs->mutex);
    return jobs->done.wait_for(lock, timeout, [&] { return jobs->pending == 0; });
}

namespace detail {

void submitJob(const std::string& queue, const std::filesystem::path& pdf) {
    std::shared_ptr<JobState> jobs;
    std::shared_ptr<PrintServer> server;
    {
        std::lock_guard lock(state().mutex);
        jobs = state().jobs;
        server = state().server;
    }
    {
        std::lock_guard lock(jobs->mutex);
        ++jobs->pending;
    }
    // The thread holds its own references, so it may outlive every static of the program.
    std::thread([jobs, server, queue, pdf] {
        std::string why;
        try {
            why = server ? server->submit(queue, pdf) : "No print server.";
        } catch (const std::exception& e) {
            why = e.what();
        } catch (...) {
            why = "The print server failed.";
        }
        std::lock_guard lock(jobs->mutex);
        if (!why.empty()) {
            std::string where = queue.empty() ? "the default printer" : queue;
            keepFailure(*jobs, "The printout could not be sent to " + where + ": " + why);
        }
        --jobs->pending;
        jobs->done.notify_all();
    }).detach();
}

void runInOrder(std::function<std::string()> work) {
    std::shared_ptr<JobState> jobs;
    {
        std::lock_guard lock(state().mutex);
        jobs = state().jobs;
    }
    static std::once_flag drainAtEnd;
    // Registered after the first work is handed over, so it runs before the statics that work
    // made are torn down: the program never ends in the middle of drawing.
    std::call_once(drainAtEnd, [] {
        std::atexit([] {
            std::shared_ptr<JobState> all;
            {
                std::lock_guard lock(state().mutex);
                all = state().jobs;
            }
            std::unique_lock lock(all->mutex);
            all->done.wait_for(lock, std::chrono::seconds(30), [&] { return all->inOrder.empty() && !all->working; });
        });
    });
    std::lock_guard lock(jobs->mutex);
    ++jobs->pending;
    jobs->inOrder.push_back(std::move(work));
    jobs->more.notify_one();
    if (jobs->runnerStarted) return;
    jobs->runnerStarted = true;
    std::thread([jobs] {
        std::unique_lock lock(jobs->mutex);
        for (;;) {
            jobs->more.wait(lock, [&] { return !jobs->inOrder.empty(); });
            auto next = std::move(jobs->inOrder.front());
            jobs->inOrder.pop_front();
            jobs->working = true;
            lock.unlock();
            std::string why;
            try {
                why = next();
            } catch (const std::exception& e) {
                why = e.what();
            } catch (...) {
                why = "The printout failed.";
            }
            lock.lock();
            if (!why.empty()) keepFailure(*jobs, std::move(why));
            jobs->working = false;
            --jobs->pending;
            jobs->done.notify_all();
        }
    }).detach();
}

}  // namespace detail

std::vector<PrinterInfo> parseStationPrinters(std::string_view text, std::vector<int>* badLines) {
    std::vector<PrinterInfo> found;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') {
            if (end == text.size()) break;
            continue;
        }
        std::vector<std::string> parts;
        std::size_t from = 0;
        while (true) {
            std::size_t tab = line.find('\t', from);
            parts.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos) break;
            from = tab + 1;
        }
        bool good = parts.size() >= 2 && parts.size() <= 3 && !parts[0].empty() && !parts[1].empty();
        if (good)
            found.push_back(PrinterInfo{parts[0], parts[1], parts.size() == 3 ? parts[2] : std::string{}});
        else if (badLines)
            badLines->push_back(number);
        if (end == text.size()) break;
    }
    return found;
}

std::filesystem::path stationPrintersFile() { return os::stationFolder() / "printers.txt"; }

std::string loadStationPrinters() {
    std::error_code ec;
    std::filesystem::path file = stationPrintersFile();
    if (!std::filesystem::exists(file, ec)) {
        setConfiguredPrinters({});
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) return "The station's printer list " + file.string() + " cannot be read.";
    std::vector<int> bad;
    setConfiguredPrinters(parseStationPrinters(text, &bad));
    if (bad.empty()) return {};
    std::string lines;
    for (int n : bad) lines += (lines.empty() ? "" : ", ") + std::to_string(n);
    return "The station's printer list " + file.string() + " has lines that name no printer and port; they were " +
           "skipped: " + lines + ".";
}

}  // namespace pelk::print
