#include "platform/db/catalogue.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <system_error>
#include <thread>

#include "platform/core/text.h"
#include "platform/db/connection.h"
#include "platform/db/dialect.h"
#include "platform/os/files.h"

namespace pelk::db {

namespace fs = std::filesystem;
using core::text::equalsNoCase;

namespace detail {

std::string indexName(const TableDecl& t, const IndexDecl& index) {
    std::string name = t.name + " by";
    for (const std::string& f : index) name += " " + f;
    return name;
}

Status createIndexes(detail::Connection& c, const TableDecl& t) {
    for (const IndexDecl& index : t.indexes) {
        std::string sql = "CREATE INDEX IF NOT EXISTS main." + dialect::quoteIdent(indexName(t, index)) + " ON " +
                          dialect::quoteIdent(t.name) + " (";
        for (std::size_t k = 0; k < index.size(); ++k) sql += (k ? ", " : "") + dialect::quoteIdent(index[k]);
        if (Status st = c.exec(sql + ")"); !st) return st;
    }
    return {};
}

}  // namespace detail

namespace {

using detail::createIndexes;
using detail::indexName;

bool sameFields(const TableDecl& a, const TableDecl& b) {
    if (a.fields.size() != b.fields.size()) return false;
    for (std::size_t k = 0; k < a.fields.size(); ++k) {
        const FieldDecl &x = a.fields[k], &y = b.fields[k];
        if (!equalsNoCase(x.name, y.name) || x.kind != y.kind || x.size != y.size || x.required != y.required)
            return false;
    }
    return true;
}

Status checkTable(const std::string& store, const TableDecl& t) {
    int counters = 0;
    for (std::size_t k = 0; k < t.fields.size(); ++k) {
        if (t.fields[k].kind == Kind::Counter) ++counters;
        for (std::size_t j = 0; j < k; ++j)
            if (equalsNoCase(t.fields[j].name, t.fields[k].name))
                return Error{store, "Field '" + t.fields[k].name + "' is declared twice in table '" + t.name + "'.",
                             code::kAlreadyExists};
    }
    for (const IndexDecl& index : t.indexes) {
        if (index.empty())
            return Error{store, "An index of table '" + t.name + "' names no field.", code::kInvalidArgument};
        for (const std::string& name : index)
            if (std::none_of(t.fields.begin(), t.fields.end(),
                             [&](const FieldDecl& f) { return equalsNoCase(f.name, name); }))
                return Error{store, "An index of table '" + t.name + "' names unknown field '" + name + "'.",
                             code::kNotFoundInCollection};
    }
    if (counters > 1)
        return Error{store, "Table '" + t.name + "' declares more than one automatic number.", code::kInvalidArgument};
    for (const FirstRow& row : t.firstRows)
        for (const auto& [name, value] : row) {
            bool known = false;
            for (const FieldDecl& f : t.fields) known = known || equalsNoCase(f.name, name);
            if (!known)
                return Error{store, "First row of table '" + t.name + "' names unknown field '" + name + "'.",
                             code::kNotFoundInCollection};
        }
    return {};
}

Status createTable(detail::Connection& c, const TableDecl& t) {
    if (Status st = c.exec("CREATE TABLE main." + dialect::quoteIdent(t.name) + " " + tableDefinition(t.fields)); !st)
        return st;
    for (const FirstRow& row : t.firstRows) {
        std::string names, marks;
        std::vector<core::Value> values;
        for (const auto& [name, value] : row) {
            const FieldDecl* f = nullptr;
            for (const FieldDecl& d : t.fields)
                if (equalsNoCase(d.name, name)) f = &d;
            auto stored = storage::toStored(*f, value);
            if (!stored)
                return Error{c.store(), "First row of table '" + t.name + "': " + stored.error().reason,
                             stored.error().code};
            names += (values.empty() ? "" : ", ") + dialect::quoteIdent(f->name);
            marks += values.empty() ? "?" : ", ?";
            values.push_back(std::move(*stored));
        }
        std::string ins = "INSERT INTO main." + dialect::quoteIdent(t.name) +
                          (values.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + marks + ")");
        auto st = c.prepare(ins);
        if (!st) return st.error();
        for (std::size_t k = 0; k < values.size(); ++k) st->bind(static_cast<int>(k + 1), values[k]);
        if (int rc = st->step(); rc != 101 /* SQLITE_DONE */) {
            Error e = c.lastError(rc);
            e.reason = "First row of table '" + t.name + "': " + e.reason;
            return e;
        }
    }
    return {};
}

// Adds the tables and indexes the store lacks, in one transaction: two stations starting
// together add each once. Every start looks at every store, so what is there is read in one
// pass over the schema rather than a question per table and per index. `addedEvery` tells
// whether it added every declared table, which a store that held data never lacks.
Status addMissingTables(detail::Connection& c, const StoreDecl& decl, bool& addedEvery) {
    addedEvery = false;
    std::vector<std::string> present;  // "table name" / "index name", lower case
    {
        auto st = c.prepare("SELECT type, name FROM main.sqlite_master WHERE type IN ('table', 'index')");
        if (!st) return st.error();
        int rc;
        while ((rc = st->step()) == 100 /* SQLITE_ROW */)
            present.push_back(st->column(0).toText() + " " + core::text::lower(st->column(1).toText()));
        if (rc != 101 /* SQLITE_DONE */) return c.lastError(rc);
    }
    auto has = [&](std::string_view type, const std::string& name) {
        return std::find(present.begin(), present.end(), std::string(type) + " " + core::text::lower(name)) !=
               present.end();
    };
    bool missing = false;
    for (const TableDecl& t : decl.tables) {
        missing = missing || !has("table", t.name);
        for (const IndexDecl& index : t.indexes) missing = missing || !has("index", indexName(t, index));
    }
    if (!missing) return {};
    if (Status st = c.exec("BEGIN IMMEDIATE"); !st) return st;
    std::size_t added = 0;
    for (const TableDecl& t : decl.tables) {
        Status st;
        if (!c.table("main", t.name)) {
            st = createTable(c, t);
            ++added;
        }
        if (st) st = createIndexes(c, t);
        if (!st) {
            (void)c.exec("ROLLBACK");
            return st;
        }
    }
    if (Status st = c.exec("COMMIT"); !st) {
        (void)c.exec("ROLLBACK");
        return st;
    }
    addedEvery = added > 0 && added == decl.tables.size();
    return {};
}

// Every start looks at every store. A store this build has already looked at carries the
// fingerprint of its declaration in its header (SQLite's user version), read without parsing its
// schema; only a store that lacks it (made or last looked at by another build, renewed from an
// older template, new) has its tables, indexes and row identities checked. Bump the scheme when
// what a look makes of a store changes without a declaration changing.
constexpr std::string_view kLookScheme = "identities 1";

std::int32_t fingerprintOf(const StoreDecl& decl) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    auto mix = [&](std::string_view text) {
        for (unsigned char ch : text) {
            h ^= static_cast<unsigned char>(std::tolower(ch));
            h *= 16777619u;
        }
        h ^= 0xff;  // keeps "ab","c" apart from "a","bc"
        h *= 16777619u;
    };
    mix(kLookScheme);
    for (const TableDecl& t : decl.tables) {
        mix(t.name);
        for (const FieldDecl& f : t.fields) {
            mix(f.name);
            mix(std::to_string(static_cast<int>(f.kind)) + "/" + std::to_string(f.size) + (f.required ? "/r" : ""));
        }
        for (const IndexDecl& index : t.indexes) {
            mix("index");
            for (const std::string& name : index) mix(name);
        }
    }
    std::int32_t mark = static_cast<std::int32_t>(h & 0x7fffffff);
    return mark ? mark : 1;
}

// The fingerprint in a store file's header (the user version is its bytes 60 to 63,
// big-endian); 0 when it has none or is no store.
std::int32_t headerFingerprint(const fs::path& file) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    unsigned char header[100];
    ssize_t got = ::pread(fd, header, sizeof header, 0);
    ::close(fd);
    static constexpr char kMagic[] = "SQLite format 3";  // with its closing zero: 16 bytes
    if (got != static_cast<ssize_t>(sizeof header) || std::memcmp(header, kMagic, sizeof kMagic) != 0) return 0;
    return static_cast<std::int32_t>((std::uint32_t{header[60]} << 24) | (std::uint32_t{header[61]} << 16) |
                                     (std::uint32_t{header[62]} << 8) | std::uint32_t{header[63]});
}

