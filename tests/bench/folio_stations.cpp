// Two stations on one folio at length: the cases of tests/folio/stations_test.cpp with large
// counts. Run by hand (build/tests/folio_stations), never by CTest; it prints what each case
// checked and counted as it ends, and ends non-zero when an invariant did not hold.

#include <cstdio>
#include <functional>

#include "folio/stations.h"

int main() {
    using namespace pelk::test::stations;
    if (auto code = runAsStationIfAsked()) return *code;
    const std::function<Report()> cases[] = {
        [] { return twoStations(Work::Nights, Work::Nights, 500); },
        [] { return twoStations(Work::Nights, Work::Cash, 500); },
        [] { return twoStations(Work::Cash, Work::Cash, 500); },
        [] { return twoStations(Work::Card, Work::Nights, 500); },
        [] { return twoStations(Work::Card, Work::Card, 500); },
        [] { return recallDuringSaves(10000); },
        [] { return saveAgainstCheckOut(200); },
        [] { return killBetweenApprovalAndRecord(100); },
    };
    bool held = true;
    for (const auto& run : cases) {
        Report r = run();
        std::fputs(r.text().c_str(), stdout);
        std::fflush(stdout);
        held = held && r.ok();
    }
    return held ? 0 : 1;
}
