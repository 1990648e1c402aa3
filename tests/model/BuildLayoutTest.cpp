// The layout dispatcher: dispatch by number, end stubs, the half turn, short-road limits, designer extent,
// turnOnRed, the car-park option and which vehicle kinds are initialised.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "model/BuildLayout.h"
#include "model/InitialRecords.h"
#include "model/LayoutCatalogue.h"
#include "model/LayoutChecker.h"
#include "model/LayoutRoutine.h"
#include "model/layouts/Junction13Parts.h"

using namespace jamlog;

namespace {

struct Dispatch : ::testing::Test {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    std::unique_ptr<NetworkModel> flipped = std::make_unique<NetworkModel>();
    BuildParams p;
    void SetUp() override {
        clearModel(*m);
        clearModel(*flipped);
    }
    BuildResult build(int layout, NetworkModel& into) {
        p.layout = layout;
        Rng rng(3);
        return buildLayout(into, rng, p);
    }
    BuildResult build(int layout) { return build(layout, *m); }
};

} // namespace

TEST_F(Dispatch, NumbersOutsideTheTableBuildClassicLayout) {
    for (int n : {0, 30, -1, 1000}) {
        const BuildResult r = build(n);
        EXPECT_EQ(r.name, "Classic Layout") << n;
        EXPECT_EQ(r.layout, 0);
        EXPECT_EQ(m->roadCount, 149);
    }
    EXPECT_EQ(build(17).name, "Clahm Junction");
    for (int n = 1; n < layoutNumbers; ++n)
        if (!layoutIsBuilt(n))
            EXPECT_EQ(build(n).name, "Classic Layout") << n; // not built: the classic layout stands in
}

TEST_F(Dispatch, EndStubsAndModelCopiesOfTheSettings) {
    p.lvm = 3;
    p.stnWait = 33;
    p.parkWait = 77;
    p.lanWid = 150;
    build(17); // holds no roads or rivers; its tracks run through 599 and overwrite that stub
    for (int stub : {roadStub, riverStub}) {
        const RoadRecord& r = m->road(stub);
        EXPECT_EQ(r.startX, 98000);
        EXPECT_EQ(r.startY, 99000);
        EXPECT_EQ(r.endX(), 99000);
        EXPECT_EQ(r.topLane, 0);
        EXPECT_EQ(r.control, -1);
        EXPECT_EQ(r.next[0], stub == riverStub ? riverStub : trackStub);
    }
    EXPECT_EQ(m->longVehicleMaxLane, 3);
    EXPECT_EQ(m->stationWait, 33);
    EXPECT_EQ(m->parkWait, 77);
    EXPECT_EQ(m->laneWidth, 150);
}

TEST_F(Dispatch, HalfTurnMapsEveryPointAboutTheExtentCentre) {
    p.options = 0;
    build(0, *m);
    p.options = optionFlip;
    build(0, *flipped);
    const int sx = 1000 + 27000,
              sy = 1000 + 22000; // a road (1000,1000)-(2000,1000) becomes (27000,22000)-(26000,22000)
    EXPECT_EQ(flipped->extentMinX, 1000);
    EXPECT_EQ(flipped->extentMaxY, 22000);
    for (int n = 0; n < m->roadCount; ++n) {
        const RoadRecord &a = m->road(n), &b = flipped->road(n);
        EXPECT_EQ(b.startX, sx - a.startX) << n;
        EXPECT_EQ(b.startY, sy - a.startY) << n;
        EXPECT_EQ(b.endX(), sx - a.endX()) << n;
        EXPECT_EQ(b.endY(), sy - a.endY()) << n;
        EXPECT_EQ(b.clockwise, a.clockwise) << n; // a half turn is no mirror
        if (a.arc()) {
            EXPECT_EQ(b.centreX, sx - a.centreX) << n;
        }
    }
    for (int t = firstTrack; t < firstTrack + m->trackCount; ++t)
        EXPECT_EQ(flipped->road(t).startX, sx - m->road(t).startX) << t;
    EXPECT_EQ(flipped->road(roadStub).startX, m->road(roadStub).startX); // uncounted records stay
    for (size_t i = 0; i < m->scenery.size(); ++i) {
        if (m->scenery[i][0] == 0)
            continue;
        EXPECT_EQ(flipped->scenery[i][1], sx - m->scenery[i][1]);
        EXPECT_EQ(flipped->scenery[i][2], sy - m->scenery[i][2]);
        EXPECT_EQ(flipped->scenery[i][3], -m->scenery[i][3]);
    }
}

