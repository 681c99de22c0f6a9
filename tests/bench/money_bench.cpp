// The money path of the front desk against the same results read straight through SQLite, on
// fixtures of 0.1, 1 and 10 years of a hotel's business (money_fixtures.h):
//
//   build-…/tests/money_bench [--scale 0.1,1,10] [--case TEXT] [--rounds N] [--budget SECONDS]
//
// Each case is what a clerk does on the real screens, headless through the scripted host (the
// road runner's way): the room map opened, a floor, a date arrow; a guest found by name and by
// phone; an occupied room opened, its folio saved, printed and checked out; the sales report and
// the income statement over a year; an export. Beside it runs the raw side: the same result read
// (and written) through the SQLite C API on the same files. The two take turns, N rounds after one
// round that warms the caches, and the medians are told with their ratio. Each case runs in a
// process of its own, whose peak resident memory is told too. The fixtures are made once and kept
// in the build folder (money_bench_fixtures/<scale>), made again when the program's store layouts
// change. Never run by CTest: the figures depend on the machine and on what else runs on it.

#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "bench/money_fixtures.h"
#include "folio/frmFrontDeskMsg.h"
#include "folio/frmRooms.h"
#include "folio/stores.h"
#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/core/text.h"
#include "platform/os/paths.h"
#include "platform/print/printer.h"
#include "platform/print/printers.h"
#include "platform/sheet/sheet.h"
#include "platform/ui/input.h"
#include "platform/ui/program.h"
#include "platform/ui/registry.h"
#include "platform/ui/runtime.h"
#include "platform/ui/scripted_host.h"
#include "reports/expenses.h"
#include "reports/frmRepDy.h"
#include "reports/frmReports.h"
#include "reservations/frmCustmr.h"
#include "reservations/frmMap.h"
#include "reservations/frmReservAdd.h"
#include "reservations/records.h"
#include "settings/stores.h"
#include "shell/frmMainButn.h"
#include "shell/frmPassword.h"
#include "shell/stores.h"
#include "support/sheet_read_back.h"

extern char** environ;

