// "T: Junctions": catalogue figures, a clean check, every road reaching a boundary, the light groups and the
// junction kinds it shows (four-arm roundabouts of three sizes, the ring roundabout, the interchange, the give-way
// T junction and the loops).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "model/BuildLayout.h"
#include "model/LayoutChecker.h"
#include "model/LayoutRoutine.h"
#include "model/LoopOutlineCheck.h"
#include "model/Primitives.h"
#include "model/RoundaboutInterchange.h"

using namespace jamlog;

namespace {

struct TestJunctions : ::testing::Test {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    BuildResult r;
    void SetUp() override {
        clearModel(*m);
        BuildParams p;
        p.layout = 29;
        Rng rng(5);
        r = buildLayout(*m, rng, p);
    }
    bool isBoundary(int road) const {
        for (int b : m->boundaryRoads)
            if (b == road)
                return true;
        return false;
    }
    double gap(int from, int to) const {
        const RoadRecord &f = m->road(from), &t = m->road(to);
        return std::hypot(double(f.endX()) - t.startX, double(f.endY()) - t.startY);
    }
};

} // namespace

TEST_F(TestJunctions, CatalogueFigures) {
    EXPECT_EQ(r.name, "T: Junctions");
    EXPECT_EQ(m->roadCount, 142);
    EXPECT_EQ(m->trackCount, 0);
    EXPECT_EQ(m->riverCount, 0);
    EXPECT_EQ(r.contentFlags, contentRoads);
    EXPECT_EQ(r.cars, 600);
    EXPECT_EQ(m->extentMinX, 2000);
    EXPECT_EQ(m->extentMinY, 2000);
    EXPECT_EQ(m->extentMaxX, 26000);
    EXPECT_EQ(m->extentMaxY, 18000);
    EXPECT_EQ(m->driveOnLeft, 1);
}

TEST_F(TestJunctions, CheckerIsClean) {
    for (const LayoutProblem& p : checkLayout(*m))
        ADD_FAILURE() << "record " << p.road << ": " << p.text;
}

TEST_F(TestJunctions, EveryRoadReachesABoundaryAndEveryBoundaryLiesOnTheEdge) {
    int boundaries = 0;
    for (int b : m->boundaryRoads) {
        if (b < 0)
            continue;
        ++boundaries;
        ASSERT_LT(b, m->roadCount);
        const RoadRecord& road = m->road(b);
        const bool onEdge = road.endX() <= 2100 || road.endX() >= 25900 || road.endY() <= 2100 || road.endY() >= 17900;
        EXPECT_TRUE(onEdge) << "boundary " << b;
        // Vehicles enter on the boundary road's successor, beside it at the same edge (the motorway's
        // carriageways lie 1000 apart, the streets' directions 146).
        const RoadRecord& entry = m->road(road.next[0]);
        EXPECT_LE(std::hypot(double(entry.startX) - road.endX(), double(entry.startY) - road.endY()), 1000) << b;
    }
    EXPECT_EQ(boundaries, 12);
    for (int start = 0; start < m->roadCount; ++start) {
        std::vector<bool> seen(static_cast<size_t>(m->roadCount), false);
        std::vector<int> todo{start};
        bool reached = false;
        while (!todo.empty() && !reached) {
            const int n = todo.back();
            todo.pop_back();
            if (seen[size_t(n)])
                continue;
            seen[size_t(n)] = true;
            if (isBoundary(n))
                reached = true;
            for (int s : m->road(n).next)
                if (s >= 0 && s < m->roadCount)
                    todo.push_back(s);
        }
        EXPECT_TRUE(reached) << "road " << start << " never reaches a boundary";
    }
}

TEST_F(TestJunctions, LightGroupsArmTheirApproaches) {
    int groups = 0;
    while (groups < 25 && m->lightGroups[size_t(groups)].mode != 0)
        ++groups;
    EXPECT_EQ(groups, 3); // two light junctions and the pelican crossing
    for (int g = 0; g < groups; ++g) {
        const LightGroup& lg = m->lightGroups[size_t(g)];
        for (int arm : lg.arms) {
            ASSERT_GE(arm, 0);
            EXPECT_LT(arm, m->roadCount);
            EXPECT_EQ(m->road(arm).boxCode, 0) << "group " << g << " arm " << arm; // approaches lie outside boxes
        }
    }
    EXPECT_EQ(m->lightGroups[2].mode, 12);
    EXPECT_EQ(m->lightGroups[0].hasLights, 0);
}

