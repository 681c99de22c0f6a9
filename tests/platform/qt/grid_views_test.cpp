#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/db.h"
#include "platform/qt/look.h"
#include "qt_session.h"
#include "support/time_cards.h"
#include "test_forms.h"

using namespace pelk;
using pelk::test::countColour;
using Events = std::vector<std::string>;

namespace {

using test::card;
using test::cards;
using test::kCards;
using test::makeCards;

// The time sheet's grid in small: the counter shown in the first column, formats on the others.
class frmQtSheet : public ui::Form {
public:
    frmQtSheet() {
        Move(0, 0, 8400, 3000);
        setBackColor(test::kLightGreen);
        DBGrid1.Move(150, 150, 8100, 2400);
        DBGrid1.setDataSource(datTcd);
        DBGrid1.setColumns({{"ID", "No", 450, ""},
                            {"szID_no", "ID:", 600, ""},
                            {"szName_na", "Name:", 1200, ""},
                            {"szDate_da", "Date:", 1200, "Short Date"},
                            {"szIn_ti", "Time In:", 1200, "Medium Time"},
                            {"szTHrs", "Total Minutes:", 1500, "Standard"}});
        DBGrid1.setAllowDelete(true);
        DBGrid1.onClick([this] { events.push_back("DBGrid1_Click " + std::to_string(DBGrid1.row())); });
        DBGrid1.onDblClick([this] { events.push_back("DBGrid1_DblClick"); });
        datTcd.setVisible(false);
        datTcd.onReposition([this] { events.push_back("datTcd_Reposition"); });
    }
    ui::Data datTcd{this, "datTcd"};
    ui::DBGrid DBGrid1{this, "DBGrid1"};

    void Form_Load() override {
        datTcd.setDatabaseName(kCards);
        datTcd.setRecordSource("SELECT * FROM tblTcd ORDER BY szDate_da");
    }
    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }
};

class Grids : public test::QtSession {
protected:
    template <class F>
    F& show(const char* name) {
        ui::forms().registerForm<F>(name);
        auto& f = ui::forms().get<F>();
        f.Show();
        settle();
        return f;
    }
    QWidget* widget(const ui::Control& c) { return host().widgetOf(c); }
    QTableView* table(const ui::Control& c) { return qobject_cast<QTableView*>(widget(c)); }
    QTableWidget* flexTable(const ui::Control& c) { return qobject_cast<QTableWidget*>(widget(c)); }
    // A click in the middle of a cell, as the user's finger gives it.
    static void clickCell(QTableView* t, int row, int col) {
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(row, col)).center());
    }
    // What the table shows, read through its model as the table reads it to paint.
    static QString cell(QTableView* t, int row, int col) { return t->model()->index(row, col).data().toString(); }
    static bool editable(QTableView* t, int row, int col) {
        return t->model()->flags(t->model()->index(row, col)) & Qt::ItemIsEditable;
    }
    static QString heading(QTableView* t, int col) {
        return t->model()->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    static QString selector(QTableView* t, int row) {
        return t->model()->headerData(row, Qt::Vertical, Qt::DisplayRole).toString();
    }
    static int rowCount(QTableView* t) { return t->model()->rowCount(); }
    static int currentRow(QTableView* t) { return t->currentIndex().row(); }
    static int currentColumn(QTableView* t) { return t->currentIndex().column(); }
    static QStringList rowTexts(QTableView* t, int row) {
        QStringList texts;
        for (int c = 0; c < t->model()->columnCount(); ++c) texts << cell(t, row, c);
        return texts;
    }
    static QLineEdit* cellEditor(QTableView* t) { return t->viewport()->findChild<QLineEdit*>(); }
};

