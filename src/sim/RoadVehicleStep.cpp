// The road-vehicle step in its order: gap, rerouting, roundabout queueing, wanted advance, lane window, car park,
// passing on, bay wait, junction box, lane shifts and choice, queueing, giving way, courtesy, advance and tail.
#include "sim/RoadVehicleStep.h"

#include <algorithm>

#include "sim/Junctions.h"
#include "sim/Occupancy.h"
#include "sim/TrainStep.h"
#include "sim/VehicleStepContext.h"

namespace jamlog {

using namespace step;

namespace {

constexpr int rerouteMaxSpeed = 9;
constexpr int bayWaitFrom = 281, bayWaitTo = 305;
constexpr int bayCreep = 25;
constexpr int courtesyReach = 1000; // the last units of a slip road that ask for a courtesy lane change
constexpr int laneHoldBase = 20, laneHoldPerClass = 15;

bool straddling(const VehicleRecord& v) {
    return v.tailOverhang != 0;
}

// Step 3: a stuck vehicle takes another successor when its next road is blocked.
void reroute(Ctx& x) {
    VehicleRecord& v = x.v;
    RoadRecord& r = x.r();
    const RoadRecord& n = x.n();
    const bool trigger = x.relief || (v.pos == r.length && n.boxCode == 0) ||
                         (x.m.driveOnLeft == 0 && v.lane == 0 && n.indicator == lampLeftIndicator);
    if (!trigger || v.speed >= rerouteMaxSpeed || r.signalState > 0 || v.pos < r.length - 3 * x.L)
        return;
    if (v.lane <= n.topLane && cellsClear(n.lanes[v.lane], 0, 2 * x.L + x.g) && n.boxCode < 1)
        return;
    int other = v.nextRoad;
    for (int k = 0; k < 3; ++k)
        if (r.next[k] != v.nextRoad)
            other = r.next[k];
    if (other == v.nextRoad || !validRoad(other))
        return;
    v.nextRoad = other;
    v.roadAfterNext = chooseSuccessor(x.m.road(other), x.rng);
    v.routeLaneCap = std::min(r.topLane, x.m.road(other).topLane);
    x.next = other;
}

// Step 15: the lowest lane allowed by a lane offset or gain on a road ahead.
int lowestLaneOn(const NetworkModel& m, int road) {
    if (!validRoad(road))
        return 0;
    return laneWindowOf(m.road(road)).minLane;
}

// Returns true when the step ends before the advance.
bool runSteps(Ctx& x) {
    VehicleRecord& v = x.v;
    RoadRecord& r = x.r();
    const int W = x.m.laneWidth;
    x.L = v.length;
    x.g = v.topSpeed > 0 ? x.L + v.speed * v.headway / v.topSpeed : x.L; // 2
    reroute(x);                                                          // 3
    if (isRing(r)) {                                                     // 4
        x.g = x.g / (v.waitCount / 5 + 1) + 2 * W;
        v.waitCount = v.speed < 1 ? v.waitCount + 1 : 1;
    }
    const RoadRecord& n = x.n();
    const int sf = std::max(x.a.stepFactor, 1); // 5
    int s = std::min(v.topSpeed, (v.speed + x.a.accel / (v.driver + 1)) * sf);
    if (x.a.speedLimits && v.driver >= 2) {
        s = std::min(s, r.speedLimit);
        if (v.pos >= r.length - 3 * x.L)
            s = std::min(s, n.speedLimit);
    }
    x.T = v.pos + s / sf;
    const int code = r.control; // 6
    x.carPark = code >= carParkCodeMin && code <= carParkCodeMax ? code - 800 : 0;
    const int slip = code >= slipCodeBase && validRoad(code - slipCodeBase) ? code - slipCodeBase : -1;
    const int priority = validRoad(code) ? code : -1;
    x.E = r.length; // 7
    if (isRing(r) && !isRing(n) && n.topLane == 0)
        x.E -= W;
    const LaneWindow w = laneWindowOf(n); // 8
    x.minLane = w.minLane;
    x.maxLane = w.maxLane;
    if ((v.kindFlags & 1) && x.maxLane > x.m.longVehicleMaxLane)
        x.maxLane = x.m.longVehicleMaxLane;
    if (x.relief)
        x.g /= 2; // 9
    if ((x.carPark & 1) && (v.state & vehicleLookingForPark) && enterCarPark(x) >= -1)
        return true;                      // 10
    const bool inCarPark = x.carPark > 1; // 11
    if (inCarPark)
        x.maxLane = 5;
    // 12. Only a vehicle that advances passes on: one standing past a ring's exit point (E is short of the
    // segment's end) would otherwise hop onto the exit road while broken down.
    if (x.T > x.E && x.T > v.pos && v.lane >= x.minLane && v.lane <= x.maxLane && passToNext(x, x.T - x.E) >= -1)
        return true;
    if (inCarPark && v.pos >= bayWaitFrom && v.pos <= bayWaitTo) { // 13
        ++v.waitCount;
        if (v.waitCount < (x.rng.next() / 9 + 24) * x.m.parkWait) {
            v.speed = 0;
            return true;
        }
        v.waitCount = 0;
        x.T = v.pos + bayCreep;
    }
    if (r.boxCode >= 1 && !junctionClear(x.m, x.road, n.topLane > 0)) { // 14
        v.speed = 0;
        return true;
    }
    const bool keepLane = straddling(v) || v.topSpeed < 1;
    int lane = v.lane;
    if (!keepLane) { // 15
        for (int ahead : {x.next, v.roadAfterNext}) {
            if (lane < lowestLaneOn(x.m, ahead) && lane + 1 <= r.topLane &&
                laneIsClear(r.lanes[lane + 1], x.L, x.g / 2, v.pos, x.T))
                ++lane;
        }
    }
    if (lane > x.maxLane || (validRoad(v.roadAfterNext) && lane > x.m.road(v.roadAfterNext).laneCap))
        x.g /= 4;   // 16
    if (keepLane) { // 17
        if (x.g + x.L > r.length)
            x.g = r.length - x.L - 50;
    } else {
        const int chosen = chooseLane(r, lane, x.L, x.g, v.pos, x.T, x.maxLane, x.minLane);
        if (chosen >= 0 && !(chosen > lane && chosen > x.maxLane) && r.boxCode == 0 && !inCarPark)
            lane = chosen;
    }
    x.g = std::max(x.g, 0); // a negative gap would let the advance run over the vehicle ahead
    const int lenR = r.length;
    const int ahead = x.T - lenR + x.g; // 18
    if (ahead >= 1 && !isRing(r) && !isBoundary(x.m, x.road, x.boat)) {
        int nl = lane;
        if (inCarPark || w.shift < 0)
            nl = 0;
        else if (w.shift > 0)
            nl = std::max(lane - w.shift, 0);
        if (nl <= n.topLane && !cellsClear(n.lanes[nl], 0, x.T - lenR + 2 * x.g)) {
            const int c = firstMarkedCell(n.lanes[nl]);
            const int limit = (c >= 0 ? c * cellSize : n.lanes[nl].laneLength) - x.g + lenR;
            x.T = std::min(x.T, limit);
        }
    }
    if (priority >= 0 && r.boxCode == 0 && priorityRoadBusy(x.m, priority, 2 * x.g, 0)) // 19
        x.T = std::min(x.T, lenR - x.g / 2);
    if (slip >= 0 && !keepLane && x.T >= x.E - 4 * x.L && lane < x.maxLane) { // 20
        const RoadRecord& sr = x.m.road(slip);
        const int up = std::max(lane, v.lane) + 1;
        // The lane beside must be free up to the front at least: a queue ahead may have set the target behind it.
        if (!cellsClear(sr.lanes[0], sr.length - courtesyReach, sr.length) && up <= r.topLane && up < maxLanes &&
            laneIsClear(r.lanes[up], x.L, x.g / 2, v.pos, std::max(x.T, v.pos)))
            lane = up;
    }
    vacate(r.lanes[v.lane], x.L, v.pos); // 21
    if (lane != v.lane) {
        const int d = lane > v.lane ? 1 : -1;
        x.indicator = (4 * x.m.driveOnLeft - 2) * d + 6;
        if (v.laneTicks < laneHoldPerClass * v.driver + laneHoldBase) {
            lane = v.lane;
            ++v.laneTicks;
        } else {
            v.laneTicks = 0;
        }
    } else {
        ++v.laneTicks;
    }
    const int oldPos = v.pos; // 22
    const int newPos = occupyAdvance(r.lanes[lane], x.L, x.g, oldPos, x.T);
    v.speed = std::max(newPos - oldPos, 0);
    v.lane = lane;
    v.pos = newPos;
    r.flow = (r.flow + 2 * (newPos - oldPos)) / 3;
    if (straddling(v)) { // 23
        markOverhang(x.m, v, false);
        if (newPos < x.L) {
            v.tailOverhang = newPos - x.L;
            markOverhang(x.m, v, true);
        } else {
            v.tailOverhang = 0;
        }
    }
    return false;
}

} // namespace

uint8_t stepVehicle(NetworkModel& m, Rng& rng, int number, const VehicleStepArgs& args, VehicleDrawRecord& draw,
                    int& inOut) {
    if (number < 0 || number >= vehicleCapacity)
        return resultOutside;
    if (number >= firstCarriage && number < firstBoat) {
        draw.lampFlags = 0;
        const TrainStepArgs t{args.stepFactor, args.accel, args.entryAllowed};
        stepCarriage(m, rng, number, t, inOut, &draw);
        m.vehicles[static_cast<size_t>(number)].waitCount = 0;
        if (!vehicleInside(m.vehicles[static_cast<size_t>(number)]))
            draw.stepResult = resultOutside;
        return draw.stepResult;
    }
    VehicleRecord& v = m.vehicles[static_cast<size_t>(number)];
    Ctx x{m, rng, v, number, args, inOut != 0, number >= firstBoat};
    draw.lampFlags = 0;
    const int oldSpeed = v.speed;
    if (v.state & vehicleOutside) { // 1
        if (args.entryAllowed)
            enterLayout(x);
        draw.stepResult = resultOutside;
        if (!x.boat)
            inOut = v.speed < 1 ? 1 : 0;
        return resultOutside;
    }
    if (!validRoad(v.road) || !validRoad(v.nextRoad)) {
        leaveLayout(x); // a broken route cannot be driven; the vehicle leaves and enters afresh
        draw.stepResult = resultOutside;
        return resultOutside;
    }
    x.road = v.road;
    x.next = v.nextRoad;
    runSteps(x);
    finishStep(x, oldSpeed, draw);
    if (x.boat) {
        if (v.speed < 1)
            inOut = 1;
        v.waitCount = 0;
    } else {
        inOut = v.speed < 1 ? 1 : 0;
        if ((draw.lampFlags & lampParked) && vehicleInside(v))
            inOut = 0; // a parked car counts as moving
    }
    return draw.stepResult;
}

} // namespace jamlog
