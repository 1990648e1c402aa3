// The railway tick: block signals, boundary tracks, single-line tokens and points records (rules in the .cpp).
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"
#include "sim/TrainLoops.h"

namespace jamlog {

// Run state of the railway signalling, kept by the tick beside the model; reset with every build.
struct RailwayState {
    int runCounter = 0;  // 1..100, one up per railway tick
    bool tokens = false; // the layout works single-line sections by train tokens
    TrackLoops loops;    // found at the first railway tick of the run
};

// Signal state of the boundary tracks.
constexpr int boundarySignal = -2;
// Signal state of a clear signal over a diverging route: heads slow down as on a platform.
constexpr int cautionSignal = -1;

// Points records are read up to the first inactive one, at most this many; their kinds (signalPlans word 1):
constexpr int maxPointsRecords = 20;
constexpr int pointsConflict = 0;  // the guarded conflict of tracks
constexpr int pointsFacingMax = 7; // 1..7: facing points, or a road whose successors alternate
constexpr int pointsMerge = 8;     // trailing junction: one feeder at a time
constexpr int pointsCrossing = 9;  // diamond crossing of two tracks

// True when the layout asks for train tokens (content bit 5) and has single-line sections.
bool layoutUsesTokens(const NetworkModel& m, int contentFlags);

// One railway tick (every 250 ms, and every tenth round of pre-population).
void workRailwaySignals(NetworkModel& m, Rng& rng, RailwayState& state, bool reliefActive);

// The block rule alone: each track's signal shows stop while its first successor is about 1 % occupied.
void workBlockSignals(NetworkModel& m, bool reliefActive);

// The token upkeep of single-line sections: releases, entry signals and admissions.
void upkeepTokens(NetworkModel& m);

// Works the points records up to the first inactive one. With the loops given, facing points never set a route
// into a loop that has no room for another train.
void workPoints(NetworkModel& m, Rng& rng, int runCounter, bool reliefActive, const TrackLoops* loops = nullptr);

} // namespace jamlog
