#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/db/db.h"
#include "platform/ui/input.h"
#include "platform/ui/scripted_host.h"
#include "platform/ui/ui.h"
#include "support/temp_root.h"
#include "support/time_cards.h"

using namespace pelk;
using Events = std::vector<std::string>;

namespace {

using test::card;
using test::cards;
using test::kCards;
using test::makeCards;

// The time sheet's grid in small.
class frmSheet : public ui::Form {
public:
    frmSheet() {
        DBGrid1.setDataSource(datTcd);
        DBGrid1.setColumns({{"szID_no", "ID:", 600, ""},
                            {"szName_na", "Name:", 1200, ""},
                            {"szDate_da", "Date:", 1000, "Short Date"},
                            {"szIn_ti", "Time In:", 1000, "Medium Time"},
                            {"szTHrs", "Total Minutes:", 1000, "Standard"}});
        DBGrid1.setAllowDelete(true);
        DBGrid1.onClick([this] { events.push_back("DBGrid1_Click " + std::to_string(DBGrid1.row())); });
        datTcd.onReposition([this] { events.push_back("datTcd_Reposition"); });
    }
    ui::Data datTcd{this, "datTcd"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};
    ui::DBGrid grdAll{this, "grdAll"};

    void Form_Load() override {
        datTcd.setDatabaseName(kCards);
        datTcd.setRecordSource("SELECT * FROM tblTcd ORDER BY szDate_da");
        grdAll.setDataSource(datTcd);
    }
    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }
};

struct SheetSession {
    test::TempRoot root;
    ui::ScriptedSession session;
    frmSheet* f = nullptr;
    explicit SheetSession(int moreCards = 0) {
        makeCards();
        if (moreCards > 0) test::addCards(moreCards);
        ui::forms().registerForm<frmSheet>("frmSheet");
        f = &ui::forms().get<frmSheet>();
        f->Show();
        f->take();
    }
};

}  // namespace

// The grid shows the data control's rows with each column's display format, and its current row is
// the data control's, whoever moves it.
TEST(RecordGrid, ShowsTheRowsFormattedAndFollowsTheDataControl) {
    SheetSession s;
    ui::DBGrid& g = s.f->DBGrid1;
    EXPECT_EQ(g.rows(), 3);
    EXPECT_EQ(g.cols(), 5);
    EXPECT_EQ(g.textMatrix(0, 0), "1001");
    EXPECT_EQ(g.textMatrix(0, 2), "12/10/2026");
    EXPECT_EQ(g.textMatrix(0, 3), "02:05 PM");
    EXPECT_EQ(g.textMatrix(0, 4), "480.00");
    EXPECT_EQ(g.property("TextMatrix(1,4)"), "1,255.50");
    EXPECT_EQ(g.property("ColumnCaption(4)"), "Total Minutes:");
    EXPECT_EQ(g.property("ColumnWidth(1)"), "1200");
    EXPECT_THROW(g.property("TextMatrix(3,0)"), ui::PropertyError);
    EXPECT_EQ(g.row(), 0);

    ASSERT_TRUE(s.f->datTcd.Recordset().MoveLast().ok());
    EXPECT_EQ(g.row(), 2);
    EXPECT_EQ(g.text(), "1001");
    ui::input::select(g, 1, 3);
    EXPECT_EQ(s.f->take(), (Events{"datTcd_Reposition", "datTcd_Reposition", "DBGrid1_Click 1"}));
    EXPECT_EQ(s.f->datTcd.Recordset().field("szName_na")->toText(), "Bob");
    EXPECT_EQ(g.text(), "09:00 AM");

    // Without declared columns the grid shows every field, headed by its name.
    ui::DBGrid& all = s.f->grdAll;
    EXPECT_EQ(all.cols(), 6);
    EXPECT_EQ(all.columnCaption(0), "ID");
    EXPECT_EQ(all.columnCaption(3), "szDate_da");
    EXPECT_EQ(all.textMatrix(1, 3), "12/11/2026");
    EXPECT_EQ(all.row(), 1);
}

