// The roundabout interchange: the tapers of its slip and link roads, and outlines that hold the arcs they clip.
#include <gtest/gtest.h>

#include "ArcOutlineCheck.h"

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
    for (int n : {13, 15, 17, 19, 20, 21, 22, 23}) {
        ASSERT_NE(road(n).centreX, 0) << n;
        EXPECT_EQ(arccheck::pointsOutsideOutline(road(n), 1.5 * m->laneWidth), 0) << "road " << n;
    }
}
