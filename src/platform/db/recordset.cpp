#include "platform/db/recordset.h"

#include <sqlite3.h>

#include <algorithm>
#include <bit>
#include <optional>
#include <unordered_set>

#include "platform/core/text.h"
#include "platform/db/connection.h"
#include "platform/db/dialect.h"
#include "platform/db/unit_of_work.h"

namespace pelk::db {

namespace {

using dialect::quoteIdent;

// The places in a keyset of the rows one criterion takes, in order, as found at one clerk
// action: a FindNext of the same action looks the next place up here instead of asking the
// file again. Any write of this station counts as an action, so a list never outlives one.
struct Matches {
    std::string criteria;  // as translated
    std::uint64_t at = 0;  // actionCount() when found
    // The unit of work it was found in, if any: what one holds is not what the file holds once
    // it is left without a commit.
    const UnitOfWork* work = nullptr;
    std::vector<std::size_t> places;
};

// The rows of a recordset once it is positioned: identities in order, the ones deleted
// through it marked. A snapshot keeps its rows' values too (identity = index). Clones
// share it, so a row added or deleted through one is added or deleted in all.
struct Keyset {
    std::vector<std::int64_t> ids;
    std::vector<char> dead;
    std::size_t live = 0;
    std::vector<std::vector<core::Value>> rows;
    // A row is placed by its identity: by halving while the identities run in order (a table
    // read in its own order), else through an index made once for the keyset: open addressing
    // over a table at most half full, a slot holding an identity and its place + 1 (0: empty),
    // made in one pass without an allocation per row.
    bool ascending = true;
    std::vector<std::pair<std::int64_t, std::size_t>> slots;
    int shift = 64;
    std::size_t indexed = 0;
    // The match lists of the criteria found with lately, shared by the clones.
    std::vector<std::shared_ptr<const Matches>> matches;

    void append(std::int64_t id) {
        if (!ids.empty() && id <= ids.back()) ascending = false;
        ids.push_back(id);
        dead.push_back(0);
        ++live;
    }
    std::optional<std::size_t> find(std::int64_t id) {
        if (ascending) {
            auto at = std::lower_bound(ids.begin(), ids.end(), id);
            if (at == ids.end() || *at != id) return std::nullopt;
            return static_cast<std::size_t>(at - ids.begin());
        }
        if (slots.empty() || slots.size() < 2 * ids.size()) {
            std::size_t size = std::bit_ceil(std::max<std::size_t>(2 * ids.size(), 16));
            slots.assign(size, {0, 0});
            shift = 64 - std::countr_zero(size);
            indexed = 0;
        }
        std::size_t mask = slots.size() - 1;
        for (; indexed < ids.size(); ++indexed) {
            std::size_t h = slotOf(ids[indexed]);
            while (slots[h].second != 0) h = (h + 1) & mask;
            slots[h] = {ids[indexed], indexed + 1};
        }
        for (std::size_t h = slotOf(id); slots[h].second != 0; h = (h + 1) & mask)
            if (slots[h].first == id) return slots[h].second - 1;
        return std::nullopt;
    }
    // Identities often run on by one: a multiplying hash spreads them over the whole table.
    std::size_t slotOf(std::int64_t id) const {
        return static_cast<std::size_t>((static_cast<std::uint64_t>(id) * 0x9E3779B97F4A7C15ull) >> shift);
    }
};

// Rows read together: a row gone to straight is read alone, a walk row by row reads more at
// each step up to the largest window; and the identities one statement lists when they do not
// run in order.
constexpr std::size_t kFirstWindow = 1;
constexpr std::size_t kLastWindow = 512;
constexpr std::size_t kListed = 128;  // lists of 2, 8, 32 or 128 marks
// The match lists a keyset keeps: a clerk action rarely finds with more criteria than this.
constexpr std::size_t kKeptMatchLists = 4;

Error noCurrent(const std::string& store) { return {store, "No current record.", code::kNoCurrentRecord}; }
Error deletedRow(const std::string& store) { return {store, "Record is deleted.", code::kRecordDeleted}; }
Error changedRow(const std::string& store) {
    return {store, "The data has been changed by another user since you began editing it. Nothing was saved.",
            code::kChangedByOther};
}

}  // namespace

struct Recordset::Impl {
    Database db;
    std::string source;
    dialect::Select sel;
    std::vector<FieldInfo> fields;
    std::string columnsSql;  // the columns, for reading a row

    std::shared_ptr<Keyset> keys;  // null until the recordset is first positioned
    // Before the keyset is taken (a table or plain SELECT only): the first row, not yet
    // looked at, or a row that a Find or MoveLast went to straight.
    enum class Lazy { First, Row } lazy = Lazy::First;
    std::int64_t lazyRow = 0;
    bool lazyRowIsFirst = false;
    std::vector<std::int64_t> addedBeforeKeys;

    long pos = -1;         // with the keyset: -1 before the first row, size after the last
    bool invalid = false;  // no current row: a Find without a match, a fresh clone
    bool deleted = false;  // the current row was deleted through this recordset
    bool noMatch = false;

    bool rowLoaded = false, rowGone = false;
    std::int64_t rowId = 0;
    std::uint64_t rowAt = 0;  // the action the current row was read in
    std::vector<core::Value> row;

    // Rows read ahead, in windows of the keyset, held until the clerk's next action.
    // One window at a time, its rows' fields side by side, the storage kept from window to
    // window; identity 0 marks a slot let go.
    struct Held {
        std::vector<std::int64_t> ids;
        std::vector<std::vector<core::Value>> rows;  // kept when cleared: read into again
        std::size_t next = 0;                        // where a walk looks first
        // Room for n rows, taking the room a recordset let go before when this one has less.
        void makeRoom(std::size_t n, std::vector<std::vector<core::Value>>& spare) {
            if (rows.size() >= n) return;
            if (spare.size() > rows.size()) spare.swap(rows);
            if (rows.size() < n) rows.resize(n);
        }
        void clear() { ids.clear(); }
        std::optional<std::size_t> find(std::int64_t id) {
            if (next < ids.size() && ids[next] == id) return next++;
            for (std::size_t k = 0; k < ids.size(); ++k)
                if (ids[k] == id) {
                    next = k + 1;
                    return k;
                }
            return std::nullopt;
        }
        void drop(std::int64_t id) {
            for (auto& i : ids)
                if (i == id) i = 0;
        }
    } held;
    std::uint64_t heldAt = 0;
    std::size_t window = kFirstWindow;
    long lastLoaded = -1;  // the keyset position of the row read last: is this a walk, which way
    // The match list the last find landed by, and where on it: the finds that go on along it
    // have their rows read ahead together, as a walk does.
    std::shared_ptr<const Matches> landedBy;
    std::size_t landedAt = 0;
    bool landedForward = true;
    const Matches* lastLoadedList = nullptr;  // the list of the row read last, and its place on it
    std::size_t lastLoadedAt = 0;

    // A row deleted before the rows were taken: its place in the order, so that the next step
    // goes on from there without listing every row of the table.
    struct Gone {
        std::int64_t id = 0;
        std::vector<core::Value> order;  // the values of the order's terms
    };
    std::optional<Gone> gone;

