// The usage counters of a view's run: booked into the layout left at each layout change, and once more, with the
// totals, when the view closes.
#pragma once
#include "settings/UsageCounters.h"
#include "sim/Simulation.h"

namespace jamlog {

class ViewCounters {
public:
    explicit ViewCounters(ProfileStore& store) : counters(store) {}

    // final: the view's end, booked once only; a preview's numbers never reach the totals.
    void book(const RunState& st, bool smallWindow, bool final);

private:
    UsageCounters counters;
    bool closed = false;
};

} // namespace jamlog
