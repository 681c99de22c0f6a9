#include "platform/db/unit_of_work.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "platform/core/text.h"
#include "platform/db/catalogue.h"
#include "platform/db/connection.h"
#include "platform/os/paths.h"

namespace pelk::db {

namespace {
thread_local UnitOfWork* tCurrent = nullptr;

// Where a store stands in the one order every unit of work takes its write locks in: the
// catalogue's order of its file name, stores the catalogue does not declare after those.
std::size_t lockRank(std::string_view windowsPath) {
    std::string_view fileName = windowsPath.substr(windowsPath.find_last_of("\\/") + 1);
    const std::vector<StoreDecl>& stores = Catalogue::instance().stores();
    for (std::size_t k = 0; k < stores.size(); ++k)
        if (core::text::equalsNoCase(stores[k].fileName, fileName)) return k;
    return stores.size();
}
}  // namespace

namespace detail {
const std::string& Route::store() const { return conn->storeOf(schema); }
}  // namespace detail

UnitOfWork::UnitOfWork() = default;

UnitOfWork::~UnitOfWork() { rollback(); }

UnitOfWork* UnitOfWork::current() { return tCurrent; }

bool UnitOfWork::active() const { return active_; }

const UnitOfWork::Member* UnitOfWork::find(const std::string& fileKey) const {
    for (const Member& m : members_)
        if (m.key == fileKey) return &m;
    return nullptr;
}

Status UnitOfWork::begin(const std::vector<std::string>& windowsPaths) {
    Status st = join(windowsPaths);
    if (!st) members_.clear();
    return st;
}

Status UnitOfWork::join(const std::vector<std::string>& windowsPaths) {
    if (active_ || tCurrent)
        return Error{windowsPaths.empty() ? "" : windowsPaths.front(), "A unit of work is already open.",
                     code::kTransaction};
    if (windowsPaths.empty()) return Error{"", "A unit of work needs at least one store.", code::kInvalidArgument};
    members_.clear();
    failure_.reset();
    struct Named {
        std::size_t rank;
        std::string key;
        std::filesystem::path file;
        const std::string* path;
    };
    std::vector<Named> named;
    for (const std::string& path : windowsPaths) {
        std::filesystem::path file = os::mapPath(path);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(file, ec))
            return Error{path, "Could not find file '" + path + "'.", code::kFileNotFound};
        named.push_back({lockRank(path), detail::fileKey(file), std::move(file), &path});
    }
    // SQLite takes the write locks store after store in the order they are joined, holding the
    // ones it has while it waits for the next. Two stations naming the same stores in different
    // orders (the folio save, the check-out) would each hold one the other waits for until both
    // are refused; in one order for everyone, the second simply waits for the first to finish.
    std::stable_sort(named.begin(), named.end(),
                     [](const Named& a, const Named& b) { return std::tie(a.rank, a.key) < std::tie(b.rank, b.key); });
    std::shared_ptr<detail::Connection> conn;
    for (const Named& n : named) {
        const std::string& path = *n.path;
        const std::filesystem::path& file = n.file;
        const std::string& key = n.key;
        if (find(key)) continue;
        if (!conn) {
            // The first store is the connection's main file: its super-journal then keeps a
            // commit over several files atomic even if the machine stops half-way.
            auto c = detail::Connection::open(file, path);
            if (!c) return c.error();
            conn = *c;
            members_.push_back({key, "main", path});
            continue;
        }
        std::string alias = "s" + std::to_string(members_.size());
        auto st = conn->prepare("ATTACH DATABASE ?1 AS " + dialect::quoteIdent(alias));
        if (!st) return Error{path, st.error().reason, st.error().code};
        st->bindText(1, file.string());
        if (int rc = st->step(); rc != 101 /* SQLITE_DONE */) {
            Error e = conn->lastError(rc);
            e.store = path;
            return e;
        }
        conn->nameSchema(alias, path);
        if (Status st = conn->keepRowIdentities(alias); !st && st.error().code != code::kReadOnly) return st;
        members_.push_back({key, alias, path});
    }
    // Every store's write lock now, within the busy timeout, so no write half-way through
    // finds a store taken by another station.
    if (Status st = conn->exec("BEGIN IMMEDIATE"); !st) return st;
    conn_ = conn;
    active_ = true;
    tCurrent = this;
    return {};
}

Result<Database> UnitOfWork::store(std::string_view windowsPath) const {
    std::string path(windowsPath);
    if (!active_) return Error{path, "The unit of work is not open.", code::kTransaction};
    const Member* m = find(detail::fileKey(os::mapPath(windowsPath)));
    if (!m) return Error{path, "The store is not part of the unit of work.", code::kInvalidArgument};
    return Database(conn_, m->path, m->alias);
}

void UnitOfWork::noteFailure(const Error& e) {
    if (!failure_) failure_ = e;
}

bool UnitOfWork::holds(std::string_view windowsPath) const {
    return active_ && find(detail::fileKey(os::mapPath(std::string(windowsPath))));
}

Status UnitOfWork::commit() {
    if (!active_) return Error{"", "The unit of work is not open.", code::kTransaction};
    if (failure_) {
        Error e = *failure_;
        rollback();
        return e;
    }
    Status st = conn_->exec("COMMIT");
    if (!st) {
        rollback();
        return st;
    }
    active_ = false;
    tCurrent = nullptr;
    conn_.reset();
    return {};
}

void UnitOfWork::rollback() {
    if (!active_) return;
    (void)conn_->exec("ROLLBACK");
    active_ = false;
    if (tCurrent == this) tCurrent = nullptr;
    conn_.reset();
}

}  // namespace pelk::db
