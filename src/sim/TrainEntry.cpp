// Carriages entering the layout at a boundary track (heads) or behind the carriage in front, and leaving it.
#include "sim/Occupancy.h"
#include "sim/TrainStepParts.h"
#include "sim/TrainTrack.h"

namespace jamlog::rail {

namespace {

constexpr int slotDivisor = 3277; // rand() / 3277: slots 0..9
constexpr int slotDraws = 100;
constexpr int followDistance = 400; // a carriage enters once the one in front is this far in

bool validRoad(int n) {
    return n >= 0 && n < roadCapacity;
}

// The track a head enters on: a random successor of a boundary track drawn from the list.
int drawEntryTrack(NetworkModel& m, Rng& rng) {
    int road = -1;
    for (int i = 0; i < slotDraws && road == -1; ++i)
        road = m.boundaryTracks[static_cast<size_t>(rng.next() / slotDivisor)];
    if (road == -1)
        road = m.boundaryTracks[0];
    if (road < firstTrack) {
        const int first = m.boundaryTracks[0];
        if (!validRoad(first))
            return -1;
        road = chooseSuccessor(m.road(first), rng);
    }
    if (!validRoad(road))
        return -1;
    return chooseSuccessor(m.road(road), rng);
}

// True when a carriage stands so close to the start of the track that it marks no cell yet.
bool carriageAtStart(const NetworkModel& m, int track) {
    for (int n = firstCarriage; n < carriageEnd; ++n) {
        const VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        if (v.road == track && !(v.state & vehicleOutside) && v.pos < cellSize)
            return true;
    }
    return false;
}

} // namespace

int enterTrack(CarriageCtx& x) {
    int entry;
    if (x.head) {
        if (!x.a.entryAllowed || x.relief)
            return trainOutside;
        // The whole train must be outside: a head never re-enters while its tail is still in the layout.
        const int last = lastCarriageOf(x.m, x.number);
        if (!(x.m.vehicles[static_cast<size_t>(last)].state & vehicleOutside))
            return trainOutside;
        entry = drawEntryTrack(x.m, x.rng);
        if (!isThroughTrack(x.m, entry) || markedFrom(lane0(x.m, entry), 0) || carriageAtStart(x.m, entry))
            return trainOutside;
    } else {
        const VehicleRecord& f = x.front();
        if ((f.state & vehicleOutside) || f.pos <= followDistance)
            return trainOutside;
        entry = f.road;
    }
    VehicleRecord& v = x.v;
    v.road = entry;
    v.pos = 0;
    v.lane = 0;
    v.tailRoad = v.tailOverhang = v.tailLane = v.prevRoad = v.roadAfterNext = 0;
    v.state = (v.state & vehicleCarParkUser) ? vehicleCarParkUser | vehicleLookingForPark : 0;
    return v.state - 2;
}

int leaveLayout(CarriageCtx& x) {
    VehicleRecord& v = x.v;
    vacateCarriage(x.m, v);
    v.state = (v.state & vehicleCarParkUser) | vehicleOutside;
    v.laneTicks = 1;
    v.waitCount = 1;
    v.prevRoad = v.tailRoad = v.tailOverhang = v.tailLane = 0;
    v.road = v.pos = v.lane = 0;
    return -v.state;
}

} // namespace jamlog::rail
