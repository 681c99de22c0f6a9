#include "platform/db/connection.h"

#include <sqlite3.h>

#include <sys/stat.h>

#include <atomic>
#include <cmath>
#include <map>
#include <mutex>
#include <random>
#include <thread>

#include "platform/core/datetime.h"
#include "platform/core/money.h"
#include "platform/core/text.h"
#include "platform/db/database.h"
#include "platform/db/like.h"

namespace pelk::db {

namespace {
std::atomic<int> gBusyTimeoutMs{kDefaultBusyTimeoutMs};
}

void setBusyTimeout(int milliseconds) { gBusyTimeoutMs = milliseconds; }
int busyTimeout() { return gBusyTimeoutMs; }

namespace detail {

int busyTimeoutMs() { return gBusyTimeoutMs; }

namespace {

// ---------------------------------------------------------------------------------------
// The SQL functions the translation relies on.

std::optional<std::string> valueText(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL:
            return std::nullopt;
        case SQLITE_INTEGER:
            return std::to_string(sqlite3_value_int64(v));
        case SQLITE_FLOAT:
            return core::numberText(sqlite3_value_double(v));
        default: {
            const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
            return std::string(t ? t : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
        }
    }
}

void deletePattern(void* p) { delete static_cast<LikePattern*>(p); }

// jlike(value, pattern): the legacy engine's LIKE. The compiled pattern is kept with the
// statement while the pattern is a constant.
void jlikeFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 1));
    if (!pattern) {
        auto compiled = LikePattern::compile(*valueText(argv[1]));
        if (!compiled) {
            sqlite3_result_error(ctx, "Invalid pattern string", -1);
            return;
        }
        auto* owned = new LikePattern(std::move(*compiled));
        bool match = owned->matches(*valueText(argv[0]));
        sqlite3_set_auxdata(ctx, 1, owned, deletePattern);  // SQLite may free it at once
        sqlite3_result_int(ctx, match ? 1 : 0);
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
        const char* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        std::string_view text(t ? t : "", static_cast<std::size_t>(sqlite3_value_bytes(argv[0])));
        sqlite3_result_int(ctx, pattern->matches(text) ? 1 : 0);
        return;
    }
    sqlite3_result_int(ctx, pattern->matches(*valueText(argv[0])) ? 1 : 0);
}

// jdate(x): a text read as a date or time, in the stored ISO form; Null when it is none.
void jdateFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto t = valueText(argv[0]);
    if (!t) {
        sqlite3_result_null(ctx);
        return;
    }
    auto dt = core::parseDateTime(*t);
    if (!dt) {
        sqlite3_result_null(ctx);
        return;
    }
    std::string iso = storage::isoText(*dt);
    sqlite3_result_text(ctx, iso.c_str(), static_cast<int>(iso.size()), SQLITE_TRANSIENT);
}

// jint(x): a whole number, half to even, as the legacy CLng rounds.
void jintFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
        case SQLITE_NULL:
            sqlite3_result_null(ctx);
            return;
        case SQLITE_INTEGER:
            sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
            return;
        default:
            sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(std::nearbyint(sqlite3_value_double(argv[0]))));
    }
}

