// Changes the configuration dialog makes to its running preview.
#include <algorithm>

#include "sim/Simulation.h"

namespace jamlog {

void Simulation::setPeakCars(int cars) {
    work.cars = std::clamp(cars, 1, maxRoadVehicles);
    startRun(work.cars, false);
}

} // namespace jamlog
