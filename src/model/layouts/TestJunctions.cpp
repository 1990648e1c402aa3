// "T: Junctions" (layout 29): a test town that shows the junction kinds of the builder side by side: light
// junctions, four-arm roundabouts with one- and two-lane rings, a pelican crossing, a one-way loop that gives way
// where it rejoins its street, a T junction with give way and a mini roundabout.
#include <algorithm>

#include "model/Assemblies.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int junctionRoads = 142;
constexpr int carScale = 3;
constexpr int junctionBase = 24; // the two roundabouts take roads 0-23
constexpr int firstLink = junctionBase + 4 * 12;

// The mini roundabout about (24000, 15000) on roads 128-131 and its arms 132-137; the T junction's turns 138-141.
constexpr int miniBase = 128, miniShape = 2, miniCentre = 2415, miniRadius = 80;
constexpr int eastIn = 132, eastOut = 133, southIn = 134, southOut = 135, minorOut = 136, minorIn = 137;
constexpr int turnLeftOut = 138, turnRightOut = 139, turnLeftIn = 140, turnRightIn = 141;
constexpr int templateCell = 1000; // the mini roundabout template is built about cell point (1, 1)

struct MajorRoad {
    int southIn, southOn, northIn, northOn; // roads arriving at and leaving the T junction
};

void setNext(NetworkModel& m, int road, int a, int b, int c) {
    RoadRecord& r = m.road(road);
    r.next[0] = a;
    r.next[1] = b;
    r.next[2] = c;
}

void addBoundary(NetworkModel& m, int road) {
    auto slot = std::find(m.boundaryRoads.begin(), m.boundaryRoads.end(), -1);
    if (slot != m.boundaryRoads.end())
        *slot = road;
}

// The mini roundabout: quarter q runs from compass point q (west, north, east, south) to q + 1. Entries join the
// quarter that starts at their point and give way to the quarter that arrives there.
void buildMiniRoundabout(Builder& b) {
    NetworkModel& m = b.model();
    const Point c = cellPoint(miniCentre);
    const int r = miniRadius;
    b.straightRaw(eastIn, 26000, c.y, c.x + r, c.y, 0, miniBase + 2, 0, 0, streetOffset, miniBase + 1);
    b.straightRaw(eastOut, c.x + r, c.y, 26000, c.y, 0, eastIn, 0, 0, streetOffset, -1);
    b.straightRaw(southIn, c.x, 18000, c.x, c.y + r, 0, miniBase + 3, 0, 0, streetOffset, miniBase + 2);
    b.straightRaw(southOut, c.x, c.y + r, c.x, 18000, 0, southIn, 0, 0, streetOffset, -1);
    b.straightRaw(minorOut, 22300, c.y, c.x - r, c.y, 0, miniBase, 0, 0, streetOffset, miniBase + 3);
    b.straightRaw(minorIn, c.x - r, c.y, 22300, c.y, 0, turnLeftOut, 0, 0, streetOffset, -1);
    setNext(m, miniBase, miniBase + 1, miniBase + 1, miniBase + 1); // no arm at the north point
    setNext(m, miniBase + 1, eastOut, eastOut, miniBase + 2);
    setNext(m, miniBase + 2, southOut, southOut, miniBase + 3);
    setNext(m, miniBase + 3, minorIn, minorIn, miniBase);
    for (int road : {eastOut, southOut, minorIn})
        m.road(road).indicator = 4;
    addBoundary(m, eastOut);
    addBoundary(m, southOut);
}

