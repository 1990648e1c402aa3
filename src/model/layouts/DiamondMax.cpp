// "Diamond Max": a motorway of four-lane carriageways across the middle of the layout, crossed by five local roads
// on bridges. Each local road meets the motorway by a diamond interchange: four slip roads, two leaving the
// motorway and two joining it, run between the motorway and a light junction on the local road either side of the
// bridge. Two streets run east to west through light junctions with the local roads north and south of the
// motorway. The eastbound carriageway runs north of the westbound one (traffic keeps left).
#include <array>
#include <cmath>
#include <vector>

#include "model/layouts/BridgeCover.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/LocalRoadPlan.h"
#include "model/layouts/MotorwayPlan.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int diamondRoads = 444;
constexpr int carScale = 3;
constexpr int32_t minX = 2000, minY = 2000, maxX = 30000, maxY = 18000;

// The motorway: each carriageway's nearside line carriagewayHalfGap from the centre line, its lanes inwards.
constexpr int motorwayLanes = 3;
constexpr int32_t motorwayY = 10000;
constexpr int32_t carriagewayHalfGap = 500;
constexpr int32_t eastboundY = motorwayY - carriagewayHalfGap, westboundY = motorwayY + carriagewayHalfGap;

// The local roads: two lanes each way, light junctions either side of each bridge and on the two streets.
constexpr LocalRoadShape localRoad{.topLanes = 1, .offset = 3, .boxHalf = 500};
constexpr std::array<int32_t, 5> diamondX{5200, 10600, 16000, 21400, 26800};
constexpr int32_t terminalReach = 1500; // each terminal junction's centre from the motorway's centre line
constexpr std::array<int32_t, 2> streetY{5000, 15000};
constexpr int32_t streetJointInset = 1400; // the streets' end links have a joint this far inside the edge

// A slip road between the motorway and its terminal junction, drawn for the eastbound exit: a short diverging
// piece beside the carriageway, a bend away from it, a straight climbing at climbDegrees, a bend back to the
// motorway's heading, and a level piece into the junction.
struct SlipShape {
    int32_t divergeLength;
    int32_t bendRadius;
    double climbDegrees;
    int32_t levelLength;
};
constexpr SlipShape slip{.divergeLength = 300, .bendRadius = 400, .climbDegrees = 60, .levelLength = 200};
constexpr int slipPieces = 5;
constexpr int exitTaper = 2;     // an exit starts a little way along the diverging lane

// Record numbers: the motorway first, so that the bridges are drawn over it, then the slip roads, the junctions
// and the local links.
constexpr int diamonds = static_cast<int>(diamondX.size());
constexpr int carriagewayRoads = 2 * diamonds + 1; // approach and through road at each diamond, then the last
constexpr int eastboundFirst = 0, westboundFirst = carriagewayRoads;
constexpr int firstSlip = 2 * carriagewayRoads;
constexpr int slipsPerDiamond = 4;
constexpr int firstJunction = firstSlip + diamonds * slipsPerDiamond * slipPieces;
constexpr int junctionRoads = 12;
constexpr int junctionsPerDiamond = 4;
constexpr int firstLink = firstJunction + diamonds * junctionsPerDiamond * junctionRoads;
constexpr int longestCarLengths = 2; // the bridges hide a stretch this long either side

enum SlipKind { eastboundExit, eastboundEntry, westboundExit, westboundEntry };

int slipRoad(int diamond, int kind, int piece) {
    return firstSlip + (diamond * slipsPerDiamond + kind) * slipPieces + piece;
}

Point rounded(double x, double y) {
    return {static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))};
}

// The eastbound exit from the eastbound carriageway to `arrival`, the end of the terminal junction's west arm.
std::vector<Piece> exitPieces(Point arrival, int32_t laneWidth) {
    const double a = slip.climbDegrees * 3.14159265358979 / 180, R = slip.bendRadius;
    const double bendRise = R * (1 - std::cos(a)), bendRun = R * std::sin(a);
    const double divergeY = eastboundY - laneWidth; // one lane outside the carriageway's nearside lane
    const double levelX = arrival.x - slip.levelLength;
    const double climb = (divergeY - bendRise) - (arrival.y + bendRise);
    const double bendAwayX = levelX - 2 * bendRun - climb / std::tan(a);
    const double divergeX = bendAwayX - slip.divergeLength;
    const Point bendAway = rounded(bendAwayX, divergeY), climbFrom = rounded(bendAwayX + bendRun, divergeY - bendRise);
    const Point climbTo = rounded(levelX - bendRun, arrival.y + bendRise), level = rounded(levelX, arrival.y);
    std::vector<Piece> p;
    appendStraight(p, rounded(divergeX, divergeY), bendAway, 1, 0);
    appendArc(p, bendAway, climbFrom, rounded(bendAwayX, divergeY - R), 0, 0);
    appendStraight(p, climbFrom, climbTo, 1, 0);
    appendArc(p, climbTo, level, rounded(levelX, arrival.y + R), 1, 0);
    appendStraight(p, level, arrival, 1, 0);
    return p;
}