namespace {

using namespace pelk;
using bench::Plan;
using bench::Site;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <class F>
double timed(F&& f) {
    Clock::time_point start = Clock::now();
    f();
    return msSince(start);
}

[[noreturn]] void fail(const std::string& why) { throw std::runtime_error(why); }

// ---- Straight through SQLite

class Query {
public:
    Query(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st_, nullptr) != SQLITE_OK) fail(sql + ": " + sqlite3_errmsg(db));
    }
    ~Query() { sqlite3_finalize(st_); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& bind(int k, const std::string& text) {
        sqlite3_bind_text(st_, k, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Query& bind(int k, long long n) {
        sqlite3_bind_int64(st_, k, n);
        return *this;
    }
    Query& bind(int k, double d) {
        sqlite3_bind_double(st_, k, d);
        return *this;
    }
    Query& bind(int k, sqlite3_value* v) {
        sqlite3_bind_value(st_, k, v);
        return *this;
    }
    // True on a row; false once done.
    bool step() {
        int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        fail(std::string(sqlite3_sql(st_)) + ": " + sqlite3_errmsg(db_));
    }
    void run() {
        while (step()) {
        }
    }
    std::string text(int c) const {
        const unsigned char* t = sqlite3_column_text(st_, c);
        return t ? reinterpret_cast<const char*>(t) : "";
    }
    double real(int c) const { return sqlite3_column_double(st_, c); }
    long long integer(int c) const { return sqlite3_column_int64(st_, c); }
    int columns() const { return sqlite3_column_count(st_); }
    sqlite3_value* value(int c) const { return sqlite3_column_value(st_, c); }

private:
    sqlite3* db_;
    sqlite3_stmt* st_ = nullptr;
};

void exec(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::string why = message ? message : "?";
        sqlite3_free(message);
        fail(sql + ": " + why);
    }
}

long long single(sqlite3* db, const std::string& sql) {
    Query q(db, sql);
    return q.step() ? q.integer(0) : 0;
}

std::string storeFile(std::string_view file) { return os::mapPath(os::programPath(file)).string(); }

sqlite3* openStore(std::string_view file) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(storeFile(file).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        fail("cannot open " + storeFile(file));
    // As the program's own connections: another station may hold the file a moment.
    sqlite3_busy_timeout(db, 10000);
    return db;
}

// The raw side's connections, one a store, opened once.
class Raw {
public:
    ~Raw() {
        for (auto& [file, db] : open_) sqlite3_close(db);
    }
    sqlite3* operator()(std::string_view file) {
        sqlite3*& db = open_[std::string(file)];
        if (!db) db = openStore(file);
        return db;
    }

private:
    std::map<std::string, sqlite3*> open_;
};

// A row as stored, to be put back under its own identity.
class SavedRow {
public:
    SavedRow() = default;
    SavedRow(sqlite3* db, const std::string& table, long long id) : table_(table) {
        Query q(db, "SELECT * FROM \"" + table + "\" WHERE rowid = ?1");
        q.bind(1, id);
        if (!q.step()) fail("no row " + std::to_string(id) + " in " + table);
        for (int c = 0; c < q.columns(); ++c) values_.push_back(sqlite3_value_dup(q.value(c)));
    }
    SavedRow(SavedRow&& o) noexcept : table_(std::move(o.table_)), values_(std::exchange(o.values_, {})) {}
    SavedRow& operator=(SavedRow&& o) noexcept {
        std::swap(table_, o.table_);
        std::swap(values_, o.values_);
        return *this;
    }
    ~SavedRow() {
        for (sqlite3_value* v : values_) sqlite3_value_free(v);
    }
    void putBack(sqlite3* db) const {
        std::string marks;
        for (std::size_t k = 0; k < values_.size(); ++k) marks += k ? ", ?" : "?";
        Query q(db, "INSERT OR REPLACE INTO \"" + table_ + "\" VALUES (" + marks + ")");
        for (std::size_t k = 0; k < values_.size(); ++k) q.bind(static_cast<int>(k + 1), values_[k]);
        q.run();
    }

private:
    std::string table_;
    std::vector<sqlite3_value*> values_;
};

// ---- The station, started and signed in as a clerk

// A statement of code, as the road runner's `set`: one event, queued keys delivered.
void asCode(const std::function<void()>& fn) {
    ui::runEvent([&] {
        fn();
        ui::deliverQueuedKeys();
    });
}

void setText(ui::TextBox& box, const std::string& text) {
    asCode([&] { box.setText(text); });
}

void click(ui::Control& c) {
    if (!ui::input::click(c)) fail(c.path() + " took no click");
}

void type(ui::Control& c, std::string_view text) {
    if (!ui::input::type(c, text)) fail(c.path() + " took no typing");
}

template <class F>
F& show() {
    F& f = ui::forms().get<F>();
    asCode([&] { f.Show(); });
    return f;
}

template <class F>
F& loaded() {
    F* f = ui::forms().find<F>();
    if (!f) fail(std::string(typeid(F).name()) + " is not loaded");
    return *f;
}

class Station {
public:
    explicit Station(const Plan& plan) : plan_(plan) {
        print::setPrintServer(std::make_shared<print::RecordingPrintServer>());
        print::setConfiguredPrinters({});
        print::setCurrentPrinter(std::nullopt);
        print::resetJournal();
        sheet::setDesktopOpener(nullptr);
        core::clock::fix(core::DateTime{plan.today, core::Time{9, 0, 0}});
        session_ = std::make_unique<ui::ScriptedSession>();
        ui::program().registerForms();
        ui::markProgramStarted();
        asCode([] { ui::program().startUp(); });
        type(loaded<shell::frmPassword>().txtPassword, Plan::kSignInCode);
        if (!loaded<shell::frmMainButn>().visible()) fail("the sign-in did not show the main panel");
        if (std::size_t told = boxes()) fail("the start told the clerk: " + host().messageBoxes()[told - 1].prompt);
    }
    ~Station() { ui::forms().unloadAllSilently(); }

    const Plan& plan() const { return plan_; }
    ui::ScriptedHost& host() { return session_->host(); }
    std::size_t boxes() { return host().messageBoxes().size(); }
    Raw raw;

private:
    Plan plan_;
    std::unique_ptr<ui::ScriptedSession> session_;
};

// ---- The cases

// One case: set up once, then its two sides run in turn, each returning the milliseconds of
// its timed part. Each side says what it found, and the two must agree.
class Case {
public:
    virtual ~Case() = default;
    virtual void setUp(Station&) {}
    virtual double ours(Station&) = 0;
    virtual double raw(Station&) = 0;
    std::string oursSays, rawSays;
};

using core::isoDate;
using core::shortDate;

// ---- The room map

// What the floor shows: each room drawn, its colour, and the guest's name where one shows.
std::string floorShown(reservations::frmMap& map) {
    std::string s;
    for (int i = 1; i <= settings::kRoomPositions; ++i) {
        if (!map.cmdRoom(i).visible()) continue;
        s += map.cmdRoom(i).caption() + ":" + std::to_string(map.cmdRoom(i).backColor());
        if (map.cmdName(i).visible()) s += ":" + map.cmdName(i).caption();
        s += " ";
    }
    return s;
}

// The same floor in check-in mode straight from the stores: the rooms of its places, and the last
// stay of each room that arrives on the day.
std::string rawFloor(Raw& raw, int floor, const core::Date& day, bool opening) {
    if (opening) {
        // Opening, the map also reads the floor flags and the open folios.
        Query flags(raw(settings::kMenuStore), "SELECT szRA, szRB, szRC, szRD, szMA, szMB, szRPty FROM tbSetInfor");
        flags.run();
        Query open(raw(shell::kOpenFolioStore), "SELECT * FROM tbTable");
        open.run();
    }
    const int firstPlace = floor >= 6 ? 8 : 1;
    std::map<int, std::string> places;
    {
        Query rooms(raw(settings::kStationStore), "SELECT ID1, R" + std::to_string(floor) + " FROM tblRooms");
        while (rooms.step()) {
            int place = std::atoi(rooms.text(0).c_str());
            if (place >= firstPlace && place <= settings::kRoomPositions && !places.count(place))
                places[place] = rooms.text(1);
        }
    }
    std::string in;
    std::vector<std::string> names;
    for (const auto& [place, room] : places)
        if (!room.empty()) {
            in += in.empty() ? "?" : ", ?";
            names.push_back(room);
        }
    struct Last {
        std::string name;
        bool inHouse;
    };
    std::map<std::string, Last> last;
    if (!names.empty()) {
        Query stays(
            raw(reservations::kReservationStore),
            "SELECT szRoom1, sLast_na, szID_type, szID_nu FROM tblReserv WHERE szDate_in = ?1 AND szRoom1 IN (" + in +
                ") ORDER BY rowid");
        stays.bind(1, isoDate(day));
        for (std::size_t k = 0; k < names.size(); ++k) stays.bind(static_cast<int>(k + 2), names[k]);
        while (stays.step())
            last[core::text::upper(stays.text(0))] = {stays.text(1), !stays.text(2).empty() || !stays.text(3).empty()};
    }
    std::string s;
    for (const auto& [place, room] : places) {
        if (room.empty()) continue;
        auto found = last.find(core::text::upper(room));
        if (found == last.end()) {
            s += room + ":" + std::to_string(reservations::frmMap::kVacant) + " ";
            continue;
        }
        ui::Color colour = found->second.inHouse ? reservations::frmMap::kInHouse : reservations::frmMap::kReserved;
        s += room + ":" + std::to_string(colour) + ":" + found->second.name + " ";
    }
    return s;
}

// The map opened from the main panel's Chk In: the first floor drawn for today.
class MapOpen : public Case {
public:
    double ours(Station&) override {
        double ms = timed([] { click(loaded<shell::frmMainButn>().cmdChkIn); });
        auto& map = loaded<reservations::frmMap>();
        oursSays = floorShown(map);
        click(map.cmdClose);
        return ms;
    }
    double raw(Station& s) override {
        return timed([&] { rawSays = rawFloor(s.raw, 1, s.plan().today, true); });
    }
};

// A floor button on the map in check-in mode.
class MapFloor : public Case {
public:
    explicit MapFloor(int floor) : floor_(floor) {}
    void setUp(Station&) override { click(loaded<shell::frmMainButn>().cmdChkIn); }
    double ours(Station&) override {
        auto& map = loaded<reservations::frmMap>();
        ui::CommandButton& button = floor_ == 1 ? map.cmdFlrA : map.cmdFlrB;
        double ms = timed([&] { click(button); });
        oursSays = floorShown(map);
        return ms;
    }
    double raw(Station& s) override {
        return timed([&] { rawSays = rawFloor(s.raw, floor_, s.plan().today, false); });
    }

private:
    int floor_;
};

// The check-in date's arrows, forward and back in turn: the first floor drawn for the new day.
class MapArrow : public Case {
public:
    void setUp(Station&) override { click(loaded<shell::frmMainButn>().cmdChkIn); }
    double ours(Station&) override {
        auto& map = loaded<reservations::frmMap>();
        ui::CommandButton& arrow = oursRuns_++ % 2 == 0 ? map.cmdMore : map.cmdLess;
        double ms = timed([&] { click(arrow); });
        oursSays = map.txtDateIn.text() + " " + floorShown(map);
        return ms;
    }
    double raw(Station& s) override {
        core::Date day = core::addDays(s.plan().today, rawRuns_++ % 2 == 0 ? 1 : 0);
        return timed([&] { rawSays = shortDate(day) + " " + rawFloor(s.raw, 1, day, false); });
    }

private:
    int oursRuns_ = 0, rawRuns_ = 0;
};

// ---- Finding a guest

std::string like(const std::string& prefix) { return prefix + "%"; }

// The columns a found guest shows, straight from the store: the first row in `order` whose last
// name begins with the surname and whose first name is the one sought (letter case included), or
// whose phone begins with the one typed.
std::string rawGuest(sqlite3* db, const std::string& table, const std::string& where, const std::string& order,
                     const std::string& a, const std::string& b = "") {
    Query q(db, "SELECT sLast_na, sFirst_nm, sPhone_no, * FROM " + table + " WHERE " + where + " ORDER BY " + order +
                    " LIMIT 1");
    q.bind(1, a);
    if (!b.empty()) q.bind(2, b);
    return q.step() ? q.text(0) + " " + q.text(1) + " " + q.text(2) : "(none)";
}

const char* const kByName = "sLast_na LIKE ?1 AND sFirst_nm = ?2 COLLATE BINARY";
const char* const kByPhone = "sPhone_no LIKE ?1";
const char* const kReservationOrder = "rowid";
const char* const kCustomerOrder = "sPhone_no, rowid";

// The middle guest of a file in the screen's order, whose phone a phone search types.
std::string middlePhone(sqlite3* db, const std::string& table, const std::string& order) {
    long long n = single(db, "SELECT count(*) FROM " + table);
    Query q(db, "SELECT sPhone_no FROM " + table + " ORDER BY " + order + " LIMIT 1 OFFSET " + std::to_string(n / 2));
    if (!q.step()) fail("no guest to find by phone");
    return q.text(0);
}

std::string digitsOf(const std::string& phone) {
    std::string d;
    for (char c : phone)
        if (c >= '0' && c <= '9') d += c;
    return d;
}

// The reservation screen in its search role (the main panel's Reservation Search): Find by name.
class ReservationByName : public Case {
public:
    void setUp(Station&) override { click(loaded<shell::frmMainButn>().cmdReserSearch); }
    double ours(Station&) override {
        auto& f = loaded<reservations::frmReservAdd>();
        setText(f.txtLastN, Plan::kCommonSurname);
        setText(f.txtFirstN, Plan::kSoughtFirstName);
        double ms = timed([&] { click(f.cmdFindName); });
        oursSays = f.txtLastN.text() + " " + f.txtFirstN.text() + " " + f.txtPhone.text();
        return ms;
    }
    double raw(Station& s) override {
        return timed([&] {
            rawSays = rawGuest(s.raw(reservations::kReservationStore), "tblReserv", kByName, kReservationOrder,
                               like(Plan::kCommonSurname), Plan::kSoughtFirstName);
        });
    }
};

// The customer editor: Find by name, in the customers' phone order.
class CustomerByName : public Case {
public:
    void setUp(Station&) override { show<reservations::frmCustmr>(); }
    double ours(Station&) override {
        auto& f = loaded<reservations::frmCustmr>();
        setText(f.txtLastN, Plan::kCommonSurname);
        setText(f.txtFirstN, Plan::kSoughtFirstName);
        double ms = timed([&] { click(f.cmdFindName); });
        oursSays = f.txtLastN.text() + " " + f.txtFirstN.text() + " " + f.txtPhone.text();
        return ms;
    }
    double raw(Station& s) override {
        return timed([&] {
            rawSays = rawGuest(s.raw(reservations::kCustomerStore), "tblCustmr", kByName, kCustomerOrder,
                               like(Plan::kCommonSurname), Plan::kSoughtFirstName);
        });
    }
};

// The reservation screen's search by the phone typed (its "..." button).
class ReservationByPhone : public Case {
public:
    void setUp(Station& s) override {
        phone_ = middlePhone(s.raw(reservations::kReservationStore), "tblReserv", kReservationOrder);
        click(loaded<shell::frmMainButn>().cmdReserSearch);
    }
    double ours(Station&) override {
        auto& f = loaded<reservations::frmReservAdd>();
        setText(f.txtPhone, "");
        type(f.txtPhone, digitsOf(phone_));
        double ms = timed([&] { click(f.cmdFName); });
        oursSays = f.txtLastN.text() + " " + f.txtFirstN.text() + " " + f.txtPhone.text();
        return ms;
    }
    double raw(Station& s) override {
        return timed([&] {
            rawSays = rawGuest(s.raw(reservations::kReservationStore), "tblReserv", kByPhone, kReservationOrder,
                               like(phone_));
        });
    }

private:
    std::string phone_;
};

// The customer editor's Find by the ten digits typed.
class CustomerByPhone : public Case {
public:
    void setUp(Station& s) override {
        phone_ = middlePhone(s.raw(reservations::kCustomerStore), "tblCustmr", kCustomerOrder);
        show<reservations::frmCustmr>();
    }
    double ours(Station&) override {
        auto& f = loaded<reservations::frmCustmr>();
        setText(f.txtPhone, "");
        type(f.txtPhone, digitsOf(phone_));
        double ms = timed([&] { click(f.cmdFPhone); });
        oursSays = f.txtLastN.text() + " " + f.txtFirstN.text() + " " + f.txtPhone.text();
        return ms;
    }
    double raw(Station& s) override {
        return timed([&] {
            rawSays =
                rawGuest(s.raw(reservations::kCustomerStore), "tblCustmr", kByPhone, kCustomerOrder, like(phone_));
        });
    }

private:
    std::string phone_;
};

// ---- The folio of the guest leaving today

// The long stay's folio as it stands before a run that changes it, put back after the run, so
// that every run starts from the same stores.
class FolioState {
public:
    FolioState(Raw& raw, const Plan& plan) : raw_(raw) {
        sqlite3* book = raw(folio::kOrderBook);
        number = openFolio(raw);
        lastLine_ = single(book, "SELECT coalesce(max(rowid), 0) FROM tblDetail");
        lastOut_ = single(raw(reservations::kCheckedOutStore), "SELECT coalesce(max(rowid), 0) FROM tblReserv");
        header_ =
            SavedRow(book, "tblZu_Order", single(book, "SELECT rowid FROM tblZu_Order WHERE Inv = '" + number + "'"));
        stayId = longStay(raw, plan);
        stay_ = SavedRow(raw(reservations::kReservationStore), "tblReserv", stayId);
        open_ =
            SavedRow(raw(shell::kOpenFolioStore), "tbTable",
                     single(raw(shell::kOpenFolioStore),
                            std::string("SELECT rowid FROM tbTable WHERE sz_Table = '") + Plan::kLongStayRoom + "'"));
    }
    void putBack() {
        exec(raw_(folio::kOrderBook), "DELETE FROM tblDetail WHERE rowid > " + std::to_string(lastLine_));
        header_.putBack(raw_(folio::kOrderBook));
        exec(raw_(reservations::kCheckedOutStore), "DELETE FROM tblReserv WHERE rowid > " + std::to_string(lastOut_));
        stay_.putBack(raw_(reservations::kReservationStore));
        open_.putBack(raw_(shell::kOpenFolioStore));
    }
    // The folio number of the long stay's room, from its open-folio row.
    static std::string openFolio(Raw& raw) {
        Query q(raw(shell::kOpenFolioStore), "SELECT sz_Chk FROM tbTable WHERE sz_Table = ?1");
        q.bind(1, std::string(Plan::kLongStayRoom));
        if (!q.step()) fail("the long stay's room has no open folio");
        return q.text(0);
    }
    static long long longStay(Raw& raw, const Plan& plan) {
        Query q(raw(reservations::kReservationStore),
                "SELECT rowid FROM tblReserv WHERE szRoom1 = ?1 AND szDate_Out = ?2");
        q.bind(1, std::string(Plan::kLongStayRoom)).bind(2, isoDate(plan.today));
        if (!q.step()) fail("the long stay is not in the reservations");
        return q.integer(0);
    }
    long long lines() {
        return single(raw_(folio::kOrderBook), "SELECT count(*) FROM tblDetail WHERE Invoice = '" + number + "'");
    }

    std::string number;
    long long stayId = 0;

private:
    Raw& raw_;
    long long lastLine_ = 0, lastOut_ = 0;
    SavedRow header_, stay_, open_;
};

// The main panel's Chk Out, then the long stay's room on the map: the room screen over the map,
// its folio recalled.
folio::frmRooms& openLongStayRoom() {
    click(loaded<shell::frmMainButn>().cmkChkOut);
    click(loaded<reservations::frmMap>().cmdRoom(1));
    auto& room = loaded<folio::frmRooms>();
    if (room.txtLastN.text() != Plan::kLongStayGuest) fail("the long stay's room opened without its guest");
    return room;
}

// Everything a folio's screen reads: the room's open folio, the guest's stay, the header, every
// line, the clerk's name. Its number of lines.
long long rawRecall(Station& s) {
    Raw& raw = s.raw;
    std::string number;
    std::string clerk;
    {
        Query q(raw(shell::kOpenFolioStore), "SELECT sz_Chk, sz_waiter FROM tbTable WHERE sz_Table = ?1");
        q.bind(1, std::string(Plan::kLongStayRoom));
        if (!q.step()) fail("no open folio");
        number = q.text(0);
        clerk = q.text(1);
    }
    {
        Query q(raw(reservations::kReservationStore),
                "SELECT * FROM tblReserv WHERE szRoom1 = ?1 AND szDate_Out = ?2 ORDER BY rowid");
        q.bind(1, std::string(Plan::kLongStayRoom)).bind(2, isoDate(s.plan().today));
        q.run();
    }
    {
        Query q(raw(folio::kOrderBook), "SELECT * FROM tblZu_Order WHERE Inv = ?1");
        q.bind(1, number);
        q.run();
    }
    long long lines = 0;
    {
        Query q(raw(folio::kOrderBook),
                "SELECT rowid, Qty, szOrder, Price FROM tblDetail WHERE Invoice = ?1 ORDER BY rowid");
        q.bind(1, number);
        while (q.step()) ++lines;
    }
    {
        Query q(raw(shell::kEmployeeStore), "SELECT sFirst_nm FROM tbEmplo WHERE szID_no = ?1");
        q.bind(1, clerk);
        q.run();
    }
    return lines;
}

std::string linesShown(folio::frmRooms& room) {
    // The grid's first two rows are its heading and a blank row.
    return "lines " + std::to_string(room.grdOrderItems.rows() - 2);
}

// One connection holding the four stores a save or a check-out writes, as the program's unit of
// work joins them.
class Joined {
public:
    Joined() {
        db_ = openStore(folio::kOrderBook);
        for (auto [file, name] :
             {std::pair{shell::kOpenFolioStore, "tb"}, std::pair{reservations::kReservationStore, "res"},
              std::pair{reservations::kCheckedOutStore, "chko"}})
            exec(db_, "ATTACH DATABASE '" + storeFile(file) + "' AS " + name);
    }
    ~Joined() { sqlite3_close(db_); }
    sqlite3* db() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

// A line added to the folio, and the header's totals worked out again from the lines stored.
void rawPost(sqlite3* db, const std::string& number, const std::string& text, double price, const core::Date& today) {
    Query line(db,
               "INSERT INTO tblDetail (Invoice, Date, Time, ID, Method, Qty, szOrder, Price) VALUES (?1, ?2, ?3, "
               "'1001', 'Zu', '1', ?4, ?5)");
    line.bind(1, number).bind(2, isoDate(today)).bind(3, std::string("09:00:00")).bind(4, text).bind(5, price);
    line.run();
    Query header(
        db,
        "UPDATE tblZu_Order SET SubTotal = s, Tax = round(s * 0.1, 2), Total = s + round(s * 0.1, 2), Date = ?2, "
        "Time = ?3 FROM (SELECT total(Price) AS s FROM tblDetail WHERE Invoice = ?1) WHERE Inv = ?1");
    header.bind(1, number).bind(2, isoDate(today)).bind(3, std::string("09:00:00"));
    header.run();
}

// An occupied room opened from the map: the folio of 200 lines recalled onto the room screen.
class RoomOpened : public Case {
public:
    void setUp(Station&) override { click(loaded<shell::frmMainButn>().cmkChkOut); }
    double ours(Station&) override {
        auto& map = loaded<reservations::frmMap>();
        double ms = timed([&] { click(map.cmdRoom(1)); });
        auto& room = loaded<folio::frmRooms>();
        oursSays = linesShown(room) + " " + room.txtLastN.text();
        click(room.cmdClose);
        return ms;
    }
    double raw(Station& s) override {
        long long lines = 0;
        double ms = timed([&] { lines = rawRecall(s); });
        rawSays = "lines " + std::to_string(lines) + " " + Plan::kLongStayGuest;
        return ms;
    }
};

// "Chk In/ Update" after a room charge is added: the folio, its open-folio row and the guest's stay
// stored together.
class FolioSave : public Case {
public:
    double ours(Station& s) override {
        auto& room = openLongStayRoom();
        click(room.cmdAddto);
        FolioState before(s.raw, s.plan());
        double ms = timed([&] { click(room.cmdSave); });
        oursSays = "lines " + std::to_string(before.lines()) +
                   (loaded<shell::frmMainButn>().visible() ? " back to the panel" : " still on the room");
        before.putBack();
        return ms;
    }
    double raw(Station& s) override {
        FolioState before(s.raw, s.plan());
        sqlite3* db = joined_.db();
        const std::string& number = before.number;
        double ms = timed([&] {
            exec(db, "BEGIN IMMEDIATE");
            {
                Query stored(db, "SELECT rowid, Qty, szOrder, Price FROM tblDetail WHERE Invoice = ?1 ORDER BY rowid");
                stored.bind(1, number);
                stored.run();
            }
            rawPost(db, number, std::string("Room Charge ") + Plan::kLongStayRoom, 89.0, s.plan().today);
            Query open(db, "UPDATE tb.tbTable SET sz_Chk = ?1, sz_waiter = '1001' WHERE sz_Table = ?2");
            open.bind(1, number).bind(2, std::string(Plan::kLongStayRoom));
            open.run();
            Query stay(db, "UPDATE res.tblReserv SET szReser_ti = '09:00:00', szReser_day = ?1 WHERE rowid = ?2");
            stay.bind(1, isoDate(s.plan().today)).bind(2, before.stayId);
            stay.run();
            exec(db, "COMMIT");
        });
        rawSays = "lines " + std::to_string(before.lines()) + " back to the panel";
        before.putBack();
        return ms;
    }

private:
    Joined joined_;
};

// "Print to Front": the header saved, the folio printed (PDF and text).
class PrintToFront : public Case {
public:
    void setUp(Station&) override { openLongStayRoom(); }
    double ours(Station&) override {
        auto& room = loaded<folio::frmRooms>();
        std::size_t printed = print::journal().documents.size();
        double ms = timed([&] { click(room.cmdPrintRce); });
        if (print::journal().documents.size() != printed + 1) fail("Print to Front printed nothing");
        oursSays = linesShown(room);
        return ms;
    }
    double raw(Station& s) override {
        long long lines = 0;
        double ms = timed([&] {
            lines = rawRecall(s);
            sqlite3* db = s.raw(folio::kOrderBook);
            exec(db, "BEGIN IMMEDIATE");
            Query header(db, "UPDATE tblZu_Order SET Date = ?1, Time = '09:00:00' WHERE Inv = ?2");
            header.bind(1, isoDate(s.plan().today)).bind(2, FolioState::openFolio(s.raw));
            header.run();
            exec(db, "COMMIT");
        });
        rawSays = "lines " + std::to_string(lines);
        return ms;
    }
};

// "Check Out": the check-out line, the folio stored and printed, the stay moved to the checked-out
// store, the room's open folio closed; timed until the dialog that asks where to go shows.
class CheckOut : public Case {
public:
    double ours(Station& s) override {
        auto& room = openLongStayRoom();
        FolioState before(s.raw, s.plan());
        Clock::time_point start, asked;
        bool dialog = false;
        s.host().whileWaiting([&] {
            asked = Clock::now();
            dialog = true;
            click(loaded<folio::frmFrontDeskMsg>().Command1);
        });
        start = Clock::now();
        click(room.cmdPost);
        if (!dialog) fail("the check-out did not ask where to go");
        double ms = std::chrono::duration<double, std::milli>(asked - start).count();
        oursSays = checkedOut(s, before);
        click(loaded<reservations::frmMap>().cmdClose);
        before.putBack();
        return ms;
    }
    double raw(Station& s) override {
        FolioState before(s.raw, s.plan());
        sqlite3* db = joined_.db();
        const std::string& number = before.number;
        double ms = timed([&] {
            rawRecall(s);
            exec(db, "BEGIN IMMEDIATE");
            rawPost(db, number, "Ck Out:" + shortDate(s.plan().today) + " 9:00:00 AM", 0.0, s.plan().today);
            std::string fields;
            for (const char* f :
                 {"szClerk_id",   "szDate_in", "szDate_Out",      "szRoom1",         "szReser_ti",  "szReser_day",
                  "sLast_na",     "sFirst_nm", "sPhone_no",       "szStreet_ad",     "szCity_nm",   "sState_cd",
                  "sZip_cd",      "szCountry", "szbd_date",       "szID_type",       "szID_nu",     "szID_state",
                  "szID_country", "szID_Exp",  "szLicense_Plate", "szLicense_State", "szCar_Color", "szCar_Make",
                  "szCar_Model",  "szCar_yrs"})
                fields += std::string(fields.empty() ? "" : ", ") + f;
            Query move(db, "INSERT INTO chko.tblReserv (szInv_nu, " + fields + ") SELECT ?1, " + fields +
                               " FROM res.tblReserv WHERE rowid = ?2");
            move.bind(1, number).bind(2, before.stayId);
            move.run();
            Query gone(db, "DELETE FROM res.tblReserv WHERE rowid = ?1");
            gone.bind(1, before.stayId);
            gone.run();
            Query closed(db, "DELETE FROM tb.tbTable WHERE sz_Table = ?1");
            closed.bind(1, std::string(Plan::kLongStayRoom));
            closed.run();
            exec(db, "COMMIT");
        });
        rawSays = checkedOut(s, before);
        before.putBack();
        return ms;
    }

private:
    static std::string checkedOut(Station& s, FolioState& before) {
        long long moved = single(s.raw(reservations::kCheckedOutStore),
                                 "SELECT count(*) FROM tblReserv WHERE szInv_nu = '" + before.number +
                                     "' AND sLast_na = '" + Plan::kLongStayGuest + "'");
        long long left = single(s.raw(reservations::kReservationStore),
                                "SELECT count(*) FROM tblReserv WHERE rowid = " + std::to_string(before.stayId));
        return "lines " + std::to_string(before.lines()) + ", moved " + std::to_string(moved) + ", left " +
               std::to_string(left);
    }
    Joined joined_;
};

// ---- The sales report and the income statement

const char* const kAmount = "###,###,##0.00";

std::string amountText(double sum) { return core::format(core::Money::fromDouble(sum), kAmount); }

// The report's boxes for the orders of a condition over the range: the count, then the total.
std::string salesShown(reports::frmRepDy& f) { return f.txtChk.text() + " " + f.txtAmount.text(); }

// The same straight from the book: the five sums and the count in one query, and the first page
// of the list (the rows a grid shows). `condition` takes the value as ?1.
std::string rawSales(sqlite3* book, const std::string& condition, const std::string& value, const core::Date& from,
                     const core::Date& to) {
    std::string where = condition + " AND Date BETWEEN ?2 AND ?3";
    std::string shown;
    {
        Query q(book,
                "SELECT count(*), total(Total), total(Tax), total(Receive), total(szCard_amt), total(szCoupon_amt) "
                "FROM tblZu_Order WHERE " +
                    where);
        q.bind(1, value).bind(2, isoDate(from)).bind(3, isoDate(to));
        q.step();
        shown = q.integer(0) > 0 ? std::to_string(q.integer(0)) + " " + amountText(q.real(1)) : "0.00 0.00";
    }
    Query page(book, "SELECT * FROM tblZu_Order WHERE " + where + " ORDER BY rowid LIMIT 25");
    page.bind(1, value).bind(2, isoDate(from)).bind(3, isoDate(to));
    page.run();
    return shown;
}

const char* const kByClerk = "ID = ?1";
// Every folio of the front desk bears its method, so the dates are the narrower key: the plus keeps
// SQLite off the method's index, which it would otherwise take for the equality.
const char* const kFrontDesk = "+Method = ?1";

core::Date yearAgo(const Plan& plan) { return core::addDays(plan.today, -364); }

reports::frmRepDy& salesOverTheYear(const Plan& plan) {
    auto& f = show<reports::frmRepDy>();
    setText(f.txtFrom, shortDate(yearAgo(plan)));
    setText(f.txtTo, shortDate(plan.today));
    return f;
}

// A clerk's code typed key by key into the sales report, every key a view, then the box emptied.
class SalesByClerk : public Case {
public:
    void setUp(Station& s) override { salesOverTheYear(s.plan()); }
    double ours(Station&) override {
        auto& f = loaded<reports::frmRepDy>();
        std::string typed;
        double ms = timed([&] {
            type(f.txtID, Plan::kSalesClerk);
            typed = salesShown(f);
            setText(f.txtID, "");
        });
        oursSays = typed + " / " + salesShown(f);
        return ms;
    }
    double raw(Station& s) override {
        sqlite3* book = s.raw(folio::kOrderBook);
        const std::string code = Plan::kSalesClerk;
        std::string typed, emptied;
        double ms = timed([&] {
            for (std::size_t k = 1; k <= code.size(); ++k)
                typed = rawSales(book, kByClerk, code.substr(0, k), yearAgo(s.plan()), s.plan().today);
            emptied = rawSales(book, kByClerk, "", yearAgo(s.plan()), s.plan().today);
        });
        rawSays = typed + " / " + emptied;
        return ms;
    }
};

// The sales report's "All": the front desk's folios of the year.
class SalesOfTheYear : public Case {
public:
    void setUp(Station& s) override { salesOverTheYear(s.plan()); }
    double ours(Station&) override {
        auto& f = loaded<reports::frmRepDy>();
        double ms = timed([&] { click(f.cmdTotal); });
        oursSays = salesShown(f);
        return ms;
    }
    double raw(Station& s) override {
        return timed(
            [&] { rawSays = rawSales(s.raw(folio::kOrderBook), kFrontDesk, "Zu", yearAgo(s.plan()), s.plan().today); });
    }
};

// The front desk's folios of the last months, as many as the plan's export rows, listed with
// "All" and exported with "Exporting to Excel".
class Export : public Case {
public:
    void setUp(Station& s) override {
        Query q(s.raw(folio::kOrderBook),
                "SELECT Date FROM tblZu_Order WHERE Method = 'Zu' ORDER BY Date DESC LIMIT 1 OFFSET " +
                    std::to_string(s.plan().exportRows - 1));
        if (!q.step()) fail("too few folios to export");
        from_ = *core::parseDateTime(q.text(0));
    }
    double ours(Station& s) override {
        // A list shown afresh, and no workbook of an earlier run kept by the screen.
        if (ui::forms().isLoaded<reports::frmRepDy>()) asCode([] { loaded<reports::frmRepDy>().Unload(); });
        sheet::Application::forgetRunning();
        removeWritten();
        auto& f = show<reports::frmRepDy>();
        setText(f.txtFrom, shortDate(from_.date));
        setText(f.txtTo, shortDate(s.plan().today));
        click(f.cmdTotal);
        double ms = timed([&] { click(f.cmdExcel); });
        auto excel = sheet::Application::running();
        if (!excel) fail("no workbook was written");
        written = excel->ActiveWorkbook().path();
        listed = std::atoll(f.txtChk.text().c_str());
        oursSays = "rows " + f.txtChk.text();
        return ms;
    }
    double raw(Station& s) override {
        fs::path file = os::exportFolder() / "raw.xlsx";
        long long rows = 0;
        double ms = timed([&] { rows = rawExport(s, file); });
        fs::remove(file);
        rawSays = "rows " + std::to_string(rows);
        return ms;
    }
    // The last workbook the screen wrote, read back by the parent.
    fs::path written;
    long long listed = 0;

private:
    void removeWritten() {
        std::error_code ec;
        if (!written.empty()) fs::remove(written, ec);
    }
    // The rows read and written as the export's columns, with libxlsxwriter holding one row at a
    // time.
    long long rawExport(Station& s, const fs::path& file) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        lxw_workbook* book = workbook_new_opt(file.c_str(), &options);
        lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
        lxw_format* bold = workbook_add_format(book);
        format_set_bold(bold);
        lxw_format* date = workbook_add_format(book);
        format_set_num_format(date, "m/d/yyyy_);(m/d/yyyy)");
        lxw_format* time = workbook_add_format(book);
        format_set_num_format(time, "h:mm AM/PM");
        lxw_format* amount = workbook_add_format(book);
        format_set_num_format(amount, "$#,##0.00_);($#,##0.00)");
        int c = 0;
        for (const char* h : {"Invoice", "Employees", "Date", "Time", "Sale Price", "Method", "Received"})
            worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c++), h, bold);
        Query q(s.raw(folio::kOrderBook), "SELECT Inv, ID, Date, Time, Total, Method, Receive FROM tblZu_Order WHERE " +
                                              std::string(kFrontDesk) + " AND Date BETWEEN ?2 AND ?3 ORDER BY rowid");
        q.bind(1, std::string("Zu")).bind(2, isoDate(from_.date)).bind(3, isoDate(s.plan().today));
        lxw_row_t row = 0;
        while (q.step()) {
            ++row;
            worksheet_write_string(sheet, row, 0, q.text(0).c_str(), nullptr);
            worksheet_write_string(sheet, row, 1, q.text(1).c_str(), nullptr);
            if (auto d = core::parseDate(q.text(2))) {
                lxw_datetime when{d->year, static_cast<int>(d->month), static_cast<int>(d->day), 0, 0, 0};
                worksheet_write_datetime(sheet, row, 2, &when, date);
            }
            if (auto t = core::parseTime(q.text(3))) {
                lxw_datetime when{
                    0, 0, 0, static_cast<int>(t->hour), static_cast<int>(t->minute), static_cast<double>(t->second)};
                worksheet_write_datetime(sheet, row, 3, &when, time);
            }
            worksheet_write_number(sheet, row, 4, q.real(4), amount);
            worksheet_write_string(sheet, row, 5, q.text(5).c_str(), nullptr);
            if (q.real(6) != 0) worksheet_write_number(sheet, row, 6, q.real(6), amount);
        }
        if (workbook_close(book) != LXW_NO_ERROR) fail("the raw workbook could not be written");
        return row;
    }

    core::DateTime from_;
};

