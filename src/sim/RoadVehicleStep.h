// One step of a road vehicle or a boat: entering, following, lane changing, junctions, car parks, leaving, lamps.
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"
#include "sim/VehicleDrawRecord.h"

namespace jamlog {

// What the caller of a vehicle step passes besides the vehicle.
struct VehicleStepArgs {
    int factor = 10;          // Factor: vehicles slower than 30 x factor show hazard lights
    int stepFactor = 25;      // speed units per unit of distance advanced in one step
    int accel = 5;            // Accel
    bool entryAllowed = true; // the vehicle's number does not exceed the active count
    bool speedLimits = true;  // ESL
};

// Drawing state byte of a vehicle that is outside the layout (or has only just entered it).
constexpr uint8_t resultOutside = 63;

// Steps road vehicle or boat `number`. On entry `inOut` holds the relief flag; on return it is 1 when the vehicle
// stands (for a boat: set to 1 when it stands, else left). Fills the draw record's geometry, step result and lamp
// flags and returns the step result. Carriage numbers go to the train step, which sets the flag its own way.
uint8_t stepVehicle(NetworkModel& m, Rng& rng, int number, const VehicleStepArgs& args, VehicleDrawRecord& draw,
                    int& inOut);

// True when the vehicle is inside the layout.
inline bool vehicleInside(const VehicleRecord& v) {
    return (v.state & vehicleOutside) == 0;
}

} // namespace jamlog
