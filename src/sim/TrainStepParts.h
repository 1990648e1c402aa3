// Working state of one carriage step and the parts of the step in their own files; internal to the train step.
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"
#include "sim/TrainStep.h"

namespace jamlog::rail {

struct CarriageCtx {
    NetworkModel& m;
    Rng& rng;
    VehicleRecord& v;
    int number;
    const TrainStepArgs& a;
    bool relief;
    bool head;
    bool held = false;
    VehicleRecord& front() { return m.vehicles[static_cast<size_t>(number - 1)]; }
};

// Entering the layout: returns trainOutside while the carriage stays out, else state - 2.
int enterTrack(CarriageCtx& x);
// Leaving at the end of a boundary track, as a road vehicle leaves; returns minus the new state.
int leaveLayout(CarriageCtx& x);
// The end of the line: counts down a standing carriage and moves it to the road named by its track's special code.
void endOfLine(CarriageCtx& x);
// Fills the draw record from the carriage's place.
void placeCarriage(const NetworkModel& m, const VehicleRecord& v, VehicleDrawRecord& d);

} // namespace jamlog::rail