// The fingerprint the store carries; 0 when it has none or cannot be read.
std::int32_t fingerprintIn(const fs::path& file, const std::string& path) {
    // Read straight from the file's header: a start looks at some thirty stores, and opening each
    // through the engine is most of the cost. A store with a journal or a write-ahead log beside
    // it may differ from its file, so the engine reads that one.
    std::error_code ec, ecWal;
    fs::path journal = file, wal = file;
    journal += "-journal";
    wal += "-wal";
    if (!fs::exists(journal, ec) && !ec && !fs::exists(wal, ecWal) && !ecWal) return headerFingerprint(file);
    auto c = detail::Connection::open(file, path, detail::Connection::Mode::ReadOnly);
    if (!c) return 0;
    auto st = (*c)->prepare("PRAGMA main.user_version");
    return st && st->step() == 100 /* SQLITE_ROW */ ? static_cast<std::int32_t>(st->columnInt(0)) : 0;
}

// A store being made is called "<name>.mdb.making-<machine>-<process>-<n>" until it is whole.
constexpr std::string_view kMaking = ".making-";

std::string hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || !name[0]) return "station";
    std::string out(name);
    for (char& ch : out)
        if (ch == '-' || ch == '/' || ch == '\\') ch = '_';
    return out;
}

Status syncFile(const fs::path& file, const std::string& store) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        int err = errno;
        if (fd >= 0) ::close(fd);
        return Error{store, "Could not create the store (" + std::string(std::strerror(err)) + ").", code::kIo};
    }
    ::close(fd);
    return {};
}

