// Creation of the simulation and the start of a run: build, counts, light groups, volume, roadworks, seeding and
// pre-population.
#include <algorithm>

#include "model/InitialRecords.h"
#include "sim/BodyColours.h"
#include "sim/Clock.h"
#include "sim/LightGroups.h"
#include "sim/LightLevel.h"
#include "sim/RoadVehicleStep.h"
#include "sim/Roadworks.h"
#include "sim/Simulation.h"
#include "sim/TrafficVolume.h"
#include "sim/TrainStep.h"

namespace jamlog {

namespace {
constexpr int noExtrasRoadsOnly = 65; // layouts that want no extras and hold roads only
constexpr int noExtrasRThresh = 10;
constexpr int prePopLightsEvery = 10;
} // namespace

Simulation::Simulation(NetworkModel& model, VehicleDrawTable& draw, const SimSettings& s, LayoutService l, DrawHooks* h,
                       RunEvents* e, SimSettings* working)
    : m(model), draws(draw), stored(s), ownWork(s), work(working ? *working : ownWork), layouts(std::move(l)),
      hooks(h ? *h : nullHooks), events(e ? *e : nullEvents) {
    work = s;
    st.layout = s.network;
    st.background = s.backColour(0);
}

bool Simulation::roadLayout() const {
    return m.roadCount > m.trackCount - m.trackAdjust;
}

void Simulation::reseed() {
    rng.seed(seedSource ? seedSource() : seedCounter++);
}

void Simulation::create(int clockMinutes) {
    st.clock = std::clamp(clockMinutes, 0, minutesPerDay - 1);
    st.dayLevel = drawDayLevel(work.weather, rng);
    st.lightLevel = startLightLevel(work, st.dayLevel);
    startRun(work.cars, true);
    constructed = true;
}

void Simulation::startRun(int cars, bool restart) {
    beginRun(cars, restart, true);
}

void Simulation::beginRun(int cars, bool restart, bool layoutChanged) {
    SimSettings& s = work;
    st.annotations = {};
    st.annotations[0] = ".Simulation";
    st.annotations[1] = ".Information";
    st.annotations[2] = ".Loading...";
    if (!restart) {
        restoreExtras(s, stored);
        st.background = stored.backColour(0);
        if (st.switches & contentCarPark)
            restoreCarParkExtras(s, stored);
    }
    for (VehicleDrawRecord& d : draws)
        d = VehicleDrawRecord{};
    st.switches = contentFlagsOf(s);

    LayoutRequest q = buildParamsFrom(s, st.layout);
    q.cars = std::clamp(cars, 1, maxRoadVehicles);
    if (st.drawn.flip)
        q.options |= optionFlip;
    LayoutOutcome out = layouts.build ? layouts.build(m, rng, q) : LayoutOutcome{};
    if (layouts.build)
        st.layout = out.layout; // views, counters and names follow the layout on the screen
    st.switches = out.switches;
    st.layoutName = out.name;
    st.trainsEnd = std::clamp(out.trainsEnd, firstCarriage, firstBoat);
    st.boatsEnd = std::clamp(out.boatsEnd, firstBoat, vehicleCapacity);
    ++st.runs;

    // The layout scales the count it is given; the scaled count is what its vehicles were initialised for.
    st.configuredCars = st.activeCars = std::clamp(out.cars > 0 ? out.cars : q.cars, 1, maxRoadVehicles);
    st.releaseCounter = 0;
    st.jamTicks = 0;
    st.reliefActive = 0;
    st.counts = {}; // counted afresh by the next tick

    st.lights.mode = s.tLights + 1;
    st.lights.forcedOff = 0;
    st.lights.peakOn = 0;
    startLightGroups(m, st.lights.mode, (s.advanced & advancedNoExtraLights) || !st.drawn.extraLights);

    if (st.switches & contentCarPark) {
        s.weather = s.gatso = s.rwSigns = s.slSigns = s.vslSigns = s.dynRW = s.fire = 0;
        if (st.switches == noExtrasRoadsOnly)
            s.rThresh = noExtrasRThresh;
    }

    if (s.traffic)
        st.activeCars = std::max(1, startCarVolume(s, st.clock, st.configuredCars));
    st.activeTrainsEnd = st.trainsEnd;
    if (s.varyTrains && (st.switches & contentTracks))
        st.activeTrainsEnd = activeTrainsEndFor(m, s.carrs, trainsAtClock(s, st.clock, s.trains));

    railway = RailwayState{};
    railway.tokens = layoutUsesTokens(m, st.switches);
    ring = makeBreakdownRing(s.bkDownNo);
    if (constructed && layoutChanged) {
        ++st.timerSets;
        events.timersChanged();
    } else if (constructed) {
        ++st.heartbeatSets;
        events.heartbeatChanged();
    }

    if (s.dynRW)
        startOfRunRoadworks(m, rng, s.rwl != 0);
    reseed();
    drawBodyColours(draws, rng, st.configuredCars, s.fire != 0);

    if (restart && !(s.advanced & advancedNoPrePop) && !(s.debug & debugHideVehicles) &&
        s.running != runningConfiguration)
        prePopulate();
}

void Simulation::prePopulate() {
    const SimSettings& s = work;
    const bool roads = st.switches & contentRoads, tracks = st.switches & contentTracks,
               rivers = st.switches & contentRivers;
    const int rounds = s.prePop * (roads ? 1 : 2);
    const VehicleStepArgs carArgs{s.factor, s.factor / 3 + 1, s.accel, true, s.esl != 0};
    const TrainStepArgs trainArgs{s.factor, s.accel, true};
    VehicleStepArgs boatArgs{s.factor, 1, s.accel, true, s.esl != 0};
    for (int round = 0; round < rounds; ++round) {
        if (roads) {
            st.releaseCounter = std::min(st.releaseCounter + 1, st.activeCars);
            const int last = std::min(st.releaseCounter, st.configuredCars - 1);
            for (int n = 0; n <= last; ++n) {
                int flag = n <= st.activeCars ? 1 : 0;
                stepVehicle(m, rng, n, carArgs, draws[static_cast<size_t>(n)], flag);
            }
            st.vehicleSteps += std::max(0, last + 1);
        }
        if (tracks) {
            for (int n = firstCarriage; n < st.trainsEnd; ++n) {
                int flag = 0;
                stepCarriage(m, rng, n, trainArgs, flag, &draws[static_cast<size_t>(n)]);
            }
            st.vehicleSteps += st.trainsEnd - firstCarriage;
            if (railway.tokens)
                upkeepTokens(m);
        }
        if (rivers) {
            for (int n = firstBoat; n < st.boatsEnd; ++n) {
                int flag = ((s.advanced & advancedBoatLights) && (n & 1)) ? 1 : 0;
                stepVehicle(m, rng, n, boatArgs, draws[static_cast<size_t>(n)], flag);
            }
            st.vehicleSteps += st.boatsEnd - firstBoat;
        }
        if (round % prePopLightsEvery == 0) {
            stepAllLightGroups(m, s.tlAuto != 0);
            if (tracks)
                workRailwaySignals(m, rng, railway, false);
        }
    }
}

} // namespace jamlog
