// The data layer against the same work done straight through the SQLite C API: over 100,000
// rows, a look-up by name prefix in phone order (the store opened each time) and the day sums
// of a month (the expenses report); and at 1,000, 10,000 and 100,000 rows of a 33-field table,
// the road a screen's data control takes: opened (its rows taken, the first shown) and a find by
// a code prefix, by an exact code, a walk through every row, and MoveLast with RecordCount.
// Each layer case runs beside its raw case, their runs interleaved, and the ratios of their
// medians close the run.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

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
        sqlite3_prepare_v2(
            db, "INSERT INTO tblCustmr (sPhone_no, sLast_na, sFirst_nm, szStreet_ad) VALUES (?1, ?2, ?3, ?4)", -1, &c,
            nullptr);
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
        sqlite3_prepare_v2(db,
                           "SELECT sPhone_no, sLast_na, sFirst_nm, szStreet_ad FROM tblCustmr WHERE sLast_na LIKE "
                           "'zimmerle%' ORDER BY sPhone_no LIMIT 1",
                           -1, &st, nullptr);
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

// ---- the data control's road over a 33-field table --------------------------------------

constexpr int kFields = 33;
const char* const kControlSource = "SELECT * FROM tbStaff ORDER BY szID_no ASC";
// The fields by name, for the raw side (the store's hidden row identity is no field).
const std::string kColumns = [] {
    std::string out = "szID_no";
    for (int k = 1; k < kFields; ++k) out += ", szField" + std::to_string(k);
    return out;
}();

std::string code(int i) {
    char c[16];
    std::snprintf(c, sizeof c, "C%06d", i);
    return c;
}

// One store per size, its code declared as a look-up key as the staff store's is.
struct StaffStore {
    std::string path, file;
    db::Database handle;  // the program holds the store open, as a running station does

    static db::Database make(int rows, std::string& path, std::string& file) {
        BenchStore& base = store();  // the root folder
        (void)base;
        path = os::programPath("Staff" + std::to_string(rows) + ".mdb");
        file = os::mapPath(path).string();
        db::TableDecl t{"tbStaff", {{"szID_no", db::Kind::Text, 10}}, {}};
        for (int k = 1; k < kFields; ++k) t.fields.push_back({"szField" + std::to_string(k), db::Kind::Text, 50});
        t.indexes = {{"szID_no"}};
        if (auto st = db::ensureStore(path, {"Staff.mdb", {t}}); !st)
            std::fprintf(stderr, "%s\n", st.error().message().c_str());
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        std::string names = "szID_no", marks = "?1";
        for (int k = 1; k < kFields; ++k) {
            names += ", szField" + std::to_string(k);
            marks += ", ?" + std::to_string(k + 1);
        }
        std::string sql = "INSERT INTO tbStaff (" + names + ") VALUES (" + marks;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, (sql + ")").c_str(), -1, &st, nullptr);
        std::mt19937 rng(7);
        for (int i = 0; i < rows; ++i) {
            // Codes in a shuffled order of entry, so the code order is not the entry order.
            std::string c = code(static_cast<int>((static_cast<long long>(i) * 7919) % rows));
            sqlite3_bind_text(st, 1, c.c_str(), -1, SQLITE_TRANSIENT);
            for (int k = 1; k < kFields; ++k) {
                std::string v = "value " + std::to_string(rng() % 100000);
                sqlite3_bind_text(st, k + 1, v.c_str(), -1, SQLITE_TRANSIENT);
            }
            sqlite3_step(st);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return *db::Database::open(path);
    }
    explicit StaffStore(int rows) : handle(make(rows, path, file)) {}
};

StaffStore& staff(int rows) {
    static std::map<int, std::unique_ptr<StaffStore>> stores;
    auto& s = stores[rows];
    if (!s) s = std::make_unique<StaffStore>(rows);
    return *s;
}

// What a data control does when it shows a row: every field read, lent, into the text shown.
std::size_t showRow(db::Recordset& rs) {
    std::size_t n = 0;
    for (int k = 0; k < kFields; ++k)
        if (auto v = rs.fieldLent(k); v) n += (*v)->toText().size();
    return n;
}

