// "Little Train Set": catalogue figures with roads on and off, a clean check, stations, the terminus siding,
// the loops that trains run round, the boundary track and the roads over the line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "support/ModelFixture.h"

#include "model/LayoutChecker.h"
#include "model/TrainLaying.h"
#include "model/layouts/Layouts.h"

using namespace jamlog;

namespace {

struct LittleTrains : ModelFixture {
    LayoutArgs a;
    void build(int flags) {
        buildEndStubs(b);
        a.contentFlags = flags;
        a.cars = 219;
        a.trains = 43;
        a.boats = 7;
        layoutEntry(5).routine(b, a);
    }
    int lastTrack() const { return firstTrack + m->trackCount; }
    int hiddenCells(int n) const { return countCells(m->road(n).hiddenBits, 0, cellBits - 1); }
    double gap(int from, int to) const {
        const RoadRecord &f = m->road(from), &t = m->road(to);
        return std::hypot(double(f.endX()) - t.startX, double(f.endY()) - t.startY);
    }
    // Tracks a train can reach from `start`: successors, and at the end of a line into the stub the reversal
    // onto the track named by its special code.
    std::set<int> reachableFrom(int start) const {
        std::set<int> seen{start};
        std::vector<int> todo{start};
        while (!todo.empty()) {
            const RoadRecord& r = m->road(todo.back());
            todo.pop_back();
            std::vector<int> onward(r.next, r.next + 3);
            if (r.next[0] == riverStub && r.control >= firstTrack)
                onward.push_back(r.control);
            for (int s : onward)
                if (s != riverStub && seen.insert(s).second)
                    todo.push_back(s);
        }
        return seen;
    }
};

constexpr int trainFlags = contentTracks | contentDrawFlag | contentShortTrains;

} // namespace

TEST_F(LittleTrains, CatalogueFiguresWithRoadsOn) {
    build(contentRoads | contentTracks | contentRivers | contentPelican);
    EXPECT_EQ(a.name, "Little Train Set");
    EXPECT_EQ(a.contentFlags, trainFlags | contentRoads | contentPelican);
    EXPECT_EQ(m->roadCount, 26);
    EXPECT_EQ(m->trackCount, 35);
    EXPECT_EQ(m->riverCount, 0);
    EXPECT_EQ(m->trackAdjust, 2);
    EXPECT_EQ(a.cars, 10);   // 219 / 20
    EXPECT_EQ(a.trains, 10); // 43 / 4
    EXPECT_EQ(a.boats, 7);
    EXPECT_EQ(m->extentMinX, 1000);
    EXPECT_EQ(m->extentMinY, 500);
    EXPECT_EQ(m->extentMaxX, 25000);
    EXPECT_EQ(m->extentMaxY, 19000);
    // The pelican crossing stops both directions where they meet at its joint.
    const LightGroup& g = m->lightGroups[0];
    EXPECT_EQ(g.mode, 12);
    EXPECT_EQ(m->lightGroups[1].mode, 0);
    EXPECT_EQ(g.arms[0], g.arms[2]);
    EXPECT_EQ(g.arms[1], g.arms[3]);
    const RoadRecord &east = m->road(g.arms[0]), &west = m->road(g.arms[1]);
    EXPECT_LT(std::hypot(double(east.endX()) - west.endX(), double(east.endY()) - west.endY()), 300);
    EXPECT_LT(east.dirXi * west.dirXi + east.dirYi * west.dirYi, 0);
}

TEST_F(LittleTrains, RoadsOffKeepsTracksOnlyAndPelicanGoesWithRoads) {
    build(contentPelican | contentRivers);
    EXPECT_EQ(a.contentFlags, trainFlags); // tracks are set whatever was chosen; the pelican needs roads
    EXPECT_EQ(m->lightGroups[0].mode, 0);
    build(contentRoads);
    EXPECT_EQ(a.contentFlags, trainFlags | contentRoads);
    EXPECT_EQ(m->lightGroups[0].mode, 0);
}

TEST_F(LittleTrains, PassesTheCheckerWithoutWarnings) {
    build(contentRoads | contentTracks | contentPelican);
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
    for (int n = 0; n < m->roadCount; ++n)
        EXPECT_LE(m->road(n).length, maxLaneLength) << n;
    for (int n = firstTrack; n < lastTrack(); ++n) {
        EXPECT_LE(m->road(n).length, maxLaneLength) << n;
        EXPECT_GE(m->road(n).length, 500) << n;
        EXPECT_EQ(m->road(n).topLane, 0) << n;
    }
}

TEST_F(LittleTrains, StationsHavePlatformsOnBothSides) {
    build(contentTracks);
    std::vector<int> platforms;
    for (int n = firstTrack; n < lastTrack(); ++n)
        if (m->road(n).edgeStyle == 1)
            platforms.push_back(n);
    ASSERT_EQ(platforms.size(), 4u);
    // Platforms are long enough for a train of four 800-unit carriages to stop wholly alongside.
    for (int n : platforms)
        EXPECT_GE(m->road(n).length, 3500) << n;
}