// jcat(a, b): the legacy &, where Null is the empty text.
void jcatFunc(sqlite3_context* ctx, int, sqlite3_value** argv) {
    std::string s = valueText(argv[0]).value_or("") + valueText(argv[1]).value_or("");
    sqlite3_result_text(ctx, s.c_str(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

// jsum(x): Sum over money, exact to four places; amounts kept as text ("1,290.00") count
// as the amounts they show. Null when no row has a value, as the legacy Sum.
struct SumState {
    std::int64_t units;
    int any;
    int bad;
};

void jsumStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* st = static_cast<SumState*>(sqlite3_aggregate_context(ctx, sizeof(SumState)));
    if (!st || st->bad) return;
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
        case SQLITE_NULL:
            return;
        case SQLITE_INTEGER:
            st->units += sqlite3_value_int64(v) * core::Money::kScale;
            break;
        case SQLITE_FLOAT:
            st->units += core::Money::fromDouble(sqlite3_value_double(v)).units();
            break;
        default: {
            std::string t = core::text::trim(*valueText(v));
            if (t.empty()) return;
            auto m = core::Money::parse(t);
            if (!m) {
                st->bad = 1;
                std::string msg = "Data type mismatch in criteria expression ('" + t + "' is not an amount).";
                sqlite3_result_error(ctx, msg.c_str(), -1);
                return;
            }
            st->units += m->units();
        }
    }
    st->any = 1;
}

void jsumFinal(sqlite3_context* ctx) {
    auto* st = static_cast<SumState*>(sqlite3_aggregate_context(ctx, 0));
    if (!st || !st->any || st->bad) {
        if (!st || !st->bad) sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_double(ctx, static_cast<double>(st->units) / core::Money::kScale);
}

// Waits for another station's lock in short steps, so a busy store is taken over soon
// after it is free, up to the busy timeout.
int busyHandler(void* arg, int count) {
    auto* c = static_cast<Connection*>(arg);
    auto now = std::chrono::steady_clock::now();
    if (count == 0) c->busySince = now;
    if (now - c->busySince >= std::chrono::milliseconds(busyTimeoutMs())) return 0;
    thread_local std::minstd_rand jitter{std::random_device{}()};
    int ms = count < 20 ? 1 : count < 100 ? 2 : 5;
    std::this_thread::sleep_for(std::chrono::microseconds(ms * 1000 + static_cast<int>(jitter() % 500)));
    return 1;
}

}  // namespace

std::string fileKey(const std::filesystem::path& file) {
    // Asked at every opening and every unit of work, and resolving the links asks the folders a
    // question a part: the name is kept while the same file (device and inode) stands at the path.
    struct Named {
        dev_t dev;
        ino_t ino;
        std::string key;
    };
    static std::mutex lock;
    static std::map<std::string, Named> named;
    struct stat st {};
    const bool there = ::stat(file.c_str(), &st) == 0;
    if (there) {
        std::lock_guard<std::mutex> hold(lock);
        if (auto it = named.find(file.string());
            it != named.end() && it->second.dev == st.st_dev && it->second.ino == st.st_ino)
            return it->second.key;
    }
    std::error_code ec;
    auto p = std::filesystem::weakly_canonical(file, ec);
    std::string key = (ec ? file : p).lexically_normal().string();
    if (there) {
        std::lock_guard<std::mutex> hold(lock);
        named[file.string()] = {st.st_dev, st.st_ino, key};
    }
    return key;
}

Error mapError(int rc, std::string_view message, const std::string& store) {
    std::string msg(message);
    int primary = rc & 0xFF;
    auto after = [&](std::string_view prefix) -> std::optional<std::string> {
        auto p = msg.find(prefix);
        if (p == std::string::npos) return std::nullopt;
        return msg.substr(p + prefix.size());
    };
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return {store, "Could not update; currently locked by another station (" + msg + ").", code::kLocked};
    if (primary == SQLITE_CONSTRAINT) {
        if (auto f = after("CHECK constraint failed: size:"))
            return {store,
                    "The field is too small to accept the amount of data you attempted to add (field '" + *f + "').",
                    code::kFieldTooSmall};
        if (auto f = after("CHECK constraint failed: required:"))
            return {store, "Field '" + *f + "' cannot be a zero-length string.", code::kZeroLength};
        if (auto f = after("NOT NULL constraint failed: ")) {
            std::string field = *f;
            if (auto dot = field.find('.'); dot != std::string::npos) field = field.substr(dot + 1);
            return {store,
                    "The field '" + field +
                        "' cannot contain a Null value because the Required property for this field is set to True.",
                    code::kRequired};
        }
        return {
            store,
            "The changes you requested were not successful because they would create duplicate values (" + msg + ").",
            code::kDuplicate};
    }
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT)
        return {store,
                "Cannot open database '" + store +
                    "'. It may not be a database that your application recognizes, or the file may be corrupt.",
                code::kNotADatabase};
    if (primary == SQLITE_CANTOPEN) return {store, "Could not find file '" + store + "'.", code::kFileNotFound};
    if (primary == SQLITE_READONLY) return {store, "Cannot update. Database or object is read-only.", code::kReadOnly};
    if (primary == SQLITE_IOERR || primary == SQLITE_FULL || primary == SQLITE_PROTOCOL)
        return {store, "Disk or network error (" + msg + ").", code::kIo};
    if (auto t = after("no such table: ")) {
        std::string name = *t;
        if (auto dot = name.find('.'); dot != std::string::npos) name = name.substr(dot + 1);
        return {store, "The database engine cannot find the input table or query '" + name + "'.", code::kNoSuchTable};
    }
    if (auto c = after("no such column: "))
        return {store, "Unknown field '" + *c + "': too few parameters. Expected 1.", code::kTooFewParameters};
    if (msg.rfind("Data type mismatch", 0) == 0) return {store, msg, code::kTypeMismatch};
    if (msg.rfind("Invalid pattern string", 0) == 0) return {store, msg + ".", code::kInvalidPattern};
    return {store, msg, code::kSyntax};
}

