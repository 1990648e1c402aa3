// Cell bitmap range operations, the inner loop of following and lane changing.
#include <benchmark/benchmark.h>

#include "model/Bitmap.h"

using namespace jamlog;

static void BM_AnyCellSetLongRange(benchmark::State& state) {
    uint32_t bits[cellWords] = {};
    bits[cellWords - 1] = 1u << 31;
    for (auto _ : state) benchmark::DoNotOptimize(anyCellSet(bits, 3, 798));
}
BENCHMARK(BM_AnyCellSetLongRange);

static void BM_MarkAndClearVehicle(benchmark::State& state) {
    uint32_t bits[cellWords] = {};
    int pos = 0;
    for (auto _ : state) {
        setCells(bits, pos, pos + 45, true);
        setCells(bits, pos, pos + 45, false);
        pos = (pos + 7) % 700;
        benchmark::DoNotOptimize(bits);
    }
}
BENCHMARK(BM_MarkAndClearVehicle);

BENCHMARK_MAIN();
