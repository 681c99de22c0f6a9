#include "road/demo_forms.h"

#include <string>

#include "platform/core/clock.h"
#include "platform/core/datetime.h"
#include "platform/os/paths.h"

namespace pelk::road {

frmDemoList::frmDemoList() {
    setCaption("Dishes");
    Move(0, 0, 4800, 5400);
    setBackColor(0xC0FFC0);
    lblTime.Move(120, 120, 2000, 300);
    lblStatus.Move(2400, 120, 2000, 300);
    lstItems.Move(120, 600, 2000, 1800);
    txtCode.Move(2400, 600, 1200, 360);
    txtCode.setMaxLength(4);
    txtCode.setPasswordChar("*");
    for (ui::CommandButton* b : comNumber.members()) {
        int i = b->index();
        b->setCaption(std::to_string(i));
        b->Move(2400 + (i % 3) * 600, 1080 + (i / 3) * 480, 540, 420);
    }
    cmdBack.setCaption("Back");
    cmdErase.setCaption("&Erase");
    cmdClose.setCaption("&Close");
    Timer1.setInterval(1000);

    comNumber.onClick([this](int index) { comNumber_Click(index); });
    cmdBack.onClick([this] { cmdBack_Click(); });
    cmdErase.onClick([this] { cmdErase_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    Timer1.onTimer([this] { Timer1_Timer(); });
}

void frmDemoList::Form_Load() {
    for (const char* dish : {"Fried rice", "Lo mein", "Egg roll"}) lstItems.AddItem(dish);
}

// The keypad types into the code box through the keystroke queue, as a keyboard would.
void frmDemoList::comNumber_Click(int Index) {
    txtCode.SetFocus();
    ui::SendKeys(std::to_string(Index));
}

void frmDemoList::cmdBack_Click() {
    txtCode.SetFocus();
    ui::SendKeys("{BS}");
}

// The question form is loaded by this first reference and told its question; it writes the
// answer into this button's Tag, which is cleared first so that no earlier answer counts.
void frmDemoList::cmdErase_Click() {
    cmdErase.setTag("");
    frmDemoAsk& ask = ui::forms().get<frmDemoAsk>();
    ask.lblQuestion.setCaption("Erase every dish?");
    ask.Show(ui::kModal);
    if (cmdErase.tag() == "Yes") {
        lstItems.Clear();
        lblStatus.setCaption("Erased");
    } else {
        lblStatus.setCaption("Kept");
    }
}

void frmDemoList::cmdClose_Click() {
    if (ui::MsgBox("Close the list?", ui::kYesNo + ui::kQuestion) == ui::MsgBoxResult::Yes) Unload();
}

void frmDemoList::Timer1_Timer() { lblTime.setCaption(core::longTime(core::clock::timeOfDay())); }

frmDemoAsk::frmDemoAsk() {
    setCaption("Question");
    Move(0, 0, 4245, 2430);
    setBackColor(0xFFFFFF);
    lblQuestion.setCaption("Question?");
    lblQuestion.Move(120, 120, 3975, 495);
    lblLoadedWith.Move(120, 600, 3975, 495);
    cmdYes.setCaption("Yes");
    cmdYes.Move(120, 1320, 1815, 975);
    cmdNo.setCaption("No");
    cmdNo.Move(2280, 1320, 1815, 975);

    cmdYes.onClick([this] { cmdYes_Click(); });
    cmdNo.onClick([this] { cmdNo_Click(); });
}

// Shows what the question read when the form was loaded: the opener sets it only afterwards.
void frmDemoAsk::Form_Load() { lblLoadedWith.setCaption(lblQuestion.caption()); }

void frmDemoAsk::cmdYes_Click() {
    ui::forms().get<frmDemoList>().cmdErase.setTag("Yes");
    Unload();
}

void frmDemoAsk::cmdNo_Click() { Unload(); }

frmDemoStaff::frmDemoStaff() {
    setCaption("Staff");
    Move(0, 0, 9000, 5400);
    datStaff.setConnect("Access 2000;");
    datStaff.Move(120, 120, 3000, 360);
    txtID.Move(120, 600, 1200, 360);
    txtName.Move(1440, 600, 2400, 360);
    lblLevel.Move(3960, 600, 1200, 360);
    chkActive.setCaption("Active");
    chkActive.Move(5280, 600, 1200, 360);
    txtHired.Move(6600, 600, 1200, 360);
    cmdPromote.setCaption("Promote");
    cmdPromote.Move(120, 1080, 1200, 420);
    grdStaff.Move(120, 1680, 8640, 3360);
    grdStaff.setAllowAddNew(true);
    grdStaff.setColumns(
        {{"szID_no", "ID:", 900, ""}, {"sFirst_nm", "Name:", 2400, ""}, {"szHired", "Hired:", 1200, "Short Date"}});
    grdStaff.setDataSource(datStaff);
    datStaff.bind(txtID, "szID_no");
    datStaff.bind(txtName, "sFirst_nm");
    datStaff.bind(lblLevel, "szLevel_nu");
    datStaff.bind(chkActive, "Active");
    datStaff.bind(txtHired, "szHired");

    datStaff.onReposition([this] { datStaff_Reposition(); });
    cmdPromote.onClick([this] { cmdPromote_Click(); });
}

void frmDemoStaff::Form_Load() {
    datStaff.setDatabaseName(os::programPath("DemoStaff.mdb"));
    datStaff.setRecordSource("SELECT * FROM tbDemo ORDER BY szID_no");
}

void frmDemoStaff::datStaff_Reposition() {
    datStaff.setCaption(std::to_string(datStaff.Recordset().absolutePosition() + 1));
}

// Only the label changes here; the row takes it when the data control writes the row back.
void frmDemoStaff::cmdPromote_Click() { lblLevel.setCaption("Level 3"); }

void registerDemoForms() {
    ui::forms().registerForm<frmDemoList>("frmDemoList");
    ui::forms().registerForm<frmDemoAsk>("frmDemoAsk");
    ui::forms().registerForm<frmDemoStaff>("frmDemoStaff");
}

}  // namespace pelk::road
