// The platform timers of a view, one per timer id of the simulation's table, each delivering its ticks to one
// callback. Setting a timer again restarts it; the timer objects are kept, for a tick may be the one that asked.
#pragma once
#include <QObject>
#include <QTimer>
#include <array>
#include <functional>
#include <span>

#include "sim/TimerTable.h"

namespace jamlog {

class ViewTimers {
public:
    ViewTimers(QObject* owner, std::function<void(int)> tick) : owner(owner), tick(std::move(tick)) {}
    ~ViewTimers();
    ViewTimers(const ViewTimers&) = delete;
    ViewTimers& operator=(const ViewTimers&) = delete;

    // (Re)starts every timer of the table, or only timer `only`.
    void set(std::span<const TimerSpec> table, int only = 0);

private:
    QObject* owner;
    std::function<void(int)> tick;
    std::array<QTimer*, 15> timers{}; // by timer id
};

} // namespace jamlog
