// The settings stores as a new station has them, with every field their readers name.

#include "settings/stores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/os/station.h"
#include "support/screens.h"

namespace pelk::settings {
namespace {

class SettingsStores : public test::ScreenTest {};

TEST_F(SettingsStores, DeclareCleanlyAndHoldEveryFieldTheirReadersName) {
    db::Catalogue& catalogue = db::Catalogue::instance();
    catalogue.clear();
    EXPECT_TRUE(catalogue.declare(stationStore()).ok());
    EXPECT_TRUE(catalogue.declare(menuSettingsStore()).ok());

    struct Table {
        const char *store, *table;
        std::vector<std::string> fields;
    };
    std::vector<Table> tables = {
        {"DOZA98.mdb",
         "tbSet",
         {"ID",          "SetC",     "SetP",    "SetO",    "setL",    "Tax",         "TaxFed",
          "Tax1",        "TaxFed1",  "Tax2",    "TaxFed2", "SetB",    "SetM",        "Plan",
          "szSort",      "cmdEtoC",  "setF",    "szMsg",   "KB",      "szSectnAuto", "szSize1",
          "szSize2",     "szSize3",  "Port",    "szType",  "szPath1", "Port2",       "szType2",
          "szPath2",     "chkPtr2",  "Port3",   "szType3", "szPath3", "chkPtr3",     "Port4",
          "szType4",     "szPath4",  "chkPtr4", "Port5",   "szType5", "szPath5",     "chkPtr5",
          "szScrnA",     "szScrnB",  "szScrnD", "szScrnS", "Port6",   "ecd",         "SetCpyName_bmp",
          "SetLogo_bmp", "szMsg_run"}},
        {"DOZA98.mdb", "tbReset", {"Reset_txt"}},
        {"DOZA98.mdb", "tabPword", {"ItmDeSecl"}},
        {"DOZA98.mdb", "tblRooms", {"ID1", "R1", "R2", "R3", "R4", "R5", "R6", "R7"}},
        {"ZuBak.mdb",
         "tbSetInfor",
         {"Line1", "Line2", "Line3", "Notes", "Notes1", "Notes2", "Notes3", "Notes4", "Notes5", "szRA", "szRB", "szRC",
          "szRD", "szMA", "szMB", "szRPty"}},
    };
    Table tel{"DOZA98.mdb", "tbTel", {}}, freePop{"ZuBak.mdb", "tbSetFreePop", {}},
        main{"ZuBak.mdb", "tbSetMain", {"False"}}, codes{"ZuBak.mdb", "tbSetScrn", {}};
    for (int i = 0; i <= 14; ++i) tel.fields.push_back("t" + std::to_string(i));
    for (int i = 0; i <= 12; ++i) freePop.fields.push_back("t" + std::to_string(i));
    for (int i = 0; i <= 13; ++i) {
        main.fields.push_back("t" + std::to_string(i));
        main.fields.push_back("p" + std::to_string(i));
    }
    for (int i = 0; i <= 11; ++i) codes.fields.push_back("scrn" + std::to_string(i));
    tables.insert(tables.end(), {tel, freePop, main, codes});

    for (const Table& t : tables) {
        auto store = db::Database::open(os::programPath(t.store));
        ASSERT_TRUE(store.ok()) << t.store;
        auto rs = store->openRecordset(t.table);
        ASSERT_TRUE(rs.ok()) << t.table;
        EXPECT_EQ(rs->recordCount(), std::string(t.table) == "tblRooms" ? 45 : 1) << t.table;
        for (const std::string& f : t.fields) EXPECT_GE(rs->fieldIndex(f), 0) << t.table << "." << f;
    }
}

// The stores hold log-in codes and social security numbers: no other account on the machine
// may read them, nor list the folders they lie in.
TEST_F(SettingsStores, ANewStationsStoresAreForItsOwnAccountOnly) {
    namespace fs = std::filesystem;
    ASSERT_TRUE(os::markSetupDone());
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(os::rootFolder())) {
        auto mode = e.status().permissions() & fs::perms::all;
        if (e.is_directory())
            EXPECT_EQ(mode, fs::perms::owner_all) << e.path();
        else
            EXPECT_EQ(mode, fs::perms::owner_read | fs::perms::owner_write) << e.path();
        files += e.is_regular_file();
    }
    EXPECT_GT(files, 5);
    EXPECT_TRUE(fs::exists(os::mapPath(os::programPath("DOZA98.mdb"))));
}

TEST_F(SettingsStores, ANewStationsSettingsRow) {
    auto doza = db::Database::open(os::programPath("DOZA98.mdb"));
    auto set = doza->openRecordset("SELECT * FROM tbSet ORDER BY ID ASC");
    struct Field {
        const char *name, *value;
    };
    for (const Field& f : {Field{"SetC", "Single"}, Field{"SetP", "-"}, Field{"szSize1", "M-"}, Field{"szSize2", "L-"},
                           Field{"szSize3", "XL-"}, Field{"Port", "None"}, Field{"SetM", "Not Printing L1 L2"},
                           Field{"SetB", "A"}, Field{"cmdEtoC", "0"}})
        EXPECT_EQ(set->field(f.name)->toText(), f.value) << f.name;
    auto zuBak = db::Database::open(os::programPath("ZuBak.mdb"));
    auto sections = zuBak->openRecordset("tbSetMain");
    EXPECT_EQ(sections->field("t9")->toText(), "Soup");
    EXPECT_EQ(sections->field("p11")->toText(), "C:\\Program Files\\Pelk POS 4\\Section\\Soup.bmp");
    EXPECT_EQ(sections->field("p9")->toText(), "C:\\Program Files\\Pelk POS 4\\Section\\Lamb.bmp");
    EXPECT_EQ(zuBak->openRecordset("tbSetFreePop")->field("t12")->toText(), "Auto");
}

}  // namespace
}  // namespace pelk::settings
