#include "setup/frmRegister2.h"

#include <initializer_list>
#include <string>

#include "platform/core/text.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "shell/frmEmploye.h"
#include "shell/stores.h"

namespace pelk::setup {

namespace {

constexpr const char* kEmployeeSource = "SELECT * FROM tbEmplo ORDER BY szID_no ASC";
constexpr const char* kNewMarker = "New";

// The field captions' font; the language button's.
constexpr ui::FontRole kFieldFont{"Times New Roman", 11.25, true};
constexpr ui::FontRole kEtoCFont{"Times New Roman", 14.25, true};

// The rights legend: a level's row, the areas across.
constexpr double kLevelTop[] = {4920, 5280, 5640};
constexpr ui::Color kLevelColour[] = {ui::color::kPaleGreen, ui::color::kLightGreen, ui::color::kPaleGreen};
constexpr const char* kAreaName[] = {"Orders", "Menus", "Reports", "Accut Payable", "Passwords"};
constexpr double kAreaLeft[] = {1560, 2400, 3240, 4180, 5520};
constexpr double kAreaWidth[] = {855, 855, 975, 1335, 1095};

// A field caption's right edge stands just before its box, so that the words are never under it.
// The boxes follow in the order the clerk tabs through them.
const ui::FormDesign kDesign{
    {},
    {
        {"Label7",
         {1800, 1440, 7575, 375},
         {{"Caption", " Your must set your employees access  Level, Position   "},
          {"Font", ui::font::kSans12Bold},
          {"Alignment", ui::kCenter},
          {"BackStyle", 0}}},
        {"lblID",
         {1080, 1920, 450, 285},
         {{"Caption", "ID:"}, {"Font", kFieldFont}, {"ForeColor", ui::color::kDarkBlue}, {"BackStyle", 0}}},
        {"txtID",
         {1560, 1920, 615, 285},
         {{"Font", ui::font::kDialogBold}, {"BackColor", ui::color::kLightRed}, {"TabIndex", 0}}},
        {"Label13",
         {2175, 1920, 945, 285},
         {{"Caption", "Brithday:"}, {"Font", kFieldFont}, {"ForeColor", ui::color::kNavy}, {"BackStyle", 0}}},
        {"Text20", {3120, 1920, 1095, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 1}}},
        {"lblHried",
         {4515, 1920, 645, 285},
         {{"Caption", "Hired:"}, {"Font", kFieldFont}, {"ForeColor", ui::color::kDarkBlue}, {"BackStyle", 0}}},
        {"txtHired", {5160, 1920, 1455, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 2}}},
        {"Label2",
         {7080, 1800, 840, 480},
         {{"Caption", "Hourly Rate:"},
          {"Font", ui::font::kSans10Bold},
          {"ForeColor", ui::color::kDarkBlue},
          {"WordWrap", true},
          {"BackStyle", 0}}},
        {"Text1", {7920, 1920, 735, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 3}}},
        {"Label10",
         {600, 2280, 3735, 615},
         {{"Caption", "We use four digit ID as the password and has to be greater that 0010 ."},
          {"Font", ui::font::kDialog},
          {"WordWrap", true},
          {"BackStyle", 0}}},
        {"lblTerm",
         {4560, 2280, 600, 285},
         {{"Caption", "Term:"}, {"Font", kFieldFont}, {"ForeColor", ui::color::kDarkBlue}, {"BackStyle", 0}}},
        {"txtTerminate", {5160, 2280, 1455, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 4}}},
        {"lblName",
         {840, 2880, 720, 285},
         {{"Caption", "Name:"}, {"Font", kFieldFont}, {"ForeColor", ui::color::kDarkBlue}, {"BackStyle", 0}}},
        {"txtName",
         {1560, 2880, 2655, 285},
         {{"Font", ui::font::kDialogBold}, {"BackColor", ui::color::kLightRed}, {"TabIndex", 5}}},
        {"lblSS",
         {4515, 3120, 615, 285},
         {{"Caption", "SSN:"},
          {"Font", kFieldFont},
          {"ForeColor", ui::color::kDarkBlue},
          {"BackStyle", 0},
          {"Alignment", ui::kRightJustify}}},
        {"txtSS", {5160, 3120, 1455, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 6}}},
        {"lblAdds",
         {600, 3240, 960, 285},
         {{"Caption", "Address:"}, {"Font", kFieldFont}, {"ForeColor", ui::color::kDarkBlue}, {"BackStyle", 0}}},
        {"txtAdds", {1560, 3240, 2655, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 7}}},
        {"lblTele",
         {4440, 3480, 720, 285},
         {{"Caption", "Phone:"}, {"Font", kFieldFont}, {"ForeColor", ui::color::kDarkBlue}, {"BackStyle", 0}}},
        {"txtPhone", {5160, 3480, 1455, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 8}}},
        {"lblCity",
         {240, 3600, 1320, 285},
         {{"Caption", "City, St Zip:"}, {"Font", kFieldFont}, {"ForeColor", ui::color::kDarkBlue}, {"BackStyle", 0}}},
        {"txtCity", {1560, 3570, 1575, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 9}}},
        {"txtState", {3120, 3570, 375, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 10}}},
        {"txtZip", {3480, 3570, 735, 285}, {{"Font", ui::font::kDialogBold}, {"TabIndex", 11}}},
        {"Line2",
         {},
         {{"BorderColor", ui::color::kWhite},
          {"BorderWidth", 2},
          {"X1", 720},
          {"Y1", 4080},
          {"X2", 6600},
          {"Y2", 4080}}},
        {"Label1",
         {680, 4320, 640, 285},
         {{"Caption", "Level:"},
          {"Font", ui::font::kTimes12Bold},
          {"ForeColor", ui::color::kDarkRed},
          {"BackStyle", 0}}},
        {"cmbLevel",
         {1320, 4320, 1095, 315},
         {{"Font", ui::font::kDialogBold}, {"BackColor", ui::color::kLightRed}, {"TabIndex", 12}}},
        {"lblType",
         {2520, 4320, 960, 285},
         {{"Caption", "Position:"},
          {"Font", ui::font::kTimes12Bold},
          {"ForeColor", ui::color::kDarkRed},
          {"BackStyle", 0}}},
        {"cmbType",
         {3480, 4320, 1215, 315},
         {{"Font", ui::font::kDialogBold}, {"BackColor", ui::color::kLightRed}, {"TabIndex", 13}}},
        {"Label9",
         {4800, 4320, 720, 285},
         {{"Caption", "Room:"},
          {"Font", ui::font::kTimes12Bold},
          {"ForeColor", ui::color::kDarkRed},
          {"BackStyle", 0}}},
        {"cmbRoom", {5520, 4320, 1095, 315}, {{"Font", ui::font::kDialogBold}, {"Enabled", false}}},
        {"fraImage", {7080, 2520, 1935, 2115}, {{"Caption", "Image"}}},
        {"picImage", {120, 240, 1695, 1755}, {{"Container", "fraImage"}, {"BorderStyle", 0}}},
        {"datInfor", {7080, 4680, 1980, 495}, {{"Connect", "Access 2000;"}, {"Caption", "Photo"}}},
        // Graphical, so that its colour shows.
        {"cmdEtoC",
         {8280, 5280, 855, 615},
         {{"Style", 1}, {"Caption", "C"}, {"BackColor", ui::color::kYellow}, {"Font", kEtoCFont}}},
        {"cmdFind", {9480, 1560, 1335, 855}, {{"Style", 1}, {"Picture", ui::picture("Find")}}},
        // The record buttons and Back show the step's own pointer; every other control the system's.
        {"cmdErase",
         {9480, 2640, 1335, 855},
         {{"Style", 1}, {"Picture", ui::picture("Del")}, {"MouseIcon", ui::picture("Step")}, {"MousePointer", 99}}},
        {"cmdNew",
         {9480, 3720, 1335, 855},
         {{"Style", 1}, {"Picture", ui::picture("New")}, {"MouseIcon", ui::picture("Step")}, {"MousePointer", 99}}},
        {"cmdSave",
         {9480, 4800, 1335, 855},
         {{"Style", 1},
          {"Picture", ui::picture("Save")},
          {"Enabled", false},
          {"MouseIcon", ui::picture("Step")},
          {"MousePointer", 99}}},
        {"cmdClose", {}, {{"MouseIcon", ui::picture("Step")}, {"MousePointer", 99}}},
    }};

}  // namespace

