// "Jamlog USA": a keep-right town grid of five avenues and four streets, every crossing under lights, with
// a one-way motel drive beside one block. The grid is built keeping left and then mirrored about x = 11000,
// which puts the traffic on the right-hand side.
#include <algorithm>
#include <iterator>

#include "model/layouts/Layouts.h"
#include "model/layouts/StreetPlan.h"

namespace jamlog {

namespace {

constexpr int usaRoads = 341;
constexpr int columns = 5, rows = 4;
constexpr int firstColumn = 3, firstRow = 3, blockCells = 4; // junctions at cells 3, 7, 11, ... in both directions
// The streets come first on 0-100 and the junctions fill 101-340, so that no junction box is named by -1.
constexpr int firstJunction = usaRoads - columns * rows * 12;
constexpr int32_t edgeWest = 1300, edgeEast = 20700, edgeNorth = 1300, edgeSouth = 16700;
constexpr int32_t mirrorShift = 22000; // x' = 22000 - x

// The motel drive leaves the eastbound street of row 2 between columns 1 and 2 (grid counted from 0).
constexpr int loopRow = 2, loopColumn = 1;
constexpr int loopFrom = 1000, loopTo = 3000, loopBulge = 800;

// The grid's corners have extra lights, the other junctions of its outer columns part-time lights.
Lamps lampsAt(int col, int row) {
    if (col != 0 && col != columns - 1)
        return Lamps::main;
    return row == 0 || row == rows - 1 ? Lamps::extra : Lamps::partTime;
}

int junctionCell(int col, int row) {
    return (firstColumn + blockCells * col) * 100 + firstRow + blockCells * row;
}

// Mirrors one record about x = 11000. flipSegment moves every centre, and a straight's centre of (0, 0) would
// come out nonzero and make it read as an arc: straights keep their zero centre and their outline marker.
void mirror(RoadRecord& r) {
    const bool straight = r.centreX == 0;
    int32_t outline[8];
    std::copy(std::begin(r.outline), std::end(r.outline), outline);
    flipSegment(r, 1, -1, mirrorShift, 0);
    if (!straight)
        return;
    r.centreX = r.centreY = 0;
    std::copy(std::begin(outline), std::end(outline), r.outline);
}

} // namespace

void buildJamlogUsa(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Jamlog USA";
    m.roadCount = usaRoads;
    setExtent(m, {.minX = 1250, .minY = 1250, .maxX = 20750, .maxY = 16750});
    a.contentFlags = contentRoads;

    StreetPlan p(b, 0);
    int node[rows][columns];
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            node[r][c] = p.junction(junctionCell(c, r), firstJunction + 12 * (r * columns + c), lampsAt(c, r));
    for (int r = 0; r < rows; ++r) {
        const int32_t y = cellPoint(junctionCell(0, r)).y;
        p.straight(p.edge(edgeWest, y), node[r][0]);
        for (int c = 0; c + 1 < columns; ++c) {
            if (r == loopRow && c == loopColumn)
                p.straightWithLoop({.from = node[r][c],
                                    .to = node[r][c + 1],
                                    .loopFrom = loopFrom,
                                    .loopTo = loopTo,
                                    .bulge = loopBulge});
            else
                p.straight(node[r][c], node[r][c + 1]);
        }
        p.straight(node[r][columns - 1], p.edge(edgeEast, y));
    }
    for (int c = 0; c < columns; ++c) {
        const int32_t x = cellPoint(junctionCell(c, 0)).x;
        p.straight(p.edge(x, edgeNorth), node[0][c]);
        for (int r = 0; r + 1 < rows; ++r)
            p.straight(node[r][c], node[r + 1][c]);
        p.straight(node[rows - 1][c], p.edge(x, edgeSouth));
    }
    p.build(a.lights, false);

    for (int r = 0; r < usaRoads; ++r)
        mirror(m.road(r));
    m.driveOnLeft = 0;
}

} // namespace jamlog
