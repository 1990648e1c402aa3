// Runs road vehicles and boats step by step and checks the invariants of the lane bitmaps and of movement after
// every step: no shared cells, every vehicle marks exactly its own cells, no backward moves, no passing of marked
// cells, leaving only at boundary roads, broken-down vehicles standing with hazards.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/NetworkModel.h"
#include "sim/LightGroups.h"
#include "sim/Occupancy.h"
#include "sim/RoadVehicleStep.h"

namespace invariants {

using namespace jamlog;

struct Counts {
    long entered = 0, left = 0, steps = 0;
    int inside = 0;
};

// The cells every inside vehicle should mark, built afresh; reports the first cell two vehicles share.
inline std::string expectedCells(const NetworkModel& m, std::vector<std::array<uint32_t, cellWords>>& cells) {
    cells.assign(static_cast<size_t>(roadCapacity) * maxLanes, {});
    auto mark = [&](int road, int lane, int from, int to, int who) -> std::string {
        if (road < 0 || road >= roadCapacity || lane < 0 || lane >= maxLanes)
            return "bad road or lane";
        auto& bits = cells[static_cast<size_t>(road * maxLanes + lane)];
        const int c0 = std::max(from / 10, 0), c1 = std::min(to / 10 - 1, cellBits - 1);
        for (int c = c0; c <= c1; ++c) {
            if (cellSet(bits.data(), c))
                return "vehicle " + std::to_string(who) + " shares cell " + std::to_string(c) + " of road " +
                       std::to_string(road) + " lane " + std::to_string(lane);
            setCells(bits.data(), c, c, true);
        }
        return "";
    };
    for (int n = 0; n < vehicleCapacity; ++n) {
        if (n >= firstCarriage && n < firstBoat)
            continue;
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if (!vehicleInside(v))
            continue;
        std::string e = mark(v.road, v.lane, v.pos - v.length, v.pos, n);
        if (e.empty() && v.tailOverhang < 0) {
            const int end = m.road(v.tailRoad).lanes[v.tailLane].laneLength;
            e = mark(v.tailRoad, v.tailLane, end + v.tailOverhang, end, n);
        }
        if (!e.empty())
            return e;
    }
    return "";
}

// Compares the lane bitmaps with the cells the vehicles should mark; empty when they agree.
inline std::string checkBitmaps(const NetworkModel& m) {
    std::vector<std::array<uint32_t, cellWords>> cells;
    std::string e = expectedCells(m, cells);
    if (!e.empty())
        return e;
    for (int road = 0; road < roadCapacity; ++road) {
        const RoadRecord& r = m.road(road);
        if (r.topLane < 0 || r.topLane >= maxLanes)
            continue;
        for (int k = 0; k <= r.topLane; ++k) {
            const auto& want = cells[static_cast<size_t>(road * maxLanes + k)];
            for (int w = 0; w < cellWords; ++w)
                if (want[w] != r.lanes[k].occupancy[w])
                    return "road " + std::to_string(road) + " lane " + std::to_string(k) + " word " +
                           std::to_string(w) + " differs from its vehicles";
        }
    }
    return "";
}

// Steps vehicles [0, cars) and boats [firstBoat, boatsEnd) for `steps` rounds, lights every `lightEvery` rounds,
// checks every vehicle step and, every checkBitmapsEvery rounds, the bitmaps. Returns the first failure, or an empty
// string.
inline std::string runChecked(NetworkModel& m, Rng& rng, VehicleDrawTable& draw, int cars, int boatsEnd, int steps,
                              Counts& counts, const VehicleStepArgs& base = {}, int lightEvery = 120,
                              int checkBitmapsEvery = 1) {
    auto isBoundary = [&](int road, bool boat) {
        const auto& list = boat ? std::vector<int>(m.boundaryRivers.begin(), m.boundaryRivers.end())
                                : std::vector<int>(m.boundaryRoads.begin(), m.boundaryRoads.end());
        return std::find(list.begin(), list.end(), road) != list.end();
    };
    for (int s = 0; s < steps; ++s) {
        if (lightEvery > 0 && s % lightEvery == 0)
            stepAllLightGroups(m, true);
        for (int pass = 0; pass < 2; ++pass) {
            const int from = pass == 0 ? 0 : firstBoat, to = pass == 0 ? cars : boatsEnd;
            for (int n = from; n < to; ++n) {
                VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
                const VehicleRecord before = v;
                int flag = 0;
                stepVehicle(m, rng, n, base, draw[static_cast<size_t>(n)], flag);
                ++counts.steps;
                const std::string who = "step " + std::to_string(s) + " vehicle " + std::to_string(n) + ": ";
                if (!vehicleInside(before) && vehicleInside(v))
                    ++counts.entered;
                if (vehicleInside(before) && !vehicleInside(v)) {
                    ++counts.left;
                    if (!isBoundary(before.road, n >= firstBoat))
                        return who + "left the layout from road " + std::to_string(before.road);
                }
                if (vehicleInside(before) && vehicleInside(v)) {
                    if (v.road == before.road && v.pos < before.pos)
                        return who + "moved backwards";
                    if (v.speed < 0)
                        return who + "negative speed";
                    if (before.topSpeed == 0 && v.topSpeed == 0) {
                        if (v.road != before.road || v.pos != before.pos || v.lane != before.lane)
                            return who + "moved while broken down";
                        if (n < firstCarriage && (draw[static_cast<size_t>(n)].lampFlags & 12) != 12 &&
                            draw[static_cast<size_t>(n)].lampFlags != lampParked)
                            return who + "broken down without hazard lights";
                    }
                    if (v.pos > m.road(v.road).lanes[v.lane].laneLength)
                        return who + "beyond its lane";
                }
            }
        }
        if (checkBitmapsEvery > 0 && s % checkBitmapsEvery == 0) {
            const std::string e = checkBitmaps(m);
            if (!e.empty())
                return "after round " + std::to_string(s) + ": " + e;
        }
    }
    counts.inside = 0;
    for (int n = 0; n < cars; ++n)
        counts.inside += vehicleInside(m.vehicles[static_cast<size_t>(n)]);
    for (int n = firstBoat; n < boatsEnd; ++n)
        counts.inside += vehicleInside(m.vehicles[static_cast<size_t>(n)]);
    return "";
}

} // namespace invariants