// The record grid shows the data control's rows as its columns format them, its current row is
// the data control's whoever moves it, and a click on a cell moves the data control.
TEST_F(Grids, RecordGridShowsTheRowsAndAClickMovesTheDataControl) {
    makeCards();
    auto& f = show<frmQtSheet>("frmQtSheet");
    QTableView* t = table(f.DBGrid1);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(rowCount(t), 3);
    ASSERT_EQ(t->model()->columnCount(), 6);
    EXPECT_EQ(heading(t, 5), "Total Minutes:");
    EXPECT_EQ(t->columnWidth(1), 40) << "600 twips";
    EXPECT_EQ(t->columnWidth(5), 100);
    EXPECT_EQ(rowTexts(t, 0), (QStringList{"1", "1001", "Ann", "12/10/2026", "02:05 PM", "480.00"}));
    EXPECT_EQ(rowTexts(t, 1), (QStringList{"2", "1002", "Bob", "12/11/2026", "09:00 AM", "1,255.50"}));
    EXPECT_EQ(currentRow(t), 0);
    EXPECT_EQ(selector(t, 0), QString::fromUtf8("\u25B6")) << "the record selector";
    EXPECT_TRUE(t->verticalHeader()->isVisible());
    EXPECT_FALSE(editable(t, 0, 0)) << "a counter takes no typing";
    EXPECT_TRUE(editable(t, 0, 2));
    f.take();

    clickCell(t, 1, 4);
    EXPECT_EQ(f.take(), (Events{"datTcd_Reposition", "DBGrid1_Click 1"}));
    EXPECT_EQ(f.datTcd.Recordset().field("szName_na")->toText(), "Bob");
    EXPECT_EQ(f.DBGrid1.col(), 4);
    EXPECT_EQ(f.activeControl(), &f.DBGrid1);
    EXPECT_EQ(QApplication::focusWidget(), t);
    EXPECT_EQ(currentRow(t), 1);
    EXPECT_EQ(currentColumn(t), 4);
    EXPECT_EQ(selector(t, 0), "");
    EXPECT_EQ(selector(t, 1), QString::fromUtf8("\u25B6"));

    // A press on a record selector chooses that row in the current column.
    QHeaderView* selectors = t->verticalHeader();
    QTest::mouseClick(selectors->viewport(), Qt::LeftButton, {},
                      QPoint(selectors->width() / 2, selectors->sectionViewportPosition(2) + 3));
    EXPECT_EQ(f.DBGrid1.row(), 2);
    EXPECT_EQ(currentColumn(t), 4);

    // The program moving the data control moves the grid's current row; switches show at once.
    ASSERT_TRUE(f.datTcd.Recordset().MoveFirst().ok());
    EXPECT_EQ(currentRow(t), 0);
    f.DBGrid1.setColumnCaption(2, "Guest:");
    EXPECT_EQ(heading(t, 2), "Guest:");
    f.DBGrid1.setAllowUpdate(false);
    EXPECT_FALSE(editable(t, 0, 2));
    f.DBGrid1.setRecordSelectors(false);
    f.DBGrid1.setColumnHeaders(false);
    EXPECT_FALSE(t->verticalHeader()->isVisible());
    EXPECT_FALSE(t->horizontalHeader()->isVisible());
    f.DBGrid1.setRecordSelectors(true);
    f.DBGrid1.setColumnHeaders(true);
    settle();

    QImage shot = screenshot(host().canvasOf(f), "record_grid");
    QRect header = t->horizontalHeader()->geometry().translated(t->pos());
    EXPECT_EQ(shot.pixelColor(header.right() - 2, header.center().y()), qt::systemColor(15))
        << "headings on the button face";
    QRect cell = t->visualRect(t->model()->index(1, 2)).translated(t->viewport()->mapTo(host().canvasOf(f), QPoint()));
    EXPECT_GT(countColour(shot.copy(cell), QColor(0, 0, 0), 80), 5) << "Bob written in black";
    EXPECT_EQ(shot.pixelColor(cell.right() - 2, cell.center().y()), QColor(255, 255, 255)) << "on white";
}

