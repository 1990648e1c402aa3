// Drawing benchmarks at 1920 x 1080: a full paint of the largest layout's network, and one movement tick (erase,
// step and draw of every vehicle) with 400 and 2000 cars.
#include "sim/Simulation.h"
#include "sim/VirtualClock.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>

#include "model/BuildLayout.h"
#include "platform/QtCanvas.h"
#include "render/NetworkDrawing.h"
#include "render/VehicleDrawing.h"
#include "render/View.h"

using namespace jamlog;

namespace {

constexpr int benchW = 1920, benchH = 1080;

LayoutService service() {
    LayoutService s;
    s.build = [](NetworkModel& m, Rng& rng, const LayoutRequest& q) {
        BuildParams p;
        p.layout = q.layout, p.contentFlags = q.switches, p.cars = q.cars, p.trains = q.trains, p.boats = q.boats;
        p.carrs = q.carrs, p.baseSpeed = q.baseSpeed, p.lights = q.lights, p.carLen = q.carLen, p.lanWid = q.lanWid;
        p.options = q.options, p.designer = true;
        BuildResult r = buildLayout(m, rng, p);
        LayoutOutcome o;
        o.switches = r.contentFlags, o.cars = r.cars, o.trains = r.trains, o.boats = r.boats;
        o.trainsEnd = r.trainsEnd, o.boatsEnd = r.boatsEnd, o.name = r.name;
        return o;
    };
    return s;
}

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

struct BenchView : DrawHooks {
    QImage img{benchW, benchH, QImage::Format_RGB32};
    std::unique_ptr<NetworkModel> model = std::make_unique<NetworkModel>();
    std::unique_ptr<VehicleDrawTable> records = std::make_unique<VehicleDrawTable>();
    DrawState state;
    ViewHost host;
    View view{state, *model, host};
    std::unique_ptr<QtCanvas> canvas;
    std::unique_ptr<VehiclePainter> vehicles;
    std::unique_ptr<Simulation> sim;

    BenchView(int layout, int cars) {
        clearModel(*model);
        SimSettings s;
        s.network = layout, s.cars = cars, s.randomMask = 0, s.rndSettings = 0, s.pro = 1;
        canvas = std::make_unique<QtCanvas>(img);
        vehicles = std::make_unique<VehiclePainter>(*canvas, *model, state, *records);
        sim = std::make_unique<Simulation>(*model, *records, s, service(), this);
        sim->create(12 * 60);
        ScreenMetrics m;
        m.primaryW = m.virtualW = benchW;
        m.primaryH = m.virtualH = benchH;
        view.setScreens(m);
        state.set.wandering = 0;
        view.fitView(0);
        view.resize(benchW);
        canvas->setWindowOrigin(-view.originX, -view.originY);
        vehicles->originX = view.originX;
        vehicles->originY = view.originY;
        state.content = sim->state().switches;
        state.layout = layout;
        state.setBrightness(sim->state().lightLevel);
        paint();
    }
    void paint() { NetworkPainter(*canvas, *model, state).paint(); }
    void eraseVehicle(int n) override { pass(n, erasePass); }
    void drawVehicle(int n) override { pass(n, drawPass); }
    bool drawing = true;
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
};

void fullPaint(benchmark::State& st) {
    BenchView v(largestLayout(), 200);
    for (auto _ : st)
        v.paint();
    st.SetLabel("layout " + std::to_string(v.state.layout));
}

void movementTick(benchmark::State& st) {
    BenchView v(largestLayout(), static_cast<int>(st.range(0)));
    for (int i = 0; i < 200; ++i)
        v.sim->moveTick(); // let the cars in
    for (auto _ : st)
        v.sim->moveTick();
    st.SetLabel("layout " + std::to_string(v.state.layout) + ", cars inside " +
                std::to_string(v.sim->state().counts.counted));
}

// The same tick without drawing: what the step alone costs.
void movementTickStepOnly(benchmark::State& st) {
    BenchView v(largestLayout(), static_cast<int>(st.range(0)));
    for (int i = 0; i < 200; ++i)
        v.sim->moveTick();
    v.state.set.debug |= debugHideVehicles;
    v.drawing = false;
    for (auto _ : st)
        v.sim->moveTick();
}

} // namespace

BENCHMARK(movementTickStepOnly)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(fullPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(movementTick)->Arg(400)->Arg(2000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts of the light icons
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
