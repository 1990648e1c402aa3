// Shared working state of one road-vehicle step and the helpers its parts call; internal to the step's files.
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"
#include "sim/RoadVehicleStep.h"

namespace jamlog::step {

// Special codes of a road's `control` word.
constexpr int carParkCodeMin = 801, carParkCodeMax = 899;
constexpr int bayCodeMin = 811, bayCodeMax = 898;
constexpr int slipCodeBase = 1000;
constexpr int laneShiftBelow = -10;
constexpr int roundaboutRing = 1;

inline bool validRoad(int r) {
    return r >= 0 && r < roadCapacity;
}
inline bool isRing(const RoadRecord& r) {
    return (r.kind & ~8) == roundaboutRing;
}
inline bool isBay(const RoadRecord& r) {
    return r.control >= bayCodeMin && r.control <= bayCodeMax;
}
bool isBoundary(const NetworkModel& m, int road, bool boat);

// Lane window on a road for vehicles heading onto it (before the long-vehicle limit).
struct LaneWindow {
    int minLane = 0, maxLane = 0, shift = 0; // shift: the lane offset k, or -1 for a nearside gain
};
LaneWindow laneWindowOf(const RoadRecord& next);

struct Ctx {
    NetworkModel& m;
    Rng& rng;
    VehicleRecord& v;
    int number;
    const VehicleStepArgs& a;
    bool relief;
    bool boat;
    int road = 0, next = 0; // current and next road numbers
    int L = 0, g = 0, T = 0, E = 0;
    int carPark = 0; // c
    int minLane = 0, maxLane = 0;
    int indicator = 0; // lamp from a lane change
    int newLane = 0;   // lane on the next road when passing
    RoadRecord& r() { return m.road(road); }
    RoadRecord& n() { return m.road(next); }
};

// Marks or clears the overhang cells of a straddling vehicle at the end of its tail road.
void markOverhang(NetworkModel& m, const VehicleRecord& v, bool value);
// Clears every cell of the vehicle: its body on its road and its overhang.
void vacateAll(NetworkModel& m, VehicleRecord& v);

void enterLayout(Ctx& x);
void leaveLayout(Ctx& x);
int enterCarPark(Ctx& x);
int passToNext(Ctx& x, int overshoot);
void finishStep(Ctx& x, int oldSpeed, VehicleDrawRecord& d);

} // namespace jamlog::step
