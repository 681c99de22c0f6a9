#include "shell/stores.h"

#include <string>

namespace pelk::shell {

db::StoreDecl employeeStore() {
    db::TableDecl t{std::string(kEmployeeTable), {}, {}};
    // Every field but the rights is text as typed: the editors apply no format or check to
    // dates, rates or numbers, and a code of fewer than four characters is kept as it stands.
    for (const char* name :
         {"szID_no", "sFirst_nm", "szLevel_nu", "szType_tx", "szRoom_nm", "szRate", "szStreet_ad", "szCity_nm",
          "sState_cd", "sZip_cd", "sPhone_no", "sSS_no", "szHired_da", "szTerm_da", "sBrith_da", "szPics"})
        t.fields.push_back({name, db::Kind::Text, db::kDefaultTextSize, false});
    // The rights are what a check box shows: 0 clear, 1 ticked.
    for (int k = 1; k <= kEmployeeRights; ++k) t.fields.push_back({std::to_string(k), db::Kind::Long, 0, false});
    // The hours of the time sheet screen's boxes; nothing reads or writes them yet.
    for (const char* name : {"szTfrom", "szTto"})
        t.fields.push_back({name, db::Kind::Text, db::kDefaultTextSize, false});
    t.indexes = {{"szID_no"}};
    return {std::string(kEmployeeStore), {std::move(t)}, false};
}

db::StoreDecl openFolioStore() {
    db::TableDecl t{std::string(kOpenFolioTable), {}, {}};
    for (const char* name : {"sz_Table", "sz_Chk", "sz_waiter", "sz_Name"})
        t.fields.push_back({name, db::Kind::Text, db::kDefaultTextSize, false});
    return {std::string(kOpenFolioStore), {std::move(t)}, false};
}

}  // namespace pelk::shell
