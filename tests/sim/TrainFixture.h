// A reset model with the end stubs, a railway layout routine or hand-laid tracks, and trains laid on it.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "model/BuildLayout.h"
#include "model/InitialRecords.h"
#include "model/LayoutRoutine.h"
#include "model/TrainLaying.h"
#include "sim/RailwaySignals.h"
#include "sim/TrainFigures.h"
#include "sim/TrainStep.h"

struct TrainFixture : ::testing::Test {
    std::unique_ptr<jamlog::NetworkModel> m = std::make_unique<jamlog::NetworkModel>();
    jamlog::Builder b{*m};
    jamlog::Rng rng{7};
    jamlog::RailwayState rail;
    jamlog::LayoutArgs args;
    int trainsEnd = jamlog::firstCarriage;

    void SetUp() override {
        jamlog::clearModel(*m);
        jamlog::resetModel(*m);
        m->laneWidth = 130;
        m->stationWait = 5;
        jamlog::buildEndStubs(b);
    }
    void build(jamlog::LayoutRoutine routine) {
        args.contentFlags = jamlog::contentTracks;
        args.trains = 40;
        routine(b, args);
        rail.tokens = jamlog::layoutUsesTokens(*m, args.contentFlags);
    }
    void lay(int trains, int carriages, int options = 0) {
        jamlog::initialiseTrains(*m, rng, trains, 1344, 200, carriages, 4, options);
        trainsEnd = jamlog::trainsEnd(*m);
    }
    const jamlog::VehicleRecord& car(int n) const { return m->vehicles[static_cast<size_t>(n)]; }
    jamlog::VehicleRecord& car(int n) { return m->vehicles[static_cast<size_t>(n)]; }
    // One movement tick of every carriage; the railway signals every tenth tick as in the running saver.
    jamlog::TrainFigures tick(long t, bool relief = false) {
        if (t % 10 == 0)
            jamlog::workRailwaySignals(*m, rng, rail, relief);
        jamlog::TrainTickArgs a;
        a.trainsEnd = a.activeTrainsEnd = trainsEnd;
        a.reliefActive = relief;
        return jamlog::stepTrains(*m, rng, a);
    }
};
