// "Big Train Set": a large double-track main line round the table, with a station on its north and south sides,
// a line in from the north edge and out to the east, a branch in from the east and out to the north, and four
// terminus sidings in the middle. Trains reach the sidings from the outer track,
// diving under the inner one, and reverse out onto the inner track, which is how they change direction.
#include "model/TrainLaying.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"
#include "model/layouts/RailPlan.h"

namespace jamlog {

namespace {

using railplan::Vertex;

constexpr int bigTracks = 77;
constexpr int bigTrackAdjust = 2;

constexpr int side = 145;        // each direction this far to its left of the centre line
constexpr int corner = 3000;     // radius of the main line's corners
constexpr int spurBend = 1200;   // lines off the main line to the edges
constexpr int sidingBend = 1500; // the dive under the inner track into the sidings
constexpr int coverHalfWidth = 260;
constexpr int northEdge = -500, eastEdge = 27500;
constexpr int departGap = 300; // the departure road beside each arrival, clear of its platform
constexpr int carLengthForHiding = 200;

// The main line's centre line, clockwise on the screen: the outer track runs this way, the inner one back.
const std::vector<Vertex> mainLine{
    {2000, 3000, corner},   // 0
    {8000, 3000},           // 1: the branch out to the north leaves the inner track
    {11000, 3000},          // 2: north station from here
    {16000, 3000},          // 3
    {19000, 3000},          // 4: the line in from the north joins the outer track
    {25000, 3000, corner},  // 5
    {25000, 8000},          // 6: the line out to the east leaves the outer track
    {25000, 9750},          // 7
    {25000, 11500},         // 8: the branch in from the east joins the inner track
    {25000, 16500, corner}, // 9
    {19000, 16500},         // 10: first siding
    {16000, 16500},         // 11: second siding
    {13500, 16500},         // 12: south station from here
    {11000, 16500},         // 13: third siding
    {8000, 16500},          // 14: fourth siding
    {2000, 16500, corner},  // 15
    {2000, 12000},          // 16: the west side in three blocks
    {2000, 7500},           // 17
};
constexpr int northStationLeg = 2, southStationLeg = 12;

using railplan::Counter;

int legOf(const railplan::LaidLine& l, int i) {
    return l.leg[static_cast<size_t>(i)];
}

// A terminus siding at x between the outer track's leg `from` (left at its end) and the inner track's leg `to`
// (joined at its start), whose vertex lies sidingBend east of x and departGap + spurBend east of the departure.
// The arrival climbs north from the dive under the inner track to the buffer at yEnd;
// trains reverse onto the departure road beside it and come back down onto the inner track.
struct Siding {
    int x, yPlatform, yEnd;
    bool splitApproach;
};

void buildSiding(Builder& b, Counter& c, const Siding& s, int from, int fromMain, int to, int toFeeder) {
    NetworkModel& m = b.model();
    const int approachTop = m.road(from).endY() - sidingBend, downEnd = m.road(to).startY - spurBend;
    const int departX = s.x + departGap;
    const int bendIn = c.take(), approach = c.take(), approachRest = s.splitApproach ? c.take() : -1;
    const int arrival = c.take(), departure = c.take(), down = c.take(), bendOut = c.take();
    if (approachRest >= 0) {
        const int mid = (approachTop + s.yPlatform) / 2;
        raillayout::buildTracks(b, {{approach, s.x, approachTop, s.x, mid, approachRest},
                                    {approachRest, s.x, mid, s.x, s.yPlatform, arrival}});
    } else {
        raillayout::buildTracks(b, {{approach, s.x, approachTop, s.x, s.yPlatform, arrival}});
    }
    raillayout::buildTracks(b, {
                                   {arrival, s.x, s.yPlatform, s.x, s.yEnd, riverStub, -1, -1, edgeStylePlatform},
                                   {departure, departX, s.yEnd, departX, s.yPlatform, down, -1, -1, edgeStylePlatform},
                                   {down, departX, s.yPlatform, departX, downEnd, bendOut},
                               });
    m.road(arrival).control = departure; // the way back out
    railplan::bend(b, bendIn, from, approach);
    railplan::bend(b, bendOut, down, to);
    m.road(from).next[2] = bendIn;
    raillayout::addPoints(m, {1, railplan::facingPointsKind, from, fromMain, bendIn});
    raillayout::addPoints(m, {1, railplan::mergePointsKind, to, toFeeder, bendOut});
    const int half = underpassHalf(coverHalfWidth, carLengthForHiding);
    for (int t : {to, toFeeder})
        railplan::hideUnderTrack(m.road(bendIn), m.road(t), half);
}

} // namespace

void buildBigTrainSet(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Big Train Set";
    a.contentFlags = contentTracks | contentDrawFlag | contentShortTrains;
    m.trackCount = bigTracks;
    m.trackAdjust = bigTrackAdjust;
    setExtent(m, {.minX = -500, .minY = -500, .maxX = 27500, .maxY = 19500});

    const auto outer = railplan::layLine(b, {.vertices = &mainLine, .side = side, .first = firstTrack});
    const auto inner =
        railplan::layLine(b, {.vertices = &mainLine, .reversed = true, .side = side, .first = outer.end});
    Counter c{inner.end};
    for (int t : {legOf(outer, northStationLeg), legOf(inner, northStationLeg), legOf(outer, southStationLeg),
                  legOf(inner, southStationLeg)})
        m.road(t).edgeStyle = edgeStylePlatform;

    // Lines in and out: the outer track in from the north and out to the east, the inner one in from the east
    // (diving under the outer track) and out to the north (the same).
    const int northIn = c.next + 4, eastIn = c.next + 6; // the entries that follow each boundary
    const int eastOut = railplan::lineOut(b, c,
                                          {.edgeX = eastEdge,
                                           .edgeY = 8000 + spurBend,
                                           .track = legOf(outer, 5),
                                           .neighbour = legOf(outer, 6),
                                           .radius = spurBend},
                                          northIn);
    const int northOut = railplan::lineOut(b, c,
                                           {.edgeX = 8000 - spurBend,
                                            .edgeY = northEdge,
                                            .track = legOf(inner, 1),
                                            .neighbour = legOf(inner, 0),
                                            .radius = spurBend},
                                           eastIn);
    railplan::lineIn(b, c,
                     {.edgeX = 19000 - spurBend,
                      .edgeY = northEdge,
                      .track = legOf(outer, 4),
                      .neighbour = legOf(outer, 3),
                      .radius = spurBend});
    railplan::lineIn(b, c,
                     {.edgeX = eastEdge,
                      .edgeY = 11500 + spurBend,
                      .track = legOf(inner, 7),
                      .neighbour = legOf(inner, 8),
                      .radius = spurBend});
    m.boundaryTracks[0] = eastOut;
    m.boundaryTracks[1] = northOut;
    const int half = underpassHalf(coverHalfWidth, a.carLength);
    for (int leg : {0, 1})
        railplan::hideUnderTrack(m.road(northOut + 1), m.road(legOf(outer, leg)), half);
    for (int leg : {7, 8})
        railplan::hideUnderTrack(m.road(eastIn + 1), m.road(legOf(outer, leg)), half);
    const int mouth = underpassHalf(0, a.carLength);
    for (int t : {northIn, eastIn})
        raillayout::hideMouth(m, t, mouth, true);
    for (int t : {eastOut, northOut})
        raillayout::hideMouth(m, t, mouth, false);

    // The sidings, each left from the end of an outer leg and rejoining the start of the inner leg there.
    const Siding sidings[] = {{17500, 12000, 7000, true},
                              {14500, 12000, 7000, false},
                              {9500, 12000, 7000, false},
                              {6500, 12000, 7000, false}};
    const int sidingLegs[] = {9, 10, 12, 13}; // outer legs ending at the sidings' vertices 10, 11, 13 and 14
    for (int k = 0; k < 4; ++k) {
        const int o = sidingLegs[k];
        // The inner track runs the same leg the other way, out of that vertex.
        buildSiding(b, c, sidings[k], legOf(outer, o), legOf(outer, o + 1), legOf(inner, o), legOf(inner, o + 1));
    }
}

} // namespace jamlog