// The income statement over the year: the sixteen expense sums and the three sales channels, the
// front desk's folios counted with dine-in.
class IncomeStatement : public Case {
public:
    void setUp(Station& s) override {
        auto& f = show<reports::frmReports>();
        setText(f.txtFrom, shortDate(yearAgo(s.plan())));
        setText(f.txtTo, shortDate(s.plan().today));
    }
    double ours(Station&) override {
        auto& f = loaded<reports::frmReports>();
        double ms = timed([&] { click(f.comReport); });
        oursSays = "expenses " + f.lblTOE.caption() + ", sales " + f.lblSales.caption();
        return ms;
    }
    double raw(Station& s) override {
        double expenses = 0, sales = 0;
        const std::string from = isoDate(yearAgo(s.plan())), to = isoDate(s.plan().today);
        double ms = timed([&] {
            expenses = sales = 0;
            for (const reports::ExpenseCategory& c : reports::kExpenseCategories) {
                Query q(s.raw(reports::kExpenseStore),
                        "SELECT total(Total) FROM " + std::string(c.table) + " WHERE Date BETWEEN ?1 AND ?2");
                q.bind(1, from).bind(2, to);
                if (q.step()) expenses += q.real(0);
            }
            // The dine-in channel takes in the front desk's folios, which the dates narrow best.
            for (const char* channel :
                 {"(+Method LIKE 'DI%' OR +Method = 'Zu')", "Method LIKE 'Dy%'", "Method LIKE 'TO%'"}) {
                Query q(s.raw(folio::kOrderBook), "SELECT total(Total), total(Tax) FROM tblZu_Order WHERE " +
                                                      std::string(channel) + " AND Date BETWEEN ?1 AND ?2");
                q.bind(1, from).bind(2, to);
                if (q.step()) sales += q.real(0);
            }
        });
        rawSays = "expenses " + amountText(expenses) + ", sales " + amountText(sales);
        return ms;
    }
};

