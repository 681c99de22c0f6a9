#include "reservations/rooms.h"

#include "platform/core/text.h"
#include "platform/db/quoting.h"

namespace pelk::reservations {

bool sameRoom(std::string_view a, std::string_view b) { return core::text::equalsNoCase(a, b); }

// The dialect compares text without regard to case.
std::string roomCriterion(std::string_view field, std::string_view room) {
    return "[" + std::string(field) + "] = " + db::quote(room);
}

std::string roomsCriterion(std::string_view field, const std::vector<std::string>& rooms) {
    std::string list;
    for (const std::string& room : rooms) list += (list.empty() ? "" : ", ") + db::quote(room);
    return "[" + std::string(field) + "] IN (" + list + ")";
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

// A date field may hold a time of day too, so every bound is the first moment of a day. A stay
// staysCollide takes either overlaps the chosen one, ends included, or the day-and-month tests
// took it for what it is not: one that arrives in a month after the chosen departure's and leaves
// later in that year (its arrival day read against the departure day), or one stored leaving
// before it arrives, arriving in the chosen arrival's year up to the end of its month. Chosen
// dates the wrong way round leave the tests less to go by: every stay arriving in that part of
// the year, or leaving in the departure's month or later in its year, is handed over. Each
// alternative bounds one date field, so an index on it serves it.
std::vector<std::string> collidingStaysCriteria(std::string_view arrivalField, std::string_view departureField,
                                                const core::Date& chosenArrival, const core::Date& chosenDeparture) {
    const std::string in = "[" + std::string(arrivalField) + "]", out = "[" + std::string(departureField) + "]";
    auto at = [](const std::string& field, const char* op, const core::Date& day) {
        return field + " " + op + " " + db::dateLiteral(day);
    };
    auto monthAfter = [](const core::Date& d) {
        return d.month == 12 ? core::Date{d.year + 1, 1, 1} : core::Date{d.year, d.month + 1, 1};
    };
    const core::Date& c1 = chosenArrival;
    const core::Date& c2 = chosenDeparture;
    std::string arrivingThisYear = at(in, ">=", core::Date{c1.year, 1, 1}) + " AND " + at(in, "<", monthAfter(c1));
    std::string leavingThisYear =
        at(out, ">=", core::Date{c2.year, c2.month, 1}) + " AND " + at(out, "<", core::Date{c2.year + 1, 1, 1});
    std::string overlapping = at(out, ">=", c1) + " AND " + at(in, "<", core::addDays(c2, 1));
    if (c2 < c1) return {overlapping, arrivingThisYear, leavingThisYear};
    return {overlapping, arrivingThisYear + " AND " + out + " < " + in,
            leavingThisYear + " AND " + at(in, ">=", monthAfter(c2))};
}

}  // namespace pelk::reservations
