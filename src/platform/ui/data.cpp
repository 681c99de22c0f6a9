#include "platform/ui/data.h"

#include <algorithm>

#include "platform/core/text.h"
#include "platform/db/database.h"
#include "platform/ui/controls.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/form.h"
#include "platform/ui/host.h"

namespace pelk::ui {

namespace {

namespace text = core::text;

bool isTextKind(db::Kind k) { return k == db::Kind::Text || k == db::Kind::Memo; }

// A field's value as a check box shows it: 0 clear, 1 ticked, 2 greyed.
int checkValueOf(const core::Value& v) {
    const auto& s = v.storage();
    if (v.isNull()) return 0;
    if (const auto* b = std::get_if<bool>(&s)) return *b ? 1 : 0;
    if (const auto* t = std::get_if<std::string>(&s)) {
        std::string x = text::trim(*t);
        if (x == "1" || x == "-1" || text::equalsNoCase(x, "True") || text::equalsNoCase(x, "Yes")) return 1;
        return x == "2" ? 2 : 0;
    }
    if (v.isNumber()) {
        double d = v.toDouble();
        return d == 0 ? 0 : d == 2 ? 2 : 1;
    }
    return 0;
}

// What a bound control writes into a field of this kind.
core::Value storedValue(const std::string& shown, bool check, const db::FieldInfo& f) {
    if (check) {
        int v = std::atoi(shown.c_str());
        if (f.kind == db::Kind::YesNo) return v == 2 ? core::Value{} : core::Value{v != 0};
        if (isTextKind(f.kind)) return core::Value{std::to_string(v)};
        return core::Value{v};
    }
    // The store refuses the empty text in a number or a date; the legacy boxes stored Null.
    if (shown.empty() && !isTextKind(f.kind)) return core::Value{};
    return core::Value{shown};
}

}  // namespace

// ---- Data

Data::Data(Form* form, std::string name, int index) : Control(form, std::move(name), ControlKind::Data, index) {
    setTabStop(false);
}

Data::~Data() {
    for (DBGrid* g : grids_) g->forgetSource();
}

void Data::setDatabaseName(std::string windowsPath) {
    if (windowsPath == databaseName_) return;
    databaseName_ = std::move(windowsPath);
    changed("DatabaseName");
}

void Data::setRecordSource(std::string source) {
    if (source == recordSource_) return;
    recordSource_ = std::move(source);
    changed("RecordSource");
}

void Data::setConnect(std::string c) {
    if (c == connect_) return;
    connect_ = std::move(c);
    changed("Connect");
}

void Data::setCaption(std::string c) {
    if (c == caption_) return;
    caption_ = std::move(c);
    changed("Caption");
}

db::Error Data::noRecordset() const {
    return db::Error{databaseName_, "The data control " + path() + " has no open recordset.", kErrNoRecordset};
}

db::Error Data::cancelled() const {
    return db::Error{databaseName_, "This action was cancelled by an associated object.", kErrCancelledByValidate};
}

void Data::report(const db::Error& e) const {
    MsgBox("Error #: " + std::to_string(e.code) + "\r" + e.reason, kOKOnly | kCritical);
}

// ---- binding

void Data::addBinding(BindKind kind, Control& c, std::string field) {
    for (Binding& b : bindings_)
        if (b.control == &c) {
            b.field = std::move(field);
            return;
        }
    bindings_.push_back(Binding{kind, &c, std::move(field), {}});
    bindings_.back().shown = valueOf(bindings_.back());
}

void Data::unbind(const Control& c) {
    std::erase_if(bindings_, [&](const Binding& b) { return b.control == &c; });
}

void Data::bind(TextBox& box, std::string field) { addBinding(BindKind::Text, box, std::move(field)); }
void Data::bind(Label& label, std::string field) { addBinding(BindKind::Caption, label, std::move(field)); }
void Data::bind(CheckBox& box, std::string field) { addBinding(BindKind::Check, box, std::move(field)); }
void Data::bind(ComboBox& box, std::string field) { addBinding(BindKind::Combo, box, std::move(field)); }

std::string Data::boundField(const Control& c) const {
    for (const Binding& b : bindings_)
        if (b.control == &c) return b.field;
    return {};
}

std::string Data::valueOf(const Binding& b) {
    switch (b.kind) {
        case BindKind::Text:
            return static_cast<const TextBox*>(b.control)->text();
        case BindKind::Caption:
            return static_cast<const Label*>(b.control)->caption();
        case BindKind::Check:
            return std::to_string(static_cast<const CheckBox*>(b.control)->value());
        case BindKind::Combo:
            return static_cast<const ComboBox*>(b.control)->text();
    }
    return {};
}

void Data::show(Binding& b, const core::Value& v) {
    switch (b.kind) {
        case BindKind::Text:
            static_cast<TextBox*>(b.control)->setText(v.toText());
            break;
        case BindKind::Caption:
            static_cast<Label*>(b.control)->setCaption(v.toText());
            break;
        case BindKind::Check:
            static_cast<CheckBox*>(b.control)->setValue(checkValueOf(v));
            break;
        case BindKind::Combo: {
            auto* box = static_cast<ComboBox*>(b.control);
            std::string t = v.toText();
            box->setText(t);
            // A drop-down list takes only its items: a value it does not offer shows no item.
            if (box->style() == 2 && !text::equalsNoCase(box->text(), t) && box->listIndex() >= 0)
                box->setListIndex(-1);
            break;
        }
    }
}

std::vector<Data::Edit> Data::pendingEdits() const {
    std::vector<Edit> edits;
    if (!filling_)
        for (const Binding& b : bindings_) {
            std::string now = valueOf(b);
            if (now != b.shown) edits.push_back(Edit{b.field, now, b.kind == BindKind::Check});
        }
    for (DBGrid* g : grids_)
        for (auto& [field, value] : g->pendingEdits()) edits.push_back(Edit{field, value, false});
    return edits;
}

void Data::forgetEdits() {
    for (Binding& b : bindings_) b.shown = valueOf(b);
    for (DBGrid* g : grids_) g->clearPending();
}

void Data::showRow(bool reposition) {
    struct Filling {
        bool& flag;
        bool was;
        ~Filling() { flag = was; }
    } guard{filling_, filling_};
    filling_ = true;
    for (DBGrid* g : grids_) g->clearPending();
    // A handler run by the fill may add bindings or unload the form: walk by index, and stop when
    // the form goes.
    static const core::Value kNone;
    for (std::size_t i = 0; i < bindings_.size(); ++i) {
        // Lent, not copied: show() takes what it shows out of it before any handler can move
        // the recordset.
        const core::Value* v = &kNone;
        if (rs_)
            if (auto lent = rs_->fieldLent(bindings_[i].field)) v = *lent;
        show(bindings_[i], *v);
        if (i < bindings_.size()) bindings_[i].shown = valueOf(bindings_[i]);
        if (!form().isLoaded()) return;
    }
    filling_ = guard.was;
    notifyGrids();
    if (reposition) raiseReposition();
}

void Data::UpdateControls() {
    forgetEdits();
    showRow(false);
}

// ---- events

void Data::raiseReposition() {
    if (!reposition_ || !eventsOn()) return;
    auto handler = reposition_;
    handler();
}

void Data::notifyGrids() {
    auto grids = grids_;
    for (DBGrid* g : grids) g->dataChanged();
    changed("Recordset");
}

void Data::attach(DBGrid& grid) {
    if (std::find(grids_.begin(), grids_.end(), &grid) == grids_.end()) grids_.push_back(&grid);
}

void Data::detach(DBGrid& grid) { std::erase(grids_, &grid); }

// ---- opening

db::Status Data::open() {
    close();
    if (databaseName_.empty())
        return db::Error{"", "The data control " + path() + " has no database name.", db::code::kFileNotFound};
    if (recordSource_.empty())
        return db::Error{databaseName_, "The data control " + path() + " has no record source.",
                         db::code::kNoSuchTable};
    auto database = db::Database::open(databaseName_);
    if (!database) return database.error();
    auto rs = database->openRecordset(recordSource_);
    if (!rs) return rs.error();
    rs_.emplace(std::move(rs).value());
    // The id list is taken when something first moves through the rows, not here: a screen that
    // only shows the first row (or finds one) never reads a whole table. The recordset takes it
    // before its first edit is written, so an edited key still keeps its place.
    // A field the source lacks is told once per opening; its control shows nothing.
    for (const Binding& b : bindings_)
        if (rs_->fieldIndex(b.field) < 0)
            report(db::Error{databaseName_, "Unable to bind to field or DataMember: '" + b.field + "'.",
                             kErrUnboundField});
    showRow(true);
    return {};
}

void Data::close() {
    if (!rs_) return;
    rs_.reset();
    codeFields_.clear();
    for (DBGrid* g : grids_) g->clearPending();
    notifyGrids();
}

db::Status Data::Refresh() {
    refreshed_ = true;
    if (rs_)
        if (db::Status st = leaveRow(kDataActionClose); !st) return st;
    return open();
}

void Data::afterFormLoad() {
    if (refreshed_ || databaseName_.empty() || recordSource_.empty()) return;
    if (db::Status st = open(); !st) report(st.error());
}

void Data::beforeFormUnload() {
    if (rs_) (void)leaveRow(kDataActionUnload);  // a refused write has been shown; the form goes all the same
    close();
}

// ---- writing back

db::Status Data::leaveRow(int action) {
    if (!rs_) return {};
    std::vector<Edit> edits = pendingEdits();
    db::EditMode mode = rs_->editMode();
    int act = action;
    // Save tells Validate whether there is anything to write: a box's edit or a field set by code.
    int save = (!edits.empty() || !codeFields_.empty()) ? 1 : 0;
    if (validate_ && eventsOn()) {
        auto handler = validate_;
        handler(act, save);
        if (!rs_) return {};
        edits = pendingEdits();
        mode = rs_->editMode();
    }
    if (act == kDataActionCancel && action != kDataActionUnload) return cancelled();
    if (!save) {
        if (mode != db::EditMode::None) (void)rs_->CancelUpdate();  // dropped on purpose
        codeFields_.clear();
        forgetEdits();
        return {};
    }
    if (edits.empty() && mode == db::EditMode::None) return {};
    db::Status st = store(edits, true);
    if (!st) report(st.error());
    if (!st && st.error().code == db::code::kRecordDeleted) {
        // Another station deleted the row: its edits have nowhere to go. The clerk has been
        // told; they are dropped, so the row can be left.
        if (rs_ && rs_->editMode() != db::EditMode::None) (void)rs_->CancelUpdate();
        codeFields_.clear();
        forgetEdits();
        return {};
    }
    return st;
}

db::Status Data::store(const std::vector<Edit>& edits, bool leaving) {
    db::Recordset& rs = *rs_;
    db::EditMode mode = rs.editMode();
    if (leaving && edits.empty() && mode == db::EditMode::Adding && codeFields_.empty()) {
        // A new row nobody wrote into is not added, as the legacy control left it.
        (void)rs.CancelUpdate();  // it is in Adding mode, so this cannot fail
        forgetEdits();
        return {};
    }
    bool ownEdit = mode == db::EditMode::None;
    if (ownEdit)
        if (db::Status st = rs.Edit(); !st) return st;
    auto undo = [&](db::Status st) {
        if (ownEdit) (void)rs.CancelUpdate();  // the edit was ours; the failure is what counts
        return st;
    };
    for (const Edit& e : edits) {
        bool setByCode = std::any_of(codeFields_.begin(), codeFields_.end(),
                                     [&](const std::string& f) { return text::equalsNoCase(f, e.field); });
        if (setByCode) continue;
        int k = rs.fieldIndex(e.field);
        if (k < 0)
            return undo(db::Error{databaseName_, "Unable to bind to field or DataMember: '" + e.field + "'.",
                                  kErrUnboundField});
        const db::FieldInfo& f = rs.fields()[static_cast<std::size_t>(k)];
        if (db::Status st = rs.setField(f.name, storedValue(e.text, e.check, f)); !st) return undo(st);
    }
    if (db::Status st = rs.Update(); !st) return undo(st);
    codeFields_.clear();
    forgetEdits();
    return {};
}

db::Status Data::UpdateRecord() {
    if (!rs_) return noRecordset();
    std::vector<Edit> edits = pendingEdits();
    if (edits.empty() && rs_->editMode() == db::EditMode::None) return {};
    db::Status st = store(edits, false);
    if (st) showRow(false);
    return st;
}

// ---- moving

db::Status Data::moveBy(int action, const std::function<db::Status(db::Recordset&)>& op, bool find) {
    if (!rs_) return noRecordset();
    if (db::Status st = leaveRow(action); !st) return st;
    if (!rs_) return noRecordset();
    codeFields_.clear();
    db::Status st = op(*rs_);
    // A find without a match leaves no current row; the boxes keep what they show, as the legacy
    // ones did, and nothing is repositioned.
    if (find && st && rs_->noMatch()) return st;
    showRow(st.ok());
    return st;
}

db::Status Data::moveTo(db::Bookmark row) {
    return moveBy(kDataActionBookmark, [row](db::Recordset& rs) { return rs.setBookmark(row); });
}

void Data::userNavigate(int button) {
    if (button < kNavigateFirst || button > kNavigateLast)
        throw PropertyError(path() + ": the navigator has the buttons 0 to 3, not " + std::to_string(button));
    if (!rs_ || !usable()) return;
    db::Status st;
    switch (button) {
        case kNavigateFirst:
            st = moveBy(kDataActionMoveFirst, [](db::Recordset& rs) { return rs.MoveFirst(); });
            break;
        case kNavigatePrevious:
            st = moveBy(kDataActionMovePrevious, [](db::Recordset& rs) {
                db::Status s = rs.MovePrevious();
                return rs.bof() ? rs.MoveFirst() : s;
            });
            break;
        case kNavigateNext:
            st = moveBy(kDataActionMoveNext, [](db::Recordset& rs) {
                db::Status s = rs.MoveNext();
                return rs.eof() ? rs.MoveLast() : s;
            });
            break;
        default:
            st = moveBy(kDataActionMoveLast, [](db::Recordset& rs) { return rs.MoveLast(); });
            break;
    }
    // A write refused on the way has been shown; a move on no rows is simply none.
    (void)st;
}

bool Data::userSelect(int row, int) {
    userNavigate(row);
    return true;
}

bool Data::userDeleteRow() {
    if (!rs_) return false;
    if (db::Status st = recordset_.Delete(); !st) {
        if (st.error().code != kErrCancelledByValidate) report(st.error());
        return false;
    }
    // The row after the deleted one becomes current, or the last one at the end.
    if (db::Status st = recordset_.MoveNext(); st && recordset_.eof()) (void)recordset_.MoveLast();
    return true;
}

const PropertyList& Data::properties() const {
    static const PropertyList list =
        prop::join({identityProperties(),
                    boxProperties(),
                    lookProperties(),
                    {
                        prop::of("DatabaseName", &Data::databaseName, &Data::setDatabaseName),
                        prop::of("RecordSource", &Data::recordSource, &Data::setRecordSource),
                        prop::of("Connect", &Data::connect, &Data::setConnect),
                        prop::of("Caption", &Data::caption, &Data::setCaption),
                    }});
    return list;
}

// ---- DataRecordset

namespace {
const std::vector<db::FieldInfo>& noFields() {
    static const std::vector<db::FieldInfo> none;
    return none;
}
const std::string& noSource() {
    static const std::string none;
    return none;
}
}  // namespace

bool DataRecordset::isOpen() const { return data_.rs_.has_value(); }
const std::vector<db::FieldInfo>& DataRecordset::fields() const { return data_.rs_ ? data_.rs_->fields() : noFields(); }
int DataRecordset::fieldIndex(std::string_view name) const { return data_.rs_ ? data_.rs_->fieldIndex(name) : -1; }
bool DataRecordset::updatable() const { return data_.rs_ && data_.rs_->updatable(); }
const std::string& DataRecordset::source() const { return data_.rs_ ? data_.rs_->source() : noSource(); }

db::Result<core::Value> DataRecordset::field(std::string_view name) {
    if (!data_.rs_) return data_.noRecordset();
    return data_.rs_->field(name);
}

db::Result<core::Value> DataRecordset::field(int index) {
    if (!data_.rs_) return data_.noRecordset();
    return data_.rs_->field(index);
}

std::string DataRecordset::fieldText(std::string_view name) {
    return data_.rs_ ? data_.rs_->fieldText(name) : std::string();
}

std::string DataRecordset::fieldText(int index) { return data_.rs_ ? data_.rs_->fieldText(index) : std::string(); }

db::Status DataRecordset::setField(std::string_view name, const core::Value& value) {
    if (!data_.rs_) return data_.noRecordset();
    db::Status st = data_.rs_->setField(name, value);
    if (st) data_.codeFields_.emplace_back(name);
    return st;
}

db::Status DataRecordset::AddNew() {
    Data& d = data_;
    if (!d.rs_) return d.noRecordset();
    if (db::Status st = d.leaveRow(kDataActionAddNew); !st) return st;
    if (!d.rs_) return d.noRecordset();
    d.codeFields_.clear();
    db::Status st = d.rs_->AddNew();
    if (st) d.showRow(true);
    return st;
}

db::Status DataRecordset::Edit() {
    if (!data_.rs_) return data_.noRecordset();
    db::Status st = data_.rs_->Edit();
    if (st) data_.codeFields_.clear();
    return st;
}

db::Status DataRecordset::Update() {
    Data& d = data_;
    if (!d.rs_) return d.noRecordset();
    // Without Edit or AddNew the legacy Update failed (3020), whatever the boxes held.
    if (d.rs_->editMode() == db::EditMode::None) return d.rs_->Update();
    db::Status st = d.store(d.pendingEdits(), false);
    if (st) d.showRow(false);
    return st;
}

db::Status DataRecordset::CancelUpdate() {
    Data& d = data_;
    if (!d.rs_) return d.noRecordset();
    bool adding = d.rs_->editMode() == db::EditMode::Adding;
    db::Status st = d.rs_->CancelUpdate();
    if (!st) return st;
    d.codeFields_.clear();
    d.forgetEdits();
    d.showRow(adding);
    return st;
}

db::Status DataRecordset::Delete() {
    Data& d = data_;
    if (!d.rs_) return d.noRecordset();
    // The data layer would delete the row current before AddNew; the clerk meant the new one.
    if (d.rs_->editMode() == db::EditMode::Adding) return CancelUpdate();
    int action = kDataActionDelete, save = 0;
    if (d.validate_ && d.eventsOn()) {
        auto handler = d.validate_;
        handler(action, save);
        if (!d.rs_) return d.noRecordset();
    }
    if (action == kDataActionCancel) return d.cancelled();
    d.codeFields_.clear();
    d.forgetEdits();
    db::Status st = d.rs_->Delete();
    d.notifyGrids();
    return st;
}

db::EditMode DataRecordset::editMode() const { return data_.rs_ ? data_.rs_->editMode() : db::EditMode::None; }

db::Result<db::Bookmark> DataRecordset::lastModified() const {
    if (!data_.rs_) return data_.noRecordset();
    return data_.rs_->lastModified();
}

db::Status DataRecordset::MoveFirst() {
    return data_.moveBy(kDataActionMoveFirst, [](db::Recordset& rs) { return rs.MoveFirst(); });
}
db::Status DataRecordset::MoveLast() {
    return data_.moveBy(kDataActionMoveLast, [](db::Recordset& rs) { return rs.MoveLast(); });
}
db::Status DataRecordset::MoveNext() {
    return data_.moveBy(kDataActionMoveNext, [](db::Recordset& rs) { return rs.MoveNext(); });
}
db::Status DataRecordset::MovePrevious() {
    return data_.moveBy(kDataActionMovePrevious, [](db::Recordset& rs) { return rs.MovePrevious(); });
}

db::Status DataRecordset::FindFirst(std::string_view criteria) {
    std::string c(criteria);
    return data_.moveBy(
        kDataActionFind, [&c](db::Recordset& rs) { return rs.FindFirst(c); }, true);
}
db::Status DataRecordset::FindNext(std::string_view criteria) {
    std::string c(criteria);
    return data_.moveBy(
        kDataActionFind, [&c](db::Recordset& rs) { return rs.FindNext(c); }, true);
}
db::Status DataRecordset::FindLast(std::string_view criteria) {
    std::string c(criteria);
    return data_.moveBy(
        kDataActionFind, [&c](db::Recordset& rs) { return rs.FindLast(c); }, true);
}
db::Status DataRecordset::FindPrevious(std::string_view criteria) {
    std::string c(criteria);
    return data_.moveBy(
        kDataActionFind, [&c](db::Recordset& rs) { return rs.FindPrevious(c); }, true);
}

bool DataRecordset::noMatch() const { return !data_.rs_ || data_.rs_->noMatch(); }
bool DataRecordset::eof() { return !data_.rs_ || data_.rs_->eof(); }
bool DataRecordset::bof() { return !data_.rs_ || data_.rs_->bof(); }
long DataRecordset::recordCount() { return data_.rs_ ? data_.rs_->recordCount() : 0; }
long DataRecordset::absolutePosition() { return data_.rs_ ? data_.rs_->absolutePosition() : -1; }

db::Status DataRecordset::setAbsolutePosition(long position) {
    return data_.moveBy(kDataActionBookmark,
                        [position](db::Recordset& rs) { return rs.setAbsolutePosition(position); });
}

db::Result<db::Bookmark> DataRecordset::bookmark() {
    if (!data_.rs_) return data_.noRecordset();
    return data_.rs_->bookmark();
}

db::Status DataRecordset::setBookmark(db::Bookmark b) { return data_.moveTo(b); }

db::Result<db::Recordset> DataRecordset::Clone() {
    if (!data_.rs_) return data_.noRecordset();
    return data_.rs_->Clone();
}

db::Status DataRecordset::Requery() {
    return data_.moveBy(kDataActionClose, [](db::Recordset& rs) { return rs.Requery(); });
}

const db::Error* DataRecordset::lastError() const { return data_.rs_ ? data_.rs_->lastError() : nullptr; }

}  // namespace pelk::ui
