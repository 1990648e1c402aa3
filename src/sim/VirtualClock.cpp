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
    timerSetsSeen = sim.state().timerSets;
    heartbeatSetsSeen = sim.state().heartbeatSets;
}

void VirtualClock::setHeartbeat() {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].id == timerMove)
            due[i] = nowMs + std::max(1, table[i].intervalMs);
    heartbeatSetsSeen = sim.state().heartbeatSets;
}

void VirtualClock::followRunStarts() {
    if (sim.state().timerSets != timerSetsSeen)
        setAll();
    else if (sim.state().heartbeatSets != heartbeatSetsSeen)
        setHeartbeat();
}

int VirtualClock::intervalOf(int id) const {
    for (const TimerSpec& t : table)
        if (t.id == id)
            return std::max(1, t.intervalMs);
    return 1;
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
    followRunStarts();
    return true;
}

void VirtualClock::advance(int64_t ms) {
    const int64_t until = nowMs + ms;
    while (fireNext(until, nullptr)) {
    }
    nowMs = until;
}

bool VirtualClock::runUntilFired(int id, int64_t limitMs) {
    const int64_t until = nowMs + (limitMs > 0 ? limitMs : 2 * int64_t{intervalOf(id)});
    int fired = 0;
    while (fireNext(until, &fired))
        if (fired == id)
            return true;
    return false;
}

} // namespace jamlog
