// The data layer against the same queries run straight through the SQLite C API, over
// 100,000 rows: a look-up by name prefix in phone order (the store opened each time, as a
// screen's data control does), and the day sums of a month (the expenses report).

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "platform/core/datetime.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"

using namespace pelk;

namespace {

constexpr int kRows = 100000;

struct BenchStore {
    std::filesystem::path root;
    std::string path;  // Windows path
    std::string file;  // on this machine

    BenchStore() {
        root = std::filesystem::temp_directory_path() / ("pelkbench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root);
        os::setRootFolder(root);
        path = os::programPath("Bench.mdb");
        file = os::mapPath(path).string();
        db::StoreDecl decl{"Bench.mdb",
                           {{"tblCustmr",
                             {{"sPhone_no", db::Kind::Text, 20},
                              {"sLast_na", db::Kind::Text, 30},
                              {"sFirst_nm", db::Kind::Text, 30},
                              {"szStreet_ad", db::Kind::Text, 50}},
                             {}},
                            {"tblZu_Order",
                             {{"Inv", db::Kind::Counter},
                              {"ID", db::Kind::Text, 10},
                              {"Method", db::Kind::Text, 10},
                              {"Date", db::Kind::DateTime},
                              {"Total", db::Kind::Currency}},
                             {}}}};
        if (auto st = db::ensureStore(path, decl); !st) std::fprintf(stderr, "%s\n", st.error().message().c_str());
        fill();
    }
    ~BenchStore() { std::filesystem::remove_all(root); }

    void fill() {
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        std::mt19937 rng(42);
        const char* const syllables[] = {"sm", "ith", "jo", "nes", "ba", "ker", "zim", "mer", "lee", "chen", "o", "ra"};
        sqlite3_stmt* c = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO tblCustmr VALUES (?1, ?2, ?3, ?4)", -1, &c, nullptr);
        for (int i = 0; i < kRows; ++i) {
            std::string last;
            for (int k = 0; k < 3; ++k) last += syllables[rng() % 12];
            last[0] = static_cast<char>(std::toupper(last[0]));
            char phone[32];
            std::snprintf(phone, sizeof phone, "555-%07u", static_cast<unsigned>(rng() % 10000000));
            sqlite3_bind_text(c, 1, phone, -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(c, 2, last.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(c, 3, "Ann", -1, SQLITE_STATIC);
            sqlite3_bind_text(c, 4, "12 Main St", -1, SQLITE_STATIC);
            sqlite3_step(c);
            sqlite3_reset(c);
        }
        sqlite3_finalize(c);
        sqlite3_prepare_v2(db, "INSERT INTO tblZu_Order (ID, Method, Date, Total) VALUES ('0012', 'Zu', ?1, ?2)", -1,
                           &c, nullptr);
        for (int i = 0; i < kRows; ++i) {
            core::Date d = core::addDays(core::Date{2026, 1, 1}, static_cast<int>(rng() % 365));
            sqlite3_bind_text(c, 1, core::isoDate(d).c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_double(c, 2, static_cast<double>(rng() % 100000) / 100.0);
            sqlite3_step(c);
            sqlite3_reset(c);
        }
        sqlite3_finalize(c);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
};

BenchStore& store() {
    static BenchStore s;
    return s;
}

const char* const kSumSource =
    "SELECT Sum(tblZu_Order.Total) AS SumOfTotal FROM tblZu_Order GROUP BY tblZu_Order.Date "
    "HAVING ((tblZu_Order.Date) Between #2/25/2026# And #3/31/2026#);";

void Layer_OpenAndFindFirstByPrefix(benchmark::State& state) {
    BenchStore& s = store();
    std::string found;
    for (auto _ : state) {
        auto d = db::Database::open(s.path);
        auto rs = d->openRecordset("SELECT * FROM tblCustmr ORDER BY sPhone_no ASC");
        if (!rs->FindFirst(db::prefixCriterion("sLast_na", "zimmerle")).ok() || rs->noMatch())
            state.SkipWithError("no match");
        found = rs->field("sPhone_no")->toText();
    }
    state.SetLabel(found);
}
BENCHMARK(Layer_OpenAndFindFirstByPrefix)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void Raw_OpenAndFindFirstByPrefix(benchmark::State& state) {
    BenchStore& s = store();
    std::string found;
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(s.file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 10000);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM tblCustmr WHERE sLast_na LIKE 'zimmerle%' ORDER BY sPhone_no LIMIT 1", -1,
                           &st, nullptr);
        if (sqlite3_step(st) != SQLITE_ROW) state.SkipWithError("no match");
        found = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        sqlite3_finalize(st);
        sqlite3_close(db);
    }
    state.SetLabel(found);
}
BENCHMARK(Raw_OpenAndFindFirstByPrefix)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void Layer_SumByDayOverARange(benchmark::State& state) {
    BenchStore& s = store();
    auto d = db::Database::open(s.path);
    core::Money total;
    long days = 0;
    for (auto _ : state) {
        auto rs = d->openRecordset(kSumSource);
        total = core::Money{};
        days = 0;
        if (rs->MoveFirst().ok()) {
            while (!rs->eof()) {
                total += rs->field("SumOfTotal")->toMoney();
                ++days;
                (void)rs->MoveNext();
            }
        }
    }
    state.SetLabel(std::to_string(days) + " days, " + total.toPlainText());
}
BENCHMARK(Layer_SumByDayOverARange)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void Raw_SumByDayOverARange(benchmark::State& state) {
    BenchStore& s = store();
    sqlite3* db = nullptr;
    sqlite3_open_v2(s.file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    double total = 0;
    long days = 0;
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT sum(Total) AS SumOfTotal FROM tblZu_Order GROUP BY Date "
                           "HAVING Date BETWEEN '2026-02-25' AND '2026-03-31'",
                           -1, &st, nullptr);
        total = 0;
        days = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            total += sqlite3_column_double(st, 0);
            ++days;
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    char label[64];
    std::snprintf(label, sizeof label, "%ld days, %.2f", days, total);
    state.SetLabel(label);
}
BENCHMARK(Raw_SumByDayOverARange)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
