// Loops of track that trains can run round for ever, and the guard that keeps each from filling up: a loop whose
// every block holds a train is a deadlock that only passing signals at danger can clear.
#pragma once
#include <array>
#include <cstdint>

#include "model/NetworkModel.h"

namespace jamlog {

constexpr int maxTrackLoops = 16;
constexpr int maxLoopFeeders = 6;

struct TrackLoop {
    int blocks = 0;   // tracks on the loop
    int minBlock = 0; // the shortest of them
    int feeders[maxLoopFeeders] = {};
    int feederCount = 0;
    int largest = 0; // the most blocks any laid train may cover on the loop
    int budget = 0;  // blocks that the trains on the loop could not cover, less one; counted every railway tick
};

struct TrackLoops {
    bool found = false; // loops are found once per run, from the successors as the layout built them
    int count = 0;
    int trainsEnd = firstCarriage;
    int turn = 0; // which feeder of a loop is served first
    std::array<TrackLoop, maxTrackLoops> loops{};
    std::array<int8_t, firstRiver - firstTrack> loopOf{}; // per track: loop index + 1, 0 when on no loop
};

// Finds the loops of first successors and the tracks that feed into them from outside.
void findTrackLoops(const NetworkModel& m, TrackLoops& l);

// Recounts the trains on each loop and its budget of blocks to spare.
void countLoopTrains(const NetworkModel& m, TrackLoops& l);

// The loop that track `n` lies on, or -1.
int loopOfTrack(const TrackLoops& l, int n);

// True when a train passing from `from` onto `to` would enter a loop that has no room for it.
bool loopRefuses(const TrackLoops& l, int from, int to);

// Holds every feeder whose set route enters a loop without room for the train on it (signal state 1).
void guardTrackLoops(NetworkModel& m, TrackLoops& l);

// Blocks of a loop whose shortest block is `minBlock` that the train headed by carriage `head` may cover while it
// stands at a signal: its length, the gap it keeps in front and the distance it stops short of the end.
int blocksCovered(const NetworkModel& m, int head, int minBlock);

} // namespace jamlog
