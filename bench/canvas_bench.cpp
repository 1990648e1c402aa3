// Scrolling a full-screen back buffer, as wandering and panning do on every step; and the vehicle shapes of a tick
// (a bevelled body, a lamp bar, the outlined erase shape), filled straight into the pixels or by the painter.
#include <QImage>
#include <benchmark/benchmark.h>
#include <vector>

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

// One car's shapes at scale 10 on a diagonal, at 400 places over the screen; argument 1: filled directly.
static void BM_VehicleShapes(benchmark::State& state) {
    QImage img(1920, 1080, QImage::Format_RGB32);
    img.fill(0xFF405060);
    QtCanvas c(img);
    c.setDirectFill(state.range(0) != 0);
    std::vector<CanvasPoint> places;
    for (int i = 0; i < 400; ++i)
        places.push_back({(i * 7919) % 1880 + 20, (i * 104729) % 1040 + 20});
    for (auto _ : state)
        for (CanvasPoint p : places) {
            const CanvasPoint body[8] = {{p.x - 9, p.y - 3}, {p.x - 7, p.y - 6}, {p.x - 4, p.y - 6}, {p.x + 6, p.y + 1},
                                         {p.x + 7, p.y + 4}, {p.x + 5, p.y + 7}, {p.x + 2, p.y + 7}, {p.x - 8, p.y}};
            const CanvasPoint lamp[4] = {
                {p.x + 6, p.y + 3}, {p.x + 8, p.y + 4}, {p.x + 7, p.y + 6}, {p.x + 5, p.y + 5}};
            const CanvasPoint erase[4] = {
                {p.x - 11, p.y - 5}, {p.x - 5, p.y - 8}, {p.x + 9, p.y + 6}, {p.x + 3, p.y + 9}};
            c.setPen({PenStyle::Null, 0, 0});
            c.setBrush({true, 0x2040C0});
            c.polygon(body, 8);
            c.setBrush({true, 0xC0C0C0});
            c.polygon(lamp, 4);
            c.setPen({PenStyle::Geometric, 2, 0x405060, PenCap::Square});
            c.setBrush({true, 0x405060});
            c.polygon(erase, 4);
        }
    state.counters["vehicles"] = static_cast<double>(places.size());
}
BENCHMARK(BM_VehicleShapes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
