// Layout 28 "T: Mway Jcts": a motorway from the west edge to the east edge with two junctions on each carriageway,
// built for the eastbound carriageway and turned half round for the westbound one. At the first junction a slip
// road diverges from the nearside lane and another merges into it, giving way, while traffic in the nearside lane
// beside it moves over as a courtesy. At the second the nearside lane drops: it leads only into the exit slip, and
// the two offside lanes run on; after the next merge the carriageway gains a lane on its offside. The slip roads
// widen to two lanes on the way out and narrow to one on the way in.
#include <array>
#include <vector>

#include "model/Bitmap.h"
#include "model/layouts/Layouts.h"
#include "model/layouts/MotorwayPlan.h"

namespace jamlog {

namespace {

constexpr int mwayRoads = 50;
constexpr int halfRoads = mwayRoads / 2; // the westbound half is the eastbound one turned half round
constexpr int carScale = 2;
constexpr int32_t minX = 1500, minY = 1000, maxX = 15000, maxY = 10000;

constexpr int mainLanes = 2;                         // three lanes
constexpr int droppedLanes = 1;                      // two lanes after the lane drop
constexpr int32_t laneY = 4800;                      // the eastbound nearside lane; its other lanes lie to the south
constexpr int32_t wideningY = 2400, slipTopY = 3300; // a slip road has two lanes north of wideningY
constexpr int laneShiftOne = -11;                    // the road's lanes are the road before's, less one
constexpr int gainCells = 3; // cells of an opening lane marked per lane width, as a taper marks them

// Eastbound main line in running order.
enum Main { m0, m1, m2, m3, m4, m5, m6, m7, m8, mainCount };
// Slip roads: per junction an exit of four pieces (arc, then out to the north edge) and an entry of four (in from
// the edge, then the arc).
constexpr int firstSlip = mainCount;
constexpr int slipPieces = 4;
constexpr int exitOf(int junction) {
    return firstSlip + 2 * slipPieces * junction;
}
constexpr int entryOf(int junction) {
    return exitOf(junction) + slipPieces;
}
static_assert(entryOf(1) + slipPieces == halfRoads, "the eastbound half fills its 25 roads");

// x of the main line's joints; the first junction diverges at 4000 and merges at 7500, the second diverges at
// 10000 and merges at 13500. The slip roads' straight stretches lie a quarter turn's radius from there: 1500 from
// the nearside lane, 1630 from the lane that runs on after the drop.
constexpr std::array<int32_t, mainCount + 1> mainX{minX, 2800, 4000, 6000, 7500, 8800, 10000, 11500, 13500, maxX};
constexpr std::array<int, mainCount> mainTop{mainLanes, mainLanes,    mainLanes,    mainLanes, mainLanes,
                                             mainLanes, droppedLanes, droppedLanes, mainLanes};

struct Junction {
    Main diverging, courtesy, merged; // the road whose end the exit leaves, the road beside the merge, the road after
    int32_t exitX, entryX;            // the slip roads' straight stretches
};
constexpr std::array<Junction, 2> junctions{{{m1, m3, m4, 5500, 6000}, {m5, m7, m8, 11500, 11870}}};

void setNext(RoadRecord& r, int a, int b, int c) {
    r.next[0] = a;
    r.next[1] = b;
    r.next[2] = c;
}

void buildMainLine(Builder& b) {
    NetworkModel& m = b.model();
    const int W = m.laneWidth;
    for (int k = 0; k < mainCount; ++k) {
        // After the lane drop the two lanes that run on keep their places, the first of them the old lane 1.
        const int32_t y = k >= m6 ? laneY + W : laneY;
        b.straightRaw(k, {.from = {mainX[static_cast<size_t>(k)], y},
                          .to = {mainX[static_cast<size_t>(k) + 1], y},
                          .topLanes = mainTop[static_cast<size_t>(k)],
                          .next = k + 1 < mainCount ? k + 1 : halfRoads + m0});
    }
    m.road(m6).control = laneShiftOne;
    // The gained lane opens on the offside: vehicles come on in the two lanes of the road before.
    RoadRecord& gain = m.road(m8);
    gain.laneCap = droppedLanes;
    setCells(gain.lanes[mainLanes].occupancy, 0, gainCells * W / 10 - 1, true);
}

void buildJunction(Builder& b, int j) {
    NetworkModel& m = b.model();
    const Junction& J = junctions[static_cast<size_t>(j)];
    const int exit = exitOf(j), entry = entryOf(j);
    const Point diverge = b.endOf(J.diverging), merge = b.startOf(J.merged);
    // Out: the arc bends north off the nearside lane, then one lane widening to two up to the edge.
    slipArc(b, exit,
            {.from = diverge,
             .to = {J.exitX, slipTopY},
             .centre = {diverge.x, slipTopY},
             .next = exit + 1,
             .startTaper = exitTaperStart,
             .endTaper = exitTaperEnd});
    std::vector<Piece> out;
    appendStraight(out, {J.exitX, slipTopY}, {J.exitX, wideningY}, 1, 0);
    appendStraight(out, {J.exitX, wideningY}, {J.exitX, minY}, 2, 1);
    const std::vector<int> outRoads = numbered(exit + 1, slipPieces - 1);
    buildChain(b, {.roads = outRoads, .pieces = out, .then = {entry, entry, entry}});
    // In: two lanes from the edge narrowing to one, then the arc onto the nearside lane, giving way to it.
    std::vector<Piece> in;
    appendStraight(in, {J.entryX, minY}, {J.entryX, wideningY}, 2, 1);
    appendStraight(in, {J.entryX, wideningY}, {J.entryX, slipTopY}, 1, 0);
    const int arc = entry + slipPieces - 1;
    buildChain(b, {.roads = numbered(entry, slipPieces - 1), .pieces = in, .then = {arc, arc, arc}});
    slipArc(b, arc,
            {.from = {J.entryX, slipTopY},
             .to = merge,
             .centre = {merge.x, slipTopY},
             .next = J.merged,
             .startTaper = entryTaperStart,
             .endTaper = entryTaperEnd,
             .giveWayTo = J.courtesy});
    setNext(m.road(J.diverging), J.diverging + 1, J.diverging + 1, exit);
    m.road(J.courtesy).control = courtesyCode + arc;
    m.boundaryRoads[static_cast<size_t>(1 + j)] = outRoads.back();
}

} // namespace

void buildTestMwayJcts(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Mway Jcts";
    a.contentFlags = contentRoads;
    a.cars *= carScale;
    m.roadCount = mwayRoads;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    buildMainLine(b);
    for (int j = 0; j < static_cast<int>(junctions.size()); ++j)
        buildJunction(b, j);
    m.boundaryRoads[0] = m8;
    // The westbound half: a copy turned half round about the middle of the layout.
    copyRun(m, halfRoads, halfRoads, 0, 0, 0);
    for (int r = halfRoads; r < mwayRoads; ++r)
        flipSegment(m.road(r), -1, -1, minX + maxX, minY + maxY);
    setNext(m.road(halfRoads + m8), m0, m0, m0); // vehicles leaving westbound enter eastbound
    for (int k = 0; k < 3; ++k)
        m.boundaryRoads[static_cast<size_t>(3 + k)] = m.boundaryRoads[static_cast<size_t>(k)] + halfRoads;
}

} // namespace jamlog