    EditMode mode = EditMode::None;
    bool counterPending = false;  // an added row whose automatic number is not taken yet
    std::vector<core::Value> buffer;
    std::vector<core::Value> asRead;  // the row as it was when Edit began
    std::vector<char> dirty;
    std::vector<core::Value> shown;  // fields lent as the station shows them, not as stored
    std::optional<std::int64_t> lastModified;
    std::optional<Error> lastError;

    explicit Impl(Database d) : db(std::move(d)) {}
    // The window's room is handed on to the next recordset of the store, not given back: a
    // screen opens and walks recordsets one after another, and room taken afresh each time is
    // pages the system must clear again.
    ~Impl() {
        if (db.conn_ && held.rows.size() > db.conn_->spareRows.size()) db.conn_->spareRows.swap(held.rows);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    Result<const core::Value*> stored(int index);
    [[gnu::noinline]] Result<const core::Value*> storedSlowly(int index);

    detail::Route route() const { return db.route(); }
    std::string store() const { return route().store(); }

    std::string fromSql(const detail::Route& r) const {
        return quoteIdent(r.schema) + "." + quoteIdent(sel.table.name) + " AS " + quoteIdent(sel.alias);
    }
    std::string rowidSql() const { return quoteIdent(sel.alias) + ".rowid"; }
    std::string orderSql(bool reversed) const {
        std::string s = " ORDER BY ";
        for (const auto& t : sel.order) s += t.sql + ((t.desc != reversed) ? " DESC" : "") + ", ";
        return s + rowidSql() + (reversed ? " DESC" : "");
    }
    Error fail(const detail::Route& r, int rc) const {
        return detail::mapError(rc, sqlite3_errmsg(r.conn->handle()), r.store());
    }
    Error failWrite(const detail::Route& r, Error e) const {
        if (r.work) r.work->noteFailure(e);
        return e;
    }

    void leaveRow() {
        rowLoaded = false;
        deleted = false;
        invalid = false;
        mode = EditMode::None;
        landedBy.reset();
        gone.reset();
    }

    // --- taking the rows --------------------------------------------------------------

    Status takeKeys() {
        if (keys) return {};
        detail::Route r = route();
        auto k = std::make_shared<Keyset>();
        if (!sel.updatable) {
            std::string sql = sel.sql;
            if (auto p = sql.find(sel.fromSql); p != std::string::npos) sql.replace(p, sel.fromSql.size(), fromSql(r));
            auto st = r.conn->prepare(sql, true);
            if (!st) return st.error();
            int rc;
            while ((rc = st->step()) == SQLITE_ROW) {
                std::vector<core::Value> values;
                values.reserve(fields.size());
                for (int c = 0; c < static_cast<int>(fields.size()); ++c) values.push_back(st->column(c));
                k->append(static_cast<std::int64_t>(k->rows.size()));
                k->rows.push_back(std::move(values));
            }
            if (rc != SQLITE_DONE) return fail(r, rc);
            keys = k;
            pos = invalid ? -1 : 0;
            return {};
        }
        // The row a Find went to stays in, even if it no longer meets the WHERE.
        std::string sql = "SELECT " + rowidSql() + " FROM " + fromSql(r);
        if (!sel.where.empty()) {
            sql += " WHERE (" + sel.where + ")";
            if (lazy == Lazy::Row) sql += " OR " + rowidSql() + " = " + std::to_string(lazyRow);
        }
        // In the table's own order the identities are sorted here: the engine sorts a year of
        // rows found through an index several times slower.
        bool ownOrder = sel.order.empty();
        if (!ownOrder) sql += orderSql(false);
        auto st = r.conn->prepare(sql, true);
        if (!st) return st.error();
        std::unordered_set<std::int64_t> added(addedBeforeKeys.begin(), addedBeforeKeys.end());
        std::vector<std::int64_t> found;
        int rc;
        while ((rc = st->step()) == SQLITE_ROW) {
            std::int64_t id = st->columnInt(0);
            if (added.empty() || !added.count(id)) found.push_back(id);
        }
        if (rc != SQLITE_DONE) return fail(r, rc);
        if (ownOrder) std::sort(found.begin(), found.end());
        k->ids.reserve(found.size() + addedBeforeKeys.size());
        k->dead.reserve(found.size() + addedBeforeKeys.size());
        for (std::int64_t id : found) k->append(id);
        // Rows added through this recordset come after the others, as the legacy engine shows them.
        for (std::int64_t id : addedBeforeKeys) k->append(id);
        addedBeforeKeys.clear();
        keys = k;
        if (lazy == Lazy::First) {
            pos = 0;
        } else if (auto at = keys->find(lazyRow)) {
            pos = static_cast<long>(*at);
        } else {
            pos = -1;
            invalid = true;
        }
        if (gone) return placeGone(r, added);
        return {};
    }

    // The row deleted before the rows were taken stands, deleted, where it stood: before the
    // first row beyond it in the order (rows added through this recordset come last, as ever).
    Status placeGone(const detail::Route& r, const std::unordered_set<std::int64_t>& added) {
        Gone g = std::move(*gone);
        gone.reset();
        std::string sql = "SELECT " + rowidSql() + " FROM " + fromSql(r) + " WHERE ";
        if (!sel.where.empty()) sql += "(" + sel.where + ") AND ";
        std::vector<core::Value> marks;
        sql += beyondGone(g, marks) + orderSql(false);
        auto st = r.conn->prepare(sql, true);
        if (!st) return st.error();
        for (std::size_t k = 0; k < marks.size(); ++k) st->bind(static_cast<int>(k + 1), marks[k]);
        std::size_t at = keys->ids.size() - added.size();
        int rc;
        while ((rc = st->step()) == SQLITE_ROW) {
            std::int64_t id = st->columnInt(0);
            if (added.count(id)) continue;
            if (auto p = keys->find(id)) at = *p;
            break;
        }
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) return fail(r, rc);
        keys->ids.insert(keys->ids.begin() + static_cast<long>(at), g.id);
        keys->dead.insert(keys->dead.begin() + static_cast<long>(at), 1);
        keys->ascending = std::is_sorted(keys->ids.begin(), keys->ids.end());
        keys->slots.clear();
        keys->indexed = 0;
        pos = static_cast<long>(at);
        invalid = false;
        deleted = true;
        return {};
    }

