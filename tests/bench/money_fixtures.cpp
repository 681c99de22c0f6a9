#include "bench/money_fixtures.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

#include "folio/stores.h"
#include "platform/db/catalogue.h"
#include "platform/os/paths.h"
#include "platform/os/station.h"
#include "platform/ui/program.h"
#include "reports/expenses.h"
#include "reservations/records.h"
#include "settings/stores.h"
#include "shell/stores.h"

namespace pelk::bench {

namespace fs = std::filesystem;

namespace {

// Bumped whenever what the maker writes changes, so that a cache of the old rows is made again.
constexpr const char* kMakerVersion = "money fixtures 1";

const std::array<const char*, 48> kSurnames = {
    "Johnson",  "Williams",  "Brown",   "Jones",    "Garcia",   "Miller",   "Davis",    "Rodriguez",
    "Martinez", "Hernandez", "Lopez",   "Gonzalez", "Wilson",   "Anderson", "Thomas",   "Taylor",
    "Moore",    "Jackson",   "Martin",  "Lee",      "Perez",    "Thompson", "White",    "Harris",
    "Sanchez",  "Clark",     "Ramirez", "Lewis",    "Robinson", "Walker",   "Young",    "Allen",
    "King",     "Wright",    "Scott",   "Torres",   "Nguyen",   "Hill",     "Flores",   "Green",
    "Adams",    "Nelson",    "Baker",   "Hall",     "Rivera",   "Campbell", "Mitchell", "Carter"};
const std::array<const char*, 40> kFirstNames = {
    "James",   "Mary",    "Robert",  "Patricia", "John",    "Jennifer", "Michael", "Linda",    "David",   "Elizabeth",
    "William", "Barbara", "Richard", "Susan",    "Joseph",  "Jessica",  "Thomas",  "Sarah",    "Charles", "Karen",
    "Chris",   "Lisa",    "Daniel",  "Nancy",    "Matthew", "Betty",    "Anthony", "Sandra",   "Mark",    "Ashley",
    "Donald",  "Kim",     "Steven",  "Emily",    "Paul",    "Donna",    "Andrew",  "Michelle", "Joshua",  "Carol"};
const std::array<const char*, 8> kCities = {"Peoria",   "Chicago", "Springfield", "Naperville",
                                            "Rockford", "Joliet",  "Aurora",      "Elgin"};
const std::array<const char*, 6> kAreas = {"309", "312", "217", "630", "773", "847"};
const std::array<const char*, 8> kCharges = {"Coffee",  "Breakfast", "Phone Call", "Laundry",
                                             "Minibar", "Movie",     "Parking",    "Room Service"};
// About one guest in ninety is a Smith: some 550 of 50,000.
constexpr int kSmithsPerThousand = 11;

std::string grouped(long long n) {
    std::string digits = std::to_string(n), out;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k && (digits.size() - k) % 3 == 0) out += ',';
        out += digits[k];
    }
    return out;
}

class Rng {
public:
    explicit Rng(unsigned seed) : g_(seed) {}
    int below(int n) { return static_cast<int>(g_() % static_cast<unsigned>(n)); }
    bool chance(int perThousand) { return below(1000) < perThousand; }
    std::string digits(int n) {
        std::string s;
        for (int k = 0; k < n; ++k) s += static_cast<char>('0' + below(10));
        return s;
    }

private:
    std::mt19937 g_;
};

struct Person {
    std::string last, first, phone, street, city, zip;
};

Person person(Rng& r) {
    Person p;
    p.last = r.chance(kSmithsPerThousand) ? Plan::kCommonSurname : kSurnames[r.below(kSurnames.size())];
    p.first = kFirstNames[r.below(kFirstNames.size())];
    p.phone =
        std::string(kAreas[r.below(kAreas.size())]) + "-" + std::to_string(200 + r.below(800)) + "-" + r.digits(4);
    p.street = std::to_string(1 + r.below(9999)) + " " + kSurnames[r.below(kSurnames.size())] + " St";
    p.city = kCities[r.below(kCities.size())];
    p.zip = "6" + r.digits(4);
    return p;
}