// Over many rows the table reads from the grid the rows it shows, and no others: at first the
// top ones, after the data control moves to the last row the ones around it.
TEST_F(Grids, RecordGridReadsTheRowsInSight) {
    makeCards();
    test::addCards(600);
    auto& f = show<frmQtSheet>("frmQtSheet");
    QTableView* t = table(f.DBGrid1);
    ASSERT_EQ(rowCount(t), 603);
    screenshot(host().canvasOf(f), "record_grid_long");
    int inSight = t->viewport()->height() / t->verticalHeader()->defaultSectionSize() + 1;
    EXPECT_GT(f.DBGrid1.rowsRead(), 0);
    EXPECT_LE(f.DBGrid1.rowsRead(), inSight + 1);

    ASSERT_TRUE(f.datTcd.Recordset().MoveLast().ok());
    settle();
    t->grab();
    EXPECT_EQ(currentRow(t), 602);
    EXPECT_EQ(rowTexts(t, 602)[2], "Guest 600");
    EXPECT_LE(f.DBGrid1.rowsRead(), inSight + 2) << "the rows around the last one, read afresh after the move";
}

// The data control shows its navigator (made when it first shows): its caption between the arrows,
// and the arrows move it.
TEST_F(Grids, NavigatorButtonsMoveTheDataControl) {
    makeCards();
    auto& f = show<frmQtSheet>("frmQtSheet");
    ASSERT_NE(widget(f.datTcd), nullptr);
    EXPECT_TRUE(widget(f.datTcd)->findChildren<QToolButton*>().isEmpty()) << "hidden: its buttons not made yet";
    f.datTcd.Move(150, 2550, 4500, 360);
    f.datTcd.setCaption("Time cards");
    f.datTcd.setVisible(true);
    settle();
    QWidget* bar = widget(f.datTcd);
    ASSERT_NE(bar, nullptr);
    auto buttons = bar->findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 4);
    EXPECT_EQ(bar->findChild<QLabel*>()->text(), "Time cards");
    f.take();
    QTest::mouseClick(buttons[3], Qt::LeftButton);
    EXPECT_EQ(f.datTcd.Recordset().field("szDate_da")->toText(), "12/12/2026");
    EXPECT_EQ(f.take(), (Events{"datTcd_Reposition"}));
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_EQ(f.datTcd.Recordset().field("szDate_da")->toText(), "12/11/2026");
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    EXPECT_EQ(f.datTcd.Recordset().field("szDate_da")->toText(), "12/10/2026");
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    EXPECT_EQ(f.datTcd.Recordset().field("szDate_da")->toText(), "12/11/2026");
    EXPECT_EQ(currentRow(table(f.DBGrid1)), 1) << "the grid follows";
    screenshot(host().canvasOf(f), "navigator");
}

