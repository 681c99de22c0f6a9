// The screens against a bare Qt window, on the offscreen platform (a 1024 by 768 screen), in
// alternating rounds in one run, told as medians with the start-ups as ratios to the bare window:
//
//   build/tests/screen_bench [--fixtures] [rounds]      (rounds: 15 unless given)
//
// The station holds its staff and time cards and otherwise empty stores; with --fixtures it is
// first made from a year of money_bench's fixtures (the 1x hotel, with the 50,000 reservations
// and 50,000 customers of its guest searches in place of its own), so that every screen below
// opens over a year of data.
//
// - bare window: a process that makes a QApplication and shows a plain QWidget of the screen's
//   size, until it has painted;
// - start-up: a process that starts the program, until its log-in screen has painted, its
//   stores made already;
// - first start: the same on a station with no store yet (every store made on the way);
//   each of these three is timed from the start of the process to its end, right after the paint,
//   the three taking turns at going first from round to round;
// - in one program, logged in: Show to first paint of the staff records (frmEmploye) over 2,000
//   employees, and of the time sheets (frmRepTSht) over a year of cards (10,950 cards of 2,000
//   employees), every card of the year and one employee's year;
// - then every other registered form, shown over the main window to its first paint, the
//   slowest told (a form that shows no window of its own is passed over).
// Never run by CTest: the figures depend on the machine.

#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/money_fixtures.h"
#include "platform/core/clock.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/os/station.h"
#include "platform/qt/application.h"
#include "platform/qt/qt_host.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"
#include "reservations/records.h"
#include "shell/frmEmploye.h"
#include "shell/frmPassword.h"
#include "shell/frmRepTSht.h"

extern char** environ;

using namespace pelk;
namespace fs = std::filesystem;