// The terminus siding runs into the track sink 699 and reverses onto a platform track long enough to take the
// whole train, which leads back onto the oval.
TEST_F(LittleTrains, SidingEndsAtTheStubAndReversesOntoItsTwin) {
    build(contentTracks);
    std::vector<int> sidings;
    for (int n = firstTrack; n < lastTrack(); ++n)
        if (std::count(m->road(n).next, m->road(n).next + 3, riverStub) > 0)
            sidings.push_back(n);
    ASSERT_EQ(sidings.size(), 1u);
    const RoadRecord& siding = m->road(sidings[0]);
    EXPECT_EQ(siding.next[0], riverStub);
    EXPECT_EQ(siding.next[1], riverStub);
    EXPECT_EQ(siding.next[2], riverStub);
    EXPECT_EQ(siding.edgeStyle, 1);
    const int twin = siding.control;
    ASSERT_GE(twin, firstTrack);
    ASSERT_LT(twin, lastTrack());
    const RoadRecord& back = m->road(twin);
    // A reversed four-carriage train is placed up to 4 x 800 + 130 + 3 x 130 / 3 units along the twin.
    EXPECT_GE(back.length, 4 * 800 + 130 + 130);
    // The twin starts beside the siding's end and runs the other way.
    EXPECT_LT(std::hypot(double(back.startX) - siding.endX(), double(back.startY) - siding.endY()), 1500);
    EXPECT_LT(back.dirYi * siding.dirYi + back.dirXi * siding.dirXi, 0);
    // From the twin a train gets back to the boundary and round the loops.
    EXPECT_EQ(reachableFrom(twin).count(m->boundaryTracks[0]), 1u);
}

// Both tracks of the oval are closed loops that a train can run round without leaving.
TEST_F(LittleTrains, TrainsCanRunRoundBothLoops) {
    build(contentTracks);
    for (int start : {500, 513}) {
        int n = start, steps = 0;
        std::set<int> visited;
        do {
            ASSERT_TRUE(visited.insert(n).second) << "loop from " << start << " revisits " << n;
            ASSERT_LT(gap(n, m->road(n).next[0]), 10) << n;
            n = m->road(n).next[0];
        } while (n != start && ++steps < 50);
        EXPECT_EQ(n, start);
        EXPECT_EQ(visited.size(), 13u);
    }
}

TEST_F(LittleTrains, BoundaryTrackLeavesAtTheEdgeAndFeedsTheLineIn) {
    build(contentTracks);
    int used = 0;
    for (int32_t t : m->boundaryTracks) {
        if (t == -1)
            continue;
        ++used;
        ASSERT_TRUE(isBuilt(*m, t));
        const RoadRecord& r = m->road(t);
        EXPECT_EQ(r.endY(), m->extentMinY) << t;
        const RoadRecord& in = m->road(r.next[0]);
        EXPECT_EQ(in.startY, m->extentMinY);
        // Every track of the oval is reachable from the line in.
        auto reach = reachableFrom(r.next[0]);
        for (int n = 500; n < 526; ++n)
            EXPECT_EQ(reach.count(n), 1u) << n;
    }
    EXPECT_EQ(used, 1);
}

// Trains vanish under the road bridge (x 18000, four straights, clear of the station) and where the curves of the line out and of
// the terminus dive under a track of the oval (two curves); nothing else hides.
TEST_F(LittleTrains, HiddenCellsOnlyUnderBridges) {
    build(contentRoads | contentTracks);
    int straights = 0, curves = 0;
    for (int n = firstTrack; n < lastTrack(); ++n) {
        const int cells = hiddenCells(n);
        if (cells == 0)
            continue;
        const RoadRecord& r = m->road(n);
        EXPECT_EQ(cells, 2 * underpassHalf(260, 200) / 10 + 1) << n; // the road or track above and half a carriage
        int first = 0;
        while (!cellSet(r.hiddenBits, first))
            ++first;
        const double mid = (first + cells / 2) * 10 + 5, t = mid / r.length;
        if (r.arc()) {
            ++curves;
            // The hidden middle lies on a horizontal track of the oval that the curve passes under.
            const double a = r.angle + (r.clockwise ? -1 : 1) * mid / r.radius;
            const double y = r.centreY - std::sin(a) * r.radius;
            EXPECT_TRUE(std::abs(y - 4355) < 40 || std::abs(y - 13355) < 40) << n << " hides at y " << y;
        } else {
            ++straights;
            EXPECT_NEAR(r.startX - t * r.backX, 18000, 10) << n;
            EXPECT_EQ(r.edgeStyle, 0) << n << ": the bridge must not cross a platform";
        }
    }
    EXPECT_EQ(straights, 4);
    EXPECT_EQ(curves, 2);
    for (int n = 0; n < m->roadCount; ++n)
        EXPECT_EQ(hiddenCells(n), 0) << n;
}
