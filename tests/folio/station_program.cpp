#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "folio/frmFrontDeskMsg.h"
#include "folio/frmRooms.h"
#include "folio/order_book.h"
#include "payment/frmTender.h"
#include "platform/card/card.h"
#include "platform/db/recordset.h"
#include "platform/ui/input.h"
#include "platform/ui/registry.h"
#include "reservations/frmMap.h"
#include "stations.h"
#include "stations_internal.h"

namespace pelk::test::stations {

namespace {

// What a station tells its case, one "key value" line at a time, written at once so that a
// station that dies leaves what it had said.
class Log {
public:
    explicit Log(const fs::path& file) : out_(file) {}
    void put(std::string_view key, const std::string& value) {
        out_ << key << ' ' << value << '\n';
        out_.flush();
    }
    void fault(const std::string& what) {
        ++faults_;
        put("fault", what);
    }
    int faults() const { return faults_; }

private:
    std::ofstream out_;
    int faults_ = 0;
};

bool click(ui::Control& c, Log& log) {
    if (ui::input::click(c)) return true;
    log.fault(c.name() + " could not be clicked");
    return false;
}

// The room screen over the map, as the map opens an occupied room with its folio. Nothing on the
// way may tell the clerk anything.
folio::frmRooms& openRoom(Session& s, const std::string& room, const std::string& number, const std::string& ownStay,
                          Log& log) {
    auto quiet = [&](const char* step) {
        if (auto told = s.newPrompts(); !told.empty()) log.fault(std::string(step) + " told " + joined(told));
    };
    ui::forms().unloadAllSilently();
    ui::forms().collect();
    quiet("closing the screens");
    ui::forms().get<reservations::frmMap>().Show();
    quiet("opening the map");
    folio::frmRooms& rooms = ui::forms().get<folio::frmRooms>();
    quiet("loading the room screen");
    rooms.txtRoom.setText(room);
    if (!ownStay.empty()) {
        ui::DataRecordset& stays = rooms.datVRoom.Recordset();
        db::Status found = rooms.datVRoom.Refresh();
        if (found) found = stays.FindFirst("sLast_na = '" + ownStay + "'");
        if (!found || stays.noMatch())
            log.fault("the stay of " + ownStay + " was not found");
        else
            rooms.keepOwnStay(*stays.bookmark());
    }
    rooms.cmbRept.setText(number);
    rooms.cmbRept.setTag("OldNum");
    rooms.Show();
    quiet("showing the room screen");
    if (rooms.cmbRept.tag() != "DidRecall") log.fault("folio " + number + " was not recalled");
    return rooms;
}

enum class Stored { Yes, Refused, Fault };

// What the clerk was told after a save: nothing when it was stored, the refusal alone when it
// stored nothing.
Stored judgeSave(Session& s, Log& log, bool closesOnSave) {
    std::vector<std::string> told = s.newPrompts();
    bool open = ui::forms().isLoaded("frmRooms");
    if (told.empty()) {
        if (closesOnSave && open) {
            log.fault("a save that told nothing left the room screen open");
            return Stored::Fault;
        }
        return Stored::Yes;
    }
    if (told.size() == 1 && told[0] == kRefusal) {
        if (!open) log.fault("a refused save closed the room screen");
        return Stored::Refused;
    }
    log.fault("the clerk was told " + joined(told));
    return Stored::Fault;
}

// ---- The stations ----

// Work of one kind on the folio, `rounds` times; `index` keeps the two stations' amounts apart.
void work(Work what, int index, int rounds, Session& s, Log& log) {
    for (int k = 0; k < rounds; ++k) {
        folio::frmRooms& rooms = openRoom(s, kRoom, kFolio, "", log);
        // Turn about: "Print to Front" keeps the screen open, "Chk In/ Update" closes it.
        bool viaSave = k % 2 == 1;
        ui::CommandButton& store = viaSave ? rooms.cmdSave : rooms.cmdPrintRce;
        switch (what) {
            case Work::Nights: {
                Money rate = Money::fromInt(100 * (index + 1)) + cents(k);
                rooms.txtRate.setText(money(rate));
                rooms.txtDate.setText("1");
                if (!click(rooms.cmdAddto, log) || !click(store, log)) return;
                Stored st = judgeSave(s, log, viaSave);
                if (st == Stored::Yes) log.put("posted", money(rate));
                if (st == Stored::Refused) log.put("refused", std::to_string(k));
                break;
            }
            case Work::Cash: {
                Money cash = Money::fromInt(10 * (index + 1)) + cents(k);
                if (!click(rooms.cmdTenerRec, log)) return;
                payment::frmTender& tender = ui::forms().get<payment::frmTender>();
                tender.txtGet.setText(money(cash));
                if (!click(tender.cmdNext, log)) return;
                if (auto told = s.newPrompts(); !told.empty()) {
                    log.fault("the hand-back told " + joined(told));
                    return;
                }
                if (!click(store, log)) return;
                Stored st = judgeSave(s, log, viaSave);
                if (st == Stored::Yes) log.put("taken", money(cash));
                if (st == Stored::Refused) log.put("refused", std::to_string(k));
                break;
            }
            case Work::Card: {
                // Every seventh amount ends in 13 cents, which the processor declines.
                Money amount = Money::fromInt(30 + 10 * index + k / 100) + cents(k % 7 == 3 ? 13 : k % 100);
                if (!click(rooms.cmdTenerRec, log)) return;
                payment::frmTender& tender = ui::forms().get<payment::frmTender>();
                if (!click(tender.cmdPurchase, log)) return;
                tender.txtCardType.setText("VISA");
                tender.txtCardNu.setText("4242424242424242");
                tender.txtExp.setText("1230");
                tender.txtGet.setText(money(amount));
                if (!click(tender.cmdNext, log)) return;
                std::vector<std::string> told = s.newPrompts();
                if (told.empty())
                    log.put("approved", money(amount));
                else if (told.size() == 1 && told[0] == kDeclined)
                    log.put("declined", money(amount));
                else
                    log.fault("the card payment of " + money(amount) + " told " + joined(told));
                break;
            }
        }
    }
}

// Each save takes the folio's first line off (a click on it) and adds a night, so the folio keeps
// its number of lines; it goes on until the recalling station is done.
void removeAndAdd(const fs::path& done, Session& s, Log& log) {
    int saves = 0;
    auto deadline = std::chrono::steady_clock::now() + kStationDeadline;
    while (!fs::exists(done) && std::chrono::steady_clock::now() < deadline) {
        folio::frmRooms& rooms = openRoom(s, kRoom, kFolio, "", log);
        int lines = rooms.grdOrderItems.rows() - 2;
        // A stored charge goes only when the clerk says so.
        s.host().answer(ui::MsgBoxResult::Yes);
        rooms.grdOrderItems.userSelect(2, 1);
        std::vector<std::string> asked = s.newPrompts();
        if (asked.size() != 1 || asked[0].rfind("Remove ", 0) != 0) log.fault("the removal asked " + joined(asked));
        if (rooms.grdOrderItems.rows() - 2 != lines - 1) {
            log.fault("the click on the first line did not remove it");
            return;
        }
        rooms.txtRate.setText(money(Money::fromInt(50) + cents(saves % 100)));
        rooms.txtDate.setText("1");
        if (!click(rooms.cmdAddto, log) || !click(rooms.cmdPrintRce, log)) return;
        if (judgeSave(s, log, false) != Stored::Yes) return;
        ++saves;
    }
    log.put("saves", std::to_string(saves));
}

// Recalls the folio again and again while the other station saves it; then says it is done.
void recall(int recalls, std::size_t lines, const fs::path& done, Log& log) {
    folio::OrderBook book(orderBookPath(), openFolioPath());
    std::set<db::Bookmark> previous, gone;
    std::set<std::vector<db::Bookmark>> states;
    int wrong = 0;
    for (int k = 0; k < recalls && wrong < 10; ++k) {
        auto f = book.recall(kFolio);
        if (!f) {
            log.fault("recall " + std::to_string(k) + ": " + f.error().message());
            ++wrong;
            continue;
        }
        std::set<db::Bookmark> ids;
        std::vector<db::Bookmark> order;
        Money sum;
        for (const folio::StoredLine& l : f->lines) {
            if (!ids.insert(l.id).second)
                log.fault("recall " + std::to_string(k) + " saw line " + std::to_string(l.id) + " twice");
            if (gone.count(l.id))
                log.fault("recall " + std::to_string(k) + " saw removed line " + std::to_string(l.id) + " again");
            order.push_back(l.id);
            sum += moneyOf(l.price);
        }
        if (f->lines.size() != lines) {
            log.fault("recall " + std::to_string(k) + " saw " + std::to_string(f->lines.size()) + " lines");
            ++wrong;
        }
        if (moneyOf(f->subTotal) != sum) {
            log.fault("recall " + std::to_string(k) + " saw a subtotal of " + money(moneyOf(f->subTotal)) +
                      " over lines of " + money(sum));
            ++wrong;
        }
        for (db::Bookmark id : previous)
            if (!ids.count(id)) gone.insert(id);
        previous = std::move(ids);
        states.insert(std::move(order));
    }
    log.put("recalls", std::to_string(recalls));
    log.put("states", std::to_string(states.size()));
    std::ofstream{done} << "done\n";
}

// Stores the folio of the guest in room 201 with a night more, `rounds` times, by "Chk In/
// Update" (the order book, the open folios and the reservations in one unit).
void saveRepeatedly(int rounds, Session& s, Log& log) {
    for (int k = 0; k < rounds; ++k) {
        folio::frmRooms& rooms = openRoom(s, kRoom, kFolio, "Ann", log);
        rooms.txtRate.setText(money(Money::fromInt(100) + cents(k)));
        rooms.txtDate.setText("1");
        if (!click(rooms.cmdAddto, log) || !click(rooms.cmdSave, log)) return;
        if (judgeSave(s, log, true) == Stored::Yes) log.put("posted", money(Money::fromInt(100) + cents(k)));
    }
}

// Checks out the guests of rooms 301, 302, … (the checked-out stays, the reservations, the open
// folios and the order book in one unit).
void checkOut(int rounds, Session& s, Log& log) {
    for (int k = 0; k < rounds; ++k) {
        std::string room = std::to_string(301 + k);
        folio::frmRooms& rooms = openRoom(s, room, std::to_string(100 + k), "Guest " + room, log);
        rooms.grdOrderItems.setRow(2);
        s.host().whileWaiting([&log] { click(ui::forms().get<folio::frmFrontDeskMsg>().Command1, log); });
        if (!click(rooms.cmdPost, log)) return;
        if (auto told = s.newPrompts(); !told.empty())
            log.fault("the check-out of room " + room + " told " + joined(told));
        else if (ui::forms().isLoaded("frmRooms"))
            log.fault("the check-out of room " + room + " left the room screen open");
        else
            log.put("checked-out", room);
    }
}

// Writes the card payment down and asks the processor, as the tender screen does, but stops where
// `argument` says: killed after the answer ('+'), killed before asking ('-'), or still at work
// ('='): it waits between writing down and asking until `resume` exists, then finishes the
// payment.
void payAndStop(const std::string& argument, const fs::path& resume, Log& log) {
    char how = argument.front();
    Money amount = *Money::parse(argument.substr(1));
    folio::OrderBook book(orderBookPath(), openFolioPath());
    folio::FolioChange header;
    header.number = kFolio;
    header.room = kRoom;
    auto pending = book.beginCard(header, amount, "VISA", kCardFolder);
    if (!pending) {
        log.fault("the payment was not written down: " + pending.error().message());
        return;
    }
    if (how == '=') {
        log.put("begun", pending->token);
        auto deadline = std::chrono::steady_clock::now() + kStationDeadline;
        while (!fs::exists(resume) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (how != '-') {
        card::LocalTestProcessor processor;
        card::Request r;
        r.folder = kCardFolder;
        r.reference = std::string("PelkPOS") + kFolio;
        r.cardNumber = "4242424242424242";
        r.expiry = "3012";
        r.amount = money(amount);
        r.token = pending->token;
        card::Answer answer = processor.Purchase(r);
        log.put("answer", answer.error.empty() ? (answer.approved ? "approved" : "declined") : answer.error);
    }
    if (how != '=') std::raise(SIGKILL);
    if (db::Status st = book.postCard(pending->token); !st)
        log.fault("the payment was not posted: " + st.error().message());
}

int runStation(const std::string& role, const fs::path& root, const std::string& name, int rounds,
               const std::string& argument) {
    Session s(root, false);
    Log log(root / (name + ".log"));
    // Started together: each says it is ready, then waits for the word.
    std::ofstream{root / (name + ".ready")} << "ready\n";
    auto deadline = std::chrono::steady_clock::now() + kStationDeadline;
    while (!fs::exists(root / "go")) {
        if (std::chrono::steady_clock::now() > deadline) return 2;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    int index = name.back() == 'b' ? 1 : 0;
    if (role == "nights") work(Work::Nights, index, rounds, s, log);
    if (role == "cash") work(Work::Cash, index, rounds, s, log);
    if (role == "card") work(Work::Card, index, rounds, s, log);
    if (role == "remover") removeAndAdd(root / "recalled", s, log);
    if (role == "recaller") recall(rounds, static_cast<std::size_t>(std::stoul(argument)), root / "recalled", log);
    if (role == "busy-saver" || role == "busy-checkout") db::setBusyTimeout(2000);
    if (role == "busy-saver") saveRepeatedly(rounds, s, log);
    if (role == "busy-checkout") checkOut(rounds, s, log);
    if (role == "card-payer") payAndStop(argument, root / (name + ".resume"), log);
    return log.faults() == 0 ? 0 : 1;
}

}  // namespace

std::optional<int> runAsStationIfAsked() {
    const char* role = std::getenv(kRoleVariable);
    if (!role) return std::nullopt;
    auto get = [](const char* name) {
        const char* v = std::getenv(name);
        return std::string(v ? v : "");
    };
    int rounds = std::atoi(get(kRoundsVariable).c_str());
    return runStation(role, get(kRootVariable), get(kNameVariable), rounds, get(kArgumentVariable));
}

}  // namespace pelk::test::stations