// What a start killed half-way through making a store left behind: removed once its maker is
// gone (a process of this machine that no longer runs; another machine's after an hour).
void removeUnfinishedStores(const fs::path& folder) {
    std::error_code ec;
    std::string host = hostName();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::string maker;  // machine-process-n[-journal]
        if (auto at = name.find(kMaking); at != std::string::npos) {
            maker = name.substr(at + kMaking.size());
        } else if (auto old = name.find(".mdb.new-"); old != std::string::npos) {
            maker = host + "-" + name.substr(old + 9);  // earlier builds named them by process alone
        } else {
            continue;
        }
        auto dash = maker.find('-');
        bool gone;
        if (dash != std::string::npos && maker.substr(0, dash) == host) {
            pid_t pid = static_cast<pid_t>(std::atol(maker.c_str() + dash + 1));
            gone = pid <= 0 || (::kill(pid, 0) != 0 && errno == ESRCH);
        } else {
            auto age = fs::file_time_type::clock::now() - fs::last_write_time(it->path(), ec);
            gone = !ec && age > std::chrono::hours(1);
        }
        if (gone) fs::remove(it->path(), ec);
        ec.clear();
    }
}

}  // namespace

Catalogue& Catalogue::instance() {
    static Catalogue c;
    return c;
}

const StoreDecl* Catalogue::find(std::string_view fileName) const {
    for (const StoreDecl& s : stores_)
        if (equalsNoCase(s.fileName, fileName)) return &s;
    return nullptr;
}

