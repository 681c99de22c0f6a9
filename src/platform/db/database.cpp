#include "platform/db/database.h"

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "platform/db/connection.h"
#include "platform/db/dialect.h"
#include "platform/db/unit_of_work.h"
#include "platform/os/paths.h"

namespace pelk::db {

namespace fs = std::filesystem;

namespace {

// Handles to one file share its connection while any of them lives.
std::map<std::string, std::weak_ptr<detail::Connection>>& pool() {
    static std::map<std::string, std::weak_ptr<detail::Connection>> p;
    return p;
}
std::mutex& poolLock() {
    static std::mutex m;
    return m;
}

Error withStore(Error e, const std::string& store) {
    if (e.store.empty()) e.store = store;
    return e;
}

}  // namespace

Database::Database(std::shared_ptr<detail::Connection> c, std::string path, std::string schema)
    : conn_(std::move(c)), path_(std::move(path)), schema_(std::move(schema)) {}

Result<Database> Database::open(std::string_view windowsPath) {
    std::string path(windowsPath);
    fs::path file = os::mapPath(windowsPath);
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return Error{path, "Could not find file '" + path + "'.", code::kFileNotFound};
    std::string key = detail::fileKey(file);
    std::lock_guard<std::mutex> lock(poolLock());
    auto& p = pool();
    if (auto it = p.find(key); it != p.end()) {
        if (auto c = it->second.lock()) return Database(c, path, "main");
    }
    auto c = detail::Connection::open(file, path);
    if (!c) return c.error();
    p[key] = *c;
    for (auto it = p.begin(); it != p.end();) it = it->second.expired() ? p.erase(it) : std::next(it);
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
        return Error{
            r.store(),
            "The Microsoft Jet database engine cannot find the input table or query '" + std::string(table) + "'.",
            code::kNoSuchTable};
    return t->fields;
}

Status renewFromTemplate(std::string_view liveWindowsPath, std::string_view templateWindowsPath) {
    std::string live(liveWindowsPath), tmpl(templateWindowsPath);
    fs::path tfile = os::mapPath(tmpl);
    std::error_code ec;
    if (!fs::is_regular_file(tfile, ec)) return Error{tmpl, "Could not find file '" + tmpl + "'.", code::kFileNotFound};
    auto src = detail::Connection::open(tfile, tmpl, detail::Connection::Mode::ReadOnly);
    if (!src) return src.error();
    auto dst = detail::Connection::open(os::mapPath(live), live, detail::Connection::Mode::Create);
    if (!dst) return dst.error();

    sqlite3_backup* b = sqlite3_backup_init((*dst)->handle(), "main", (*src)->handle(), "main");
    if (!b) return (*dst)->lastError(sqlite3_errcode((*dst)->handle()));
    // One step copies every page in one write transaction on the live file: the readers of
    // other stations see the old store or the blank one, never half of each.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(busyTimeout());
    int rc;
    while (true) {
        rc = sqlite3_backup_step(b, -1);
        if (rc == SQLITE_DONE) break;
        bool busy = rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
        if (!busy || std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    sqlite3_backup_finish(b);
    if (rc != SQLITE_DONE) return detail::mapError(rc, sqlite3_errstr(rc), live);
    return {};
}

}  // namespace pelk::db
