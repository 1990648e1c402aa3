// The railway tick. Our rules:
//
// Block rule. The signal at the end of every counted track protects its first successor: it shows stop (1) while
// 100 x marked / (marked + free + 1) over that track's lane 0 is 1 or more, else clear (0). Under relief every
// block shows clear, except on layouts that work tokens, where relief never clears a block (trains still creep
// at caution behind one another), and a block that ends the line, where a second train could never get out. The
// boundary tracks always show -2.
//
// Tokens (trainTableB, table9, table1; upkeep in TrainTokens.cpp). A section record is: word 0 the number of its
// roads (1..4, 0 ends the list), word 1 the entry road, words 2.. the roads in the order a train runs over them,
// words 6/7 and 8/9 a points road and the successor it takes when a train is admitted (points road 0 = none).
// Every tick all entry roads show stop. For each section whose entry road is about 1 % occupied from 500 units on,
// the head on the entry road is looked for; a head that holds the token of a section with this entry road gets
// clear; otherwise it is admitted when the section is free: none of its roads, nor any road that trainTableC
// lists with them, holds a carriage or a reservation, and the road after its last road holds no carriage (a
// train is never let into a single line that it could not leave), and no conflicting section (one sharing a road
// or its twin) holds an older claim. A train that finds its section taken claims it (table1[section] = -n, n one
// above the newest claim); claims are served oldest first, except that a claimant whose exit is taken never holds
// up another entry, and a claim is dropped when no train waits at its entry. Admission sets the points, issues a token
// (table9: word 0 roads still reserved, 1..4 the roads, 5 the head, 6 the last carriage, 7 the section, 8 how far
// into the section the last carriage has come) and writes the token number + 1 into the `headway` of the head and
// of the last carriage; table1[section] holds the head. A road is released once the last carriage has moved on
// from it to a later road of the section (and no longer overhangs it), or has left the section; the token is
// void when nothing is reserved or the last carriage has left the layout.
//
// trainTableC: word 0 in use (0 ends the list), word 1 a track, words 2..9 tracks that count as occupied with it
// (the other direction of a single line, the twin of a platform road). Read by the section and route tests.
//
// Points records (signalPlans: active, kind, A..G, spare):
// - Kinds 1..7 with C below 500: the successors of road A become B, C, D in runs whose counter is a multiple of k,
//   B, B, B in the others.
// - Kinds 1..7 on tracks: facing points at the end of track A with routes B, C and D (0 = none). A route is open
//   when it is not busy (as above) and does not enter a loop that has no room (below). While A holds no carriage,
//   every k-th run a route is drawn by rand() among the open ones and A's three successors are set to it. A train
//   on A keeps its route while the route is open, or once any of it has passed onto the route; a train standing
//   wholly on A whose route is not open is given another open route, drawn the same way. A shows stop while its
//   route is busy or refused, or a flank track E, F, G holds a carriage; a clear A over a route other than B shows
//   -1 (caution). The token upkeep runs after the points on every tick and sets the signal of every section's
//   entry road, so points on an entry road choose its route but never hold a train there.
// - Kind 8 (trailing junction): feeders B..G run into track A; of the feeders with a carriage in their last 1000
//   units one, drawn by rand(), has priority until its last 1000 units are empty (kept in the spare word); the
//   others show stop.
// - Kind 9 (diamond crossing): tracks A and B cross; C leads into A and D into B. C shows stop while B holds a
//   carriage, D while A does; when both approaches hold a carriage in their last 1000 units the run counter's
//   parity decides which one waits.
// - Kind 0 on tracks: track D shows stop unless tracks A, B and E are empty and the last 1000 units of F are
//   empty; while C holds a carriage, B, F and G show stop; then a clear B with D empty makes D show stop.
// Under relief the points never show stop (kind 0 and the road kinds work as written).
//
// Loops (TrainLoops.cpp, TrackCycles.cpp). At the first railway tick of a run every elementary cycle of the track
// graph is found, over the successors and the routes of the facing points as built (a cycle through a boundary
// track is none, trains leave there); up to 128 are kept. A train on a track is committed to the loops of the
// tracks it must run over up to the next points: a crossover or a reversing loop commits it to the track it joins.
// A train standing at a signal covers at most k blocks of a loop: its carriages, the gaps they keep, the half
// length its head keeps and three lane widths short of the end, over the loop's shortest block. Every railway tick
// the trains committed to each loop are counted by their k; a route that would commit a train to a loop whose
// blocks less one, less that sum, cannot take the longest laid train is refused: facing points do not set it, and
// a track whose successors lead into it shows stop (tracks with a head on them take the room first, in turn, then
// the empty ones). Only points and lines from off the loops commit a train, so no train is ever held on its way
// round for room, where its tail could hold the track it came from. Every wait-for cycle of standing trains runs
// round a cycle of tracks with every block held; a loop whose trains cannot cover all its blocks always has a free
// block, so no such wait can form. (The guard's own waits, at points whose every route is refused, could in
// principle chain round; the long railway runs of bench/ check that they do not.) This holds under relief too:
// with every block clear, trains would fill a loop and lock it for good, and relief would never end.
//
// The end of the line is a successor above 698 (the sink 699) or a stub, a track that leads only to itself;
// layouts with more than 99 tracks build 599 as an ordinary track. A head reverses only when the way back is clear
// from its start up to the head's place, and then stands there until its last carriage has come round. A head
// does not enter while a carriage stands within the first cell of the entry track (it marks no cell yet).
#include "sim/RailwaySignals.h"

#include "sim/Occupancy.h"
#include "sim/TrainTrack.h"

namespace jamlog {

namespace {
constexpr int runCounterWrap = 100;
constexpr int tokenContent = 32;
} // namespace

bool layoutUsesTokens(const NetworkModel& m, int contentFlags) {
    return (contentFlags & tokenContent) != 0 && m.trainTableB[0][0] != 0;
}

void workBlockSignals(NetworkModel& m, bool reliefActive) {
    const int last = firstTrack + m.trackCount;
    for (int t = firstTrack; t < last && t < firstRiver; ++t) {
        RoadRecord& r = m.road(t);
        const int n = r.next[0];
        int percent = 0;
        if (n >= 0 && n < roadCapacity) {
            const LaneStrip& lane = m.road(n).lanes[0];
            percent = lanePercentOccupied(lane, 0, lane.laneLength);
        }
        // A train passing at danger into a track that ends the line cannot get by: it only joins the train that
        // has to come back out of it, and neither can then reverse. That block holds under relief too.
        const bool terminus = rail::isThroughTrack(m, n) && rail::isDeadEnd(m, m.road(n).next[0]);
        r.signalState = (percent >= 1 && (!reliefActive || terminus)) ? 1 : 0;
    }
    for (int b : m.boundaryTracks)
        if (b >= 0 && b < roadCapacity)
            m.road(b).signalState = boundarySignal;
}

void workRailwaySignals(NetworkModel& m, Rng& rng, RailwayState& state, bool reliefActive) {
    if (++state.runCounter > runCounterWrap)
        state.runCounter = 1;
    const bool relief = reliefActive && !state.tokens;
    if (!state.loops.found)
        findTrackLoops(m, state.loops);
    workBlockSignals(m, relief);
    if (state.tokens)
        upkeepTokens(m);
    countLoopTrains(m, state.loops);
    workPoints(m, rng, state.runCounter, relief, &state.loops);
    guardTrackLoops(m, state.loops);
}

} // namespace jamlog
