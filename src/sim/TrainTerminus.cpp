// The end of the line: a carriage standing on a track that runs into the sink counts down and is then moved,
// head first, to the road named by the track's special code, keeping its place in the train. While its train comes
// round, the head keeps the terminus track in its roadAfterNext word (unused by carriages otherwise).
#include "sim/Occupancy.h"
#include "sim/PlaceOnRoad.h"
#include "sim/TrainStepParts.h"
#include "sim/TrainTrack.h"

namespace jamlog::rail {

namespace {
constexpr int headWaitAfterReversal = 2; // makes the head wait as at a station before it leaves again
}

void endOfLine(CarriageCtx& x) {
    VehicleRecord& v = x.v;
    const RoadRecord& r = x.m.road(v.road);
    if (!isDeadEnd(x.m, r.next[0]) || x.held)
        return;
    int& count = v.laneTicks;
    count = count >= 0 ? -1 : count - 1;
    if (count >= -x.m.stationWait)
        return;
    // Carriages follow their head round: none moves while the carriage in front is still on this track.
    if (!x.head && x.front().road == v.road)
        return;
    const int target = r.control;
    if (!isThroughTrack(x.m, target))
        return;
    const int n = v.routeLaneCap, L = v.length, W = x.m.laneWidth;
    const int place = n * L + W + (n - 1) * W / 3;
    LaneStrip& lane = lane0(x.m, target);
    // The head goes round only when the way back is clear for its whole train, up to its own place: a train still
    // standing there would otherwise be cut off from the rest of the train that is coming round behind it.
    if (place > usableEnd(x.m.road(target)) || !cellsClear(lane, x.head ? 0 : place - L, place))
        return;
    const int terminus = v.road;
    vacateCarriage(x.m, v);
    v.road = target;
    v.pos = place;
    v.speed = 0;
    v.prevRoad = 0;
    markRange(lane, place - L, place);
    count = x.head ? headWaitAfterReversal : 0;
    x.held = true;
    // The head stands on the way back until its last carriage has come round too: a carriage that reached the
    // terminus track late would otherwise be left behind by its train.
    if (x.head && !(v.kindFlags & carriageLast))
        v.roadAfterNext = terminus;
    if (!x.head && (v.kindFlags & carriageLast)) {
        int head = x.number;
        while (head > firstCarriage && !(x.m.vehicles[static_cast<size_t>(head)].kindFlags & carriageHead))
            --head;
        x.m.vehicles[static_cast<size_t>(head)].roadAfterNext = 0;
    }
}

void placeCarriage(const NetworkModel& m, const VehicleRecord& v, VehicleDrawRecord& d) {
    const int W = m.laneWidth, L = v.length, mid = v.pos - L / 2;
    const RoadRecord& r = m.road(v.road);
    bool hidden;
    if (v.tailOverhang < 0 && v.tailRoad >= 0 && v.tailRoad < roadCapacity) {
        const RoadRecord& t = m.road(v.tailRoad);
        placeStraddling(r, v.pos - L, 0, t, t.length + v.tailOverhang, 0, L, W, d);
        hidden = mid >= 0 ? cellSet(r.hiddenBits, mid / cellSize) : cellSet(t.hiddenBits, (t.length + mid) / cellSize);
    } else {
        placeOnRoad(r, d, v.pos - L, L, 0, W);
        hidden = mid < 0 || cellSet(r.hiddenBits, mid / cellSize);
    }
    d.stepResult = hidden ? drawHidden : 0;
}

} // namespace jamlog::rail