// The other three slip roads of a diamond at x: the entry is the exit mirrored about the local road and driven the
// other way; the westbound slips are the eastbound ones turned half round about the diamond's centre.
std::vector<Piece> placedSlip(std::vector<Piece> p, int kind, int32_t x) {
    const bool mirror = kind == eastboundEntry || kind == westboundEntry;
    const bool turn = kind == westboundExit || kind == westboundEntry;
    auto move = [&](Point q) {
        if (mirror)
            q.x = 2 * x - q.x;
        if (turn)
            q = {2 * x - q.x, 2 * motorwayY - q.y};
        return q;
    };
    for (Piece& piece : p) {
        piece.from = move(piece.from);
        piece.to = move(piece.to);
        if (piece.centre.x != 0)
            piece.centre = move(piece.centre);
        if (mirror)
            piece.cw = 1 - piece.cw;
    }
    return mirror ? reversed(p) : p;
}

std::array<int, 3> nextOf(const RoadRecord& r) {
    return {r.next[0], r.next[1], r.next[2]};
}

struct Diamond {
    int north, south; // terminal junction nodes
    std::array<std::vector<Piece>, slipsPerDiamond> slips;
};

void buildSlip(Builder& b, const std::vector<Piece>& pieces, int diamond, int kind, std::array<int, 3> then,
               int giveWayTo) {
    const std::vector<int> roads = numbered(slipRoad(diamond, kind, 0), slipPieces);
    buildChain(b, {.roads = roads, .pieces = pieces, .offset = 0, .then = then});
    NetworkModel& m = b.model();
    for (int r : roads)
        m.road(r).indicator = slipIndicator;
    m.road(roads.back()).control = giveWayTo;
    if (kind == eastboundExit || kind == westboundExit) { // rebuilt with its start taper
        const Piece& p = pieces.front();
        SegmentArgs a{.x1 = p.from.x,
                      .y1 = p.from.y,
                      .x2 = p.to.x,
                      .y2 = p.to.y,
                      .next0 = roads[1],
                      .next1 = roads[1],
                      .next2 = roads[1],
                      .startTaper = exitTaper};
        b.segmentInOutline(roads.front(), a, chainOutlineReach);
        m.road(roads.front()).indicator = slipIndicator;
    }
}

// One carriageway: an approach to each diamond ending where its exit leaves, a through road under the bridge to
// where its entry joins, and a last road out to the edge. `diverge` and `merge` give those points in the order
// the carriageway meets them.
void buildCarriageway(Builder& b, int first, int32_t y, int32_t fromX, int32_t toX, const std::vector<int32_t>& diverge,
                      const std::vector<int32_t>& merge, const std::vector<int>& exits, const std::vector<int>& entries,
                      int otherFirst) {
    int32_t x = fromX;
    for (int i = 0; i < diamonds; ++i) {
        const int approach = first + 2 * i, through = approach + 1;
        b.straightRaw(approach, {.from = {x, y},
                                 .to = {diverge[static_cast<size_t>(i)], y},
                                 .topLanes = motorwayLanes,
                                 .next = {through, through, exits[static_cast<size_t>(i)]}});
        b.straightRaw(through, {.from = {diverge[static_cast<size_t>(i)], y},
                                .to = {merge[static_cast<size_t>(i)], y},
                                .topLanes = motorwayLanes,
                                .next = through + 1,
                                .ctl = 1000 + entries[static_cast<size_t>(i)]}); // courtesy for the joining slip
        x = merge[static_cast<size_t>(i)];
    }
    const int last = first + 2 * diamonds;
    b.straightRaw(last, {.from = {x, y}, .to = {toX, y}, .topLanes = motorwayLanes, .next = otherFirst});
}

} // namespace

