// Street plans: road numbering, successors resolved at junctions, joints, edges and roundabout arms.
#include <gtest/gtest.h>

#include <cmath>

#include "model/LoopOutlineCheck.h"
#include "support/ModelFixture.h"

#include "model/LayoutChecker.h"
#include "model/layouts/StreetPlan.h"

using namespace jamlog;

namespace {

struct Plan : ModelFixture {
    void finish(int roads) {
        m->roadCount = roads;
        m->extentMinX = m->extentMinY = 0;
        m->extentMaxX = m->extentMaxY = 30000;
        for (int stub : {roadStub, trackStub, riverStub})
            b.straightRoad(stub, {.from = 9899, .to = 9999, .next = 599});
    }
};

} // namespace

TEST_F(Plan, CrossroadsBetweenFourEdges) {
    StreetPlan p(b, 12);
    const int j = p.junction(1010, 0);
    const int n = p.edge(10000, 5000), e = p.edge(15000, 10000), s = p.edge(10000, 15000), w = p.edge(5000, 10000);
    p.straight(n, j);
    p.straight(j, e);
    p.straight(s, j);
    p.straight(j, w);
    EXPECT_EQ(p.build(1, false), 20);
    finish(20);
    // Links are numbered in declaration order, outbound before return.
    EXPECT_EQ(p.arriving(j, north), 12);
    EXPECT_EQ(p.leaving(j, north), 13);
    EXPECT_EQ(p.leaving(j, east), 14);
    EXPECT_EQ(p.arriving(j, south), 16);
    // The southbound approach stops at the box, trimmed by its half size, on its own side.
    EXPECT_EQ(m->road(12).endX(), 10000 + 72);
    EXPECT_EQ(m->road(12).endY(), 10000 - streetBoxHalfSize);
    EXPECT_EQ(m->road(12).next[0], 0);
    EXPECT_EQ(m->road(12).next[1], 8);
    EXPECT_EQ(m->road(12).next[2], 4);
    EXPECT_EQ(m->road(0).next[0], 17);  // straight on from the north leaves by the south arm
    EXPECT_EQ(m->road(13).next[0], 12); // out at the north edge, back in
    EXPECT_EQ(m->boundaryRoads[0], 13);
    EXPECT_EQ(m->boundaryRoads[4], -1);
    EXPECT_EQ(m->lightGroups[0].mode, 1);
    EXPECT_EQ(m->lightGroups[0].hasLights, 0); // a main junction: lit whatever the extras
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
}

TEST_F(Plan, JointsPassStraightThroughAndPelicansStopBothWays) {
    StreetPlan p(b, 0);
    const int w = p.edge(2000, 5000), mid = p.joint(6000, 5000, true), e = p.edge(10000, 5000);
    p.straight(w, mid);
    p.straight(mid, e);
    EXPECT_EQ(p.build(2, true), 4);
    EXPECT_EQ(m->road(0).next[0], 2);
    EXPECT_EQ(m->road(3).next[0], 1);
    EXPECT_EQ(m->road(0).endX(), 6000 - pelicanTrim);
    EXPECT_EQ(m->road(2).startX, 6000 + pelicanTrim);
    const LightGroup& g = m->lightGroups[0];
    EXPECT_EQ(g.mode, lightsPelican);
    EXPECT_EQ(g.hasLights, 0);
    // Both approaches to the crossing, each named twice.
    EXPECT_EQ(g.arms[0] + g.arms[1], 0 + 3);
    EXPECT_NE(g.arms[0], g.arms[1]);
    EXPECT_EQ(g.arms[2], g.arms[0]);
    EXPECT_EQ(g.arms[3], g.arms[1]);

    SetUp();
    StreetPlan q(b, 0);
    const int w2 = q.edge(2000, 5000), mid2 = q.joint(6000, 5000, true), e2 = q.edge(10000, 5000);
    q.straight(w2, mid2);
    q.straight(mid2, e2);
    q.build(2, false);
    EXPECT_EQ(m->lightGroups[0].mode, 0) << "no crossing lights when pelicans are off";
}

