// stepVehicle for every road vehicle of a dense network, with 400 and 2000 vehicles inside: time per vehicle step.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/Primitives.h"
#include "sim/Occupancy.h"
#include "sim/RoadVehicleStep.h"

using namespace jamlog;

namespace {

constexpr int loops = 40; // closed squares of four five-lane roads, 4000 units a side
constexpr int loopRoads = 4;

struct DenseNetwork {
    std::unique_ptr<NetworkModel> m = std::make_unique<NetworkModel>();
    std::unique_ptr<VehicleDrawTable> draw = std::make_unique<VehicleDrawTable>();
    Rng rng{2026};

    explicit DenseNetwork(int vehicles) {
        clearModel(*m);
        resetModel(*m);
        m->laneWidth = 130;
        m->longVehicleMaxLane = 2;
        Builder b(*m);
        for (int k = 0; k < loops; ++k) {
            const int x = (k % 8) * 6 + 1, y = (k / 8) * 6 + 1, r = k * loopRoads;
            const int corners[4] = {x * 100 + y, (x + 4) * 100 + y, (x + 4) * 100 + y + 4, x * 100 + y + 4};
            for (int s = 0; s < loopRoads; ++s) {
                const int next = r + (s + 1) % loopRoads;
                b.straightRoad(r + s, corners[s], corners[(s + 1) % 4], 4, next, next, next, -1);
            }
        }
        m->roadCount = loops * loopRoads;
        // Vehicles spread evenly over every lane of every road, each at rest with its cells marked.
        const int perLane = (vehicles + loops * loopRoads * 5 - 1) / (loops * loopRoads * 5);
        int n = 0;
        for (int road = 0; road < m->roadCount && n < vehicles; ++road)
            for (int lane = 0; lane < 5 && n < vehicles; ++lane)
                for (int i = 0; i < perLane && n < vehicles; ++i, ++n) {
                    VehicleRecord& v = m->vehicles[static_cast<size_t>(n)];
                    v = {};
                    v.topSpeed = 600 + (n * 37) % 1100;
                    v.length = 150 + (n % 4) * 50;
                    v.headway = v.length / 2;
                    v.driver = n % 4;
                    v.kindFlags = v.length > 200 ? 1 : 0;
                    v.road = road;
                    v.lane = lane;
                    v.pos = 3900 - i * (4000 / perLane);
                    v.nextRoad = m->road(road).next[0];
                    v.roadAfterNext = m->road(v.nextRoad).next[0];
                    v.routeLaneCap = 4;
                    v.laneTicks = 1;
                    markRange(m->road(road).lanes[lane], v.pos - v.length, v.pos);
                }
    }

    void stepAll(int vehicles) {
        const VehicleStepArgs args;
        for (int n = 0; n < vehicles; ++n) {
            int flag = 0;
            benchmark::DoNotOptimize(stepVehicle(*m, rng, n, args, (*draw)[static_cast<size_t>(n)], flag));
        }
    }
};

void BM_RoadStep(benchmark::State& state) {
    const int vehicles = static_cast<int>(state.range(0));
    DenseNetwork net(vehicles);
    for (int warm = 0; warm < 200; ++warm)
        net.stepAll(vehicles); // into steady traffic
    for (auto _ : state)
        net.stepAll(vehicles);
    state.SetItemsProcessed(state.iterations() * vehicles);
    state.counters["ns_per_vehicle"] = benchmark::Counter(static_cast<double>(state.iterations() * vehicles),
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RoadStep)->Arg(400)->Arg(2000)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
