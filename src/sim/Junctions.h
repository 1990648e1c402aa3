// Junction boxes and signals: the conflict test inside a light junction, the signal a vehicle reads at a road's end
// and the give-way tests of unsignalled junctions.
#pragma once
#include "model/NetworkModel.h"

namespace jamlog {

// Movement of a road inside a junction group (0 across, 1 offside turn, 2 nearside turn), or -1.
int junctionMovement(const NetworkModel& m, int road);

// True when the movements that conflict with the junction road are clear. The single-lane test reads lane 0 of
// each listed road, the multi-lane test every lane.
bool junctionClear(const NetworkModel& m, int road, bool multiLane);

// True when a vehicle of the driver class may pass the end of road `from` onto `to` under its signal state.
bool signalLetsPass(const NetworkModel& m, int from, int to, int driver);

// Approaching a priority road: true when its lane 0 holds a vehicle over its last `reach` units (or it has no
// lanes) and its smoothed advance exceeds `minFlow`.
bool priorityRoadBusy(const NetworkModel& m, int priority, int reach, int minFlow);

} // namespace jamlog
