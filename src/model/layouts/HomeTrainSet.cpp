// "Home Train Set": a double-track oval round the edge of a table, with a station on its north and south sides and a
// line in and out at the east edge. With roads on, a street crosses the table from west to east and a one-way loop
// from the south edge serves a car park in the middle; both pass under the railway on bridges, where the cars
// are hidden.
#include <cmath>

#include "model/Bitmap.h"
#include "model/TrainLaying.h"
#include "model/layouts/BranchLine.h"
#include "model/layouts/CarParkRow.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"
#include "model/layouts/RailPlan.h"

namespace jamlog {

namespace {

using railplan::Vertex;

constexpr int homeRoads = 40;
constexpr int homeTracks = 42;
constexpr int carDivisor = 5;
constexpr int trainDivisor = 2;

constexpr int side = branchline::side; // each direction this far to its left of the centre line
constexpr int corner = 3000;
constexpr int spurBend = 1200;
constexpr int underBridgeHalfLength = 500; // the clockwise track's bridges over the other track's lines
constexpr int underBridgeHalfWidth = 220;
constexpr int eastEdge = 24000, southEdge = 18000, westEdge = 0;

// The oval's centre line, clockwise on the screen: the clockwise track runs outside it, the other inside.
constexpr int westSide = 3000, eastSide = 21000, northSide = 3000, southSide = 15000;
const std::vector<Vertex> oval{
    {westSide, northSide, corner}, // 0
    {9500, northSide},             // 1: north station from here
    {13500, northSide},            // 2
    {eastSide, northSide, corner}, // 3
    {eastSide, 8000},              // 4: the lines in join the tracks here
    {eastSide, 11000},             // 5: and the lines out leave them here
    {eastSide, southSide, corner}, // 6
    {16500, southSide},            // 7
    {13500, southSide},            // 8: south station from here
    {9500, southSide},             // 9
    {westSide, southSide, corner}, // 10
    {westSide, 11000},             // 11
    {westSide, 7000},              // 12
};
constexpr int northStationLeg = 1, southStationLeg = 8;
constexpr int joinVertex = 4, leaveVertex = 5;
// Each track's lines in and out at the east edge: the clockwise track's outside the lines' joints, the
// anticlockwise track's between them, diving under the clockwise track.
constexpr int joinLeg = joinVertex, leaveLeg = leaveVertex; // the legs that start at those vertices, running south
constexpr int underCoverHalf = 260;                         // a double track's bed either side of its centre line

// Roads, all one lane. The street runs along y streetY, each way a lane to its left; the loop to the car park comes
// in from the south edge at x loopInX and goes back out at x loopOutX.
constexpr int streetY = 6300;
constexpr int streetOffset = 1; // each way of the street shifted to its own left
constexpr int underHalf = 700;  // a road under the railway is hidden this far either side of its centre line
constexpr int bridgeWallHalfLength = 450;
constexpr int bridgeWallOffset = side + underCoverHalf; // the walls of the double track's bridge from its centre
constexpr int loopInX = 7500, loopOutX = 6500;
constexpr int aisleX = 8000, aisleY = 11000; // the car park's aisle runs east from here
constexpr int turnRadius = 500;
constexpr int hiddenStyle = 4; // a road surface not drawn: the stretch under a bridge

// Record numbers: the car-park row first (its bays just below its aisle), then the loop, then the street.
constexpr int aisle = baysPerAisle, exitAisle = aisle + 1, uTurn = aisle + 2;
constexpr int loopIn = uTurn + 1;   // edge, under the railway, two pieces, the turn into the aisle
constexpr int loopOut = loopIn + 5; // the exit aisle's way west, the turn south, the way down, under, edge
constexpr int street = loopOut + 5; // eastbound pieces, then the same westbound
constexpr int streetPieces = 9;

// Where the street's pieces meet, west to east: the edge, either side of the railway's west and east sides, and
// joints splitting the middle.
constexpr int streetJoints[streetPieces + 1] = {westEdge, 2300,  3700,  7020,  10340,
                                                13660,    16980, 20300, 21700, eastEdge};
constexpr bool underRailway(int piece) {
    return piece == 1 || piece == streetPieces - 2;
}

struct RoadPiece {
    int road;
    Point from, to;
    int next;
    bool hidden = false;
};

void buildRoadPiece(Builder& b, const RoadPiece& p, int offset = 0) {
    b.straightRaw(p.road,
                  {.from = p.from, .to = p.to, .next = p.next, .style = p.hidden ? hiddenStyle : 0, .offset = offset});
    if (p.hidden) {
        RoadRecord& r = b.model().road(p.road);
        setCells(r.hiddenBits, 0, r.length / 10 - 1, true);
    }
}

void buildStreet(Builder& b) {
    for (int i = 0; i < streetPieces; ++i) {
        const int east = street + i, west = street + 2 * streetPieces - 1 - i;
        const Point a{streetJoints[i], streetY}, z{streetJoints[i + 1], streetY};
        const bool hidden = underRailway(i);
        // The east end of the eastbound way turns into the westbound one, and the west end the other way round:
        // that is where cars leave and enter.
        buildRoadPiece(b, {east, a, z, i + 1 < streetPieces ? east + 1 : west, hidden}, streetOffset);
        buildRoadPiece(b, {west, z, a, i > 0 ? west + 1 : street, hidden}, streetOffset);
    }
    NetworkModel& m = b.model();
    m.boundaryRoads[0] = street + streetPieces - 1;
    m.boundaryRoads[1] = street + 2 * streetPieces - 1;
}

void buildCarParkLoop(Builder& b) {
    NetworkModel& m = b.model();
    const int railY = southSide, under0 = railY + underHalf, under1 = railY - underHalf;
    const int inSplit = (under1 + aisleY + turnRadius) / 2;
    const int exitY = aisleY - rowDepth, exitWestX = loopOutX + turnRadius, down = exitY + turnRadius;
    const RoadPiece pieces[] = {
        {loopIn, {loopInX, southEdge}, {loopInX, under0}, loopIn + 1},
        {loopIn + 1, {loopInX, under0}, {loopInX, under1}, loopIn + 2, true},
        {loopIn + 2, {loopInX, under1}, {loopInX, inSplit}, loopIn + 3},
        {loopIn + 3, {loopInX, inSplit}, {loopInX, aisleY + turnRadius}, loopIn + 4},
        {loopOut, {aisleX, exitY}, {exitWestX, exitY}, loopOut + 1},
        {loopOut + 2, {loopOutX, down}, {loopOutX, under1}, loopOut + 3},
        {loopOut + 3, {loopOutX, under1}, {loopOutX, under0}, loopOut + 4, true},
        {loopOut + 4, {loopOutX, under0}, {loopOutX, southEdge}, loopIn},
    };
    for (const RoadPiece& p : pieces)
        buildRoadPiece(b, p);
    // A right turn from the way in into the aisle, and a left turn from the way out of the exit aisle down south.
    const int W = m.laneWidth;
    b.arcRaw(loopIn + 4, {.from = {loopInX, aisleY + turnRadius},
                          .to = {aisleX, aisleY},
                          .centre = {aisleX, aisleY + turnRadius},
                          .bounds = {loopInX - W, aisleY - W, aisleX, aisleY + turnRadius},
                          .next = aisle,
                          .cw = 1});
    b.arcRaw(loopOut + 1, {.from = {exitWestX, exitY},
                           .to = {loopOutX, down},
                           .centre = {exitWestX, down},
                           .bounds = {loopOutX - W, exitY - W, exitWestX, down},
                           .next = loopOut + 2});
    buildParkingRow(
        b, {.aisle = aisle, .exitAisle = exitAisle, .uTurn = uTurn, .x = aisleX, .y = aisleY, .exitNext = loopOut});
    setParkingRowFigures(m);
    m.boundaryRoads[2] = loopOut + 4;
}

// Walls either side of the railway where a road passes under it.
void bridgeWalls(NetworkModel& m) {
    const Point bridges[] = {{westSide, streetY}, {eastSide, streetY}, {loopInX, southSide}, {loopOutX, southSide}};
    for (const Point& p : bridges) {
        const bool northSouth = p.y == streetY; // the railway's west and east sides run north-south
        railplan::addBridgeWalls(m, p.x, p.y, northSouth ? 0 : 1, northSouth ? 1 : 0, bridgeWallHalfLength,
                                 bridgeWallOffset);
    }
}

} // namespace

void buildHomeTrainSet(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Home Train Set";
    const bool roads = (a.contentFlags & contentRoads) != 0;
    a.contentFlags = contentTracks | contentDrawFlag | contentShortTrains | contentTrainOption |
                     (roads ? contentRoads | contentCarPark : 0);
    a.cars /= carDivisor;
    a.trains /= trainDivisor;
    m.trackCount = homeTracks;
    setExtent(m, {.minX = 0, .minY = 0, .maxX = 24000, .maxY = southEdge});

    const auto cw = railplan::layLine(b, {.vertices = &oval, .side = side, .first = firstTrack});
    const auto acw = railplan::layLine(b, {.vertices = &oval, .reversed = true, .side = side, .first = cw.end});
    auto leg = [](const railplan::LaidLine& l, int i) { return l.leg[static_cast<size_t>(i)]; };
    for (int i : {northStationLeg, southStationLeg})
        for (const railplan::LaidLine* l : {&cw, &acw})
            m.road(leg(*l, i)).edgeStyle = edgeStylePlatform;

    railplan::Counter c{acw.end};
    const int joinY = oval[joinVertex].y, leaveY = oval[leaveVertex].y;
    // The clockwise track, running south: in from north of its join, out to south of its leaving.
    const int cwEntry = c.next + 2; // each line in's straight is laid after its line out
    const int cwExit = railplan::lineOut(b, c,
                                         {.edgeX = eastEdge,
                                          .edgeY = leaveY + spurBend,
                                          .track = leg(cw, joinLeg),
                                          .neighbour = leg(cw, leaveLeg),
                                          .radius = spurBend},
                                         cwEntry);
    railplan::lineIn(b, c,
                     {.edgeX = eastEdge,
                      .edgeY = joinY - spurBend,
                      .track = leg(cw, joinLeg),
                      .neighbour = leg(cw, joinLeg - 1),
                      .radius = spurBend});
    // The anticlockwise track, running north: its leg joinLeg - 1 starts at the join, leaveLeg ends at the leaving.
    const int acwEntry = c.next + 2;
    const int acwExit = railplan::lineOut(b, c,
                                          {.edgeX = eastEdge,
                                           .edgeY = leaveY - spurBend,
                                           .track = leg(acw, leaveLeg),
                                           .neighbour = leg(acw, joinLeg),
                                           .radius = spurBend},
                                          acwEntry);
    railplan::lineIn(b, c,
                     {.edgeX = eastEdge,
                      .edgeY = joinY + spurBend,
                      .track = leg(acw, joinLeg - 1),
                      .neighbour = leg(acw, joinLeg),
                      .radius = spurBend});
    m.boundaryTracks[0] = cwExit;
    m.boundaryTracks[1] = acwExit;
    const int mouth = underpassHalf(0, a.carLength);
    for (int t : {cwEntry, acwEntry})
        raillayout::hideMouth(m, t, mouth, true);
    for (int t : {cwExit, acwExit})
        raillayout::hideMouth(m, t, mouth, false);
    // The anticlockwise track's lines bend under the clockwise track.
    const int half = underpassHalf(underCoverHalf, a.carLength);
    for (int bend : {acwExit + 1, acwEntry + 1}) {
        for (int t : cw.leg)
            railplan::hideUnderTrack(m.road(bend), m.road(t), half);
    }
    const int dive = static_cast<int>(
        std::lround(std::sqrt(double(spurBend) * spurBend - double(spurBend - 2 * side) * (spurBend - 2 * side))));
    for (int y : {joinY + dive, leaveY - dive})
        railplan::addBridgeWalls(m, eastSide + side, y, 0, 1, underBridgeHalfLength, underBridgeHalfWidth);

    if (roads) {
        m.roadCount = homeRoads;
        buildCarParkLoop(b);
        buildStreet(b);
        bridgeWalls(m);
    }
}

} // namespace jamlog
