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

// One past the last carriage of the laid trains (firstCarriage when there are none).
int trainsEnd(const NetworkModel& m);

} // namespace jamlog
