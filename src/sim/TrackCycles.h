// The directed cycles of the track graph: every closed way a train can run round, through any route of points.
#pragma once
#include <bitset>
#include <functional>

#include "model/NetworkModel.h"

namespace jamlog {

constexpr int trackSlots = firstRiver - firstTrack;
using TrackSet = std::bitset<trackSlots>;

inline size_t trackSlot(int track) {
    return static_cast<size_t>(track - firstTrack);
}

// The tracks a train may run onto from `track`: its three successors as they stand and every route of the facing
// points at its end. Empty for a track a train leaves the layout from or cannot run on.
constexpr int maxTrackSuccessors = 9;
int trackSuccessors(const NetworkModel& m, int track, int (&out)[maxTrackSuccessors]);

// Calls `found` with the tracks of every elementary cycle (each track once, in running order) until it returns
// false; false when the enumeration was cut short so.
bool forEachTrackCycle(const NetworkModel& m, const std::function<bool(const int* tracks, int count)>& found);

} // namespace jamlog
