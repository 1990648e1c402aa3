// What the configuration dialog does to its live preview: rebuilds on a new layout, driver, light scheme, speed,
// trains or boats, the peak cars, the slow motion, the stored or default view, and freezing while the preview is
// locked or covered.
#include <algorithm>

#include "app/CDrawWnd.h"

namespace jamlog {

namespace {
constexpr int rebuildCarsDivisor = 5; // a rebuilt preview starts with a fifth of the active cars
constexpr int firstStoredScale = 2;   // stored scales below this mean "no saved view"
} // namespace

CDrawWnd::RunChoice CDrawWnd::runChoice() const {
    const SimSettings& w = simulation().settings();
    return {simulation().state().layout, w.driver, w.tLights, w.aveSpd, w.trains, w.boats};
}

void CDrawWnd::rebuildRun(const RunChoice& c) {
    SimSettings& w = simulation().settings();
    w.network = c.layout;
    w.driver = c.driver;
    w.tLights = c.lights;
    w.aveSpd = c.aveSpd;
    w.trains = c.trains;
    w.boats = c.boats;
    simulation().selectLayout(c.layout);
    const int cars = std::max(1, simulation().state().activeCars / rebuildCarsDivisor);
    withCanvas([&] { simulation().startRun(cars, false); });
    layoutStarted();
    redrawAll();
}

void CDrawWnd::applyCars(int cars) {
    if (cars == simulation().settings().cars)
        return;
    withCanvas([&] { simulation().setPeakCars(cars); });
    layoutStarted();
    redrawAll();
}

void CDrawWnd::applySlowMotion(int factor) {
    simulation().settings().factor = factor; // every step reads it
}

void CDrawWnd::applyView(const StoredView& v) {
    if (v.scale < firstStoredScale) {
        defaultView();
        return;
    }
    View& t = view();
    t.baseScale = v.scale;
    drawState().scale = v.scale;
    t.originX = v.originX;
    t.originY = v.originY;
    t.panActive = 0;
    t.resize(std::max(1, width()));
    invalidate();
}

CDrawWnd::StoredView CDrawWnd::defaultView() {
    StoredView v;
    view().panActive = 0;
    view().defaultViewValues(1, v.scale, v.originX, v.originY);
    return v;
}

void CDrawWnd::setFrozen(bool frozen) {
    if (frozen == frozenFlag)
        return;
    frozenFlag = frozen;
    setUpdatesEnabled(!frozen);
    if (!frozen)
        redrawAll();
}

} // namespace jamlog
