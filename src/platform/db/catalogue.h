#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/value.h"
#include "platform/db/error.h"
#include "platform/db/field.h"
#include "platform/os/paths.h"

namespace pelk::db {

// A row a table starts with, field by field; fields left out are Null (an automatic number
// left out is numbered).
using FirstRow = std::vector<std::pair<std::string, core::Value>>;

// The fields of one look-up key, in order: {"szDate_da", "szID_no"}.
using IndexDecl = std::vector<std::string>;

struct TableDecl {
    std::string name;
    std::vector<FieldDecl> fields;
    std::vector<FirstRow> firstRows;
    // The keys the screens look rows up by and order them by, one line per table:
    //     t.indexes = {{"szID_no"}, {"szDate_da", "szID_no"}};
    // made by ensureStores on a store that lacks them. A table without keys leaves them out of
    // its declaration.
    std::vector<IndexDecl> indexes = {};
};

struct StoreDecl {
    std::string fileName;  // "ZuReserv.mdb"
    std::vector<TableDecl> tables;
    // Also keep the blank template "Vy" + fileName (same tables and first rows), from which
    // the store is renewed.
    bool blankTemplate = false;
};

// Every store the program keeps, as the subsystems declare them from their registration
// functions (not from static initialisers). Declaring a store twice adds its tables.
class Catalogue {
public:
    static Catalogue& instance();

    Status declare(StoreDecl store);
    const std::vector<StoreDecl>& stores() const { return stores_; }
    const StoreDecl* find(std::string_view fileName) const;
    void clear() { stores_.clear(); }

    // Creates in `folder` every declared store and blank template that is missing, and adds
    // the declared tables that a store lacks. Every failure is returned; the others go on.
    // `madeAnew`, when given, receives the file names of the stores made anew (see ensureStore),
    // in the catalogue's order; blank templates hold no data and are not listed.
    std::vector<Error> ensureStores(std::string_view folder = os::kProgramFolder,
                                    std::vector<std::string>* madeAnew = nullptr) const;

private:
    std::vector<StoreDecl> stores_;
};

// One store at a Windows path: made whole (under a temporary name, then put in place, so
// another station never opens half a store) when missing; missing tables and indexes added
// otherwise. `madeAnew`, when given, is set when this call made the store or gave it every one
// of its declared tables (a file of no bytes, or one holding none of them): whatever the store
// held before is not in it.
Status ensureStore(std::string_view windowsPath, const StoreDecl& decl, bool* madeAnew = nullptr);

}  // namespace pelk::db
