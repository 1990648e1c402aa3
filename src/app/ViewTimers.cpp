// The view's platform timers: the heartbeat precise, the others coarse.
#include "app/ViewTimers.h"

#include <algorithm>

namespace jamlog {

ViewTimers::~ViewTimers() {
    for (QTimer*& t : timers) {
        delete t;
        t = nullptr;
    }
}

void ViewTimers::set(std::span<const TimerSpec> table, int only) {
    for (const TimerSpec& spec : table) {
        if (only != 0 && spec.id != only)
            continue;
        QTimer*& t = timers.at(static_cast<size_t>(spec.id));
        if (t == nullptr) {
            t = new QTimer(owner);
            t->setTimerType(spec.id == timerMove ? Qt::PreciseTimer : Qt::CoarseTimer);
            const int id = spec.id;
            QObject::connect(t, &QTimer::timeout, owner, [this, id] { tick(id); });
        }
        t->start(std::max(1, spec.intervalMs));
    }
}

} // namespace jamlog
