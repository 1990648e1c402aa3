// Body geometry: straight roads with lateral offsets, arcs in both senses, straddling bodies.
#include <gtest/gtest.h>

#include <cmath>

#include "SimFixture.h"
#include "sim/PlaceOnRoad.h"

using namespace jamlog;

namespace {

using PlaceOnRoadTest = SimFixture;

TEST_F(PlaceOnRoadTest, StraightRoadEastwards) {
    b.straightRoad(0, 101, 501, 1, 0, 0, 0, -1); // (1000,1000) to (5000,1000)
    VehicleDrawRecord d;
    EXPECT_TRUE(placeOnRoad(m->road(0), d, 300, 200, 1, 130));
    EXPECT_EQ(d.axisX, 130);
    EXPECT_EQ(d.axisY, 0);
    EXPECT_EQ(d.rearX, m->road(0).startX + 300);
    EXPECT_EQ(d.rearY, m->road(0).startY + 130); // one lane width to the right of travel: down on the screen
    EXPECT_EQ(d.frontX, d.rearX + 200);
    EXPECT_EQ(d.frontY, d.rearY);
}

TEST_F(PlaceOnRoadTest, StraightDiagonalTruncatesEachCoordinate) {
    b.straightRaw(0, 0, 0, 3000, 4000, 0, 0, 0, 0, 0, -1); // direction (0.6, 0.8) x 130 = (78, 104)
    VehicleDrawRecord d;
    placeOnRoad(m->road(0), d, 101, 55, -1, 130);
    const RoadRecord& r = m->road(0);
    EXPECT_EQ(d.rearX, static_cast<int>(r.startX + r.dirY + 101 * r.dirX / 130));
    EXPECT_EQ(d.rearY, static_cast<int>(r.startY - r.dirX + 101 * r.dirY / 130));
    EXPECT_EQ(d.frontX - d.rearX, 33); // 55 x 0.6 = 33
    EXPECT_EQ(d.frontY - d.rearY, 44);
}

TEST_F(PlaceOnRoadTest, ArcCounterClockwiseAndClockwise) {
    RoadRecord r{};
    r.centreX = 10000, r.centreY = 10000, r.radius = 1000;
    r.angle = 0; // starts east of the centre
    r.clockwise = 0;
    VehicleDrawRecord d;
    const double quarter = 1000 * M_PI / 2;
    EXPECT_FALSE(placeOnRoad(r, d, 0, static_cast<int>(quarter), 0, 130));
    EXPECT_EQ(d.rearX, 11000);
    EXPECT_EQ(d.rearY, 10000);
    const double beta = static_cast<int>(quarter) / 1000.0;               // just short of a quarter turn
    EXPECT_EQ(d.frontX, 10000 + static_cast<int>(1000 * std::cos(beta))); // ends north of the centre (y up)
    EXPECT_EQ(d.frontY, 10000 - static_cast<int>(1000 * std::sin(beta)));
    EXPECT_EQ(d.frontY, 9001);
    EXPECT_EQ(d.axisX, static_cast<int>(-130 * std::sin(M_PI / 4)));
    EXPECT_EQ(d.axisY, static_cast<int>(-130 * std::cos(M_PI / 4)));
    r.clockwise = 1;
    placeOnRoad(r, d, 0, static_cast<int>(quarter), 1, 130); // lateral 1 on a clockwise arc: inside the curve
    EXPECT_EQ(d.frontX, 10000);
    EXPECT_EQ(d.frontY, 10000 + 869); // south of the centre on the inner radius 870
    // The rear point turns by gamma = |beta| x o / (|o| + radius) in the direction of travel.
    const double gamma = beta * 130 / 1130.0;
    EXPECT_EQ(d.rearX, 10000 + static_cast<int>(870 * std::cos(gamma)));
    EXPECT_EQ(d.rearY, 10000 - static_cast<int>(870 * std::sin(gamma)));
}

TEST_F(PlaceOnRoadTest, StraddlingBodyAcrossARightAngleIsStraightened) {
    b.straightRoad(0, 101, 501, 0, 1, 1, 1, -1); // east to (5000, 1000)
    b.straightRoad(1, 501, 505, 0, 1, 1, 1, -1); // then south
    VehicleDrawRecord d;
    // Front 80 units onto road 1, 120 units still on road 0.
    placeStraddling(m->road(1), 80 - 200, 0, m->road(0), 4000 - 120, 0, 200, 130, d);
    EXPECT_EQ(d.frontX, 5000);
    EXPECT_EQ(d.frontY, 1080);
    const double ex = 5000 - 4880, ey = 80, D = std::sqrt(ex * ex + ey * ey);
    EXPECT_EQ(d.axisX, static_cast<int>(130 * ex / D));
    EXPECT_EQ(d.axisY, static_cast<int>(130 * ey / D));
    EXPECT_EQ(d.rearX, 5000 - static_cast<int>(ex * 200 / D));
    EXPECT_EQ(d.rearY, 1080 - static_cast<int>(ey * 200 / D));
}

TEST_F(PlaceOnRoadTest, StraddlingOntoAWideRoadStaysOnTheTailWhileMostlyThere) {
    b.straightRoad(0, 101, 501, 0, 1, 1, 1, -1);
    b.straightRoad(1, 501, 505, 2, 1, 1, 1, -1); // three lanes: kind 2
    ASSERT_EQ(m->road(1).kind, 2);
    VehicleDrawRecord d;
    placeStraddling(m->road(1), 60 - 200, 0, m->road(0), 4000 - 140, 0, 200, 130, d);
    EXPECT_EQ(d.rearX, 4860); // the whole body on road 0, running on past its end
    EXPECT_EQ(d.frontX, 5060);
    EXPECT_EQ(d.frontY, 1000);
}

} // namespace
