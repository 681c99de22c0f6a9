#include "platform/card/card.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <sstream>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "support/temp_root.h"

namespace pelk::card {
namespace {

namespace fs = std::filesystem;

const char* kFolder = "C:\\Program Files\\X-Charge\\LocalTran";

Request request(std::string amount, std::string expiry = "2712") {
    Request r;
    r.window = 42;
    r.folder = kFolder;
    r.clerk = "1234";
    r.reference = "PelkPOS25";
    r.cardNumber = "4111111111114242";
    r.expiry = std::move(expiry);
    r.swipe = "%B4111111111114242^LEE/ANN^2712101?;4111111111114242=2712101?";
    r.amount = std::move(amount);
    r.zip = "02134";
    r.address = "12 Harbour Road";
    r.checkDigits = "987";
    return r;
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CardTest : public ::testing::Test {
protected:
    std::vector<std::string> kept() { return os::findFiles(kFolder, "*.txt"); }
    std::string keptText(const std::string& name) { return readFile(os::mapPath(kFolder) / name); }

    test::TempRoot root;  // the clock stands at 1/5/2026
    std::shared_ptr<CardProcessor> processor = createProcessor();
};

TEST_F(CardTest, EachOperationIsApprovedOrDeclinedAndKept) {
    using Op = Answer (CardProcessor::*)(const Request&);
    struct Case {
        Op op;
        const char* file;
        bool answersCode;
        const char* brand;
    };
    const Case cases[] = {
        {&CardProcessor::Purchase, "Purchase", true, "VISA"},
        {&CardProcessor::PostAuth, "PostAuth", false, ""},
        {&CardProcessor::PreAuth, "Pre-Auth", true, "VISA"},
        {&CardProcessor::Return, "Return", true, ""},
    };
    int number = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Request ok = request("25.00");
        ok.approvalCode = "VOICE1";
        Answer yes = (processor.get()->*c.op)(ok);
        ++number;
        EXPECT_TRUE(yes.error.empty()) << yes.error;
        EXPECT_TRUE(yes.approved);
        EXPECT_EQ(yes.message, "APPROVED");
        char code[8];
        std::snprintf(code, sizeof code, "T%05d", number);
        EXPECT_EQ(yes.approvalCode, c.answersCode ? code : "");
        EXPECT_EQ(yes.cardBrand, c.brand);
        char id[8];
        std::snprintf(id, sizeof id, "%06d", number);
        EXPECT_EQ(yes.transactionId, id);
        std::string text = keptText(std::string(id) + "-" + c.file + ".txt");
        EXPECT_NE(text.find("Approved: Yes"), std::string::npos) << text;
        EXPECT_NE(text.find("Amount: 25.00"), std::string::npos);
        EXPECT_NE(text.find("Reference: PelkPOS25"), std::string::npos);

        Answer no = (processor.get()->*c.op)(request("$1,000.13"));
        ++number;
        EXPECT_TRUE(no.error.empty());
        EXPECT_FALSE(no.approved);
        EXPECT_EQ(no.message, "DECLINED");
        EXPECT_EQ(no.approvalCode, "");
        std::snprintf(id, sizeof id, "%06d", number);
        text = keptText(std::string(id) + "-" + c.file + ".txt");
        EXPECT_NE(text.find("Approved: No"), std::string::npos) << text;
        EXPECT_NE(text.find("Message: DECLINED"), std::string::npos);
    }
    EXPECT_EQ(kept().size(), 8u);
}

TEST_F(CardTest, TheDeclineRulesInTheirOrder) {
    struct Case {
        const char* card;
        const char* amount;
        const char* expiry;
        const char* message;
    };
    const Case cases[] = {
        {"4111111111114242", "12.00", "2712", "APPROVED"},
        {"", "12.00", "2712", "INVALID CARD NUMBER"},
        {"-- Swipe Credit Card --", "12.00", "2712", "INVALID CARD NUMBER"},
        {"4111111111114242", "", "2712", "INVALID AMOUNT"},
        {"4111111111114242", "0.00", "2712", "INVALID AMOUNT"},
        {"4111111111114242", "-5.00", "2712", "INVALID AMOUNT"},
        {"4111111111114242", "abc", "2712", "INVALID AMOUNT"},
        {"4111111111114242", "12.00", "", "INVALID EXPIRATION DATE"},
        {"4111111111114242", "12.00", "271", "INVALID EXPIRATION DATE"},
        {"4111111111114242", "12.00", "2713", "INVALID EXPIRATION DATE"},
        {"4111111111114242", "12.00", "27a2", "INVALID EXPIRATION DATE"},
        {"4111111111114242", "12.00", "2512", "EXPIRED CARD"},
        {"4111111111114242", "12.00", "2601", "APPROVED"},  // this month still counts
        {"4111111111114242", "0.13", "2512", "EXPIRED CARD"},
        {"4111111111114242", "0.13", "2712", "DECLINED"},
        {"4111111111114242", "12.14", "2712", "APPROVED"},
        {"4111111111114242", "13.00", "2712", "APPROVED"},
    };
    for (const auto& c : cases) {
        Request r = request(c.amount, c.expiry);
        r.cardNumber = c.card;
        Answer a = processor->Purchase(r);
        EXPECT_EQ(a.message, c.message) << c.card << " " << c.amount << " " << c.expiry;
        EXPECT_EQ(a.approved, std::string(c.message) == "APPROVED");
    }
}

TEST_F(CardTest, BrandsAsTheTenderScreenNamesThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"378282246310005", "AMEX"},    {"4111 1111 1111 1111", "VISA"},  {"5555555555554444", "Master"},
        {"2221000000000009", "Master"}, {"6011111111111117", "Discover"}, {"3530111333300000", ""},
    };
    for (const auto& [number, brand] : cases) {
        Request r = request("5.00");
        r.cardNumber = number;
        EXPECT_EQ(processor->Purchase(r).cardBrand, brand) << number;
    }
}