TEST_F(Dispatch, ShortRoadsGetHalfTheBaseSpeed) {
    p.baseSpeed = 900;
    build(0);
    int shortRoads = 0;
    for (int n = 0; n < m->roadCount; ++n) {
        const RoadRecord& r = m->road(n);
        if (r.length < shortRoadLength) {
            ++shortRoads;
            EXPECT_EQ(r.speedLimit, 450) << n;
        } else {
            EXPECT_NE(r.speedLimit, 450) << n;
        }
    }
    EXPECT_GT(shortRoads, 0);
    EXPECT_EQ(m->road(roadStub).speedLimit, noSpeedLimit);
}

TEST_F(Dispatch, KeepRightLayoutsTurnOnRedUnlessDisabled) {
    p.options = 0;
    build(1);
    EXPECT_EQ(m->driveOnLeft, 0);
    EXPECT_EQ(m->turnOnRed, 1);
    p.options = optionAdvanced4;
    build(1);
    EXPECT_EQ(m->turnOnRed, 0);
    p.options = 0;
    build(0);
    EXPECT_EQ(m->driveOnLeft, 1);
    EXPECT_EQ(m->turnOnRed, 0);
}

TEST_F(Dispatch, DesignerModeGrowsTheExtent) {
    p.designer = true;
    build(17);
    EXPECT_EQ(m->extentMinX, 2000);
    EXPECT_EQ(m->extentMinY, 1000);
    EXPECT_EQ(m->extentMaxX, 31000);
    EXPECT_EQ(m->extentMaxY, 21000);
}

TEST_F(Dispatch, VehicleKindsFollowTheContent) {
    BuildResult r = build(17); // tracks only
    EXPECT_EQ(m->vehicles[0].length, 0);
    EXPECT_EQ(m->vehicles[0].state, vehicleOutside);
    EXPECT_GT(r.trainsEnd, firstCarriage);
    EXPECT_EQ(m->vehicles[firstBoat].length, 0);

    p.cars = 300;
    r = build(0);
    EXPECT_EQ(r.cars, 1500);
    EXPECT_GT(m->vehicles[1499].length, 0);
    EXPECT_EQ(m->vehicles[1500].length, 0);
    EXPECT_EQ(m->vehicles[0].driver, 0); // Fire is on by default: vehicle 0 is an emergency driver
    EXPECT_EQ(r.countedTracks, m->trackCount - m->trackAdjust);
}

TEST_F(Dispatch, CarParkLayoutSendsEveryCarToThePark) {
    const BuildResult r = build(19);
    ASSERT_TRUE(r.contentFlags & contentCarPark);
    for (int i = 0; i < r.cars && i < firstCarriage; ++i) {
        EXPECT_EQ(m->vehicles[size_t(i)].state, 5) << i;
        EXPECT_LE(m->vehicles[size_t(i)].length, p.carLen * 5 / 4) << i;
    }
}

// The half turn keeps every built layout sound: links, joins, boundaries and tables all turn with it.
TEST_F(Dispatch, EveryBuiltLayoutPassesTheCheckTurnedHalfRound) {
    p.options = optionFlip;
    for (int layout : builtLayouts()) {
        clearModel(*m);
        build(layout);
        int errors = 0;
        for (const LayoutProblem& q : checkLayout(*m))
            errors += q.severity == Severity::Error;
        EXPECT_EQ(errors, 0) << layout << "\n" << layoutReport(*m, checkLayout(*m));
    }
}

// Every built layout for every choice of roads, tracks and rivers, as built and turned half round: the checker
// finds no error and the counts, content, trackAdjust, drive side and extent are the catalogue's for what the layout
// then holds.
struct EveryChoice : ::testing::TestWithParam<int> {};

