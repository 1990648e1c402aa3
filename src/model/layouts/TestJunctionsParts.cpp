// "T: Junctions": the motorway with its interchange and the ring roundabout at its east end, the mini roundabout
// and the give-way T junction. Arms that meet the street plan patch the plan's stub roads.
#include "model/layouts/TestJunctionsParts.h"

#include <algorithm>

#include "model/Assemblies.h"
#include "model/RoundaboutInterchange.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace testJunctions {

namespace {

constexpr int miniTemplateCell = 1000; // the mini roundabout template is built about cell point (1, 1)
constexpr int exitIndicator = 4;
constexpr int motorwayEastEnd = 2, motorwayWestStart = 3; // interchange roads at the motorway's east end
constexpr int crossRoadSouthEnd = 8, crossRoadNorthStart = 9;
constexpr int motorwayWestEnd = 5, motorwayEastStart = 0, crossRoadNorthEnd = 11, crossRoadSouthStart = 6;
constexpr int linkLanes = 1;   // two lanes between the four-lane motorway and the two-lane ring
constexpr int spurStart = 915; // cell points of the cross road's spur to the south edge
constexpr int spurEnd = 918;

void setNext(RoadRecord& r, int a, int b, int c) {
    r.next[0] = a;
    r.next[1] = b;
    r.next[2] = c;
}

// An entry joins the ring segment that starts at its point and gives way to the one that arrives there.
void enter(RoadRecord& r, int segment, int arriving) {
    setNext(r, segment, segment, segment);
    r.control = arriving;
}

} // namespace

void addBoundary(NetworkModel& m, int road) {
    auto slot = std::find(m.boundaryRoads.begin(), m.boundaryRoads.end(), -1);
    if (slot != m.boundaryRoads.end())
        *slot = road;
}

void buildMiniQuarters(Builder& b) {
    miniRoundabout(b, miniShape);
    const Point c = cellPoint(miniCentre);
    copyRun(b.model(), miniBase, 4, 0, c.x - miniTemplateCell, c.y - miniTemplateCell);
    b.roundaboutShape(miniShape, miniCentre, miniRadius); // the shape follows the copy to its place
}

// Quarter q runs from compass point q (west, north, east, south) to q + 1. There is no west arm.
void buildMiniArms(Builder& b, Arm north) {
    NetworkModel& m = b.model();
    const Point c = cellPoint(miniCentre);
    const int r = miniRadius, q0 = miniBase, q1 = miniBase + 1, q2 = miniBase + 2, q3 = miniBase + 3;
    b.straightRaw(eastIn,
                  {.from = {extentMaxX, c.y}, .to = {c.x + r, c.y}, .next = q2, .offset = streetOffset, .ctl = q1});
    b.straightRaw(eastOut, {.from = {c.x + r, c.y}, .to = {extentMaxX, c.y}, .next = eastIn, .offset = streetOffset});
    b.straightRaw(southIn,
                  {.from = {c.x, extentMaxY}, .to = {c.x, c.y + r}, .next = q3, .offset = streetOffset, .ctl = q2});
    b.straightRaw(southOut, {.from = {c.x, c.y + r}, .to = {c.x, extentMaxY}, .next = southIn, .offset = streetOffset});
    enter(m.road(north.arriving), q1, q0);
    setNext(m.road(q0), north.leaving, north.leaving, q1);
    setNext(m.road(q1), eastOut, eastOut, q2);
    setNext(m.road(q2), southOut, southOut, q3);
    setNext(m.road(q3), q0, q0, q0);
    for (int road : {eastOut, southOut, north.leaving})
        m.road(road).indicator = exitIndicator;
    addBoundary(m, eastOut);
    addBoundary(m, southOut);
}

// The minor road gives way to the southbound major road, whose lane it crosses or joins.
void buildTeeJunction(Builder& b, const TeeRoads& t) {
    buildGiveWayTee(b, t,
                    {.nearsideOut = turnLeftOut,
                     .offsideOut = turnRightOut,
                     .nearsideIn = turnLeftIn,
                     .offsideIn = turnRightIn});
}

void buildMotorway(Builder& b, Arm north, Arm east, Arm south) {
    NetworkModel& m = b.model();
    // The interchange: in at the west edge and the north edge, on to the ring and the spur.
    roundaboutInterchange(b, {motorwayIntoRing, motorwayEastStart, southSpurOut, crossRoadSouthStart});
    transformRun(m, 0, interchangeRoads, 0, interchangeShiftX, interchangeShiftY);
    b.dualCarriageway(southSpurOut, southSpurIn,
                      {.from = spurStart, .to = spurEnd, .nextA = southSpurIn, .nextB = crossRoadNorthStart});
    setNext(m.road(crossRoadSouthEnd), southSpurOut, southSpurOut, southSpurOut);
    for (int road : {motorwayWestEnd, crossRoadNorthEnd, southSpurOut})
        addBoundary(m, road);

    // The ring: arc q (north-west, north-east, south-east, south-west) leads out by arm q (north, east, south,
    // west); the entry of arm k joins arc k + 1, after the side that arrives there.
    ringRoundabout(b, {.base = ringBase,
                       .centre = {ringCentreX, ringCentreY},
                       .halfSize = ringHalfSize,
                       .exits = {north.leaving, east.leaving, south.leaving, ringOntoMotorway}});
    auto arc = [](int q) { return ringBase + 2 * (q % 4); };
    auto sideBefore = [](int q) { return ringBase + (2 * q + 7) % 8; };
    b.joinRoads(motorwayIntoRing,
                {.topLanes = linkLanes, .next = arc(0), .fromRoad = motorwayEastEnd, .toRoad = arc(0)});
    b.joinRoads(ringOntoMotorway,
                {.topLanes = linkLanes, .next = motorwayWestStart, .fromRoad = arc(3), .toRoad = motorwayWestStart});
    enter(m.road(motorwayIntoRing), arc(0), sideBefore(0));
    const Arm arms[3] = {north, east, south};
    for (int k = 0; k < 3; ++k) {
        enter(m.road(arms[k].arriving), arc(k + 1), sideBefore(k + 1));
        m.road(arms[k].leaving).indicator = exitIndicator;
    }
    m.road(ringOntoMotorway).indicator = exitIndicator;
}

} // namespace testJunctions

} // namespace jamlog
