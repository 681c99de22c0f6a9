#include "platform/db/catalogue.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/core/text.h"
#include "platform/db/connection.h"
#include "platform/db/dialect.h"
#include "platform/os/files.h"

namespace pelk::db {

namespace fs = std::filesystem;
using core::text::equalsNoCase;

namespace {

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
    std::string sql = "CREATE TABLE main." + dialect::quoteIdent(t.name) + " (";
    for (std::size_t k = 0; k < t.fields.size(); ++k) sql += (k ? ", " : "") + columnDefinition(t.fields[k]);
    if (Status st = c.exec(sql + ")"); !st) return st;
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

// Adds the tables the store lacks, in one transaction: two stations starting together add
// each table once.
Status addMissingTables(detail::Connection& c, const StoreDecl& decl) {
    bool missing = false;
    for (const TableDecl& t : decl.tables) missing = missing || !c.table("main", t.name);
    if (!missing) return {};
    if (Status st = c.exec("BEGIN IMMEDIATE"); !st) return st;
    for (const TableDecl& t : decl.tables) {
        if (c.table("main", t.name)) continue;
        if (Status st = createTable(c, t); !st) {
            (void)c.exec("ROLLBACK");
            return st;
        }
    }
    if (Status st = c.exec("COMMIT"); !st) {
        (void)c.exec("ROLLBACK");
        return st;
    }
    return {};
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
        } else if (same->firstRows.empty()) {
            same->firstRows = std::move(t.firstRows);
        }
    }
    existing->blankTemplate = existing->blankTemplate || store.blankTemplate;
    return {};
}

Status ensureStore(std::string_view windowsPath, const StoreDecl& decl) {
    std::string path(windowsPath);
    for (const TableDecl& t : decl.tables)
        if (Status st = checkTable(path, t); !st) return st;
    fs::path file = os::mapPath(windowsPath);
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        os::makeFolders(file.parent_path());
        std::random_device rd;
        fs::path tmp = file;
        tmp += ".new-" + std::to_string(::getpid()) + "-" + std::to_string(rd());
        {
            auto c = detail::Connection::open(tmp, path, detail::Connection::Mode::Create);
            if (!c) {
                fs::remove(tmp, ec);
                return c.error();
            }
            // Private before a row is written (the journal takes the store's mode).
            os::makeFilePrivate(tmp);
            Status st = (*c)->exec("BEGIN IMMEDIATE");
            for (std::size_t k = 0; st && k < decl.tables.size(); ++k) st = createTable(**c, decl.tables[k]);
            if (st) st = (*c)->exec("COMMIT");
            if (!st) {
                c->reset();
                fs::remove(tmp, ec);
                return st;
            }
        }
        // A link never replaces a store another station has just made.
        if (::link(tmp.c_str(), file.c_str()) != 0) {
            int err = errno;
            if (err != EEXIST) {
                // A share without hard links: put it in place unless it appeared meanwhile.
                if (!fs::exists(file, ec)) fs::rename(tmp, file, ec);
                if (ec || !fs::exists(file)) {
                    fs::remove(tmp, ec);
                    return Error{path, "Could not create the store (" + std::string(std::strerror(err)) + ").",
                                 code::kIo};
                }
            }
        }
        fs::remove(tmp, ec);
    }
    auto c = detail::Connection::open(file, path);
    if (!c) return c.error();
    return addMissingTables(**c, decl);
}

std::vector<Error> Catalogue::ensureStores(std::string_view folder) const {
    std::vector<Error> errors;
    for (const StoreDecl& s : stores_) {
        if (Status st = ensureStore(os::joinPath(folder, s.fileName), s); !st) errors.push_back(st.error());
        if (s.blankTemplate) {
            StoreDecl blank = s;
            blank.fileName = "Vy" + s.fileName;
            if (Status st = ensureStore(os::joinPath(folder, blank.fileName), blank); !st) errors.push_back(st.error());
        }
    }
    return errors;
}

}  // namespace pelk::db