// A grid over many rows reads a row when it is asked for (a window reads the rows it shows), knows
// the current row without reading the rows before it, and a row chosen that was never read is
// still the right one.
TEST(RecordGrid, ReadsOnlyTheRowsAskedFor) {
    SheetSession s(600);
    ui::DBGrid& g = s.f->DBGrid1;
    ASSERT_EQ(g.rows(), 603);
    EXPECT_EQ(g.row(), 0);
    EXPECT_EQ(g.rowsRead(), 0) << "counting the rows reads none";
    EXPECT_EQ(g.textMatrix(500, 1), "Guest 498");
    for (int r = 501; r < 520; ++r) EXPECT_EQ(g.textMatrix(r, 0), std::to_string(2000 + r - 2));
    EXPECT_EQ(g.textMatrix(500, 4), "498.00");
    EXPECT_EQ(g.rowsRead(), 20);

    ASSERT_TRUE(s.f->datTcd.Recordset().MoveLast().ok());
    EXPECT_EQ(g.row(), 602);
    EXPECT_EQ(g.rowsRead(), 0) << "a move reads afresh what is shown next";
    EXPECT_EQ(g.text(), "2600");
    ui::input::select(g, 300, 1);
    EXPECT_EQ(s.f->datTcd.Recordset().field("szName_na")->toText(), "Guest 298");
    EXPECT_EQ(g.row(), 300);
    EXPECT_LE(g.rowsRead(), 2);

    // A row deleted through the data control is gone from the grid, and the rows after it move up.
    ASSERT_TRUE(s.f->datTcd.Recordset().Delete().ok());
    EXPECT_EQ(g.rows(), 602);
    EXPECT_EQ(g.textMatrix(300, 1), "Guest 299");
}

// A typed cell is stored when its row is left, or when the form unloads; a value the field cannot
// hold is shown to the clerk and the row keeps its stored value.
TEST(RecordGrid, AnEditedRowIsStoredWhenItIsLeft) {
    SheetSession s;
    ui::DBGrid& g = s.f->DBGrid1;
    EXPECT_TRUE(ui::input::editCell(g, 0, 1, "Annie"));
    EXPECT_EQ(g.textMatrix(0, 1), "Annie");
    EXPECT_EQ(card("szTHrs = 480", "szName_na"), "Ann");
    ui::input::select(g, 2, 0);
    EXPECT_EQ(card("szTHrs = 480", "szName_na"), "Annie");
    EXPECT_EQ(card("szTHrs = 255", "szName_na"), "Ann");

    // Typing into another row leaves this one first.
    EXPECT_TRUE(ui::input::editCell(g, 2, 4, "300"));
    EXPECT_TRUE(ui::input::editCell(g, 1, 2, "12/31/2026"));
    EXPECT_EQ(card("szName_na = 'Ann' AND szTHrs = 300", "szDate_da"), "12/12/2026");
    EXPECT_EQ(g.textMatrix(1, 2), "12/31/2026");

    ui::input::editCell(g, 1, 3, "not a time");
    ui::input::select(g, 0, 0);
    ASSERT_EQ(s.session.host().messageBoxes().size(), 1u);
    EXPECT_EQ(s.session.host().messageBoxes()[0].prompt.rfind("Error #: 3421\r", 0), 0u);
    EXPECT_EQ(g.row(), 1);
    EXPECT_EQ(card("szName_na = 'Bob'", "szIn_ti"), "9:00:00 AM");

    ui::input::editCell(g, 1, 3, "10:15 AM");
    s.f->Unload();
    EXPECT_EQ(card("szName_na = 'Bob'", "szIn_ti"), "10:15:00 AM");
    EXPECT_EQ(card("szName_na = 'Bob'", "szDate_da"), "12/31/2026");
}

