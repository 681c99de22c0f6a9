#include "reservations/lookups.h"

#include "platform/db/quoting.h"

namespace pelk::reservations {

namespace {

template <class Rows>
db::Result<bool> findPrefix(Rows& rows, std::string_view field, std::string_view typed) {
    if (db::Status st = rows.FindFirst(db::prefixCriterion(field, typed)); !st) return st.error();
    return !rows.noMatch();
}

// The first name goes into the criterion, so the engine skips the namesakes through its index
// instead of the screen reading each; the exact comparison stays here, as the criterion's `=`
// ignores case.
template <class Rows>
db::Result<bool> findName(Rows& rows, const std::string& lastNameCriterion, std::string_view firstName) {
    const std::string criterion = "(" + lastNameCriterion + ") AND [sFirst_nm] = " + db::quote(firstName);
    for (db::Status st = rows.FindFirst(criterion);; st = rows.FindNext(criterion)) {
        if (!st) return st.error();
        if (rows.noMatch()) return false;
        auto first = rows.field("sFirst_nm");
        if (!first) return first.error();
        // A row without a first name never equals, not even an empty typed one.
        if (!first->isNull() && first->toText() == firstName) return true;
    }
}

}  // namespace

db::Result<bool> findByPhone(ui::DataRecordset& rows, std::string_view phone) {
    return findPrefix(rows, "sPhone_no", phone);
}
db::Result<bool> findByPhone(db::Recordset& rows, std::string_view phone) {
    return findPrefix(rows, "sPhone_no", phone);
}
db::Result<bool> findByStreet(ui::DataRecordset& rows, std::string_view street) {
    return findPrefix(rows, "szStreet_ad", street);
}
db::Result<bool> findByStreet(db::Recordset& rows, std::string_view street) {
    return findPrefix(rows, "szStreet_ad", street);
}
db::Result<bool> findByCard(ui::DataRecordset& rows, std::string_view card) {
    return findPrefix(rows, "szCard_nu", card);
}
db::Result<bool> findByCard(db::Recordset& rows, std::string_view card) { return findPrefix(rows, "szCard_nu", card); }
db::Result<bool> findByName(ui::DataRecordset& rows, std::string_view lastName, std::string_view firstName) {
    return findName(rows, db::prefixCriterion("sLast_na", lastName), firstName);
}
db::Result<bool> findByName(db::Recordset& rows, std::string_view lastName, std::string_view firstName) {
    return findName(rows, db::prefixCriterion("sLast_na", lastName), firstName);
}
db::Result<bool> findByWholeName(ui::DataRecordset& rows, std::string_view lastName, std::string_view firstName) {
    return findName(rows, "[sLast_na] LIKE '" + db::likeLiteral(lastName) + "'", firstName);
}

}  // namespace pelk::reservations
