// Layout 21 "T: Test Drawing": the road drawing laid out for a designer to compare after a drawing change. Four
// eastbound rows, one for each lane count from one to four, each a run of straights in the edge styles the drawing
// tells apart (plain, link, not drawn, link with a dashed centre, no near edge, near edge only, no markings) and a
// bump of four arcs, two each way round, in the middle; below them a car-park row reached from the west edge.
#include "model/layouts/CarParkRow.h"
#include "model/layouts/Layouts.h"

#include <cmath>

namespace jamlog {

namespace {

constexpr int drawingRoads = 54;
constexpr int carDivisor = 2;
constexpr int westEdge = 1000, eastEdge = 19000;

// The edge styles with a drawing of their own; the rows take them in turn, so that every one appears.
constexpr int edgeStyles[] = {0, 3, 4, 5, 7, 8, 9};
constexpr int styleCount = static_cast<int>(std::size(edgeStyles));

constexpr int rows = 4; // row k has k + 1 lanes
constexpr int rowY[rows] = {7200, 9200, 11200, 13200};
constexpr int straightsBefore = 3, straightsAfter = 3, bumpArcs = 4;
constexpr int rowRoads = straightsBefore + bumpArcs + straightsAfter;
constexpr int straightLength = 2290;
constexpr int bumpRadius = 1500;
constexpr double bumpTurn = 0.7853981634; // 45 degrees each arc
constexpr int arcMargin = 150;            // the clip box of an arc reaches this far beyond its lanes

// The car park below the rows: its bays just below its aisle, the aisle running east from the entry road.
constexpr int parkFirst = rows * rowRoads;
constexpr int aisle = parkFirst + baysPerAisle, exitAisle = aisle + 1, uTurn = aisle + 2;
constexpr int entryRoad = uTurn + 1, exitRoad = uTurn + 2;
constexpr int aisleX = 5000, aisleY = 15500;

int rowRoad(int row, int piece) {
    return row * rowRoads + piece;
}

// The bump: left, right, right, left, each bumpTurn about a centre bumpRadius away, back on the row's line at its
// end. Returns where it ends.
int buildBump(Builder& b, int row, int x0) {
    const int y0 = rowY[row], lanes = row, W = b.model().laneWidth;
    const double s = std::sin(bumpTurn) * bumpRadius, c = std::cos(bumpTurn) * bumpRadius;
    const double R = bumpRadius;
    struct ArcPlan {
        double fromX, fromY, toX, toY, cx, cy;
        int cw;
    };
    const ArcPlan arcs[bumpArcs] = {
        {0, 0, s, -(R - c), 0, -R, 0},
        {s, -(R - c), 2 * s, -2 * (R - c), 2 * s, c - R + c, 1},
        {2 * s, -2 * (R - c), 3 * s, -(R - c), 2 * s, c - R + c, 1},
        {3 * s, -(R - c), 4 * s, 0, 4 * s, -R, 0},
    };
    const int reach = W * (lanes + 1) + arcMargin;
    for (int k = 0; k < bumpArcs; ++k) {
        const ArcPlan& a = arcs[k];
        auto at = [&](double dx, double dy) {
            return Point{x0 + static_cast<int>(std::lround(dx)), y0 + static_cast<int>(std::lround(dy))};
        };
        const Point from = at(a.fromX, a.fromY), to = at(a.toX, a.toY), centre = at(a.cx, a.cy);
        b.arcRaw(rowRoad(row, straightsBefore + k),
                 {.from = from,
                  .to = to,
                  .centre = centre,
                  .bounds = {std::min(from.x, to.x) - reach, std::min(from.y, to.y) - reach,
                             std::max(from.x, to.x) + reach, std::max(from.y, to.y) + reach},
                  .topLanes = lanes,
                  .next = rowRoad(row, straightsBefore + k + 1),
                  .cw = a.cw});
    }
    return x0 + static_cast<int>(std::lround(4 * s));
}

void buildRow(Builder& b, int row) {
    const int y = rowY[row];
    auto straight = [&](int piece, int from, int to, int style) {
        const int next = piece + 1 < rowRoads ? rowRoad(row, piece + 1) : rowRoad(row, 0);
        b.straightRaw(rowRoad(row, piece),
                      {.from = {from, y}, .to = {to, y}, .topLanes = row, .next = next, .style = style});
    };
    int x = westEdge, styleSlot = row * (straightsBefore + straightsAfter);
    for (int i = 0; i < straightsBefore; ++i, x += straightLength)
        straight(i, x, x + straightLength, edgeStyles[styleSlot++ % styleCount]);
    x = buildBump(b, row, x);
    const int rest = (eastEdge - x) / straightsAfter;
    for (int i = 0; i < straightsAfter; ++i, x += rest) {
        const int to = i + 1 < straightsAfter ? x + rest : eastEdge;
        straight(straightsBefore + bumpArcs + i, x, to, edgeStyles[styleSlot++ % styleCount]);
    }
    b.model().boundaryRoads[static_cast<size_t>(row)] = rowRoad(row, rowRoads - 1);
}

void buildCarPark(Builder& b) {
    NetworkModel& m = b.model();
    b.straightRaw(entryRoad, {.from = {westEdge, aisleY}, .to = {aisleX, aisleY}, .next = aisle});
    b.straightRaw(exitRoad,
                  {.from = {aisleX, aisleY - rowDepth}, .to = {westEdge, aisleY - rowDepth}, .next = entryRoad});
    buildParkingRow(
        b, {.aisle = aisle, .exitAisle = exitAisle, .uTurn = uTurn, .x = aisleX, .y = aisleY, .exitNext = exitRoad});
    setParkingRowFigures(m);
    m.boundaryRoads[rows] = exitRoad;
}

} // namespace

void buildTestDrawing(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "T: Test Drawing";
    a.contentFlags = contentRoads | contentCarPark;
    a.cars /= carDivisor;
    m.roadCount = drawingRoads;
    setExtent(m, {.minX = 1000, .minY = 5000, .maxX = 19000, .maxY = 17000});
    for (int row = 0; row < rows; ++row)
        buildRow(b, row);
    buildCarPark(b);
}

} // namespace jamlog
