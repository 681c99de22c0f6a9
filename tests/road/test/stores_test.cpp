#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/os/station.h"
#include "platform/ui/program.h"
#include "road/demo_forms.h"
#include "road/runner.h"
#include "support/temp_root.h"

using namespace pelk;

namespace {

struct RoadRun {
    int code;
    std::string out, err;
};

RoadRun run(const std::string& script) {
    std::ostringstream out, err;
    int code = road::runScript(
        script, "t.road", [] { road::registerDemoForms(); }, out, err);
    return {code, out.str(), err.str()};
}

// The program's catalogue for these runs: one store with a table and its first rows.
struct ProgramStores {
    ProgramStores() {
        ui::program().declareStores = [] {
            db::TableDecl t{"tbSet",
                            {{"ID", db::Kind::Counter}, {"SetC", db::Kind::Text, 20}, {"Plan", db::Kind::Currency}},
                            {{{"SetC", core::Value{"Single"}}, {"Plan", core::Value{"1,000.00"}}}}};
            (void)db::Catalogue::instance().declare(db::StoreDecl{"DOZA98.mdb", {t}, true});
        };
    }
    ~ProgramStores() {
        ui::program().declareStores = nullptr;
        db::Catalogue::instance().clear();
    }
};

// A root folder the run keeps, so that the test can look at it afterwards.
struct KeptRoot {
    test::TempRoot dir;
    std::string line() const { return "root \"" + dir.path().string() + "\"\n"; }
    bool setupDone() const {
        os::setRootFolder(dir.path());
        bool done = os::setupDone();
        os::setRootFolder({});
        return done;
    }
};

}  // namespace

// stores makes the catalogue's stores with their first rows and marks the set-up as done; sql
// adds rows and tables to any store, made empty (with its folder) when missing, and marks nothing.
TEST(StoreCommands, StoresAndSql) {
    ProgramStores program;
    KeptRoot kept;
    RoadRun made = run(kept.line() +
                       "stores\n"
                       "expect count DOZA98.mdb tbSet 1\n"
                       "expect count VyDOZA98.mdb tbSet 1\n"
                       "expect field DOZA98.mdb tbSet \"ID = 1\" SetC Single\n"
                       "expect field \"C:\\\\Program Files\\\\Pelk POS 4\\\\DOZA98.mdb\" tbSet \"ID = 1\" Plan 1000\n"
                       "sql DOZA98.mdb \"INSERT INTO tbSet (SetC) VALUES ('File Sharing')\"\n"
                       "expect count DOZA98.mdb tbSet 2\n"
                       "expect count DOZA98.mdb tbSet 1 \"SetC LIKE 'file*'\"\n");
    EXPECT_EQ(made.code, road::kAllHeld) << made.err;
    EXPECT_TRUE(kept.setupDone());

    KeptRoot fresh;
    RoadRun rows = run(fresh.line() +
                       "sql \\\\server\\share\\Data\\Tcd.mdb \"CREATE TABLE tblTcd (szID_no TEXT(4), "
                       "szDate_da DATETIME, szTHrs DOUBLE, Paid YESNO)\"\n"
                       "sql \\\\server\\share\\Data\\Tcd.mdb \"INSERT INTO tblTcd VALUES ('1001', "
                       "#12/10/2026#, 480, True)\"\n"
                       "sql \\\\server\\share\\Data\\Tcd.mdb \"INSERT INTO tblTcd (szID_no) VALUES ('1002')\"\n"
                       "expect field \\\\server\\share\\Data\\Tcd.mdb tblTcd \"szTHrs > 100\" szDate_da 12/10/2026\n"
                       "expect field \\\\server\\share\\Data\\Tcd.mdb tblTcd \"szID_no = '1001'\" Paid True\n"
                       "expect field \\\\server\\share\\Data\\Tcd.mdb tblTcd \"szID_no = '1002'\" szTHrs (null)\n"
                       "expect field \\\\server\\share\\Data\\Tcd.mdb tblTcd \"szID_no LIKE '100*'\" szID_no 1001\n"
                       "expect count \\\\server\\share\\Data\\Tcd.mdb tblTcd 0 \"szDate_da > #12/10/2026#\"\n");
    EXPECT_EQ(rows.code, road::kAllHeld) << rows.err;
    EXPECT_FALSE(fresh.setupDone());
    EXPECT_TRUE(std::filesystem::exists(fresh.dir.path() / "unc" / "server" / "share" / "Data" / "Tcd.mdb"));
}