TEST_F(CardTest, AKeptTransactionHoldsNoFullCardNumberSecurityCodeOrSwipe) {
    ASSERT_TRUE(processor->Purchase(request("25.00")).approved);
    std::string text = keptText(kept().at(0));
    EXPECT_NE(text.find("Card: xxxx4242"), std::string::npos) << text;
    EXPECT_EQ(text.find("4111111111114242"), std::string::npos);
    EXPECT_EQ(text.find("987"), std::string::npos);
    EXPECT_EQ(text.find("LEE/ANN"), std::string::npos);
    EXPECT_EQ(text.find("Harbour"), std::string::npos);
}

TEST_F(CardTest, NumbersGoOnFromWhatTheFolderKeeps) {
    root.writeFile(std::string(kFolder) + "\\000041-Purchase.txt", "from an earlier day");
    Answer a = processor->Purchase(request("25.00"));
    EXPECT_EQ(a.transactionId, "000042");
    EXPECT_EQ(a.approvalCode, "T00042");
    EXPECT_EQ(keptText("000041-Purchase.txt"), "from an earlier day");
}

TEST_F(CardTest, AFolderThatCannotBeUsedFailsTheCall) {
    root.writeFile("C:\\Blocked", "a file where a folder should be");
    Request r = request("25.00");
    r.folder = "C:\\Blocked\\LocalTran";
    Answer a = processor->Purchase(r);
    EXPECT_FALSE(a.approved);
    EXPECT_FALSE(a.error.empty());
    EXPECT_EQ(a.approvalCode, "");
    r.folder = "";
    EXPECT_FALSE(processor->Return(r).error.empty());
}

