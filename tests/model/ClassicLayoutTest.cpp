// "Classic Layout": catalogue figures, a clean check, the pelican and track choices, the railway and junctions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "model/LoopOutlineCheck.h"
#include "support/ModelFixture.h"

#include "model/LayoutChecker.h"
#include "model/layouts/Layouts.h"

using namespace jamlog;

namespace {

struct Classic : ModelFixture {
    LayoutArgs a;
    void build(int flags, int lights = 2) {
        buildEndStubs(b);
        a.contentFlags = flags;
        a.cars = 200;
        a.trains = 40;
        a.lights = lights;
        layoutEntry(0).routine(b, a);
    }
    int groupsInUse() const {
        int n = 0;
        while (n < 25 && m->lightGroups[static_cast<size_t>(n)].mode != 0)
            ++n;
        return n;
    }
    double gap(int from, int to) const {
        const RoadRecord &f = m->road(from), &t = m->road(to);
        return std::hypot(double(f.endX()) - t.startX, double(f.endY()) - t.startY);
    }
};

} // namespace

TEST_F(Classic, CatalogueFiguresAndScaledCounts) {
    build(contentRoads | contentTracks | contentPelican);
    EXPECT_EQ(a.name, "Classic Layout");
    EXPECT_EQ(m->roadCount, 149);
    EXPECT_EQ(m->trackCount, 14);
    EXPECT_EQ(m->riverCount, 0);
    EXPECT_EQ(m->trackAdjust, 0);
    EXPECT_EQ(m->driveOnLeft, 1);
    EXPECT_EQ(m->extentMinX, 1000);
    EXPECT_EQ(m->extentMinY, 1000);
    EXPECT_EQ(m->extentMaxX, 27000);
    EXPECT_EQ(m->extentMaxY, 22000);
    EXPECT_EQ(a.cars, 1000);
    EXPECT_EQ(a.trains, 5);
    EXPECT_EQ(a.boats, 0);
}

TEST_F(Classic, ContentFlagsKeepTracksAndPelicanAsChosenAndAlwaysHoldRoads) {
    struct Case {
        int in, out;
    };
    const Case cases[] = {
        {contentRoads | contentTracks | contentPelican, contentRoads | contentTracks | contentPelican},
        {0, contentRoads},
        {contentTracks | contentRivers | contentCarPark, contentRoads | contentTracks},
        {contentRivers | contentPelican | contentDrawFlag, contentRoads | contentPelican},
    };
    for (const Case& c : cases) {
        SetUp();
        build(c.in);
        EXPECT_EQ(a.contentFlags, c.out) << "flags in " << c.in;
        EXPECT_EQ(m->trackCount, 14) << "the railway is counted whether or not trains run";
    }
}

TEST_F(Classic, CheckerFindsNothingWithEveryOptionMix) {
    for (int flags : {contentRoads | contentTracks | contentPelican, contentRoads, contentRoads | contentPelican}) {
        SetUp();
        build(flags);
        auto problems = checkLayout(*m);
        EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
    }
}

TEST_F(Classic, PelicanCrossingIsBuiltOnlyWhenChosen) {
    build(contentRoads | contentPelican);
    const int withPelican = groupsInUse();
    ASSERT_EQ(withPelican, 8);
    const LightGroup& pelican = m->lightGroups[7];
    EXPECT_EQ(pelican.mode, 12);
    EXPECT_EQ(pelican.hasLights, 0);
    // Both directions stop at the crossing, and they arrive there from opposite sides.
    const RoadRecord &s = m->road(pelican.arms[0]), &n = m->road(pelican.arms[1]);
    EXPECT_LT(s.endY(), n.endY());
    EXPECT_EQ(s.endX() + n.endX(), 2 * 14000);
    EXPECT_EQ(pelican.arms[2], pelican.arms[0]);
    EXPECT_EQ(pelican.arms[3], pelican.arms[1]);
    // The crossing leaves a gap of two trims between a road and the one that follows it.
    EXPECT_NEAR(gap(pelican.arms[0], s.next[0]), 200, 1);

    SetUp();
    build(contentRoads);
    EXPECT_EQ(groupsInUse(), 7);
    for (int g = 7; g < 25; ++g)
        EXPECT_EQ(m->lightGroups[static_cast<size_t>(g)].mode, 0);
}

TEST_F(Classic, JunctionLightGroupsNameTheirApproaches) {
    build(contentRoads);
    std::set<int> arms;
    // Five main junctions in the lights mode, a part-time one and one with extra lights.
    constexpr std::array<std::pair<int, int>, 7> modeAndFlag{
        {{2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 0}, {lightsPartTimeOff, 0}, {2, 1}}};
    for (int g = 0; g < 7; ++g) {
        const LightGroup& lg = m->lightGroups[static_cast<size_t>(g)];
        EXPECT_EQ(lg.mode, modeAndFlag[static_cast<size_t>(g)].first) << "group " << g;
        EXPECT_EQ(lg.hasLights, modeAndFlag[static_cast<size_t>(g)].second) << "group " << g;
        const int base = 12 + 12 * g;
        for (int k = 0; k < 4; ++k) {
            const int arm = lg.arms[k];
            ASSERT_GE(arm, 96);
            ASSERT_LT(arm, 149);
            arms.insert(arm);
            // Every approach offers straight on, the nearside and the offside turn of its own arm.
            const RoadRecord& r = m->road(arm);
            EXPECT_EQ(r.next[0], base + k);
            EXPECT_EQ(r.next[1], base + 8 + k);
            EXPECT_EQ(r.next[2], base + 4 + k);
            EXPECT_EQ(m->road(base + k).boxCode, k + 1);
            EXPECT_EQ(m->road(base + k).control, base - 1);
            EXPECT_LT(gap(arm, base + k), 1);
        }
    }
    EXPECT_EQ(arms.size(), 28u) << "no road approaches two junctions";
}