// ---------------------------------------------------------------------------------------

Stmt& Stmt::operator=(Stmt&& o) noexcept {
    if (this != &o) {
        if (s_ && conn_) conn_->release(s_, cached_);
        conn_ = o.conn_;
        s_ = o.s_;
        cached_ = o.cached_;
        o.s_ = nullptr;
        o.conn_ = nullptr;
    }
    return *this;
}

Stmt::~Stmt() {
    if (s_ && conn_) conn_->release(s_, cached_);
}

void Stmt::bind(int i, const core::Value& v) {
    const auto& s = v.storage();
    if (auto p = std::get_if<std::int64_t>(&s))
        sqlite3_bind_int64(s_, i, *p);
    else if (auto d = std::get_if<double>(&s))
        sqlite3_bind_double(s_, i, *d);
    else if (auto t = std::get_if<std::string>(&s))
        sqlite3_bind_text(s_, i, t->data(), static_cast<int>(t->size()), SQLITE_TRANSIENT);
    else if (auto m = std::get_if<core::Money>(&s))
        sqlite3_bind_double(s_, i, m->toDouble());
    else if (auto b = std::get_if<bool>(&s))
        sqlite3_bind_int64(s_, i, *b ? -1 : 0);
    else if (auto dt = std::get_if<core::DateTime>(&s))
        bindText(i, storage::isoText(*dt));
    else
        sqlite3_bind_null(s_, i);
}

