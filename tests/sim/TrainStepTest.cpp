// The carriage step on a hand-laid straight line: entering, following, stations, leaving, and the end of the line.
#include <set>

#include "model/layouts/RailLayoutParts.h"
#include "sim/Occupancy.h"
#include "sim/TrainFixture.h"

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
    // 500 -> 501 -> 502 into the sink; 502 names 503, laid back alongside, which runs into 504, the boundary.
    raillayout::buildTracks(b, {{500, 1000, 5000, 4000, 5000, 501},
                                {501, 4000, 5000, 8000, 5000, 502},
                                {502, 8000, 5000, 12000, 5000, riverStub, -1, -1, 1},
                                {503, 12000, 5000, 8000, 5000, 504},
                                {504, 8000, 5000, 1000, 5000, 500}});
    m->road(502).control = 503;
    m->trackCount = 5;
    m->boundaryTracks[0] = 504;
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
