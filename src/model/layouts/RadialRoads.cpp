// "Radial Roads": eight radial roads meet at a large roundabout in the centre of a city and run out to its edges
// and corners, crossed by three ring roads: the inner and the outer ring at light junctions, the middle ring at
// roundabouts. Three more roads run out from the outer ring between the radials. Every road has two lanes each
// way; the junctions and roundabouts are turned to face the centre.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "model/layouts/Layouts.h"
#include "model/layouts/RingRoadPlan.h"

namespace jamlog {

namespace {

constexpr int radialRoads = 490;
constexpr int carScale = 3;
constexpr int32_t minX = 1000, minY = 1000, maxX = 25000, maxY = 25000;
constexpr Point cityCentre{13000, 13000};

constexpr RingRoadShape roads{.topLanes = 1, .offset = 3, .boxHalf = 500, .splitLength = 5000};
constexpr int radials = 8;
constexpr double radialStep = 360.0 / radials;
constexpr RingRoadPlan::Roundabout centralRoundabout{
    .centre = cityCentre, .degrees = 0, .arms = radials, .ringRadius = 1200, .armLength = 2200, .base = 0};
constexpr int32_t ringRoundaboutRadius = 600, ringRoundaboutArms = 1500;

// The rings by their radius from the centre, and whether they cross the radials at roundabouts.
struct Ring {
    int32_t radius;
    bool roundabouts;
};
constexpr std::array<Ring, 3> rings{{{3500, false}, {6500, true}, {9500, false}}};
// Roads from the outer ring to the edge between the radials, by bearing.
constexpr std::array<double, 3> spurBearings{22.5, 157.5, 292.5};

constexpr int nodeRoads = 12; // a light junction or a four-arm roundabout
constexpr int north = 0, east = 1, south = 2, west = 3;

Point along(double bearingDegrees, double distance) {
    const double a = bearingDegrees * 3.14159265358979 / 180;
    return {cityCentre.x + static_cast<int32_t>(std::lround(distance * std::sin(a))),
            cityCentre.y - static_cast<int32_t>(std::lround(distance * std::cos(a)))};
}

// Where a road from the centre on this bearing ends, just inside the edge of the layout so that both its lanes lie
// within it.
constexpr int32_t edgeInset = 400;
Point edgeOnBearing(double bearingDegrees) {
    const double a = bearingDegrees * 3.14159265358979 / 180;
    const double dx = std::sin(a), dy = -std::cos(a);
    const double toX = std::abs(dx) > 1e-9 ? (maxX - cityCentre.x) / std::abs(dx) : 1e9;
    const double toY = std::abs(dy) > 1e-9 ? (maxY - cityCentre.y) / std::abs(dy) : 1e9;
    return along(bearingDegrees, std::min(toX, toY) - edgeInset);
}

struct RingNode {
    double bearing;
    int node;
};

} // namespace

void buildRadialRoads(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Radial Roads";
    a.contentFlags = contentRoads | contentDrawFlag;
    a.cars *= carScale;
    m.roadCount = radialRoads;
    m.trackCount = 0;
    m.riverCount = 0;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    int base = centralRoundabout.base + 3 * radials;
    for (const Ring& r : rings)
        base += nodeRoads * (radials + (&r == &rings.back() ? static_cast<int>(spurBearings.size()) : 0));
    RingRoadPlan p(b, roads, base);

    const int centre = p.roundabout(centralRoundabout);
    int nodeBase = centralRoundabout.base + 3 * radials;
    std::array<std::vector<RingNode>, rings.size()> ringNodes;
    for (size_t k = 0; k < rings.size(); ++k) {
        std::vector<double> bearings;
        for (int i = 0; i < radials; ++i)
            bearings.push_back(radialStep * i);
        if (k + 1 == rings.size())
            bearings.insert(bearings.end(), spurBearings.begin(), spurBearings.end());
        std::sort(bearings.begin(), bearings.end());
        for (double d : bearings) {
            const Point at = along(d, rings[k].radius);
            const int node = rings[k].roundabouts ? p.roundabout({.centre = at,
                                                                  .degrees = d,
                                                                  .arms = 4,
                                                                  .ringRadius = ringRoundaboutRadius,
                                                                  .armLength = ringRoundaboutArms,
                                                                  .base = nodeBase})
                                                  : p.junction(at, d, nodeBase);
            nodeBase += nodeRoads;
            ringNodes[k].push_back({d, node});
        }
    }
    // The radials, from the centre outwards; the spurs from the outer ring.
    for (int i = 0; i < radials; ++i) {
        const double d = radialStep * i;
        int from = centre, fromArm = i;
        for (const std::vector<RingNode>& ring : ringNodes)
            for (const RingNode& n : ring)
                if (n.bearing == d) {
                    p.straight(from, fromArm, n.node, south);
                    from = n.node;
                    fromArm = north;
                }
        p.straight(from, fromArm, p.edge(edgeOnBearing(d)), 0);
    }
    for (const RingNode& n : ringNodes.back())
        for (double d : spurBearings)
            if (n.bearing == d)
                p.straight(n.node, north, p.edge(edgeOnBearing(d)), 0);
    // The rings, clockwise from each node to the next.
    for (const std::vector<RingNode>& ring : ringNodes)
        for (size_t j = 0; j < ring.size(); ++j)
            p.arc(ring[j].node, east, ring[(j + 1) % ring.size()].node, west, cityCentre, 1);
    p.build(a.lights, 0);
}

} // namespace jamlog
