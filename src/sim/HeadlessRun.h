// A run of the traffic on a virtual clock without drawing: vehicles, lights, railway signals and breakdowns at their
// timer rates, relief and automatic reset, with figures reported once per minute of running time.
#pragma once
#include <functional>

#include "model/NetworkModel.h"
#include "model/Rng.h"
#include "sim/RoadTraffic.h"
#include "sim/VehicleDrawRecord.h"

namespace jamlog {

struct HeadlessConfig {
    int minutes = 1;
    bool roads = true, tracks = false, rivers = false;
    bool tokens = false; // the layout works single-line sections by train tokens
    int trainsEnd = firstCarriage;
    int activeTrainsEnd = firstCarriage;
    RoadTraffic traffic;  // cars, step-factor settings, breakdown ring
    int faster = 120;     // Faster: carriages' step factor
    int tickMs = 25;      // timer 1: 100 - UpdSpd
    int lightsMs = 3000;  // timer 6: 1000 x TLightIntvl
    int longMs = 15000;   // timer 3: 1000 x LongIntvl
    int railwayMs = 250;  // timer 12
    int minuteMs = 60000; // timer 7
    bool breakdowns = true;
    int relief = 1; // Relief: 0 off, 1 on, 2 or 3 quick
    int rThresh = 70;
    bool reset = true;
    bool oddBoatsRelief = false; // bit 9 of Advanced
};

struct HeadlessFigures {
    int minute = 0;
    int carsNow = 0, carsStuck = 0, boatsNow = 0, trainsNow = 0;
    int jams = 0;
    const char* relief = "None";
    long entered = 0, left = 0;
};

// Runs the configured minutes. `rebuild` rebuilds the layout in place on an automatic reset and returns the new
// end of the trains; `report` receives the figures after every minute.
void runHeadless(NetworkModel& m, Rng& rng, VehicleDrawTable& draw, HeadlessConfig cfg,
                 const std::function<int()>& rebuild, const std::function<void(const HeadlessFigures&)>& report);

} // namespace jamlog
