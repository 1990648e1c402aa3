// Speed cameras and the limits they enforce.
#include "sim/Cameras.h"

namespace jamlog {

namespace {
constexpr int noLimitAbove = 40000;
} // namespace

void toggleCamera(RoadRecord& road, Rng& rng) {
    road.kind &= ~cameraBit;
    if (rng.next() < cameraChance)
        road.kind |= cameraBit;
}

void setSpeedLimit(RoadRecord& road, int limit) {
    if (limit > noLimitAbove)
        road.kind &= ~cameraBit;
    road.speedLimit = limit;
}

} // namespace jamlog
