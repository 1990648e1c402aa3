// The train figures of a movement tick (trains counted, stuck, held, in a terminus) and the loop that steps every
// carriage of the laid trains.
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"
#include "sim/VehicleDrawRecord.h"

namespace jamlog {

struct TrainFigures {
    int counted = 0;    // heads inside the layout
    int stuck = 0;      // of them standing
    int held = 0;       // of them held at a station or a terminus
    int inTerminus = 0; // of them standing on a track whose special code names the way back
};

// Adds the figures of one stepped carriage (heads only) with the flag its step returned.
void noteCarriage(TrainFigures& f, const NetworkModel& m, int number, int flag);

struct TrainTickArgs {
    int trainsEnd = firstCarriage;       // one past the last carriage laid
    int activeTrainsEnd = firstCarriage; // heads numbered above it do not enter
    int stepFactor = 10;
    int accel = 5;
    bool reliefActive = false;
};

// Steps every carriage below the end of the trains in number order and returns the figures.
TrainFigures stepTrains(NetworkModel& m, Rng& rng, const TrainTickArgs& args, VehicleDrawTable* draws = nullptr);

} // namespace jamlog
