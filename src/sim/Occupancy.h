// Lane occupancy: the cell operations every following, lane-changing and junction rule reads, and the random
// choice of successors and lanes. Distances are world units; cells are 10 units wide.
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"

namespace jamlog {

constexpr int cellSize = 10;

// True when no cell in [from/10, to/10) is marked (cells outside the bitmap are skipped).
bool cellsClear(const LaneStrip& lane, int from, int to);

// True when no marked cell lies in [(from - span/2 - back)/10, (limit + span)/10).
bool laneIsClear(const LaneStrip& lane, int back, int span, int from, int limit);

// Moves a body of the given length from oldPos towards newPos, stopping gap short of the first marked cell ahead;
// marks the cells under it at the new place and returns that place.
int occupyAdvance(LaneStrip& lane, int length, int gap, int oldPos, int newPos);

// Clears the cells of a body whose front is at pos.
void vacate(LaneStrip& lane, int length, int pos);

// Marks the cells [from/10, to/10).
void markRange(LaneStrip& lane, int from, int to);

// Clears the cells [from/10, to/10).
void clearRange(LaneStrip& lane, int from, int to);

// 100 x marked / (marked + free + 1) over the cells [from/10, to/10).
int lanePercentOccupied(const LaneStrip& lane, int from, int to);

// First marked cell of the lane at or after cell `from`, or -1.
int firstMarkedCell(const LaneStrip& lane, int from = 0);

// True when the road carries no junction-box code, or when none of its lanes has a marked cell.
bool roadIsEmpty(const RoadRecord& road);

// A random successor: the third with rand() < 7000, the second below 19000, else the first.
int chooseSuccessor(const RoadRecord& road, Rng& rng);

// The lane to drive in, or -1: the nearside lane when it is free beside the vehicle, else the own lane when it is
// clear to the target, else the offside lane when allowed and free.
int chooseLane(const RoadRecord& road, int lane, int length, int gap, int pos, int target, int maxLane, int minLane);

} // namespace jamlog
