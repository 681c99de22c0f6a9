#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bound_form.h"
#include "platform/ui/input.h"
#include "platform/ui/ui.h"

using namespace pelk;
using namespace pelk::test;
using Events = std::vector<std::string>;

namespace {

void next(frmStaff& f) { ui::input::select(f.datStaff, ui::Data::kNavigateNext); }
void previous(frmStaff& f) { ui::input::select(f.datStaff, ui::Data::kNavigatePrevious); }

bool startsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

}  // namespace

// After Form_Load the data control opens by itself: the boxes fill (their Change and Click run as
// code's writes raise them) and Reposition comes last.
TEST(Binding, OpensAfterFormLoadAndRepositionsAfterTheBoxesFilled) {
    StaffSession s;
    frmStaff& f = s.show();
    EXPECT_EQ(f.take(), (Events{"Form_Load", "txtName_Change Ann", "lblLevel_Change Level 1", "chkActive_Click 1",
                                "datStaff_Reposition 1001"}));
    EXPECT_EQ(f.txtID.text(), "1001");
    EXPECT_EQ(f.cmbType.text(), "Cashier");
    EXPECT_EQ(f.Check1.value(), 1);  // text "1"
    EXPECT_EQ(f.Check2.value(), 0);  // number 0
    EXPECT_EQ(f.txtHired.text(), "3/2/2024");
    EXPECT_EQ(f.txtRate.text(), "12.5");
    EXPECT_TRUE(s.prompts().empty());

    // The next row: Validate first (nothing to save), then the boxes, then Reposition. A check box
    // whose value changes raises Click once.
    next(f);
    EXPECT_EQ(f.take(), (Events{"datStaff_Validate 3 0", "txtName_Change Bob", "lblLevel_Change Level 2",
                                "chkActive_Click 0", "datStaff_Reposition 1002"}));
    EXPECT_EQ(f.Check2.value(), 1);
    // Previous on the first row stays there; next on the last row too.
    previous(f);
    previous(f);
    EXPECT_EQ(f.txtID.text(), "1001");
    for (int i = 0; i < 3; ++i) next(f);
    EXPECT_EQ(f.txtID.text(), "1003");
    EXPECT_EQ(f.txtHired.text(), "");  // Null
}

// A Form_Load that refreshes reads the rows there, and the control does not open again after it.
TEST(Binding, AFormLoadThatRefreshesReadsTheRowsItself) {
    StaffSession s;
    staffLoad().refreshInLoad = true;
    frmStaff& f = s.show();
    EXPECT_TRUE(f.refreshedInLoad);
    EXPECT_EQ(f.take(), (Events{"Form_Load", "txtName_Change Ann", "lblLevel_Change Level 1", "chkActive_Click 1",
                                "datStaff_Reposition 1001", "Form_Load saw Ann"}));
}

// Edits are written when the row is left, when the control is refreshed and when the form
// unloads; a caption set by code is an edit like a typed one.
TEST(Binding, EditsAreWrittenWhenTheRowIsLeftRefreshedOrUnloaded) {
    StaffSession s;
    frmStaff& f = s.show();
    f.txtName.setSelStart(3);
    ui::input::type(f.txtName, "ie");
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Ann");  // nothing is written field by field
    next(f);
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Annie");
    EXPECT_EQ(stored("1002", "sFirst_nm"), "Bob");

    f.lblLevel.setCaption("Level 9");
    EXPECT_TRUE(f.datStaff.Refresh().ok());
    EXPECT_EQ(stored("1002", "szLevel_nu"), "Level 9");
    EXPECT_EQ(f.txtID.text(), "1001");  // Refresh shows the first row again

    f.cmbType.setText("Waiter");
    f.Unload();
    EXPECT_EQ(stored("1001", "szType_tx"), "Waiter");
    EXPECT_TRUE(s.prompts().empty());
}

