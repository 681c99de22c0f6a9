#include "platform/card/card.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <system_error>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"

namespace pelk::card {

namespace fs = std::filesystem;

void Request::setAmount(core::Money money) { amount = core::format(money, core::kAmountFormat); }

namespace {

std::string digitsOf(const std::string& s) {
    std::string d;
    for (char c : s) {
        if (std::isdigit(static_cast<unsigned char>(c))) d += c;
    }
    return d;
}

std::string brandOf(const std::string& digits) {
    auto starts = [&](const char* p) { return digits.rfind(p, 0) == 0; };
    if (starts("34") || starts("37")) return "AMEX";
    if (starts("4")) return "VISA";
    if (digits.size() >= 4) {
        int two = std::stoi(digits.substr(0, 2)), four = std::stoi(digits.substr(0, 4));
        if ((two >= 51 && two <= 55) || (four >= 2221 && four <= 2720)) return "Master";
    }
    if (starts("6011") || starts("65")) return "Discover";
    return {};
}

// The rules of the header, in their order; "" approves.
std::string declineReason(const Request& r) {
    if (digitsOf(r.cardNumber).empty()) return "INVALID CARD NUMBER";
    auto amount = core::Money::parse(r.amount);
    if (!amount || *amount <= core::Money{}) return "INVALID AMOUNT";
    const std::string& e = r.expiry;
    bool fourDigits = e.size() == 4 && digitsOf(e).size() == 4;
    int month = fourDigits ? std::stoi(e.substr(2, 2)) : 0;
    if (!fourDigits || month < 1 || month > 12) return "INVALID EXPIRATION DATE";
    int year = 2000 + std::stoi(e.substr(0, 2));
    core::Date today = core::clock::today();
    if (year < today.year || (year == today.year && month < today.month)) return "EXPIRED CARD";
    if ((std::llabs(amount->units()) / 100) % 100 == 13) return "DECLINED";
    return {};
}

// The next transaction number of the folder: one past the highest kept there.
int nextNumber(const fs::path& folder) {
    int highest = 0;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) {
        std::string n = e.path().filename().string();
        if (n.size() > 7 && n[6] == '-' && digitsOf(n.substr(0, 6)).size() == 6) {
            highest = std::max(highest, std::stoi(n.substr(0, 6)));
        }
    }
    return highest + 1;
}

// What a field of a kept record may hold: one line (every control character, a line break
// included, becomes a blank, so no field can start a line of its own) in which no run of 13 or
// more digits, blanks and dashes between them counted through, shows more than its last four.
// A swipe's track data, which carries the holder's name too, is not kept at all.
std::string keptField(const std::string& typed) {
    if (typed.find('^') != std::string::npos || typed.find('=') != std::string::npos ||
        typed.find('%') != std::string::npos || typed.find(';') != std::string::npos)
        if (digitsOf(typed).size() >= 13) return "(card data, not kept)";
    std::string line;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(typed[i]);
        // U+0085, U+2028 and U+2029 end lines too for some readers.
        if (c == 0xC2 && i + 1 < typed.size() && static_cast<unsigned char>(typed[i + 1]) == 0x85) {
            line += ' ';
            ++i;
        } else if (c == 0xE2 && i + 2 < typed.size() && static_cast<unsigned char>(typed[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(typed[i + 2]) == 0xA8 ||
                    static_cast<unsigned char>(typed[i + 2]) == 0xA9)) {
            line += ' ';
            i += 2;
        } else {
            line += (c < 0x20 || c == 0x7F) ? ' ' : typed[i];
        }
    }
    std::size_t i = 0;
    while (i < line.size()) {
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) {
            ++i;
            continue;
        }
        // The run: digits with single blanks or dashes between them.
        std::size_t end = i, digits = 0;
        for (std::size_t k = i; k < line.size();) {
            if (std::isdigit(static_cast<unsigned char>(line[k]))) {
                ++digits;
                end = ++k;
            } else if ((line[k] == ' ' || line[k] == '-') && k + 1 < line.size() &&
                       std::isdigit(static_cast<unsigned char>(line[k + 1]))) {
                ++k;
            } else {
                break;
            }
        }
        if (digits >= 13) {
            std::size_t shown = 0;
            for (std::size_t k = end; k-- > i;) {
                if (!std::isdigit(static_cast<unsigned char>(line[k]))) continue;
                if (shown < 4)
                    ++shown;
                else
                    line[k] = 'x';
            }
        }
        i = end;
    }
    return line;
}

