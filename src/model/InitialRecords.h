// Initial vehicle, train and boat records of a freshly built layout.
#pragma once
#include "model/NetworkModel.h"
#include "model/Rng.h"

namespace jamlog {

// Road-vehicle option bits as the dispatcher passes them.
constexpr int optionFlip = 1;
constexpr int optionAdvanced4 = 2;
constexpr int optionFire = 4;
constexpr int optionLongTrains = 8;
constexpr int optionCarPark = 16;

// Road vehicles 0 .. cars-1: top speed, length, driver, headway, long-vehicle flag.
void initialiseRoadVehicles(NetworkModel& m, Rng& rng, int cars, int baseSpeed, int carLength, int verySlow,
                            int driverSetting, int options);

// Lays the trains as runs of carriage records from 2000 on.
void initialiseTrains(NetworkModel& m, Rng& rng, int trains, int speed, int carLength, int carriages,
                      int carriageParam, int options);

// Boats 2200 onward, each 2 to at most longestBoatLengths car lengths long (the slower, the longer).
constexpr int longestBoatLengths = 6;
void initialiseBoats(NetworkModel& m, Rng& rng, int boats, int speed, int carLength, int advanced);

} // namespace jamlog