// A raw connection kept open beside the layer's, as the layer keeps its own.
struct Raw {
    sqlite3* db = nullptr;
    explicit Raw(const std::string& file) {
        sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 10000);
    }
    ~Raw() { sqlite3_close(db); }
    // The row identities in the control's order, as the control takes them.
    std::vector<sqlite3_int64> ids() const {
        std::vector<sqlite3_int64> out;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "SELECT rowid FROM tbStaff ORDER BY szID_no, rowid", -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) out.push_back(sqlite3_column_int64(st, 0));
        sqlite3_finalize(st);
        return out;
    }
    static std::size_t showRow(sqlite3_stmt* st) {
        std::size_t n = 0;
        for (int k = 0; k < kFields; ++k) {
            const char* t = reinterpret_cast<const char*>(sqlite3_column_text(st, k));
            n += std::string(t ? t : "").size();
        }
        return n;
    }
    // The first row of a query, shown; 0 when none.
    std::size_t first(const std::string& sql) const {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
        std::size_t n = sqlite3_step(st) == SQLITE_ROW ? showRow(st) : 0;
        sqlite3_finalize(st);
        return n;
    }
};

void Layer_ControlFindByPrefix(benchmark::State& state) {
    StaffStore& s = staff(static_cast<int>(state.range(0)));
    std::string prefix = code(static_cast<int>(state.range(0) / 2)).substr(0, 6);
    for (auto _ : state) {
        auto rs = s.handle.openRecordset(kControlSource);
        benchmark::DoNotOptimize(rs->recordCount());
        benchmark::DoNotOptimize(showRow(*rs));
        if (!rs->FindFirst(db::prefixCriterion("szID_no", prefix)).ok() || rs->noMatch()) state.SkipWithError("none");
        benchmark::DoNotOptimize(showRow(*rs));
    }
}
void Raw_ControlFindByPrefix(benchmark::State& state) {
    StaffStore& s = staff(static_cast<int>(state.range(0)));
    Raw raw(s.file);
    std::string prefix = code(static_cast<int>(state.range(0) / 2)).substr(0, 6);
    for (auto _ : state) {
        benchmark::DoNotOptimize(raw.ids().size());
        benchmark::DoNotOptimize(raw.first("SELECT " + kColumns + " FROM tbStaff ORDER BY szID_no, rowid LIMIT 1"));
        if (!raw.first("SELECT " + kColumns + " FROM tbStaff WHERE szID_no LIKE '" + prefix +
                       "%' ORDER BY szID_no, rowid LIMIT 1"))
            state.SkipWithError("none");
    }
}

void Layer_ControlFindByCode(benchmark::State& state) {
    StaffStore& s = staff(static_cast<int>(state.range(0)));
    std::string wanted = code(static_cast<int>(state.range(0) * 3 / 4));
    for (auto _ : state) {
        auto rs = s.handle.openRecordset(kControlSource);
        benchmark::DoNotOptimize(rs->recordCount());
        benchmark::DoNotOptimize(showRow(*rs));
        if (!rs->FindFirst("szID_no = " + db::quote(wanted)).ok() || rs->noMatch()) state.SkipWithError("none");
        benchmark::DoNotOptimize(showRow(*rs));
    }
}
void Raw_ControlFindByCode(benchmark::State& state) {
    StaffStore& s = staff(static_cast<int>(state.range(0)));
    Raw raw(s.file);
    std::string wanted = code(static_cast<int>(state.range(0) * 3 / 4));
    for (auto _ : state) {
        benchmark::DoNotOptimize(raw.ids().size());
        benchmark::DoNotOptimize(raw.first("SELECT " + kColumns + " FROM tbStaff ORDER BY szID_no, rowid LIMIT 1"));
        if (!raw.first("SELECT " + kColumns + " FROM tbStaff WHERE szID_no = '" + wanted +
                       "' ORDER BY szID_no, rowid LIMIT 1"))
            state.SkipWithError("none");
    }
}

