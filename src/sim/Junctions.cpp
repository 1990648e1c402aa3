// Junction conflict tables, signal passing with turning on red, and the priority-road test.
#include "sim/Junctions.h"

#include <array>

#include "sim/LightGroups.h"
#include "sim/Occupancy.h"

namespace jamlog {

namespace {

constexpr int movementsPerArm = 3;
constexpr int nearsideTurn = 2;

struct Conflict {
    int armOffset, movement;
};
// The roads that must be clear for each movement, relative to the road's own arm, in test order.
constexpr std::array<Conflict, 8> acrossConflicts{{{3, 0}, {1, 2}, {2, 1}, {0, 1}, {1, 0}, {1, 1}, {3, 1}, {0, 2}}};
constexpr std::array<Conflict, 8> offsideConflicts{{{3, 0}, {0, 0}, {2, 0}, {2, 2}, {1, 0}, {1, 1}, {3, 1}, {0, 2}}};
constexpr std::array<Conflict, 9> offsideConflictsMulti{
    {{3, 0}, {0, 0}, {2, 0}, {1, 2}, {2, 2}, {1, 0}, {1, 1}, {3, 1}, {0, 2}}};
constexpr std::array<Conflict, 4> nearsideConflicts{{{3, 0}, {0, 0}, {2, 1}, {0, 1}}};

bool validRoad(int r) {
    return r >= 0 && r < roadCapacity;
}

template <size_t N>
bool allClear(const NetworkModel& m, int base, int arm, const std::array<Conflict, N>& list, bool multiLane) {
    for (const Conflict& c : list) {
        const int road = base + 1 + (arm + c.armOffset) % 4 + 4 * c.movement;
        if (!validRoad(road))
            continue;
        const RoadRecord& r = m.road(road);
        const bool clear = multiLane ? roadIsEmpty(r) : firstMarkedCell(r.lanes[0]) < 0;
        if (!clear)
            return false;
    }
    return true;
}

} // namespace

int junctionMovement(const NetworkModel& m, int road) {
    if (!validRoad(road))
        return -1;
    const RoadRecord& r = m.road(road);
    if (r.boxCode < 1 || r.boxCode > 4 || !validRoad(r.control) || road <= r.control)
        return -1;
    const int mv = (road - r.control - 1) / 4;
    return mv < movementsPerArm ? mv : -1;
}

bool junctionClear(const NetworkModel& m, int road, bool multiLane) {
    const int mv = junctionMovement(m, road);
    if (mv < 0)
        return true;
    const RoadRecord& r = m.road(road);
    const int base = r.control, arm = r.boxCode - 1;
    switch (mv) {
    case 0:
        return allClear(m, base, arm, acrossConflicts, multiLane);
    case 1:
        return multiLane ? allClear(m, base, arm, offsideConflictsMulti, true)
                         : allClear(m, base, arm, offsideConflicts, false);
    default:
        return allClear(m, base, arm, nearsideConflicts, multiLane);
    }
}

bool signalLetsPass(const NetworkModel& m, int from, int to, int driver) {
    const int s = m.road(from).signalState;
    if (s > signalRedAmber)
        return false;
    if (s < signalRed || driver == 0)
        return true;
    return m.turnOnRed != 0 && junctionMovement(m, to) == nearsideTurn;
}

bool priorityRoadBusy(const NetworkModel& m, int priority, int reach, int minFlow) {
    const RoadRecord& p = m.road(priority);
    if (p.flow <= minFlow)
        return false;
    if (p.lanes[0].laneLength <= 0)
        return true; // a priority road without lanes always counts as busy
    return !cellsClear(p.lanes[0], p.length - reach, p.length);
}

} // namespace jamlog