// Amounts of the money fields are numbers; those of the reservation rows are the texts the
// reservation form writes.
double amount(long long cents) { return static_cast<double>(cents) / 100.0; }

std::string money(long long cents) {
    char b[32];
    std::snprintf(b, sizeof b, "%lld.%02lld", cents / 100, cents % 100);
    return b;
}

// One store opened straight through SQLite, filled in one transaction with the journal off: the
// maker writes into a folder of its own, which is put in place only once whole.
class Store {
public:
    explicit Store(std::string_view file) {
        std::string path = os::mapPath(os::programPath(file)).string();
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            fail("cannot open " + path);
        exec("PRAGMA journal_mode = OFF");
        exec("PRAGMA synchronous = OFF");
        exec("PRAGMA cache_size = -262144");
        exec("BEGIN");
    }
    ~Store() {
        if (db_) sqlite3_close(db_);
    }
    void commit() {
        exec("COMMIT");
        // The program keeps its stores in rollback-journal mode.
        exec("PRAGMA journal_mode = DELETE");
    }
    void exec(const std::string& sql) {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            std::string why = message ? message : "?";
            sqlite3_free(message);
            fail(sql + ": " + why);
        }
    }
    long long count(const std::string& sql) {
        sqlite3_stmt* st = prepare(sql);
        long long n = sqlite3_step(st) == SQLITE_ROW ? sqlite3_column_int64(st, 0) : 0;
        sqlite3_finalize(st);
        return n;
    }
    sqlite3_stmt* prepare(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) fail(sql + ": " + sqlite3_errmsg(db_));
        return st;
    }
    [[noreturn]] static void fail(const std::string& why) { throw std::runtime_error(why); }

private:
    sqlite3* db_ = nullptr;
};

