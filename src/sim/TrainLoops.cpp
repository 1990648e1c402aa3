// Loops of first successors and their guard. A train that stands at a signal covers a bounded number of blocks
// (its length, the gap it keeps and the stop short of the end, over the loop's shortest block); while the trains on
// a loop cover fewer blocks than the loop has, some head always faces a free block, so the loop cannot lock.
#include "sim/TrainLoops.h"

#include <algorithm>
#include <climits>

#include "model/TrainLaying.h"
#include "sim/Occupancy.h"
#include "sim/TrainTrack.h"

namespace jamlog {

namespace {

using rail::isThroughTrack;

constexpr int stopShortWidths = 3; // a head at a stop signal stands within three lane widths of the end
constexpr int turnCycle = 60;      // a multiple of every feeder count up to six, so that the turn wraps fairly
static_assert(maxLoopFeeders <= 6);

int8_t& loopSlot(TrackLoops& l, int n) {
    return l.loopOf[static_cast<size_t>(n - firstTrack)];
}

bool onTrackRange(int n) {
    return n >= firstTrack && n < firstRiver;
}

void addFeeder(TrackLoop& loop, int track) {
    for (int i = 0; i < loop.feederCount; ++i)
        if (loop.feeders[i] == track)
            return;
    if (loop.feederCount < maxLoopFeeders)
        loop.feeders[loop.feederCount++] = track;
}

// True when following first successors from t comes back to t. Trains leave at the end of a boundary track, so a
// chain through one is no loop.
bool closesOnItself(const NetworkModel& m, int t) {
    if (rail::isBoundaryTrack(m, t))
        return false;
    int n = m.road(t).next[0];
    for (int steps = 0; steps < firstRiver - firstTrack && n != t; ++steps) {
        if (!isThroughTrack(m, n) || rail::isBoundaryTrack(m, n))
            return false;
        n = m.road(n).next[0];
    }
    return n == t;
}

} // namespace

int loopOfTrack(const TrackLoops& l, int n) {
    return onTrackRange(n) ? l.loopOf[static_cast<size_t>(n - firstTrack)] - 1 : -1;
}

int blocksCovered(const NetworkModel& m, int head, int minBlock) {
    const VehicleRecord& h = m.vehicles[static_cast<size_t>(head)];
    const int carriages = std::clamp(h.routeLaneCap, 1, carriageEnd - head);
    int extent = 0;
    for (int i = 0; i < carriages; ++i)
        extent += m.vehicles[static_cast<size_t>(head + i)].length;
    extent += (carriages - 1) * (m.laneWidth / 3 + cellSize); // the gaps the carriages keep between them
    extent += h.length / 2 + stopShortWidths * m.laneWidth + cellSize;
    const int block = std::max(minBlock, 1);
    const int beyond = extent - block; // what reaches back past the block the head stands in
    return 1 + (beyond > 0 ? (beyond + block - 1) / block : 0);
}

void findTrackLoops(const NetworkModel& m, TrackLoops& l) {
    l = TrackLoops{};
    l.found = true;
    l.trainsEnd = trainsEnd(m);
    const int last = std::min(firstTrack + m.trackCount, rail::lastThroughTrack + 1);
    for (int t = firstTrack; t < last && l.count < maxTrackLoops; ++t) {
        if (loopSlot(l, t) != 0 || !isThroughTrack(m, t) || !closesOnItself(m, t))
            continue;
        TrackLoop& loop = l.loops[static_cast<size_t>(l.count++)];
        loop.minBlock = INT_MAX;
        int n = t;
        do {
            loopSlot(l, n) = static_cast<int8_t>(l.count);
            ++loop.blocks;
            loop.minBlock = std::min(loop.minBlock, rail::usableEnd(m.road(n)));
            n = m.road(n).next[0];
        } while (n != t);
    }
    for (int t = firstTrack; t <= rail::lastThroughTrack; ++t) {
        if (!isThroughTrack(m, t))
            continue;
        for (int s : m.road(t).next) {
            const int id = loopOfTrack(l, s);
            if (id >= 0 && id != loopOfTrack(l, t))
                addFeeder(l.loops[static_cast<size_t>(id)], t);
        }
    }
    for (int i = 0; i < l.count; ++i) {
        TrackLoop& loop = l.loops[static_cast<size_t>(i)];
        for (int n = firstCarriage; n < l.trainsEnd; ++n)
            if (m.vehicles[static_cast<size_t>(n)].kindFlags & carriageHead)
                loop.largest = std::max(loop.largest, blocksCovered(m, n, loop.minBlock));
    }
}

void countLoopTrains(const NetworkModel& m, TrackLoops& l) {
    std::array<int, maxTrackLoops> covered{}, counted{};
    counted.fill(-1);
    int head = -1;
    for (int n = firstCarriage; n < l.trainsEnd; ++n) {
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if (v.kindFlags & carriageHead)
            head = n;
        if (head < 0 || (v.state & vehicleOutside))
            continue;
        for (int road : {v.road, v.tailOverhang < 0 ? v.tailRoad : -1}) {
            const int id = loopOfTrack(l, road);
            if (id < 0 || counted[static_cast<size_t>(id)] == head)
                continue;
            counted[static_cast<size_t>(id)] = head;
            covered[static_cast<size_t>(id)] += blocksCovered(m, head, l.loops[static_cast<size_t>(id)].minBlock);
        }
    }
    for (int i = 0; i < l.count; ++i) {
        TrackLoop& loop = l.loops[static_cast<size_t>(i)];
        loop.budget = loop.blocks - 1 - covered[static_cast<size_t>(i)];
    }
}

bool loopRefuses(const TrackLoops& l, int from, int to) {
    const int id = loopOfTrack(l, to);
    if (id < 0 || id == loopOfTrack(l, from))
        return false;
    const TrackLoop& loop = l.loops[static_cast<size_t>(id)];
    return loop.budget < loop.largest;
}

void guardTrackLoops(NetworkModel& m, TrackLoops& l) {
    l.turn = (l.turn + 1) % turnCycle;
    for (int i = 0; i < l.count; ++i) {
        const TrackLoop& loop = l.loops[static_cast<size_t>(i)];
        int spare = loop.budget;
        // Each feeder whose route enters the loop is given room for the longest train in turn, the first one
        // changing every tick so that no feeder waits for ever behind another.
        for (int k = 0; k < loop.feederCount; ++k) {
            const int f = loop.feeders[(k + l.turn) % loop.feederCount];
            if (loopOfTrack(l, m.road(f).next[0]) != i)
                continue;
            if (spare >= loop.largest)
                spare -= loop.largest;
            else
                m.road(f).signalState = 1;
        }
    }
}

} // namespace jamlog
