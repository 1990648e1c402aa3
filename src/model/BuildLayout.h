// The layout dispatcher: resets the model, builds the chosen layout and initialises its vehicles.
#pragma once
#include <string>

#include "model/InitialRecords.h"
#include "model/LayoutRoutine.h"
#include "model/NetworkModel.h"
#include "model/Primitives.h"
#include "model/Rng.h"
#include "settings/SettingBits.h"
#include "settings/SettingValues.h"

namespace jamlog {

// The content flags of the Roads, Tracks, Rivers and Pelican switches.
constexpr int contentFlagsOf(const SettingValues& s) {
    return s.roads * contentRoads + s.tracks * contentTracks + s.rivers * contentRivers + s.pelican * contentPelican;
}

// The settings a build reads, taken from a set of settings values for one layout (without the random flip); by
// default the settings' defaults for the default layout.
struct BuildParams {
    int layout = 0;
    int contentFlags = 0; // the user's Roads, Tracks, Rivers and Pelican bits
    int cars = 0, trains = 0, boats = 0;
    int carrs = 0;
    int baseSpeed = 0; // 10 × AveSpd
    int driver = 0, vSlow = 0;
    int lights = 0; // TLights + 1
    int carLen = 0, lanWid = 0;
    int faster = 0, slower = 0;
    int lvm = 0, stnWait = 0, parkWait = 0;
    int options = 0;  // optionFlip, optionAdvanced4, optionFire, optionLongTrains
    int advanced = 0; // the Advanced tweak bits (boat speeds)
    bool designer = false;

    static constexpr int contentDefault = contentFlagsOf(SettingValues{});

    constexpr BuildParams() : BuildParams(SettingValues{}, SettingValues{}.network) {}
    constexpr BuildParams(const SettingValues& s, int layoutNumber)
        : layout(layoutNumber), contentFlags(contentFlagsOf(s)), cars(s.cars), trains(s.trains), boats(s.boats),
          carrs(s.carrs), baseSpeed(10 * s.aveSpd), driver(s.driver), vSlow(s.vSlow), lights(s.tLights + 1),
          carLen(s.carLen), lanWid(s.lanWid), faster(s.faster), slower(s.slower), lvm(s.lvm), stnWait(s.stnWait),
          parkWait(s.parkWait),
          options((s.vlTrains ? optionLongTrains : 0) |
                  ((s.advanced & advancedNoRightTurnOnRed) ? optionAdvanced4 : 0) | (s.fire ? optionFire : 0)),
          advanced(s.advanced), designer(s.pro != 0) {}
};

constexpr BuildParams buildParamsFrom(const SettingValues& s, int layout) {
    return BuildParams(s, layout);
}

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
