#include "shell/timecards.h"

#include <string>

namespace pelk::shell {

db::StoreDecl timeCardStore() {
    db::TableDecl t{std::string(kTimeCardTable), {}, {}};
    t.fields.push_back({"szID_no", db::Kind::Text, db::kDefaultTextSize, false});
    t.fields.push_back({"szName_na", db::Kind::Text, db::kDefaultTextSize, false});
    // Dates and times as such, so that the time sheets' periods compare as dates and the
    // clock-out reads an hour and a minute back; an open card has no clock-out (Null).
    t.fields.push_back({"szDate_da", db::Kind::DateTime, 0, false});
    t.fields.push_back({"szIn_ti", db::Kind::DateTime, 0, false});
    t.fields.push_back({"szDateO_da", db::Kind::DateTime, 0, false});
    t.fields.push_back({"szOut_ti", db::Kind::DateTime, 0, false});
    // Worked minutes, summed by the time sheets.
    t.fields.push_back({"szTHrs", db::Kind::Long, 0, false});
    // A period of every employee's cards, and one employee's.
    t.indexes = {{"szDate_da"}, {"szID_no", "szDate_da"}};
    return {std::string(kTimeCardStore), {std::move(t)}, true};
}

}  // namespace pelk::shell
