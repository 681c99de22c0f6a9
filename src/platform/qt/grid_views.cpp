// The widgets of the record grid, the flexible grid and the calendar (control_view.h).
#include <QAbstractTableModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <memory>

#include "platform/core/format.h"
#include "platform/db/recordset.h"
#include "platform/qt/control_view.h"
#include "platform/qt/look.h"
#include "platform/qt/qt_host.h"
#include "platform/ui/calendar.h"
#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/flexgrid.h"
#include "platform/ui/form.h"
#include "platform/ui/input.h"

namespace pelk::qt {

namespace {

// The add row of a record grid, a pale yellow that no screen gives its grids.
const QColor kAddRowTint(255, 255, 225);

// The style of one table: its grid lines in the colour the control asks for.
class GridLineStyle : public QProxyStyle {
public:
    explicit GridLineStyle(QObject* owner) : QProxyStyle(QStyleFactory::create(qApp->style()->name())) {
        setParent(owner);
    }
    QColor lines{128, 128, 128};
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_Table_GridLineColor) return static_cast<int>(lines.rgba());
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// A table whose cells change only through the program: clicks are taken before the table sees
// them, and a cell editor is opened by the view and never moves on to the next cell by itself.
template <class Table>
class GridTableOf : public Table {
public:
    explicit GridTableOf(QWidget* parent) : Table(parent), lines_(new GridLineStyle(this)) {
        this->setStyle(lines_);
        this->setFocusPolicy(Qt::NoFocus);
        this->setEditTriggers(QAbstractItemView::NoEditTriggers);
        this->setSelectionMode(QAbstractItemView::SingleSelection);
        this->setSelectionBehavior(QAbstractItemView::SelectItems);
        this->setTabKeyNavigation(false);
        this->setCornerButtonEnabled(false);
        this->setWordWrap(false);
        for (QHeaderView* h : {this->horizontalHeader(), this->verticalHeader()}) {
            h->setSectionsClickable(false);
            h->setHighlightSections(false);
            h->setSectionResizeMode(QHeaderView::Fixed);
            // Headings keep the button face whatever the grid's own colours.
            QPalette pal = h->palette();
            pal.setColor(QPalette::Button, systemColor(15));
            pal.setColor(QPalette::Window, systemColor(15));
            pal.setColor(QPalette::ButtonText, systemColor(18));
            pal.setColor(QPalette::WindowText, systemColor(18));
            h->setPalette(pal);
        }
    }

    void setLineColour(const QColor& c) {
        if (lines_->lines == c) return;
        lines_->lines = c;
        this->viewport()->update();
    }
    QWidget* editor() const { return editor_; }
    void editorOpened(QWidget* e) { editor_ = e; }
    // Closes the open cell editor because the program moved on; what it holds has reached the
    // program already.
    void dropEditor() {
        if (!editor_) return;
        dropping_ = true;
        closeEditor(editor_, QAbstractItemDelegate::NoHint);
        dropping_ = false;
    }
    // The user closed the cell editor (Enter, Escape, Tab, Shift+Tab, or the focus went), with how.
    std::function<void(QAbstractItemDelegate::EndEditHint)> editorClosed;

protected:
    void closeEditor(QWidget* e, QAbstractItemDelegate::EndEditHint hint) override {
        bool ours = e && e == editor_;
        if (ours) editor_ = nullptr;
        QAbstractItemDelegate::EndEditHint asked = hint;
        // Where Tab goes is the program's: the table itself moves nowhere.
        if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem)
            hint = QAbstractItemDelegate::NoHint;
        // The grid keeps the keyboard focus the editor had (the table takes none of its own).
        bool focused = e && e->hasFocus();
        Table::closeEditor(e, hint);
        if (focused) this->setFocus(Qt::OtherFocusReason);
        if (ours && !dropping_ && editorClosed) editorClosed(asked);
    }

private:
    GridLineStyle* lines_;
    QPointer<QWidget> editor_;
    bool dropping_ = false;
};

// The flexible grid's table: it holds the few cells the screen wrote.
class GridTable : public GridTableOf<QTableWidget> {
public:
    using GridTableOf::GridTableOf;

