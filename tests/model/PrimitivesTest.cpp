// Primitives: point notations, fixed arguments and the geometry of two-way, grid and roundabout pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "support/ModelFixture.h"

#include "model/Primitives.h"

using namespace jamlog;

using Fixture = ModelFixture;

TEST_F(Fixture, PointNotations) {
    EXPECT_EQ(cellPoint(1812).x, 18000);
    EXPECT_EQ(cellPoint(1812).y, 12000);
    EXPECT_EQ(finePoint(120047).x, 12000);
    EXPECT_EQ(finePoint(120047).y, 4700);
}

TEST_F(Fixture, TwoWayRoadsLieOnOppositeSides) {
    b.twoWay(0, 1, {.from = 1010, .to = 2010, .nextA = 5, .nextB = 6, .offset = 1});
    const RoadRecord &a = m->road(0), &r = m->road(1);
    EXPECT_LT(a.startY, 10000); // eastbound, offset to its left on screen (north)
    EXPECT_GT(r.startY, 10000); // westbound, offset to its own left (south)
    EXPECT_EQ(a.next[0], 5);
    EXPECT_EQ(r.next[2], 6);
    EXPECT_EQ(a.endX(), r.startX);
}

TEST_F(Fixture, GridStreetSuccessorsFollowGrid) {
    b.gridStreet(3, 1010, 1020, 40, 250);
    const RoadRecord& r = m->road(3);
    EXPECT_EQ(r.next[0], 48);
    EXPECT_EQ(r.next[1], 40);
    EXPECT_EQ(r.next[2], 44);
    EXPECT_EQ(r.length, 10000 - 500);
    EXPECT_EQ(r.control, -1);
}

TEST_F(Fixture, RoundaboutQuartersJoinRound) {
    b.roundaboutShape(0, 505, 800);
    for (int q = 0; q < 4; ++q)
        b.roundaboutArc(q, {.roundabout = 0, .quarter = q, .topLanes = 1, .next = (q + 1) % 4, .style = 3});
    for (int q = 0; q < 4; ++q) {
        const RoadRecord &r = m->road(q), &n = m->road((q + 1) % 4);
        EXPECT_EQ(r.kind, 1);
        EXPECT_EQ(r.radius, 800);
        EXPECT_EQ(r.centreX, 5000);
        EXPECT_NEAR(r.endX(), n.startX, 1);
        EXPECT_NEAR(r.endY(), n.startY, 1);
        EXPECT_NEAR(r.length, 1256, 2); // a quarter of 2 pi 800
    }
}

TEST_F(Fixture, LinkAndFilletMeetTheirRoads) {
    b.straightRoad(0, {.from = 1010, .to = 2010, .next = 2});
    b.straightRoad(1, {.from = 2515, .to = 2525, .next = 1});
    b.linkRoads(2, {.next = 1, .fromRoad = 0, .toRoad = 1});
    EXPECT_EQ(m->road(2).startX, 20000);
    EXPECT_EQ(m->road(2).endY(), 15000);
    b.filletRoads(3, {.next = 1, .cw = 1, .fromRoad = 0, .toRoad = 1});
    const RoadRecord& f = m->road(3);
    EXPECT_EQ(f.centreX, 20000);
    EXPECT_EQ(f.centreY, 15000);
    EXPECT_EQ(f.radius, 5000);
}

// The renderer clips each quarter to its outline: the square of half side r about the quarter's bounding corner
// holds the whole quadrant, the lanes either side of the ring's circle included.
TEST_F(Fixture, RoundaboutQuarterOutlineHoldsItsWholeQuadrant) {
    const int r = 800, cx = 5000, cy = 5000;
    b.roundaboutShape(0, 505, r);
    const double pi = 3.14159265358979;
    for (int q = 0; q < 4; ++q) {
        b.roundaboutArc(q, {.roundabout = 0, .quarter = q, .topLanes = 1, .next = 0, .style = 3});
        const RoadRecord& a = m->road(q);
        const int32_t* corner = &m->roundabouts[0].corners[2 * q];
        int minX = a.outline[0], maxX = a.outline[0], minY = a.outline[1], maxY = a.outline[1];
        for (int i = 1; i < 4; ++i) {
            minX = std::min(minX, a.outline[2 * i]);
            maxX = std::max(maxX, a.outline[2 * i]);
            minY = std::min(minY, a.outline[2 * i + 1]);
            maxY = std::max(maxY, a.outline[2 * i + 1]);
        }
        EXPECT_EQ(minX, corner[0] - r);
        EXPECT_EQ(maxX, corner[0] + r) << "quarter " << q;
        EXPECT_EQ(minY, corner[1] - r);
        EXPECT_EQ(maxY, corner[1] + r) << "quarter " << q;
        // Quarter q sweeps clockwise on the screen from compass point q: west, north, east, south.
        for (int step = 1; step < 10; ++step) {
            const double t = pi + q * pi / 2 + step * (pi / 2) / 10; // screen angle, y down
            for (int radius : {r - 2 * m->laneWidth, r + 2 * m->laneWidth}) {
                const double x = cx + radius * std::cos(t), y = cy + radius * std::sin(t);
                EXPECT_TRUE(x >= minX && x <= maxX && y >= minY && y <= maxY)
                    << "quarter " << q << " step " << step << " radius " << radius;
            }
        }
    }
}
