#include "platform/card/card.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/money.h"
#include "platform/os/paths.h"

namespace pelk::card {

namespace fs = std::filesystem;

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
    fs::path folder = os::mapPath(r.folder);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) {
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
    std::ofstream out(folder / (file + ".txt"), std::ios::binary);
    out << "Operation: " << operation << "\r\n"
        << "Date: " << core::shortDate(now.date) << "\r\n"
        << "Time: " << core::longTime(now.time) << "\r\n"
        << "Clerk: " << r.clerk << "\r\n"
        << "Reference: " << r.reference << "\r\n"
        << "Card: xxxx" << (digits.size() > 4 ? digits.substr(digits.size() - 4) : digits) << "\r\n"
        << "Expiry: " << r.expiry << "\r\n"
        << "Amount: " << r.amount << "\r\n";
    if (operation == "Post Auth") out << "Approval code given: " << r.approvalCode << "\r\n";
    out << "Approved: " << (a.approved ? "Yes" : "No") << "\r\n"
        << "Message: " << a.message << "\r\n"
        << "Approval code: " << a.approvalCode << "\r\n";
    out.close();
    if (!out) {
        // A transaction that could not be kept is no transaction.
        Answer failed;
        failed.error = "The card processor cannot write to its transaction folder " + r.folder;
        return failed;
    }
    return a;
}

std::shared_ptr<CardProcessor> createProcessor(std::string* error) {
    if (factory()) return factory()(error);
    return std::make_shared<LocalTestProcessor>();
}

void setProcessorFactory(ProcessorFactory f) { factory() = std::move(f); }

}  // namespace pelk::card