TEST_F(Plan, ArcLinkEndsOnItsNeighbours) {
    StreetPlan p(b, 0);
    const int w = p.edge(2000, 9000), bend = p.joint(5000, 9000), n = p.joint(9000, 5000), top = p.edge(9000, 2000);
    p.straight(w, bend);
    p.arc({.from = bend,
           .fromArm = east,
           .to = n,
           .toArm = south,
           .centre = {5000, 5000},
           .cw = 0}); // the way back leaves n heading south
    p.straight(n, top);
    EXPECT_EQ(p.build(1, false), 6);
    finish(6);
    const RoadRecord& up = m->road(2);
    EXPECT_EQ(up.centreX, 5000);
    EXPECT_EQ(up.clockwise, 0);
    EXPECT_EQ(m->road(3).clockwise, 1);
    EXPECT_EQ(up.radius, 4000 - 72) << "the left-hand arc lies on the inside of the bend";
    EXPECT_EQ(m->road(3).radius, 4000 + 72);
    EXPECT_LT(std::hypot(double(m->road(0).endX()) - up.startX, double(m->road(0).endY()) - up.startY), 2);
    EXPECT_LT(std::hypot(double(up.endX()) - m->road(4).startX, double(up.endY()) - m->road(4).startY), 10);
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
}

TEST_F(Plan, RoundaboutCopiedAwayFromTheTemplateKeepsItsExits) {
    StreetPlan p(b, 40);
    const auto arms = p.roundabout(3, 1010, 500, 0, 20);
    p.straight(p.edge(10000, 4000), arms[north]);
    p.straight(arms[east], p.edge(16000, 10000));
    p.straight(p.edge(10000, 16000), arms[south]);
    p.straight(arms[west], p.edge(4000, 10000));
    EXPECT_EQ(p.build(1, false), 48);
    EXPECT_EQ(m->road(40).next[0], 20 + 4); // into the north entry
    EXPECT_EQ(m->road(20 + 5).next[0], 41); // the north exit leads out to the edge
    EXPECT_EQ(m->road(20 + 4).control, 20);
    EXPECT_EQ(m->road(20).centreX, 10000);
    EXPECT_EQ(m->roundabouts[3].compass[0], 10000 - 500);
    EXPECT_EQ(m->road(20 + 4).startX, 10000 + 72);
    EXPECT_EQ(m->road(20 + 4).startY, 8000);
}

// A loop's clip outline holds it on a street in every direction, low (less than a half circle) or high (more than
// one, and tighter than nine lane widths, where the outline made up for a three-point arc crosses itself).
TEST_F(Plan, LoopOutlineHoldsTheLoopOffTheStreet) {
    struct Case {
        int32_t x1, y1, x2, y2;
        int bulge;
    };
    const Case cases[] = {{4000, 10000, 16000, 10000, 700},  {4000, 10000, 16000, 10000, 1400},
                          {16000, 10000, 4000, 10000, 900},  {10000, 4000, 10000, 16000, 500},
                          {10000, 16000, 10000, 4000, 1300}, {4000, 10000, 16000, 10000, 3000}};
    for (const Case& c : cases) {
        SetUp();
        StreetPlan p(b, 0);
        p.straightWithLoop(
            {.from = p.edge(c.x1, c.y1), .to = p.edge(c.x2, c.y2), .loopFrom = 3000, .loopTo = 5000, .bulge = c.bulge});
        EXPECT_EQ(p.build(1, false), 5);
        const RoadRecord& loop = m->road(p.loopRoad());
        ASSERT_EQ(loop.control, 1);
        EXPECT_EQ(loopcheck::outlineFault(loop, m->road(loop.control), m->laneWidth), "")
            << "street " << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2 << ", bulge " << c.bulge;
        // The outline, and with it the loop, lies on the nearside (left of travel) of the street.
        const double dx = c.x2 - c.x1, dy = c.y2 - c.y1;
        const double midX = loop.startX - loop.backX / 2.0, midY = loop.startY - loop.backY / 2.0;
        for (int i = 0; i < 4; ++i)
            EXPECT_GT((loop.outline[2 * i] - midX) * dy - (loop.outline[2 * i + 1] - midY) * dx, 0) << "corner " << i;
    }
    // The outline the builder makes up for the same loop is what the check exists for.
    SetUp();
    StreetPlan p(b, 0);
    p.straightWithLoop(
        {.from = p.edge(4000, 10000), .to = p.edge(16000, 10000), .loopFrom = 3000, .loopTo = 5000, .bulge = 1400});
    p.build(1, false);
    b.linkArc(p.loopRoad(), {.via = {8000, 10000 - 72 - 1400}, .next = 2, .cw = 1, .fromRoad = 0, .toRoad = 2});
    EXPECT_NE(loopcheck::outlineFault(m->road(p.loopRoad()), m->road(1), m->laneWidth), "");
}
