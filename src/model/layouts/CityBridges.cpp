// "City Bridges": a city on both banks of a wide river that flows east, fed by a tributary from the north and one
// from the south. Four avenues and four streets cross at light junctions and two roundabouts; every street crosses
// the river on a bridge. Two four-track main lines with stations run along the banks and cross the tributaries on
// viaducts; the streets pass over them on bridges. With the trains off, a road runs along the northern line's
// alignment instead.
#include <array>

#include "model/InitialRecords.h"
#include "model/TrainLaying.h"
#include "model/layouts/BridgeCover.h"
#include "model/layouts/CityBridgesParts.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int roadsWithAlignmentRoad = 330;
constexpr int roadsWithTrains = 310;
constexpr int cityTracks = 188;
constexpr int cityRivers = 22;
constexpr int cityTrackAdjust = 2;
constexpr int carScale = 3;

constexpr int minX = 1500, minY = 500, maxX = 49500, maxY = 36500;

// The street grid: four streets (columns) and four avenues (rows); two crossings are roundabouts, the rest light
// junctions. Joints split the spans that are too long for one road, away from the river and the railways.
constexpr std::array<int32_t, 4> streetX{9000, 17000, 31000, 39000};
constexpr std::array<int32_t, 4> avenueY{5000, 16000, 26000, 33000};
constexpr int32_t westJointX = 5000;    // avenues from the west edge bend no further than this
constexpr int32_t middleJointX = 23000; // between the second and third streets, west of the north tributary
constexpr int32_t eastJointX = 44000;   // between the fourth street and the east edge
constexpr int32_t northJointY = 11000;  // south of the northern railway
constexpr int32_t bridgeJointY = 23500; // where the river bridges land on the south bank
constexpr int westJointRows = 3;        // the first three avenues have a joint near the west edge
constexpr int roundaboutRadius = 700;
struct GridCrossing {
    size_t column, row;
};
constexpr std::array<GridCrossing, 2> roundaboutsAt{{{0, 3}, {3, 0}}};
// The junctions in the city's quiet corners have part-time lights, two more on the outer avenues extra lights.
constexpr std::array<GridCrossing, 2> partTimeAt{{{0, 0}, {3, 3}}};
constexpr std::array<GridCrossing, 2> extraLightsAt{{{2, 0}, {1, 3}}};
constexpr int roundaboutRoads = 12;
constexpr int junctionRoads = 12;
constexpr int firstJunctionRoad = roundaboutRoads * 2;
constexpr int firstLinkRoad = firstJunctionRoad + junctionRoads * 14;

// The alignment road: the northern railway's line, from edge to edge, in ten straights.
constexpr std::array<int32_t, 11> alignmentBreaks{1500,  5000,  11000, 15000, 20000, 23000,
                                                  28000, 34000, 37000, 44000, 49500};

// Longest road vehicle, in car lengths: bridges hide a stretch this long either side.
constexpr int longestCarLengths = 2;

int cell(int32_t x, int32_t y) {
    return (x / 1000) * 100 + y / 1000;
}

template <size_t N> bool listed(const std::array<GridCrossing, N>& crossings, size_t column, size_t row) {
    for (const GridCrossing& r : crossings)
        if (r.column == column && r.row == row)
            return true;
    return false;
}

bool isRoundabout(size_t column, size_t row) {
    return listed(roundaboutsAt, column, row);
}

Lamps lampsAt(size_t column, size_t row) {
    if (listed(partTimeAt, column, row))
        return Lamps::partTime;
    return listed(extraLightsAt, column, row) ? Lamps::extra : Lamps::main;
}

