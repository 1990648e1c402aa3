// The end of a vehicle step: its lamps (indicators, brake, hazard, camera flash, parked) and its body geometry.
#include <cstdlib>

#include "model/BuildLayout.h"
#include "sim/PlaceOnRoad.h"
#include "sim/VehicleStepContext.h"

namespace jamlog::step {

namespace {

constexpr int nextIndicatorReach = 1000; // the next road's indicators show this close to the end
constexpr int ownIndicatorReach = 500;   // the road's own indicators show this far into it
constexpr int hazardBelowPerFactor = 30;
constexpr int cameraSpacing = 200;
constexpr int flashFrom = 20, flashTo = 80; // rear distance from the camera that triggers the flash
constexpr int parkedLampsAfter = 21;
constexpr int hazardLamps = lampLeftIndicator | lampRightIndicator;

uint8_t roadVehicleLamps(Ctx& x, int oldSpeed) {
    const VehicleRecord& v = x.v;
    const RoadRecord& r = x.m.road(v.road);
    int lamps = x.indicator;
    if (v.pos >= r.length - nextIndicatorReach && validRoad(v.nextRoad))
        lamps |= x.m.road(v.nextRoad).indicator;
    if (lamps == 0 && v.pos < ownIndicatorReach)
        lamps |= r.indicator;
    if (v.topSpeed >= hazardBelowPerFactor * x.a.factor) {
        if (v.speed * 5 < oldSpeed * 4 || v.speed < 1)
            lamps |= lampBrake;
    } else {
        lamps |= hazardLamps;
    }
    if (r.kind & cameraBit) {
        const int camera = (3 - (r.kind & ~cameraBit)) * cameraSpacing;
        const int d = std::abs(v.pos - v.length - camera);
        if (d >= flashFrom && d <= flashTo && v.speed * x.a.stepFactor > r.speedLimit)
            lamps |= lampCameraFlash;
    }
    if (isBay(r) && v.waitCount >= parkedLampsAfter)
        lamps = lampParked;
    return static_cast<uint8_t>(lamps & 0xFF);
}

bool hiddenAt(const RoadRecord& r, int distance) {
    return cellSet(r.hiddenBits, distance / 10);
}

} // namespace

void finishStep(Ctx& x, int oldSpeed, VehicleDrawRecord& d) {
    VehicleRecord& v = x.v;
    if (v.state & vehicleOutside) {
        d.stepResult = resultOutside;
        return;
    }
    d.lampFlags = x.boat ? static_cast<uint8_t>(v.kindFlags & 0xFF) : roadVehicleLamps(x, oldSpeed);
    const RoadRecord& r = x.m.road(v.road);
    const int W = x.m.laneWidth;
    const int lateral = x.boat ? -2 : 2 * x.m.driveOnLeft - 1;
    bool straight;
    bool rearHidden;
    if (v.tailOverhang != 0 && validRoad(v.tailRoad)) {
        const RoadRecord& t = x.m.road(v.tailRoad);
        const int tailRear = t.length + v.tailOverhang;
        straight =
            placeStraddling(r, v.pos - v.length, lateral * v.lane, t, tailRear, lateral * v.tailLane, v.length, W, d);
        rearHidden = hiddenAt(t, tailRear);
    } else {
        straight = placeOnRoad(r, d, v.pos - v.length, v.length, lateral * v.lane, W);
        rearHidden = hiddenAt(r, v.pos - v.length);
    }
    const bool frontHidden = hiddenAt(r, v.pos > 0 ? v.pos - 1 : 0);
    uint8_t result = straight ? 0 : drawDiagonalWidth;
    if (frontHidden && rearHidden)
        result |= drawHidden;
    else if (frontHidden)
        result |= drawSquareFront;
    else if (rearHidden)
        result |= drawSquareRear;
    d.stepResult = result;
}

} // namespace jamlog::step