Status Catalogue::declare(StoreDecl store) {
    for (const TableDecl& t : store.tables)
        if (Status st = checkTable(store.fileName, t); !st) return st;
    StoreDecl* existing = nullptr;
    for (StoreDecl& s : stores_)
        if (equalsNoCase(s.fileName, store.fileName)) existing = &s;
    if (!existing) {
        stores_.push_back(std::move(store));
        return {};
    }
    for (TableDecl& t : store.tables) {
        TableDecl* same = nullptr;
        for (TableDecl& e : existing->tables)
            if (equalsNoCase(e.name, t.name)) same = &e;
        if (!same) {
            existing->tables.push_back(std::move(t));
        } else if (!sameFields(*same, t)) {
            return Error{store.fileName, "Table '" + t.name + "' is declared twice with different fields.",
                         code::kAlreadyExists};
        } else {
            if (same->firstRows.empty()) same->firstRows = std::move(t.firstRows);
            for (IndexDecl& index : t.indexes)
                if (std::find(same->indexes.begin(), same->indexes.end(), index) == same->indexes.end())
                    same->indexes.push_back(std::move(index));
        }
    }
    existing->blankTemplate = existing->blankTemplate || store.blankTemplate;
    return {};
}

namespace {
// The store files of a folder, read once for all of its stores: their names as they are spelled,
// under their names in lower case.
class FolderListing {
public:
    explicit FolderListing(const fs::path& dir) : dir_(dir) {
        std::error_code ec;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            std::string name = it->path().filename().string();
            names_.emplace(core::text::lower(name), name);
        }
    }
    // The store is there, alone (no journal or log beside it that the engine must read), and its
    // header carries the mark of this declaration: nothing to make or add.
    bool isCurrent(const StoreDecl& decl, std::string_view fileName) const {
        std::string key = core::text::lower(fileName);
        if (names_.count(key + "-journal") || names_.count(key + "-wal")) return false;
        // The exact spelling wins, as a mapped path finds it.
        auto [first, last] = names_.equal_range(key);
        std::string name;
        for (auto it = first; it != last; ++it)
            if (name.empty() || it->second == fileName) name = it->second;
        if (name.empty()) return false;
        std::error_code ec;
        fs::path file = dir_ / name;
        return fs::is_regular_file(file, ec) && headerFingerprint(file) == fingerprintOf(decl);
    }

private:
    fs::path dir_;
    std::multimap<std::string, std::string> names_;
};
}  // namespace

