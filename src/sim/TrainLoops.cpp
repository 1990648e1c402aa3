// Loops of track and their guard. A train that stands at a signal covers a bounded number of blocks of a loop (its
// length, the gap it keeps and the stop short of the end, over the loop's shortest block); while the trains on a
// loop cover fewer blocks than the loop has, some block of it is always free, so its trains can never all wait on
// one another round it. Every wait-for cycle of trains runs round some elementary cycle of the track graph with
// every block held, so keeping each such cycle below its size keeps the whole railway free of deadlock.
#include "sim/TrainLoops.h"

#include <algorithm>
#include <climits>

#include "model/TrainLaying.h"
#include "sim/Occupancy.h"
#include "sim/TrainTrack.h"

namespace jamlog {

namespace {

constexpr int stopShortWidths = 3; // a head at a stop signal stands within three lane widths of the end

bool onTrackRange(int n) {
    return n >= firstTrack && n < firstRiver;
}

const LoopSet& loopsAhead(const TrackLoops& l, int n) {
    static const LoopSet none;
    return onTrackRange(n) ? l.loopsAhead[trackSlot(n)] : none;
}

// The loops of the tracks from `t` up to and including the next one with more than one way on.
LoopSet followAhead(const NetworkModel& m, const TrackLoops& l, int t) {
    LoopSet ahead;
    TrackSet seen;
    for (;;) {
        ahead |= l.loopsOf[trackSlot(t)];
        seen.set(trackSlot(t));
        int next[maxTrackSuccessors];
        if (trackSuccessors(m, t, next) != 1 || seen.test(trackSlot(next[0])))
            return ahead;
        t = next[0];
    }
}

const TrackLoop& loopAt(const TrackLoops& l, int i) {
    return l.loops[static_cast<size_t>(i)];
}

template <typename F> void forEachLoop(const LoopSet& set, int count, F f) {
    for (int i = 0; i < count; ++i)
        if (set.test(static_cast<size_t>(i)))
            f(i);
}

// The loops that a train at the end of `f` may commit itself to: a successor is drawn among the three.
LoopSet routesEnter(const NetworkModel& m, const TrackLoops& l, int f) {
    LoopSet entered;
    for (int s : m.road(f).next)
        entered |= loopsEntered(l, f, s);
    return entered;
}

// Serves the tracks in `list` from the turn's place on: a track whose loops ahead all have room for their
// longest train takes that room, any other shows stop.
void serve(NetworkModel& m, TrackLoops& l, const std::vector<int>& list, std::array<int, maxTrackLoops>& spare) {
    const size_t n = list.size();
    for (size_t k = 0; k < n; ++k) {
        const int f = list[(k + static_cast<size_t>(l.turn)) % n];
        const LoopSet entered = routesEnter(m, l, f);
        bool room = true;
        forEachLoop(entered, l.count, [&](int i) { room &= spare[static_cast<size_t>(i)] >= loopAt(l, i).largest; });
        if (room)
            forEachLoop(entered, l.count, [&](int i) { spare[static_cast<size_t>(i)] -= loopAt(l, i).largest; });
        else
            m.road(f).signalState = 1;
    }
}

} // namespace

int loopOfTrack(const TrackLoops& l, int n) {
    if (!onTrackRange(n))
        return -1;
    const LoopSet& on = l.loopsOf[trackSlot(n)];
    for (int i = 0; i < l.count; ++i)
        if (on.test(static_cast<size_t>(i)))
            return i;
    return -1;
}

LoopSet loopsEntered(const TrackLoops& l, int from, int to) {
    return loopsAhead(l, to) & ~loopsAhead(l, from);
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
    l.complete = forEachTrackCycle(m, [&](const int* tracks, int count) {
        if (l.count == maxTrackLoops)
            return false;
        TrackLoop& loop = l.loops[static_cast<size_t>(l.count)];
        loop.blocks = count;
        loop.minBlock = INT_MAX;
        for (int i = 0; i < count; ++i) {
            l.loopsOf[trackSlot(tracks[i])].set(static_cast<size_t>(l.count));
            loop.minBlock = std::min(loop.minBlock, rail::usableEnd(m.road(tracks[i])));
        }
        ++l.count;
        return true;
    });
    for (int t = firstTrack; t < firstRiver; ++t)
        if (l.loopsOf[trackSlot(t)].any())
            l.loopsAhead[trackSlot(t)] = followAhead(m, l, t);
    for (int i = 0; i < l.count; ++i) {
        TrackLoop& loop = l.loops[static_cast<size_t>(i)];
        for (int n = firstCarriage; n < l.trainsEnd; ++n)
            if (m.vehicles[static_cast<size_t>(n)].kindFlags & carriageHead)
                loop.largest = std::max(loop.largest, blocksCovered(m, n, loop.minBlock));
    }
}

void countLoopTrains(const NetworkModel& m, TrackLoops& l) {
    std::array<int, maxTrackLoops> covered{};
    int head = -1;
    LoopSet on; // the loops that the current train has a carriage on
    auto addTrain = [&] {
        if (head >= 0)
            forEachLoop(on, l.count, [&](int i) {
                covered[static_cast<size_t>(i)] += blocksCovered(m, head, loopAt(l, i).minBlock);
            });
    };
    for (int n = firstCarriage; n < l.trainsEnd; ++n) {
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if (v.kindFlags & carriageHead) {
            addTrain();
            head = n;
            on.reset();
        }
        if (head < 0 || (v.state & vehicleOutside))
            continue;
        on |= loopsAhead(l, v.road);
        if (v.tailOverhang < 0)
            on |= loopsAhead(l, v.tailRoad);
    }
    addTrain();
    for (int i = 0; i < l.count; ++i) {
        TrackLoop& loop = l.loops[static_cast<size_t>(i)];
        loop.budget = loop.blocks - 1 - covered[static_cast<size_t>(i)];
    }
}

bool loopRefuses(const TrackLoops& l, int from, int to) {
    bool refused = false;
    forEachLoop(loopsEntered(l, from, to), l.count,
                [&](int i) { refused |= loopAt(l, i).budget < loopAt(l, i).largest; });
    return refused;
}

void guardTrackLoops(NetworkModel& m, TrackLoops& l) {
    if (l.count == 0)
        return;
    l.turn = (l.turn + 1) % trackSlots;
    TrackSet heads;
    for (int n = firstCarriage; n < l.trainsEnd; ++n) {
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if ((v.kindFlags & carriageHead) && !(v.state & vehicleOutside) && onTrackRange(v.road))
            heads.set(trackSlot(v.road));
    }
    // Tracks whose set route enters a loop: those with a head on them first, so that the room goes to trains that
    // wait for it; then the empty ones, so that a train arriving between two ticks cannot slip in unseen.
    std::vector<int> waiting, empty;
    for (int f = firstTrack; f <= rail::lastThroughTrack; ++f) {
        if (!rail::isThroughTrack(m, f) || rail::isBoundaryTrack(m, f) || routesEnter(m, l, f).none())
            continue;
        (heads.test(trackSlot(f)) ? waiting : empty).push_back(f);
    }
    std::array<int, maxTrackLoops> spare{};
    for (int i = 0; i < l.count; ++i)
        spare[static_cast<size_t>(i)] = l.loops[static_cast<size_t>(i)].budget;
    serve(m, l, waiting, spare);
    serve(m, l, empty, spare);
}

} // namespace jamlog
