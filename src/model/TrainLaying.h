// Carriage record conventions shared by the train laying and the train behaviour.
#pragma once
#include "model/NetworkModel.h"

namespace jamlog {

constexpr int carriageEnd = firstBoat; // carriage records are firstCarriage .. carriageEnd - 1

// kindFlags bits of a carriage (also its lamp flags).
constexpr int carriageHead = 1;
constexpr int carriageLast = 2;

// Train option bits as the dispatcher passes them to initialiseTrains (besides the road-vehicle options).
constexpr int trainOptionShort = 32; // at most three carriages per train
constexpr int shortTrainCarriages = 3;

// A carriage is this many car lengths long.
constexpr int carriageLengthFactor = 4;

// Half the stretch of track to hide where it passes under a road or another track that reaches coverHalfWidth
// either side of the crossing. A carriage is hidden only while its middle is on a hidden cell, so the stretch
// reaches half a carriage further: no visible carriage, nor its erase, ever overlaps what passes above.
constexpr int underpassHalf(int coverHalfWidth, int carLength) {
    return coverHalfWidth + carriageLengthFactor * carLength / 2;
}

// One past the last carriage of the laid trains (firstCarriage when there are none).
int trainsEnd(const NetworkModel& m);

} // namespace jamlog