TEST_P(EveryChoice, ChecksCleanAndMatchesTheCatalogue) {
    const int layout = GetParam();
    const LayoutEntry& e = layoutEntry(layout);
    auto m = std::make_unique<NetworkModel>();
    for (int choice = 0; choice < 8; ++choice)
        for (int flip : {0, optionFlip}) {
            clearModel(*m);
            BuildParams p;
            p.layout = layout;
            p.contentFlags = choice | contentPelican;
            p.options |= flip;
            Rng rng(5);
            const BuildResult r = buildLayout(*m, rng, p);
            const std::string where = "choice " + std::to_string(choice) + " flip " + std::to_string(flip);
            EXPECT_EQ(r.contentFlags, e.content.expected(p.contentFlags)) << where;
            EXPECT_TRUE(
                countMatches(expectedRoads(e, r.contentFlags), m->roadCount, (r.contentFlags & contentRoads) != 0))
                << where << ": " << m->roadCount << " roads";
            EXPECT_TRUE(countMatches(e.tracks, m->trackCount, (r.contentFlags & contentTracks) != 0)) << where;
            EXPECT_TRUE(countMatches(e.rivers, m->riverCount, (r.contentFlags & contentRivers) != 0)) << where;
            EXPECT_EQ(m->trackAdjust, expectedTrackAdjust(e, r.contentFlags)) << where;
            EXPECT_EQ(m->driveOnLeft, e.driveOnLeft) << where;
            for (auto [want, got] : {std::pair{e.minX, m->extentMinX}, std::pair{e.minY, m->extentMinY},
                                     std::pair{e.maxX, m->extentMaxX}, std::pair{e.maxY, m->extentMaxY}})
                if (want != anyExtent) {
                    EXPECT_EQ(got, want) << where;
                }
            int errors = 0;
            for (const LayoutProblem& q : checkLayout(*m))
                errors += q.severity == Severity::Error;
            EXPECT_EQ(errors, 0) << where << "\n" << layoutReport(*m, checkLayout(*m));
        }
}

INSTANTIATE_TEST_SUITE_P(Built, EveryChoice, ::testing::ValuesIn(builtLayouts()));

// No train or boat is drawn on a bridge deck: every cell of a track or river that lies under the surface of a
// straight road, or a river cell under a straight track, is hidden.
TEST_P(EveryChoice, TrainsAndBoatsAreHiddenUnderEveryBridge) {
    auto m = std::make_unique<NetworkModel>();
    clearModel(*m);
    BuildParams p;
    p.layout = GetParam();
    Rng rng(5);
    buildLayout(*m, rng, p);
    // A road that is not drawn (edge style 4) is no deck: it is the stretch of a road that passes under a railway.
    constexpr int notDrawn = 4;
    auto coveredBy = [&](int first, int count, WorldPoint at) {
        for (int k = first; k < first + count; ++k)
            if (m->road(k).edgeStyle != notDrawn && underStraight(m->road(k), at, m->laneWidth))
                return k;
        return -1;
    };
    int crossings = 0;
    for (int n = firstTrack; n < firstRiver + m->riverCount; ++n) {
        if (n >= firstTrack + m->trackCount && n < firstRiver)
            continue;
        const RoadRecord& low = m->road(n);
        for (int c = 0; c < std::min(low.length, maxLaneLength) / 10; ++c) {
            const WorldPoint at = pointAlong(low, 10.0 * c + 5);
            int over = coveredBy(0, m->roadCount, at);
            if (over < 0 && n >= firstRiver)
                over = coveredBy(firstTrack, m->trackCount, at);
            if (over < 0)
                continue;
            ++crossings;
            ASSERT_TRUE(cellSet(low.hiddenBits, c)) << "record " << n << " cell " << c << " under " << over;
        }
    }
    RecordProperty("crossedCells", crossings);
}

TEST_F(Dispatch, ABuildClearsTheLaneCellsOfTheRunBefore) {
    for (int layout : builtLayouts()) {
        build(layout, *flipped); // a fresh model: only the cells the layout marks itself
        build((layout + 1) % 30);
        for (RoadRecord& r : m->roads) { // every cell taken, as by a jam on the layout before
            for (LaneStrip& lane : r.lanes)
                std::fill(std::begin(lane.occupancy), std::end(lane.occupancy), ~0u);
            std::fill(std::begin(r.hiddenBits), std::end(r.hiddenBits), ~0u);
        }
        build(layout);
        for (int road = 0; road < roadCapacity; ++road) {
            const RoadRecord &got = m->road(road), &want = flipped->road(road);
            bool same = std::equal(std::begin(got.hiddenBits), std::end(got.hiddenBits), std::begin(want.hiddenBits));
            for (int k = 0; k < maxLanes; ++k)
                same = same && std::equal(std::begin(got.lanes[k].occupancy), std::end(got.lanes[k].occupancy),
                                          std::begin(want.lanes[k].occupancy));
            ASSERT_TRUE(same) << "layout " << layout << " road " << road;
        }
    }
}
