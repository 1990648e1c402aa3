// Loops of track and their guard: which tracks form a loop, how many blocks a standing train covers, the feeder held
// while a loop has no room, facing points that never route into a full loop, and relief that lifts the guard.
#include "model/layouts/RailLayoutParts.h"
#include "sim/Occupancy.h"
#include "sim/TrainFixture.h"

using namespace jamlog;

namespace {

// A ring of six 2000-unit tracks 500..505, a line 506 -> 507 into it at 500 (507 is fed from the boundary 506),
// and facing points on 508 that lead into the ring (501) or away (509, the boundary).
struct TrainLoops : TrainFixture {
    void SetUp() override {
        TrainFixture::SetUp();
        raillayout::buildTracks(b, {{500, 1000, 1000, 3000, 1000, 501},
                                    {501, 3000, 1000, 5000, 1000, 502},
                                    {502, 5000, 1000, 7000, 1000, 503},
                                    {503, 7000, 1000, 9000, 1000, 504},
                                    {504, 9000, 1000, 11000, 1000, 505},
                                    {505, 11000, 1000, 13000, 1000, 500},
                                    {506, 1000, 5000, 3000, 5000, 507},
                                    {507, 3000, 5000, 5000, 5000, 500},
                                    {508, 1000, 8000, 3000, 8000, 509, 509, 501},
                                    {509, 3000, 8000, 5000, 8000, 506}});
        m->trackCount = 10;
        m->boundaryTracks[0] = 509;
    }
    const TrackLoops& loops() const { return rail.loops; }
    // Stands a train of `carriages` 800-unit carriages with its head at `pos` on `track`, all on that track.
    int stand(int head, int carriages, int track, int pos) {
        for (int i = 0; i < carriages; ++i) {
            VehicleRecord& v = car(head + i);
            v = VehicleRecord{};
            v.length = 800;
            v.routeLaneCap = carriages - i;
            v.kindFlags = (i == 0 ? carriageHead : 0) | (i == carriages - 1 ? carriageLast : 0);
            v.road = track;
            v.pos = pos - i * 850;
            markRange(m->road(track).lanes[0], v.pos - v.length, v.pos);
        }
        trainsEnd = std::max(trainsEnd, head + carriages);
        return head + carriages;
    }
};

} // namespace

TEST_F(TrainLoops, FindsTheRingItsFeederButNoChainThroughABoundary) {
    stand(2000, 2, 509, 1900); // a laid train for the largest cover
    findTrackLoops(*m, rail.loops);
    ASSERT_EQ(loops().count, 1);
    const TrackLoop& ring = loops().loops[0];
    EXPECT_EQ(ring.blocks, 6);
    EXPECT_EQ(ring.minBlock, 2000);
    for (int t = 500; t < 506; ++t)
        EXPECT_EQ(loopOfTrack(loops(), t), 0) << t;
    // 506 -> 507 -> 500 joins the ring but is not on it; 508 -> 509 -> 506 passes the boundary 509.
    for (int t : {506, 507, 508, 509})
        EXPECT_EQ(loopOfTrack(loops(), t), -1) << t;
    ASSERT_EQ(ring.feederCount, 2);
    EXPECT_EQ(ring.feeders[0], 507);
    EXPECT_EQ(ring.feeders[1], 508); // through its third successor
    EXPECT_EQ(ring.largest, blocksCovered(*m, 2000, 2000));
}

TEST_F(TrainLoops, BlocksCoveredByAStandingTrain) {
    // Lane width 130: the carriages keep 43 + 10 between them, the head stops up to 3 x 130 short and keeps 400.
    stand(2000, 2, 500, 1900); // 1600 + 53 + 400 + 400 = 2453: reaches past one 2000 block
    stand(2010, 3, 501, 1900); // 2506 + 800 = 3306
    stand(2020, 4, 502, 1900); // 3359 + 800 = 4159: reaches two blocks back
    EXPECT_EQ(blocksCovered(*m, 2000, 2000), 2);
    EXPECT_EQ(blocksCovered(*m, 2010, 2000), 2);
    EXPECT_EQ(blocksCovered(*m, 2020, 2000), 3);
    EXPECT_EQ(blocksCovered(*m, 2020, 5000), 1);
    EXPECT_EQ(blocksCovered(*m, 2020, 4159), 1);
    EXPECT_EQ(blocksCovered(*m, 2020, 4158), 2);
}

