// The roundabout interchange: the tapers of its slip and link roads, and outlines that hold the arcs they clip.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "support/ModelFixture.h"

#include "model/RoundaboutInterchange.h"

using namespace jamlog;

namespace {

struct Interchange : ModelFixture {
    void SetUp() override {
        ModelFixture::SetUp();
        roundaboutInterchange(b, {499, 499, 499, 499});
    }
    const RoadRecord& road(int n) const { return m->road(n); }
    // How far a road's start lies from the end of the road it leaves, and its end from the road it joins.
    double startGap(int n, int from) const {
        return std::hypot(double(road(n).startX) - road(from).endX(), double(road(n).startY) - road(from).endY());
    }
    double endGap(int n, int to) const {
        return std::hypot(double(road(n).endX()) - road(to).startX, double(road(n).endY()) - road(to).startY);
    }
    // Positive when (px, py) lies to the left of road n's direction of travel at its end, on the screen.
    double leftOfEnd(int n, double px, double py) const {
        const RoadRecord& r = road(n);
        return (px - r.endX()) * r.dirY - (py - r.endY()) * r.dirX;
    }
};

// Crossing-number test of a point against a road's four outline corners.
bool insideOutline(const RoadRecord& r, double x, double y) {
    bool in = false;
    for (int i = 0, j = 3; i < 4; j = i++) {
        const double xi = r.outline[2 * i], yi = r.outline[2 * i + 1];
        const double xj = r.outline[2 * j], yj = r.outline[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            in = !in;
    }
    return in;
}

} // namespace

// One taper step is 0.4 lane widths: 52 units at W = 130.
TEST_F(Interchange, ExitSlipsStartTwoStepsOnAndEndOneStepToTheLeft) {
    struct Exit {
        int slip, from, to;
    };
    for (Exit e : {Exit{20, 0, 19}, Exit{22, 3, 15}}) {
        EXPECT_NEAR(startGap(e.slip, e.from), 104, 2) << e.slip;
        // Two steps forwards: along the motorway it leaves, in its direction.
        const RoadRecord& from = road(e.from);
        EXPECT_NEAR((road(e.slip).startX - from.endX()) * from.dirX / m->laneWidth, 104, 3) << e.slip;
        EXPECT_NEAR(endGap(e.slip, e.to), 52, 2) << e.slip;
        // The end moved to the left: the road it joins starts to the right of it.
        EXPECT_LT(leftOfEnd(e.slip, road(e.to).startX, road(e.to).startY), 0) << e.slip;
    }
}

TEST_F(Interchange, EntrySlipsEndTwoStepsToTheLeftOfTheirCarriageway) {
    struct Entry {
        int slip, from, to;
    };
    for (Entry e : {Entry{21, 13, 2}, Entry{23, 17, 5}}) {
        EXPECT_NEAR(startGap(e.slip, e.from), 52, 2) << e.slip;
        EXPECT_NEAR(endGap(e.slip, e.to), 104, 2) << e.slip;
        // At the motorway's nearside edge: the motorway's lane 0 starts to the right of the slip's end.
        EXPECT_LT(leftOfEnd(e.slip, road(e.to).startX, road(e.to).startY), 0) << e.slip;
        EXPECT_EQ(road(e.slip).laneCap, 0); // one lane: the tapers move points only
        EXPECT_EQ(road(e.slip).control, e.to == 2 ? 1 : 4);
    }
}

TEST_F(Interchange, LinksAreCutBackOneStepAtBothEnds) {
    struct Link {
        int link, from, to;
    };
    for (Link l : {Link{24, 6, 13}, Link{25, 19, 11}, Link{26, 9, 17}, Link{27, 15, 8}}) {
        const RoadRecord& r = road(l.link);
        const double full = std::hypot(double(road(l.to).startX) - road(l.from).endX(),
                                       double(road(l.to).startY) - road(l.from).endY());
        EXPECT_NEAR(startGap(l.link, l.from), 52, 2) << l.link;
        EXPECT_NEAR(endGap(l.link, l.to), 52, 2) << l.link;
        EXPECT_NEAR(r.length, full - 104, 3) << l.link;
        EXPECT_EQ(r.centreX, 0); // still a straight
        EXPECT_EQ(r.edgeStyle, 3);
        EXPECT_EQ(r.indicator, 4);
    }
}

// The renderer clips each arc to its outline: every arc of the junction must lie inside its own, its lanes too.
TEST_F(Interchange, ArcsLieInsideTheirOutlines) {
    const double pi = 3.14159265358979;
    for (int n : {13, 15, 17, 19, 20, 21, 22, 23}) {
        const RoadRecord& r = road(n);
        ASSERT_NE(r.centreX, 0) << n;
        const double a0 = std::atan2(double(r.startY) - r.centreY, double(r.startX) - r.centreX);
        double a1 = std::atan2(double(r.endY()) - r.centreY, double(r.endX()) - r.centreX);
        // Screen angles grow clockwise (y down).
        if (r.clockwise && a1 < a0)
            a1 += 2 * pi;
        if (!r.clockwise && a1 > a0)
            a1 -= 2 * pi;
        for (int step = 1; step < 20; ++step) {
            const double t = a0 + (a1 - a0) * step / 20;
            for (double radius : {r.radius - 1.5 * m->laneWidth, r.radius + 1.5 * m->laneWidth}) {
                const double x = r.centreX + radius * std::cos(t), y = r.centreY + radius * std::sin(t);
                EXPECT_TRUE(insideOutline(r, x, y)) << "road " << n << " step " << step << " radius " << radius;
            }
        }
    }
}
