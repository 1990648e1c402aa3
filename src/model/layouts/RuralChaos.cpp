// "Rural Chaos": winding one-lane country roads between villages, three of them at mini roundabouts and three at
// give-way T junctions, with a pelican crossing on the road into the north-eastern village. A single-track railway
// runs in from a tunnel mouth at the west edge to a terminus in the east, worked by train tokens, with a passing loop
// and station half way; a river meanders from north to south under the railway and two of the roads. Every road
// crosses the railway and the river on a bridge.
#include <algorithm>
#include <array>
#include <cmath>

#include "model/InitialRecords.h"
#include "model/TrainLaying.h"
#include "model/layouts/BranchLine.h"
#include "model/layouts/BridgeCover.h"
#include "model/layouts/GiveWayTee.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int ruralRoads = 320;
constexpr int ruralTracks = 14;
constexpr int ruralRivers = 8;
constexpr int ruralTrackAdjust = 2;
constexpr int ruralTrains = 2;
constexpr int boatDivisor = 10;
constexpr int32_t minX = 500, minY = 500, maxX = 24000, maxY = 18000;

// Villages: mini roundabouts about cell points, and T junctions where a minor road ends beside a major one.
constexpr int miniRadius = 300;
constexpr int miniRingLanes = 0;
constexpr int roundaboutRoads = 12;
enum Village { westVillage, eastVillage, southEastVillage, villageCount };
constexpr std::array<int, villageCount> villageCell{504, 2004, 2014};
struct Tee {
    Point at;      // where the minor road's centre line meets the major road's
    Compass minor; // the side the minor road comes from
};
enum TeeName { southWestTee, northTee, southTee, teeCount };
constexpr std::array<Tee, teeCount> tees{{{{5000, 14000}, north}, {{13000, 4000}, south}, {{13000, 14000}, north}}};
constexpr int32_t minorStop = 300; // the minor road ends this far from the major road's centre line
constexpr int turnsPerTee = 4;

// The country roads between the places, each a gentle S of short straights: `pieces` records each way, swinging
// `swing` units to either side of the line between its ends over `halfWaves` half waves.
constexpr int32_t swing = 400;
constexpr int32_t waveLength = 6000; // of a full wave
constexpr int pelicanPiece = 5;      // the crossing stands at the end of this piece of the eastern village's road

// The railway, along its own axis from the west edge, and laid eastwards along railY.
constexpr int32_t railY = 9000;
const branchline::Profile railProfile{
    .radius = 0, .wait = 2000, .kink = 990, .singles = {{6000}, {}}, .loop = 3750, .terminus = 3500};
constexpr double railTurn = 90; // the branch is laid northwards, then turned a quarter clockwise

// The river, north to south: four equal reaches along x = riverX, each bowing out by the same share of its length
// alternately to either side. Arcs of one shape on one line meet with the same heading, so the meander is smooth.
constexpr int32_t riverX = 9500;
constexpr int riverReaches = 4;
constexpr double riverBowShare = 0.16;
constexpr int riverOffset = -1; // each direction's line to its right: the beds beside them meet in the middle
constexpr int riverReach = 600; // how far a reach's outline reaches beyond its bed

Point between(Point a, Point z, double t) {
    return {a.x + static_cast<int32_t>(std::lround((z.x - a.x) * t)),
            a.y + static_cast<int32_t>(std::lround((z.y - a.y) * t))};
}

// Declares a country road from node `from` at `a` to node `to` at `z` as a chain of joints; returns nothing, the
// plan numbers the records.
void countryRoad(StreetPlan& p, int from, Point a, int to, Point z, int pieces, int pelicanAt = -1) {
    const double dx = z.x - a.x, dy = z.y - a.y, length = std::hypot(dx, dy);
    const int halfWaves = std::max(1, static_cast<int>(std::lround(2 * length / waveLength)));
    const double amplitude = pieces > 4 ? swing : 0;
    int at = from;
    for (int i = 1; i < pieces; ++i) {
        const double t = double(i) / pieces, side = amplitude * std::sin(3.14159265358979 * halfWaves * t);
        const Point q = between(a, z, t);
        const int joint = p.joint(q.x + static_cast<int32_t>(std::lround(-dy / length * side)),
                                  q.y + static_cast<int32_t>(std::lround(dx / length * side)), i == pelicanAt);
        p.straight(at, joint);
        at = joint;
    }
    p.straight(at, to);
}

