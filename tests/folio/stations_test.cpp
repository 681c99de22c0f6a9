// Two stations, each a process of its own on one shared root, working one folio at once through
// the room and tender screens: every night, cash and card payment kept exactly once, totals that
// follow the stored lines, recalls that see whole saves, no lock waited out, and a card approved
// before a station died put on its folio at the next start. The bench folio_stations runs the
// same cases with large counts.

#include "stations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

namespace pelk::test::stations {
namespace {

// A station is this test program started again: it runs its part before any test and ends.
class StationMode : public ::testing::Environment {
public:
    void SetUp() override {
        if (auto code = runAsStationIfAsked()) std::_Exit(*code);
    }
};

[[maybe_unused]] ::testing::Environment* const kStationMode = ::testing::AddGlobalTestEnvironment(new StationMode);

class FolioStations : public ::testing::Test {
protected:
    FolioStations() {
        // The station's test runner needs one test to run before it reaches the station.
        const ::testing::TestInfo* self = ::testing::UnitTest::GetInstance()->current_test_info();
        setStationArguments({std::string("--gtest_filter=") + self->test_suite_name() + "." + self->name()});
    }
};

struct Pair {
    const char* name;
    Work first, second;
};

void PrintTo(const Pair& p, std::ostream* out) { *out << p.name; }

class TwoStations : public FolioStations, public ::testing::WithParamInterface<Pair> {};

TEST_P(TwoStations, KeepEveryChangeOfBoth) {
    Report r = twoStations(GetParam().first, GetParam().second, 30);
    EXPECT_TRUE(r.ok()) << r.text();
}

INSTANTIATE_TEST_SUITE_P(OnOneFolio, TwoStations,
                         ::testing::Values(Pair{"NightsAgainstNights", Work::Nights, Work::Nights},
                                           Pair{"NightsAgainstCash", Work::Nights, Work::Cash},
                                           Pair{"CashAgainstCash", Work::Cash, Work::Cash},
                                           Pair{"CardAgainstNights", Work::Card, Work::Nights},
                                           Pair{"CardAgainstCard", Work::Card, Work::Card}),
                         [](const ::testing::TestParamInfo<Pair>& p) { return std::string(p.param.name); });

TEST_F(FolioStations, EveryRecallSeesAWholeSave) {
    Report r = recallDuringSaves(500);
    EXPECT_TRUE(r.ok()) << r.text();
}

TEST_F(FolioStations, SavesAndCheckOutsNeverWaitOutTheLocks) {
    Report r = saveAgainstCheckOut(15);
    EXPECT_TRUE(r.ok()) << r.text();
}

TEST_F(FolioStations, AnApprovedCardReachesItsFolioOnceWhetherItsStationDiesOrGoesOn) {
    Report r = killBetweenApprovalAndRecord(12);
    EXPECT_TRUE(r.ok()) << r.text();
}

}  // namespace
}  // namespace pelk::test::stations
