#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/error.h"
#include "platform/db/field.h"

namespace pelk::db {

class Recordset;
class UnitOfWork;
namespace detail {
class Connection;
struct Route;
extern std::atomic<std::uint64_t> gActions;
}  // namespace detail

// The clerk's actions (a click, a key, a timer tick, DoEvents), counted by the form runtime as
// they begin, and this station's own writes, counted by the data layer. Rows a recordset reads
// are held until the next one and read afresh after it, so other stations' writes show at the
// clerk's next action, and this station's at once, without a read per row per look.
void noteAction();
// Asked for each field a screen shows: read where it is asked.
inline std::uint64_t actionCount() { return detail::gActions.load(std::memory_order_relaxed); }

// How long a station waits for another one's lock before a write or read gives up.
inline constexpr int kDefaultBusyTimeoutMs = 10000;
void setBusyTimeout(int milliseconds);
int busyTimeout();

// An open store (an SQLite file keeping its historic name, `ZuReserv.mdb`), reached by its
// Windows path. Copies share one connection; handles to the same file share it too.
class Database {
public:
    // Opens an existing store; a missing file is the legacy "Could not find file" (3024).
    static Result<Database> open(std::string_view windowsPath);

    const std::string& path() const { return path_; }

    // A table name or a SELECT in the legacy dialect.
    Result<Recordset> openRecordset(std::string_view source) const;
    // DELETE, INSERT INTO, UPDATE … SET, CREATE TABLE, DROP TABLE in the legacy dialect; the
    // number of rows written. Each statement is atomic; inside a unit of work it is part of it.
    Result<long long> execute(std::string_view jetSql) const;

    std::vector<std::string> tableNames() const;
    bool hasTable(std::string_view table) const;
    Result<std::vector<FieldInfo>> fields(std::string_view table) const;

private:
    friend class Recordset;
    friend class UnitOfWork;
    friend class Catalogue;
    Database(std::shared_ptr<detail::Connection> c, std::string path, std::string schema);
    // The connection and schema a statement runs on now: the open unit of work's when it
    // holds this store, else this handle's own.
    detail::Route route() const;

    std::shared_ptr<detail::Connection> conn_;
    std::string path_;
    std::string schema_ = "main";
};

// Renews a store from its blank template (`VyTcd.mdb` over `Tcd.mdb`) with SQLite's online
// backup, page by page inside one write transaction on the live file: stations holding it
// open keep valid connections and see the blank store; a missing template or any failure
// leaves the live store as it was and returns the reason.
Status renewFromTemplate(std::string_view liveWindowsPath, std::string_view templateWindowsPath);

}  // namespace pelk::db
