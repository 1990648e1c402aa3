// The carriage step on a hand-laid straight line: entering, following, stations, leaving, and the end of the line.
#include <set>

#include "model/layouts/RailLayoutParts.h"
#include "sim/Occupancy.h"
#include "sim/TrainFixture.h"
#include "sim/TrainTrack.h"

using namespace jamlog;

namespace {
// Tracks 500.. along y = 5000, each 3000 long, the last a boundary track whose successor is the first.
struct TrainLine : TrainFixture {
    int count = 0;
    void line(int tracks, std::set<int> platforms = {}) {
        count = tracks;
        for (int i = 0; i < tracks; ++i) {
            const int t = 500 + i;
            raillayout::buildTracks(b, {{t, 1000 + 3000 * i, 5000, 4000 + 3000 * i, 5000, i + 1 < tracks ? t + 1 : 500,
                                         -1, -1, platforms.count(t) ? 1 : 0}});
        }
        m->trackCount = tracks;
        m->boundaryTracks[0] = 500 + tracks - 1;
    }
    bool outside(int n) const { return car(n).state & vehicleOutside; }
    // 500 -> 501 -> 502, a terminus into the sink naming 503, laid back alongside and running into 504, the
    // boundary.
    void terminusLine() {
        raillayout::buildTracks(b, {{500, 1000, 5000, 4000, 5000, 501},
                                    {501, 4000, 5000, 8000, 5000, 502},
                                    {502, 8000, 5000, 12000, 5000, riverStub, -1, -1, 1},
                                    {503, 12000, 5000, 8000, 5000, 504},
                                    {504, 8000, 5000, 1000, 5000, 500}});
        m->road(502).control = 503;
        m->trackCount = 5;
        m->boundaryTracks[0] = 504;
    }
};
} // namespace

TEST_F(TrainLine, HeadNeverEntersAnOccupiedTrack) {
    line(3);
    lay(1, 2);
    markRange(m->road(500).lanes[0], 2900, 2910); // one cell near the far end of the entry track
    for (int t = 0; t < 200; ++t) {
        int flag = 0;
        EXPECT_EQ(stepCarriage(*m, rng, 2000, {}, flag), trainOutside);
    }
    EXPECT_TRUE(outside(2000));
    clearRange(m->road(500).lanes[0], 2900, 2910);
    int flag = 0;
    EXPECT_EQ(stepCarriage(*m, rng, 2000, {}, flag), -2);
    EXPECT_EQ(car(2000).road, 500);
    EXPECT_EQ(car(2000).pos, 0);
}

TEST_F(TrainLine, NoHeadEntersWithoutPermissionOrUnderRelief) {
    line(3);
    lay(1, 2);
    int flag = 1; // relief
    EXPECT_EQ(stepCarriage(*m, rng, 2000, {}, flag), trainOutside);
    TrainStepArgs closed;
    closed.entryAllowed = false;
    flag = 0;
    EXPECT_EQ(stepCarriage(*m, rng, 2000, closed, flag), trainOutside);
    EXPECT_TRUE(outside(2000));
}

TEST_F(TrainLine, CarriageEntersOnlyOnceTheOneInFrontIs400In) {
    line(3);
    lay(1, 3);
    bool entered = false;
    for (long t = 0; t < 400 && !entered; ++t) {
        tick(t);
        if (outside(2001)) {
            if (!outside(2000)) {
                EXPECT_LE(car(2000).pos, 400) << "tick " << t;
            }
        } else {
            entered = true;
            EXPECT_GT(car(2000).pos, 400);
            EXPECT_EQ(car(2001).road, car(2000).road);
            EXPECT_EQ(car(2001).pos, 0);
        }
    }
    EXPECT_TRUE(entered);
}

TEST_F(TrainLine, StationWaitOnceUntilANonPlatformRoad) {
    // 501 and 502 are platforms, 503 is not, 504 is again; 505 is the boundary.
    line(6, {501, 502, 504});
    lay(1, 2);
    int waits[6] = {};
    int longest = 0, run = 0, lastCount = 0;
    for (long t = 0; t < 20000 && !(t > 10 && outside(2000)); ++t) {
        tick(t);
        const VehicleRecord& h = car(2000);
        if (outside(2000) || h.speed > 0) {
            run = 0;
            continue;
        }
        const int E = m->road(h.road).length;
        if (E - h.pos <= 150 && run == 0)
            ++waits[h.road - 500];
        if (run > 0 && h.laneTicks > 0) {
            EXPECT_EQ(h.laneTicks, lastCount + 1) << "the counter climbs by one a step";
        }
        lastCount = h.laneTicks;
        longest = std::max(longest, ++run);
    }
    EXPECT_EQ(waits[1], 1);
    EXPECT_EQ(waits[2], 0) << "no second wait before a road that is not a platform";
    EXPECT_EQ(waits[3], 0);
    EXPECT_EQ(waits[4], 1) << "waits again after passing a road that is not a platform";
    EXPECT_GT(longest, 1);
    EXPECT_LE(longest, (Rng::maxValue + 2) * m->stationWait / 100 + 1);
}

