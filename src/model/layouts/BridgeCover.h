// Hidden cells where one set of records passes beneath another: boats under road bridges and railway viaducts,
// trains and roads under road bridges.
#pragma once
#include "model/NetworkModel.h"

namespace jamlog {

// A run of consecutive record numbers.
struct RecordRun {
    int first = 0, count = 0;
    int end() const { return first + count; }
    bool holds(int n) const { return n >= first && n < end(); }
};

// Marks the hidden cells of every record of `under` that lies beneath the surface of a straight record of `cover`,
// and `reach` units either side, running on into the record before or after where the stretch passes an end. With a
// reach of the longest vehicle that uses `under`, none is drawn over the crossing's deck at any point of its width.
void hideBeneath(NetworkModel& m, RecordRun under, RecordRun cover, int reach);

} // namespace jamlog
