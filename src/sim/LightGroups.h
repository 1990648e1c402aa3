// Traffic-light groups: the phase tables of every lights kind, the tailback reaction and the mode switches.
#pragma once
#include "model/NetworkModel.h"

namespace jamlog {

// Signal states at a road's end.
constexpr int signalGreen = 0;
constexpr int signalRed = 1;
constexpr int signalRedAmber = 2;
constexpr int signalAmber = -1;
constexpr int signalLightsDead = -3; // part-time lights switched off
constexpr int signalFlashingAmber = -4;

// True for a group of mode 6 or 7.
bool isRailSignalGroup(const LightGroup& g);

// One tick of the group's cycle: advances the phase counter and writes the four arms' signal states.
void stepLightGroup(NetworkModel& m, int group);

// Shortens or extends the current phase when one direction's tailback outweighs the other's.
void tailbackRule(NetworkModel& m, int group);

// Every group of mode 1 to 8 takes the mode, phase counter 1 and red on all arms.
void setLightsMode(NetworkModel& m, int mode);

// Every part-time group (mode 10 or 11) takes the mode and phase counter 1; arms dead for 10, red for 11.
void setPeakLights(NetworkModel& m, int mode);

// The groups at the start of a run: part-time groups off, groups with lights in the lights mode (0 when extra
// lights are disabled), then every group stepped once.
void startLightGroups(NetworkModel& m, int lightsMode, bool noExtraLights);

// One traffic-light tick: every road group stepped, after the tailback rule when it is on.
void stepAllLightGroups(NetworkModel& m, bool tailbackOn);

} // namespace jamlog