// A prepared INSERT of some fields of a table; the values are given in the fields' order.
class Insert {
public:
    Insert(Store& store, std::string_view table, std::vector<std::string> fields) : count_(fields.size()) {
        std::string names, marks;
        for (std::size_t k = 0; k < fields.size(); ++k) {
            names += (k ? ", \"" : "\"") + fields[k] + "\"";
            marks += k ? ", ?" : "?";
        }
        st_ = store.prepare("INSERT INTO \"" + std::string(table) + "\" (" + names + ") VALUES (" + marks + ")");
    }
    ~Insert() { sqlite3_finalize(st_); }
    Insert& operator<<(const std::string& text) {
        sqlite3_bind_text(st_, ++at_, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Insert& operator<<(const char* text) { return *this << std::string(text); }
    Insert& operator<<(double number) {
        sqlite3_bind_double(st_, ++at_, number);
        return *this;
    }
    Insert& operator<<(std::nullptr_t) {
        sqlite3_bind_null(st_, ++at_);
        return *this;
    }
    Insert& operator<<(const core::Date& d) { return *this << core::isoDate(d); }
    Insert& operator<<(const core::Time& t) { return *this << core::isoTime(t); }
    void row() {
        if (static_cast<std::size_t>(at_) != count_) Store::fail("an insert given the wrong number of values");
        if (sqlite3_step(st_) != SQLITE_DONE) Store::fail(sqlite3_errmsg(sqlite3_db_handle(st_)));
        sqlite3_reset(st_);
        at_ = 0;
        ++rows_;
    }
    long long rows() const { return rows_; }

private:
    sqlite3_stmt* st_ = nullptr;
    std::size_t count_;
    int at_ = 0;
    long long rows_ = 0;
};

const std::vector<std::string> kStayFields = {
    "sLast_na",   "sFirst_nm",   "sPhone_no",  "szReser_ti",  "szReser_day",  "szClerk_id",  "szStreet_ad",
    "szCity_nm",  "sState_cd",   "sZip_cd",    "szCountry",   "szDate_in",    "szDate_Out",  "szRoom1",
    "szParty_nu", "szRate",      "szDay_nu",   "szRate_curr", "szTotal_curr", "szPaid_curr", "szBalance_curr",
    "szCard_nu",  "szCard_type", "szCard_exp", "szID_type",   "szID_nu"};

struct Stay {
    std::string room;
    core::Date in, out;
    bool inHouse = false;
    const char* guest = nullptr;  // a surname of its own, else a guest drawn at random
};

void stayRow(Insert& ins, Rng& r, const Stay& s) {
    Person p = person(r);
    if (s.guest) p.last = s.guest;
    long long nights = std::max<long long>(1, core::daysBetween(s.in, s.out));
    long long rate = 8900 + 100 * r.below(80);
    ins << p.last << p.first << p.phone << core::Time{10 + r.below(8), r.below(60), 0}
        << core::addDays(s.in, -r.below(30)) << std::to_string(1001 + r.below(20)) << p.street << p.city << "IL"
        << p.zip << "USA" << s.in << s.out << s.room << std::to_string(1 + r.below(4)) << "Daily"
        << std::to_string(nights) << money(rate) << money(rate * nights) << money(r.chance(500) ? rate : 0)
        << money(rate * nights) << ("4" + r.digits(15)) << "Visa" << ("0" + std::to_string(1 + r.below(9)) + "29");
    if (s.inHouse)
        ins << "Driver License" << ("D" + r.digits(8));
    else
        ins << nullptr << nullptr;
}

// The hotel's rooms: five floors of 45 places and two of 38 (from the 8th place), 301 in all.
struct Room {
    std::string name;
    int floor, position;
};
std::vector<Room> hotelRooms() {
    std::vector<Room> rooms;
    for (int floor = 1; floor <= 7; ++floor)
        for (int p = floor >= 6 ? 8 : 1; p <= settings::kRoomPositions; ++p)
            rooms.push_back({std::to_string(floor * 100 + p), floor, p});
    return rooms;
}

void nameRooms(const std::vector<Room>& rooms) {
    Store station(settings::kStationStore);
    for (const Room& r : rooms)
        station.exec("UPDATE tblRooms SET R" + std::to_string(r.floor) + " = '" + r.name + "' WHERE ID1 = '" +
                     std::to_string(r.position) + "'");
    station.commit();
}

void addStaff(bool clerks) {
    Store staff(shell::kEmployeeStore);
    Insert ins(staff, shell::kEmployeeTable, {"szID_no", "sFirst_nm", "szLevel_nu"});
    ins << Plan::kSignInCode << "Cy"
        << "Level 3";
    ins.row();
    for (int k = 0; clerks && k < 20; ++k) {
        ins << std::to_string(1001 + k) << kFirstNames[k] << "Level 1";
        ins.row();
    }
    staff.commit();
}

struct HotelCounts {
    long long stays = 0, folios = 0, lines = 0, checkedOut = 0, expenses = 0;
};

HotelCounts makeHotel(const Plan& plan) {
    HotelCounts counts;
    Rng r(301);
    const std::vector<Room> rooms = hotelRooms();
    nameRooms(rooms);
    addStaff(true);
    const core::Date first = core::addDays(plan.today, 1 - plan.days);
    // Stays run back to back; the last ones reach a few days past today.
    const core::Date end = core::addDays(plan.today, 3);
    const int span = static_cast<int>(core::daysBetween(first, end));

    std::vector<Stay> stays;
    std::vector<std::size_t> openStay(rooms.size());  // the stay each room's open folio is for
    const int longStay = std::min(60, plan.days / 2);
    for (std::size_t k = 0; k < rooms.size(); ++k) {
        int count = plan.hotelStays / Plan::kHotelRooms + (static_cast<int>(k) < plan.hotelStays % Plan::kHotelRooms);
        const bool longStayRoom = rooms[k].name == Plan::kLongStayRoom;
        // The long stay's room: the stays before it, the long stay up to today, one from today.
        int before = longStayRoom ? count - 2 : count;
        int reach = longStayRoom ? span - 3 - longStay : span;
        before = std::min(before, reach);
        std::vector<int> cuts;
        while (static_cast<int>(cuts.size()) < before - 1) {
            int c = 1 + r.below(reach - 1);
            if (std::find(cuts.begin(), cuts.end(), c) == cuts.end()) cuts.push_back(c);
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.insert(cuts.begin(), 0);
        cuts.push_back(reach);
        for (std::size_t c = 0; c + 1 < cuts.size(); ++c)
            stays.push_back(
                {rooms[k].name, core::addDays(first, cuts[c]), core::addDays(first, cuts[c + 1]), r.chance(500)});
        if (longStayRoom) {
            stays.push_back(
                {rooms[k].name, core::addDays(plan.today, -longStay), plan.today, true, Plan::kLongStayGuest});
            stays.push_back({rooms[k].name, plan.today, end, r.chance(500)});
        }
    }
    // Booked in the order the guests arrive.
    std::stable_sort(stays.begin(), stays.end(),
                     [](const Stay& a, const Stay& b) { return core::toDayNumber(a.in) < core::toDayNumber(b.in); });
    // A room's open folio is for the guest leaving today, else for the guest in the room.
    for (std::size_t k = 0; k < rooms.size(); ++k) {
        std::size_t leaving = stays.size(), staying = stays.size();
        for (std::size_t s = 0; s < stays.size(); ++s) {
            if (stays[s].room != rooms[k].name) continue;
            if (stays[s].out == plan.today) leaving = s;
            if (core::toDayNumber(stays[s].in) <= core::toDayNumber(plan.today) &&
                core::toDayNumber(plan.today) < core::toDayNumber(stays[s].out))
                staying = s;
        }
        openStay[k] = leaving < stays.size() ? leaving : staying;
    }
    {
        Store book(reservations::kReservationStore);
        Insert ins(book, reservations::kReservationTable, kStayFields);
        for (const Stay& s : stays) {
            stayRow(ins, r, s);
            ins.row();
        }
        book.commit();
        counts.stays = ins.rows();
    }

    // The folios: the closed ones of the years in date order, then one open folio a room.
    {
        Store book(folio::kOrderBook);
        Insert header(book, folio::kHeaderTable,
                      {"Inv", "ID", "Method", "Room", "SubTotal", "Tax", "Total", "Receive", "szCard_amt",
                       "szType_Card", "szCoupon_amt", "Date", "Time", "Date_in"});
        Insert line(book, folio::kLineTable,
                    {"Invoice", "Date", "Time", "ID", "Method", "Ask", "Qty", "szOrder", "Price"});
        struct Line {
            core::Date date;
            long long cents;
            std::string text;
        };
        auto lineRow = [&](const std::string& number, const Line& l, const std::string& clerk) {
            line << number << l.date << core::Time{7 + r.below(15), r.below(60), r.below(60)} << clerk << "Zu"
                 << ""
                 << "1" << l.text << amount(l.cents);
            line.row();
        };
        auto headerRow = [&](const std::string& number, const std::string& clerk, const std::string& room,
                             long long sub, bool paid, core::Date date, core::Date in) {
            long long tax = sub / 10, total = sub + tax;
            bool card = r.chance(400);
            header << number << clerk << "Zu" << room << amount(sub) << amount(tax) << amount(total)
                   << amount(paid && !card ? total : 0) << amount(paid && card ? total : 0)
                   << (paid && card ? "Visa" : "") << 0.0 << date << core::Time{8 + r.below(12), r.below(60), 0} << in;
            header.row();
        };
        auto charges = [&](const std::string& room, core::Date from, core::Date to, int n) {
            std::vector<Line> lines;
            const int nights = std::max(1, static_cast<int>(core::daysBetween(from, to)));
            for (int k = 0; k < n; ++k) {
                Line l{core::addDays(from, static_cast<long long>(k) * nights / n), 0, ""};
                if (k == 0) {
                    l.cents = 8900LL * nights;
                    l.text = "Room Charge " + room;
                } else {
                    l.cents = 250 + 25 * r.below(400);
                    l.text = kCharges[r.below(kCharges.size())];
                }
                lines.push_back(std::move(l));
            }
            return lines;
        };
        auto sum = [](const std::vector<Line>& lines) {
            long long s = 0;
            for (const Line& l : lines) s += l.cents;
            return s;
        };

        const int open = Plan::kHotelRooms, closed = plan.folios - open;
        // The long folio's lines were posted over the guest's stay, among everyone else's.
        std::size_t longRoom = 0;
        while (rooms[longRoom].name != Plan::kLongStayRoom) ++longRoom;
        const Stay& longGuest = stays[openStay[longRoom]];
        std::vector<Line> longLines = charges(Plan::kLongStayRoom, longGuest.in, longGuest.out, Plan::kOpenFolioLines);
        const std::string longNumber = std::to_string(closed + 1 + static_cast<int>(longRoom));
        const std::string longClerk = "1001";
        std::size_t posted = 0;
        for (int f = 1; f <= closed; ++f) {
            core::Date date = core::addDays(first, static_cast<long long>(f - 1) * plan.days / closed);
            const Room& room = rooms[r.below(static_cast<int>(rooms.size()))];
            std::string number = std::to_string(f), clerk = std::to_string(1001 + r.below(20));
            std::vector<Line> lines = charges(room.name, core::addDays(date, -3), date, 5 + r.below(11));
            for (const Line& l : lines) lineRow(number, l, clerk);
            headerRow(number, clerk, room.name, sum(lines), true, date, core::addDays(date, -3));
            while (posted < longLines.size() && core::toDayNumber(longLines[posted].date) <= core::toDayNumber(date))
                lineRow(longNumber, longLines[posted++], longClerk);
        }
        while (posted < longLines.size()) lineRow(longNumber, longLines[posted++], longClerk);

        Store tables(shell::kOpenFolioStore);
        Insert openRow(tables, shell::kOpenFolioTable, {"sz_Table", "sz_Chk", "sz_waiter", "sz_Name"});
        for (std::size_t k = 0; k < rooms.size(); ++k) {
            const Stay& s = stays[openStay[k]];
            std::string number = std::to_string(closed + 1 + static_cast<int>(k));
            std::string clerk = number == longNumber ? longClerk : std::to_string(1001 + r.below(20));
            std::vector<Line> lines =
                number == longNumber ? longLines : charges(s.room, s.in, plan.today, 5 + r.below(11));
            if (number != longNumber)
                for (const Line& l : lines) lineRow(number, l, clerk);
            headerRow(number, clerk, s.room, sum(lines), false, s.in, s.in);
            openRow << s.room << number << clerk << kFirstNames[std::stoi(clerk) - 1001];
            openRow.row();
        }
        book.commit();
        tables.commit();
        counts.folios = header.rows();
        counts.lines = line.rows();
    }

    // The guests checked out over the years, each with the folio that was printed for them.
    {
        Store out(reservations::kCheckedOutStore);
        std::vector<std::string> fields = kStayFields;
        fields.push_back(std::string(reservations::kFolioNumberField));
        Insert ins(out, reservations::kReservationTable, fields);
        const int closed = plan.folios - Plan::kHotelRooms;
        for (int k = 0; k < plan.checkedOut; ++k) {
            core::Date leaving = core::addDays(first, static_cast<long long>(k) * plan.days / plan.checkedOut);
            Stay s{rooms[r.below(static_cast<int>(rooms.size()))].name, core::addDays(leaving, -1 - r.below(7)),
                   leaving, r.chance(500)};
            stayRow(ins, r, s);
            ins << std::to_string(1 + r.below(closed));
            ins.row();
        }
        out.commit();
        counts.checkedOut = ins.rows();
    }

    // The expenses, spread over the sixteen categories and the days.
    {
        Store expenses(reports::kExpenseStore);
        std::vector<std::unique_ptr<Insert>> tables;
        for (const reports::ExpenseCategory& c : reports::kExpenseCategories)
            tables.push_back(std::make_unique<Insert>(
                expenses, c.table,
                std::vector<std::string>{"Invoice", "Date", "Company", "Description", "Method", "Total"}));
        for (int k = 0; k < plan.expenses; ++k) {
            Insert& ins = *tables[static_cast<std::size_t>(r.below(reports::kExpenseCategoryCount))];
            ins << ("E" + std::to_string(k + 1))
                << core::addDays(first, static_cast<long long>(k) * plan.days / plan.expenses)
                << (std::string(kSurnames[r.below(kSurnames.size())]) + " Supply") << "Supplies"
                << (r.chance(500) ? "Cash" : "Check") << amount(500 + r.below(49500));
            ins.row();
            ++counts.expenses;
        }
        expenses.commit();
    }
    return counts;
}

long long makeMotel(const Plan& plan, int days) {
    Rng r(40 + static_cast<unsigned>(days));
    std::vector<Room> rooms;
    for (int p = 1; p <= Plan::kMotelRooms; ++p) rooms.push_back({std::to_string(100 + p), 1, p});
    nameRooms(rooms);
    addStaff(false);
    Store book(reservations::kReservationStore);
    Insert ins(book, reservations::kReservationTable, kStayFields);
    // One night a room, every night, booked day by day.
    for (int d = days - 1; d >= 0; --d) {
        core::Date in = core::addDays(plan.today, -d);
        for (const Room& room : rooms) {
            stayRow(ins, r, {room.name, in, core::addDays(in, 1), r.chance(500)});
            ins.row();
        }
    }
    book.commit();
    return ins.rows();
}

// The row in the middle of the Smiths, in the screen's order, takes the first name sought.
void markMiddleSmith(Store& store, std::string_view table, const std::string& order) {
    sqlite3_stmt* st = store.prepare("SELECT rowid FROM \"" + std::string(table) + "\" WHERE sLast_na = '" +
                                     Plan::kCommonSurname + "' ORDER BY " + order);
    std::vector<long long> ids;
    while (sqlite3_step(st) == SQLITE_ROW) ids.push_back(sqlite3_column_int64(st, 0));
    sqlite3_finalize(st);
    if (ids.empty()) Store::fail("no Smith was made");
    store.exec("UPDATE \"" + std::string(table) + "\" SET sFirst_nm = '" + Plan::kSoughtFirstName +
               "' WHERE rowid = " + std::to_string(ids[ids.size() / 2]));
}

std::pair<long long, long long> makeGuests(const Plan& plan) {
    Rng r(50000);
    addStaff(false);
    long long customers = 0, bookings = 0;
    {
        Store file(reservations::kCustomerStore);
        Insert ins(file, reservations::kCustomerTable,
                   {"sLast_na", "sFirst_nm", "szStreet_ad", "szCity_nm", "sState_cd", "sZip_cd", "szCountry",
                    "sPhone_no", "szEmail"});
        for (int k = 0; k < plan.guests; ++k) {
            Person p = person(r);
            ins << p.last << p.first << p.street << p.city << "IL" << p.zip << "USA" << p.phone
                << (p.first + "." + p.last + "@example.com");
            ins.row();
        }
        markMiddleSmith(file, reservations::kCustomerTable, "sPhone_no, rowid");
        file.commit();
        customers = ins.rows();
    }
    {
        Store book(reservations::kReservationStore);
        Insert ins(book, reservations::kReservationTable, kStayFields);
        const core::Date first = core::addDays(plan.today, 1 - plan.days);
        for (int k = 0; k < plan.guests; ++k) {
            core::Date in = core::addDays(first, r.below(plan.days + 60));
            stayRow(ins, r,
                    {std::to_string(100 * (1 + r.below(5)) + 1 + r.below(45)), in, core::addDays(in, 1 + r.below(7)),
                     false});
            ins.row();
        }
        markMiddleSmith(book, reservations::kReservationTable, "rowid");
        book.commit();
        bookings = ins.rows();
    }
    return {customers, bookings};
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

const char* siteFolder(Site site) {
    switch (site) {
        case Site::Hotel:
            return "hotel";
        case Site::Motel:
            return "motel";
        case Site::Motel5:
            return "motel5";
        case Site::Guests:
            return "guests";
    }
    return "";
}

Plan planFor(double scale) {
    Plan p;
    p.scale = scale;
    p.today = core::Date{2026, 12, 31};
    auto times = [scale](double n) { return std::max(1, static_cast<int>(std::llround(n * scale))); };
    p.days = std::max(30, times(365));
    p.motel5Days = times(5 * 365);
    p.hotelStays = times(14600);
    p.folios = std::max(Plan::kHotelRooms * 2, times(30000));
    p.checkedOut = times(100000);
    p.expenses = times(10000);
    p.guests = times(50000);
    p.exportRows = times(10000);
    return p;
}

std::string scaleName(double scale) {
    char b[32];
    std::snprintf(b, sizeof b, "%gx", scale);
    return b;
}

std::string fixtureStamp() {
    db::Catalogue& catalogue = db::Catalogue::instance();
    catalogue.clear();
    ui::program().declareStores();
    std::string layout = kMakerVersion;
    for (const db::StoreDecl& s : catalogue.stores()) {
        layout += "\n" + s.fileName;
        for (const db::TableDecl& t : s.tables) {
            layout += "\n " + t.name;
            for (const db::FieldDecl& f : t.fields)
                layout += " " + f.name + ":" + std::to_string(static_cast<int>(f.kind)) + ":" + std::to_string(f.size) +
                          (f.required ? "!" : "");
        }
    }
    char b[32];
    std::snprintf(b, sizeof b, "%016zx", std::hash<std::string>{}(layout));
    return std::string(kMakerVersion) + " " + b;
}

bool prepareStores(const fs::path& root, std::string* error) {
    fs::create_directories(root);
    os::setRootFolder(root);
    db::Catalogue& catalogue = db::Catalogue::instance();
    catalogue.clear();
    ui::program().declareStores();
    for (const db::Error& e : catalogue.ensureStores()) {
        *error = e.message();
        return false;
    }
    return os::markSetupDone(error);
}

bool ensureFixtures(const fs::path& folder, const Plan& plan, std::string* sizes, std::string* error) {
    const fs::path dir = folder / scaleName(plan.scale);
    const std::string stamp = fixtureStamp();
    std::error_code ec;
    if (readFile(dir / "stamp") == stamp) {
        // Stores made before an index was declared get it now, once, as a station's start does.
        for (Site site : {Site::Hotel, Site::Motel, Site::Motel5, Site::Guests})
            if (!prepareStores(dir / siteFolder(site), error)) return false;
        *sizes = readFile(dir / "sizes");
        return true;
    }
    const fs::path making = folder / (scaleName(plan.scale) + ".making");
    fs::remove_all(making, ec);
    fs::remove_all(dir, ec);
    try {
        if (!prepareStores(making / siteFolder(Site::Hotel), error)) return false;
        HotelCounts hotel = makeHotel(plan);
        if (!prepareStores(making / siteFolder(Site::Motel), error)) return false;
        long long motel = makeMotel(plan, plan.days);
        if (!prepareStores(making / siteFolder(Site::Motel5), error)) return false;
        long long motel5 = makeMotel(plan, plan.motel5Days);
        if (!prepareStores(making / siteFolder(Site::Guests), error)) return false;
        auto [customers, bookings] = makeGuests(plan);
        *sizes = "hotel: " + std::to_string(Plan::kHotelRooms) + " rooms, " + grouped(hotel.stays) + " stays over " +
                 grouped(plan.days) + " days, " + grouped(hotel.folios) + " folios with " + grouped(hotel.lines) +
                 " lines (one open folio of " + std::to_string(Plan::kOpenFolioLines) + "), " +
                 grouped(hotel.checkedOut) + " checked out, " + grouped(hotel.expenses) +
                 " expenses; motel: " + std::to_string(Plan::kMotelRooms) + " rooms, " + grouped(motel) + " stays (" +
                 grouped(motel5) + " over five years); " + grouped(customers) + " customers, " + grouped(bookings) +
                 " reservations";
    } catch (const std::exception& e) {
        *error = e.what();
        return false;
    }
    std::ofstream(making / "sizes") << *sizes;
    std::ofstream(making / "stamp") << stamp;
    fs::rename(making, dir, ec);
    if (ec) {
        *error = "cannot put the fixtures in place: " + ec.message();
        return false;
    }
    return true;
}

}  // namespace pelk::bench
