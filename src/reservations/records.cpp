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

db::StoreDecl storeOf(std::string_view file, std::string_view table, std::vector<db::FieldDecl> fields) {
    return {std::string(file), {db::TableDecl{std::string(table), std::move(fields), {}}}, false};
}

}  // namespace

db::StoreDecl reservationStore() { return storeOf(kReservationStore, kReservationTable, fieldsOf(kReservationFields)); }

db::StoreDecl checkedOutStore() {
    std::vector<db::FieldDecl> fields = fieldsOf(kReservationFields);
    fields.push_back({std::string(kFolioNumberField), db::Kind::Text, db::kDefaultTextSize, false});
    return storeOf(kCheckedOutStore, kReservationTable, std::move(fields));
}

db::StoreDecl customerStore() { return storeOf(kCustomerStore, kCustomerTable, fieldsOf(kCustomerFields)); }

db::StoreDecl customerListStore() { return storeOf(kCustomerListStore, kCustomerTable, fieldsOf(kCustomerFields)); }

}  // namespace pelk::reservations
