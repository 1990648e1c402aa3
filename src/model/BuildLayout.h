// The layout dispatcher: resets the model, builds the chosen layout and initialises its vehicles.
#pragma once
#include <string>

#include "model/NetworkModel.h"
#include "model/Primitives.h"
#include "model/Rng.h"

namespace jamlog {

// The settings a build reads, with the program's defaults.
struct BuildParams {
    int layout = 14;
    int contentFlags = contentDefault; // the user's Roads, Tracks, Rivers and Pelican bits
    int cars = 200, trains = 40, boats = 50;
    int carrs = 4;
    int baseSpeed = 1120; // 10 × AveSpd
    int driver = 0, vSlow = 0;
    int lights = 3; // TLights + 1
    int carLen = 200, lanWid = 130;
    int faster = 120, slower = 35;
    int lvm = 2, stnWait = 20, parkWait = 240;
    int options = 4 | 8; // flip 1, Advanced bit 4 as 2, Fire 4, VLTrains 8 (Fire and VLTrains on by default)
    int advanced = 0;    // the Advanced tweak bits (boat speeds)
    bool designer = false;

    static constexpr int contentDefault = 1 | 2 | 4 | 128; // roads, tracks, rivers, pelican crossings
};

// What the caller reads back after a build.
struct BuildResult {
    int layout = 0; // the number actually built
    int contentFlags = 0;
    int cars = 0, trains = 0, boats = 0; // the scaled counts
    int roadCount = 0, trackCount = 0, riverCount = 0;
    int countedTracks = 0; // trackCount − trackAdjust
    int trainsEnd = firstCarriage;
    int boatsEnd = firstBoat;
    std::string name;
};

constexpr int shortRoadLength = 1000; // roads below this length get half the base speed as their limit
constexpr int cameraBit = 8;

BuildResult buildLayout(NetworkModel& m, Rng& rng, const BuildParams& p);

// The three dead-end stubs 499, 599 and 699 every layout starts from (the dispatcher's first build).
void buildEndStubs(Builder& b);

} // namespace jamlog