// Nothing changed, nothing written: what another station wrote meanwhile stays.
TEST(Binding, ARowNotEditedIsNeverWritten) {
    StaffSession s;
    frmStaff& f = s.show();
    writeBehind("1001", "sFirst_nm", "Zed");
    next(f);
    previous(f);  // the row is read again: it shows what is stored now
    EXPECT_EQ(f.txtName.text(), "Zed");
    writeBehind("1001", "szLevel_nu", "Level 7");
    EXPECT_TRUE(f.datStaff.Refresh().ok());
    writeBehind("1001", "szType_tx", "Busboy");
    f.Unload();
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Zed");
    EXPECT_EQ(stored("1001", "szLevel_nu"), "Level 7");
    EXPECT_EQ(stored("1001", "szType_tx"), "Busboy");
}

// What each kind of box writes into each kind of field.
TEST(Binding, ValuesAreWrittenInTheFieldsOwnKind) {
    StaffSession s;
    frmStaff& f = s.show();
    ui::input::click(f.chkActive);  // yes/no: False
    ui::input::click(f.Check1);     // text: "0"
    ui::input::click(f.Check2);     // number: 1
    f.txtHired.setText("");         // an empty date is Null
    f.txtRate.setText("");          // an empty number is Null
    f.take();
    next(f);
    EXPECT_EQ(f.take().front(), "datStaff_Validate 3 1");
    EXPECT_EQ(stored("1001", "Active"), "False");
    EXPECT_EQ(stored("1001", "1"), "0");
    EXPECT_EQ(stored("1001", "2"), "1");
    EXPECT_EQ(stored("1001", "szHired"), "(null)");
    EXPECT_EQ(stored("1001", "szRate"), "(null)");

    f.txtHired.setText("12/10/2026");
    f.txtRate.setText("8.75");
    previous(f);
    EXPECT_EQ(stored("1002", "szHired"), "12/10/2026");
    EXPECT_EQ(stored("1002", "szRate"), "8.75");
}

// A write the store refuses is shown to the clerk; the row stays as stored, the edit stays in the
// box and the move does not happen, so the clerk can put it right.
TEST(Binding, ARefusedWriteIsShownAndTheRowStaysAsStored) {
    StaffSession s;
    frmStaff& f = s.show();
    f.txtID.setText("10011");  // longer than the field
    f.take();
    next(f);
    ASSERT_EQ(s.prompts().size(), 1u);
    EXPECT_TRUE(startsWith(s.prompts()[0], "Error #: 3163\r")) << s.prompts()[0];
    EXPECT_EQ(s.host().messageBoxes()[0].icon(), ui::MsgBoxIcon::Critical);
    EXPECT_EQ(f.txtID.text(), "10011");
    EXPECT_EQ(f.take(), (Events{"datStaff_Validate 3 1"}));  // no Reposition
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Ann");
    // A move by code fails the same way, with the store's error.
    auto st = f.datStaff.Recordset().MoveNext();
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().code, db::code::kFieldTooSmall);

    f.txtID.setText("1009");
    next(f);
    EXPECT_EQ(stored("1009", "sFirst_nm"), "Ann");
    EXPECT_EQ(f.txtID.text(), "1002");

    // Unloading with a refused edit: told, and the form goes all the same.
    f.txtName.setText("A name far too long for the field");
    f.Unload();
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(s.prompts().size(), 3u);
    EXPECT_EQ(stored("1002", "sFirst_nm"), "Bob");
}

// Validate can cancel the move, or let it go and drop the edits.
TEST(Binding, ValidateCancelsTheMoveOrDropsTheEdits) {
    StaffSession s;
    frmStaff& f = s.show();
    f.txtName.setText("Annie");
    f.cancelAction = true;
    f.take();
    next(f);
    EXPECT_EQ(f.take(), (Events{"datStaff_Validate 3 1"}));
    EXPECT_EQ(f.txtID.text(), "1001");
    auto st = f.datStaff.Recordset().MoveLast();
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().code, ui::kErrCancelledByValidate);
    EXPECT_EQ(f.datStaff.Refresh().error().code, ui::kErrCancelledByValidate);
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Ann");

    f.cancelAction = false;
    f.dropEdits = true;
    next(f);
    EXPECT_EQ(f.txtID.text(), "1002");
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Ann");
    // An unload cannot be cancelled, but its edits can be dropped.
    f.cancelAction = true;
    f.txtName.setText("Bobby");
    f.Unload();
    EXPECT_FALSE(f.isLoaded());
    EXPECT_EQ(stored("1002", "sFirst_nm"), "Bob");
    EXPECT_TRUE(s.prompts().empty());
}

