// The usage counters of one view: the run numbers are booked into the current layout's section at every
// random layout change and at the view's end; the totals are written only when a full-size view ends.
#pragma once
#include <cstdint>

#include "settings/ProfileStore.h"

namespace jamlog {

// Minutes run, jams (automatic resets) and relief minutes, as the simulation counts them.
struct RunNumbers {
    int32_t minutes = 0, jams = 0, reliefs = 0;
};

class UsageCounters {
public:
    // Reads the totals at start and turns the per-layout statistics on.
    explicit UsageCounters(ProfileStore& store);

    void setPerLayoutStatistics(bool on) { perLayout = on; }
    // The view is narrower than 600 pixels (a preview): its numbers never reach the totals.
    void setSmallWindow(bool small) { smallWindow = small; }

    // Books into layout's section what the run numbers have grown by since the last flush; with final set,
    // and for a full-size view, also writes the totals, the longest run and the last layout shown.
    void flush(const RunNumbers& run, int32_t layout, bool final);

    const RunNumbers& startTotals() const { return start; }
    const RunNumbers& recorded() const { return booked; }

private:
    ProfileStore& store;
    RunNumbers start;  // the stored totals when the view was loaded
    RunNumbers booked; // the part of the run numbers already added to a layout's section
    bool perLayout = true;
    bool smallWindow = false;
};

// "Reset Stats": clears the three counts of layouts 0-23; the totals stay.
void resetLayoutStatistics(ProfileStore& store);

} // namespace jamlog
