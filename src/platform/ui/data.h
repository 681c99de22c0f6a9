#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/value.h"
#include "platform/db/error.h"
#include "platform/db/field.h"
#include "platform/db/recordset.h"
#include "platform/ui/control.h"

namespace pelk::ui {

class CheckBox;
class ComboBox;
class Data;
class DBGrid;
class Label;
class TextBox;

// What a data control is about to do, as its Validate event is told (the legacy vbDataAction…).
// Setting the action to kDataActionCancel in Validate cancels the move, find, AddNew or Refresh.
enum DataAction : int {
    kDataActionCancel = 0,
    kDataActionMoveFirst = 1,
    kDataActionMovePrevious = 2,
    kDataActionMoveNext = 3,
    kDataActionMoveLast = 4,
    kDataActionAddNew = 5,
    kDataActionUpdate = 6,
    kDataActionDelete = 7,
    kDataActionFind = 8,
    kDataActionBookmark = 9,
    kDataActionClose = 10,
    kDataActionUnload = 11,
};

// The legacy numbers of the data control's own failures.
inline constexpr int kErrNoRecordset = 91;            // the control has no open recordset
inline constexpr int kErrCancelledByValidate = 3426;  // Validate cancelled the action
inline constexpr int kErrUnboundField = 545;          // a bound control names a field the source lacks

// The recordset of a data control, as screens reach it: `datInfor.Recordset().FindFirst(…)`. Each
// call is the data layer's (db::Recordset, same names and results), and the data control follows
// it as the legacy one followed its recordset:
// - before a move, a find, AddNew, a new bookmark or Requery, the edits of the bound controls are
//   written to the row being left (after Validate); when that write fails, the clerk is told, the
//   edits stay in the boxes and the move does not happen (its failure is returned);
// - after a move, a find that matched or AddNew, the bound controls show the new current row (or
//   the empty new row), raising Change and Click, and then Reposition is raised;
// - Update writes the bound controls' edits together with the fields set by code (a field set by
//   code wins) and the bound controls then show the row as stored; CancelUpdate shows it as stored
//   again (after an AddNew: the row current before it, with Reposition);
// - Delete drops the pending edits of the row; during an AddNew it abandons the new row instead of
//   deleting the row that was current before it.
// Without an open recordset every call fails with error 91, and the recordset reads as empty.
class DataRecordset {
public:
    explicit DataRecordset(Data& data) : data_(data) {}
    DataRecordset(const DataRecordset&) = delete;
    DataRecordset& operator=(const DataRecordset&) = delete;

    bool isOpen() const;
    const std::vector<db::FieldInfo>& fields() const;
    int fieldIndex(std::string_view name) const;
    bool updatable() const;
    const std::string& source() const;

    db::Result<core::Value> field(std::string_view name);
    db::Result<core::Value> field(int index);
    // As db::Recordset::fieldText: Null, no current row or field, no recordset read as "".
    std::string fieldText(std::string_view name);
    std::string fieldText(int index);
    db::Status setField(std::string_view name, const core::Value& value);

    db::Status AddNew();
    db::Status Edit();
    db::Status Update();
    db::Status CancelUpdate();
    db::Status Delete();
    db::EditMode editMode() const;
    db::Result<db::Bookmark> lastModified() const;

    db::Status MoveFirst();
    db::Status MoveLast();
    db::Status MoveNext();
    db::Status MovePrevious();
    db::Status FindFirst(std::string_view criteria);
    db::Status FindNext(std::string_view criteria);
    db::Status FindLast(std::string_view criteria);
    db::Status FindPrevious(std::string_view criteria);
    bool noMatch() const;

    bool eof();
    bool bof();
    long recordCount();
    long absolutePosition();
    db::Status setAbsolutePosition(long position);
    db::Result<db::Bookmark> bookmark();
    db::Status setBookmark(db::Bookmark b);
    // A second cursor of its own (not followed by the bound controls).
    db::Result<db::Recordset> Clone();
    db::Status Requery();
    const db::Error* lastError() const;

private:
    Data& data_;
};

// The legacy data control: it opens a record source (a table name or a SELECT in the legacy
// dialect) of the store at DatabaseName (a Windows path), keeps its current row, shows that row in
// its bound controls and writes their edits back, and offers a navigator (first, previous, next,
// last) when it is visible.
//
// A screen points it in Form_Load and, when Form_Load itself reads the rows, refreshes it there:
//     datInfor.setDatabaseName(os::programPath("Infor.mdb"));
//     datInfor.setRecordSource("SELECT * FROM tbEmplo ORDER BY szID_no ASC");
//     if (auto st = datInfor.Refresh(); !st) …
// Otherwise it opens itself once Form_Load has returned; a store or source that cannot be opened
// then leaves it without rows, and the clerk is told once. A control without a database name or a
// record source stays closed without a word.
//
// Binding: `datInfor.bind(txtName, "sFirst_nm")` (text boxes, rich text boxes, labels, check boxes,
// combo boxes). Showing a row sets each bound control as code would, so their Change and Click run;
// a field holding Null shows as the empty text (a check box: unticked). A bound control whose value
// differs from what the row put there is an edit, whoever made it (a caption set by code included);
// edits are written to the row when the row is left, when the control is refreshed and when the
// form unloads, and only then, and only when something changed. An empty text written to a field
// that is not text stores Null. A check box writes True/False to a yes/no field, 1/0 to a number
// field and "1"/"0" to a text field (a greyed box: Null, 2, "2").
//
// A write the control makes by itself (leaving a row, refreshing, unloading, the navigator) that
// the store refuses is shown to the clerk as "Error #: <number>", a carriage return and the reason;
// the row stays as stored. Validate (`onValidate`) runs before each of them and can cancel the
// action (not an unload) or drop the edits (Save = 0), as the legacy one could.
class Data : public Control {
public:
    using ValidateHandler = std::function<void(int& Action, int& Save)>;
    enum NavigatorButton { kNavigateFirst = 0, kNavigatePrevious = 1, kNavigateNext = 2, kNavigateLast = 3 };

