// Booking the run numbers into the store.
#include "settings/UsageCounters.h"

#include <algorithm>
#include <climits>
#include <string>

#include "settings/LayoutValues.h"

namespace jamlog {

namespace {

// The totals carry the same names as the per-layout counts.
const std::string countersSection = "Counters";
const std::string elapsedName(layoutValueNames[layoutElapsed]);
const std::string jamlogsName(layoutValueNames[layoutJamlogs]);
const std::string reliefsName(layoutValueNames[layoutReliefs]);

// A sum held at the ends of the 32-bit range, so that a hand-edited huge count cannot overflow.
int32_t saturatedSum(int64_t a, int64_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(a + b, INT32_MIN, INT32_MAX));
}

// Adds a difference to a stored count.
void addTo(ProfileStore& store, const std::string& section, const std::string& name, int64_t by) {
    store.WriteProfileInt(section, name, saturatedSum(store.GetProfileInt(section, name, 0), by));
}

} // namespace

UsageCounters::UsageCounters(ProfileStore& s) : store(s) {
    start.jams = store.GetProfileInt(countersSection, jamlogsName, 0);
    start.reliefs = store.GetProfileInt(countersSection, reliefsName, 0);
    start.minutes = store.GetProfileInt(countersSection, elapsedName, 0);
}

void UsageCounters::flush(const RunNumbers& run, int32_t layout, bool final) {
    if (perLayout) {
        const std::string section = layoutSection(layout);
        addTo(store, section, elapsedName, int64_t{run.minutes} - booked.minutes);
        addTo(store, section, jamlogsName, int64_t{run.jams} - booked.jams);
        addTo(store, section, reliefsName, int64_t{run.reliefs} - booked.reliefs);
        booked = run;
    }
    if (!final || smallWindow)
        return;
    store.WriteProfileInt(countersSection, jamlogsName, saturatedSum(start.jams, run.jams));
    store.WriteProfileInt(countersSection, reliefsName, saturatedSum(start.reliefs, run.reliefs));
    store.WriteProfileInt(countersSection, elapsedName, saturatedSum(start.minutes, run.minutes));
    if (store.GetProfileInt(countersSection, "Longest", 0) < run.minutes)
        store.WriteProfileInt(countersSection, "Longest", run.minutes);
    store.WriteProfileInt("Settings", "LastNet", layout);
}

void resetLayoutStatistics(ProfileStore& store) {
    for (int layout = 0; layout < keptLayoutSections; ++layout) {
        const std::string section = layoutSection(layout);
        for (const std::string* name : {&elapsedName, &jamlogsName, &reliefsName})
            store.WriteProfileInt(section, *name, 0);
    }
}

} // namespace jamlog