    // Rows and columns made equal to the counts; a count unchanged keeps its items.
    void setCounts(int rows, int cols) {
        if (columnCount() != cols) setColumnCount(cols);
        if (rowCount() != rows) setRowCount(rows);
    }
    // Sets a cell's text and look, touching the item only where something differs (a screen
    // writing cell after cell repaints nothing that did not change).
    void setCell(int r, int c, const QString& text, Qt::ItemFlags flags, Qt::Alignment align = Qt::AlignLeft,
                 const QBrush& back = QBrush(), const QBrush& fore = QBrush()) {
        QTableWidgetItem* it = item(r, c);
        if (!it) {
            it = new QTableWidgetItem;
            setItem(r, c, it);
        }
        if (it->text() != text) it->setText(text);
        if (it->flags() != flags) it->setFlags(flags);
        Qt::Alignment a = align | Qt::AlignVCenter;
        if (it->textAlignment() != static_cast<int>(a)) it->setTextAlignment(a);
        if (it->background() != back) it->setBackground(back);
        if (it->foreground() != fore) it->setForeground(fore);
    }
};

// The record grid's table: its cells are read from the grid when the table shows them.
using RecordTable = GridTableOf<QTableView>;

// What the record table shows, read from the record grid as the table paints: a grid over a year
// of rows reads the few rows on the screen, not every row. The shape (rows, columns, headings,
// which columns take typing, the current row) is given by the view's update(), which also says
// whether the grid may still be read (a control can go before the canvas hears of it).
class RecordModel : public QAbstractTableModel {
public:
    struct Shape {
        int rows = 0;
        int stored = 0;  // rows of the recordset; the add row comes after them
        int current = -1;
        QStringList captions;
        std::vector<char> typedStored, typedAdded;  // per column: takes typing
        bool operator==(const Shape&) const = default;
    };

    RecordModel(const ui::DBGrid& grid, std::function<bool()> readable, QObject* parent)
        : QAbstractTableModel(parent), grid_(grid), readable_(std::move(readable)) {}

    // True when the table was laid out anew (other rows or columns).
    bool setShape(Shape shape) {
        if (shape.rows != shape_.rows || shape.captions.size() != shape_.captions.size()) {
            beginResetModel();
            shape_ = std::move(shape);
            endResetModel();
            return true;
        }
        bool headings = shape.captions != shape_.captions;
        shape_ = std::move(shape);
        // Every cell may have changed (a move, a write, a refresh): the table reads again what it shows.
        if (shape_.rows > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(shape_.rows - 1, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
        if (shape_.rows > 0) emit headerDataChanged(Qt::Vertical, 0, shape_.rows - 1);
        if (headings && columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        return headings;
    }
    const Shape& shape() const { return shape_; }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : shape_.rows; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(shape_.captions.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
        // The empty add row is tinted, so that a clerk sees where a new row is typed even on a
        // grid without record selectors or row lines.
        if (role == Qt::BackgroundRole)
            return index.row() >= shape_.stored ? QVariant(QBrush(kAddRowTint)) : QVariant();
        if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
        if (!readable_()) return {};
        try {
            return toQString(grid_.textMatrix(index.row(), index.column()));
        } catch (const std::exception&) {
            // The grid changed under the table; its update follows.
            return {};
        }
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) return Qt::NoItemFlags;
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        const auto& typed = index.row() >= shape_.stored ? shape_.typedAdded : shape_.typedStored;
        auto c = static_cast<std::size_t>(index.column());
        if (c < typed.size() && typed[c]) f |= Qt::ItemIsEditable;
        return f;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role == Qt::TextAlignmentRole && orientation == Qt::Vertical) return static_cast<int>(Qt::AlignCenter);
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Horizontal)
            return section >= 0 && section < shape_.captions.size() ? shape_.captions[section] : QVariant();
        // The current row has the arrow, the empty add row the star.
        if (section == shape_.current) return QStringLiteral("\u25B6");
        if (section >= shape_.stored) return QStringLiteral("*");
        return QString();
    }

private:
    const ui::DBGrid& grid_;
    std::function<bool()> readable_;
    Shape shape_;
};

// The line that edits a cell: the text goes to the program as it is typed (as a bound text box's
// does), so the program holds it whatever happens next: a click elsewhere, the form closing.
class CellEditor : public QStyledItemDelegate {
public:
    // The text typed so far; false when the grid refuses it.
    using Typed = std::function<bool(int row, int col, const QString& text)>;
    CellEditor(RecordTable* table, Typed typed) : QStyledItemDelegate(table), table_(table), typed_(std::move(typed)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        line->setContextMenuPolicy(Qt::NoContextMenu);
        line->setAcceptDrops(false);
        keepOwnKeys(line);
        int r = index.row(), c = index.column();
        auto table = table_;
        Typed typed = typed_;
        connect(line, &QLineEdit::textEdited, line, [=](const QString& text) {
            if (!typed(r, c, text)) table->dropEditor();
        });
        table_->editorOpened(line);
        return line;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        QString text = index.data().toString();
        if (line->text() != text) line->setText(text);
    }
    // Everything typed has reached the program already.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

protected:
    // Enter closes the editor at once (Qt's own would close it a moment later, when a touch may
    // have closed it already).
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && watched->isWidgetType()) {
                emit closeEditor(static_cast<QWidget*>(watched), QAbstractItemDelegate::SubmitModelCache);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(watched, event);
    }

private:
    RecordTable* table_;
    Typed typed_;
};

