#pragma once

// Inside the data layer only: one SQLite connection and what it knows.

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sqlite3.h>

#include "platform/core/value.h"
#include "platform/db/dialect.h"
#include "platform/db/error.h"

namespace pelk::db {
struct TableDecl;
}

namespace pelk::db::detail {

class Connection;

// A prepared statement in use. It is reset when released, so no statement keeps a lock on
// the file between calls: other stations must be able to write as soon as we are done.
class Stmt {
public:
    Stmt() = default;
    Stmt(Connection* c, sqlite3_stmt* s, bool cached) : conn_(c), s_(s), cached_(cached) {}
    Stmt(Stmt&& o) noexcept { *this = std::move(o); }
    Stmt& operator=(Stmt&& o) noexcept;
    ~Stmt();

    void bind(int index1, const core::Value& stored);
    void bindInt(int index1, std::int64_t v);
    void bindText(int index1, std::string_view v);
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int step();
    void reset();  // for running it again with new values
    int columns() const;
    core::Value column(int index0) const;                 // Null, long, double or text, as stored
    // The same, reusing out's text room. Inline: a walk reads every field of every row by it.
    void columnInto(int index0, core::Value& out) const {
        // Through the column's value: the column calls each check the connection's error state,
        // and a walk makes three of them for every field of every row.
        sqlite3_value* v = sqlite3_column_value(s_, index0);
        switch (sqlite3_value_type(v)) {
            case SQLITE_NULL:
                out = core::Value{};
                return;
            case SQLITE_INTEGER:
                out = core::Value{static_cast<std::int64_t>(sqlite3_value_int64(v))};
                return;
            case SQLITE_FLOAT:
                out = core::Value{sqlite3_value_double(v)};
                return;
            default: {
                const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
                out.assignText(std::string_view(t ? t : "", static_cast<std::size_t>(sqlite3_value_bytes(v))));
            }
        }
    }
    std::int64_t columnInt(int index0) const;
    sqlite3_stmt* get() const { return s_; }

private:
    Connection* conn_ = nullptr;
    sqlite3_stmt* s_ = nullptr;
    bool cached_ = false;
};

class Connection {
public:
    enum class Mode { ReadWrite, ReadOnly, Create };

    // Opens a store file: rollback journal (never WAL: stations share files over a network
    // share), the busy timeout, our SQL functions, no double-quoted texts taken for names.
    static Result<std::shared_ptr<Connection>> open(const std::filesystem::path& file, std::string store,
                                                    Mode mode = Mode::ReadWrite);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return db_; }
    const std::string& store() const { return store_; }
    const std::string& fileKey() const { return key_; }

    // The failure of the last call on this connection, in the legacy engine's words.
    Error lastError(int rc) const;
    Error error(std::string reason, int code) const { return Error{store_, std::move(reason), code}; }

    // `keep`: a statement this connection runs again and again (a row by its rowid), kept
    // prepared; criteria and one-off statements are not.
    Result<Stmt> prepare(std::string_view sql, bool keep = false);
    Status exec(std::string_view sql);  // statements without rows
    Status execKept(std::string_view sql);  // the same, its statement kept for the next time
    // The attached store an alias stands for, for errors met there.
    void nameSchema(const std::string& alias, std::string store) { schemaStores_[alias] = std::move(store); }
    const std::string& storeOf(std::string_view schema) const;

    std::optional<dialect::TableInfo> table(std::string_view schema, std::string_view name);
    // Tables made by earlier builds, whose rows SQLite numbered by their plain rowid, are made
    // over with the hidden identity (see tableDefinition), every row and its identity kept,
    // in one transaction: from then on no identity is given twice.
    Status keepRowIdentities(std::string_view schema);
    std::vector<std::string> tableNames(std::string_view schema);

    // The room of a window of rows that a recordset of this store let go, for the next one
    // to read into; at most one window's worth is kept.
    std::vector<std::vector<core::Value>> spareRows;

    // Busy-handler bookkeeping: when the current wait for a lock began.
    std::chrono::steady_clock::time_point busySince;

private:
    Connection() = default;
    void release(sqlite3_stmt* s, bool cached);
    Status run(Result<Stmt> st);
    friend class Stmt;

    static constexpr std::size_t kKeptStatements = 64;
    sqlite3* db_ = nullptr;
    std::string store_, key_;
    std::map<std::string, sqlite3_stmt*, std::less<>> cache_;
    std::map<sqlite3_stmt*, bool> inUse_;
    std::map<std::string, std::string, std::less<>> schemaStores_;
    struct Cached {
        std::int64_t version = -1;
        std::map<std::string, dialect::TableInfo> tables;
    };
    std::map<std::string, Cached, std::less<>> schemaCache_;
};

// The declared look-up keys of a table, made where the store lacks them (catalogue.cpp).
Status createIndexes(Connection& c, const TableDecl& t);

// Maps an SQLite failure onto the legacy engine's number and words.
Error mapError(int rc, std::string_view message, const std::string& store);

// The Schema the translator reads, over one schema of a connection.
class ConnectionSchema : public dialect::Schema {
public:
    ConnectionSchema(Connection& c, std::string schema) : c_(c), schema_(std::move(schema)) {}
    std::optional<dialect::TableInfo> table(std::string_view name) override { return c_.table(schema_, name); }

private:
    Connection& c_;
    std::string schema_;
};

// Where the filesystem path of a store leads, spelled one way for every caller.
std::string fileKey(const std::filesystem::path& file);

int busyTimeoutMs();

}  // namespace pelk::db::detail