namespace {

constexpr int kEmployees = 2000;
constexpr int kCardsADay = 30;  // 10,950 cards over the 365 days of 2026

// Sets `painted` when a widget of the watched window paints.
class PaintWatch : public QObject {
public:
    QWidget* window = nullptr;
    bool painted = false;
    bool exitOnPaint = false;  // a child process waiting inside a window shown waiting
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && window && o->isWidgetType() && static_cast<QWidget*>(o)->window() == window) {
            painted = true;
            // The paint finishes before the queued end runs, as the bare window's loop lets it.
            if (exitOnPaint) QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

PaintWatch& watch() {
    static PaintWatch* w = [] {
        auto* p = new PaintWatch;
        qApp->installEventFilter(p);
        return p;
    }();
    return *w;
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Milliseconds from the start of `show` until the window it returns has painted; -1 when it
// returns none and `nothingShown` allows it.
double toFirstPaint(const std::function<QWidget*()>& show, bool nothingShown = false) {
    settle();
    QElapsedTimer clock;
    clock.start();
    watch().painted = false;
    watch().window = show();
    if (!watch().window) {
        if (nothingShown) return -1;
        std::fprintf(stderr, "screen_bench: nothing was shown\n");
        std::exit(1);
    }
    while (!watch().painted && clock.elapsed() < 10000) QCoreApplication::processEvents();
    double ms = clock.nsecsElapsed() / 1e6;
    watch().window = nullptr;
    return ms;
}

fs::path freshFolder() {
    std::random_device rd;
    for (;;) {
        fs::path p = fs::temp_directory_path() / ("pelkbench-" + std::to_string(rd()));
        if (fs::create_directory(p)) return p;
    }
}

// One run of the program on its own host, from a clean registry.
class Session {
public:
    explicit Session(const fs::path& root) {
        os::setRootFolder(root);
        ui::forms().clear();
        ui::resetProgramState();
        ui::screen().reset();
        db::Catalogue::instance().clear();
        host_ = std::make_unique<qt::QtHost>();
        ui::setHost(host_.get());
        ui::program().registerForms();
    }
    ~Session() {
        ui::forms().unloadAllSilently();
        ui::forms().collect();
        ui::forms().clear();
        ui::resetProgramState();
        host_.reset();
        ui::setHost(nullptr);
        db::Catalogue::instance().clear();
        settle();
    }
    qt::QtHost& host() { return *host_; }
    QWidget* startUp() {
        ui::markProgramStarted();
        ui::runEvent([] { ui::program().startUp(); });
        auto* login = ui::forms().find<shell::frmPassword>();
        return login ? host_->topLevelOf(*login) : nullptr;
    }

private:
    std::unique_ptr<qt::QtHost> host_;
};

void check(const db::Status& st, const char* what) {
    if (st) return;
    std::fprintf(stderr, "screen_bench: %s: %s\n", what, st.error().message().c_str());
    std::exit(1);
}

// A year of a hotel's data at `root`: the 1x fixtures' hotel, its reservation and customer
// stores those of the guest searches. Says what they hold.
std::string loadYear(const fs::path& root) {
    const bench::Plan plan = bench::planFor(1);
    std::string sizes, error;
    std::fprintf(stderr, "screen_bench: fixtures at %s in %s …\n", bench::scaleName(plan.scale).c_str(),
                 PELK_BENCH_FIXTURES);
    if (!bench::ensureFixtures(PELK_BENCH_FIXTURES, plan, &sizes, &error)) {
        std::fprintf(stderr, "screen_bench: the fixtures could not be made: %s\n", error.c_str());
        std::exit(1);
    }
    const fs::path cache = fs::path(PELK_BENCH_FIXTURES) / bench::scaleName(plan.scale);
    std::error_code ec;
    fs::copy(cache / bench::siteFolder(bench::Site::Hotel), root, fs::copy_options::recursive, ec);
    for (std::string_view store : {reservations::kReservationStore, reservations::kCustomerStore}) {
        if (ec) break;
        os::setRootFolder(cache / bench::siteFolder(bench::Site::Guests));
        fs::path from = os::mapPath(os::programPath(store));
        os::setRootFolder(root);
        fs::copy_file(from, os::mapPath(os::programPath(store)), fs::copy_options::overwrite_existing, ec);
    }
    if (ec) {
        std::fprintf(stderr, "screen_bench: cannot copy the fixtures: %s\n", ec.message().c_str());
        std::exit(1);
    }
    return sizes;
}

// The station with its stores made and a year of staff and time cards.
void fillStation(const fs::path& root) {
    {
        // A station already set up: its start-ups go straight to the log-in, not to the wizard.
        // Its stores are made first, since a set-up station tells the clerk, in a box that waits,
        // of every store it finds missing.
        std::string error;
        if (!bench::prepareStores(root, &error)) {
            std::fprintf(stderr, "screen_bench: %s\n", error.c_str());
            std::exit(1);
        }
        Session s(root);
        s.startUp();
    }
    os::setRootFolder(root);
    std::string staff = os::programPath("Infor.mdb"), cards = os::programPath("Tcd.mdb");
    db::UnitOfWork work;
    check(work.begin({staff, cards}), "begin");
    auto people = work.store(staff);
    auto sheets = work.store(cards);
    for (int n = 0; n < kEmployees; ++n) {
        auto added =
            people->execute("INSERT INTO tbEmplo (szID_no, sFirst_nm, szLevel_nu, szRate) VALUES ('" +
                            std::to_string(1000 + n) + "', 'Employee " + std::to_string(n) + "', 'Level 1', '12.50')");
        if (!added) check(added.error(), "employee");
    }
    int card = 0;
    for (int day = 0; day < 365; ++day) {
        core::Date d = core::addDays(core::Date{2026, 1, 1}, day);
        std::string date = "#" + core::shortDate(d) + "#";
        for (int k = 0; k < kCardsADay; ++k, ++card) {
            int who = (card * 7) % kEmployees;
            auto added = sheets->execute(
                "INSERT INTO tblTcd (szID_no, szName_na, szDate_da, szIn_ti, szDateO_da, szOut_ti, szTHrs) VALUES ('" +
                std::to_string(1000 + who) + "', 'Employee " + std::to_string(who) + "', " + date + ", #8:00:00 AM#, " +
                date + ", #4:00:00 PM#, 480)");
            if (!added) check(added.error(), "card");
        }
    }
    check(work.commit(), "commit");
}

// ---- The start-ups, each a process of its own

// What a child process runs: the bare window or the program, until the first paint.
[[noreturn]] void child(const std::string& what) {
    int argc = 1;
    char name[] = "screen_bench";
    char* argv[] = {name, nullptr};
    // The program begins what it can before the window system comes up, as pelkpos does.
    std::unique_ptr<qt::EarlyStart> early;
    if (what != "bare") {
        installProgram();
        early = std::make_unique<qt::EarlyStart>(ui::program());
    }
    QApplication app(argc, argv);
    if (what == "bare") {
        auto* w = new QWidget;  // left to the end of the process, as the program's windows are
        w->resize(1024, 768);
        watch().window = w;
        w->show();
    } else {
        // As pelkpos: the look (and the fonts it needs) when the first window is built.
        qt::deferLook([&] {
            early->fontsReady();
            qt::applyLook(app);
        });
        static qt::QtHost host;
        ui::setHost(&host);
        ui::program().registerForms();
        ui::markProgramStarted();
        // A first start shows the set-up wizard waiting before the log-in, inside the start-up:
        // the run ends at the first paint of whichever of the two comes first.
        static QTimer look;
        QObject::connect(&look, &QTimer::timeout, [] {
            if (watch().window) return;
            for (const char* first : {"frmRegister", "frmPassword"})
                if (ui::Form* f = ui::forms().find(first); f && f->visible())
                    if (QWidget* w = host.topLevelOf(*f)) {
                        watch().window = w;
                        watch().exitOnPaint = true;
                    }
        });
        look.start(0);
        early->programReady();
        ui::runEvent([] { ui::program().startUp(); });
        auto* login = ui::forms().find<shell::frmPassword>();
        if (!watch().window) watch().window = login ? host.topLevelOf(*login) : nullptr;
        if (!watch().window) std::_Exit(1);
    }
    while (!watch().painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    std::_Exit(0);
}

// Milliseconds from starting `screen_bench --child WHAT` with PELKPOS_ROOT at `root` to its end.
double timeChild(const std::string& what, const fs::path& root) {
    setenv("PELKPOS_ROOT", root.c_str(), 1);
    std::string self = fs::read_symlink("/proc/self/exe").string();
    std::vector<std::string> args = {self, "--child", what};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "screen_bench: cannot start %s\n", self.c_str());
        std::exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    double ms = clock.nsecsElapsed() / 1e6;
    unsetenv("PELKPOS_ROOT");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "screen_bench: the %s process failed\n", what.c_str());
        std::exit(1);
    }
    return ms;
}

struct Case {
    const char* name;
    std::vector<double> ms;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The offscreen platform as a station's display, unless another platform is asked for.
void stationScreen(const fs::path& folder) {
    if (std::getenv("QT_QPA_PLATFORM")) return;
    fs::path config = folder / "offscreen_1024x768.json";
    std::ofstream(config) << R"({"windowFrameMargins": false, "screens": [{"name": "Station", "x": 0, "y": 0,
  "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.string()).c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--child") child(argv[2]);
    bool year = false;
    int rounds = 15;
    for (int k = 1; k < argc; ++k) {
        if (std::string(argv[k]) == "--fixtures")
            year = true;
        else
            rounds = std::max(1, std::atoi(argv[k]));
    }
    fs::path work = freshFolder();
    stationScreen(work);
    QApplication app(argc, argv);
    qt::applyLook(app);
    installProgram();
    core::clock::fix(core::DateTime{core::Date{2026, 12, 31}, core::Time{9, 0, 0}});

