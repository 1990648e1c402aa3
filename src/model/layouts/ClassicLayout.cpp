// "Classic Layout": a small town of one-lane streets with seven light junctions, a roundabout, a pelican
// crossing, a one-way service loop and a double-track railway with a station along the north of the town.
#include <algorithm>
#include <array>

#include "model/TrainLaying.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int classicRoads = 149;
constexpr int classicTracks = 14;
constexpr int carScale = 5;
constexpr int trainDivisor = 8;

// The roundabout on roads 0-11, the junctions on 12-95 (so that no junction box is named by -1), then the streets.
constexpr int roundaboutBase = 0;
constexpr int firstJunction = 12;
constexpr int firstLink = 96;
constexpr int roundaboutRadius = 600;

// The railway: seven double-track pieces along cell row 3, eastbound 500-506 and westbound 513-507.
constexpr int railRow = 3;
constexpr std::array<int, 8> railBreaks{1, 5, 9, 12, 16, 19, 23, 27};
constexpr int stationPiece = 4;                                 // the platforms lie between columns 16 and 19
constexpr int railOffset = 2;                                   // each track two offset steps to its own side
constexpr std::array<int, 3> bridgeColumns{7000, 14000, 21000}; // streets that cross over the railway
constexpr int bridgeHalfWidth = 260; // a street with its verges, either side of its centre line

void buildStreets(Builder& b, const LayoutArgs& a) {
    StreetPlan p(b, firstLink);
    int base = firstJunction;
    auto junction = [&](int centreCell, Lamps lamps = Lamps::main) {
        base += 12;
        return p.junction(centreCell, base - 12, lamps);
    };
    // The avenue and the middle row have lights; on the quieter southern row, part-time and extra ones.
    const int j1 = junction(706), j2 = junction(1406), j3 = junction(2106);
    const int j4 = junction(713), j5 = junction(1413);
    const int j6 = junction(719, Lamps::partTime), j7 = junction(1419, Lamps::extra);
    const auto rb = p.roundabout(0, 2113, roundaboutRadius, 0, roundaboutBase);

    // Avenue along row 6 across the whole town.
    p.straight(p.edge(1000, 6000), j1);
    p.straight(j1, j2);
    p.straight(j2, j3);
    p.straight(j3, p.edge(27000, 6000));

    // Row 13: in from the west through an S-bend, past the service loop, to the roundabout and out east.
    // (The bend starts a little inside the edge: an offset arc's end lands a few units beyond its sweep.)
    const int bendLow = p.joint(2100, 14000), bendHigh = p.joint(3100, 13000);
    p.arc({.from = p.edge(1100, 15000),
           .fromArm = east,
           .to = bendLow,
           .toArm = south,
           .centre = {1100, 14000},
           .cw = 0});
    p.arc({.from = bendLow, .fromArm = north, .to = bendHigh, .toArm = west, .centre = {3100, 14000}, .cw = 1});
    p.straight(bendHigh, j4);
    p.straightWithLoop({.from = j4, .to = j5, .loopFrom = 2000, .loopTo = 5000, .bulge = 700});
    p.straight(j5, rb[west]);
    p.straight(rb[east], p.edge(27000, 13000));

    // Row 19: from the west edge through two junctions, then a long bend up into the roundabout.
    const int bendSouth = p.joint(17000, 19000);
    p.straight(p.edge(1000, 19000), j6);
    p.straight(j6, j7);
    p.straight(j7, bendSouth);
    p.arc({.from = bendSouth, .fromArm = east, .to = rb[south], .toArm = south, .centre = {17000, 15000}, .cw = 0});

    // North-south streets; the three from the north edge cross the railway on bridges.
    p.straight(p.edge(7000, 1000), j1);
    p.straight(j1, j4);
    p.straight(j4, j6);
    p.straight(j6, p.edge(7000, 22000));
    const int crossing = p.joint(14000, 16000, true);
    p.straight(p.edge(14000, 1000), j2);
    p.straight(j2, j5);
    p.straight(j5, crossing);
    p.straight(crossing, j7);
    p.straight(j7, p.edge(14000, 22000));
    p.straight(p.edge(21000, 1000), j3);
    p.straight(j3, rb[north]);

    p.build(a.lights, (a.contentFlags & contentPelican) != 0);
}

void buildRailway(Builder& b, int carLength) {
    NetworkModel& m = b.model();
    const int pieces = static_cast<int>(railBreaks.size()) - 1;
    for (int i = 0; i < pieces; ++i) {
        const int east = firstTrack + i, west = firstTrack + classicTracks - 1 - i;
        const int nextEast = i + 1 < pieces ? east + 1 : firstTrack + pieces; // the last runs out at the edge
        const int nextWest = i > 0 ? west + 1 : firstTrack;
        const int from = railBreaks[static_cast<size_t>(i)] * 100 + railRow;
        const int to = railBreaks[static_cast<size_t>(i) + 1] * 100 + railRow;
        b.twoWay(east, west,
                 {.from = from,
                  .to = to,
                  .nextA = nextEast,
                  .nextB = nextWest,
                  .style = i == stationPiece ? edgeStylePlatform : 0,
                  .offset = railOffset});
    }
    // Trains pass under the street bridges: hide them there.
    const int half = underpassHalf(bridgeHalfWidth, carLength);
    for (int t = firstTrack; t < firstTrack + classicTracks; ++t)
        for (int32_t x : bridgeColumns)
            raillayout::hideUnderX(m.road(t), x, half);
    m.boundaryTracks[0] = firstTrack + pieces - 1;        // eastbound out at the east edge
    m.boundaryTracks[1] = firstTrack + classicTracks - 1; // westbound out at the west edge
}

} // namespace

void buildClassicLayout(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Classic Layout";
    m.roadCount = classicRoads;
    m.trackCount = classicTracks;
    setExtent(m, {.minX = 1000, .minY = 1000, .maxX = 27000, .maxY = 22000});
    a.contentFlags = contentRoads | (a.contentFlags & (contentTracks | contentPelican));
    a.cars *= carScale;
    a.trains /= trainDivisor;
    buildStreets(b, a);
    buildRailway(b, a.carLength);
}

} // namespace jamlog