// Typing into a cell goes to the grid as it is typed and is stored when the row is left;
// AllowUpdate off opens no cell, Escape puts back what the cell had, and Delete deletes the
// current row only where AllowDelete lets it.
TEST_F(Grids, RecordGridCellEditsAndDeleteReachTheStore) {
    makeCards();
    auto& f = show<frmQtSheet>("frmQtSheet");
    QTableView* t = table(f.DBGrid1);
    clickCell(t, 1, 2);
    EXPECT_EQ(cellEditor(t), nullptr) << "the first click chooses the cell";
    clickCell(t, 1, 2);
    QLineEdit* editor = cellEditor(t);
    ASSERT_NE(editor, nullptr) << "a click on the current cell edits it";
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->text(), "Bob");
    QTest::keyClicks(editor, "Robert");
    EXPECT_EQ(f.DBGrid1.textMatrix(1, 2), "Robert");
    screenshot(host().canvasOf(f), "record_grid_editing");
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(cellEditor(t), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), t);
    EXPECT_EQ(cell(t, 1, 2), "Robert");
    EXPECT_EQ(card("szID_no = '1002'", "szName_na"), "Bob") << "stored when the row is left";
    f.take();
    clickCell(t, 0, 2);
    EXPECT_EQ(card("szID_no = '1002'", "szName_na"), "Robert");
    EXPECT_EQ(f.take(), (Events{"datTcd_Reposition", "DBGrid1_Click 0"}));

    // A double click edits too; Escape takes back what was typed into the cell, and only that.
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(2, 2)).center());
    editor = cellEditor(t);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(f.DBGrid1.row(), 2);
    EXPECT_EQ(f.take().back(), "DBGrid1_DblClick");
    QTest::keyClicks(editor, "Annie");
    QTest::keyClick(editor, Qt::Key_Tab);
    settle();
    EXPECT_EQ(cellEditor(t), nullptr) << "Tab ends the edit";
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(t->model()->index(2, 5)).center());
    editor = cellEditor(t);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "255.00") << "the cell as it shows";
    QTest::keyClicks(editor, "999");
    EXPECT_EQ(f.DBGrid1.textMatrix(2, 5), "999");
    QTest::keyClick(editor, Qt::Key_Escape);
    settle();
    EXPECT_EQ(cellEditor(t), nullptr);
    EXPECT_EQ(f.DBGrid1.textMatrix(2, 5), "255.00");
    EXPECT_EQ(cell(t, 2, 5), "255.00");
    using Edits = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(f.DBGrid1.pendingEdits(), (Edits{{"szName_na", "Annie"}}));
    EXPECT_EQ(f.DBGrid1.col(), 5) << "the cell double-clicked";
    clickCell(t, 0, 1);
    EXPECT_EQ(card("szDate_da = #12/12/2026#", "szName_na"), "Annie");
    EXPECT_EQ(card("szDate_da = #12/12/2026#", "szTHrs"), "255");

    // Without AllowUpdate no cell opens; the counter never does.
    f.DBGrid1.setAllowUpdate(false);
    clickCell(t, 2, 2);
    EXPECT_EQ(cellEditor(t), nullptr);
    f.DBGrid1.setAllowUpdate(true);
    clickCell(t, 2, 0);
    clickCell(t, 2, 0);
    EXPECT_EQ(cellEditor(t), nullptr);

    // Delete deletes the current row where AllowDelete lets it.
    clickCell(t, 1, 1);
    f.DBGrid1.setAllowDelete(false);
    QTest::keyClick(t, Qt::Key_Delete);
    EXPECT_EQ(cards(), 3);
    f.DBGrid1.setAllowDelete(true);
    QTest::keyClick(t, Qt::Key_Delete);
    EXPECT_EQ(cards(), 2);
    EXPECT_EQ(card("szID_no = '1002'", "szName_na"), "no row");
    ASSERT_EQ(rowCount(t), 2);
    EXPECT_EQ(rowTexts(t, 1)[3], "12/12/2026") << "the row after it took its place";
    EXPECT_EQ(currentRow(t), 1);
    // Up and Down move through the rows.
    QTest::keyClick(t, Qt::Key_Up);
    EXPECT_EQ(f.DBGrid1.row(), 0);
    EXPECT_EQ(currentRow(t), 0);
    screenshot(host().canvasOf(f), "record_grid_edited");
}