Qt::ScrollBarPolicy barPolicy(bool on) { return on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff; }

// The row height of a grid in its font, and never less than a fingertip: the grids' row heights
// are left to the platform, and a clerk taps rows on a touch screen.
int rowHeightFor(const QWidget* w) { return std::max(kGridRowHeight, QFontMetrics(w->font()).height() + 4); }

// ---- The record grid

class DBGridView : public ControlView {
public:
    DBGridView(ui::DBGrid& grid, RecordTable* table) : ControlView(grid, table), grid_(grid), table_(table) {
        std::weak_ptr<int> life = life_;
        model_ = new RecordModel(
            grid, [this, life] { return !life.expired() && alive(); }, table);
        table->setModel(model_);
        table->setItemDelegate(new CellEditor(table, [this, life](int r, int c, const QString& text) {
            return !life.expired() && cellTyped(r, c, text);
        }));
        table->editorClosed = [this, life](QAbstractItemDelegate::EndEditHint hint) {
            if (!life.expired()) editorClosed(hint);
        };
        table->viewport()->installEventFilter(new Pointer(*this, Pointer::Cells, table->viewport()));
        table->verticalHeader()->viewport()->installEventFilter(
            new Pointer(*this, Pointer::Selectors, table->verticalHeader()->viewport()));
        // The record selectors are a narrow column of markers.
        table->verticalHeader()->setFixedWidth(16);
        table->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    }

    QWidget* focusWidget() const override { return table_->editor() ? table_->editor() : table_; }
    bool usesBackColor() const override { return false; }

    void update(std::string_view p) override {
        bool all = p.empty();
        if (all || p == "RecordSelectors") table_->verticalHeader()->setVisible(grid_.recordSelectors());
        if (all || p == "ColumnHeaders") table_->horizontalHeader()->setVisible(grid_.columnHeaders());
        if (all || p == "ScrollBars") {
            int bars = grid_.scrollBars();
            table_->setHorizontalScrollBarPolicy(barPolicy(bars & 1));
            table_->setVerticalScrollBarPolicy(barPolicy(bars & 2));
        }
        if (all || p == "RowDividerStyle" || p == "ForeColor") {
            int style = grid_.rowDividerStyle();
            table_->setShowGrid(style != 0);
            QColor colour = style == 1   ? QColor(0, 0, 0)
                            : style == 5 ? toQColor(grid_.foreColor())
                            : style == 6 ? QColor(192, 192, 192)
                                         : QColor(128, 128, 128);
            table_->setLineColour(colour);
        }
        if (all || p == "Font") table_->verticalHeader()->setDefaultSectionSize(rowHeightFor(table_));
        fill();
        if (all || p == "Editing") showEditor();
    }

private:
    // Presses on the cells and on the record selectors choose a cell through the program.
    class Pointer : public QObject {
    public:
        enum Where { Cells, Selectors };
        Pointer(DBGridView& view, Where where, QObject* parent) : QObject(parent), view_(view), where_(where) {}
        bool eventFilter(QObject*, QEvent* e) override {
            switch (e->type()) {
                case QEvent::MouseButtonPress:
                    view_.pressed(static_cast<QMouseEvent*>(e)->position().toPoint(), where_);
                    return true;
                case QEvent::MouseButtonDblClick:
                    view_.doublePressed(static_cast<QMouseEvent*>(e), where_);
                    return true;
                case QEvent::MouseButtonRelease:
                    user::release(view_, static_cast<QMouseEvent*>(e));
                    return true;
                case QEvent::MouseMove:
                    return true;
                default:
                    return false;
            }
        }

