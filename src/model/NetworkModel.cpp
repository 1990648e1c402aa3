// Construction-time clearing and the per-build reset of the network model.
#include "model/NetworkModel.h"

#include <cstring>
#include <type_traits>

namespace jamlog {

static_assert(std::is_trivially_copyable_v<NetworkModel>);

void clearModel(NetworkModel& model) { std::memset(static_cast<void*>(&model), 0, sizeof model); }

void resetVehicle(VehicleRecord& v) {
    int32_t topSpeed = v.topSpeed;
    v = VehicleRecord{};
    v.topSpeed = topSpeed;
    v.state = vehicleOutside;
    v.laneTicks = 1;
    v.waitCount = 1;
    v.driver = 2;
}

void resetModel(NetworkModel& model) {
    model.roadCount = model.trackCount = model.riverCount = 0;
    model.trackAdjust = 0;
    model.carPark.fill(0);
    model.driveOnLeft = 1;
    model.boundaryRoads.fill(-1);
    model.boundaryTracks.fill(-1);
    model.boundaryRivers.fill(-1);
    for (auto& g : model.lightGroups) {
        g.mode = 0;
        g.phase = g.tailback = g.hasLights = 0;
    }
    for (auto& r : model.signalPlans) r[0] = 0;
    for (auto& r : model.trainTableB) r[0] = 0;
    for (auto& r : model.trainTableC) r[0] = 0;
    for (auto& r : model.table9) r[0] = 0;
    model.table1.fill(0);
    for (auto& s : model.scenery) s[0] = 0;
    for (auto& v : model.vehicles) resetVehicle(v);
    // The lane bitmaps of the run before: left in place, its vehicles would stand as phantoms on the new roads.
    for (auto& r : model.roads) {
        for (auto& lane : r.lanes) std::memset(lane.occupancy, 0, sizeof lane.occupancy);
        std::memset(r.hiddenBits, 0, sizeof r.hiddenBits);
    }
}

} // namespace jamlog
