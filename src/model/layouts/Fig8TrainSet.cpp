// "Fig 8 Train Set": a double-track figure of eight whose diagonals cross in the middle, the north-east one on a
// bridge over the other. Each loop has a station on its outer side. Each direction has its own line in and out
// from tunnels at the north edge, on the loop where that direction runs on the outside, so no line crosses another.
#include "model/TrainLaying.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/RailLayoutParts.h"
#include "model/layouts/RailPlan.h"

namespace jamlog {

namespace {

using railplan::Vertex;

constexpr int fig8Tracks = 58;
constexpr int fig8TrackAdjust = 3;
constexpr int trainDivisor = 3;

constexpr int side = 145;                      // each direction this far to its left of the centre line
constexpr int bend = 1800;                     // radius of every corner of the centre line
constexpr int spurBend = 1200;                 // the lines in and out curve onto the loops with this radius
constexpr int northEdge = 1000;                // the tunnel mouths
constexpr int crossX = 12750, crossY = 8000;   // where the diagonals cross
constexpr int bridgeHalfWidth = side + 260;    // the bridge deck either side of its centre line, both tracks
constexpr int parapetOffset = bridgeHalfWidth; // the bridge's walls from its centre line
constexpr int parapetHalfLength = 900;

// The centre line, in the running order of the first direction: out over the bridge to the east loop (clockwise),
// back under the bridge to the west loop (anticlockwise) and up to the bridge. The last leg, from vertex 16 to
// vertex 0, is the bridge itself. Joints: 2 and 3 where the east line in joins and the east line out leaves, 11
// and 12 the same for the west line, 5 the middle of the east station.
const std::vector<Vertex> figure{
    {14250, 6500},        // 0: off the bridge
    {17250, 3500, bend},  // 1
    {19100, 3500},        // 2: east line in
    {20200, 3500},        // 3: east line out
    {23200, 3500, bend},  // 4
    {23200, 8000},        // 5: east station, one platform each side of this joint
    {23200, 12500, bend}, // 6
    {17250, 12500, bend}, // 7
    {14250, 9500},        // 8: under the bridge from here
    {11250, 6500},        // 9
    {8250, 3500, bend},   // 10
    {6400, 3500},         // 11: west line out (for the second direction, running east)
    {5300, 3500},         // 12: west line in
    {2300, 3500, bend},   // 13
    {2300, 12500, bend},  // 14: west station on this leg
    {8250, 12500, bend},  // 15
    {11250, 9500},        // 16: onto the bridge
};
constexpr int bridgeLeg = 16, underLeg = 8;
// The legs between the joints of the lines in and out: trains join at their start and may leave at their end.
// The first direction runs the east one eastwards on the outside; the second the west one.
constexpr int eastSpurLeg = 2, westSpurLeg = 11;
constexpr int eastStationLeg = 5, eastStationLegBack = 4, westStationLeg = 13;

// Records: the first direction from 500, the second after it, the lines in and out, and the two bridge legs last
// so that they are drawn over the legs under them.
constexpr int firstOut = firstTrack, secondOut = firstTrack + 24;
constexpr int spurs = firstTrack + 48;
constexpr int bridgeFirst = firstTrack + 56, bridgeSecond = firstTrack + 57;

struct SpurSet {
    int inStraight, inBend, outBend, outStraight;
    int edgeInX, edgeOutX;
};
constexpr SpurSet eastSpurs{spurs, spurs + 1, spurs + 2, spurs + 3, 17900, 21400};
constexpr SpurSet westSpurs{spurs + 4, spurs + 5, spurs + 6, spurs + 7, 4100, 7600};

// The track between the joints, the one before it and the one after it.
struct Junction {
    int track, before, after;
};

// A line in from the north edge onto the start of the junction's track and a line out off its end back to the
// edge; the line out is the boundary, and trains enter on the line in that follows it.
void buildSpurs(Builder& b, const SpurSet& s, const Junction& j, int boundarySlot) {
    NetworkModel& m = b.model();
    railplan::spurOnto(b, {.straight = s.inStraight,
                           .bend = s.inBend,
                           .edgeX = s.edgeInX,
                           .edgeY = northEdge,
                           .track = j.track,
                           .radius = spurBend});
    railplan::spurOff(b,
                      {.straight = s.outStraight,
                       .bend = s.outBend,
                       .edgeX = s.edgeOutX,
                       .edgeY = northEdge,
                       .track = j.track,
                       .radius = spurBend},
                      s.inStraight);
    m.boundaryTracks[static_cast<size_t>(boundarySlot)] = s.outStraight;
    m.road(j.track).next[2] = s.outBend; // the way out, until the points draw the first route
    // Trains join one at a time, and the points draw a way on round the loop or out for every train.
    raillayout::addPoints(m, {1, 8, j.track, j.before, s.inBend});
    raillayout::addPoints(m, {1, 2, j.track, j.after, s.outBend});
}

void hideTunnels(NetworkModel& m, const SpurSet& s, int carLength) {
    const int mouth = underpassHalf(0, carLength);
    raillayout::hideMouth(m, s.inStraight, mouth, true);
    raillayout::hideMouth(m, s.outStraight, mouth, false);
}

} // namespace

void buildFig8TrainSet(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Fig 8 Train Set";
    a.contentFlags = contentTracks | contentDrawFlag | contentShortTrains;
    a.trains /= trainDivisor;
    m.trackCount = fig8Tracks;
    m.trackAdjust = fig8TrackAdjust;
    setExtent(m, {.minX = 1000, .minY = 1000, .maxX = 24500, .maxY = 15000});

    const railplan::LaidLine one = railplan::layLine(
        b, {.vertices = &figure, .side = side, .first = firstOut, .asideLeg = bridgeLeg, .asideRoad = bridgeFirst});
    const railplan::LaidLine two = railplan::layLine(b, {.vertices = &figure,
                                                         .reversed = true,
                                                         .side = side,
                                                         .first = secondOut,
                                                         .asideLeg = bridgeLeg,
                                                         .asideRoad = bridgeSecond});
    auto leg = [](const railplan::LaidLine& l, int i) { return l.leg[static_cast<size_t>(i)]; };
    for (int t :
         {leg(one, eastStationLeg), leg(two, eastStationLegBack), leg(one, westStationLeg), leg(two, westStationLeg)})
        m.road(t).edgeStyle = edgeStylePlatform;

    buildSpurs(b, eastSpurs, {leg(one, eastSpurLeg), leg(one, eastSpurLeg - 1), leg(one, eastSpurLeg + 1)}, 0);
    buildSpurs(b, westSpurs, {leg(two, westSpurLeg), leg(two, westSpurLeg + 1), leg(two, westSpurLeg - 1)}, 1);

    const int half = underpassHalf(bridgeHalfWidth, a.carLength);
    for (const railplan::LaidLine* l : {&one, &two})
        railplan::hideUnderPoint(m.road(leg(*l, underLeg)), crossX, crossY, half);
    railplan::addBridgeWalls(m, crossX, crossY, 1, -1, parapetHalfLength, parapetOffset);
    hideTunnels(m, eastSpurs, a.carLength);
    hideTunnels(m, westSpurs, a.carLength);
}

} // namespace jamlog