    private:
        DBGridView& view_;
        Where where_;
    };

    // The row and column under a point, -1 where there is none.
    std::pair<int, int> cellAt(QPoint pos, Pointer::Where where) const {
        if (where == Pointer::Selectors) return {table_->verticalHeader()->logicalIndexAt(pos), -1};
        QModelIndex at = table_->indexAt(pos);
        return {at.row(), at.column()};
    }

    void pressed(QPoint pos, Pointer::Where where) {
        auto [r, c] = cellAt(pos, where);
        // A press anywhere on the grid ends an edit in progress (what was typed is the program's already).
        table_->dropEditor();
        if (r < 0) {
            user::focus(*this);
            return;
        }
        bool again = where == Pointer::Cells && r == shownRow_ && c == shownCol_;
        if (where == Pointer::Selectors) c = std::max(0, shownCol_);
        std::weak_ptr<int> life = life_;
        user::select(*this, r, c);
        if (life.expired() || !alive()) return;
        update("Row");
        // A press on the current cell edits it, as a touch on a cell already chosen does.
        if (again) edit(r, c);
    }

    void doublePressed(QMouseEvent* e, Pointer::Where where) {
        auto [r, c] = cellAt(e->position().toPoint(), where);
        std::weak_ptr<int> life = life_;
        // The press before it chose the cell; a double click that comes alone chooses it first.
        if (r >= 0 && (r != shownRow_ || (where == Pointer::Cells && c != shownCol_))) {
            pressed(e->position().toPoint(), where);
            if (life.expired() || !alive()) return;
        }
        user::doubleClick(*this, e);
        if (life.expired() || !alive() || where != Pointer::Cells || r < 0) return;
        edit(r, c);
    }

    // A touch opens the cell's editor with its whole text chosen, so typing replaces it.
    void edit(int r, int c) {
        if (!alive() || grid_.row() != r || !grid_.hasFocus()) return;
        QModelIndex at = model_->index(r, c);
        if (!at.isValid() || !(model_->flags(at) & Qt::ItemIsEditable)) return;
        chooseAll_ = true;
        user::act(*this, [&] {
            if (grid_.row() == r && grid_.col() == c) grid_.beginEdit();
        });
        chooseAll_ = false;
    }

    // The grid began or ended an edit of its current cell: the editor opens or goes with it. An
    // edit begun by a typed key goes on after what was typed.
    void showEditor() {
        if (!grid_.editing()) {
            table_->dropEditor();
            return;
        }
        int r = grid_.row(), c = grid_.col();
        QModelIndex at = model_->index(r, c);
        if (table_->editor() || !at.isValid() || !(model_->flags(at) & Qt::ItemIsEditable)) return;
        table_->edit(at);
        if (auto* line = qobject_cast<QLineEdit*>(table_->editor())) {
            if (chooseAll_)
                line->selectAll();
            else
                line->end(false);
        }
    }

    // The user closed the editor: Escape takes back what was typed in the cell, Tab and Shift+Tab
    // go on to the next or the previous cell as the keys do without an editor.
    void editorClosed(QAbstractItemDelegate::EndEditHint hint) {
        std::weak_ptr<int> life = life_;
        user::act(*this, [&] {
            switch (hint) {
                case QAbstractItemDelegate::RevertModelCache:
                    grid_.cancelEdit();
                    break;
                case QAbstractItemDelegate::EditNextItem:
                    ui::input::pressKey(grid_.form(), ui::kKeyTab);
                    break;
                case QAbstractItemDelegate::EditPreviousItem:
                    ui::input::pressBackTab(grid_.form());
                    break;
                default:
                    grid_.endEdit();
                    break;
            }
        });
        if (!life.expired() && alive()) update("TextMatrix");
    }

