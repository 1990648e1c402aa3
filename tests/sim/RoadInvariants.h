// The invariants of road traffic and boats, checked after every vehicle step and over the lane bitmaps: no shared
// cells, every vehicle marks exactly its own cells (besides the cells a layout or roadworks mark on purpose), no
// backward moves, no passing of marked cells, leaving only at boundary roads, broken-down vehicles standing with
// hazards. Also a plain stepper that runs vehicles under these checks without the tick.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "model/NetworkModel.h"
#include "sim/LightGroups.h"
#include "sim/Occupancy.h"
#include "sim/RoadVehicleStep.h"
#include "sim/VehicleStepContext.h"

namespace invariants {

using namespace jamlog;

struct Counts {
    long entered = 0, left = 0, steps = 0;
    int inside = 0;
};

// One bitmap per lane of every road, indexed road x maxLanes + lane.
using CellMap = std::vector<std::array<uint32_t, cellWords>>;

inline bool isRoadVehicleOrBoat(int n) {
    return n >= 0 && n < vehicleCapacity && (n < firstCarriage || n >= firstBoat);
}

inline bool onTrack(const NetworkModel& m, int road) {
    return m.trackCount > 0 && road >= firstTrack && road < firstRiver;
}

// The lane bitmaps as they stand (right after a build: the cells the layout marks on purpose).
inline CellMap snapshotCells(const NetworkModel& m) {
    CellMap cells(static_cast<size_t>(roadCapacity) * maxLanes);
    for (int road = 0; road < roadCapacity; ++road)
        for (int k = 0; k < maxLanes; ++k)
            std::copy(std::begin(m.road(road).lanes[k].occupancy), std::end(m.road(road).lanes[k].occupancy),
                      cells[static_cast<size_t>(road * maxLanes + k)].begin());
    return cells;
}

// The cells every inside road vehicle and boat should mark, built afresh; reports the first cell two share.
inline std::string expectedCells(const NetworkModel& m, CellMap& cells) {
    cells.assign(static_cast<size_t>(roadCapacity) * maxLanes, {});
    auto mark = [&](int road, int lane, int from, int to, int who) -> std::string {
        if (road < 0 || road >= roadCapacity || lane < 0 || lane >= maxLanes)
            return "vehicle " + std::to_string(who) + " on a bad road or lane";
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
        if (!isRoadVehicleOrBoat(n))
            continue;
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if (!vehicleInside(v))
            continue;
        if (v.road >= 0 && v.road < roadCapacity && v.lane >= 0 && v.lane < maxLanes &&
            v.pos > m.road(v.road).lanes[v.lane].laneLength)
            return "vehicle " + std::to_string(n) + " beyond the end of its lane";
        std::string e = mark(v.road, v.lane, v.pos - v.length, v.pos, n);
        if (e.empty() && v.tailOverhang < 0) {
            if (v.tailRoad < 0 || v.tailRoad >= roadCapacity || v.tailLane < 0 || v.tailLane >= maxLanes)
                return "vehicle " + std::to_string(n) + " straddles from a bad road or lane";
            const int end = m.road(v.tailRoad).lanes[v.tailLane].laneLength;
            e = mark(v.tailRoad, v.tailLane, end + v.tailOverhang, end, n);
        }
        if (!e.empty())
            return e;
    }
    return "";
}

// Compares the lane bitmaps of roads and rivers with the cells their vehicles should mark; empty when they agree.
// `fixed` holds cells the layout marks on purpose. With `roadworks`, a road's offside lane may also carry the
// roadworks block, its whole length marked, over the cells of its vehicles. Tracks belong to the trains.
inline std::string checkBitmaps(const NetworkModel& m, const CellMap* fixed = nullptr, bool roadworks = false) {
    CellMap cells;
    std::string e = expectedCells(m, cells);
    if (!e.empty())
        return e;
    for (int road = 0; road < roadCapacity; ++road) {
        if (onTrack(m, road))
            continue;
        const RoadRecord& r = m.road(road);
        if (r.topLane < 0 || r.topLane >= maxLanes)
            continue;
        for (int k = 0; k <= r.topLane; ++k) {
            const size_t at = static_cast<size_t>(road * maxLanes + k);
            const uint32_t* have = r.lanes[k].occupancy;
            std::array<uint32_t, cellWords> want = cells[at];
            for (int w = 0; w < cellWords; ++w)
                want[w] |= fixed ? (*fixed)[at][w] : 0;
            bool extra = false;
            for (int w = 0; w < cellWords; ++w)
                extra = extra || (have[w] & ~want[w]) != 0;
            if (extra && roadworks && k == r.topLane && r.length > 0)
                setCells(want.data(), 0, std::min(r.length / 10 - 1, cellBits - 1), true);
            for (int w = 0; w < cellWords; ++w)
                if (want[w] != have[w])
                    return "road " + std::to_string(road) + " lane " + std::to_string(k) + " word " +
                           std::to_string(w) +
                           ((have[w] & ~want[w]) ? " has cells no vehicle marks" : " lacks cells of its vehicles") +
                           (extra && k == r.topLane ? " (roadworks lane)" : "");
        }
    }
    return "";
}

inline bool isBoundaryOf(const NetworkModel& m, int road, bool boat) {
    if (boat)
        return std::find(m.boundaryRivers.begin(), m.boundaryRivers.end(), road) != m.boundaryRivers.end();
    return std::find(m.boundaryRoads.begin(), m.boundaryRoads.end(), road) != m.boundaryRoads.end();
}

// Watches one vehicle step: `before` keeps the record and the lanes of its road and next road, `after` checks the
// step against them and counts entries and exits. Returns the first fault, or an empty string.
class StepWatch {
public:
    void before(const NetworkModel& m, int n) {
        number = n;
        was = m.vehicles[static_cast<size_t>(n)];
        if (!vehicleInside(was))
            return;
        keep(m, was.road, lanes[0]);
        keep(m, was.nextRoad, lanes[1]);
    }

