// Entering a car park: finding a free bay beside the aisle and turning into it at the bay's mouth.
#include <algorithm>

#include "sim/Occupancy.h"
#include "sim/VehicleStepContext.h"

namespace jamlog::step {

namespace {

constexpr int codeBefore = -2, codeNoBay = -4, codePast = -5;
constexpr int mouthReach = 100; // a bay is entered from its mouth to this far after it

} // namespace

int enterCarPark(Ctx& x) {
    VehicleRecord& v = x.v;
    NetworkModel& m = x.m;
    const int origin = m.carPark[0], firstBay = m.carPark[1], lanesPerBay = m.carPark[2], pitch = m.carPark[3];
    if (pitch <= 0)
        return codeNoBay;
    const int first = (v.pos - origin) / pitch - firstBay + x.road;
    if (first >= x.road)
        return codeNoBay;
    int bay = -1, bayLane = -1;
    for (int b = std::max(first, 0); b < x.road && bay < 0; ++b) {
        const RoadRecord& br = m.road(b);
        for (int k = 0; k < std::min(lanesPerBay, maxLanes); ++k) {
            if (firstMarkedCell(br.lanes[k]) < 0) {
                bay = b;
                bayLane = k;
                break;
            }
        }
    }
    if (bay < 0)
        return codeNoBay;
    const int mouth = m.laneWidth * bayLane + (firstBay - x.road + bay) * pitch + origin;
    if (v.pos < mouth)
        return codeBefore;
    if (v.pos > mouth + mouthReach)
        return codePast;
    vacateAll(m, v);
    v.tailOverhang = 0;
    v.state = vehicleParked;
    const int aisle = x.road;
    v.road = bay;
    v.nextRoad = aisle + 1;
    v.roadAfterNext = validRoad(aisle + 1) ? chooseSuccessor(m.road(aisle + 1), x.rng) : aisle + 1;
    v.lane = bayLane;
    v.speed = 0;
    v.waitCount = 0;
    v.pos = occupyAdvance(m.road(bay).lanes[bayLane], x.L, 0, 0, x.L / 2);
    x.road = bay;
    x.next = v.nextRoad;
    return v.pos;
}

} // namespace jamlog::step
