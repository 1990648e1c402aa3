// "Moscow Jam": three-lane avenues that keep right, crossing at nine big light junctions where traffic may turn
// on red. The eight outer junctions lie on a ring of boulevards about the central one, four radial highways run
// in from the edges, and a river crosses the city from west to east under the three southern bridges. The streets
// are built keeping left and then mirrored about the middle of the layout, which puts the traffic on the right.
#include <algorithm>
#include <array>
#include <iterator>

#include "model/InitialRecords.h"
#include "model/layouts/AvenuePlan.h"
#include "model/layouts/BridgeCover.h"
#include "model/layouts/Layouts.h"

namespace jamlog {

namespace {

constexpr int moscowRoads = 164;
constexpr int moscowRivers = 8;
constexpr int carScale = 2;
constexpr int boatDivisor = 10;
constexpr int32_t minX = 0, minY = 1000, maxX = 24000, maxY = 19000;

constexpr AvenueShape avenue{.topLanes = 2, .offset = 3, .boxHalf = 700};
constexpr std::array<int32_t, 3> columnX{4000, 12000, 20000};
constexpr std::array<int32_t, 3> rowY{5000, 10000, 15000};
constexpr size_t middle = 1;          // the radial highways run along the middle row and column
constexpr int32_t cityLimit = 2000;   // the radial highways have a joint this far inside the edge
constexpr int firstJunctionRoad = 56; // the avenues first, so that no junction box is named by -1
constexpr int junctionRoads = 12;

// The river: west to east in four straight reaches, downstream 700-703 and back 707-704.
constexpr int32_t riverY = 12500;
constexpr std::array<int32_t, 5> riverBreaks{minX, 6000, 12000, 18000, maxX};
constexpr int riverOffset = 1; // each direction's line to its left: keeping right, the beds lie outside the lines

int cell(int32_t x, int32_t y) {
    return (x / 1000) * 100 + y / 1000;
}

// Mirrors one record about the middle of the layout. A straight keeps its zero centre and its outline marker,
// which the mirror would otherwise move and make it read as an arc.
void mirror(RoadRecord& r) {
    const bool straight = r.centreX == 0;
    int32_t outline[8];
    std::copy(std::begin(r.outline), std::end(r.outline), outline);
    flipSegment(r, 1, -1, minX + maxX, 0);
    if (!straight)
        return;
    r.centreX = r.centreY = 0;
    std::copy(std::begin(outline), std::end(outline), r.outline);
}

void buildAvenues(Builder& b, int lights) {
    AvenuePlan p(b, avenue, 0);
    std::array<std::array<int, 3>, 3> j{};
    int base = firstJunctionRoad;
    for (size_t c = 0; c < columnX.size(); ++c)
        for (size_t r = 0; r < rowY.size(); ++r) {
            const bool corner = c != 1 && r != 1; // the corner crossings have extra lights
            j[c][r] = p.junction(cell(columnX[c], rowY[r]), base, corner ? Lamps::extra : Lamps::main);
            base += junctionRoads;
        }
    // Out to an edge; a radial highway in two pieces.
    auto toEdge = [&](int from, int32_t x, int32_t y, bool radial, int32_t inX, int32_t inY) {
        if (radial) {
            const int limit = p.joint(x + inX, y + inY);
            p.straight(from, limit);
            from = limit;
        }
        p.straight(from, p.edge(x, y));
    };
    for (size_t r = 0; r < rowY.size(); ++r) {
        const int32_t y = rowY[r];
        toEdge(j[0][r], minX, y, r == middle, cityLimit, 0);
        p.straight(j[0][r], j[1][r]);
        p.straight(j[1][r], j[2][r]);
        toEdge(j[2][r], maxX, y, r == middle, -cityLimit, 0);
    }
    for (size_t c = 0; c < columnX.size(); ++c) {
        const int32_t x = columnX[c];
        toEdge(j[c][0], x, minY, c == middle, 0, cityLimit);
        p.straight(j[c][0], j[c][1]);
        p.straight(j[c][1], j[c][2]); // over the river
        toEdge(j[c][2], x, maxY, c == middle, 0, -cityLimit);
    }
    p.build(lights, 0);
}

void buildRiver(Builder& b) {
    NetworkModel& m = b.model();
    const int reaches = static_cast<int>(riverBreaks.size()) - 1;
    for (int i = 0; i < reaches; ++i) {
        const int down = firstRiver + i, up = firstRiver + 2 * reaches - 1 - i;
        const int32_t x1 = riverBreaks[static_cast<size_t>(i)], x2 = riverBreaks[static_cast<size_t>(i) + 1];
        b.straightRaw(down, x1, riverY, x2, riverY, 0, down + 1, 0, 0, riverOffset, -1);
        b.straightRaw(up, x2, riverY, x1, riverY, 0, i == 0 ? firstRiver : up + 1, 0, 0, riverOffset, -1);
    }
    m.boundaryRivers[0] = firstRiver + reaches - 1;
    m.boundaryRivers[1] = firstRiver + 2 * reaches - 1;
}

} // namespace

void buildMoscowJam(Builder& b, LayoutArgs& a) {
    NetworkModel& m = b.model();
    a.name = "Moscow Jam";
    a.contentFlags = contentRoads | (a.contentFlags & contentRivers);
    a.cars *= carScale;
    a.boats /= boatDivisor;
    m.roadCount = moscowRoads;
    m.riverCount = moscowRivers;
    setExtent(m, {.minX = minX, .minY = minY, .maxX = maxX, .maxY = maxY});

    buildAvenues(b, a.lights);
    for (int r = 0; r < moscowRoads; ++r)
        mirror(m.road(r));
    m.driveOnLeft = 0;
    buildRiver(b);
    hideBeneath(m, RecordRun{firstRiver, moscowRivers}, RecordRun{0, moscowRoads}, longestBoatLengths * a.carLength);
}

} // namespace jamlog
