// The dispatcher of the slower timers: light level and volume, lights, the minute tick, the simulated clock,
// flashing, railway, breakdowns and seconds; and the commands of quick relief, lights and the next layout.
#include <algorithm>

#include "sim/Clock.h"
#include "sim/LightGroups.h"
#include "sim/LightLevel.h"
#include "sim/Roadworks.h"
#include "sim/Simulation.h"
#include "sim/SpeedLimits.h"
#include "sim/TrafficVolume.h"

namespace jamlog {

namespace {
constexpr int legendEvery = 5;     // minutes
constexpr int bankHolidayGrow = 2; // every second minute the traffic grows by five car steps
constexpr int bankHolidaySteps = 5;
constexpr int bankHolidayReset = 4; // every fourth minute it is back at the configured cars
} // namespace

void Simulation::onTimer(int id) {
    const SimSettings& s = work;
    const bool roads = st.switches & contentRoads;
    switch (id) {
    case timerMove:
        moveTick();
        break;
    case timerLong:
        if (roads && s.breakdowns)
            stepBreakdowns(m, rng, ring, st.configuredCars);
        if (s.debug & debugFastVsl) {
            if (s.vsl)
                updateVariableLimits(m, rng, vslThreshold(s.vslBusy, s.debug), s.gatso != 0);
            if (s.rsl)
                updateRandomLimits(m, rng, s.slPercent, s.gatso != 0);
        }
        break;
    case timerDraw:
        lightTick();
        break;
    case timerLights:
        if (roads)
            stepAllLightGroups(m, s.tlAuto != 0);
        break;
    case timerQuickLights:
        if (roads && quickReliefOn(s.relief))
            stepAllLightGroups(m, s.tlAuto != 0);
        break;
    case timerMinute:
        minuteTick();
        break;
    case timerClock:
        st.clock = advanceClock(st.clock);
        break;
    case timerFlash:
        st.flashPhase ^= 1;
        hooks.flashPhaseChanged(st.flashPhase);
        if (roads && s.dynRW && st.lightLevel > s.dusk && m.roadCount > 0)
            hooks.drawRoadworksLamps(st.flashPhase);
        break;
    case timerRailway:
        if (st.switches & contentTracks) {
            workRailwaySignals(m, rng, railway, st.reliefActive != 0);
            hooks.drawTrainLamps();
        }
        break;
    case timerSeconds:
        ++st.secondCount;
        break;
    default:
        break; // wandering, annotations and window upkeep belong to the view
    }
}

void Simulation::setClock(int clockMinutes) {
    st.clock = std::clamp(clockMinutes, 0, minutesPerDay - 1);
}

void Simulation::applyLightsMode() {
    setLightsMode(m, st.lights.mode);
}

void Simulation::lightTick() {
    const SimSettings& s = work;
    const int level = stepLightLevel(s, st.clock, st.lightLevel, st.dayLevel);
    if (level != st.lightLevel) {
        st.lightLevel = level;
        hooks.lightLevelChanged();
        hooks.redrawView();
    }
    if ((st.switches & contentTracks) && s.varyTrains)
        st.activeTrainsEnd = activeTrainsEndFor(m, s.carrs, trainsAtClock(s, st.clock, s.trains));
    if ((st.switches & contentRoads) && s.traffic)
        st.activeCars = stepCarVolume(s, st.clock, st.activeCars, st.configuredCars, carStep(s));
    if (s.tlOff) {
        if (afterEveningRush(s, st.clock)) {
            if (st.lights.mode < lightsOff) {
                st.lights.mode = lightsOff;
                applyLightsMode();
            }
        } else if (st.clock > s.rushAmStart - rushMargin && st.clock < s.rushPmEnd) {
            if (st.lights.mode == lightsOff && !st.lights.forcedOff) {
                st.lights.mode = s.tLights + 1;
                applyLightsMode();
            }
        }
    }
    if (s.peakTL) {
        const int counted = st.counts.counted;
        if (counted > 2 * st.configuredCars / 3 && !st.lights.peakOn && !st.lights.forcedOff) {
            st.lights.peakOn = 1;
            setPeakLights(m, lightsPartTimeOn);
        } else if (st.lights.peakOn && (counted < st.configuredCars / 2 || st.lights.forcedOff)) {
            st.lights.peakOn = 0;
            setPeakLights(m, lightsPartTimeOff);
        }
    }
    if (s.dynRW && s.debug)
        upkeepRoadworks(m, rng, s.rwl != 0, [&](int r) { hooks.redrawRoad(r); });
}

void Simulation::minuteTick() {
    SimSettings& s = work;
    ++st.minuteCount;
    if (s.weather == weatherVariable)
        st.dayLevel = drawDayLevel(s.weather, rng);
    if (st.reliefActive)
        ++st.reliefMinutes;
    if (quickReliefOn(s.relief)) {
        s.relief -= 2;
        st.activeCars = st.configuredCars;
    }
    if ((s.randomMask & 1) && st.minuteCount % s.rndIntvl == 0) {
        events.saveCounters();
        nextLayout();
    }
    if (s.legend && st.minuteCount % legendEvery == 0)
        hooks.refreshLegend();
    if (st.switches & contentRoads) {
        if (s.bHols) {
            const int step = carStep(s);
            if (st.minuteCount % bankHolidayGrow == 0 && st.activeCars + bankHolidaySteps * step < maxRoadVehicles)
                st.activeCars += bankHolidaySteps * step;
            if (st.minuteCount % bankHolidayReset == 0)
                st.activeCars = st.configuredCars;
        }
        if (s.vsl)
            updateVariableLimits(m, rng, vslThreshold(s.vslBusy, s.debug), s.gatso != 0);
        if (s.rsl)
            updateRandomLimits(m, rng, s.slPercent / 2, s.gatso != 0);
        if (s.dynRW)
            upkeepRoadworks(m, rng, s.rwl != 0, [&](int r) { hooks.redrawRoad(r); });
    }
}

void Simulation::quickRelief() {
    toggleQuickRelief(work.relief, st.activeCars, st.configuredCars, st.lights, work.tLights);
    applyLightsMode();
}

void Simulation::lightsSwitch() {
    toggleLights(st.lights, work.tLights);
    applyLightsMode();
}

void Simulation::rereadStored() {
    if (!storeRead)
        return;
    for (Setting id : {Setting::Roads, Setting::Tracks, Setting::Rivers, Setting::BackCol0, Setting::Breakdowns,
                       Setting::DayLight, Setting::StLights, Setting::Weather, Setting::SLSigns, Setting::VSLSigns,
                       Setting::RWSigns, Setting::Fire, Setting::Gatso, Setting::DynRW, Setting::RThresh})
        stored[id] = storeRead(id);
}

void Simulation::nextLayout() {
    SimSettings& s = work;
    reseed();
    rereadStored();
    s.roads = stored.roads;
    s.tracks = stored.tracks;
    s.rivers = stored.rivers;
    if (s.weather >= weatherSnowy) {
        st.background = stored.backColour(0);
        restoreExtras(s, stored);
    }
    if (st.switches & contentCarPark)
        restoreCarParkExtras(s, stored);
    st.drawn.flip = 0;
    if (s.randomMask & 1) {
        drawRandomSettings(s, st.drawn, rng);
        const int back = drawBackground(s.rndBack, rng);
        if (back >= 0) {
            st.background = s.backColour(back);
            hooks.lightLevelChanged();
        }
        auto family = layouts.family ? layouts.family : [](int n) { return n; };
        st.layout = drawNextBuiltLayout(st.layout, s.randomMask, (s.debug & debugLayoutsInTurn) != 0, rng, family,
                                        layouts.built);
    }
    startRun(s.cars, true);
    events.layoutShown(st.drawn.flip != 0);
    hooks.redrawView();
}

} // namespace jamlog
