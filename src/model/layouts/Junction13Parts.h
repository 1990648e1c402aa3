// Pieces of "Junction 13" beyond the assemblies: edge turnarounds, the river, and hidden cells under bridges.
#pragma once
#include <vector>

#include "model/Primitives.h"

namespace jamlog {

// A half turn just outside the layout from the end of one carriageway to the start of the other, turning right.
void edgeTurnaround(Builder& b, int road, int from, int to);

// Rivers 700-707: downstream 700-703 from the north edge to the south edge, upstream 704-707 back.
void buildJunction13River(Builder& b, int offset);

// Marks the hidden cells of records first .. first + count - 1 wherever they pass under a straight road
// among roads 0 .. roads - 1 (the river under the bridges), and `reach` units either side, into the neighbouring
// records where the stretch runs over an end. A vehicle is hidden once both its ends are on hidden cells, so with
// a reach of the longest vehicle no visible one ever overlaps the bridge.
void markUnderpasses(NetworkModel& m, int first, int count, int roads, int reach);

// Point at distance d along a built record, on its line.
struct WorldPoint {
    double x, y;
};
WorldPoint pointAlong(const RoadRecord& r, double d);

// True when the point lies on the surface of a straight road (its lanes, half a lane either side).
bool underStraight(const RoadRecord& road, WorldPoint p, int laneWidth);

// The middles of a record's cells (the points underStraight tests), with the box around every run of them.
struct CellMiddles {
    CellMiddles(const RoadRecord& low, int cells);
    std::vector<WorldPoint> points;
    struct Run {
        double left, top, right, bottom;
        bool finite;
    };
    std::vector<Run> runs; // run k holds points k * runCells onward
    static constexpr int runCells = 16;
};

// Sets under[c] for every cell c whose middle lies on the surface of the straight record `cover`, as underStraight
// finds it. Only the runs of cells whose box can meet the cover's surface are tested, so that a record costs about
// its crossings rather than all its cells.
void markCellsUnder(const CellMiddles& low, const RoadRecord& cover, int laneWidth, std::vector<char>& under);

} // namespace jamlog