// Moves and finds made by code through the data control's recordset are followed by the boxes.
TEST(Binding, TheBoxesFollowMovesAndFindsMadeByCode) {
    StaffSession s;
    frmStaff& f = s.show();
    auto& rs = f.datStaff.Recordset();
    f.txtName.setText("Annie");
    f.take();
    ASSERT_TRUE(rs.FindFirst("szID_no = '1003'").ok());
    EXPECT_EQ(f.take(), (Events{"datStaff_Validate 8 1", "txtName_Change Cy", "lblLevel_Change Level 3",
                                "chkActive_Click 0", "datStaff_Reposition 1003"}));
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Annie");
    EXPECT_EQ(rs.field("sFirst_nm")->toText(), "Cy");

    // No match: nothing is shown and nothing repositioned.
    ASSERT_TRUE(rs.FindFirst("szID_no = '9999'").ok());
    EXPECT_TRUE(rs.noMatch());
    EXPECT_EQ(f.take(), (Events{"datStaff_Validate 8 0"}));
    EXPECT_EQ(f.txtName.text(), "Cy");

    ASSERT_TRUE(rs.MoveFirst().ok());
    ASSERT_TRUE(rs.setAbsolutePosition(1).ok());
    EXPECT_EQ(f.txtID.text(), "1002");
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_EQ(rs.recordCount(), 3);
}

// AddNew shows the empty new row; what is typed there makes a row when the row is left, and a
// new row left empty is not added. CancelUpdate and Delete during AddNew abandon it.
TEST(Binding, NewRowsThroughTheRecordset) {
    StaffSession s;
    frmStaff& f = s.show();
    auto& rs = f.datStaff.Recordset();
    f.take();
    ASSERT_TRUE(rs.AddNew().ok());
    EXPECT_EQ(f.take(), (Events{"datStaff_Validate 5 0", "txtName_Change ", "lblLevel_Change ", "chkActive_Click 0",
                                "datStaff_Reposition "}));
    f.txtID.setText("1004");
    f.txtName.setText("Dee");
    ASSERT_TRUE(rs.MoveFirst().ok());
    EXPECT_EQ(rowsStored(), 4);
    EXPECT_EQ(stored("1004", "sFirst_nm"), "Dee");

    ASSERT_TRUE(rs.AddNew().ok());
    ASSERT_TRUE(rs.MoveLast().ok());
    EXPECT_EQ(rowsStored(), 4);

    ASSERT_TRUE(rs.MoveFirst().ok());
    ASSERT_TRUE(rs.AddNew().ok());
    f.txtName.setText("Eve");
    f.take();
    ASSERT_TRUE(rs.CancelUpdate().ok());
    EXPECT_EQ(f.txtName.text(), "Ann");
    EXPECT_EQ(f.take().back(), "datStaff_Reposition 1001");
    ASSERT_TRUE(rs.AddNew().ok());
    ASSERT_TRUE(rs.Delete().ok());
    EXPECT_EQ(f.txtID.text(), "1001");
    EXPECT_EQ(rowsStored(), 4);
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Ann");
}

// Edit and Update by code write the boxes' edits too; a field set by code wins over its box.
TEST(Binding, UpdateByCodeWritesTheBoxesAndTheFieldsSetByCode) {
    StaffSession s;
    frmStaff& f = s.show();
    auto& rs = f.datStaff.Recordset();
    f.txtName.setText("Annie");
    f.lblLevel.setCaption("Level 2");
    ASSERT_TRUE(rs.Edit().ok());
    ASSERT_TRUE(rs.setField("szLevel_nu", "Level 3").ok());
    ASSERT_TRUE(rs.setField("szType_tx", "Manager").ok());
    ASSERT_TRUE(rs.Update().ok());
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Annie");
    EXPECT_EQ(stored("1001", "szLevel_nu"), "Level 3");
    EXPECT_EQ(f.lblLevel.caption(), "Level 3");  // the boxes show the row as stored
    EXPECT_EQ(f.cmbType.text(), "Manager");
    writeBehind("1001", "sFirst_nm", "Zed");
    f.Unload();  // nothing left to write
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Zed");

    // Update without Edit fails as the legacy one did.
    frmStaff& g = s.show();
    EXPECT_EQ(g.datStaff.Recordset().Update().error().code, db::code::kUpdateWithoutEdit);
    // UpdateControls drops the boxes' edits; UpdateRecord writes them at once.
    g.txtName.setText("Nobody");
    g.datStaff.UpdateControls();
    EXPECT_EQ(g.txtName.text(), "Zed");
    g.txtName.setText("Zoe");
    ASSERT_TRUE(g.datStaff.UpdateRecord().ok());
    EXPECT_EQ(stored("1001", "sFirst_nm"), "Zoe");
}