// Builds the streets; returns the number of roads used.
int buildStreets(Builder& b, const LayoutArgs& a, bool alignmentRoad) {
    StreetPlan p(b, firstLinkRoad);
    // node[column][row]: the junction, or for a roundabout its four arm nodes.
    std::array<std::array<std::array<int, 4>, 4>, 4> node{};
    size_t roundabout = 0;
    int junctionBase = firstJunctionRoad;
    for (size_t c = 0; c < streetX.size(); ++c)
        for (size_t r = 0; r < avenueY.size(); ++r) {
            const int centre = cell(streetX[c], avenueY[r]);
            if (isRoundabout(c, r)) {
                // The plan builds every roundabout's template on roads 0-11 before copying it: the one that stays
                // there is declared last.
                const int base = static_cast<int>(roundaboutsAt.size() - 1 - roundabout) * roundaboutRoads;
                node[c][r] = p.roundabout(static_cast<int>(roundabout), centre, roundaboutRadius, 0, base);
                ++roundabout;
            } else {
                const int j = p.junction(centre, junctionBase, lampsAt(c, r));
                junctionBase += junctionRoads;
                node[c][r] = {j, j, j, j};
            }
        }
    auto arm = [&](size_t c, size_t r, Compass k) { return node[c][r][k]; };

    for (size_t r = 0; r < avenueY.size(); ++r) {
        const int32_t y = avenueY[r];
        int west = p.edge(minX, y);
        if (r < westJointRows) {
            const int bend = p.joint(westJointX, y);
            p.straight(west, bend);
            west = bend;
        }
        p.straight(west, arm(0, r, Compass::west));
        p.straight(arm(0, r, east), arm(1, r, Compass::west));
        const int middle = p.joint(middleJointX, y);
        p.straight(arm(1, r, east), middle);
        p.straight(middle, arm(2, r, Compass::west));
        p.straight(arm(2, r, east), arm(3, r, Compass::west));
        const int beyond = p.joint(eastJointX, y);
        p.straight(arm(3, r, east), beyond);
        p.straight(beyond, p.edge(maxX, y));
    }
    for (size_t c = 0; c < streetX.size(); ++c) {
        const int32_t x = streetX[c];
        p.straight(p.edge(x, minY), arm(c, 0, north));
        const int overRailway = p.joint(x, northJointY);
        p.straight(arm(c, 0, south), overRailway);
        p.straight(overRailway, arm(c, 1, north));
        const int bridgeEnd = p.joint(x, bridgeJointY);
        p.straight(arm(c, 1, south), bridgeEnd); // the river bridge
        p.straight(bridgeEnd, arm(c, 2, north));
        p.straight(arm(c, 2, south), arm(c, 3, north));
        p.straight(arm(c, 3, south), p.edge(x, maxY));
    }
    if (alignmentRoad) {
        int from = p.edge(alignmentBreaks.front(), northRailwayY);
        for (size_t i = 1; i < alignmentBreaks.size(); ++i) {
            const bool last = i + 1 == alignmentBreaks.size();
            const int to =
                last ? p.edge(alignmentBreaks[i], northRailwayY) : p.joint(alignmentBreaks[i], northRailwayY);
            p.straight(from, to);
            from = to;
        }
    }
    return p.build(a.lights, false);
}

} // namespace

void buildCityBridges(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "City Bridges";
    int flags = contentDrawFlag | (a.contentFlags & (contentRoads | contentTracks | contentRivers));
    if ((flags & (contentRoads | contentTracks)) == 0)
        flags |= contentRoads;
    const bool trains = (flags & contentTracks) != 0;
    if (trains)
        flags |= contentTrainOption;
    a.contentFlags = flags;
    a.cars *= carScale;
    m.roadCount = trains ? roadsWithTrains : roadsWithAlignmentRoad;
    m.trackCount = cityTracks;
    m.riverCount = cityRivers;
    if (trains)
        m.trackAdjust = cityTrackAdjust;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    buildStreets(b, a, !trains);
    buildCityRailways(b, minX, maxX);
    buildCityRivers(b);

    const RecordRun roads{0, m.roadCount}, tracks{firstTrack, cityTracks}, rivers{firstRiver, cityRivers};
    hideBeneath(m, tracks, roads, underpassHalf(0, a.carLength));
    hideBeneath(m, rivers, roads, longestBoatLengths * a.carLength);
    hideBeneath(m, rivers, tracks, longestBoatLengths * a.carLength);
    if (!trains) // the alignment road passes under the streets' railway bridges
        hideBeneath(m, RecordRun{roadsWithTrains, roadsWithAlignmentRoad - roadsWithTrains},
                    RecordRun{0, roadsWithTrains}, longestCarLengths * a.carLength);
}

} // namespace jamlog
