// Lane occupancy operations over the whole-word cell bitmaps.
#include "sim/Occupancy.h"

#include <algorithm>

namespace jamlog {

namespace {

constexpr int thirdSuccessorBelow = 7000;
constexpr int secondSuccessorBelow = 19000;

// Cells [from/10, to/10) as an inclusive cell range; false when empty.
bool cellSpan(int from, int to, int& c0, int& c1) {
    c0 = from / cellSize;
    c1 = to / cellSize - 1;
    return c0 <= c1;
}

} // namespace

bool cellsClear(const LaneStrip& lane, int from, int to) {
    int c0, c1;
    if (!cellSpan(from, to, c0, c1))
        return true;
    return !anyCellSet(lane.occupancy, c0, c1);
}

bool laneIsClear(const LaneStrip& lane, int back, int span, int from, int limit) {
    return cellsClear(lane, from - span / 2 - back, limit + span);
}

int occupyAdvance(LaneStrip& lane, int length, int gap, int oldPos, int newPos) {
    newPos = std::clamp(newPos, 0, std::max(lane.laneLength, 0));
    const int start = std::max(oldPos, 0);
    const int endCell = std::min(lane.laneLength / cellSize, cellBits - 1); // the cell holding the lane's end
    const int scanEnd = std::min((newPos + gap) / cellSize - 1, endCell);
    int c0 = start / cellSize;
    if (c0 <= scanEnd) {
        int c = firstMarkedCell(lane, c0);
        if (c >= 0 && c <= scanEnd)
            newPos = cellSize * c - gap;
    }
    if (newPos < start)
        newPos = start;
    markRange(lane, newPos - length, newPos);
    return newPos;
}

void vacate(LaneStrip& lane, int length, int pos) {
    clearRange(lane, pos - length, pos);
}

void markRange(LaneStrip& lane, int from, int to) {
    int c0, c1;
    if (cellSpan(from, to, c0, c1))
        setCells(lane.occupancy, c0, c1, true);
}

void clearRange(LaneStrip& lane, int from, int to) {
    int c0, c1;
    if (cellSpan(from, to, c0, c1))
        setCells(lane.occupancy, c0, c1, false);
}

int lanePercentOccupied(const LaneStrip& lane, int from, int to) {
    int c0, c1;
    if (!cellSpan(from, to, c0, c1))
        return 0;
    c0 = std::max(c0, 0);
    c1 = std::min(c1, cellBits - 1);
    if (c0 > c1)
        return 0;
    const int total = c1 - c0 + 1;
    const int marked = countCells(lane.occupancy, c0, c1);
    return 100 * marked / (total + 1);
}

int firstMarkedCell(const LaneStrip& lane, int from) {
    if (from < 0)
        from = 0;
    if (from >= cellBits)
        return -1;
    int w = from >> 5;
    uint32_t word = lane.occupancy[w] & wordMask(from & 31, 31);
    while (true) {
        if (word)
            return (w << 5) + __builtin_ctz(word);
        if (++w >= cellWords)
            return -1;
        word = lane.occupancy[w];
    }
}

bool roadIsEmpty(const RoadRecord& road) {
    if (road.boxCode == 0)
        return true;
    const int top = std::clamp(road.topLane, 0, maxLanes - 1);
    for (int k = 0; k <= top; ++k)
        if (firstMarkedCell(road.lanes[k]) >= 0)
            return false;
    return true;
}

int chooseSuccessor(const RoadRecord& road, Rng& rng) {
    const int r = rng.next();
    if (r < thirdSuccessorBelow)
        return road.next[2];
    if (r < secondSuccessorBelow)
        return road.next[1];
    return road.next[0];
}

int chooseLane(const RoadRecord& road, int lane, int length, int gap, int pos, int target, int maxLane, int minLane) {
    if (lane > minLane && lane - 1 <= road.topLane && laneIsClear(road.lanes[lane - 1], length, gap, pos, target))
        return lane - 1;
    if (lane >= 0 && lane <= road.topLane && cellsClear(road.lanes[lane], pos, target + gap))
        return lane;
    if (lane < road.topLane && lane < maxLane && lane + 1 < maxLanes &&
        laneIsClear(road.lanes[lane + 1], length, gap, pos, target))
        return lane + 1;
    return -1;
}

} // namespace jamlog
