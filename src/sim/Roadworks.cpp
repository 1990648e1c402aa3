// Roadworks on the offside lane: the test, laying and lifting them, at the start of a run and once a minute.
#include "sim/Roadworks.h"

#include "sim/Occupancy.h"

namespace jamlog {

namespace {

constexpr int startPick = 31000;     // start of a run: rand() > 31000 picks a road of two or more lanes
constexpr int startPickWide = 24001; // failing that, rand() >= 24001 picks a road of three or more lanes
constexpr int upkeepPick = 32000;    // upkeep: the same with rarer starts
constexpr int upkeepPickWide = 26001;
constexpr int upkeepEnd = 26000; // rand() > 26000 lifts existing roadworks

bool insideJunction(const RoadRecord& r) {
    return r.boxCode != 0;
}

bool hasHiddenCells(const RoadRecord& r) {
    if (r.length < 3)
        return false;
    return anyCellSet(r.hiddenBits, 1 / cellSize, (r.length - 1) / cellSize);
}

// The two-draw choice of a road for new roadworks.
bool picked(const RoadRecord& r, Rng& rng, int pick, int pickWide) {
    if (r.topLane < 1)
        return false;
    if (rng.next() > pick)
        return true;
    return r.topLane >= 2 && rng.next() >= pickWide;
}

} // namespace

int hasRoadworks(const RoadRecord& road) {
    if (road.topLane < 0 || road.topLane >= maxLanes)
        return 0;
    const LaneStrip& lane = road.lanes[road.topLane];
    return lanePercentOccupied(lane, 0, road.length) >= roadworksPercent ? road.length : 0;
}

bool startRoadworks(RoadRecord& road, int lane, bool limitOn) {
    if (insideJunction(road) || hasHiddenCells(road) || lane < 0 || lane > road.topLane || lane >= maxLanes)
        return false;
    // Only on an empty lane: a vehicle caught under the block would punch holes in it as it moves out, and lifting
    // the block would clear cells the layout marks on purpose.
    if (firstMarkedCell(road.lanes[lane]) >= 0)
        return false;
    road.speedLimit = limitOn ? roadworksLimit : noSpeedLimit;
    markRange(road.lanes[lane], 0, road.length);
    return true;
}

void endRoadworks(NetworkModel& m, int road) {
    RoadRecord& r = m.road(road);
    if (insideJunction(r) || r.topLane < 0 || r.topLane >= maxLanes)
        return;
    const int lane = r.topLane;
    LaneStrip& strip = r.lanes[lane];
    clearRange(strip, 0, cellBits * cellSize);
    for (int n = 0; n < firstCarriage; ++n) {
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if (v.state & vehicleOutside)
            continue;
        if (v.road == road && v.lane == lane)
            markRange(strip, v.pos - v.length, v.pos);
        if (v.tailOverhang < 0 && v.tailRoad == road && v.tailLane == lane)
            markRange(strip, strip.laneLength + v.tailOverhang, strip.laneLength);
    }
}

void startOfRunRoadworks(NetworkModel& m, Rng& rng, bool limitOn) {
    for (int n = 0; n < m.roadCount && n < roadCapacity; ++n) {
        RoadRecord& r = m.road(n);
        if (picked(r, rng, startPick, startPickWide))
            startRoadworks(r, r.topLane, limitOn);
    }
}

void upkeepRoadworks(NetworkModel& m, Rng& rng, bool limitOn, const std::function<void(int)>& changed) {
    for (int n = 0; n < m.roadCount && n < roadCapacity; ++n) {
        RoadRecord& r = m.road(n);
        if (picked(r, rng, upkeepPick, upkeepPickWide)) {
            startRoadworks(r, r.topLane, limitOn);
            changed(n);
        }
        if (hasRoadworks(r) && rng.next() > upkeepEnd) {
            endRoadworks(m, n);
            changed(n);
        }
    }
}

} // namespace jamlog