TEST_F(CardTest, AHostileFieldIsKeptMaskedOnOneLine) {
    struct Case {
        const char* what;
        std::string Request::*field;
        std::string value;
        const char* mustNotHold;
    };
    const Case cases[] = {
        {"track data in the expiry", &Request::expiry, "%B4111111111114242^LEE/ANN^2712101?", "LEE/ANN"},
        {"track two in the amount", &Request::amount, ";4111111111114242=2712101?", "=2712"},
        {"a card number in the amount", &Request::amount, "4111111111114242", "411111111111"},
        {"a spaced card number in the reference", &Request::reference, "PelkPOS 4111 1111 1111 4242", "4111 1111"},
        {"a dashed card number in the clerk", &Request::clerk, "4111-1111-1111-4242", "4111-1111"},
        {"line breaks in the clerk", &Request::clerk, "Bob\r\nApproved: Yes\r\nMessage: APPROVED", "\nApproved: Yes"},
        {"a lone line feed", &Request::clerk, "Bob\nApproval code: T99999", "\nApproval code: T9"},
        {"a unicode line separator", &Request::clerk,
         "Bob\xE2\x80\xA8"
         "Approved: Yes",
         "\xE2\x80\xA8"},
        {"a given approval code", &Request::approvalCode, "V1\rApproved: Yes 378282246310005", "\rApproved"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Request r = request("1,000.13");  // declined: the record holds "Approved: No"
        r.*c.field = c.value;
        Answer a = processor->PostAuth(r);
        ASSERT_TRUE(a.error.empty()) << a.error;
        std::string text = keptText(a.transactionId + "-PostAuth.txt");
        EXPECT_EQ(text.find(c.mustNotHold), std::string::npos) << text;
        // Every line is one of the record's own, none forged, and no 13 digits stand together.
        std::istringstream lines(text);
        int approvedLines = 0;
        for (std::string line; std::getline(lines, line);) {
            ASSERT_FALSE(line.empty());
            EXPECT_EQ(line.back(), '\r');
            line.pop_back();
            EXPECT_EQ(line.find('\r'), std::string::npos) << line;
            if (line.rfind("Approved:", 0) == 0) ++approvedLines;
            int run = 0;
            for (char ch : line) {
                run = std::isdigit(static_cast<unsigned char>(ch)) ? run + 1 : (ch == ' ' || ch == '-') ? run : 0;
                EXPECT_LT(run, 13) << line;
            }
        }
        EXPECT_EQ(approvedLines, 1);
        EXPECT_NE(text.find("Approved: No"), std::string::npos);
    }
    // What is harmless is kept as typed.
    Request plain = request("25.00", "2712");
    plain.clerk = "Ann-Marie 2";
    std::string text = keptText(processor->Purchase(plain).transactionId + "-Purchase.txt");
    EXPECT_NE(text.find("Clerk: Ann-Marie 2\r\n"), std::string::npos);
    EXPECT_NE(text.find("Expiry: 2712\r\n"), std::string::npos);
    EXPECT_NE(text.find("Amount: 25.00\r\n"), std::string::npos);
}

TEST_F(CardTest, ARecordIsForTheStationsOwnAccountOnly) {
    Answer a = processor->Purchase(request("25.00"));
    struct stat st {};
    ASSERT_EQ(::stat((os::mapPath(kFolder) / (a.transactionId + "-Purchase.txt")).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// Several processes sell at once on one folder: every sale kept, no approval code given twice.
TEST_F(CardTest, ConcurrentWritersKeepEveryTransactionWithItsOwnCode) {
    const int kEach = 150;
    for (int writers : {2, 4}) {
        SCOPED_TRACE(writers);
        fs::remove_all(os::mapPath(kFolder));
        fs::path codes = root.path() / "codes";
        fs::create_directories(codes);
        std::vector<pid_t> children;
        for (int w = 0; w < writers; ++w) {
            pid_t pid = fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                std::ofstream out(codes / std::to_string(w));
                LocalTestProcessor own;
                int fine = 0;
                for (int k = 0; k < kEach; ++k) {
                    Answer got = own.Purchase(request("25.00"));
                    if (got.approved && got.error.empty()) ++fine;
                    out << got.approvalCode << "\n";
                }
                out.close();
                _exit(fine == kEach && out ? 0 : 1);
            }
            children.push_back(pid);
        }
        for (pid_t pid : children) {
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        std::set<std::string> given;
        int answers = 0;
        for (int w = 0; w < writers; ++w) {
            std::ifstream in(codes / std::to_string(w));
            for (std::string code; std::getline(in, code); ++answers) given.insert(code);
        }
        EXPECT_EQ(answers, writers * kEach);
        EXPECT_EQ(given.size(), static_cast<std::size_t>(writers * kEach));
        std::vector<std::string> records = kept();
        ASSERT_EQ(records.size(), static_cast<std::size_t>(writers * kEach));
        std::set<std::string> recorded;
        for (const std::string& name : records) {
            std::string text = keptText(name);
            auto at = text.find("Approval code: ");
            ASSERT_NE(at, std::string::npos) << name;
            recorded.insert(text.substr(at + 15, 6));
        }
        EXPECT_EQ(recorded, given);
        fs::remove_all(codes);
    }
}

TEST_F(CardTest, LookupTellsWhatBecameOfATransactionByItsToken) {
    Request sale = request("$1,234.50");
    sale.token = "P000123-4f2a";
    Answer given = processor->Purchase(sale);
    ASSERT_TRUE(given.approved) << given.message << given.error;
    Request declined = request("1,000.13");
    declined.token = "P000124-77b0";
    ASSERT_FALSE(processor->Purchase(declined).approved);

    // Another processor, as the program after a crash, finds both as they were answered.
    LocalTestProcessor after;
    std::optional<Answer> found = after.Lookup(kFolder, "P000123-4f2a");
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->error.empty()) << found->error;
    EXPECT_TRUE(found->approved);
    EXPECT_EQ(found->message, "APPROVED");
    EXPECT_EQ(found->approvalCode, given.approvalCode);
    EXPECT_EQ(found->approvalCode, "T00001");
    EXPECT_EQ(found->transactionId, given.transactionId);
    EXPECT_EQ(found->cardBrand, "VISA");
    EXPECT_EQ(found->amount, "$1,234.50");

    found = after.Lookup(kFolder, "P000124-77b0");
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->error.empty()) << found->error;
    EXPECT_FALSE(found->approved);
    EXPECT_EQ(found->message, "DECLINED");
    EXPECT_EQ(found->approvalCode, "");
    EXPECT_EQ(found->transactionId, "000002");
    EXPECT_EQ(found->amount, "1,000.13");

    // Never asked: nothing.
    EXPECT_EQ(after.Lookup(kFolder, "P000125-0000"), std::nullopt);
    // The folder is named as the requests name it, without regard to case.
    EXPECT_TRUE(after.Lookup("c:\\program files\\x-charge\\localtran", "P000123-4f2a"));
}

TEST_F(CardTest, ATokenFindsItsOwnRecordOnly) {
    Request twelve = request("12.00");
    twelve.token = "P12";
    ASSERT_TRUE(processor->Purchase(twelve).approved);
    EXPECT_EQ(processor->Lookup(kFolder, "P1"), std::nullopt);
    EXPECT_EQ(processor->Lookup(kFolder, "P"), std::nullopt);
    EXPECT_EQ(processor->Lookup(kFolder, "P12 "), std::nullopt);
    EXPECT_EQ(processor->Lookup(kFolder, "p12"), std::nullopt);

    Request one = request("1.00");
    one.token = "P1";
    Answer oneGiven = processor->Return(one);
    ASSERT_TRUE(oneGiven.approved);
    auto foundOne = processor->Lookup(kFolder, "P1");
    auto foundTwelve = processor->Lookup(kFolder, "P12");
    ASSERT_TRUE(foundOne && foundTwelve);
    EXPECT_EQ(foundOne->transactionId, oneGiven.transactionId);
    EXPECT_EQ(foundOne->amount, "1.00");
    EXPECT_EQ(foundOne->cardBrand, "");  // a return answers no brand
    EXPECT_EQ(foundTwelve->amount, "12.00");

    // A field that spells a token line is no token line.
    Request forged = request("3.00");
    forged.clerk = "Bob\r\nToken: P7";
    forged.reference = "Token: P7";
    ASSERT_TRUE(processor->Purchase(forged).approved);
    EXPECT_EQ(processor->Lookup(kFolder, "P7"), std::nullopt);

    // A record from before tokens, and one without a token, are found by none.
    root.writeFile(std::string(kFolder) + "\\000090-Purchase.txt",
                   "Operation: Purchase\r\nAmount: 9.00\r\nApproved: Yes\r\nMessage: APPROVED\r\n"
                   "Approval code: T00090\r\n");
    ASSERT_TRUE(processor->Purchase(request("4.00")).approved);
    EXPECT_EQ(processor->Lookup(kFolder, "T00090"), std::nullopt);
    EXPECT_EQ(processor->Lookup(kFolder, "9.00"), std::nullopt);
    for (const std::string& name : kept()) EXPECT_EQ(keptText(name).find("Token: \r"), std::string::npos) << name;
}

TEST_F(CardTest, LookupInAFolderThatIsNotThereFindsNothing) {
    LocalTestProcessor processor;
    EXPECT_EQ(processor.Lookup(kFolder, "P1"), std::nullopt);
    EXPECT_EQ(processor.Lookup("C:\\Nowhere\\At\\All", "P1"), std::nullopt);
    root.writeFile("C:\\Blocked", "a file where a folder should be");
    EXPECT_EQ(processor.Lookup("C:\\Blocked", "P1"), std::nullopt);
    EXPECT_EQ(processor.Lookup("C:\\Blocked\\LocalTran", "P1"), std::nullopt);
    // Looking makes no folder.
    EXPECT_FALSE(fs::exists(os::mapPath(kFolder)));
    // Without a folder or a token there is nothing to look by: the processor cannot tell.
    ASSERT_TRUE(processor.Lookup("", "P1"));
    EXPECT_FALSE(processor.Lookup("", "P1")->error.empty());
    ASSERT_TRUE(processor.Lookup(kFolder, ""));
    EXPECT_FALSE(processor.Lookup(kFolder, "")->error.empty());
}

TEST_F(CardTest, ATokenIsKeptAsSentOrTheCallFails) {
    struct Case {
        const char* what;
        std::string token;
    };
    const Case cases[] = {
        {"a blank", "P1 2"},
        {"a line break", "P1\r\nApproved: Yes"},
        {"a card number", "4111111111114242"},
        {"track data", ";4111111111114242=2712101?"},
        {"a letter beyond ASCII", "P1\xC3\xA9"},
        // Thirteen digits, counted through single dashes, are a card number to the record.
        {"digits the record masks", "1767600000-123-456"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Request r = request("25.00");
        r.token = c.token;
        Answer a = processor->Purchase(r);
        EXPECT_FALSE(a.approved);
        EXPECT_FALSE(a.error.empty());
        EXPECT_EQ(a.approvalCode, "");
        EXPECT_EQ(processor->Lookup(kFolder, c.token), std::nullopt);
    }
    EXPECT_TRUE(kept().empty());
    Request r = request("25.00");
    r.token = "1767600000-P123-456";
    ASSERT_TRUE(processor->Purchase(r).approved);
    EXPECT_TRUE(processor->Lookup(kFolder, r.token));
}

// Lookup while another process sells: a transaction is found whole or not at all.
TEST_F(CardTest, LookupWhileAnotherProcessSellsFindsWholeTransactionsOnly) {
    const int kSales = 120;
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        LocalTestProcessor own;
        int fine = 0;
        for (int k = 0; k < kSales; ++k) {
            Request r = request("25.00");
            r.token = "C" + std::to_string(k);
            if (own.Purchase(r).approved) ++fine;
        }
        _exit(fine == kSales ? 0 : 1);
    }
    LocalTestProcessor looker;
    int next = 0, looks = 0;
    while (next < kSales && looks < 100000) {
        ++looks;
        std::optional<Answer> a = looker.Lookup(kFolder, "C" + std::to_string(next));
        if (!a) continue;
        ASSERT_TRUE(a->error.empty()) << a->error;
        EXPECT_TRUE(a->approved);
        EXPECT_EQ(a->approvalCode.size(), 6u);
        EXPECT_EQ(a->amount, "25.00");
        EXPECT_EQ(a->cardBrand, "VISA");
        ++next;
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    for (; next < kSales; ++next) EXPECT_TRUE(looker.Lookup(kFolder, "C" + std::to_string(next))) << next;
}

TEST_F(CardTest, ATokenUsedTwiceCannotBeTold) {
    Request r = request("25.00");
    r.token = "P5";
    ASSERT_TRUE(processor->Purchase(r).approved);
    ASSERT_TRUE(processor->Purchase(r).approved);
    auto found = processor->Lookup(kFolder, "P5");
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->error.empty());
    EXPECT_FALSE(found->approved);
}

// A processor that answers what it is told, to stand in for a real one.
class FixedProcessor : public CardProcessor {
public:
    Answer Purchase(const Request&) override { return {true, "OK", "A1"}; }
    Answer PostAuth(const Request&) override { return {}; }
    Answer PreAuth(const Request&) override { return {}; }
    Answer Return(const Request&) override { return {}; }
};

TEST(CardFactory, AnotherProcessorPlugsInBehindTheSameInterface) {
    setProcessorFactory([](std::string*) { return std::make_shared<FixedProcessor>(); });
    EXPECT_EQ(createProcessor()->Purchase({}).approvalCode, "A1");
    // One that keeps no records it can search says it cannot tell.
    std::optional<Answer> looked = createProcessor()->Lookup(kFolder, "P1");
    ASSERT_TRUE(looked);
    EXPECT_FALSE(looked->error.empty());
    EXPECT_FALSE(looked->approved);
    setProcessorFactory([](std::string* why) {
        if (why) *why = "The card-processing application is not installed.";
        return std::shared_ptr<CardProcessor>();
    });
    std::string why;
    EXPECT_EQ(createProcessor(&why), nullptr);
    EXPECT_FALSE(why.empty());
    setProcessorFactory(nullptr);
    EXPECT_NE(dynamic_cast<LocalTestProcessor*>(createProcessor().get()), nullptr);
}

}  // namespace
}  // namespace pelk::card