// AllowUpdate, AllowAddNew and AllowDelete say what the user may do in the grid.
TEST(RecordGrid, TheUserEditsAddsAndDeletesAsTheSwitchesAllow) {
    SheetSession s;
    ui::DBGrid& g = s.f->DBGrid1;

    g.setAllowUpdate(false);
    EXPECT_FALSE(ui::input::editCell(g, 0, 1, "Annie"));
    s.f->datTcd.Recordset().MoveLast().ok();
    EXPECT_EQ(card("szTHrs = 480", "szName_na"), "Ann");

    // No add row: typing below the last row takes nothing; further down is no cell at all.
    EXPECT_FALSE(ui::input::editCell(g, 3, 0, "1003"));
    EXPECT_THROW(g.userEditCell(4, 0, "1003"), ui::PropertyError);
    g.setAllowAddNew(true);
    EXPECT_EQ(g.rows(), 4);
    EXPECT_TRUE(ui::input::editCell(g, 3, 0, "1003"));
    EXPECT_TRUE(ui::input::editCell(g, 3, 1, "Cy"));
    EXPECT_EQ(g.row(), 3);
    EXPECT_EQ(cards(), 3);
    ui::input::select(g, 0, 0);
    EXPECT_EQ(cards(), 4);
    EXPECT_EQ(card("szID_no = '1003'", "szName_na"), "Cy");
    EXPECT_EQ(g.rows(), 5);  // the new row, then the add row
    EXPECT_EQ(g.textMatrix(3, 1), "Cy");
    // Clicking the add row and leaving it adds nothing.
    ui::input::select(g, 4, 0);
    ui::input::select(g, 0, 0);
    EXPECT_EQ(cards(), 4);

    s.f->datTcd.Recordset().MoveFirst().ok();
    g.setAllowDelete(false);
    EXPECT_FALSE(g.userDeleteRow());
    g.setAllowDelete(true);
    ui::input::select(g, 1, 0);
    EXPECT_TRUE(g.userDeleteRow());
    EXPECT_EQ(cards(), 3);
    EXPECT_EQ(card("szName_na = 'Bob'", "szID_no"), "no row");
    EXPECT_EQ(g.textMatrix(1, 1), "Ann");  // the row after it took its place and is current
    EXPECT_EQ(g.row(), 1);
    // Deleting the last row makes the one before it current.
    ui::input::select(g, 2, 0);
    EXPECT_TRUE(g.userDeleteRow());
    EXPECT_EQ(g.row(), 1);
    EXPECT_EQ(cards(), 2);
}

// The current cell takes typing at once: the first key replaces its text, the next ones go on at
// its end; Escape takes back that cell's typing and nothing else, Enter keeps it for the row.
TEST(RecordGrid, TheCurrentCellTakesTypingAtOnce) {
    SheetSession s;
    ui::DBGrid& g = s.f->DBGrid1;
    g.onKeyPress([](int& key) {
        if (key == '#') key = 0;
    });
    ui::input::select(g, 0, 1);
    EXPECT_TRUE(ui::input::type(g, "An#nie"));
    EXPECT_TRUE(g.editing());
    EXPECT_EQ(g.textMatrix(0, 1), "Annie") << "the key KeyPress dropped types nothing";
    ui::input::type(g, "\b\by");
    EXPECT_EQ(g.textMatrix(0, 1), "Anny");
    ui::input::pressKey(*s.f, ui::kKeyReturn);
    EXPECT_FALSE(g.editing());
    ui::input::type(g, "Bea");
    EXPECT_EQ(g.textMatrix(0, 1), "Bea") << "a cell no longer being typed into starts afresh";
    ui::input::pressKey(*s.f, ui::kKeyEscape);
    EXPECT_EQ(g.textMatrix(0, 1), "Anny");
    EXPECT_EQ(g.col(), 1);
    EXPECT_EQ(card("szTHrs = 480", "szName_na"), "Ann") << "stored only when the row is left";
    // Backspace on a cell not being typed into takes the last character of what it shows.
    ui::input::select(g, 0, 4);
    ui::input::type(g, "\b");
    EXPECT_EQ(g.textMatrix(0, 4), "480.0");
    ui::input::type(g, "5");
    EXPECT_EQ(g.textMatrix(0, 4), "480.05");
    ui::input::select(g, 1, 0);
    EXPECT_EQ(card("szName_na = 'Anny'", "szTHrs"), "480.05");

    // Where the user may not type, a key changes nothing.
    g.setAllowUpdate(false);
    ui::input::type(g, "9");
    EXPECT_FALSE(g.editing());
    EXPECT_EQ(g.textMatrix(1, 0), "1002");
    EXPECT_TRUE(s.session.host().messageBoxes().empty());
}

