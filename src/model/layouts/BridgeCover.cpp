// Hidden cells beneath bridges, found by sampling every cell of the lower records against the upper ones.
#include "model/layouts/BridgeCover.h"

#include <algorithm>
#include <vector>

#include "model/layouts/Junction13Parts.h"

namespace jamlog {

namespace {

int cellsOf(const NetworkModel& m, int n) {
    return std::min(m.road(n).length, maxLaneLength) / 10;
}

// The record of `run` that leads into n (the last one found), or -1.
int previousIn(const NetworkModel& m, RecordRun run, int n) {
    int previous = -1;
    for (int p = run.first; p < run.end(); ++p)
        for (int32_t next : m.road(p).next)
            if (next == n)
                previous = p;
    return previous;
}

struct Box {
    int32_t left, top, right, bottom;
    bool meets(const Box& o) const { return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom; }
};

// The box that holds a record's surface: its line (or its arc's circle) and `margin` around it.
Box boxOf(const RoadRecord& r, int32_t margin) {
    if (r.arc())
        return {r.arcBox[0] - margin, r.arcBox[1] - margin, r.arcBox[2] + margin, r.arcBox[3] + margin};
    const int32_t x2 = r.endX(), y2 = r.endY();
    return {std::min(r.startX, x2) - margin, std::min(r.startY, y2) - margin, std::max(r.startX, x2) + margin,
            std::max(r.startY, y2) + margin};
}

} // namespace

void hideBeneath(NetworkModel& m, RecordRun under, RecordRun cover, int reach) {
    const int spread = reach / 10;
    std::vector<std::vector<int>> covered(static_cast<size_t>(under.count));
    // Only straight records whose surface comes near a record's can cover it.
    const int32_t margin = maxLanes * m.laneWidth;
    std::vector<Box> coverBoxes;
    for (int k = cover.first; k < cover.end(); ++k)
        coverBoxes.push_back(boxOf(m.road(k), margin));
    for (int n = under.first; n < under.end(); ++n) {
        const RoadRecord& low = m.road(n);
        const Box lowBox = boxOf(low, margin);
        std::vector<int> near;
        for (int k = cover.first; k < cover.end(); ++k)
            if (k != n && !m.road(k).arc() && coverBoxes[static_cast<size_t>(k - cover.first)].meets(lowBox))
                near.push_back(k);
        if (near.empty())
            continue;
        const CellMiddles middles(low, cellsOf(m, n));
        std::vector<char> cells(middles.points.size(), 0);
        for (int k : near)
            markCellsUnder(middles, m.road(k), m.laneWidth, cells);
        for (size_t c = 0; c < cells.size(); ++c)
            if (cells[c])
                covered[static_cast<size_t>(n - under.first)].push_back(static_cast<int>(c));
    }
    for (int n = under.first; n < under.end(); ++n) {
        const int cells = cellsOf(m, n), next = m.road(n).next[0], previous = previousIn(m, under, n);
        for (int c : covered[static_cast<size_t>(n - under.first)]) {
            setCells(m.road(n).hiddenBits, std::max(c - spread, 0), std::min(c + spread, cells - 1), true);
            if (c - spread < 0 && previous >= 0)
                setCells(m.road(previous).hiddenBits, cellsOf(m, previous) + c - spread, cellsOf(m, previous) - 1,
                         true);
            if (c + spread >= cells && under.holds(next))
                setCells(m.road(next).hiddenBits, 0, std::min(c + spread - cells, cellsOf(m, next) - 1), true);
        }
    }
}

} // namespace jamlog