TEST_F(TrainLine, TrainLeavesAtTheBoundaryAndComesBackWhole) {
    line(3);
    lay(1, 3);
    bool left = false, back = false;
    for (long t = 0; t < 5000 && !back; ++t) {
        tick(t);
        if (!left && !outside(2001) && outside(2000)) {
            left = true;
            EXPECT_EQ(car(2000).road, 0);
            EXPECT_EQ(car(2000).laneTicks, 1);
        }
        // The head re-enters only once its whole train is outside.
        if (left && !outside(2000)) {
            back = true;
            EXPECT_TRUE(outside(2002));
        }
    }
    EXPECT_TRUE(back);
    for (int t = 500; t < 503; ++t) // nothing is left behind on the tracks but the returning head (at pos 0)
        EXPECT_EQ(firstMarkedCell(m->road(t).lanes[0]), -1);
}

TEST_F(TrainLine, EndOfLineMovesTheTrainHeadFirstOntoTheWayBack) {
    terminusLine();
    lay(1, 3);
    std::vector<int> order;
    for (long t = 0; t < 30000 && order.size() < 3; ++t) {
        const int before[3] = {car(2000).road, car(2001).road, car(2002).road};
        tick(t);
        for (int k = 0; k < 3; ++k)
            if (before[k] == 502 && car(2000 + k).road == 503) {
                order.push_back(k);
                const int n = 3 - k; // number from the tail
                EXPECT_EQ(car(2000 + k).pos, n * 800 + 130 + (n - 1) * 130 / 3);
                EXPECT_EQ(car(2000 + k).laneTicks, k == 0 ? 2 : 0);
            }
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    EXPECT_GE(car(2000).pos - car(2001).pos, 800) << "reversed carriages do not overlap";
}

TEST_F(TrainLine, HeadWaitsWhileACarriageStandsAtTheVeryStartOfTheEntryTrack) {
    line(3);
    lay(2, 1);
    // The first train has just come in: at pos 5 it marks no cell of the entry track yet.
    car(2000).state = 0;
    car(2000).road = 500;
    car(2000).pos = 5;
    ASSERT_EQ(firstMarkedCell(m->road(500).lanes[0]), -1);
    for (int t = 0; t < 50; ++t) {
        int flag = 0;
        EXPECT_EQ(stepCarriage(*m, rng, 2001, {}, flag), trainOutside);
    }
    car(2000).state = vehicleOutside;
    int flag = 0;
    EXPECT_EQ(stepCarriage(*m, rng, 2001, {}, flag), -2);
}

// Layouts with more than 99 tracks build 599 as an ordinary track; only the bare stub, which leads to itself, and
// the sink 699 end the line.
TEST_F(TrainLine, TrackNumbered599IsAThroughTrackWhenBuiltAsOne) {
    EXPECT_TRUE(jamlog::rail::isDeadEnd(*m, trackStub));
    EXPECT_FALSE(jamlog::rail::isThroughTrack(*m, trackStub));
    EXPECT_TRUE(jamlog::rail::isDeadEnd(*m, riverStub));
    raillayout::buildTracks(
        b,
        {{598, 1000, 5000, 4000, 5000, 599}, {599, 4000, 5000, 7000, 5000, 600}, {600, 7000, 5000, 10000, 5000, 598}});
    m->boundaryTracks[0] = 600;
    EXPECT_FALSE(jamlog::rail::isDeadEnd(*m, 599));
    EXPECT_TRUE(jamlog::rail::isThroughTrack(*m, 599));
    lay(1, 2);
    std::set<int> reached;
    for (long t = 0; t < 3000; ++t) {
        tick(t);
        reached.insert(car(2000).road);
        EXPECT_GE(car(2000).laneTicks, 0) << "no countdown at the end of the line on 598";
    }
    EXPECT_TRUE(reached.count(599) && reached.count(600));
}

// A train reverses only onto a clear way back, and its head stands there until the last carriage has come round,
// so that no carriage is left behind on the terminus track.
TEST_F(TrainLine, ReversedHeadWaitsForItsWholeTrainOnAClearWayBack) {
    terminusLine();
    lay(1, 3);
    markRange(m->road(503).lanes[0], 500, 600); // something standing on the way back
    long t = 0;
    for (; t < 30000 && car(2002).road != 502; ++t)
        tick(t);
    for (int k = 0; k < 3000; ++k, ++t) {
        tick(t);
        ASSERT_EQ(car(2000).road, 502) << "reversed onto a way back that is not clear";
    }
    clearRange(m->road(503).lanes[0], 500, 600);
    int headPlace = -1;
    for (; t < 60000 && car(2002).road != 503; ++t) {
        tick(t);
        if (car(2000).road == 503 && headPlace < 0)
            headPlace = car(2000).pos;
        if (headPlace >= 0) {
            ASSERT_EQ(car(2000).pos, headPlace) << "the head left before its last carriage came round";
        }
    }
    EXPECT_EQ(car(2002).road, 503);
    bool leaves = false;
    for (int k = 0; k < 20000 && !leaves; ++k, ++t) {
        tick(t);
        leaves = car(2000).road != 503 || car(2000).pos != headPlace;
    }
    EXPECT_TRUE(leaves);
}