// Tab goes from cell to cell and on to the next row (Shift+Tab back), storing the row left; the row
// being added is stored and the next one begun, and only past the grid's last cell does the
// focus go on to the next control.
TEST(RecordGrid, TabGoesFromCellToCellAndRowToRow) {
    SheetSession s;
    ui::DBGrid& g = s.f->DBGrid1;
    ui::input::select(g, 0, 3);
    ui::input::type(g, "10:15 AM\t");
    EXPECT_EQ(g.row(), 0);
    EXPECT_EQ(g.col(), 4);
    ui::input::type(g, "1\t");
    EXPECT_EQ(g.row(), 1);
    EXPECT_EQ(g.col(), 0);
    EXPECT_EQ(card("szDate_da = #12/10/2026#", "szTHrs"), "1") << "the row left is stored";
    EXPECT_EQ(card("szDate_da = #12/10/2026#", "szIn_ti"), "10:15:00 AM");
    EXPECT_TRUE(ui::input::pressBackTab(*s.f));
    EXPECT_EQ(g.row(), 0);
    EXPECT_EQ(g.col(), 4);
    EXPECT_EQ(s.f->activeControl(), &g);
    ui::input::select(g, 0, 0);
    EXPECT_TRUE(ui::input::pressBackTab(*s.f));
    EXPECT_NE(s.f->activeControl(), &g) << "before the first cell the focus goes back";

    g.setAllowAddNew(true);
    ui::input::select(g, 2, 4);
    ui::input::pressKey(*s.f, ui::kKeyTab);
    EXPECT_EQ(g.row(), 3) << "on into the add row";
    ui::input::type(g, "1003\tCy\t\t\t5\t");
    EXPECT_EQ(cards(), 4);
    EXPECT_EQ(card("szID_no = '1003'", "szName_na"), "Cy");
    EXPECT_EQ(card("szID_no = '1003'", "szTHrs"), "5");
    EXPECT_EQ(g.row(), 4) << "the next new row";
    EXPECT_EQ(g.col(), 0);
    for (int k = 0; k < 5; ++k) ui::input::pressKey(*s.f, ui::kKeyTab);
    EXPECT_EQ(s.f->activeControl(), &s.f->grdAll) << "past an untouched last row";
    EXPECT_EQ(cards(), 4);

    // With no current row, typing goes to the add row.
    s.f->datTcd.setRecordSource("SELECT * FROM tblTcd WHERE szID_no = 'none'");
    ASSERT_TRUE(s.f->datTcd.Refresh());
    ASSERT_EQ(g.row(), -1);
    g.setCol(0);
    ui::input::type(g, "1004\tDee");
    EXPECT_EQ(g.row(), 0);
    EXPECT_EQ(g.textMatrix(0, 0), "1004");
    EXPECT_EQ(g.textMatrix(0, 1), "Dee");
    s.f->Unload();
    EXPECT_EQ(card("szID_no = '1004'", "szName_na"), "Dee");
    EXPECT_TRUE(s.session.host().messageBoxes().empty());
}

// Text and Columns(i).Text set by code edit the current row like a typed cell, whatever
// AllowUpdate says (it binds the user, not code), and are stored when the row is left.
TEST(RecordGrid, CellsSetByCodeAreStoredWhenTheRowIsLeft) {
    SheetSession s;
    ui::DBGrid& g = s.f->DBGrid1;
    g.setAllowUpdate(false);
    g.setColumnText(1, "Annie");
    EXPECT_EQ(g.columnText(1), "Annie");
    EXPECT_EQ(g.textMatrix(0, 1), "Annie");
    EXPECT_EQ(g.row(), 0);
    EXPECT_EQ(g.col(), 0) << "setting a column's text does not make it current";
    g.setCol(4);
    g.setText("300");
    g.setColumnText(1, "Anne");  // the last text of a field wins
    EXPECT_EQ(card("szTHrs = 480", "szName_na"), "Ann") << "nothing is stored before the row is left";
    ASSERT_TRUE(s.f->datTcd.Recordset().MoveNext().ok());
    EXPECT_EQ(card("szDate_da = #12/10/2026#", "szName_na"), "Anne");
    EXPECT_EQ(card("szDate_da = #12/10/2026#", "szTHrs"), "300");
    EXPECT_TRUE(s.session.host().messageBoxes().empty());

    // By name, as a script writes them; the form's unload stores them too.
    g.setCol(1);
    g.setProperty("Text", "Bobby");
    g.setProperty("ColumnText(3)", "10:15 AM");
    EXPECT_EQ(g.property("ColumnText(1)"), "Bobby");
    EXPECT_EQ(g.property("TextMatrix(1,3)"), "10:15 AM");
    s.f->Unload();
    EXPECT_EQ(card("szName_na = 'Bobby'", "szIn_ti"), "10:15:00 AM");
    EXPECT_EQ(cards(), 3);
}

