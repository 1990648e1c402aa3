// Layout 23 "T: Magic Rnd": eight mini roundabouts in a ring round a central island, joined to their neighbours by
// two-way roads, so that traffic goes round the island both ways: clockwise on the outside of the ring and
// anticlockwise on the inside. The four at the corners of the ring have two arms out to the edges of the layout,
// the four between them one.
#include <array>

#include "model/layouts/Layouts.h"
#include "model/layouts/RingRoadPlan.h"

namespace jamlog {

namespace {

constexpr int magicRoads = 124;
constexpr int32_t minX = 7000, minY = 7000, maxX = 22500, maxY = 18500;
constexpr Point island{14750, 12750};
constexpr int32_t ringHalfWidth = 5000, ringHalfHeight = 3500; // the minis' centres from the island's

// One lane each way; no link is long enough to be cut.
constexpr RingRoadShape streets{.topLanes = 0, .offset = 1, .boxHalf = 0, .splitLength = maxLaneLength};
constexpr int32_t miniRadius = 250, miniArmLength = 700;

// The minis clockwise from the north; arm 0 of each points along `degrees` (clockwise from north) and the others
// follow at equal shares of a turn.
struct Mini {
    int dx, dy; // centre from the island's, in ring half sizes
    double degrees;
    int arms;
};
enum MiniName { n, ne, e, se, s, sw, w, nw, miniCount };
constexpr std::array<Mini, miniCount> minis{{
    {0, -1, 0, 3},
    {1, -1, 0, 4},
    {1, 0, 90, 3},
    {1, 1, 0, 4},
    {0, 1, 180, 3},
    {-1, 1, 0, 4},
    {-1, 0, 270, 3},
    {-1, -1, 0, 4},
}};

// Ring roads between neighbours: mini and arm at either end.
struct RingLink {
    MiniName from;
    int fromArm;
    MiniName to;
    int toArm;
};
constexpr std::array<RingLink, miniCount> ringLinks{{
    {n, 1, ne, 3},
    {ne, 2, e, 2},
    {e, 1, se, 0},
    {se, 3, s, 2},
    {s, 1, sw, 1},
    {sw, 0, w, 2},
    {w, 1, nw, 2},
    {nw, 1, n, 2},
}};

// Arms out to the edges. The corner minis' arms 0..3 point north, east, south and west.
struct EdgeArm {
    MiniName mini;
    int arm;
};
constexpr std::array<EdgeArm, 12> edgeArms{{
    {n, 0},
    {ne, 0},
    {ne, 1},
    {e, 0},
    {se, 1},
    {se, 2},
    {s, 0},
    {sw, 2},
    {sw, 3},
    {w, 0},
    {nw, 3},
    {nw, 0},
}};

Point centreOf(const Mini& m) {
    return {island.x + m.dx * ringHalfWidth, island.y + m.dy * ringHalfHeight};
}

// Where an arm pointing along `degrees` from `at` meets the edge of the layout; arms point along the axes.
Point edgeAlong(Point at, double degrees) {
    if (degrees == 0)
        return {at.x, minY};
    if (degrees == 90)
        return {maxX, at.y};
    if (degrees == 180)
        return {at.x, maxY};
    return {minX, at.y};
}

} // namespace

void buildTestMagicRnd(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Magic Rnd";
    a.contentFlags = contentRoads;
    m.roadCount = magicRoads;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    int base = 0;
    for (const Mini& mini : minis)
        base += 3 * mini.arms;
    RingRoadPlan p(b, streets, base);
    std::array<int, miniCount> node{};
    base = 0;
    for (size_t i = 0; i < minis.size(); ++i) {
        const Mini& mini = minis[i];
        node[i] = p.roundabout({.centre = centreOf(mini),
                                .degrees = mini.degrees,
                                .arms = mini.arms,
                                .ringRadius = miniRadius,
                                .armLength = miniArmLength,
                                .base = base});
        base += 3 * mini.arms;
    }
    for (const RingLink& l : ringLinks)
        p.straight(node[l.from], l.fromArm, node[l.to], l.toArm);
    for (const EdgeArm& e : edgeArms) {
        const Mini& mini = minis[e.mini];
        const double degrees = mini.degrees + 360.0 * e.arm / mini.arms;
        p.straight(node[e.mini], e.arm, p.edge(edgeAlong(centreOf(mini), degrees)), 0);
    }
    p.build(a.lights, 0);
}

} // namespace jamlog