void Layer_ControlWalkEveryRow(benchmark::State& state) {
    StaffStore& s = staff(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto rs = s.handle.openRecordset(kControlSource);
        benchmark::DoNotOptimize(rs->recordCount());
        std::size_t n = 0;
        while (!rs->eof()) {
            n += showRow(*rs);
            (void)rs->MoveNext();
        }
        benchmark::DoNotOptimize(n);
    }
}
void Raw_ControlWalkEveryRow(benchmark::State& state) {
    StaffStore& s = staff(static_cast<int>(state.range(0)));
    Raw raw(s.file);
    for (auto _ : state) {
        benchmark::DoNotOptimize(raw.ids().size());
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(raw.db, ("SELECT " + kColumns + " FROM tbStaff ORDER BY szID_no, rowid").c_str(), -1, &st,
                           nullptr);
        std::size_t n = 0;
        while (sqlite3_step(st) == SQLITE_ROW) n += Raw::showRow(st);
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(n);
    }
}

void Layer_ControlLastAndCount(benchmark::State& state) {
    StaffStore& s = staff(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto rs = s.handle.openRecordset(kControlSource);
        benchmark::DoNotOptimize(rs->recordCount());
        benchmark::DoNotOptimize(showRow(*rs));
        (void)rs->MoveLast();
        benchmark::DoNotOptimize(showRow(*rs));
        if (rs->recordCount() != state.range(0)) state.SkipWithError("count");
    }
}
void Raw_ControlLastAndCount(benchmark::State& state) {
    StaffStore& s = staff(static_cast<int>(state.range(0)));
    Raw raw(s.file);
    for (auto _ : state) {
        auto ids = raw.ids();
        benchmark::DoNotOptimize(raw.first("SELECT " + kColumns + " FROM tbStaff ORDER BY szID_no, rowid LIMIT 1"));
        benchmark::DoNotOptimize(
            raw.first("SELECT " + kColumns + " FROM tbStaff WHERE rowid = " + std::to_string(ids.back())));
        if (static_cast<long>(ids.size()) != state.range(0)) state.SkipWithError("count");
    }
}

#define PELK_SIDE_BY_SIDE(name)         \
    BENCHMARK(Layer_##name)             \
        ->Arg(1000)                     \
        ->Arg(10000)                    \
        ->Arg(100000)                   \
        ->Unit(benchmark::kMillisecond) \
        ->Repetitions(5)                \
        ->ReportAggregatesOnly(true);   \
    BENCHMARK(Raw_##name)               \
        ->Arg(1000)                     \
        ->Arg(10000)                    \
        ->Arg(100000)                   \
        ->Unit(benchmark::kMillisecond) \
        ->Repetitions(5)                \
        ->ReportAggregatesOnly(true)
PELK_SIDE_BY_SIDE(ControlFindByPrefix);
PELK_SIDE_BY_SIDE(ControlFindByCode);
PELK_SIDE_BY_SIDE(ControlWalkEveryRow);
PELK_SIDE_BY_SIDE(ControlLastAndCount);

// Prints each layer case's median beside its raw case's, and their ratio, after the usual report.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians_[r.run_name.str()] = r.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-40s %12s %12s %8s\n", "case (median, ms)", "layer", "raw", "ratio");
        for (const auto& [name, layer] : medians_) {
            if (name.rfind("Layer_", 0) != 0) continue;
            auto raw = medians_.find("Raw_" + name.substr(6));
            if (raw == medians_.end()) continue;
            std::string shown = name.substr(6, name.find("/repeats") - 6);
            std::printf("%-40s %12.3f %12.3f %7.2fx\n", shown.c_str(), layer, raw->second, layer / raw->second);
        }
    }

private:
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    // Each case's runs are interleaved with every other case's, so a layer case and its raw
    // case meet the same spells of a busy machine; a flag given on the command line still wins.
    std::vector<char*> args(argv, argv + argc);
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
