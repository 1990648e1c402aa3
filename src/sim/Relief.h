// Jam detection and its answers: relief, the automatic reset count, quick relief and the lights switch.
#pragma once
#include "sim/LightGroups.h"
#include "sim/SimSettings.h"
#include "sim/TrainFigures.h"

namespace jamlog {

// What one movement tick counted.
struct TickCounts {
    int counted = 0; // road vehicles inside the layout
    int stopped = 0; // of them standing
    TrainFigures trains;
    int boats = 0; // boats inside the layout
};

constexpr int jamResetTicks = 1000; // jammed ticks tolerated before the automatic reset

// The relief flag after a tick; `relief` is the Relief setting (2 or 3 while a quick relief is on).
int decideRelief(int relief, int rThresh, bool roadLayout, const TickCounts& c);

// Stopped above 9/10 of counted on a road layout, or trains stuck above 19/20 of trains counted.
bool totalJam(bool roadLayout, const TickCounts& c);

// Counts jammed ticks; returns true when the layout is to be reset now (the count is then back at 0).
bool countJam(int& jamTicks, bool jammed, bool resetOn);

// The lights mode and whether the lights are forced off; both switches toggle them.
struct LightsState {
    int mode = 3;
    int forcedOff = 0;
    int peakOn = 0;
};

void toggleLights(LightsState& l, int tLights);

// Quick relief: Relief toggles between its value and value + 2, the active cars between a quarter of the
// configured cars and all of them, and the lights are toggled.
void toggleQuickRelief(int& relief, int& activeCars, int configured, LightsState& l, int tLights);

bool quickReliefOn(int relief);

} // namespace jamlog
