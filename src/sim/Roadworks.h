// Roadworks: the offside lane of a road marked as occupied over its whole length, with an optional speed limit.
#pragma once
#include <functional>

#include "model/NetworkModel.h"
#include "model/Rng.h"

namespace jamlog {

constexpr int roadworksLimit = 800;
constexpr int roadworksPercent = 91; // share of the offside lane's cells marked for a road to count as roadworks

// The road's length when it has roadworks, else 0.
int hasRoadworks(const RoadRecord& road);

// Marks the lane over [0, length) and sets the roadworks limit (800 with RWL on, none with it off); nothing for a
// road inside a junction, with hidden cells between 1 unit from its start and 1 unit before its end, or whose lane
// has any cell marked (a vehicle on it, or cells of the layout). Returns true when the roadworks were laid.
bool startRoadworks(RoadRecord& road, int lane, bool limitOn);

// Clears the offside lane's bitmap (not for roads inside a junction), then marks again the cells of the road
// vehicles standing in that lane, so that lifting roadworks never frees a cell under a vehicle.
void endRoadworks(NetworkModel& m, int road);

// Roadworks at the start of a run over roads 0 .. roadCount - 1.
void startOfRunRoadworks(NetworkModel& m, Rng& rng, bool limitOn);

// The minute upkeep: roadworks start and end at random; `changed` is told of every road that was redrawn.
void upkeepRoadworks(NetworkModel& m, Rng& rng, bool limitOn, const std::function<void(int)>& changed);

} // namespace jamlog
