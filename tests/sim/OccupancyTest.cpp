// Cell operations on one lane: clear tests, advancing against marked cells, percentages, choices.
#include <gtest/gtest.h>

#include "SimFixture.h"

using namespace jamlog;

namespace {

struct OccupancyTest : ::testing::Test {
    LaneStrip lane{};
    void SetUp() override { lane.laneLength = 4000; }
};

TEST_F(OccupancyTest, ClearTestSpansWholeCellsWithTruncation) {
    markRange(lane, 500, 510); // cell 50 only
    EXPECT_TRUE(cellSet(lane.occupancy, 50));
    EXPECT_FALSE(cellSet(lane.occupancy, 49));
    EXPECT_FALSE(cellSet(lane.occupancy, 51));
    // back = -span/2 tests [from, limit + span).
    EXPECT_TRUE(laneIsClear(lane, -50, 100, 300, 400));  // [300, 500): up to cell 49
    EXPECT_FALSE(laneIsClear(lane, -50, 100, 300, 410)); // [300, 510) reaches cell 50
    // Adjacent test from half a gap behind the rear: [(600 - 50 - 200)/10, ...) = from cell 35.
    EXPECT_FALSE(laneIsClear(lane, 200, 100, 600, 700));
    EXPECT_TRUE(laneIsClear(lane, 200, 100, 770, 800)); // starts at cell 51
    // Negative cells are skipped rather than wrapping.
    EXPECT_TRUE(laneIsClear(lane, 500, 100, 0, 100));
}

TEST_F(OccupancyTest, AdvanceStopsGapShortOfFirstMarkedCell) {
    markRange(lane, 1000, 1200); // a vehicle whose rear is at 1000
    const int pos = occupyAdvance(lane, 200, 100, 500, 1500);
    EXPECT_EQ(pos, 900); // 10 x 100 - gap
    EXPECT_TRUE(cellSet(lane.occupancy, 70));
    EXPECT_TRUE(cellSet(lane.occupancy, 89));
    EXPECT_FALSE(cellSet(lane.occupancy, 90));
    EXPECT_FALSE(cellSet(lane.occupancy, 69));
}

TEST_F(OccupancyTest, AdvanceNeverMovesBackwardsOrBeyondTheLane) {
    markRange(lane, 520, 700);
    EXPECT_EQ(occupyAdvance(lane, 100, 100, 500, 800), 500); // blocked within the gap: stays
    LaneStrip free{};
    free.laneLength = 4000;
    EXPECT_EQ(occupyAdvance(free, 100, 50, 3950, 4100), 4000); // clamped to the lane's end
    EXPECT_EQ(occupyAdvance(free, 100, 50, -30, -10), 0);
}

TEST_F(OccupancyTest, VacateClearsExactlyTheBody) {
    markRange(lane, 0, 4000);
    vacate(lane, 200, 1205);
    EXPECT_TRUE(cellSet(lane.occupancy, 99));
    EXPECT_FALSE(cellSet(lane.occupancy, 100));
    EXPECT_FALSE(cellSet(lane.occupancy, 119));
    EXPECT_TRUE(cellSet(lane.occupancy, 120));
}

TEST_F(OccupancyTest, PercentCountsTheExtraFreeCell) {
    markRange(lane, 0, 490); // 49 of the 100 cells 0..99
    EXPECT_EQ(lanePercentOccupied(lane, 0, 1000), 100 * 49 / 101);
    markRange(lane, 0, 1000);
    EXPECT_EQ(lanePercentOccupied(lane, 0, 1000), 99); // never 100
    EXPECT_EQ(lanePercentOccupied(lane, 500, 500), 0);
}

TEST_F(OccupancyTest, FirstMarkedCellCrossesWords) {
    EXPECT_EQ(firstMarkedCell(lane), -1);
    markRange(lane, 7990, 8000);
    EXPECT_EQ(firstMarkedCell(lane), 799);
    markRange(lane, 330, 340);
    EXPECT_EQ(firstMarkedCell(lane, 34), 799);
    EXPECT_EQ(firstMarkedCell(lane, 33), 33);
}

using ChoiceTest = SimFixture;

TEST_F(ChoiceTest, SuccessorWeightsFollowTheThresholds) {
    b.straightRoad(0, 101, 501, 0, 7, 8, 9, -1);
    int counts[3] = {};
    Rng probe(777);
    for (int i = 0; i < 3000; ++i) {
        const int expected = [&] {
            Rng copy = probe;
            int r = copy.next();
            return r < 7000 ? 9 : r < 19000 ? 8 : 7;
        }();
        const int got = chooseSuccessor(m->road(0), probe);
        ASSERT_EQ(got, expected);
        ++counts[got - 7];
    }
    EXPECT_GT(counts[0], counts[1]); // first 42 %, second 37 %, third 21 %
    EXPECT_GT(counts[1], counts[2]);
}

TEST_F(ChoiceTest, LaneChoicePrefersTheNearsideAndAvoidsBlockedLanes) {
    b.straightRoad(0, 101, 501, 2, 0, 0, 0, -1);
    // In lane 1 with the nearside lane free: move down.
    EXPECT_EQ(chooseLane(m->road(0), 1, 200, 100, 1000, 1050, 2, 0), 0);
    // Nearside lane occupied beside the vehicle: stay while the own lane is clear.
    markRange(lane(0, 0), 850, 1000);
    EXPECT_EQ(chooseLane(m->road(0), 1, 200, 100, 1000, 1050, 2, 0), 1);
    // Own lane blocked ahead too: overtake in lane 2.
    markRange(lane(0, 1), 1100, 1300);
    EXPECT_EQ(chooseLane(m->road(0), 1, 200, 100, 1000, 1050, 2, 0), 2);
    // Not above maxLane, and nothing when every lane is blocked.
    EXPECT_EQ(chooseLane(m->road(0), 1, 200, 100, 1000, 1050, 1, 0), -1);
    // minLane keeps the vehicle out of lanes below it.
    EXPECT_EQ(chooseLane(m->road(0), 1, 200, 100, 500, 550, 2, 1), 1);
}

TEST_F(ChoiceTest, RoadIsEmptyOnlyCountsJunctionRoads) {
    b.straightRoad(0, 101, 501, 1, 0, 0, 0, -1);
    markRange(lane(0, 1), 100, 300);
    EXPECT_TRUE(roadIsEmpty(m->road(0))); // no junction-box code
    m->road(0).boxCode = 2;
    EXPECT_FALSE(roadIsEmpty(m->road(0)));
    vacate(lane(0, 1), 200, 300);
    EXPECT_TRUE(roadIsEmpty(m->road(0)));
}

} // namespace
