// Roadworks: the test for them, laying and lifting them, and where they may never appear.
#include <gtest/gtest.h>

#include "SimFixture.h"
#include "sim/Roadworks.h"

using namespace jamlog;

struct RoadworksTest : SimFixture {
    void SetUp() override {
        SimFixture::SetUp();
        buildLine(2); // three-lane roads 0-2, 4000 units each
    }
};

TEST_F(RoadworksTest, LaysTheLaneWithTheLimit) {
    RoadRecord& r = m->road(0);
    EXPECT_EQ(hasRoadworks(r), 0);
    ASSERT_TRUE(startRoadworks(r, 2, true));
    EXPECT_EQ(r.speedLimit, roadworksLimit);
    EXPECT_EQ(hasRoadworks(r), r.length);
    EXPECT_EQ(firstMarkedCell(r.lanes[0]), -1);
    EXPECT_EQ(firstMarkedCell(r.lanes[2]), 0);
}

TEST_F(RoadworksTest, LimitSwitchOffClosesTheLaneWithoutALimit) {
    RoadRecord& r = m->road(1);
    r.speedLimit = 700;
    ASSERT_TRUE(startRoadworks(r, 2, false));
    EXPECT_EQ(r.speedLimit, noSpeedLimit);
    EXPECT_EQ(hasRoadworks(r), r.length);
}

TEST_F(RoadworksTest, NinetyOnePercentCounts) {
    RoadRecord& r = m->road(0);     // 400 cells: 100 x marked / 401
    markRange(r.lanes[2], 0, 3650); // 365 cells: 91 %
    EXPECT_EQ(hasRoadworks(r), r.length);
    clearRange(r.lanes[2], 3640, 3650); // 364 cells: 90 %
    EXPECT_EQ(hasRoadworks(r), 0);
}

TEST_F(RoadworksTest, NeverInsideAJunctionOrOverHiddenCells) {
    RoadRecord& box = m->road(0);
    box.boxCode = 3;
    EXPECT_FALSE(startRoadworks(box, 2, true));
    EXPECT_EQ(firstMarkedCell(box.lanes[2]), -1);
    EXPECT_EQ(box.speedLimit, noSpeedLimit);
    RoadRecord& tunnel = m->road(1);
    setCells(tunnel.hiddenBits, 200, 210, true);
    EXPECT_FALSE(startRoadworks(tunnel, 2, true));
    EXPECT_EQ(hasRoadworks(tunnel), 0);
    // A hidden cell beyond the road's end does not count.
    RoadRecord& end = m->road(2);
    setCells(end.hiddenBits, 400, 410, true);
    EXPECT_TRUE(startRoadworks(end, 2, true));
}

TEST_F(RoadworksTest, LiftingKeepsTheCellsOfVehiclesInTheLane) {
    RoadRecord& r = m->road(0);
    place(5, 0, 2, 1200, 200);
    // Roadworks are laid only on an empty lane; mark the block by hand under the standing vehicles.
    EXPECT_FALSE(startRoadworks(r, 2, true));
    markRange(r.lanes[2], 0, r.length);
    endRoadworks(*m, 0);
    EXPECT_EQ(hasRoadworks(r), 0);
    EXPECT_EQ(firstMarkedCell(r.lanes[2]), 100);
    EXPECT_FALSE(cellsClear(r.lanes[2], 1000, 1200));
    EXPECT_TRUE(cellsClear(r.lanes[2], 1200, 4000));
    {
        RoadRecord& j = m->road(1);
        startRoadworks(j, 2, true);
        j.boxCode = 1;
        endRoadworks(*m, 1); // junction roads are left alone
        EXPECT_EQ(hasRoadworks(j), j.length);
    }
}

TEST_F(RoadworksTest, StartOfRunPicksOnlyMultiLaneRoadsOutsideJunctions) {
    b.straightRoad(3, 1301, 1701, 0, 3, 3, 3, -1); // single lane
    m->roadCount = 4;
    m->road(1).boxCode = 2;
    int laid = 0;
    for (uint32_t seed = 1; seed < 300; ++seed) {
        for (int n = 0; n < 4; ++n)
            endRoadworks(*m, n);
        Rng r(seed);
        startOfRunRoadworks(*m, r, true);
        ASSERT_EQ(hasRoadworks(m->road(1)), 0);
        ASSERT_EQ(firstMarkedCell(m->road(3).lanes[0]), -1);
        laid += hasRoadworks(m->road(0)) != 0;
    }
    EXPECT_GT(laid, 30); // three lanes: about 1 - (31000/32768) x (24001/32768)
    EXPECT_LT(laid, 150);
}

TEST_F(RoadworksTest, UpkeepReportsEveryChangedRoad) {
    int changes = 0, laid = 0;
    Rng r(31);
    for (int minute = 0; minute < 400; ++minute) {
        upkeepRoadworks(*m, r, true, [&](int road) {
            EXPECT_GE(road, 0);
            EXPECT_LT(road, 3);
            ++changes;
        });
        for (int n = 0; n < 3; ++n)
            laid += hasRoadworks(m->road(n)) != 0;
    }
    EXPECT_GT(changes, 0);
    EXPECT_GT(laid, 0);
}