// ---- The table of cases

struct CaseInfo {
    const char* name;
    Site site;
    // Whether what the case shows grows with the years stored (the export's rows do).
    bool grows;
    // Where the raw side does less than the screen, what it leaves out.
    const char* note;
    // The case writes a workbook, which the parent reads back.
    bool workbook;
    std::function<std::unique_ptr<Case>()> make;
};

template <class C, class... A>
std::function<std::unique_ptr<Case>()> make(A... a) {
    return [=] { return std::make_unique<C>(a...); };
}

const std::vector<CaseInfo>& allCases() {
    static const std::vector<CaseInfo> cases = {
        {"map open (Chk In), hotel", Site::Hotel, false, "", false, make<MapOpen>()},
        {"map floor button, hotel", Site::Hotel, false, "", false, make<MapFloor>(2)},
        {"map date arrow, hotel", Site::Hotel, false, "", false, make<MapArrow>()},
        {"map floor, motel", Site::Motel, false, "", false, make<MapFloor>(1)},
        {"map floor, motel of 5 years", Site::Motel5, false, "", false, make<MapFloor>(1)},
        {"reservation search by name", Site::Guests, false, "", false, make<ReservationByName>()},
        {"customer search by name", Site::Guests, false, "", false, make<CustomerByName>()},
        {"reservation search by phone", Site::Guests, false, "", false, make<ReservationByPhone>()},
        {"customer search by phone", Site::Guests, false, "", false, make<CustomerByPhone>()},
        {"occupied room opened (recall)", Site::Hotel, false, "", false, make<RoomOpened>()},
        {"folio save (Chk In/Update)", Site::Hotel, false, "", false, make<FolioSave>()},
        {"print to front", Site::Hotel, false, "raw reads the folio and saves its header; it draws no PDF", false,
         make<PrintToFront>()},
        {"check-out", Site::Hotel, false, "raw stores the check-out; it prints nothing", false, make<CheckOut>()},
        {"sales by clerk, typed then emptied", Site::Hotel, false, "", false, make<SalesByClerk>()},
        {"sales, front desk over a year", Site::Hotel, false, "", false, make<SalesOfTheYear>()},
        {"export to .xlsx", Site::Hotel, true, "raw writes with libxlsxwriter, no column fitting", true,
         make<Export>()},
        {"income statement over a year", Site::Hotel, false, "", false, make<IncomeStatement>()},
    };
    return cases;
}

