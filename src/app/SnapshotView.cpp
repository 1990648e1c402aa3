// The headless view: the whole layout fitted to the image, painted and then drawn tick by tick.
#include "app/SnapshotView.h"

namespace jamlog {

SnapshotView::SnapshotView(int width, int height, const SimSettings& settings, LayoutService layouts, uint32_t seed)
    : ViewCore(width, height, nullptr) {
    makeSimulation(settings, std::move(layouts));
    seedSequence(seed);
    drawState().set.wandering = 0; // a snapshot shows the whole layout
    ScreenMetrics screens;
    screens.primaryW = screens.virtualW = width;
    screens.primaryH = screens.virtualH = height;
    view().setScreens(screens);
    view().zoom = width / 50;
}

void SnapshotView::start(int clockMinutes) {
    simulation().create(clockMinutes);
    view().loadView(store, simulation().state().layout);
    view().resize(image().width());
    holdCanvas();
    redrawView();
}

} // namespace jamlog
