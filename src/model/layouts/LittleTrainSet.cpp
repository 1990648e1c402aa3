// "Little Train Set": a double-track oval with a through station on its north side, a line in and out at the
// north edge, and a two-platform terminus in the middle: trains reach it from the outer track and reverse out
// onto the inner one, which is how they change loops. A road crosses the oval on bridges and meets two others
// at a roundabout south of the line; the east road has a pelican crossing.
#include <algorithm>
#include <array>
#include <cmath>

#include "model/Assemblies.h"
#include "model/TrainLaying.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"

namespace jamlog {

namespace {

constexpr int littleRoads = 26;
constexpr int littleTracks = 35;
constexpr int littleTrackAdjust = 2;
constexpr int carDivisor = 20;
constexpr int trainDivisor = 4;

constexpr int railOffset = 2;       // each direction two offset steps to its own side of the centre line
constexpr int facingPointsKind = 1; // a route drawn on every railway tick while the points are clear

// The oval's centre line, clockwise on the screen, in fine points: straights and quarter arcs (centre 0 =
// straight). The ends have radius 4500, so that even the outer track's quarters fit in one lane strip.
struct Piece {
    int from, to, centre, platform;
};
constexpr std::array<Piece, 13> oval{{
    {70045, 90045, 0, 0},
    {90045, 110045, 0, 0},
    {110045, 130045, 0, 0},
    {130045, 170045, 0, 1},
    {170045, 190045, 0, 0},
    {190045, 235090, 190090, 0},
    {235090, 190135, 190090, 0},
    {190135, 170135, 0, 0},
    {170135, 130135, 0, 0},
    {130135, 90135, 0, 0},
    {90135, 70135, 0, 0},
    {70135, 25090, 70090, 0},
    {25090, 70045, 70090, 0},
}};
constexpr int pieces = static_cast<int>(oval.size());
constexpr int outer = firstTrack;          // 500 + i: piece i clockwise, on the outside
constexpr int inner = firstTrack + pieces; // 513 + i: piece i anticlockwise, on the inside
constexpr int arcMargin = 1000;            // the clip outline of a quarter reaches this far beyond its tracks

// Where the other lines meet the oval (x 9000 on the north side, x 13000 on the south side).
constexpr int entryPiece = 1;                    // the line in joins the outer track at the start of this piece
constexpr int exitPiece = 1;                     // the line out leaves the inner track at the end of this piece
constexpr int sidingPiece = 8;                   // the terminus line leaves the outer track at the end of this piece
constexpr int returnPiece = 8;                   // and its twin comes back onto the inner track at the piece's start
constexpr std::array<int, 2> bridgePieces{4, 7}; // the pieces that pass under the road bridge at x 18000

// The other tracks, in raw units. The line in and the line out lie side by side at the north edge; their
// curves share (nearly) one centre so that they never cross, and the outer one dives under the outer track.
// The terminus is built the same way: the curve from the outer track dives under the inner track.
constexpr int entryStraight = 526, entryCurve = 527;
constexpr int exitCurve = 528, exitStraight = 529, exitBoundary = 530;
constexpr int sidingCurve = 531, sidingPlatform = 532, returnPlatform = 533, returnCurve = 534;
constexpr int northEdge = 500;
constexpr int entryX = 7245, entryCurveTop = 2600; // radius 1755 onto the outer track (y 4355) at x 9000
constexpr int exitX = 7000, exitCurveTop = 2645, exitJoint = 1500; // radius 2000 from the inner track (y 4645)
constexpr int sidingX = 11000, returnX = 11290, terminusEnd = 7000, terminusCurveTop = 11645; // about (13000, 11645)

// Roads: a north-south road over the oval east of the station, meeting the east and west roads at a roundabout.
constexpr int roundaboutRadius = 300;
constexpr int roundaboutRoads = 12; // the four-arm template on roads 0-11
constexpr int roundaboutCell = 1817;
constexpr int templateShiftX = 16000, templateShiftY = 15000; // the template is built about cell point (2, 2)
constexpr int northIn = 12, northOut = 15;                    // three pieces each way
constexpr int eastIn = 18, eastInner = 19, eastOut = 20, eastOuter = 21;
constexpr int westIn = 22, westInner = 23, westOut = 24, westOuter = 25;
constexpr int southExit = 9, southEntry = 8;                 // template arm roads that reach the south edge
constexpr int northEntry = 4, eastEntry = 6, westEntry = 10; // template arm roads into the ring
constexpr std::array<int, 4> northPoints{180005, 180050, 180100, 180150}; // fine points, edge first
constexpr int westEdge = 10170, westJoint = 85170, westArm = 160170;      // fine points along y 17000
constexpr int streetOffset = 1;
constexpr int pelicanTrim = 50;
constexpr int lightsPelican = 12;
constexpr int bridgeX = 18000;
constexpr int coverHalfWidth = 260; // the road bridge, or the double track a curve dives under

int nextPiece(int i) {
    return (i + 1) % pieces;
}
int prevPiece(int i) {
    return (i + pieces - 1) % pieces;
}
constexpr int fineOf(int32_t x, int32_t y) {
    return (x / 100) * 1000 + y / 100;
}

void buildOval(Builder& b) {
    for (int i = 0; i < pieces; ++i) {
        const Piece& p = oval[static_cast<size_t>(i)];
        const int a = outer + i, z = inner + i;
        const int nextA = outer + nextPiece(i), nextB = inner + prevPiece(i);
        if (p.centre == 0) {
            b.twoWayFine(a, z,
                         {.from = p.from,
                          .to = p.to,
                          .nextA = nextA,
                          .nextB = nextB,
                          .style = p.platform ? edgeStylePlatform : 0,
                          .offset = railOffset});
            continue;
        }
        const Point c = finePoint(p.centre), s = finePoint(p.from), e = finePoint(p.to);
        // Clip outline: the quarter's square, widened on the sides away from the centre.
        int32_t left = std::min(s.x, e.x), right = std::max(s.x, e.x);
        int32_t top = std::min(s.y, e.y), bottom = std::max(s.y, e.y);
        if (c.x > left)
            left -= arcMargin;
        else
            right += arcMargin;
        if (c.y > top)
            top -= arcMargin;
        else
            bottom += arcMargin;
        const Outline o{fineOf(left, top), fineOf(left, bottom), fineOf(right, bottom), fineOf(right, top)};
        b.twoWayArcFine(a, z,
                        {.from = p.from,
                         .to = p.to,
                         .centre = c,
                         .outline = o,
                         .nextA = nextA,
                         .nextB = nextB,
                         .cw = 1,
                         .offset = railOffset});
    }
}

void setNext(RoadRecord& r, int first, int other) {
    r.next[0] = r.next[1] = first;
    r.next[2] = other;
}

void buildBranches(Builder& b) {
    NetworkModel& m = b.model();
    // In from the north edge, curving east onto the outer track.
    const int joinOuter = outer + entryPiece;
    b.straightRaw(entryStraight, {.from = {entryX, northEdge}, .to = {entryX, entryCurveTop}, .next = entryCurve});
    b.filletRoads(entryCurve, {.next = joinOuter, .fromRoad = entryStraight, .toRoad = joinOuter});
    // Out from the inner track, curving north to the edge.
    b.straightRaw(exitStraight, {.from = {exitX, exitCurveTop}, .to = {exitX, exitJoint}, .next = exitBoundary});
    b.straightRaw(exitBoundary, {.from = {exitX, exitJoint}, .to = {exitX, northEdge}, .next = entryStraight});
    b.filletRoads(exitCurve, {.next = exitStraight, .cw = 1, .fromRoad = inner + exitPiece, .toRoad = exitStraight});
    setNext(m.road(inner + exitPiece), inner + prevPiece(exitPiece), exitCurve);
    m.boundaryTracks[0] = exitBoundary; // trains leave at its end and enter on its successor
    // The terminus: a platform road from the outer track that ends at the sink 699; trains reverse onto its twin,
    // which takes them onto the inner track.
    b.straightRaw(sidingPlatform, {.from = {sidingX, terminusCurveTop},
                                   .to = {sidingX, terminusEnd},
                                   .next = riverStub,
                                   .style = edgeStylePlatform,
                                   .ctl = returnPlatform});
    b.straightRaw(returnPlatform, {.from = {returnX, terminusEnd},
                                   .to = {returnX, terminusCurveTop},
                                   .next = returnCurve,
                                   .style = edgeStylePlatform});
    const int rejoin = inner + returnPiece;
    b.filletRoads(sidingCurve,
                  {.next = sidingPlatform, .cw = 1, .fromRoad = outer + sidingPiece, .toRoad = sidingPlatform});
    b.filletRoads(returnCurve, {.next = rejoin, .fromRoad = returnPlatform, .toRoad = rejoin});
    setNext(m.road(outer + sidingPiece), outer + nextPiece(sidingPiece), sidingCurve);
    // Facing points at both junctions: a train takes whichever way is free, so one bound for the terminus or the
    // line out is never held behind a full loop.
    raillayout::addPoints(m, {1, facingPointsKind, outer + sidingPiece, outer + nextPiece(sidingPiece), sidingCurve});
    raillayout::addPoints(m, {1, facingPointsKind, inner + exitPiece, inner + prevPiece(exitPiece), exitCurve});
}

// A curve that leaves a horizontal track heading away from it, and passes under the track at height y.
void hideDiveUnder(RoadRecord& curve, int32_t y, int half) {
    const double turn = std::acos(std::clamp(double(y - curve.centreY) / curve.radius, -1.0, 1.0));
    const int along = static_cast<int>(std::abs(turn) * curve.radius);
    setCells(curve.hiddenBits, (along - half) / 10, (along + half) / 10, true);
}

void buildTunnels(NetworkModel& m, int carLength) {
    const int half = underpassHalf(coverHalfWidth, carLength);
    for (int piece : bridgePieces)
        for (int t : {outer + piece, inner + piece})
            raillayout::hideUnderX(m.road(t), bridgeX, half);
    hideDiveUnder(m.road(exitCurve), m.road(outer + prevPiece(exitPiece)).startY, half);
    hideDiveUnder(m.road(sidingCurve), m.road(inner + returnPiece).startY, half);
}

void buildRoads(Builder& b, bool pelican) {
    NetworkModel& m = b.model();
    // Roundabout: arms north (4, 5), east (6, 7), south (8, 9), west (10, 11).
    fourArmRoundabout(b, {.radius = roundaboutRadius, .exits = {northOut, eastOut, southEntry, westOut}});
    transformRun(m, 0, roundaboutRoads, 0, templateShiftX, templateShiftY);
    b.roundaboutShape(0, roundaboutCell, roundaboutRadius);
    for (int k = 0; k < 3; ++k) {
        const int p = northPoints[static_cast<size_t>(k)], q = northPoints[static_cast<size_t>(k) + 1];
        const int in = northIn + k, out = northOut + 2 - k;
        const int inNext = k < 2 ? in + 1 : northEntry, outNext = k > 0 ? out + 1 : northIn;
        b.straightRoadFine(in, {.from = p, .to = q, .next = inNext, .offset = streetOffset});
        b.straightRoadFine(out, {.from = q, .to = p, .next = outNext, .offset = streetOffset});
    }
    b.straightRoad(eastIn,
                   {.from = 2517, .to = 2217, .next = eastInner, .trimEnd = pelicanTrim, .offset = streetOffset});
    b.straightRoad(eastInner,
                   {.from = 2217, .to = 2017, .next = eastEntry, .trimStart = pelicanTrim, .offset = streetOffset});
    b.straightRoad(eastOut,
                   {.from = 2017, .to = 2217, .next = eastOuter, .trimEnd = pelicanTrim, .offset = streetOffset});
    b.straightRoad(eastOuter,
                   {.from = 2217, .to = 2517, .next = eastIn, .trimStart = pelicanTrim, .offset = streetOffset});
    // The west road in two equal pieces, each within the longest lane a road may have.
    b.straightRoadFine(westIn, {.from = westEdge, .to = westJoint, .next = westInner, .offset = streetOffset});
    b.straightRoadFine(westInner, {.from = westJoint, .to = westArm, .next = westEntry, .offset = streetOffset});
    b.straightRoadFine(westOut, {.from = westArm, .to = westJoint, .next = westOuter, .offset = streetOffset});
    b.straightRoadFine(westOuter, {.from = westJoint, .to = westEdge, .next = westIn, .offset = streetOffset});
    const std::array<int, 4> edges{northOut + 2, eastOuter, southExit, westOuter};
    std::copy(edges.begin(), edges.end(), m.boundaryRoads.begin());
    if (pelican) {
        LightGroup& g = m.lightGroups[0];
        g.mode = lightsPelican;
        g.arms[0] = g.arms[2] = eastIn;
        g.arms[1] = g.arms[3] = eastOut;
    }
}

} // namespace

void buildLittleTrainSet(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Little Train Set";
    m.roadCount = littleRoads;
    m.trackCount = littleTracks;
    m.trackAdjust = littleTrackAdjust;
    setExtent(m, {.minX = 1000, .minY = 500, .maxX = 25000, .maxY = 19000});
    int flags = contentTracks | contentDrawFlag | contentShortTrains;
    if (a.contentFlags & contentRoads)
        flags |= contentRoads | (a.contentFlags & contentPelican);
    a.contentFlags = flags;
    a.cars /= carDivisor;
    a.trains /= trainDivisor;
    buildOval(b);
    buildBranches(b);
    buildTunnels(m, a.carLength);
    buildRoads(b, (flags & contentPelican) != 0);
}

} // namespace jamlog
