// The railway tick: the block rule's one-per-cent threshold, relief, boundary tracks and the points records.
#include "model/layouts/RailLayoutParts.h"
#include "sim/Occupancy.h"
#include "sim/TrainFixture.h"

using namespace jamlog;

namespace {
// A ring of four 1000-unit tracks 500 -> 501 -> 502 -> 503 -> 500, and a junction track 504 with routes 505/506.
struct TrainSignals : TrainFixture {
    void SetUp() override {
        TrainFixture::SetUp();
        raillayout::buildTracks(b, {{500, 1000, 1000, 2000, 1000, 501},
                                    {501, 2000, 1000, 3000, 1000, 502},
                                    {502, 3000, 1000, 4000, 1000, 503},
                                    {503, 4000, 1000, 1000, 1000, 500},
                                    {504, 1000, 3000, 2000, 3000, 505},
                                    {505, 2000, 3000, 3000, 3000, 599},
                                    {506, 2000, 3000, 3000, 4000, 599}});
        m->trackCount = 7;
    }
    LaneStrip& lane(int t) { return m->road(t).lanes[0]; }
    int sig(int t) { return m->road(t).signalState; }
    void mark(int t, int from, int to) { markRange(lane(t), from, to); }
    // A carriage record standing at `pos` on `road`, with its cells marked (a record moved away is cleared first).
    void place(int n, int flags, int road, int pos, int length) {
        VehicleRecord& v = car(n);
        if (v.state == 0 && v.length > 0)
            clearRange(lane(v.road), v.pos - v.length, v.pos);
        v = VehicleRecord{};
        v.kindFlags = flags;
        v.routeLaneCap = 1;
        v.road = road;
        v.pos = pos;
        v.length = length;
        mark(road, pos - length, pos);
    }
};
} // namespace

TEST_F(TrainSignals, BlockReadsOccupiedAtAboutOnePerCent) {
    mark(501, 500, 510); // 1 of 100 cells: 100 / 101 = 0
    workBlockSignals(*m, false);
    EXPECT_EQ(sig(500), 0);
    mark(501, 700, 710); // 2 of 100 cells: 200 / 101 = 1
    workBlockSignals(*m, false);
    EXPECT_EQ(sig(500), 1);
    EXPECT_EQ(sig(501), 0);
    EXPECT_EQ(sig(503), 0);
}

TEST_F(TrainSignals, ReliefClearsEveryBlockButBoundariesAndTheEndOfTheLine) {
    for (int t = 500; t < 504; ++t)
        mark(t, 0, 1000);
    mark(505, 0, 1000); // 505 ends the line: under relief a second train would only be shut in behind it
    m->boundaryTracks[0] = 502;
    workRailwaySignals(*m, rng, rail, false);
    EXPECT_EQ(rail.runCounter, 1);
    EXPECT_EQ(sig(500), 1);
    EXPECT_EQ(sig(502), boundarySignal);
    workRailwaySignals(*m, rng, rail, true);
    for (int t : {500, 501, 503})
        EXPECT_EQ(sig(t), 0) << t;
    EXPECT_EQ(sig(502), boundarySignal);
    EXPECT_EQ(sig(504), 1);
    // On a layout worked by tokens relief never clears a block.
    rail.tokens = true;
    workRailwaySignals(*m, rng, rail, true);
    EXPECT_EQ(sig(500), 1);
}

TEST_F(TrainSignals, RunCounterWrapsToOneAbove100) {
    for (int i = 0; i < 100; ++i)
        workRailwaySignals(*m, rng, rail, false);
    EXPECT_EQ(rail.runCounter, 100);
    workRailwaySignals(*m, rng, rail, false);
    EXPECT_EQ(rail.runCounter, 1);
}

TEST_F(TrainSignals, RoadPointsAlternateWithTheRunCounter) {
    raillayout::addPoints(*m, {1, 3, 10, 11, 12, 13});
    for (int run = 1; run <= 6; ++run) {
        workPoints(*m, rng, run, false);
        const int32_t* n = m->road(10).next;
        if (run % 3 == 0)
            EXPECT_TRUE(n[0] == 11 && n[1] == 12 && n[2] == 13) << run;
        else
            EXPECT_TRUE(n[0] == 11 && n[1] == 11 && n[2] == 11) << run;
    }
}