    bool cellTyped(int r, int c, const QString& text) {
        bool taken = false;
        std::weak_ptr<int> life = life_;
        user::act(*this, [&] {
            taken = ui::input::editCell(grid_, r, c, toStd(text));
            if (!taken && grid_.form().isLoaded()) grid_.endEdit();
        });
        if (!life.expired() && alive() && !taken) update("TextMatrix");
        return taken;
    }

    // The width of a column that fits its heading and the rows in sight (the ones the table reads
    // to paint; measuring every row would read every row from the store).
    int fittedWidth(int c, const ui::GridColumn& column) const {
        QFontMetrics cells(table_->font()), headings(table_->horizontalHeader()->font());
        constexpr int kPadding = 10;
        int width = headings.horizontalAdvance(toQString(column.caption)) + kPadding;
        int inSight = table_->height() / std::max(1, table_->verticalHeader()->defaultSectionSize()) + 1;
        int rows = std::min(grid_.rows(), inSight);
        for (int r = 0; r < rows; ++r)
            width = std::max(width, cells.horizontalAdvance(toQString(grid_.textMatrix(r, c))) + kPadding);
        return width;
    }

    // Rows the recordset holds (the row being added and the empty add row come after them).
    int storedRows() const {
        db::Recordset* rs = grid_.dataSource() ? grid_.dataSource()->recordset() : nullptr;
        bool adding = rs && rs->editMode() == db::EditMode::Adding;
        return grid_.rows() - ((grid_.allowAddNew() || adding) ? 1 : 0);
    }

    // Whether the user may type into the cell (the program says no to what it refuses anyway).
    bool takesTyping(int r, const ui::GridColumn& column, int stored) const {
        if (r >= stored ? !grid_.allowAddNew() : !grid_.allowUpdate()) return false;
        if (column.dataField.empty()) return false;
        db::Recordset* rs = grid_.dataSource() ? grid_.dataSource()->recordset() : nullptr;
        if (!rs) return false;
        int k = rs->fieldIndex(column.dataField);
        return k < 0 || rs->fields()[static_cast<std::size_t>(k)].kind != db::Kind::Counter;
    }

    void fill() {
        const std::vector<ui::GridColumn>& columns = grid_.columns();
        int cols = static_cast<int>(columns.size());
        int current = grid_.row(), col = grid_.col();
        if (table_->editor() && (current != shownRow_ || col != shownCol_ || current < 0)) table_->dropEditor();
        RecordModel::Shape shape;
        shape.rows = grid_.rows();
        shape.stored = storedRows();
        shape.current = current;
        for (const ui::GridColumn& column : columns) {
            shape.captions << toQString(column.caption);
            shape.typedStored.push_back(takesTyping(0, column, 1));
            shape.typedAdded.push_back(takesTyping(1, column, 1));
        }
        bool laidOut = model_->setShape(std::move(shape));
        for (int c = 0; c < cols; ++c) {
            double width = columns[static_cast<std::size_t>(c)].width;
            int pixels = width > 0 ? twips().toPixels(width) : -1;
            // A column without a width of its own fits what shows when the rows come.
            if (pixels < 0 && laidOut)
                table_->setColumnWidth(c, fittedWidth(c, columns[static_cast<std::size_t>(c)]));
            else if (pixels >= 0 && table_->columnWidth(c) != pixels)
                table_->setColumnWidth(c, pixels);
        }
        QSignalBlocker block(table_);
        bool moved = current != shownRow_;
        // Without a current row, typing goes to the add row: its cell shows where.
        int typedRow = current < 0 && grid_.allowAddNew() ? storedRows() : current;
        if (typedRow >= 0 && col >= 0 && col < cols) {
            QModelIndex at = model_->index(typedRow, col);
            if (table_->currentIndex() != at)
                table_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
            if (moved) table_->scrollTo(at);
        } else {
            table_->clearSelection();
            table_->setCurrentIndex(QModelIndex());
        }
        shownRow_ = current;
        shownCol_ = col;
    }