// The cell chosen takes typing at once, without a second touch; Tab, Shift+Tab and the arrows go
// from cell to cell, with the cell's editor open or not, and the row left is stored.
TEST_F(Grids, RecordGridCellsTakeTypingAtOnceAndKeysGoFromCellToCell) {
    makeCards();
    auto& f = show<frmQtSheet>("frmQtSheet");
    QTableView* t = table(f.DBGrid1);
    clickCell(t, 1, 2);
    ASSERT_EQ(QApplication::focusWidget(), t);
    QTest::keyClicks(t, "R");
    QLineEdit* editor = cellEditor(t);
    ASSERT_NE(editor, nullptr) << "a typed key opens the cell";
    EXPECT_EQ(QApplication::focusWidget(), editor);
    EXPECT_EQ(editor->text(), "R") << "the key replaces the cell's text";
    QTest::keyClicks(editor, "ob");
    EXPECT_EQ(f.DBGrid1.textMatrix(1, 2), "Rob");
    screenshot(host().canvasOf(f), "record_grid_typed");
    QTest::keyClick(editor, Qt::Key_Tab);
    settle();
    EXPECT_EQ(cellEditor(t), nullptr);
    EXPECT_EQ(f.DBGrid1.col(), 3) << "Tab goes on to the next cell";
    EXPECT_EQ(currentColumn(t), 3);
    EXPECT_EQ(f.activeControl(), &f.DBGrid1);

    QTest::keyClick(t, Qt::Key_Tab);
    EXPECT_EQ(f.DBGrid1.col(), 4);
    QTest::keyClick(t, Qt::Key_Backtab);
    QTest::keyClick(t, Qt::Key_Left);
    EXPECT_EQ(f.DBGrid1.col(), 2);
    QTest::keyClick(t, Qt::Key_Right);
    EXPECT_EQ(f.DBGrid1.col(), 3);
    // A space is typed like any key; Escape takes back that cell only.
    QTest::keyClick(t, Qt::Key_Space);
    ASSERT_NE(cellEditor(t), nullptr);
    EXPECT_EQ(f.DBGrid1.textMatrix(1, 3), " ");
    QTest::keyClick(cellEditor(t), Qt::Key_Escape);
    settle();
    EXPECT_EQ(cellEditor(t), nullptr);
    EXPECT_EQ(f.DBGrid1.textMatrix(1, 3), "12/11/2026");
    EXPECT_EQ(f.DBGrid1.textMatrix(1, 2), "Rob");
    EXPECT_EQ(card("szID_no = '1002'", "szName_na"), "Bob");
    QTest::keyClick(t, Qt::Key_Tab);
    QTest::keyClick(t, Qt::Key_Tab);
    QTest::keyClick(t, Qt::Key_Tab);
    EXPECT_EQ(f.DBGrid1.row(), 2) << "past the row's last cell to the next row";
    EXPECT_EQ(f.DBGrid1.col(), 0);
    EXPECT_EQ(currentRow(t), 2);
    EXPECT_EQ(card("szID_no = '1002'", "szName_na"), "Rob");

    // The add row shows, tinted, and takes typing like any row.
    f.DBGrid1.setAllowAddNew(true);
    settle();
    ASSERT_EQ(rowCount(t), 4);
    EXPECT_NE(t->model()->index(3, 2).data(Qt::BackgroundRole), t->model()->index(2, 2).data(Qt::BackgroundRole));
    clickCell(t, 3, 1);
    QTest::keyClicks(t, "1");
    ASSERT_NE(cellEditor(t), nullptr);
    QTest::keyClicks(cellEditor(t), "009");
    QTest::keyClick(cellEditor(t), Qt::Key_Return);
    clickCell(t, 0, 1);
    EXPECT_EQ(cards(), 4);
    EXPECT_EQ(card("szID_no = '1009'", "szName_na"), "(null)");
    EXPECT_GE(t->rowHeight(0), 28) << "a row a finger can tap";
}

// The folio grid in small: a heading row, lines the screen writes, the current line chosen by a
// click.
class frmQtFolio : public ui::Form {
public:
    frmQtFolio() {
        Move(0, 0, 6600, 2700);
        setBackColor(test::kLightGreen);
        grdOrderItems.Move(150, 150, 6300, 2400);
        grdOrderItems.setCols(4);
        grdOrderItems.setFixedCols(0);
        for (int c : {0, 1, 2, 3}) grdOrderItems.setColWidth(c, c == 1 ? 2700 : 900);
        grdOrderItems.setTextMatrix(0, 0, "Qty");
        grdOrderItems.setTextMatrix(0, 1, "Item");
        grdOrderItems.setTextMatrix(0, 2, "Amount");
        grdOrderItems.setTextMatrix(0, 3, "Tax");
        grdOrderItems.onMouseDown(ui::Control::Handler([this] { events.push_back("MouseDown"); }));
        grdOrderItems.onMouseUp(ui::Control::Handler([this] { events.push_back("MouseUp"); }));
        grdOrderItems.onClick([this] {
            events.push_back("Click " + std::to_string(grdOrderItems.mouseRow()) + "," +
                             std::to_string(grdOrderItems.mouseCol()) + " row " + std::to_string(grdOrderItems.row()));
        });
    }
    ui::FlexGrid grdOrderItems{this, "grdOrderItems"};
    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }
};