    fs::path station = work / "station";
    fs::create_directory(station);
    std::string sizes = year ? loadYear(station) : "";
    fillStation(station);

    Case bare{"bare Qt window (a process)", {}}, start{"start-up to the log-in screen (a process)", {}},
        first{"first start (a process)", {}}, staff{"staff records, 2,000 employees", {}},
        all{"time sheets, a year, all employees", {}}, one{"time sheets, a year, one employee", {}};
    // The first round warms the caches (fonts, the files) and is not counted. The three take
    // turns at going first, so that none always follows the same one (a first start leaves the
    // disk busy with the stores it made and removed).
    for (int round = 0; round <= rounds; ++round) {
        bool counted = round > 0;
        for (int turn = 0; turn < 3; ++turn) {
            switch ((round + turn) % 3) {
                case 0: {
                    double ms = timeChild("bare", station);
                    if (counted) bare.ms.push_back(ms);
                    break;
                }
                case 1: {
                    double ms = timeChild("program", station);
                    if (counted) start.ms.push_back(ms);
                    break;
                }
                default: {
                    fs::path fresh = work / ("first-" + std::to_string(round));
                    fs::create_directory(fresh);
                    double ms = timeChild("program", fresh);
                    if (counted) first.ms.push_back(ms);
                    fs::remove_all(fresh);
                }
            }
        }
    }

