#include "setup/frmRegister2.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "platform/core/text.h"
#include "platform/db/db.h"
#include "platform/os/paths.h"
#include "settings/common.h"
#include "shell/frmEmploye.h"
#include "shell/stores.h"

namespace pelk::setup {

namespace {

constexpr const char* kEmployeeSource = "SELECT * FROM tbEmplo ORDER BY szID_no ASC";
constexpr const char* kNewMarker = "New";

constexpr ui::Color kDarkBlue = 0xC00000;
constexpr ui::Color kNavy = 0x800000;
constexpr ui::Color kDarkRed = 0xC0;
constexpr ui::Color kLightRed = 0x8080FF;
constexpr ui::Color kBrightGreen = 0x80FF80;
constexpr ui::Color kRed = 0xFF;
constexpr ui::Color kYellow = 0xFFFF;

// A field caption, its right edge just before its box so that the words are never under it.
void label(ui::Label& l, const char* text, double left, double top, double width, ui::Color colour = kDarkBlue,
           double size = 11.25) {
    l.setCaption(text);
    l.setFontName("Times New Roman");
    l.setFontSize(size);
    l.setFontBold(true);
    l.setForeColor(colour);
    l.setBackStyle(0);
    l.Move(left, top, width, 285);
}

void box(ui::Control& c, double left, double top, double width, double height = 285) {
    c.setFontName("MS Sans Serif");
    c.setFontSize(8.25);
    c.setFontBold(true);
    c.Move(left, top, width, height);
}

}  // namespace

frmRegister2::frmRegister2() : WizardStep(4) {
    Label7.setCaption(" Your must set your employees access  Level, Position   ");
    Label7.setFontName("MS Sans Serif");
    Label7.setFontSize(12);
    Label7.setFontBold(true);
    Label7.setAlignment(2);
    Label7.setBackStyle(0);
    Label7.Move(1800, 1440, 7575, 375);

    label(lblID, "ID:", 1080, 1920, 450);
    box(txtID, 1560, 1920, 615);
    label(Label13, "Brithday:", 2175, 1920, 945, kNavy);
    box(Text20, 3120, 1920, 1095);
    label(lblHried, "Hired:", 4515, 1920, 645);
    box(txtHired, 5160, 1920, 1455);
    Label2.setCaption("Hourly Rate:");
    Label2.setFontName("MS Sans Serif");
    Label2.setFontSize(9.75);
    Label2.setFontBold(true);
    Label2.setForeColor(kDarkBlue);
    Label2.setWordWrap(true);
    Label2.setBackStyle(0);
    Label2.Move(7080, 1800, 840, 480);
    box(Text1, 7920, 1920, 735);
    Label10.setCaption("We use four digit ID as the password and has to be greater that 0010 .");
    Label10.setFontName("MS Sans Serif");
    Label10.setFontSize(8.25);
    Label10.setWordWrap(true);
    Label10.setBackStyle(0);
    Label10.Move(600, 2280, 3735, 615);
    label(lblTerm, "Term:", 4560, 2280, 600);
    box(txtTerminate, 5160, 2280, 1455);
    label(lblName, "Name:", 840, 2880, 720);
    box(txtName, 1560, 2880, 2655);
    label(lblSS, "SSN:", 4515, 3120, 615);
    lblSS.setAlignment(1);
    box(txtSS, 5160, 3120, 1455);
    label(lblAdds, "Address:", 600, 3240, 960);
    box(txtAdds, 1560, 3240, 2655);
    label(lblTele, "Phone:", 4440, 3480, 720);
    box(txtPhone, 5160, 3480, 1455);
    label(lblCity, "City, St Zip:", 240, 3600, 1320);
    box(txtCity, 1560, 3570, 1575);
    box(txtState, 3120, 3570, 375);
    box(txtZip, 3480, 3570, 735);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&txtID, &txtName, &cmbLevel, &cmbType})
        c->setBackColor(kLightRed);

    Line2.setBorderColor(0xFFFFFF);
    Line2.setBorderWidth(2);
    Line2.setX1(720);
    Line2.setY1(4080);
    Line2.setX2(6600);
    Line2.setY2(4080);

    label(Label1, "Level:", 680, 4320, 640, kDarkRed, 12);
    box(cmbLevel, 1320, 4320, 1095, 315);
    label(lblType, "Position:", 2520, 4320, 960, kDarkRed, 12);
    box(cmbType, 3480, 4320, 1215, 315);
    label(Label9, "Room:", 4800, 4320, 720, kDarkRed, 12);
    box(cmbRoom, 5520, 4320, 1095, 315);
    cmbRoom.setEnabled(false);

    // The legend: a level's row, the areas across; the areas a level does not reach are disabled.
    struct Row {
        ui::Label* label;
        const char* caption;
        double top;
        ui::Color colour;
    };
    const Row rows[] = {{&Label5, "Level 1", 4920, kBrightGreen},
                        {&Label3, "Level 2", 5280, settings::kScreenGreen},
                        {&Label4, "Level 3", 5640, kBrightGreen}};
    for (const Row& r : rows) {
        r.label->setCaption(r.caption);
        r.label->setFontName("MS Sans Serif");
        r.label->setFontSize(12);
        r.label->setFontBold(true);
        r.label->setBackStyle(0);
        r.label->Move(600, r.top + 45, 960, 330);
    }
    const double columns[] = {1560, 2400, 3240, 4180, 5520};
    const double widths[] = {855, 855, 975, 1335, 1095};
    ui::Label* areas[] = {&lblArea0, &lblArea1, &lblArea2, &lblArea3, &lblArea4};
    const char* areaNames[] = {"Orders", "Menus", "Reports", "Accut Payable", "Passwords"};
    for (int i = 0; i < 5; ++i) {
        areas[i]->setCaption(areaNames[i]);
        areas[i]->setFontName("MS Sans Serif");
        areas[i]->setFontSize(8.25);
        areas[i]->setFontBold(true);
        areas[i]->setBackStyle(0);
        areas[i]->Move(columns[i], 4680, widths[i], 240);
    }
    ui::CheckBox* legend[3][5] = {{&Check1, &Check2, &Check3, &Check5, &Check10},
                                  {&Check6, &Check8, &Check7, &Check4, &Check9},
                                  {&Check11, &Check14, &Check12, &Check13, &Check15}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            ui::CheckBox* tick = legend[r][c];
            tick->setCaption("");
            tick->setBackColor(rows[r].colour);
            tick->Move(columns[c], rows[r].top, widths[c], 375);
        }
    for (ui::CheckBox* unreachable : {&Check2, &Check3, &Check5, &Check10, &Check4, &Check9})
        unreachable->setEnabled(false);

    fraImage.setCaption("Image");
    fraImage.Move(7080, 2520, 1935, 2115);
    picImage.setContainer(fraImage);
    picImage.setBorderStyle(0);
    picImage.Move(120, 240, 1695, 1755);

    datInfor.setConnect("Access 2000;");
    datInfor.setCaption("Photo");
    datInfor.Move(7080, 4680, 1980, 495);

    // Graphical, so that its colour shows.
    cmdEtoC.setStyle(1);
    cmdEtoC.setCaption("C");
    cmdEtoC.setBackColor(kYellow);
    cmdEtoC.setFontName("Times New Roman");
    cmdEtoC.setFontSize(14.25);
    cmdEtoC.setFontBold(true);
    cmdEtoC.Move(8280, 5280, 855, 615);

    double top = 1560;
    for (auto [button, words] : {std::pair{&cmdFind, "Find"}, std::pair{&cmdErase, "Del"}, std::pair{&cmdNew, "New"},
                                 std::pair{&cmdSave, "Save"}}) {
        button->setStyle(1);
        button->setPicture(ui::Picture::design(words));
        button->Move(9480, top, 1335, 855);
        top += 1080;
    }
    cmdSave.setEnabled(false);
    // The record buttons and Back show the step's own pointer; every other control the system's.
    for (ui::CommandButton* button : {&cmdErase, &cmdNew, &cmdSave, &cmdClose}) {
        button->setMouseIcon(ui::Picture::design("Step"));
        button->setMousePointer(99);
    }

    int tab = 0;
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&txtID, &Text20, &txtHired, &Text1, &txtTerminate, &txtName, &txtSS,
                                             &txtAdds, &txtPhone, &txtCity, &txtState, &txtZip, &cmbLevel, &cmbType})
        c->setTabIndex(tab++);

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
        cmdEtoC.setBackColor(kRed);
    } else if (cmdEtoC.caption() == "E") {
        for (ui::Control* c : englishCaptions()) c->setVisible(true);
        cmdEtoC.setCaption("C");
        cmdEtoC.setBackColor(kYellow);
    }
}

void frmRegister2::cmdClose_Click() {
    if (storePendingEdits()) goBack();
}

void frmRegister2::cmdNext_Click() {
    if (storePendingEdits()) goNext();
}

}  // namespace pelk::setup
