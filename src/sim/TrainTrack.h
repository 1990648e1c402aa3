// Track queries and carriage cell bookkeeping shared by the train step, the tokens and the points.
#pragma once
#include "model/NetworkModel.h"
#include "model/TrainLaying.h"

namespace jamlog::rail {

constexpr int lastThroughTrack = 698; // tracks above this (the sink 699) end the line
constexpr int farEnd = 1000;          // "the last 1000 units" of a track, read by the points

inline bool isTrackNumber(int n) {
    return n >= firstTrack && n <= lastThroughTrack;
}
// A track a carriage may run onto: no dead end, with a lane.
bool isThroughTrack(const NetworkModel& m, int n);
// A successor that ends the line: the sink 699 (anything that is no track up to 698) or a stub, a track that leads
// only to itself. Layouts with many tracks build 599 as an ordinary track; only the bare stub ends the line.
bool isDeadEnd(const NetworkModel& m, int n);
bool isBoundaryTrack(const NetworkModel& m, int n);

// The usable end of a track: its length, but never beyond what its lane strip covers.
int usableEnd(const RoadRecord& r);

inline LaneStrip& lane0(NetworkModel& m, int n) {
    return m.road(n).lanes[0];
}
inline const LaneStrip& lane0(const NetworkModel& m, int n) {
    return m.road(n).lanes[0];
}

// True when a cell of the lane from `from` up to its length is marked. Cells beyond the length may keep marks of
// an earlier layout (a rebuild clears only what the new length covers), so they are never read.
bool markedFrom(const LaneStrip& lane, int from);
bool holdsCarriage(const NetworkModel& m, int track);
// True when a carriage lies within the last `span` units of the track.
bool holdsCarriageNearEnd(const NetworkModel& m, int track, int span);
// The token (table9 index) that reserves the track, or -1.
int reservingToken(const NetworkModel& m, int track);
// A track counts as busy when it, or one of the tracks that trainTableC lists with it, holds a carriage or a
// reservation.
bool trackBusy(const NetworkModel& m, int track);

// Marks (or clears) the overhang of a straddling carriage at the end of its tail road.
void setOverhang(NetworkModel& m, const VehicleRecord& v, bool value);
// Clears every cell of the carriage: its body on its road and its overhang; ends the straddle.
void vacateCarriage(NetworkModel& m, VehicleRecord& v);

// The last carriage of the train whose head is `head`.
int lastCarriageOf(const NetworkModel& m, int head);

} // namespace jamlog::rail
