#include "reservations/records.h"

#include <string>

namespace pelk::reservations {

namespace {

// The stay's dates and the time of the last save are dates, so that the lists select them by a
// range and the map compares them with its own dates; the remark is free text of any length;
// everything else keeps what its box shows, amounts with their thousands commas included.
db::Kind kindOf(std::string_view field) {
    if (field == "szDate_in" || field == "szDate_Out" || field == "szReser_day" || field == "szReser_ti")
        return db::Kind::DateTime;
    if (field == "szSame_Addr") return db::Kind::YesNo;
    if (field == "szRemark" || field == "szNotes_nm") return db::Kind::Memo;
    return db::Kind::Text;
}

template <std::size_t N>
std::vector<db::FieldDecl> fieldsOf(const std::array<std::string_view, N>& names) {
    std::vector<db::FieldDecl> fields;
    for (std::string_view name : names) {
        db::Kind kind = kindOf(name);
        fields.push_back({std::string(name), kind, kind == db::Kind::Text ? db::kDefaultTextSize : 0, false});
    }
    return fields;
}

// The keys the screens look stays and guests up by: the phone and the name the clerk types (the
// first name beside the last, so namesakes are told apart inside the key),
// the room with the day the map colours it for (arriving or leaving), and the stay's dates the
// lists select a range of.
const std::vector<db::IndexDecl> kReservationKeys = {
    {"sPhone_no"}, {"sLast_na", "sFirst_nm"}, {"szRoom1", "szDate_in"}, {"szRoom1", "szDate_Out"}, {"szDate_in"},
    {"szDate_Out"}};
const std::vector<db::IndexDecl> kCustomerKeys = {{"sPhone_no"}, {"sLast_na", "sFirst_nm"}};

db::StoreDecl storeOf(std::string_view file, std::string_view table, std::vector<db::FieldDecl> fields,
                      std::vector<db::IndexDecl> keys) {
    db::TableDecl t{std::string(table), std::move(fields), {}};
    t.indexes = std::move(keys);
    return {std::string(file), {std::move(t)}, false};
}

}  // namespace

db::StoreDecl reservationStore() {
    return storeOf(kReservationStore, kReservationTable, fieldsOf(kReservationFields), kReservationKeys);
}

db::StoreDecl checkedOutStore() {
    std::vector<db::FieldDecl> fields = fieldsOf(kReservationFields);
    fields.push_back({std::string(kFolioNumberField), db::Kind::Text, db::kDefaultTextSize, false});
    return storeOf(kCheckedOutStore, kReservationTable, std::move(fields), kReservationKeys);
}

db::StoreDecl customerStore() {
    return storeOf(kCustomerStore, kCustomerTable, fieldsOf(kCustomerFields), kCustomerKeys);
}

db::StoreDecl customerListStore() {
    return storeOf(kCustomerListStore, kCustomerTable, fieldsOf(kCustomerFields), kCustomerKeys);
}

// The orders are counted and summed as numbers, so that the list sorts them as numbers.
db::StoreDecl orderTallyStore() {
    db::TableDecl t{std::string(kOrderTallyTable), {}, {}};
    t.fields = {{"ID", db::Kind::Counter, 0, false},
                {"szPhone_no", db::Kind::Text, db::kDefaultTextSize, false},
                {"szName_na", db::Kind::Text, db::kDefaultTextSize, false},
                {"szTimes_no", db::Kind::Long, 0, false},
                {"szTotal", db::Kind::Currency, 0, false},
                {"szdate_da", db::Kind::DateTime, 0, false}};
    t.indexes = {{"szTimes_no"}, {"szTotal"}};
    return {std::string(kOrderTallyStore), {std::move(t)}, true};
}

}  // namespace pelk::reservations
