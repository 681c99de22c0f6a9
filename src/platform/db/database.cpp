#include "platform/db/database.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/core/text.h"
#include "platform/db/catalogue.h"
#include "platform/db/connection.h"
#include "platform/db/dialect.h"
#include "platform/db/unit_of_work.h"
#include "platform/os/paths.h"

namespace pelk::db {

namespace fs = std::filesystem;

namespace {

// Handles to one file share its connection while any of them lives, and the connections of the
// stores used last are kept a while after: a screen opened again finds its stores open, their
// schema read and their statements prepared. A connection takes no lock between its
// statements, so keeping it hides no other station's writes.
struct Pooled {
    std::weak_ptr<detail::Connection> conn;
    dev_t dev = 0;  // the file it was opened on: a file put in its place is another store
    ino_t ino = 0;
};
std::map<std::string, Pooled>& pool() {
    static std::map<std::string, Pooled> p;
    return p;
}
constexpr std::size_t kKeptConnections = 16;
std::vector<std::shared_ptr<detail::Connection>>& kept() {  // the one used last at the back
    static std::vector<std::shared_ptr<detail::Connection>> k;
    return k;
}
void keep(const std::shared_ptr<detail::Connection>& c) {
    auto& k = kept();
    if (auto it = std::find(k.begin(), k.end(), c); it != k.end()) k.erase(it);
    if (k.size() >= kKeptConnections) k.erase(k.begin());
    k.push_back(c);
}
void forget(const std::shared_ptr<detail::Connection>& c) { std::erase(kept(), c); }
std::mutex& poolLock() {
    static std::mutex m;
    return m;
}

Error withStore(Error e, const std::string& store) {
    if (e.store.empty()) e.store = store;
    return e;
}

}  // namespace

namespace detail {
std::atomic<std::uint64_t> gActions{0};
}

void noteAction() { ++detail::gActions; }

Database::Database(std::shared_ptr<detail::Connection> c, std::string path, std::string schema)
    : conn_(std::move(c)), path_(std::move(path)), schema_(std::move(schema)) {}

Result<Database> Database::open(std::string_view windowsPath) {
    std::string path(windowsPath);
    fs::path file = os::mapPath(windowsPath);
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return Error{path, "Could not find file '" + path + "'.", code::kFileNotFound};
    std::string key = detail::fileKey(file);
    std::lock_guard<std::mutex> lock(poolLock());
    auto& p = pool();
    if (auto it = p.find(key); it != p.end()) {
        if (auto c = it->second.conn.lock()) {
            if (it->second.dev == st.st_dev && it->second.ino == st.st_ino) {
                keep(c);
                return Database(c, path, "main");
            }
            // Handles still open on the file that was there keep it; new ones get this one.
            forget(c);
        }
    }
    auto c = detail::Connection::open(file, path);
    if (!c) return c.error();
    p[key] = Pooled{*c, st.st_dev, st.st_ino};
    keep(*c);
    for (auto it = p.begin(); it != p.end();) it = it->second.conn.expired() ? p.erase(it) : std::next(it);
    return Database(*c, path, "main");
}

detail::Route Database::route() const {
    if (UnitOfWork* w = UnitOfWork::current(); w && w->active()) {
        if (conn_ == w->conn_) return {conn_, schema_, w};
        if (const auto* m = w->find(conn_->fileKey())) return {w->conn_, m->alias, w};
    }
    return {conn_, schema_, nullptr};
}

Result<long long> Database::execute(std::string_view jetSql) const {
    detail::Route r = route();
    detail::ConnectionSchema schema(*r.conn, r.schema);
    auto st = dialect::translateStatement(jetSql, schema, r.schema);
    if (!st) return withStore(st.error(), r.store());
    if (st->type == dialect::Statement::Type::Select)
        return Error{r.store(), "A SELECT gives rows: open it as a recordset.", code::kInvalidArgument};
    auto fail = [&](Error e) -> Error {
        if (r.work) r.work->noteFailure(e);
        return e;
    };
    auto stmt = r.conn->prepare(st->sql);
    if (!stmt) return fail(withStore(stmt.error(), r.store()));
    int rc = stmt->step();
    if (rc != SQLITE_DONE) {
        Error e = detail::mapError(rc, sqlite3_errmsg(r.conn->handle()), r.store());
        return fail(e);
    }
    // What recordsets of this station hold is read afresh, whatever the statement touched.
    noteAction();
    return static_cast<long long>(sqlite3_changes64(r.conn->handle()));
}

std::vector<std::string> Database::tableNames() const {
    detail::Route r = route();
    return r.conn->tableNames(r.schema);
}

bool Database::hasTable(std::string_view table) const {
    detail::Route r = route();
    return r.conn->table(r.schema, table).has_value();
}

Result<std::vector<FieldInfo>> Database::fields(std::string_view table) const {
    detail::Route r = route();
    auto t = r.conn->table(r.schema, table);
    if (!t)
        return Error{r.store(),
                     "The database engine cannot find the input table or query '" + std::string(table) + "'.",
                     code::kNoSuchTable};
    return t->fields;
}

namespace {

// Tables of a store, each with the highest identity it ever gave (its sequence, or its
// highest row where it has none), read without a lock of its own.
Result<std::map<std::string, std::int64_t>> highWaterMarks(sqlite3* db, const std::string& store) {
    std::map<std::string, std::int64_t> marks;
    auto fail = [&](int rc) { return detail::mapError(rc, sqlite3_errmsg(db), store); };
    std::vector<std::string> tables;
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(
        db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'", -1, &st,
        nullptr);
    if (rc != SQLITE_OK) return fail(rc);
    while ((rc = sqlite3_step(st)) == SQLITE_ROW)
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) return fail(rc);
    for (const std::string& t : tables) {
        std::string sql = "SELECT coalesce(max(rowid), 0), (SELECT seq FROM sqlite_sequence WHERE name = ?1) FROM " +
                          dialect::quoteIdent(t);
        bool sequences = true;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
            // A store whose tables never had an automatic number keeps no sequence table.
            sequences = false;
            sql = "SELECT coalesce(max(rowid), 0) FROM " + dialect::quoteIdent(t);
            if ((rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr)) != SQLITE_OK) return fail(rc);
        }
        if (sequences) sqlite3_bind_text(st, 1, t.c_str(), -1, SQLITE_TRANSIENT);
        rc = sqlite3_step(st);
        if (rc == SQLITE_ROW)
            marks[core::text::lower(t)] =
                std::max<std::int64_t>(sqlite3_column_int64(st, 0), sequences ? sqlite3_column_int64(st, 1) : 0);
        sqlite3_finalize(st);
        if (rc != SQLITE_ROW) return fail(rc);
    }
    return marks;
}

