// "Loopy Train Set": a double-track oval with a second double-track oval inside it. The outer pair keeps left and
// the inner pair keeps right, so the two anticlockwise tracks run side by side in the middle, with crossovers
// between them on the north and south sides. Four reversing loops turn trains from one sense to the other: outside
// the outer oval's east side (clockwise to anticlockwise) and west side (back again), and inside the inner oval's
// east and west sides. Each loop passes under the track beside the one it leaves or joins. A line in and a line out
// at the north edge bring trains onto the outer clockwise track and take them off it.
#include "model/TrainLaying.h"
#include "model/layouts/BranchLine.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"
#include "model/layouts/RailPlan.h"

namespace jamlog {

namespace {

using railplan::Vertex;

constexpr int loopyTracks = 99;
constexpr int loopyTrackAdjust = 2;
constexpr int trainDivisor = 3;

constexpr int side = branchline::side; // each direction this far to its side of its oval's centre line
constexpr int outerCorner = 3000;      // the ovals' corners share their centres
constexpr int innerCorner = 2130;
constexpr int spurBend = 1200;     // the lines in and out
constexpr int balloonBend = 1200;  // the four bends of a reversing loop
constexpr int balloonReach = 3700; // from the track a reversing loop leaves to its far side
constexpr int northEdge = 0;
constexpr int coverHalfWidth = 150; // the bed of the track a reversing loop passes under, either side
constexpr int parapetHalfLength = 500;
constexpr int parapetHalfWidth = 220;
constexpr int touchMargin = 50;

// The outer oval's centre line, clockwise on the screen; the clockwise track runs outside it, the other inside.
const std::vector<Vertex> outerLine{
    {4300, 2500, outerCorner},   // 0
    {8500, 2500},                // 1: the line in joins the clockwise track
    {10200, 2500},               // 2: the line out leaves it
    {11500, 2500},               // 3: north station from here; the north crossover leaves the anticlockwise track
    {20300, 2500, outerCorner},  // 4
    {20300, 6500},               // 5: the east reversing loop leaves the clockwise track
    {20300, 10900},              // 6: and joins the anticlockwise one
    {20300, 16000, outerCorner}, // 7
    {11300, 16000},              // 8: south station from here; the south crossover joins the anticlockwise track
    {4300, 16000, outerCorner},  // 9
    {4300, 10200},               // 10: the west reversing loop joins the clockwise track
    {4300, 6800},                // 11: and leaves the anticlockwise one
};
constexpr int northStationLeg = 3, southStationLeg = 7;

// The inner oval's centre line, clockwise; its clockwise track runs inside it, the other outside.
const std::vector<Vertex> innerLine{
    {5170, 3370, innerCorner},   // 0
    {8500, 3370},                // 1: the north crossover joins the anticlockwise track
    {13000, 3370},               // 2
    {19430, 3370, innerCorner},  // 3
    {19430, 6500},               // 4: the inner east reversing loop leaves the clockwise track
    {19430, 9900},               // 5: and joins the anticlockwise one
    {19430, 15130, innerCorner}, // 6
    {13000, 15130},              // 7
    {8300, 15130},               // 8: the south crossover leaves the anticlockwise track
    {5170, 15130, innerCorner},  // 9
    {5170, 10200},               // 10: the inner west reversing loop joins the clockwise track
    {5170, 6800},                // 11: and leaves the anticlockwise one
};

// The two tracks of an oval, by the centre line's leg numbers. The anticlockwise track runs each leg backwards,
// so its leg i - 1 follows its leg i.
struct Oval {
    railplan::LaidLine cw, acw;
    int cwLeg(int i) const { return cw.leg[static_cast<size_t>(i)]; }
    int acwLeg(int i) const { return acw.leg[static_cast<size_t>(i)]; }
};

// `shift` to the left of travel: positive keeps left (the clockwise track outside), negative keeps right.
Oval layOval(Builder& b, const std::vector<Vertex>& line, int shift, int first) {
    Oval o;
    o.cw = railplan::layLine(b, {.vertices = &line, .side = shift, .first = first});
    o.acw = railplan::layLine(b, {.vertices = &line, .reversed = true, .side = shift, .first = o.cw.end});
    return o;
}

// A reversing loop beside a straight side of an oval: it leaves the end of `depart` with a bend to one side, runs
// balloonReach out, comes back round three more bends and joins the start of `arrive`, the other track of the pair,
// running the other way. Turning away from that track, it passes under the track it left just before it joins;
// turning towards it, it passes under that track just after it leaves.
struct Balloon {
    const railplan::LaidLine *departLine = nullptr, *arriveLine = nullptr;
    int depart = 0, departOn = 0;     // the track it leaves and the one that runs on past the points
    int arrive = 0, arriveFeeder = 0; // the track it joins and the one that feeds that track along the oval
    bool towardsTwin = false;
    int farPieces = 1; // the straight on the far side in one or two tracks
};

struct Axis { // a point `along` the departure track's direction and `across` towards the loop's side
    int x0, y0, ax, ay, cx, cy;
    Point at(int along, int across) const { return {x0 + along * ax + across * cx, y0 + along * ay + across * cy}; }
};

void buildBalloon(Builder& b, railplan::Counter& c, const Balloon& l, int carLength) {
    NetworkModel& m = b.model();
    const RoadRecord &dep = m.road(l.depart), &arr = m.road(l.arrive);
    const int ax = dep.dirX > 0 ? 1 : dep.dirX < 0 ? -1 : 0, ay = dep.dirY > 0 ? 1 : dep.dirY < 0 ? -1 : 0;
    const int twinX = arr.startX - dep.endX(), twinY = arr.startY - dep.endY();
    // Across: perpendicular to the departure, towards the twin or away from it.
    int cx = -ay, cy = ax;
    if ((twinX * cx + twinY * cy > 0) != l.towardsTwin) {
        cx = -cx;
        cy = -cy;
    }
    const Axis k{dep.endX(), dep.endY(), ax, ay, cx, cy};
    const int r = balloonBend, twinAcross = twinX * cx + twinY * cy, arriveAlong = twinX * ax + twinY * ay;
    const int bendOut = c.take(), out = c.take(), bendFar = c.take();
    const int farFirst = c.take(), farLast = l.farPieces > 1 ? c.take() : farFirst;
    const int bendBack = c.take(), back = c.take(), bendIn = c.take();
    auto straight = [&](int road, Point from, Point to, int next) {
        raillayout::buildTrack(b, {.road = road, .x1 = from.x, .y1 = from.y, .x2 = to.x, .y2 = to.y, .next0 = next});
    };
    straight(out, k.at(r, r), k.at(r, balloonReach - r), bendFar);
    const Point farStart = k.at(2 * r, balloonReach), farEnd = k.at(arriveAlong, balloonReach);
    if (farLast == farFirst) {
        straight(farFirst, farStart, farEnd, bendBack);
    } else {
        const Point mid = k.at((2 * r + arriveAlong) / 2, balloonReach);
        straight(farFirst, farStart, mid, farLast);
        straight(farLast, mid, farEnd, bendBack);
    }
    straight(back, k.at(arriveAlong + r, balloonReach - r), k.at(arriveAlong + r, twinAcross + r), bendIn);
    railplan::bend(b, bendOut, l.depart, out);
    railplan::bend(b, bendFar, out, farFirst);
    railplan::bend(b, bendBack, farLast, back);
    railplan::bend(b, bendIn, back, l.arrive);
    m.road(l.depart).next[2] = bendOut; // the way round, until the points draw the first route
    raillayout::addPoints(m, {1, railplan::facingPointsKind, l.depart, l.departOn, bendOut});
    raillayout::addPoints(m, {1, railplan::mergePointsKind, l.arrive, l.arriveFeeder, bendIn});

    // The first or the last bend passes under a track of the pair: hide it there and wall the bridge.
    const int half = underpassHalf(coverHalfWidth, carLength);
    for (int lower : {bendOut, bendIn})
        for (const railplan::LaidLine* line : {l.departLine, l.arriveLine})
            for (int upper : line->leg) {
                railplan::Crossing at;
                // Where the bends meet the tracks at their ends they touch them, they do not pass under.
                const bool crosses = railplan::findCrossing(m.road(lower), m.road(upper), at);
                if (!crosses || at.along < touchMargin || at.along > m.road(lower).length - touchMargin)
                    continue;
                railplan::hideUnderTrack(m.road(lower), m.road(upper), half);
                railplan::addBridgeWalls(m, at.x, at.y, m.road(upper).dirX, m.road(upper).dirY, parapetHalfLength,
                                         parapetHalfWidth);
            }
}

} // namespace

void buildLoopyTrainSet(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Loopy Train Set";
    a.contentFlags = contentTracks | contentDrawFlag | contentShortTrains;
    a.trains /= trainDivisor;
    m.trackCount = loopyTracks;
    m.trackAdjust = loopyTrackAdjust;
    setExtent(m, {.minX = 0, .minY = 0, .maxX = 24800, .maxY = 18600});

    const Oval outer = layOval(b, outerLine, side, firstTrack);
    const Oval inner = layOval(b, innerLine, -side, outer.acw.end);
    for (int leg : {northStationLeg, southStationLeg})
        for (int t : {outer.cwLeg(leg), outer.acwLeg(leg)})
            m.road(t).edgeStyle = edgeStylePlatform;

    railplan::Counter c{inner.acw.end};
    const Balloon balloons[] = {
        {.departLine = &outer.cw,
         .arriveLine = &outer.acw,
         .depart = outer.cwLeg(4),
         .departOn = outer.cwLeg(5),
         .arrive = outer.acwLeg(5),
         .arriveFeeder = outer.acwLeg(6),
         .farPieces = 2},
        {.departLine = &outer.acw,
         .arriveLine = &outer.cw,
         .depart = outer.acwLeg(11),
         .departOn = outer.acwLeg(10),
         .arrive = outer.cwLeg(10),
         .arriveFeeder = outer.cwLeg(9),
         .towardsTwin = true},
        {.departLine = &inner.cw,
         .arriveLine = &inner.acw,
         .depart = inner.cwLeg(3),
         .departOn = inner.cwLeg(4),
         .arrive = inner.acwLeg(4),
         .arriveFeeder = inner.acwLeg(5)},
        {.departLine = &inner.acw,
         .arriveLine = &inner.cw,
         .depart = inner.acwLeg(11),
         .departOn = inner.acwLeg(10),
         .arrive = inner.cwLeg(10),
         .arriveFeeder = inner.cwLeg(9),
         .towardsTwin = true},
    };
    for (const Balloon& l : balloons)
        buildBalloon(b, c, l, a.carLength);

    // The crossovers between the two anticlockwise tracks, which lie side by side.
    railplan::crossover(b, {.road = c.take(),
                            .leaves = outer.acwLeg(3),
                            .leavesOn = outer.acwLeg(2),
                            .joins = inner.acwLeg(0),
                            .joinsFeeder = inner.acwLeg(1)});
    railplan::crossover(b, {.road = c.take(),
                            .leaves = inner.acwLeg(8),
                            .leavesOn = inner.acwLeg(7),
                            .joins = outer.acwLeg(7),
                            .joinsFeeder = outer.acwLeg(8)});

    // The line in and the line out at the north edge.
    const int entry = c.next + 2; // the line in's straight, laid after the line out
    const int exit = railplan::lineOut(b, c,
                                       {.edgeX = outerLine[2].x + spurBend,
                                        .edgeY = northEdge,
                                        .track = outer.cwLeg(1),
                                        .neighbour = outer.cwLeg(2),
                                        .radius = spurBend},
                                       entry);
    railplan::lineIn(b, c,
                     {.edgeX = outerLine[1].x - spurBend,
                      .edgeY = northEdge,
                      .track = outer.cwLeg(1),
                      .neighbour = outer.cwLeg(0),
                      .radius = spurBend});
    m.boundaryTracks[0] = exit;
    const int mouth = underpassHalf(0, a.carLength);
    raillayout::hideMouth(m, entry, mouth, true);
    raillayout::hideMouth(m, exit, mouth, false);
}

} // namespace jamlog
