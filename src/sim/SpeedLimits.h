// Random speed limits on single-lane roads and variable limits on motorways, updated once a minute.
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"

namespace jamlog {

constexpr int randomLimitMinLength = 1001;
constexpr int motorwayMinTopLane = 3; // four or more lanes

// Each single-lane road of 1001 units or more without roadworks draws again: a limit of 400 to 946 with the given
// percentage (cameras toggled when `cameras`), else no limit.
void updateRandomLimits(NetworkModel& m, Rng& rng, int percentage, bool cameras);

// Each motorway without roadworks: no limit while its nearside lane is at most `busy` per cent full, else
// (100 - p) x 15 with a camera at 37.5 per cent when `cameras`.
void updateVariableLimits(NetworkModel& m, Rng& rng, int busy, bool cameras);

// The busy threshold: VSLBusy, or 10 with the debug bit "VSL up to 90".
int vslThreshold(int vslBusy, int debug);

} // namespace jamlog
