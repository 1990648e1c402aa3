// Loops of track that trains can run round for ever, and the guard that keeps each from filling up: a loop whose
// every block holds a train is a deadlock that only passing signals at danger can clear. A loop is any elementary
// cycle of the track graph, through the other routes of points and round reversing loops as well as along first
// successors; one track lies on many of them.
#pragma once
#include <array>
#include <bitset>
#include <cstdint>

#include "model/NetworkModel.h"
#include "sim/TrackCycles.h"

namespace jamlog {

constexpr int maxTrackLoops = 128;
using LoopSet = std::bitset<maxTrackLoops>;

struct TrackLoop {
    int blocks = 0;   // tracks on the loop
    int minBlock = 0; // the shortest of them
    int largest = 0;  // the most blocks any laid train may cover on the loop
    int budget = 0;   // blocks that the trains on the loop could not cover, less one; counted every railway tick
};

struct TrackLoops {
    bool found = false;   // loops are found once per run, from the successors and points as the layout built them
    bool complete = true; // false when the layout has more loops than are kept (the guard then covers the first)
    int count = 0;
    int trainsEnd = firstCarriage;
    int turn = 0; // which track is served first when loops have room for only some of those entering them
    std::array<TrackLoop, maxTrackLoops> loops{};
    std::array<LoopSet, trackSlots> loopsOf{}; // per track: the loops it lies on
    // Per track on a loop: the loops that a train on it will run onto without another choice of route, those of
    // the tracks up to and including the next points (or the next track with more than one way on).
    std::array<LoopSet, trackSlots> loopsAhead{};
};

// Finds the loops and the most blocks of each that a laid train may cover.
void findTrackLoops(const NetworkModel& m, TrackLoops& l);

// Recounts the trains on each loop and its budget of blocks to spare.
void countLoopTrains(const NetworkModel& m, TrackLoops& l);

// The first loop that track `n` lies on, or -1.
int loopOfTrack(const TrackLoops& l, int n);

// The loops that a train passing from `from` onto `to` commits itself to: those ahead of `to` but not of `from`.
// Only points, and a line from off the loops onto them, can commit a train to a loop; once committed it is
// counted on the loop, so it never waits for room on the way, where its tail could foul the track it left.
LoopSet loopsEntered(const TrackLoops& l, int from, int to);

// True when a train passing from `from` onto `to` would enter a loop that has no room for it.
bool loopRefuses(const TrackLoops& l, int from, int to);

// Holds every track whose set route enters a loop without room for the train on it (signal state 1). Tracks that
// hold a train are served before empty ones, in turn.
void guardTrackLoops(NetworkModel& m, TrackLoops& l);

// Blocks of a loop whose shortest block is `minBlock` that the train headed by carriage `head` may cover while it
// stands at a signal: its length, the gap it keeps in front and the distance it stops short of the end.
int blocksCovered(const NetworkModel& m, int head, int minBlock);

} // namespace jamlog