Status ensureStore(std::string_view windowsPath, const StoreDecl& decl, bool* madeAnew) {
    if (madeAnew) *madeAnew = false;
    std::string path(windowsPath);
    for (const TableDecl& t : decl.tables)
        if (Status st = checkTable(path, t); !st) return st;
    fs::path file = os::mapPath(windowsPath);
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        os::makeFolders(file.parent_path());
        fs::path tmp = file;
        tmp += std::string(kMaking) + hostName() + "-" + std::to_string(::getpid()) + "-" +
               std::to_string(std::random_device{}());
        {
            auto c = detail::Connection::open(tmp, path, detail::Connection::Mode::Create);
            if (!c) {
                fs::remove(tmp, ec);
                return c.error();
            }
            // Nobody else sees the file before it is whole, so it needs no journal and no sync
            // per step: one sync of the finished file, before it takes its name.
            // Private before a row is written.
            os::makeFilePrivate(tmp);
            Status st = (*c)->exec("PRAGMA journal_mode=OFF");
            if (st) st = (*c)->exec("PRAGMA synchronous=OFF");
            if (st) st = (*c)->exec("BEGIN IMMEDIATE");
            for (std::size_t k = 0; st && k < decl.tables.size(); ++k) {
                st = createTable(**c, decl.tables[k]);
                if (st) st = createIndexes(**c, decl.tables[k]);
            }
            if (st) st = (*c)->exec("PRAGMA main.user_version = " + std::to_string(fingerprintOf(decl)));
            if (st) st = (*c)->exec("COMMIT");
            c->reset();
            if (st) st = syncFile(tmp, path);
            if (!st) {
                fs::remove(tmp, ec);
                return st;
            }
        }
        // A link never replaces a store another station has just made.
        bool ours = true;
        if (::link(tmp.c_str(), file.c_str()) != 0) {
            int err = errno;
            ours = false;
            if (err != EEXIST) {
                // A share without hard links: put it in place unless it appeared meanwhile.
                if (!fs::exists(file, ec)) {
                    fs::rename(tmp, file, ec);
                    ours = !ec;
                }
                if (ec || !fs::exists(file)) {
                    fs::remove(tmp, ec);
                    return Error{path, "Could not create the store (" + std::string(std::strerror(err)) + ").",
                                 code::kIo};
                }
            }
        }
        fs::remove(tmp, ec);
        // Made here, whole and marked: nothing to look at. One another station made meanwhile is.
        if (ours) {
            if (madeAnew) *madeAnew = true;
            return {};
        }
    }
    std::int32_t mark = fingerprintOf(decl);
    if (fingerprintIn(file, path) == mark) return {};
    auto c = detail::Connection::open(file, path);
    if (!c) return c.error();
    bool addedEvery = false;
    if (Status st = addMissingTables(**c, decl, addedEvery); !st) return st;
    if (madeAnew) *madeAnew = addedEvery;
    // A store on a medium that cannot be written is used as it is, and looked at again next time.
    if (Status st = (*c)->exec("PRAGMA main.user_version = " + std::to_string(mark));
        !st && st.error().code != code::kReadOnly)
        return st;
    return {};
}

std::vector<Error> Catalogue::ensureStores(std::string_view folder, std::vector<std::string>* madeAnew) const {
    fs::path dir = os::mapPath(folder);
    removeUnfinishedStores(dir);
    // Every store and every blank template ("Vy" and its name), each under its file's name.
    struct Made {
        const StoreDecl* decl;
        std::string fileName;
    };
    std::vector<Made> decls;
    for (const StoreDecl& s : stores_) {
        decls.push_back({&s, s.fileName});
        if (s.blankTemplate) decls.push_back({&s, "Vy" + s.fileName});
    }
    // Most starts find every store made and marked: that is read from the file headers at once,
    // without threads (each costs more to start than the look at a header).
    std::vector<std::optional<Error>> failed(decls.size());
    std::vector<char> anew(decls.size(), 0);  // not vector<bool>: the threads write side by side
    std::vector<std::size_t> left;
    FolderListing listing(dir);
    for (std::size_t k = 0; k < decls.size(); ++k)
        if (!listing.isCurrent(*decls[k].decl, decls[k].fileName)) left.push_back(k);
    // Each store is a file of its own with a connection of its own, so the others are made or
    // mended side by side: a first start makes some thirty of them, and the clerk waits for all.
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i; (i = next++) < left.size();) {
            std::size_t k = left[i];
            bool made = false;
            if (Status st = ensureStore(os::joinPath(folder, decls[k].fileName), *decls[k].decl, &made); !st)
                failed[k] = st.error();
            anew[k] = made;
        }
    };
    std::size_t helpers = std::min<std::size_t>(3, left.size() > 1 ? left.size() - 1 : 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < helpers; ++t) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // no thread to be had: this one does the rest
        }
    }
    work();
    for (std::thread& t : threads) t.join();
    if (madeAnew)
        for (std::size_t k = 0; k < decls.size(); ++k)
            if (anew[k] && decls[k].fileName == decls[k].decl->fileName) madeAnew->push_back(decls[k].fileName);
    std::vector<Error> errors;
    for (auto& e : failed)
        if (e) errors.push_back(std::move(*e));
    return errors;
}

}  // namespace pelk::db
