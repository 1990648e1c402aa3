// "Junction 13": a motorway across the middle with two roundabout interchanges (the interchange template at
// roads 0-27 and a copy at 28-55, slip roads with courtesy lanes), local two-lane roads along rows 3 and 22
// with four light junctions fed by the interchanges' cross roads, and a river from north to south that passes
// under the northern road, between the interchanges under the motorway, and under the southern road.
#include <array>

#include "model/Assemblies.h"
#include "model/InitialRecords.h"
#include "model/RoundaboutInterchange.h"
#include "model/layouts/Junction13Parts.h"
#include "model/layouts/Layouts.h"

namespace jamlog {

namespace {

constexpr int junctionRoads = 152;
constexpr int junctionRivers = 8;
constexpr int carScale = 5;
constexpr int boatDivisor = 4;
constexpr int motorwayLanes = 3;
constexpr int streetLanes = 1;
constexpr int streetOffset = 3; // the cross roads' offset, kept by every local road
constexpr int boxHalfSize = 500;
constexpr int riverOffset = -1; // each direction's line to its right: the beds beside them meet in the middle

// Interchange template roads whose successors lead out of it.
constexpr int eastEnd = 2, westEnd = 5, southEnd = 8, northEnd = 11;
constexpr int southStart = 6, northStart = 9;

struct Junction {
    int base, centre;
    std::array<int, 4> in, out; // arms north, east, south, west
};
constexpr std::array<Junction, 4> junctions{{
    {62, 803, {140, 113, 132, 110}, {141, 112, 133, 111}},
    {74, 2303, {143, 119, 134, 116}, {144, 118, 135, 117}},
    {86, 822, {136, 125, 147, 122}, {137, 124, 146, 123}},
    {98, 2322, {138, 129, 150, 126}, {139, 128, 149, 127}},
}};

// Two-way pieces: A runs p1 -> p2, B back; trims of half a junction box where an end meets a junction.
struct Piece {
    int a, b, p1, p2, trim1, trim2, nextA, nextB;
};
// Successors written as negative numbers name a junction approach: -(k + 1) enters junction k.
constexpr int intoJunction(int k) {
    return -(k + 1);
}
constexpr std::array<Piece, 17> pieces{{
    // Row 3, west to east.
    {110, 111, 103, 803, 0, boxHalfSize, intoJunction(0), 120},
    {112, 113, 803, 1303, boxHalfSize, 0, 114, intoJunction(0)},
    {114, 115, 1303, 1803, 0, 0, 116, 113},
    {116, 117, 1803, 2303, 0, boxHalfSize, intoJunction(1), 115},
    {118, 119, 2303, 3103, boxHalfSize, 0, 121, intoJunction(1)},
    // Row 22, west to east.
    {122, 123, 122, 822, 0, boxHalfSize, intoJunction(2), 130},
    {124, 125, 822, 1522, boxHalfSize, 0, 126, intoJunction(2)},
    {126, 127, 1522, 2322, 0, boxHalfSize, intoJunction(3), 125},
    {128, 129, 2322, 3122, boxHalfSize, 0, 131, intoJunction(3)},
    // Cross roads between the interchanges and the junctions.
    {132, 133, 806, 803, 0, boxHalfSize, intoJunction(0), southStart},
    {134, 135, 2306, 2303, 0, boxHalfSize, intoJunction(1), interchangeRoads + southStart},
    {136, 137, 819, 822, 0, boxHalfSize, intoJunction(2), northStart},
    {138, 139, 2319, 2322, 0, boxHalfSize, intoJunction(3), interchangeRoads + northStart},
    // North and south arms to the edges.
    {140, 141, 801, 803, 0, boxHalfSize, intoJunction(0), 142},
    {143, 144, 2301, 2303, 0, boxHalfSize, intoJunction(1), 145},
    {146, 147, 822, 825, boxHalfSize, 0, 148, intoJunction(2)},
    {149, 150, 2322, 2325, boxHalfSize, 0, 151, intoJunction(3)},
}};

// Edge turnarounds: vehicles leave at the end of the first road; those entering start on the turnaround.
struct Turnaround {
    int road, from, to;
};
constexpr std::array<Turnaround, 10> turnarounds{{
    {61, westEnd, 0},
    {60, 58, 59},
    {120, 111, 110},
    {121, 118, 119},
    {130, 123, 122},
    {131, 128, 129},
    {142, 141, 140},
    {145, 144, 143},
    {148, 146, 147},
    {151, 149, 150},
}};

void setNext(RoadRecord& r, int n0, int n1, int n2) {
    r.next[0] = n0;
    r.next[1] = n1;
    r.next[2] = n2;
}

void setAll(RoadRecord& r, int n) {
    setNext(r, n, n, n);
}

void motorway(Builder& b) {
    NetworkModel& m = b.model();
    roundaboutInterchange(b, {56, 61, 136, 132});
    copyRun(m, interchangeRoads, interchangeRoads, 0, 16000, 6000);
    transformRun(m, 0, interchangeRoads, 0, 1000, 6000);
    setAll(m.road(interchangeRoads + eastEnd), 58);
    setAll(m.road(interchangeRoads + westEnd), 57);
    setAll(m.road(interchangeRoads + southEnd), 138);
    setAll(m.road(interchangeRoads + northEnd), 134);
    b.straightRoad(56, {.from = 1512, .to = 1612, .topLanes = motorwayLanes, .next = interchangeRoads});
    b.straightRoad(57, {.from = 1613, .to = 1513, .topLanes = motorwayLanes, .next = 3});
    b.straightRoad(58, {.from = 3012, .to = 3112, .topLanes = motorwayLanes, .next = 60});
    b.straightRoad(59, {.from = 3113, .to = 3013, .topLanes = motorwayLanes, .next = interchangeRoads + 3});
}

void localRoads(Builder& b, int lights) {
    NetworkModel& m = b.model();
    for (const Piece& p : pieces) {
        b.twoWay(p.a, p.b,
                 {.from = p.p1,
                  .to = p.p2,
                  .topLanes = streetLanes,
                  .trimFrom = p.trim1,
                  .trimTo = p.trim2,
                  .offset = streetOffset});
        for (auto [road, next] : {std::pair{p.a, p.nextA}, std::pair{p.b, p.nextB}}) {
            if (next >= 0) {
                setAll(m.road(road), next);
                continue;
            }
            const Junction& j = junctions[static_cast<size_t>(-next - 1)];
            int arm = 0;
            while (j.in[static_cast<size_t>(arm)] != road)
                ++arm;
            // Ahead most often, then the nearside turn, then the offside turn.
            setNext(m.road(road), j.base + arm, j.base + 8 + arm, j.base + 4 + arm);
        }
    }
    for (size_t g = 0; g < junctions.size(); ++g) {
        const Junction& j = junctions[g];
        lightJunction(b, {.group = static_cast<int>(g),
                          .mode = junctionMode(lights, Lamps::main),
                          .base = j.base,
                          .centre = j.centre,
                          .approaches = j.in,
                          .exits = j.out,
                          .topLanes = streetLanes,
                          .offset = streetOffset,
                          .halfSize = boxHalfSize});
    }
}

} // namespace

void buildJunction13(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Junction 13";
    a.contentFlags = contentRoads | (a.contentFlags & contentRivers);
    a.cars *= carScale;
    a.boats /= boatDivisor;
    m.roadCount = junctionRoads;
    m.trackCount = 0;
    m.riverCount = junctionRivers;
    setExtent(m, {.minX = 1000, .minY = 1000, .maxX = 31000, .maxY = 25000});

    motorway(b);
    localRoads(b, a.lights);
    for (const Turnaround& t : turnarounds)
        edgeTurnaround(b, t.road, t.from, t.to);
    buildJunction13River(b, riverOffset);
    markUnderpasses(m, firstRiver, junctionRivers, junctionRoads, longestBoatLengths * a.carLength);

    constexpr std::array<int, 10> boundaries{westEnd, 58, 111, 118, 123, 128, 141, 144, 146, 149};
    for (size_t i = 0; i < boundaries.size(); ++i)
        m.boundaryRoads[i] = boundaries[i];
    m.boundaryRivers[0] = firstRiver + 3;
    m.boundaryRivers[1] = firstRiver + 7;
}

} // namespace jamlog