TEST_F(Grids, FlexibleGridShowsItsCellsAndFeedsTheClickedCellBack) {
    auto& f = show<frmQtFolio>("frmQtFolio");
    ui::FlexGrid& g = f.grdOrderItems;
    g.AddItem("5\tRoom Charge 104\t1,250.00\tA");
    g.AddItem("1\tFried rice\t8.50");
    g.AddItem("2\tTea\t3.00\tD");
    g.RemoveItem(1);  // the blank line the grid starts with
    QTableWidget* t = flexTable(g);
    ASSERT_NE(t, nullptr);
    ASSERT_EQ(t->rowCount(), 4);
    ASSERT_EQ(t->columnCount(), 4);
    EXPECT_FALSE(t->horizontalHeader()->isVisible());
    EXPECT_EQ(rowTexts(t, 0), (QStringList{"Qty", "Item", "Amount", "Tax"}));
    EXPECT_EQ(rowTexts(t, 2), (QStringList{"1", "Fried rice", "8.50", ""}));
    EXPECT_EQ(t->columnWidth(1), 180) << "2700 twips";
    EXPECT_TRUE(t->item(1, 2)->textAlignment() & Qt::AlignRight) << "amounts to the right";
    EXPECT_TRUE(t->item(1, 1)->textAlignment() & Qt::AlignLeft);

    clickCell(t, 2, 1);
    EXPECT_EQ(f.take(), (Events{"MouseDown", "MouseUp", "Click 2,1 row 2"}));
    EXPECT_EQ(g.text(), "Fried rice");
    EXPECT_EQ(t->currentRow(), 2);
    EXPECT_EQ(t->currentColumn(), 1);
    // A click on the heading row sets the mouse cell only.
    clickCell(t, 0, 2);
    EXPECT_EQ(f.take(), (Events{"MouseDown", "MouseUp", "Click 0,2 row 2"}));
    EXPECT_EQ(t->currentRow(), 2);

    // What the screen writes shows at once; while Redraw is off nothing does, then all of it.
    g.setTextMatrix(3, 2, "4.00");
    EXPECT_EQ(t->item(3, 2)->text(), "4.00");
    g.setRedraw(false);
    g.setTextMatrix(3, 1, "Green tea");
    g.AddItem("1\tCake\t6.00");
    EXPECT_EQ(t->rowCount(), 4);
    EXPECT_FALSE(t->updatesEnabled());
    g.setRedraw(true);
    EXPECT_TRUE(t->updatesEnabled());
    EXPECT_EQ(t->rowCount(), 5);
    EXPECT_EQ(t->item(3, 1)->text(), "Green tea");
    // A line chosen whole: Row to RowSel, Col to ColSel.
    g.setRow(4);
    g.setCol(0);
    g.setColSel(3);
    EXPECT_EQ(t->selectedItems().size(), 4);
    settle();

    QImage shot = screenshot(host().canvasOf(f), "flexible_grid");
    QPoint at = t->viewport()->mapTo(host().canvasOf(f), QPoint());
    QRect heading = t->visualRect(t->model()->index(0, 3)).translated(at);
    QRect line = t->visualRect(t->model()->index(1, 3)).translated(at);
    EXPECT_EQ(shot.pixelColor(heading.right() - 3, heading.center().y()), qt::systemColor(15)) << "fixed row shaded";
    EXPECT_EQ(shot.pixelColor(line.right() - 3, line.center().y()), QColor(255, 255, 255));
    QRect chosen = t->visualRect(t->model()->index(4, 2)).translated(at);
    EXPECT_EQ(shot.pixelColor(chosen.left() + 2, chosen.top() + 2), qt::systemColor(13)) << "the chosen line";
}

class frmQtPick : public ui::Form {
public:
    frmQtPick() {
        Move(0, 0, 9000, 3600);
        setBackColor(test::kLightGreen);
        Calendar1.Move(150, 150, 3600, 3000);
        txtRemark.Move(3900, 150, 2400, 1500);
        File2.Move(6450, 150, 2400, 3000);
        Calendar1.onClick([this] { events.push_back("Calendar1_Click " + Calendar1.valueText()); });
        txtRemark.onChange([this] { events.push_back("txtRemark_Change"); });
        File2.onClick([this] { events.push_back("File2_Click " + File2.fileName()); });
    }
    ui::Calendar Calendar1{this, "Calendar1"};
    ui::RichTextBox txtRemark{this, "txtRemark"};
    ui::FileListBox File2{this, "File2"};
    std::vector<std::string> events;
    std::vector<std::string> take() { return std::exchange(events, {}); }
};

