// The headless view: fits the layout, paints the network on every redraw request and erases and draws the
// vehicles around each step, exactly as the saver's window does, into an image.
#include "app/SnapshotView.h"

namespace jamlog {

SnapshotView::SnapshotView(int width, int height, const SimSettings& settings, LayoutService layouts, uint32_t seed)
    : img(width, height, QImage::Format_RGB32), model(std::make_unique<NetworkModel>()),
      records(std::make_unique<VehicleDrawTable>()), view(state, *model, host) {
    clearModel(*model);
    img.fill(Qt::black);
    sim = std::make_unique<Simulation>(*model, *records, settings, std::move(layouts), this);
    uint32_t next = seed;
    sim->setSeedSource([next]() mutable { return next++; });
    canvas = std::make_unique<QtCanvas>(img);
    vehicles = std::make_unique<VehiclePainter>(*canvas, *model, state, *records);
    state.set.wandering = 0; // a snapshot shows the whole layout
    ScreenMetrics screens;
    screens.primaryW = screens.virtualW = width;
    screens.primaryH = screens.virtualH = height;
    view.setScreens(screens);
    view.zoom = width / 50;
}

SnapshotView::~SnapshotView() = default;

void SnapshotView::start(int clockMinutes) {
    sim->create(clockMinutes);
    view.loadView(store, sim->state().layout);
    view.resize(img.width());
    started = true;
    redrawView();
}

void SnapshotView::syncState() {
    const SimSettings& w = sim->settings();
    RenderSettings& r = state.set;
    r.stLights = w.stLights, r.tarmac = w.tarmac, r.rails = w.rails, r.weather = w.weather, r.fire = w.fire;
    r.dimming = w.dimming, r.dusk = w.dusk, r.advanced = w.advanced, r.debug = w.debug, r.lanWid = w.lanWid;
    r.slSigns = w.slSigns, r.vslSigns = w.vslSigns, r.rwSigns = w.rwSigns, r.rsl = w.rsl, r.vsl = w.vsl;
    r.rwl = w.rwl, r.gatso = w.gatso, r.peakTL = w.peakTL, r.dynRW = w.dynRW;
    const RunState& s = sim->state();
    r.backCol = s.background;
    state.layout = s.layout;
    state.content = s.switches;
    state.flashPhase = s.flashPhase;
    state.setBrightness(s.lightLevel);
    canvas->setWindowOrigin(-view.originX, -view.originY);
    vehicles->originX = view.originX;
    vehicles->originY = view.originY;
}

void SnapshotView::eraseVehicle(int number) {
    if (!started || state.debugOn(debugHideVehicles))
        return;
    if (number < firstCarriage)
        vehicles->moveAndDrawCar(number, erasePass);
    else if (number < firstBoat)
        vehicles->moveAndDrawCarriage(number, erasePass);
    else
        vehicles->moveAndDrawBoat(number, erasePass);
}

void SnapshotView::drawVehicle(int number) {
    if (!started || state.debugOn(debugHideVehicles))
        return;
    canvas->setPen({PenStyle::Null, 0, 0});
    if (number < firstCarriage)
        vehicles->moveAndDrawCar(number, drawPass);
    else if (number < firstBoat)
        vehicles->moveAndDrawCarriage(number, drawPass);
    else
        vehicles->moveAndDrawBoat(number, drawPass);
}

void SnapshotView::redrawView() {
    if (!started)
        return;
    syncState();
    NetworkPainter(*canvas, *model, state).paint();
}

void SnapshotView::redrawRoad(int road) {
    if (!started)
        return;
    NetworkPainter p(*canvas, *model, state);
    if (roadworksActive(model->road(road))) {
        p.drawRoad(road);
        p.drawRoadworks(road, false);
    } else {
        p.clearRoadworks(road);
    }
}

void SnapshotView::drawRoadworksLamps(int flashPhase) {
    if (!started)
        return;
    state.flashPhase = flashPhase;
    NetworkPainter p(*canvas, *model, state);
    for (int i = 0; i < model->roadCount && i < roadCapacity; ++i)
        p.drawRoadworks(i, flashPhase != 0);
}

void SnapshotView::drawSigns() {
    if (started)
        NetworkPainter(*canvas, *model, state).drawAllSigns();
}

void SnapshotView::lightLevelChanged() {
    redrawView();
}

} // namespace jamlog
