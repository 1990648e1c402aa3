// Primitives: point notations, fixed arguments and the geometry of two-way, grid and roundabout pieces.
#include <gtest/gtest.h>

#include <memory>

#include "support/ModelFixture.h"

#include "model/Primitives.h"

using namespace jamlog;

using Fixture = ModelFixture;

TEST_F(Fixture, PointNotations) {
    EXPECT_EQ(cellPoint(1812).x, 18000); EXPECT_EQ(cellPoint(1812).y, 12000);
    EXPECT_EQ(finePoint(120047).x, 12000); EXPECT_EQ(finePoint(120047).y, 4700);
}

TEST_F(Fixture, TwoWayRoadsLieOnOppositeSides) {
    b.twoWay(0, 1, 1010, 2010, 0, 5, 6, 0, 0, 0, 1);
    const RoadRecord &a = m->road(0), &r = m->road(1);
    EXPECT_LT(a.startY, 10000); // eastbound, offset to its left on screen (north)
    EXPECT_GT(r.startY, 10000); // westbound, offset to its own left (south)
    EXPECT_EQ(a.next[0], 5); EXPECT_EQ(r.next[2], 6);
    EXPECT_EQ(a.endX(), r.startX);
}

TEST_F(Fixture, GridStreetSuccessorsFollowGrid) {
    b.gridStreet(3, 1010, 1020, 40, 250);
    const RoadRecord& r = m->road(3);
    EXPECT_EQ(r.next[0], 48); EXPECT_EQ(r.next[1], 40); EXPECT_EQ(r.next[2], 44);
    EXPECT_EQ(r.length, 10000 - 500);
    EXPECT_EQ(r.control, -1);
}

TEST_F(Fixture, RoundaboutQuartersJoinRound) {
    b.roundaboutShape(0, 505, 800);
    for (int q = 0; q < 4; ++q) b.roundaboutArc(0, q, q, 1, (q + 1) % 4, (q + 1) % 4, (q + 1) % 4, 3, -1);
    for (int q = 0; q < 4; ++q) {
        const RoadRecord &r = m->road(q), &n = m->road((q + 1) % 4);
        EXPECT_EQ(r.kind, 1); EXPECT_EQ(r.radius, 800); EXPECT_EQ(r.centreX, 5000);
        EXPECT_NEAR(r.endX(), n.startX, 1); EXPECT_NEAR(r.endY(), n.startY, 1);
        EXPECT_NEAR(r.length, 1256, 2); // a quarter of 2 pi 800
    }
}

TEST_F(Fixture, LinkAndFilletMeetTheirRoads) {
    b.straightRoad(0, 1010, 2010, 0, 2, 2, 2, -1);
    b.straightRoad(1, 2515, 2525, 0, 1, 1, 1, -1);
    b.linkRoads(2, 0, 0, 1, 1, 1, 0, 0, 1);
    EXPECT_EQ(m->road(2).startX, 20000); EXPECT_EQ(m->road(2).endY(), 15000);
    b.filletRoads(3, 0, 1, 1, 1, 1, 0, 1);
    const RoadRecord& f = m->road(3);
    EXPECT_EQ(f.centreX, 20000); EXPECT_EQ(f.centreY, 15000); EXPECT_EQ(f.radius, 5000);
}
