// "T: Junctions" (layout 29): a test town that shows every junction kind of the builder side by side. In the west
// a motorway crosses a dual road at the roundabout interchange and ends in the east at a ring roundabout; the
// streets beyond have light junctions, four-arm roundabouts with one- and two-lane rings, a pelican crossing, one-way
// loops that give way where they rejoin their street, a T junction with give way and a mini roundabout.
#include <algorithm>

#include "model/layouts/Layouts.h"
#include "model/layouts/StreetPlan.h"
#include "model/layouts/TestJunctionsParts.h"

namespace jamlog {

namespace {

using namespace testJunctions;

constexpr int junctionRoads = 142;
constexpr int carScale = 3;
static_assert(turnRightIn + 1 == junctionRoads, "the T junction's turns are the layout's last roads");

int buildTown(Builder& b, const LayoutArgs& a) {
    // The mini roundabout's quarters come from a template on roads 0-3, so they are placed before the plan uses
    // roads 0-11 for the four-arm roundabout template; the interchange takes roads 0-27 after both.
    buildMiniQuarters(b);

    StreetPlan p(b, firstStreet);
    const auto twoLane = p.roundabout(1, 2205, 800, 1, twoLaneRoundabout);
    const auto oneLane = p.roundabout(0, 2212, 600, 0, oneLaneRoundabout);
    const int j1 = p.junction(1805, firstLightJunction), j2 = p.junction(2208, secondLightJunction);
    // Stub joints where the streets meet the ring roundabout, the mini roundabout and the T junction.
    const int ringNorth = p.joint(ringCentreX, ringCentreY - ringHalfSize);
    const int ringEast = p.joint(ringCentreX + ringHalfSize, ringCentreY);
    const int ringSouth = p.joint(ringCentreX, ringCentreY + ringHalfSize);
    const Point mini = cellPoint(miniCentre);
    const int miniNorth = p.joint(mini.x, mini.y - miniRadius);
    const int tee = p.joint(18000, 12000), minorEnd = p.joint(18300, 12000);

    p.straight(ringNorth, j1);
    const int pelican = p.joint(18000, 3500, true);
    p.straight(j1, pelican);
    p.straight(pelican, p.edge(18000, extentMinY));
    const int bendEast = p.joint(14000, 5000), bendNorth = p.joint(13000, 4000);
    p.straight(j1, bendEast);
    p.arc({.from = bendEast, .fromArm = west, .to = bendNorth, .toArm = south, .centre = {14000, 4000}, .cw = 1});
    p.straight(bendNorth, p.edge(13000, extentMinY));
    p.straight(j1, twoLane[west]);
    p.straight(twoLane[north], p.edge(22000, extentMinY));
    p.straight(twoLane[east], p.edge(extentMaxX, 5000));
    p.straight(twoLane[south], j2);
    p.straight(ringEast, j2);
    p.straightWithLoop({.from = j2, .to = p.edge(extentMaxX, 8000), .loopFrom = 1000, .loopTo = 3000, .bulge = 500});
    p.straight(j2, oneLane[north]);
    p.straight(oneLane[east], p.edge(extentMaxX, 12000));
    p.straight(oneLane[west], minorEnd);
    p.straightWithLoop({.from = ringSouth, .to = tee, .loopFrom = 1000, .loopTo = 2500, .bulge = 700});
    p.straight(tee, p.edge(18000, extentMaxY));
    p.straight(oneLane[south], miniNorth);
    const int end = p.build(a.lights, true);

    buildMiniArms(b, {p.arriving(miniNorth, north), p.leaving(miniNorth, north)});
    buildTeeJunction(b, {p.arriving(tee, north), p.leaving(tee, south), p.arriving(tee, south), p.leaving(tee, north),
                         p.arriving(minorEnd, east), p.leaving(minorEnd, east)});
    buildMotorway(b, {p.arriving(ringNorth, north), p.leaving(ringNorth, north)},
                  {p.arriving(ringEast, east), p.leaving(ringEast, east)},
                  {p.arriving(ringSouth, south), p.leaving(ringSouth, south)});
    return std::max(end, turnRightIn + 1);
}

} // namespace

void buildTestJunctions(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Junctions";
    setExtent(m, {.minX = extentMinX, .minY = extentMinY, .maxX = extentMaxX, .maxY = extentMaxY});
    a.contentFlags = contentRoads;
    a.cars *= carScale;
    m.roadCount = buildTown(b, a);
}

} // namespace jamlog
