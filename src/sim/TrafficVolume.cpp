// Traffic volume over the day.
#include "sim/TrafficVolume.h"

#include <algorithm>

#include "model/TrainLaying.h"
#include "sim/Clock.h"

namespace jamlog {

namespace {
constexpr int nightCarSteps = 3; // the night-time floor of the active cars, in car steps
} // namespace

int carStep(const SimSettings& s) {
    return s.cars * s.carInc / 100;
}

int startCarVolume(const SimSettings& s, int clock, int configured) {
    if (beforeMorningRush(s, clock) || afterEveningRush(s, clock))
        return configured / 4;
    if (betweenRushes(s, clock))
        return configured / 2;
    return configured;
}

int stepCarVolume(const SimSettings& s, int clock, int active, int configured, int step) {
    if (nearMorningRush(s, clock)) {
        if (active < configured)
            active = std::min(active + 2 * step, configured);
    } else if (betweenRushes(s, clock)) {
        if (active > configured / 2)
            active -= step;
    } else if (nearEveningRush(s, clock)) {
        if (active < configured)
            active = std::min(active + step, configured);
    } else if (afterEveningRush(s, clock)) {
        if (active > nightCarSteps * step)
            active = std::max(active - step, nightCarSteps * step);
    }
    return active;
}

int trainsAtClock(const SimSettings& s, int clock, int trains) {
    if (beforeMorningRush(s, clock) || afterEveningRush(s, clock))
        return trains / 4;
    if (betweenRushes(s, clock))
        return trains / 2;
    return trains;
}

int activeTrainsEndFor(const NetworkModel& m, int carrs, int trains) {
    const int limit = std::min(carrs * trains + firstCarriage, carriageEnd - 1);
    for (int v = limit; v >= firstCarriage; --v)
        if (m.vehicles[static_cast<size_t>(v)].kindFlags & carriageLast)
            return v;
    return firstCarriage - 1;
}

} // namespace jamlog
