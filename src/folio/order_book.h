#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/money.h"
#include "platform/core/value.h"
#include "platform/db/error.h"
#include "platform/db/recordset.h"

namespace pelk::card {
class CardProcessor;
}

namespace pelk::folio {

// The one place that reads and writes a folio: its header and lines in the order book, and the
// room's open-folio row. Several stations work on one folio at once, so nothing here writes what
// a screen shows: a save applies what the screen changed since it last read the folio, and the
// header's totals always follow the lines that are stored.

// A folio line as stored. Fields never written are Null.
struct StoredLine {
    db::Bookmark id = 0;
    core::Value qty, text, price;
    bool sameAs(const StoredLine& other) const;
};

struct StoredFolio {
    std::string number;
    bool hasHeader = false;
    // The header's amounts; Null where never written.
    core::Value subTotal, tax, total, receive, card, coupon;
    std::vector<StoredLine> lines;
    // An open-folio row leads to this folio (it is not checked out), and the room it names.
    bool open = false;
    std::string openRoom;
};

// A line the screen added: its grid texts, an empty one left unwritten.
struct NewLine {
    std::string qty, text, price;
};

// What one screen changed since it last read the folio.
struct FolioChange {
    // Empty for a folio that has no header yet.
    std::string number;
    std::string room, dateIn, clerkId, clerkName;
    // Lines this screen read and then removed, as it read them.
    std::vector<StoredLine> removed;
    std::vector<NewLine> added;
    // Payments taken on the screen since it last read or stored the folio: added to what is
    // stored, never written over it. Nullopt leaves the field as it is.
    std::optional<core::Money> received, coupon;
    // Whether the header's date, time and check-in date are stamped, as a save or print does.
    bool stamp = true;
};

enum class SaveResult {
    Saved,
    // Another station changed what this change rests on (a line it removes was changed or
    // removed, or the folio was checked out): nothing was written.
    Changed,
    // The folio has no header in the order book: nothing was written.
    NotFound,
    // An amount would overflow what the book can hold: nothing was written.
    TooLarge,
};

struct SaveOutcome {
    SaveResult result = SaveResult::Saved;
    std::string number;
    // The identities of the added lines, in the order given.
    std::vector<db::Bookmark> addedIds;
    // The folio as stored after the save (as stored now, when nothing was written).
    StoredFolio folio;
};

// A card payment written down before the processor is asked, so that a station that stops
// between the approval and the folio's record can post it at its next start.
struct PendingCard {
    std::string token;
    std::string number;
};

class OrderBook {
public:
    // The Windows paths of the order book and of the open-folio store.
    OrderBook(std::string book, std::string openFolios);

    const std::string& book() const { return book_; }
    const std::string& openFolios() const { return openFolios_; }

    // The folio as one stored state: header, lines and open-folio row read in one transaction,
    // so a save at another station is seen whole or not at all.
    db::Result<StoredFolio> recall(const std::string& number) const;

    // Applies the change inside the caller's unit of work, which holds `storesToSave`: the folio
    // gets a header when it has none (the room's open folio, when another station opened one
    // meanwhile), its removed lines go, its added lines are written, the payments are added,
    // the totals are worked out from the lines stored, and the room's open-folio row is made.
    db::Result<SaveOutcome> save(const FolioChange& change) const;
    // The stores a unit of work must hold for `save` of this change: the open folios too only
    // when the save may write the room's open-folio row. A unit that holds one store commits
    // without the journal that ties several together. Should another station take the row away
    // meanwhile, the save finds the folio changed and writes nothing.
    db::Result<std::vector<std::string>> storesToSave(const FolioChange& change) const;

    // At check-out, inside the caller's unit of work: the room's open-folio row goes (the room
    // whole: room 10's check-out never takes room 105's row).
    db::Status closeOpenFolio(const std::string& room) const;

    // ---- Card payments ----
    // In a unit of its own: the folio gets a header when it has none (its lines are not
    // stored), and the payment is written as pending. `folder` is the processor's.
    db::Result<PendingCard> beginCard(const FolioChange& headerOnly, core::Money amount, const std::string& cardType,
                                      const std::string& folder) const;
    // The processor approved it: the amount goes onto the header's card amount and the pending
    // record goes, in one unit. A record already posted is not posted twice.
    db::Status postCard(const std::string& token) const;
    // The processor did not approve it.
    db::Status dropCard(const std::string& token) const;
    // Every pending payment whose approval the processor holds is posted, and every one it
    // never approved is dropped; one it cannot tell about stays. The count posted.
    db::Result<int> settlePendingCards(card::CardProcessor& processor) const;

private:
    db::Result<StoredFolio> read(const std::string& number) const;

    std::string book_, openFolios_;
};

// At start and when a room opens: the card payments a station left pending when it stopped are
// settled with the processor, in the business and the training book alike. The clerk is told of
// the payments put on their folios.
void settlePendingCardPayments();

}  // namespace pelk::folio
