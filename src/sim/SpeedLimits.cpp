// Random and variable speed limits.
#include "sim/SpeedLimits.h"

#include "sim/Cameras.h"
#include "sim/Occupancy.h"
#include "sim/Roadworks.h"
#include "sim/SimSettings.h"

namespace jamlog {

namespace {
constexpr int percentDivisor = 327; // rand() / 327 gives 0..100
constexpr int limitDivisor = 60;    // rand() / 60 + 400 gives 400..946
constexpr int limitBase = 400;
constexpr int vslScale = 15;
constexpr int vslDebugThreshold = 10;
} // namespace

int vslThreshold(int vslBusy, int debug) {
    return (debug & debugVslTo90) ? vslDebugThreshold : vslBusy;
}

void updateRandomLimits(NetworkModel& m, Rng& rng, int percentage, bool cameras) {
    for (int n = 0; n < m.roadCount && n < roadCapacity; ++n) {
        RoadRecord& r = m.road(n);
        if (r.topLane != 0 || r.length < randomLimitMinLength || hasRoadworks(r))
            continue;
        if (rng.next() / percentDivisor < percentage) {
            setSpeedLimit(r, rng.next() / limitDivisor + limitBase);
            if (cameras)
                toggleCamera(r, rng);
        } else {
            setSpeedLimit(r, noSpeedLimit);
        }
    }
}

void updateVariableLimits(NetworkModel& m, Rng& rng, int busy, bool cameras) {
    for (int n = 0; n < m.roadCount && n < roadCapacity; ++n) {
        RoadRecord& r = m.road(n);
        if (r.topLane < motorwayMinTopLane || r.topLane >= maxLanes || hasRoadworks(r))
            continue;
        const int p = lanePercentOccupied(r.lanes[0], 0, r.length);
        if (p <= busy) {
            setSpeedLimit(r, noSpeedLimit);
        } else {
            setSpeedLimit(r, (100 - p) * vslScale);
            if (cameras)
                toggleCamera(r, rng);
        }
    }
}

} // namespace jamlog
