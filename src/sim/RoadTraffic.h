// Run state of the road traffic that the movement tick reads and keeps: plain values, owned by the tick.
#pragma once
#include "sim/Breakdowns.h"
#include "sim/RoadVehicleStep.h"

namespace jamlog {

struct RoadTraffic {
    // Settings copied at the start of a run.
    int updSpd = 75;
    int procCorr = 5;
    int factor = 10;
    int slower = 35;
    int accel = 5;
    int speedLimits = 1; // ESL
    int tailback = 1;    // TLauto
    // Counts of the run.
    int configuredCars = 200;
    int activeCars = 200;
    int releaseCounter = 0;
    int boatsEnd = firstBoat; // one past the last boat
    int reliefActive = 0;
    BreakdownRing breakdowns;

    // Step factors of the moving tick: UpdSpd / ProcCorr + Factor for cars, with Slower added for boats.
    int carStepFactor() const { return updSpd / procCorr + factor; }
    int boatStepFactor() const { return updSpd / (procCorr + slower) + factor; }

    VehicleStepArgs carArgs(int number) const {
        return {factor, carStepFactor(), accel, number <= activeCars, speedLimits != 0};
    }
    VehicleStepArgs boatArgs() const { return {factor, boatStepFactor(), accel, true, speedLimits != 0}; }
};

} // namespace jamlog
