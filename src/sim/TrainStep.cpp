// The carriage step: signals, speed caps, station stops, the stop short of a terminus, passing to the next track
// or leaving, advancing on the bitmap of lane 0 behind whatever is ahead, and the caution rule under relief.
#include "sim/TrainStep.h"

#include <algorithm>

#include "sim/Occupancy.h"
#include "sim/RoadVehicleStep.h"
#include "sim/TrainStepParts.h"
#include "sim/TrainTrack.h"

namespace jamlog {

namespace rail {

namespace {

constexpr int stationZone = 150;   // a head waits once within this distance of a platform's end
constexpr int entryPauseFrom = 21; // a freshly entered head stands at 21..199 while the track ahead is used
constexpr int entryPauseTo = 199;
constexpr int entryLookFrom = 200;
constexpr int cautionStep = 10; // under relief a head creeps this far per step behind another train
constexpr int cautionClear = 400;

bool isPlatform(const RoadRecord& r) {
    return r.edgeStyle >= 1;
}

// The track a carriage takes at the end of its road: a head draws a successor, a carriage behind follows the road
// that the carriage in front took from here, so that a train never splits at a junction.
int nextTrack(CarriageCtx& x, const RoadRecord& r) {
    if (!x.head) {
        const VehicleRecord& f = x.front();
        const int here = x.v.road;
        if (f.tailOverhang < 0 && f.tailRoad == here)
            return f.road;
        if (f.tailOverhang < 0 && f.prevRoad == here)
            return f.tailRoad;
        if (f.road == r.next[0] || f.road == r.next[1] || f.road == r.next[2])
            return f.road;
    }
    return chooseSuccessor(r, x.rng);
}

// Wanted advance of a head in speed units (steps 2 to 4).
int headSpeed(CarriageCtx& x, const RoadRecord& r, int E, bool stop) {
    VehicleRecord& v = x.v;
    const int driver = std::max(v.driver, 1);
    const int p = v.pos, W = x.m.laneWidth;
    int s = std::min((v.speed + 2 * x.a.accel / driver) * x.a.stepFactor, r.speedLimit);
    int c;
    if (!stop) {
        if (isPlatform(r) && p > E / 2)
            c = v.topSpeed / driver;
        else if (isPlatform(r) || r.signalState == -1)
            c = 2 * v.topSpeed / (driver + 1);
        else
            c = v.topSpeed;
    } else {
        c = (r.control < -1 && p > v.length && v.speed < 1) ? 0 : v.topSpeed / driver;
    }
    s = std::min(s, c);

    if (v.roadAfterNext != 0) { // reversed at a terminus: stands until the whole train has come round
        x.held = true;
        return 0;
    }
    int& count = v.laneTicks; // the station wait counter
    if ((isPlatform(r) && E - p <= stationZone && r.control >= -1 && count > 0) || count > 1) {
        if (count < (x.rng.next() + 2) * x.m.stationWait / 100) {
            s = 0;
            ++count;
            x.held = true;
        } else {
            count = 0;
        }
    } else if (!isPlatform(r) && count == 0) {
        count = 1; // a countdown at the end of the line (negative) is left alone
    }

    // Never faster than the cap: the stop short of a terminus must not cut into a station wait.
    if (r.control > 0 && E - p <= 3 * W / 2)
        s = std::min(s, (E - W - p) * x.a.stepFactor);
    if (stop && E - p <= 3 * W && !isBoundaryTrack(x.m, x.v.road))
        s = 0;
    return s;
}

// Moves the carriage from the end of its road onto `next` with the given overshoot; false when the start of the
// next track is not clear.
bool passOnto(CarriageCtx& x, int next, int E, int overshoot, int gap) {
    VehicleRecord& v = x.v;
    LaneStrip& lane = lane0(x.m, next);
    // As a road vehicle passes: its own lane clear from its front onward, and the start of the next track clear
    // (at least its first cell, however small the overshoot).
    if (!cellsClear(lane0(x.m, v.road), v.pos, E + cellSize) || !cellsClear(lane, 0, std::max(overshoot, cellSize)))
        return false;
    const int oldRoad = v.road, oldPos = v.pos, oldTail = v.tailRoad;
    vacateCarriage(x.m, v);
    const int q = occupyAdvance(lane, v.length, gap, 0, overshoot);
    v.road = next;
    v.pos = q;
    v.speed = q + (E - oldPos);
    if (q < v.length) {
        v.tailRoad = oldRoad;
        v.tailOverhang = q - v.length;
        v.tailLane = 0;
        v.prevRoad = oldTail;
        setOverhang(x.m, v, true);
    }
    return true;
}

// Advances the carriage on its own road (step 7) and keeps its overhang on the tail road up to date.
void advance(CarriageCtx& x, int target, int gap) {
    VehicleRecord& v = x.v;
    LaneStrip& lane = lane0(x.m, v.road);
    const int p = v.pos;
    vacate(lane, v.length, p);
    if (x.head && !x.relief && p >= entryPauseFrom && p <= entryPauseTo && markedFrom(lane, entryLookFrom))
        target = p;
    if (x.head && x.relief && v.road >= 0 && x.m.road(v.road).signalState <= 0 && markedFrom(lane, p))
        target = cellsClear(lane, p, p + cautionClear) ? p + cautionStep : p;
    const int q = occupyAdvance(lane, v.length, gap, p, target);
    v.speed = std::max(0, q - p);
    v.pos = q;
    if (v.tailOverhang < 0) {
        setOverhang(x.m, v, false);
        if (q < v.length) {
            v.tailOverhang = q - v.length;
            setOverhang(x.m, v, true);
        } else {
            v.tailOverhang = 0;
            v.tailRoad = 0;
        }
    }
}

// Steps a carriage that is inside the layout; returns its new position or minus its state when it left.
int moveCarriage(CarriageCtx& x) {
    VehicleRecord& v = x.v;
    const RoadRecord& r = x.m.road(v.road);
    const int E = usableEnd(r);
    const bool stop = r.signalState >= 1;
    const int gap = x.head ? v.length / 2 : x.m.laneWidth / 3;
    const int s = x.head ? headSpeed(x, r, E, stop) : v.topSpeed;
    const int T = v.pos + s / std::max(x.a.stepFactor, 1);

    if (T > E) {
        if (isBoundaryTrack(x.m, v.road))
            return leaveLayout(x);
        const int next = nextTrack(x, r);
        if ((!stop || !x.head) && isThroughTrack(x.m, next) && passOnto(x, next, E, T - E, gap))
            return v.pos;
    }
    advance(x, T, gap);
    if (v.speed < 1 && v.pos > v.length)
        endOfLine(x);
    return v.pos;
}

} // namespace

} // namespace rail

int stepCarriage(NetworkModel& m, Rng& rng, int number, const TrainStepArgs& args, int& flag, VehicleDrawRecord* draw) {
    VehicleRecord& v = m.vehicles[static_cast<size_t>(number)];
    rail::CarriageCtx x{m, rng, v, number, args, flag != 0, (v.kindFlags & carriageHead) != 0};
    int result;
    if (v.state & vehicleOutside) {
        result = rail::enterTrack(x);
        flag = trainMoving;
    } else {
        result = rail::moveCarriage(x);
        if (v.state & vehicleOutside)
            flag = trainMoving;
        else if (x.held)
            flag = trainHeld;
        else if (v.speed < 1)
            flag = m.road(v.road).control > 1 ? trainHeld : trainStanding;
        else
            flag = trainMoving;
    }
    v.waitCount = 0;
    if (draw) {
        draw->lampFlags = static_cast<uint8_t>(v.kindFlags & (carriageHead | carriageLast));
        if (v.state & vehicleOutside)
            draw->stepResult = resultOutside;
        else
            rail::placeCarriage(m, v, *draw);
    }
    return result;
}

} // namespace jamlog
