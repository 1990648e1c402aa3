// A network built for the benchmarks only, roomy enough for 2000 moving cars: loops of two three-lane rows
// (eastbound, then westbound one row further south) joined at both ends. Cars come in from a short boundary
// road west of each loop and then circle it for good, so every car admitted stays inside. The whole network fits
// a 1920 x 1080 screen, so every car is drawn.
#pragma once
#include <algorithm>

#include "model/BuildLayout.h"
#include "model/InitialRecords.h"
#include "model/LayoutRoutine.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Simulation.h"

namespace jamlog::bench {

struct LoopsShape {
    int loops;
    int pieceLength; // each row is four straights of this length
};
constexpr LoopsShape bigLoops{9, 7500};   // 30 km by 13 km: 2000 cars, shown at scale 16
constexpr LoopsShape smallLoops{5, 4500}; // 18 km by 7 km: 400 cars, shown at scale 10 (bevelled, lamps at sides)

constexpr int piecesPerRow = 4;
constexpr int rowSpacing = 700;
constexpr int rowLanes = 2; // top lane: three lanes
constexpr int westEdge = 1000;
constexpr int entryLength = 500;
constexpr int roadsPerLoop = 2 * piecesPerRow + 4; // two rows, two end links, the entry and the boundary road

inline void buildLoops(NetworkModel& m, LoopsShape shape) {
    Builder b(m);
    buildEndStubs(b);
    const int eastEdge = westEdge + piecesPerRow * shape.pieceLength;
    for (int l = 0; l < shape.loops; ++l) {
        const int base = l * roadsPerLoop, y1 = westEdge + 2 * l * rowSpacing, y2 = y1 + rowSpacing;
        const int eastLink = base + piecesPerRow, westRow = eastLink + 1, westLink = westRow + piecesPerRow;
        const int entry = westLink + 1, boundary = entry + 1;
        for (int k = 0; k < piecesPerRow; ++k) {
            const int x = westEdge + k * shape.pieceLength, back = eastEdge - k * shape.pieceLength;
            b.straightRaw(base + k, x, y1, x + shape.pieceLength, y1, rowLanes, base + k + 1, 0, 0, 0, -1);
            b.straightRaw(westRow + k, back, y2, back - shape.pieceLength, y2, rowLanes, westRow + k + 1, 0, 0, 0, -1);
        }
        b.straightRaw(eastLink, eastEdge, y1, eastEdge, y2, rowLanes, westRow, 0, 0, 0, -1);
        b.straightRaw(westLink, westEdge, y2, westEdge, y1, rowLanes, base, 0, 0, 0, -1);
        b.straightRaw(boundary, westEdge - 2 * entryLength, y1, westEdge - entryLength, y1, 0, entry, 0, 0, 0, -1);
        b.straightRaw(entry, westEdge - entryLength, y1, westEdge, y1, 0, base, 0, 0, 0, -1);
        m.boundaryRoads[static_cast<size_t>(l)] = boundary;
    }
    m.roadCount = shape.loops * roadsPerLoop;
    m.extentMinX = westEdge - 2 * entryLength;
    m.extentMinY = westEdge - rowSpacing;
    m.extentMaxX = eastEdge + entryLength;
    m.extentMaxY = westEdge + 2 * shape.loops * rowSpacing;
}

// The layout service of the benchmark network: whatever layout a run asks for, it gets the loops, with as many
// cars as it asks for.
inline LayoutService loopsLayout(LoopsShape shape) {
    LayoutService s = catalogueLayouts();
    s.build = [shape](NetworkModel& m, Rng& rng, const LayoutRequest& q) {
        m.laneWidth = q.lanWid;
        resetModel(m);
        m.longVehicleMaxLane = q.lvm;
        buildLoops(m, shape);
        const int cars = std::clamp(q.cars, 0, firstCarriage);
        initialiseRoadVehicles(m, rng, cars, q.baseSpeed, q.carLen, q.vSlow, q.driver, q.options);
        LayoutOutcome o;
        o.switches = contentRoads;
        o.cars = cars;
        o.name = "Benchmark Loops";
        return o;
    };
    return s;
}

// Ticks after which every one of 2000 cars has come in (entries admit about one car a tick between them).
constexpr int fillTicks = 12000;

// Road vehicles inside the layout now, and those of them moving.
inline int carsInside(const NetworkModel& m, bool movingOnly = false) {
    int n = 0;
    for (int v = 0; v < firstCarriage; ++v) {
        const VehicleRecord& r = m.vehicles[static_cast<size_t>(v)];
        n += (r.state & vehicleOutside) == 0 && (!movingOnly || r.speed > 0);
    }
    return n;
}

} // namespace jamlog::bench
