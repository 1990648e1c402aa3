// "City Bridges": the two main lines as tables of pieces, and the river system as a table of reaches.
#include "model/layouts/CityBridgesParts.h"

#include <algorithm>
#include <array>

#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

// A main line is two double-track pairs either side of its centre line, cut into equal pieces; the pieces in
// `stations` have platforms.
struct MainLine {
    int32_t centreY;
    int pieces;
    std::array<int, 2> stations;
};
constexpr std::array<MainLine, 2> mainLines{{
    {northRailwayY, 24, {5, 16}},
    {30000, 23, {4, 19}},
}};
constexpr int32_t pairSpacing = 300; // from the line's centre to each pair's centre
constexpr int railOffset = 2;        // each direction two offset steps to its own side of its pair's centre
constexpr int stationPieces = 2;     // a platform is this many pieces long

bool atStation(const MainLine& l, int piece) {
    return std::any_of(l.stations.begin(), l.stations.end(),
                       [&](int s) { return piece >= s && piece < s + stationPieces; });
}

// One pair on tracks base .. base + 2 × pieces - 1: eastbound base + i, westbound base + 2 × pieces - 1 - i for
// piece i. Each direction runs on into the other at its far edge, so both ends are boundaries.
int buildPair(Builder& b, int base, const MainLine& l, int32_t y, int32_t westX, int32_t eastX) {
    NetworkModel& m = b.model();
    const int n = l.pieces, last = base + 2 * n - 1;
    auto xAt = [&](int i) { return (westX + (eastX - westX) * i / n) / 100 * 100; };
    for (int i = 0; i < n; ++i) {
        const int east = base + i, west = last - i;
        const int style = atStation(l, i) ? edgeStylePlatform : 0;
        b.twoWayFine(east, west, fineOf(xAt(i), y), fineOf(xAt(i + 1), y), 0, east + 1, west == last ? base : west + 1,
                     style, 0, railOffset);
    }
    auto slot = std::find(m.boundaryTracks.begin(), m.boundaryTracks.end(), -1);
    *slot++ = base + n - 1; // eastbound out at the east edge
    *slot = last;           // westbound out at the west edge
    return last + 1;
}

// A reach of river: `down` flows from (x1, y1) to (x2, y2) and `up` back. Successor -1: the reach that follows in
// the table (down) or comes before it (up) on the same river.
struct Reach {
    int down, up;
    int32_t x1, y1, x2, y2;
    int lanes; // top lane index: the main river is two boats wide, the tributaries one
    int downNext, upNext, upBranch;
};
constexpr int32_t riverY = 21000;
constexpr int32_t northTributaryX = 25508, southTributaryX = 33504;
constexpr int mainLanes = 1, tributaryLanes = 0;
// Each direction's line lies to its right by this many offset steps per lane, so that the beds of the two
// directions meet in the middle.
constexpr int riverOffsetPerLane = -1;
// The main river east in six reaches (700-705, back 711-706), the north tributary south into it at 25508 (712-714,
// back 717-715) and the south tributary north into it at 33504 (718-719, back 721-720). Boats heading upstream
// past a confluence may turn up the tributary.
constexpr std::array<Reach, 11> reaches{{
    {700, 711, 1520, riverY, 9516, riverY, mainLanes, 701, 700, -1},
    {701, 710, 9516, riverY, 17512, riverY, mainLanes, 702, 711, -1},
    {702, 709, 17512, riverY, 25508, riverY, mainLanes, 703, 710, -1},
    {703, 708, 25508, riverY, 33504, riverY, mainLanes, 704, 709, 715},
    {704, 707, 33504, riverY, 41500, riverY, mainLanes, 705, 708, 720},
    {705, 706, 41500, riverY, 49496, riverY, mainLanes, 706, 707, -1},
    {712, 717, northTributaryX, 500, northTributaryX, 7333, tributaryLanes, 713, 712, -1},
    {713, 716, northTributaryX, 7333, northTributaryX, 14166, tributaryLanes, 714, 717, -1},
    {714, 715, northTributaryX, 14166, northTributaryX, riverY, tributaryLanes, 703, 716, -1},
    {718, 721, southTributaryX, 36500, southTributaryX, 28750, tributaryLanes, 719, 718, -1},
    {719, 720, southTributaryX, 28750, southTributaryX, riverY, tributaryLanes, 704, 721, -1},
}};
constexpr std::array<int, 4> boundaryRivers{705, 711, 717, 721};

} // namespace

void buildCityRailways(Builder& b, int32_t westX, int32_t eastX) {
    int base = firstTrack;
    for (const MainLine& l : mainLines)
        for (int32_t side : {-pairSpacing, pairSpacing})
            base = buildPair(b, base, l, l.centreY + side, westX, eastX);
}

void buildCityRivers(Builder& b) {
    NetworkModel& m = b.model();
    for (const Reach& r : reaches) {
        const int offset = riverOffsetPerLane * (r.lanes + 1);
        b.straightRaw(r.down, r.x1, r.y1, r.x2, r.y2, r.lanes, r.downNext, 0, 0, offset, -1);
        b.straightRaw(r.up, r.x2, r.y2, r.x1, r.y1, r.lanes, r.upNext, 0, 0, offset, -1);
        if (r.upBranch >= 0)
            m.road(r.up).next[2] = r.upBranch;
    }
    std::copy(boundaryRivers.begin(), boundaryRivers.end(), m.boundaryRivers.begin());
}

} // namespace jamlog
