// Breakdowns: a vehicle's top speed is set to 0 and given back when its slot comes round again.
#include "sim/Breakdowns.h"

#include <algorithm>

namespace jamlog {

namespace {
constexpr int minSavedSpeed = 2; // a vehicle already stopped is not stored
}

BreakdownRing makeBreakdownRing(int bkDownNo) {
    BreakdownRing ring;
    ring.lastIndex = std::clamp(bkDownNo, 0, maxBreakdownSlots - 1);
    return ring;
}

void stepBreakdowns(NetworkModel& m, Rng& rng, BreakdownRing& ring, int cars) {
    BreakdownRing::Slot& slot = ring.slots[static_cast<size_t>(ring.index)];
    if (slot.vehicle >= 0)
        m.vehicles[static_cast<size_t>(slot.vehicle)].topSpeed = slot.savedTopSpeed;
    cars = std::clamp(cars, 1, firstCarriage);
    // Halved until it names one of the configured cars (numbers 0 .. cars - 1).
    int r = rng.next();
    while (r >= cars)
        r /= 2;
    VehicleRecord& v = m.vehicles[static_cast<size_t>(r)];
    const int old = v.topSpeed;
    v.topSpeed = 0;
    if (old >= minSavedSpeed)
        slot = {r, old};
    ring.index = ring.index >= ring.lastIndex ? 0 : ring.index + 1;
}

} // namespace jamlog
