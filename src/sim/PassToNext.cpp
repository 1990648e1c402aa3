// Moving onto the next road at a road's end: leaving at a boundary, signals, the entry point and lane on the next
// road, junction boxes, giving way, and the commit with its straddling bookkeeping.
#include <algorithm>

#include "sim/Junctions.h"
#include "sim/Occupancy.h"
#include "sim/VehicleStepContext.h"

namespace jamlog::step {

namespace {

constexpr int codeLeft = -1, codeBlocked = -2, codeAhead = -3, codeEntry = -4, codeNoLane = -9;
constexpr int bayExitBase = 890;
constexpr int giveWayMinFlow = 5;

} // namespace

int passToNext(Ctx& x, int overshoot) {
    VehicleRecord& v = x.v;
    NetworkModel& m = x.m;
    RoadRecord& r = x.r();
    RoadRecord& n = x.n();
    const int W = m.laneWidth;
    const LaneStrip& own = r.lanes[v.lane];
    if (!cellsClear(own, v.pos, own.laneLength + cellSize))
        return codeAhead;                // 1
    if (isBoundary(m, x.road, x.boat)) { // 2
        leaveLayout(x);
        return codeLeft;
    }
    if (!signalLetsPass(m, x.road, x.next, v.driver))
        return codeAhead; // 3
    const bool inCarPark = x.carPark > 1;
    const LaneWindow w = laneWindowOf(n);
    int lane = v.lane; // 6, worked out first: step 4 reads it
    if (inCarPark || w.shift < 0)
        lane = 0;
    else if (w.shift > 0)
        lane = std::max(v.lane - w.shift, 0);
    if (lane > n.topLane || lane >= maxLanes)
        return codeNoLane;
    LaneStrip& to = n.lanes[lane];
    int g = x.g;
    const bool bayExit = isBay(r); // 4
    if (isRing(n) && !isRing(r)) {
        overshoot += W;
        g = std::max(g - W, 0);
    }
    // Never beyond the end of the lane: a short ring segment can be shorter than the overshoot plus a lane width.
    int entry = std::min(overshoot, std::max(to.laneLength, 0));
    if (bayExit) {
        entry = (m.carPark[1] - r.control + bayExitBase) * m.carPark[3] - W * v.lane;
        entry = std::clamp(entry, 0, std::max(to.laneLength, 0));
    } else if (w.shift <= 0 && !inCarPark) {
        if (v.lane > n.topLane || !cellsClear(n.lanes[v.lane], 0, std::max(x.L, overshoot)))
            return codeEntry;
    }
    const bool afterValid = validRoad(v.roadAfterNext);
    if (n.boxCode >= 1 && afterValid) {
        const RoadRecord& after = m.road(v.roadAfterNext);
        if (!cellsClear(after.lanes[std::min(lane, after.topLane)], 0, 2 * x.L))
            return codeBlocked;
    }
    if (n.boxCode < 0 && validRoad(-n.boxCode) && firstMarkedCell(m.road(-n.boxCode).lanes[0]) >= 0) // 5
        return codeBlocked;
    if (n.boxCode >= 1 && !junctionClear(m, x.next, afterValid && m.road(v.roadAfterNext).topLane > 0))
        return codeBlocked;
    // 6: the lane must be clear at the entry point for the gap, and under the body that is placed there.
    if (!cellsClear(to, entry - x.L, entry + g))
        return codeBlocked;
    const int priority = validRoad(r.control) ? r.control : -1; // 7
    if (priority >= 0 && r.topLane < 2 && r.boxCode == 0 && priorityRoadBusy(m, priority, 3 * x.L, giveWayMinFlow))
        return codeBlocked;
    // 8: commit.
    const int oldRoad = x.road, oldLane = v.lane, oldPos = v.pos;
    vacate(r.lanes[oldLane], x.L, oldPos);
    markOverhang(m, v, false);
    v.road = v.nextRoad;
    v.nextRoad = v.roadAfterNext;
    if (validRoad(v.nextRoad)) {
        const RoadRecord& nn = m.road(v.nextRoad);
        v.roadAfterNext = v.state == vehicleParked ? nn.next[2] : chooseSuccessor(nn, x.rng);
        v.routeLaneCap = nn.laneCap;
    }
    const int newPos = occupyAdvance(to, x.L, g, entry, overshoot);
    const int onNext = newPos - (bayExit ? entry : 0);
    n.flow = (n.flow + 2 * onNext) / 3;
    v.speed = onNext + (x.E - oldPos);
    v.lane = lane;
    v.pos = newPos;
    v.prevRoad = v.tailRoad;
    v.tailRoad = oldRoad;
    v.tailLane = oldLane;
    v.tailOverhang = newPos < x.L ? newPos - x.L : 0;
    markOverhang(m, v, true);
    x.road = v.road;
    x.next = v.nextRoad;
    return newPos;
}

} // namespace jamlog::step
