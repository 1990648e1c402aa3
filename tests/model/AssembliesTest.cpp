// Assemblies: rings close, roundabout arms meet their quarters, light junction arcs end at the exits.
#include <gtest/gtest.h>

#include "ArcOutlineCheck.h"

#include <cmath>
#include <memory>

#include "support/ModelFixture.h"

#include "model/Assemblies.h"

using namespace jamlog;

namespace {
struct Asm : ModelFixture {
    double gap(int from, int to) {
        const RoadRecord &f = m->road(from), &t = m->road(to);
        return std::hypot(double(f.endX()) - t.startX, double(f.endY()) - t.startY);
    }
};
} // namespace

TEST_F(Asm, RingRoundaboutClosesAndOffersExits) {
    ringRoundabout(b, {.base = 10, .centre = {20000, 20000}, .halfSize = 2000, .exits = {30, 31, 32, 33}});
    for (int i = 0; i < 8; ++i) {
        int next = 10 + (i + 1) % 8;
        EXPECT_LT(gap(10 + i, next), 60) << "segment " << i; // chord-based offsets of arcs and sides differ by 55
        EXPECT_EQ(m->road(10 + i).next[2], next);
        EXPECT_EQ(m->road(10 + i).edgeStyle, 3);
    }
    EXPECT_EQ(m->road(12).next[0], 31);
    EXPECT_NE(m->road(12).centreX, 0);
    EXPECT_EQ(m->road(13).centreX, 0);
}

// Each corner arc is clipped to an outline that holds its whole two-lane band, at the small size of the test
// layout and a large one.
TEST_F(Asm, RingRoundaboutArcsLieInsideTheirOutlines) {
    for (int s : {500, 2000}) {
        ringRoundabout(b, {.base = 10, .centre = {20000, 20000}, .halfSize = s, .exits = {30, 31, 32, 33}});
        for (int arc = 10; arc < 18; arc += 2) {
            EXPECT_FALSE(arccheck::outlineCrossesItself(m->road(arc))) << "size " << s << " arc " << arc;
            EXPECT_EQ(arccheck::pointsOutsideOutline(m->road(arc), 1.5 * m->laneWidth), 0)
                << "size " << s << " arc " << arc;
        }
    }
}

TEST_F(Asm, RingTemplateIsTurned) {
    ringTemplate(b, 0, {20, 21, 22, 23});
    EXPECT_EQ(m->road(1).next[0], 20); // straights carry the exits here
    EXPECT_EQ(m->road(0).next[0], 1);
    for (int i = 0; i < 8; ++i)
        EXPECT_LT(gap(i, (i + 1) % 8), 60) << "segment " << i;
    // The first arc's start (-500, -250) turned by 45 degrees and moved one unit.
    double a = 45 * 3.14159267 / 180;
    EXPECT_NEAR(m->road(0).startX, -500 * std::cos(a) + 250 * std::sin(a) + 1, 60);
}

TEST_F(Asm, FourArmRoundaboutJoinsEntriesToRing) {
    fourArmRoundabout(b, {.roundabout = 0, .ringLanes = 1, .radius = 600, .exits = {40, 41, 42, 43}});
    for (int k = 0; k < 4; ++k) {
        const RoadRecord& entry = m->road(4 + 2 * k);
        EXPECT_EQ(entry.control, k);
        EXPECT_EQ(entry.next[0], (k + 1) % 4);
        EXPECT_EQ(m->road(5 + 2 * k).indicator, 4);
        EXPECT_EQ(m->road(5 + 2 * k).next[0], 40 + k);
        EXPECT_EQ(m->road(k).next[0], 5 + 2 * k);
        EXPECT_EQ(m->road(k).edgeStyle, 1);
        // The entry ends a little short of the compass point its quarter arrives at.
        EXPECT_LT(std::hypot(double(entry.endX()) - m->road(k).endX(), double(entry.endY()) - m->road(k).endY()), 250);
    }
}

TEST_F(Asm, LightJunctionArcsEndOnTheirCrossingsExits) {
    lightJunction(b, {.group = 2,
                      .mode = 16 + 3,
                      .base = 20,
                      .centre = 1010,
                      .approaches = {1, 2, 3, 4},
                      .exits = {5, 6, 7, 8},
                      .offset = 1,
                      .halfSize = 500});
    const LightGroup& g = m->lightGroups[2];
    EXPECT_EQ(g.mode, 3);
    EXPECT_EQ(g.hasLights, 1);
    EXPECT_EQ(g.arms[3], 4);
    for (int k = 0; k < 4; ++k) {
        const RoadRecord &straight = m->road(20 + k), &right = m->road(24 + k), &left = m->road(28 + k);
        EXPECT_EQ(straight.boxCode, k + 1);
        EXPECT_EQ(straight.control, 19);
        EXPECT_EQ(straight.edgeStyle, 9);
        EXPECT_EQ(right.clockwise, 1);
        EXPECT_EQ(right.indicator, 8);
        EXPECT_EQ(left.clockwise, 0);
        EXPECT_EQ(left.indicator, 4);
        EXPECT_EQ(right.startX, straight.startX);
        EXPECT_EQ(left.startY, straight.startY);
        EXPECT_GT(right.length, left.length); // the right turn crosses the junction
        EXPECT_EQ(straight.next[0], 5 + (k + 2) % 4);
    }
    // The left turn from the north arm ends where the crossing from the west arm starts its exit side.
    EXPECT_EQ(m->road(28).endX(), 10500);
}

#include "model/LayoutChecker.h"
#include "model/RoundaboutInterchange.h"

TEST_F(Asm, RoundaboutInterchangePassesTheChecker) {
    roundaboutInterchange(b, {499, 499, 499, 499});
    b.straightRoad(roadStub, {.from = 9899, .to = 9999, .next = 599});
    b.straightRoad(trackStub, {.from = 9899, .to = 9999, .next = 599});
    b.straightRoad(riverStub, {.from = 9899, .to = 9999, .next = 699});
    m->roadCount = 28;
    m->boundaryRoads = {2, 5, 8, 11, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    m->extentMinX = m->extentMinY = -1000;
    m->extentMaxX = m->extentMaxY = 15000;
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
    EXPECT_EQ(m->road(0).next[2], 20);
    EXPECT_EQ(m->road(1).control, 1021);
    EXPECT_EQ(m->road(20).control, 18);
    EXPECT_EQ(m->road(23).indicator, 4);
    EXPECT_TRUE(cellSet(m->road(7).hiddenBits, 300));
    EXPECT_FALSE(cellSet(m->road(7).hiddenBits, 200));
    EXPECT_NEAR(m->road(13).radius, 500, 3); // the via point is rounded to whole units
}
