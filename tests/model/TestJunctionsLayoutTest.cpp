// "T: Junctions": catalogue figures, a clean check, every road reaching a boundary, the light groups and the
// junction kinds it shows (roundabouts of three sizes, the give-way T junction and the loop).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "model/BuildLayout.h"
#include "model/LayoutChecker.h"
#include "model/LayoutRoutine.h"

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
        const RoadRecord& entry = m->road(road.next[0]); // vehicles enter on the boundary road's successor
        EXPECT_LT(std::hypot(double(entry.startX) - road.endX(), double(entry.startY) - road.endY()), 400) << b;
    }
    EXPECT_EQ(boundaries, 14);
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
    EXPECT_EQ(groups, 5); // four light junctions and the pelican crossing
    for (int g = 0; g < groups; ++g) {
        const LightGroup& lg = m->lightGroups[size_t(g)];
        for (int arm : lg.arms) {
            ASSERT_GE(arm, 0);
            EXPECT_LT(arm, m->roadCount);
            EXPECT_EQ(m->road(arm).boxCode, 0) << "group " << g << " arm " << arm; // approaches lie outside boxes
        }
    }
    EXPECT_EQ(m->lightGroups[4].mode, 12);
    EXPECT_EQ(m->lightGroups[0].hasLights, 1);
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
    EXPECT_EQ(ring, 12);
    EXPECT_EQ(twoLaneRing, 4);
    EXPECT_GT(giveWay, 12);
    // The mini roundabout's quarters ring its centre and lead round.
    for (int q = 0; q < 4; ++q) {
        const RoadRecord& quarter = m->road(128 + q);
        EXPECT_EQ(quarter.centreX, 24000);
        EXPECT_EQ(quarter.centreY, 15000);
        EXPECT_EQ(quarter.next[2], 128 + (q + 1) % 4);
    }
    // The T junction: the minor road gives way to the southbound major road and turns both ways.
    const RoadRecord& minor = m->road(137);
    EXPECT_NE(minor.next[0], minor.next[2]);
    const RoadRecord& major = m->road(minor.control);
    EXPECT_GT(major.endY(), major.startY); // southbound
    EXPECT_LT(gap(137, 138), 2);
    EXPECT_EQ(minor.next[0], 138);
    EXPECT_LT(gap(138, m->road(138).next[0]), 2);
}