    // The rows after the gone row in the order, the identity last, as the engine sorts: Null
    // before any value. The gone row's values are bound as `marks`, in order, so the statement
    // has one text for every row deleted and is made once.
    std::string beyondGone(const Gone& g, std::vector<core::Value>& marks) const {
        auto mark = [&](const core::Value& v) {
            marks.push_back(v);
            return "?" + std::to_string(marks.size());
        };
        auto after = [&](const std::string& t, const core::Value& v, bool greater) -> std::string {
            if (v.isNull()) return greater ? "(" + t + ") IS NOT NULL" : "0";
            return greater ? "(" + t + ") > " + mark(v) : "((" + t + ") < " + mark(v) + " OR (" + t + ") IS NULL)";
        };
        auto same = [&](const std::string& t, const core::Value& v) -> std::string {
            return v.isNull() ? "(" + t + ") IS NULL" : "(" + t + ") = " + mark(v);
        };
        std::string any, before;
        for (std::size_t i = 0; i < sel.order.size() && i < g.order.size(); ++i) {
            const dialect::OrderTerm& t = sel.order[i];
            any += (any.empty() ? "(" : " OR (") + before + (before.empty() ? "" : " AND ") +
                   after(t.sql, g.order[i], !t.desc) + ")";
            before += (before.empty() ? "" : " AND ") + same(t.sql, g.order[i]);
        }
        std::string last = rowidSql() + " > " + mark(core::Value{g.id});
        any += (any.empty() ? "(" : " OR (") + before + (before.empty() ? "" : " AND ") + last + ")";
        return "(" + any + ")";
    }

    Status deleteGoneTo(std::int64_t id) {
        detail::Route r = route();
        Gone g{id, {}};
        if (!sel.order.empty()) {
            std::string terms;
            for (const dialect::OrderTerm& t : sel.order) terms += (terms.empty() ? "" : ", ") + t.sql;
            auto read = r.conn->prepare("SELECT " + terms + " FROM " + fromSql(r) + " WHERE " + rowidSql() + " = ?1", true);
            if (!read) return read.error();
            read->bindInt(1, id);
            int rc = read->step();
            if (rc == SQLITE_DONE) return failWrite(r, deletedRow(r.store()));
            if (rc != SQLITE_ROW) return fail(r, rc);
            for (int c = 0; c < static_cast<int>(sel.order.size()); ++c) g.order.push_back(read->column(c));
        }
        if (Status st = deleteById(r, id); !st) return st;
        deleted = true;
        rowLoaded = false;
        gone = std::move(g);
        noteAction();
        return {};
    }

    // Deletes the row by its identity; a row another station deleted first is refused as
    // deleted, never reported as done.
    Status deleteById(const detail::Route& r, std::int64_t id) {
        auto st = r.conn->prepare(
            "DELETE FROM " + quoteIdent(r.schema) + "." + quoteIdent(sel.table.name) + " WHERE rowid = ?1", true);
        if (!st) return failWrite(r, st.error());
        st->bindInt(1, id);
        int rc = st->step();
        if (rc != SQLITE_DONE) return failWrite(r, fail(r, rc));
        if (sqlite3_changes(r.conn->handle()) == 0) return failWrite(r, deletedRow(r.store()));
        held.drop(id);
        return {};
    }

    // Whether the fields being written may move the row in the order: an order term that is a
    // field given another value than the one read, or that is not a plain field at all.
    bool editMovesRow() const {
        for (const dialect::OrderTerm& t : sel.order) {
            bool plain = false;
            for (std::size_t k = 0; k < sel.columns.size() && k < dirty.size(); ++k)
                if (sel.columns[k].sql == t.sql) {
                    plain = true;
                    if (dirty[k] && (k >= asRead.size() || !(buffer[k] == asRead[k]))) return true;
                }
            if (!plain) return true;
        }
        return false;
    }

    bool canGoStraight() const { return !keys && sel.updatable && addedBeforeKeys.empty(); }

    // One row straight from the file, first in the order (or last): no keyset needed, so a
    // look-up in a large table costs one pass over it.
    Result<bool> straight(const std::string& criteriaSql, bool last) {
        detail::Route r = route();
        std::string sql =
            "SELECT " + rowidSql() + (columnsSql.empty() ? "" : ", " + columnsSql) + " FROM " + fromSql(r);
        std::string where;
        if (!sel.where.empty()) where = "(" + sel.where + ")";
        if (!criteriaSql.empty()) where += (where.empty() ? "" : " AND ") + criteriaSql;
        if (!where.empty()) sql += " WHERE " + where;
        sql += orderSql(last) + " LIMIT 1";
        auto st = r.conn->prepare(sql, true);
        if (!st) return st.error();
        int rc = st->step();
        if (rc == SQLITE_DONE) return false;
        if (rc != SQLITE_ROW) return fail(r, rc);
        lazy = Lazy::Row;
        lazyRow = st->columnInt(0);
        lazyRowIsFirst = false;
        gone.reset();
        rowId = lazyRow;
        rowAt = actionCount();
        row.clear();
        for (int c = 0; c < static_cast<int>(fields.size()); ++c) row.push_back(st->column(c + 1));
        rowLoaded = true;
        rowGone = false;
        return true;
    }

    // A fresh recordset stands on its first row; finding out which is put off until asked.
    Status resolveFirst() {
        if (keys || lazy != Lazy::First) return {};
        if (!canGoStraight()) return takeKeys();
        auto found = straight("", false);
        if (!found) return found.error();
        if (*found) {
            lazyRowIsFirst = true;
            return {};
        }
        keys = std::make_shared<Keyset>();
        pos = 0;
        return {};
    }

    // The current row was deleted through a clone.
    bool deadHere() const {
        return keys && !invalid && pos >= 0 && pos < static_cast<long>(keys->ids.size()) &&
               keys->dead[static_cast<std::size_t>(pos)];
    }

    std::optional<std::int64_t> currentId() const {
        if (invalid || deleted) return std::nullopt;
        if (!keys) return lazy == Lazy::Row ? std::optional<std::int64_t>(lazyRow) : std::nullopt;
        if (pos < 0 || pos >= static_cast<long>(keys->ids.size())) return std::nullopt;
        return keys->ids[static_cast<std::size_t>(pos)];
    }

    // Every move lets go of the row, so a row still loaded is the current one. Asked for each
    // field a screen shows, so it stays cheap.
    bool rowFresh(bool asHeld = false) const {
        return rowLoaded && !rowGone && !deleted && !invalid &&
               (asHeld || !sel.updatable || rowAt == actionCount()) && !deadHere();
    }