void Stmt::bindInt(int i, std::int64_t v) { sqlite3_bind_int64(s_, i, v); }
void Stmt::bindText(int i, std::string_view v) {
    sqlite3_bind_text(s_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
}
int Stmt::step() { return sqlite3_step(s_); }
void Stmt::reset() { sqlite3_reset(s_); }
int Stmt::columns() const { return sqlite3_column_count(s_); }
std::int64_t Stmt::columnInt(int i) const { return sqlite3_column_int64(s_, i); }

core::Value Stmt::column(int i) const {
    switch (sqlite3_column_type(s_, i)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return core::Value{static_cast<std::int64_t>(sqlite3_column_int64(s_, i))};
        case SQLITE_FLOAT:
            return core::Value{sqlite3_column_double(s_, i)};
        default: {
            const char* t = reinterpret_cast<const char*>(sqlite3_column_text(s_, i));
            return core::Value{std::string(t ? t : "", static_cast<std::size_t>(sqlite3_column_bytes(s_, i)))};
        }
    }
}

// ---------------------------------------------------------------------------------------

Result<std::shared_ptr<Connection>> Connection::open(const std::filesystem::path& file, std::string store, Mode mode) {
    // The engine's memory counts take one lock for every allocation of every connection:
    // stores made side by side at a first start would queue on it. Nothing reads the counts.
    static const bool configured = [] { return sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK; }();
    (void)configured;
    std::shared_ptr<Connection> c(new Connection());
    c->store_ = std::move(store);
    c->key_ = detail::fileKey(file);
    int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                : mode == Mode::Create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                       : SQLITE_OPEN_READWRITE;
    int rc = sqlite3_open_v2(file.string().c_str(), &c->db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        Error e = c->lastError(rc);
        return e;
    }
    sqlite3_extended_result_codes(c->db_, 1);
    sqlite3_busy_handler(c->db_, busyHandler, c.get());
    sqlite3_db_config(c->db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(c->db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    const int fn = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function(c->db_, "jlike", 2, fn, nullptr, jlikeFunc, nullptr, nullptr);
    sqlite3_create_function(c->db_, "jdate", 1, fn, nullptr, jdateFunc, nullptr, nullptr);
    sqlite3_create_function(c->db_, "jint", 1, fn, nullptr, jintFunc, nullptr, nullptr);
    sqlite3_create_function(c->db_, "jcat", 2, fn, nullptr, jcatFunc, nullptr, nullptr);
    sqlite3_create_function(c->db_, "jsum", 1, fn, nullptr, nullptr, jsumStep, jsumFinal);
    // Reading the header proves the file is a store; a WAL file is put back to a journal.
    if (mode != Mode::ReadOnly) {
        if (Status st = c->exec("PRAGMA journal_mode=DELETE"); !st) return st.error();
        // A store on a medium that cannot be written is read as it is.
        if (Status st = c->keepRowIdentities("main"); !st && st.error().code != code::kReadOnly) return st.error();
    } else if (Status st = c->exec("PRAGMA schema_version"); !st) {
        return st.error();
    }
    return c;
}

Connection::~Connection() {
    for (auto& [sql, s] : cache_) sqlite3_finalize(s);
    if (db_) sqlite3_close_v2(db_);
}

Error Connection::lastError(int rc) const {
    const char* msg = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    return mapError(rc, msg ? msg : "", store_);
}

const std::string& Connection::storeOf(std::string_view schema) const {
    if (auto it = schemaStores_.find(schema); it != schemaStores_.end()) return it->second;
    return store_;
}

Result<Stmt> Connection::prepare(std::string_view sql, bool keep) {
    if (auto it = cache_.find(sql); it != cache_.end() && !inUse_[it->second]) {
        inUse_[it->second] = true;
        return Stmt(this, it->second, true);
    }
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()), keep ? SQLITE_PREPARE_PERSISTENT : 0, &s,
                                nullptr);
    if (rc != SQLITE_OK) return lastError(rc);
    if (!keep || cache_.count(sql)) return Stmt(this, s, false);
    if (cache_.size() >= kKeptStatements) {
        for (auto it = cache_.begin(); it != cache_.end(); ++it) {
            if (inUse_[it->second]) continue;
            inUse_.erase(it->second);
            sqlite3_finalize(it->second);
            cache_.erase(it);
            break;
        }
    }
    cache_.emplace(std::string(sql), s);
    inUse_[s] = true;
    return Stmt(this, s, true);
}

void Connection::release(sqlite3_stmt* s, bool cached) {
    if (!cached) {
        sqlite3_finalize(s);
        return;
    }
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    inUse_[s] = false;
}

Status Connection::exec(std::string_view sql) { return run(prepare(sql)); }
Status Connection::execKept(std::string_view sql) { return run(prepare(sql, true)); }

Status Connection::run(Result<Stmt> st) {
    if (!st) return st.error();
    int rc;
    while ((rc = st->step()) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) return lastError(rc);
    return {};
}

std::vector<std::string> Connection::tableNames(std::string_view schema) {
    std::vector<std::string> out;
    auto st = prepare("SELECT name FROM " + dialect::quoteIdent(schema) +
                      ".sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid");
    if (!st) return out;
    while (st->step() == SQLITE_ROW) out.push_back(st->column(0).toText());
    return out;
}

std::optional<dialect::TableInfo> Connection::table(std::string_view schema, std::string_view name) {
    // Another station may have added a table since: the cache lives while the schema does.
    std::int64_t version = -1;
    if (auto v = prepare("PRAGMA " + dialect::quoteIdent(schema) + ".schema_version", true);
        v && v->step() == SQLITE_ROW)
        version = v->columnInt(0);
    Cached& cache = schemaCache_[std::string(schema)];
    if (cache.version != version) {
        cache.tables.clear();
        cache.version = version;
    }
    std::string key = core::text::lower(name);
    if (auto it = cache.tables.find(key); it != cache.tables.end()) return it->second;

    auto found = prepare("SELECT name FROM " + dialect::quoteIdent(schema) +
                             ".sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE",
                         true);
    if (!found) return std::nullopt;
    found->bindText(1, name);
    if (found->step() != SQLITE_ROW) return std::nullopt;
    dialect::TableInfo t;
    t.name = found->column(0).toText();
    found = Stmt();

    auto info = prepare("PRAGMA " + dialect::quoteIdent(schema) + ".table_info(" + dialect::quoteIdent(t.name) + ")");
    if (!info) return std::nullopt;
    struct Col {
        std::string name, type;
        bool notNull;
        int pk;
    };
    std::vector<Col> cols;
    int keys = 0;
    while (info->step() == SQLITE_ROW) {
        Col c{info->column(1).toText(), info->column(2).toText(), info->columnInt(3) != 0,
              static_cast<int>(info->columnInt(5))};
        if (c.pk) ++keys;
        cols.push_back(std::move(c));
    }
    for (const Col& c : cols) {
        if (core::text::equalsNoCase(c.name, kRowIdentity)) continue;
        bool integerKey = keys == 1 && c.pk == 1 && core::text::equalsNoCase(c.type, "INTEGER");
        t.fields.push_back(fieldFromDeclared(c.name, c.type, c.notNull, integerKey));
    }
    cache.tables[key] = t;
    return t;
}

namespace {

Result<std::vector<std::string>> tablesWithoutKeptIdentity(Connection& c, std::string_view schema) {
    std::vector<std::string> out;
    auto st = c.prepare("SELECT name, sql FROM " + dialect::quoteIdent(schema) +
                        ".sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    if (!st) return st.error();
    int rc;
    while ((rc = st->step()) == SQLITE_ROW)
        if (core::text::upper(st->column(1).toText()).find("AUTOINCREMENT") == std::string::npos)
            out.push_back(st->column(0).toText());
    if (rc != SQLITE_DONE) return c.lastError(rc);
    return out;
}

}  // namespace

Status Connection::keepRowIdentities(std::string_view schema) {
    auto found = tablesWithoutKeptIdentity(*this, schema);
    if (!found) return found.error();
    if (found->empty()) return {};
    if (Status st = exec("BEGIN IMMEDIATE"); !st) return st;
    auto undo = [&](Status st) {
        (void)exec("ROLLBACK");
        return st;
    };
    // Another station may have made them over while this one waited for the lock.
    found = tablesWithoutKeptIdentity(*this, schema);
    if (!found) return undo(found.error());
    std::string in = dialect::quoteIdent(schema) + ".";
    for (const std::string& name : *found) {
        auto t = table(schema, name);
        if (!t) return undo(error("Cannot read the fields of table '" + name + "'.", code::kNoSuchTable));
        std::string made = name + "~identities";
        std::string cols;
        for (const FieldInfo& f : t->fields) cols += (cols.empty() ? "" : ", ") + dialect::quoteIdent(f.name);
        std::string into = cols, read = cols;
        if (t->counter() < 0) {
            into = dialect::quoteIdent(kRowIdentity) + (cols.empty() ? "" : ", " + cols);
            read = "rowid" + (cols.empty() ? "" : ", " + cols);
        }
        for (const std::string& sql :
             {"CREATE TABLE " + in + dialect::quoteIdent(made) + " " + tableDefinition(t->fields),
              "INSERT INTO " + in + dialect::quoteIdent(made) + " (" + into + ") SELECT " + read + " FROM " + in +
                  dialect::quoteIdent(name) + " ORDER BY rowid",
              "DROP TABLE " + in + dialect::quoteIdent(name),
              "ALTER TABLE " + in + dialect::quoteIdent(made) + " RENAME TO " + dialect::quoteIdent(name)})
            if (Status st = exec(sql); !st) return undo(st);
    }
    if (Status st = exec("COMMIT"); !st) return undo(st);
    return {};
}

}  // namespace detail
}  // namespace pelk::db
