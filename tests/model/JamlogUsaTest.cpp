// "Jamlog USA": catalogue figures, a clean check, the mirror about x = 11000, keep-right lanes and the lights.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "model/LoopOutlineCheck.h"
#include "support/ModelFixture.h"

#include "model/LayoutChecker.h"
#include "model/layouts/Layouts.h"

using namespace jamlog;

namespace {

constexpr int streets = 101; // roads 0-100; the twenty junctions follow on 101-340
constexpr int sideStep = 72; // one offset step of 0.56 lane widths at the default lane width

struct Usa : ModelFixture {
    LayoutArgs a;
    void SetUp() override {
        ModelFixture::SetUp();
        buildEndStubs(b);
        a.contentFlags = contentRoads | contentTracks | contentRivers | contentPelican;
        a.cars = 200;
        a.trains = 40;
        a.boats = 7;
        a.lights = 3;
        layoutEntry(1).routine(b, a);
    }
    // Distance of a grid line (3000, 7000, ...) nearest to v.
    static int32_t offGrid(int32_t v) { return v - (3000 + 4000 * ((v - 1000) / 4000)); }
};

} // namespace

TEST_F(Usa, CatalogueFigures) {
    EXPECT_EQ(a.name, "Jamlog USA");
    EXPECT_EQ(m->roadCount, 341);
    EXPECT_EQ(m->trackCount, 0);
    EXPECT_EQ(m->riverCount, 0);
    EXPECT_EQ(a.contentFlags, contentRoads) << "roads only, whatever the user chose";
    EXPECT_EQ(a.cars, 200);
    EXPECT_EQ(a.trains, 40);
    EXPECT_EQ(a.boats, 7);
    EXPECT_EQ(m->driveOnLeft, 0);
    EXPECT_EQ(m->extentMinX, 1250);
    EXPECT_EQ(m->extentMinY, 1250);
    EXPECT_EQ(m->extentMaxX, 20750);
    EXPECT_EQ(m->extentMaxY, 16750);
}

TEST_F(Usa, CheckerFindsNothing) {
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
}

TEST_F(Usa, MirrorPutsTheFirstStreetAtTheEastEdge) {
    // Built eastbound from the west edge (1300, 3000) to the first junction's box, north of the centre line;
    // mirrored it runs westbound from x = 22000 - 1300.
    const RoadRecord& r = m->road(0);
    EXPECT_EQ(r.startX, 20700);
    EXPECT_EQ(r.startY, 3000 - sideStep);
    EXPECT_EQ(r.endX(), 22000 - (3000 - 300));
    EXPECT_EQ(r.endY(), 3000 - sideStep);
    EXPECT_EQ(r.backX, 1400);
    EXPECT_EQ(r.dirXi, -130);
    EXPECT_EQ(r.centreX, 0) << "a mirrored straight stays a straight";
    EXPECT_EQ(r.radius, 0);
    EXPECT_EQ(m->road(1).startX, 19300);
    EXPECT_EQ(m->road(1).endX(), 20700);
    EXPECT_EQ(m->road(1).startY, 3000 + sideStep);
    // Its boundary partner: road 1 leaves at the east edge and names road 0 as the way back in.
    EXPECT_EQ(m->road(1).next[0], 0);
}

TEST_F(Usa, EveryStreetKeepsRight) {
    int checked = 0;
    for (int n = 0; n < streets; ++n) {
        const RoadRecord& r = m->road(n);
        if (r.centreX != 0)
            continue; // the motel drive
        const bool horizontal = r.backY == 0;
        const int32_t side = horizontal ? offGrid(r.startY) : offGrid(r.startX);
        // The right of the direction of travel (dx, dy) on the screen is (-dy, dx).
        const int32_t want = horizontal ? (r.dirXi > 0 ? sideStep : -sideStep) : (r.dirYi > 0 ? -sideStep : sideStep);
        EXPECT_EQ(side, want) << "road " << n;
        ++checked;
    }
    EXPECT_EQ(checked, streets - 1);
}

TEST_F(Usa, MirrorSwapsTurnsAtEveryJunction) {
    for (int j = 0; j < 20; ++j) {
        const int base = streets + 12 * j;
        for (int k = 0; k < 4; ++k) {
            // The offside turn, built turning right across the traffic, now turns left; the nearside turn right.
            EXPECT_EQ(m->road(base + 4 + k).indicator, 4) << "junction " << j;
            EXPECT_EQ(m->road(base + 4 + k).clockwise, 0);
            EXPECT_EQ(m->road(base + 8 + k).indicator, 8);
            EXPECT_EQ(m->road(base + 8 + k).clockwise, 1);
            EXPECT_EQ(m->road(base + k).control, base - 1);
        }
    }
}

TEST_F(Usa, EveryJunctionHasLightsOnItsOwnApproaches) {
    std::set<int> arms;
    for (int g = 0; g < 20; ++g) {
        const LightGroup& lg = m->lightGroups[static_cast<size_t>(g)];
        // The inner columns are main junctions, the corners have extra lights, the rest of the outer columns
        // part-time lights.
        const int column = g % 5, row = g / 5;
        const bool outer = column == 0 || column == 4, corner = outer && (row == 0 || row == 3);
        EXPECT_EQ(lg.mode, outer && !corner ? lightsPartTimeOff : 3) << g;
        EXPECT_EQ(lg.hasLights, corner ? 1 : 0) << g;
        EXPECT_EQ(lg.phase, 0);
        const int base = streets + 12 * g;
        for (int k = 0; k < 4; ++k) {
            ASSERT_GE(lg.arms[k], 0);
            ASSERT_LT(lg.arms[k], streets);
            arms.insert(lg.arms[k]);
            const RoadRecord &in = m->road(lg.arms[k]), &across = m->road(base + k);
            EXPECT_EQ(in.endX(), across.startX) << "group " << g << " arm " << k;
            EXPECT_EQ(in.endY(), across.startY);
            EXPECT_EQ(in.next[0], base + k);
        }
    }
    EXPECT_EQ(arms.size(), 80u);
    EXPECT_EQ(m->lightGroups[20].mode, 0) << "the list of groups ends after the grid";
}

TEST_F(Usa, BoundaryRoadsLeaveAtTheEdgesAndLeadBackIn) {
    int used = 0;
    for (int32_t road : m->boundaryRoads) {
        if (road < 0)
            continue;
        ++used;
        const RoadRecord &out = m->road(road), &in = m->road(out.next[0]);
        const bool xEdge = out.endX() == 1300 || out.endX() == 20700;
        const bool yEdge = out.endY() == 1300 || out.endY() == 16700;
        EXPECT_TRUE(xEdge || yEdge) << "boundary road " << road;
        EXPECT_EQ(std::abs(out.endX() - in.startX) + std::abs(out.endY() - in.startY), 2 * sideStep);
    }
    EXPECT_EQ(used, 18);
}

TEST_F(Usa, MotelDriveLeavesOnTheRight) {
    int loops = 0;
    for (int n = 0; n < streets; ++n) {
        const RoadRecord& r = m->road(n);
        if (r.centreX == 0)
            continue;
        ++loops;
        EXPECT_EQ(r.indicator, 8);
        EXPECT_GE(r.control, 0);
        EXPECT_LT(r.control, streets);
        EXPECT_EQ(m->road(r.control).next[0], r.next[0]);
        EXPECT_LT(r.startY, 11000) << "bulges north of the westbound street";
        // The mirror carries the clip outline over with the loop.
        EXPECT_EQ(loopcheck::outlineFault(r, m->road(r.control), m->laneWidth), "");
    }
    EXPECT_EQ(loops, 1);
}