    std::string after(const NetworkModel& m, const VehicleDrawRecord& d, Counts& counts) const {
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(number)];
        const bool boat = number >= firstBoat;
        ++counts.steps;
        auto who = [this] { return "vehicle " + std::to_string(number) + ": "; };
        if (!vehicleInside(was) && vehicleInside(v))
            ++counts.entered;
        if (vehicleInside(was) && !vehicleInside(v)) {
            ++counts.left;
            if (!isBoundaryOf(m, was.road, boat))
                return who() + "left the layout from road " + std::to_string(was.road);
        }
        if (!vehicleInside(v))
            return "";
        if (v.road < 0 || v.road >= roadCapacity || v.lane < 0 || v.lane > m.road(v.road).topLane)
            return who() + "on a bad road or lane";
        if (v.speed < 0)
            return who() + "negative speed";
        if (v.pos > m.road(v.road).lanes[v.lane].laneLength)
            return who() + "beyond its lane: at " + std::to_string(v.pos) + " of " +
                   std::to_string(m.road(v.road).lanes[v.lane].laneLength) + " on road " + std::to_string(v.road) +
                   " lane " + std::to_string(v.lane) + ", before at " + std::to_string(was.pos) + " on road " +
                   std::to_string(was.road) + " lane " + std::to_string(was.lane);
        if (!vehicleInside(was))
            return "";
        if (v.road == was.road && v.pos < was.pos)
            return who() + "moved backwards";
        if (was.topSpeed == 0 && v.topSpeed == 0) {
            if (v.road != was.road || v.pos != was.pos || v.lane != was.lane)
                return who() + "moved while broken down from road " + std::to_string(was.road) + " lane " +
                       std::to_string(was.lane) + " at " + std::to_string(was.pos) + " to road " +
                       std::to_string(v.road) + " lane " + std::to_string(v.lane) + " at " + std::to_string(v.pos);
            if (!boat && (d.lampFlags & 12) != 12 && d.lampFlags != lampParked)
                return who() + "broken down without hazard lights";
        }
        // The cells it drove through (and, after a change of lane or road, those now under its body) were free.
        int from = -1, to = v.pos / 10;
        const uint32_t* bits = nullptr;
        if (v.road == was.road && v.state == was.state) {
            from = (v.lane == was.lane ? was.pos : v.pos - v.length) / 10;
            bits = lanes[0][static_cast<size_t>(v.lane)].data();
        } else if (v.road == was.nextRoad && was.road != was.nextRoad && v.state == was.state &&
                   !step::isBay(m.road(was.road))) { // out of a bay it joins the aisle halfway along
            from = 0;
            bits = lanes[1][static_cast<size_t>(v.lane)].data();
        }
        from = std::max(from, 0);
        to = std::min(to, cellBits) - 1;
        if (bits && from <= to && anyCellSet(bits, from, to))
            return who() + "passed a marked cell on road " + std::to_string(v.road) + " lane " +
                   std::to_string(v.lane) + " between " + std::to_string(was.pos) + " and " + std::to_string(v.pos);
        return "";
    }

private:
    static void keep(const NetworkModel& m, int road, std::array<std::array<uint32_t, cellWords>, maxLanes>& out) {
        if (road < 0 || road >= roadCapacity)
            return; // the step checks only roads it stands on or drives onto
        const RoadRecord& r = m.road(road);
        const int top = std::clamp(r.topLane, 0, maxLanes - 1);
        for (int k = 0; k <= top; ++k)
            std::memcpy(out[static_cast<size_t>(k)].data(), r.lanes[k].occupancy, sizeof r.lanes[k].occupancy);
    }

    int number = 0;
    VehicleRecord was{};
    std::array<std::array<std::array<uint32_t, cellWords>, maxLanes>, 2> lanes{};
};

// Steps vehicles [0, cars) and boats [firstBoat, boatsEnd) for `steps` rounds, lights every `lightEvery` rounds,
// checks every vehicle step and, every checkBitmapsEvery rounds, the bitmaps. Returns the first failure, or an empty
// string.
inline std::string runChecked(NetworkModel& m, Rng& rng, VehicleDrawTable& draw, int cars, int boatsEnd, int steps,
                              Counts& counts, const VehicleStepArgs& base = {}, int lightEvery = 120,
                              int checkBitmapsEvery = 1) {
    auto watch = std::make_unique<StepWatch>();
    for (int s = 0; s < steps; ++s) {
        if (lightEvery > 0 && s % lightEvery == 0)
            stepAllLightGroups(m, true);
        for (int pass = 0; pass < 2; ++pass) {
            const int from = pass == 0 ? 0 : firstBoat, to = pass == 0 ? cars : boatsEnd;
            for (int n = from; n < to; ++n) {
                watch->before(m, n);
                int flag = 0;
                stepVehicle(m, rng, n, base, draw[static_cast<size_t>(n)], flag);
                const std::string e = watch->after(m, draw[static_cast<size_t>(n)], counts);
                if (!e.empty())
                    return "step " + std::to_string(s) + " " + e;
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
