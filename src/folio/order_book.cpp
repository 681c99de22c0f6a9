#include "folio/order_book.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <utility>

#include "folio/stores.h"
#include "platform/card/card.h"
#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/db/database.h"
#include "platform/db/quoting.h"
#include "platform/db/unit_of_work.h"
#include "platform/os/paths.h"
#include "platform/ui/ui.h"
#include "reservations/rooms.h"
#include "settings/common.h"
#include "settings/tax.h"
#include "shell/stores.h"

namespace pelk::folio {

namespace {

constexpr std::string_view kOpenFolioTable = "tbTable";

core::Value textOrNull(const std::string& text) { return text.empty() ? core::Value{} : core::Value{text}; }

db::Result<db::Recordset> open(const std::string& store, const std::string& source) {
    auto d = db::Database::open(store);
    if (!d) return d.error();
    return d->openRecordset(source);
}

// The first row, or none: an empty set is no failure here.
db::Status moveFirst(db::Recordset& rs) {
    db::Status st = rs.MoveFirst();
    if (!st && st.error().code == db::code::kNoCurrentRecord) return {};
    return st;
}

db::Result<core::Value> fieldOf(db::Recordset& rs, std::string_view name) { return rs.field(name); }

std::string headersOf(const std::string& number) {
    return "SELECT * FROM " + std::string(kHeaderTable) + " WHERE Inv = " + db::quote(number);
}

std::string linesOf(const std::string& number) {
    return "SELECT * FROM " + std::string(kLineTable) + " WHERE Invoice = " + db::quote(number);
}

std::string openRowsOf(const std::string& number) {
    return "SELECT * FROM " + std::string(kOpenFolioTable) + " WHERE sz_Chk = " + db::quote(number);
}

std::string openRowsOfRoom(const std::string& room) {
    return "SELECT * FROM " + std::string(kOpenFolioTable) + " WHERE " + reservations::roomCriterion("sz_Table", room) +
           " ORDER BY sz_Table ASC";
}

std::string pendingOf(const std::string& token) {
    return "SELECT * FROM " + std::string(kPendingCardTable) + " WHERE Token = " + db::quote(token);
}

core::Money moneyOf(const core::Value& v) { return v.isNull() ? core::Money{} : v.toMoney(); }

bool sameValue(const core::Value& a, const core::Value& b) {
    if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
    return a.toText() == b.toText();
}

// A unit of work that rolls back unless committed, over the stores named.
struct Unit {
    db::UnitOfWork work;
    db::Status begin(const std::vector<std::string>& stores) { return work.begin(stores); }
};

std::string base36(std::uint64_t n) {
    std::string out;
    do {
        out.insert(out.begin(), "0123456789abcdefghijklmnopqrstuvwxyz"[n % 36]);
        n /= 36;
    } while (n);
    return out;
}

// A token no other attempt shares: the pending record's own number, the time and a random part,
// so that two stations (or two books) never meet on one. Its parts are short and kept apart by
// letters, so no run of digits in it looks like a card number to the processor's records.
std::string newToken(std::int64_t pendingId) {
    static std::mt19937_64 random{std::random_device{}()};
    auto now = std::chrono::system_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    return "F" + base36(static_cast<std::uint64_t>(pendingId)) + "x" + base36(static_cast<std::uint64_t>(ms)) + "x" +
           base36(random() % 2176782336ULL);
}

// A card payment between its writing down and its posting or dropping is in its station's hand:
// the station holds a lock on the byte at its pending number in a file beside the order book.
// The system lets the lock go when the station stops, however it stops, so another station's
// start settles only the payments whose byte is free and leaves the others to their stations.
class PaymentsInHand {
public:
    static void hold(const std::string& book, std::int64_t id, const std::string& token) {
        std::lock_guard<std::mutex> guard(mutex());
        int fd = fileOf(book);
        struct flock l = byte(F_WRLCK, id);
        // A lock that cannot be had leaves the payment as it was before there were locks:
        // settled by what the processor says.
        if (fd < 0 || ::fcntl(fd, F_SETLK, &l) != 0) return;
        held()[token] = {fd, id};
    }
    static void letGo(const std::string& token) {
        std::lock_guard<std::mutex> guard(mutex());
        auto it = held().find(token);
        if (it == held().end()) return;
        struct flock l = byte(F_UNLCK, it->second.id);
        (void)::fcntl(it->second.fd, F_SETLK, &l);
        held().erase(it);
    }
    // Lets the payment go when the scope ends, whatever became of it.
    struct LetGoAtEnd {
        const std::string& token;
        ~LetGoAtEnd() { letGo(token); }
    };
    // By another station: a process sees no conflict with its own locks, and this station never
    // settles while it pays.
    static bool inHand(const std::string& book, std::int64_t id) {
        std::lock_guard<std::mutex> guard(mutex());
        int fd = fileOf(book);
        struct flock l = byte(F_WRLCK, id);
        return fd >= 0 && ::fcntl(fd, F_GETLK, &l) == 0 && l.l_type != F_UNLCK;
    }

private:
    struct Held {
        int fd;
        std::int64_t id;
    };
    static struct flock byte(short type, std::int64_t id) {
        struct flock l {};
        l.l_type = type;
        l.l_whence = SEEK_SET;
        l.l_start = static_cast<off_t>(id);
        l.l_len = 1;
        return l;
    }
    // Opened once and never closed: closing any descriptor of the file would let go every lock
    // this process holds on it.
    static int fileOf(const std::string& book) {
        std::string file = os::mapPath(book).string() + "-cards.lock";
        auto [it, added] = files().try_emplace(file, -1);
        if (added || it->second < 0) it->second = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        return it->second;
    }
    static std::map<std::string, int>& files() {
        static std::map<std::string, int> f;
        return f;
    }
    static std::map<std::string, Held>& held() {
        static std::map<std::string, Held> h;
        return h;
    }
    static std::mutex& mutex() {
        static std::mutex m;
        return m;
    }
};

}  // namespace

bool StoredLine::sameAs(const StoredLine& other) const {
    return id == other.id && sameValue(qty, other.qty) && sameValue(text, other.text) && sameValue(price, other.price);
}

OrderBook::OrderBook(std::string book, std::string openFolios)
    : book_(std::move(book)), openFolios_(std::move(openFolios)) {}

db::Result<StoredFolio> OrderBook::read(const std::string& number) const {
    StoredFolio f;
    f.number = number;
    if (number.empty()) return f;
    auto headers = open(book_, headersOf(number));
    if (!headers) return headers.error();
    if (db::Status st = moveFirst(*headers); !st) return st.error();
    if (!headers->eof()) {
        f.hasHeader = true;
        for (auto [name, into] : {std::pair{"SubTotal", &f.subTotal}, std::pair{"Tax", &f.tax},
                                  std::pair{"Total", &f.total}, std::pair{"Receive", &f.receive},
                                  std::pair{"szCard_amt", &f.card}, std::pair{"szCoupon_amt", &f.coupon}}) {
            auto v = fieldOf(*headers, name);
            if (!v) return v.error();
            *into = std::move(*v);
        }
    }
    auto lines = open(book_, linesOf(number));
    if (!lines) return lines.error();
    if (db::Status st = moveFirst(*lines); !st) return st.error();
    while (!lines->eof()) {
        StoredLine l;
        auto id = lines->bookmark();
        if (!id) return id.error();
        l.id = *id;
        for (auto [name, into] :
             {std::pair{"Qty", &l.qty}, std::pair{"szOrder", &l.text}, std::pair{"Price", &l.price}}) {
            auto v = fieldOf(*lines, name);
            if (!v) return v.error();
            *into = std::move(*v);
        }
        f.lines.push_back(std::move(l));
        if (db::Status st = lines->MoveNext(); !st) return st.error();
    }
    auto rows = open(openFolios_, openRowsOf(number));
    if (!rows) return rows.error();
    if (db::Status st = moveFirst(*rows); !st) return st.error();
    if (!rows->eof()) {
        f.open = true;
        auto room = rows->field("sz_Table");
        if (room && !room->isNull()) f.openRoom = room->toText();
    }
    return f;
}

db::Result<StoredFolio> OrderBook::recall(const std::string& number) const {
    Unit unit;
    if (db::Status st = unit.begin({book_, openFolios_}); !st) return st.error();
    auto f = read(number);
    unit.work.rollback();
    return f;
}

db::Result<std::vector<std::string>> OrderBook::storesToSave(const FolioChange& change) const {
    std::vector<std::string> stores{book_, openFolios_};
    if (change.number.empty()) return stores;
    auto rows = open(openFolios_, openRowsOfRoom(change.room));
    if (!rows) return rows.error();
    if (db::Status st = moveFirst(*rows); !st) return st.error();
    if (!rows->eof()) stores.pop_back();
    return stores;
}

db::Result<SaveOutcome> OrderBook::save(const FolioChange& change) const {
    SaveOutcome out;
    std::string number = change.number;
    bool newHeader = false;

    // A folio without a header joins the room's open folio when another station opened one
    // meanwhile: a room never leads to two folios.
    if (number.empty()) {
        auto rows = open(openFolios_, openRowsOfRoom(change.room));
        if (!rows) return rows.error();
        if (db::Status st = moveFirst(*rows); !st) return st.error();
        if (!rows->eof() && !change.room.empty()) {
            auto n = rows->field("sz_Chk");
            if (!n) return n.error();
            if (n->isNull() || n->toText().empty()) {
                out.result = SaveResult::NotFound;
                return out;
            }
            number = n->toText();
        } else {
            newHeader = true;
        }
    }

    auto headers = open(book_, newHeader ? std::string(kHeaderTable) : headersOf(number));
    if (!headers) return headers.error();
    if (newHeader) {
        if (db::Status st = headers->AddNew(); !st) return st.error();
        auto id = headers->field("Zu_Ord_ID");
        if (!id) return id.error();
        number = id->toText();
        for (auto [field, value] : {std::pair{"Inv", core::Value{number}}, std::pair{"Method", core::Value{"Zu"}},
                                    std::pair{"Room", textOrNull(change.room)}}) {
            if (db::Status st = headers->setField(field, value); !st) return st.error();
        }
    } else {
        if (db::Status st = moveFirst(*headers); !st) return st.error();
        if (headers->eof()) {
            out.result = SaveResult::NotFound;
            out.number = number;
            return out;
        }
    }
    out.number = number;

    auto before = newHeader ? db::Result<StoredFolio>(StoredFolio{}) : read(number);
    if (!before) return before.error();
    // A folio checked out at another station is closed: nothing is added to it.
    if (!newHeader && !before->open) {
        out.result = SaveResult::Changed;
        out.folio = std::move(*before);
        return out;
    }
    // Every line this screen removed must still be as it read it.
    for (const StoredLine& gone : change.removed) {
        bool same = false;
        for (const StoredLine& l : before->lines)
            if (l.id == gone.id) same = l.sameAs(gone);
        if (!same) {
            out.result = SaveResult::Changed;
            out.folio = std::move(*before);
            return out;
        }
    }

    // Each removed line is reached by its identity, not looked for.
    if (!change.removed.empty()) {
        auto lines = open(book_, linesOf(number));
        if (!lines) return lines.error();
        for (const StoredLine& gone : change.removed) {
            if (db::Status st = lines->setBookmark(gone.id); !st) return st.error();
            if (db::Status st = lines->Delete(); !st) return st.error();
        }
    }

    if (!change.added.empty()) {
        auto lines = open(book_, linesOf(number));
        if (!lines) return lines.error();
        core::DateTime now = core::clock::now();
        for (const NewLine& l : change.added) {
            if (db::Status st = lines->AddNew(); !st) return st.error();
            for (auto [field, value] :
                 {std::pair{"Invoice", core::Value{number}}, std::pair{"Date", core::Value{core::shortDate(now.date)}},
                  std::pair{"Time", core::Value{core::longTime(now.time)}},
                  std::pair{"ID", textOrNull(change.clerkName)}, std::pair{"Method", core::Value{"Zu"}},
                  std::pair{"Ask", textOrNull(change.clerkId)}, std::pair{"Qty", textOrNull(l.qty)},
                  std::pair{"szOrder", textOrNull(l.text)}, std::pair{"Price", textOrNull(l.price)}}) {
                if (value.isNull()) continue;
                if (db::Status st = lines->setField(field, value); !st) return st.error();
            }
            if (db::Status st = lines->Update(); !st) return st.error();
            auto id = lines->lastModified();
            if (!id) return id.error();
            out.addedIds.push_back(*id);
        }
    }

    // The totals follow the lines now stored, whoever stored them.
    auto after = read(number);
    if (!after) return after.error();
    core::Money subtotal;
    for (const StoredLine& l : after->lines) {
        auto sum = core::checkedAdd(subtotal, moneyOf(l.price));
        if (!sum) {
            out.result = SaveResult::TooLarge;
            return out;
        }
        subtotal = *sum;
    }
    settings::Taxes taxes = settings::folioTaxesOn(subtotal);

    if (!newHeader) {
        if (db::Status st = headers->Edit(); !st) return st.error();
    }
    auto write = [&](const char* field, const core::Value& v) { return headers->setField(field, v); };
    if (newHeader) {
        // A new header keeps no amount that is nothing, as a header that never had one.
        for (auto [field, amount] :
             {std::pair{"SubTotal", subtotal}, std::pair{"Tax", taxes.tax1}, std::pair{"Total", taxes.total}}) {
            if (amount == core::Money{}) continue;
            if (db::Status st = write(field, core::Value{amount}); !st) return st.error();
        }
    } else {
        for (auto [field, amount] :
             {std::pair{"SubTotal", subtotal}, std::pair{"Tax", taxes.tax1}, std::pair{"Total", taxes.total}}) {
            if (db::Status st = write(field, core::Value{amount}); !st) return st.error();
        }
        if (change.stamp) {
            core::DateTime now = core::clock::now();
            for (auto [field, value] : {std::pair{"Date_in", textOrNull(change.dateIn)},
                                        std::pair{"Time", core::Value{core::longTime(now.time)}},
                                        std::pair{"Date", core::Value{core::shortDate(now.date)}}}) {
                if (db::Status st = write(field, value); !st) return st.error();
            }
        }
    }
    for (auto [field, taken, stored] : {std::tuple{"Receive", change.received, before->receive},
                                        std::tuple{"szCoupon_amt", change.coupon, before->coupon}}) {
        if (!taken) continue;
        auto sum = core::checkedAdd(moneyOf(stored), *taken);
        if (!sum) {
            out.result = SaveResult::TooLarge;
            return out;
        }
        if (db::Status st = write(field, core::Value{*sum}); !st) return st.error();
    }
    if (db::Status st = headers->Update(); !st) return st.error();

    // The room's open-folio row: one per folio, under the room whole; a folio whose room was
    // changed takes its row along.
    auto rows = open(openFolios_, openRowsOfRoom(change.room));
    if (!rows) return rows.error();
    if (db::Status st = moveFirst(*rows); !st) return st.error();
    if (rows->eof()) {
        if (auto* work = db::UnitOfWork::current(); work && !work->holds(openFolios_)) {
            out.result = SaveResult::Changed;
            auto now = read(number);
            if (!now) return now.error();
            out.folio = std::move(*now);
            return out;
        }
        auto own = open(openFolios_, openRowsOf(number));
        if (!own) return own.error();
        if (db::Status st = moveFirst(*own); !st) return st.error();
        if (!own->eof()) {
            if (db::Status st = own->Edit(); !st) return st.error();
            if (db::Status st = own->setField("sz_Table", textOrNull(change.room)); !st) return st.error();
            if (db::Status st = own->Update(); !st) return st.error();
        } else {
            if (db::Status st = own->AddNew(); !st) return st.error();
            for (auto [field, value] :
                 {std::pair{"sz_Table", change.room}, std::pair{"sz_Chk", number},
                  std::pair{"sz_waiter", change.clerkId}, std::pair{"sz_Name", change.clerkName}}) {
                if (value.empty()) continue;
                if (db::Status st = own->setField(field, value); !st) return st.error();
            }
            if (db::Status st = own->Update(); !st) return st.error();
        }
    }

    auto stored = read(number);
    if (!stored) return stored.error();
    out.folio = std::move(*stored);
    out.result = SaveResult::Saved;
    return out;
}

db::Status OrderBook::closeOpenFolio(const std::string& room) const {
    auto rows = open(openFolios_, openRowsOfRoom(room));
    if (!rows) return rows.error();
    if (db::Status st = moveFirst(*rows); !st) return st;
    if (rows->eof()) return {};
    return rows->Delete();
}

// ---- Card payments ----

db::Result<PendingCard> OrderBook::beginCard(const FolioChange& headerOnly, core::Money amount,
                                             const std::string& cardType, const std::string& folder) const {
    Unit unit;
    if (db::Status st = unit.begin({book_, openFolios_}); !st) return st.error();
    std::string number = headerOnly.number;
    if (number.empty()) {
        FolioChange header = headerOnly;
        header.added.clear();
        header.removed.clear();
        header.received.reset();
        header.coupon.reset();
        auto saved = save(header);
        if (!saved) return saved.error();
        if (saved->result != SaveResult::Saved)
            return db::Error{book_, "The folio could not be given a header.", db::code::kTransaction};
        number = saved->number;
    } else {
        auto f = read(number);
        if (!f) return f.error();
        if (!f->hasHeader) return db::Error{book_, "The folio is not in the order book.", db::code::kTransaction};
    }
    auto pending = open(book_, std::string(kPendingCardTable));
    if (!pending) return pending.error();
    if (db::Status st = pending->AddNew(); !st) return st.error();
    auto id = pending->field("Pend_ID");
    if (!id) return id.error();
    PendingCard p{newToken(id->toLong()), number};
    core::DateTime now = core::clock::now();
    for (auto [field, value] :
         {std::pair{"Token", core::Value{p.token}}, std::pair{"Inv", core::Value{number}},
          std::pair{"Amount", core::Value{amount}}, std::pair{"CardType", textOrNull(cardType)},
          std::pair{"Folder", textOrNull(folder)}, std::pair{"Date", core::Value{core::shortDate(now.date)}},
          std::pair{"Time", core::Value{core::longTime(now.time)}}}) {
        if (value.isNull()) continue;
        if (db::Status st = pending->setField(field, value); !st) return st.error();
    }
    if (db::Status st = pending->Update(); !st) return st.error();
    // Held before the record is there for another station to see.
    PaymentsInHand::hold(book_, id->toLong(), p.token);
    if (db::Status st = unit.work.commit(); !st) {
        PaymentsInHand::letGo(p.token);
        return st.error();
    }
    return p;
}

db::Status OrderBook::postCard(const std::string& token) const {
    // Posted or not, the payment leaves this station's hand: one that could not be posted is
    // settled at the next start.
    PaymentsInHand::LetGoAtEnd letGo{token};
    Unit unit;
    if (db::Status st = unit.begin({book_}); !st) return st;
    auto pending = open(book_, pendingOf(token));
    if (!pending) return pending.error();
    if (db::Status st = moveFirst(*pending); !st) return st;
    // Posted already (by this station's start, or another's): nothing to add.
    if (pending->eof()) return {};
    auto number = pending->field("Inv");
    auto amount = pending->field("Amount");
    auto type = pending->field("CardType");
    if (!number) return number.error();
    if (!amount) return amount.error();
    if (!type) return type.error();
    auto headers = open(book_, headersOf(number->toText()));
    if (!headers) return headers.error();
    if (db::Status st = moveFirst(*headers); !st) return st;
    if (!headers->eof()) {
        auto paid = headers->field("szCard_amt");
        if (!paid) return paid.error();
        auto sum = core::checkedAdd(moneyOf(*paid), moneyOf(*amount));
        if (!sum) return db::Error{book_, "The card amount is too large for the folio.", db::code::kConversion};
        if (db::Status st = headers->Edit(); !st) return st;
        if (db::Status st = headers->setField("szCard_amt", core::Value{*sum}); !st) return st;
        if (moneyOf(*amount) > core::Money{} && !type->isNull() && !type->toText().empty()) {
            if (db::Status st = headers->setField("szType_Card", *type); !st) return st;
        }
        if (db::Status st = headers->Update(); !st) return st;
    }
    if (db::Status st = pending->Delete(); !st) return st;
    return unit.work.commit();
}

db::Status OrderBook::dropCard(const std::string& token) const {
    PaymentsInHand::LetGoAtEnd letGo{token};
    auto d = db::Database::open(book_);
    if (!d) return d.error();
    auto gone = d->execute("DELETE FROM " + std::string(kPendingCardTable) + " WHERE Token = " + db::quote(token));
    if (!gone) return gone.error();
    return {};
}

db::Result<int> OrderBook::settlePendingCards(card::CardProcessor& processor) const {
    std::vector<std::pair<std::string, std::string>> waiting;  // token, folder
    {
        auto pending = open(book_, std::string("SELECT * FROM ") + std::string(kPendingCardTable));
        if (!pending) return pending.error();
        if (db::Status st = moveFirst(*pending); !st) return st.error();
        while (!pending->eof()) {
            auto id = pending->field("Pend_ID");
            auto token = pending->field("Token");
            auto folder = pending->field("Folder");
            if (!id) return id.error();
            if (!token) return token.error();
            if (!folder) return folder.error();
            // A station still waiting for the processor's answer posts or drops it itself: asked
            // now, the processor might not know the payment yet, and it would be dropped.
            if (!PaymentsInHand::inHand(book_, id->toLong())) waiting.emplace_back(token->toText(), folder->toText());
            if (db::Status st = pending->MoveNext(); !st) return st.error();
        }
    }
    int posted = 0;
    for (const auto& [token, folder] : waiting) {
        std::optional<card::Answer> answer = processor.Lookup(folder, token);
        if (answer && !answer->error.empty()) continue;
        if (answer && answer->approved) {
            if (db::Status st = postCard(token); !st) return st.error();
            ++posted;
        } else if (db::Status st = dropCard(token); !st) {
            return st.error();
        }
    }
    return posted;
}

void settlePendingCardPayments() {
    std::shared_ptr<card::CardProcessor> processor;
    int posted = 0;
    for (std::string_view file : {kOrderBook, kTrainingOrderBook}) {
        std::string path = settings::ResolveDataPath(file);
        auto pending = open(path, "SELECT * FROM " + std::string(kPendingCardTable));
        if (!pending || !moveFirst(*pending) || pending->eof()) continue;
        if (!processor && !(processor = card::createProcessor())) return;
        auto settled =
            OrderBook(path, settings::ResolveDataPath(shell::kOpenFolioStore)).settlePendingCards(*processor);
        if (settled) posted += *settled;
    }
    if (posted == 1)
        ui::MsgBox("A card payment approved before this station stopped has been put on its folio.", ui::kInformation);
    else if (posted > 1)
        ui::MsgBox(std::to_string(posted) +
                       " card payments approved before this station stopped have been put on their "
                       "folios.",
                   ui::kInformation);
}

}  // namespace pelk::folio