// A store that cannot be opened leaves the screen without rows; the clerk is told once, and every
// use of the recordset fails with error 91 instead of crashing.
TEST(Binding, AStoreThatCannotBeOpenedIsToldOnce) {
    StaffSession s;
    staffLoad().database = "C:\\Program Files\\Pelk POS 4\\Missing.mdb";
    frmStaff& f = s.show();
    ASSERT_EQ(s.prompts().size(), 1u);
    EXPECT_EQ(s.prompts()[0], "Error #: 3024\rCould not find file 'C:\\Program Files\\Pelk POS 4\\Missing.mdb'.");
    EXPECT_FALSE(f.datStaff.isOpen());
    EXPECT_EQ(f.txtName.text(), "");
    auto& rs = f.datStaff.Recordset();
    EXPECT_EQ(rs.MoveNext().error().code, ui::kErrNoRecordset);
    EXPECT_EQ(rs.field("sFirst_nm").error().code, ui::kErrNoRecordset);
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    next(f);
    f.txtName.setText("typed");
    f.Unload();
    EXPECT_EQ(s.prompts().size(), 1u);

    // A control pointed at nothing stays closed without a word; Refresh says why.
    staffLoad().database = "";
    frmStaff& g = s.show();
    EXPECT_FALSE(g.datStaff.isOpen());
    EXPECT_EQ(s.prompts().size(), 1u);
    EXPECT_EQ(g.datStaff.Refresh().error().code, db::code::kFileNotFound);

    // A record source naming a missing table, or a bound field the source lacks.
    g.Unload();
    staffLoad() = StaffLoad{};
    staffLoad().source = "tbNothing";
    s.show().Unload();
    EXPECT_TRUE(startsWith(s.prompts().back(), "Error #: 3078\r")) << s.prompts().back();
    staffLoad().source = "SELECT ID, szID_no, sFirst_nm FROM tbEmplo";
    std::size_t before = s.prompts().size();
    frmStaff& h = s.show();
    EXPECT_EQ(s.prompts().size(), before + 7);  // each missing field once
    EXPECT_EQ(s.prompts().back(), "Error #: 545\rUnable to bind to field or DataMember: 'szRate'.");
    EXPECT_EQ(h.txtName.text(), "Ann");
}

// The data control's own properties, as scripts and hosts read them.
TEST(Binding, PropertiesByName) {
    StaffSession s;
    frmStaff& f = s.show();
    EXPECT_EQ(f.datStaff.property("DatabaseName"), kStaffStore);
    EXPECT_EQ(f.datStaff.property("Connect"), "Access 2000;");
    f.datStaff.setProperty("Caption", "2");
    EXPECT_EQ(f.datStaff.caption(), "2");
    f.datStaff.setProperty("RecordSource", "SELECT * FROM tbEmplo WHERE szID_no = '1002'");
    EXPECT_EQ(f.txtID.text(), "1001");  // pointing does not open
    ASSERT_TRUE(f.datStaff.Refresh().ok());
    EXPECT_EQ(f.txtID.text(), "1002");
    EXPECT_EQ(f.datStaff.boundField(f.chkActive), "Active");
    EXPECT_EQ(ui::kindName(f.datStaff.kind()), "Data");
    EXPECT_THROW(f.datStaff.userSelect(4, -1), ui::PropertyError);
}
