// Initial records of the road vehicles and the boats of a freshly built layout.
#include <algorithm>

#include "model/InitialRecords.h"
#include "settings/SettingBits.h" // the Advanced bits

namespace jamlog {

namespace {

constexpr int everyFiftieth = 50;
constexpr int boatDriver = 4;
constexpr int boatSpeedScale = 10;

int drawTopSpeed(Rng& rng, int baseSpeed, int verySlow) {
    int r = rng.next();
    while (r > baseSpeed * 3 / 2)
        r /= 2;
    if (!verySlow)
        r = std::max(r, baseSpeed / 2);
    return r;
}

int drawLength(Rng& rng, int carLength, bool carPark) {
    int s = rng.next();
    if (s < 8000)
        return carLength * 3 / 4;
    if (s < 16000)
        return carPark ? carLength * 5 / 4 : carLength * 3 / 2;
    if (s < 24000)
        return carLength;
    return carPark ? carLength : 2 * carLength;
}

} // namespace

void initialiseRoadVehicles(NetworkModel& m, Rng& rng, int cars, int baseSpeed, int carLength, int verySlow,
                            int driverSetting, int options) {
    const bool carPark = (options & optionCarPark) != 0;
    const int n = std::clamp(cars, 0, firstCarriage);
    for (int i = 0; i < n; ++i) {
        VehicleRecord& v = m.vehicles[static_cast<size_t>(i)];
        v.topSpeed = drawTopSpeed(rng, baseSpeed, verySlow);
        v.length = drawLength(rng, carLength, carPark);
        v.driver = driverSetting != 0 ? driverSetting : rng.next() >> 13;
        v.headway = (driverSetting + 1) * v.length / 2;
        v.kindFlags = v.length > carLength ? 1 : 0;
        if ((options & optionFire) && i % everyFiftieth == 0)
            v.driver = 0;
        if (carPark)
            v.state = vehicleCarParkUser | vehicleOutside;
    }
}

void initialiseBoats(NetworkModel& m, Rng& rng, int boats, int speed, int carLength, int advanced) {
    const int n = std::clamp(boats, 0, vehicleCapacity - firstBoat);
    for (int i = 0; i < n; ++i) {
        VehicleRecord& v = m.vehicles[static_cast<size_t>(firstBoat + i)];
        // At least 1, so that the length's division below is always defined.
        const int raw = std::max(1, speed / 4 + rng.next() * speed / 8192);
        v.topSpeed = (advanced & advancedFastBoats) ? raw : raw / boatSpeedScale;
        v.length = (speed / raw + 2) * carLength;
        v.driver = boatDriver;
    }
}

} // namespace jamlog