    // The current row. A row read at an earlier action is read afresh, unless `asHeld`: Edit
    // takes the row as this recordset last read it (as the clerk saw it), for the check at Update.
    Status loadRow(bool asHeld = false) {
        if (rowFresh(asHeld)) return {};
        if (Status st = resolveFirst(); !st) return st;
        if (deleted || deadHere()) return deletedRow(store());
        auto id = currentId();
        if (!id) return noCurrent(store());
        std::uint64_t now = actionCount();
        if (rowLoaded && rowId == *id && (asHeld || rowAt == now || !sel.updatable))
            return rowGone ? Status(deletedRow(store())) : Status{};
        rowId = *id;
        rowLoaded = true;
        rowGone = false;
        rowAt = now;
        if (!sel.updatable) {
            row = keys->rows[static_cast<std::size_t>(*id)];
            return {};
        }
        if (keys && !invalid) {
            if (heldAt != now) {
                held.clear();
                heldAt = now;
                window = kFirstWindow;
            }
            bool walking, backward;
            if (landedBy) {
                walking = lastLoadedList == landedBy.get() &&
                          (landedForward ? lastLoadedAt + 1 == landedAt : lastLoadedAt == landedAt + 1);
                backward = !landedForward;
                lastLoadedList = landedBy.get();
                lastLoadedAt = landedAt;
            } else {
                walking = lastLoaded == pos - 1 || lastLoaded == pos + 1;
                backward = lastLoaded == pos + 1;
                lastLoadedList = nullptr;
            }
            lastLoaded = pos;
            auto slot = held.find(*id);
            if (!slot) {
                if (!walking) window = kFirstWindow;
                if (Status st = landedBy ? readMatches() : readWindow(backward); !st) {
                    rowLoaded = false;
                    return st;
                }
                slot = held.find(*id);
            }
            if (!slot) {  // another station deleted it
                rowGone = true;
                return deletedRow(store());
            }
            // Taken out of the window, not copied: a walk that comes back reads it again. The
            // window keeps the row let go instead, so the next read reuses its room.
            row.swap(held.rows[*slot]);
            held.ids[*slot] = 0;
            return {};
        }
        detail::Route r = route();
        auto st =
            r.conn->prepare("SELECT " + columnsSql + " FROM " + fromSql(r) + " WHERE " + rowidSql() + " = ?1", true);
        if (!st) {
            rowLoaded = false;
            return st.error();
        }
        st->bindInt(1, *id);
        int rc = st->step();
        if (rc == SQLITE_ROW) {
            row.clear();
            for (int c = 0; c < static_cast<int>(fields.size()); ++c) row.push_back(st->column(c));
            return {};
        }
        if (rc == SQLITE_DONE) {  // another station deleted it
            rowGone = true;
            return deletedRow(r.store());
        }
        rowLoaded = false;
        return fail(r, rc);
    }

    // The rows of the keyset from the current position on, the way the reading goes, read
    // together: one range of identities when they run in order (a table read in its own
    // order), else a list of them, each through a kept statement. A window grows while a walk
    // goes on, so a walk through every row costs few reads and a jump reads one row.
    Status readWindow(bool backward) {
        long n = static_cast<long>(keys->ids.size());
        std::vector<std::int64_t> ids;
        for (long p = pos; p >= 0 && p < n && ids.size() < window; p += backward ? -1 : 1) {
            auto id = keys->ids[static_cast<std::size_t>(p)];
            if (!keys->dead[static_cast<std::size_t>(p)]) ids.push_back(id);
        }
        if (backward) std::reverse(ids.begin(), ids.end());
        return readRows(ids);
    }

    // The rows the finds along the landing's match list go to next, the current one first.
    Status readMatches() {
        const std::vector<std::size_t>& places = landedBy->places;
        std::vector<std::int64_t> ids;
        long end = static_cast<long>(places.size());
        for (long j = static_cast<long>(landedAt); j >= 0 && j < end && ids.size() < window;
             j += landedForward ? 1 : -1)
            if (std::size_t p = places[static_cast<std::size_t>(j)]; !keys->dead[p]) ids.push_back(keys->ids[p]);
        if (!landedForward) std::reverse(ids.begin(), ids.end());
        return readRows(ids);
    }

    // The statements a window is read by, made once for the schema the rows are read in: a
    // walk reads a window at every few steps.
    struct ReadSql {
        std::string schema;
        std::string range;
        std::string lists[4];  // of 2, 8, 32 and 128 marks
    } readSql;
    const ReadSql& readStatements(const detail::Route& r) {
        if (readSql.range.empty() || readSql.schema != r.schema) {
            std::string base =
                "SELECT " + rowidSql() + (columnsSql.empty() ? "" : ", " + columnsSql) + " FROM " + fromSql(r);
            readSql.schema = r.schema;
            readSql.range = base + " WHERE " + rowidSql() + " BETWEEN ?1 AND ?2";
            for (std::size_t i = 0, listed = 2; i < 4; ++i, listed *= 4) {
                std::string marks;
                for (std::size_t k = 0; k < listed; ++k) marks += (k ? ", ?" : "?") + std::to_string(k + 1);
                readSql.lists[i] = base + " WHERE " + rowidSql() + " IN (" + marks + ")";
            }
        }
        return readSql;
    }

    // The rows are held in the order asked for, whatever order the file gives them in, so a
    // walk finds each where it looks first; a row not given (deleted since) is let go.
    Status readRows(const std::vector<std::int64_t>& ids) {
        window = std::min(window * 8, kLastWindow);
        held.clear();
        held.next = 0;
        if (ids.empty()) return {};
        detail::Route r = route();
        const ReadSql& sql = readStatements(r);
        bool ascending = std::is_sorted(ids.begin(), ids.end()) &&
                         static_cast<std::size_t>(ids.back() - ids.front()) < 2 * ids.size() + kListed;
        held.ids.assign(ids.size(), 0);
        held.makeRoom(ids.size(), db.conn_->spareRows);
        std::vector<std::pair<std::int64_t, std::size_t>> places(ids.size());
        for (std::size_t k = 0; k < ids.size(); ++k) places[k] = {ids[k], k};
        if (!ascending) std::sort(places.begin(), places.end());
        const int width = static_cast<int>(fields.size());
        auto take = [&](detail::Stmt& st) -> Status {
            int rc;
            while ((rc = st.step()) == SQLITE_ROW) {
                std::int64_t id = st.columnInt(0);
                auto at = std::lower_bound(places.begin(), places.end(), std::pair<std::int64_t, std::size_t>{id, 0});
                if (at == places.end() || at->first != id) continue;  // within the range, not asked for
                held.ids[at->second] = id;
                std::vector<core::Value>& into = held.rows[at->second];
                into.resize(static_cast<std::size_t>(width));
                for (int c = 0; c < width; ++c) st.columnInto(c + 1, into[static_cast<std::size_t>(c)]);
            }
            if (rc != SQLITE_DONE) return fail(r, rc);
            return {};
        };
        if (ascending) {
            auto st = r.conn->prepare(sql.range, true);
            if (!st) return st.error();
            st->bindInt(1, ids.front());
            st->bindInt(2, ids.back());
            return take(*st);
        }
        // A short window lists few marks: every mark costs the statement, filled or not.
        std::size_t listed = kListed, shape = 3;
        while (listed / 4 >= ids.size() && listed > 2) {
            listed /= 4;
            --shape;
        }
        auto st = r.conn->prepare(sql.lists[shape], true);
        if (!st) return st.error();
        // A window read in several lists takes the store's read lock once, not once a list:
        // each taking is a round trip when the store lies in a shared folder.
        bool hold = ids.size() > listed && sqlite3_get_autocommit(r.conn->handle()) != 0;
        if (hold)
            if (Status b = r.conn->execKept("BEGIN"); !b) return b;
        for (std::size_t from = 0; from < ids.size(); from += listed) {
            for (std::size_t k = 0; k < listed; ++k) {
                if (from + k < ids.size())
                    st->bindInt(static_cast<int>(k + 1), ids[from + k]);
                else
                    sqlite3_bind_null(st->get(), static_cast<int>(k + 1));
            }
            Status s = take(*st);
            st->reset();
            if (!s) {
                if (hold) (void)r.conn->execKept("ROLLBACK");
                return s;
            }
        }
        if (hold)
            if (Status c = r.conn->execKept("COMMIT"); !c) {
                (void)r.conn->execKept("ROLLBACK");  // the read lock is never left held
                return c;
            }
        return {};
    }

