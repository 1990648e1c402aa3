// Train figures and the carriage loop of a movement tick.
#include "sim/TrainFigures.h"

#include "model/TrainLaying.h"
#include "sim/TrainStep.h"

namespace jamlog {

void noteCarriage(TrainFigures& f, const NetworkModel& m, int number, int flag) {
    const VehicleRecord& v = m.vehicles[static_cast<size_t>(number)];
    if (!(v.kindFlags & carriageHead) || (v.state & vehicleOutside))
        return;
    ++f.counted;
    if (flag == trainStanding)
        ++f.stuck;
    if (flag == trainHeld)
        ++f.held;
    if (v.speed < 1 && m.road(v.road).control >= firstTrack)
        ++f.inTerminus;
}

TrainFigures stepTrains(NetworkModel& m, Rng& rng, const TrainTickArgs& args, VehicleDrawTable* draws) {
    TrainFigures f;
    TrainStepArgs step{args.stepFactor, args.accel, true};
    for (int n = firstCarriage; n < args.trainsEnd && n < carriageEnd; ++n) {
        step.entryAllowed = n <= args.activeTrainsEnd;
        int flag = args.reliefActive ? 1 : 0;
        stepCarriage(m, rng, n, step, flag, draws ? &(*draws)[static_cast<size_t>(n)] : nullptr);
        noteCarriage(f, m, n, flag);
    }
    return f;
}

} // namespace jamlog