// The cell of the calendar's month that shows `day` of the month shown (days 14 to 22 show once).
QRect dayCell(QCalendarWidget* w, int day) {
    auto* view = w->findChild<QTableView*>();
    for (int r = 0; r < view->model()->rowCount(); ++r)
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            QModelIndex i = view->model()->index(r, c);
            if (i.data().toString() == QString::number(day)) return view->visualRect(i);
        }
    return {};
}

TEST_F(Grids, CalendarPicksADayThroughTheProgram) {
    auto& f = show<frmQtPick>("frmQtPick");
    auto* w = qobject_cast<QCalendarWidget*>(widget(f.Calendar1));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->selectedDate(), QDate(2026, 1, 5)) << "today";
    f.Calendar1.setValueText("12/10/2026");
    EXPECT_EQ(w->selectedDate(), QDate(2026, 12, 10));
    EXPECT_EQ(w->monthShown(), 12);
    EXPECT_EQ(f.take(), Events{}) << "code sets the day silently";

    auto* days = w->findChild<QTableView*>();
    QRect cell = dayCell(w, 16);
    ASSERT_TRUE(cell.isValid());
    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(f.take(), Events{"Calendar1_Click 12/16/2026"});
    EXPECT_EQ(f.Calendar1.value(), (core::Date{2026, 12, 16}));
    EXPECT_EQ(f.activeControl(), &f.Calendar1);

    // A disabled calendar takes no pick, and keeps showing its day.
    f.Calendar1.setEnabled(false);
    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, dayCell(w, 18).center());
    EXPECT_EQ(f.take(), Events{});
    EXPECT_EQ(w->selectedDate(), QDate(2026, 12, 16));
    f.Calendar1.setEnabled(true);
    settle();
    screenshot(host().canvasOf(f), "calendar");
}

TEST_F(Grids, RichTextBoxTypesAsATextBoxOfManyLines) {
    auto& f = show<frmQtPick>("frmQtPick");
    auto* edit = widget(f.txtRemark)->findChild<QPlainTextEdit*>();
    ASSERT_NE(edit, nullptr);
    f.txtRemark.setText("Late\r\narrival");
    EXPECT_EQ(edit->toPlainText(), "Late\narrival");
    f.take();
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(f.activeControl(), &f.txtRemark);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, " ok");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "Tea");
    EXPECT_EQ(f.txtRemark.text(), "Late\r\narrival ok\r\nTea");
    EXPECT_EQ(edit->toPlainText(), "Late\narrival ok\nTea");
    // The caret keys and Delete act on the box as on a text box.
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(f.txtRemark.text(), "ate\r\narrival ok\r\nTea");
    Events events = f.take();
    EXPECT_EQ(std::count(events.begin(), events.end(), "txtRemark_Change"), 8);
    screenshot(host().canvasOf(f), "rich_text_box");
}

TEST_F(Grids, FileListShowsTheFolderAndAClickChoosesAFile) {
    auto& f = show<frmQtPick>("frmQtPick");
    const std::string folder = "C:\\Program Files\\Pelk POS 4\\ItemPic\\";
    for (const char* n : {"b.JPG", "a.bmp", "C.jpg", "notes.txt"}) root().writeFile(folder + n, "x");
    f.File2.setPattern("*.jpg;*.bmp");
    f.File2.setPath(folder);
    auto* list = qobject_cast<QListWidget*>(widget(f.File2));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "a.bmp");
    EXPECT_EQ(list->item(2)->text(), "C.jpg");
    f.take();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(f.take(), Events{"File2_Click b.JPG"});
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(f.File2.fileName(), "C.jpg");
    EXPECT_EQ(list->currentRow(), 2);

    root().writeFile(folder + "0.jpg", "x");
    f.File2.Refresh();
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(0)->text(), "0.jpg");
    screenshot(host().canvasOf(f), "file_list_box");
}

}  // namespace