// The blank copy numbers each table on from the mark the live store reached, its own first
// rows included: they take identities above it, in their order.
Status raiseMarks(detail::Connection& blank, const std::map<std::string, std::int64_t>& marks) {
    for (const std::string& t : blank.tableNames("main")) {
        auto it = marks.find(core::text::lower(t));
        if (it == marks.end() || it->second <= 0) continue;
        std::string table = "main." + dialect::quoteIdent(t);
        std::int64_t own = 0;
        if (auto top = blank.prepare("SELECT coalesce(max(rowid), 0) FROM " + table); top && top->step() == SQLITE_ROW)
            own = top->columnInt(0);
        // Above both the mark and the copy's own rows, so no row lands on another on the way.
        std::int64_t offset = std::max(it->second, own);
        auto run = [&](const std::string& sql, bool named) -> Status {
            auto st = blank.prepare(sql);
            if (!st) return st.error();
            st->bindInt(1, offset + own);
            if (named) st->bindText(2, t);
            if (int rc = st->step(); rc != SQLITE_DONE) return blank.lastError(rc);
            return {};
        };
        if (own > 0)
            if (Status st = run("UPDATE " + table + " SET rowid = rowid + " + std::to_string(offset), false); !st)
                return st;
        if (Status st = run("UPDATE main.sqlite_sequence SET seq = ?1 WHERE name = ?2", true); !st) return st;
        if (sqlite3_changes(blank.handle()) == 0)
            if (Status st = run("INSERT INTO main.sqlite_sequence (seq, name) VALUES (?1, ?2)", true); !st) return st;
    }
    return {};
}

