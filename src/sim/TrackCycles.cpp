// Elementary cycles of the track graph by Johnson's method: for each track in turn, the cycles whose lowest track it
// is, found by a search that blocks tracks from which it cannot return until a way back opens.
#include "sim/TrackCycles.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "sim/RailwaySignals.h"
#include "sim/TrainTrack.h"

namespace jamlog {

namespace {

constexpr size_t routeWordFirst = 3, routeWordLast = 5; // words B, C, D of a points record: its routes

bool isVertex(const NetworkModel& m, int track) {
    return rail::isTrackNumber(track) && rail::isThroughTrack(m, track) && !rail::isBoundaryTrack(m, track);
}

void addOnce(int (&out)[maxTrackSuccessors], int& n, int track) {
    for (int i = 0; i < n; ++i)
        if (out[i] == track)
            return;
    if (n < maxTrackSuccessors)
        out[n++] = track;
}

struct Johnson {
    explicit Johnson(const std::function<bool(const int*, int)>& f) : found(f) {}
    const std::function<bool(const int*, int)>& found;
    std::array<std::vector<int>, trackSlots> adj;
    std::array<std::vector<int>, trackSlots> waiting; // tracks to unblock once the key track is unblocked
    std::array<bool, trackSlots> blocked{};
    std::vector<int> path;
    int start = 0;
    bool stopped = false;

    void unblock(int v) {
        blocked[static_cast<size_t>(v)] = false;
        std::vector<int>& w = waiting[static_cast<size_t>(v)];
        while (!w.empty()) {
            const int u = w.back();
            w.pop_back();
            if (blocked[static_cast<size_t>(u)])
                unblock(u);
        }
    }

    bool circuit(int v) {
        bool closed = false;
        path.push_back(v + firstTrack);
        blocked[static_cast<size_t>(v)] = true;
        for (int w : adj[static_cast<size_t>(v)]) {
            if (stopped)
                break;
            if (w < start)
                continue;
            if (w == start) {
                closed = true;
                if (!found(path.data(), static_cast<int>(path.size())))
                    stopped = true;
            } else if (!blocked[static_cast<size_t>(w)] && circuit(w)) {
                closed = true;
            }
        }
        if (closed) {
            unblock(v);
        } else {
            for (int w : adj[static_cast<size_t>(v)]) {
                std::vector<int>& list = waiting[static_cast<size_t>(w)];
                if (w >= start && std::find(list.begin(), list.end(), v) == list.end())
                    list.push_back(v);
            }
        }
        path.pop_back();
        return closed;
    }
};

} // namespace

int trackSuccessors(const NetworkModel& m, int track, int (&out)[maxTrackSuccessors]) {
    int n = 0;
    if (!isVertex(m, track))
        return 0;
    for (int s : m.road(track).next)
        if (isVertex(m, s))
            addOnce(out, n, s);
    for (int i = 0; i < maxPointsRecords; ++i) {
        const Table10& p = m.signalPlans[static_cast<size_t>(i)];
        if (p[0] == 0)
            break;
        if (p[1] < 1 || p[1] > pointsFacingMax || p[2] != track || p[4] < firstTrack)
            continue; // facing points on tracks only
        for (size_t k = routeWordFirst; k <= routeWordLast; ++k)
            if (isVertex(m, p[k]))
                addOnce(out, n, p[k]);
    }
    return n;
}

bool forEachTrackCycle(const NetworkModel& m, const std::function<bool(const int*, int)>& found) {
    auto j = std::make_unique<Johnson>(found);
    for (int t = firstTrack; t <= rail::lastThroughTrack; ++t) {
        int next[maxTrackSuccessors];
        const int n = trackSuccessors(m, t, next);
        for (int i = 0; i < n; ++i)
            j->adj[trackSlot(t)].push_back(next[i] - firstTrack);
    }
    for (int s = 0; s < trackSlots && !j->stopped; ++s) {
        if (j->adj[static_cast<size_t>(s)].empty())
            continue;
        j->start = s;
        for (int v = s; v < trackSlots; ++v) {
            j->blocked[static_cast<size_t>(v)] = false;
            j->waiting[static_cast<size_t>(v)].clear();
        }
        j->circuit(s);
    }
    return !j->stopped;
}

} // namespace jamlog
