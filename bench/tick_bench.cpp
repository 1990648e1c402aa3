// Speed of the run start's pre-population on the largest layout and of one movement tick without drawing, on
// catalogue layouts and on the benchmark loops that hold 2000 moving cars.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchNetwork.h"
#include "sim/CatalogueLayouts.h"
#include "sim/Clock.h"
#include "sim/Simulation.h"

using namespace jamlog;

namespace {

constexpr int largestLayout = 19; // the huge car park: 710 road records

struct Bench {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    std::unique_ptr<VehicleDrawTable> draw = std::make_unique<VehicleDrawTable>();
    std::unique_ptr<Simulation> sim;
    explicit Bench(const SimSettings& s, LayoutService layouts = catalogueLayouts()) {
        clearModel(*m);
        sim = std::make_unique<Simulation>(*m, *draw, s, std::move(layouts));
        sim->setSeedSource([] { return 1u; }); // the same run every time
    }
    int inside() const { return bench::carsInside(*m); }
};

SimSettings benchSettings(int layout) {
    SimSettings s;
    s.network = layout;
    s.randomMask = 0;
    return s;
}

// A whole run start with the default settings: build, roadworks, colours and 400 rounds of pre-population.
void prePopulationDefaultRun(benchmark::State& state) {
    Bench b(benchSettings(largestLayout));
    b.sim->create(clockAt(12, 0));
    for (auto _ : state)
        b.sim->startRun(b.sim->settings().cars, true);
    state.counters["inside"] = b.inside();
}

// One heartbeat with every road vehicle released: 2000 configured, as many inside as the layout takes.
void moveTick2000(benchmark::State& state) {
    SimSettings s = benchSettings(static_cast<int>(state.range(0)));
    s.cars = 2000;
    s.traffic = 0;
    s.reset = 0;
    Bench b(s);
    b.sim->create(clockAt(12, 0));
    for (int i = 0; i < 4000; ++i)
        b.sim->onTimer(timerMove);
    state.counters["inside"] = b.inside();
    state.counters["configured"] = b.sim->state().configuredCars;
    for (auto _ : state)
        b.sim->onTimer(timerMove);
}

// The same heartbeat on the benchmark loops, where all 2000 cars are inside and moving.
void moveTick2000Loops(benchmark::State& state) {
    SimSettings s = benchSettings(0);
    s.cars = 2000;
    s.traffic = 0;
    s.reset = 0;
    s.relief = 0;
    Bench b(s, bench::loopsLayout(bench::bigLoops));
    b.sim->create(clockAt(12, 0));
    for (int i = 0; i < bench::fillTicks; ++i)
        b.sim->onTimer(timerMove);
    state.counters["inside"] = b.inside();
    state.counters["moving"] = bench::carsInside(*b.m, true);
    for (auto _ : state)
        b.sim->onTimer(timerMove);
}

} // namespace

BENCHMARK(prePopulationDefaultRun)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(moveTick2000)
    ->Arg(largestLayout)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(moveTick2000Loops)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
