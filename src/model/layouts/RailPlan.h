// Railways laid from centre lines: a line of straights joined by bends, spurs to the edge of the layout, and the
// cells and walls of a bridge where one line passes over another.
#pragma once
#include <vector>

#include "model/Primitives.h"

namespace jamlog::railplan {

// A corner of a centre line in raw units. A corner with a radius is rounded off by a bend; one without joins two
// straights (a joint where points or a platform begin), or ends an open line.
struct Vertex {
    int x = 0, y = 0;
    int radius = 0;
};

// One direction of running over a centre line, laid at `side` units to the left of the direction of travel.
struct LineSpec {
    const std::vector<Vertex>* vertices = nullptr;
    bool closed = true;    // the last leg returns to the first vertex
    bool reversed = false; // run the vertices backwards
    int side = 0;
    int first = 0;      // the first record; tracks follow in running order
    int asideLeg = -1;  // a leg (by the centre line's numbering) numbered apart from the rest, e.g. last so that
    int asideRoad = -1; // it is drawn over the tracks that pass under it
    int endNext = -1;   // successor of the last track of an open line
};

// Record numbers of a laid line by the centre line's own numbering: leg i runs from vertex i to vertex i + 1, bend
// j rounds vertex j (-1 where a vertex has none).
struct LaidLine {
    std::vector<int> leg, bend;
    int end = 0; // one past the last consecutive record
};

LaidLine layLine(Builder& b, const LineSpec& spec);

// A line between the edge of the layout and a track: a straight from (edgeX, edgeY) and a bend onto the start of
// `track` (onto), or a bend off the end of `track` and a straight to the edge (off).
struct Spur {
    int straight = 0, bend = 0;
    int edgeX = 0, edgeY = 0;
    int track = 0;
    int radius = 0;
};
void spurOnto(Builder& b, const Spur& s);
void spurOff(Builder& b, const Spur& s, int straightNext);

// Points record kinds the train sets use.
constexpr int facingPointsKind = 2; // facing points: a route drawn every other railway tick while they are clear
constexpr int mergePointsKind = 8;  // trailing junction: one feeder at a time

// Record numbers, counted off as a routine lays its tracks.
struct Counter {
    int next = firstTrack;
    int take() { return next++; }
};

// A line between the edge of the layout at (edgeX, edgeY) and the main line: in onto the start of `track`, whose
// other feeder is `neighbour`, or out off the end of `track`, which otherwise runs on to `neighbour`.
struct EdgeLine {
    int edgeX = 0, edgeY = 0;
    int track = 0, neighbour = 0;
    int radius = 0;
};
// Lays the line in (straight, then bend) on the next two records, joining trains one at a time; returns the straight.
int lineIn(Builder& b, Counter& c, const EdgeLine& l);
// Lays the line out (straight, then bend) on the next two records, with facing points onto it; trains leave at the
// straight's end and come back on `entry`. Returns the straight.
int lineOut(Builder& b, Counter& c, const EdgeLine& l, int entry);

// A straight crossover track from the end of `leaves` to the start of `joins`: facing points where it leaves (the
// line running on to `leavesOn`) and a trailing junction where it joins (the line's own feeder `joinsFeeder`).
struct Crossover {
    int road = 0;
    int leaves = 0, leavesOn = 0;
    int joins = 0, joinsFeeder = 0;
};
void crossover(Builder& b, const Crossover& c);

// Marks the cells of a straight track within `half` of the point nearest (x, y), as under a bridge there.
void hideUnderPoint(RoadRecord& track, int x, int y, int half);

// Builds a bend onto the start of `to` from the end of `from`, turning the way they turn, and clips its drawing to
// the wedge between its end radii, reaching far enough out that the clip never cuts the bend's outer side.
void bend(Builder& b, int road, int from, int to);

// Where `lower` (a straight or a bend of less than a half turn) passes under the straight track `upper`: the point
// and the distance along `lower`. False when they do not cross.
struct Crossing {
    int x = 0, y = 0, along = 0;
};
bool findCrossing(const RoadRecord& lower, const RoadRecord& upper, Crossing& at);

// Marks the cells of `lower` within `half` of where it passes under the straight track `upper`; nothing when they
// do not cross.
void hideUnderTrack(RoadRecord& lower, const RoadRecord& upper, int half);

// Two parapet walls of a bridge centred on (x, y) that carries a line in direction (dx, dy), `halfWidth` either
// side of its centre line and `halfLength` along it.
void addBridgeWalls(NetworkModel& m, int x, int y, double dx, double dy, int halfLength, int halfWidth);

} // namespace jamlog::railplan