// T junction on the major road at (22000, 15000): the minor road gives way to the southbound major road.
void buildTJunction(Builder& b, const MajorRoad& j) {
    NetworkModel& m = b.model();
    setNext(m, minorIn, turnLeftOut, turnLeftOut, turnRightOut);
    b.linkRoads(turnLeftOut, 0, 0, j.southOn, j.southOn, j.southOn, 0, minorIn, j.southOn);
    b.linkRoads(turnRightOut, 0, 0, j.northOn, j.northOn, j.northOn, 0, minorIn, j.northOn);
    b.linkRoads(turnLeftIn, 0, 0, minorOut, minorOut, minorOut, 0, j.southIn, minorOut);
    b.linkRoads(turnRightIn, 0, 0, minorOut, minorOut, minorOut, 0, j.northIn, minorOut);
    m.road(minorIn).control = j.southIn;
    m.road(turnRightOut).control = j.southIn;
    m.road(turnRightIn).control = j.southIn;
    m.road(turnLeftOut).indicator = m.road(turnLeftIn).indicator = 4;
    m.road(turnRightOut).indicator = m.road(turnRightIn).indicator = 8;
    setNext(m, j.southIn, j.southOn, j.southOn, turnLeftIn);
    setNext(m, j.northIn, j.northOn, j.northOn, turnRightIn);
}

int buildTown(Builder& b, const LayoutArgs& a) {
    // The mini roundabout's quarters come from a template on roads 0-3, so they are placed before the town.
    miniRoundabout(b, miniShape);
    copyRun(b.model(), miniBase, 4, 0, cellPoint(miniCentre).x - templateCell, cellPoint(miniCentre).y - templateCell);

    StreetPlan p(b, firstLink);
    // The copied roundabout first: every roundabout is built from the template on roads 0-11.
    const auto r1 = p.roundabout(1, 2005, 800, 1, 12);
    const auto r0 = p.roundabout(0, 1410, 600, 0, 0);
    const int j1 = p.junction(610, junctionBase), j2 = p.junction(605, junctionBase + 12);
    const int j3 = p.junction(2010, junctionBase + 24), j4 = p.junction(1405, junctionBase + 36);

    p.straight(p.edge(2000, 10000), j1);
    p.straightWithLoop(j1, r0[west], 1500, 4000, 700);
    p.straightWithLoop(j1, p.edge(6000, 18000), 1500, 4000, 700);
    p.straight(j2, j1);
    p.straight(p.edge(2000, 5000), j2);
    p.straight(p.edge(6000, 2000), j2);
    const int pelican = p.joint(10000, 5000, true);
    p.straight(j2, pelican);
    p.straight(pelican, j4);
    p.straight(p.edge(14000, 2000), j4);
    p.straight(j4, r0[north]);
    p.straight(j4, r1[west]);
    p.straight(r0[east], j3);
    p.straightWithLoop(r0[south], p.edge(14000, 18000), 1500, 4000, 700);
    p.straight(j3, p.edge(26000, 10000));
    p.straightWithLoop(j3, p.edge(20000, 18000), 1500, 4000, 700);
    p.straight(r1[south], j3);
    p.straight(p.edge(20000, 2000), r1[north]);
    p.straight(r1[east], p.edge(26000, 5000));

    // The major road of the T junction: in from the east edge, round a bend and down to the south edge.
    const int bendEast = p.joint(23000, 12000), bendSouth = p.joint(22000, 13000), tee = p.joint(22000, 15000);
    p.straight(p.edge(26000, 12000), bendEast);
    p.arc(bendEast, west, bendSouth, north, 23000, 13000, 0);
    p.straight(bendSouth, tee);
    p.straight(tee, p.edge(22000, 18000));

    const int end = p.build(a.lights, true);
    b.roundaboutShape(miniShape, miniCentre, miniRadius);
    buildMiniRoundabout(b);
    buildTJunction(b, {p.arriving(tee, north), p.leaving(tee, south), p.arriving(tee, south), p.leaving(tee, north)});
    return std::max(end, turnRightIn + 1);
}

} // namespace

void buildTestJunctions(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Junctions";
    m.extentMinX = 2000;
    m.extentMinY = 2000;
    m.extentMaxX = 26000;
    m.extentMaxY = 18000;
    a.contentFlags = contentRoads;
    a.cars *= carScale;
    m.roadCount = buildTown(b, a);
}

} // namespace jamlog