    Data(Form* form, std::string name, int index = -1);
    ~Data() override;

    const std::string& databaseName() const { return databaseName_; }
    void setDatabaseName(std::string windowsPath);
    const std::string& recordSource() const { return recordSource_; }
    void setRecordSource(std::string source);
    // The legacy connect string ("Access 2000;"); kept, and read by nothing.
    const std::string& connect() const { return connect_; }
    void setConnect(std::string c);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c);

    // Writes the pending edits (Validate first; a refused or cancelled write stops the Refresh and
    // is returned), then opens the store and the record source afresh and shows the first row
    // (Reposition). A failure to open is returned, not shown: the control then has no recordset and
    // its bound controls keep what they show.
    db::Status Refresh();
    DataRecordset& Recordset() { return recordset_; }
    bool isOpen() const { return rs_.has_value(); }
    // Writes the bound controls' edits to the current row now, without Validate.
    db::Status UpdateRecord();
    // Shows the current row again as stored: the bound controls' edits are dropped.
    void UpdateControls();

    // A bound control belongs to the same form and lives as long as the data control.
    void bind(TextBox& box, std::string field);
    void bind(Label& label, std::string field);
    void bind(CheckBox& box, std::string field);
    void bind(ComboBox& box, std::string field);
    // Lets go of a bound control that goes before the data control (a control array member
    // unloaded): its pending edit is dropped.
    void unbind(const Control& c);
    // The field a control is bound to here; empty when it is not.
    std::string boundField(const Control& c) const;

    void onReposition(Handler h) { reposition_ = std::move(h); }
    void onValidate(ValidateHandler h) { validate_ = std::move(h); }

    // A click on a navigator button (NavigatorButton): the row's edits are written, then the move;
    // previous on the first row and next on the last row stay there.
    void userNavigate(int button);
    // select DATA N: the navigator's button N (0 first, 1 previous, 2 next, 3 last).
    bool userSelect(int row, int column) override;

    void afterFormLoad() override;
    void beforeFormUnload() override;
    const PropertyList& properties() const override;

    // The grids' side.
    db::Recordset* recordset() const { return rs_ ? &*rs_ : nullptr; }
    void attach(DBGrid& grid);
    void detach(DBGrid& grid);
    // The user goes to another row of a grid: the row's edits are written first.
    db::Status moveTo(db::Bookmark row);
    // The user deletes the current row in a grid; false (the clerk told) when it failed.
    bool userDeleteRow();
    // Tells the clerk about a failure the control met on its own.
    void report(const db::Error& e) const;

private:
    friend class DataRecordset;

    enum class BindKind { Text, Caption, Check, Combo };
    struct Binding {
        BindKind kind;
        Control* control;
        std::string field;
        std::string shown;  // the control's value right after the row was shown
    };
    // A bound edit waiting to be written: the field and the control's value as text.
    struct Edit {
        std::string field;
        std::string text;
        bool check = false;
    };

    void addBinding(BindKind kind, Control& c, std::string field);
    static std::string valueOf(const Binding& b);
    void show(Binding& b, const core::Value& v);
    std::vector<Edit> pendingEdits() const;
    void forgetEdits();

    db::Status open();
    void close();
    // Shows the current row in the bound controls, then Reposition when asked.
    void showRow(bool reposition);
    // Before the row is left: Validate, then the pending edits are written.
    db::Status leaveRow(int action);
    // Writes the edits (with the fields code set since Edit or AddNew) through Edit/Update. Leaving
    // a new row nobody wrote into adds nothing.
    db::Status store(const std::vector<Edit>& edits, bool leaving);
    db::Status moveBy(int action, const std::function<db::Status(db::Recordset&)>& op, bool find = false);
    void raiseReposition();
    void notifyGrids();
    db::Error noRecordset() const;
    db::Error cancelled() const;

    std::string databaseName_, recordSource_, connect_, caption_;
    mutable std::optional<db::Recordset> rs_;
    DataRecordset recordset_{*this};
    std::vector<Binding> bindings_;
    std::vector<DBGrid*> grids_;
    std::vector<std::string> codeFields_;  // fields set by code since Edit or AddNew
    bool refreshed_ = false;
    bool filling_ = false;
    Handler reposition_;
    ValidateHandler validate_;
};

}  // namespace pelk::ui