// A cell code cannot set: no such column, no current row.
TEST(RecordGrid, CellsCodeCannotSet) {
    SheetSession s;
    ui::DBGrid& g = s.f->DBGrid1;
    for (int col : {-1, 5}) {
        EXPECT_THROW(g.setColumnText(col, "x"), ui::PropertyError) << col;
        EXPECT_THROW(g.columnText(col), ui::PropertyError) << col;
    }
    EXPECT_THROW(g.setProperty("ColumnText(5)", "x"), ui::PropertyError);
    // Past the last row there is no current row to edit.
    ASSERT_TRUE(s.f->datTcd.Recordset().MoveLast().ok());
    (void)s.f->datTcd.Recordset().MoveNext();
    ASSERT_EQ(g.row(), -1);
    EXPECT_EQ(g.columnText(1), "");
    EXPECT_THROW(g.setText("x"), ui::PropertyError);
    EXPECT_TRUE(g.pendingEdits().empty());
}

// A grid on a closed data control has no rows and takes nothing.
TEST(RecordGrid, NoRowsWithoutAnOpenRecordset) {
    test::TempRoot root;
    ui::ScriptedSession session;
    ui::forms().registerForm<frmSheet>("frmSheet");
    auto& f = ui::forms().get<frmSheet>();  // the store does not exist
    EXPECT_EQ(session.host().messageBoxes().size(), 1u);
    EXPECT_EQ(f.DBGrid1.rows(), 0);
    EXPECT_EQ(f.DBGrid1.row(), -1);
    EXPECT_EQ(f.DBGrid1.text(), "");
    EXPECT_FALSE(f.DBGrid1.userEditCell(0, 0, "x"));
    EXPECT_FALSE(f.DBGrid1.userDeleteRow());
}

namespace {

class frmFolio : public ui::Form {
public:
    frmFolio() {
        grdOrderItems.setCols(4);
        grdOrderItems.setFixedCols(0);
        grdOrderItems.onMouseDown(ui::Control::Handler([this] { events.push_back("MouseDown"); }));
        grdOrderItems.onMouseUp(ui::Control::Handler([this] { events.push_back("MouseUp"); }));
        grdOrderItems.onClick([this] {
            events.push_back("Click " + std::to_string(grdOrderItems.mouseRow()) + " " +
                             std::to_string(grdOrderItems.row()) + " " + grdOrderItems.text());
        });
    }
    ui::FlexGrid grdOrderItems{this, "grdOrderItems"};
    std::vector<std::string> events;
};

}  // namespace

// The folio grid: a header row, a blank row, then lines appended as tab-separated texts.
TEST(FlexibleGrid, LinesCellsAndTheCurrentCell) {
    ui::ScriptedSession session;
    ui::forms().registerForm<frmFolio>("frmFolio");
    auto& f = ui::forms().get<frmFolio>();
    f.Show();
    ui::FlexGrid& g = f.grdOrderItems;
    EXPECT_EQ(g.rows(), 2);
    EXPECT_EQ(g.fixedRows(), 1);
    g.AddItem("5\tRoom Charge 104\t1,250.00\tA");
    g.AddItem("1\tFried rice");
    g.AddItem("2\tTea\t3.00\tD\textra");
    EXPECT_EQ(g.rows(), 5);
    EXPECT_EQ(g.textMatrix(2, 1), "Room Charge 104");
    EXPECT_EQ(g.textMatrix(3, 2), "");
    EXPECT_EQ(g.textMatrix(4, 3), "D");
    EXPECT_EQ(g.property("TextMatrix(2,2)"), "1,250.00");
    g.setProperty("TextMatrix(3,2)", "8.50");
    EXPECT_EQ(g.textMatrix(3, 2), "8.50");
    g.AddItem("+\tNo onion\t\t", 4);
    EXPECT_EQ(g.textMatrix(4, 0), "+");
    EXPECT_EQ(g.textMatrix(5, 1), "Tea");

    // The current cell; the selection follows Row and Col.
    g.setRow(0);
    g.setCol(2);
    EXPECT_EQ(g.text(), "");
    EXPECT_EQ(g.colSel(), 2);
    g.setRow(2);
    g.setText("1,300.00");
    EXPECT_EQ(g.textMatrix(2, 2), "1,300.00");
    g.setColWidth(1, 2840);
    EXPECT_EQ(g.property("ColWidth(1)"), "2840");
    EXPECT_THROW(g.setRow(6), ui::PropertyError);
    EXPECT_THROW(g.textMatrix(1, 4), ui::PropertyError);
    EXPECT_THROW(g.setProperty("TextMatrix(6,0)", "x"), ui::PropertyError);

    // A click on a line makes it current; a click on the header row only sets the mouse cell.
    f.events.clear();
    ui::input::select(g, 3, 1);
    EXPECT_EQ(f.events, (Events{"MouseDown", "MouseUp", "Click 3 3 Fried rice"}));
    EXPECT_EQ(g.mouseCol(), 1);
    f.events.clear();
    ui::input::select(g, 0, 1);
    EXPECT_EQ(f.events, (Events{"MouseDown", "MouseUp", "Click 0 3 Fried rice"}));

    // Removing a line moves the lines below it up; the header and the last line that is not fixed
    // cannot go.
    g.RemoveItem(3);
    EXPECT_EQ(g.rows(), 5);
    EXPECT_EQ(g.textMatrix(3, 1), "No onion");
    EXPECT_THROW(g.RemoveItem(0), ui::PropertyError);
    g.setRows(2);
    EXPECT_EQ(g.row(), 1);
    EXPECT_THROW(g.RemoveItem(1), ui::PropertyError);
    g.setRedraw(false);
    EXPECT_EQ(g.property("Redraw"), "False");
}