TEST(StoreCommands, ExpectsThatDoNotHold) {
    std::string store =
        "sql Staff.mdb \"CREATE TABLE tbEmplo (szID_no TEXT(4), sFirst_nm TEXT(20))\"\n"
        "sql Staff.mdb \"INSERT INTO tbEmplo VALUES ('1001', 'Ann')\"\n";
    struct Case {
        const char* line;
        const char* message;
    } cases[] = {
        {"expect count Staff.mdb tbEmplo 2", "t.road:3: expected 2 rows in tbEmplo, got 1\n"},
        {"expect count Staff.mdb tbEmplo 1 \"sFirst_nm = 'Bob'\"",
         "t.road:3: expected 1 rows in tbEmplo where sFirst_nm = 'Bob', got 0\n"},
        {"expect field Staff.mdb tbEmplo \"szID_no = '1001'\" sFirst_nm Bob", "t.road:3: expected Bob, got Ann\n"},
        {"expect field Staff.mdb tbEmplo \"szID_no = '1002'\" sFirst_nm Ann",
         "t.road:3: expected a row in tbEmplo where szID_no = '1002', got none\n"},
        {"expect count Other.mdb tbEmplo 0",
         "t.road:3: expected the store \"C:\\\\Program Files\\\\Pelk POS 4\\\\Other.mdb\", got none\n"},
    };
    for (const Case& c : cases) {
        RoadRun r = run(store + c.line + "\n");
        EXPECT_EQ(r.code, road::kExpectFailed) << c.line;
        EXPECT_EQ(r.err, c.message) << c.line;
    }
}

TEST(StoreCommands, LinesThatCannotRun) {
    std::string store = "sql Staff.mdb \"CREATE TABLE tbEmplo (szID_no TEXT(4), sFirst_nm TEXT(20))\"\n";
    struct Case {
        std::string lines;
        const char* starts;
    } cases[] = {
        {"sql Staff.mdb \"INSERT INTO tbNothing VALUES (1)\"", "t.road:2: sql: "},
        {"sql Staff.mdb \"SELECT * FROM tbEmplo\"", "t.road:2: sql: "},
        {"sql Staff.mdb", "t.road:2: usage: sql FILE \"STATEMENT\""},
        {"expect field Staff.mdb tbNothing \"x = 1\" y z", "t.road:2: "},
        {"sql Staff.mdb \"INSERT INTO tbEmplo VALUES ('1', 'A')\"\nexpect field Staff.mdb tbEmplo \"szID_no = '1'\" "
         "szNothing x",
         "t.road:3: "},
        {"expect count Staff.mdb tbEmplo many", "t.road:2: expect count: N must be a whole number"},
        {"show frmDemoList\ncell frmDemoList.lstItems 0 0 x", "t.road:3: frmDemoList.lstItems is not an editable grid"},
    };
    for (const Case& c : cases) {
        RoadRun r = run(store + c.lines + "\n");
        EXPECT_EQ(r.code, road::kScriptFailed) << c.lines;
        EXPECT_EQ(r.err.rfind(c.starts, 0), 0u) << c.lines << "\n" << r.err;
    }

    // The catalogue's stores that cannot be made are a script error.
    ProgramStores program;
    KeptRoot blocked;
    std::filesystem::create_directories(blocked.dir.path() / "c");
    std::ofstream(blocked.dir.path() / "c" / "Program Files") << "not a folder";
    RoadRun r = run(blocked.line() + "stores\n");
    EXPECT_EQ(r.code, road::kScriptFailed);
    EXPECT_EQ(r.err.rfind("t.road:2: stores: ", 0), 0u) << r.err;
    EXPECT_FALSE(blocked.setupDone());
}