TEST_F(Classic, LightsModeIsKeptInRange) {
    // A mode of 0 would end the list of groups and switch every junction after it off.
    for (int lights : {0, 9}) {
        SetUp();
        build(contentRoads, lights);
        EXPECT_EQ(m->lightGroups[0].mode, lights < 1 ? 1 : 5);
        EXPECT_EQ(groupsInUse(), 7);
    }
}

TEST_F(Classic, RoundaboutIsPlacedWithItsShape) {
    build(contentRoads);
    const RoundaboutShape& s = m->roundabouts[0];
    EXPECT_EQ(s.radius, 600);
    EXPECT_EQ(s.compass[0], 21000 - 600); // west point of the ring about (21000, 13000)
    EXPECT_EQ(s.compass[1], 13000);
    for (int q = 0; q < 4; ++q) {
        const RoadRecord& ring = m->road(q);
        EXPECT_EQ(ring.kind, 1);
        EXPECT_EQ(ring.centreX, 21000);
        EXPECT_EQ(ring.centreY, 13000);
        EXPECT_EQ(ring.next[2], (q + 1) % 4);
        // Each entry gives way to the quarter that arrives where it joins, and starts where the arm begins.
        EXPECT_EQ(m->road(4 + 2 * q).control, q);
    }
}

TEST_F(Classic, RailwayRunsBothWaysWithAStationAndBridges) {
    build(contentRoads | contentTracks);
    EXPECT_EQ(m->boundaryTracks[0], 506);
    EXPECT_EQ(m->boundaryTracks[1], 513);
    EXPECT_EQ(m->boundaryTracks[2], -1);
    EXPECT_EQ(m->road(506).next[0], 507); // out at the east edge, back in on the other track
    EXPECT_EQ(m->road(513).next[0], 500);
    EXPECT_EQ(m->road(500).startX, 1000);
    EXPECT_EQ(m->road(500).startY, 3000 - 145);
    EXPECT_EQ(m->road(513).endX(), 1000);
    EXPECT_EQ(m->road(513).endY(), 3000 + 145);
    int platforms = 0, hiddenTracks = 0;
    for (int t = 500; t < 514; ++t) {
        platforms += m->road(t).edgeStyle == 1;
        hiddenTracks += countCells(m->road(t).hiddenBits, 0, 799) > 0;
    }
    EXPECT_EQ(platforms, 2);
    EXPECT_EQ(hiddenTracks, 6); // three bridges over two tracks
    // The bridge at x = 7000 crosses track 501, which starts at x = 5000. A carriage (800 units) stays hidden
    // until its middle is 660 units from the street's centre, so no part of it is drawn over the 260-unit street.
    EXPECT_FALSE(cellSet(m->road(501).hiddenBits, 133));
    EXPECT_TRUE(cellSet(m->road(501).hiddenBits, 134));
    EXPECT_TRUE(cellSet(m->road(501).hiddenBits, 266));
    EXPECT_FALSE(cellSet(m->road(501).hiddenBits, 267));
}

TEST_F(Classic, TownKeepsLeftAndEveryEdgeRoadLeadsBackIn) {
    build(contentRoads);
    int boundaries = 0;
    for (int32_t road : m->boundaryRoads) {
        if (road < 0)
            continue;
        ++boundaries;
        const RoadRecord& out = m->road(road);
        const RoadRecord& in = m->road(out.next[0]);
        // The boundary road ends on the edge of the extent and its successor starts there, facing inwards.
        const bool onEdge = out.endX() <= 1000 + 200 || out.endX() >= 27000 - 200 || out.endY() <= 1000 + 200 ||
                            out.endY() >= 22000 - 200;
        EXPECT_TRUE(onEdge) << "boundary road " << road;
        EXPECT_LT(gap(road, out.next[0]), 150);
        EXPECT_LT(out.dirXi * in.dirXi + out.dirYi * in.dirYi, 0);
    }
    EXPECT_EQ(boundaries, 10);
    // Eastbound on the avenue runs on the north side of row 6 (keeping left), westbound on the south side.
    const RoadRecord& east = m->road(96);
    EXPECT_GT(east.dirXi, 0);
    EXPECT_EQ(east.startY, 6000 - 72);
    EXPECT_EQ(m->road(97).startY, 6000 + 72);
}

TEST_F(Classic, ServiceLoopLeavesAndRejoinsTheStreet) {
    build(contentRoads);
    int loop = -1;
    for (int r = 96; r < 149; ++r)
        if (m->road(r).control >= 96)
            loop = r;
    ASSERT_GE(loop, 0);
    const RoadRecord& l = m->road(loop);
    EXPECT_NE(l.centreX, 0);
    EXPECT_EQ(l.indicator, 4);
    const int street = l.control;
    EXPECT_EQ(m->road(street).next[0], l.next[0]); // both lead into the same road
    EXPECT_LT(gap(loop, l.next[0]), 1);
    EXPECT_LT(l.startY, 13000);
    EXPECT_EQ(m->road(street).startY, l.startY);
    // Drawn clipped to its outline, the whole loop shows and nothing of it spills over the street.
    EXPECT_EQ(loopcheck::outlineFault(l, m->road(street), m->laneWidth), "");
}