// Holds the folder's numbering for one transaction: other processes through a lock on a file
// of the folder, other threads of this one through a mutex (a file lock is the process's).
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder) : guard_(mutex()) {
        fd_ = ::open((folder / ".numbering.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) return;
        struct flock l {};
        l.l_type = F_WRLCK;
        l.l_whence = SEEK_SET;
        while (::fcntl(fd_, F_SETLKW, &l) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
                return;
            }
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
    }
    bool held() const { return fd_ >= 0; }

private:
    static std::mutex& mutex() {
        static std::mutex m;
        return m;
    }
    std::lock_guard<std::mutex> guard_;
    int fd_ = -1;
};

// Whether a token can be kept exactly as sent: one word of printable ASCII that keeping masks
// nothing of. Another token could not be found again by what its caller holds.
bool keepableToken(const std::string& token) {
    if (token.empty()) return false;
    for (char c : token) {
        if (c < 0x21 || c > 0x7E) return false;
    }
    return keptField(token) == token;
}

// Whether a name is a record's, "<six digits>-<operation>.txt", the extension in any case.
bool isRecordName(const std::string& n) {
    if (n.size() <= 11 || n[6] != '-' || digitsOf(n.substr(0, 6)).size() != 6) return false;
    std::string extension = n.substr(n.size() - 4);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".txt";
}

// The value of a record's line "<label>: <value>", or nullopt when it has none.
std::optional<std::string> recordLine(const std::string& text, const std::string& label) {
    std::string start = label + ": ";
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, start.size(), start) == 0) return line.substr(start.size());
        at = end + 1;
    }
    return std::nullopt;
}

ProcessorFactory& factory() {
    static ProcessorFactory f;
    return f;
}

}  // namespace

Answer LocalTestProcessor::run(const std::string& operation, const Request& r) {
    Answer a;
    if (r.folder.empty()) {
        a.error = "The card processor has no transaction folder.";
        return a;
    }
    if (!r.token.empty() && !keepableToken(r.token)) {
        a.error = "The card processor cannot keep this payment's token: it must be letters, digits and marks, "
                  "without blanks or a card number.";
        return a;
    }
    fs::path folder = os::mapPath(r.folder);
    std::error_code ec;
    if (!os::makeFolders(folder)) {
        a.error = "The card processor cannot use its transaction folder " + r.folder;
        return a;
    }

    // The number is taken and its record kept under the lock, so that two stations or processes
    // never take one number, and a record is in place, whole, before the next number is read.
    FolderLock lock(folder);
    if (!lock.held()) {
        a.error = "The card processor cannot use its transaction folder " + r.folder;
        return a;
    }
    const int number = nextNumber(folder);
    char id[16];
    std::snprintf(id, sizeof id, "%06d", number);
    a.transactionId = id;
    std::string why = declineReason(r);
    a.approved = why.empty();
    a.message = a.approved ? "APPROVED" : why;
    if (a.approved && operation != "Post Auth") {
        char code[16];
        std::snprintf(code, sizeof code, "T%05d", number % 100000);
        a.approvalCode = code;
    }
    if (operation == "Purchase" || operation == "Pre-Auth") a.cardBrand = brandOf(digitsOf(r.cardNumber));

    std::string digits = digitsOf(r.cardNumber);
    std::string file = std::string(id) + "-";
    for (char c : operation) {
        if (c != ' ') file += c;
    }
    core::DateTime now = core::clock::now();
    // Written whole under a name the numbering does not read, then put in place.
    fs::path kept = folder / (file + ".txt"), writing = folder / (".writing-" + file + ".txt");
    std::ofstream out(writing, std::ios::binary);
    out << "Operation: " << operation << "\r\n"
        << "Date: " << core::shortDate(now.date) << "\r\n"
        << "Time: " << core::longTime(now.time) << "\r\n"
        << "Clerk: " << keptField(r.clerk) << "\r\n"
        << "Reference: " << keptField(r.reference) << "\r\n"
        << "Card: xxxx" << (digits.size() > 4 ? digits.substr(digits.size() - 4) : digits) << "\r\n"
        << "Expiry: " << keptField(r.expiry) << "\r\n"
        << "Amount: " << keptField(r.amount) << "\r\n";
    if (operation == "Post Auth") out << "Approval code given: " << keptField(r.approvalCode) << "\r\n";
    out << "Approved: " << (a.approved ? "Yes" : "No") << "\r\n"
        << "Message: " << a.message << "\r\n"
        << "Approval code: " << a.approvalCode << "\r\n";
    // Lines records have had since tokens, after the older ones.
    if (operation == "Purchase" || operation == "Pre-Auth") out << "Brand: " << a.cardBrand << "\r\n";
    if (!r.token.empty()) out << "Token: " << r.token << "\r\n";
    out.close();
    if (out) {
        // Card records are for the station's own account only.
        fs::permissions(writing, fs::perms::owner_read | fs::perms::owner_write, ec);
        fs::rename(writing, kept, ec);
        if (ec) out.setstate(std::ios::failbit);
    }
    if (!out) {
        fs::remove(writing, ec);
        // A transaction that could not be kept is no transaction.
        Answer failed;
        failed.error = "The card processor cannot write to its transaction folder " + r.folder;
        return failed;
    }
    return a;
}