    {
        Session s(station);
        s.startUp();
        auto* login = ui::forms().find<shell::frmPassword>();
        ui::runEvent([&] {
            for (int digit : {7, 3, 9, 1}) ui::input::click(login->comNumber(digit));
        });
        settle();
        if (!s.host().mainWindow()) {
            std::fprintf(stderr, "screen_bench: the log-in did not open the main window\n");
            return 1;
        }
        for (int round = 0; round <= rounds; ++round) {
            bool counted = round > 0;
            double ms = toFirstPaint([&] {
                auto& f = ui::forms().get<shell::frmEmploye>();
                ui::runEvent([&] { f.Show(); });
                return s.host().topLevelOf(f)->window();
            });
            if (counted) staff.ms.push_back(ms);
            ui::runEvent([] { ui::forms().get<shell::frmEmploye>().Unload(); });

            for (bool oneEmployee : {false, true}) {
                ms = toFirstPaint([&] {
                    shell::frmRepTSht* f = nullptr;
                    ui::runEvent([&] {
                        f = &ui::forms().get<shell::frmRepTSht>();
                        f->txtFrom.setText("1/1/2026");
                        f->datTcd.setRecordSource(
                            "SELECT * FROM tblTcd WHERE szDate_da Between #1/1/2026# And #12/31/2026#");
                        (void)f->datTcd.Refresh();
                        if (oneEmployee) f->txtID.setText("1007");
                        f->Show();
                    });
                    return s.host().topLevelOf(*f)->window();
                });
                if (counted) (oneEmployee ? one : all).ms.push_back(ms);
                ui::runEvent([] { ui::forms().get<shell::frmRepTSht>().Unload(); });
            }
        }
    }

    // Every other registered form, shown over the main window as the screen walk shows them,
    // each to its first paint: the slowest are told.
    std::vector<std::pair<double, std::string>> every;
    {
        Session s(station);
        s.startUp();
        auto* login = ui::forms().find<shell::frmPassword>();
        ui::runEvent([&] {
            for (int digit : {7, 3, 9, 1}) ui::input::click(login->comNumber(digit));
        });
        settle();
        ui::Form* main = ui::forms().mainWindow();
        for (const std::string& name : ui::forms().registeredNames()) {
            if (main && name == main->name()) continue;
            std::vector<double> times;
            for (int round = 0; round <= std::min(rounds, 5); ++round) {
                double ms = toFirstPaint(
                    [&]() -> QWidget* {
                        ui::runEvent([&] { ui::forms().byName(name).Show(); });
                        ui::Form* f = ui::forms().find(name);
                        QWidget* top = f && f->visible() ? s.host().topLevelOf(*f) : nullptr;
                        return top ? top->window() : nullptr;
                    },
                    true);
                if (round > 0 && ms >= 0) times.push_back(ms);
                for (ui::Form* f : ui::forms().loaded())
                    if (f != main) ui::runEvent([f] { f->Unload(); });
                settle();
            }
            if (!times.empty()) every.emplace_back(median(times), name);
        }
    }
    std::sort(every.rbegin(), every.rend());

    double b = median(bare.ms);
    std::printf("screen_bench: %d rounds, medians, to first paint\n", rounds);
    if (year)
        std::printf("  over the 1x fixtures' hotel, its reservations and customers the guest searches' (%s)\n",
                    sizes.c_str());
    std::printf("  %-44s %8.2f ms\n", bare.name, b);
    std::printf("  %-44s %8.2f ms  %5.2fx bare (target <= 1.3x)\n", start.name, median(start.ms), median(start.ms) / b);
    std::printf("  %-44s %8.2f ms  %5.2fx bare (target <= 2x)\n", first.name, median(first.ms), median(first.ms) / b);
    for (const Case* c : {&staff, &all, &one})
        std::printf("  %-44s %8.2f ms  (target < 16 ms)\n", c->name, median(c->ms));
    std::size_t under = 0;
    for (const auto& [ms, name] : every) under += ms < 16;
    std::printf("  every other screen: %zu of %zu under 16 ms; the slowest:\n", under, every.size());
    for (std::size_t k = 0; k < every.size() && k < 5; ++k)
        std::printf("    %-42s %8.2f ms\n", every[k].second.c_str(), every[k].first);
    os::setRootFolder({});
    fs::remove_all(work);
    return 0;
}
