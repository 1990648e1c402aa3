// One step of a railway carriage: entering behind its train, block signals, speed caps, station stops, the end of
// the line with reversal, caution under relief and leaving at a boundary track.
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"
#include "sim/VehicleDrawRecord.h"

namespace jamlog {

struct TrainStepArgs {
    int stepFactor = 10;      // UpdSpd / (ProcCorr + Faster) + Factor in the moving tick, Factor in pre-population
    int accel = 5;            // Accel
    bool entryAllowed = true; // the carriage's number is at most the active trains end
};

// Flag values on return from stepCarriage.
constexpr int trainMoving = 0;
constexpr int trainStanding = 1;
constexpr int trainHeld = 2; // at a station, or unable to move on a road whose special code is above 1

// Result of a carriage that stayed outside the layout.
constexpr int trainOutside = -1;

// Steps carriage `number`. On entry `flag` holds reliefActive, on return one of the flag values above. Returns the
// new position, or a negative code while the carriage is outside (or has only just entered). When `draw` is given,
// its geometry, step result and lamp flags are filled for the drawing.
int stepCarriage(NetworkModel& m, Rng& rng, int number, const TrainStepArgs& args, int& flag,
                 VehicleDrawRecord* draw = nullptr);

} // namespace jamlog
