#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/database.h"
#include "platform/db/error.h"

namespace pelk::db {

namespace detail {
class Connection;
}

// One transaction over one or more stores (joined with ATTACH on one connection), so that a
// save or a check-out that writes several rows or stores happens whole or not at all.
//
// While it is open, every write and read of any recordset or Database handle on one of its
// stores goes through it, so screens keep using their own recordsets:
//
//     db::UnitOfWork work;
//     if (auto st = work.begin({zuChkO, zuReserv}); !st) return st;
//     … rsChkO.AddNew() … rsChkO.Update() … rsReserv.Delete() …
//     if (auto st = work.commit(); !st) …   // nothing of it was written
//
// A write that fails inside it spoils it: commit() then rolls everything back and returns
// that first failure. Leaving it without commit() rolls back. One is open at a time.
class UnitOfWork {
public:
    UnitOfWork();
    ~UnitOfWork();
    UnitOfWork(const UnitOfWork&) = delete;
    UnitOfWork& operator=(const UnitOfWork&) = delete;

    // Takes the write lock on every store (within the busy timeout).
    Status begin(const std::vector<std::string>& windowsPaths);
    bool active() const;
    // Whether the store is one of its own.
    bool holds(std::string_view windowsPath) const;
    // A handle on one of its stores, for statements run in it.
    Result<Database> store(std::string_view windowsPath) const;
    Status commit();
    void rollback();
    // The first write that failed inside it, if any.
    const std::optional<Error>& failure() const { return failure_; }

    // Inside the data layer: a write failed in it.
    void noteFailure(const Error& e);
    static UnitOfWork* current();

private:
    friend class Database;
    struct Member {
        std::string key, alias, path;
    };
    const Member* find(const std::string& fileKey) const;
    Status join(const std::vector<std::string>& windowsPaths);

    std::shared_ptr<detail::Connection> conn_;
    std::vector<Member> members_;
    std::optional<Error> failure_;
    bool active_ = false;
};

namespace detail {
// Where a statement on a store runs: its own connection, or the open unit of work's.
struct Route {
    std::shared_ptr<Connection> conn;
    std::string schema;
    UnitOfWork* work = nullptr;
    const std::string& store() const;
};
}  // namespace detail

}  // namespace pelk::db
