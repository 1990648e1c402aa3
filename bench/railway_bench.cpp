// One railway tick plus one step of 200 carriages on "Clahm Junction", with the trains spread over the layout.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/BuildLayout.h"
#include "sim/RailwaySignals.h"
#include "sim/TrainFigures.h"

using namespace jamlog;

static void BM_RailwayTickClahm200(benchmark::State& state) {
    auto m = std::make_unique<NetworkModel>();
    clearModel(*m);
    Rng rng(11);
    BuildParams p;
    p.layout = 17;
    p.contentFlags = 2;
    p.trains = 50;
    p.carrs = 4;
    p.options = 0; // fixed lengths: 50 trains of 4 fill all 200 carriage records
    const BuildResult r = buildLayout(*m, rng, p);
    RailwayState rail;
    TrainTickArgs a;
    a.trainsEnd = a.activeTrainsEnd = r.trainsEnd;
    for (int t = 0; t < 20000; ++t) { // let the trains enter and spread out
        if (t % 10 == 0)
            workRailwaySignals(*m, rng, rail, false);
        stepTrains(*m, rng, a);
    }
    int inside = 0;
    for (int n = firstCarriage; n < r.trainsEnd; ++n)
        inside += (m->vehicles[static_cast<size_t>(n)].state & 1) == 0;
    state.counters["carriages"] = r.trainsEnd - firstCarriage;
    state.counters["inside"] = inside;
    for (auto _ : state) {
        workRailwaySignals(*m, rng, rail, false);
        benchmark::DoNotOptimize(stepTrains(*m, rng, a));
    }
}
BENCHMARK(BM_RailwayTickClahm200)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
