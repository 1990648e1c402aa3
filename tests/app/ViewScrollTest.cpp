// The view window under the offscreen platform: wandering and panning scroll the back buffer and paint only the
// uncovered strips, to the same pixels as a full paint; the clock commands; the screens taken at load.
#include <QApplication>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ManualWindow.h"
#include "app/MenuCommands.h"
#include "app/ScrollBuffer.h"
#include "sim/TimerTable.h"

using namespace jamlog;

namespace {

CDrawWnd::Options manual() {
    return manualOptions();
}

bool grey(QRgb c) {
    return qRed(c) == qGreen(c) && qGreen(c) == qBlue(c);
}

// The pixels that differ between a and b at least `margin` pixels inside the border, as a count and a box; empty
// when there are none. A dashed line that enters the surface from outside starts its dashes where it enters, so
// after a scroll it may show a dash where a full paint has a gap: grey against grey on a road is allowed, in a
// small number, and nothing else.
std::string differences(const QImage& a, const QImage& b, int margin = 0) {
    if (a.size() != b.size())
        return "sizes differ";
    int n = 0, dashes = 0, left = a.width(), top = a.height(), right = -1, bottom = -1;
    for (int y = margin; y < a.height() - margin; ++y)
        for (int x = margin; x < a.width() - margin; ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (p == q)
                continue;
            if (grey(p) && grey(q)) {
                ++dashes;
                continue;
            }
            ++n;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    if (dashes * 100 > a.width() * a.height())
        return std::to_string(dashes) + " grey pixels differ: more than the dash phase explains";
    if (n == 0)
        return "";
    return std::to_string(n) + " pixels in x " + std::to_string(left) + ".." + std::to_string(right) + ", y " +
           std::to_string(top) + ".." + std::to_string(bottom);
}

struct Window {
    MemoryProfileStore store;
    std::unique_ptr<CDrawWnd> w;
    explicit Window(int debug, CDrawWnd::Options o = manual()) {
        storeLayout(store, 0, debug);
        w = std::make_unique<CDrawWnd>(store, o);
        w->resize(800, 500);
        w->show();
        QApplication::processEvents();
    }
    QImage frame() const { return w->backBuffer().copy(); }
    QImage fullPaint() {
        w->redrawAll();
        return frame();
    }
};

} // namespace

TEST(ViewScroll, WanderingAndPanningMatchAFullPaint) {
    Window v(hideVehicles);
    View& view = v.w->view();
    const QImage before = v.fullPaint();
    const int x0 = view.originX, y0 = view.originY;
    for (int i = 0; i < 6; ++i)
        v.w->onTimer(timerWander);
    ASSERT_TRUE(view.originX != x0 || view.originY != y0) << "layout 0 wanders in an 800 x 500 window";
    const QImage wandered = v.frame();
    EXPECT_NE(wandered, before);
    EXPECT_EQ(differences(wandered, v.fullPaint()), "") << "the scrolled buffer with its new strips is the full paint";

    // Panning moves both axes by many pixels at once: an uncovered column and row.
    view.panActive = 1;
    view.lastMouseX = view.lastMouseY = 0;
    view.panToMouse(620, 410);
    view.panToMouse(300, 120);
    const QImage panned = v.frame();
    EXPECT_EQ(differences(panned, v.fullPaint()), "");
}

// Wandering long enough to reach the back buffer's edge again and again, whichever way it turns.
TEST(ViewScroll, LongWanderingMatchesAFullPaint) {
    Window v(hideVehicles);
    View& view = v.w->view();
    v.fullPaint();
    int travelled = 0;
    for (int round = 0; round < 5; ++round) {
        const int x0 = view.originX, y0 = view.originY;
        for (int i = 0; i < 40; ++i)
            v.w->onTimer(timerWander);
        travelled += std::abs(view.originX - x0) + std::abs(view.originY - y0);
        const QImage wandered = v.frame();
        EXPECT_EQ(differences(wandered, v.fullPaint()), "") << "round " << round;
    }
    EXPECT_GT(travelled, 3 * scrollMargin);
}

TEST(ViewScroll, VehiclesScrollWithTheNetwork) {
    Window v(0);
    for (int i = 0; i < 40; ++i)
        v.w->onTimer(timerMove);
    v.fullPaint();
    for (int i = 0; i < 5; ++i)
        v.w->onTimer(timerWander);
    v.w->view().panActive = 1;
    v.w->view().panToMouse(500, 300);
    const QImage scrolled = v.frame();
    // Only vehicles cut by the border may differ: one that stood just outside is not drawn until its next step.
    EXPECT_EQ(differences(scrolled, v.fullPaint(), 100), "");
}

TEST(ViewScroll, ClockCommandsSetTheSimulatedClock) {
    MemoryProfileStore store;
    storeLayout(store, 0);
    store.WriteProfileInt("Timed", "DayLight", 0);
    store.WriteProfileInt("Effects", "Season", 1);
    store.WriteProfileInt("Version", "Date", 18); // June: the day runs 03:00 to 22:00
    CDrawWnd w(store, manual());
    Simulation& sim = w.simulation();

    w.runCommand(cmdClockToDusk);
    EXPECT_EQ(sim.state().clock, 22 * 60);
    EXPECT_EQ(sim.settings().dayLight, 1) << "the run cycles day and night from the new minute";
    EXPECT_EQ(w.drawState().set.dayLight, 1);
    const int level = sim.state().lightLevel;
    for (int i = 0; i < 5; ++i)
        w.onTimer(timerDraw);
    EXPECT_GT(sim.state().lightLevel, level) << "dusk darkens";

    w.runCommand(cmdClockToDawn);
    EXPECT_EQ(sim.state().clock, 3 * 60);
}

TEST(ViewScroll, TheScreensAreTakenAtLoad) {
    CDrawWnd::Options o = manual();
    o.fitToWidget = false;
    o.screens = ScreenMetrics{1920, 1080, 0, 0, 3200, 1080}; // a second monitor to the right
    MemoryProfileStore two;
    storeLayout(two, 0);
    CDrawWnd wide(two, o);
    EXPECT_EQ(wide.settings()[Setting::NoMM], 0);
    EXPECT_EQ(wide.drawState().screenW, 3200);

    two.WriteProfileInt("Screen", "NoMM", 1);
    CDrawWnd primary(two, o);
    EXPECT_EQ(primary.drawState().screenW, 1920);

    o.screens = ScreenMetrics{1920, 1080, 0, 0, 1920, 2160}; // stacked: as wide as the primary screen
    MemoryProfileStore stacked;
    storeLayout(stacked, 0);
    CDrawWnd one(stacked, o);
    EXPECT_EQ(one.settings()[Setting::NoMM], 1);
    EXPECT_EQ(one.drawState().screenH, 1080);
}
