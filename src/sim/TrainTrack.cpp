// Track queries and carriage cell bookkeeping.
#include "sim/TrainTrack.h"

#include <algorithm>

#include "sim/Occupancy.h"

namespace jamlog::rail {

bool isDeadEnd(const NetworkModel& m, int n) {
    if (!isTrackNumber(n))
        return true;
    const int32_t* next = m.road(n).next;
    return next[0] == n && next[1] == n && next[2] == n;
}

bool isThroughTrack(const NetworkModel& m, int n) {
    if (isDeadEnd(m, n))
        return false;
    const RoadRecord& r = m.road(n);
    return r.topLane >= 0 && r.lanes[0].laneLength > 0;
}

bool isBoundaryTrack(const NetworkModel& m, int n) {
    return std::find(m.boundaryTracks.begin(), m.boundaryTracks.end(), n) != m.boundaryTracks.end();
}

int usableEnd(const RoadRecord& r) {
    return std::min(r.length, r.lanes[0].laneLength);
}

bool markedFrom(const LaneStrip& lane, int from) {
    return !cellsClear(lane, std::max(from, 0), lane.laneLength);
}

bool holdsCarriage(const NetworkModel& m, int track) {
    return isTrackNumber(track) && markedFrom(lane0(m, track), 0);
}

bool holdsCarriageNearEnd(const NetworkModel& m, int track, int span) {
    if (!isTrackNumber(track))
        return false;
    const int end = usableEnd(m.road(track));
    return !cellsClear(lane0(m, track), std::max(0, end - span), end + cellSize);
}

int reservingToken(const NetworkModel& m, int track) {
    for (size_t i = 0; i < m.table9.size(); ++i) {
        const Table9& t = m.table9[i];
        if (t[0] <= 0)
            continue;
        for (int k = 1; k <= 4; ++k)
            if (t[static_cast<size_t>(k)] == track)
                return static_cast<int>(i);
    }
    return -1;
}

namespace {
bool ownBusy(const NetworkModel& m, int track) {
    return holdsCarriage(m, track) || reservingToken(m, track) >= 0;
}
} // namespace

bool trackBusy(const NetworkModel& m, int track) {
    if (ownBusy(m, track))
        return true;
    for (const Table10& c : m.trainTableC) {
        if (c[0] == 0)
            break;
        if (c[1] != track)
            continue;
        for (size_t k = 2; k < c.size(); ++k)
            if (isTrackNumber(c[k]) && ownBusy(m, c[k]))
                return true;
    }
    return false;
}

void setOverhang(NetworkModel& m, const VehicleRecord& v, bool value) {
    if (v.tailOverhang >= 0 || v.tailRoad < 0 || v.tailRoad >= roadCapacity)
        return;
    const int end = usableEnd(m.road(v.tailRoad));
    LaneStrip& lane = lane0(m, v.tailRoad);
    if (value)
        markRange(lane, end + v.tailOverhang, end);
    else
        clearRange(lane, end + v.tailOverhang, end);
}

void vacateCarriage(NetworkModel& m, VehicleRecord& v) {
    vacate(lane0(m, v.road), v.length, v.pos);
    setOverhang(m, v, false);
    v.tailOverhang = 0;
    v.tailRoad = 0;
}

int lastCarriageOf(const NetworkModel& m, int head) {
    int v = head;
    while (v + 1 < carriageEnd && !(m.vehicles[static_cast<size_t>(v)].kindFlags & carriageLast))
        ++v;
    return v;
}

} // namespace jamlog::rail