// A template that would leave the live store without one of its tables is no template of it:
// an empty file (SQLite reads it as a store without tables) or one made for another store.
Status checkTemplate(detail::Connection& tmpl, const std::string& templatePath,
                     const std::vector<std::string>& needed) {
    std::vector<std::string> has = tmpl.tableNames("main");
    if (has.empty())
        return Error{templatePath, "The template '" + templatePath + "' holds no tables.", code::kNoSuchTable};
    for (const std::string& t : needed)
        if (std::none_of(has.begin(), has.end(), [&](const std::string& h) { return core::text::equalsNoCase(h, t); }))
            return Error{templatePath, "The template '" + templatePath + "' lacks the table '" + t + "'.",
                         code::kNoSuchTable};
    return {};
}

}  // namespace

Status renewFromTemplate(std::string_view liveWindowsPath, std::string_view templateWindowsPath) {
    std::string live(liveWindowsPath), tmpl(templateWindowsPath);
    fs::path tfile = os::mapPath(tmpl), lfile = os::mapPath(live);
    std::error_code ec;
    if (!fs::is_regular_file(tfile, ec)) return Error{tmpl, "Could not find file '" + tmpl + "'.", code::kFileNotFound};
    auto src = detail::Connection::open(tfile, tmpl, detail::Connection::Mode::ReadOnly);
    if (!src) return src.error();
    auto dst = detail::Connection::open(lfile, live, detail::Connection::Mode::Create);
    if (!dst) return dst.error();

    // The tables the store is declared with, or, for a store nobody declared, those it has.
    std::vector<std::string> needed;
    std::string fileName = live.substr(live.find_last_of("\\/") + 1);
    const StoreDecl* decl = Catalogue::instance().find(fileName);
    if (decl)
        for (const TableDecl& t : decl->tables) needed.push_back(t.name);
    else
        needed = (*dst)->tableNames("main");
    if (Status st = checkTemplate(**src, tmpl, needed); !st) return st;

    // The blank store is copied in memory first and given identities where a template made by
    // an earlier build has none, so that the live store never gets a table without them.
    auto blank = detail::Connection::open(":memory:", tmpl, detail::Connection::Mode::Create);
    if (!blank) return blank.error();
    {
        sqlite3_backup* b = sqlite3_backup_init((*blank)->handle(), "main", (*src)->handle(), "main");
        if (!b) return (*blank)->lastError(sqlite3_errcode((*blank)->handle()));
        int rc = sqlite3_backup_step(b, -1);
        sqlite3_backup_finish(b);
        if (rc != SQLITE_DONE) return detail::mapError(rc, sqlite3_errstr(rc), tmpl);
    }
    if (Status st = (*blank)->keepRowIdentities("main"); !st) return st;
    // Its look-up keys too, where the template was made before they were declared.
    if (decl)
        for (const TableDecl& t : decl->tables)
            if (Status st = detail::createIndexes(**blank, t); !st) return st;

    // Once the backup holds the live store's lock (a first step of no pages), nobody can give
    // an identity any more: the marks the live store reached are read then, through a handle
    // that takes no lock, and put into the copy, whose changed pages the backup takes along.
    // Stations that held a row of the old store then never find another row under its identity.
    sqlite3* peek = nullptr;
    struct Peek {
        sqlite3*& db;
        ~Peek() { sqlite3_close_v2(db); }  // after the backup: closing a file lets go of its locks
    } closePeek{peek};
    if (int rc = sqlite3_open_v2(lfile.string().c_str(), &peek, SQLITE_OPEN_READONLY, "unix-none"); rc != SQLITE_OK)
        return detail::mapError(rc, sqlite3_errstr(rc), live);

    sqlite3_backup* b = sqlite3_backup_init((*dst)->handle(), "main", (*blank)->handle(), "main");
    if (!b) return (*dst)->lastError(sqlite3_errcode((*dst)->handle()));
    // One transaction on the live file holds every page: the readers of other stations see the
    // old store or the blank one, never half of each.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(busyTimeout());
    auto step = [&](int pages) {
        while (true) {
            int rc = sqlite3_backup_step(b, pages);
            bool busy = rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
            if (!busy || std::chrono::steady_clock::now() >= deadline) return rc;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    };
    int rc = step(0);
    Status marked;
    if (rc == SQLITE_OK) {
        auto marks = highWaterMarks(peek, live);
        marked = marks ? raiseMarks(**blank, *marks) : Status(marks.error());
        if (marked) rc = step(-1);
    }
    sqlite3_backup_finish(b);
    if (!marked) return marked;
    if (rc != SQLITE_DONE) return detail::mapError(rc, sqlite3_errstr(rc), live);
    return {};
}

}  // namespace pelk::db
