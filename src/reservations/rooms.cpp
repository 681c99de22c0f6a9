#include "reservations/rooms.h"

#include "platform/core/text.h"
#include "platform/db/quoting.h"

namespace pelk::reservations {

bool sameRoom(std::string_view a, std::string_view b) { return core::text::equalsNoCase(a, b); }

// The dialect compares text without regard to case.
std::string roomCriterion(std::string_view field, std::string_view room) {
    return "[" + std::string(field) + "] = " + db::quote(room);
}

bool staysCollide(const Stay& reservation, const core::Date& chosenArrival, const core::Date& chosenDeparture) {
    if (!reservation.arrival || !reservation.departure) return false;
    const core::Date& r1 = *reservation.arrival;
    const core::Date& r2 = *reservation.departure;
    const core::Date& c1 = chosenArrival;
    const core::Date& c2 = chosenDeparture;

    // The chosen arrival falls into the reservation.
    bool a = false;
    if (r1.year == c1.year && r1.month == c1.month) {
        if (r2.month == c1.month)
            a = r1.day <= c1.day && r2.day > c1.day;
        else if (r1.year == r2.year)
            a = r1.day <= c1.day && r2.month > c1.month;
        else
            a = r2.month < c1.month && (r1.day <= c1.day || r1.day <= c2.day);
    } else {
        a = r1.year == c1.year && r1.month < c1.month && r2.month == c1.month && r2.day > c1.day;
    }
    // The chosen departure falls into the reservation.
    bool b = false;
    if (r2.year == c2.year && r2.month == c2.month) {
        if (r1.year == r2.year && r1.month == r2.month)
            b = r1.day < c2.day && r2.day > c2.day;
        else
            b = r2.day >= c2.day || r2.day >= c1.day;
    } else {
        b = r2.year == c2.year && r2.month > c2.month && r1.day < c2.day;
    }
    // The reservation lies within the chosen stay.
    bool c = r1.year == c1.year && r1.month == c1.month && r2.year == c2.year && r2.month == c2.month &&
             r1.day >= c1.day && r2.day <= c2.day;
    // The tests above miss a reservation that spans the chosen stay across months.
    bool overlap = r1 < c2 && r2 > c1;
    return a || b || c || overlap;
}

}  // namespace pelk::reservations