TEST_F(TestJunctions, JunctionKindsArePresent) {
    EXPECT_EQ(m->roundabouts[0].radius, 600);
    EXPECT_EQ(m->roundabouts[1].radius, 800);
    EXPECT_EQ(m->roundabouts[2].radius, 80);
    int ring = 0, twoLaneRing = 0, giveWay = 0;
    for (int n = 0; n < m->roadCount; ++n) {
        const RoadRecord& road = m->road(n);
        ring += road.kind == 1;
        twoLaneRing += road.kind == 1 && road.topLane == 1;
        giveWay += road.boxCode == 0 && road.control >= 0 && road.control < m->roadCount;
    }
    EXPECT_EQ(ring, 20); // three four-arm rings and the interchange's
    EXPECT_EQ(twoLaneRing, 12);
    EXPECT_GT(giveWay, 12);
    // The mini roundabout's quarters ring its centre and lead round.
    for (int q = 0; q < 4; ++q) {
        const RoadRecord& quarter = m->road(130 + q);
        EXPECT_EQ(quarter.centreX, 22000);
        EXPECT_EQ(quarter.centreY, 16000);
        EXPECT_EQ(quarter.next[2], 130 + (q + 1) % 4);
    }
    // The T junction: the minor road gives way to the southbound major road and turns both ways.
    int minorRoad = -1; // the minor road leads into the left turn, road 138
    for (int n = 0; n < m->roadCount; ++n)
        if (n != 138 && m->road(n).next[0] == 138)
            minorRoad = n;
    ASSERT_GE(minorRoad, 0);
    const RoadRecord& minor = m->road(minorRoad);
    EXPECT_NE(minor.next[0], minor.next[2]);
    const RoadRecord& major = m->road(minor.control);
    EXPECT_GT(major.endY(), major.startY); // southbound
    EXPECT_LT(gap(minorRoad, 138), 2);
    EXPECT_LT(gap(138, m->road(138).next[0]), 2);
}

// The two one-way loops leave their streets where the street piece they give way to starts and lead into the same
// road as that piece; both show whole in their clip outlines (the one right of the second vertical road is almost a
// half circle).
TEST_F(TestJunctions, LoopsShowWholeBesideTheirStreets) {
    int loops = 0;
    for (int n = 0; n < m->roadCount; ++n) {
        const RoadRecord& road = m->road(n);
        if (road.centreX == 0 || road.control < 0 || road.control >= m->roadCount)
            continue;
        const RoadRecord& street = m->road(road.control);
        if (street.startX != road.startX || street.startY != road.startY || street.next[0] != road.next[0])
            continue;
        ++loops;
        EXPECT_EQ(loopcheck::outlineFault(road, m->road(road.control), m->laneWidth), "") << "loop " << n;
    }
    EXPECT_EQ(loops, 2);
}

// The interchange is its template on roads 0-27 moved by (2000, 2000): motorway from the west edge, cross road
// from the north edge, carried on to the south edge by a spur of the same two-lane carriageways.
TEST_F(TestJunctions, InterchangeIsTheTemplateMovedIntoPlace) {
    auto t = std::make_unique<NetworkModel>();
    clearModel(*t);
    t->laneWidth = m->laneWidth;
    Builder tb(*t);
    roundaboutInterchange(tb, {30, 0, 28, 6});
    for (int n = 0; n < 28; ++n) {
        const RoadRecord &a = m->road(n), &z = t->road(n);
        EXPECT_NEAR(a.startX, z.startX + 2000, 1) << n;
        EXPECT_NEAR(a.startY, z.startY + 2000, 1) << n;
        EXPECT_NEAR(a.length, z.length, 1) << n;
        EXPECT_EQ(a.control, z.control) << n;
        EXPECT_EQ(a.topLane, z.topLane) << n;
        EXPECT_EQ(countCells(a.hiddenBits, 0, cellBits - 1), countCells(z.hiddenBits, 0, cellBits - 1)) << n;
    }
    EXPECT_EQ(m->road(0).startX, m->extentMinX);  // in at the west edge
    EXPECT_EQ(m->road(6).startY, m->extentMinY);  // and at the north edge
    EXPECT_EQ(m->road(28).endY(), m->extentMaxY); // the spur out at the south edge
    EXPECT_EQ(m->road(8).next[0], 28);
    EXPECT_EQ(m->road(29).next[0], 9);
    EXPECT_EQ(m->road(28).topLane, 1);
    EXPECT_LT(gap(8, 28), 2);
    EXPECT_LT(gap(29, 9), 2);
}

// The motorway ends in the ring roundabout on roads 32-39: the ring closes, each arc leads out by its arm and on
// round, and every entry joins the arc after a side and gives way to that side.
TEST_F(TestJunctions, MotorwayEndsInTheRingRoundabout) {
    constexpr int ring = 32;
    for (int i = 0; i < 8; ++i) {
        const int next = ring + (i + 1) % 8;
        EXPECT_LT(gap(ring + i, next), 60) << "segment " << i;
        EXPECT_EQ(m->road(ring + i).next[2], next);
    }
    EXPECT_EQ(m->road(2).next[0], 30); // the eastbound motorway into its link
    EXPECT_EQ(m->road(31).next[0], 3); // and out of the ring onto the westbound one
    EXPECT_EQ(m->road(ring + 6).next[0], 31);
    int entries = 0;
    for (int n = 0; n < m->roadCount; ++n) {
        const RoadRecord& r = m->road(n);
        if (n >= ring && n < ring + 8)
            continue;
        for (int arc = ring; arc < ring + 8; arc += 2)
            if (r.next[0] == arc) {
                ++entries;
                EXPECT_EQ(r.control, ring + (arc - ring + 7) % 8) << "entry " << n;
                EXPECT_LT(gap(n, arc), 300) << "entry " << n;
            }
    }
    EXPECT_EQ(entries, 4);
    for (int arc = ring; arc < ring + 8; arc += 2) {
        const int exit = m->road(arc).next[0];
        EXPECT_NE(exit, m->road(arc).next[2]);
        EXPECT_LT(gap(arc, exit), 300) << "arc " << arc;
        EXPECT_EQ(m->road(exit).indicator, 4) << "exit " << exit;
    }
}