    ui::DBGrid& grid_;
    RecordTable* table_;
    RecordModel* model_;
    int shownRow_ = -1, shownCol_ = -1;
    bool chooseAll_ = false;
    // Gone with the view: what runs after handing an action to the program (which may unload
    // the control, and its view with it) and the cell editor, which may outlive the view for a
    // moment, look at it first.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

// ---- The flexible grid

class FlexGridView : public ControlView {
public:
    FlexGridView(ui::FlexGrid& grid, GridTable* table) : ControlView(grid, table), grid_(grid), table_(table) {
        table->horizontalHeader()->hide();
        table->verticalHeader()->hide();
        table->setLineColour(QColor(192, 192, 192));
        table->viewport()->installEventFilter(new Pointer(*this, table->viewport()));
    }

    bool usesBackColor() const override { return false; }

    void update(std::string_view p) override {
        if (p == "Redraw" || p.empty()) table_->setUpdatesEnabled(grid_.redraw());
        // While the screen rewrites the grid nothing is shown; everything is when it is done.
        if (!grid_.redraw()) return;
        if (p.empty() || p == "Font") table_->verticalHeader()->setDefaultSectionSize(rowHeightFor(table_));
        fill();
    }

private:
    class Pointer : public QObject {
    public:
        Pointer(FlexGridView& view, QObject* parent) : QObject(parent), view_(view) {}
        bool eventFilter(QObject*, QEvent* e) override {
            switch (e->type()) {
                case QEvent::MouseButtonPress: {
                    QModelIndex at = view_.table_->indexAt(static_cast<QMouseEvent*>(e)->position().toPoint());
                    if (at.isValid()) {
                        std::weak_ptr<int> life = view_.life_;
                        user::select(view_, at.row(), at.column());
                        if (!life.expired() && view_.alive()) view_.update("Row");
                    } else {
                        user::focus(view_);
                    }
                    return true;
                }
                case QEvent::MouseButtonDblClick:
                    user::doubleClick(view_, static_cast<QMouseEvent*>(e));
                    return true;
                case QEvent::MouseButtonRelease:
                    user::release(view_, static_cast<QMouseEvent*>(e));
                    return true;
                case QEvent::MouseMove:
                    return true;
                default:
                    return false;
            }
        }

    private:
        FlexGridView& view_;
    };

    void fill() {
        int rows = grid_.rows(), cols = grid_.cols();
        int fixedRows = grid_.fixedRows(), fixedCols = grid_.fixedCols();
        table_->setCounts(rows, cols);
        for (int c = 0; c < cols; ++c) {
            int width = twips().toPixels(grid_.colWidth(c));
            if (table_->columnWidth(c) != width) table_->setColumnWidth(c, width);
        }
        const QBrush fixedBack(systemColor(15)), fixedFore(systemColor(18));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                std::string text = grid_.textMatrix(r, c);
                bool fixed = r < fixedRows || c < fixedCols;
                // As the legacy grid aligns in general: numbers to the right, other texts to the left.
                Qt::Alignment align = !fixed && core::isNumeric(text) ? Qt::AlignRight : Qt::AlignLeft;
                table_->setCell(r, c, toQString(text), Qt::ItemIsEnabled | Qt::ItemIsSelectable, align,
                                fixed ? fixedBack : QBrush(), fixed ? fixedFore : QBrush());
            }
        QSignalBlocker block(table_);
        int row = grid_.row(), col = grid_.col();
        bool movable = row >= fixedRows && col >= fixedCols && row < rows && col < cols;
        if (movable) {
            if (table_->currentRow() != row || table_->currentColumn() != col)
                table_->setCurrentCell(row, col, QItemSelectionModel::NoUpdate);
        } else {
            table_->setCurrentIndex(QModelIndex());
        }
        // The selection: Row to RowSel, Col to ColSel; a single cell shows as the current one only.
        table_->clearSelection();
        int r0 = std::min(row, grid_.rowSel()), r1 = std::max(row, grid_.rowSel());
        int c0 = std::min(col, grid_.colSel()), c1 = std::max(col, grid_.colSel());
        r0 = std::max(r0, fixedRows);
        c0 = std::max(c0, fixedCols);
        if (movable && (r1 > r0 || c1 > c0) && r1 < rows && c1 < cols)
            table_->setRangeSelected(QTableWidgetSelectionRange(r0, c0, r1, c1), true);
        if (movable && row != shownRow_) table_->scrollToItem(table_->item(row, col));
        shownRow_ = row;
    }

    ui::FlexGrid& grid_;
    GridTable* table_;
    int shownRow_ = -1;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);  // as the record grid's
};

