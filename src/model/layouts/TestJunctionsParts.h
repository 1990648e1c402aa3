// The pieces of "T: Junctions" built beside its street plan: the motorway interchange and the ring roundabout at
// the motorway's end, the mini roundabout and the give-way T junction, with the road numbers they take.
#pragma once
#include "model/Primitives.h"
#include "model/RoundaboutInterchange.h"
#include "model/layouts/GiveWayTee.h"

namespace jamlog {

namespace testJunctions {

constexpr int extentMinX = 2000, extentMinY = 2000, extentMaxX = 26000, extentMaxY = 18000;

// The interchange template stays on roads 0-27, moved to its place; the cross road runs on to the south edge.
constexpr int interchangeShiftX = 2000, interchangeShiftY = 2000;
constexpr int southSpurOut = 28, southSpurIn = 29;
// Links from the motorway's end into the ring and back, and the ring roundabout's eight segments.
constexpr int motorwayIntoRing = 30, ringOntoMotorway = 31;
constexpr int ringBase = 32;
constexpr int ringCentreX = 18000, ringCentreY = 8000, ringHalfSize = 500;
// Light junctions and four-arm roundabouts of the street plan, then its streets.
constexpr int firstLightJunction = 40, secondLightJunction = 52;
constexpr int twoLaneRoundabout = 64, oneLaneRoundabout = 76;
constexpr int firstStreet = 88;
// The mini roundabout about (22000, 16000): quarters 130-133 and its east and south arms 134-137.
constexpr int miniBase = 130, miniShape = 2, miniCentre = 2216, miniRadius = 80;
constexpr int eastIn = 134, eastOut = 135, southIn = 136, southOut = 137;
// The T junction's turns.
constexpr int turnLeftOut = 138, turnRightOut = 139, turnLeftIn = 140, turnRightIn = 141;

// Plan streets that end at a piece built here: the road arriving there and the road leaving.
struct Arm {
    int arriving, leaving;
};

// The mini roundabout's quarters from the template (before the plan uses roads 0-11 for its own template).
void buildMiniQuarters(Builder& b);
// The mini roundabout's arms: east and south to the layout's edges, north to the plan's street.
void buildMiniArms(Builder& b, Arm north);
void buildTeeJunction(Builder& b, const TeeRoads& t);
// The interchange, the cross road's spur and the ring roundabout with its links to the motorway's east end;
// the ring's north, east and south arms meet the plan's streets.
void buildMotorway(Builder& b, Arm north, Arm east, Arm south);

void addBoundary(NetworkModel& m, int road);

} // namespace testJunctions

} // namespace jamlog