// The most this process has held resident, in MiB. Read in the process itself: a process started
// by one that had grown large is told that one's peak by wait4.
double residentPeakMiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

// Starts the peak afresh from what the process holds now, so that a peak read after the screen's
// run is the screen's and not the raw side's; false where the system does not allow it.
bool restartPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// ---- A case in its own process

struct Options {
    std::vector<double> scales{1};
    std::string only;
    int rounds = 11;
    double budget = 60;
};

int runChild(const std::string& name, const fs::path& root, double scale, const Options& o) {
    const CaseInfo* info = nullptr;
    for (const CaseInfo& c : allCases())
        if (c.name == name) info = &c;
    try {
        if (!info) fail("no case " + name);
        os::setRootFolder(root);
        Station station(bench::planFor(scale));
        std::unique_ptr<Case> c = info->make();
        c->setUp(station);
        std::vector<double> ours, raw;
        std::string told;
        double peak = 0;
        bool peakOfOurs = true;
        Clock::time_point start = Clock::now();
        // Round 0 warms the caches and is not counted; the two sides take turns at going first.
        for (int round = 0; round <= o.rounds; ++round) {
            for (int turn = 0; turn < 2; ++turn) {
                bool oursNow = (round + turn) % 2 == 0;
                std::size_t boxes = station.boxes();
                if (oursNow) peakOfOurs = restartPeak() && peakOfOurs;
                double ms = oursNow ? c->ours(station) : c->raw(station);
                if (oursNow) peak = std::max(peak, residentPeakMiB());
                if (oursNow && station.boxes() > boxes && told.empty())
                    told = station.host().messageBoxes()[boxes].prompt;
                if (round > 0) (oursNow ? ours : raw).push_back(ms);
            }
            if (round >= 3 && msSince(start) > o.budget * 1000) break;
        }
        std::string status = "ok", detail;
        if (!told.empty()) {
            status = "told";
            detail = told;
        } else if (c->oursSays != c->rawSays) {
            status = "differs";
            detail = "screen: " + c->oursSays + " | raw: " + c->rawSays;
        } else if (auto* e = dynamic_cast<Export*>(c.get())) {
            detail = std::to_string(e->listed) + " " + e->written.string();
        }
        for (char& ch : detail)
            if (ch == '\n' || ch == '\t') ch = ' ';
        std::printf("RESULT\t%zu\t%.3f\t%.3f\t%.1f\t%s\t%s\n", ours.size(), median(ours), median(raw),
                    peakOfOurs ? peak : residentPeakMiB(), status.c_str(), detail.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::printf("RESULT\t0\t0\t0\t%.1f\tfailed\t%s\n", residentPeakMiB(), e.what());
        return 1;
    }
}

struct Outcome {
    int runs = 0;
    double ours = 0, raw = 0;
    std::string status = "failed", detail;
    double peakMiB = 0;
};

Outcome spawnCase(const CaseInfo& c, const fs::path& root, double scale, const Options& o) {
    std::string self = fs::read_symlink("/proc/self/exe").string();
    std::vector<std::string> args = {self,
                                     "--child",
                                     c.name,
                                     "--root",
                                     root.string(),
                                     "--scale",
                                     std::to_string(scale),
                                     "--rounds",
                                     std::to_string(o.rounds),
                                     "--budget",
                                     std::to_string(o.budget)};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) fail("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t pid = 0;
    int started = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (started != 0) fail("cannot start " + self);
    std::string said;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) said.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    Outcome r;
    std::size_t at = said.rfind("RESULT\t");
    if (at == std::string::npos) {
        r.detail = "the case's process ended without a result (" +
                   (WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                        : "exit " + std::to_string(WEXITSTATUS(status))) +
                   ")";
        return r;
    }
    std::istringstream line(said.substr(at + 7));
    std::string field;
    std::getline(line, field, '\t');
    r.runs = std::atoi(field.c_str());
    std::getline(line, field, '\t');
    r.ours = std::atof(field.c_str());
    std::getline(line, field, '\t');
    r.raw = std::atof(field.c_str());
    std::getline(line, field, '\t');
    r.peakMiB = std::atof(field.c_str());
    std::getline(line, r.status, '\t');
    std::getline(line, r.detail);
    if (!r.detail.empty() && r.detail.back() == '\n') r.detail.pop_back();
    return r;
}