// ---- The calendar

QDate toQDate(const core::Date& d) { return QDate(d.year, d.month, d.day); }

// The weekdays' names and six weeks.
constexpr int kCalendarRows = 7;

class CalendarView : public ControlView {
public:
    CalendarView(ui::Calendar& calendar, QCalendarWidget* w) : ControlView(calendar, w), calendar_(calendar), w_(w) {
        w->setFocusPolicy(Qt::NoFocus);
        w->setFirstDayOfWeek(Qt::Sunday);
        w->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        w->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
        QObject::connect(w, &QCalendarWidget::clicked, w, [this](QDate d) { picked(d); });
    }
    void update(std::string_view p) override {
        if (!p.empty() && p != "Value") return;
        QSignalBlocker block(w_);
        w_->setSelectedDate(toQDate(calendar_.value()));
    }
    bool usesBackColor() const override { return false; }
    // The days are rows of a table under the month's bar (the weekdays' row and six weeks, all
    // of one height): a calendar designed too short for days a fingertip can hit grows downwards.
    std::optional<QSize> ownSize() const override {
        QSize designed = twips().toRect(0, 0, calendar_.width(), calendar_.height()).size();
        const QWidget* bar = w_->findChild<QWidget*>("qt_calendar_navigationbar");
        int need = (bar ? bar->sizeHint().height() : 0) + kCalendarRows * kTouchTarget + 2;
        if (designed.height() >= need) return std::nullopt;
        return QSize(designed.width(), need);
    }

private:
    void picked(QDate d) {
        std::weak_ptr<int> life = life_;
        user::act(*this, [&] {
            if (!ui::input::takesInput(calendar_.form()) || !calendar_.shown() || !calendar_.usable()) return;
            calendar_.form().focus(calendar_);
            if (calendar_.form().isLoaded()) calendar_.userPick(core::Date{d.year(), d.month(), d.day()});
        });
        // A pick the program did not take leaves the day it holds.
        if (!life.expired() && alive()) update("Value");
    }

    ui::Calendar& calendar_;
    QCalendarWidget* w_;
    std::shared_ptr<int> life_ = std::make_shared<int>(0);  // as the record grid's
};

// The data control's navigator: first, previous, the caption, next, last. Most screens keep their
// data controls hidden: the navigator's buttons are made when the control first shows.
class DataView : public ControlView {
public:
    DataView(ui::Data& data, QWidget* w) : ControlView(data, w), data_(data) {}
    void update(std::string_view p) override {
        if (!caption_) {
            if (!data_.visible()) return;
            build();
            p = {};
        }
        if (p.empty() || p == "Caption") caption_->setText(QString::fromStdString(data_.caption()));
    }

private:
    void build() {
        QWidget* w = widget();
        auto* row = new QHBoxLayout(w);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        const char* const arrows[] = {"|\u25C0", "\u25C0", "\u25B6", "\u25B6|"};
        for (int n = 0; n < 4; ++n) {
            auto* b = new QToolButton(w);
            b->setText(QString::fromUtf8(arrows[n]));
            b->setFocusPolicy(Qt::NoFocus);
            b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
            QObject::connect(b, &QToolButton::clicked, b, [this, n] { user::select(*this, n); });
            if (n == 2) {
                caption_ = new QLabel(w);
                caption_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
                row->addWidget(caption_);
            }
            row->addWidget(b);
            b->show();
        }
        caption_->show();
    }

    ui::Data& data_;
    QLabel* caption_ = nullptr;
};
}  // namespace

void registerDataRenderers(std::map<ui::ControlKind, Renderer>& t) {
    using K = ui::ControlKind;
    t[K::DBGrid] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<DBGridView>(static_cast<ui::DBGrid&>(c), new RecordTable(parent));
    };
    t[K::FlexGrid] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<FlexGridView>(static_cast<ui::FlexGrid&>(c), new GridTable(parent));
    };
    t[K::Data] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<DataView>(static_cast<ui::Data&>(c), new QWidget(parent));
    };
    t[K::Calendar] = [](ui::Control& c, QWidget* parent) {
        return std::make_unique<CalendarView>(static_cast<ui::Calendar&>(c), new QCalendarWidget(parent));
    };
}

}  // namespace pelk::qt
