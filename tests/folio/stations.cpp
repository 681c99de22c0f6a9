#include "stations.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <thread>
#include <utility>

#include "folio/order_book.h"
#include "folio/stores.h"
#include "platform/core/money.h"
#include "platform/db/database.h"
#include "platform/db/recordset.h"
#include "platform/os/paths.h"
#include "reservations/records.h"
#include "shell/stores.h"
#include "stations_internal.h"
#include "support/temp_root.h"

extern char** environ;

namespace pelk::test::stations {

namespace {

// ---- The case's side ----

std::vector<std::string>& stationArguments() {
    static std::vector<std::string> arguments;
    return arguments;
}

struct StationLog {
    std::vector<std::pair<std::string, std::string>> entries;
    std::vector<std::string> values(std::string_view key) const {
        std::vector<std::string> v;
        for (const auto& [k, value] : entries)
            if (k == key) v.push_back(value);
        return v;
    }
    Money sum(std::string_view key) const {
        Money total;
        for (const std::string& v : values(key)) total += Money::parse(v).value_or(Money{});
        return total;
    }
};

struct Started {
    std::string name, role;
    pid_t pid = -1;
    int status = 0;
    bool finished = false;
};

// A case: a fresh root with the stores made and the folio laid, its stations, and its report.
class Case {
public:
    explicit Case(std::string title) : session_(root_.path(), true) {
        report.title = std::move(title);
        for (const std::string& e : session_.storesNotMade()) report.faults.push_back("store not made: " + e);
        // The stores as a station that has started once leaves them: a new station writes its
        // default server path when it first looks for its data, and two new stations starting
        // together would both write it.
        (void)orderBookPath();
        run("DOZA98.mdb", std::string("UPDATE tbSet SET Tax = '") + kTaxRate + "'");
        run("DOZA98.mdb", "UPDATE tabPword SET ItmDeSecl = 0");
        run("ZuReserv.mdb", std::string("INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1) VALUES ('Ann', "
                                        "'555-1000', '") +
                                kRoom + "')");
        run("ZuTb.mdb",
            std::string("INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('") + kRoom + "', '" + kFolio + "')");
    }
    ~Case() {
        for (Started& st : started_)
            if (!st.finished) {
                ::kill(st.pid, SIGKILL);
                (void)::waitpid(st.pid, &st.status, 0);
            }
    }

    // The folio with its header totalled from the lines given, as a save left it.
    void layFolio(const std::vector<Money>& prices) {
        Money sum;
        for (std::size_t k = 0; k < prices.size(); ++k) {
            run(folio::kOrderBook, std::string("INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('") +
                                       kFolio + "', '1', 'Line " + std::to_string(k + 1) + "', '" +
                                       prices[k].toPlainText() + "')");
            sum += prices[k];
        }
        Money tax = expectedTax(sum);
        run(folio::kOrderBook,
            std::string("INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal, Tax, Total) VALUES ('") + kFolio +
                "', 'Zu', '" + kRoom + "', '" + sum.toPlainText() + "', '" + tax.toPlainText() + "', '" +
                (sum + tax).toPlainText() + "')");
        laid_ = prices;
    }

    void run(std::string_view file, const std::string& sql) {
        auto store = db::Database::open(os::programPath(file));
        auto done = store ? store->execute(sql) : db::Result<long long>(store.error());
        if (!done) report.faults.push_back("fixture: " + sql + ": " + done.error().message());
    }
    long count(std::string_view file, const std::string& table, const std::string& where = "True") {
        auto store = db::Database::open(os::programPath(file));
        if (!store) return -1;
        auto rows = store->openRecordset("SELECT * FROM " + table + " WHERE " + where);
        return rows ? rows->recordCount() : -1;
    }

