// Virtual timer driver.
#include "sim/VirtualClock.h"

#include <algorithm>

namespace jamlog {

VirtualClock::VirtualClock(Simulation& s) : sim(s) {
    setAll();
}

void VirtualClock::setAll() {
    table = sim.timers();
    for (size_t i = 0; i < table.size(); ++i)
        due[i] = nowMs + std::max(1, table[i].intervalMs);
    runsSeen = sim.state().runs;
}

bool VirtualClock::fireNext(int64_t until, int* firedId) {
    size_t best = 0;
    for (size_t i = 1; i < due.size(); ++i)
        if (due[i] < due[best])
            best = i;
    if (due[best] > until)
        return false;
    nowMs = due[best];
    due[best] += std::max(1, table[best].intervalMs);
    sim.onTimer(table[best].id);
    if (firedId)
        *firedId = table[best].id;
    if (sim.state().runs != runsSeen)
        setAll();
    return true;
}

void VirtualClock::advance(int64_t ms) {
    const int64_t until = nowMs + ms;
    while (fireNext(until, nullptr)) {
    }
    nowMs = until;
}

void VirtualClock::runUntilFired(int id) {
    int fired = 0;
    while (fireNext(INT64_MAX, &fired))
        if (fired == id)
            return;
}

} // namespace jamlog
