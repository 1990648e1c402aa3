// "Junction 13": catalogue figures with rivers on and off, a clean check, joins, bridges over the river,
// courtesy lanes in both interchanges, light groups and boundary entries.
#include <gtest/gtest.h>

#include <cmath>

#include "model/BuildLayout.h"
#include "model/LayoutCatalogue.h"
#include "support/ModelFixture.h"

#include "model/InitialRecords.h"
#include "model/LayoutChecker.h"
#include "model/RoundaboutInterchange.h"
#include "model/layouts/Junction13Parts.h"
#include "model/layouts/Layouts.h"

using namespace jamlog;

namespace {

struct Junction13 : ModelFixture {
    LayoutArgs args;
    void build(int content, int laneWidth = 130) {
        m->laneWidth = laneWidth;
        buildEndStubs(b);
        args.contentFlags = content;
        args.cars = 200;
        args.trains = 6;
        args.boats = 13;
        args.lights = 3;
        layoutEntry(10).routine(b, args);
    }
    int hiddenCount(int n) const { return countCells(m->road(n).hiddenBits, 0, cellBits - 1); }
    // The slips and links of the two interchanges (the template's roads 20-27 and their copy 28 records on).
    static bool isTapered(int n) {
        constexpr int firstSlip = 20, lastLink = 27, copyShift = interchangeRoads;
        return (n >= firstSlip && n <= lastLink) || (n >= firstSlip + copyShift && n <= lastLink + copyShift);
    }
    bool onEdge(int x, int y) const {
        return x == m->extentMinX || x == m->extentMaxX || y == m->extentMinY || y == m->extentMaxY;
    }
};

TEST_F(Junction13, CatalogueFiguresWithRiversOnAndOff) {
    struct Case {
        int in, out;
    };
    const Case cases[] = {
        {contentRoads, contentRoads},
        {contentRoads | contentRivers, contentRoads | contentRivers},
        {contentRivers | contentTracks, contentRoads | contentRivers}, // rivers kept whatever tracks say
        {contentTracks | contentPelican, contentRoads},
        {0, contentRoads},
    };
    for (const Case& c : cases) {
        resetModel(*m);
        build(c.in);
        EXPECT_EQ(args.contentFlags, c.out) << c.in;
        EXPECT_EQ(args.name, "Junction 13");
        EXPECT_EQ(args.cars, 1000);
        EXPECT_EQ(args.trains, 6);
        EXPECT_EQ(args.boats, 3); // 13 / 4, truncated
        EXPECT_EQ(m->roadCount, 152);
        EXPECT_EQ(m->trackCount, 0);
        EXPECT_EQ(m->riverCount, 8);
        EXPECT_EQ(m->extentMinX, 1000);
        EXPECT_EQ(m->extentMinY, 1000);
        EXPECT_EQ(m->extentMaxX, 31000);
        EXPECT_EQ(m->extentMaxY, 25000);
    }
}

TEST_F(Junction13, CheckerClean) {
    for (int W : {100, 130}) {
        resetModel(*m);
        build(contentRoads | contentRivers, W);
        auto problems = checkLayout(*m);
        EXPECT_TRUE(problems.empty()) << "lane width " << W << "\n" << layoutReport(*m, problems);
    }
}

TEST_F(Junction13, CheckerCleanAfterTheHalfTurn) {
    build(contentRoads | contentRivers);
    const int sx = m->extentMinX + m->extentMaxX, sy = m->extentMinY + m->extentMaxY;
    for (int n = 0; n < m->roadCount; ++n)
        flipSegment(m->road(n), -1, -1, sx, sy);
    for (int n = firstRiver; n < firstRiver + m->riverCount; ++n)
        flipSegment(m->road(n), -1, -1, sx, sy);
    auto problems = checkLayout(*m);
    EXPECT_TRUE(problems.empty()) << layoutReport(*m, problems);
}

TEST_F(Junction13, RecordsMeetEndToStart) {
    build(contentRoads | contentRivers);
    for (int n = 0; n < roadCapacity; ++n) {
        if (!isBuilt(*m, n) || n == roadStub || n == trackStub || n == riverStub)
            continue;
        const RoadRecord& r = m->road(n);
        EXPECT_TRUE(std::isfinite(r.angle) && r.length > 0) << n;
        bool boundary = false;
        for (int x : m->boundaryRoads)
            boundary |= x == n;
        for (int x : m->boundaryRivers)
            boundary |= x == n;
        for (int s : r.next) {
            const RoadRecord& t = m->road(s);
            const double gap = std::hypot(t.startX - r.endX(), t.startY - r.endY());
            // Boundary records hand entering vehicles to a turnaround or the other direction beside them; the
            // interchanges' slips and links are tapered by up to two steps of 0.4 lane widths at their ends.
            const double tapers = 2 * 0.4 * m->laneWidth + 1;
            EXPECT_LE(gap, boundary ? 300 : isTapered(n) || isTapered(s) ? tapers : 5) << n << " -> " << s;
        }
    }
}

TEST_F(Junction13, RiverPassesUnderTheBridgesOnly) {
    build(contentRoads | contentRivers);
    // The northern road crosses the first reach, the motorway the second, the southern road the last.
    for (int n : {700, 707, 701, 706, 703, 704})
        EXPECT_GT(hiddenCount(n), 0) << n;
    EXPECT_EQ(hiddenCount(702), 0);
    EXPECT_EQ(hiddenCount(705), 0);
    // Under the motorway: both carriageways of four lanes between the interchanges (y 11935 to 13065), and a
    // longest boat's length either side.
    const int reach = longestBoatLengths * 200;
    const RoadRecord& r = m->road(701);
    for (int c = 0; c < r.length / 10; ++c) {
        const double y = pointAlong(r, 10.0 * c + 5).y;
        if (y > 11940 && y < 13060) {
            EXPECT_TRUE(cellSet(r.hiddenBits, c)) << c;
        }
        if (y < 11935 - reach - 20 || y > 13065 + reach + 20) {
            EXPECT_FALSE(cellSet(r.hiddenBits, c)) << c;
        }
    }
    // A boat of the longest length whose body touches a road's surface anywhere is hidden (both ends on hidden
    // cells), so neither the boat nor its erase is ever drawn over a bridge.
    for (int n = firstRiver; n < firstRiver + m->riverCount; ++n) {
        const RoadRecord& river = m->road(n);
        for (int front = reach; front <= river.length; front += 10) {
            bool touches = false;
            for (int d = front - reach; d < front && !touches; d += 10)
                for (int k = 0; k < m->roadCount && !touches; ++k)
                    touches = underStraight(m->road(k), pointAlong(river, d + 5.0), m->laneWidth);
            if (touches) {
                EXPECT_TRUE(cellSet(river.hiddenBits, (front - 1) / 10) &&
                            cellSet(river.hiddenBits, (front - reach) / 10))
                    << n << " boat ending at " << front;
            }
        }
    }
}

TEST_F(Junction13, RiverRunsBothWaysToTheEdges) {
    build(contentRoads | contentRivers);
    EXPECT_EQ(m->boundaryRivers[0], 703);
    EXPECT_EQ(m->boundaryRivers[1], 707);
    EXPECT_EQ(m->road(703).endY(), m->extentMaxY);
    EXPECT_EQ(m->road(707).endY(), m->extentMinY);
    EXPECT_EQ(m->road(703).next[0], 704);
    EXPECT_EQ(m->road(707).next[0], 700);
    // Each line lies to the right of its direction, downstream west of the centre line and upstream east, so that
    // the beds drawn to the left of each line meet in the middle.
    EXPECT_LT(m->road(700).startX, 15500);
    EXPECT_GT(m->road(707).endX(), 15500);
    EXPECT_TRUE(m->road(702).arc() && m->road(703).arc());
    EXPECT_EQ(m->road(702).clockwise + m->road(705).clockwise, 1);
}

// The side of the line a -> b on which p lies (the sign of the cross product).
double side(double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

TEST_F(Junction13, BendOutlinesHoldTheWholeRiverAndMeetAlongTheirRadii) {
    build(contentRoads | contentRivers);
    const double W = m->laneWidth, reach = 3.9 * W; // both beds together reach 3.84 W either side of the centre
    for (int n : {702, 703, 704, 705}) {
        const RoadRecord& r = m->road(n);
        const int* o = r.outline;
        // Every point of the river across the bend, sampled along it, lies inside the clip outline.
        const double rc = std::hypot(o[0] - r.centreX, o[1] - r.centreY) - 12 * W; // the centre line's radius
        for (int c = 1; c < 40; ++c) {
            const WorldPoint p = pointAlong(r, r.length * c / 40.0);
            const double ux = (p.x - r.centreX) / r.radius, uy = (p.y - r.centreY) / r.radius;
            for (double k : {-reach, reach}) {
                const double x = r.centreX + ux * (rc + k), y = r.centreY + uy * (rc + k);
                double first = 0;
                for (int i = 0; i < 4; ++i) {
                    const int j = (i + 1) % 4;
                    const double s = side(o[2 * i], o[2 * i + 1], o[2 * j], o[2 * j + 1], x, y);
                    if (i == 0)
                        first = s;
                    EXPECT_GT(s * first, 0) << n << " sample " << c << " edge " << i;
                }
            }
        }
    }
    // At the middle of the S the two bends are cut along one line, the normal of both.
    const int* a = m->road(702).outline;
    const int* b2 = m->road(703).outline;
    for (int i : {0, 1}) {
        const double s = side(a[4], a[5], a[6], a[7], b2[2 * i], b2[2 * i + 1]);
        EXPECT_LT(std::abs(s) / std::hypot(a[6] - a[4], a[7] - a[5]), 2.0) << i;
    }
}

TEST_F(Junction13, CourtesyLanesInBothInterchanges) {
    build(contentRoads);
    for (int base : {0, 28}) {
        EXPECT_EQ(m->road(base + 1).control, 1000 + base + 21) << base;
        EXPECT_EQ(m->road(base + 4).control, 1000 + base + 23) << base;
        // The entry slip named by the courtesy code joins the road after the one carrying the code.
        EXPECT_EQ(m->road(base + 21).next[0], base + 2);
        EXPECT_EQ(m->road(base + 23).next[0], base + 5);
        EXPECT_EQ(m->road(base + 1).topLane, 3);
    }
    // The copy sits 15000 east of the template, on the same motorway line.
    EXPECT_EQ(m->road(28).startX - m->road(0).startX, 15000);
    EXPECT_EQ(m->road(28).startY, m->road(0).startY);
    EXPECT_EQ(m->road(56).next[0], 28);
    EXPECT_EQ(m->road(57).next[0], 3);
}

TEST_F(Junction13, LightJunctionsAndBoundaries) {
    build(contentRoads);
    for (int g = 0; g < 4; ++g) {
        const LightGroup& lg = m->lightGroups[static_cast<size_t>(g)];
        EXPECT_EQ(lg.mode, 3) << g;
        EXPECT_EQ(lg.hasLights, 0) << g;
        for (int arm : lg.arms) {
            // Every arm of a group ends at its junction box and leads into the box's roads.
            const int box = 62 + 12 * g;
            for (int s : m->road(arm).next) {
                EXPECT_GE(s, box);
                EXPECT_LT(s, box + 12);
            }
        }
    }
    EXPECT_EQ(m->lightGroups[4].mode, 0);
    int used = 0;
    for (int n : m->boundaryRoads) {
        if (n < 0)
            continue;
        ++used;
        const RoadRecord& r = m->road(n);
        EXPECT_TRUE(onEdge(r.endX(), r.endY())) << n;
        const RoadRecord& entry = m->road(r.next[0]);
        EXPECT_TRUE(onEdge(entry.startX, entry.startY)) << n;
        // Entering vehicles start on a turnaround outside the layout that leads straight back in.
        EXPECT_TRUE(entry.arc()) << n;
        EXPECT_TRUE(onEdge(entry.endX(), entry.endY())) << n;
    }
    EXPECT_EQ(used, 10);
}

} // namespace