std::optional<Answer> CardProcessor::Lookup(const std::string&, const std::string&) {
    Answer a;
    a.error = "This card processor keeps no record of its transactions that the program can search.";
    return a;
}

std::optional<Answer> LocalTestProcessor::Lookup(const std::string& folderPath, const std::string& token) {
    Answer cannot;
    if (folderPath.empty()) {
        cannot.error = "The card processor has no transaction folder.";
        return cannot;
    }
    if (token.empty()) {
        cannot.error = "There is no token to look the transaction up by.";
        return cannot;
    }
    if (!keepableToken(token)) return std::nullopt;  // no request with it was ever taken
    fs::path folder = os::mapPath(folderPath);
    std::error_code ec;
    fs::file_status status = fs::status(folder, ec);
    if (status.type() == fs::file_type::not_found) return std::nullopt;
    cannot.error = "The card processor cannot read its transaction folder " + folderPath;
    if (ec) return cannot;
    if (!fs::is_directory(status)) return std::nullopt;

    // Under the lock no transaction is half made: each record is written whole under another
    // name and put in place before the lock goes.
    FolderLock lock(folder);
    if (!lock.held()) return cannot;
    std::optional<Answer> found;
    fs::directory_iterator it(folder, ec), end;
    if (ec) return cannot;
    for (; it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (!isRecordName(name)) continue;
        std::ifstream in(it->path(), std::ios::binary);
        if (!in.is_open()) return cannot;  // a record unread might be the one
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (recordLine(text, "Token") != token) continue;
        if (found) {
            cannot.error = "Two transactions of the card processor carry this token; which one is meant cannot be told.";
            return cannot;
        }
        Answer a;
        a.approved = recordLine(text, "Approved") == "Yes";
        a.message = recordLine(text, "Message").value_or("");
        a.approvalCode = recordLine(text, "Approval code").value_or("");
        a.transactionId = name.substr(0, 6);
        a.cardBrand = recordLine(text, "Brand").value_or("");
        a.amount = recordLine(text, "Amount").value_or("");
        found = a;
    }
    if (ec) return cannot;
    return found;
}

std::shared_ptr<CardProcessor> createProcessor(std::string* error) {
    if (factory()) return factory()(error);
    return std::make_shared<LocalTestProcessor>();
}

void setProcessorFactory(ProcessorFactory f) { factory() = std::move(f); }

}  // namespace pelk::card