// The staff screen's grid through select and cell; dump shows its cells.
TEST(StoreCommands, GridsThroughSelectCellAndDump) {
    RoadRun r =
        run("sql DemoStaff.mdb \"CREATE TABLE tbDemo (szID_no TEXT(4), sFirst_nm TEXT(20), szLevel_nu TEXT(10), "
            "Active YESNO, szHired DATETIME)\"\n"
            "sql DemoStaff.mdb \"INSERT INTO tbDemo VALUES ('1001', 'Ann', 'Level 1', True, #3/2/2024#)\"\n"
            "sql DemoStaff.mdb \"INSERT INTO tbDemo VALUES ('1002', 'Bob', 'Level 2', False, Null)\"\n"
            "show frmDemoStaff\n"
            "select frmDemoStaff.grdStaff 1\n"
            "expect frmDemoStaff.txtName.Text Bob\n"
            "cell frmDemoStaff.grdStaff 1 2 12/31/2026\n"
            "expect frmDemoStaff.grdStaff.Text 12/31/2026\n"
            "set frmDemoStaff.grdStaff.AllowUpdate False\n"
            "cell frmDemoStaff.grdStaff 0 1 Nobody\n"
            "expect frmDemoStaff.grdStaff.Row 1\n"
            "select frmDemoStaff.datStaff 0\n"
            "expect field DemoStaff.mdb tbDemo \"szID_no = '1002'\" szHired 12/31/2026\n"
            "expect field DemoStaff.mdb tbDemo \"szID_no = '1001'\" sFirst_nm Ann\n"
            "dump frmDemoStaff\n"
            "cell frmDemoStaff.grdStaff 5 0 x\n");
    EXPECT_EQ(r.code, road::kScriptFailed);
    EXPECT_EQ(r.err.rfind("t.road:16: frmDemoStaff.grdStaff: there is no cell 5, 0", 0), 0u) << r.err;
    EXPECT_NE(r.out.find(" TextMatrix(1,2)=12/31/2026 "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("frmDemoStaff.datStaff Data "), std::string::npos) << r.out;
}

// A grid cell set by code through set: the current row's field, stored when the row is left, also
// where the user may not edit.
TEST(StoreCommands, GridCellsSetByCode) {
    RoadRun r =
        run("sql DemoStaff.mdb \"CREATE TABLE tbDemo (szID_no TEXT(4), sFirst_nm TEXT(20), szLevel_nu TEXT(10), "
            "Active YESNO, szHired DATETIME)\"\n"
            "sql DemoStaff.mdb \"INSERT INTO tbDemo VALUES ('1001', 'Ann', 'Level 1', True, #3/2/2024#)\"\n"
            "sql DemoStaff.mdb \"INSERT INTO tbDemo VALUES ('1002', 'Bob', 'Level 2', False, Null)\"\n"
            "show frmDemoStaff\n"
            "set frmDemoStaff.grdStaff.AllowUpdate False\n"
            "select frmDemoStaff.grdStaff 1 1\n"
            "set frmDemoStaff.grdStaff.Text Bobby\n"
            "set frmDemoStaff.grdStaff.ColumnText(2) 1/5/2027\n"
            "expect frmDemoStaff.grdStaff.TextMatrix(1,1) Bobby\n"
            "expect field DemoStaff.mdb tbDemo \"szID_no = '1002'\" sFirst_nm Bob\n"
            "select frmDemoStaff.datStaff 0\n"
            "expect field DemoStaff.mdb tbDemo \"szID_no = '1002'\" sFirst_nm Bobby\n"
            "expect field DemoStaff.mdb tbDemo \"szID_no = '1002'\" szHired 1/5/2027\n"
            "set frmDemoStaff.grdStaff.ColumnText(3) x\n");
    EXPECT_EQ(r.code, road::kScriptFailed);
    EXPECT_EQ(r.err.rfind("t.road:14: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("ColumnText(3)"), std::string::npos) << r.err;
}