TEST_F(TrainSignals, FacingPointsDrawAFreeRouteAndLockUnderATrain) {
    raillayout::addPoints(*m, {1, 1, 504, 505, 506});
    bool seen[2] = {};
    for (int run = 1; run < 200; ++run) {
        workPoints(*m, rng, run, false);
        const int32_t* n = m->road(504).next;
        ASSERT_TRUE(n[0] == n[1] && n[1] == n[2]);
        seen[n[0] - 505] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1]);
    // A busy route is never drawn; a clear diverging route shows caution.
    mark(505, 0, 300);
    for (int run = 1; run < 50; ++run) {
        m->road(504).signalState = 0;
        workPoints(*m, rng, run, false);
        EXPECT_EQ(m->road(504).next[0], 506);
        EXPECT_EQ(sig(504), cautionSignal);
    }
    // A train that has started onto its route keeps it, so that its carriages on the points track follow the head;
    // the busy route shows stop.
    clearRange(lane(505), 0, 300);
    place(2000, carriageHead, 506, 300, 300);
    place(2001, carriageLast, 504, 900, 800);
    for (int run = 1; run < 50; ++run) {
        workPoints(*m, rng, run, false);
        EXPECT_EQ(m->road(504).next[0], 506);
        EXPECT_EQ(sig(504), 1);
    }
    // A train standing wholly on the points track whose route is taken goes the other way, and is locked there.
    place(2000, carriageHead | carriageLast, 504, 900, 800);
    car(2001) = VehicleRecord{};
    mark(506, 0, 300);
    workPoints(*m, rng, 1, false);
    EXPECT_EQ(m->road(504).next[0], 505);
    mark(505, 0, 300);
    clearRange(lane(506), 0, 300);
    for (int run = 1; run < 50; ++run) {
        workPoints(*m, rng, run, false);
        EXPECT_EQ(m->road(504).next[0], 506) << "only a free route is taken";
    }
}

TEST_F(TrainSignals, TrailingJunctionLetsOneFeederGoAtATime) {
    raillayout::addPoints(*m, {1, pointsMerge, 505, 500, 502});
    mark(500, 800, 1000);
    mark(502, 850, 1000);
    workPoints(*m, rng, 1, false);
    const int owner = m->signalPlans[0][9];
    ASSERT_TRUE(owner == 500 || owner == 502);
    EXPECT_EQ(sig(owner == 500 ? 502 : 500), 1);
    EXPECT_EQ(sig(owner), 0);
    for (int run = 2; run < 20; ++run)
        workPoints(*m, rng, run, false);
    EXPECT_EQ(m->signalPlans[0][9], owner) << "priority stays until the feeder's last 1000 units are empty";
    clearRange(lane(owner), 0, 1000);
    m->road(500).signalState = m->road(502).signalState = 0;
    workPoints(*m, rng, 30, false);
    const int other = owner == 500 ? 502 : 500;
    EXPECT_EQ(m->signalPlans[0][9], other);
    EXPECT_EQ(sig(other), 0);
}

TEST_F(TrainSignals, DiamondCrossingStopsTheOtherApproach) {
    raillayout::addPoints(*m, {1, pointsCrossing, 501, 505, 500, 504});
    mark(501, 0, 200);
    workPoints(*m, rng, 1, false);
    EXPECT_EQ(sig(504), 1);
    EXPECT_EQ(sig(500), 0);
    clearRange(lane(501), 0, 200);
    m->road(504).signalState = 0;
    mark(500, 900, 1000);
    mark(504, 900, 1000);
    for (int run = 1; run <= 2; ++run) {
        m->road(500).signalState = m->road(504).signalState = 0;
        workPoints(*m, rng, run, false);
        EXPECT_EQ(sig(500) + sig(504), 1) << "exactly one approach waits";
    }
}

TEST_F(TrainSignals, ConflictKindZeroGuardsTrackD) {
    // A=500, B=501, C=502, D=504, E=0, F=505, G=506.
    raillayout::addPoints(*m, {1, pointsConflict, 500, 501, 502, 504, 0, 505, 506});
    mark(504, 0, 100);
    workPoints(*m, rng, 1, false);
    EXPECT_EQ(sig(504), 0) << "all clear and D occupied";
    mark(505, 100, 200); // outside the last 1000 units? 505 is 1000 long, so inside them
    workPoints(*m, rng, 1, false);
    EXPECT_EQ(sig(504), 1);
    clearRange(lane(505), 0, 1000);
    m->road(504).signalState = 0;
    mark(502, 0, 100);
    workPoints(*m, rng, 1, false);
    EXPECT_EQ(sig(501), 1);
    EXPECT_EQ(sig(505), 1);
    EXPECT_EQ(sig(506), 1);
    clearRange(lane(502), 0, 100);
    clearRange(lane(504), 0, 100);
    m->road(501).signalState = 0;
    m->road(504).signalState = 0;
    workPoints(*m, rng, 1, false);
    EXPECT_EQ(sig(504), 1) << "a clear B with D empty makes D show stop";
}
