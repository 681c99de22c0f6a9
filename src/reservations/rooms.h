#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/datetime.h"

// How the program tells rooms and stays apart. A room is matched whole, letters without regard to
// case, everywhere a screen looks one up: by prefix, room 10 would take room 105's stay.
namespace pelk::reservations {

bool sameRoom(std::string_view a, std::string_view b);
// The criterion that finds the rows whose `field` holds that room by the same rule.
std::string roomCriterion(std::string_view field, std::string_view room);
// The same for any of several rooms (at least one).
std::string roomsCriterion(std::string_view field, const std::vector<std::string>& rooms);

// A stay as a row holds it; a date without a value is absent.
struct Stay {
    std::optional<core::Date> arrival;
    std::optional<core::Date> departure;
};

// Whether a reservation's stay collides with the stay being booked: by the day-and-month tests of
// the room map (the arrival, the departure, a stay within), or because the two stays overlap at
// all. A stay without both dates collides with nothing.
bool staysCollide(const Stay& reservation, const core::Date& chosenArrival, const core::Date& chosenDeparture);

// Criteria that narrow the stored stays (their dates in `arrivalField` and `departureField`) to
// those staysCollide can take against a chosen stay, for it to decide among: a stay it can take
// meets one of them. They take the stays that overlap the chosen one, and the few others its
// day-and-month tests take.
std::vector<std::string> collidingStaysCriteria(std::string_view arrivalField, std::string_view departureField,
                                                const core::Date& chosenArrival, const core::Date& chosenDeparture);

}  // namespace pelk::reservations