    // --- finding ------------------------------------------------------------------------

    Result<std::string> criteria(std::string_view text) const {
        auto sql = sel.updatable ? dialect::translateCriteria(text, sel)
                                 : dialect::translateCriteriaOverColumns(text, sel.columns);
        if (!sql) {
            Error e = sql.error();
            e.store = store();
            return e;
        }
        return *sql;
    }

    // The places of the rows the criteria take, found once per clerk action (through an index,
    // where the field has one): a search that goes on with FindNext over hundreds of matches
    // asks the file once, not once a step.
    Result<std::shared_ptr<const Matches>> matchesOf(const std::string& criteriaSql) {
        detail::Route r = route();
        std::uint64_t now = actionCount();
        std::vector<std::shared_ptr<const Matches>>& kept = keys->matches;
        for (const auto& m : kept)
            if (m->at == now && m->work == r.work && m->criteria == criteriaSql) return m;
        auto st = r.conn->prepare("SELECT " + rowidSql() + " FROM " + fromSql(r) + " WHERE " + criteriaSql, true);
        if (!st) return st.error();
        auto m = std::make_shared<Matches>();
        m->criteria = criteriaSql;
        m->at = now;
        m->work = r.work;
        int rc;
        while ((rc = st->step()) == SQLITE_ROW)
            if (auto at = keys->find(st->columnInt(0))) m->places.push_back(*at);
        if (rc != SQLITE_DONE) return fail(r, rc);
        std::sort(m->places.begin(), m->places.end());
        std::erase_if(kept, [&](const auto& k) { return k->at != now; });
        if (kept.size() >= kKeptMatchLists) kept.erase(kept.begin());
        kept.push_back(m);
        return std::shared_ptr<const Matches>(std::move(m));
    }

    void landOn(std::optional<long> found) {
        if (found) {
            leaveRow();
            pos = *found;
            noMatch = false;
        } else {
            rowLoaded = false;
            mode = EditMode::None;
            invalid = true;
            noMatch = true;
        }
    }

    // The first row from `start` on, one way, that the criteria take.
    Status scan(const std::string& criteriaSql, long start, bool forward) {
        long n = static_cast<long>(keys->ids.size());
        if (sel.updatable) {
            auto matches = matchesOf(criteriaSql);
            if (!matches) return matches.error();
            const std::vector<std::size_t>& places = (*matches)->places;
            // The nearest match from `start` on, the way the find goes, that was not deleted
            // through this recordset: its place in the list.
            std::optional<std::size_t> at;
            if (start >= 0 && start < n) {
                auto from = static_cast<std::size_t>(start);
                if (forward) {
                    for (auto j = std::lower_bound(places.begin(), places.end(), from); !at && j != places.end(); ++j)
                        if (!keys->dead[*j]) at = static_cast<std::size_t>(j - places.begin());
                } else {
                    for (auto j = std::upper_bound(places.begin(), places.end(), from); !at && j != places.begin();)
                        if (!keys->dead[*--j]) at = static_cast<std::size_t>(j - places.begin());
                }
            }
            if (!at) {
                landOn(std::nullopt);
                return {};
            }
            landOn(static_cast<long>(places[*at]));
            landedBy = *matches;
            landedAt = *at;
            landedForward = forward;
            return {};
        }
        detail::Route r = route();
        auto st = r.conn->prepare("SELECT " + criteriaSql);
        if (!st) return st.error();
        std::optional<long> found;
        for (long p = start; p >= 0 && p < n; p += forward ? 1 : -1) {
            const auto& values = keys->rows[static_cast<std::size_t>(p)];
            for (std::size_t c = 0; c < values.size(); ++c) st->bind(static_cast<int>(c + 1), values[c]);
            int rc = st->step();
            if (rc != SQLITE_ROW) return fail(r, rc);
            bool hit = sqlite3_column_type(st->get(), 0) != SQLITE_NULL && st->columnInt(0) != 0;
            st->reset();
            if (hit) {
                found = p;
                break;
            }
        }
        landOn(found);
        return {};
    }

    Status find(std::string_view text, bool first, bool forward) {
        auto sql = criteria(text);
        if (!sql) return sql.error();
        mode = EditMode::None;
        if (first && canGoStraight()) {
            auto found = straight("(" + *sql + ")", !forward);
            if (!found) return found.error();
            noMatch = !*found;
            invalid = !*found;
            deleted = false;
            if (!*found) rowLoaded = false;
            return {};
        }
        if (Status st = takeKeys(); !st) return st;
        long n = static_cast<long>(keys->ids.size());
        long start = first ? (forward ? 0 : n - 1) : (forward ? std::max(pos + 1, 0L) : std::min(pos - 1, n - 1));
        return scan(*sql, start, forward);
    }

    // --- writing ------------------------------------------------------------------------

    Result<std::int64_t> reserveCounter(const detail::Route& r) {
        // The number is taken from the table's sequence at once, as the legacy engine gave it
        // at AddNew; a cancelled row leaves a gap, and no two stations get the same number.
        std::string seq = quoteIdent(r.schema) + ".sqlite_sequence";
        bool own = !r.work;
        if (own)
            if (Status st = r.conn->exec("BEGIN IMMEDIATE"); !st) return st.error();
        auto finish = [&](Result<std::int64_t> res) -> Result<std::int64_t> {
            if (own) {
                if (!res) {
                    (void)r.conn->exec("ROLLBACK");
                } else if (Status st = r.conn->exec("COMMIT"); !st) {
                    (void)r.conn->exec("ROLLBACK");
                    return st.error();
                }
            }
            return res;
        };
        {
            auto up = r.conn->prepare("UPDATE " + seq + " SET seq = seq + 1 WHERE name = ?1 RETURNING seq", true);
            if (!up) return finish(up.error());
            up->bindText(1, sel.table.name);
            int rc = up->step();
            if (rc == SQLITE_ROW) {
                std::int64_t n = up->columnInt(0);
                rc = up->step();
                if (rc != SQLITE_DONE) return finish(fail(r, rc));
                return finish(n);
            }
            if (rc != SQLITE_DONE) return finish(fail(r, rc));
        }
        // A table that never had a row has no sequence yet.
        auto ins = r.conn->prepare("INSERT INTO " + seq + " (name, seq) SELECT ?1, coalesce(max(rowid), 0) + 1 FROM " +
                                       quoteIdent(r.schema) + "." + quoteIdent(sel.table.name) + " RETURNING seq",
                                   true);
        if (!ins) return finish(ins.error());
        ins->bindText(1, sel.table.name);
        int rc = ins->step();
        if (rc != SQLITE_ROW) return finish(fail(r, rc));
        std::int64_t n = ins->columnInt(0);
        rc = ins->step();
        if (rc != SQLITE_DONE) return finish(fail(r, rc));
        return finish(n);
    }