namespace {

class frmPick : public ui::Form {
public:
    frmPick() {
        Calendar1.onClick([this] { events.push_back("Calendar1_Click " + Calendar1.valueText()); });
        File2.onClick([this] { events.push_back("File2_Click " + File2.fileName()); });
    }
    ui::Calendar Calendar1{this, "Calendar1"};
    ui::RichTextBox txtRemark{this, "txtRemark"};
    ui::FileListBox File2{this, "File2"};
    ui::CommonDialog dbPrinter{this, "dbPrinter"};
    std::vector<std::string> events;
};

}  // namespace

TEST(OtherControls, CalendarRichTextFileListAndPrinterDialog) {
    test::TempRoot root;
    ui::ScriptedSession session;
    ui::forms().registerForm<frmPick>("frmPick");
    auto& f = ui::forms().get<frmPick>();
    f.Show();

    // The calendar starts on today; code sets it silently, a pick raises Click.
    EXPECT_EQ(f.Calendar1.property("Value"), "1/5/2026");
    f.Calendar1.setProperty("Value", "12/10/2026");
    EXPECT_TRUE(f.events.empty());
    ui::input::click(f.Calendar1);
    f.Calendar1.userPick(core::Date{2026, 12, 14});
    EXPECT_EQ(f.events, (Events{"Calendar1_Click 12/10/2026", "Calendar1_Click 12/14/2026"}));
    EXPECT_THROW(f.Calendar1.setProperty("Value", "someday"), ui::PropertyError);

    // The rich text box is a text box of many lines, of its own kind.
    ui::input::type(f.txtRemark, "Late\rarrival");
    EXPECT_EQ(f.txtRemark.text(), "Late\r\narrival");
    EXPECT_EQ(ui::kindName(f.txtRemark.kind()), "RichTextBox");

    // The file list: the folder's files by pattern, sorted without regard to case.
    for (const char* n : {"b.JPG", "a.bmp", "C.jpg", "notes.txt"})
        root.writeFile(std::string("C:\\Program Files\\Pelk POS 4\\ItemPic\\") + n, "x");
    f.File2.setPath("C:\\Program Files\\Pelk POS 4\\ItemPic\\");
    EXPECT_EQ(f.File2.items(), (std::vector<std::string>{"a.bmp", "b.JPG", "C.jpg", "notes.txt"}));
    f.File2.setPattern("*.jpg;*.bmp");
    EXPECT_EQ(f.File2.items(), (std::vector<std::string>{"a.bmp", "b.JPG", "C.jpg"}));
    EXPECT_EQ(f.File2.fileName(), "");
    f.events.clear();
    ui::input::select(f.File2, 1);
    EXPECT_EQ(f.events, (Events{"File2_Click b.JPG"}));
    root.writeFile("C:\\Program Files\\Pelk POS 4\\ItemPic\\0.jpg", "x");
    f.File2.Refresh();
    EXPECT_EQ(f.File2.list(0), "0.jpg");
    f.File2.setPath("C:\\Nowhere\\");
    EXPECT_EQ(f.File2.listCount(), 0);

    // The printer dialog goes through the host.
    f.dbPrinter.setDialogTitle("SELECT a Printer");
    f.dbPrinter.setFlags(64);
    EXPECT_TRUE(f.dbPrinter.ShowPrinter());
    ASSERT_EQ(session.host().printerDialogs().size(), 1u);
    EXPECT_EQ(session.host().printerDialogs()[0].title, "SELECT a Printer");
    EXPECT_EQ(session.host().printerDialogs()[0].flags, 64);
}
