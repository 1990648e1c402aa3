// Loops of track and their guard: which tracks form a loop, how many blocks a standing train covers, the feeder held
// while a loop has no room, facing points that never route into a full loop, and relief that lifts the guard; the
// elementary cycles of small track graphs, and two rings joined by short crossovers.
#include <algorithm>
#include <set>
#include <vector>

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
    // 507 leads onto the ring, and so does 508 through its third successor; the ring's own tracks enter nothing.
    EXPECT_TRUE(loopsEntered(loops(), 507, 500).test(0));
    EXPECT_TRUE(loopsEntered(loops(), 508, 501).test(0));
    EXPECT_TRUE(loopsEntered(loops(), 505, 500).none());
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

namespace {

// A track graph by successors: track 500 + i leads to the tracks listed in row i (up to three).
struct CycleCase {
    const char* name;
    std::vector<std::vector<int>> next;
    int boundary; // a boundary track, or -1
    int cycles;
};

struct TrackCycleCount : TrainFixture, ::testing::WithParamInterface<CycleCase> {};

} // namespace

TEST_P(TrackCycleCount, FindsEveryElementaryCycleOnce) {
    const CycleCase& c = GetParam();
    for (size_t i = 0; i < c.next.size(); ++i) {
        const int y = 1000 + 1000 * static_cast<int>(i), n = static_cast<int>(c.next[i].size());
        raillayout::buildTrack(b, {firstTrack + static_cast<int>(i), 1000, y, 3000, y, c.next[i][0],
                                   c.next[i][std::min(1, n - 1)], c.next[i][std::min(2, n - 1)]});
    }
    m->trackCount = static_cast<int>(c.next.size());
    m->boundaryTracks[0] = c.boundary;
    std::set<std::vector<int>> seen;
    int found = 0;
    EXPECT_TRUE(forEachTrackCycle(*m, [&](const int* t, int n) {
        std::vector<int> cycle(t, t + n);
        std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
        EXPECT_TRUE(seen.insert(cycle).second) << "a cycle found twice";
        for (int i = 0; i < n; ++i) {
            const std::vector<int>& next = c.next[static_cast<size_t>(t[i] - firstTrack)];
            EXPECT_NE(std::find(next.begin(), next.end(), t[(i + 1) % n]), next.end()) << "not a way a train runs";
        }
        ++found;
        return true;
    }));
    EXPECT_EQ(found, c.cycles);
}

INSTANTIATE_TEST_SUITE_P(
    Graphs, TrackCycleCount,
    ::testing::Values(CycleCase{"Ring", {{501}, {502}, {500}}, -1, 1},
                      CycleCase{"RingThroughABoundary", {{501}, {502}, {500}}, 502, 0},
                      CycleCase{"AllWaysBetweenThree", {{501, 502}, {500, 502}, {500, 501}}, -1, 5},
                      CycleCase{"FigureOfEight", {{501, 502}, {500}, {500}}, -1, 2},
                      // Two rings, 500..503 and 504..507, joined both ways through 508 and 509.
                      CycleCase{"TwoRingsAndCrossovers",
                                {{501}, {502, 508}, {503}, {500}, {505}, {506}, {507}, {504, 509}, {505}, {503}},
                                -1,
                                3}),
    [](const ::testing::TestParamInfo<CycleCase>& i) { return std::string(i.param.name); });

namespace {

// Rings A (500..503) and B (510..513) of 2000-unit tracks; facing points on 501 lead over the crossover 520 onto B
// at 511, and on 513 over 521 back onto A at 503.
struct JoinedRings : TrainLoops {
    void SetUp() override {
        TrainFixture::SetUp();
        raillayout::buildTracks(b, {{500, 1000, 1000, 3000, 1000, 501},
                                    {501, 3000, 1000, 5000, 1000, 502, 502, 520},
                                    {502, 5000, 1000, 7000, 1000, 503},
                                    {503, 7000, 1000, 9000, 1000, 500},
                                    {510, 1000, 5000, 3000, 5000, 511},
                                    {511, 3000, 5000, 5000, 5000, 512},
                                    {512, 5000, 5000, 7000, 5000, 513},
                                    {513, 7000, 5000, 9000, 5000, 510, 510, 521},
                                    {520, 5000, 2000, 7000, 2000, 511},
                                    {521, 5000, 4000, 7000, 4000, 503}});
        raillayout::addPoints(*m, {1, 1, 501, 502, 520});
        raillayout::addPoints(*m, {1, 1, 513, 510, 521});
        m->trackCount = 22;
        m->boundaryTracks[0] = -1;
    }
    int ringB() const {
        for (int i = 0; i < loops().count; ++i)
            if (loops().loops[static_cast<size_t>(i)].blocks == 4 &&
                loopsEntered(loops(), 500, 512).test(static_cast<size_t>(i)))
                return i;
        return -1;
    }
};

} // namespace

TEST_F(JoinedRings, ATrainOnTheCrossoverCountsOnTheRingAheadOfIt) {
    stand(2000, 2, 520, 1900); // wholly on the crossover, none of it on B yet
    workRailwaySignals(*m, rng, rail, false);
    ASSERT_EQ(loops().count, 3);
    ASSERT_GE(ringB(), 0);
    EXPECT_EQ(loops().loops[static_cast<size_t>(ringB())].budget, 4 - 1 - 2);
    // Nothing holds it on the crossover: it was given room on B when the points sent it this way.
    EXPECT_EQ(m->road(520).signalState, 0);
}

TEST_F(JoinedRings, PointsKeepTrainsOffAFullRingButNoTrainIsHeldOnItsWay) {
    stand(2000, 2, 512, 1900); // B: one train, no room for a second
    stand(2002, 2, 510, 1900); // ... and one more already on it, before the junction with the crossover
    stand(2004, 2, 501, 1900); // A: waiting at the points
    bool ontoB = false;
    for (int run = 1; run < 100; ++run) {
        workRailwaySignals(*m, rng, rail, false);
        ontoB |= m->road(501).next[0] == 520;
        // B and the big loop through both crossovers are full, yet 510 only joins what it already runs on.
        ASSERT_EQ(m->road(510).signalState, 0) << "run " << run;
    }
    EXPECT_FALSE(ontoB);
    for (int n = 2000; n < 2006; ++n) {
        clearRange(m->road(car(n).road).lanes[0], car(n).pos - car(n).length, car(n).pos);
        car(n).state = vehicleOutside;
    }
    for (int run = 1; run < 100 && !ontoB; ++run) {
        workRailwaySignals(*m, rng, rail, false);
        ontoB |= m->road(501).next[0] == 520;
    }
    EXPECT_TRUE(ontoB);
}
