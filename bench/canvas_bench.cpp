// Scrolling a full-screen back buffer, as wandering and panning do on every step.
#include <QImage>
#include <benchmark/benchmark.h>

#include "platform/QtCanvas.h"

using namespace jamlog;

static void BM_ScrollFullScreen(benchmark::State& state) {
    QImage img(1920, 1080, QImage::Format_RGB32);
    img.fill(0xFF405060);
    QtCanvas c(img);
    const int dx = static_cast<int>(state.range(0)), dy = static_cast<int>(state.range(1));
    for (auto _ : state) {
        c.scroll(dx, dy);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ScrollFullScreen)->Args({1, 0})->Args({0, 1})->Args({-3, 2})->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
