// Entering and leaving the layout at boundary roads, and the cell bookkeeping of a whole vehicle.
#include <algorithm>

#include "sim/Occupancy.h"
#include "sim/VehicleStepContext.h"

namespace jamlog::step {

namespace {

constexpr int roadSlotDivisor = 1725;  // rand() / 1725: slots 0 to 18 of the road list
constexpr int riverSlotDivisor = 3277; // rand() / 3277: slots 0 to 9 of the river list
constexpr int slotDraws = 100;
constexpr int entryClearReach = 1000; // lane 0 of the entry road must be free this far

template <size_t N> int drawBoundary(Rng& rng, const std::array<int32_t, N>& list, int divisor) {
    for (int i = 0; i < slotDraws; ++i) {
        const size_t slot = static_cast<size_t>(rng.next() / divisor);
        if (slot < N && list[slot] >= 0)
            return list[slot];
    }
    return list[0];
}

} // namespace

bool isBoundary(const NetworkModel& m, int road, bool boat) {
    if (boat)
        return std::find(m.boundaryRivers.begin(), m.boundaryRivers.end(), road) != m.boundaryRivers.end();
    return std::find(m.boundaryRoads.begin(), m.boundaryRoads.end(), road) != m.boundaryRoads.end();
}

LaneWindow laneWindowOf(const RoadRecord& next) {
    LaneWindow w;
    w.maxLane = next.laneCap;
    if (next.control < laneShiftBelow) {
        const int k = -(next.control - laneShiftBelow);
        w.minLane = k;
        w.maxLane += k;
        w.shift = k;
    }
    if (next.nearsideGain > 0) {
        w.minLane = 1;
        w.maxLane += 1;
        w.shift = -1;
    }
    return w;
}

void markOverhang(NetworkModel& m, const VehicleRecord& v, bool value) {
    if (v.tailOverhang >= 0 || !validRoad(v.tailRoad) || v.tailLane < 0 || v.tailLane >= maxLanes)
        return;
    LaneStrip& lane = m.road(v.tailRoad).lanes[v.tailLane];
    const int end = lane.laneLength;
    if (value)
        markRange(lane, end + v.tailOverhang, end);
    else
        clearRange(lane, end + v.tailOverhang, end);
}

void vacateAll(NetworkModel& m, VehicleRecord& v) {
    if (validRoad(v.road) && v.lane >= 0 && v.lane < maxLanes)
        vacate(m.road(v.road).lanes[v.lane], v.length, v.pos);
    markOverhang(m, v, false);
}

void enterLayout(Ctx& x) {
    VehicleRecord& v = x.v;
    const int b = x.boat ? drawBoundary(x.rng, x.m.boundaryRivers, riverSlotDivisor)
                         : drawBoundary(x.rng, x.m.boundaryRoads, roadSlotDivisor);
    if (!validRoad(b))
        return;
    // Three random successors in turn from the boundary road, so that `road` is the first real road.
    int road = b, next = chooseSuccessor(x.m.road(b), x.rng);
    if (!validRoad(next))
        return;
    int after = chooseSuccessor(x.m.road(next), x.rng);
    if (!validRoad(after))
        return;
    road = next;
    next = after;
    after = chooseSuccessor(x.m.road(next), x.rng);
    if (!validRoad(after))
        return;
    v.road = road;
    v.nextRoad = next;
    v.roadAfterNext = after;
    // The vehicle comes in with its body on the entry road and marks its cells at once. Its front at the very start
    // would mark no cell, and every other vehicle entering there in the same tick would pile up on top of it.
    LaneStrip& entry = x.m.road(road).lanes[0];
    const int front = std::clamp(v.length, 0, std::max(entry.laneLength, 0));
    if (!cellsClear(entry, 0, std::max(entryClearReach, front)))
        return; // try again in a later step
    v.routeLaneCap = std::min(x.m.road(next).laneCap, x.m.road(after).laneCap);
    v.lane = 0;
    v.pos = front;
    v.tailOverhang = 0;
    markRange(entry, front - v.length, front);
    v.state = (v.state & vehicleCarParkUser) ? vehicleCarParkUser | vehicleLookingForPark : 0;
}

void leaveLayout(Ctx& x) {
    VehicleRecord& v = x.v;
    vacateAll(x.m, v);
    v.state = (v.state & vehicleCarParkUser) | vehicleOutside;
    v.laneTicks = 1;
    v.waitCount = 1;
    v.prevRoad = 0;
    v.tailRoad = v.tailOverhang = v.tailLane = 0;
    v.road = 0;
    v.pos = v.lane = 0;
}

} // namespace jamlog::step
