#pragma once

#include <optional>
#include <string>
#include <vector>

// Several stations on one folio: each station a process of its own on one shared root folder,
// driving the real screens headless, while the cases check afterwards that the folio kept every
// change. The test (tests/folio/stations_test.cpp) runs the cases with small counts, the bench
// (tests/bench/folio_stations.cpp) with large ones; both run the same code.
//
// A station is this same program started again with the station's role in its environment, so
// no store connection is ever carried across a fork: the program calls runAsStationIfAsked()
// before anything else and exits with what it returns.
namespace pelk::test::stations {

// What a case checked and counted, and every invariant that did not hold.
struct Report {
    std::string title;
    std::vector<std::string> facts;
    std::vector<std::string> faults;
    bool ok() const { return faults.empty(); }
    std::string text() const;
};

// When this process was started as a station: runs it and gives its exit code.
std::optional<int> runAsStationIfAsked();

// The arguments a station is started with after the program's name (a test program passes a test
// filter, so that its test runner reaches the point where it asks).
void setStationArguments(std::vector<std::string> arguments);

// What one station does to the folio, round after round, each round on a freshly opened room
// screen: a night posted (and the folio stored by "Print to Front" or "Chk In/ Update", turn
// about), cash taken into the received box and stored, or a card payment taken through the tender
// screen (every seventh declined by the processor).
enum class Work { Nights, Cash, Card };
const char* nameOf(Work w);

// Two stations, `rounds` rounds each, on one folio: every night stored is a line, the header's
// totals are those of its lines, the cash received and the card amount are the sums of what was
// taken and approved, and no clerk saw a message but a refusal that stored nothing (or a declined
// card).
Report twoStations(Work first, Work second, int rounds);

// One station removes a line and adds one at every save, so the folio always holds the same
// number of lines; the other recalls it `recalls` times and must see that number each time, each
// line once, and a subtotal that is the sum of what it saw.
Report recallDuringSaves(int recalls);

// One station stores a folio `rounds` times while the other checks `rounds` guests out, the
// stores named in opposite orders: with a busy timeout of two seconds no save or check-out is
// ever refused as locked.
Report saveAgainstCheckOut(int rounds);

// `kills` card payments, four ways in turn: a station writes the payment down and is killed after
// the processor approved it, after it declined it, or before asking; what the next start runs must
// put the approved one on its folio once and drop the others. Or the station is still waiting for
// the processor while another station starts: that start leaves the payment to its station, which
// posts it.
Report killBetweenApprovalAndRecord(int kills);

}  // namespace pelk::test::stations