    void start(const std::string& role, const std::string& name, int rounds, const std::string& argument = "") {
        // A test runner's sharding or output settings are the parent's; the station runs whole.
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::string_view(*e).rfind("GTEST_", 0) != 0) env.emplace_back(*e);
        env.push_back(std::string(kRoleVariable) + "=" + role);
        env.push_back(std::string(kRootVariable) + "=" + root_.path().string());
        env.push_back(std::string(kNameVariable) + "=" + name);
        env.push_back(std::string(kRoundsVariable) + "=" + std::to_string(rounds));
        env.push_back(std::string(kArgumentVariable) + "=" + argument);
        std::vector<std::string> args{"station"};
        for (const std::string& a : stationArguments()) args.push_back(a);
        std::vector<char*> argv, envp;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        // The test runner's own output would only repeat the parent's; what a station has to say
        // goes to its log, and anything it cries goes to the error stream.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        int rc = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) {
            report.faults.push_back("station " + name + " could not be started");
            return;
        }
        started_.push_back({name, role, pid});
    }

    // Waits for every station to be ready and gives the word.
    void release() {
        auto deadline = std::chrono::steady_clock::now() + kStationDeadline;
        for (Started& st : started_) {
            while (!fs::exists(root_.path() / (st.name + ".ready")) && !st.finished) {
                if (::waitpid(st.pid, &st.status, WNOHANG) == st.pid) st.finished = true;
                if (std::chrono::steady_clock::now() > deadline) break;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        std::ofstream{root_.path() / "go"} << "go\n";
    }
    // Waits for every station to end.
    void await() {
        auto deadline = std::chrono::steady_clock::now() + kStationDeadline;
        for (Started& st : started_) {
            while (!st.finished) {
                if (::waitpid(st.pid, &st.status, WNOHANG) == st.pid) {
                    st.finished = true;
                    break;
                }
                if (std::chrono::steady_clock::now() > deadline) {
                    report.faults.push_back("station " + st.name + " (" + st.role + ") did not finish in time");
                    break;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        }
    }
    void runStations() {
        release();
        await();
    }

    // A station that ended, by itself or killed as `killed` says: its log's faults become the
    // case's.
    StationLog ended(const Started& st, bool killed = false) {
        StationLog log = logOf(st.name);
        std::string who = "station " + st.name + " (" + st.role + ")";
        for (const std::string& f : log.values("fault")) report.faults.push_back(who + ": " + f);
        if (!st.finished) return log;
        bool signalled = WIFSIGNALED(st.status);
        if (killed && !(signalled && WTERMSIG(st.status) == SIGKILL))
            report.faults.push_back(who + " was not killed");
        else if (!killed && signalled)
            report.faults.push_back(who + " died by signal " + std::to_string(WTERMSIG(st.status)));
        else if (!killed && WEXITSTATUS(st.status) != 0 && log.values("fault").empty())
            report.faults.push_back(who + " ended with " + std::to_string(WEXITSTATUS(st.status)));
        return log;
    }
    StationLog logOf(const std::string& name) const {
        StationLog log;
        std::ifstream in(root_.path() / (name + ".log"));
        for (std::string line; std::getline(in, line);) {
            auto space = line.find(' ');
            log.entries.emplace_back(line.substr(0, space), space == std::string::npos ? "" : line.substr(space + 1));
        }
        return log;
    }
    const std::vector<Started>& started() const { return started_; }
    void forget() { started_.clear(); }

    static Money expectedTax(Money subtotal) { return (subtotal * *Money::parse(kTaxRate)).rounded(2); }

    std::optional<folio::StoredFolio> folio(const std::string& number) {
        auto f = folio::OrderBook(orderBookPath(), openFolioPath()).recall(number);
        if (!f) {
            report.faults.push_back("folio " + number + " could not be recalled: " + f.error().message());
            return std::nullopt;
        }
        return *f;
    }

    // The folio's lines are the ones laid and the ones posted, each once; its header's totals
    // are those of its lines; its cash and card amounts those given.
    void checkFolio(const std::vector<Money>& posted, Money received, Money card) {
        auto f = folio(kFolio);
        if (!f) return;
        if (!f->hasHeader || !f->open) report.faults.push_back("the folio lost its header or its open-folio row");
        std::vector<Money> expected = laid_;
        expected.insert(expected.end(), posted.begin(), posted.end());
        std::vector<Money> stored;
        std::set<db::Bookmark> ids;
        Money sum;
        for (const folio::StoredLine& l : f->lines) {
            if (!ids.insert(l.id).second) report.faults.push_back("line " + std::to_string(l.id) + " stored twice");
            stored.push_back(moneyOf(l.price));
            sum += moneyOf(l.price);
        }
        std::sort(expected.begin(), expected.end());
        std::sort(stored.begin(), stored.end());
        report.facts.push_back("lines: " + std::to_string(stored.size()) + " stored, " + std::to_string(laid_.size()) +
                               " laid + " + std::to_string(posted.size()) + " posted");
        if (stored != expected) {
            std::vector<Money> missing, extra;
            std::set_difference(expected.begin(), expected.end(), stored.begin(), stored.end(),
                                std::back_inserter(missing));
            std::set_difference(stored.begin(), stored.end(), expected.begin(), expected.end(),
                                std::back_inserter(extra));
            std::string m, x;
            for (Money p : missing) m += " " + money(p);
            for (Money p : extra) x += " " + money(p);
            report.faults.push_back("the stored lines are not the posted ones: missing" + m + "; not posted" + x);
        }
        Money tax = expectedTax(sum);
        report.facts.push_back("header: subtotal " + money(moneyOf(f->subTotal)) + ", tax " + money(moneyOf(f->tax)) +
                               ", total " + money(moneyOf(f->total)) + "; the lines sum to " + money(sum));
        if (moneyOf(f->subTotal) != sum || moneyOf(f->tax) != tax || moneyOf(f->total) != sum + tax)
            report.faults.push_back("the header's totals are not those of its lines: expected " + money(sum) + " / " +
                                    money(tax) + " / " + money(sum + tax));
        report.facts.push_back("received " + money(moneyOf(f->receive)) + " (cash taken " + money(received) +
                               "), card " + money(moneyOf(f->card)) + " (approved " + money(card) + ")");
        if (moneyOf(f->receive) != received) report.faults.push_back("the cash received is not the cash taken");
        if (moneyOf(f->card) != card) report.faults.push_back("the card amount is not the sum of the approvals");
        if (long n = count(folio::kOrderBook, std::string(folio::kPendingCardTable)); n != 0)
            report.faults.push_back(std::to_string(n) + " card payments are left pending");
    }

    Session& session() { return session_; }
    const fs::path& root() const { return root_.path(); }

    Report report;

private:
    TempRoot root_;
    Session session_;
    std::vector<Money> laid_;
    std::vector<Started> started_;
};

std::vector<Money> valuesOf(const std::vector<std::string>& texts) {
    std::vector<Money> v;
    for (const std::string& t : texts) v.push_back(Money::parse(t).value_or(Money{}));
    return v;
}

}  // namespace

std::string Report::text() const {
    std::ostringstream out;
    out << title << (ok() ? ": held" : ": FAILED") << "\n";
    for (const std::string& f : facts) out << "  " << f << "\n";
    for (const std::string& f : faults) out << "  FAULT " << f << "\n";
    return out.str();
}

void setStationArguments(std::vector<std::string> arguments) { stationArguments() = std::move(arguments); }
const char* nameOf(Work w) {
    switch (w) {
        case Work::Nights:
            return "nights";
        case Work::Cash:
            return "cash";
        case Work::Card:
            return "card";
    }
    return "";
}

Report twoStations(Work first, Work second, int rounds) {
    Case c(std::string(nameOf(first)) + " against " + nameOf(second) + ", " + std::to_string(rounds) + " rounds each");
    c.layFolio({Money::fromInt(5), Money::fromInt(2)});
    c.start(nameOf(first), "station-a", rounds);
    c.start(nameOf(second), "station-b", rounds);
    c.runStations();
    std::vector<Money> posted;
    Money taken, approved;
    int refused = 0, approvals = 0, declines = 0;
    for (const Started& st : c.started()) {
        StationLog log = c.ended(st);
        for (Money p : valuesOf(log.values("posted"))) posted.push_back(p);
        taken += log.sum("taken");
        approved += log.sum("approved");
        refused += static_cast<int>(log.values("refused").size());
        approvals += static_cast<int>(log.values("approved").size());
        for (const std::string& d : log.values("declined"))
            if (d.substr(d.size() - 2) != "13") c.report.faults.push_back("a card of " + d + " was declined");
        for (const std::string& a : log.values("approved"))
            if (a.substr(a.size() - 2) == "13") c.report.faults.push_back("a card of " + a + " was approved");
        declines += static_cast<int>(log.values("declined").size());
        int done =
            static_cast<int>(log.values("posted").size() + log.values("taken").size() + log.values("approved").size() +
                             log.values("declined").size() + log.values("refused").size());
        if (done != rounds)
            c.report.faults.push_back("station " + st.name + " finished " + std::to_string(done) + " of " +
                                      std::to_string(rounds) + " rounds");
    }
    c.checkFolio(posted, taken, approved);
    c.report.facts.push_back("refusals told (and nothing stored): " + std::to_string(refused));
    if (first == Work::Card || second == Work::Card)
        c.report.facts.push_back("card payments: " + std::to_string(approvals) + " approved, " +
                                 std::to_string(declines) + " declined");
    return c.report;
}

Report recallDuringSaves(int recalls) {
    Case c(std::to_string(recalls) + " recalls during another station's saves");
    std::vector<Money> lines;
    for (int k = 1; k <= 5; ++k) lines.push_back(Money::fromInt(k));
    c.layFolio(lines);
    c.start("remover", "station-a", 0);
    c.start("recaller", "station-b", recalls, std::to_string(lines.size()));
    c.runStations();
    int saves = 0, states = 0;
    for (const Started& st : c.started()) {
        StationLog log = c.ended(st);
        for (const std::string& s : log.values("saves")) saves = std::stoi(s);
        for (const std::string& s : log.values("states")) states = std::stoi(s);
    }
    c.report.facts.push_back(std::to_string(saves) + " saves, each a line removed and one added; the recalls saw " +
                             std::to_string(states) + " different folios of " + std::to_string(lines.size()) +
                             " lines");
    if (states < 2) c.report.faults.push_back("no recall saw a save of the other station");
    if (auto f = c.folio(kFolio); f && f->lines.size() != lines.size())
        c.report.faults.push_back("the folio holds " + std::to_string(f->lines.size()) + " lines");
    return c.report;
}

Report saveAgainstCheckOut(int rounds) {
    Case c(std::to_string(rounds) + " saves against " + std::to_string(rounds) + " check-outs");
    c.layFolio({Money::fromInt(5)});
    for (int k = 0; k < rounds; ++k) {
        std::string room = std::to_string(301 + k), number = std::to_string(100 + k);
        c.run(reservations::kReservationStore, "INSERT INTO tblReserv (sLast_na, sPhone_no, szRoom1) VALUES ('Guest " +
                                                   room + "', '555-" + room + "', '" + room + "')");
        c.run(folio::kOrderBook, "INSERT INTO tblZu_Order (Inv, Method, Room, SubTotal, Tax, Total) VALUES ('" +
                                     number + "', 'Zu', '" + room + "', '50', '5', '55')");
        c.run(folio::kOrderBook,
              "INSERT INTO tblDetail (Invoice, Qty, szOrder, Price) VALUES ('" + number + "', '1', 'Room', '50')");
        c.run(shell::kOpenFolioStore,
              "INSERT INTO tbTable (sz_Table, sz_Chk) VALUES ('" + room + "', '" + number + "')");
    }
    c.start("busy-saver", "station-a", rounds);
    c.start("busy-checkout", "station-b", rounds);
    c.runStations();
    std::vector<Money> posted;
    std::size_t checkedOut = 0;
    for (const Started& st : c.started()) {
        StationLog log = c.ended(st);
        for (Money p : valuesOf(log.values("posted"))) posted.push_back(p);
        checkedOut += log.values("checked-out").size();
    }
    c.report.facts.push_back(std::to_string(posted.size()) + " saves and " + std::to_string(checkedOut) +
                             " check-outs stored, with a busy timeout of 2000 ms");
    if (posted.size() != static_cast<std::size_t>(rounds) || checkedOut != static_cast<std::size_t>(rounds))
        c.report.faults.push_back("not every save and check-out went through");
    c.checkFolio(posted, Money{}, Money{});
    long moved = c.count(reservations::kCheckedOutStore, "tblReserv");
    long staying = c.count(reservations::kReservationStore, "tblReserv");
    long open = c.count(shell::kOpenFolioStore, "tbTable");
    c.report.facts.push_back("checked-out stays " + std::to_string(moved) + ", stays left " + std::to_string(staying) +
                             ", open folios left " + std::to_string(open));
    if (moved != static_cast<long>(checkedOut) || staying != 1 + rounds - static_cast<long>(checkedOut) ||
        open != 1 + rounds - static_cast<long>(checkedOut))
        c.report.faults.push_back("the check-outs did not move exactly their stays and open folios");
    return c.report;
}

Report killBetweenApprovalAndRecord(int kills) {
    Case c(std::to_string(kills) + " card payments stopped between the processor's answer and the folio's record");
    c.layFolio({Money::fromInt(80)});
    struct Kind {
        const char* name;
        char how;            // as payAndStop takes it
        std::int64_t cents;  // of the amount asked
        bool approved;
    };
    const Kind kinds[] = {{"killed after its approval", '+', 5, true},
                          {"killed after its decline", '+', 13, false},
                          {"killed before asking", '-', 5, false},
                          {"still at work while another station starts", '=', 5, true}};
    Money card;
    int posted = 0, dropped = 0, alive = 0;
    for (int k = 0; k < kills; ++k) {
        const Kind& kind = kinds[k % 4];
        Money amount = Money::fromInt(20 + k) + cents(kind.cents);
        std::string what = "payment " + std::to_string(k) + " (" + money(amount) + ", " + kind.name + ")";
        std::string name = "payer-" + std::to_string(k);
        auto pendingNow = [&] { return c.count(folio::kOrderBook, std::string(folio::kPendingCardTable)); };
        // What the next start of a station runs; the clerk hears only of a payment it put on the folio.
        auto settle = [&](const char* when, bool tellsPosted) {
            c.session().newPrompts();
            folio::settlePendingCardPayments();
            std::vector<std::string> told = c.session().newPrompts();
            if (tellsPosted ? told != std::vector<std::string>{kSettledOne} : !told.empty())
                c.report.faults.push_back(what + ", settled " + when + ": the clerk was told " +
                                          (told.empty() ? "nothing" : joined(told)));
        };
        c.forget();
        c.start("card-payer", name, 0, kind.how + amount.toPlainText());
        c.release();
        if (kind.how == '=') {
            // Another station starts while this one waits for the processor: the payment is left
            // to its own station.
            auto deadline = std::chrono::steady_clock::now() + kStationDeadline;
            while (c.logOf(name).values("begun").empty() && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            settle("while its station waits", false);
            if (long n = pendingNow(); n != 1)
                c.report.faults.push_back(what + ": " + std::to_string(n) +
                                          " payments pending while its station waits");
            std::ofstream{c.root() / (name + ".resume")} << "resume\n";
            ++alive;
        }
        c.await();
        if (c.started().empty()) break;
        const Started& st = c.started().front();
        StationLog log = c.ended(st, kind.how != '=');
        std::vector<std::string> answer = log.values("answer");
        std::string expected = kind.how == '-' ? "" : kind.approved ? "approved" : "declined";
        if ((answer.empty() ? "" : answer[0]) != expected)
            c.report.faults.push_back(what + ": the processor answered " + (answer.empty() ? "nothing" : answer[0]));
        if (kind.how != '=') {
            if (long n = pendingNow(); n != 1)
                c.report.faults.push_back(what + ": " + std::to_string(n) + " payments pending after the kill");
            settle("at the next start", kind.approved);
        }
        // A second start finds nothing left to do.
        settle("again", false);
        if (kind.approved) {
            card += amount;
            ++posted;
        } else {
            ++dropped;
        }
        auto f = c.folio(kFolio);
        if (f && moneyOf(f->card) != card)
            c.report.faults.push_back(what + ": the folio's card amount is " + money(moneyOf(f->card)) + ", not " +
                                      money(card));
        if (long n = pendingNow(); n != 0)
            c.report.faults.push_back(what + ": " + std::to_string(n) + " payments still pending");
    }
    c.report.facts.push_back(std::to_string(posted) + " approved payments on the folio once each (card " + money(card) +
                             "), " + std::to_string(alive) + " of them by their own station while another started; " +
                             std::to_string(dropped) +
                             " declined or never asked dropped; a second start changed nothing");
    c.checkFolio({}, Money{}, card);
    return c.report;
}

}  // namespace pelk::test::stations
