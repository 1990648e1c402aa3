// The road-vehicle step on hand-built roads: entering, following, lane changes, limits, signals, leaving,
// straddling a road end, lamps, breakdowns and body colours.
#include <gtest/gtest.h>

#include <set>

#include "SimFixture.h"
#include "sim/BodyColours.h"
#include "sim/Breakdowns.h"
#include "sim/LightGroups.h"

using namespace jamlog;

namespace {

struct RoadVehicleStepTest : SimFixture {
    void SetUp() override {
        SimFixture::SetUp();
        buildLine();
    }
    VehicleDrawRecord& rec(int n) { return (*draw)[static_cast<size_t>(n)]; }
    int nextRoadLaneCells() { return countCells(lane(1, 0).occupancy, 0, cellBits - 1); }
};

TEST_F(RoadVehicleStepTest, EntryWaitsForPermissionAndAClearEntryRoad) {
    resetVehicle(veh(0));
    veh(0).length = 200;
    veh(0).topSpeed = 1000;
    args.entryAllowed = false;
    EXPECT_EQ(step(0), resultOutside);
    EXPECT_FALSE(vehicleInside(veh(0)));
    args.entryAllowed = true;
    markRange(lane(0, 0), 900, 990); // within the first 1000 units of the entry road's lane 0
    EXPECT_EQ(step(0), resultOutside);
    EXPECT_FALSE(vehicleInside(veh(0)));
    clearRange(lane(0, 0), 0, 1000);
    markRange(lane(0, 0), 1000, 1100); // just beyond: no obstacle
    EXPECT_EQ(step(0), resultOutside); // the entering step itself is not drawn
    EXPECT_TRUE(vehicleInside(veh(0)));
    EXPECT_EQ(veh(0).road, 0); // the successor of boundary road 2
    EXPECT_EQ(veh(0).nextRoad, 1);
    EXPECT_EQ(veh(0).roadAfterNext, 2);
    EXPECT_EQ(veh(0).pos, 200); // its whole body on the entry road, its cells marked
    EXPECT_EQ(veh(0).lane, 0);
    EXPECT_EQ(countCells(lane(0, 0).occupancy, 0, 99), 20);
}

TEST_F(RoadVehicleStepTest, VehiclesEnteringInOneTickNeverPileUpAtTheStart) {
    // Road 0 is the only way in: everyone waiting draws it in the same tick.
    for (int n = 0; n < 6; ++n) {
        resetVehicle(veh(n));
        veh(n).length = n % 2 ? 300 : 150;
        veh(n).topSpeed = 800 + 50 * n;
        veh(n).headway = veh(n).length / 2;
    }
    auto inside = [&] {
        int k = 0;
        for (int n = 0; n < 6; ++n)
            k += vehicleInside(veh(n));
        return k;
    };
    for (int n = 0; n < 6; ++n)
        step(n);
    EXPECT_EQ(inside(), 1);
    // Over the following ticks they come in one by one, their bodies never overlapping.
    int most = 0;
    for (int tick = 0; tick < 300; ++tick) {
        for (int n = 0; n < 6; ++n)
            step(n);
        most = std::max(most, inside());
        for (int a = 0; a < 6; ++a)
            for (int b2 = a + 1; b2 < 6; ++b2) {
                const VehicleRecord &p = veh(a), &q = veh(b2);
                if (!vehicleInside(p) || !vehicleInside(q) || p.road != q.road || p.lane != q.lane)
                    continue;
                ASSERT_TRUE(p.pos <= q.pos - q.length || q.pos <= p.pos - p.length)
                    << "tick " << tick << ": vehicles " << a << " and " << b2 << " overlap at " << p.pos << ", "
                    << q.pos;
            }
    }
    EXPECT_EQ(most, 6);
}

TEST_F(RoadVehicleStepTest, CarParkUserEntersAgainLookingForACarPark) {
    place(0, 2, 0, 3990).speed = 40;
    veh(0).state = 4; // a car-park user that has parked
    step(0);
    EXPECT_EQ(veh(0).state, 5);
    step(0);
    EXPECT_EQ(veh(0).state, 6);
}

TEST_F(RoadVehicleStepTest, FollowerStopsAGapShortAndNeverPassesAMarkedCell) {
    b.straightRoad(0, 101, 501, 0, 1, 1, 1, -1); // one lane
    place(1, 0, 0, 2000, 200, 0);                // broken down, rear at 1800
    place(0, 0, 0, 1000).speed = 40;
    int last = 1000;
    for (int i = 0; i < 200; ++i) {
        step(1);
        step(0);
        ASSERT_GE(veh(0).pos, last);
        ASSERT_LE(veh(0).pos, 1609);
        last = veh(0).pos;
    }
    // The scan stops below cell (front + gap) / 10: the front creeps on until front + gap reaches the cell of the
    // rear ahead (1800), so it rests at 1609, never closer.
    EXPECT_EQ(veh(0).pos, 1609);
    EXPECT_EQ(veh(0).speed, 0);
    EXPECT_EQ(veh(1).pos, 2000);
    EXPECT_EQ(rec(1).lampFlags & 12, 12); // hazards
    EXPECT_TRUE(rec(0).lampFlags & lampBrake);
}

TEST_F(RoadVehicleStepTest, TrafficChangesLaneRoundABrokenDownVehicle) {
    place(1, 0, 0, 2000, 200, 0);
    place(0, 0, 0, 1000).speed = 40;
    bool overtook = false;
    for (int i = 0; i < 300 && !overtook; ++i) {
        step(1);
        step(0);
        overtook = veh(0).road != 0 || veh(0).pos > 2000;
    }
    EXPECT_TRUE(overtook);
    EXPECT_EQ(veh(1).pos, 2000);
    EXPECT_EQ(veh(1).lane, 0);
}

TEST_F(RoadVehicleStepTest, LaneChangeIsSignalledAtOnceButHeldForTheDriversTicks) {
    place(0, 0, 1, 1000, 200, 1120, 1).laneTicks = 0; // driver 1: 15 + 20 steps in the lane
    for (int i = 1; i <= 35; ++i) {
        step(0);
        ASSERT_EQ(veh(0).lane, 1) << "step " << i;
        ASSERT_EQ(rec(0).lampFlags & 12, lampLeftIndicator) << "step " << i; // a move down keeps left: left lamp
    }
    step(0);
    EXPECT_EQ(veh(0).lane, 0);
    EXPECT_EQ(veh(0).laneTicks, 0);
}

// A vehicle at the end of its road, held back by a queue on the next road, makes way for a slip road only into a
// lane that is free beside the whole of its body: its target then lies behind its front.
TEST_F(RoadVehicleStepTest, CourtesyMoveNeverLandsOnAVehicleBesideTheFront) {
    b.straightRoad(3, 100, 500, 0, 1, 1, 1, -1); // the slip road, its last 1000 units in use
    m->roadCount = 4;
    markRange(lane(3, 0), 3500, 3700);
    m->road(0).control = 1003;
    place(2, 1, 0, 100);         // the queue at the start of the next road
    place(1, 0, 1, 4000, 80, 0); // standing beside the front of vehicle 0
    place(0, 0, 0, 3990).speed = 0;
    step(0);
    const VehicleRecord& v = veh(0);
    EXPECT_FALSE(v.lane == 1 && v.pos > 4000 - 80) << "moved onto vehicle 1 at " << v.pos;
}

TEST_F(RoadVehicleStepTest, SpeedLimitsBindOnlyCarefulDriversWithTheSwitchOn) {
    m->road(0).speedLimit = 250; // 10 units per step at step factor 25
    struct Case {
        int driver;
        bool esl;
        int advance;
    };
    for (const Case& c :
         {Case{2, true, 10}, Case{3, true, 10}, Case{1, true, 42}, Case{0, true, 44}, Case{2, false, 41}}) {
        clearRange(lane(0, 0), 0, 4000);
        place(0, 0, 0, 1000, 200, 1120, c.driver).speed = 40;
        args.speedLimits = c.esl;
        step(0);
        EXPECT_EQ(veh(0).pos - 1000, c.advance) << "driver " << c.driver << " esl " << c.esl;
    }
}

TEST_F(RoadVehicleStepTest, RedStopsAtTheEndButAPushyDriverGoes) {
    m->road(0).signalState = signalRed;
    place(0, 0, 0, 3990).speed = 40;
    for (int i = 0; i < 20; ++i)
        step(0);
    EXPECT_EQ(veh(0).road, 0);
    EXPECT_EQ(veh(0).pos, 4000);
    veh(0).driver = 0;
    step(0);
    EXPECT_EQ(veh(0).road, 1);
}

TEST_F(RoadVehicleStepTest, TurningOnRedOnlyForTheNearsideTurn) {
    // Road 9 is movement 2 (the nearside turn) of arm 0 of a junction group based on road 0.
    b.straightRoad(9, 501, 901, 0, 2, 2, 2, -1);
    m->road(9).boxCode = 1;
    m->road(9).control = 0;
    b.straightRoad(0, 101, 501, 0, 9, 9, 9, -1);
    m->road(0).signalState = signalRed;
    for (int onRed : {0, 1}) {
        m->turnOnRed = onRed;
        clearRange(lane(0, 0), 0, 4000);
        clearRange(lane(9, 0), 0, 4000);
        place(0, 0, 0, 3990).speed = 40;
        step(0);
        EXPECT_EQ(veh(0).road, onRed ? 9 : 0);
    }
}

TEST_F(RoadVehicleStepTest, PassingOnLeavesTheTailMarkedOnTheOldRoad) {
    place(0, 0, 0, 3990).speed = 40;
    step(0);
    ASSERT_EQ(veh(0).road, 1);
    EXPECT_EQ(veh(0).pos, 31);
    EXPECT_EQ(veh(0).speed, 41); // 31 on the new road and 10 on the old
    EXPECT_EQ(veh(0).tailRoad, 0);
    EXPECT_EQ(veh(0).tailOverhang, 31 - 200);
    EXPECT_EQ(firstMarkedCell(lane(0, 0)), (4000 - 169) / 10);
    EXPECT_TRUE(cellSet(lane(0, 0).occupancy, 399));
    EXPECT_EQ(nextRoadLaneCells(), 3); // cells 0, 1, 2 under the front part
    while (veh(0).pos <= 200)
        step(0);
    EXPECT_EQ(veh(0).tailOverhang, 0);
    EXPECT_EQ(firstMarkedCell(lane(0, 0)), -1);
}

TEST_F(RoadVehicleStepTest, RingEndsShortOfTheSegmentYetABrokenDownVehicleStaysPut) {
    buildLine(0);         // single-lane roads
    m->road(0).kind = 1;  // a ring segment: its exit point lies a lane width before its end, at 3870
    place(0, 0, 0, 3950); // crept past the exit point while the exit road was blocked
    veh(0).topSpeed = 0;  // and broke down there
    for (int i = 0; i < 3; ++i) {
        step(0);
        EXPECT_EQ(veh(0).road, 0);
        EXPECT_EQ(veh(0).pos, 3950);
        EXPECT_EQ(rec(0).lampFlags & 12, 12);
    }
    veh(0).topSpeed = 1000; // repaired: it goes on at once
    step(0);
    EXPECT_EQ(veh(0).road, 1);
}

TEST_F(RoadVehicleStepTest, EnteringAShortRingSegmentStopsAtItsEnd) {
    buildLine(0);
    // A ring segment of 120 units, shorter than a lane width plus the overshoot.
    const int x = m->road(0).endX(), y = m->road(0).endY();
    b.straightRaw(1, x, y, x + 120, y, 0, 2, 0, 0, 0, -1);
    m->road(1).next[0] = m->road(1).next[1] = m->road(1).next[2] = 2;
    m->road(1).kind = 1;
    ASSERT_EQ(lane(1, 0).laneLength, 120);
    place(0, 0, 0, 3990).speed = 40;
    for (int i = 0; i < 5 && veh(0).road == 0; ++i)
        step(0);
    ASSERT_EQ(veh(0).road, 1);
    EXPECT_EQ(veh(0).pos, lane(1, 0).laneLength);
    EXPECT_EQ(veh(0).tailOverhang, lane(1, 0).laneLength - 200);
}

TEST_F(RoadVehicleStepTest, LeavesOnlyAtTheEndOfABoundaryRoad) {
    place(0, 1, 0, 3990).speed = 40;
    step(0);
    EXPECT_TRUE(vehicleInside(veh(0))); // road 1 is not a boundary road
    place(1, 2, 0, 3990).speed = 40;
    EXPECT_EQ(step(1), resultOutside);
    EXPECT_FALSE(vehicleInside(veh(1)));
    EXPECT_EQ(veh(1).state, 1);
    EXPECT_TRUE(cellsClear(lane(2, 0), 3500, 4000)); // its body is cleared
}

TEST_F(RoadVehicleStepTest, CameraFlashesSpeedersAsTheirRearPasses) {
    m->road(0).kind = 8; // camera at (3 - 0) x 200 = 600
    m->road(0).speedLimit = 500;
    place(0, 0, 0, 700, 200, 1120, 1).speed = 40; // ignores limits: advances 42, rear at 542
    step(0);
    EXPECT_TRUE(rec(0).lampFlags & lampCameraFlash);
    place(1, 0, 1, 700, 200, 1120, 2).speed = 40; // keeps to 20 per step: 20 x 25 is not above 500
    step(1);
    EXPECT_FALSE(rec(1).lampFlags & lampCameraFlash);
}

TEST_F(RoadVehicleStepTest, GeometryFollowsTheLaneSide) {
    markRange(lane(0, 0), 0, 4000); // keeps the vehicle in lane 1
    place(0, 0, 1, 1000).speed = 40;
    step(0);
    ASSERT_EQ(veh(0).lane, 1);
    EXPECT_EQ(rec(0).frontX, 1000 + veh(0).pos);
    EXPECT_EQ(rec(0).rearX, rec(0).frontX - 200);
    EXPECT_EQ(rec(0).frontY, 1000 + 130); // keep left: lane 1 lies to the right of travel
    EXPECT_EQ(rec(0).axisX, 130);
    m->driveOnLeft = 0;
    step(0);
    EXPECT_EQ(rec(0).frontY, 1000 - 130); // keep right: to the left
}

TEST(BreakdownsTest, BreakdownLastsTheRingAndNeverReachesCarriages) {
    auto model = std::make_unique<NetworkModel>();
    clearModel(*model);
    for (int n = 0; n < vehicleCapacity; ++n)
        model->vehicles[static_cast<size_t>(n)].topSpeed = 1000 + n;
    Rng rng(99);
    BreakdownRing ring = makeBreakdownRing(2);
    stepBreakdowns(*model, rng, ring, 10);
    int broken = -1;
    for (int n = 0; n < 10; ++n)
        if (model->vehicles[static_cast<size_t>(n)].topSpeed == 0)
            broken = n;
    ASSERT_GE(broken, 0);
    std::set<int> chosenAgain;
    for (int t = 0; t < 2; ++t) {
        stepBreakdowns(*model, rng, ring, 10);
        EXPECT_EQ(model->vehicles[static_cast<size_t>(broken)].topSpeed, 0);
    }
    stepBreakdowns(*model, rng, ring, 10); // the slot comes round: repaired first
    const int now = model->vehicles[static_cast<size_t>(broken)].topSpeed;
    EXPECT_TRUE(now == 1000 + broken || now == 0);
    for (int t = 0; t < 300; ++t)
        stepBreakdowns(*model, rng, ring, 2000);
    EXPECT_EQ(model->vehicles[firstCarriage].topSpeed, 1000 + firstCarriage);
    int zero = 0;
    for (int n = 0; n < firstCarriage; ++n)
        zero += model->vehicles[static_cast<size_t>(n)].topSpeed == 0;
    EXPECT_LE(zero, 3);
}

TEST(BodyColoursTest, ChannelsLevelsNoGreyAndEmergencyLiveries) {
    auto table = std::make_unique<VehicleDrawTable>();
    Rng rng(5);
    drawBodyColours(*table, rng, 2000, true);
    const std::set<uint32_t> levels{0, 48, 96, 144, 192};
    for (int n = 0; n < 2000; ++n) {
        const uint32_t c = (*table)[static_cast<size_t>(n)].bodyColour;
        if (n % 50 == 0) {
            EXPECT_EQ(c, n % 200 == 0 ? policeColour : n % 100 == 0 ? fireEngineColour : ambulanceColour);
            continue;
        }
        const uint32_t r = c & 0xFF, g = c >> 8 & 0xFF, bl = c >> 16 & 0xFF;
        EXPECT_TRUE(levels.count(r) && levels.count(g) && levels.count(bl)) << n;
        EXPECT_FALSE(r == g && g == bl) << n;
    }
    drawBodyColours(*table, rng, 1, false);
    EXPECT_NE((*table)[0].bodyColour, policeColour);
}

} // namespace
