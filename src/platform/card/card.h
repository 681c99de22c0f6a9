#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/core/money.h"

// The card-processing component: four operations (purchase, post authorisation,
// pre-authorisation, return) behind one interface, so that a real processor plugs in where
// the local test processor stands now.
namespace pelk::card {

// What the tender screen sends. Each operation reads the fields its call takes:
//   Purchase and PreAuth: every field but approvalCode;
//   PostAuth: every field but swipe (sent empty) and checkDigits; approvalCode is the code
//             the clerk was given for the forced sale;
//   Return:   window, folder, clerk, reference, cardNumber, expiry, swipe, amount.
// Every operation also takes `token`, by which Lookup finds the transaction again.
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
    // An identifier the caller makes unique per payment attempt ("P000123-4f2a"), kept
    // with the transaction so that Lookup can tell, after a crash, what became of it; empty
    // when the caller has none. Not secret, but no card data either.
    std::string token;

    // The amount of money to move, written as the screens show amounts ("1,234.50"), the form
    // every processor reads and the local one keeps.
    void setAmount(core::Money money);
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
    // Lookup only: the amount as the request sent it (the operations answer none).
    std::string amount = {};
};

class CardProcessor {
public:
    virtual ~CardProcessor() = default;
    virtual Answer Purchase(const Request& r) = 0;
    virtual Answer PostAuth(const Request& r) = 0;
    virtual Answer PreAuth(const Request& r) = 0;
    virtual Answer Return(const Request& r) = 0;

    // What became of the transaction asked for with `token` (Request::token) in `folder`
    // (Request::folder): the answer it was given, with the amount it was sent, or nullopt
    // when the processor holds no transaction with that token (it was never asked, or was
    // asked and kept nothing, so nothing was charged). An answer whose `error` is not empty
    // means the processor cannot tell: the caller must not take it either way.
    // A processor that keeps no records it can search answers so, whatever the token; this
    // is what a processor that does not override Lookup does.
    virtual std::optional<Answer> Lookup(const std::string& folder, const std::string& token);
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
//
// A request's token is kept in its record ("Token: P000123-4f2a", after the lines records had
// before tokens), with the brand answered ("Brand: VISA", Purchase and Pre-Auth), so that Lookup
// can give the answer again. A token is kept exactly as sent, so it must be printable ASCII
// without blanks that keeping masks nothing of (no track data, no run of 13 or more digits,
// single dashes between them counted through: "1767600000-123-456" is refused);
// a request with another token fails (Answer::error) before anything is approved. Without a
// token no "Token:" line is written.
//
// Lookup reads the records ("<number>-<operation>.txt") of the folder for the one whose token
// line is the token, whole ("P1" never finds the record of "P12"), and answers approved, message,
// approval code, transaction number, brand and amount (as the record keeps it: masked as
// above) as they were. It takes the folder's lock, so a transaction another process or thread
// is making when Lookup starts is either kept and found, or not yet begun. nullopt: the folder
// does not exist, or none of its records carries the token (records kept before tokens carry
// none; a token that cannot be kept is in none). It answers an error for an empty token or
// folder, when the folder cannot be read or locked, and when two records carry the token (it
// was used twice, and which transaction is meant cannot be told).
class LocalTestProcessor : public CardProcessor {
public:
    Answer Purchase(const Request& r) override { return run("Purchase", r); }
    Answer PostAuth(const Request& r) override { return run("Post Auth", r); }
    Answer PreAuth(const Request& r) override { return run("Pre-Auth", r); }
    Answer Return(const Request& r) override { return run("Return", r); }
    std::optional<Answer> Lookup(const std::string& folder, const std::string& token) override;

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