// The workbook the export case wrote last holds a heading row and one row a folio listed.
void readBack(Outcome& r) {
    std::size_t blank = r.detail.find(' ');
    long long listed = std::atoll(r.detail.substr(0, blank).c_str());
    fs::path written = blank == std::string::npos ? "" : r.detail.substr(blank + 1);
    r.detail.clear();
    if (written.empty() || !fs::exists(written)) {
        r.status = "differs";
        r.detail = "no workbook to read back";
        return;
    }
    test::ReadBack book(written);
    if (book.lastRow() != listed + 1) {
        r.status = "differs";
        r.detail = "the workbook holds " + std::to_string(book.lastRow()) + " rows for " + std::to_string(listed);
    }
    fs::remove(written);
}

std::string ratioText(double ours, double raw) {
    if (raw <= 0) return "-";
    char b[32];
    std::snprintf(b, sizeof b, "%.1fx", ours / raw);
    return b;
}

// Every case at 1x under 16 ms, or at most twice raw SQLite where raw needs more than 8 ms.
bool speedHeld(const Outcome& r) { return r.ours < 16 || (r.raw > 8 && r.ours <= 2 * r.raw); }
constexpr double kMemoryTargetMiB = 64;

std::vector<double> parseScales(const std::string& text) {
    std::vector<double> scales;
    std::stringstream words(text);
    for (std::string w; std::getline(words, w, ',');) {
        if (!w.empty() && (w.back() == 'x' || w.back() == 'X')) w.pop_back();
        char* end = nullptr;
        double s = std::strtod(w.c_str(), &end);
        if (w.empty() || *end || s <= 0) fail("cannot read the scale " + w);
        scales.push_back(s);
    }
    return scales;
}

