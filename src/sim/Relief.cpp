// Relief, total jams and the switches of quick relief and lights.
#include "sim/Relief.h"

namespace jamlog {

namespace {
constexpr int quickReliefOffset = 2;
} // namespace

bool quickReliefOn(int relief) {
    return relief >= quickReliefOffset;
}

int decideRelief(int relief, int rThresh, bool roadLayout, const TickCounts& c) {
    if (relief == 0)
        return 0;
    if (roadLayout && c.stopped > rThresh * c.counted / 100)
        return 1;
    if (c.trains.stuck > rThresh * (c.trains.counted - c.trains.held) / 100)
        return 1;
    return quickReliefOn(relief) ? 1 : 0;
}

bool totalJam(bool roadLayout, const TickCounts& c) {
    return (roadLayout && c.stopped > 9 * c.counted / 10) || c.trains.stuck > 19 * c.trains.counted / 20;
}

bool countJam(int& jamTicks, bool jammed, bool resetOn) {
    if (!jammed || !resetOn) {
        jamTicks = 0;
        return false;
    }
    if (jamTicks <= jamResetTicks) {
        ++jamTicks;
        return false;
    }
    jamTicks = 0;
    return true;
}

void toggleLights(LightsState& l, int tLights) {
    if (l.mode == lightsOff) {
        l.mode = tLights + 1;
        l.forcedOff = 0;
    } else {
        l.mode = lightsOff;
        l.forcedOff = 1;
    }
}

void toggleQuickRelief(int& relief, int& activeCars, int configured, LightsState& l, int tLights) {
    if (quickReliefOn(relief)) {
        relief -= quickReliefOffset;
        activeCars = configured;
    } else {
        relief += quickReliefOffset;
        activeCars = configured / 4;
    }
    toggleLights(l, tLights);
}

} // namespace jamlog
