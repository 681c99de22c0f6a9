#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/db/db.h"
#include "platform/ui/input.h"
#include "platform/ui/scripted_host.h"
#include "platform/ui/ui.h"
#include "support/temp_root.h"

namespace pelk::test {

inline constexpr const char* kStaffStore = "C:\\Program Files\\Pelk POS 4\\Staff.mdb";

// A small staff store: codes of at most four characters, a yes/no, a date and a number, a flag
// kept as text and one kept as a number, as the legacy stores hold their flags.
inline void makeStaffStore() {
    ASSERT_TRUE(db::ensureStore(kStaffStore, db::StoreDecl{"", {}, false}).ok());
    auto d = db::Database::open(kStaffStore);
    ASSERT_TRUE(d.ok());
    for (const char* sql : {
             "CREATE TABLE tbEmplo (ID COUNTER, szID_no TEXT(4), sFirst_nm TEXT(20), szLevel_nu TEXT(10), "
             "szType_tx TEXT(20), Active YESNO, [1] TEXT(1), [2] LONG, szHired DATETIME, szRate DOUBLE)",
             "INSERT INTO tbEmplo (szID_no, sFirst_nm, szLevel_nu, szType_tx, Active, [1], [2], szHired, szRate) "
             "VALUES ('1001', 'Ann', 'Level 1', 'Cashier', True, '1', 0, #3/2/2024#, 12.5)",
             "INSERT INTO tbEmplo (szID_no, sFirst_nm, szLevel_nu, szType_tx, Active, [1], [2], szHired, szRate) "
             "VALUES ('1002', 'Bob', 'Level 2', 'Waiter', False, '0', 1, #4/5/2025#, 10)",
             "INSERT INTO tbEmplo (szID_no, sFirst_nm, szLevel_nu, szType_tx, Active, [1], [2], szHired, szRate) "
             "VALUES ('1003', 'Cy', 'Level 3', 'Manager', False, '0', 0, Null, Null)",
         }) {
        auto n = d->execute(sql);
        ASSERT_TRUE(n.ok()) << sql << "\n" << n.error().message();
    }
}

// A field of the row with that code, as the screens read it ("(null)" for Null).
inline std::string stored(const std::string& code, const std::string& field) {
    auto d = db::Database::open(kStaffStore);
    if (!d) return "no store";
    auto rs = d->openRecordset("SELECT * FROM tbEmplo WHERE szID_no = '" + code + "'");
    if (!rs) return "error " + rs.error().message();
    if (rs->eof()) return "no row";
    auto v = rs->field(field);
    if (!v) return "error " + v.error().message();
    return v->isNull() ? "(null)" : v->toText();
}

inline long rowsStored() {
    auto d = db::Database::open(kStaffStore);
    if (!d) return -1;
    auto rs = d->openRecordset("tbEmplo");
    return rs ? rs->recordCount() : -1;
}

// Another station writes a field of a row behind the screen's back.
inline void writeBehind(const std::string& code, const std::string& field, const std::string& value) {
    auto d = db::Database::open(kStaffStore);
    ASSERT_TRUE(d.ok());
    auto n = d->execute("UPDATE tbEmplo SET " + field + " = '" + value + "' WHERE szID_no = '" + code + "'");
    ASSERT_TRUE(n.ok()) << n.error().message();
}

// How the next frmStaff loads: whether its Form_Load points and refreshes the data control.
struct StaffLoad {
    std::string database = kStaffStore;
    std::string source = "SELECT * FROM tbEmplo ORDER BY szID_no";
    bool refreshInLoad = false;
};
inline StaffLoad& staffLoad() {
    static StaffLoad s;
    return s;
}

// A staff records screen in small: a navigator bound to the store, boxes of every bindable kind,
// and a journal of the events that matter to binding.
class frmStaff : public ui::Form {
public:
    frmStaff() {
        datStaff.setConnect("Access 2000;");
        datStaff.bind(txtID, "szID_no");
        datStaff.bind(txtName, "sFirst_nm");
        datStaff.bind(lblLevel, "szLevel_nu");
        datStaff.bind(cmbType, "szType_tx");
        datStaff.bind(chkActive, "Active");
        datStaff.bind(Check1, "1");
        datStaff.bind(Check2, "2");
        datStaff.bind(txtHired, "szHired");
        datStaff.bind(txtRate, "szRate");
        cmbType.AddItem("Cashier");
        cmbType.AddItem("Waiter");
        txtName.onChange([this] { events.push_back("txtName_Change " + txtName.text()); });
        lblLevel.onChange([this] { events.push_back("lblLevel_Change " + lblLevel.caption()); });
        chkActive.onClick([this] { events.push_back("chkActive_Click " + std::to_string(chkActive.value())); });
        datStaff.onReposition([this] { events.push_back("datStaff_Reposition " + txtID.text()); });
        datStaff.onValidate([this](int& action, int& save) {
            events.push_back("datStaff_Validate " + std::to_string(action) + " " + std::to_string(save));
            if (cancelAction) action = ui::kDataActionCancel;
            if (dropEdits) save = 0;
        });
    }

    ui::Data datStaff{this, "datStaff"};
    ui::TextBox txtID{this, "txtID"};
    ui::TextBox txtName{this, "txtName"};
    ui::Label lblLevel{this, "lblLevel"};
    ui::ComboBox cmbType{this, "cmbType"};
    ui::CheckBox chkActive{this, "chkActive"};
    ui::CheckBox Check1{this, "Check1"};
    ui::CheckBox Check2{this, "Check2"};
    ui::TextBox txtHired{this, "txtHired"};
    ui::TextBox txtRate{this, "txtRate"};

    void Form_Load() override {
        events.push_back("Form_Load");
        datStaff.setDatabaseName(staffLoad().database);
        datStaff.setRecordSource(staffLoad().source);
        if (staffLoad().refreshInLoad) {
            refreshedInLoad = datStaff.Refresh().ok();
            events.push_back("Form_Load saw " + txtName.text());
        }
    }

    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }
    bool cancelAction = false;
    bool dropEdits = false;
    bool refreshedInLoad = false;
};

// A fresh root with the staff store, a scripted session, frmStaff registered.
struct StaffSession {
    TempRoot root;
    ui::ScriptedSession session;
    StaffSession() {
        staffLoad() = StaffLoad{};
        makeStaffStore();
        ui::forms().registerForm<frmStaff>("frmStaff");
    }
    frmStaff& show() {
        auto& f = ui::forms().get<frmStaff>();
        f.Show();
        return f;
    }
    std::vector<std::string> prompts() {
        std::vector<std::string> all;
        for (const auto& m : session.host().messageBoxes()) all.push_back(m.prompt);
        return all;
    }
    ui::ScriptedHost& host() { return session.host(); }
};

}  // namespace pelk::test
