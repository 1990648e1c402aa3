// Signs and light icons drawn again only where they changed or were drawn over give the same frames, byte for byte,
// as all of them drawn at every pass: two windows of one run, compared after each of 200 movement ticks while the
// view wanders and is panned, the lights and signals change, the roadworks lamps flash, the limits change and the
// legend's figures are drawn, by day and at night, on layouts with limit, variable-limit and roadworks signs and
// with rail signals.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "ManualWindow.h"
#include "settings/SettingBits.h"
#include "sim/TimerTable.h"

using namespace jamlog;

namespace {

constexpr int ticks = 200;
constexpr int panEvery = 25;

// Timers other than the heartbeat, each fired once in so many movement ticks.
struct Every {
    int id, ticks;
};
constexpr Every slowerTimers[] = {{timerWander, 3},  {timerRailway, 10}, {timerFlash, 20},
                                  {timerLights, 20}, {timerLong, 40},    {timerMinute, 40},
                                  {timerAnnotations, 50}};

struct Window {
    MemoryProfileStore store;
    std::unique_ptr<CDrawWnd> w;
    Window(int layout, bool night, bool reuse) {
        storeLayout(store, layout, debugFastVsl); // the limits change on every long tick
        store.WriteProfileInt("Effects", "Night", night ? 1 : 0);
        store.WriteProfileInt("Custom", "SLPercent", 90); // limits, and their signs, on every road that takes one
        w = std::make_unique<CDrawWnd>(store, manualOptions(true));
        w->setOverlayReuse(reuse);
        w->resize(800, 500);
        w->show();
        QApplication::processEvents();
    }
    void tick(int t) {
        w->onTimer(timerMove);
        for (const Every& e : slowerTimers)
            if (t % e.ticks == 0)
                w->onTimer(e.id);
        if (t % panEvery == panEvery - 1) { // wide strips, with signs in them, painted without their signs
            View& v = w->view();
            v.panActive = 1;
            v.lastMouseX = v.lastMouseY = 0;
            const bool there = t / panEvery % 2 == 0;
            v.panToMouse(there ? 300 : 500, there ? 200 : 320);
        }
    }
};

int firstDifferentRow(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), static_cast<size_t>(a.width()) * 4) != 0)
            return y;
    return -1;
}

int roadsWithLimits(const NetworkModel& m) {
    int n = 0;
    for (int i = 0; i < m.roadCount; ++i)
        n += m.road(i).speedLimit < noSpeedLimit;
    return n;
}

class OverlayReuseFrames : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(OverlayReuseFrames, MatchAllDrawnAtEveryPass) {
    const auto [layout, night] = GetParam();
    Window reused(layout, night, true), every(layout, night, false);
    ASSERT_EQ(reused.w->backBuffer().size(), every.w->backBuffer().size());
    const View& view = reused.w->view();
    const int x0 = view.originX, y0 = view.originY;
    for (int t = 0; t < ticks; ++t) {
        reused.tick(t);
        every.tick(t);
        ASSERT_EQ(firstDifferentRow(reused.w->backBuffer(), every.w->backBuffer()), -1) << "tick " << t;
    }
    EXPECT_GT(roadsWithLimits(reused.w->model()), 0) << "signs to draw";
    EXPECT_TRUE(view.originX != x0 || view.originY != y0) << "the view wandered";
}

// Classic Layout (limits, roadworks, rail signals), Mway Madness (variable limits on the motorways), Diamond Max,
// Junction 13 (rail signals beside a motorway).
INSTANTIATE_TEST_SUITE_P(LayoutsByDayAndNight, OverlayReuseFrames,
                         ::testing::Combine(::testing::Values(0, 2, 3, 10), ::testing::Bool()));

} // namespace