frmRegister2::frmRegister2() : WizardStep(4) {
    ui::applyDesign(*this, kDesign);
    // The rights legend; the areas a level does not reach are disabled.
    ui::Label* levels[] = {&Label5, &Label3, &Label4};
    for (int r = 0; r < 3; ++r) {
        levels[r]->setCaption("Level " + std::to_string(r + 1));
        levels[r]->setFont(ui::font::kSans12Bold.font());
        levels[r]->setBackStyle(0);
        levels[r]->Move(600, kLevelTop[r] + 45, 960, 330);
    }
    ui::Label* areas[] = {&lblArea0, &lblArea1, &lblArea2, &lblArea3, &lblArea4};
    for (int c = 0; c < 5; ++c) {
        areas[c]->setCaption(kAreaName[c]);
        areas[c]->setFont(ui::font::kDialogBold.font());
        areas[c]->setBackStyle(0);
        areas[c]->Move(kAreaLeft[c], 4680, kAreaWidth[c], 240);
    }
    ui::CheckBox* legend[3][5] = {{&Check1, &Check2, &Check3, &Check5, &Check10},
                                  {&Check6, &Check8, &Check7, &Check4, &Check9},
                                  {&Check11, &Check14, &Check12, &Check13, &Check15}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            ui::CheckBox* tick = legend[r][c];
            tick->setCaption("");
            tick->setBackColor(kLevelColour[r]);
            tick->Move(kAreaLeft[c], kLevelTop[r], kAreaWidth[c], 375);
        }
    for (ui::CheckBox* unreachable : {&Check2, &Check3, &Check5, &Check10, &Check4, &Check9})
        unreachable->setEnabled(false);

    datInfor.bind(txtID, "szID_no");
    datInfor.bind(Text20, "sBrith_da");
    datInfor.bind(txtHired, "szHired_da");
    datInfor.bind(Text1, "szRate");
    datInfor.bind(txtTerminate, "szTerm_da");
    datInfor.bind(txtName, "sFirst_nm");
    datInfor.bind(txtSS, "sSS_no");
    datInfor.bind(txtAdds, "szStreet_ad");
    datInfor.bind(txtPhone, "sPhone_no");
    datInfor.bind(txtCity, "szCity_nm");
    datInfor.bind(txtState, "sState_cd");
    datInfor.bind(txtZip, "sZip_cd");
    datInfor.bind(cmbLevel, "szLevel_nu");
    datInfor.bind(cmbType, "szType_tx");
    datInfor.bind(cmbRoom, "szRoom_nm");

    // A typed change of a box is an edit; a pick from the level or position list is not, nor is
    // typing into the position list.
    for (ui::TextBox* b :
         {&txtID, &txtName, &txtAdds, &txtCity, &txtZip, &txtPhone, &txtSS, &txtHired, &txtTerminate, &Text20, &Text1})
        b->onChange([this] { EnterEditMode(); });
    cmbLevel.onChange([this] { EnterEditMode(); });
    cmbRoom.onChange([this] { EnterEditMode(); });
    cmbRoom.onClick([this] { EnterEditMode(); });
    txtState.onChange([this] { txtState_Change(); });
    for (ui::TextBox* b : {&txtID, &txtZip})
        b->onKeyPress([](int& KeyAscii) {
            if (!shell::frmEmploye::KeyPressNumericValid(KeyAscii)) KeyAscii = 0;
        });
    datInfor.onReposition([this] { datInfor_Reposition(); });
    datInfor.onValidate([this](int& Action, int& Save) { datInfor_Validate(Action, Save); });
    cmdFind.onClick([this] { cmdFind_Click(); });
    cmdNew.onClick([this] { cmdNew_Click(); });
    cmdErase.onClick([this] { cmdErase_Click(); });
    cmdSave.onClick([this] { cmdSave_Click(); });
    cmdEtoC.onClick([this] { cmdEtoC_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
}

std::vector<ui::Control*> frmRegister2::englishCaptions() {
    return {&lblID, &lblName, &lblAdds, &lblCity, &lblHried, &lblTerm, &lblSS, &lblType, &lblTele};
}

// The program folder's employees, whatever the station's data location: the first employees of a
// station are its own.
void frmRegister2::Form_Load() {
    WizardStep::Form_Load();
    datInfor.setDatabaseName(os::programPath(shell::kEmployeeStore));
    datInfor.setRecordSource(kEmployeeSource);
    for (const char* level : {"Level 1", "Level 2", "Level 3"}) cmbLevel.AddItem(level);
    for (const char* position : {"Clerk", "Manager"}) cmbType.AddItem(position);
}

// ---- Modes ----

// Switching a button cannot fail, so the record editors' error handler has nothing to catch here.
void frmRegister2::EnterEditMode() {
    cmdSave.setEnabled(true);
    cmdErase.setEnabled(false);
    cmdFind.setEnabled(true);
    cmdNew.setEnabled(false);
}

void frmRegister2::EnterBrowseMode() {
    cmdSave.setEnabled(false);
    cmdErase.setEnabled(true);
    cmdNew.setEnabled(true);
}

void frmRegister2::datInfor_Reposition() {
    codeEmptiedByRefusal_ = false;
    EnterBrowseMode();
    datInfor.setCaption(std::to_string(datInfor.Recordset().absolutePosition() + 1));
}

// ---- Boxes ----

void frmRegister2::txtState_Change() {
    if (core::text::len(txtState.text()) < 2) return;
    txtState.setText(core::text::upper(txtState.text()));
    EnterEditMode();
}

// ---- Writing a record ----

// Leaving a record writes its edits: only an ID that Save would take goes in, and a stored
// employee never loses the ID to a box that Save's refusal emptied.
void frmRegister2::datInfor_Validate(int& Action, int& Save) {
    if (!Save) return;
    ui::DataRecordset& rows = datInfor.Recordset();
    bool adding = rows.editMode() == db::EditMode::Adding;
    std::string stored;
    if (!adding)
        if (auto id = rows.field("szID_no")) stored = id->toText();
    const std::string& id = txtID.text();
    std::string refusal;
    if (adding || id != stored) refusal = shell::codeRefusal(datInfor, id);
    if (refusal.empty() && id.empty() && ((!adding && !stored.empty()) || (adding && codeEmptiedByRefusal_)))
        refusal = shell::kMasterCodeRefused;
    if (refusal.empty() && !shell::codeFormAccepted(datInfor, id)) refusal = shell::kCodeNotFourDigits;
    if (refusal.empty()) return;
    ui::MsgBox(refusal);
    if (Action == ui::kDataActionUnload)
        Save = 0;  // an unload cannot be refused here; the edits it would write are dropped
    else
        Action = ui::kDataActionCancel;
}

bool frmRegister2::storePendingEdits() {
    if (!datInfor.isOpen()) return true;
    if (datInfor.Refresh()) return true;
    // Refused or not written (the clerk told): the step stays with the boxes as typed. Written but
    // not opened again: nothing is left to write.
    return !datInfor.isOpen();
}

// ---- Buttons ----

void frmRegister2::cmdFind_Click() { shell::FindEmployeeByCode(datInfor); }

void frmRegister2::cmdNew_Click() {
    // Leaving the record shown can be refused (its edits hold an ID Save would refuse).
    if (!datInfor.Recordset().AddNew()) return;
    codeEmptiedByRefusal_ = false;
    txtID.SetFocus();
    cmdNew.setTag(kNewMarker);
    cmdNew.setEnabled(false);
    cmdErase.setEnabled(false);
    cmdFind.setEnabled(false);
}

void frmRegister2::cmdErase_Click() {
    if (!shell::AskEraseEmployee()) return;
    // A new record not yet added is dropped; the store keeps every employee it has.
    if (datInfor.Recordset().editMode() == db::EditMode::Adding) {
        cmdNew.setTag("");
        (void)datInfor.Recordset().CancelUpdate();
        return;
    }
    shell::EraseCurrentEmployee(datInfor);
}

void frmRegister2::cmdSave_Click() {
    std::string refusal = shell::codeRefusal(datInfor, txtID.text());
    if (refusal == shell::kCodeTaken) {
        ui::MsgBox(refusal);
        return;
    }
    if (refusal == shell::kMasterCodeRefused) {
        ui::MsgBox(refusal);
        txtID.setText("");
        codeEmptiedByRefusal_ = true;
        EnterBrowseMode();
        return;
    }
    if (!shell::codeFormAccepted(datInfor, txtID.text())) {
        ui::MsgBox(shell::kCodeNotFourDigits);
        return;
    }
    ui::DataRecordset& rows = datInfor.Recordset();
    bool adding = rows.editMode() == db::EditMode::Adding;
    db::Status written = adding ? db::Status{} : rows.Edit();
    if (written) written = rows.Update();
    if (!written) {
        // The store refused: the record stays as stored, the edits stay in the boxes.
        if (!adding && datInfor.recordset() && datInfor.recordset()->editMode() == db::EditMode::Editing)
            (void)datInfor.recordset()->CancelUpdate();
        datInfor.report(written.error());
        return;
    }
    if (cmdNew.tag() == kNewMarker) {
        (void)rows.MoveLast();
        cmdNew.setTag("");
    }
    EnterBrowseMode();
}

void frmRegister2::cmdEtoC_Click() {
    if (cmdEtoC.caption() == "C") {
        for (ui::Control* c : englishCaptions()) c->setVisible(false);
        cmdEtoC.setCaption("E");
        cmdEtoC.setBackColor(ui::color::kRed);
    } else if (cmdEtoC.caption() == "E") {
        for (ui::Control* c : englishCaptions()) c->setVisible(true);
        cmdEtoC.setCaption("C");
        cmdEtoC.setBackColor(ui::color::kYellow);
    }
}

void frmRegister2::cmdClose_Click() {
    if (storePendingEdits()) goBack();
}

void frmRegister2::cmdNext_Click() {
    if (storePendingEdits()) goNext();
}

}  // namespace pelk::setup
