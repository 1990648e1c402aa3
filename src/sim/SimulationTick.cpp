// Timer 1, the heartbeat: every vehicle erased, stepped and drawn in number order, then the counts decide relief
// and the automatic reset.
#include <algorithm>

#include "sim/RoadVehicleStep.h"
#include "sim/Simulation.h"
#include "sim/TrainStep.h"

namespace jamlog {

void Simulation::moveTick() {
    st.counts = {};
    ++st.tickCount;
    if (!(work.debug & debugHideVehicles)) {
        if (st.switches & contentRoads)
            stepRoadVehicles(true);
        if (st.switches & contentTracks)
            stepCarriages();
        if (st.switches & contentRivers)
            stepBoats();
    }
    afterMove();
}

void Simulation::stepRoadVehicles(bool draw) {
    const SimSettings& s = work;
    VehicleStepArgs args{s.factor, s.updSpd / s.procCorr + s.factor, s.accel, true, s.esl != 0};
    // The counter only ever rises: when the active count falls, the vehicles above it must go on moving so that
    // they finish their journeys (they are refused entry instead), not stand frozen where they are.
    if (st.releaseCounter < st.activeCars)
        ++st.releaseCounter;
    const int last = std::min({st.releaseCounter, st.configuredCars - 1, maxRoadVehicles - 1});
    for (int n = 0; n <= last; ++n) {
        VehicleRecord& v = m.vehicles[static_cast<size_t>(n)];
        const bool wasInside = vehicleInside(v);
        if (draw)
            hooks.eraseVehicle(n);
        args.entryAllowed = n <= st.activeCars;
        int flag = st.reliefActive;
        const uint8_t result = stepVehicle(m, rng, n, args, draws[static_cast<size_t>(n)], flag);
        ++st.vehicleSteps;
        if (draw)
            hooks.drawVehicle(n);
        if (!(result & drawHidden)) {
            ++st.counts.counted;
            if (v.speed < 1 && flag) // a parked car stands but counts as moving
                ++st.counts.stopped;
        }
        const bool inside = vehicleInside(v);
        if (inside && !wasInside)
            ++st.entered;
        if (!inside && wasInside)
            ++st.left;
    }
}

void Simulation::stepCarriages() {
    const SimSettings& s = work;
    TrainStepArgs args{s.updSpd / (s.procCorr + s.faster) + s.factor, s.accel, true};
    // Debug bit 6 also withholds relief (passing signals at danger) from the trains.
    const int relief = (s.debug & debugNoVehicleLights) ? 0 : st.reliefActive;
    for (int n = firstCarriage; n < st.trainsEnd; ++n) {
        hooks.eraseVehicle(n);
        args.entryAllowed = n <= st.activeTrainsEnd;
        int flag = relief;
        stepCarriage(m, rng, n, args, flag, &draws[static_cast<size_t>(n)]);
        ++st.vehicleSteps;
        hooks.drawVehicle(n);
        noteCarriage(st.counts.trains, m, n, flag);
    }
}

void Simulation::stepBoats() {
    const SimSettings& s = work;
    const VehicleStepArgs args{s.factor, s.updSpd / (s.procCorr + s.slower) + s.factor, s.accel, true, s.esl != 0};
    for (int n = firstBoat; n < st.boatsEnd; ++n) {
        hooks.eraseVehicle(n);
        int flag = ((s.advanced & advancedBoatLights) && (n & 1)) ? 1 : 0;
        stepVehicle(m, rng, n, args, draws[static_cast<size_t>(n)], flag);
        ++st.vehicleSteps;
        hooks.drawVehicle(n);
        if (vehicleInside(m.vehicles[static_cast<size_t>(n)]))
            ++st.counts.boats;
    }
}

void Simulation::afterMove() {
    const SimSettings& s = work;
    const bool roads = roadLayout();
    st.reliefActive = decideRelief(s.relief, s.rThresh, roads, st.counts);
    if (countJam(st.jamTicks, totalJam(roads, st.counts), s.reset != 0)) {
        beginRun(s.cars, true, false);
        st.jamTicks = 0;
        ++st.jams;
        hooks.redrawView();
        return;
    }
    if ((st.switches & contentTrainOption) && railway.tokens)
        upkeepTokens(m);
    if (st.switches & contentRoads)
        hooks.drawSigns();
}

} // namespace jamlog