    const FieldInfo& tableField(std::size_t column) const {
        return sel.table.fields[static_cast<std::size_t>(sel.columns[column].sourceField)];
    }
};

// -----------------------------------------------------------------------------------------

Recordset::Recordset(std::unique_ptr<Impl> impl) : d_(std::move(impl)) {}
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::~Recordset() = default;

Result<Recordset> Database::openRecordset(std::string_view source) const {
    detail::Route r = route();
    detail::ConnectionSchema schema(*r.conn, r.schema);
    auto sel = dialect::translateSource(source, schema, r.schema);
    if (!sel) {
        Error e = sel.error();
        e.store = r.store();
        return e;
    }
    auto impl = std::make_unique<Recordset::Impl>(*this);
    impl->source = std::string(source);
    impl->sel = std::move(*sel);
    for (const auto& c : impl->sel.columns) {
        impl->fields.push_back(c.info);
        impl->columnsSql += (impl->columnsSql.empty() ? "" : ", ") + c.sql;
    }
    // Preparing the whole query finds a fault in it now rather than at the first move.
    if (auto st = r.conn->prepare(impl->sel.sql, true); !st) return st.error();
    return Recordset(std::move(impl));
}

const std::vector<FieldInfo>& Recordset::fields() const { return d_->fields; }

int Recordset::fieldIndex(std::string_view name) const {
    for (std::size_t k = 0; k < d_->fields.size(); ++k)
        if (core::text::equalsNoCase(d_->fields[k].name, name)) return static_cast<int>(k);
    return -1;
}

bool Recordset::updatable() const { return d_->sel.updatable; }
const std::string& Recordset::source() const { return d_->source; }
const Database& Recordset::database() const { return d_->db; }
bool Recordset::noMatch() const { return d_->noMatch; }
EditMode Recordset::editMode() const { return d_->mode; }
const Error* Recordset::lastError() const { return d_->lastError ? &*d_->lastError : nullptr; }

Result<core::Value> Recordset::field(std::string_view name) {
    int k = fieldIndex(name);
    if (k < 0)
        return Error{d_->store(), "Item not found in this collection (field '" + std::string(name) + "').",
                     code::kNotFoundInCollection};
    return field(k);
}

// The field's stored value, once the row it belongs to is read; the automatic number of a row
// being added is taken here, when first asked for. A screen asks for every field of every row
// it shows, so a field of a row already read is handed out without more ado.
Result<const core::Value*> Recordset::Impl::stored(int index) {
    if (mode == EditMode::None && index >= 0 && index < static_cast<int>(row.size()) && rowFresh())
        return &row[static_cast<std::size_t>(index)];
    return storedSlowly(index);
}

Result<const core::Value*> Recordset::Impl::storedSlowly(int index) {
    if (index < 0 || index >= static_cast<int>(fields.size()))
        return Error{store(), "Item not found in this collection.", code::kNotFoundInCollection};
    auto k = static_cast<std::size_t>(index);
    if (mode == EditMode::Adding && fields[k].kind == Kind::Counter && counterPending) {
        detail::Route r = route();
        auto n = reserveCounter(r);
        if (!n) return failWrite(r, n.error());
        buffer[k] = core::Value{*n};
        dirty[k] = 1;
        counterPending = false;
    }
    if (mode == EditMode::None && !rowFresh())
        if (Status st = loadRow(); !st) return st.error();
    return mode != EditMode::None ? &buffer[k] : &row[k];
}

// Text is shown as stored; the other kinds as the station shows them.
static bool shownAsStored(Kind kind, const core::Value& stored) {
    return (kind == Kind::Text || kind == Kind::Memo) && (stored.isText() || stored.isNull());
}

Result<core::Value> Recordset::field(int index) {
    auto stored = d_->stored(index);
    if (!stored) return stored.error();
    Kind kind = d_->fields[static_cast<std::size_t>(index)].kind;
    // Copied once, straight into what is handed back.
    if (shownAsStored(kind, **stored)) return Result<core::Value>(std::in_place, **stored);
    return storage::toShown(kind, **stored);
}

Result<const core::Value*> Recordset::fieldLent(std::string_view name) {
    int k = fieldIndex(name);
    if (k < 0)
        return Error{d_->store(), "Item not found in this collection (field '" + std::string(name) + "').",
                     code::kNotFoundInCollection};
    return fieldLent(k);
}

Result<const core::Value*> Recordset::fieldLent(int index) {
    auto stored = d_->stored(index);
    if (!stored) return stored;
    auto k = static_cast<std::size_t>(index);
    Kind kind = d_->fields[k].kind;
    if (shownAsStored(kind, **stored)) return stored;
    if (d_->shown.size() != d_->fields.size()) d_->shown.resize(d_->fields.size());
    d_->shown[k] = storage::toShown(kind, **stored);
    return &d_->shown[k];
}

std::string Recordset::fieldText(std::string_view name) {
    auto v = fieldLent(name);
    return v ? (*v)->toText() : std::string();
}

std::string Recordset::fieldText(int index) {
    auto v = fieldLent(index);
    return v ? (*v)->toText() : std::string();
}

Status Recordset::setField(std::string_view name, const core::Value& value) {
    int k = fieldIndex(name);
    if (k < 0)
        return Error{d_->store(), "Item not found in this collection (field '" + std::string(name) + "').",
                     code::kNotFoundInCollection};
    if (d_->mode == EditMode::None)
        return Error{d_->store(), "Update or CancelUpdate without AddNew or Edit.", code::kUpdateWithoutEdit};
    const FieldInfo& f = d_->fields[static_cast<std::size_t>(k)];
    if (f.kind == Kind::Counter)
        return Error{d_->store(), "Field cannot be updated (field '" + f.name + "').", code::kFieldNotUpdatable};
    auto stored = storage::toStored(f, value);
    if (!stored) return Error{d_->store(), stored.error().reason, stored.error().code};
    d_->buffer[static_cast<std::size_t>(k)] = std::move(*stored);
    d_->dirty[static_cast<std::size_t>(k)] = 1;
    return {};
}

Status Recordset::AddNew() {
    if (!d_->sel.updatable)
        return Error{d_->store(), "Cannot update. Database or object is read-only.", code::kReadOnly};
    d_->mode = EditMode::None;
    d_->buffer.assign(d_->fields.size(), core::Value{});
    d_->dirty.assign(d_->fields.size(), 0);
    // The automatic number is taken when it is first read; a row saved without reading it
    // is numbered by the insert itself, in the same write.
    d_->counterPending = false;
    for (const FieldInfo& f : d_->fields) d_->counterPending = d_->counterPending || f.kind == Kind::Counter;
    d_->mode = EditMode::Adding;
    return {};
}

Status Recordset::Edit() {
    if (!d_->sel.updatable)
        return Error{d_->store(), "Cannot update. Database or object is read-only.", code::kReadOnly};
    d_->mode = EditMode::None;
    if (Status st = d_->loadRow(true); !st) return st;
    d_->buffer = d_->row;
    d_->asRead = d_->row;
    d_->dirty.assign(d_->fields.size(), 0);
    d_->mode = EditMode::Editing;
    return {};
}

Status Recordset::Update() {
    Impl& d = *d_;
    if (d.mode == EditMode::None)
        return Error{d.store(), "Update or CancelUpdate without AddNew or Edit.", code::kUpdateWithoutEdit};
    // An edit may move the row in the order: the rows' order is the one from before it, so the
    // next move goes on from where the row stood when the clerk saw it. An edit that leaves the
    // fields of the order alone moves nothing, and a year of rows is not listed for it.
    if (d.mode == EditMode::Editing && !d.keys && d.editMovesRow())
        if (Status st = d.takeKeys(); !st) return st;
    detail::Route r = d.route();
    std::string table = quoteIdent(r.schema) + "." + quoteIdent(d.sel.table.name);
    std::vector<std::size_t> cols;
    for (std::size_t k = 0; k < d.fields.size(); ++k)
        if (d.dirty[k]) cols.push_back(k);

    if (d.mode == EditMode::Adding) {
        std::string sql = "INSERT INTO " + table;
        if (cols.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            std::string names, marks;
            for (std::size_t i = 0; i < cols.size(); ++i) {
                names += (i ? ", " : "") + quoteIdent(d.tableField(cols[i]).name);
                marks += (i ? ", ?" : "?") + std::to_string(i + 1);
            }
            sql += " (" + names + ") VALUES (" + marks + ")";
        }
        sql += " RETURNING rowid";
        auto st = r.conn->prepare(sql, true);
        if (!st) return d.failWrite(r, st.error());
        for (std::size_t i = 0; i < cols.size(); ++i) st->bind(static_cast<int>(i + 1), d.buffer[cols[i]]);
        int rc = st->step();
        if (rc != SQLITE_ROW) return d.failWrite(r, d.fail(r, rc));
        std::int64_t id = st->columnInt(0);
        rc = st->step();
        if (rc != SQLITE_DONE) return d.failWrite(r, d.fail(r, rc));
        if (d.keys)
            d.keys->append(id);
        else
            d.addedBeforeKeys.push_back(id);
        d.lastModified = id;
        noteAction();  // rows other recordsets of this station hold are read afresh
        d.mode = EditMode::None;
        return {};
    }

    auto id = d.currentId();
    if (!id) return d.deleted ? deletedRow(r.store()) : noCurrent(r.store());
    if (cols.empty()) {
        d.mode = EditMode::None;
        return {};
    }
    // The legacy engine's optimistic check, inside the write itself: the row is written only
    // while every field still holds what this recordset read, so a change another station made
    // since is never overwritten unseen. Text compares exactly here, case included.
    std::string sql = "UPDATE " + table + " SET ";
    for (std::size_t i = 0; i < cols.size(); ++i)
        sql += (i ? ", " : "") + quoteIdent(d.tableField(cols[i]).name) + " = ?" + std::to_string(i + 1);
    int param = static_cast<int>(cols.size()) + 1;
    sql += " WHERE rowid = ?" + std::to_string(param);
    std::string returning;
    for (std::size_t k = 0; k < d.fields.size(); ++k) {
        std::string name = quoteIdent(d.tableField(k).name);
        sql += " AND " + name + " IS ?" + std::to_string(param + 1 + static_cast<int>(k)) + " COLLATE BINARY";
        returning += (k ? ", " : "") + name;
    }
    sql += " RETURNING " + returning;
    auto st = r.conn->prepare(sql, true);
    if (!st) return d.failWrite(r, st.error());
    for (std::size_t i = 0; i < cols.size(); ++i) st->bind(static_cast<int>(i + 1), d.buffer[cols[i]]);
    st->bindInt(param, *id);
    for (std::size_t k = 0; k < d.fields.size(); ++k) st->bind(param + 1 + static_cast<int>(k), d.asRead[k]);
    int rc = st->step();
    if (rc == SQLITE_ROW) {
        // What the store now holds is what this recordset shows.
        d.row.clear();
        for (int c = 0; c < static_cast<int>(d.fields.size()); ++c) d.row.push_back(st->column(c));
        rc = st->step();
        if (rc != SQLITE_DONE) return d.failWrite(r, d.fail(r, rc));
        d.rowLoaded = true;
        d.rowGone = false;
        d.rowId = *id;
        noteAction();  // rows other recordsets of this station hold are read afresh
        d.rowAt = actionCount();
        d.held.drop(*id);  // the row as written is the current one
        d.lastModified = *id;
        d.mode = EditMode::None;
        return {};
    }
    if (rc != SQLITE_DONE) return d.failWrite(r, d.fail(r, rc));
    // Nothing written: the row is gone, or it changed. Either way it is read afresh next time.
    d.rowLoaded = false;
    d.held.drop(*id);
    auto there = r.conn->prepare("SELECT 1 FROM " + table + " WHERE rowid = ?1", true);
    if (!there) return d.failWrite(r, there.error());
    there->bindInt(1, *id);
    rc = there->step();
    if (rc == SQLITE_DONE) return d.failWrite(r, deletedRow(r.store()));
    if (rc != SQLITE_ROW) return d.failWrite(r, d.fail(r, rc));
    return d.failWrite(r, changedRow(r.store()));
}

Status Recordset::CancelUpdate() {
    if (d_->mode == EditMode::None)
        return Error{d_->store(), "Update or CancelUpdate without AddNew or Edit.", code::kUpdateWithoutEdit};
    d_->mode = EditMode::None;
    d_->buffer.clear();
    d_->dirty.clear();
    return {};
}

Status Recordset::Delete() {
    Impl& d = *d_;
    if (!d.sel.updatable) return Error{d.store(), "Cannot update. Database or object is read-only.", code::kReadOnly};
    d.mode = EditMode::None;
    if (Status st = d.resolveFirst(); !st) return st;
    auto aimed = d.currentId();
    // A row gone to straight is deleted without listing the table's rows: its place in the order
    // is kept for the next step instead.
    if (!d.keys && d.canGoStraight() && d.lazy == Impl::Lazy::Row && aimed && !d.deleted && !d.invalid)
        return d.deleteGoneTo(*aimed);
    if (Status st = d.takeKeys(); !st) return st;
    detail::Route r = d.route();
    if (d.deleted) return deletedRow(r.store());
    // The row a find went to was deleted by another station before the rows were taken.
    if (aimed && !d.currentId()) return d.failWrite(r, deletedRow(r.store()));
    auto id = d.currentId();
    if (!id) return noCurrent(r.store());
    if (Status st = d.deleteById(r, *id); !st) return st;
    auto p = static_cast<std::size_t>(d.pos);
    d.keys->dead[p] = 1;
    --d.keys->live;
    d.deleted = true;
    noteAction();
    d.rowLoaded = false;
    return {};
}

Result<Bookmark> Recordset::lastModified() const {
    if (!d_->lastModified) return noCurrent(d_->store());
    return *d_->lastModified;
}

Status Recordset::MoveFirst() {
    Impl& d = *d_;
    d.leaveRow();
    if (!d.keys) {
        d.lazy = Impl::Lazy::First;
        if (Status st = d.resolveFirst(); !st) return st;
        if (!d.keys) return {};
    }
    long n = static_cast<long>(d.keys->ids.size());
    long p = 0;
    while (p < n && d.keys->dead[static_cast<std::size_t>(p)]) ++p;
    d.pos = p;
    if (p >= n) return noCurrent(d.store());
    return {};
}

Status Recordset::MoveLast() {
    Impl& d = *d_;
    d.leaveRow();
    if (d.canGoStraight()) {
        auto found = d.straight("", true);
        if (!found) return found.error();
        if (*found) return {};
        d.keys = std::make_shared<Keyset>();
        d.pos = 0;
        return noCurrent(d.store());
    }
    if (Status st = d.takeKeys(); !st) return st;
    long p = static_cast<long>(d.keys->ids.size()) - 1;
    while (p >= 0 && d.keys->dead[static_cast<std::size_t>(p)]) --p;
    if (p < 0) {
        d.pos = static_cast<long>(d.keys->ids.size());
        return noCurrent(d.store());
    }
    d.pos = p;
    return {};
}

Status Recordset::MoveNext() {
    Impl& d = *d_;
    if (Status st = d.resolveFirst(); !st) return st;
    if (Status st = d.takeKeys(); !st) return st;
    long n = static_cast<long>(d.keys->ids.size());
    if (d.pos >= n || (d.keys->live == 0 && !d.deleted)) {
        d.leaveRow();
        d.pos = n;
        return noCurrent(d.store());
    }
    long p = d.pos + 1;
    while (p < n && d.keys->dead[static_cast<std::size_t>(p)]) ++p;
    d.leaveRow();
    d.pos = p;
    return {};
}

Status Recordset::MovePrevious() {
    Impl& d = *d_;
    if (Status st = d.resolveFirst(); !st) return st;
    if (Status st = d.takeKeys(); !st) return st;
    if (d.pos < 0 || (d.keys->live == 0 && !d.deleted)) {
        d.leaveRow();
        d.pos = -1;
        return noCurrent(d.store());
    }
    long p = std::min(d.pos, static_cast<long>(d.keys->ids.size())) - 1;
    while (p >= 0 && d.keys->dead[static_cast<std::size_t>(p)]) --p;
    d.leaveRow();
    d.pos = p;
    return {};
}

Status Recordset::FindFirst(std::string_view criteria) { return d_->find(criteria, true, true); }
Status Recordset::FindLast(std::string_view criteria) { return d_->find(criteria, true, false); }
Status Recordset::FindNext(std::string_view criteria) { return d_->find(criteria, false, true); }
Status Recordset::FindPrevious(std::string_view criteria) { return d_->find(criteria, false, false); }

bool Recordset::eof() {
    Impl& d = *d_;
    if (d.deleted) return false;
    if (Status st = d.resolveFirst(); !st) {
        d.lastError = st.error();
        return true;
    }
    if (!d.keys) return false;
    return d.keys->live == 0 || d.pos >= static_cast<long>(d.keys->ids.size());
}

bool Recordset::bof() {
    Impl& d = *d_;
    if (d.deleted) return false;
    if (Status st = d.resolveFirst(); !st) {
        d.lastError = st.error();
        return true;
    }
    if (!d.keys) return false;
    return d.keys->live == 0 || d.pos < 0;
}

long Recordset::recordCount() {
    if (Status st = d_->takeKeys(); !st) {
        d_->lastError = st.error();
        return 0;
    }
    return static_cast<long>(d_->keys->live);
}

long Recordset::absolutePosition() {
    Impl& d = *d_;
    if (d.invalid || d.deleted) return -1;
    if (Status st = d.resolveFirst(); !st) {
        d.lastError = st.error();
        return -1;
    }
    if (!d.keys && d.lazy == Impl::Lazy::Row && d.lazyRowIsFirst) return 0;
    if (Status st = d.takeKeys(); !st) {
        d.lastError = st.error();
        return -1;
    }
    if (d.pos < 0 || d.pos >= static_cast<long>(d.keys->ids.size())) return -1;
    long before = 0;
    for (long p = 0; p < d.pos; ++p) before += d.keys->dead[static_cast<std::size_t>(p)] ? 0 : 1;
    return before;
}

Status Recordset::setAbsolutePosition(long position) {
    Impl& d = *d_;
    if (Status st = d.takeKeys(); !st) return st;
    if (position < 0 || position >= static_cast<long>(d.keys->live))
        return Error{d.store(), "Invalid argument (position " + std::to_string(position) + ").",
                     code::kInvalidArgument};
    long seen = -1;
    for (long p = 0; p < static_cast<long>(d.keys->ids.size()); ++p) {
        if (d.keys->dead[static_cast<std::size_t>(p)]) continue;
        if (++seen == position) {
            d.leaveRow();
            d.pos = p;
            break;
        }
    }
    return {};
}

Result<Bookmark> Recordset::bookmark() {
    Impl& d = *d_;
    if (Status st = d.resolveFirst(); !st) return st.error();
    if (d.deleted) return deletedRow(d.store());
    auto id = d.currentId();
    if (!id) return noCurrent(d.store());
    return *id;
}

Status Recordset::setBookmark(Bookmark b) {
    Impl& d = *d_;
    // A recordset not positioned yet goes to the row straight, as a find does: a screen coming
    // back to its own row among a year of rows reads that row, not every identity of the table.
    // Refused, it stays where it was.
    if (d.canGoStraight()) {
        auto found = d.straight(d.rowidSql() + " = " + std::to_string(b), false);
        if (!found) return found.error();
        if (!*found) return Error{d.store(), "Not a valid bookmark.", code::kInvalidBookmark};
        d.mode = EditMode::None;
        d.deleted = false;
        d.invalid = false;
        d.landedBy.reset();
        return {};
    }
    if (Status st = d.takeKeys(); !st) return st;
    auto at = d.keys->find(b);
    if (!at || d.keys->dead[*at]) return Error{d.store(), "Not a valid bookmark.", code::kInvalidBookmark};
    d.leaveRow();
    d.pos = static_cast<long>(*at);
    return {};
}

Result<Recordset> Recordset::Clone() {
    if (Status st = d_->takeKeys(); !st) return st.error();
    auto impl = std::make_unique<Impl>(d_->db);
    impl->source = d_->source;
    impl->sel = d_->sel;
    impl->fields = d_->fields;
    impl->columnsSql = d_->columnsSql;
    impl->keys = d_->keys;
    impl->pos = -1;
    impl->invalid = true;
    return Recordset(std::move(impl));
}

Status Recordset::Requery() {
    Impl& d = *d_;
    d.keys.reset();
    d.lazy = Impl::Lazy::First;
    d.addedBeforeKeys.clear();
    d.leaveRow();
    d.noMatch = false;
    d.pos = -1;
    d.lastError.reset();
    return d.resolveFirst();
}

}  // namespace pelk::db
