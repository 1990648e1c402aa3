// Roadworks under traffic: they are laid only on an empty lane, so no vehicle is ever caught inside the block and
// lifting them never clears cells that the layout marks on purpose.
#include <gtest/gtest.h>

#include "SimFixture.h"
#include "sim/Roadworks.h"

using namespace jamlog;

namespace {

struct RoadworksUnderTrafficTest : SimFixture {
    void SetUp() override {
        SimFixture::SetUp();
        buildLine(2); // three-lane roads 0-2, 4000 units each
    }
};

TEST_F(RoadworksUnderTrafficTest, NotLaidOverAVehicleOrItsOverhangUntilTheLaneIsEmpty) {
    RoadRecord& r = m->road(0);
    place(5, 0, 2, 1200, 200);
    EXPECT_FALSE(startRoadworks(r, 2, true));
    EXPECT_EQ(countCells(r.lanes[2].occupancy, 0, cellBits - 1), 20); // only the vehicle's cells
    EXPECT_EQ(r.speedLimit, noSpeedLimit);
    vacate(r.lanes[2], 200, 1200);
    // The tail of a vehicle that has just passed on to the next road still lies at the end of this lane.
    markRange(r.lanes[2], 3900, 4000);
    EXPECT_FALSE(startRoadworks(r, 2, true));
    clearRange(r.lanes[2], 3900, 4000);
    EXPECT_TRUE(startRoadworks(r, 2, true));
    EXPECT_EQ(hasRoadworks(r), r.length);
}

TEST_F(RoadworksUnderTrafficTest, LayoutCellsSurviveTheUpkeep) {
    RoadRecord& r = m->road(1);
    markRange(r.lanes[2], 2000, 4000); // a lane the layout closes halfway along
    Rng pick(7);
    int changes = 0;
    for (int minute = 0; minute < 300; ++minute)
        upkeepRoadworks(*m, pick, true, [&](int) { ++changes; });
    EXPECT_GT(changes, 0);
    EXPECT_EQ(firstMarkedCell(r.lanes[2]), 200);
    EXPECT_EQ(countCells(r.lanes[2].occupancy, 0, cellBits - 1), 200);
}

TEST_F(RoadworksUnderTrafficTest, TrafficNeverPunchesHolesInTheBlock) {
    // Roadworks are tried on every road again and again while traffic uses all three lanes, and lifted now and then;
    // whenever a road has them, its whole offside lane is marked. A vehicle caught under the block would leave a
    // hole behind when it moves over to the next lane.
    Rng init(3);
    giveRoadVehicles(init, 60);
    place(60, 0, 2, 1500, 200, 900, 3).speed = 30; // in the offside lane, holding it for 65 steps
    veh(60).laneTicks = 0;
    Rng pick(11);
    for (int tick = 0; tick < 2000; ++tick) {
        for (int n = 0; n <= 60; ++n)
            step(n);
        for (int road = 0; road < 3; ++road) {
            RoadRecord& r = m->road(road);
            if (tick % 20 == 0) {
                if (!hasRoadworks(r))
                    startRoadworks(r, 2, true);
                else if (pick.next() > 30000)
                    endRoadworks(*m, road);
            }
            if (hasRoadworks(r)) {
                ASSERT_EQ(countCells(r.lanes[2].occupancy, 0, 399), 400) << "tick " << tick << " road " << road;
            }
        }
    }
}

} // namespace