TEST_F(TrainLoops, FeederHeldWhileTheRingHasNoRoomEvenUnderRelief) {
    // Six blocks and trains that cover two each: with two on the ring a third could cover all six. The block ahead
    // of the feeder (500) is free, so only the guard holds it.
    stand(2000, 2, 501, 1900);
    stand(2002, 2, 503, 1900);
    stand(2004, 2, 507, 1900); // waiting on the feeder
    workRailwaySignals(*m, rng, rail, false);
    const TrackLoop& ring = loops().loops[0];
    EXPECT_EQ(ring.largest, 2);
    EXPECT_EQ(ring.budget, 6 - 1 - 4);
    EXPECT_EQ(m->road(507).signalState, 1) << "a third train could close the ring";
    // Relief clears every block, but a third train on the ring would lock it for good: the guard holds.
    workRailwaySignals(*m, rng, rail, true);
    EXPECT_EQ(m->road(507).signalState, 1);
    // Once one train has left the ring there is room again.
    for (int n : {2002, 2003}) {
        clearRange(m->road(503).lanes[0], car(n).pos - car(n).length, car(n).pos);
        car(n).state = vehicleOutside;
    }
    workRailwaySignals(*m, rng, rail, false);
    EXPECT_EQ(ring.budget, 6 - 1 - 2);
    EXPECT_EQ(m->road(507).signalState, 0);
}

TEST_F(TrainLoops, TrainOverhangingIntoTheRingCountsOnIt) {
    stand(2000, 2, 500, 1900);
    stand(2002, 2, 507, 1900);
    car(2003).tailRoad = 505; // its last carriage still overhangs the end of 505
    car(2003).tailOverhang = -200;
    car(2003).road = 506; // (the body elsewhere, only the overhang on the ring)
    findTrackLoops(*m, rail.loops);
    countLoopTrains(*m, rail.loops);
    EXPECT_EQ(loops().loops[0].budget, 6 - 1 - 2 - 2);
}

TEST_F(TrainLoops, FacingPointsNeverRouteIntoAFullRing) {
    raillayout::addPoints(*m, {1, 1, 508, 509, 501});
    stand(2000, 2, 500, 1900);
    stand(2002, 2, 503, 1900);
    bool intoRing = false;
    for (int run = 1; run < 100; ++run) {
        workRailwaySignals(*m, rng, rail, false);
        intoRing |= m->road(508).next[0] == 501;
    }
    EXPECT_FALSE(intoRing);
    // With room on the ring both routes are drawn.
    for (int n : {2002, 2003}) {
        clearRange(m->road(503).lanes[0], car(n).pos - car(n).length, car(n).pos);
        car(n).state = vehicleOutside;
    }
    for (int run = 1; run < 100 && !intoRing; ++run) {
        workRailwaySignals(*m, rng, rail, false);
        intoRing |= m->road(508).next[0] == 501;
    }
    EXPECT_TRUE(intoRing);
}

// Trains run round the ring and in from the boundary for an hour: the guard keeps the ring from closing, so
// some train always moves and the ring never holds more trains than it has room for.
TEST_F(TrainLoops, RingFedFromOutsideNeverLocks) {
    m->stationWait = 20;
    lay(8, 3);
    long still = 0, longest = 0;
    for (long t = 0; t < 144000; ++t) {
        const TrainFigures f = tick(t);
        still = (f.counted > 0 && f.stuck + f.held >= f.counted) ? still + 1 : 0;
        longest = std::max(longest, still);
        if (t % 10 == 1) {
            ASSERT_GE(loops().loops[0].budget, 0) << "the ring took a train it had no room for, tick " << t;
        }
    }
    EXPECT_LT(longest, 2400) << "no minute in which every train stood";
}
