#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The card-processing component: four operations (purchase, post authorisation,
// pre-authorisation, return) behind one interface, so that a real processor plugs in where
// the local test processor stands now.
namespace pelk::card {

// What the tender screen sends. Each operation reads the fields its call takes:
//   Purchase and PreAuth: every field but approvalCode;
//   PostAuth: every field but swipe (sent empty) and checkDigits; approvalCode is the code
//             the clerk was given for the forced sale;
//   Return:   window, folder, clerk, reference, cardNumber, expiry, swipe, amount.
struct Request {
    std::int32_t window = 0;  // the calling screen's window handle
    std::string folder;       // the processor's local transaction folder (a Windows path)
    std::string clerk;
    std::string reference;  // "PelkPOS" and the receipt number
    std::string cardNumber;
    std::string expiry;        // YYMM
    std::string swipe;         // the whole swipe text, or ""
    std::string amount;        // as the tender box reads ("25.00", "$1,234.50")
    std::string approvalCode;  // PostAuth only
    std::string zip;
    std::string address;
    std::string checkDigits;  // the card's security code
};

// What an operation answers.
struct Answer {
    bool approved = false;
    std::string message = {};
    std::string approvalCode = {};  // Purchase, PreAuth and Return; a PostAuth answers none
    // The further answers: the processor's own number for the transaction (every operation)
    // and the card's brand as the processor names it (Purchase and PreAuth).
    std::string transactionId = {};
    std::string cardBrand = {};
    // Not empty when the call itself failed (the component's failing status): nothing was
    // approved or declined, and this says why.
    std::string error = {};
};

class CardProcessor {
public:
    virtual ~CardProcessor() = default;
    virtual Answer Purchase(const Request& r) = 0;
    virtual Answer PostAuth(const Request& r) = 0;
    virtual Answer PreAuth(const Request& r) = 0;
    virtual Answer Return(const Request& r) = 0;
};

// The processor shipped with the program, for training and tests. It reaches no bank. Each
// transaction is kept as a text file in the request's folder ("<number>-<operation>.txt",
// numbered from 000001 in the folder), approved or not; the card number is kept as its last
// four digits only, and the security code, the swipe and the address are never kept. Every other
// field is kept on one line, with any run of 13 or more digits masked but its last four, and track
// data not at all. Numbers are taken under a lock of the folder, so that processes sharing it
// keep every transaction and never give one approval code twice. Records are 0600.
//
// Rules, checked in this order; the first that applies declines with its message:
//   1. a card number without any digit         "INVALID CARD NUMBER"
//   2. an amount that is not above zero          "INVALID AMOUNT"
//      (read as the screens show amounts: "25.00", "$1,234.50"; empty or unreadable: not above zero)
//   3. an expiry that is not four digits YYMM with a month 01-12
//                                                "INVALID EXPIRATION DATE"
//   4. an expiry month before the program clock's month (YYMM is 20YY)
//                                                "EXPIRED CARD"
//   5. an amount whose cents are 13 (12.13, 1,000.13)
//                                                "DECLINED"
// Anything else is approved with the message "APPROVED" and the approval code "T" followed by
// the transaction's number in five digits ("T00001"); a declined transaction has no code.
// The brand answered: "AMEX" (34, 37), "VISA" (4), "Master" (51-55, 2221-2720), "Discover"
// (6011, 65), else "".
// When the folder cannot be made or written, the call fails (Answer::error) and nothing is
// approved.
class LocalTestProcessor : public CardProcessor {
public:
    Answer Purchase(const Request& r) override { return run("Purchase", r); }
    Answer PostAuth(const Request& r) override { return run("Post Auth", r); }
    Answer PreAuth(const Request& r) override { return run("Pre-Auth", r); }
    Answer Return(const Request& r) override { return run("Return", r); }

private:
    Answer run(const std::string& operation, const Request& r);
};

// Creates the processor a screen uses: the local test processor unless another was installed.
// Nothing, with the reason in `error`, when it cannot be created.
std::shared_ptr<CardProcessor> createProcessor(std::string* error = nullptr);
// Installs what createProcessor makes (nullptr: the local test processor again).
using ProcessorFactory = std::function<std::shared_ptr<CardProcessor>(std::string* error)>;
void setProcessorFactory(ProcessorFactory factory);

}  // namespace pelk::card
