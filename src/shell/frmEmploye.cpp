#include "shell/frmEmploye.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>

#include "platform/core/text.h"
#include "platform/db/db.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/frmPassword.h"
#include "shell/stores.h"

namespace pelk::shell {

namespace {

constexpr const char* kEmployeeSource = "SELECT * FROM tbEmplo ORDER BY szID_no ASC";
constexpr const char* kFromHub = "frmBCEplop";
constexpr const char* kBrowseMarker = "Exit";
constexpr const char* kNewMarker = "New";

const ui::FormDesign kDesign{
    {{"Caption", ""}, {"MDIChild", true}, {"Width", 10200}, {"Height", 7680}},
    {
        // The photo with the navigator and the path under it, at the left.
        {"PicBox", {240, 240, 2535, 2655}},
        {"datInfor", {240, 2940, 2535, 345}, {{"Connect", "Access 2000;"}}},
        {"txtPath", {240, 3360, 2535, 285}},
        // The employee's boxes, in the middle.
        {"lblID", {3000, 240, 1335, 255}, {{"Caption", "Password"}}},
        {"txtID", {4440, 240, 735, 315}, {{"MaxLength", 4}}},
        {"lblFourDigits", {5280, 270, 1695, 255}, {{"Caption", "(Four Digits Only)"}}},
        {"lblBirthday", {3000, 660, 1335, 255}, {{"Caption", "Brithday:"}}},
        {"Text20", {4440, 660, 1335, 315}},
        {"lblName", {3000, 1080, 1335, 255}, {{"Caption", "Name:"}}},
        {"txtName", {4440, 1080, 3135, 315}},
        {"lblAdds", {3000, 1500, 1335, 255}, {{"Caption", "Address:"}}},
        {"txtAdds", {4440, 1500, 3135, 315}},
        {"lblCity", {3000, 1920, 1335, 255}, {{"Caption", "City, St Zip:"}}},
        {"txtCity", {4440, 1920, 1575, 315}},
        {"txtState", {6060, 1920, 495, 315}},
        {"txtZip", {6600, 1920, 975, 315}},
        {"lblSS", {3000, 2340, 1335, 255}, {{"Caption", "SSN:"}}},
        {"txtSS", {4440, 2340, 1575, 315}},
        {"lblPhone", {3000, 2760, 1335, 255}, {{"Caption", "Phone:"}}},
        {"txtPhone", {4440, 2760, 1575, 315}},
        {"lblHired", {3000, 3180, 1335, 255}, {{"Caption", "Hired:"}}},
        {"txtHired", {4440, 3180, 1335, 315}},
        {"lblTerminate", {5880, 3180, 615, 255}, {{"Caption", "Term:"}}},
        {"txtTerminate", {6540, 3180, 1035, 315}},
        {"lblLevel", {3000, 3600, 1335, 255}, {{"Caption", "Level:"}}},
        {"cmbLevel", {4440, 3600, 1575, 315}},
        {"lblType", {3000, 4020, 1335, 255}, {{"Caption", "Position:"}}},
        {"cmbType", {4440, 4020, 1575, 315}},
        {"lblRate", {3000, 4440, 1335, 255}, {{"Caption", "Hourly Rate:"}}},
        {"Text1", {4440, 4440, 1095, 315}},
        // The room only carries the row's value through a save; nobody sees or sets it here.
        {"lblRoom", {6120, 3600, 615, 255}, {{"Caption", "Room:"}, {"Visible", false}}},
        {"cmbRoom", {6780, 3600, 795, 315}, {{"Visible", false}, {"Enabled", false}}},
        // The rights in their two groups; a box does not always show the right of its number.
        {"fraReports", {240, 4920, 5415, 2295}, {{"Caption", "Reports"}}},
        {"fraBackOffice", {5760, 4920, 2655, 2295}, {{"Caption", "Back Office"}}},
        {"Check1", {120, 300, 2415, 315}, {{"Caption", "Sales Report"}, {"Container", "fraReports"}}},
        {"Check2", {120, 690, 2415, 315}, {{"Caption", "Del Record"}, {"Container", "fraReports"}}},
        {"Check3", {120, 1080, 2415, 315}, {{"Caption", "Freq Buyer"}, {"Container", "fraReports"}}},
        {"Check4", {120, 1470, 2415, 315}, {{"Caption", "Income Stm"}, {"Container", "fraReports"}}},
        {"Check5", {120, 1860, 2415, 315}, {{"Caption", "Beer Liquor"}, {"Container", "fraReports"}}},
        {"Check6", {2760, 300, 2415, 315}, {{"Caption", "Expense"}, {"Container", "fraReports"}}},
        {"Check7", {2760, 690, 2415, 315}, {{"Caption", "Drivers Bank"}, {"Container", "fraReports"}}},
        {"Check8", {2760, 1080, 2415, 315}, {{"Caption", "Removed Item"}, {"Container", "fraReports"}}},
        {"Check9", {2760, 1470, 2415, 315}, {{"Caption", "Time Sheets"}, {"Container", "fraReports"}}},
        {"Check10", {2760, 1860, 2415, 315}, {{"Caption", "Fav Dishes"}, {"Container", "fraReports"}}},
        {"Check11", {120, 300, 2415, 315}, {{"Caption", "Customer/Vendor"}, {"Container", "fraBackOffice"}}},
        {"Check12", {120, 690, 2415, 315}, {{"Caption", "Customer List"}, {"Container", "fraBackOffice"}}},
        {"Check13", {120, 1080, 2415, 315}, {{"Caption", "Employees"}, {"Container", "fraBackOffice"}}},
        {"Check14", {120, 1470, 2415, 315}, {{"Caption", "Menu Edit"}, {"Container", "fraBackOffice"}}},
        {"Check15", {120, 1860, 2415, 315}, {{"Caption", "Settings"}, {"Container", "fraBackOffice"}}},
        // The picture buttons, down the right edge.
        {"cmdFind", {8760, 240, 1215, 975}, {{"Style", 1}, {"Picture", ui::picture("Find")}}},
        {"cmdErase", {8760, 1320, 1215, 975}, {{"Style", 1}, {"Picture", ui::picture("Erase")}}},
        {"cmdNew", {8760, 2400, 1215, 975}, {{"Style", 1}, {"Picture", ui::picture("New")}}},
        {"cmdSave", {8760, 3480, 1215, 975}, {{"Style", 1}, {"Picture", ui::picture("Save")}}},
        {"cmdClose", {8760, 4560, 1215, 975}, {{"Style", 1}, {"Picture", ui::picture("Close")}}},
    }};

}  // namespace

frmEmploye::frmEmploye() {
    ui::applyDesign(*this, kDesign);

    // The text boxes are visited in this order.
    int tab = 0;
    for (ui::TextBox* box : {&txtID, &Text20, &txtName, &txtAdds, &txtCity, &txtState, &txtZip, &txtSS, &txtPhone,
                             &txtHired, &txtTerminate})
        box->setTabIndex(tab++);

    datInfor.bind(txtID, "szID_no");
    datInfor.bind(Text20, "sBrith_da");
    datInfor.bind(txtName, "sFirst_nm");
    datInfor.bind(txtAdds, "szStreet_ad");
    datInfor.bind(txtCity, "szCity_nm");
    datInfor.bind(txtState, "sState_cd");
    datInfor.bind(txtZip, "sZip_cd");
    datInfor.bind(txtSS, "sSS_no");
    datInfor.bind(txtPhone, "sPhone_no");
    datInfor.bind(txtHired, "szHired_da");
    datInfor.bind(txtTerminate, "szTerm_da");
    datInfor.bind(Text1, "szRate");
    datInfor.bind(cmbLevel, "szLevel_nu");
    datInfor.bind(cmbType, "szType_tx");
    datInfor.bind(cmbRoom, "szRoom_nm");
    datInfor.bind(txtPath, "szPics");
    int field = 1;
    for (ui::CheckBox* box : rightsBoxes()) datInfor.bind(*box, std::to_string(field++));

    for (ui::TextBox* box :
         {&txtID, &Text20, &txtName, &txtAdds, &txtCity, &txtZip, &txtSS, &txtPhone, &txtHired, &txtTerminate, &Text1})
        box->onChange([this] { EnterEditMode(); });
    for (ui::TextBox* box : {&txtID, &Text1, &txtZip})
        box->onKeyPress([](int& KeyAscii) {
            if (!KeyPressNumericValid(KeyAscii)) KeyAscii = 0;
        });
    cmbLevel.onChange([this] { EnterEditMode(); });
    cmbLevel.onClick([this] { cmbLevel_Click(); });
    cmbType.onChange([this] { EnterEditMode(); });
    cmbType.onClick([this] { EnterEditMode(); });
    txtState.onChange([this] { txtState_Change(); });
    txtPath.onChange([this] { txtPath_Change(); });
    datInfor.onReposition([this] { datInfor_Reposition(); });
    datInfor.onValidate([this](int& Action, int& Save) { datInfor_Validate(Action, Save); });
    cmdFind.onClick([this] { cmdFind_Click(); });
    cmdErase.onClick([this] { cmdErase_Click(); });
    cmdNew.onClick([this] { cmdNew_Click(); });
    cmdSave.onClick([this] { cmdSave_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

std::vector<ui::CheckBox*> frmEmploye::rightsBoxes() {
    return {&Check1, &Check2, &Check3,  &Check5,  &Check10, &Check4,  &Check6, &Check7,
            &Check9, &Check8, &Check11, &Check12, &Check13, &Check14, &Check15};
}

bool frmEmploye::KeyPressNumericValid(int KeyAscii) {
    return KeyAscii == '.' || KeyAscii == ui::kKeyBack || (KeyAscii >= '0' && KeyAscii <= '9');
}

void frmEmploye::Form_Load() {
    settings::CentreForm(*this, 20, false);
    datInfor.setDatabaseName(settings::ResolveDataPath(kEmployeeStore));
    datInfor.setRecordSource(kEmployeeSource);
    for (const char* level : {"Level 1", "Level 2", "Level 3"}) cmbLevel.AddItem(level);
    for (const char* position :
         {"Bartender", "Busboy", "Cashier", "Delivery", "Hostess", "Waiter", "Waitress", "Manager"})
        cmbType.AddItem(position);
}

// ---- Modes ----

void frmEmploye::EnterEditMode() {
    cmdSave.setEnabled(true);
    cmdErase.setEnabled(false);
    cmdFind.setEnabled(true);
    cmdNew.setEnabled(false);
}

void frmEmploye::EnterBrowseMode() {
    cmdSave.setEnabled(false);
    cmdErase.setEnabled(true);
    cmdNew.setEnabled(true);
    cmdClose.setTag(kBrowseMarker);
}

void frmEmploye::datInfor_Reposition() {
    codeEmptiedByRefusal_ = false;
    long at = datInfor.Recordset().absolutePosition();
    datInfor.setCaption(at < 0 ? std::string() : std::to_string(at + 1));
    EnterBrowseMode();
}

// ---- Boxes ----

void frmEmploye::cmbLevel_Click() {
    const std::string& level = cmbLevel.text();
    std::vector<ui::CheckBox*> boxes = rightsBoxes();
    if (level == "Level 1") {
        for (ui::CheckBox* box : boxes) box->setEnabled(false);
    } else if (level == "Level 2") {
        for (ui::CheckBox* box : boxes) box->setEnabled(true);
    } else if (level == "Level 3") {
        for (ui::CheckBox* box : boxes) box->setValue(1);
    }
}

void frmEmploye::txtState_Change() {
    if (core::text::len(txtState.text()) < 2) return;
    txtState.setText(core::text::upper(txtState.text()));
    EnterEditMode();
}

void frmEmploye::txtPath_Change() {
    // A path that names no picture this program can show leaves the photo empty.
    PicBox.setPicture(ui::Picture{});
    if (auto photo = ui::LoadPicture(txtPath.text())) PicBox.setPicture(*photo);
}

// ---- The code's checks ----

std::string codeRefusal(ui::Data& employees, const std::string& code) {
    ui::DataRecordset& rows = employees.Recordset();
    std::optional<db::Bookmark> edited;
    if (rows.editMode() != db::EditMode::Adding)
        if (auto at = rows.bookmark()) edited = *at;
    if (auto store = db::Database::open(employees.databaseName())) {
        if (auto holders = store->openRecordset("SELECT szID_no FROM tbEmplo WHERE szID_no = " + db::quote(code))) {
            for (db::Status st = holders->MoveFirst(); st && !holders->eof(); st = holders->MoveNext()) {
                auto at = holders->bookmark();
                if (at && (!edited || *at != *edited)) return kCodeTaken;
            }
        }
    }
    if (code == kMasterAccessCode) return kMasterCodeRefused;
    return {};
}

bool codeFormAccepted(ui::Data& employees, const std::string& code) {
    if (code.size() == 4 && std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return true;
    ui::DataRecordset& rows = employees.Recordset();
    if (rows.editMode() == db::EditMode::Adding || !rows.bookmark()) return false;
    auto stored = rows.field("szID_no");
    return stored && !stored->isNull() && stored->toText() == code;
}

void frmEmploye::datInfor_Validate(int& Action, int& Save) {
    if (!Save) return;
    if (dropEditsOnUnload_ && Action == ui::kDataActionUnload) {
        Save = 0;
        return;
    }
    // Leaving a row writes its edits: only a code that Save would take goes in, and a stored
    // employee never loses his code to a box that Save's refusal emptied.
    std::string refusal = codeRefusal(datInfor, txtID.text());
    if (refusal.empty() && txtID.text().empty() &&
        (datInfor.Recordset().editMode() != db::EditMode::Adding || codeEmptiedByRefusal_))
        refusal = kMasterCodeRefused;
    if (refusal.empty() && !codeFormAccepted(datInfor, txtID.text())) refusal = kCodeNotFourDigits;
    if (refusal.empty()) return;
    ui::MsgBox(refusal);
    if (Action == ui::kDataActionUnload)
        Save = 0;  // an unload cannot be refused here; the edits it would write are dropped
    else
        Action = ui::kDataActionCancel;
}

// ---- Buttons ----

void frmEmploye::cmdNew_Click() {
    // Leaving the row shown can be refused (its edits hold a code Save would refuse).
    if (!datInfor.Recordset().AddNew()) return;
    codeEmptiedByRefusal_ = false;
    txtID.SetFocus();
    cmdNew.setTag(kNewMarker);
    cmdNew.setEnabled(false);
    cmdErase.setEnabled(false);
    cmdFind.setEnabled(false);
}

void FindEmployeeByCode(ui::Data& employees) {
    std::string id = ui::InputBox("Enter Empolyees ID", "Find", "");
    if (id.empty()) {
        ui::MsgBox("Empolyees ID Not Entered", ui::kOKCancel, "ERROR");
        return;
    }
    ui::DataRecordset& rows = employees.Recordset();
    auto before = rows.bookmark();
    db::Status found = rows.FindFirst("szID_no = " + db::quote(id));
    if (!found) {
        // A refused code has been told by Validate.
        if (found.error().code != ui::kErrCancelledByValidate) employees.report(found.error());
        return;
    }
    // No match leaves the recordset without a current row: the row shown stays current.
    if (rows.noMatch() && before) (void)rows.setBookmark(*before);
}

bool AskEraseEmployee() {
    ui::Beep();
    return ui::MsgBox("Do you wish to Erase the current Empolyees", ui::kYesNo | ui::kQuestion, "Erase") ==
           ui::MsgBoxResult::Yes;
}

void EraseCurrentEmployee(ui::Data& employees) {
    ui::DataRecordset& rows = employees.Recordset();
    if (db::Status erased = rows.Delete(); !erased) {
        employees.report(erased.error());
        return;
    }
    if (rows.eof()) return;
    (void)rows.MoveNext();
    if (rows.eof()) (void)rows.MovePrevious();
}

void frmEmploye::cmdFind_Click() { FindEmployeeByCode(datInfor); }

void frmEmploye::cmdErase_Click() {
    if (AskEraseEmployee()) EraseCurrentEmployee(datInfor);
}

bool frmEmploye::SaveRecord() {
    std::string refusal = codeRefusal(datInfor, txtID.text());
    if (refusal == kCodeTaken) {
        ui::MsgBox(refusal);
        return false;
    }
    if (refusal == kMasterCodeRefused) {
        ui::MsgBox(refusal);
        txtID.setText("");
        codeEmptiedByRefusal_ = true;
        EnterBrowseMode();
        return false;
    }
    if (!codeFormAccepted(datInfor, txtID.text())) {
        ui::MsgBox(kCodeNotFourDigits);
        return false;
    }
    ui::DataRecordset& rows = datInfor.Recordset();
    bool adding = rows.editMode() == db::EditMode::Adding;
    db::Status written = adding ? db::Status{} : rows.Edit();
    if (written) written = rows.Update();
    if (!written) {
        // The store refused: the row stays as stored, the edits stay in the boxes.
        if (!adding && datInfor.recordset() && datInfor.recordset()->editMode() == db::EditMode::Editing)
            (void)datInfor.recordset()->CancelUpdate();
        datInfor.report(written.error());
        return false;
    }
    if (cmdNew.tag() == kNewMarker) {
        (void)rows.MoveLast();
        cmdNew.setTag("");
    }
    EnterBrowseMode();
    return true;
}

void frmEmploye::cmdSave_Click() { (void)SaveRecord(); }

void frmEmploye::DropPendingEdit() {
    ui::DataRecordset& rows = datInfor.Recordset();
    if (rows.editMode() == db::EditMode::Adding)
        (void)rows.CancelUpdate();
    else
        datInfor.UpdateControls();
}

void frmEmploye::cmdClose_Click() {
    if (cmdClose.tag() == kBrowseMarker) {
        bool fromMenu = tag() == settings::kFromMenu;
        bool closed = Unload();
        // Save refused the code on the way out: the clerk corrects it, the edits stay.
        if (!closed && saveRefusedOnClose_) return;
        if (!fromMenu) ui::forms().byName(kFromHub).Show();
        if (closed) return;
    }
    DropPendingEdit();
    EnterBrowseMode();
}

void frmEmploye::Form_QueryUnload(int& Cancel, ui::UnloadMode) {
    saveRefusedOnClose_ = false;
    dropEditsOnUnload_ = false;
    if (!cmdSave.enabled()) return;
    switch (ui::MsgBox("Data has Changes, Save Changes?", ui::kYesNoCancel | ui::kQuestion, caption())) {
        case ui::MsgBoxResult::Yes:
            if (!SaveRecord()) {
                saveRefusedOnClose_ = true;
                Cancel = 1;
            }
            break;
        case ui::MsgBoxResult::No:
            dropEditsOnUnload_ = true;
            break;
        default:
            Cancel = 1;
            break;
    }
}

}  // namespace pelk::shell
