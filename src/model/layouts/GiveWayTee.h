// A give-way T junction: a minor road ends beside a major road that runs straight through, and four one-lane
// links turn between them. Traffic out of the minor road, and traffic turning across the major road, gives way.
#pragma once
#include "model/Primitives.h"

namespace jamlog {

// The roads that meet at the junction. The major road's directions are named by the minor road's side: `near`
// passes on that side, so that its traffic turns into the minor road to the nearside; `far` passes beyond it.
struct TeeRoads {
    int nearIn, nearOn, farIn, farOn; // major road: arriving at the junction and leaving it
    int minorIn, minorOut;            // minor road: towards the junction and away from it
};

// The record numbers of the four turns.
struct TeeTurns {
    int nearsideOut, offsideOut; // out of the minor road onto the near and the far direction
    int nearsideIn, offsideIn;   // into the minor road from the near and the far direction
};

void buildGiveWayTee(Builder& b, const TeeRoads& t, const TeeTurns& turns);

} // namespace jamlog