int usage() {
    std::fprintf(stderr,
                 "usage: money_bench [--scale 0.1,1,10] [--case TEXT] [--rounds N] [--budget SECONDS]\n"
                 "  --scale   the scales to run (default 1: a year of a hotel's business)\n"
                 "  --case    only the cases whose name holds TEXT\n"
                 "  --rounds  the runs of each side of a case after the warming one (default 11)\n"
                 "  --budget  a case takes no further round once it has run this long, after 3 (default 60)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    installProgram();
    Options o;
    std::string child;
    fs::path root;
    try {
        for (int k = 1; k < argc; ++k) {
            std::string a = argv[k];
            auto next = [&]() -> std::string {
                if (k + 1 >= argc) fail(a + " needs a value");
                return argv[++k];
            };
            if (a == "--scale")
                o.scales = parseScales(next());
            else if (a == "--case")
                o.only = next();
            else if (a == "--rounds")
                o.rounds = std::max(1, std::atoi(next().c_str()));
            else if (a == "--budget")
                o.budget = std::max(0.0, std::atof(next().c_str()));
            else if (a == "--child")
                child = next();
            else if (a == "--root")
                root = next();
            else
                return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "money_bench: %s\n", e.what());
        return usage();
    }
    if (!child.empty()) return runChild(child, root, o.scales.front(), o);

    std::vector<const CaseInfo*> chosen;
    for (const CaseInfo& c : allCases())
        if (o.only.empty() || std::string(c.name).find(o.only) != std::string::npos) chosen.push_back(&c);
    if (chosen.empty()) {
        std::fprintf(stderr, "money_bench: no case holds \"%s\"\n", o.only.c_str());
        return 2;
    }

    const fs::path fixtures = PELK_BENCH_FIXTURES;
    std::map<std::string, std::map<double, Outcome>> all;
    bool allAgreed = true;
    for (double scale : o.scales) {
        const Plan plan = bench::planFor(scale);
        std::string sizes, error;
        Clock::time_point making = Clock::now();
        std::fprintf(stderr, "money_bench: fixtures at %s in %s …\n", bench::scaleName(scale).c_str(),
                     fixtures.string().c_str());
        if (!bench::ensureFixtures(fixtures, plan, &sizes, &error)) {
            std::fprintf(stderr, "money_bench: the fixtures could not be made: %s\n", error.c_str());
            return 1;
        }
        std::fprintf(stderr, "money_bench: fixtures ready (%.1f s)\n", msSince(making) / 1000);
        const fs::path cache = fixtures / bench::scaleName(scale);
        // The cases that write run on a copy of the hotel, which goes at the end.
        const fs::path work = fixtures / (bench::scaleName(scale) + ".work");
        std::error_code ec;
        fs::remove_all(work, ec);
        fs::copy(cache / bench::siteFolder(Site::Hotel), work, fs::copy_options::recursive, ec);
        if (ec) {
            std::fprintf(stderr, "money_bench: cannot copy the hotel: %s\n", ec.message().c_str());
            return 1;
        }

        std::printf("\nmoney_bench at %s: %s\n", bench::scaleName(scale).c_str(), sizes.c_str());
        std::printf(
            "up to %d runs of each side after a warming one, taking turns; medians; raw = the same result "
            "through the SQLite C API on the same files; peak = the case's process over the screen's runs\n",
            o.rounds);
        std::printf("  %-36s %5s %10s %10s %9s %9s  %s\n", "case", "runs", "ours ms", "raw ms", "ratio", "peak MiB",
                    scale == 1    ? "target: < 16 ms, or <= 2x raw > 8 ms"
                    : scale == 10 ? "target: peak < 64 MiB"
                                  : "");
        std::vector<std::string> notes;
        for (const CaseInfo* c : chosen) {
            fs::path site = c->site == Site::Hotel ? work : cache / bench::siteFolder(c->site);
            std::fprintf(stderr, "money_bench: %s …\n", c->name);
            Outcome r = spawnCase(*c, site, scale, o);
            if (c->workbook && r.status == "ok") readBack(r);
            std::string mark;
            if (r.status != "ok") {
                mark = r.status;
                allAgreed = false;
            } else if (scale == 1) {
                mark = speedHeld(r) ? "held" : "MISSED";
            }
            if (scale == 10)
                mark += (mark.empty() ? "" : ", ") + std::string(r.peakMiB < kMemoryTargetMiB ? "held" : "MISSED");
            std::printf("  %-36s %5d %10.2f %10.2f %9s %9.1f  %s\n", c->name, r.runs, r.ours, r.raw,
                        ratioText(r.ours, r.raw).c_str(), r.peakMiB, mark.c_str());
            std::fflush(stdout);
            if (!r.detail.empty()) notes.push_back(std::string(c->name) + ": " + r.detail);
            if (*c->note) notes.push_back(std::string(c->name) + ": " + c->note);
            all[c->name][scale] = r;
        }
        for (const std::string& n : notes) std::printf("  - %s\n", n.c_str());
        fs::remove_all(work, ec);
    }

    // From 1x to 10x a case whose result does not grow grows by less than twice.
    bool both = std::count(o.scales.begin(), o.scales.end(), 1.0) && std::count(o.scales.begin(), o.scales.end(), 10.0);
    if (both) {
        std::printf("\nfrom 1x to 10x (target: less than 2x where what the case shows does not grow)\n");
        for (const CaseInfo* c : chosen) {
            const Outcome &one = all[c->name][1.0], &ten = all[c->name][10.0];
            double growth = one.ours > 0 ? ten.ours / one.ours : 0;
            std::printf("  %-36s %10.2f -> %10.2f ms %7.2fx  %s\n", c->name, one.ours, ten.ours, growth,
                        c->grows     ? "(shows 10x the rows)"
                        : growth < 2 ? "held"
                                     : "MISSED");
        }
    }
    std::printf("\nThe ratios move with the machine's state: run on a quiet machine, and compare ratios of one run.\n");
    return allAgreed ? 0 : 1;
}