// A point `d` units from `p` towards compass arm k.
Point toward(Point p, int k, int32_t d) {
    constexpr std::array<Point, 4> step{{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};
    return {p.x + step[static_cast<size_t>(k)].x * d, p.y + step[static_cast<size_t>(k)].y * d};
}

struct TeeNodes {
    int major, minor;
};

// Builds the roads; returns the first record after them.
int buildRoads(Builder& b, const LayoutArgs& a) {
    StreetPlan p(b, villageCount * roundaboutRoads);
    // The plan builds every roundabout's template on roads 0-11 before copying it: the one declared last stays there.
    std::array<std::array<int, 4>, villageCount> ring{};
    std::array<Point, villageCount> centre{};
    for (int v = 0; v < villageCount; ++v) {
        const int base = (villageCount - 1 - v) * roundaboutRoads;
        ring[static_cast<size_t>(v)] =
            p.roundabout(v, villageCell[static_cast<size_t>(v)], miniRadius, miniRingLanes, base);
        centre[static_cast<size_t>(v)] = cellPoint(villageCell[static_cast<size_t>(v)]);
    }
    auto arm = [&](Village v, int k) { return toward(centre[v], k, roundaboutArmLength); };
    std::array<TeeNodes, teeCount> tee{};
    for (int t = 0; t < teeCount; ++t) {
        const Tee& d = tees[static_cast<size_t>(t)];
        const Point stop = toward(d.at, d.minor, minorStop);
        tee[static_cast<size_t>(t)] = {p.joint(d.at.x, d.at.y), p.joint(stop.x, stop.y)};
    }
    auto teeAt = [&](TeeName t) { return tees[t].at; };
    auto stopAt = [&](TeeName t) { return toward(tees[t].at, tees[t].minor, minorStop); };
    auto edge = [&](Point q) { return p.edge(q.x, q.y); };

    const Point westNorth{arm(westVillage, north).x, minY}, westWest{minX, arm(westVillage, west).y};
    const Point eastNorth{arm(eastVillage, north).x, minY}, eastEast{maxX, arm(eastVillage, east).y};
    const Point southEastEast{maxX, arm(southEastVillage, east).y};
    const Point southEastSouth{arm(southEastVillage, south).x, maxY};
    const Point southWest{minX, teeAt(southWestTee).y};
    // The roads: where they start and end, and how many records each way.
    countryRoad(p, ring[westVillage][north], arm(westVillage, north), edge(westNorth), westNorth, 3);
    countryRoad(p, ring[westVillage][west], arm(westVillage, west), edge(westWest), westWest, 5);
    countryRoad(p, ring[westVillage][east], arm(westVillage, east), tee[northTee].major, teeAt(northTee), 13);
    countryRoad(p, tee[northTee].major, teeAt(northTee), ring[eastVillage][west], arm(eastVillage, west), 11,
                pelicanPiece);
    countryRoad(p, ring[eastVillage][north], arm(eastVillage, north), edge(eastNorth), eastNorth, 3);
    countryRoad(p, ring[eastVillage][east], arm(eastVillage, east), edge(eastEast), eastEast, 4);
    countryRoad(p, ring[eastVillage][south], arm(eastVillage, south), ring[southEastVillage][north],
                arm(southEastVillage, north), 13);
    countryRoad(p, ring[southEastVillage][east], arm(southEastVillage, east), edge(southEastEast), southEastEast, 4);
    countryRoad(p, ring[southEastVillage][south], arm(southEastVillage, south), edge(southEastSouth), southEastSouth,
                4);
    countryRoad(p, ring[westVillage][south], arm(westVillage, south), tee[southWestTee].minor, stopAt(southWestTee),
                17);
    countryRoad(p, edge(southWest), southWest, tee[southWestTee].major, teeAt(southWestTee), 10);
    countryRoad(p, tee[southWestTee].major, teeAt(southWestTee), tee[southTee].major, teeAt(southTee), 17);
    countryRoad(p, tee[southTee].major, teeAt(southTee), ring[southEastVillage][west], arm(southEastVillage, west), 11);
    countryRoad(p, tee[northTee].minor, stopAt(northTee), tee[southTee].minor, stopAt(southTee), 21);
    int next = p.build(a.lights, (a.contentFlags & contentPelican) != 0);

    // The T junctions: the near direction of the major road passes on the minor road's side.
    for (int t = 0; t < teeCount; ++t) {
        const Tee& d = tees[static_cast<size_t>(t)];
        const TeeNodes& n = tee[static_cast<size_t>(t)];
        // Traffic keeps left: the direction that passes on the minor road's side arrives by the arm a quarter turn
        // clockwise from it.
        const int nearFrom = (d.minor + 3) % 4, farFrom = (d.minor + 1) % 4;
        buildGiveWayTee(b,
                        {.nearIn = p.arriving(n.major, nearFrom),
                         .nearOn = p.leaving(n.major, farFrom),
                         .farIn = p.arriving(n.major, farFrom),
                         .farOn = p.leaving(n.major, nearFrom),
                         .minorIn = p.arriving(n.minor, d.minor),
                         .minorOut = p.leaving(n.minor, d.minor)},
                        {.nearsideOut = next, .offsideOut = next + 1, .nearsideIn = next + 2, .offsideIn = next + 3});
        next += turnsPerTee;
    }
    return next;
}

void buildRailway(Builder& b) {
    NetworkModel& m = b.model();
    const branchline::Built line = branchline::buildFromEdge(b, railProfile, 0, 0, firstTrack);
    // Turned a quarter clockwise, the branch's axis (x, y) lies along (-y, x): north becomes east.
    transformRun(m, firstTrack, ruralTracks, railTurn, minX, railY);
    m.boundaryTracks[0] = line.in.back(); // out at the west edge, back in on the way out
}

// One direction of a reach: a three-point arc from `from` to `to` through `via`, in an outline fitted to it.
struct RiverArc {
    Point from, to, via;
    int cw;
    int next;
    int reach; // of the outline beyond the ends' bed
};
void riverArc(Builder& b, int road, const RiverArc& r) {
    SegmentArgs a{.x1 = r.from.x,
                  .y1 = r.from.y,
                  .x2 = r.to.x,
                  .y2 = r.to.y,
                  .viaX = r.via.x,
                  .viaY = r.via.y,
                  .next0 = r.next,
                  .next1 = r.next,
                  .next2 = r.next,
                  .cw = r.cw,
                  .offset = riverOffset};
    b.segmentInOutline(road, a, r.reach);
}

void buildRiver(Builder& b) {
    NetworkModel& m = b.model();
    const int reaches = riverReaches;
    const int32_t reach = (maxY - minY) / reaches;
    for (int i = 0; i < reaches; ++i) {
        const Point a{riverX, minY + i * reach}, z{riverX, minY + (i + 1) * reach};
        const double dx = z.x - a.x, dy = z.y - a.y, length = std::hypot(dx, dy);
        const double bow = (i % 2 == 0 ? 1 : -1) * riverBowShare * length; // to the left of the flow when positive
        const Point mid = between(a, z, 0.5);
        const Point via{mid.x + static_cast<int32_t>(std::lround(dy / length * bow)),
                        mid.y - static_cast<int32_t>(std::lround(dx / length * bow))};
        // The outline's outer side is a chord between its corners beyond the two ends: they stand far enough out for
        // that chord to clear the bed by riverReach all along the bend.
        const double bowLength = std::abs(bow),
                     radius = (length * length / 4 + bowLength * bowLength) / (2 * bowLength);
        const double halfSweepCos = std::sqrt(1 - std::pow(length / (2 * radius), 2));
        const int outlineReach = static_cast<int>(std::lround((radius + riverReach) / halfSweepCos - radius));
        const int down = firstRiver + i, up = firstRiver + 2 * reaches - 1 - i;
        // A reach that bows to the left turns right, clockwise on the screen; the way back turns the other way.
        const int cw = bow > 0 ? 1 : 0;
        riverArc(b, down, {a, z, via, cw, i + 1 < reaches ? down + 1 : up, outlineReach});
        riverArc(b, up, {z, a, via, 1 - cw, i > 0 ? up + 1 : down, outlineReach});
    }
    m.boundaryRivers[0] = firstRiver + reaches - 1;     // downstream out at the south edge
    m.boundaryRivers[1] = firstRiver + 2 * reaches - 1; // upstream out at the north edge
}

} // namespace

void buildRuralChaos(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Rural Chaos";
    int flags = contentRoads | contentDrawFlag | (a.contentFlags & (contentRivers | contentTracks | contentPelican));
    if (flags & contentTracks) {
        flags |= contentTrainOption; // the single line is worked by tokens
        m.trackAdjust = ruralTrackAdjust;
    }
    a.contentFlags = flags;
    a.trains = ruralTrains;
    a.boats /= boatDivisor;
    m.roadCount = ruralRoads;
    m.trackCount = ruralTracks;
    m.riverCount = ruralRivers;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    buildRoads(b, a);
    buildRailway(b);
    buildRiver(b);
    const RecordRun roads{0, ruralRoads}, tracks{firstTrack, ruralTracks}, rivers{firstRiver, ruralRivers};
    hideBeneath(m, tracks, roads, underpassHalf(0, a.carLength));
    hideBeneath(m, rivers, roads, longestBoatLengths * a.carLength);
    hideBeneath(m, rivers, tracks, longestBoatLengths * a.carLength);
}

} // namespace jamlog
