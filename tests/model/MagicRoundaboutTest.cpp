// "Magic Roundabout": catalogue figures, a clean check, the rings and their shapes, and the ways out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "support/ModelFixture.h"

#include "model/LayoutChecker.h"
#include "model/layouts/Layouts.h"

using namespace jamlog;

namespace {

struct Magic : ModelFixture {
    LayoutArgs a;
    void SetUp() override {
        ModelFixture::SetUp();
        buildEndStubs(b);
        a.contentFlags = contentRoads | contentTracks | contentRivers | contentPelican;
        a.cars = 201;
        a.trains = 40;
        a.boats = 10;
        layoutEntry(8).routine(b, a);
    }
    std::set<int> boundaries() const {
        std::set<int> s;
        for (int32_t r : m->boundaryRoads)
            if (r != -1)
                s.insert(r);
        return s;
    }
};

} // namespace

TEST_F(Magic, CatalogueFiguresAndScaledCounts) {
    EXPECT_EQ(a.name, "Magic Roundabout");
    EXPECT_EQ(m->roadCount, 80);
    EXPECT_EQ(m->trackCount, 0);
    EXPECT_EQ(m->riverCount, 0);
    EXPECT_EQ(m->trackAdjust, 0);
    EXPECT_EQ(m->driveOnLeft, 1);
    EXPECT_EQ(a.contentFlags, contentRoads); // tracks, rivers and pelicans are dropped
    EXPECT_EQ(a.cars, 100);                  // 201 / 2, truncated
    EXPECT_EQ(a.trains, 40);
    EXPECT_EQ(a.boats, 10);
    EXPECT_EQ(m->extentMinX, 1000);
    EXPECT_EQ(m->extentMinY, 4000);
    EXPECT_EQ(m->extentMaxX, 19000);
    EXPECT_EQ(m->extentMaxY, 18000);
}

TEST_F(Magic, PassesTheCheckerWithoutWarnings) {
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
    // Every road is long enough for a car and wholly covered by its lane strips.
    for (int n = 0; n < m->roadCount; ++n) {
        EXPECT_GE(m->road(n).length, 400) << n;
        EXPECT_LE(m->road(n).length, maxLaneLength) << n;
    }
}

// Five rings of four quarters: every quarter has kind 1, starts and ends on its shape's compass points and
// leads either on round its own ring or out of it.
TEST_F(Magic, RingQuartersFollowTheirShapes) {
    int ringRoads = 0;
    std::set<int> radii;
    for (int n = 0; n < m->roadCount; ++n)
        if (m->road(n).kind == 1)
            ++ringRoads;
    EXPECT_EQ(ringRoads, 20);
    for (int shape = 0; shape < 5; ++shape) {
        const RoundaboutShape& s = m->roundabouts[static_cast<size_t>(shape)];
        ASSERT_GT(s.radius, 0) << "shape " << shape;
        radii.insert(s.radius);
        const int first = shape < 4 ? 12 * shape : 48;
        for (int q = 0; q < 4; ++q) {
            const RoadRecord& r = m->road(first + q);
            EXPECT_EQ(r.kind, 1) << first + q;
            EXPECT_EQ(r.clockwise, 1) << first + q;
            EXPECT_EQ(r.centreX, (s.compass[0] + s.compass[4]) / 2) << first + q;
            EXPECT_EQ(r.radius, s.radius) << first + q;
            EXPECT_EQ(r.startX, s.compass[2 * q]) << first + q;
            EXPECT_EQ(r.startY, s.compass[2 * q + 1]) << first + q;
            EXPECT_EQ(r.next[2], first + (q + 1) % 4) << "quarter " << first + q << " must lead on round";
        }
    }
    EXPECT_EQ(radii, (std::set<int>{300, 800}));
}

// Each approach to a ring gives way to the quarter that arrives where it joins.
TEST_F(Magic, EntriesGiveWayToTheArrivingQuarter) {
    int entries = 0;
    for (int n = 0; n < m->roadCount; ++n) {
        const RoadRecord& r = m->road(n);
        if (r.kind == 1 || m->road(r.next[0]).kind != 1)
            continue;
        ++entries;
        ASSERT_GE(r.control, 0) << "road " << n << " enters a ring without giving way";
        const RoadRecord& p = m->road(r.control);
        EXPECT_EQ(p.kind, 1) << n;
        EXPECT_LT(std::hypot(double(p.endX()) - r.endX(), double(p.endY()) - r.endY()), 200) << n;
    }
    EXPECT_EQ(entries, 20);
}

TEST_F(Magic, BoundaryRoadsRunOffTheEdgeAndFeedAnEntry) {
    const auto edge = boundaries();
    ASSERT_EQ(edge.size(), 4u);
    for (int r : edge) {
        ASSERT_TRUE(isBuilt(*m, r));
        const RoadRecord& road = m->road(r);
        const bool atEdge = road.endX() <= m->extentMinX || road.endX() >= m->extentMaxX ||
                            road.endY() <= m->extentMinY || road.endY() >= m->extentMaxY;
        EXPECT_TRUE(atEdge) << r << " ends at " << road.endX() << "," << road.endY();
        // Vehicles enter on the boundary road's successor, which must start at the same edge.
        const RoadRecord& in = m->road(road.next[0]);
        EXPECT_LT(std::hypot(double(in.startX) - road.endX(), double(in.startY) - road.endY()), 300) << r;
        EXPECT_EQ(edge.count(road.next[0]), 0u);
    }
}

// From every road a vehicle can reach every boundary: no part of the network is a one-way trap.
TEST_F(Magic, EveryRoadReachesEveryBoundary) {
    for (int target : boundaries()) {
        std::vector<char> reach(80, 0);
        reach[static_cast<size_t>(target)] = 1;
        for (bool grew = true; grew;) {
            grew = false;
            for (int n = 0; n < 80; ++n)
                if (!reach[static_cast<size_t>(n)])
                    for (int s : m->road(n).next)
                        if (s >= 0 && s < 80 && reach[static_cast<size_t>(s)]) {
                            reach[static_cast<size_t>(n)] = 1;
                            grew = true;
                            break;
                        }
        }
        EXPECT_EQ(std::count(reach.begin(), reach.end(), 1), 80) << "boundary " << target;
    }
}