void buildDiamondMax(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Diamond Max";
    a.contentFlags = contentRoads;
    a.cars *= carScale;
    m.roadCount = diamondRoads;
    m.trackCount = 0;
    m.riverCount = 0;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    LocalRoadPlan p(b, localRoad, firstLink);
    std::array<Diamond, diamonds> diamond{};
    std::array<std::array<int, diamonds>, 2> streetJunction{};
    int base = firstJunction;
    auto junction = [&](Point at) {
        base += junctionRoads;
        return p.junction(at, base - junctionRoads);
    };
    for (int d = 0; d < diamonds; ++d) {
        const int32_t x = diamondX[static_cast<size_t>(d)];
        Diamond& dm = diamond[static_cast<size_t>(d)];
        const int northStreet = junction({x, streetY[0]});
        dm.north = junction({x, motorwayY - terminalReach});
        dm.south = junction({x, motorwayY + terminalReach});
        const int southStreet = junction({x, streetY[1]});
        streetJunction[0][static_cast<size_t>(d)] = northStreet;
        streetJunction[1][static_cast<size_t>(d)] = southStreet;
        p.straight(p.edge({x, minY}), northStreet);
        p.straight(northStreet, dm.north);
        p.straight(dm.north, dm.south); // the bridge
        p.straight(dm.south, southStreet);
        p.straight(southStreet, p.edge({x, maxY}));
        // Traffic off the motorway turns onto the local road; the slips meet the terminals' outer arms.
        p.arriving(dm.north, west, slipRoad(d, eastboundExit, slipPieces - 1), true);
        p.leaving(dm.north, east, slipRoad(d, eastboundEntry, 0));
        p.arriving(dm.south, east, slipRoad(d, westboundExit, slipPieces - 1), true);
        p.leaving(dm.south, west, slipRoad(d, westboundEntry, 0));
    }
    for (size_t s = 0; s < streetY.size(); ++s) {
        const int32_t y = streetY[s];
        const int westJoint = p.joint({minX + streetJointInset, y}), eastJoint = p.joint({maxX - streetJointInset, y});
        p.straight(p.edge({minX, y}), westJoint);
        p.straight(westJoint, streetJunction[s][0]);
        for (int d = 0; d + 1 < diamonds; ++d)
            p.straight(streetJunction[s][static_cast<size_t>(d)], streetJunction[s][static_cast<size_t>(d) + 1]);
        p.straight(streetJunction[s][diamonds - 1], eastJoint);
        p.straight(eastJoint, p.edge({maxX, y}));
    }

    // The slip roads, and the points where they leave and join each carriageway.
    std::vector<int32_t> ebDiverge, ebMerge, wbDiverge, wbMerge;
    std::vector<int> ebExits, ebEntries, wbExits, wbEntries;
    for (int d = 0; d < diamonds; ++d) {
        const int32_t x = diamondX[static_cast<size_t>(d)];
        Diamond& dm = diamond[static_cast<size_t>(d)];
        const std::vector<Piece> exit = exitPieces(p.arrivalPoint(dm.north, west), m.laneWidth);
        for (int k = 0; k < slipsPerDiamond; ++k)
            dm.slips[static_cast<size_t>(k)] = placedSlip(exit, k, x);
        ebDiverge.push_back(dm.slips[eastboundExit].front().from.x);
        ebMerge.push_back(dm.slips[eastboundEntry].back().to.x);
        ebExits.push_back(slipRoad(d, eastboundExit, 0));
        ebEntries.push_back(slipRoad(d, eastboundEntry, slipPieces - 1));
    }
    for (int d = diamonds - 1; d >= 0; --d) { // westbound meets the diamonds from the east
        const Diamond& dm = diamond[static_cast<size_t>(d)];
        wbDiverge.push_back(dm.slips[westboundExit].front().from.x);
        wbMerge.push_back(dm.slips[westboundEntry].back().to.x);
        wbExits.push_back(slipRoad(d, westboundExit, 0));
        wbEntries.push_back(slipRoad(d, westboundEntry, slipPieces - 1));
    }
    buildCarriageway(b, eastboundFirst, eastboundY, minX, maxX, ebDiverge, ebMerge, ebExits, ebEntries, westboundFirst);
    buildCarriageway(b, westboundFirst, westboundY, maxX, minX, wbDiverge, wbMerge, wbExits, wbEntries, eastboundFirst);
    for (int d = 0; d < diamonds; ++d) {
        const Diamond& dm = diamond[static_cast<size_t>(d)];
        const int ebThrough = eastboundFirst + 2 * d + 1, wbThrough = westboundFirst + 2 * (diamonds - 1 - d) + 1;
        buildSlip(b, dm.slips[eastboundExit], d, eastboundExit, p.successorsAt(dm.north, west), noControl);
        buildSlip(b, dm.slips[eastboundEntry], d, eastboundEntry, nextOf(m.road(ebThrough)), ebThrough);
        buildSlip(b, dm.slips[westboundExit], d, westboundExit, p.successorsAt(dm.south, east), noControl);
        buildSlip(b, dm.slips[westboundEntry], d, westboundEntry, nextOf(m.road(wbThrough)), wbThrough);
    }

    // The motorway's ends come first in the boundary list, twice each, so that a fair share of traffic enters on it.
    const int ebLast = eastboundFirst + carriagewayRoads - 1, wbLast = westboundFirst + carriagewayRoads - 1;
    const int motorwayEnds[] = {ebLast, wbLast, ebLast, wbLast};
    for (size_t i = 0; i < std::size(motorwayEnds); ++i)
        m.boundaryRoads[i] = motorwayEnds[i];
    p.build(a.lights, 0);
    hideBeneath(m, RecordRun{0, firstSlip}, RecordRun{firstLink, diamondRoads - firstLink},
                longestCarLengths * a.carLength);
}

} // namespace jamlog
