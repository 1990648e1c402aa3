// Drawing benchmarks at 1920 x 1080: a full paint of a layout's network (the largest, or JAMLOG_BENCH_LAYOUT; also at
// 3840 x 2160), and one movement tick (erase, step and draw of every vehicle) on it and on the benchmark loops with 400
// and 2000 cars inside.
#include "BenchNetwork.h" // before Qt, whose `slots` keyword would clash with a field of the simulation

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/QtCanvas.h"
#include "render/NetworkDrawing.h"
#include "render/VehicleDrawing.h"
#include "render/View.h"

using namespace jamlog;

namespace {

constexpr int benchW = 1920, benchH = 1080;

// The built layout with the most records.
int largestLayout() {
    auto m = std::make_unique<NetworkModel>();
    int best = 0, most = -1;
    for (int n = 0; n <= 29; ++n) {
        clearModel(*m);
        Rng rng(1);
        BuildParams p;
        p.layout = n;
        p.designer = true;
        BuildResult r = buildLayout(*m, rng, p);
        if (r.layout != n)
            continue;
        int count = r.roadCount + r.trackCount + r.riverCount;
        if (count > most)
            most = count, best = n;
    }
    return best;
}

// The layout to measure: JAMLOG_BENCH_LAYOUT when set, else the largest.
int benchLayout() {
    const char* n = std::getenv("JAMLOG_BENCH_LAYOUT");
    return n ? std::atoi(n) : largestLayout();
}

struct BenchView : DrawHooks {
    QImage img;
    std::unique_ptr<NetworkModel> model = std::make_unique<NetworkModel>();
    std::unique_ptr<VehicleDrawTable> records = std::make_unique<VehicleDrawTable>();
    DrawState state;
    NoWindowHost host;
    View view{state, *model, host};
    std::unique_ptr<QtCanvas> canvas;
    std::unique_ptr<VehiclePainter> vehicles;
    std::unique_ptr<Simulation> sim;
    bool drawing = true;

    BenchView(LayoutService layouts, int layout, int cars, int width = benchW, int height = benchH)
        : img(width, height, QImage::Format_RGB32) {
        clearModel(*model);
        SimSettings s;
        s.network = layout, s.cars = cars, s.randomMask = 0, s.rndSettings = 0, s.pro = 1;
        s.traffic = 0, s.reset = 0, s.relief = 0; // every configured car stays admitted all day
        canvas = std::make_unique<QtCanvas>(img);
        vehicles = std::make_unique<VehiclePainter>(*canvas, *model, state, *records);
        sim = std::make_unique<Simulation>(*model, *records, s, std::move(layouts), this);
        sim->setSeedSource([] { return 1u; }); // the same run every time
        sim->create(12 * 60);
        ScreenMetrics m;
        m.primaryW = m.virtualW = width;
        m.primaryH = m.virtualH = height;
        view.setScreens(m);
        state.set.wandering = 0;
        view.fitView(0);
        view.resize(width);
        canvas->setWindowOrigin(-view.originX, -view.originY);
        vehicles->originX = view.originX;
        vehicles->originY = view.originY;
        state.content = sim->state().switches;
        state.layout = layout;
        state.setBrightness(sim->state().lightLevel);
        paint();
    }
    // Lets the cars in without drawing, then paints the network afresh for the ticks that are timed.
    void fill(int ticks) {
        drawing = false;
        for (int i = 0; i < ticks; ++i)
            sim->moveTick();
        drawing = true;
        paint();
        for (int i = 0; i < 5; ++i)
            sim->moveTick(); // every car drawn once, so that the timed erase passes have something to erase
    }
    void paint() {
        canvas->setPen({PenStyle::Null, 0, 0});
        NetworkPainter(*canvas, *model, state).paint();
        canvas->setPen({PenStyle::Null, 0, 0});
    }
    void eraseVehicle(int n) override { pass(n, erasePass); }
    void drawVehicle(int n) override { pass(n, drawPass); }
    void pass(int n, int p) {
        if (!drawing)
            return;
        if (n < firstCarriage)
            vehicles->moveAndDrawCar(n, p);
        else if (n < firstBoat)
            vehicles->moveAndDrawCarriage(n, p);
        else
            vehicles->moveAndDrawBoat(n, p);
    }
    void label(benchmark::State& st, const std::string& what) const {
        st.SetLabel(what);
        st.counters["inside"] = bench::carsInside(*model);
        st.counters["moving"] = bench::carsInside(*model, true);
        st.counters["scale"] = state.scale;
    }
};

// Arguments: the screen's width and height, and 0 to have the painter draw everything (as before the direct fill).
void fullPaint(benchmark::State& st) {
    BenchView v(catalogueLayouts(), benchLayout(), 200, static_cast<int>(st.range(0)), static_cast<int>(st.range(1)));
    v.canvas->setDirectFill(st.range(2) != 0);
    for (auto _ : st)
        v.paint();
    v.label(st, "layout " + std::to_string(v.state.layout));
}

// The largest layout with as many cars as it takes of the number asked for.
void movementTick(benchmark::State& st) {
    BenchView v(catalogueLayouts(), benchLayout(), static_cast<int>(st.range(0)));
    v.fill(200);
    for (auto _ : st)
        v.sim->moveTick();
    v.label(st, "layout " + std::to_string(v.state.layout));
}

// The benchmark loops: every car asked for is inside and moving; 400 on the small loops, more on the big.
void movementTickLoops(benchmark::State& st) {
    const int cars = static_cast<int>(st.range(0));
    BenchView v(bench::loopsLayout(cars > 400 ? bench::bigLoops : bench::smallLoops), 0, cars);
    v.fill(cars > 400 ? bench::fillTicks : 3000);
    for (auto _ : st)
        v.sim->moveTick();
    v.label(st, "benchmark loops");
}

// The same tick without drawing: what the step alone costs.
void movementTickStepOnly(benchmark::State& st) {
    const int cars = static_cast<int>(st.range(0));
    BenchView v(bench::loopsLayout(cars > 400 ? bench::bigLoops : bench::smallLoops), 0, cars);
    v.fill(cars > 400 ? bench::fillTicks : 3000);
    v.drawing = false;
    for (auto _ : st)
        v.sim->moveTick();
    v.label(st, "benchmark loops");
}

} // namespace

BENCHMARK(fullPaint)
    ->Args({benchW, benchH, 1})
    ->Args({3840, 2160, 1})
    ->Args({benchW, benchH, 0})
    ->Args({3840, 2160, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(movementTick)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(movementTickLoops)->Arg(400)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(movementTickStepOnly)->Arg(400)->Arg(2000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts of the light icons
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
